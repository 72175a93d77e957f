#include "dksrules.h"

#include <algorithm>
#include <limits>

namespace dks {

QVector<Bar> rowBars(const Row &row)
{
    QVector<Bar> bars;
    const int l0 = row[0], l1 = row[1], l2 = row[2];
    bool joined[3] = {false, false, false};
    if (l0 == 2 && l1 == 2 && l2 == 2) {
        bars.append({0, 3});
        joined[0] = joined[1] = joined[2] = true;
    } else if (l0 == 2 && l1 == 2) {
        bars.append({0, 2});
        joined[0] = joined[1] = true;
    } else if (isHold(l1) && l2 == 2) {
        bars.append({1, 2});
        joined[1] = joined[2] = true;
    }
    for (int c = 0; c < kPoints - 1; ++c) {
        if (isHold(row[c]) && !joined[c])
            bars.append({c, 1});
    }
    std::sort(bars.begin(), bars.end(), [](const Bar &a, const Bar &b) { return a.column < b.column; });
    return bars;
}

Row removeBar(const Row &row, int c)
{
    const int l0 = row[0], l1 = row[1], l2 = row[2], l3 = row[3];
    auto make = [l3](int a, int b, int d) { return Row{a, b, d, l3}; };
    if (l0 == 2 && l1 == 2 && l2 == 2)
        return make(0, 0, 0);
    if (l0 == 2 && l1 == 2 && l2 == 3) {
        if (c == 0 || c == 1)
            return make(0, 0, 2);
        return c == 2 ? make(2, 2, 0) : row;
    }
    if (l0 == 2 && l1 == 3 && l2 == 2) {
        if (c == 0)
            return make(0, 2, 2);
        return c == 1 || c == 2 ? make(2, 0, 0) : row;
    }
    if (l0 == 2 && l1 == 3 && l2 == 3) {
        switch (c) {
        case 0:
            return make(0, 2, 3);
        case 1:
            return make(2, 0, 2);
        case 2:
            return make(2, 3, 0);
        default:
            return row;
        }
    }
    if (l0 == 2 && l1 == 2)
        return make(0, 0, l2);
    if (l0 != 2 && isHold(l1) && l2 == 2)
        return make(l0, 0, 0);
    if (l0 == 2 || isHold(l1) || isHold(l2)) {
        switch (c) {
        case 0:
            return make(0, l1 == 3 ? 2 : l1, l2);
        case 1:
            return make(l0, 0, l2 == 3 ? 2 : l2);
        case 2:
            return make(l0, l1, 0);
        default:
            return row;
        }
    }
    return row;
}

int maxSegments(const Row &row, int column)
{
    int segments = 1;
    for (int c = column + 1; c < kPoints && row[c] == 0; ++c)
        ++segments;
    // Never past the last travel point.
    return std::min(segments, kPoints - 1 - column);
}

void applyGrowBand(Row &t, int k, int band)
{
    auto holdToNew = [&t](int c) {
        if (t[c] == 2)
            t[c] = 3;
    };
    if (k == 0) {
        if (band == 1) {
            t[0] = 2;
            holdToNew(1);
        } else if (band == 2) {
            t[1] = 2;
            holdToNew(2);
        } else if (band == 3 && t[2] == 0) {
            t[2] = 2;
        }
    } else if (k == 1) {
        if (band == 1) {
            if (t[0] == 2 || t[2] == 1 || t[2] == 2) {
                t[1] = 3;
                holdToNew(2);
            } else {
                t[1] = 2;
            }
        } else if (band == 2) {
            t[2] = 2;
        }
    } else if (k == 2 && band == 1) {
        t[2] = isHold(t[1]) ? 3 : 2;
    }
}

void applyShrinkBand(Row &t, const Row &atStart, int k, int band)
{
    if (band == 0) {
        t[k] = 1;
        return;
    }
    const int c = k + band;
    if (c < kPoints && atStart[c] == 0)
        t[c] = 0;
}

void Stretch::begin(const Row &row, int column)
{
    buffer = row;
    atStart = row;
    startColumn = column;
    previousWidth = 0;
    lastRule = 0;
    pending = false;
}

namespace {

// Bar widths at or below this are too short to change anything.
constexpr int kDeadWidth = 10;
constexpr int kOpen = std::numeric_limits<int>::max();

// Rule ids: growing bands 1..3, shrinking bands 10..12.
constexpr int kShrinkRule = 10;

// True when an integer width strictly inside (lo, hi) lies in [from, to] and above the dead width.
bool passes(int lo, int hi, int from, int to)
{
    const int first = std::max({lo + 1, from, kDeadWidth + 1});
    const int last = hi == kOpen ? to : std::min(hi - 1, to);
    return first <= last;
}

} // namespace

void advance(Stretch &s, int w, int cw)
{
    const int p = s.previousWidth;
    if (w == p)
        return;
    const int h = threshold(cw);
    auto apply = [&s](int rule) {
        if (rule == s.lastRule)
            return;
        s.lastRule = rule;
        if (rule >= kShrinkRule)
            applyShrinkBand(s.buffer, s.atStart, s.startColumn, rule - kShrinkRule);
        else
            applyGrowBand(s.buffer, s.startColumn, rule);
    };
    if (w > p) {
        // The widths p+1 .. w, lowest band first.
        const int lo[3] = {h, cw + h, 2 * cw + h};
        const int hi[3] = {cw, 2 * cw, kOpen};
        for (int b = 0; b < 3; ++b) {
            if (passes(lo[b], hi[b], p + 1, w))
                apply(b + 1);
        }
        if (w > kDeadWidth)
            s.pending = true;
    } else {
        // The widths p-1 .. w, highest band first.
        const int lo[3] = {std::numeric_limits<int>::min() + 1, h, cw + h};
        const int hi[3] = {h, cw + h, 2 * cw + h};
        for (int b = 2; b >= 0; --b) {
            if (passes(lo[b], hi[b], w, p - 1))
                apply(kShrinkRule + b);
        }
        if (p - 1 > kDeadWidth)
            s.pending = true;
    }
    s.previousWidth = w;
}

} // namespace dks
