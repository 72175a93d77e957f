#pragma once

#include <QVector>

#include <array>

// Rules of the dynamic-keystroke action grid, one row (one bound key) at a time. A row holds one
// action code per travel point: 0 none, 1 single action, 2 hold segment to the next point that
// continues a hold, 3 hold segment to the next point that begins a new hold.
namespace dks {

constexpr int kPoints = 4;
constexpr int kKeys = 4;
using Row = std::array<int, kPoints>;

inline bool isHold(int code)
{
    return code == 2 || code == 3;
}

// One painted hold bar: the travel point it starts at and how many segments it spans.
struct Bar
{
    int column;
    int segments;
    bool operator==(const Bar &o) const { return column == o.column && segments == o.segments; }
};

// The bars of a row after joining its segments.
QVector<Bar> rowBars(const Row &row);

// The row without the bar that holds the segment at `column`; a 3 directly after the removed bar
// becomes a 2. Rows the rules do not cover come back unchanged.
Row removeBar(const Row &row, int column);

// How many segments a stretch from `column` may span: up to the first occupied point to its right,
// or the last point.
int maxSegments(const Row &row, int column);

// Rules applied while a single action is stretched into a hold. Growing bands are 1..3 (the bar
// reaches into its first, second, third segment); shrinking bands 0..2 (the bar is pulled back to
// nothing, one segment, two segments).
void applyGrowBand(Row &row, int startColumn, int band);
void applyShrinkBand(Row &row, const Row &atStart, int startColumn, int band);

// A stretch in progress. `buffer` is the row being built, `atStart` the row when the stretch began.
struct Stretch
{
    Row buffer{};
    Row atStart{};
    int startColumn = 0;
    int previousWidth = 0;
    int lastRule = 0; // the rule applied last, so a band is applied once each time it is entered
    bool pending = false;

    void begin(const Row &row, int column);
};

// Moves the stretch from its previous bar width to `width` (pixels, `cellWidth` per segment) and
// applies, in order, the rule of every band the bar passes through, so that the row depends on
// where the bar went, not on how many mouse moves or repaints it took.
void advance(Stretch &stretch, int width, int cellWidth);

// The threshold inside a segment past which the bar counts as reaching into it.
inline int threshold(int cellWidth)
{
    return cellWidth / 2 + 5;
}

} // namespace dks
