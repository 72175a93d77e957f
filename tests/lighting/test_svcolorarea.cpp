#include "svcolorarea.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ColourWheelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        wheel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&wheel));
    }
    SVColorArea wheel;
};

struct KnobCase
{
    QPoint press;
    int value;
    int degrees;
};

// Presses on or outside the ring turn the knob: 0 at the top, growing counter-clockwise.
TEST_F(ColourWheelTest, KnobFromPressPosition)
{
    const KnobCase cases[] = {
        {{60, 20}, 99, -358},  // distance 40 is outside the disc; just right of the top
        {{59, 110}, 50, -180}, // straight below the centre
        {{10, 59}, 25, -90},   // left
        {{110, 59}, 75, -270}, // right
        {{58, 2}, 0, -1},      // just left of the top
        {{119, 119}, 62, -225},
    };
    for (const KnobCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.press.x() << "," << c.press.y());
        QSignalSpy moved(&wheel, &SVColorArea::sigMoveingStatus);
        QSignalSpy picked(&wheel, &SVColorArea::sigGetRGB);
        QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, c.press);
        QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, c.press);
        ASSERT_EQ(moved.size(), 1);
        EXPECT_EQ(moved.at(0).at(0).toInt(), c.value);
        EXPECT_EQ(moved.at(0).at(1).toInt(), c.degrees);
        EXPECT_EQ(picked.size(), 0);
    }
}

TEST_F(ColourWheelTest, PressInTheDiscPicksTheColourDrawnThere)
{
    const QPoint points[] = {{60, 60}, {30, 60}, {60, 90}, {80, 40}, {21, 60}};
    const QImage drawn = wheel.grab().toImage();
    for (const QPoint &p : points) {
        SCOPED_TRACE(testing::Message() << p.x() << "," << p.y());
        QSignalSpy sv(&wheel, &SVColorArea::svChangedSignal);
        QSignalSpy rgb(&wheel, &SVColorArea::sigGetRGB);
        QSignalSpy hex(&wheel, &SVColorArea::sigGetHexRGB);
        QSignalSpy moved(&wheel, &SVColorArea::sigMoveingStatus);
        QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, p);
        ASSERT_EQ(sv.size(), 1);
        EXPECT_EQ(sv.at(0).at(1).toInt(), p.x());
        EXPECT_EQ(sv.at(0).at(2).toInt(), 255 - p.y());
        ASSERT_EQ(rgb.size(), 1);
        const QColor expected = drawn.pixelColor(p * drawn.devicePixelRatio());
        const QColor got(rgb.at(0).at(0).toInt(), rgb.at(0).at(1).toInt(), rgb.at(0).at(2).toInt());
        EXPECT_EQ(got, QColor(expected.red(), expected.green(), expected.blue()));
        ASSERT_EQ(hex.size(), 1);
        EXPECT_EQ(hex.at(0).at(0).toString(), got.name().toUpper());
        // The knob parks at 0.
        ASSERT_EQ(moved.size(), 1);
        EXPECT_EQ(moved.at(0).at(0).toInt(), 0);
        QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, p);
    }
}

TEST_F(ColourWheelTest, DragTurnsTheKnobOnlyAfterAPressOutsideTheDisc)
{
    QSignalSpy moved(&wheel, &SVColorArea::sigMoveingStatus);
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(60, 60));
    moved.clear();
    QMouseEvent drag(QEvent::MouseMove, QPointF(59, 110), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&wheel, &drag);
    EXPECT_EQ(moved.size(), 0);
    QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(59, 110));

    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 59));
    QCoreApplication::sendEvent(&wheel, &drag);
    ASSERT_EQ(moved.size(), 2);
    EXPECT_EQ(moved.at(1).at(0).toInt(), 50);
    EXPECT_DOUBLE_EQ(wheel.knobValue(), 50.0);
}

TEST_F(ColourWheelTest, PressAndReleaseAreReportedForEveryButton)
{
    QSignalSpy pressed(&wheel, &SVColorArea::sigMouseIsPress);
    QTest::mousePress(&wheel, Qt::RightButton, Qt::NoModifier, QPoint(60, 60));
    QTest::mouseRelease(&wheel, Qt::RightButton, Qt::NoModifier, QPoint(60, 60));
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_EQ(pressed.size(), 4);
    EXPECT_TRUE(pressed.at(0).at(0).toBool());
    EXPECT_FALSE(pressed.at(1).at(0).toBool());
    EXPECT_TRUE(pressed.at(2).at(0).toBool());
    EXPECT_FALSE(pressed.at(3).at(0).toBool());
}

// Painting only draws: an exposure must not hand the knob's value to the page again.
TEST_F(ColourWheelTest, ResetReportsAndRepaintDoesNot)
{
    QTest::mousePress(&wheel, Qt::LeftButton, Qt::NoModifier, QPoint(59, 110));
    QSignalSpy moved(&wheel, &SVColorArea::sigMoveingStatus);
    wheel.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(moved.size(), 0);
    wheel.resetKnob();
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 0);
    EXPECT_EQ(moved.at(0).at(1).toInt(), 0);
    EXPECT_EQ(wheel.size(), QSize(120, 120));
}

} // namespace
