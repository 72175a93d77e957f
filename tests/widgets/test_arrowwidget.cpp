#include "arrowwidget.h"
#include "ddatamanager.h"
#include "dtooltipexplain.h"
#include "stablefonts.h"

#include <QGraphicsDropShadowEffect>
#include <QLayout>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct ShapeCase
{
    int side;
    QSize size;
    int arrowX;
    QRectF bounds;
    std::vector<QPointF> inside;
    std::vector<QPointF> outside;
};

class ArrowShape : public testing::TestWithParam<ShapeCase>
{
};

TEST_P(ArrowShape, BoxAndArrowWhereTheyArePainted)
{
    const ShapeCase &c = GetParam();
    ArrowWidget popup(c.side);
    popup.setWidgetSize(c.size.width(), c.size.height());
    EXPECT_EQ(popup.setArrowStartX(c.arrowX), &popup);
    EXPECT_EQ(popup.size(), c.size);
    const QPainterPath path = popup.shapePath();
    EXPECT_EQ(path.boundingRect(), c.bounds);
    for (const QPointF &p : c.inside)
        EXPECT_TRUE(path.contains(p)) << p.x() << "," << p.y();
    for (const QPointF &p : c.outside)
        EXPECT_FALSE(path.contains(p)) << p.x() << "," << p.y();
}

INSTANTIATE_TEST_SUITE_P(
    Sides, ArrowShape,
    testing::Values(
        // Key tip: box (15,15)-(245,105); arrow base 123..138 at y 105, tip (130,120) at the middle.
        ShapeCase{1,
                  {260, 120},
                  123,
                  {15, 15, 230, 105},
                  {{130, 119}, {124, 106}, {137, 106}, {20, 20}, {240, 100}},
                  {{122, 110}, {139, 110}, {16, 16}, {250, 50}, {130, 10}}},
        // Macro row menu: arrow on top, tip (80,15), box from y 25 to 115.
        ShapeCase{0,
                  {160, 130},
                  73,
                  {15, 15, 130, 100},
                  {{80, 16}, {74, 24}, {87, 24}, {20, 30}, {140, 110}},
                  {{72, 20}, {89, 20}, {20, 20}, {80, 120}}},
        // No arrow: the side-1 box alone.
        ShapeCase{2, {250, 70}, 30, {15, 15, 220, 40}, {{37, 50}, {230, 30}}, {{37, 60}, {37, 10}}}));

TEST(ArrowWidget, FrameIsAFramelessTopmostToolTipWithShadow)
{
    ArrowWidget popup(1);
    EXPECT_EQ(popup.windowType(), Qt::ToolTip);
    EXPECT_TRUE(popup.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(popup.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(popup.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_NEAR(popup.windowOpacity(), 0.9, 0.01);
    auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(popup.graphicsEffect());
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->offset(), QPointF(0, 0));
    EXPECT_EQ(shadow->color(), QColor(Qt::gray));
    EXPECT_EQ(shadow->blurRadius(), 15);
    EXPECT_EQ(popup.arrowStartX(), 50);
    EXPECT_FALSE(popup.isVisible());
}

struct FillCase
{
    int theme;
    QColor fill;
};

class ArrowFill : public testing::TestWithParam<FillCase>
{
};

TEST_P(ArrowFill, TakesTheThemeBackgroundOpaque)
{
    DDataManager::getInstance()->loadTheme(GetParam().theme);
    ArrowWidget popup(1);
    EXPECT_EQ(popup.fillColor(), GetParam().fill);
    popup.setBackgroundColor(1, 2, 3);
    EXPECT_EQ(popup.fillColor(), QColor(1, 2, 3, 255));
    DDataManager::getInstance()->loadTheme(0);
}

INSTANTIATE_TEST_SUITE_P(Themes, ArrowFill,
                         testing::Values(FillCase{0, QColor(42, 42, 70, 255)},
                                         FillCase{1, QColor(180, 180, 180, 255)}));

struct MarginCase
{
    int side;
    QMargins margins;
};

class ArrowContent : public testing::TestWithParam<MarginCase>
{
};

TEST_P(ArrowContent, ContentSitsInsideTheBox)
{
    ArrowWidget popup(GetParam().side);
    auto *tip = new DToolTipExplain;
    popup.setCenterWidget(tip);
    ASSERT_NE(popup.layout(), nullptr);
    EXPECT_EQ(popup.layout()->contentsMargins(), GetParam().margins);
    EXPECT_EQ(popup.layout()->spacing(), 0);
    EXPECT_EQ(tip->parentWidget(), &popup);
    // A second content replaces the layout without a warning.
    auto *other = new DToolTipExplain;
    popup.setCenterWidget(other);
    EXPECT_EQ(popup.layout()->indexOf(other), 0);
    EXPECT_EQ(popup.layout()->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Sides, ArrowContent,
                         testing::Values(MarginCase{0, QMargins(15, 25, 15, 15)},
                                         MarginCase{1, QMargins(15, 15, 15, 15)},
                                         MarginCase{5, QMargins(15, 15, 15, 15)}));

TEST(ArrowWidget, DeactivationHidesAndSignalsOnce)
{
    ArrowWidget popup(1);
    popup.setWidgetSize(250, 70);
    QSignalSpy hidden(&popup, &ArrowWidget::sigArrowWidgetHide);
    popup.show();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&popup, &activate);
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(hidden.count(), 0);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&popup, &deactivate);
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(hidden.count(), 1);
}

TEST(ArrowWidget, HostHidingDoesNotSignal)
{
    ArrowWidget popup(0);
    QSignalSpy hidden(&popup, &ArrowWidget::sigArrowWidgetHide);
    popup.show();
    popup.hide();
    EXPECT_EQ(hidden.count(), 0);
}

TEST(ArrowWidget, PointerEnterAndLeaveAreSignalled)
{
    ArrowWidget popup(1);
    QSignalSpy entered(&popup, &ArrowWidget::sigArrowWidgetMouseEnter);
    QSignalSpy left(&popup, &ArrowWidget::sigArrowWidgetMouseLeave);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&popup, &enter);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 0);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&popup, &leave);
    EXPECT_EQ(left.count(), 1);
}

TEST(ArrowWidget, PopupShownFlagIsOnlyStored)
{
    ArrowWidget popup(1);
    EXPECT_FALSE(popup.isPopupShown());
    popup.setPopupShown(true);
    EXPECT_TRUE(popup.isPopupShown());
    EXPECT_FALSE(popup.isVisible());
}

} // namespace
