#include "dcustomeventtipexplain.h"
#include "dtooltipexplain.h"
#include "stablefonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <gtest/gtest.h>

namespace {

QLabel *label(const QWidget &w, const char *name)
{
    return w.findChild<QLabel *>(QLatin1String(name));
}

TEST(DToolTipExplain, ShowsItsTextCentred)
{
    DToolTipExplain tip;
    QLabel *text = tip.findChild<QLabel *>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "ABC66666666666");
    EXPECT_EQ(text->minimumHeight(), 40);
    EXPECT_EQ(text->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(text->styleSheet().contains("color: rgb(245, 245, 245)"));
    tip.setTipText(QStringLiteral("Restore the factory settings"));
    EXPECT_EQ(text->text(), "Restore the factory settings");
}

TEST(DCustomEventTipExplain, StartsWithPlaceholders)
{
    DCustomEventTipExplain tip;
    ASSERT_NE(label(tip, "label_Title"), nullptr);
    EXPECT_EQ(label(tip, "label_Title")->text(), "A");
    EXPECT_TRUE(label(tip, "label_Title")->styleSheet().contains("14pt"));
    EXPECT_EQ(label(tip, "label_SubTitle")->text(), "Default");
    EXPECT_EQ(label(tip, "label_Detail")->text(), "ABC666666CFK");
    for (const char *name : {"label_Title", "label_SubTitle", "label_Detail"}) {
        EXPECT_EQ(label(tip, name)->size(), QSize(230, 30)) << name;
        EXPECT_EQ(label(tip, name)->alignment(), Qt::AlignCenter) << name;
    }
    EXPECT_EQ(tip.layout()->contentsMargins(), QMargins(0, 0, 0, 12));
    EXPECT_FALSE(tip.isDetailElided());
}

struct ColourCase
{
    const char *title;
    bool remappable;
    bool orange;
};

class TipColour : public testing::TestWithParam<ColourCase>
{
};

TEST_P(TipColour, FnKeysAndFixedKeysAreOrange)
{
    const ColourCase &c = GetParam();
    DCustomEventTipExplain tip;
    tip.setEventInfo(QString::fromUtf8(c.title), QStringLiteral("Key function"), QStringLiteral("detail"),
                     c.remappable);
    const QString expected =
        QStringLiteral("color: rgb(%1); font: bold 12pt \"Microsoft YaHei\";")
            .arg(c.orange ? QStringLiteral("255,143,31") : QStringLiteral("245,245,245"));
    EXPECT_EQ(label(tip, "label_Title")->styleSheet(), expected);
    EXPECT_EQ(label(tip, "label_Detail")->styleSheet(), expected);
    EXPECT_EQ(label(tip, "label_Title")->text(), QString::fromUtf8(c.title));
    EXPECT_EQ(label(tip, "label_SubTitle")->text(), "Key function");
    // The subtitle keeps its own style.
    EXPECT_TRUE(label(tip, "label_SubTitle")->styleSheet().contains("245, 245, 245"));
}

INSTANTIATE_TEST_SUITE_P(Titles, TipColour,
                         testing::Values(ColourCase{"FN", true, true}, ColourCase{"Fn", true, true},
                                         ColourCase{"fn", true, true}, ColourCase{"fN", true, false},
                                         ColourCase{"FN ", true, false}, ColourCase{"A", false, true},
                                         ColourCase{"FN", false, true}, ColourCase{"A", true, false},
                                         ColourCase{"", true, false}));

// The detail is measured in this font.
QFontMetrics detailMetrics()
{
    return QFontMetrics(QFont(QStringLiteral("Microsoft YaHei"), 12, QFont::Normal));
}

// Builds a text of exactly `width` pixels from narrow and wide letters, or an empty string.
QString textOfWidth(int width)
{
    const QFontMetrics m = detailMetrics();
    for (int wide = 0; wide < 40; ++wide) {
        for (int narrow = 0; narrow < 80; ++narrow) {
            const QString s = QString(wide, QLatin1Char('W')) + QString(narrow, QLatin1Char('i'));
            if (m.horizontalAdvance(s) == width)
                return s;
            if (m.horizontalAdvance(s) > width)
                break;
        }
    }
    for (int wide = 0; wide < 40; ++wide) {
        for (int narrow = 0; narrow < 80; ++narrow) {
            const QString s = QString(wide, QLatin1Char('m')) + QString(narrow, QLatin1Char('.'));
            if (m.horizontalAdvance(s) == width)
                return s;
            if (m.horizontalAdvance(s) > width)
                break;
        }
    }
    return QString();
}

TEST(DCustomEventTipExplain, TestFontIsTheStableOne)
{
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Microsoft YaHei"), 12)).family(), stablefonts::kFamily);
}

struct ElideCase
{
    int width; // 0: a plainly long text
    bool elided;
};

class TipElision : public testing::TestWithParam<ElideCase>
{
};

TEST_P(TipElision, DetailsOf215PixelsOrMoreAreElided)
{
    const ElideCase &c = GetParam();
    const QString detail =
        c.width ? textOfWidth(c.width)
                : QStringLiteral("Macro: a very long macro name that never fits into the key tip at all");
    ASSERT_FALSE(detail.isEmpty()) << "no text of " << c.width << " px";
    DCustomEventTipExplain tip;
    tip.setEventInfo(QStringLiteral("A"), QStringLiteral("Macro"), detail, true);
    EXPECT_EQ(tip.isDetailElided(), c.elided);
    const QString shown = label(tip, "label_Detail")->text();
    if (c.elided) {
        EXPECT_EQ(shown, detailMetrics().elidedText(detail, Qt::ElideRight, 215));
        EXPECT_LE(detailMetrics().horizontalAdvance(shown), 215);
    } else {
        EXPECT_EQ(shown, detail);
    }
    if (!c.width) {
        EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    }
    // A later short detail clears the flag.
    tip.setEventInfo(QStringLiteral("A"), QStringLiteral("Macro"), QStringLiteral("M1"), true);
    EXPECT_FALSE(tip.isDetailElided());
    EXPECT_EQ(label(tip, "label_Detail")->text(), "M1");
}

INSTANTIATE_TEST_SUITE_P(Widths, TipElision,
                         testing::Values(ElideCase{100, false}, ElideCase{214, false}, ElideCase{215, true},
                                         ElideCase{216, true}, ElideCase{0, true}));

} // namespace
