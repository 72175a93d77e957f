// Keyboard status (battery, charging, connection), the receiver losing and finding its keyboard,
// the card order, sleep times and the Win lock.
#include "ddevicepage.h"
#include "devicecardlist.h"

#include "batteryitem.h"
#include "cbnotice.h"
#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "ddevicelistitem.h"
#include "devicestatusrules.h"
#include "fixedtext.h"
#include "hiddevicejoinframe.h"
#include "ui_ddevicepage.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QPointer>
#include <QTimer>

namespace {

QString pathOf(const hidStructInfoAll &record)
{
    const std::string_view p = fixedtext::view(record.hidPath);
    return QString::fromLatin1(p.data(), static_cast<int>(p.size()));
}

QString modelOf(const hidStructInfoAll &record)
{
    const std::string_view m = fixedtext::view(record.modelKey);
    return QString::fromLatin1(m.data(), static_cast<int>(m.size()));
}

QString translated(const char *text)
{
    return QCoreApplication::translate("DDevicePage", text);
}

} // namespace

void DDevicePage::onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode,
                                                     int is24GValid, QString strCurrentSN)
{
    if (!devicestatus::acceptStatusReport(KeyboardMode, is24GValid, strCurrentSN, currentSerial))
        return;
    const devicestatus::BatteryView v =
        devicestatus::batteryView(ChargingStatus, Electricity, KeyboardMode, batteryTimer->isActive());
    const bool battery =
        devicestatus::hasBattery(modelOf(currentLink ? currentLink->deviceRecord() : currentRecord));
    ui->label_ElectricityNum->setVisible(battery);
    ui->label_Charging->setVisible(battery && v.chargingMark);
    ui->label_ElectricityNum->setPercentTextVisible(v.percentVisible);
    if (v.animate) {
        if (v.restartCounter) {
            batteryStep = 0;
            batteryTimer->start();
        }
    } else {
        batteryTimer->stop();
        ui->label_ElectricityNum->setBatteryLevel(v.level);
    }
    ui->label_Mode->setText(v.modeText);
}

void DDevicePage::onTimerChangingBatteryNum()
{
    ui->label_ElectricityNum->setBatteryLevel(batteryStep);
    batteryStep = devicestatus::nextBatteryCounter(batteryStep);
}

void DDevicePage::onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName)
{
    Q_UNUSED(strCurrentHidName)
    dongleStates[strCurrentHidPath] = is24GValid;
    // A keyboard reached again by its receiver runs its start-up exchange anew (the link asks
    // for it): a link that had kept silent gets a fresh wait.
    if (is24GValid == 0)
        silentLinks.removeAll(deviceLinks.value(strCurrentHidPath));
    DDeviceListItem *card = cards->value(strCurrentHidPath);
    const QString currentPath = cards->current() ? pathOf(cards->current()->deviceRecord()) : QString();

    QList<devicestatus::AttachedKeyboard> attached;
    for (auto it = attachedRecords.cbegin(); it != attachedRecords.cend(); ++it)
        attached.append({it.key(), it.value().linkType});
    const devicestatus::DongleDecision d =
        devicestatus::decideDongleStatus(is24GValid, strCurrentHidPath, card != nullptr, currentPath,
                                         attached, dongleStates, currentLink != nullptr);

    if (card) {
        hidStructInfoAll record = attachedRecords.value(strCurrentHidPath, card->deviceRecord());
        record.online = d.online ? 1 : 0;
        card->setDeviceInfo(record);
        if (d.dropCurrent) {
            if (keyboardView)
                keyboardView->setLightView(false);
            stopLightEngine();
            cards->forgetCurrent();
            currentLink = nullptr;
        }
        if (!d.openPath.isEmpty() && attachedRecords.contains(d.openPath)) {
            // A receiver's stored record says offline until now; its keyboard is reachable, so it
            // is opened as online, and its card says so too.
            hidStructInfoAll open = attachedRecords.value(d.openPath);
            open.online = 1;
            if (DDeviceListItem *openCard = cards->value(d.openPath))
                openCard->setDeviceInfo(open);
            onHidItemMouseClicked(open);
            if (d.requery && currentLink)
                currentLink->requeryLightConfig();
        }
        if (d.showKeyboardPage)
            ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);
        if (d.showNoKeyboardPage) {
            ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
            emit sigReturnHidLikeName(QStringLiteral("HID"), QStringLiteral("RGB"));
        }
    }
    onUpdateDeviceListShow();
}

void DDevicePage::onUpdateDeviceListShow()
{
    const DDeviceListItem *shown = cards->current();
    const QString currentPath = shown ? pathOf(shown->deviceRecord()) : QString();
    QList<devicestatus::CardEntry> entries;
    QMap<QString, hidStructInfoAll> records;
    for (auto it = cards->cards().cbegin(); it != cards->cards().cend(); ++it) {
        const hidStructInfoAll r = it.value()->deviceRecord();
        entries.append({it.key(), r.online == 1, r.linkType});
        records.insert(it.key(), r);
    }
    const QString currentKey = shown ? cards->keyOf(cards->current()) : QString();
    const QList<QString> order = devicestatus::orderCards(currentKey, entries);

    cards->clear();
    attachedRecords.clear();

    DDeviceListItem *current = nullptr;
    for (const QString &key : order) {
        const hidStructInfoAll r = records.value(key);
        const QString path = pathOf(r);
        const bool attached = r.online == 1 || r.linkType == 1;
        DDeviceListItem *card = cards->append(attached ? path : modelOf(r), r);
        if (attached)
            attachedRecords.insert(path, r);
        if (!currentPath.isEmpty() && path == currentPath)
            current = card;
    }
    cards->select(current);
    qDebug() << "-------------------- *** [ 2.4G loading hid list over ] *** -------------------";
}

void DDevicePage::onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName)
{
    Q_UNUSED(strCurrentHidPath)
    Q_UNUSED(strHidName)
}

void DDevicePage::onSleepTimeSetSuccessful()
{
    sleepTimeAcked = true;
}

void DDevicePage::onQN9080Recv0x0bCmd(int recvNum)
{
    Q_UNUSED(recvNum)
}

void DDevicePage::onTheKeyboardModeChanged(int mode)
{
    if (keyboardView)
        keyboardView->setPictureVariant(mode);
}

void DDevicePage::onLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime,
                                              int prohibitSleepStatus)
{
    const devicestatus::SleepCheck check = devicestatus::checkSleepTimes(lightSleepTime, keyboardSleepTime);
    if (check != devicestatus::SleepCheck::Accepted) {
        notice->showNotice(translated(devicestatus::sleepRefusalText(check)), noticeAnchor());
        return;
    }
    if (!currentLink)
        return;

    sleepTimeAcked = false;
    QPointer<DDeviceKeyboardLink> link(currentLink);
    QPointer<DDevicePage> self(this);
    link->setSleepTimes(lightSleepTime, keyboardSleepTime, prohibitSleepStatus);

    // Other slots run during the wait; the keyboard may be switched or removed meanwhile.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(link.data(), &DDeviceKeyboardLink::sigSleepTimeSetSuccessful, &loop, &QEventLoop::quit);
    connect(link.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    waitTimer.start();
    timeout.start(devicestatus::kSleepAckWaitMs);
    if (!sleepTimeAcked)
        loop.exec();
    if (!self)
        return;
    if (link.isNull() || link != currentLink) {
        qDebug() << "[Sleep time] the keyboard changed during the wait; nothing stored";
        return;
    }

    bool stored = false;
    if (sleepTimeAcked) {
        DDataManager::getInstance()->setProhibitSleepStatus(prohibitSleepStatus);
        const QByteArray path = QFile::encodeName(link->profileXmlPath());
        const QByteArray index = QByteArray::number(link->profileIndex());
        stored = CQuelmoXML_SetProFileIntoSleepTimeInfo(path.constData(), index.constData(), lightSleepTime,
                                                        keyboardSleepTime / 60);
    }
    notice->showNotice(translated(stored ? "Sleep time has been set" : "Sleep time set failed"),
                       noticeAnchor());
}

void DDevicePage::onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4)
{
    if (currentLink)
        currentLink->setWinLock(feature1, feature2, feature3, feature4);
}

void DDevicePage::setCurrentLink(DDeviceKeyboardLink *link)
{
    currentLink = link;
    currentSerial = link ? link->currentSN() : QString();
}
