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
