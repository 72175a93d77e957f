#include "myslider.h"
#include "slidercustomwidget.h"
#include "stablefonts.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct PressCase
{
    int minimum;
    int maximum;
    int value;
    bool fromZero;
    int left;
    int right;
    int x;
    bool handled;
};

class MySliderPress : public testing::TestWithParam<PressCase>
{
};

// A handled press reaches the standard slider, which either starts a drag or pages; both show as
// signals. An ignored press leaves no trace at all.
TEST_P(MySliderPress, OnlyPressesNearTheHandleCount)
{
    const PressCase &c = GetParam();
    MySlider slider;
    slider.setRange(c.minimum, c.maximum);
    slider.setValue(c.value);
    slider.setPositionFromZero(c.fromZero);
    slider.setPressTolerance(c.left, c.right);
    slider.setFixedSize(300, 24);
    slider.show();
    QSignalSpy pressed(&slider, &QAbstractSlider::sliderPressed);
    QSignalSpy action(&slider, &QAbstractSlider::actionTriggered);
    QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(c.x, 12));
    const bool reached = pressed.count() + action.count() + changed.count() > 0;
    EXPECT_EQ(reached, c.handled) << "x " << c.x;
    // Either way a press never moves the value by itself.
    EXPECT_EQ(slider.value(), c.value);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(c.x, 12));
    EXPECT_EQ(slider.value(), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MySliderPress,
    testing::Values(
        // Range 1..20 from zero: the handle is at (300 / 20) x 10 = 150; 10 left, 5 right.
        PressCase{1, 20, 10, true, 10, 5, 139, false}, PressCase{1, 20, 10, true, 10, 5, 140, true},
        PressCase{1, 20, 10, true, 10, 5, 150, true}, PressCase{1, 20, 10, true, 10, 5, 155, true},
        PressCase{1, 20, 10, true, 10, 5, 156, false}, PressCase{1, 20, 10, true, 10, 5, 20, false},
        // Range 15..100 not from zero: (300 / 85) x 0 = 0; 11 left, 15 right.
        PressCase{15, 100, 15, false, 11, 15, 0, true}, PressCase{15, 100, 15, false, 11, 15, 15, true},
        PressCase{15, 100, 15, false, 11, 15, 16, false},
        // Range 1..36 from zero with tolerances 10 and 4: (300 / 36) x 18 = 144.
        PressCase{1, 36, 18, true, 10, 4, 134, true}, PressCase{1, 36, 18, true, 10, 4, 148, true},
        PressCase{1, 36, 18, true, 10, 4, 149, false}));

// An empty range must not divide by zero: the handle then counts as at the left edge.
TEST(MySlider, EmptyRangeAnchorsAtTheLeftEdge)
{
    for (bool fromZero : {true, false}) {
        MySlider slider;
        slider.setFixedSize(300, 24);
        slider.setRange(fromZero ? 0 : 5, fromZero ? 0 : 5);
        slider.setPositionFromZero(fromZero);
        EXPECT_EQ(slider.pressAnchor(), 0);
        slider.show();
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(3, 12));
        QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(3, 12));
        EXPECT_EQ(slider.value(), slider.minimum());
    }
}

TEST(MySlider, AnchorFollowsTheChosenFormula)
{
    MySlider slider;
    slider.setFixedSize(300, 24);
    slider.setRange(15, 100);
    slider.setValue(40);
    EXPECT_EQ(slider.pressAnchor(), 3 * 40);
    slider.setPositionFromZero(false);
    EXPECT_EQ(slider.pressAnchor(), 3 * 25);
    EXPECT_EQ(slider.orientation(), Qt::Horizontal);
}

// Exposes the style option so the test can find the handle the style draws.
class ProbeSlider : public MySlider
{
public:
    QRect handleRect()
    {
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        return style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    }
};

TEST(MySlider, DragFromTheHandleStillWorks)
{
    ProbeSlider slider;
    slider.setRange(1, 20);
    slider.setValue(10);
    slider.setFixedSize(300, 24);
    slider.show();
    const QPoint handle = slider.handleRect().center();
    ASSERT_GE(handle.x(), 140);
    ASSERT_LE(handle.x(), 155);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, handle);
    ASSERT_TRUE(slider.isSliderDown());
    QMouseEvent drag(QEvent::MouseMove, QPointF(handle + QPoint(60, 0)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &drag);
    QTest::mouseRelease(&slider, Qt::LeftButton, Qt::NoModifier, handle + QPoint(60, 0));
    EXPECT_GT(slider.value(), 10);
}

TEST(MySlider, WheelIsSwallowed)
{
    MySlider slider;
    slider.setRange(1, 20);
    slider.setValue(10);
    QWheelEvent wheel(QPointF(50, 10), QPointF(50, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&slider, &wheel);
    EXPECT_EQ(slider.value(), 10);
    EXPECT_TRUE(wheel.isAccepted());
}

struct StepCase
{
    QSize size;
    int margin;
    int steps;
    std::vector<int> ticks;
    int endX;
    int grooveY;
    int handleY;
};

class StepLayout : public testing::TestWithParam<StepCase>
{
};

TEST_P(StepLayout, TicksAndGrooveEnd)
{
    const StepCase &c = GetParam();
    sliderCustomWidget slider;
    slider.setMargin(c.margin);
    slider.setWidgetSize(c.size.width(), c.size.height());
    slider.setStepCount(c.steps);
    EXPECT_EQ(slider.size(), c.size);
    EXPECT_EQ(slider.tickPositions(), QVector<int>(c.ticks.begin(), c.ticks.end()));
    EXPECT_EQ(slider.endX(), c.endX);
    EXPECT_EQ(slider.grooveY(), c.grooveY);
    EXPECT_EQ(slider.handleY(), c.handleY);
}

INSTANTIATE_TEST_SUITE_P(Sizes, StepLayout,
                         testing::Values(StepCase{{140, 40}, 6, 5, {6, 31, 56, 81, 106, 131}, 131, 20, 19},
                                         StepCase{{130, 30}, 10, 5, {10, 32, 54, 76, 98, 120}, 120, 15, 14},
                                         StepCase{{100, 20}, 10, 3, {10, 36, 62, 88}, 88, 10, 9},
                                         StepCase{{200, 40}, 0, 4, {0, 50, 100, 150, 200}, 200, 20, 19}));

TEST(sliderCustomWidget, DefaultsBeforeSetup)
{
    sliderCustomWidget slider;
    EXPECT_EQ(slider.size(), QSize(130, 30));
    EXPECT_TRUE(slider.tickPositions().isEmpty());
    EXPECT_EQ(slider.endX(), 120);
    EXPECT_EQ(slider.handleX(), 10);
    EXPECT_EQ(slider.grooveY(), 15);
    EXPECT_EQ(slider.handleY(), 14);
}

TEST(sliderCustomWidget, ZeroOrNegativeStepCountChangesNothing)
{
    sliderCustomWidget slider;
    slider.setMargin(6);
    slider.setWidgetSize(140, 40);
    slider.setStepCount(5);
    for (int bad : {0, -3}) {
        slider.setStepCount(bad);
        EXPECT_EQ(slider.stepCount(), 5);
        EXPECT_EQ(slider.tickPositions().size(), 6);
        EXPECT_EQ(slider.endX(), 131);
    }
    slider.setCurrentPosition(2);
    EXPECT_EQ(slider.handleX(), 56);
}

struct ClickCase
{
    int start; // handle index before the press
    int x;
    int handleX;
    int emitted; // -1: nothing
};

class StepPress : public testing::TestWithParam<ClickCase>
{
};

TEST_P(StepPress, SnapsToANearTickOrStepsTowardsThePress)
{
    const ClickCase &c = GetParam();
    sliderCustomWidget slider; // ticks 6, 31, 56, 81, 106, 131
    slider.setMargin(6);
    slider.setWidgetSize(140, 40);
    slider.setStepCount(5);
    slider.setCurrentPosition(c.start);
    QSignalSpy spy(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(c.x, 20));
    EXPECT_EQ(slider.handleX(), c.handleX);
    if (c.emitted < 0) {
        EXPECT_EQ(spy.count(), 0);
    } else {
        ASSERT_EQ(spy.count(), 1);
        EXPECT_EQ(spy.at(0).at(0).toInt(), c.emitted);
    }
}

INSTANTIATE_TEST_SUITE_P(Presses, StepPress,
                         testing::Values(ClickCase{2, 70, 81, 3},    // right of the handle: one step
                                         ClickCase{2, 135, 131, 5},  // within 4 of the last tick
                                         ClickCase{2, 127, 131, 5},  // 4 left of it
                                         ClickCase{2, 126, 81, 3},   // 5 away: one step only
                                         ClickCase{2, 40, 31, 1},    // left of the handle: one step
                                         ClickCase{2, 56, 56, 2},    // on the current tick: emitted again
                                         ClickCase{0, 2, 6, 0},      // near the first tick
                                         ClickCase{5, 139, 131, -1}, // past the last tick: nowhere to go
                                         ClickCase{0, 20, 31, 1}));

TEST(sliderCustomWidget, PressExactlyOnAnOffTickHandleDoesNothing)
{
    sliderCustomWidget slider; // the handle stays at 10 until a position is set
    slider.setMargin(20);
    slider.setWidgetSize(140, 40);
    slider.setStepCount(2); // ticks 20, 70, 120
    QSignalSpy spy(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(10, 20));
    EXPECT_EQ(slider.handleX(), 10);
    EXPECT_EQ(spy.count(), 0);
}

TEST(sliderCustomWidget, DragSnapsOnlyNearTicksAndRepeats)
{
    sliderCustomWidget slider;
    slider.setMargin(6);
    slider.setWidgetSize(140, 40);
    slider.setStepCount(5);
    slider.setCurrentPosition(0);
    QSignalSpy spy(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
    auto move = [&](int x, Qt::MouseButtons buttons) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, 20), Qt::NoButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&slider, &e);
    };
    move(43, Qt::LeftButton); // between ticks: stays
    EXPECT_EQ(slider.handleX(), 6);
    EXPECT_EQ(spy.count(), 0);
    move(53, Qt::LeftButton);
    EXPECT_EQ(slider.handleX(), 56);
    move(57, Qt::LeftButton); // same tick again: signalled again
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 2);
    move(81, Qt::NoButton); // no button held: ignored
    EXPECT_EQ(slider.handleX(), 56);
    EXPECT_EQ(spy.count(), 2);
}

TEST(sliderCustomWidget, WheelGoesOnToTheParent)
{
    sliderCustomWidget slider;
    QWheelEvent wheel(QPointF(50, 10), QPointF(50, 10), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&slider, &wheel);
    EXPECT_FALSE(wheel.isAccepted());
}

TEST(sliderCustomWidget, PaintsGrooveTicksAndHandle)
{
    sliderCustomWidget slider;
    slider.setMargin(6);
    slider.setWidgetSize(140, 40);
    slider.setStepCount(5);
    slider.setCurrentPosition(2);
    slider.setGrooveColor(QColor(0, 0, 255));
    slider.setTickColor(QColor(0, 255, 0));
    slider.setHandleColor(QColor(255, 0, 0));
    const QImage image = slider.grab().toImage();
    EXPECT_EQ(image.pixelColor(20, 20).rgb(), QColor(0, 0, 255).rgb()); // groove
    EXPECT_EQ(image.pixelColor(81, 18).rgb(), QColor(0, 255, 0).rgb()); // tick above the groove
    const QColor centre = image.pixelColor(56, 19);
    EXPECT_GT(centre.red(), 200);
    EXPECT_LT(centre.green(), 60);
    EXPECT_NE(image.pixelColor(136, 20).rgb(), QColor(0, 0, 255).rgb()); // past the groove end
}

} // namespace
