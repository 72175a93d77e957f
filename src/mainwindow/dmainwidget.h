#pragma once

#include "chipvendorlibrary.h"
#include "hidstructinfoall.h"
#include "hidsupportinfostu.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <memory>

class FirmwareUpgradeController;
class HotplugMonitor;
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
    bool checkFirmwareUpgrades(bool userInitiated);
    bool isNewerFirmwareAvailable(hidStructInfoAll record);
    HotplugMonitor *hotplugMonitor() const { return m_hotplug; }
    bool isDeviceListVisible() const { return m_deviceListVisible; }

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
    void onReturnHidLikeName(QString productName, QString likeName);
    void onHaveCheckUpgradeFirmwareNUC();
    // The user's firmware check (the settings dialog's button).
    void onFirmwareUpgradeCheck();
    void ontheHidIntoFirmwareUpgradeWait();
    void onUpdateFirmwareWindowOpen();
    void ontheHidIntoFirmwareUpgrade();
    void onClickCtrlHidListStatusBut();

private slots:
    void on_pushButton_Min_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Close_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void initSdk();
    void loadUpgradeLibrary();
    void registerDeviceNotifications();
    void applyTheme(int themeIndex);
    void setDeviceListVisible(bool visible);
    void placeListToggleButton();
    void showDimmingOverlay();

    // Chip-vendor upgrade entry points; null while that upgrade path is unavailable.
    ChipVendorLibrary m_chipVendor;
    FirmwareUpgradeController *m_firmware = nullptr;

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
    QWidget *m_overlay = nullptr;
};
