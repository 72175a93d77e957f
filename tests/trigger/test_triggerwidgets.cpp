#include "dkeycalibrationexplaindia.h"
#include "dsensitivityshowwidget.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A scale laid out in width x height with n segments and a 38 px column.
struct Scale
{
    Scale(int width, int height, int n)
    {
        w.resize(width, height);
        w.setWidgetSize(width, height);
        w.setSegmentCount(n);
        w.setBarWidth(38);
        w.setColors(QColor(92, 92, 126), QColor(255, 143, 31), QColor(255, 143, 31), QColor(26, 27, 49));
    }
    int pressAt(int y)
    {
        QSignalSpy spy(&w, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
        QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, QPoint(w.width() / 2, y));
        QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, QPoint(w.width() / 2, y));
        return w.markerCount();
    }
    QImage image() { return w.grab().toImage(); }
    DSensitivityShowWidget w;
};

TEST(TravelScale, MarkerSnapsToTheNearestTickAndReportsOnChangeOnly)
{
    Scale s(100, 140, 41); // segment 1 px, pitch 3: ticks 8, 11, ..., 125
    QSignalSpy reports(&s.w, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
    s.w.setCenterMarker(20);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports.at(0), (QList<QVariant>{1, 20}));
    s.w.setCenterMarker(20);
    s.w.repaint();
    s.w.setColors(QColor(1, 2, 3), QColor(4, 5, 6), QColor(7, 8, 9), QColor(10, 11, 12));
    s.w.repaint();
    EXPECT_EQ(reports.size(), 1) << "placing it again or repainting reports nothing";

    const struct
    {
        int y, count;
    } presses[] = {{0, 1}, {8, 1}, {9, 1}, {10, 2}, {65, 20}, {66, 20}, {125, 40}, {139, 40}};
    for (const auto &p : presses)
        EXPECT_EQ(s.pressAt(p.y), p.count) << "y " << p.y;

    Scale even(100, 88, 11); // pitch 8: ticks 13, 21, ...; 17 lies halfway
    EXPECT_EQ(even.pressAt(17), 2) << "a tie goes to the deeper tick";
}

TEST(TravelScale, LiveFillDarkensDownwardsAndIsDrawnOnlyWhenShown)
{
    Scale s(100, 410, 41); // segment 8 px, pitch 10
    s.w.setLiveTravel(5);
    const int x = 50;
    auto segmentColour = [&](const QImage &img, int i) { return img.pixelColor(x, 5 + i * 10 + 4); };
    QImage img = s.image();
    const QColor expected[] = {
        {255, 143, 31}, {252, 142, 31}, {249, 141, 31}, {246, 140, 31}, {243, 139, 31}};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(segmentColour(img, i), expected[i]) << "segment " << i;
    EXPECT_EQ(segmentColour(img, 5), QColor(92, 92, 126));

    s.w.setLiveTravelShown(false);
    EXPECT_EQ(segmentColour(s.image(), 0), QColor(92, 92, 126));

    s.w.setLiveTravelShown(true);
    s.w.setLiveTravel(500); // deeper than the scale: the scale is full, colours stay valid
    img = s.image();
    EXPECT_TRUE(segmentColour(img, 39).isValid());
    EXPECT_NE(segmentColour(img, 39), QColor(92, 92, 126));
}

TEST(TravelScale, WithoutTicksNothingIsAddressedOrReported)
{
    for (int n : {0, 1, -3}) {
        SCOPED_TRACE(n);
        Scale s(100, 140, n);
        QSignalSpy reports(&s.w, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
        s.w.setCenterMarker(1);
        s.w.setLiveTravel(3);
        s.image();
        EXPECT_EQ(s.pressAt(50), 0);
        EXPECT_TRUE(reports.isEmpty());
    }
    Scale s(100, 140, 41);
    QSignalSpy reports(&s.w, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
    for (int count : {0, -1, 41, 1000})
        s.w.setCenterMarker(count);
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(s.w.markerCount(), 0);
}

TEST(CalibrationExplanation, TypesPickTheirPageAndTexts)
{
    const struct
    {
        int type;
        const char *page;
        QStringList texts; // label_1.. of the page, in order
    } cases[] = {
        {0,
         "page_1",
         {"1.Into key calibration mode first;", "2.Select one key;", "3.Clicked \"Start calibration\";",
          "4.Press the selected key;", "5.Return key calibration results;"}},
        {2, "page_3", {"Set the required press key duration for triggering."}},
        {3,
         "page_4",
         {"When all keys calibration is enabled, please press all keys to complete the calibration."}},
        {7, "page_2", {"Explain"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        QWidget parent;
        DKeyCalibrationExplainDia dia(c.type, &parent);
        auto *stack = dia.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        ASSERT_TRUE(stack);
        ASSERT_EQ(stack->count(), 4);
        EXPECT_EQ(stack->currentWidget()->objectName(), QLatin1String(c.page));
        QStringList shown;
        for (QLabel *l : stack->currentWidget()->findChildren<QLabel *>())
            shown << l->text();
        EXPECT_EQ(shown, c.texts);
    }
}

} // namespace
