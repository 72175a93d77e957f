#include "stablefonts.h"
#include "textmovewidget.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

int textWidth(const TextMoveWidget &w)
{
    return QFontMetrics(w.font()).horizontalAdvance(w.text());
}

std::vector<int> run(TextMoveWidget &w, int ticks)
{
    std::vector<int> xs;
    for (int i = 0; i < ticks; ++i) {
        w.updatePos();
        xs.push_back(w.textX());
    }
    return xs;
}

// Appends from, from+step, ... to (inclusive), counting down when to < from.
void series(std::vector<int> &out, int from, int to, int step)
{
    if (from <= to)
        for (int x = from; x <= to; x += step)
            out.push_back(x);
    else
        for (int x = from; x >= to; x -= step)
            out.push_back(x);
}

TEST(TextMoveWidget, StartsWithItsDefaults)
{
    TextMoveWidget w;
    EXPECT_EQ(w.text(), "0123456789");
    EXPECT_TRUE(w.autoFillBackground());
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(30, 30, 30, 0));
    QLabel *label = w.findChild<QLabel *>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(200, 80, 0, 255));
    EXPECT_EQ(label->text(), "0123456789");
}

TEST(TextMoveWidget, BackAndForthWhenTheTextFits)
{
    TextMoveWidget w;
    w.setText(QStringLiteral("All keys calibration"));
    const int tw = textWidth(w);
    w.resize(tw + 80, 30); // the room left is 80 pixels, as with 120 in 200
    // Checked before moving, so the text overshoots by one step before it turns.
    std::vector<int> expected;
    series(expected, 2, 82, 2);
    series(expected, 80, 0, 2);
    series(expected, 2, 20, 2);
    EXPECT_EQ(run(w, int(expected.size())), expected);
}

TEST(TextMoveWidget, BackAndForthWhenTheTextIsTooLong)
{
    TextMoveWidget w;
    w.setText(QStringLiteral("All keys calibration in progress, do not touch the keyboard ..."));
    const int tw = textWidth(w);
    w.resize(tw - 100, 30); // 100 pixels too short: swings between 10 and -110
    std::vector<int> expected;
    series(expected, 2, 10, 2);
    series(expected, 8, -110, 2);
    series(expected, -108, 10, 2);
    series(expected, 8, 0, 2);
    EXPECT_EQ(run(w, int(expected.size())), expected);
}

TEST(TextMoveWidget, OddStepStillTurnsAtTheRightEnd)
{
    TextMoveWidget w;
    w.setText(QStringLiteral("All keys calibration in progress, do not touch the keyboard ..."));
    w.resize(textWidth(w) - 100, 30);
    w.setStep(3);
    const std::vector<int> xs = run(w, 200);
    for (int x : xs) {
        EXPECT_LE(x, 12);
        EXPECT_GE(x, -113);
    }
}

struct OneWayCase
{
    TextMoveWidget::MoveStyle style;
    int direction; // +1 or -1
};

class OneWay : public testing::TestWithParam<OneWayCase>
{
};

TEST_P(OneWay, RunsThroughAndReentersFromTheOtherSide)
{
    const OneWayCase &c = GetParam();
    TextMoveWidget w;
    w.resize(200, 30);
    w.setMoveStyle(c.style);
    w.setStep(7);
    w.setText(QStringLiteral("Updating firmware"));
    const int tw = textWidth(w);
    const QLabel *label = w.findChild<QLabel *>();
    // Starts just outside the side it enters from.
    EXPECT_EQ(w.textX(), c.direction > 0 ? -label->width() : 200);
    int wraps = 0;
    int previous = w.textX();
    for (int i = 0; i < 200; ++i) {
        w.updatePos();
        const int x = w.textX();
        EXPECT_EQ(label->pos().x(), x);
        if (x - previous == c.direction * 7) {
            previous = x;
            continue;
        }
        ++wraps;
        if (c.direction > 0) {
            EXPECT_GT(previous, 200);
            EXPECT_EQ(x, -tw + 7);
        } else {
            EXPECT_LT(previous, -tw);
            EXPECT_EQ(x, 200 - 7);
        }
        previous = x;
    }
    EXPECT_GE(wraps, 2);
}

INSTANTIATE_TEST_SUITE_P(Styles, OneWay,
                         testing::Values(OneWayCase{TextMoveWidget::MoveStyle_LeftToRight, +1},
                                         OneWayCase{TextMoveWidget::MoveStyle_RightToLeft, -1}));

TEST(TextMoveWidget, UnknownStyleStandsStill)
{
    TextMoveWidget w;
    w.resize(200, 30);
    w.setMoveStyle(static_cast<TextMoveWidget::MoveStyle>(3));
    w.setText(QStringLiteral("abc"));
    const int x = w.textX();
    run(w, 5);
    EXPECT_EQ(w.textX(), x);
}

TEST(TextMoveWidget, LabelIsVerticallyCentredAndSizedToItsText)
{
    TextMoveWidget w;
    w.setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    w.resize(300, 40);
    w.show(); // resize events reach a widget once it is shown
    EXPECT_EQ(w.textY(), (40 - QFontMetrics(w.font()).height()) / 2);
    EXPECT_EQ(w.font().pointSize(), 14);
    QLabel *label = w.findChild<QLabel *>();
    EXPECT_EQ(label->styleSheet(), "font: 75 14pt \"Microsoft Yahei\"");
    w.setText(QStringLiteral("All keys calibration in progress ..."));
    EXPECT_GE(label->width(), label->sizeHint().width());
    w.updatePos();
    EXPECT_EQ(label->pos(), QPoint(w.textX(), w.textY()));
}

struct HoverCase
{
    bool hoverStop;
    bool frozen;
};

class Hover : public testing::TestWithParam<HoverCase>
{
};

TEST_P(Hover, HoverStopFreezesAndUnderlines)
{
    const HoverCase &c = GetParam();
    TextMoveWidget w;
    w.resize(300, 30);
    w.setText(QStringLiteral("abc"));
    w.setMouseHoverStop(c.hoverStop);
    run(w, 3);
    QLabel *label = w.findChild<QLabel *>();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&w, &enter);
    EXPECT_TRUE(w.isHovered());
    const int before = w.textX();
    run(w, 3);
    EXPECT_EQ(w.textX() == before, c.frozen);
    EXPECT_EQ(label->font().underline(), c.hoverStop);
    EXPECT_EQ(w.cursor().shape(), c.hoverStop ? Qt::PointingHandCursor : Qt::ArrowCursor);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &leave);
    EXPECT_FALSE(w.isHovered());
    EXPECT_FALSE(label->font().underline());
    const int resumed = w.textX();
    w.updatePos();
    EXPECT_EQ(w.textX(), resumed + 2); // carries on from where it stopped
}

INSTANTIATE_TEST_SUITE_P(Modes, Hover, testing::Values(HoverCase{true, true}, HoverCase{false, false}));

TEST(TextMoveWidget, TimerDrivesItWhileShown)
{
    TextMoveWidget w;
    w.resize(300, 30);
    w.setInterval(5);
    w.setText(QStringLiteral("abc"));
    w.show();
    QTest::qWait(60);
    const int moved = w.textX();
    EXPECT_GT(moved, 0);
    w.hide();
    QTest::qWait(30);
    EXPECT_EQ(w.textX(), moved);
}

// The marquee's timer wakes the program 50 times a second; it may run only while it moves
// something the user can see.
struct TickCase
{
    const char *name;
    std::function<void(QWidget &window, TextMoveWidget &w)> act;
    bool ticking;
};

class Ticks : public testing::TestWithParam<TickCase>
{
};

TEST_P(Ticks, TimerRunsOnlyWhileTheTextVisiblyMoves)
{
    QWidget window;
    auto *w = new TextMoveWidget(&window);
    w->resize(300, 30);
    w->setText(QStringLiteral("abc"));
    GetParam().act(window, *w);
    QTimer *timer = w->findChild<QTimer *>();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->isActive(), GetParam().ticking);
}

void enter(TextMoveWidget &w)
{
    QEvent e(QEvent::Enter);
    QCoreApplication::sendEvent(&w, &e);
}

void leave(TextMoveWidget &w)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &e);
}

const TickCase kTickCases[] = {
    {"NeverShown", [](QWidget &, TextMoveWidget &) {}, false},
    // How the device page holds its status line: hidden before its page is ever shown.
    {"HiddenBeforeTheWindowShows",
     [](QWidget &window, TextMoveWidget &w) {
         w.hide();
         window.show();
     },
     false},
    {"Shown", [](QWidget &window, TextMoveWidget &) { window.show(); }, true},
    {"ShownThenHidden",
     [](QWidget &window, TextMoveWidget &w) {
         window.show();
         w.hide();
     },
     false},
    {"WindowHidden",
     [](QWidget &window, TextMoveWidget &) {
         window.show();
         window.hide();
     },
     false},
    {"NoText",
     [](QWidget &window, TextMoveWidget &w) {
         window.show();
         w.setText(QString());
     },
     false},
    {"HoverStopWhilePointerInside",
     [](QWidget &window, TextMoveWidget &w) {
         window.show();
         w.setMouseHoverStop(true);
         enter(w);
     },
     false},
    {"HoverStopAfterPointerLeft",
     [](QWidget &window, TextMoveWidget &w) {
         window.show();
         w.setMouseHoverStop(true);
         enter(w);
         leave(w);
     },
     true},
    {"PointerInsideWithoutHoverStop",
     [](QWidget &window, TextMoveWidget &w) {
         window.show();
         enter(w);
     },
     true},
};

INSTANTIATE_TEST_SUITE_P(States, Ticks, testing::ValuesIn(kTickCases),
                         [](const testing::TestParamInfo<TickCase> &caseInfo) {
                             return caseInfo.param.name;
                         });

TEST(TextMoveWidget, ColoursReachThePalettes)
{
    TextMoveWidget w;
    w.setForeground(QColor(255, 50, 0, 255));
    w.setBackground(QColor(0, 0, 0, 1));
    EXPECT_EQ(w.findChild<QLabel *>()->palette().color(QPalette::WindowText), QColor(255, 50, 0, 255));
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0, 0, 0, 1));
}

} // namespace
