#include "ddevicepage.h"
#include "devicecardlist.h"

#include "arrowwidget.h"
#include "batteryitem.h"
#include "cbnotice.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "ddevicelistitem.h"
#include "dlightsconfigpage.h"
#include "donboarddownload.h"
#include "downloadprofilesource.h"
#include "dperformancepage.h"
#include "dragshowarea.h"
#include "dtooltipexplain.h"
#include "dtriggersettingpage.h"
#include "hiddevicejoinframe.h"
#include "hidreport.h"
#include "keyboardbutcustom.h"
#include "keyboardlinkdownloadport.h"
#include "keyselectframe.h"
#include "lightdealmain.h"
#include "mainhidinterface.h"
#include "modelcatalogue.h"
#include "textmovewidget.h"
#include "ui_ddevicepage.h"

#include <QButtonGroup>
#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <cstring>
#include <utility>

namespace {

constexpr int kTabKeys = 0;
constexpr int kTabLights = 1;
constexpr int kTabPerformance = 2;
constexpr int kTabTrigger = 4;
constexpr int kCustomLightType = 10;

constexpr int kMagneticItemSelection = 2;
constexpr int kMagneticItemLeaveTrigger = 3;

const QString kDefaultCompanyLink = QStringLiteral("https://tidelumen.example.org");
const QString kLinkFont = QStringLiteral("Microsoft YaHei");

// Theme colours are "r,g,b" texts; a page colour takes the first three fields and its own alpha.
QColor themeColor(const QString &text, int alpha)
{
    const QStringList parts = text.split(QLatin1Char(','));
    auto field = [&parts](int i) { return i < parts.size() ? parts.at(i).trimmed().toInt() : 0; };
    return QColor(field(0), field(1), field(2), alpha);
}

QString linkText(const QString &link, const QString &colour)
{
    // One pass over the template, so a link holding "%" sequences cannot be read as a placeholder.
    return QStringLiteral("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span>"
                          "<a href=\"Company|%1|\"><span style=\"font-size:10pt; text-decoration:underline; "
                          "color:%2;\">%1</span>")
        .arg(link, ThemeColors::css(colour), kLinkFont);
}

} // namespace

DDevicePage::DDevicePage(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DDevicePage>()), profileXmlPath(new char[256]()),
      layerXmlPath(new char[256]()), seniorKeyPathBuffer(new char[256]())
{
    // The first listing, 200 ms from now, shows a card for every catalogue model: their pictures
    // decode meanwhile on worker threads.
    for (const ModelInfo &model : ModelCatalogue::instance().models())
        DDeviceListItem::prefetchPicture(model.key);
    ui->setupUi(this);
    cards = std::make_unique<DeviceCardList>(ui->verticalLayout_17, ui->scrollAreaWidgetContents_2,
                                             [this](DDeviceListItem *card) { connectDeviceCard(card); });

    ui->pushButton_Test->hide();
    ui->pushButton_ChangModeTest->hide();
    ui->label_ChangModeTest->hide();
    ui->label_Multiple->hide();

    desktopPath = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

    ui->label->setText(QObject::tr("Device List"));
    ui->label_Tip->setText(QObject::tr("Device not connected"));
    ui->pushButton_Reset->setText(QObject::tr("Reset"));

    QSettings defaults(QStringLiteral(":/images/configDir/QuelmoDefaultConfig.ini"), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    companyLink = defaults.value(QStringLiteral("CompanyLink/ComLink"), kDefaultCompanyLink).toString();

    ui->label_Url->setAlignment(Qt::AlignCenter);
    ui->label_Url->setText(linkText(companyLink, QStringLiteral("255,143,31")));
    ui->frame_Url->setVisible(
        defaults.value(QStringLiteral("MainPageCompanyLinkFrame/showStatus"), false).toBool());
    connect(ui->label_Url, &QLabel::linkActivated, this, &DDevicePage::onLickActivited, Qt::DirectConnection);

    ui->label_ElectricityNum->setBatteryLevel(60);

    notice = new CbNotice(this);
    notice->setFontPixelSize(14);

    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);

    lightEngine = std::make_unique<lightDealMain>();

    // Themed as it is built: style sheets given before the tab pages exist and before anything is
    // polished cost one polish when the window is shown, not a second pass over every widget.
    applyOwnTheme();
    createSubPages();

    for (QToolButton *b :
         {ui->toolButton_CustomKey, ui->toolButton_LightConfig, ui->toolButton_MacroDialog,
          ui->toolButton_Performance, ui->toolButton_TriggerSetting, ui->toolButton_SeniorKey})
        b->installEventFilter(this);

    auto *tabs = new QButtonGroup(this);
    tabs->addButton(ui->toolButton_CustomKey, kTabKeys);
    tabs->addButton(ui->toolButton_LightConfig, kTabLights);
    tabs->addButton(ui->toolButton_Performance, kTabPerformance);
    tabs->addButton(ui->toolButton_TriggerSetting, kTabTrigger);
    ui->toolButton_CustomKey->setChecked(true);
    connect(tabs, &QButtonGroup::idClicked, this, &DDevicePage::onCurIndexChangedMainPage);

    ui->label_Charging->hide();

    batteryStep = 0;
    batteryTimer = new QTimer(this);
    batteryTimer->setInterval(50);
    connect(batteryTimer, &QTimer::timeout, this, &DDevicePage::onTimerChangingBatteryNum);

    connect(this, &DDevicePage::sigMacroListHaveChangedSendToDevice, this,
            &DDevicePage::onMacroListHaveChangedSendToDevice);
    DDataManager *dm = DDataManager::getInstance();
    connect(dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum, this,
            &DDevicePage::onQueryDynamicDisplaySensitivityNum);
    connect(dm, &DDataManager::sigTheMagneticKeyboardCalibrationPoint, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationPoint);
    connect(dm, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack, this,
            &DDevicePage::onTheMagneticKeyboardCalibrationStatusBack);
    connect(dm, &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack, this,
            &DDevicePage::onMagneticKeyboardAllKeysCalibrationStatusBack);

    QTimer::singleShot(200, this, &DDevicePage::onLoadDeviceList);

    // The tab pages built above take the theme while the first listing waits; the key-assignment
    // page themed itself as it was built.
    lightsConfigPage->applyTheme();
    performancePage->applyTheme();
    triggerSettingPage->applyTheme();
}

DDevicePage::~DDevicePage()
{
    // No I/O thread may outlive the page that owns its link.
    closeAllLinks();
}

void DDevicePage::createSubPages()
{
    customKeysPage = new DCustomKeysPage(ui->page_CustomKeys);
    ui->page_CustomKeys->layout()->addWidget(customKeysPage);
    connect(customKeysPage, &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch, this,
            &DDevicePage::onDefaultLayerAndFnLayerSwitch);
    connect(customKeysPage, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage, this,
            &DDevicePage::onEveryPageBackTip);
    connect(customKeysPage, &DCustomKeysPage::sigTheKeyboardIntoDownloading, this,
            &DDevicePage::onTheKeyboardIntoDownloading);
    connect(customKeysPage, &DCustomKeysPage::sigAutoIntoCustomKeysPage, this,
            &DDevicePage::onAutoIntoCustomKeysPage);
    connect(customKeysPage, &DCustomKeysPage::sigInteractLightsPointXY, this,
            &DDevicePage::onInteractLightsPointXY);

    lightsConfigPage = new DLightsConfigPage(ui->page_LightsConfig);
    ui->page_LightsConfig->layout()->addWidget(lightsConfigPage);
    connect(lightsConfigPage, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage, this,
            &DDevicePage::onEveryPageBackTip);
    connect(lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_KB);
    connect(lightsConfigPage, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_Side, this,
            &DDevicePage::onSelectCurrentLightTypeIndex_Side);
    connect(lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged, this,
            &DDevicePage::onLightConfigHaveChanged);
    connect(lightsConfigPage, &DLightsConfigPage::sigCustomLightItemHaveChanged, this,
            &DDevicePage::onCustomLightItemHaveChanged);
    connect(lightsConfigPage, &DLightsConfigPage::sigLightConfigHaveChanged_Custom, this,
            &DDevicePage::onLightConfigHaveChanged_Custom);

    performancePage = new DPerformancePage(ui->page_Performance);
    ui->page_Performance->layout()->addWidget(performancePage);
    connect(performancePage, &DPerformancePage::sigResetoreCurrentProfile, this,
            &DDevicePage::onResetoreCurrentProfile);
    connect(performancePage, &DPerformancePage::sigLightAndKeyboardSleepTime, this,
            &DDevicePage::onLightAndKeyboardSleepTime);
    connect(performancePage, &DPerformancePage::sigLockWinKeyAbout, this, &DDevicePage::onLockWinKeyAbout);

    triggerSettingPage = new DTriggerSettingPage(ui->page_TriggerSetting);
    ui->page_TriggerSetting->layout()->addWidget(triggerSettingPage);
    connect(triggerSettingPage, &DTriggerSettingPage::sigMagnetsKeysApplyConfig, this,
            &DDevicePage::onMagnetsKeysApplyConfig);
    connect(triggerSettingPage, &DTriggerSettingPage::sigMagnetsKeyboardDefaultSensitivity, this,
            &DDevicePage::onMagnetsKeyboardDefaultSensitivity);
    connect(triggerSettingPage, &DTriggerSettingPage::sigKeyAntiShakeCurrentNum, this,
            &DDevicePage::onKeyAntiShakeCurrentNum);
    connect(triggerSettingPage, &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum, this,
            &DDevicePage::onKeyRateOfReturnCurrentNum);
    connect(triggerSettingPage, &DTriggerSettingPage::sigCalibrationMode, this,
            &DDevicePage::onCalibrationMode);
    connect(triggerSettingPage, &DTriggerSettingPage::sigKeyCalibrationStartRuning, this,
            &DDevicePage::onKeyCalibrationStartRuning);
    connect(triggerSettingPage, &DTriggerSettingPage::sigAllKeysCalibrationMode, this,
            &DDevicePage::onAllKeysCalibrationMode);
    connect(triggerSettingPage, &DTriggerSettingPage::sigSomeMessageTip_TriggerPage, this,
            &DDevicePage::onEveryPageBackTip);
}

void DDevicePage::installKeyboardView(hidDeviceJoinFrame *view, dragShowArea *drag)
{
    keyboardView = view;
    dragArea = drag;
    zoom = 1.0f;
    if (keyboardView) {
        keyboardView->setSelectionOverlay(dragArea);
        connect(keyboardView, &hidDeviceJoinFrame::sigDragAreaMoveOneKey, this,
                &DDevicePage::onDragAreaMoveOneKey);
        connect(keyboardView, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged, this,
                &DDevicePage::onTheDragAreaHaveChanged);
    }
    if (dragArea) {
        connect(dragArea, &dragShowArea::sigDragArea, this, &DDevicePage::onDragArea_SelectKeys);
        connect(dragArea, &dragShowArea::sigDragShowAreaMouseMovePoint, this,
                &DDevicePage::onDragShowAreaMouseMovePoint);
        connect(dragArea, &dragShowArea::sigDragAreaMousePressOrRelease, this,
                &DDevicePage::onDragAreaMousePressOrRelease);
    }
}

void DDevicePage::connectLinkSignals(DDeviceKeyboardLink *link)
{
    connect(link, &DDeviceKeyboardLink::sigCustomEventChangProfile, this,
            &DDevicePage::onCustomEventChangProfile);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this, &DDevicePage::onRuningOnboard0x19Cmd);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd, this, &DDevicePage::onRuningOnboard0x18Cmd);
    connect(link, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd, this, &DDevicePage::onQN9080Recv0x0bCmd);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus, this,
            &DDevicePage::onRuningOnboardDownloadStatus);
    connect(link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity, this,
            &DDevicePage::onSendChargingStatusAndElectricity);
    connect(link, &DDeviceKeyboardLink::sigDongleStatus, this, &DDevicePage::onDongleStatus);
    connect(link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d, this,
            &DDevicePage::onWaitForDataReturn_0x0d);
    connect(link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful, this,
            &DDevicePage::onSleepTimeSetSuccessful);
    connect(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend, this,
            &DDevicePage::onLightConfigHaveChanged_HidSend);
    connect(link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09, this,
            &DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09);
    connect(link, &DDeviceKeyboardLink::sigTheKeyboardModeChanged, this,
            &DDevicePage::onTheKeyboardModeChanged);
    connect(link, &DDeviceKeyboardLink::sigLateReady, this, &DDevicePage::onLinkLateReady);
    connect(link, &DDeviceKeyboardLink::sigDeviceGone, this, &DDevicePage::onKeyboardDeviceGone);
}

void DDevicePage::connectDeviceCard(DDeviceListItem *card)
{
    connect(card, &DDeviceListItem::sigHidItemMouseClicked, this, &DDevicePage::onHidItemMouseClicked);
}

void DDevicePage::setCalibrationKey(int x, int y)
{
    calibrationKeyX = x;
    calibrationKeyY = y;
}

void DDevicePage::stopLightEngine()
{
    if (lightEngine->isEffectThreadsRunning() || lightEngine->isStreamingRunning())
        stopLightEngineThreads();
}

void DDevicePage::setDeviceListVisible(bool visible)
{
    ui->frame_left->setVisible(visible);
}

void DDevicePage::clearDeviceCards()
{
    cards->clear();
}

QPoint DDevicePage::noticeAnchor() const
{
    return QPoint(rect().center().x(), 40);
}

void DDevicePage::buildMagneticReport(unsigned char report[64], int item, const unsigned char bitmap[22])
{
    std::memset(report, 0, hidproto::kReportSize);
    report[hidproto::kIdByte] = hidproto::kReportIdCommand;
    report[hidproto::kCmdByte] = hidproto::out::Magnetic;
    report[hidproto::kLengthByte] = 0x18;
    report[hidproto::kPayload] = static_cast<unsigned char>(item);
    if (bitmap)
        std::memcpy(report + hidproto::kPayload + 1, bitmap, 22);
}

// ---- Tabs -------------------------------------------------------------------------------------

void DDevicePage::onCurIndexChangedMainPage(int selIndex)
{
    DDataManager *dm = DDataManager::getInstance();
    if (currentTabId == kTabTrigger && dm->isCalibrationRunning()) {
        ui->toolButton_TriggerSetting->setChecked(true);
        onEveryPageBackTip(QObject::tr("Key calibration in progress, please wait a moment"));
        return;
    }

    if (currentTabId == kTabTrigger && selIndex != kTabTrigger && currentHid) {
        unsigned char report[hidproto::kReportSize];
        buildMagneticReport(report, kMagneticItemLeaveTrigger, nullptr);
        if (currentHid->sendCommand(report) < 0)
            qDebug() << "USB serial port [Write Sensitivity-data] Failed ...";
    }

    currentKbLightType = -1;
    currentTabId = selIndex;

    keySelectFrame *keys = dm->keySelectFrame();
    if (keys)
        keys->setKeysCustomLightMode(false);

    calibrationKeyX = -1;
    calibrationKeyY = -1;

    // Before a keyboard view exists there are no layers to arrange.
    if (selIndex == kTabLights) {
        if (keyboardView)
            keyboardView->showMode(hidDeviceJoinFrame::ViewMode::Selection);
        if (keys)
            keys->showSideLights(true);
    } else {
        if (keyboardView)
            keyboardView->showMode(hidDeviceJoinFrame::ViewMode::Keys);
        if (keys) {
            keys->showSideLights(false);
            keys->setKeysHoverHighlight(true);
        }
    }

    if (selIndex == kTabTrigger) {
        if (keyboardView)
            keyboardView->showMode(hidDeviceJoinFrame::ViewMode::Selection);
        if (keys)
            keys->showSideLights(false);
        if (dragArea)
            dragArea->setActive(true);
        if (keys)
            keys->setKeysHoverHighlight(true);
        for (keyboardButCustom *key : dm->keyButtonList()) {
            key->setLightColorShown(false);
            key->setLightColor(QColor(0, 0, 0, 0));
        }
    }

    triggerSettingPage->resetCalibrationMode();

    switch (selIndex) {
    case kTabKeys:
        ui->stackedWidget->setCurrentWidget(ui->page_CustomKeys);
        customKeysPage->resetPage(currentLayer);
        ui->label_ChangModeTest->setText(QStringLiteral("Keyboard"));
        break;
    case kTabLights:
        ui->stackedWidget->setCurrentWidget(ui->page_LightsConfig);
        lightsConfigPage->showKeyboardLightPage();
        ui->label_ChangModeTest->setText(QStringLiteral("Light"));
        break;
    case kTabPerformance:
        ui->stackedWidget->setCurrentWidget(ui->page_Performance);
        performancePage->loadPerformanceSettings();
        ui->label_ChangModeTest->setText(QStringLiteral("Keyboard"));
        break;
    case kTabTrigger:
        ui->stackedWidget->setCurrentWidget(ui->page_TriggerSetting);
        triggerSettingPage->loadInitData();
        ui->label_ChangModeTest->setText(QStringLiteral("Trigger"));
        break;
    default:
        break;
    }
}

void DDevicePage::onAutoIntoCustomKeysPage()
{
    ui->toolButton_CustomKey->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_CustomKeys);
}

// The light preview and streaming rest while the page is off screen: hidden to the tray, minimised
// (the window system hides a minimised window's widgets spontaneously; without a window manager
// only the window state tells) or behind another page.
void DDevicePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (QWidget *top = window(); top != watchedWindow) {
        if (watchedWindow)
            watchedWindow->removeEventFilter(this);
        watchedWindow = top;
        top->installEventFilter(this);
    }
    lightEngine->setOnScreen(!window()->isMinimized());
}

void DDevicePage::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    lightEngine->setOnScreen(false);
}

bool DDevicePage::eventFilter(QObject *watched, QEvent *event)
{
    // Every event of the top-level window passes here: only its state changes matter.
    if (watched == watchedWindow) {
        if (event->type() == QEvent::WindowStateChange)
            lightEngine->setOnScreen(isVisible() && !window()->isMinimized());
        return QWidget::eventFilter(watched, event);
    }
    const QList<QObject *> watchedButtons = {ui->toolButton_CustomKey,      ui->toolButton_LightConfig,
                                             ui->toolButton_MacroDialog,    ui->toolButton_Performance,
                                             ui->toolButton_TriggerSetting, ui->toolButton_SeniorKey};
    const int index = watchedButtons.indexOf(watched);
    if (index >= 0) {
        if (event->type() == QEvent::Enter)
            showTabTip(index);
        else if (event->type() == QEvent::Leave && popup)
            popup->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void DDevicePage::showTabTip(int index)
{
    if (!tabTip) {
        tabTipBody = new DToolTipExplain;
        tabTip = std::make_unique<ArrowWidget>(1);
        tabTip->setWidgetSize(250, 70);
        tabTip->setArrowStartX(30);
        tabTip->setCenterWidget(tabTipBody);
    }
    popup = tabTip.get();

    const QList<QPair<QToolButton *, QString>> tips = {
        {ui->toolButton_CustomKey, QObject::tr("Key Custom")},
        {ui->toolButton_LightConfig, QObject::tr("Light Setting")},
        {ui->toolButton_MacroDialog, QObject::tr("Macro")},
        {ui->toolButton_Performance, QObject::tr("Performance")},
        {ui->toolButton_TriggerSetting, QObject::tr("Trigger Setting")},
        {ui->toolButton_SeniorKey, QObject::tr("Senior Keys")}};
    QString text;
    if (index >= 0 && index < tips.size()) {
        QToolButton *button = tips.at(index).first;
        text = tips.at(index).second;
        popup->move(button->mapToGlobal(QPoint(button->width() / 2, button->height())) -
                    QPoint(38, button->height() + 74));
    }
    tabTipBody->setTipText(text);
    popup->show();
}

void DDevicePage::onEveryPageBackTip(QString strTip)
{
    notice->showNotice(strTip, noticeAnchor());
}

void DDevicePage::onLickActivited(QString str)
{
    Q_UNUSED(str)
    QDesktopServices::openUrl(QUrl(companyLink));
}

void DDevicePage::on_toolButton_MacroDialog_clicked()
{
    customKeysPage->setInteractLightHook(false, 0);
    emit sigShowMacroPage();
}

void DDevicePage::on_toolButton_SeniorKey_clicked()
{
    emit sigShowSeniorKeysPage();
}

void DDevicePage::on_pushButton_Test_clicked()
{
    if (keyboardView && keyboardView->keyLayer())
        (void)keyboardView->keyLayer()->pos();
}

void DDevicePage::on_pushButton_ChangModeTest_clicked()
{
    lightLayerTestView = !lightLayerTestView;
    if (lightLayerTestView) {
        if (keyboardView)
            keyboardView->showMode(hidDeviceJoinFrame::ViewMode::Selection);
        ui->label_ChangModeTest->setText(QStringLiteral("Light"));
    } else {
        if (keyboardView)
            keyboardView->showMode(hidDeviceJoinFrame::ViewMode::Keys);
        ui->label_ChangModeTest->setText(QStringLiteral("Keyboard"));
    }
}

// ---- Zoom and selection -----------------------------------------------------------------------

void DDevicePage::on_pushButton_MoreBig_clicked()
{
    if (ui->label_Multiple->text() == QLatin1String("2.0"))
        return;
    zoom += 0.1f;
    ui->label_Multiple->setText(QString::number(zoom, 'f', 1));
    if (keyboardView)
        keyboardView->setScale(zoom, true);
}

void DDevicePage::on_pushButton_MoreSmall_clicked()
{
    if (ui->label_Multiple->text() == QLatin1String("1.0"))
        return;
    zoom -= 0.1f;
    ui->label_Multiple->setText(QString::number(zoom, 'f', 1));
    if (keyboardView)
        keyboardView->setScale(zoom, true);
}

bool DDevicePage::orderDragCorners(int &x1, int &y1, int &x2, int &y2)
{
    if (x1 == x2 && y1 == y2 && x1 != 0 && y1 != 0)
        return false;
    if (x1 < x2 && y1 < y2) {
        // already ordered
    } else if (x1 > x2 && y1 > y2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    } else if (x1 < x2 && y1 > y2) {
        std::swap(y1, y2);
    } else if (x1 > x2 && y1 < y2) {
        std::swap(x1, x2);
    } else {
        x1 = y1 = x2 = y2 = 0;
    }
    return true;
}

bool DDevicePage::onDragTab() const
{
    return currentTabId == kTabTrigger ||
           (currentTabId == kTabLights && currentKbLightType == kCustomLightType);
}

void DDevicePage::onDragArea_SelectKeys(int x1, int y1, int x2, int y2)
{
    if (!onDragTab() || !keyboardView)
        return;
    if (!orderDragCorners(x1, y1, x2, y2))
        return;
    keyboardView->selectKeysInRect(x1, y1, x2, y2);
}

void DDevicePage::onDragShowAreaMouseMovePoint(int x, int y)
{
    if (onDragTab() && keyboardView)
        keyboardView->trackHoverKey(x, y, currentTabId);
}

void DDevicePage::onDragAreaMousePressOrRelease(bool pressed)
{
    if (onDragTab() && keyboardView)
        keyboardView->setDragPressed(pressed);
}

void DDevicePage::onDragAreaMoveOneKey(bool isSelectedOneKey)
{
    if (dragArea)
        dragArea->setSingleKeyMode(isSelectedOneKey);
}

void DDevicePage::onTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY)
{
    Q_UNUSED(selectedStatus)
    if (currentTabId != kTabTrigger)
        return;

    unsigned char bitmap[22] = {};
    if (keyboardView) {
        for (keyboardButCustom *key : keyboardView->dragSelectedKeys()) {
            const int row = key->indexX();
            const int column = key->indexY();
            // A key outside the 6 x 22 matrix has no bit to set.
            if (row >= 0 && row < 6 && column >= 0 && column < 22)
                bitmap[column] |= static_cast<unsigned char>(1u << row);
        }
    }
    if (currentHid) {
        unsigned char report[hidproto::kReportSize];
        buildMagneticReport(report, kMagneticItemSelection, bitmap);
        if (currentHid->sendCommand(report) < 0)
            qDebug() << "USB serial port [Write Sensitivity-data] Failed ...";
    }
    triggerSettingPage->resetDynamicDisplaySensitivityNum();
    if (operateType == 1)
        DDataManager::getInstance()->queryDynamicDisplaySensitivityNum(1, indexX, indexY);
}

// ---- Texts and theme ---------------------------------------------------------------------------

void DDevicePage::retranslate()
{
    ui->retranslateUi(this);
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    ui->label_Url->setAlignment(Qt::AlignCenter);
    ui->label_Url->setText(linkText(companyLink, c.TextCheckedColor));
    ui->label->setText(QObject::tr("Device List"));
    ui->label_Tip->setText(QObject::tr("Device not connected"));
    ui->pushButton_Reset->setText(QObject::tr("Reset"));
    ui->widget_MoveTip->setText(QObject::tr("All keys calibration in progress ..."));
    customKeysPage->retranslate();
    lightsConfigPage->retranslate();
    performancePage->retranslate();
    triggerSettingPage->retranslate();
}

void DDevicePage::applyTheme()
{
    applyOwnTheme();
    performancePage->applyTheme();
    lightsConfigPage->applyTheme();
    customKeysPage->applyTheme();
    triggerSettingPage->applyTheme();

    DDataManager *dm = DDataManager::getInstance();
    const ThemeColors c = dm->getThemeColors();
    const QColor theme = themeColor(c.TextCheckedColor, 255);
    for (keyboardButCustom *key : dm->keyButtonList()) {
        key->applyThemeColours(QColor(220, 40, 45, 255), theme);
        key->setLightColorShown(true);
    }
}

void DDevicePage::applyOwnTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const QFont bold = dm->getFont(0);
    const QFont normal = dm->getFont(1);
    const ThemeColors c = dm->getThemeColors();

    ui->label_Url->setAlignment(Qt::AlignCenter);
    ui->label_Url->setText(linkText(companyLink, c.TextCheckedColor));

    notice->setBackgroundColor(themeColor(c.AllBgColor, 200));
    notice->setTextColor(themeColor(c.TextCheckedColor, 255));
    QFont noticeFont;
    noticeFont.setFamily(c.TextFont);
    noticeFont.setPixelSize(14);
    notice->setNoticeFont(noticeFont);

    if (dragArea) {
        const QColor drag = themeColor(dm->getThemeColors().TextCheckedColor, 255);
        dragArea->setColor(drag.red(), drag.green(), drag.blue());
    }

    ui->widget_MoveTip->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    ui->widget_MoveTip->setBackground(QColor(0, 0, 0, 1));
    ui->widget_MoveTip->setForeground(themeColor(c.TextCheckedColor, 255));
    ui->widget_MoveTip->setText(QObject::tr("All keys calibration in progress ..."));
    ui->widget_MoveTip->hide();

    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{ background-color: %1;}").arg(ThemeColors::css(c.DeviceLeftBgColor)));
    ui->label->setStyleSheet(
        QStringLiteral("QLabel#label{color: %1;}").arg(ThemeColors::css(c.TextDefaultColor)));
    ui->frame_Url->setStyleSheet(
        QStringLiteral("QFrame#frame_Url{ border: none; border-top: 3px solid %1; "
                       "background-color: %2; }")
            .arg(ThemeColors::css(c.DeviceBorderColor), ThemeColors::css(c.DeviceLeftBgColor)));
    ui->label_Url->setStyleSheet(
        QStringLiteral("QLabel#label_Url{color: %1;}").arg(ThemeColors::css(c.TextCheckedColor)));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{ background-color: %1; }")
            .arg(ThemeColors::css(c.DeviceLeftBgColor)));
    scrollSheet =
        QStringLiteral(
            "QScrollBar:vertical{ background:transparent; width:4px; margin: 3px 0px 3px 0px; } "
            "QScrollBar::handle:vertical{ background:%2; min-height: 20px; border-radius: 2px; } "
            "QScrollBar::handle:vertical:hover{ background:%3; } "
            "QScrollBar::add-line:vertical{ height: 0px; subcontrol-position: bottom; subcontrol-origin: "
            "margin; } "
            "QScrollBar::sub-line:vertical{ height: 0px; subcontrol-position: top; subcontrol-origin: "
            "margin; } "
            "QScrollBar::add-page:vertical, QScrollBar:sub-page:vertical { background:%1; "
            "border-radius:3px; }")
            .arg(ThemeColors::css(c.AllScrollBgColor), ThemeColors::css(c.AllScrollBarColorDef),
                 ThemeColors::css(c.AllScrollBarColorHover));
    cards->applyTheme();
    ui->frame_Right->setStyleSheet(QStringLiteral("QFrame#frame_Right{ background-color: %1; }")
                                       .arg(ThemeColors::css(c.DeviceRightBgColor)));
    ui->comboBox_profileList->setStyleSheet(
        QStringLiteral("QComboBox { background-color: %1; padding-left:5px ; border: 1px solid %2; "
                       "font: bold 10pt \"%5\"; color: %3; border-radius: 4px; } "
                       "QComboBox:hover { border: 1px solid %4; } "
                       "QComboBox QAbstractItemView::item { height:40px; left:10px; } "
                       "QComboBox::down-arrow { border-image: url(:/images/publicIco/comboxDef.png); width: "
                       "10px; height: 10px; } "
                       "QComboBox::down-arrow:hover { border-image: url(:/images/publicIco/comboxDef.png); } "
                       "QComboBox::down-arrow:on { border-image: url(:/images/publicIco/comboxSel.png); "
                       "selection-background-color: rgb(255, 35, 76); } "
                       "QComboBox::drop-down { width:20px; padding-right:3px; background:transparent; "
                       "position: relative; "
                       "top: 0px; right: 0px; } "
                       "QComboBox QAbstractItemView { outline:0px; background-color: %6; color: %3; "
                       "selection-background-color: %7; selection-color: %4; }")
            .arg(ThemeColors::css(c.DeviceRightBgColor), ThemeColors::css(c.DeviceBorderColor),
                 ThemeColors::css(c.TextDefaultColor), ThemeColors::css(c.TextCheckedColor), c.TextFont,
                 // The list is a window of its own: it needs an opaque background.
                 ThemeColors::css(c.DeviceRightBgColor, 255), ThemeColors::css(c.MacroListItemHoverColor)));
    ui->lineEdit_profileName->setStyleSheet(
        QStringLiteral("QLineEdit { color: %2; font: bold 10pt \"%4\"; background-color: %1; "
                       "border: 1px solid %5; border-radius: 4px; } "
                       "QLineEdit:hover{ border: 1px solid %3; } "
                       "QLineEdit:pressed { border: 1px solid %3; }")
            .arg(ThemeColors::css(c.DeviceRightBgColor), ThemeColors::css(c.TextDefaultColor),
                 ThemeColors::css(c.TextCheckedColor), c.TextFont, ThemeColors::css(c.DeviceBorderColor)));
    ui->label_Tip->setStyleSheet(
        QStringLiteral("QLabel#label_Tip{ color: %1;}").arg(ThemeColors::css(c.TextCheckedColor)));
    QFont tipFont = bold;
    tipFont.setPointSize(20);
    ui->label_Tip->setFont(tipFont);
    ui->label_Mode->setStyleSheet(
        QStringLiteral("QLabel#label_Mode{ color: %1;}").arg(ThemeColors::css(c.TextCheckedColor)));
    QFont modeFont = normal;
    modeFont.setPointSize(13);
    ui->label_Mode->setFont(modeFont);
    ui->widget_RightBottom->setStyleSheet(
        QStringLiteral("QWidget#widget_RightBottom { border: none; border-top: 3px solid %1; }")
            .arg(ThemeColors::css(c.DeviceBorderColor)));
    QFont titleFont = normal;
    titleFont.setPointSize(12);
    ui->label->setFont(titleFont);
    ui->pushButton_Reset->setStyleSheet(
        QStringLiteral(
            "QPushButton { border-radius: 8px; border: 2px solid %1; background-color: %2; "
            "color: %3; } "
            "QPushButton:hover { background-color: %4; border: 2px solid %6; border-radius: 8px; } "
            "QPushButton:pressed { color: %6; background-color: %5; border: 2px solid %6; "
            "border-radius: 8px; }")
            .arg(ThemeColors::css(c.DeviceBorderColor), ThemeColors::css(c.DeviceRightBgColor),
                 ThemeColors::css(c.TextDefaultColor), ThemeColors::css(c.DeviceRightBgColor),
                 ThemeColors::css(c.DeviceRightBgColor), ThemeColors::css(c.TextCheckedColor)));
    QFont resetFont = normal;
    resetFont.setPointSize(11);
    ui->pushButton_Reset->setFont(resetFont);

    QTimer::singleShot(200, this, &DDevicePage::onScrollSheetSet);
}

void DDevicePage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(scrollSheet);
}

// ---- Filled by the device-list, opening, profile, status, calibration, lighting and download work.

void DDevicePage::onTheKeyboardIntoDownloading()
{
    if (!onboardDownload) {
        onboardDownload = new DOnboardDownload(DownloadProfileSource::sdk(), this);
        connect(onboardDownload, &DOnboardDownload::sigDownloadFinished, this,
                [this](bool, const QString &text) {
                    if (customKeysPage)
                        customKeysPage->stopDownloadAnimation();
                    if (notice)
                        notice->showNotice(text, noticeAnchor());
                });
    }
    if (onboardDownload->isRunning())
        return;
    // The download works on copies: the key view, the current keyboard and its folder may change
    // while it waits for the keyboard.
    DDataManager *dm = DDataManager::getInstance();
    DownloadSnapshot snapshot;
    for (keyboardButCustom *key : dm->keyButtonList())
        snapshot.keyCodes.append(key ? key->keyCode() : 0);
    snapshot.profileDir = profileDir;
    char seniorPath[DDataManager::kPathBufferSize] = {};
    dm->seniorKeyXmlPath(seniorPath);
    snapshot.seniorKeyXmlPath =
        QByteArray(seniorPath, static_cast<int>(qstrnlen(seniorPath, sizeof seniorPath)));
    snapshot.magnetic = dm->isMagneticKeyboard();
    KeyboardLinkDownloadPort *port = nullptr;
    if (currentLink) {
        port = new KeyboardLinkDownloadPort(currentLink, onboardDownload, onboardDownload);
        connect(onboardDownload, &DOnboardDownload::sigDownloadFinished, port, &QObject::deleteLater);
    }
    onboardDownload->start(port, snapshot);
}
void DDevicePage::onRuningOnboard0x19Cmd() {}
void DDevicePage::onRuningOnboard0x18Cmd() {}
void DDevicePage::onRuningOnboardDownloadStatus(int statusNum)
{
    Q_UNUSED(statusNum)
}
