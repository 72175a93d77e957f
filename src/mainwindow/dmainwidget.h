#pragma once

#include "chipvendorlibrary.h"
#include "hidstructinfoall.h"
#include "hidsupportinfostu.h"
#include "themecolors.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QSystemTrayIcon>
#include <QWidget>
#include <atomic>
#include <memory>

class DUpdateFirmwareDia;
class FirmwareUpgradeBackend;
class FirmwareUpgradeController;
class HotplugMonitor;
class QAction;
class QMenu;
class QPushButton;
class QSettings;

namespace Ui {
class DMainWidget;
}

// The application's one top-level window: frameless, with its own title bar, hosting the device
// page. Its constructor starts everything on the keyboard side.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    enum ResizeDirection
    {
        UP = 0,
        DOWN,
        LEFT,
        RIGHT,
        LEFTTOP,
        LEFTBOTTOM,
        RIGHTBOTTOM,
        RIGHTTOP,
        NONE
    };

    // The three SDK initialisations, in the order the start-up calls them; each returns 0 on success.
    struct SdkInit
    {
        int (*xml)();
        int (*hid)();
        int (*light)();
    };
    static SdkInit defaultSdkInit();

    explicit DMainWidget(QWidget *parent = nullptr);
    // The same start-up with other initialisations (a failing SDK in tests).
    DMainWidget(QWidget *parent, const SdkInit &sdkInit);
    ~DMainWidget() override;

    // The window while it exists; worker threads (firmware progress) reach it through this.
    static DMainWidget *instance() { return s_instance.load(); }

    // Called for every mouse move of the process with the global cursor position.
    void resizeZoneAt(int x, int y);
    // Zone test of a global point against a window rectangle (global coordinates).
    static ResizeDirection zoneAt(const QRect &window, const QPoint &global);
    static QSize minimumSizeForScreen(const QSize &available);

    QString title() const { return m_title; }
    bool isSdkReady() const { return m_sdkReady; }
    const QList<HidSupportInfoStu> &supportList() const { return m_supportList; }
    bool hasUpgradeLibrary() const { return m_chipVendor.isAvailable(); }
    // The firmware check and what it found (the update dialog reads it).
    FirmwareUpgradeController *firmwareController() const { return m_firmware; }
    // Writes the firmware the update dialog asks for.
    FirmwareUpgradeBackend *upgradeBackend() const { return m_upgradeBackend; }
    // The update dialog while it is open.
    DUpdateFirmwareDia *updateDialog() const;
    bool checkFirmwareUpgrades(bool userInitiated);
    bool isNewerFirmwareAvailable(hidStructInfoAll record);
    HotplugMonitor *hotplugMonitor() const { return m_hotplug; }
    bool isDeviceListVisible() const { return m_deviceListVisible; }
    bool hasTrayIcon() const { return m_trayIcon != nullptr; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    // Out of sight: into the tray when there is one, otherwise minimised, so that the window can
    // always be reached again.
    void hideToTray();
    // Opens a dialog window-modal, centred over the window, over a dimming overlay that is hidden
    // however the dialog ends (its close signal, finished, or destruction).
    void showDialogOverOverlay(QWidget *dialog);

signals:
    void sigHidDeviceConnectChanging_Into(QString hidPath);
    void sigHidDeviceConnectChanging_Remove(QString hidPath);
    // A firmware check the user asked for found nothing to update.
    void sigNoUpgradeableDevices();

public slots:
    void onHidDeviceConnectChanging_Into(QString hidPath);
    void onHidDeviceConnectChanging_Remove(QString hidPath);
    void onIntoOrRemoveHidOver();
    void onShowMacroPage();
    void onMacroPageClose();
    void onShowSeniorKeysPage();
    void onSeniorKeysPageClose();
    void onSettingsWindowClose();
    void omUpdataAllUI();
    void onChangAppTheme(int index);
    void onUpdateApp();
    void onReturnHidLikeName(QString productName, QString likeName);
    void onHaveCheckUpgradeFirmwareNUC();
    // The user's firmware check (the settings dialog's button).
    void onFirmwareUpgradeCheck();
    void ontheHidIntoFirmwareUpgradeWait();
    void onUpdateFirmwareWindowOpen();
    void onUpdateFirmwareWindowClose();
    void onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle);
    void ontheHidIntoFirmwareUpgrade(QString path = QString());
    void onClickCtrlHidListStatusBut();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void onMinApp();
    void onQuitApp();

private slots:
    void on_pushButton_Setting_clicked();
    void on_pushButton_Min_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Close_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void initSdk();
    void loadUpgradeLibrary();
    void registerDeviceNotifications();
    void createTrayMenu();
    void createTrayIcon();
    void retranslateTrayMenu();
    void quitApplication();
    // True (after telling the user) while a firmware update must not be interrupted.
    bool refuseToLeaveDuringUpdate();
    void shutDown();
    void setDeviceListVisible(bool visible);
    void placeListToggleButton();
    void releaseOverlay();
    void updateMaxButtonPictures();
    void applyTitleColours(const ThemeColors &c);
    void setWindowCursor(Qt::CursorShape shape);
    bool isInTitleDragArea(const QPoint &pos) const;
    QRect globalWindowRect() const;

    // Chip-vendor upgrade entry points; null while that upgrade path is unavailable.
    ChipVendorLibrary m_chipVendor;
    FirmwareUpgradeController *m_firmware = nullptr;
    FirmwareUpgradeBackend *m_upgradeBackend = nullptr;
    QPointer<DUpdateFirmwareDia> m_updateDialog;

    std::unique_ptr<Ui::DMainWidget> ui;
    class DDevicePage *m_devicePage = nullptr;
    QPushButton *m_listToggle = nullptr;
    class TitleButtons *m_titleButtons = nullptr;
    bool m_deviceListVisible = true;
    QList<HidSupportInfoStu> m_supportList;
    QPoint m_dragOffset;
    bool m_dragging = false;
    bool m_leftPressed = false;
    ResizeDirection m_direction = NONE;
    QRect m_pressGeometry;
    QPoint m_pressGlobal;
    QString m_title = QStringLiteral("CompanyName");
    char m_macroXmlPath[256] = {};
    char m_seniorKeyXmlPath[256] = {};
    QString m_userIniPath;
    std::unique_ptr<QSettings> m_userSettings;
    QString m_productName = QStringLiteral("HID");
    QString m_deviceName = QStringLiteral("RGB");
    bool m_sdkReady = false;
    SdkInit m_sdkInit;
    HotplugMonitor *m_hotplug = nullptr;
    // The dimming overlay, made at the first opening and reused.
    QPointer<QWidget> m_overlay;
    QList<QPointer<QWidget>> m_openDialogs;
    QPointer<QWidget> m_macroPage;
    Qt::CursorShape m_cursorShape = Qt::ArrowCursor;
    QMenu *m_trayMenu = nullptr;
    QAction *m_minAction = nullptr;
    QAction *m_maxAction = nullptr;
    QAction *m_restoreAction = nullptr;
    QAction *m_quitAction = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    bool m_shutDown = false;

    static std::atomic<DMainWidget *> s_instance;
};
