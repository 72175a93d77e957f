// Renders every widget in two themes to PNG files under the build folder, for people to look at.
#include "arrowwidget.h"
#include "batteryitem.h"
#include "cbnotice.h"
#include "dcustomeventtipexplain.h"
#include "ddatamanager.h"
#include "dtooltipexplain.h"
#include "flowlayout.h"
#include "myslider.h"
#include "slidercustomwidget.h"
#include "stablefonts.h"
#include "textmovewidget.h"

#include "themeshots.h"
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Shots : public ThemeShotTest
{
protected:
    QColor colour(const QString &components, int alpha = 255) const
    {
        QColor c = ThemeColors::toColor(components);
        c.setAlpha(alpha);
        return c;
    }

    // A page-coloured panel to host child widgets.
    std::unique_ptr<QWidget> panel(QSize size) const
    {
        auto w = std::make_unique<QWidget>();
        w->setAutoFillBackground(true);
        QPalette p = w->palette();
        p.setColor(QPalette::Window, colour(theme.MainWidgetBgColor));
        w->setPalette(p);
        w->resize(size);
        return w;
    }

    void save(QWidget &w, const char *name) const { saveShot(w, name, colour(theme.MainWidgetBgColor)); }
};

TEST_P(Shots, Toast)
{
    auto page = panel({420, 100});
    page->show();
    auto *toast = new CbNotice(page.get());
    toast->setFontPixelSize(14);
    toast->setBackgroundColor(colour(theme.AllBgColor, 200));
    toast->setTextColor(colour(theme.AllThemeColor));
    QFont f(theme.TextFont);
    f.setPixelSize(14);
    toast->setNoticeFont(f);
    toast->showNotice(QStringLiteral("Operate successful"), page->rect().center());
    save(*page, "toast");
}

TEST_P(Shots, ToolTip)
{
    ArrowWidget popup(1);
    popup.setWidgetSize(250, 70);
    popup.setArrowStartX(30);
    auto *tip = new DToolTipExplain;
    tip->setTipText(QStringLiteral("Restore factory settings"));
    popup.setCenterWidget(tip);
    save(popup, "arrow-tooltip");
}

TEST_P(Shots, KeyTip)
{
    ArrowWidget popup(1);
    popup.setWidgetSize(260, 120);
    popup.setArrowStartX(123);
    auto *tip = new DCustomEventTipExplain;
    tip->setEventInfo(QStringLiteral("Fn"), QStringLiteral("Macro"),
                      QStringLiteral("A macro with a name far too long for the tip"), true);
    popup.setCenterWidget(tip);
    save(popup, "arrow-keytip");
}

TEST_P(Shots, MenuPopup)
{
    ArrowWidget popup(0);
    popup.setWidgetSize(160, 130);
    popup.setArrowStartX(73);
    auto *body = new QWidget;
    auto *box = new QVBoxLayout(body);
    for (const char *text : {"Rename", "Copy", "Delete"}) {
        auto *b = new QPushButton(QLatin1String(text));
        b->setFlat(true);
        b->setStyleSheet(QStringLiteral("color: rgb(%1);").arg(theme.TextDefaultColor));
        box->addWidget(b);
    }
    popup.setCenterWidget(body);
    save(popup, "arrow-menu");
}

TEST_P(Shots, Sliders)
{
    auto page = panel({320, 80});
    auto *slider = new MySlider(page.get());
    slider->setRange(1, 20);
    slider->setValue(10);
    slider->setGeometry(10, 5, 300, 24);
    auto *stepped = new sliderCustomWidget(page.get());
    stepped->setMargin(6);
    stepped->setWidgetSize(140, 40);
    stepped->setStepCount(5);
    stepped->setCurrentPosition(2);
    stepped->setGrooveColor(colour(theme.DeviceSliderHorizontalVerticalColor));
    stepped->setTickColor(colour(theme.TextDefaultColor));
    stepped->setHandleColor(colour(theme.DeviceSliderEllipseColor));
    stepped->move(10, 35);
    save(*page, "sliders");
}

TEST_P(Shots, Marquee)
{
    auto page = panel({320, 40});
    auto *marquee = new TextMoveWidget(page.get());
    marquee->setGeometry(0, 0, 320, 40);
    marquee->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    marquee->setBackground(QColor(0, 0, 0, 1));
    marquee->setForeground(colour(theme.AllThemeColor));
    marquee->setText(QStringLiteral("All keys calibration in progress ..."));
    page->show(); // the marquee centres its line on its first resize event
    for (int i = 0; i < 10; ++i)
        marquee->updatePos();
    save(*page, "marquee");
}

TEST_P(Shots, Battery)
{
    auto page = panel({180, 25});
    const struct
    {
        int level;
        bool text;
    } levels[] = {{15, true}, {40, true}, {85, true}, {60, false}};
    int x = 5;
    for (const auto &l : levels) {
        auto *battery = new BatteryItem(page.get());
        battery->setGeometry(x, 5, 32, 15);
        battery->setPercentTextVisible(l.text);
        battery->setBatteryLevel(l.level);
        x += 42;
    }
    save(*page, "battery");
}

TEST_P(Shots, FlowLayout)
{
    auto page = panel({260, 120});
    auto *flow = new FlowLayout(page.get(), -1, -1, -1);
    for (const char *key : {"Esc", "Tab", "Caps Lock", "Shift", "Ctrl", "Win", "Alt", "Space", "Enter"}) {
        auto *b = new QPushButton(QLatin1String(key));
        b->setStyleSheet(
            QStringLiteral("color: rgb(%1); background: rgb(%2); padding: 4px 10px;")
                .arg(theme.DeviceSoftkeyboardButDefaultTextColor, theme.DeviceSoftkeyboardButColor));
        flow->addWidget(b);
    }
    save(*page, "flowlayout");
}

INSTANTIATE_TEST_SUITE_P(Themes, Shots, testing::Values(ThemeCase{0, "black"}, ThemeCase{1, "light"}),
                         themeCaseName);

} // namespace
