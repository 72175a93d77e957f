#include "customlightdefaults.h"

#include "colorinfodata.h"
#include "cquelmoxml.h"
#include "customlightitem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

const char *const kResourceDir = ":/images/configDir/";

// Models whose schemes do not follow the generic file of their key count. Several models may
// share one file.
const QHash<QString, QString> &overrides68()
{
    static const QHash<QString, QString> map{{QStringLiteral("TL68HE"), QStringLiteral("TL68HE")}};
    return map;
}

const QHash<QString, QString> &overridesOther()
{
    static const QHash<QString, QString> map{{QStringLiteral("TL87"), QStringLiteral("TL87")},
                                             {QStringLiteral("TL104"), QStringLiteral("TL104")}};
    return map;
}

QString withOverride(const QHash<QString, QString> &overrides, const QString &modelKey,
                     const QString &fallback)
{
    const auto it = overrides.constFind(modelKey);
    if (it != overrides.constEnd())
        return QStringLiteral("customLightDefaultConfig_%1.xml").arg(it.value());
    return fallback;
}

} // namespace

QString CustomLightDefaults::resourceName(int keyCount, const QString &modelKey)
{
    static const QHash<QString, QString> none;
    switch (keyCount) {
    case 84:
    case 69:
        return QStringLiteral("customLightDefaultConfig_84.xml");
    case 83:
        return QStringLiteral("customLightDefaultConfig_83.xml");
    case 97:
    case 98:
    case 99:
    case 100:
        return QStringLiteral("customLightDefaultConfig_98.xml");
    case 68:
        return withOverride(overrides68(), modelKey, QStringLiteral("customLightDefaultConfig_68.xml"));
    case 61:
        return QStringLiteral("customLightDefaultConfig_61.xml");
    case 34:
        return withOverride(none, modelKey, QStringLiteral("customLightDefaultConfig_34.xml"));
    case 18:
        return QStringLiteral("customLightDefaultConfig_18.xml");
    case 82:
        return withOverride(none, modelKey, QStringLiteral("customLightDefaultConfig_82.xml"));
    default:
        return withOverride(overridesOther(), modelKey, QStringLiteral("customLightDefaultConfig.xml"));
    }
}

void CustomLightDefaults::addDefaultLightItem(const char *path, int profileIndex, int target)
{
    colorInfoData item;
    item.hidType = target;
    item.ledType = 2; // Wave
    item.ledBrightness = 3;
    item.ledSpeed = 3;
    item.color1Red = 255;
    item.fullColorMode = 1;
    CQuelmoXML_AddProFileLightInfoItem(path, QByteArray::number(profileIndex).constData(), item);
}

bool CustomLightDefaults::hasDefaultLightItem(const char *path, int profileIndex, int target)
{
    return CQuelmoXML_IsProFileAlreadyHaveLightInfo(path, QByteArray::number(profileIndex).constData(),
                                                    target, 2);
}

void CustomLightDefaults::addDefaultLightConfig(const char *path, int profileIndex, bool synchronise)
{
    for (int target = 0; target < 3; ++target)
        addDefaultLightItem(path, profileIndex, target);
    if (synchronise)
        CQuelmoXML_ModifyProFileLightSynchronizeStatus(path, QByteArray::number(profileIndex).constData(), 1);
}

void CustomLightDefaults::addDefaultScheme(const char *path, int profileIndex, int scheme, int keyCount,
                                           const QString &modelKey)
{
    const QByteArray index = QByteArray::number(profileIndex);
    const QByteArray schemeText = QByteArray::number(scheme);
    QString name;
    if (scheme == 0)
        name = QStringLiteral("Alphabets");
    else if (scheme == 1)
        name = QStringLiteral("WASD+Arrows");
    else
        name = QStringLiteral("Custom %1").arg(scheme + 1);
    const bool filled = scheme < 2;
    CQuelmoXML_AddProFileCustomLightNode(path, index.constData(), schemeText.constData(),
                                         name.toUtf8().constData(), filled ? "Using" : "UnUsing",
                                         filled ? scheme : -1);
    if (filled)
        importCustomLightDefaults(path, profileIndex, scheme, keyCount, modelKey);
}

void CustomLightDefaults::addDefaultCustomLights(const char *path, int profileIndex, int keyCount,
                                                 const QString &modelKey)
{
    for (int scheme = 0; scheme < kSchemeCount; ++scheme)
        addDefaultScheme(path, profileIndex, scheme, keyCount, modelKey);
}

QString CustomLightDefaults::tempFolderTemplate()
{
    return QDir::tempPath() + QStringLiteral("/tidelumen-%1-%2-XXXXXX").arg(::getuid()).arg(::getpid());
}

int CustomLightDefaults::removeStaleTempFolders()
{
    const QString prefix = QStringLiteral("tidelumen-%1-").arg(::getuid());
    int removed = 0;
    const QFileInfoList folders =
        QDir(QDir::tempPath()).entryInfoList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &folder : folders) {
        // tidelumen-<uid>-<pid>-XXXXXX: only our own, and only when that process is gone.
        const QStringList parts = folder.fileName().split(QLatin1Char('-'));
        bool ok = false;
        const qint64 pid = parts.size() == 4 ? parts[2].toLongLong(&ok) : 0;
        if (!ok || pid <= 0 || folder.isSymLink() || folder.ownerId() != ::getuid())
            continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue;
        if (QDir(folder.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

void CustomLightDefaults::importCustomLightDefaults(const char *path, int profileIndex, int schemeIndex,
                                                    int keyCount, const QString &modelKey)
{
    const QString name = resourceName(keyCount, modelKey);
    // The store reads files only; the resource is copied out for the read and removed afterwards.
    QTemporaryDir dir(tempFolderTemplate());
    QByteArray copyPath;
    if (dir.isValid()) {
        const QString target = dir.path() + QLatin1Char('/') + name;
        if (QFile::copy(QLatin1String(kResourceDir) + name, target))
            copyPath = QFile::encodeName(target);
    }
    const QByteArray scheme = QByteArray::number(schemeIndex);
    QList<CustomLightItem> items;
    CQuelmoXML_XmlCustomLightInfoSelectAll(copyPath.constData(), scheme.constData(), &items);
    const QByteArray index = QByteArray::number(profileIndex);
    for (const CustomLightItem &item : items)
        CQuelmoXML_AddProFileCustomLightDataInfo(path, index.constData(), scheme.constData(), item);
}
