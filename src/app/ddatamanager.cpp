#include "ddatamanager.h"

#include "fixedtext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {
const char kDefaultConfigResource[] = ":/images/configDir/QuelmoDefaultConfig.ini";
DDataManager *s_instance = nullptr;
} // namespace

DDataManager *DDataManager::getInstance()
{
    if (!s_instance)
        s_instance = new DDataManager(nullptr);
    return s_instance;
}

DDataManager::DDataManager(QObject *parent)
    : QObject(parent), m_profileXmlPath(new char[kPathBufferSize]()),
      m_macroXmlPath(new char[kPathBufferSize]()), m_magneticProfileXmlPath(new char[kPathBufferSize]()),
      m_seniorKeyXmlPath(new char[kPathBufferSize]())
{
    m_keyFunctionDetail = tr("Unknow");
    m_applicationDirPath = QCoreApplication::applicationDirPath();

    m_appDataPath = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(m_appDataPath);
    m_userConfigPath = m_appDataPath + QStringLiteral("/UserConfig");
    QDir().mkpath(m_userConfigPath);
    inspectUserSettings();

    QSettings user(userConfigFile(), QSettings::IniFormat);
    int themeIndex = 0;
    if (user.contains(QStringLiteral("Theme/selectThemeIndex"))) {
        themeIndex = user.value(QStringLiteral("Theme/selectThemeIndex")).toInt();
    } else {
        user.setValue(QStringLiteral("Theme/selectThemeIndex"), 0);
    }
    if (user.contains(QStringLiteral("ThemeBgImage/BgImageIsUsing"))) {
        m_bgImageIsUsing = user.value(QStringLiteral("ThemeBgImage/BgImageIsUsing")).toBool();
    } else {
        user.setValue(QStringLiteral("ThemeBgImage/BgImageIsUsing"), false);
    }

    QSettings defaults(QString::fromLatin1(kDefaultConfigResource), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    m_isUserConfig = defaults.value(QStringLiteral("MyselfConfig/userConfig"), false).toBool();
    if (!m_isUserConfig && themeIndex == 4) {
        themeIndex = 0;
        user.setValue(QStringLiteral("Theme/selectThemeIndex"), 0);
    }

    m_useLocalFont = true;
    m_defaultFont = QGuiApplication::font();
    m_defaultFont.setFamily(QStringLiteral("Microsoft YaHei"));
    loadTheme(themeIndex);

    m_appVersion =
        defaults.value(QStringLiteral("AppVersion/Version"), QStringLiteral("V_1.00.00")).toString();
    QString storedVersion;
    if (user.contains(QStringLiteral("oldVersion/VersionInfo"))) {
        storedVersion = user.value(QStringLiteral("oldVersion/VersionInfo")).toString();
    } else {
        user.setValue(QStringLiteral("oldVersion/VersionInfo"), m_appVersion);
    }
    if (m_appVersion == storedVersion) {
        m_versionChanged = false;
    } else {
        user.setValue(QStringLiteral("oldVersion/VersionInfo"), m_appVersion);
        m_versionChanged = true;
    }

    m_lightSynchronize = defaults.value(QStringLiteral("LightSynchronize/isSynchronize"), false).toBool();
    m_deviceListEnabled = true;
    user.sync();
}

DDataManager::~DDataManager() = default;

QString DDataManager::userConfigFile() const
{
    return m_userConfigPath + QStringLiteral("/QuelmoConfig.ini");
}

QString DDataManager::inspectUserSettings()
{
    m_settingsWereDamaged = false;
    m_damagedSettingsBackup.clear();
    const QString file = userConfigFile();
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink())
        return {};
    QString problem;
    if (!info.isFile()) {
        problem = QStringLiteral("not a regular file");
    } else if (info.size() == 0) {
        problem = QStringLiteral("empty");
    } else if (QFile f(file); !f.open(QIODevice::ReadOnly)) {
        problem = f.errorString();
    } else {
        // Every start writes these groups, so a file of ours holds at least one of them.
        static const char *const kOurGroups[] = {"Language",  "Theme",          "ThemeBgImage", "oldVersion",
                                                 "AutoStart", "MinimizeToTray", "CloseToTray"};
        QSettings settings(file, QSettings::IniFormat);
        const QStringList groups = settings.childGroups();
        const bool ours = std::any_of(std::begin(kOurGroups), std::end(kOurGroups),
                                      [&](const char *g) { return groups.contains(QLatin1String(g)); });
        if (settings.status() != QSettings::NoError)
            problem = QStringLiteral("does not parse");
        else if (!ours)
            problem = QStringLiteral("holds no settings of ours");
    }
    if (problem.isEmpty())
        return {};

    m_settingsWereDamaged = true;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString backup = file + QStringLiteral(".broken-") + stamp;
    for (int n = 1; QFileInfo::exists(backup); ++n)
        backup = file + QStringLiteral(".broken-") + stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(file, backup)) {
        qWarning("[Settings] %s is damaged (%s) and could not be moved aside", qUtf8Printable(file),
                 qUtf8Printable(problem));
        return {};
    }
    qWarning("[Settings] %s is damaged (%s): moved aside to %s", qUtf8Printable(file),
             qUtf8Printable(problem), qUtf8Printable(backup));
    m_damagedSettingsBackup = backup;
    return backup;
}

QString DDataManager::takeDamagedSettingsBackup()
{
    QString backup;
    backup.swap(m_damagedSettingsBackup);
    return backup;
}

bool DDataManager::storePath(char *buffer, const char *path)
{
    if (!path)
        return false;
    return fixedtext::copyWhole(buffer, kPathBufferSize, std::string_view(path));
}

bool DDataManager::setProfileXmlPath(const char *path)
{
    return storePath(m_profileXmlPath.get(), path);
}
bool DDataManager::setMacroXmlPath(const char *path)
{
    return storePath(m_macroXmlPath.get(), path);
}
bool DDataManager::setMagneticProfileXmlPath(const char *path)
{
    return storePath(m_magneticProfileXmlPath.get(), path);
}
bool DDataManager::setSeniorKeyXmlPath(const char *path)
{
    return storePath(m_seniorKeyXmlPath.get(), path);
}

void DDataManager::copyProfileXmlPath(char *buffer) const
{
    std::memcpy(buffer, m_profileXmlPath.get(), kPathBufferSize);
}
void DDataManager::copyMacroXmlPath(char *buffer) const
{
    std::memcpy(buffer, m_macroXmlPath.get(), kPathBufferSize);
}
void DDataManager::copyMagneticProfileXmlPath(char *buffer) const
{
    std::memcpy(buffer, m_magneticProfileXmlPath.get(), kPathBufferSize);
}
void DDataManager::seniorKeyXmlPath(char *buffer) const
{
    std::memcpy(buffer, m_seniorKeyXmlPath.get(), kPathBufferSize);
}

void DDataManager::setCurrentKey(int keyCode, const QString &name)
{
    m_currentKeyCode = keyCode;
    m_currentKeyName = name;
    emit sigKeyButtonClickedReturnKeyCodeAndKeyChar(keyCode, name);
}

void DDataManager::resetCurrentKey()
{
    m_currentKeyCode = -1;
    m_currentKeyName.clear();
}

int DDataManager::softKeyboardLayoutCode(const QString &modelName)
{
    Q_UNUSED(modelName)
    return 31;
}

QString DDataManager::themeFilePath(int themeIndex, bool userConfigAllowed, const QString &appDir)
{
    switch (themeIndex) {
    case 1:
        return QStringLiteral(":/images/StyleQss/LightThemeConfig.ini");
    case 2:
        return QStringLiteral(":/images/StyleQss/BlueThemeConfig.ini");
    case 3:
        return QStringLiteral(":/images/StyleQss/PinkThemeConfig.ini");
    case 4:
        return userConfigAllowed ? appDir + QStringLiteral("/configDir/OtherThemeConfig.ini")
                                 : QStringLiteral(":/images/StyleQss/OtherThemeConfig.ini");
    default:
        return QStringLiteral(":/images/StyleQss/BlackThemeConfig.ini");
    }
}

void DDataManager::loadTheme(int themeIndex)
{
    m_themeIndex = (themeIndex >= 0 && themeIndex <= 4) ? themeIndex : 0;
    const QString file = themeFilePath(themeIndex, m_isUserConfig, m_applicationDirPath);
    ThemeColors colours;
    // QSettings on a missing file simply yields no keys, which leaves every entry empty.
    QSettings ini(file, QSettings::IniFormat);
    ini.setIniCodec("UTF_8");
    for (int i = 0; i < ThemeColors::kColorCount; ++i) {
        QString value =
            ini.value(QStringLiteral("ThemeColor/") + QLatin1String(ThemeColors::entryName(i))).toString();
        value.replace(QLatin1Char('.'), QLatin1Char(','));
        colours.entry(i) = themeColorString(value);
    }
    colours.TextFont = ini.value(QStringLiteral("ThemeColor/TextFont")).toString();
    m_themeColors = colours;

    m_boldFont = QFont(m_themeColors.TextFont, 10, 75, false);
    m_normalFont = QFont(m_themeColors.TextFont, 10, 50, false);
}

QFont DDataManager::getFont(int kind) const
{
    if (!m_useLocalFont)
        return m_defaultFont;
    switch (kind) {
    case 0:
        return m_boldFont;
    case 1:
        return m_normalFont;
    default:
        return m_defaultFont;
    }
}

QString DDataManager::themeColorString(const QString &colour) const
{
    if (m_bgImageIsUsing)
        return colour;
    if (colour.count(QLatin1Char(',')) == 3)
        return colour.left(colour.lastIndexOf(QLatin1Char(',')));
    return colour;
}

bool DDataManager::setMacroRecordHook(bool start)
{
    emit sigHookRuningStrtusCtrl_MacroRecord(start);
    return m_macroHookResult;
}

void DDataManager::forwardMacroKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag)
{
    emit sigRecviveStreamEX_MacroKeyboard(keyCode, scCode, flag, hookFlag);
}

void DDataManager::forwardMacroMouseEvent(int nCode, quintptr wParam, quintptr lParam)
{
    emit sigRecviveStreamEX_MacroMouse(nCode, wParam, lParam);
}

void DDataManager::backDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    emit sigBackDynamicDisplaySensitivityNum(indexX, indexY, sensitivityNum);
}

void DDataManager::queryDynamicDisplaySensitivityNum(int mode, int indexX, int indexY)
{
    m_sensitivityQueryMode = mode;
    emit sigQueryDynamicDisplaySensitivityNum(indexX, indexY);
}

void DDataManager::backDynamicDisplaySensitivityInfo(int type, int pressNum, int releaseNum,
                                                     int quickTriggerPressNum, int quickTriggerReleaseNum)
{
    if (m_sensitivityQueryMode == 0) {
        emit sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(type, pressNum, releaseNum);
    } else {
        emit sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(
            type, pressNum, releaseNum, quickTriggerPressNum, quickTriggerReleaseNum);
    }
}

void DDataManager::magneticKeyboardCalibrationPoint(int x, int y)
{
    emit sigTheMagneticKeyboardCalibrationPoint(x, y);
}

void DDataManager::magneticKeyboardCalibrationStatusBack(int status)
{
    emit sigTheMagneticKeyboardCalibrationStatusBack(status);
}

void DDataManager::allKeysCalibrationStatusBack(int status)
{
    emit sigMagneticKeyboardAllKeysCalibrationStatusBack(status);
}

void DDataManager::seniorKeysListItemHaveChanged()
{
    emit sigSeniorKeysListItemHaveChanged();
}
