// What a kill leaves behind and the next start removes: the temporary files of interrupted saves
// beside the store files (where the file system has no unnamed temporary files, a save writes
// "<file>.XXXXXX" first), and the custom-light defaults' temporary folders of a process that is
// gone. Nothing else in those folders is touched.
#include "customlightdefaults.h"
#include "deviceprofilefiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void touch(const QString &path, const QByteArray &content = "x")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(content);
}

TEST(StartCleanup, InterruptedSavesAreRemovedAndNothingElse)
{
    QTemporaryDir root;
    const QString config = root.path() + "/UserConfig";
    const QString keyboard = config + "/TL68HE/SN0001";
    const struct
    {
        QString path;
        bool removed;
    } rows[] = {
        {config + "/appMacro.xml.aB3dE9", true},
        {config + "/SeniorKeyConfig.xml.000000", true},
        {config + "/QuelmoConfig.ini.Zz9yX1", true},
        {keyboard + "/appProfile_Default.xml.q1W2e3", true},
        {keyboard + "/appProfile_FN.xml.AAAAAA", true},
        {keyboard + "/appProfile_Magnetic.xml.zzzzzz", true},
        // The store files themselves, their backups and anything that only looks alike.
        {config + "/appMacro.xml", false},
        {config + "/QuelmoConfig.ini", false},
        {keyboard + "/appProfile_Default.xml", false},
        {keyboard + "/appProfile_Default.xml.broken-20261210-120000", false},
        {config + "/QuelmoConfig.ini.broken-20261210-120000-1", false},
        {config + "/appMacro.xml.aB3dE", false},
        {config + "/appMacro.xml.aB3dE9f", false},
        {config + "/appMacro.xml.aB-dE9", false},
        {config + "/notes.xml.aB3dE9", false},
        {config + "/models.json", false},
        {root.path() + "/appMacro.xml.aB3dE9", false},                 // outside the folder
        {config + "/TL68HE/SN0001/deeper/appMacro.xml.aB3dE9", false}, // below the keyboards' folders
    };
    for (const auto &r : rows)
        touch(r.path);
    // A temporary name that is a link is not a file of ours.
    const QString target = root.path() + "/elsewhere";
    touch(target);
    ASSERT_TRUE(QFile::link(target, keyboard + "/appProfile_FN.xml.LiNk00"));

    EXPECT_EQ(DeviceProfileFiles::removeInterruptedSaves(config), 6);
    for (const auto &r : rows)
        EXPECT_EQ(QFile::exists(r.path), !r.removed) << r.path.toStdString();
    EXPECT_TRUE(QFileInfo(keyboard + "/appProfile_FN.xml.LiNk00").isSymLink());
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(DeviceProfileFiles::removeInterruptedSaves(config), 0);
}

class TempFolderCleanup : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        previous = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    }
    void TearDown() override { qputenv("TMPDIR", previous); }
    QTemporaryDir tmp;
    QByteArray previous;
};

TEST_F(TempFolderCleanup, OnlyFoldersOfProcessesThatAreGoneAreRemoved)
{
    // A process that has ended: its folder is what a kill leaves.
    QProcess gone;
    gone.start("true", QStringList());
    ASSERT_TRUE(gone.waitForFinished(5000));
    const qint64 deadPid = gone.processId() > 0 ? gone.processId() : 0;
    const QString uid = QString::number(::getuid());
    const QString dead =
        tmp.path() +
        QStringLiteral("/tidelumen-%1-%2-aB3dE9").arg(uid).arg(deadPid > 0 ? deadPid : 2147483646);
    const QString alive = tmp.path() + QStringLiteral("/tidelumen-%1-%2-aB3dE9").arg(uid).arg(::getpid());
    const QString otherUser =
        tmp.path() + QStringLiteral("/tidelumen-%1-%2-aB3dE9").arg(::getuid() + 1).arg(2147483646);
    const QString notOurs = tmp.path() + "/tidelumen-notes";
    for (const QString &folder : {dead, alive, otherUser, notOurs})
        touch(folder + "/customLightDefaultConfig_TL87.xml");

    EXPECT_EQ(CustomLightDefaults::removeStaleTempFolders(), 1);
    EXPECT_FALSE(QFile::exists(dead));
    EXPECT_TRUE(QFile::exists(alive)) << "the folder of a running process";
    EXPECT_TRUE(QFile::exists(otherUser));
    EXPECT_TRUE(QFile::exists(notOurs));
}

} // namespace
