#pragma once

#include "colorinfodata.h"
#include "hidstructinfoall.h"
#include "profileoperations.h"
#include "seniorkeyinfostu.h"

#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class DDevicePage;
}

class ArrowWidget;
class CbNotice;
class DCustomKeysPage;
class DDeviceKeyboardLink;
class DDeviceListItem;
class DeviceCardList;
class DLightsConfigPage;
class DProfileMenuToolWidget;
class DOnboardDownload;
class DPerformancePage;
class DToolTipExplain;
class DTriggerSettingPage;
class MainHidInterFace;
class QTimer;
class dragShowArea;
class hidDeviceJoinFrame;
class keyboardButCustom;
class lightDealMain;

// The main content of the program window: the device list at the left, and at the right either the
// "no keyboard" screen or the open keyboard's view, status bar and the four settings tabs. It is the
// hub the tab pages, the keyboard view, the links and the cards talk to through signals.
class DDevicePage : public QWidget
{
    Q_OBJECT

public:
    explicit DDevicePage(QWidget *parent = nullptr);
    ~DDevicePage() override;

    void stopLightEngine();
    // Stops the light engine and closes every keyboard link, joining its I/O thread.
    void closeAllLinks();
    void setDeviceListVisible(bool visible);
    void clearDeviceCards();
    QPoint noticeAnchor() const;
    void retranslate();
    void applyTheme();
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

public:
    // Entry points of the keyboard opening and view building.
    void installKeyboardView(hidDeviceJoinFrame *view, dragShowArea *drag);
    void connectLinkSignals(DDeviceKeyboardLink *link);
    void connectDeviceCard(DDeviceListItem *card);
    void setCurrentHid(MainHidInterFace *hid) { currentHid = hid; }

    int currentKeyboardLightType() const { return currentKbLightType; }
    void setCurrentKeyboardLightType(int type) { currentKbLightType = type; }
    QPoint calibrationKey() const { return QPoint(calibrationKeyX, calibrationKeyY); }
    void setCalibrationKey(int x, int y);
    lightDealMain *lightEngineObject() const { return lightEngine.get(); }

    // Builds the report of command 0x29 with the given item and, for item 2, the selection bitmap.
    static void buildMagneticReport(unsigned char report[64], int item, const unsigned char bitmap[22]);
    // Puts a drag's corners in top-left, bottom-right order; a drag along one axis only becomes
    // (0, 0, 0, 0). False for a click without a drag, which selects nothing new.
    static bool orderDragCorners(int &x1, int &y1, int &x2, int &y2);

signals:
    void sigShowMacroPage();
    void sigShowSeniorKeysPage();
    void sigReturnHidLikeName(QString productName, QString likeName);
    void sigMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void sigHaveCheckUpgradeFirmwareNUC();
    void sigIntoOrRemoveHidOver();

public slots:
    void onCurIndexChangedMainPage(int selIndex);
    void onAutoIntoCustomKeysPage();
    void onEveryPageBackTip(QString strTip);
    void onLickActivited(QString str);
    void onScrollSheetSet();

    void on_toolButton_MacroDialog_clicked();
    void on_toolButton_SeniorKey_clicked();
    void on_pushButton_Test_clicked();
    void on_pushButton_ChangModeTest_clicked();
    void on_pushButton_MoreBig_clicked();
    void on_pushButton_MoreSmall_clicked();

    // Keyboard-view selection.
    void onDragArea_SelectKeys(int x1, int y1, int x2, int y2);
    void onDragShowAreaMouseMovePoint(int x, int y);
    void onDragAreaMousePressOrRelease(bool pressed);
    void onDragAreaMoveOneKey(bool isSelectedOneKey);
    void onTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);

    // Device list, opening, profiles, status, calibration, lighting and download: each filled by
    // the work that owns it. Connected here so that every sender already reaches the page.
    void onLoadDeviceList();
    void onHidItemMouseClicked(hidStructInfoAll record);
    void onTimerChangingBatteryNum();
    void onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void onQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void onMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus);
    void onDefaultLayerAndFnLayerSwitch(int pageIndex);
    void onTheKeyboardIntoDownloading();
    void onInteractLightsPointXY(int indexX, int indexY);
    void onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data);
    void onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data);
    void onLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data);
    void onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void onLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data);
    void onResetoreCurrentProfile();
    void onLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    void onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void onMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R,
                                  int strengthNum_QuickTrigger_L, int strengthNum_QuickTrigger_R);
    void onMagnetsKeyboardDefaultSensitivity();
    void onKeyAntiShakeCurrentNum(int KeyAntiShakeNum);
    void onKeyRateOfReturnCurrentNum(int rateOfReturnNumDel);
    void onCalibrationMode(int selMode);
    void onKeyCalibrationStartRuning();
    void onAllKeysCalibrationMode(int selMode);
    void on_pushButton_ProfileOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();
    void on_comboBox_profileList_currentIndexChanged(QString text);
    void on_pushButton_Reset_clicked();
    void onCustomEventChangProfile(int changeProfileIndex);
    void onRuningOnboard0x19Cmd();
    void onRuningOnboard0x18Cmd();
    void onQN9080Recv0x0bCmd(int recvNum);
    void onRuningOnboardDownloadStatus(int statusNum);
    void onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                            int is24GValid, QString strCurrentSN);
    void onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void onSleepTimeSetSuccessful();
    void onLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void onTheKeyboardModeChanged(int mode);

    // Rebuilds the device cards: the current keyboard first, then cables, receivers, the rest.
    void onUpdateDeviceListShow();
    // Makes `link` the keyboard the page works for, with its serial number (null: none).
    void setCurrentLink(DDeviceKeyboardLink *link);

private:
    void createSubPages();
    // The theme of the page's own widgets; applyTheme adds the tab pages and the keys.
    void applyOwnTheme();
    void showTabTip(int index);
    void stopLightEngineThreads();
    bool onDragTab() const;

    std::unique_ptr<Ui::DDevicePage> ui;
    std::unique_ptr<DeviceCardList> cards;
    QString desktopPath;
    CbNotice *notice = nullptr;
    QElapsedTimer waitTimer;
    int currentTabId = -1;
    int currentKbLightType = -1;
    QString companyLink;
    DCustomKeysPage *customKeysPage = nullptr;
    DLightsConfigPage *lightsConfigPage = nullptr;
    DPerformancePage *performancePage = nullptr;
    DTriggerSettingPage *triggerSettingPage = nullptr;
    bool hotPlugBusy = false;
    bool viewBusy = false;
    QString scrollSheet;
    std::unique_ptr<lightDealMain> lightEngine;
    // The top-level window whose minimising the page watches.
    QPointer<QWidget> watchedWindow;
    ArrowWidget *popup = nullptr;
    QWidget *viewContainer = nullptr;
    hidDeviceJoinFrame *keyboardView = nullptr;
    dragShowArea *dragArea = nullptr;
    float zoom = 1.0f;
    bool lightLayerTestView = false;
    bool firstViewPending = true;
    int currentLayer = -1;
    bool sleepTimeAcked = false;
    std::unique_ptr<char[]> profileXmlPath;
    QString currentSerial;
    int currentProfileIndex = 1;
    int keyboardLightTypeInUse = 2;
    int sideLightTypeInUse = 2;
    int lightRunningStatus = 0;
    int lightSyncStatus = 0;
    hidStructInfoAll currentRecord{};
    QMap<QString, hidStructInfoAll> attachedRecords;
    QMap<QString, int> dongleStates;
    QMap<QString, DDeviceKeyboardLink *> deviceLinks;
    DDeviceKeyboardLink *currentLink = nullptr;
    int threadIndexCounter = 0;
    MainHidInterFace *currentHid = nullptr;
    keyboardButCustom *keyButtonGrid[6][22] = {};
    QString profileDir;
    int layerProfileIndex = -1;
    std::unique_ptr<char[]> layerXmlPath;
    int macroSlotCounter = -1;
    bool frameAcked = true;
    int keyboardDownloadStatus = -1;
    unsigned char lastAckFrame[64] = {};
    bool downloadOk = true;
    DOnboardDownload *onboardDownload = nullptr; // made on the first Download press
    int customLightIndex = -1;
    QTimer *batteryTimer = nullptr;
    int batteryStep = 0;
    int calibrationKeyX = -1;
    int calibrationKeyY = -1;
    std::unique_ptr<char[]> seniorKeyPathBuffer;
    QMap<int, SeniorKeyInfoStu> seniorKeyMap;
    int advancedKeyIndex = -1;
    QList<QPoint> allKeysCalibrationList;

    // One tab-tip pop-up, reused for every hover.
    std::unique_ptr<ArrowWidget> tabTip;
    DToolTipExplain *tabTipBody = nullptr;

    // ---- Opening a keyboard, its profile files and the lighting coordination
    // (ddevicepage_opening.cpp, ddevicepage_profiles.cpp, ddevicepage_lighting.cpp).
public:
    static constexpr int kLinkReadyWaitMs = 1300;
    static constexpr int kProfileReadyWaitMs = 1500;

    QMap<QString, hidStructInfoAll> deviceRecordMapCopy() const { return attachedRecords; }
    QMap<QString, DDeviceKeyboardLink *> linkMapCopy() const { return deviceLinks; }
    void openKeyboardLink(hidStructInfoAll record);
    void setUpKeyboardView(hidStructInfoAll record);
    void prepareProfileFiles(hidStructInfoAll record, int unused);
    void loadCurrentProfile();
    void refreshProfileListAndKeyMarks();
    void startLightEngine();
    void addDefaultLightConfig(int profileIndex);
    void addDefaultCustomLights(int profileIndex);
    ProfileOperations::Defaults profileDefaults() const;
    bool reportDamagedProfileFiles();
    bool recoverDamagedProfileFiles();
    void importCustomLightDefaults(int profileIndex, int schemeIndex);
    void saveCustomLightScheme();

private:
    // Processes events until `link` is ready or `ms` have passed. False when, afterwards, the
    // keyboard at `path` is no longer the one `link` serves (removed or replaced meanwhile).
    bool waitForLinkReady(DDeviceKeyboardLink *link, const QString &path, int ms);
    bool isCurrentKeyboard(DDeviceKeyboardLink *link, const QString &path) const;
    // Links that did not answer their first readiness wait: later builds do not wait again.
    QList<DDeviceKeyboardLink *> silentLinks;
    // The current keyboard's profile files exist and are loaded.
    bool profileLoaded = false;

    // ---- Profile management and hot plug (ddevicepage_profileslots.cpp, ddevicepage_hotplug.cpp).
public:
    static constexpr int kMaxProfiles = 10;
    static constexpr int kHotPlugArrival = 11;
    static constexpr int kHotPlugRemoval = 12;

    // The dialogs of export, import and reset; tests answer them in place of a user.
    void setExportFolderChooser(std::function<QString()> chooser)
    {
        exportFolderChooser = std::move(chooser);
    }
    void setImportFileChooser(std::function<QString()> chooser) { importFileChooser = std::move(chooser); }
    void setResetConfirmation(std::function<bool()> confirm) { resetConfirmation = std::move(confirm); }
    // The file an export of the profile `name` writes in `folder`: the name with every character
    // that could leave the folder or upset a file system replaced. Empty when no name is left.
    static QString exportFilePath(const QString &folder, const QString &name);

    // True when a key of the shown profile, in either layer, plays the macro with this index.
    bool keysUseMacro(const QString &macroIndex) const;
    QString layerFilePath() const;

public slots:
    void onCloseMenuWidow();
    void onProfileCreate();
    void onProfileDelete();
    void onProfileExport();
    void onProfileImport();
    void onProfileModifyName();
    // Code 11: a keyboard arrived, 12: one went away; the path is not used, the page enumerates.
    void onHidDeviceConnectChanging(int code, QString hidPath);
    // A link found its device gone: handled like a removal of that path.
    void onKeyboardDeviceGone(QString strCurrentHidPath);
    // A link that had kept silent finished its start-up exchange.
    void onLinkLateReady();

private:
    // Stores `index` as the layer file's current profile and loads it.
    void switchToProfile(int index);
    // True (with a toast) while an onboard download runs: keyboard, profile and layer stay put.
    bool refuseWhileDownloading();
    // One round of hot-plug handling; true when it handled a path.
    bool handleHotPlug(int code);
    void hotPlugArrival(const QMap<QString, hidStructInfoAll> &found);
    void hotPlugRemoval(const QMap<QString, hidStructInfoAll> &found);
    // Handles the hot-plug codes remembered while the page was busy.
    void workOffPendingHotPlug();
    // After the shown keyboard went: the first cabled or reachable keyboard becomes current, else
    // the no-keyboard page. Deferred to the end of a view build in progress.
    void makeSuccessorCurrent();
    // Closes the link (its I/O thread is joined) and deletes it once control is back in the loop.
    void disposeLink(DDeviceKeyboardLink *link);

    DProfileMenuToolWidget *profileMenuWidget = nullptr;
    ArrowWidget *profileMenuPopup = nullptr;
    std::function<QString()> exportFolderChooser;
    std::function<QString()> importFileChooser;
    std::function<bool()> resetConfirmation;
    int lastHotPlugCode = 0;
    // Hot-plug codes that came while a round ran; each is handled again afterwards.
    QList<int> pendingHotPlugCodes;
    // The start-up listing has run; hot plug before it is left to the listing.
    bool deviceListLoaded = false;
    bool successorPending = false;
    // Paths whose device was found gone while the system may still list them.
    QSet<QString> goneDevicePaths;
    // Closes every link, joining its I/O thread, before the page's other members go. Declared
    // last, so it runs first.
    struct LinkCloser
    {
        QMap<QString, DDeviceKeyboardLink *> &links;
        ~LinkCloser();
    };
    LinkCloser linkCloser{deviceLinks};
};
