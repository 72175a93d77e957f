#pragma once

#include "keyoperateinfo.h"
#include "themecolors.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <memory>

class keyboardButCustom;
class keySelectFrame;
class KeyFunctionStore;

// Process-wide shared state and signal bus between pages that do not know each other.
// GUI thread only.
class DDataManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPathBufferSize = 256;

    static DDataManager *getInstance();

    // Public so that tests can build a manager over a scratch home folder; the program only ever
    // uses getInstance().
    explicit DDataManager(QObject *parent = nullptr);
    ~DDataManager() override;

    QString appDataPath() const { return m_appDataPath; }
    QString userConfigPath() const { return m_userConfigPath; }
    QString userConfigFile() const;
    // Looks at the settings file before anything reads or writes it (construction does): one that
    // exists but is empty, unreadable or holds none of the program's settings is moved aside as
    // "<file>.broken-<time>", so that a fresh one is written without taking the first-start
    // defaults. Returns the backup's path, empty when the file was fine or missing.
    QString inspectUserSettings();
    // The backup of a damaged settings file, once (the window reports it); empty when none.
    QString takeDamagedSettingsBackup();
    // True when the settings file was found damaged at start, so that it is no first start.
    bool settingsWereDamaged() const { return m_settingsWereDamaged; }
    QString applicationDirPath() const { return m_applicationDirPath; }
    void setApplicationDirPath(const QString &path) { m_applicationDirPath = path; }

    // Data-file paths, held as NUL-terminated local 8-bit text for the SDK. A path that does not
    // fit the 256-byte buffer is refused (false) rather than cut into another path.
    bool setProfileXmlPath(const char *path);
    bool setMacroXmlPath(const char *path);
    bool setMagneticProfileXmlPath(const char *path);
    bool setSeniorKeyXmlPath(const char *path);
    void copyProfileXmlPath(char *buffer) const;
    void copyMacroXmlPath(char *buffer) const;
    void copyMagneticProfileXmlPath(char *buffer) const;
    void seniorKeyXmlPath(char *buffer) const;

    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }

    bool isUserConfig() const { return m_isUserConfig; }
    bool isBgImageUsing() const { return m_bgImageIsUsing; }
    void setBgImageUsing(bool on) { m_bgImageIsUsing = on; }
    bool isVersionChanged() const { return m_versionChanged; }
    bool isLightSynchronize() const { return m_lightSynchronize; }
    void setUseLocalFont(bool on) { m_useLocalFont = on; }
    QString appVersion() const { return m_appVersion; }
    int themeIndex() const { return m_themeIndex; }

    void setKeyNameMap(const QMap<int, QString> &map) { m_keyNameMap = map; }
    QMap<int, QString> keyNameMap() const { return m_keyNameMap; }
    void setVkToHidMap(const QMap<int, int> &map) { m_vkToHidMap = map; }
    QMap<int, int> vkToHidMap() const { return m_vkToHidMap; }
    void setKeyButtonMap(const QMap<int, keyboardButCustom *> &map) { m_keyButtonMap = map; }
    QMap<int, keyboardButCustom *> keyButtonMap() const { return m_keyButtonMap; }
    void setKeyButtonList(const QList<keyboardButCustom *> &list) { m_keyButtonList = list; }
    QList<keyboardButCustom *> keyButtonList() const { return m_keyButtonList; }

    void setKeySelectFrame(class keySelectFrame *frame) { m_keySelectFrame = frame; }
    class keySelectFrame *keySelectFrame() const { return m_keySelectFrame; }
    void setHidDeviceType(int type) { m_hidDeviceType = type; }
    int hidDeviceType() const { return m_hidDeviceType; }
    void setSpecialEnterKey(bool on) { m_specialEnterKey = on; }
    bool isSpecialEnterKey() const { return m_specialEnterKey; }

    void setCurrentKey(int keyCode, const QString &name);
    void resetCurrentKey();
    int currentKeyCode() const { return m_currentKeyCode; }
    QString currentKeyName() const { return m_currentKeyName; }

    QString keyFunctionDetail() const { return m_keyFunctionDetail; }
    void setKeyFunctionDetail(const QString &detail) { m_keyFunctionDetail = detail; }
    // Name of the item's function type; the detail text is left in keyFunctionDetail().
    QString keyFunctionDescription(KeyOperateInfo info);
    // The store the descriptions and key tips read from; null restores the program's own.
    void setKeyFunctionStore(KeyFunctionStore *store) { m_keyFunctionStore = store; }
    KeyFunctionStore &keyFunctionStore() const;

    void setKeyTravelMax(int v) { m_keyTravelMax = v; }
    int keyTravelMax() const { return m_keyTravelMax; }
    void setKeyAntiShakeNum(int v) { m_keyAntiShakeNum = v; }
    int keyAntiShakeNum() const { return m_keyAntiShakeNum; }
    void setRateOfReturnNum(int v) { m_rateOfReturnNum = v; }
    int rateOfReturnNum() const { return m_rateOfReturnNum; }
    void setProhibitSleepStatus(int v) { m_prohibitSleep = v; }
    int prohibitSleepStatus() const { return m_prohibitSleep; }
    void setHasSideLight(bool on) { m_hasSideLight = on; }
    bool hasSideLight() const { return m_hasSideLight; }

    void setMagneticKeyboard(bool on) { m_magneticKeyboard = on; }
    bool isMagneticKeyboard() const { return m_magneticKeyboard; }
    void setDefaultLayerSelected(bool on) { m_defaultLayerSelected = on; }
    bool isDefaultLayerSelected() const { return m_defaultLayerSelected; }
    void setCalibrationRunning(bool on) { m_calibrationRunning = on; }
    bool isCalibrationRunning() const { return m_calibrationRunning; }
    void setCurrentModelName(const QString &name) { m_currentModelName = name; }
    QString currentModelName() const { return m_currentModelName; }
    bool isDeviceListEnabled() const { return m_deviceListEnabled; }

    static QColor heavyPressKeyColor() { return QColor(30, 200, 35, 255); }
    static int softKeyboardLayoutCode(const QString &modelName);

    // Theme and fonts.
    void loadTheme(int themeIndex);
    ThemeColors getThemeColors() const { return m_themeColors; }
    QFont getFont(int kind) const;
    QString themeColorString(const QString &colour) const;
    static QString themeFilePath(int themeIndex, bool userConfigAllowed, const QString &appDir);

    // Signal bus.
    bool setMacroRecordHook(bool start);
    void setMacroRecordHookRunning(bool running) { m_macroHookResult = running; }
    void forwardMacroKeyboardEvent(int keyCode, int scCode, int flag, int hookFlag);
    void forwardMacroMouseEvent(int nCode, quintptr wParam, quintptr lParam);
    void backDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void queryDynamicDisplaySensitivityNum(int mode, int indexX, int indexY);
    void backDynamicDisplaySensitivityInfo(int type, int pressNum, int releaseNum, int quickTriggerPressNum,
                                           int quickTriggerReleaseNum);
    void magneticKeyboardCalibrationPoint(int x, int y);
    void magneticKeyboardCalibrationStatusBack(int status);
    void allKeysCalibrationStatusBack(int status);
    void seniorKeysListItemHaveChanged();
    int sensitivityQueryMode() const { return m_sensitivityQueryMode; }

signals:
    void sigKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void sigHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void sigRecviveStreamEX_MacroKeyboard(int keyCode, int scCode, int flag, int hookFlag);
    void sigRecviveStreamEX_MacroMouse(int nCode, quintptr wParam, quintptr lParam);
    void sigBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void sigQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(int type, int pressNum, int releaseNum);
    void sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(int type, int pressNum, int releaseNum,
                                                                    int QuickTriggerPressNum,
                                                                    int QuickTriggerReleaseNum);
    void sigTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void sigTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void sigMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus);
    void sigSeniorKeysListItemHaveChanged();

private:
    static bool storePath(char *buffer, const char *path);

    QString m_appDataPath;
    QString m_userConfigPath;
    QString m_applicationDirPath;
    bool m_useLocalFont = false;
    QFont m_boldFont;
    QFont m_normalFont;
    QFont m_defaultFont;
    ThemeColors m_themeColors;
    std::unique_ptr<char[]> m_profileXmlPath;
    int m_profileIndex = 1;
    std::unique_ptr<char[]> m_macroXmlPath;
    std::unique_ptr<char[]> m_magneticProfileXmlPath;
    std::unique_ptr<char[]> m_seniorKeyXmlPath;
    bool m_isUserConfig = false;
    bool m_settingsWereDamaged = false;
    QString m_damagedSettingsBackup;
    bool m_bgImageIsUsing = false;
    bool m_versionChanged = false;
    bool m_lightSynchronize = false;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_vkToHidMap;
    QMap<int, keyboardButCustom *> m_keyButtonMap;
    QList<keyboardButCustom *> m_keyButtonList;
    class keySelectFrame *m_keySelectFrame = nullptr;
    int m_hidDeviceType = 1;
    int m_currentKeyCode = -1;
    QString m_currentKeyName;
    QString m_keyFunctionDetail;
    KeyFunctionStore *m_keyFunctionStore = nullptr;
    bool m_macroHookResult = false;
    int m_keyTravelMax = 0;
    int m_keyAntiShakeNum = 0;
    int m_rateOfReturnNum = 0;
    bool m_magneticKeyboard = false;
    bool m_defaultLayerSelected = false;
    bool m_calibrationRunning = false;
    int m_prohibitSleep = 0;
    QString m_currentModelName;
    bool m_deviceListEnabled = false;
    bool m_hasSideLight = false;
    int m_sensitivityQueryMode = -1;
    bool m_specialEnterKey = false;

    QString m_appVersion;
    int m_themeIndex = 0;
};
