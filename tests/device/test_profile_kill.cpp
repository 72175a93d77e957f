// Kills a process with SIGKILL while it repeats one profile action, at many points, and checks
// after each kill what the next start would find: every profile file parses, its current profile
// names a profile, and every profile has its default light items and schemes, with nothing left
// for the load-time repair to do. TL_KILL_ROUNDS raises the rounds per action for a longer soak.
#include "cquelmoxml.h"
#include "customlightdefaults.h"
#include "deviceprofilefiles.h"
#include "profileoperations.h"
#include "xmlstore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const ProfileOperations::Defaults kDefaults{false, 68, QStringLiteral("TL68HE")};

void addDefaults(const char *path)
{
    CustomLightDefaults::addDefaultLightConfig(path, 1, false);
    CustomLightDefaults::addDefaultCustomLights(path, 1, 68, QStringLiteral("TL68HE"));
}

// What the next start relies on, checked on the file as the kill left it.
void expectComplete(const QString &file, bool withDefaults)
{
    SCOPED_TRACE(file.toStdString());
    XmlStore::instance().clearCache();
    const QByteArray local = QFile::encodeName(file);
    const char *path = local.constData();
    ProfileNodeList nodes;
    ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(path, &nodes)) << "not a valid store file";
    ASSERT_FALSE(nodes.empty());
    const int current = CQuelmoXML_GetCreateXMLFileProfileIndex(path);
    EXPECT_GE(current, 1) << "current profile names no profile";
    if (!withDefaults)
        return;
    for (const auto &node : nodes) {
        const int index = QByteArray::fromStdString(node.first).toInt();
        for (int target = 0; target < 3; ++target)
            EXPECT_TRUE(CustomLightDefaults::hasDefaultLightItem(path, index, target))
                << "profile " << index << " lacks the light item of target " << target;
        QList<CustomLightNode> schemes;
        CQuelmoXML_SelectProFileCustomLightAllNodes(path, node.first.c_str(), &schemes);
        EXPECT_EQ(schemes.size(), CustomLightDefaults::kSchemeCount) << "profile " << index;
    }
    EXPECT_EQ(ProfileOperations::completeProfiles(path, kDefaults), 0);
}

int roundsPerAction()
{
    const int asked = qEnvironmentVariableIntValue("TL_KILL_ROUNDS");
    return asked > 0 ? asked : 10;
}

class ProfileKill : public testing::TestWithParam<const char *>
{
};

TEST_P(ProfileKill, EveryStateAKillLeavesIsComplete)
{
    const QByteArray action(GetParam());
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QStringLiteral("/TL68HE/SN1");
    ASSERT_TRUE(DeviceProfileFiles::prepare(folder, false, addDefaults));
    const QString file = DeviceProfileFiles::filePath(folder, 0);
    // The import source: an export of the first profile.
    const QByteArray source = QFile::encodeName(folder + QStringLiteral("/export.xml"));
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(source.constData()));
    ASSERT_TRUE(CQuelmoXML_ProFileExport(QFile::encodeName(file).constData(), source.constData(), "1", 0));

    const int rounds = roundsPerAction();
    int killedWhileRunning = 0;
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const QString workFolder =
            action == "setup" ? dir.path() + QStringLiteral("/setup%1").arg(round) : folder;
        QDir().mkpath(workFolder);
        QProcess child;
        child.start(QStringLiteral(TL_PROFILE_KILL_CHILD), {workFolder, QString::fromLatin1(action)});
        ASSERT_TRUE(child.waitForStarted(5000));
        ASSERT_TRUE(child.waitForReadyRead(10000)) << "the child never got ready";
        // Spread the kills over the first tens of milliseconds of work, where every action runs
        // many times.
        QThread::usleep(static_cast<unsigned long>(1000 + (round * 3137) % 40000));
        killedWhileRunning += child.state() == QProcess::Running;
        child.kill();
        ASSERT_TRUE(child.waitForFinished(5000));

        if (action == "setup") {
            const QFileInfoList made = QDir(workFolder + QStringLiteral("/setup/TL68HE"))
                                           .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
            for (const QFileInfo &keyboard : made) {
                for (int f = 0; f < 3; ++f) {
                    const QString layer = DeviceProfileFiles::filePath(keyboard.filePath(), f);
                    if (QFileInfo::exists(layer))
                        expectComplete(layer, f < 2);
                }
                // The next start makes what is missing, and everything is then complete.
                ASSERT_TRUE(DeviceProfileFiles::prepare(keyboard.filePath(), true, addDefaults));
                for (int f = 0; f < 3; ++f)
                    expectComplete(DeviceProfileFiles::filePath(keyboard.filePath(), f), f < 2);
            }
        } else {
            expectComplete(file, true);
        }
        if (HasFatalFailure())
            return;
    }
    EXPECT_EQ(killedWhileRunning, rounds) << "a child ended on its own";
}

INSTANTIATE_TEST_SUITE_P(Actions, ProfileKill,
                         testing::Values("create", "delete", "rename", "import", "setup"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
