// Keyboards that arrive or go away while the program runs.
#include "ddevicepage.h"
#include "devicecardlist.h"

#include "arrowwidget.h"
#include "dcustomkeyspage.h"
#include "ddevicekeyboardlink.h"
#include "ddevicelistitem.h"
#include "deviceenumeration.h"
#include "dtooltipexplain.h"
#include "fixedtext.h"
#include "hiddevicejoinframe.h"
#include "lightdealmain.h"
#include "mainhidinterface.h"
#include "ui_ddevicepage.h"

#include <QBoxLayout>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcHotPlug, "tidelumen.device.hotplug")

template <std::size_t N> QString utf8Of(const char (&field)[N])
{
    const std::string_view v = fixedtext::view(field);
    return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
}
} // namespace

void DDevicePage::onHidDeviceConnectChanging(int code, QString hidPath)
{
    Q_UNUSED(hidPath)
    if (hotPlugBusy || !deviceListLoaded) {
        // The start-up listing, the link open and the view build process events, so a
        // notification can come in the middle of them; it is kept and handled once they are over.
        if (!pendingHotPlugCodes.contains(code))
            pendingHotPlugCodes.append(code);
        return;
    }
    // One notification may stand for several keyboards (events that come close together are
    // folded into one): each round handles one path, until the enumeration shows nothing new.
    while (handleHotPlug(code)) {
    }
    workOffPendingHotPlug();
}

void DDevicePage::workOffPendingHotPlug()
{
    while (!pendingHotPlugCodes.isEmpty()) {
        const int next = pendingHotPlugCodes.takeFirst();
        while (handleHotPlug(next)) {
        }
    }
}

void DDevicePage::onKeyboardDeviceGone(QString strCurrentHidPath)
{
    // Its removal event may never come (no udev daemon, or a lost event): the keyboard is taken
    // out as if it had been reported, even while the system still lists its node.
    goneDevicePaths.insert(strCurrentHidPath);
    onHidDeviceConnectChanging(kHotPlugRemoval, strCurrentHidPath);
}

bool DDevicePage::handleHotPlug(int code)
{
    hotPlugBusy = true;
    lastHotPlugCode = code;

    QMap<QString, hidStructInfoAll> found = DeviceEnumeration::run().attached;
    for (hidStructInfoAll &record : found)
        record.online = 1;
    // A device found gone stays out; paths are never reused, so one no longer listed is forgotten.
    for (auto it = goneDevicePaths.begin(); it != goneDevicePaths.end();) {
        if (found.remove(*it) == 0)
            it = goneDevicePaths.erase(it);
        else
            ++it;
    }

    bool handled = true;
    if (code == kHotPlugArrival) {
        qCInfo(lcHotPlug, "--------------- 插入设备 ---------------");
        handled = false;
        for (auto it = found.cbegin(); it != found.cend() && !handled; ++it)
            handled = !attachedRecords.contains(it.key());
        if (!handled) {
            hotPlugBusy = false;
            return false;
        }
        hotPlugArrival(found);
        qCInfo(lcHotPlug, "-------------------- *** [Insert end] *** --------------------");
    } else if (code == kHotPlugRemoval) {
        qCInfo(lcHotPlug, "--------------- 拔出设备 ---------------");
        handled = false;
        for (auto it = attachedRecords.cbegin(); it != attachedRecords.cend() && !handled; ++it)
            handled = !found.contains(it.key());
        if (!handled) {
            hotPlugBusy = false;
            return false;
        }
        hotPlugRemoval(found);
        qCInfo(lcHotPlug, "-------------------- *** [OutPut end] *** --------------------");
    }

    cards->reorder();
    if (code == kHotPlugRemoval)
        emit sigIntoOrRemoveHidOver();
    hotPlugBusy = false;
    return handled && (code == kHotPlugArrival || code == kHotPlugRemoval);
}

void DDevicePage::hotPlugArrival(const QMap<QString, hidStructInfoAll> &found)
{
    QString path;
    for (auto it = found.cbegin(); it != found.cend() && path.isEmpty(); ++it) {
        if (!attachedRecords.contains(it.key()))
            path = it.key();
    }
    hidStructInfoAll record = found.value(path);
    if (record.linkType == 1)
        record.online = 0; // a receiver is offline until its status says the keyboard answers
    attachedRecords.insert(path, record);
    ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);

    const QString modelKey = utf8Of(record.modelKey);
    DDeviceListItem *card = cards->take(modelKey);
    if (!card)
        card = cards->appendLoose();
    cards->insert(path, card);
    card->setDeviceInfo(record);
    openKeyboardLink(record);

    // The open waits for the keyboard and processes events: it may have gone again meanwhile.
    if (!attachedRecords.contains(path))
        return;
    if (record.linkType == 0 && (attachedRecords.size() == 1 || !cards->current() || !currentLink))
        onHidItemMouseClicked(record);
    if (!cards->current() || !currentLink) {
        ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
        emit sigReturnHidLikeName(QStringLiteral("HID"), QStringLiteral("RGB"));
    }
}

void DDevicePage::hotPlugRemoval(const QMap<QString, hidStructInfoAll> &found)
{
    QString gone;
    for (auto it = attachedRecords.cbegin(); it != attachedRecords.cend() && gone.isEmpty(); ++it) {
        if (!found.contains(it.key()))
            gone = it.key();
    }
    hidStructInfoAll record = attachedRecords.take(gone);
    const QString modelKey = utf8Of(record.modelKey);
    fixedtext::copy(record.hidPath, fixedtext::view(record.modelKey));
    record.online = 0;

    DDeviceListItem *card = cards->take(gone);
    if (card) {
        card->setDeviceInfo(record);
        // A card already kept for this model is dropped: one offline card per model. It is still
        // in the list layout; the re-ordering below takes it out and destroys it.
        cards->insert(modelKey, card);
    }

    DDeviceKeyboardLink *link = deviceLinks.take(gone);
    const bool wasCurrent = (card && card == cards->current()) || (link && link == currentLink);
    if (wasCurrent) {
        if (keyboardView)
            keyboardView->setLightView(false);
        stopLightEngine();
        customKeysPage->setInteractLightHook(false, 0);
        cards->select(nullptr); // its card, now offline, shows unselected
        currentLink = nullptr;
        currentHid = nullptr;
    }
    disposeLink(link);

    if (wasCurrent)
        makeSuccessorCurrent();
}

void DDevicePage::makeSuccessorCurrent()
{
    if (viewBusy) {
        // The shown keyboard went while its view was being built: the build stops, then this runs.
        successorPending = true;
        return;
    }
    successorPending = false;
    for (const hidStructInfoAll &candidate : qAsConst(attachedRecords)) {
        const QString path = utf8Of(candidate.hidPath);
        if (candidate.linkType == 0 || dongleStates.value(path, 0) == 0) {
            // The stored record as it is: a receiver is marked online by its own status report.
            onHidItemMouseClicked(candidate);
            break;
        }
    }
    if (!cards->current() || !currentLink) {
        ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
        emit sigReturnHidLikeName(QStringLiteral("HID"), QStringLiteral("RGB"));
    }
}

void DDevicePage::closeAllLinks()
{
    stopLightEngine();
    const QList<DDeviceKeyboardLink *> links = deviceLinks.values();
    deviceLinks.clear();
    currentLink = nullptr;
    currentHid = nullptr;
    for (DDeviceKeyboardLink *link : links)
        disposeLink(link);
}

void DDevicePage::disposeLink(DDeviceKeyboardLink *link)
{
    if (!link)
        return;
    disconnect(link, nullptr, this, nullptr);
    silentLinks.removeAll(link);
    if (MainHidInterFace *hid = link->hidInterface())
        hid->closeDevice(); // stops and joins the I/O thread
    // A wait further up the stack may still hold it (through a guard): deleted from the loop.
    link->deleteLater();
}
