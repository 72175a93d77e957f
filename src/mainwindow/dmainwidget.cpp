#include "dmainwidget.h"

#include "autostart.h"
#include "cquelmohid.h"
#include "cquelmosdk.h"
#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "dimmingoverlay.h"
#include "dmacropage.h"
#include "dseniorkeyspage.h"
#include "dsettingsdia.h"
#include "dupdatefirmwaredia.h"
#include "firmwareimage.h"
#include "firmwareupgradebackend.h"
#include "firmwareupgradecontroller.h"
#include "fixedtext.h"
#include "hiddevicemanager.h"
#include "hotplugmonitor.h"
#include "simulatedbackend.h"
#include "titlebuttons.h"
#include "ui_dmainwidget.h"

#include <QAction>
#include <QCloseEvent>
#include <QDebug>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int kZone = 4;

// Theme names by index; an index the data manager does not know is shown as Black, as it loads.
QString themeName(int index)
{
    static const char *const names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    return QLatin1String(names[(index >= 0 && index <= 4) ? index : 0]);
}

QString threeStateSheet(const QString &base)
{
    return QStringLiteral("QPushButton{border-image: url(%1Def.png);}"
                          "QPushButton:hover{border-image: url(%1Sel.png);}"
                          "QPushButton:pressed{border-image: url(%1Sel.png);}")
        .arg(base);
}

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

std::atomic<DMainWidget *> DMainWidget::s_instance{nullptr};

DMainWidget::SdkInit DMainWidget::defaultSdkInit()
{
    return SdkInit{&CQuelmoXML_Init, &CQuelmoHid_Init, &CQuelmoLight_Init};
}

DMainWidget::DMainWidget(QWidget *parent) : DMainWidget(parent, defaultSdkInit()) {}

DMainWidget::DMainWidget(QWidget *parent, const SdkInit &sdkInit)
    : QWidget(parent), ui(new Ui::DMainWidget), m_sdkInit(sdkInit)
{
    ui->setupUi(this);
    m_titleButtons = new TitleButtons(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint);
    s_instance.store(this);

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
    m_cursorShape = Qt::ArrowCursor;
    for (QObject *o : {static_cast<QObject *>(this), static_cast<QObject *>(ui->frame_Bg),
                       static_cast<QObject *>(ui->frame_Title), static_cast<QObject *>(ui->frame_Main)})
        o->installEventFilter(this);

    m_listToggle = new QPushButton(this);
    m_listToggle->setObjectName(QStringLiteral("pushButton_ListToggle"));
    m_listToggle->setFocusPolicy(Qt::NoFocus);
    m_listToggle->setStyleSheet(threeStateSheet(QStringLiteral(":/images/listCtrlHide")));
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

    createTrayIcon();
    registerDeviceNotifications();
    initSdk();

    // The theme is loaded and the window's own sheets set before the device page is built: the
    // page themes itself as it builds, once.
    {
        QSettings local(m_userIniPath, QSettings::IniFormat);
        onChangAppTheme(local.value(QStringLiteral("Theme/selectThemeIndex"), 0).toInt());
    }

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
    m_upgradeBackend = new FirmwareUpgradeBackend(m_firmware->check(), this);
    // The back end outlives every dialog; its reports reach the dialog that is open, if any.
    connect(m_upgradeBackend, &FirmwareUpgradeBackend::sigUpgradeProgress, this, [this](int total, int done) {
        if (m_updateDialog)
            m_updateDialog->reportProgress(total, done);
    });
    connect(m_upgradeBackend, &FirmwareUpgradeBackend::sigUpgradeSucceeded, this, [this] {
        if (m_updateDialog)
            m_updateDialog->reportSuccess();
    });
    connect(m_upgradeBackend, &FirmwareUpgradeBackend::sigUpgradeFailed, this, [this] {
        if (m_updateDialog)
            m_updateDialog->reportFailure();
    });
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

    // Links are closed and settings written once every event loop has returned, whichever way
    // the program ends.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &DMainWidget::shutDown);
}

void DMainWidget::showDialogOverOverlay(QWidget *dialog)
{
    if (!m_overlay)
        m_overlay = createDimmingOverlay(this);
    m_overlay->setGeometry(0, 0, width(), height());
    m_overlay->raise();
    m_overlay->show();

    // A dialog that ends without its close signal (closed by the window system, deleted) must not
    // leave the window dimmed and blocked.
    if (auto *d = qobject_cast<QDialog *>(dialog))
        connect(d, &QDialog::finished, this, &DMainWidget::releaseOverlay);
    connect(dialog, &QObject::destroyed, this, &DMainWidget::releaseOverlay);
    m_openDialogs.removeAll(nullptr);
    m_openDialogs.append(dialog);

    dialog->move(x() + (width() - dialog->width()) / 2, y() + (height() - dialog->height()) / 2);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void DMainWidget::releaseOverlay()
{
    // A dialog opened over another keeps the window dimmed until the last one ends.
    for (const QPointer<QWidget> &dialog : qAsConst(m_openDialogs)) {
        if (dialog && dialog != sender() && dialog->isVisible())
            return;
    }
    if (m_overlay)
        m_overlay->hide();
}

void DMainWidget::onShowMacroPage()
{
    auto *page = new DMacroPage(this);
    connect(page, &DMacroPage::sigMacroPageClose, this, &DMainWidget::onMacroPageClose);
    connect(page, &DMacroPage::sigMacroListHaveChanged, m_devicePage,
            &DDevicePage::sigMacroListHaveChangedSendToDevice);
    page->setMacroXmlPath(m_macroXmlPath);
    QPointer<DDevicePage> devicePage = m_devicePage;
    page->setMacroUseQuery(
        [devicePage](const QString &index) { return devicePage && devicePage->keysUseMacro(index); });
    m_macroPage = page;
    showDialogOverOverlay(page);
}

void DMainWidget::onMacroPageClose()
{
    if (m_overlay)
        m_overlay->hide();
}

void DMainWidget::onShowSeniorKeysPage()
{
    auto *page = new DSeniorKeysPage(this);
    connect(page, &DSeniorKeysPage::sigSeniorKeysPageClose, this, &DMainWidget::onSeniorKeysPageClose);
    showDialogOverOverlay(page);
}

void DMainWidget::onSeniorKeysPageClose()
{
    if (m_overlay)
        m_overlay->hide();
}

void DMainWidget::on_pushButton_Setting_clicked()
{
    auto *dialog = new DSettingsDia(this);
    connect(dialog, &DSettingsDia::sigSettingsWindowClose, this, &DMainWidget::onSettingsWindowClose);
    connect(dialog, &DSettingsDia::sigUpdataAllUI, this, &DMainWidget::omUpdataAllUI);
    connect(dialog, &DSettingsDia::sigChangAppTheme, this, &DMainWidget::onChangAppTheme);
    connect(dialog, &DSettingsDia::sigFirmwareUpgradeCheck, this, &DMainWidget::onFirmwareUpgradeCheck);
    connect(dialog, &DSettingsDia::sigUpdateApp, this, &DMainWidget::onUpdateApp);
    connect(this, &DMainWidget::sigNoUpgradeableDevices, dialog, &DSettingsDia::showNoUpgradeableDevices);
    showDialogOverOverlay(dialog);
}

void DMainWidget::onSettingsWindowClose()
{
    if (m_overlay)
        m_overlay->hide();
}

void DMainWidget::onUpdateApp() {}

void DMainWidget::omUpdataAllUI()
{
    ui->retranslateUi(this);
    setWindowTitle(m_title);
    ui->label_AppName->setText(m_title);
    ui->label_ProductName->setText(m_productName);
    ui->label_DeviceName->setText(m_deviceName);
    retranslateTrayMenu();
    if (m_devicePage)
        m_devicePage->retranslate();
}

void DMainWidget::onChangAppTheme(int index)
{
    DDataManager *data = DDataManager::getInstance();
    // The data manager shows an unknown index as Black; the logo and images follow it.
    const int theme = (index >= 0 && index <= 4) ? index : 0;
    data->loadTheme(theme);
    const ThemeColors c = data->getThemeColors();

    QSettings defaults(QStringLiteral(":/images/configDir/QuelmoDefaultConfig.ini"), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    data->setUseLocalFont(defaults.value(QStringLiteral("UseLocalFont/useFontStatus"), false).toBool());
    QFont titleFont = data->getFont(0);
    titleFont.setPointSize(16);
    ui->label_AppName->setFont(titleFont);

    const QString name = themeName(theme);
    ui->pushButton->setStyleSheet(
        QStringLiteral("QPushButton{border-image: url(:/images/mainpage/leftTopLogo_%1.png);}").arg(name));

    if (data->isBgImageUsing()) {
        const QString dir = data->applicationDirPath();
        ui->frame_Title->setStyleSheet(
            QStringLiteral("QFrame#frame_Title{border-image:url(%1);}")
                .arg(dir + QStringLiteral("/images/bgImageTitle_%1.png").arg(name)));
        ui->frame_Main->setStyleSheet(QStringLiteral("QFrame#frame_Main{border-image:url(%1);}")
                                          .arg(dir + QStringLiteral("/images/bgImageMain_%1.png").arg(name)));
    } else {
        ui->frame_Title->setStyleSheet(QStringLiteral("QFrame#frame_Title{ background-color: %1;}")
                                           .arg(ThemeColors::css(c.MainWidgetTitleColorStart)));
        ui->frame_Bg->setStyleSheet(
            QStringLiteral("QFrame#frame_Bg{border: none; border:1px solid %1;background:transparent;}")
                .arg(ThemeColors::css(c.MainWidgetBorderColor)));
        ui->frame_Main->setStyleSheet(
            QStringLiteral("QFrame#frame_Main{ border: none; border-top: 3px solid %1; }")
                .arg(ThemeColors::css(c.MainWidgetBorderColor)));
        QFont nameFont = data->getFont(0);
        nameFont.setPointSize(14);
        ui->label_ProductName->setFont(nameFont);
        ui->label_DeviceName->setFont(nameFont);
    }
    applyTitleColours(c);

    if (m_devicePage)
        m_devicePage->applyTheme();
    // Dialogs open over the window take the new theme too.
    m_openDialogs.removeAll(nullptr);
    for (const QPointer<QWidget> &dialog : qAsConst(m_openDialogs)) {
        if (dialog->metaObject()->indexOfMethod("applyTheme()") >= 0)
            QMetaObject::invokeMethod(dialog, "applyTheme");
    }
    update();
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
    if (m_updateDialog)
        return;
    for (const hidStructInfoAll &r : m_firmware->upgradeableList())
        qInfo().noquote() << "[Firmware] update offered:" << QString::fromUtf8(r.productName)
                          << QString::fromUtf8(r.firmwareVersion) << "->"
                          << QString::fromLatin1(r.newFirmwareVersion);
    auto *dialog = new DUpdateFirmwareDia(this);
    m_updateDialog = dialog;
    // Rows look their keyboard's link up when Update is pressed: it may have gone since.
    dialog->setLinkSource([page = QPointer<DDevicePage>(m_devicePage)] {
        return page ? page->linkMapCopy() : QMap<QString, DDeviceKeyboardLink *>();
    });
    dialog->loadUpgradeItems(m_firmware->upgradeableList(), m_devicePage->linkMapCopy());
    connect(dialog, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this,
            &DMainWidget::onUpdateFirmwareWindowClose);
    connect(dialog, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &DMainWidget::onStartHidUpgrade);
    if (m_firmware->userInitiated() == 0) {
        // After the automatic check the window is dimmed behind it.
        showDialogOverOverlay(dialog);
        return;
    }
    dialog->move(x() + (width() - dialog->width()) / 2, y() + (height() - dialog->height()) / 2);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

DUpdateFirmwareDia *DMainWidget::updateDialog() const
{
    return m_updateDialog.data();
}

void DMainWidget::onUpdateFirmwareWindowClose()
{
    if (m_overlay)
        m_overlay->hide();
    if (m_updateDialog)
        m_updateDialog->deleteLater();
    m_updateDialog = nullptr;
}

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle)
{
    m_upgradeBackend->onStartHidUpgrade(strHidPath, strSN, strHidName, hidUsbOrDongle);
}

void DMainWidget::ontheHidIntoFirmwareUpgrade(QString path)
{
    qDebug() << "[Main window] a keyboard boot loader arrived";
    m_upgradeBackend->ontheHidIntoFirmwareUpgrade(path);
}

bool DMainWidget::refuseToLeaveDuringUpdate()
{
    if (!m_upgradeBackend || !m_upgradeBackend->isBusy())
        return false;
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Update Firmware"),
                                DUpdateFirmwareDia::warningText(), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("firmwareUpdateRunningBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
    return true;
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
    m_listToggle->setStyleSheet(threeStateSheet(visible ? QStringLiteral(":/images/listCtrlHide")
                                                        : QStringLiteral(":/images/listCtrlShow")));
    placeListToggleButton();
}

void DMainWidget::placeListToggleButton()
{
    const int h = contentsRect().height();
    m_listToggle->setGeometry(m_deviceListVisible ? 233 : 5, (h - 300) / 2, 10, 100);
    m_listToggle->raise();
    update();
}

void DMainWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeListToggleButton();
    if (m_overlay)
        m_overlay->setGeometry(0, 0, width(), height());
}

DMainWidget::~DMainWidget()
{
    if (SimulatedBackend *sim = HidDeviceManager::instance().simulatedBackend())
        sim->setPlugObserver(nullptr);
    DMainWidget *self = this;
    s_instance.compare_exchange_strong(self, nullptr);
    // Dialogs still open go with the window's children, after this part of the window is gone.
    for (const QPointer<QWidget> &dialog : qAsConst(m_openDialogs)) {
        if (dialog)
            disconnect(dialog, nullptr, this, nullptr);
    }
}

void DMainWidget::createTrayMenu()
{
    m_minAction = new QAction(this);
    m_minAction->setObjectName(QStringLiteral("action_Minimize"));
    connect(m_minAction, &QAction::triggered, this, &DMainWidget::onMinApp);
    m_maxAction = new QAction(this);
    m_maxAction->setObjectName(QStringLiteral("action_Maximize"));
    connect(m_maxAction, &QAction::triggered, this, &QWidget::showMaximized);
    m_restoreAction = new QAction(this);
    m_restoreAction->setObjectName(QStringLiteral("action_Revert"));
    connect(m_restoreAction, &QAction::triggered, this, &QWidget::showNormal);
    m_quitAction =
        new QAction(QIcon(QStringLiteral(":/images/mainpage/closeWindowSel.png")), QString(), this);
    m_quitAction->setObjectName(QStringLiteral("action_Quit"));
    connect(m_quitAction, &QAction::triggered, this, &DMainWidget::onQuitApp);
    retranslateTrayMenu();

    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(QStringLiteral("menu_Tray"));
    m_trayMenu->addAction(m_minAction);
    m_trayMenu->addAction(m_maxAction);
    m_trayMenu->addAction(m_restoreAction);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_quitAction);
}

void DMainWidget::retranslateTrayMenu()
{
    m_minAction->setText(tr("Minimize(&N)"));
    m_maxAction->setText(tr("Maximize(&X)"));
    m_restoreAction->setText(tr("Revert(&R)"));
    m_quitAction->setText(tr("Quit(&Q)"));
}

void DMainWidget::createTrayIcon()
{
    createTrayMenu();
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        qDebug() << "[Tray] no system tray; closing to the tray minimises the window instead";
        return;
    }
    QIcon icon(QStringLiteral(":/images/trayLogo.png"));
    icon.addFile(QStringLiteral(":/images/trayLogo.ico"));
    m_trayIcon = new QSystemTrayIcon(icon, this);
    m_trayIcon->setObjectName(QStringLiteral("trayIcon"));
    m_trayIcon->setToolTip(m_title);
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayIcon->show();
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &DMainWidget::iconActivated);
}

void DMainWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    showNormal();
    raise();
    activateWindow();
}

void DMainWidget::hideToTray()
{
    // The tray host may have gone since start-up; a hidden window would then be out of reach.
    if (m_trayIcon && QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        showMinimized();
}

void DMainWidget::onMinApp()
{
    hide();
}

void DMainWidget::onQuitApp()
{
    quitApplication();
}

void DMainWidget::quitApplication()
{
    if (refuseToLeaveDuringUpdate())
        return;
    close();
    // The event loop returns with 0; shutDown() runs from aboutToQuit once every loop has ended.
    QCoreApplication::quit();
}

void DMainWidget::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    if (m_devicePage)
        m_devicePage->closeAllLinks();
    if (m_userSettings) {
        m_userSettings->sync();
        if (m_userSettings->status() != QSettings::NoError)
            qWarning() << "[Exit] cannot write the user settings" << m_userIniPath;
    }
    if (m_trayIcon)
        m_trayIcon->hide();
}

void DMainWidget::closeEvent(QCloseEvent *event)
{
    if (refuseToLeaveDuringUpdate()) {
        event->ignore();
        return;
    }
    if (m_devicePage)
        m_devicePage->stopLightEngine();
    if (m_trayIcon)
        m_trayIcon->hide();
    event->accept();
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
        // The store paths stay empty, so every later write fails instead of going nowhere; the
        // user hears of it once, when the window is up.
        auto *box = new QMessageBox(QMessageBox::Critical, m_title, tr("Keyboard service failed to start"),
                                    QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("sdkFailureMessage"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        QTimer::singleShot(0, box, &QMessageBox::show);
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
        // The simulated boot loader restarts the keyboard with the version of the image it got.
        sim->setImageVersionReader([](const QByteArray &image) {
            for (ImageFamily family : {ImageFamily::BinLayoutA, ImageFamily::BinLayoutB}) {
                const QList<QByteArray> f = firmwareimage::infoFields(image, *firmwareimage::layout(family));
                if (!f[firmwareimage::ModelIdentifier].isEmpty() && !f[firmwareimage::Version].isEmpty())
                    return QString::fromLatin1(f[firmwareimage::Version]);
            }
            return QString();
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
    if (isMaximized() || isFullScreen()) {
        showNormal();
        setWindowCursor(Qt::ArrowCursor);
    } else {
        showMaximized();
    }
    updateMaxButtonPictures();
}

void DMainWidget::updateMaxButtonPictures()
{
    // The button shows what it will do: maximise while normal, restore while maximised.
    const bool maximised = isMaximized() || isFullScreen();
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    m_titleButtons->apply(ui->pushButton_Max,
                          maximised ? QStringLiteral(":/images/mainpage/intoMaxWindowDef.png")
                                    : QStringLiteral(":/images/mainpage/maxWindowDef.png"),
                          ThemeColors::toColor(c.TextDefaultColor), ThemeColors::toColor(c.TextCheckedColor));
}

void DMainWidget::applyTitleColours(const ThemeColors &c)
{
    // The title texts and window buttons in the theme's text colours, so that they stay readable on
    // every title bar.
    ui->label_AppName->setStyleSheet(
        QStringLiteral("QLabel#label_AppName{color: %1;}").arg(ThemeColors::css(c.TextCheckedColor)));
    ui->label_ProductName->setStyleSheet(
        QStringLiteral("QLabel#label_ProductName{color: %1;}").arg(ThemeColors::css(c.TextCheckedColor)));
    ui->label_DeviceName->setStyleSheet(
        QStringLiteral("QLabel#label_DeviceName{color: %1;}").arg(ThemeColors::css(c.TextDefaultColor)));
    const QColor normal = ThemeColors::toColor(c.TextDefaultColor);
    const QColor hover = ThemeColors::toColor(c.TextCheckedColor);
    m_titleButtons->apply(ui->pushButton_Setting, QStringLiteral(":/images/mainpage/settingDef.png"), normal,
                          hover);
    m_titleButtons->apply(ui->pushButton_Min, QStringLiteral(":/images/mainpage/minWindowDef.png"), normal,
                          hover);
    m_titleButtons->apply(ui->pushButton_Close, QStringLiteral(":/images/mainpage/closeWindowDef.png"),
                          normal, hover);
    updateMaxButtonPictures();
}

void DMainWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Maximised or restored by any means (the tray menu, the window manager) keeps the icon right.
    if (event->type() == QEvent::WindowStateChange)
        updateMaxButtonPictures();
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

Qt::Edges edgesFor(DMainWidget::ResizeDirection d)
{
    switch (d) {
    case DMainWidget::UP:
        return Qt::TopEdge;
    case DMainWidget::DOWN:
        return Qt::BottomEdge;
    case DMainWidget::LEFT:
        return Qt::LeftEdge;
    case DMainWidget::RIGHT:
        return Qt::RightEdge;
    case DMainWidget::LEFTTOP:
        return Qt::LeftEdge | Qt::TopEdge;
    case DMainWidget::LEFTBOTTOM:
        return Qt::LeftEdge | Qt::BottomEdge;
    case DMainWidget::RIGHTBOTTOM:
        return Qt::RightEdge | Qt::BottomEdge;
    case DMainWidget::RIGHTTOP:
        return Qt::RightEdge | Qt::TopEdge;
    case DMainWidget::NONE:
        break;
    }
    return {};
}

// A Wayland client cannot place its own window; the compositor moves and resizes it instead.
bool compositorPlacesWindows()
{
    static const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return wayland;
}
} // namespace

QRect DMainWidget::globalWindowRect() const
{
    // A top-level widget's geometry is already in screen coordinates.
    return isWindow() ? geometry() : QRect(mapToGlobal(QPoint(0, 0)), size());
}

void DMainWidget::setWindowCursor(Qt::CursorShape shape)
{
    if (shape == m_cursorShape)
        return;
    m_cursorShape = shape;
    setCursor(shape);
}

bool DMainWidget::isInTitleDragArea(const QPoint &pos) const
{
    return ui->frame_4->geometry().contains(ui->frame_4->parentWidget()->mapFrom(this, pos));
}

void DMainWidget::resizeZoneAt(int x, int y)
{
    // Runs for every mouse move of the program: a few comparisons, and the cursor only on change.
    if (m_leftPressed)
        return;
    const ResizeDirection d = (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
                                  ? NONE
                                  : zoneAt(globalWindowRect(), QPoint(x, y));
    setWindowCursor(cursorFor(d));
}

bool DMainWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter && watched == ui->frame_Main)
        setWindowCursor(Qt::ArrowCursor);
    return QWidget::eventFilter(watched, event);
}

void DMainWidget::mousePressEvent(QMouseEvent *event)
{
    m_dragging = false;
    if (event->button() == Qt::LeftButton) {
        const bool maximised = isMaximized() || isFullScreen();
        m_leftPressed = true;
        m_pressGlobal = event->globalPos();
        m_pressGeometry = geometry();
        m_direction = maximised ? NONE : zoneAt(globalWindowRect(), event->globalPos());
        const bool inTitle = m_direction == NONE && isInTitleDragArea(event->pos());
        if (compositorPlacesWindows() && windowHandle() && !maximised) {
            if (m_direction != NONE)
                windowHandle()->startSystemResize(edgesFor(m_direction));
            else if (inTitle)
                windowHandle()->startSystemMove();
            m_leftPressed = false;
            m_direction = NONE;
            return;
        }
        if (inTitle) {
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

void DMainWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isInTitleDragArea(event->pos())) {
        on_pushButton_Max_clicked();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void DMainWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint g = event->globalPos();
    const bool maximised = isMaximized() || isFullScreen();
    if (!m_leftPressed) {
        m_direction = maximised ? NONE : zoneAt(globalWindowRect(), g);
        setWindowCursor(cursorFor(m_direction));
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (m_dragging) {
        if (!maximised)
            move(g - m_dragOffset);
        event->accept();
        return;
    }
    if (maximised || m_direction == NONE)
        return;
    // Each dragged edge follows the mouse until the window reaches its minimum size; the opposite
    // edge stays where it is.
    const QPoint d = g - m_pressGlobal;
    QRect r = m_pressGeometry;
    const bool left = m_direction == LEFT || m_direction == LEFTTOP || m_direction == LEFTBOTTOM;
    const bool right = m_direction == RIGHT || m_direction == RIGHTTOP || m_direction == RIGHTBOTTOM;
    const bool top = m_direction == UP || m_direction == LEFTTOP || m_direction == RIGHTTOP;
    const bool bottom = m_direction == DOWN || m_direction == LEFTBOTTOM || m_direction == RIGHTBOTTOM;
    if (left)
        r.setLeft(qMin(r.left() + d.x(), r.right() + 1 - minimumWidth()));
    if (right)
        r.setRight(qMax(r.right() + d.x(), r.left() - 1 + minimumWidth()));
    if (top)
        r.setTop(qMin(r.top() + d.y(), r.bottom() + 1 - minimumHeight()));
    if (bottom)
        r.setBottom(qMax(r.bottom() + d.y(), r.top() - 1 + minimumHeight()));
    if (r != geometry())
        setGeometry(r);
}

void DMainWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftPressed = false;
    m_dragging = false;
    if (m_direction != NONE) {
        setWindowCursor(Qt::ArrowCursor);
        m_direction = NONE;
    }
}

void DMainWidget::paintEvent(QPaintEvent *event)
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    // The bands are opaque: only the red, green and blue of the theme entries count.
    QColor left = ThemeColors::toColor(c.DeviceLeftBgColor);
    QColor right = ThemeColors::toColor(c.DeviceRightBgColor);
    left.setAlpha(255);
    right.setAlpha(255);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = contentsRect();
    p.fillRect(QRect(0, 45, 231, r.height()), m_deviceListVisible ? left : right);
    p.fillRect(QRect(231, 45, r.width(), r.height()), right);
    p.end();
    QWidget::paintEvent(event);
}

void DMainWidget::on_pushButton_Close_clicked()
{
    QSettings user(m_userIniPath, QSettings::IniFormat);
    if (user.value(QStringLiteral("CloseToTray/isCloseToTray"), false).toBool()) {
        hideToTray();
        return;
    }
    qDebug().noquote()
        << "------------------------- *** App Exit (Normal) *** ------------------------------ ";
    quitApplication();
}
