// The editor's rules without widgets: theme colours, column widths, marks and press counts.
#include "macroeditorrules.h"
#include "macrostorefixture.h"

#include <gtest/gtest.h>

using namespace macroeditor;

struct ColourCase
{
    const char *entry;
    int alpha;
    QColor expected;
};

class ThemeColour : public ::testing::TestWithParam<ColourCase>
{
};

TEST_P(ThemeColour, TakesThreeComponentsAndTheGivenAlpha)
{
    EXPECT_EQ(themeColor(QString::fromLatin1(GetParam().entry), GetParam().alpha), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Entries, ThemeColour,
                         ::testing::Values(ColourCase{"34,34,58", 200, QColor(34, 34, 58, 200)},
                                           ColourCase{"34,34,58,120", 200, QColor(34, 34, 58, 200)},
                                           ColourCase{"34,34", 255, QColor(34, 34, 0, 255)},
                                           ColourCase{"x, 7 ,y", 255, QColor(0, 7, 0, 255)},
                                           ColourCase{"", 200, QColor(0, 0, 0, 200)},
                                           ColourCase{"300,-4,9", 255, QColor(255, 0, 9, 255)}));

TEST(ColumnCaps, ThreeFourAndThreeTenthsOfTheWholeTenths)
{
    const struct
    {
        int width;
        int left, center, right;
    } cases[] = {{1050, 315, 420, 315}, {1049, 312, 416, 312}, {9, 0, 0, 0}, {0, 0, 0, 0}, {-20, 0, 0, 0}};
    for (const auto &c : cases) {
        const ColumnCaps caps = columnCaps(c.width);
        EXPECT_EQ(caps.left, c.left) << c.width;
        EXPECT_EQ(caps.center, c.center) << c.width;
        EXPECT_EQ(caps.right, c.right) << c.width;
    }
}

TEST(MacroEvents, NextMarkFollowsTheHighestMark)
{
    const auto marks = [](std::initializer_list<int> list) {
        QList<MacroEventRecord> events;
        for (int m : list)
            events.append(MacroStoreFile::event(m, 0, "key", 4, "A", "down"));
        return events;
    };
    EXPECT_EQ(nextMarkAfter({}), 0);
    EXPECT_EQ(nextMarkAfter(marks({1, 2, 7})), 8);
    EXPECT_EQ(nextMarkAfter(marks({7, 2, 1})), 8) << "order does not matter";
    EXPECT_EQ(nextMarkAfter(marks({0})), 1);
}

TEST(MacroEvents, PressesCountKeyAndMouseDowns)
{
    QList<MacroEventRecord> events;
    for (int i = 1; i <= 3; ++i)
        events += MacroStoreFile::press(i, "key", 3 + i, "K", 0, 10);
    events += MacroStoreFile::press(4, "mouse", 513, "Left Click", 0, 10);
    events += MacroStoreFile::press(5, "mouse", 516, "Right Click", 0, 10);
    EXPECT_EQ(downCount(events), 5);
    EXPECT_EQ(downCount({}), 0);
}

TEST(MacroEvents, DecodesTextsAndReadsBadNumbersAsZero)
{
    MacroEventRecord r = MacroStoreFile::event(3, 120, "key", 4, "Ä", "up");
    macroeditor::MacroEvent e = decodeEvent(r);
    EXPECT_EQ(e.mark, QStringLiteral("3"));
    EXPECT_EQ(e.delay, 120);
    EXPECT_EQ(e.type, QStringLiteral("key"));
    EXPECT_EQ(e.keyCode, 4);
    EXPECT_EQ(e.codeName, QStringLiteral("Ä"));
    EXPECT_EQ(e.operateExplain, QStringLiteral("up"));

    fixedtext::copy(r.delay, "fast");
    fixedtext::copy(r.keyCode, "-1");
    e = decodeEvent(r);
    EXPECT_EQ(e.delay, 0);
    EXPECT_EQ(e.keyCode, -1);
}

TEST(MacroRecordRules, HookKeysAreRemappedBeforeTheLookup)
{
    const struct
    {
        int vk, scan, flag, hookFlag;
        int code;
        bool press;
    } cases[] = {
        {13, 0x1C, 1, 0x00, 999, true},  {13, 0x1C, 1, 0x01, 998, true},   {13, 0x1C, 0, 0x80, 999, false},
        {13, 0x1C, 0, 0x81, 998, false}, {13, 0x1C, 1, 0x20, 999, true}, // Alt+Enter is still Enter
        {13, 0x1C, 1, 0x10, 999, true},                                  // an injected Enter too
        {255, 0x7D, 1, 0x00, 981, true}, {255, 0x79, 0, 0x80, 987, false}, {255, 0x70, 1, 0x00, 988, true},
        {255, 0x55, 1, 0x00, 255, true}, {193, 0x73, 1, 0x00, 984, true},  {235, 0x7B, 0, 0x80, 986, false},
        {36, 0x47, 1, 0x00, 103, true}, // Home on the keypad, Num Lock off: keypad 7
        {36, 0x47, 1, 0x01, 36, true},  // the Home key itself
        {46, 0x53, 0, 0xA0, 110, false}, {45, 0x52, 1, 0x20, 96, true},    {65, 0x1E, 1, 0x00, 65, true},
        {65, 0x1E, 0, 0x80, 65, false},
    };
    for (const auto &c : cases) {
        const RemappedKey key = remapKey(c.vk, c.scan, c.flag, c.hookFlag);
        EXPECT_EQ(key.code, c.code) << c.vk << " " << c.hookFlag;
        EXPECT_EQ(key.press, c.press) << c.vk << " " << c.hookFlag;
    }
}

TEST(MacroRecordRules, TheDelayModeDecidesTheStoredDelay)
{
    const struct
    {
        int mode;
        qint64 measured;
        const char *field;
        int stored;
    } cases[] = {{RecordedDelay, 0, "500", 0},      {RecordedDelay, 120, "", 120},
                 {RecordedDelay, 70000, "", 65535}, {NoDelay, 120, "500", 0},
                 {DefaultDelay, 120, "500", 500},   {DefaultDelay, 120, "", 0},
                 {DefaultDelay, 0, "abc", 0},       {DefaultDelay, 0, "99999", 65535}};
    for (const auto &c : cases)
        EXPECT_EQ(storedDelay(c.mode, c.measured, QString::fromLatin1(c.field)), c.stored)
            << c.mode << c.field;
    EXPECT_EQ(tickDifference(5, 0xFFFFFFF0u), 21u) << "the tick count wrapped";
}

TEST(MacroRecordRules, APressNeedsRoomForItsOwnReleaseAndThoseStillHeld)
{
    EXPECT_TRUE(pressFits(38, 0));
    EXPECT_FALSE(pressFits(39, 0));
    EXPECT_FALSE(pressFits(37, 2)) << "two held presses reserve two rows";
    EXPECT_TRUE(pressFits(36, 2));
}
