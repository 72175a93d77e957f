#include "batteryitem.h"
#include "stablefonts.h"

#include <QCoreApplication>
#include <QEvent>

#include <functional>
#include <gtest/gtest.h>

namespace {

const QColor kRed(255, 60, 0, 255);
const QColor kAmber(200, 140, 0, 255);
const QColor kGreen(100, 150, 100, 255);

struct LevelCase
{
    int level;
    bool textVisible;
    QColor colour;
    int width;
    int shownLevel;
};

class BatteryLevel : public testing::TestWithParam<LevelCase>
{
};

TEST_P(BatteryLevel, ColourAndBarWidth)
{
    const LevelCase &c = GetParam();
    BatteryItem battery;
    battery.setPercentTextVisible(c.textVisible);
    battery.setBatteryLevel(c.level);
    EXPECT_EQ(battery.fillColor(), c.colour);
    EXPECT_EQ(battery.fillWidth(), c.width);
    EXPECT_EQ(battery.batteryLevel(), c.shownLevel);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, BatteryLevel,
    testing::Values(LevelCase{0, true, kRed, 0, 0}, LevelCase{25, true, kRed, 6, 25},
                    LevelCase{26, true, kAmber, 6, 26}, LevelCase{50, true, kAmber, 12, 50},
                    LevelCase{51, true, kGreen, 12, 51}, LevelCase{100, true, kGreen, 25, 100},
                    // Charging: the text is off and the bar is always green.
                    LevelCase{10, false, kGreen, 2, 10}, LevelCase{40, false, kGreen, 10, 40},
                    // Readings outside 0..100 stay inside the outline.
                    LevelCase{255, true, kGreen, 25, 100}, LevelCase{-5, true, kRed, 0, 0}));

TEST(BatteryItem, StartsEmptyAndGrey)
{
    BatteryItem battery;
    EXPECT_EQ(battery.fillColor(), QColor(100, 100, 100, 255));
    EXPECT_EQ(battery.fillWidth(), 0);
    EXPECT_EQ(battery.batteryLevel(), 0);
    EXPECT_TRUE(battery.isPercentTextVisible());
}

TEST(BatteryItem, TextSwitchTakesEffectWithTheNextLevel)
{
    BatteryItem battery;
    battery.setBatteryLevel(20);
    battery.setPercentTextVisible(false);
    EXPECT_EQ(battery.fillColor(), kRed);
    battery.setBatteryLevel(20);
    EXPECT_EQ(battery.fillColor(), kGreen);
    battery.setPercentTextVisible(true);
    battery.setBatteryLevel(20);
    EXPECT_EQ(battery.fillColor(), kRed);
}

// Counts pixels of the percentage text's colour inside the gauge.
int textPixels(const QImage &image)
{
    int n = 0;
    for (int y = 2; y < 13; ++y)
        for (int x = 2; x < 27; ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 220 && c.green() > 220 && c.blue() > 220;
        }
    return n;
}

// Status reports repeat the level every second: only a change may cost a repaint.
TEST(BatteryItem, RepaintsOnlyWhenTheGaugeChanges)
{
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    } counter;
    BatteryItem item;
    item.resize(32, 16);
    item.show();
    item.setBatteryLevel(60);
    QCoreApplication::processEvents();
    item.installEventFilter(&counter);

    const struct
    {
        const char *what;
        std::function<void()> act;
        bool repaint;
    } steps[] = {
        {"same level", [&] { item.setBatteryLevel(60); }, false},
        {"new level", [&] { item.setBatteryLevel(61); }, true},
        {"text switched off, same level",
         [&] {
             item.setPercentTextVisible(false);
             item.setBatteryLevel(61);
         },
         true},
        {"same again without text", [&] { item.setBatteryLevel(61); }, false},
    };
    for (const auto &step : steps) {
        counter.paints = 0;
        step.act();
        QCoreApplication::processEvents();
        EXPECT_EQ(counter.paints > 0, step.repaint) << step.what;
    }
}

TEST(BatteryItem, PaintsOutlineBarAndText)
{
    BatteryItem battery;
    battery.resize(40, 20);
    battery.setBatteryLevel(100);
    QImage image = battery.grab().toImage();
    EXPECT_EQ(image.pixelColor(14, 0).rgb(), QColor(136, 205, 12).rgb()); // outline top
    EXPECT_EQ(image.pixelColor(30, 7).rgb(), QColor(136, 205, 12).rgb()); // terminal
    EXPECT_GT(textPixels(image), 5);

    battery.setPercentTextVisible(false);
    battery.setBatteryLevel(100);
    image = battery.grab().toImage();
    EXPECT_EQ(textPixels(image), 0);
    EXPECT_EQ(image.pixelColor(14, 7).rgb(), kGreen.rgb());
}

} // namespace

namespace {

// Every percentage fits inside the outline, "100%" included (its "1" was cut off).
TEST(BatteryItem, PercentTextFitsInsideTheOutline)
{
    for (const int level : {0, 7, 50, 99, 100}) {
        const QString text = QString::number(level) + QLatin1Char('%');
        const QRect needed = QFontMetrics(BatteryItem::percentFont(text)).boundingRect(text);
        EXPECT_LE(needed.width(), 25) << level;
    }
    BatteryItem battery;
    EXPECT_GE(battery.minimumWidth(), 31) << "room for the outline and its tip";
}

} // namespace
