// Repeats one profile action on a profile file until it is killed; the kill test stops it at
// arbitrary points. Usage: tl_profile_kill_child <folder> <create|delete|rename|import|setup>
#include "cquelmoxml.h"
#include "customlightdefaults.h"
#include "deviceprofilefiles.h"
#include "profileoperations.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

ProfileOperations::Defaults defaults()
{
    return {false, 68, QStringLiteral("TL68HE")};
}

int count(const char *path)
{
    ProfileNodeList nodes;
    CQuelmoXML_SelectProFileAllNodes(path, &nodes);
    return static_cast<int>(nodes.size());
}

int lastIndex(const char *path)
{
    ProfileNodeList nodes;
    CQuelmoXML_SelectProFileAllNodes(path, &nodes);
    return nodes.empty() ? 0 : QByteArray::fromStdString(nodes.back().first).toInt();
}

int current(const char *path)
{
    return CQuelmoXML_GetCreateXMLFileProfileIndex(path);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString folder = QFile::decodeName(argv[1]);
    const QByteArray op(argv[2]);
    const QByteArray file = QFile::encodeName(DeviceProfileFiles::filePath(folder, 0));
    const QByteArray source = QFile::encodeName(folder + QStringLiteral("/export.xml"));
    const char *path = file.constData();
    const auto addDefaults = [](const char *p) {
        CustomLightDefaults::addDefaultLightConfig(p, 1, false);
        CustomLightDefaults::addDefaultCustomLights(p, 1, 68, QStringLiteral("TL68HE"));
    };
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        if (op == "setup") {
            const QString fresh = folder + QStringLiteral("/setup/TL68HE/S%1").arg(round);
            DeviceProfileFiles::prepare(fresh, true, addDefaults);
            continue;
        }
        if (op == "create" || op == "import") {
            if (count(path) >= 10) {
                while (count(path) > 1)
                    ProfileOperations::remove(path, current(path), nullptr);
            } else if (op == "create") {
                const int index = lastIndex(path) + 1;
                ProfileOperations::create(path, index, QStringLiteral("Profile%1").arg(index).toUtf8(),
                                          defaults());
            } else {
                ProfileOperations::import(path, source.constData(), "1", defaults());
            }
        } else if (op == "delete") {
            if (count(path) <= 1) {
                for (int i = 0; i < 5; ++i) {
                    const int index = lastIndex(path) + 1;
                    ProfileOperations::create(path, index, "P", defaults());
                }
            }
            ProfileOperations::remove(path, current(path), nullptr);
        } else if (op == "rename") {
            ProfileOperations::rename(path, current(path), QByteArray(1 + round % 600, 'a' + round % 26));
        } else {
            return 2;
        }
    }
}
