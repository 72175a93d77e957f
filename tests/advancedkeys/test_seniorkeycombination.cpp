#include "seniorkeycombination.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QMap<int, QString> kNames{{4, QStringLiteral("A")},
                                {224, QStringLiteral("L_Ctrl")},
                                {225, QStringLiteral("L_Shift")},
                                {226, QStringLiteral("L_Alt")},
                                {231, QStringLiteral("R_Win")}};

constexpr int A = 4, LCTRL = 224, LSHIFT = 225, LALT = 226, RWIN = 231, UNKNOWN = 500;

TEST(SeniorKeyCombination, ClickSequences)
{
    const struct
    {
        const char *what;
        std::vector<int> clicks;
        const char *shown; // the slot text after every click, "|" between them
        const char *stored;
    } cases[] = {
        {"two modifiers and a key", {LCTRL, LSHIFT, A}, "L_CTRL|L_CTRL+L_SHIFT|L_CTRL+L_SHIFT+A", "3,4"},
        {"a key first is ignored", {A, LCTRL, A}, "|L_CTRL|L_CTRL+A", "1,4"},
        {"a third modifier is ignored",
         {LCTRL, LSHIFT, LALT, A},
         "L_CTRL|L_CTRL+L_SHIFT|L_CTRL+L_SHIFT|L_CTRL+L_SHIFT+A",
         "3,4"},
        {"a repeated modifier is ignored", {LCTRL, LCTRL, A}, "L_CTRL|L_CTRL|L_CTRL+A", "1,4"},
        {"an unknown key stores nothing", {RWIN, UNKNOWN}, "R_WIN|R_WIN", ""},
        {"the mask follows the bits, not the click order",
         {LSHIFT, LCTRL, A},
         "L_SHIFT|L_SHIFT+L_CTRL|L_SHIFT+L_CTRL+A",
         "3,4"},
        {"right Win alone with a key", {RWIN, A}, "R_WIN|R_WIN+A", "128,4"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        SeniorKeyCombination b;
        QStringList shown;
        QString stored;
        for (int usage : c.clicks) {
            if (b.add(usage, kNames) == SeniorKeyCombination::Step::Completed)
                stored = b.storedText();
            shown << b.shownText();
        }
        EXPECT_EQ(shown.join(QLatin1Char('|')), QLatin1String(c.shown));
        EXPECT_EQ(stored, QLatin1String(c.stored));
        EXPECT_FALSE(b.isActive());
    }
}

TEST(SeniorKeyCombination, ANewCombinationStartsAfterEveryEnd)
{
    SeniorKeyCombination b;
    EXPECT_EQ(b.add(RWIN, kNames), SeniorKeyCombination::Step::Grown);
    EXPECT_EQ(b.add(UNKNOWN, kNames), SeniorKeyCombination::Step::Abandoned);
    // The next click starts afresh: the right Win of the abandoned one is gone.
    EXPECT_EQ(b.add(LCTRL, kNames), SeniorKeyCombination::Step::Grown);
    EXPECT_EQ(b.shownText(), QStringLiteral("L_CTRL"));
    ASSERT_EQ(b.add(A, kNames), SeniorKeyCombination::Step::Completed);
    EXPECT_EQ(b.storedText(), QStringLiteral("1,4"));
    EXPECT_EQ(b.add(LALT, kNames), SeniorKeyCombination::Step::Grown);
    EXPECT_EQ(b.shownText(), QStringLiteral("L_ALT"));
    EXPECT_TRUE(b.storedText().isEmpty());
    b.reset();
    EXPECT_FALSE(b.isActive());
    EXPECT_EQ(b.add(A, kNames), SeniorKeyCombination::Step::Ignored);
}

TEST(SeniorKeyCombination, ModifierBits)
{
    for (int usage = 224; usage <= 231; ++usage)
        EXPECT_EQ(SeniorKeyCombination::modifierBit(usage), 1 << (usage - 224)) << usage;
    for (int usage : {0, 4, 223, 232, 500})
        EXPECT_EQ(SeniorKeyCombination::modifierBit(usage), 0) << usage;
}

} // namespace
