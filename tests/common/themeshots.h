#pragma once
// Pictures of widgets in each theme, written under the build folder (TL_SHOT_DIR) for people to
// look at. A picture that comes out in fewer than three colours counts as blank and fails.
#include "ddatamanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

struct ThemeCase
{
    int index;
    const char *name;
};

inline std::string themeCaseName(const testing::TestParamInfo<ThemeCase> &caseInfo)
{
    return caseInfo.param.name;
}

class ThemeShotTest : public testing::TestWithParam<ThemeCase>
{
protected:
    void SetUp() override
    {
        DDataManager::getInstance()->loadTheme(GetParam().index);
        theme = DDataManager::getInstance()->getThemeColors();
        ASSERT_TRUE(QDir().mkpath(QStringLiteral(TL_SHOT_DIR)));
    }
    void TearDown() override { DDataManager::getInstance()->loadTheme(0); }

    // Shows `w`, grabs it over `background` (pop-ups are translucent) and writes
    // "<name>-<theme>.png".
    void saveShot(QWidget &w, const char *name, const QColor &background) const
    {
        w.show();
        QCoreApplication::processEvents();
        const QPixmap grabbed = w.grab();
        QImage image(grabbed.size(), QImage::Format_ARGB32);
        image.fill(background);
        QPainter(&image).drawPixmap(0, 0, grabbed);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 2) << name << " rendered blank";
        const QString file =
            QStringLiteral(TL_SHOT_DIR "/%1-%2.png").arg(QLatin1String(name), QLatin1String(GetParam().name));
        EXPECT_TRUE(image.save(file)) << file.toStdString();
    }

    ThemeColors theme;
};
