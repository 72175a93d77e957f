#include "flowlayout.h"
#include "stablefonts.h"

#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct FlowCase
{
    int width;
    int margin;
    std::vector<QSize> items;
    std::vector<QPoint> positions;
    int height; // heightForWidth(width)
};

class FlowWrap : public testing::TestWithParam<FlowCase>
{
};

TEST_P(FlowWrap, PlacesLeftToRightAndWraps)
{
    const FlowCase &c = GetParam();
    QWidget container;
    auto *flow = new FlowLayout(&container, c.margin, 5, 7);
    std::vector<QWidget *> widgets;
    for (const QSize &s : c.items) {
        auto *w = new QWidget;
        w->setFixedSize(s);
        flow->addWidget(w);
        widgets.push_back(w);
    }
    EXPECT_EQ(flow->heightForWidth(c.width), c.height);
    flow->setGeometry(QRect(0, 0, c.width, 300));
    for (size_t i = 0; i < widgets.size(); ++i)
        EXPECT_EQ(widgets[i]->geometry(), QRect(c.positions[i], c.items[i])) << "item " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FlowWrap,
    testing::Values(
        // Three 50-wide items need 160 pixels; at exactly 160 the last one already wraps, because
        // an item must end left of the right edge (x + width - 1 < right).
        FlowCase{161, 0, {{50, 20}, {50, 20}, {50, 20}}, {{0, 0}, {55, 0}, {110, 0}}, 20},
        FlowCase{160, 0, {{50, 20}, {50, 20}, {50, 20}}, {{0, 0}, {55, 0}, {0, 27}}, 47},
        // Rows take the height of their tallest item.
        FlowCase{120, 0, {{50, 30}, {50, 20}, {50, 20}, {30, 10}}, {{0, 0}, {55, 0}, {0, 37}, {55, 37}}, 57},
        // Margins shrink the row and add to the height.
        FlowCase{120, 10, {{50, 20}, {50, 20}}, {{10, 10}, {10, 37}}, 67},
        // A first item wider than the row stays on the first row; the next one wraps.
        FlowCase{80, 0, {{200, 20}, {30, 20}}, {{0, 0}, {0, 27}}, 47},
        FlowCase{80, 0, {{30, 20}, {200, 20}}, {{0, 0}, {0, 27}}, 47}));

TEST(FlowLayout, EmptyLayoutIsJustItsMargins)
{
    QWidget container;
    auto *flow = new FlowLayout(&container, 4, 5, 7);
    EXPECT_EQ(flow->heightForWidth(100), 4 + 4);
    EXPECT_EQ(flow->sizeHint(), QSize(8, 8));
}

TEST(FlowLayout, SizeHintIsTheLargestItemPlusMargins)
{
    QWidget container;
    auto *flow = new FlowLayout(&container, 3, 5, 7);
    for (QSize s : {QSize(40, 10), QSize(20, 30)}) {
        auto *w = new QWidget;
        w->setFixedSize(s);
        flow->addWidget(w);
    }
    EXPECT_EQ(flow->minimumSize(), QSize(46, 36));
    EXPECT_EQ(flow->sizeHint(), flow->minimumSize());
    EXPECT_EQ(flow->expandingDirections(), Qt::Orientations());
    EXPECT_TRUE(flow->hasHeightForWidth());
}

TEST(FlowLayout, ItemAccessOutsideTheListIsNull)
{
    QWidget container;
    auto *flow = new FlowLayout(&container, 0, 5, 7);
    auto *w = new QWidget;
    flow->addWidget(w);
    EXPECT_EQ(flow->count(), 1);
    EXPECT_EQ(flow->itemAt(0)->widget(), w);
    EXPECT_EQ(flow->itemAt(1), nullptr);
    EXPECT_EQ(flow->itemAt(-1), nullptr);
    EXPECT_EQ(flow->takeAt(3), nullptr);
    std::unique_ptr<QLayoutItem> taken(flow->takeAt(0));
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->widget(), w);
    EXPECT_EQ(flow->count(), 0);
}

TEST(FlowLayout, DefaultSpacingComesFromTheStyle)
{
    QWidget container;
    auto *flow = new FlowLayout(&container, -1, -1, -1);
    EXPECT_EQ(flow->horizontalSpacing(),
              container.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &container));
    EXPECT_EQ(flow->verticalSpacing(),
              container.style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, &container));
    FlowLayout orphan(nullptr, 0, -1, -1);
    EXPECT_EQ(orphan.horizontalSpacing(), -1);
    FlowLayout fixed(nullptr, 0, 3, 4);
    EXPECT_EQ(fixed.horizontalSpacing(), 3);
    EXPECT_EQ(fixed.verticalSpacing(), 4);
}

TEST(FlowLayout, WrapsButtonsInAResizedWindow)
{
    QWidget container;
    auto *flow = new FlowLayout(&container, -1, -1, -1);
    std::vector<QPushButton *> buttons;
    for (int i = 0; i < 6; ++i) {
        auto *b = new QPushButton(QStringLiteral("Key %1").arg(i));
        b->setFixedSize(60, 30);
        flow->addWidget(b);
        buttons.push_back(b);
    }
    container.resize(400, 200);
    container.show();
    flow->activate();
    EXPECT_EQ(buttons[0]->y(), buttons[3]->y());
    container.resize(150, 300);
    flow->activate();
    EXPECT_EQ(buttons[0]->y(), buttons[1]->y());
    EXPECT_GT(buttons[2]->y(), buttons[1]->y());
    EXPECT_EQ(buttons[2]->x(), buttons[0]->x());
}

} // namespace
