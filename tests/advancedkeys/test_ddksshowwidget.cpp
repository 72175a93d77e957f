#include "ddksshowwidget.h"
#include "gridmouse.h"
#include "seniorkeyrecord.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using gridmouse::move;

std::string rowOf(const SeniorKeyInfoStu &r, int row)
{
    std::string s;
    for (int c = 0; c < 4; ++c)
        s += (c ? "," : "") + std::to_string(r.grid[row * 4 + c]);
    return s;
}

std::string rowOf(const dks::Row &r)
{
    return std::to_string(r[0]) + "," + std::to_string(r[1]) + "," + std::to_string(r[2]) + "," +
           std::to_string(r[3]);
}

// A 400 x 200 grid: travel points at x 20, 120, 220, 320; bound keys at y 15, 65, 115, 165.
class DksGrid : public testing::Test
{
protected:
    void SetUp() override
    {
        grid.resize(440, 220);
        grid.setDrawAreaSize(400, 200);
        load({});
    }

    void load(std::initializer_list<std::pair<int, dks::Row>> rows)
    {
        SeniorKeyInfoStu r = seniorkey::defaultRecord(4, SeniorKeyDKS);
        for (const auto &row : rows)
            for (int c = 0; c < 4; ++c)
                r.grid[row.first * 4 + c] = row.second[c];
        grid.setSeniorKeyInfoStu(r);
    }
    std::string row(int i) const { return rowOf(grid.getSeniorKeyInfoStu(), i); }
    QPoint at(int row, int column) const { return grid.crossingCenter(row, column); }

    // Grabs the handle of the single action at (row, column) and drags it through `xs`.
    void stretch(int row, int column, const std::vector<int> &xs)
    {
        const QPoint handle = at(row, column) + QPoint(6, 0);
        move(&grid, handle);
        QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, handle);
        for (int x : xs)
            move(&grid, QPoint(x, handle.y()), Qt::LeftButton);
        QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(xs.back(), handle.y()));
    }

    DDksShowWidget grid;
    QSignalSpy saves{&grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS};
};

TEST_F(DksGrid, AClickTogglesASingleActionAndAsksToStoreAtOnce)
{
    const QPoint p = at(2, 1);
    move(&grid, p);
    QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(row(2), "0,1,0,0");
    EXPECT_EQ(saves.count(), 1) << "on the press";
    QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(saves.count(), 1) << "nothing more on the release";

    gridmouse::click(&grid, p + QPoint(-5, 3));
    EXPECT_EQ(row(2), "0,0,0,0");
    EXPECT_EQ(saves.count(), 2);

    load({{0, {9, 0, 0, 0}}});
    gridmouse::click(&grid, at(0, 0));
    EXPECT_EQ(row(0), "1,0,0,0") << "an unknown code becomes a single action";
}

TEST_F(DksGrid, TheHandleSitsOnTheRightEdgeOfASingleActionExceptInTheLastColumn)
{
    load({{1, {1, 0, 0, 1}}});
    const struct
    {
        QPoint pos;
        Qt::CursorShape cursor;
    } cases[] = {
        {at(1, 0) + QPoint(5, 0), Qt::SizeHorCursor}, {at(1, 0) + QPoint(7, 7), Qt::SizeHorCursor},
        {at(1, 0) + QPoint(4, 0), Qt::ArrowCursor},   {at(1, 0) + QPoint(8, 0), Qt::ArrowCursor},
        {at(1, 1) + QPoint(6, 0), Qt::ArrowCursor},   {at(1, 3) + QPoint(6, 0), Qt::ArrowCursor},
    };
    for (const auto &c : cases) {
        move(&grid, c.pos);
        EXPECT_EQ(grid.cursor().shape(), c.cursor) << c.pos.x() << "," << c.pos.y();
    }

    // A press on the handle does not toggle.
    const QPoint handle = at(1, 0) + QPoint(6, 0);
    move(&grid, handle);
    QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, handle);
    QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, handle);
    EXPECT_EQ(row(1), "1,0,0,1");
    EXPECT_EQ(saves.count(), 0);
}

struct DragCase
{
    const char *what;
    dks::Row before;
    int column;
    std::vector<int> xs; // where the pointer turns or stops
    const char *after;
};

// A drag at one move per pixel and the same drag in one move per turn end on the same row.
TEST_F(DksGrid, StretchingGivesTheSameRowAtAnySpeed)
{
    const DragCase cases[] = {
        {"to the last line", {1, 0, 0, 0}, 0, {320}, "2,2,2,0"},
        {"past the last line", {1, 0, 0, 0}, 0, {430}, "2,2,2,0"},
        {"into the first segment only", {1, 0, 0, 0}, 0, {100}, "2,0,0,0"},
        {"into the second segment", {1, 0, 0, 0}, 0, {200}, "2,2,0,0"},
        {"towards a single action at the next point", {1, 1, 0, 0}, 0, {320}, "2,1,0,0"},
        {"towards a hold at the next point", {1, 2, 0, 0}, 0, {320}, "2,3,0,0"},
        {"from point 2 after a hold", {2, 1, 0, 0}, 1, {320}, "2,3,2,0"},
        {"from point 2 towards a single action", {0, 1, 1, 0}, 1, {320}, "0,3,1,0"},
        {"from point 3", {0, 0, 1, 0}, 2, {320}, "0,0,2,0"},
        {"pulled back below the threshold", {1, 0, 0, 0}, 0, {320, 50}, "1,0,0,0"},
        {"pulled back to one segment", {1, 0, 0, 0}, 0, {320, 140}, "2,0,0,0"},
        {"pulled left of the start", {1, 0, 0, 0}, 0, {150, 5}, "1,0,0,0"},
        {"wiggled at full length", {1, 0, 1, 0}, 0, {320, 200, 320, 210, 320}, "2,2,1,0"},
    };
    for (const DragCase &c : cases) {
        for (bool fast : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (fast ? " (fast)" : " (slow)"));
            load({{3, c.before}});
            saves.clear();
            std::vector<int> xs;
            if (fast) {
                xs = c.xs;
            } else {
                int x = at(3, c.column).x() + 6;
                for (int target : c.xs) {
                    while (x != target) {
                        x += target > x ? 1 : -1;
                        xs.push_back(x);
                    }
                }
            }
            stretch(3, c.column, xs);
            EXPECT_EQ(row(3), c.after);
            EXPECT_EQ(saves.count(), 1) << "one store, on the release";
            EXPECT_EQ(row(0), "0,0,0,0");
        }
    }
}

TEST_F(DksGrid, PressingAnEmptyCrossingAndDraggingRightStretchesTheNewAction)
{
    const QPoint p = at(0, 0);
    move(&grid, p);
    QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(saves.count(), 1);
    for (int x = p.x() + 1; x <= 320; x += 2)
        move(&grid, QPoint(x, p.y()), Qt::LeftButton);
    QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(320, p.y()));
    EXPECT_EQ(row(0), "2,2,2,0");
    EXPECT_EQ(saves.count(), 2);
}

TEST_F(DksGrid, PressingABarRemovesItOnRelease)
{
    const struct
    {
        dks::Row before;
        QPoint press;
        const char *after;
    } cases[] = {
        {{2, 2, 2, 1}, at(1, 1), "0,0,0,1"},                 // on a crossing of the joined bar
        {{2, 2, 2, 1}, at(1, 2) + QPoint(40, 0), "0,0,0,1"}, // between two crossings
        {{2, 2, 3, 1}, at(1, 2) + QPoint(40, 0), "2,2,0,1"}, // only the separate last hold
        {{2, 3, 2, 0}, at(1, 0) + QPoint(50, 5), "0,2,2,0"},
    };
    for (const auto &c : cases) {
        load({{1, c.before}, {2, {1, 0, 0, 0}}});
        saves.clear();
        move(&grid, c.press);
        QTest::mousePress(&grid, Qt::LeftButton, Qt::NoModifier, c.press);
        EXPECT_EQ(row(1), rowOf(c.before)) << "nothing changes before the release";
        // Passing over a crossing of another row with the button held changes nothing there.
        move(&grid, at(2, 0), Qt::LeftButton);
        QTest::mouseRelease(&grid, Qt::LeftButton, Qt::NoModifier, at(2, 0));
        EXPECT_EQ(row(1), c.after);
        EXPECT_EQ(row(2), "1,0,0,0");
        EXPECT_EQ(saves.count(), 1);
    }
}

TEST_F(DksGrid, AClickOutsideCrossingsAndBarsStoresNothing)
{
    load({{0, {1, 0, 0, 0}}});
    for (QPoint p : {QPoint(70, 40), QPoint(400, 15), QPoint(120, 15) + QPoint(0, 9)}) {
        gridmouse::click(&grid, p);
    }
    EXPECT_EQ(saves.count(), 0);
    EXPECT_EQ(row(0), "1,0,0,0");
}

TEST_F(DksGrid, MovesAreReportedWithThePointer)
{
    QSignalSpy moves(&grid, &DDksShowWidget::sigDksPageMouseMovePointXY);
    move(&grid, QPoint(33, 44));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves.at(0).at(0).toInt(), 33);
    EXPECT_EQ(moves.at(0).at(1).toInt(), 44);
}

} // namespace
