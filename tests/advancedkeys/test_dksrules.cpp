#include "dksrules.h"

#include <gtest/gtest.h>

namespace {

using dks::Row;

std::string str(const Row &r)
{
    return std::to_string(r[0]) + "," + std::to_string(r[1]) + "," + std::to_string(r[2]) + "," +
           std::to_string(r[3]);
}

struct RemovalCase
{
    Row before;
    int column;
    Row after;
};

TEST(DksRules, RemovalTable)
{
    const RemovalCase cases[] = {
        // one bar over three segments goes whole, from any of them
        {{2, 2, 2, 1}, 0, {0, 0, 0, 1}},
        {{2, 2, 2, 1}, 1, {0, 0, 0, 1}},
        {{2, 2, 2, 1}, 2, {0, 0, 0, 1}},
        // a two-segment bar followed by its own hold
        {{2, 2, 3, 1}, 0, {0, 0, 2, 1}},
        {{2, 2, 3, 1}, 1, {0, 0, 2, 1}},
        {{2, 2, 3, 0}, 2, {2, 2, 0, 0}},
        // a one-segment bar followed by a two-segment one
        {{2, 3, 2, 1}, 0, {0, 2, 2, 1}},
        {{2, 3, 2, 1}, 1, {2, 0, 0, 1}},
        {{2, 3, 2, 1}, 2, {2, 0, 0, 1}},
        // three separate holds
        {{2, 3, 3, 1}, 0, {0, 2, 3, 1}},
        {{2, 3, 3, 1}, 1, {2, 0, 2, 1}},
        {{2, 3, 3, 1}, 2, {2, 3, 0, 1}},
        // a two-segment bar ending on a point without a hold
        {{2, 2, 1, 0}, 0, {0, 0, 1, 0}},
        {{2, 2, 0, 1}, 1, {0, 0, 0, 1}},
        // a bar from point 1
        {{1, 2, 2, 1}, 1, {1, 0, 0, 1}},
        {{0, 3, 2, 1}, 2, {0, 0, 0, 1}},
        // single segments
        {{2, 1, 0, 0}, 0, {0, 1, 0, 0}},
        {{2, 3, 1, 0}, 0, {0, 2, 1, 0}}, // the 3 no longer follows a hold
        {{0, 2, 3, 1}, 1, {0, 0, 2, 1}},
        {{1, 2, 1, 0}, 1, {1, 0, 1, 0}},
        {{1, 0, 3, 0}, 2, {1, 0, 0, 0}},
        // not covered by the rules: the row stays
        {{2, 3, 1, 2}, 3, {2, 3, 1, 2}},
        {{3, 0, 0, 0}, 0, {3, 0, 0, 0}},
    };
    for (const RemovalCase &c : cases)
        EXPECT_EQ(str(dks::removeBar(c.before, c.column)), str(c.after))
            << "row " << str(c.before) << " pressed at " << c.column;
}

TEST(DksRules, JoinRules)
{
    using Bars = QVector<dks::Bar>;
    const struct
    {
        Row row;
        Bars bars;
    } cases[] = {
        {{0, 0, 0, 0}, {}},
        {{2, 2, 2, 1}, {{0, 3}}},
        {{2, 2, 3, 1}, {{0, 2}, {2, 1}}},
        {{2, 3, 2, 1}, {{0, 1}, {1, 2}}},
        {{2, 3, 3, 1}, {{0, 1}, {1, 1}, {2, 1}}},
        {{1, 2, 2, 1}, {{1, 2}}},
        {{1, 3, 2, 1}, {{1, 2}}},
        {{3, 2, 0, 0}, {{0, 1}, {1, 1}}}, // 3 never joins on from the left
        {{2, 0, 2, 1}, {{0, 1}, {2, 1}}},
        {{7, 2, 0, 2}, {{1, 1}}}, // unknown codes and column 3 are no segments
    };
    for (const auto &c : cases)
        EXPECT_EQ(dks::rowBars(c.row), c.bars) << str(c.row);
}

TEST(DksRules, StretchReachesTheFirstOccupiedPoint)
{
    const struct
    {
        Row row;
        int column;
        int segments;
    } cases[] = {
        {{1, 0, 0, 0}, 0, 3}, {{1, 1, 0, 0}, 0, 1}, {{1, 0, 2, 0}, 0, 2},
        {{0, 1, 0, 0}, 1, 2}, {{0, 0, 1, 0}, 2, 1}, {{1, 0, 0, 1}, 0, 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dks::maxSegments(c.row, c.column), c.segments) << str(c.row) << " from " << c.column;
}

struct BandCase
{
    Row before;
    int column;
    int band;
    Row after;
};

TEST(DksRules, GrowingBands)
{
    const BandCase cases[] = {
        {{1, 0, 0, 0}, 0, 1, {2, 0, 0, 0}},
        {{1, 2, 0, 0}, 0, 1, {2, 3, 0, 0}}, // a bar starting at the next point stays separate
        {{2, 0, 0, 0}, 0, 2, {2, 2, 0, 0}},
        {{2, 0, 2, 0}, 0, 2, {2, 2, 3, 0}},
        {{2, 2, 0, 0}, 0, 3, {2, 2, 2, 0}},
        {{2, 2, 1, 0}, 0, 3, {2, 2, 1, 0}}, // only an empty point becomes a hold
        {{0, 1, 0, 0}, 1, 1, {0, 2, 0, 0}},
        {{2, 1, 0, 0}, 1, 1, {2, 3, 0, 0}}, // two holds meeting at a point stay two
        {{0, 1, 1, 0}, 1, 1, {0, 3, 1, 0}},
        {{0, 1, 2, 0}, 1, 1, {0, 3, 3, 0}},
        {{0, 2, 0, 0}, 1, 2, {0, 2, 2, 0}},
        {{0, 0, 1, 0}, 2, 1, {0, 0, 2, 0}},
        {{0, 2, 1, 0}, 2, 1, {0, 2, 3, 0}},
        {{0, 3, 1, 0}, 2, 1, {0, 3, 3, 0}},
        {{0, 1, 0, 0}, 1, 3, {0, 1, 0, 0}}, // bands a column does not list do nothing
        {{0, 0, 1, 0}, 2, 2, {0, 0, 1, 0}},
    };
    for (const BandCase &c : cases) {
        Row r = c.before;
        dks::applyGrowBand(r, c.column, c.band);
        EXPECT_EQ(str(r), str(c.after)) << str(c.before) << " from " << c.column << " band " << c.band;
    }
}

TEST(DksRules, ShrinkingBandsClearOnlyPointsThatWereEmpty)
{
    const struct
    {
        Row atStart;
        Row before;
        int column;
        int band;
        Row after;
    } cases[] = {
        {{1, 0, 0, 0}, {2, 2, 2, 0}, 0, 2, {2, 2, 0, 0}},
        {{1, 0, 0, 0}, {2, 2, 0, 0}, 0, 1, {2, 0, 0, 0}},
        {{1, 0, 0, 0}, {2, 0, 0, 0}, 0, 0, {1, 0, 0, 0}},
        {{1, 0, 1, 0}, {2, 2, 1, 0}, 0, 2, {2, 2, 1, 0}}, // the bar's occupied end point stays
        {{1, 1, 0, 0}, {2, 1, 0, 0}, 0, 1, {2, 1, 0, 0}},
        {{0, 1, 0, 0}, {0, 2, 2, 0}, 1, 2, {0, 2, 2, 0}}, // past the last point: nothing
        {{0, 1, 0, 0}, {0, 2, 2, 0}, 1, 1, {0, 2, 0, 0}},
        {{0, 0, 1, 0}, {0, 0, 2, 0}, 2, 0, {0, 0, 1, 0}},
    };
    for (const auto &c : cases) {
        Row r = c.before;
        dks::applyShrinkBand(r, c.atStart, c.column, c.band);
        EXPECT_EQ(str(r), str(c.after)) << str(c.before) << " from " << c.column << " band " << c.band;
    }
}

// Drives a stretch through the given widths, one call each.
Row stretchThrough(const Row &start, int column, const std::vector<int> &widths, int cellWidth, bool *pending)
{
    dks::Stretch s;
    s.begin(start, column);
    for (int w : widths)
        dks::advance(s, w, cellWidth);
    *pending = s.pending;
    return s.buffer;
}

std::vector<int> slowPath(const std::vector<int> &turns)
{
    std::vector<int> path;
    int at = 0;
    for (int target : turns) {
        while (at != target) {
            at += target > at ? 1 : -1;
            path.push_back(at);
        }
    }
    return path;
}

TEST(DksRules, AFastStretchEndsLikeASlowOne)
{
    constexpr int cw = 100; // threshold 55
    const struct
    {
        const char *what;
        Row start;
        int column;
        std::vector<int> turns; // widths where the pointer changes direction, and where it stops
        Row expected;
    } cases[] = {
        {"to the last point", {1, 0, 0, 0}, 0, {300}, {2, 2, 2, 0}},
        {"into the first band only", {1, 0, 0, 0}, 0, {80}, {2, 0, 0, 0}},
        {"into the second band", {1, 0, 0, 0}, 0, {180}, {2, 2, 0, 0}},
        {"out and back below the threshold", {1, 0, 0, 0}, 0, {300, 30}, {1, 0, 0, 0}},
        {"out and back into the first band", {1, 0, 0, 0}, 0, {300, 120}, {2, 0, 0, 0}},
        {"out, back and out again", {1, 0, 0, 0}, 0, {300, 30, 300}, {2, 2, 2, 0}},
        {"towards a hold at the next point", {0, 1, 2, 0}, 1, {100}, {0, 3, 3, 0}},
        {"after a hold on the left", {2, 1, 0, 0}, 1, {200}, {2, 3, 2, 0}},
        {"wiggle at full length towards an action", {1, 0, 1, 0}, 0, {200, 190, 200, 150, 200}, {2, 2, 1, 0}},
        {"from the third point", {0, 0, 1, 0}, 2, {100}, {0, 0, 2, 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        bool slowPending = false;
        bool fastPending = false;
        const Row slow = stretchThrough(c.start, c.column, slowPath(c.turns), cw, &slowPending);
        const Row fast = stretchThrough(c.start, c.column, c.turns, cw, &fastPending);
        EXPECT_EQ(str(slow), str(c.expected));
        EXPECT_EQ(str(fast), str(slow));
        EXPECT_EQ(fastPending, slowPending);
        EXPECT_TRUE(fastPending);
    }
}

TEST(DksRules, AStretchThatNeverGetsPastTheDeadWidthChangesNothing)
{
    bool pending = true;
    EXPECT_EQ(str(stretchThrough({1, 0, 0, 0}, 0, {6, 10, 8}, 100, &pending)), "1,0,0,0");
    EXPECT_FALSE(pending);
}

} // namespace
