#pragma once

#include "colorinfodata.h"
#include "hidbackend.h"
#include "hidstructinfoall.h"
#include "keytriggerquery.h"
#include "lightmodesupport.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <mutex>

class DDeviceHidCmdSend;
class KeyInjector;
struct KeyOperateInfo;
class DeviceProfileStore;
class MainHidInterFace;

// The program's view of one opened keyboard: opens it on its own I/O object, runs the start-up
// exchange, parses every input report on the GUI thread, keeps what the keyboard reported and
// mirrors keyboard-side light changes into the current profile.
class DDeviceKeyboardLink : public QObject
{
    Q_OBJECT

public:
    explicit DDeviceKeyboardLink(QObject *parent = nullptr);
    // Stops and joins the I/O thread, then closes the device.
    ~DDeviceKeyboardLink() override;

    void openDevice(int threadIndex, hidStructInfoAll record);

    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    // False (buffer unchanged) when the path does not fit the 256-byte buffer.
    bool setProfileXmlPath(const QString &path);
    QString profileXmlPath() const;

    bool isReady() const { return m_ready; }
    void setActive(bool on) { m_active = on; }
    bool isActive() const { return m_active; }
    void setInitialLightStored(bool on) { m_initialLightStored = on; }
    bool isInitialLightStored() const { return m_initialLightStored; }

    void requeryLightConfig();
    void mirrorLightConfig(int target);

    void resetKeyboard();
    void querySleepTimes();
    void setSleepTimes(int light, int keyboard, int prohibit);
    void setWinLock(int winKey, int shiftTab, int altTab, int altF4);
    // Asks for one key's trigger settings; one question at a time, see KeyTriggerQuery.
    void queryKeyTrigger(int row, int column);

    // Carries out a key function that runs on the computer, reported with input 0x20.
    void runPcKeyFunction(const unsigned char *report);

    MainHidInterFace *hidInterface() const { return m_hid.get(); }
    DDeviceHidCmdSend *cmdSend() const { return m_cmdSend.get(); }
    hidStructInfoAll deviceRecord() const { return m_record; }
    QString modelName() const { return m_modelName; }
    QString currentSN() const { return m_serialNumber; }
    bool isWinLockOn() const { return m_winLockOn; }
    LightModeSupport keyboardLightModes() const { return m_keyboardModes; }
    LightModeSupport sideLightModes() const { return m_sideModes; }
    colorInfoData keyboardLightConfig() const { return m_keyboardConfig; }
    bool hasKeyboardLightConfig() const { return m_keyboardConfigReceived; }
    colorInfoData sideLightConfig() const { return m_sideConfig; }
    bool hasSideLightConfig() const { return m_sideConfigReceived; }
    QList<QPair<int, int>> fnLayerBlockedKeys() const { return m_fnBlockedKeys; }
    QMap<int, int> calibratedKeys() const { return m_calibratedKeys; }
    bool isMirroringArmed() const { return m_mirroringArmed; }
    // Why the device could not be opened; None when it was.
    HidOpenError openError() const { return m_openError; }

    // The store used for profile reads and writes; the SDK's store unless a test replaces it.
    void setProfileStore(DeviceProfileStore *store);

    // What the computer-side key functions use; the system's injector, launcher and profile store
    // unless a test passes its own.
    using KeyItemLookup =
        std::function<bool(const char *path, const char *index, const char *keyCode, KeyOperateInfo *info)>;
    using AppLauncher = std::function<bool(const QString &path)>;
    void setKeyInjector(std::shared_ptr<KeyInjector> injector);
    void setAppLauncher(AppLauncher launcher);
    void setKeyItemLookup(KeyItemLookup lookup);

    // A serial number fit to name a folder: 1 to 32 characters of [0-9A-Za-z].
    static bool isValidSerialNumber(const QString &number);
    // Walks a light-type list report: types until a marker, then speed and brightness steps.
    static LightModeSupport parseLightTypeList(const unsigned char *report);
    // Whether `config` names a type the keyboard listed, with brightness and speed in its ranges.
    static bool isLightConfigValid(const colorInfoData &config, const LightModeSupport &modes);

public slots:
    void onOpenHidSuccessful();
    void onHidWriteErrorInfo(QString errorInfo);
    void onHidDataArrived(QByteArray data, int length, int threadIndex);
    void onHidSNDataArrived(QByteArray data, QString strHidName);

signals:
    void sigCustomEventChangProfile(int changeProfileIndex);
    void sigSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                             int is24GValid, QString strCurrentSN);
    void sigDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void sigWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void sigSleepTimeSetSuccessful();
    void sigRuningOnboard0x19Cmd();
    void sigRuningOnboard0x18Cmd();
    void sigRuningOnboardDownloadStatus(int statusNun);
    void sigQN9080Recv0x0bCmd(int recvNum);
    void sigLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void sigCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void sigTheKeyboardModeChanged(int mode);
    // The start-up exchange finished after the link had been marked active: a keyboard asleep
    // behind its receiver at opening has answered.
    void sigLateReady();
    // A write or read found the device gone (no removal event may ever come); the I/O thread
    // has stopped.
    void sigDeviceGone(QString strCurrentHidPath);

private:
    void parseReport(const unsigned char *r);
    void handleStatus(const unsigned char *r);
    void handleKeyReport(const unsigned char *r);
    void handleLightTypeList(const unsigned char *r);
    void handleLightConfig(const unsigned char *r);
    void handleCustomScheme(const unsigned char *r);
    void handleFnLayerMap(const unsigned char *r);
    void handleSleepTimes(const unsigned char *r);
    void handleLayoutReply(const unsigned char *r);
    void handleMagneticReply(const unsigned char *r);
    void filterRelayReportForWinLock();
    void sendKeyQuery(const std::optional<KeyTriggerQuery::KeyPos> &key);
    QByteArray profileIndexText() const;

    hidStructInfoAll m_record{};
    QString m_modelName;
    std::unique_ptr<MainHidInterFace> m_hid;
    std::unique_ptr<DDeviceHidCmdSend> m_cmdSend;
    char m_profileXmlPath[256] = {};
    int m_profileIndex = 1;
    bool m_ready = false;
    QString m_serialNumber;
    bool m_winLockOn = false;
    unsigned char m_lastKeyReport[8] = {};
    unsigned char m_relayReport[8] = {};
    int m_relayKeyCount = 2;
    std::mutex m_relayMutex;
    LightModeSupport m_keyboardModes;
    colorInfoData m_keyboardConfig;
    bool m_keyboardConfigReceived = false;
    LightModeSupport m_sideModes;
    colorInfoData m_sideConfig;
    bool m_sideConfigReceived = false;
    QMap<int, int> m_fnLayerMap;
    QList<QPair<int, int>> m_fnBlockedKeys;
    bool m_mirroringArmed = false;
    int m_lastReceiverStatus = -1;
    int m_lastReachable = -1; // receiver links: 1 when the last status said the keyboard answers
    bool m_active = false;
    int m_lastKeyboardMode = -1;
    bool m_initialLightStored = false;
    HidOpenError m_openError = HidOpenError::None;
    QMap<int, int> m_calibratedKeys;
    KeyTriggerQuery m_keyQuery;
    QTimer m_keyQueryTimer;
    DeviceProfileStore *m_store = nullptr;
    std::shared_ptr<KeyInjector> m_keyInjector;
    AppLauncher m_appLauncher;
    KeyItemLookup m_keyItemLookup;
};
