#include "cbnotice.h"
#include "stablefonts.h"

#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A page that counts the presses that reach it.
class Page : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

class ToastTest : public testing::Test
{
protected:
    void SetUp() override
    {
        page = std::make_unique<Page>();
        page->resize(800, 600);
        page->show();
        toast = new CbNotice(page.get());
        animation = toast->findChild<QPropertyAnimation *>();
        effect = qobject_cast<QGraphicsOpacityEffect *>(toast->graphicsEffect());
        ASSERT_NE(animation, nullptr);
        ASSERT_NE(effect, nullptr);
    }

    int textWidth(const QString &text) const { return QFontMetrics(toast->font()).horizontalAdvance(text); }

    std::unique_ptr<Page> page;
    CbNotice *toast = nullptr;
    QPropertyAnimation *animation = nullptr;
    QGraphicsOpacityEffect *effect = nullptr;
};

TEST_F(ToastTest, StartsHiddenWithItsFont)
{
    EXPECT_FALSE(toast->isVisible());
    EXPECT_EQ(toast->font().pixelSize(), 20);
    EXPECT_EQ(toast->font().family(), "Microsoft YaHei");
    EXPECT_EQ(toast->defaultCenter(), QPoint(400, 400));
}

struct PlaceCase
{
    const char *text;
    QPoint center;
    int pixelSize; // 0: keep the initial 20
    QPoint expectedCenter;
};

class ToastPlacement : public ToastTest, public testing::WithParamInterface<PlaceCase>
{
};

TEST_P(ToastPlacement, BoxIsTextWidthPlus36By40CentredOnThePoint)
{
    const PlaceCase &c = GetParam();
    if (c.pixelSize)
        toast->setFontPixelSize(c.pixelSize);
    const QString text = QString::fromUtf8(c.text);
    toast->showNotice(text, c.center);
    const int width = textWidth(text) + 36;
    EXPECT_EQ(toast->size(), QSize(width, 40));
    EXPECT_EQ(toast->pos(), QPoint(c.expectedCenter.x() - width / 2, c.expectedCenter.y() - 20));
    EXPECT_TRUE(toast->isVisible());
    EXPECT_EQ(toast->text(), text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToastPlacement,
    testing::Values(PlaceCase{"Operate successful", QPoint(400, 40), 0, QPoint(400, 40)},
                    PlaceCase{"Download config successful", QPoint(120, 300), 14, QPoint(120, 300)},
                    // A null point means the default centre: mid-width, two thirds down the page.
                    PlaceCase{"The record of events has reached the limit", QPoint(0, 0), 0,
                              QPoint(400, 400)},
                    PlaceCase{"", QPoint(400, 40), 0, QPoint(400, 40)}));

TEST_F(ToastTest, EmptyTextGivesTheBareBox)
{
    toast->showNotice(QString(), QPoint(100, 100));
    EXPECT_EQ(toast->size(), QSize(36, 40));
}

TEST_F(ToastTest, OtherShowOperationsUseTheDefaultCentre)
{
    toast->showNotice(QStringLiteral("abc"));
    const int width = textWidth(QStringLiteral("abc")) + 36;
    EXPECT_EQ(toast->pos(), QPoint(400 - width / 2, 380));
    toast->hide();
    toast->reShowNotice();
    EXPECT_TRUE(toast->isVisible());
    EXPECT_EQ(toast->text(), "abc");
    EXPECT_EQ(toast->pos(), QPoint(400 - width / 2, 380));
}

struct FadeCase
{
    int ms;
    double opacity;
    bool visible;
};

class ToastFade : public ToastTest, public testing::WithParamInterface<FadeCase>
{
};

TEST_P(ToastFade, OpaqueFor1300MsThenFadesOver1000Ms)
{
    const FadeCase &c = GetParam();
    QSignalSpy finished(toast, &CbNotice::sigFinished);
    toast->showNotice(QStringLiteral("Operate successful"), QPoint(400, 40));
    EXPECT_EQ(animation->duration(), 2300);
    animation->setCurrentTime(c.ms);
    EXPECT_NEAR(effect->opacity(), c.opacity, 1e-6) << c.ms << " ms";
    EXPECT_EQ(toast->isVisible(), c.visible);
    EXPECT_EQ(finished.count(), c.visible ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Timeline, ToastFade,
                         testing::Values(FadeCase{0, 1.0, true}, FadeCase{700, 1.0, true},
                                         FadeCase{1300, 1.0, true}, FadeCase{1550, 0.75, true},
                                         FadeCase{1800, 0.5, true}, FadeCase{2200, 0.1, true},
                                         FadeCase{2300, 0.0, false}));

TEST_F(ToastTest, RunsInRealTime)
{
    QSignalSpy finished(toast, &CbNotice::sigFinished);
    toast->showNotice(QStringLiteral("x"), QPoint(100, 100));
    EXPECT_EQ(animation->state(), QAbstractAnimation::Running);
    for (int waited = 0; waited < 1000 && animation->currentTime() == 0; waited += 10)
        QTest::qWait(10);
    EXPECT_GT(animation->currentTime(), 0);
    EXPECT_DOUBLE_EQ(effect->opacity(), 1.0);
    EXPECT_EQ(finished.count(), 0);
}

TEST_F(ToastTest, SecondShowRestartsTheOpaquePhaseWithTheNewSize)
{
    QSignalSpy finished(toast, &CbNotice::sigFinished);
    toast->showNotice(QStringLiteral("short"), QPoint(400, 40));
    animation->setCurrentTime(1800);
    ASSERT_NEAR(effect->opacity(), 0.5, 1e-6);
    const QString longer = QStringLiteral("a considerably longer second message");
    toast->showNotice(longer, QPoint(400, 40));
    EXPECT_EQ(toast->width(), textWidth(longer) + 36);
    EXPECT_DOUBLE_EQ(effect->opacity(), 1.0);
    animation->setCurrentTime(1300);
    EXPECT_DOUBLE_EQ(effect->opacity(), 1.0);
    EXPECT_TRUE(toast->isVisible());
    animation->setCurrentTime(2300);
    EXPECT_FALSE(toast->isVisible());
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(ToastTest, AnimationRunsLinearlyFromAboveOneToZero)
{
    toast->showNotice(QStringLiteral("x"), QPoint(100, 100));
    EXPECT_DOUBLE_EQ(animation->startValue().toDouble(), 2.3);
    EXPECT_DOUBLE_EQ(animation->endValue().toDouble(), 0.0);
    EXPECT_EQ(animation->easingCurve().type(), QEasingCurve::Linear);
}

struct ClickCase
{
    int x;
    int pagePresses;
};

class ToastClick : public ToastTest, public testing::WithParamInterface<ClickCase>
{
};

TEST_P(ToastClick, HidesAtOnceAndStillFinishesOnce)
{
    const ClickCase &c = GetParam();
    QSignalSpy finished(toast, &CbNotice::sigFinished);
    toast->showNotice(QStringLiteral("Operate successful"), QPoint(400, 40));
    QTest::mousePress(toast, Qt::LeftButton, Qt::NoModifier, QPoint(c.x, 20));
    EXPECT_FALSE(toast->isVisible());
    EXPECT_EQ(page->presses, c.pagePresses);
    EXPECT_EQ(finished.count(), 0);
    animation->setCurrentTime(2300);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(toast->isVisible());
}

// Presses near the left edge stay with the toast; the others also reach the page beneath.
INSTANTIATE_TEST_SUITE_P(Presses, ToastClick,
                         testing::Values(ClickCase{3, 0}, ClickCase{5, 0}, ClickCase{6, 1}));

TEST_F(ToastTest, SettersReachThePainting)
{
    toast->setBackgroundColor(QColor(10, 200, 10, 255));
    toast->setTextColor(QColor(255, 255, 255));
    toast->showNotice(QStringLiteral("M"), QPoint(200, 200));
    const QImage image = toast->grab().toImage();
    // Middle of the left rounded end: background; the corner lies outside the rounded box.
    EXPECT_EQ(image.pixelColor(8, 20).rgb(), QColor(10, 200, 10).rgb());
    EXPECT_NE(image.pixelColor(0, 0).rgba(), QColor(10, 200, 10).rgba());
    bool textSeen = false;
    for (int y = 0; y < image.height() && !textSeen; ++y)
        for (int x = 0; x < image.width() && !textSeen; ++x)
            textSeen = image.pixelColor(x, y).rgb() == QColor(255, 255, 255).rgb();
    EXPECT_TRUE(textSeen);
}

TEST_F(ToastTest, ParentlessToastIsAFramelessToolWindowAtTheScreenCentre)
{
    CbNotice floating(nullptr);
    EXPECT_TRUE(floating.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(floating.windowType(), Qt::Tool);
    EXPECT_TRUE(floating.testAttribute(Qt::WA_TranslucentBackground));
    const QRect g = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(floating.defaultCenter(), QPoint(g.x() + g.width() / 2, g.y() + g.height() * 2 / 3));
}

} // namespace
