#include "devicestatusrules.h"

#include <gtest/gtest.h>

using namespace devicestatus;

namespace {

TEST(DeviceStatusRules, StatusReportsOfOtherKeyboardsOrALostReceiverAreIgnored)
{
    struct Case
    {
        int mode, dongle;
        const char *serial;
        bool accepted;
    };
    const Case cases[] = {
        {0, 0, "SN1", true},  {1, 0, "SN1", true},  {0, 1, "SN1", true},
        {1, 1, "SN1", false}, {0, 0, "SN2", false}, {0, 0, "", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(acceptStatusReport(c.mode, c.dongle, QString::fromLatin1(c.serial), "SN1"), c.accepted)
            << c.mode << " " << c.dongle << " " << c.serial;
}

TEST(DeviceStatusRules, BatteryWidgetsFollowTheChargingStatus)
{
    struct Case
    {
        int charging, electricity, mode;
        bool running;
        bool mark, percent, animate, restart;
        int level;
        const char *modeText;
    };
    const Case cases[] = {
        {0, 37, 0, false, false, true, false, false, 37, "USB"},
        {0, 37, 1, true, false, true, false, false, 37, "2.4G"}, // stops a running animation
        {1, 37, 0, false, true, false, true, true, -1, "USB"},
        {1, 40, 1, true, true, false, true, false, -1, "2.4G"}, // keeps its counter
        {2, 37, 0, true, true, true, false, false, 100, "USB"}, // full forces 100
        {3, 55, 2, false, false, true, false, false, 55, "2.4G"},
    };
    for (const Case &c : cases) {
        const BatteryView v = batteryView(c.charging, c.electricity, c.mode, c.running);
        SCOPED_TRACE(testing::Message() << "charging " << c.charging << " running " << c.running);
        EXPECT_EQ(v.chargingMark, c.mark);
        EXPECT_EQ(v.percentVisible, c.percent);
        EXPECT_EQ(v.animate, c.animate);
        EXPECT_EQ(v.restartCounter, c.restart);
        EXPECT_EQ(v.level, c.level);
        EXPECT_EQ(v.modeText, QString::fromLatin1(c.modeText));
    }
    EXPECT_EQ(nextBatteryCounter(0), 1);
    EXPECT_EQ(nextBatteryCounter(98), 99);
    EXPECT_EQ(nextBatteryCounter(99), 0);
}

TEST(DeviceStatusRules, SleepTimesThatCannotApplyOrBeSentAreRefused)
{
    struct Case
    {
        int light, keyboard;
        SleepCheck check;
    };
    const Case cases[] = {
        {600, 300, SleepCheck::LightLongerThanKeyboard},
        {300, 299, SleepCheck::LightLongerThanKeyboard}, // the light check comes first
        {200, 299, SleepCheck::KeyboardTooShort},
        {0, 0, SleepCheck::KeyboardTooShort},
        {-5, -1, SleepCheck::KeyboardTooShort},
        {60, 600, SleepCheck::Accepted},
        {300, 300, SleepCheck::Accepted},
        {0, 65535, SleepCheck::Accepted},
        {60, 65536, SleepCheck::CannotBeSent}, // would wrap to 0 in the two-byte field
        {70000, 70000, SleepCheck::CannotBeSent},
        {-1, 600, SleepCheck::CannotBeSent},
    };
    for (const Case &c : cases)
        EXPECT_EQ(checkSleepTimes(c.light, c.keyboard), c.check) << c.light << "/" << c.keyboard;
    EXPECT_STREQ(sleepRefusalText(SleepCheck::LightLongerThanKeyboard),
                 "The time when the light enters sleep cannot be longer than the keyboard enters sleep");
    EXPECT_STREQ(sleepRefusalText(SleepCheck::KeyboardTooShort), "Keyboard enters sleep time is too short");
    EXPECT_STREQ(sleepRefusalText(SleepCheck::CannotBeSent), "Sleep time set failed");
}

TEST(DeviceStatusRules, ReceiverLosingOrReachingTheKeyboardSwitchesTheShownKeyboard)
{
    const QString rx = "/rx", rx2 = "/rx2", cable = "/cable";
    struct Case
    {
        const char *name;
        int status;
        QString path, current;
        QList<AttachedKeyboard> attached;
        QMap<QString, int> dongles;
        bool online, drop;
        QString open;
        bool requery, keyboardPage, noKeyboardPage;
    };
    const Case cases[] = {
        {"lost current, a cable attached",
         1,
         rx,
         rx,
         {{rx, 1}, {cable, 0}},
         {{rx, 1}},
         false,
         true,
         cable,
         false,
         false,
         false},
        {"lost current, a reachable receiver before a cable",
         1,
         rx,
         rx,
         {{rx, 1}, {rx2, 1}, {cable, 0}},
         {{rx, 1}, {rx2, 0}},
         false,
         true,
         rx2,
         false,
         false,
         false},
        {"lost current, a receiver without a stored status before a cable",
         1,
         rx,
         rx,
         {{rx, 1}, {rx2, 1}, {cable, 0}},
         {{rx, 1}},
         false,
         true,
         rx2,
         false,
         false,
         false},
        {"lost current, only unreachable receivers",
         1,
         rx,
         rx,
         {{rx, 1}, {rx2, 1}},
         {{rx, 1}, {rx2, 1}},
         false,
         true,
         QString(),
         false,
         false,
         true},
        {"lost current, nothing attached",
         1,
         rx,
         rx,
         {},
         {{rx, 1}},
         false,
         true,
         QString(),
         false,
         false,
         true},
        {"lost another keyboard",
         1,
         rx2,
         cable,
         {{cable, 0}, {rx2, 1}},
         {{rx2, 1}},
         false,
         false,
         QString(),
         false,
         false,
         false},
        {"reached, none shown", 0, rx, QString(), {{rx, 1}}, {{rx, 0}}, true, false, rx, true, true, false},
        {"reached, another shown",
         0,
         rx,
         cable,
         {{cable, 0}, {rx, 1}},
         {{rx, 0}},
         true,
         false,
         QString(),
         false,
         false,
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const DongleDecision d = decideDongleStatus(c.status, c.path, true, c.current, c.attached, c.dongles);
        EXPECT_TRUE(d.hasCard);
        EXPECT_EQ(d.online, c.online);
        EXPECT_EQ(d.dropCurrent, c.drop);
        EXPECT_EQ(d.openPath, c.open);
        EXPECT_EQ(d.requery, c.requery);
        EXPECT_EQ(d.showKeyboardPage, c.keyboardPage);
        EXPECT_EQ(d.showNoKeyboardPage, c.noKeyboardPage);
    }
    // A current card whose link is gone counts as no keyboard shown when the receiver comes back.
    const DongleDecision back =
        decideDongleStatus(0, rx, true, cable, {{cable, 0}, {rx, 1}}, {{rx, 0}}, false);
    EXPECT_EQ(back.openPath, rx);
    EXPECT_TRUE(back.requery);

    // A path without a card changes nothing but the stored receiver status.
    const DongleDecision none = decideDongleStatus(1, rx, false, rx, {{cable, 0}}, {{rx, 1}});
    EXPECT_FALSE(none.dropCurrent);
    EXPECT_TRUE(none.openPath.isEmpty());
}

TEST(DeviceStatusRules, CardOrderPutsTheCurrentKeyboardFirst)
{
    const QList<CardEntry> cards = {
        {"TL68HE", false, 0}, // offline cable entry, keyed by model
        {"/a-rx", true, 1},   {"/b-cable", true, 0}, {"/c-rx-off", false, 1}, {"/d-cable", true, 0},
    };
    EXPECT_EQ(orderCards("/d-cable", cards),
              (QList<QString>{"/d-cable", "/b-cable", "/a-rx", "/c-rx-off", "TL68HE"}));
    EXPECT_EQ(orderCards(QString(), cards),
              (QList<QString>{"/b-cable", "/d-cable", "/a-rx", "/c-rx-off", "TL68HE"}));
}

} // namespace

namespace {

// The page shows a stored switch as checked exactly when the link enforces it.
TEST(WinLockSwitch, AnyNonZeroNumberDisables)
{
    const struct
    {
        const char *text;
        bool on;
    } cases[] = {{"0", false}, {"1", true},  {"2", true},     {" 1", true},
                 {"", false},  {"x", false}, {nullptr, false}};
    for (const auto &c : cases)
        EXPECT_EQ(devicestatus::winLockSwitchOn(c.text), c.on) << (c.text ? c.text : "(null)");
}

} // namespace
