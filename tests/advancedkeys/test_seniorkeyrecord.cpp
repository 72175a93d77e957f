#include "seniorkeyrecord.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

struct NextCase
{
    const char *what;
    QList<int> stored;
    QList<int> bound;
    int expected;
};

TEST(SeniorKeyRecord, NextIndex)
{
    QList<int> thirtyNine, forty;
    for (int i = 1; i <= 40; ++i) {
        forty << i;
        if (i < 40)
            thirtyNine << i;
    }
    const NextCase cases[] = {
        {"empty store", {}, {}, 1},
        {"highest plus one, gaps stay free", {1, 2, 7}, {}, 8},
        {"store order does not matter", {7, 1, 2}, {}, 8},
        {"after deleting 7 and 8", {1, 2}, {}, 3},
        {"39 records: one more", thirtyNine, {}, 40},
        {"40 records: refused", forty, {}, seniorkey::kNoIndex},
        {"a key still bound to deleted 8", {1, 2, 7}, {8}, 9},
        {"bindings below the highest change nothing", {1, 2, 7}, {2, 5}, 8},
        {"bound key on an empty store", {}, {3}, 4},
    };
    for (const NextCase &c : cases) {
        QList<SeniorKeyInfoStu> list;
        for (int i : c.stored)
            list << seniorkey::defaultRecord(i, SeniorKeyMT);
        const QSet<int> bound(c.bound.begin(), c.bound.end());
        EXPECT_EQ(seniorkey::nextIndex(list, bound), c.expected) << c.what;
    }
}

TEST(SeniorKeyRecord, DefaultsAreTheSameForEveryKind)
{
    const struct
    {
        int type;
        int index;
        const char *name;
    } cases[] = {{SeniorKeyDKS, 1, "DKS1"}, {SeniorKeyMT, 7, "MT7"}, {SeniorKeyTGL, 12, "TGL12"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SeniorKeyInfoStu r = seniorkey::defaultRecord(c.index, c.type);
        EXPECT_EQ(r.index, c.index);
        EXPECT_EQ(r.type, c.type);
        EXPECT_STREQ(r.name, c.name);
        for (const char *k : {r.K1, r.K2, r.K3, r.K4})
            EXPECT_STREQ(k, "");
        for (int g : r.grid)
            EXPECT_EQ(g, 0);
        EXPECT_EQ(r.stroke[0], 15);
        EXPECT_EQ(r.stroke[1], 36);
        EXPECT_EQ(r.stroke[2], 36);
        EXPECT_EQ(r.stroke[3], 15);
        EXPECT_EQ(r.ValueTime, 150);
        EXPECT_EQ(r.tglFlag, 0);
    }
}

TEST(SeniorKeyRecord, BoundKeyDisplayText)
{
    const QMap<int, QString> map{{4, QStringLiteral("A")},
                                 {5, QStringLiteral("B")},
                                 {224, QStringLiteral("LCtrl")},
                                 {52, QStringLiteral("' \"")}};
    const struct
    {
        const char *text;
        const char *expected;
    } cases[] = {
        {"", ""},
        {"4", "A"},
        {"224", "LCtrl"}, // a modifier bound on its own shows its catalogue label
        {"3,4", "L_CTRL+L_SHIFT+A"},
        {"128,5", "R_WIN+B"},
        {"17,4", "L_CTRL+R_CTRL+A"},
        {"99", ""},          // usage not in the map
        {"2,99", "L_SHIFT"}, // combination without a label: modifiers only
        {"256,4", "A"},      // only the eight mask bits count
        {"0,4", "A"},
        {"52", "' \""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(seniorkey::boundKeyText(QString::fromLatin1(c.text), map), QString::fromUtf8(c.expected))
            << c.text;
}

TEST(SeniorKeyRecord, FieldTextStopsAtTheFieldEnd)
{
    char field[4] = {'a', 'b', 'c', 'd'}; // no terminator
    EXPECT_EQ(seniorkey::fieldText(field), QStringLiteral("abcd"));
    const char utf8[16] = "\xc3\xa9t\xc3\xa9";
    EXPECT_EQ(seniorkey::fieldText(utf8), QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
}

} // namespace
