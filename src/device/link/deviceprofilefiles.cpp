#include "deviceprofilefiles.h"

#include "cquelmoxml.h"
#include "ddevicekeyboardlink.h"
#include "fixedtext.h"
#include "macroeventrecord.h"
#include "storetransaction.h"
#include "xmlstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRegularExpression>

namespace {
Q_LOGGING_CATEGORY(lcProfiles, "tidelumen.device.profiles")

const char *const kFileNames[3] = {"/appProfile_Default.xml", "/appProfile_FN.xml",
                                   "/appProfile_Magnetic.xml"};
} // namespace

QString DeviceProfileFiles::keyboardFolder(const QString &configRoot, const QString &modelKey,
                                           const QString &serial)
{
    if (!DDeviceKeyboardLink::isValidSerialNumber(serial))
        return QString();
    // The model key comes from our catalogue, yet it names a folder too: keep it a single level.
    if (modelKey.isEmpty() || modelKey.contains(QLatin1Char('/')) || modelKey == QLatin1String("..") ||
        modelKey == QLatin1String("."))
        return QString();
    return configRoot + QLatin1Char('/') + modelKey + QLatin1Char('/') + serial;
}

int DeviceProfileFiles::removeInterruptedSaves(const QString &configRoot)
{
    // The files the program replaces through a temporary file; the temporary's suffix is six
    // characters of [A-Za-z0-9]. Backups (".broken-<time>") and anything else stay.
    static const QRegularExpression leftover(
        QStringLiteral("^(appProfile_(Default|FN|Magnetic)\\.xml|appMacro\\.xml|SeniorKeyConfig\\.xml|"
                       "QuelmoConfig\\.ini)\\.[A-Za-z0-9]{6}$"));
    if (configRoot.isEmpty())
        return 0;
    QStringList folders{configRoot};
    // <config>/<model key>/<serial number>
    for (const QFileInfo &model :
         QDir(configRoot).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        for (const QFileInfo &keyboard :
             QDir(model.filePath()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
            folders << keyboard.filePath();
    int removed = 0;
    for (const QString &folder : folders) {
        for (const QFileInfo &file :
             QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
            if (!leftover.match(file.fileName()).hasMatch())
                continue;
            if (QFile::remove(file.filePath())) {
                qCInfo(lcProfiles, "removed %s, left by an interrupted save",
                       qUtf8Printable(file.filePath()));
                ++removed;
            }
        }
    }
    return removed;
}

QString DeviceProfileFiles::filePath(const QString &folder, int file)
{
    if (file < 0 || file > 2)
        return QString();
    return folder + QLatin1String(kFileNames[file]);
}

bool DeviceProfileFiles::prepare(const QString &folder, bool magnetic,
                                 const std::function<void(const char *path)> &addDefaults,
                                 QStringList *created)
{
    if (folder.isEmpty())
        return false;
    // Each level on its own, so a missing model folder is made first.
    const QString modelFolder = QFileInfo(folder).path();
    if (!QDir().mkpath(modelFolder) || !QDir().mkpath(folder)) {
        qCWarning(lcProfiles, "Cannot create the profile folder %s", qUtf8Printable(folder));
        return false;
    }
    const int count = magnetic ? 3 : 2;
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        const QString path = filePath(folder, i);
        const QByteArray local = QFile::encodeName(path);
        if (local.size() >= kPathBytes) {
            qCWarning(lcProfiles, "Profile path too long, refused: %s", qUtf8Printable(path));
            ok = false;
            continue;
        }
        if (QFileInfo(path).isFile()) {
            ProfileNodeList nodes;
            if (CQuelmoXML_SelectProFileAllNodes(local.constData(), &nodes))
                continue;
            // A damaged file is moved aside (the store keeps it as a backup and reports it) and
            // made anew below, so the keyboard has usable profiles at once. An unreadable one stays.
            auto lock = XmlStore::instance().lock();
            if (!XmlStore::instance().document(local.constData(), XmlStore::ForWrite) &&
                QFileInfo(path).isFile()) {
                qCWarning(lcProfiles, "%s cannot be read", qUtf8Printable(path));
                ok = false;
                continue;
            }
            if (QFileInfo(path).isFile())
                continue;
        }
        // The file appears with its first profile complete, or not at all.
        StoreTransaction transaction;
        const QByteArray name = QStringLiteral("Profile%1").arg(1).toUtf8();
        const bool made =
            CQuelmoXML_CreateXMLFile(local.constData()) &&
            CQuelmoXML_CreateProFileXmlParentNode(local.constData(), "1", name.constData(), 0) &&
            CQuelmoXML_ModifyXMLFileProfileIndex(local.constData(), 1);
        if (made && i < 2 && addDefaults)
            addDefaults(local.constData());
        if (!made || !transaction.commit()) {
            qCWarning(lcProfiles, "Cannot create %s", qUtf8Printable(path));
            ok = false;
            continue;
        }
        if (created)
            created->append(path);
    }
    return ok;
}

QByteArray DeviceProfileFiles::layerFile(const QByteArray &shownFile, int layer)
{
    const int slash = shownFile.lastIndexOf('/');
    if (slash < 0)
        return QByteArray();
    return shownFile.left(slash) + kFileNames[layer == 0 ? 0 : 1];
}

QByteArray DeviceProfileFiles::pairedLayerFile(const QByteArray &shownFile)
{
    return layerFile(shownFile, shownFile.endsWith(kFileNames[1]) ? 0 : 1);
}

bool DeviceProfileFiles::usesMacro(const char *layerFile, int profileIndex, const QByteArray &macroIndex)
{
    const QByteArray index = QByteArray::number(profileIndex);
    return CQuelmoXML_GetProFileValueNum(layerFile, index.constData(), "1", macroIndex.constData()) > 0;
}

bool DeviceProfileFiles::refreshMacroCopy(const char *layerFile, int profileIndex,
                                          const QByteArray &macroIndex, const char *macroFile)
{
    if (!usesMacro(layerFile, profileIndex, macroIndex))
        return false;
    const QByteArray index = QByteArray::number(profileIndex);
    const QByteArray boundName = QStringLiteral("Macro%1").arg(QString::fromLatin1(macroIndex)).toLatin1();
    QList<MacroEventRecord> events;
    if (!macroFile || !*macroFile ||
        !CQuelmoXML_SelectAllKeyOrMouseEvent(macroFile, macroIndex.constData(), &events)) {
        // Without the macro's events the old copy stays: a key keeps playing something.
        qCWarning(lcProfiles, "Macro %s cannot be read; the copy in %s stays", macroIndex.constData(),
                  layerFile);
        return false;
    }
    // One write that replaces the copy in place: a failed write leaves the old copy, never none.
    return CQuelmoXML_AddProFileBindMacroItem(layerFile, index.constData(), events, macroIndex.constData(),
                                              boundName.constData());
}

void DeviceProfileFiles::refreshMacroCopies(const char *shownFile, int profileIndex,
                                            const QByteArray &macroIndex, const char *macroFile)
{
    if (!shownFile || !*shownFile)
        return;
    refreshMacroCopy(shownFile, profileIndex, macroIndex, macroFile);

    char otherPath[kPathBytes] = {};
    const int otherIndex = pairedCurrentProfile(shownFile, otherPath);
    if (otherIndex >= 0)
        refreshMacroCopy(otherPath, otherIndex, macroIndex, macroFile);
}

int DeviceProfileFiles::pairedCurrentProfile(const char *shownFile, char (&otherPath)[kPathBytes])
{
    const QByteArray other = pairedLayerFile(QByteArray(shownFile));
    if (other.isEmpty() || !fixedtext::copyWhole(otherPath, sizeof otherPath, other.toStdString()) ||
        !QFileInfo::exists(QFile::decodeName(other)))
        return -1;
    return CQuelmoXML_GetCreateXMLFileProfileIndex(otherPath);
}

bool DeviceProfileFiles::usesMacroInEitherLayer(const char *shownFile, int profileIndex,
                                                const QByteArray &macroIndex)
{
    if (!shownFile || !*shownFile)
        return false;
    if (usesMacro(shownFile, profileIndex, macroIndex))
        return true;
    char otherPath[kPathBytes] = {};
    const int otherIndex = pairedCurrentProfile(shownFile, otherPath);
    return otherIndex >= 0 && usesMacro(otherPath, otherIndex, macroIndex);
}
