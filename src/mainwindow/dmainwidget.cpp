#include "dmainwidget.h"

#include "autostart.h"
#include "cquelmohid.h"
#include "cquelmosdk.h"
#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "dmacropage.h"
#include "firmwareupgradecontroller.h"
#include "fixedtext.h"
#include "hiddevicemanager.h"
#include "hotplugmonitor.h"
#include "simulatedbackend.h"
#include "ui_dmainwidget.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>

namespace {

constexpr int kZone = 4;

// A path in the local 8-bit form into a 256-byte SDK buffer; a path that does not fit is refused.
bool storeLocalPath(char (&buffer)[256], const QString &path)
{
    const QByteArray local = QFile::encodeName(path);
    return fixedtext::copyWhole(buffer, sizeof buffer, std::string_view(local.constData(), local.size()));
}

int hexText(const char *text)
{
    bool ok = false;
    const int v = QByteArray(text).toInt(&ok, 16);
    return ok ? v : -1;
}

} // namespace

DMainWidget::SdkInit DMainWidget::defaultSdkInit()
{
    return SdkInit{&CQuelmoXML_Init, &CQuelmoHid_Init, &CQuelmoLight_Init};
}

DMainWidget::DMainWidget(QWidget *parent) : DMainWidget(parent, defaultSdkInit()) {}

DMainWidget::DMainWidget(QWidget *parent, const SdkInit &sdkInit)
    : QWidget(parent), ui(new Ui::DMainWidget), m_sdkInit(sdkInit)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);

    const QScreen *screen = QGuiApplication::primaryScreen();
    setMinimumSize(minimumSizeForScreen(screen ? screen->availableGeometry().size() : QSize(1920, 1080)));
    ui->stackedWidget_Main->setCurrentWidget(ui->page_Device);

    for (QWidget *w :
         {static_cast<QWidget *>(ui->frame_Bg), static_cast<QWidget *>(ui->frame_Title),
          static_cast<QWidget *>(ui->frame_Main), static_cast<QWidget *>(ui->stackedWidget_Main)})
        w->setMouseTracking(true);
    m_leftPressed = false;
    m_direction = NONE;
    setMouseTracking(true);
    setCursor(Qt::ArrowCursor);

    m_listToggle = new QPushButton(this);
    m_listToggle->setObjectName(QStringLiteral("pushButton_ListToggle"));
    m_listToggle->setFocusPolicy(Qt::NoFocus);
    m_listToggle->setStyleSheet(
        QStringLiteral("QPushButton{border-image: url(:/images/listCtrlHideDef.png);}"
                       "QPushButton:hover{border-image: url(:/images/listCtrlHideSel.png);}"
                       "QPushButton:pressed{border-image: url(:/images/listCtrlHideSel.png);}"));
    connect(m_listToggle, &QPushButton::clicked, this, &DMainWidget::onClickCtrlHidListStatusBut);

    QSettings defaults(QStringLiteral(":/images/configDir/QuelmoDefaultConfig.ini"), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    DDataManager *data = DDataManager::getInstance();
    data->setUseLocalFont(defaults.value(QStringLiteral("UseLocalFont/useFontStatus"), false).toBool());
    if (defaults.contains(QStringLiteral("CompanyName/ComName")))
        m_title = defaults.value(QStringLiteral("CompanyName/ComName")).toString();

    setWindowTitle(m_title);
    QFont titleFont = data->getFont(0);
    titleFont.setPointSize(16);
    ui->label_AppName->setFont(titleFont);
    ui->label_AppName->setText(m_title);
    ui->appLogo->setStyleSheet(
        QStringLiteral("QPushButton{border-image: url(%1);}").arg(QStringLiteral(":/images/quelmoLogo.png")));
    setWindowIcon(QIcon(QStringLiteral(":/images/quelmoLogo.png")));

    m_userIniPath = data->userConfigPath() + QStringLiteral("/QuelmoConfig.ini");
    m_userSettings = std::make_unique<QSettings>(m_userIniPath, QSettings::IniFormat);
    {
        QSettings local(m_userIniPath, QSettings::IniFormat);
        // The first-start defaults are for a first start only: after a damaged settings file the
        // user's choices are unknown, and start at login stays as its entry says.
        const bool firstStart = !data->settingsWereDamaged();
        if (!local.contains(QStringLiteral("AutoStart/isAutoStart"))) {
            if (firstStart) {
                m_userSettings->setValue(QStringLiteral("AutoStart/isAutoStart"), true);
                QString error;
                if (!autostart::setEnabled(true, m_title, &error))
                    qWarning() << "[Start-up] cannot write the autostart entry:" << error;
            } else {
                m_userSettings->setValue(QStringLiteral("AutoStart/isAutoStart"), autostart::isEnabled());
            }
        }
        if (firstStart && !local.contains(QStringLiteral("MinimizeToTray/isMinimizeToTray")))
            m_userSettings->setValue(QStringLiteral("MinimizeToTray/isMinimizeToTray"), true);
        if (firstStart && !local.contains(QStringLiteral("CloseToTray/isCloseToTray")))
            m_userSettings->setValue(QStringLiteral("CloseToTray/isCloseToTray"), true);
        m_userSettings->sync();
    }
    const QString damagedSettings = data->takeDamagedSettingsBackup();
    if (!damagedSettings.isEmpty()) {
        // After the window is up; a box that stays until dismissed, so that the path can be read.
        QTimer::singleShot(0, this, [this, damagedSettings] {
            auto *box = new QMessageBox(
                QMessageBox::Warning, tr("Settings"),
                tr("The settings file was damaged and has been reset; the damaged copy was kept as %1")
                    .arg(QDir::toNativeSeparators(damagedSettings)),
                QMessageBox::Ok, this);
            box->setObjectName(QStringLiteral("settingsFileDamagedBox"));
            box->setTextFormat(Qt::PlainText);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        });
    }

    registerDeviceNotifications();
    initSdk();

    // The device page comes after the SDK start-up, whatever its outcome, so it always exists.
    m_devicePage = new DDevicePage(ui->page_Device);
    ui->page_Device->layout()->addWidget(m_devicePage);
    connect(m_devicePage, &DDevicePage::sigShowMacroPage, this, &DMainWidget::onShowMacroPage);
    connect(m_devicePage, &DDevicePage::sigReturnHidLikeName, this, &DMainWidget::onReturnHidLikeName);
    FirmwareUpgradeController::Sources firmwareSources;
    firmwareSources.deviceRecords = [this] { return m_devicePage->deviceRecordMapCopy(); };
    firmwareSources.linkedPaths = [this] { return m_devicePage->linkMapCopy().keys(); };
    firmwareSources.versionChanged = [] { return DDataManager::getInstance()->isVersionChanged(); };
    m_firmware =
        new FirmwareUpgradeController(FirmwareCheck::fromResources(m_chipVendor), firmwareSources, this);
    connect(m_firmware, &FirmwareUpgradeController::sigOpenUpdateDialog, this,
            &DMainWidget::onUpdateFirmwareWindowOpen);
    connect(m_devicePage, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC, this,
            &DMainWidget::onHaveCheckUpgradeFirmwareNUC);
    connect(m_devicePage, &DDevicePage::sigIntoOrRemoveHidOver, this, &DMainWidget::onIntoOrRemoveHidOver);
    connect(m_devicePage, &DDevicePage::sigShowSeniorKeysPage, this, &DMainWidget::onShowSeniorKeysPage);

    data->setMacroXmlPath(m_macroXmlPath);
    data->setSeniorKeyXmlPath(m_seniorKeyXmlPath);

    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Into, this,
            &DMainWidget::onHidDeviceConnectChanging_Into);
    connect(this, &DMainWidget::sigHidDeviceConnectChanging_Remove, this,
            &DMainWidget::onHidDeviceConnectChanging_Remove);

    // The window starts with the device list hidden; a keyboard's names show it again.
    if (data->isDeviceListEnabled()) {
        m_deviceListVisible = true;
        onClickCtrlHidListStatusBut();
    }

    QSettings local(m_userIniPath, QSettings::IniFormat);
    applyTheme(local.value(QStringLiteral("Theme/selectThemeIndex"), 0).toInt());
}

void DMainWidget::showDimmingOverlay()
{
    if (!m_overlay) {
        m_overlay = new QWidget(this);
        m_overlay->setObjectName(QStringLiteral("widget"));
        m_overlay->setWindowFlags(Qt::FramelessWindowHint);
        m_overlay->setAttribute(Qt::WA_StyledBackground);
        m_overlay->setStyleSheet(
            QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100); border-radius:0px;}"));
    }
    m_overlay->setGeometry(rect());
    m_overlay->raise();
    m_overlay->show();
}

void DMainWidget::onShowMacroPage()
{
    showDimmingOverlay();
    auto *page = new DMacroPage(this);
    connect(page, &DMacroPage::sigMacroPageClose, this, &DMainWidget::onMacroPageClose);
    connect(page, &DMacroPage::sigMacroListHaveChanged, m_devicePage,
            &DDevicePage::sigMacroListHaveChangedSendToDevice);
    page->setMacroXmlPath(m_macroXmlPath);
    page->move(mapToGlobal(rect().center()) - page->rect().center());
    page->setWindowModality(Qt::WindowModal);
    page->show();
}

void DMainWidget::onMacroPageClose()
{
    if (m_overlay)
        m_overlay->hide();
}

void DMainWidget::onShowSeniorKeysPage()
{
    // The advanced-keys dialog is not part of the program yet.
    qDebug() << "[Main window] advanced-keys dialog requested";
}

void DMainWidget::onReturnHidLikeName(QString productName, QString likeName)
{
    m_productName = productName;
    m_deviceName = likeName;
    // The names may come from the user's own model catalogue: text, never markup.
    ui->label_ProductName->setTextFormat(Qt::PlainText);
    ui->label_DeviceName->setTextFormat(Qt::PlainText);
    ui->label_ProductName->setText(productName);
    ui->label_DeviceName->setText(likeName);
    const bool noKeyboard = productName == QLatin1String("HID") && likeName == QLatin1String("RGB");
    setDeviceListVisible(!noKeyboard);
}

void DMainWidget::onHaveCheckUpgradeFirmwareNUC()
{
    m_firmware->onHaveCheckUpgradeFirmwareNUC();
}

void DMainWidget::ontheHidIntoFirmwareUpgradeWait()
{
    m_firmware->ontheHidIntoFirmwareUpgradeWait();
}

bool DMainWidget::checkFirmwareUpgrades(bool userInitiated)
{
    return m_firmware->checkFirmwareUpgrades(userInitiated);
}

bool DMainWidget::isNewerFirmwareAvailable(hidStructInfoAll record)
{
    return m_firmware->isNewerFirmwareAvailable(record);
}

void DMainWidget::onFirmwareUpgradeCheck()
{
    if (!checkFirmwareUpgrades(true))
        emit sigNoUpgradeableDevices();
}

void DMainWidget::onUpdateFirmwareWindowOpen()
{
    // The update dialog is not part of the program yet; the offer goes to the log.
    for (const hidStructInfoAll &r : m_firmware->upgradeableList())
        qInfo().noquote() << "[Firmware] update offered:" << QString::fromUtf8(r.productName)
                          << QString::fromUtf8(r.firmwareVersion) << "->"
                          << QString::fromLatin1(r.newFirmwareVersion);
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    // A keyboard in its boot loader; the firmware update that takes it over is not part of the
    // program yet.
    qDebug() << "[Main window] a keyboard boot loader arrived";
}

void DMainWidget::onClickCtrlHidListStatusBut()
{
    setDeviceListVisible(!m_deviceListVisible);
}

void DMainWidget::setDeviceListVisible(bool visible)
{
    m_deviceListVisible = visible;
    if (m_devicePage)
        m_devicePage->setDeviceListVisible(visible);
    const QString kind = visible ? QStringLiteral("Hide") : QStringLiteral("Show");
    m_listToggle->setStyleSheet(
        QStringLiteral("QPushButton{border-image: url(:/images/listCtrl%1Def.png);}"
                       "QPushButton:hover{border-image: url(:/images/listCtrl%1Sel.png);}"
                       "QPushButton:pressed{border-image: url(:/images/listCtrl%1Sel.png);}")
            .arg(kind));
    placeListToggleButton();
}

void DMainWidget::placeListToggleButton()
{
    const int h = contentsRect().height();
    m_listToggle->setGeometry(m_deviceListVisible ? 233 : 5, (h - 300) / 2, 10, 100);
    m_listToggle->raise();
}

void DMainWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeListToggleButton();
    if (m_overlay)
        m_overlay->setGeometry(rect());
}

DMainWidget::~DMainWidget()
{
    if (SimulatedBackend *sim = HidDeviceManager::instance().simulatedBackend())
        sim->setPlugObserver(nullptr);
}

QSize DMainWidget::minimumSizeForScreen(const QSize &available)
{
    if (available.width() > 1920 || available.height() > 1080)
        return QSize(1450, 810);
    return QSize(1280, 715);
}

void DMainWidget::registerDeviceNotifications()
{
    m_hotplug = new HotplugMonitor(this);
    if (!m_hotplug->startSystemMonitor())
        qDebug() << "[Hot plug] no system device events; keyboards plugged in later are not seen";
    connect(m_hotplug, &HotplugMonitor::sigDeviceArrived, this,
            &DMainWidget::sigHidDeviceConnectChanging_Into);
    connect(m_hotplug, &HotplugMonitor::sigDeviceRemoved, this,
            &DMainWidget::sigHidDeviceConnectChanging_Remove);
    connect(m_hotplug, &HotplugMonitor::sigBootLoaderArrived, this,
            &DMainWidget::ontheHidIntoFirmwareUpgrade);
}

void DMainWidget::initSdk()
{
    char version[1024] = {};
    CQuelmoSDK_VersionStr(version, sizeof version);
    ui->label_SdkVer->setText(QString::fromUtf8(version));
    ui->label_SdkVer->hide();

    const int xml = m_sdkInit.xml();
    const int hid = m_sdkInit.hid();
    const int light = m_sdkInit.light();
    if (xml != 0 || hid != 0 || light != 0) {
        qWarning() << "[Start-up] SDK initialisation failed:" << xml << hid << light;
        return;
    }
    m_sdkReady = true;

    DDataManager *data = DDataManager::getInstance();
    const QString macroPath = data->userConfigPath() + QStringLiteral("/appMacro.xml");
    if (storeLocalPath(m_macroXmlPath, macroPath)) {
        if (!QFileInfo(macroPath).isFile() && !CQuelmoXML_CreateXMLFile(m_macroXmlPath))
            qWarning() << "[Start-up] cannot create the macro store" << macroPath;
    } else {
        qWarning() << "[Start-up] the macro store path is too long:" << macroPath;
    }
    const QString seniorPath = data->userConfigPath() + QStringLiteral("/SeniorKeyConfig.xml");
    if (storeLocalPath(m_seniorKeyXmlPath, seniorPath)) {
        if (!QFileInfo(seniorPath).isFile() &&
            (!CQuelmoXML_SeniorKey_CreateXMLFile(m_seniorKeyXmlPath) ||
             !CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(m_seniorKeyXmlPath)))
            qWarning() << "[Start-up] cannot create the advanced-key store" << seniorPath;
    } else {
        qWarning() << "[Start-up] the advanced-key store path is too long:" << seniorPath;
    }

    m_supportList.clear();
    CQuelmoHid_GetSupportInfoList(&m_supportList);
    QVector<HotplugIds> ids;
    for (const HidSupportInfoStu &s : qAsConst(m_supportList))
        ids.append(HotplugIds{hexText(s.vendorId), hexText(s.productId)});
    m_hotplug->setSupportList(ids);

    // Simulated keyboards plugged or unplugged while the program runs take the same way as the
    // system's device events.
    if (SimulatedBackend *sim = HidDeviceManager::instance().simulatedBackend()) {
        const QPointer<HotplugMonitor> monitor(m_hotplug);
        sim->setPlugObserver(
            [monitor](const QByteArray &path, uint16_t vendorId, uint16_t productId, bool plugged) {
                HotplugEvent event;
                event.action = plugged ? QStringLiteral("add") : QStringLiteral("remove");
                event.subsystem = QStringLiteral("hidraw");
                event.devpath = QString::fromLatin1(path);
                event.properties.insert(
                    QStringLiteral("HID_ID"),
                    QString::asprintf("0003:%08X:%08X", unsigned(vendorId), unsigned(productId)));
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [monitor, event] {
                        if (monitor)
                            monitor->handleEvent(event);
                    },
                    Qt::QueuedConnection);
            });
    }

    loadUpgradeLibrary();
}

void DMainWidget::loadUpgradeLibrary()
{
    // Loaded by name and kept for the life of the process; without it that upgrade path is off.
    m_chipVendor = ChipVendorLibrary::load(ChipVendorLibrary::defaultName());
    if (!m_chipVendor.isAvailable())
        qDebug() << "-------------------- *** [ Load JL dll Failed ] *** -----------------------";
}

void DMainWidget::applyTheme(int themeIndex)
{
    DDataManager *data = DDataManager::getInstance();
    data->loadTheme(themeIndex);
    const ThemeColors c = data->getThemeColors();
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                       "stop:0 rgb(%1), stop:1 rgb(%2));}")
            .arg(c.MainWidgetTitleColorStart, c.MainWidgetTitleColorStop));
    ui->frame_Main->setStyleSheet(
        QStringLiteral("QFrame#frame_Main{border: none; border-top: 3px solid rgb(%1);}")
            .arg(c.MainWidgetBorderColor));
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{border: 1px solid rgb(%1); background: transparent;}")
            .arg(c.MainWidgetBorderColor));
    if (m_devicePage)
        m_devicePage->applyTheme();
    update();
}

void DMainWidget::onHidDeviceConnectChanging_Into(QString hidPath)
{
    Q_UNUSED(hidPath)
    if (m_devicePage)
        m_devicePage->onHidDeviceConnectChanging(DDevicePage::kHotPlugArrival, QStringLiteral("hidPath"));
}

void DMainWidget::onHidDeviceConnectChanging_Remove(QString hidPath)
{
    Q_UNUSED(hidPath)
    if (m_devicePage)
        m_devicePage->onHidDeviceConnectChanging(DDevicePage::kHotPlugRemoval, QStringLiteral("hidPath"));
}

void DMainWidget::onIntoOrRemoveHidOver() {}

void DMainWidget::on_pushButton_Min_clicked()
{
    showMinimized();
}

void DMainWidget::on_pushButton_Max_clicked()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void DMainWidget::on_pushButton_Close_clicked()
{
    close();
}

DMainWidget::ResizeDirection DMainWidget::zoneAt(const QRect &window, const QPoint &global)
{
    const int x = global.x();
    const int y = global.y();
    const bool left = window.left() <= x && x <= window.left() + kZone;
    const bool right = window.right() - kZone <= x && x <= window.right();
    const bool top = window.top() <= y && y <= window.top() + kZone;
    const bool bottom = window.bottom() - kZone <= y && y <= window.bottom();
    if (left && top)
        return LEFTTOP;
    if (right && bottom)
        return RIGHTBOTTOM;
    if (left && bottom)
        return LEFTBOTTOM;
    if (right && top)
        return RIGHTTOP;
    if (left)
        return LEFT;
    if (right)
        return RIGHT;
    if (top)
        return UP;
    if (bottom)
        return DOWN;
    return NONE;
}

namespace {
Qt::CursorShape cursorFor(DMainWidget::ResizeDirection d)
{
    switch (d) {
    case DMainWidget::UP:
    case DMainWidget::DOWN:
        return Qt::SizeVerCursor;
    case DMainWidget::LEFT:
    case DMainWidget::RIGHT:
        return Qt::SizeHorCursor;
    case DMainWidget::LEFTTOP:
    case DMainWidget::RIGHTBOTTOM:
        return Qt::SizeFDiagCursor;
    case DMainWidget::LEFTBOTTOM:
    case DMainWidget::RIGHTTOP:
        return Qt::SizeBDiagCursor;
    case DMainWidget::NONE:
        break;
    }
    return Qt::ArrowCursor;
}
} // namespace

void DMainWidget::resizeZoneAt(int x, int y)
{
    if (m_leftPressed)
        return;
    const QRect global(mapToGlobal(rect().topLeft()), mapToGlobal(rect().bottomRight()));
    setCursor(cursorFor(zoneAt(global, QPoint(x, y))));
}

void DMainWidget::mousePressEvent(QMouseEvent *event)
{
    m_dragging = false;
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = true;
        m_pressGlobal = event->globalPos();
        m_pressGeometry = geometry();
        const QRect global(mapToGlobal(rect().topLeft()), mapToGlobal(rect().bottomRight()));
        m_direction = zoneAt(global, event->globalPos());
        if (m_direction == NONE &&
            ui->frame_4->geometry().contains(ui->frame_4->parentWidget()->mapFrom(this, event->pos()))) {
            m_dragOffset = event->globalPos() - frameGeometry().topLeft();
            m_dragging = true;
            event->accept();
        }
        return;
    }
    if (event->button() == Qt::RightButton)
        return;
    QWidget::mousePressEvent(event);
}

void DMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint g = event->globalPos();
    if (!m_leftPressed) {
        const QRect global(mapToGlobal(rect().topLeft()), mapToGlobal(rect().bottomRight()));
        m_direction = zoneAt(global, g);
        setCursor(cursorFor(m_direction));
        return;
    }
    if (m_dragging) {
        if (!isMaximized() && !isFullScreen())
            move(g - m_dragOffset);
        event->accept();
        return;
    }
    if (isMaximized() || isFullScreen() || m_direction == NONE)
        return;
    const QPoint d = g - m_pressGlobal;
    QRect r = m_pressGeometry;
    switch (m_direction) {
    case UP:
        r.setTop(r.top() + d.y());
        break;
    case DOWN:
        r.setBottom(r.bottom() + d.y());
        break;
    case LEFT:
        r.setLeft(r.left() + d.x());
        break;
    case RIGHT:
        r.setRight(r.right() + d.x());
        break;
    case LEFTTOP:
        r.setTopLeft(r.topLeft() + d);
        break;
    case LEFTBOTTOM:
        r.setBottomLeft(r.bottomLeft() + d);
        break;
    case RIGHTBOTTOM:
        r.setBottomRight(r.bottomRight() + d);
        break;
    case RIGHTTOP:
        r.setTopRight(r.topRight() + d);
        break;
    case NONE:
        break;
    }
    if (r.width() >= minimumWidth() && r.height() >= minimumHeight())
        setGeometry(r);
}

void DMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftPressed = false;
    m_dragging = false;
    if (m_direction != NONE) {
        setCursor(Qt::ArrowCursor);
        m_direction = NONE;
    }
}

void DMainWidget::paintEvent(QPaintEvent *)
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    QPainter p(this);
    const QRect r = contentsRect();
    p.fillRect(QRect(0, 45, 231, r.height()), ThemeColors::toColor(c.DeviceLeftBgColor));
    p.fillRect(QRect(231, 45, r.width(), r.height()), ThemeColors::toColor(c.DeviceRightBgColor));
    p.fillRect(QRect(0, 0, r.width(), 45), ThemeColors::toColor(c.MainWidgetTitleColorStart));
}
