#include "ddatamanager.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ThemeCase
{
    int index;
    const char *textDefault;
    const char *allTheme;
    const char *mainBg; // background image off: alpha dropped
};

class ThemeTable : public testing::TestWithParam<ThemeCase>
{
};

TEST_P(ThemeTable, LoadsItsColoursWithDotsTurnedIntoCommas)
{
    const ThemeCase &c = GetParam();
    DDataManager dm;
    dm.setBgImageUsing(false);
    dm.loadTheme(c.index);
    const ThemeColors t = dm.getThemeColors();
    EXPECT_EQ(t.TextDefaultColor, c.textDefault);
    EXPECT_EQ(t.AllThemeColor, c.allTheme);
    EXPECT_EQ(t.MainWidgetBgColor, c.mainBg);
    EXPECT_EQ(t.TextFont, "Microsoft YaHei");
    for (int i = 0; i < ThemeColors::kColorCount; ++i)
        EXPECT_TRUE(ThemeColors::toColor(t.entry(i)).isValid()) << ThemeColors::entryName(i);
}

INSTANTIATE_TEST_SUITE_P(Themes, ThemeTable,
                         testing::Values(ThemeCase{0, "205,205,205", "255,143,31", "34,34,58"},
                                         ThemeCase{1, "97,97,97", "255,143,31", "240,240,240"},
                                         ThemeCase{2, "26,26,26", "0,128,255", "100,149,237"},
                                         ThemeCase{3, "71,43,71", "235,0,235", "255,80,255"},
                                         // The embedded "Other" theme carries Black's values.
                                         ThemeCase{4, "205,205,205", "255,143,31", "34,34,58"},
                                         // Out of range: Black.
                                         ThemeCase{5, "205,205,205", "255,143,31", "34,34,58"},
                                         ThemeCase{-1, "205,205,205", "255,143,31", "34,34,58"}));

TEST(Theme, BackgroundImageKeepsTheAlphaComponent)
{
    DDataManager dm;
    dm.setBgImageUsing(false);
    dm.loadTheme(0);
    EXPECT_EQ(dm.getThemeColors().DeviceBorderColor, "52,52,86");
    dm.setBgImageUsing(true);
    dm.loadTheme(0);
    EXPECT_EQ(dm.getThemeColors().DeviceBorderColor, "52,52,86,128");
}

TEST(Theme, ColourStringRule)
{
    DDataManager dm;
    dm.setBgImageUsing(false);
    const struct
    {
        const char *in;
        const char *out;
    } rows[] = {
        {"1,2,3", "1,2,3"}, {"1,2,3,4", "1,2,3"}, {"1,2,3,4,5", "1,2,3,4,5"}, {"", ""}, {"red", "red"}};
    for (const auto &r : rows)
        EXPECT_EQ(dm.themeColorString(r.in), r.out) << r.in;
    dm.setBgImageUsing(true);
    EXPECT_EQ(dm.themeColorString("1,2,3,4"), "1,2,3,4");
}

TEST(Theme, FontsByKind)
{
    DDataManager dm;
    dm.setUseLocalFont(true);
    dm.loadTheme(0);
    EXPECT_EQ(dm.getFont(0).weight(), 75);
    EXPECT_EQ(dm.getFont(0).pointSize(), 10);
    EXPECT_EQ(dm.getFont(1).weight(), 50);
    EXPECT_EQ(dm.getFont(7).family(), "Microsoft YaHei");
    EXPECT_EQ(dm.getFont(7).weight(), dm.getFont(-1).weight());
    dm.setUseLocalFont(false);
    EXPECT_EQ(dm.getFont(0), dm.getFont(7)) << "without the local font every kind is the default font";
}

TEST(Theme, UserOtherThemeFileBesideTheExecutable)
{
    QTemporaryDir dir;
    DDataManager dm;
    dm.setApplicationDirPath(dir.path());
    EXPECT_EQ(DDataManager::themeFilePath(4, true, dir.path()),
              dir.path() + "/configDir/OtherThemeConfig.ini");
    EXPECT_EQ(DDataManager::themeFilePath(4, false, dir.path()), ":/images/StyleQss/OtherThemeConfig.ini");

    // A user file with a missing key and a five-component colour.
    QDir().mkpath(dir.path() + "/configDir");
    QFile f(dir.path() + "/configDir/OtherThemeConfig.ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[ThemeColor]\nTextDefaultColor=1.2.3.4.5\nTextFont=DejaVu Sans\n");
    f.close();
    const QString path = DDataManager::themeFilePath(4, true, dir.path());
    EXPECT_TRUE(QFile::exists(path));
}

} // namespace

// Every theme colour text becomes a colour Qt's style-sheet parser reads, with or without alpha.
TEST(Theme, StyleSheetColourTexts)
{
    struct Case
    {
        const char *components;
        int alpha; // -1: the colour's own
        const char *css;
    };
    const Case cases[] = {
        {"255,143,31", -1, "rgb(255,143,31)"},
        {"52,52,86,128", -1, "rgba(52,52,86,128)"},
        {"52, 52, 86, 255", -1, "rgb(52,52,86)"},
        {"255,143,31", 0, "rgba(255,143,31,0)"},
        {"255,143,31", 255, "rgb(255,143,31)"},
        {"52,52,86,128", 255, "rgb(52,52,86)"},
        {"", -1, "transparent"},
        {"1,2,3,4,5", -1, "transparent"},
        {"300,0,0", -1, "transparent"},
        {"", 0, "transparent"},
    };
    for (const Case &c : cases) {
        const QString css = c.alpha < 0 ? ThemeColors::css(QString::fromLatin1(c.components))
                                        : ThemeColors::css(QString::fromLatin1(c.components), c.alpha);
        EXPECT_EQ(css.toStdString(), c.css) << c.components << " alpha " << c.alpha;
        // What Qt reads back is the colour itself.
        if (css != QLatin1String("transparent")) {
            QColor expected = ThemeColors::toColor(QString::fromLatin1(c.components));
            if (c.alpha >= 0)
                expected.setAlpha(c.alpha);
            QLabel probe;
            probe.setStyleSheet(QStringLiteral("QLabel{color: %1;}").arg(css));
            probe.ensurePolished();
            EXPECT_EQ(probe.palette().color(QPalette::WindowText), expected) << c.components;
        }
    }
}
