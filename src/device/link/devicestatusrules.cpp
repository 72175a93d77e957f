#include "devicestatusrules.h"

#include "modelcatalogue.h"

namespace devicestatus {

namespace {
constexpr int kMinKeyboardSleep = 300;
constexpr int kMaxSleepField = 0xffff; // two bytes in the report
} // namespace

bool acceptStatusReport(int keyboardMode, int is24GValid, const QString &serial, const QString &currentSerial)
{
    if (keyboardMode == 1 && is24GValid == 1)
        return false;
    return serial == currentSerial;
}

BatteryView batteryView(int chargingStatus, int electricity, int keyboardMode, bool animationRunning)
{
    BatteryView v;
    v.modeText = keyboardMode == 0 ? QStringLiteral("USB") : QStringLiteral("2.4G");
    if (chargingStatus == 2)
        electricity = 100; // full
    if (chargingStatus == 1) {
        v.chargingMark = true;
        v.percentVisible = false;
        v.animate = true;
        v.restartCounter = !animationRunning;
        return v;
    }
    v.chargingMark = chargingStatus == 2;
    v.percentVisible = true;
    v.level = electricity;
    return v;
}

bool hasBattery(const QString &modelKey)
{
    const ModelInfo *model = ModelCatalogue::instance().find(modelKey);
    return model && model->link(LinkType::Receiver);
}

int nextBatteryCounter(int counter)
{
    return counter >= 99 ? 0 : counter + 1;
}

SleepCheck checkSleepTimes(int light, int keyboard)
{
    if (light > keyboard)
        return SleepCheck::LightLongerThanKeyboard;
    if (keyboard < kMinKeyboardSleep)
        return SleepCheck::KeyboardTooShort;
    if (light < 0 || keyboard > kMaxSleepField)
        return SleepCheck::CannotBeSent;
    return SleepCheck::Accepted;
}

const char *sleepRefusalText(SleepCheck check)
{
    switch (check) {
    case SleepCheck::LightLongerThanKeyboard:
        return "The time when the light enters sleep cannot be longer than the keyboard enters sleep";
    case SleepCheck::KeyboardTooShort:
        return "Keyboard enters sleep time is too short";
    case SleepCheck::CannotBeSent:
        return "Sleep time set failed";
    case SleepCheck::Accepted:
        break;
    }
    return "";
}

DongleDecision decideDongleStatus(int status, const QString &path, bool hasCard, const QString &currentPath,
                                  const QList<AttachedKeyboard> &attached,
                                  const QMap<QString, int> &dongleStates, bool currentOpen)
{
    DongleDecision d;
    d.hasCard = hasCard;
    if (!hasCard)
        return d;
    if (status == 1) {
        d.online = false;
        if (currentPath.isEmpty() || currentPath != path)
            return d;
        d.dropCurrent = true;
        for (const AttachedKeyboard &k : attached) {
            // A receiver that never reported (a second one of its model) counts as reachable.
            if (k.linkType == 0 || (k.linkType == 1 && dongleStates.value(k.path, 0) == 0)) {
                d.openPath = k.path;
                break;
            }
        }
        d.showNoKeyboardPage = d.openPath.isEmpty();
        return d;
    }
    d.online = true;
    if ((currentPath.isEmpty() || !currentOpen) && dongleStates.value(path, 0) == 0) {
        d.openPath = path;
        d.requery = true;
        d.showKeyboardPage = true;
    }
    return d;
}

QList<QString> orderCards(const QString &currentKey, const QList<CardEntry> &cards)
{
    QList<QString> first, cables, receivers, rest;
    for (const CardEntry &c : cards) {
        if (!currentKey.isEmpty() && c.key == currentKey) {
            first << c.key;
        } else if (c.online) {
            (c.linkType == 0 ? cables : receivers) << c.key;
        } else {
            (c.linkType == 1 ? receivers : rest) << c.key;
        }
    }
    return first + cables + receivers + rest;
}

bool winLockSwitchOn(const char *text)
{
    return text && QByteArray(text).trimmed().toInt() != 0;
}

} // namespace devicestatus
