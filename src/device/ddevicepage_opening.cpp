// Start-up enumeration, opening a keyboard's link and building the keyboard view.
#include "ddevicepage.h"
#include "devicecardlist.h"

#include "cbnotice.h"
#include "cquelmohid.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "ddevicelistitem.h"
#include "deviceenumeration.h"
#include "donboarddownload.h"
#include "dragshowarea.h"
#include "fixedtext.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "lightdealmain.h"
#include "picturecache.h"
#include "ui_ddevicepage.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QScrollArea>
#include <QStackedLayout>

namespace {
Q_LOGGING_CATEGORY(lcOpening, "tidelumen.device.opening")

template <std::size_t N> QString utf8Of(const char (&field)[N])
{
    const std::string_view v = fixedtext::view(field);
    return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
}

template <std::size_t N> QString local8Of(const char (&field)[N])
{
    const std::string_view v = fixedtext::view(field);
    return QString::fromLocal8Bit(v.data(), static_cast<int>(v.size()));
}
} // namespace

DDevicePage::LinkCloser::~LinkCloser()
{
    const QList<DDeviceKeyboardLink *> open = links.values();
    links.clear();
    for (DDeviceKeyboardLink *link : open) {
        QObject::disconnect(link, nullptr, nullptr, nullptr);
        delete link;
    }
}

void DDevicePage::onLoadDeviceList()
{
    // The opens below wait for their keyboards and process events: hot plug meanwhile is
    // remembered and handled after the listing.
    const bool wasBusy = hotPlugBusy;
    hotPlugBusy = true;
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);

    const DeviceEnumeration found = DeviceEnumeration::run();
    attachedRecords = found.attached;
    for (const QString &path : found.unreachableDongles)
        dongleStates.insert(path, 1);

    cards->clear();
    for (const hidStructInfoAll &record : found.cardOrder()) {
        const QString path = utf8Of(record.hidPath);
        cards->append(path.isEmpty() ? utf8Of(record.modelKey) : path, record);
    }
    if (currentLink)
        cards->select(cards->value(deviceLinks.key(currentLink)));

    bool shown = false;
    if (!attachedRecords.isEmpty()) {
        // Every attached keyboard gets its link, in path order; each open may wait for its keyboard.
        const QMap<QString, hidStructInfoAll> toOpen = attachedRecords;
        for (const hidStructInfoAll &record : toOpen)
            openKeyboardLink(record);
        if (!found.cabled.isEmpty()) {
            const hidStructInfoAll first = found.cabled.first();
            // The waits above process events: the keyboard may have gone meanwhile.
            if (attachedRecords.contains(utf8Of(first.hidPath))) {
                ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);
                setUpKeyboardView(first);
                shown = true;
            }
        }
    }
    if (!shown) {
        ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
        emit sigReturnHidLikeName(QStringLiteral("HID"), QStringLiteral("RGB"));
    }
    // The cards are made and the first view has its picture: whole pictures decoded ahead go.
    picturecache::dropPictures();
    emit sigHaveCheckUpgradeFirmwareNUC();
    hotPlugBusy = wasBusy;
    deviceListLoaded = true;
    if (!hotPlugBusy)
        workOffPendingHotPlug();
}

void DDevicePage::openKeyboardLink(hidStructInfoAll record)
{
    const QString path = utf8Of(record.hidPath);
    auto *link = new DDeviceKeyboardLink();
    connectLinkSignals(link);

    // A second link on one device would split its input reports between two I/O threads: the one
    // it replaces is closed (its destructor joins the thread) before the new one opens. Not later:
    // a deferred delete would wait for the outer event loop, past the new link's readiness wait.
    if (DDeviceKeyboardLink *old = deviceLinks.take(path)) {
        disconnect(old, nullptr, this, nullptr);
        if (currentLink == old) {
            currentLink = nullptr;
            currentHid = nullptr;
        }
        silentLinks.removeAll(old);
        delete old;
    }
    deviceLinks.insert(path, link);

    const int threadIndex = ++threadIndexCounter;
    link->openDevice(threadIndex, record);
    // Without the permission the keyboard looks silent; the user is told why, once per run.
    if (quelmosdk::takePermissionNotice())
        notice->showNotice(QObject::tr(quelmosdk::kPermissionNotice), noticeAnchor());

    if (!waitForLinkReady(link, path, kLinkReadyWaitMs)) {
        qCInfo(lcOpening, "%s went away while it was being opened", qUtf8Printable(path));
        return;
    }
    if (!link->isReady()) {
        qCWarning(lcOpening, "%s did not answer within %d ms", qUtf8Printable(path), kLinkReadyWaitMs);
        silentLinks.append(link);
    }
    link->setActive(true);
}

bool DDevicePage::isCurrentKeyboard(DDeviceKeyboardLink *link, const QString &path) const
{
    return link && deviceLinks.value(path) == link;
}

bool DDevicePage::waitForLinkReady(DDeviceKeyboardLink *link, const QString &path, int ms)
{
    QPointer<DDeviceKeyboardLink> guard(link);
    if (link->isReady())
        return true;
    waitTimer.restart();
    while (guard && isCurrentKeyboard(guard, path) && !guard->isReady() && waitTimer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return guard && isCurrentKeyboard(guard, path);
}

void DDevicePage::onHidItemMouseClicked(hidStructInfoAll record)
{
    if (record.online != 1) {
        notice->showNotice(QObject::tr("The device is offline"), noticeAnchor());
        return;
    }
    if (viewBusy || refuseWhileDownloading())
        return;
    viewBusy = true;

    auto *card = qobject_cast<DDeviceListItem *>(sender());
    if (card && card == cards->current()) {
        notice->showNotice(QObject::tr("The device has been turned on"), noticeAnchor());
        viewBusy = false;
        return;
    }
    if (!card)
        card = cards->value(utf8Of(record.hidPath));

    if (keyboardView)
        keyboardView->setLightView(false);
    stopLightEngine();
    cards->forgetCurrent();
    currentLink = nullptr;
    currentHid = nullptr;

    emit sigReturnHidLikeName(local8Of(record.productName), local8Of(record.deviceName));
    cards->select(card);
    setUpKeyboardView(record);
}

void DDevicePage::setUpKeyboardView(hidStructInfoAll record)
{
    viewBusy = true;
    const QString path = utf8Of(record.hidPath);
    DDataManager *dm = DDataManager::getInstance();

    if (firstViewPending) {
        firstViewPending = false;
        emit sigReturnHidLikeName(local8Of(record.productName), local8Of(record.deviceName));
        cards->select(cards->value(path));
    }

    currentLink = deviceLinks.value(path);
    currentHid = currentLink ? currentLink->hidInterface() : nullptr;

    zoom = 1.0f;
    ui->label_Multiple->setText(QString::number(static_cast<double>(zoom), 'f', 1));

    // Nothing may keep pointing at the buttons of the view about to be deleted.
    dm->setKeyButtonMap({});
    dm->setKeyButtonList({});
    dm->setKeySelectFrame(nullptr);
    for (auto &row : lightEngine->keyGrid)
        std::fill(std::begin(row), std::end(row), nullptr);
    lightEngine->sideButtons.clear();
    for (auto &row : keyButtonGrid)
        std::fill(std::begin(row), std::end(row), nullptr);
    // The view and drag area are children of the container this page made; a view installed from
    // outside (no container) belongs to whoever installed it.
    delete viewContainer;
    viewContainer = nullptr;
    keyboardView = nullptr;
    dragArea = nullptr;

    // Zoomed in, a large keyboard outgrows the frame: the view scrolls instead of being cut off.
    auto *scroll =
        ui->hidDeviceShowFrame->findChild<QScrollArea *>(QStringLiteral("scrollArea_KeyboardView"));
    if (!scroll) {
        scroll = new QScrollArea(ui->hidDeviceShowFrame);
        scroll->setObjectName(QStringLiteral("scrollArea_KeyboardView"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setAlignment(Qt::AlignCenter);
        scroll->setStyleSheet(
            QStringLiteral("QScrollArea#scrollArea_KeyboardView{background: transparent;}"));
        scroll->viewport()->setAutoFillBackground(false);
        ui->hidDeviceShowFrame->layout()->addWidget(scroll);
    }
    viewContainer = new QWidget(scroll->viewport());
    viewContainer->setAutoFillBackground(false);
    auto *view = new hidDeviceJoinFrame(viewContainer);
    auto *drag = new dragShowArea(viewContainer);
    installKeyboardView(view, drag);
    const QStringList rgb = dm->getThemeColors().TextCheckedColor.split(QLatin1Char(','));
    if (rgb.size() == 3)
        drag->setColor(rgb[0].trimmed().toInt(), rgb[1].trimmed().toInt(), rgb[2].trimmed().toInt());

    view->setWindowFlag(Qt::WindowStaysOnTopHint);
    view->buildKeyboardView(record);

    auto *stack = new QStackedLayout(viewContainer);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(view);
    stack->addWidget(drag);
    scroll->setWidget(viewContainer);

    const QList<keyboardButCustom *> buttons = dm->keyButtonList();
    if (buttons.size() == 6 * 22) {
        for (int n = 0; n < buttons.size(); ++n)
            keyButtonGrid[n / 22][n % 22] = buttons[n];
    } else {
        qCWarning(lcOpening, "Keyboard view of %s has %d key buttons; the key grid stays empty",
                  qUtf8Printable(utf8Of(record.modelKey)), static_cast<int>(buttons.size()));
    }

    view->showMode(hidDeviceJoinFrame::ViewMode::Keys);

    const bool magnetic = dm->hidDeviceType() == 4;
    ui->frame_7->setMinimumWidth(magnetic ? 250 : 200);
    ui->toolButton_TriggerSetting->setVisible(magnetic);
    ui->frame_8->setVisible(!magnetic);
    ui->frame_6->setVisible(!magnetic);
    ui->frame_Battery->setVisible(!magnetic);
    dm->setMagneticKeyboard(magnetic);
    dm->setDefaultLayerSelected(true);
    customKeysPage->setHeavyPressSelectorsVisible(magnetic ? 0 : 999);
    customKeysPage->showDefaultPage();
    ui->frame_FillSpace->setMinimumWidth(magnetic ? 60 : 20);
    ui->toolButton_SeniorKey->setVisible(false);
    if (dm->hidDeviceType() == 5) {
        ui->frame_8->setVisible(false);
        ui->frame_6->setVisible(false);
        ui->frame_Battery->setVisible(false);
    }

    dm->setHasSideLight(currentLink && !currentLink->sideLightModes().isEmpty());
    dm->setCurrentModelName(utf8Of(record.modelKey));

    prepareProfileFiles(record, 0);
    // The profile wait processes events: start the engine only for a keyboard still current.
    if (isCurrentKeyboard(currentLink, path))
        startLightEngine();
    viewBusy = false;
    qCInfo(lcOpening, "Keyboard view of %s shown", qUtf8Printable(utf8Of(record.modelKey)));
    if (successorPending)
        makeSuccessorCurrent();
}

bool DDevicePage::refuseWhileDownloading()
{
    // A download works on a snapshot of one keyboard's profile; switching under it would show
    // something other than what is being written.
    if (!onboardDownload || !onboardDownload->isRunning())
        return false;
    notice->showNotice(DOnboardDownload::busyText(), noticeAnchor());
    return true;
}
