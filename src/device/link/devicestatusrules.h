#pragma once

#include <QList>
#include <QMap>
#include <QString>

// The device page's decisions on keyboard status, sleep times and the receiver, kept apart from
// the widgets so that each rule can be checked on its own.
namespace devicestatus {

// A status report is shown only for the current keyboard, and not while its receiver has lost it.
bool acceptStatusReport(int keyboardMode, int is24GValid, const QString &serial,
                        const QString &currentSerial);

// What the battery widgets show for one status report.
struct BatteryView
{
    bool chargingMark = false;
    bool percentVisible = true;
    bool animate = false;        // the 50 ms fill animation runs
    bool restartCounter = false; // it was not running: start it from 0
    int level = -1;              // the gauge's level; -1 leaves it to the animation
    QString modeText;            // "USB" or "2.4G"
};
BatteryView batteryView(int chargingStatus, int electricity, int keyboardMode, bool animationRunning);
// Whether a keyboard of this model has a battery to show: only models that also work without a
// cable (through a receiver) have one. A cabled-only keyboard's status carries no real reading.
bool hasBattery(const QString &modelKey);

// The animation's next gauge value: 0 to 99, then 0 again.
int nextBatteryCounter(int counter);

enum class SleepCheck
{
    Accepted,
    LightLongerThanKeyboard,
    KeyboardTooShort,
    CannotBeSent // outside what the report's two-byte fields carry
};
SleepCheck checkSleepTimes(int light, int keyboard);
// The toast for a refusal (untranslated); empty for Accepted.
const char *sleepRefusalText(SleepCheck check);
constexpr int kSleepAckWaitMs = 1400;

// A Win-lock switch as a profile stores it: any non-zero number disables the combination.
bool winLockSwitchOn(const char *text);

// An attached keyboard as the receiver handling sees it.
struct AttachedKeyboard
{
    QString path;
    int linkType = 0; // 0 cable, 1 receiver
};

// What the page does when a receiver reports its keyboard lost (status 1) or reachable again.
struct DongleDecision
{
    bool hasCard = false;     // the path has a card to update
    bool online = false;      // the card's record goes online (true) or offline (false)
    bool dropCurrent = false; // the current keyboard went away: light view off, engine stopped
    QString openPath;         // the keyboard to open now; empty for none
    bool requery = false;     // ask the opened keyboard for its light configuration again
    bool showKeyboardPage = false;
    bool showNoKeyboardPage = false; // and tell the window no keyboard is shown
};
// `attached` in key order; `dongleStates` already holds the new status of `path`. `currentPath` is
// the current card's path; `currentOpen` is false when that card has no link.
DongleDecision decideDongleStatus(int status, const QString &path, bool hasCard, const QString &currentPath,
                                  const QList<AttachedKeyboard> &attached,
                                  const QMap<QString, int> &dongleStates, bool currentOpen = true);

// One card for the card order: the current one first, then online cables, then receivers (online,
// or offline with a receiver record), then the rest.
struct CardEntry
{
    QString key;
    bool online = false;
    int linkType = 0;
};
QList<QString> orderCards(const QString &currentKey, const QList<CardEntry> &cards);

} // namespace devicestatus
