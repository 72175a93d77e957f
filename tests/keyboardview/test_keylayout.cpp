// The layout files of our boards and the parser's handling of relaxed and broken layout text.
#include "keyboardmodeldata.h"
#include "keylayout.h"
#include "layoutfixture.h"
#include "modelcatalogue.h"

#include <QFile>
#include <QRect>
#include <QSet>
#include <gtest/gtest.h>

namespace {

KeyLayout loadShipped(const QString &model)
{
    QFile f(keylayout::resourcePath(model));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << model.toStdString();
    const std::optional<KeyLayout> layout = keylayout::parse(f.readAll());
    EXPECT_TRUE(layout.has_value());
    return layout.value_or(KeyLayout{});
}

struct ShippedModel
{
    const char *model;
    int keys;
    int sideLights;
    int deviceType;
};

class ShippedLayout : public testing::TestWithParam<ShippedModel>
{
};

TEST_P(ShippedLayout, DescribesTheBoardCompletelyAndConsistently)
{
    const ShippedModel m = GetParam();
    const KeyLayout layout = loadShipped(QString::fromLatin1(m.model));
    EXPECT_TRUE(layout.repairs.isEmpty()) << layout.repairs.join("; ").toStdString();
    EXPECT_TRUE(layout.hasKeyboardObject);
    EXPECT_EQ(layout.hidDeviceType.value_or(-1), m.deviceType);
    EXPECT_EQ(layout.sideLightHave, m.sideLights > 0);
    EXPECT_FALSE(layout.specialEnterKey); // ANSI boards: a flat Enter

    const QSize area = keyboardmodeldata::pictureAreaSize(QString::fromLatin1(m.model));
    ASSERT_FALSE(area.isEmpty());
    const QRect inner(10, 10, area.width() - 20, area.height() - 20);
    QSet<int> codes;
    QList<QRect> caps;
    for (const auto &row : layout.keys) {
        for (const KeyLayoutKey &k : row) {
            if (k.pos.code == 0)
                continue;
            EXPECT_FALSE(codes.contains(k.pos.code)) << "duplicate code " << k.pos.code;
            codes.insert(k.pos.code);
            const QRect cap(k.pos.x, k.pos.y, k.pos.width, k.pos.height);
            EXPECT_TRUE(inner.contains(cap)) << "key " << k.pos.code << " outside the case";
            for (const QRect &other : caps)
                EXPECT_FALSE(other.intersects(cap)) << "key " << k.pos.code << " overlaps another cap";
            caps << cap;
        }
    }
    EXPECT_EQ(codes.size(), m.keys);
    // The catalogue's picture area is the key extent plus the 10-pixel case border.
    int right = 0, bottom = 0;
    for (const QRect &cap : caps) {
        right = qMax(right, cap.x() + cap.width());
        bottom = qMax(bottom, cap.y() + cap.height());
    }
    EXPECT_EQ(QSize(right + 10, bottom + 10), area);
    const ModelInfo *info = ModelCatalogue::instance().find(QString::fromLatin1(m.model));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->keyCount, m.keys);
    EXPECT_EQ(info->hidDeviceType, m.deviceType);
    EXPECT_EQ(info->sideLightLeds, m.sideLights);
    for (int code : {4, 29, 30, 39, 40, 41, 42, 43, 44, 224, 225, 226, 227, 229, 230, 79, 80, 81, 82})
        EXPECT_TRUE(codes.contains(code)) << "missing key " << code;
    if (m.keys >= 87) {
        for (int code = 58; code <= 69; ++code)
            EXPECT_TRUE(codes.contains(code)) << "missing F key " << code;
    }
    if (m.keys == 104) {
        for (int code = 83; code <= 99; ++code)
            EXPECT_TRUE(codes.contains(code)) << "missing keypad key " << code;
    }

    EXPECT_EQ(layout.sideLights.size(), m.sideLights);
    QSet<int> leds;
    for (const KeyLayoutSideLight &l : layout.sideLights) {
        EXPECT_EQ(l.validStatus, 1);
        EXPECT_NE(l.pos.width, l.pos.height) << "a square segment would stay invisible";
        EXPECT_GE(l.pos.sidePosition, 1);
        EXPECT_LE(l.pos.sidePosition, 4);
        leds.insert(l.pos.code);
    }
    for (int i = 1; i <= m.sideLights; ++i)
        EXPECT_TRUE(leds.contains(i)) << "LED " << i;
}

INSTANTIATE_TEST_SUITE_P(Models, ShippedLayout,
                         testing::Values(ShippedModel{"TL68HE", 68, 0, 4}, ShippedModel{"TL87", 87, 33, 5},
                                         ShippedModel{"TL104", 104, 41, 2}),
                         [](const auto &info) { return std::string(info.param.model); });

TEST(ShippedLayoutTL68HE, HasNoFunctionRowAndStillFillsSixRows)
{
    const KeyLayout layout = loadShipped(QStringLiteral("TL68HE"));
    for (const KeyLayoutKey &k : layout.keys[0])
        EXPECT_EQ(k.pos.code, 0);
    EXPECT_EQ(layout.keys[1][0].pos.code, 41); // Esc leads the number row on a 65 % board
}

TEST(KeyLayoutRelaxedJson, AcceptsWhatTheFilesUse)
{
    // Leading zeros, member names in another case, a fraction, text after the first value.
    const QByteArray text = makeLayout(
        R"({"SIDELIGHTHAVE": 00, "specialenterkey": 01, "SpecialEnterKeyShape": 01, "HidDeviceType": 04})",
        {{1, 0, 7, 0, 37, 38, 4, "A"}});
    QByteArray relaxed = text;
    relaxed.replace("\"PosX\": 7", "\"posx\": 07.9");
    relaxed += "trailing text } that is ignored {";
    const std::optional<KeyLayout> layout = keylayout::parse(relaxed);
    ASSERT_TRUE(layout);
    EXPECT_TRUE(layout->repairs.isEmpty()) << layout->repairs.join("; ").toStdString();
    EXPECT_EQ(layout->hidDeviceType.value_or(-1), 4);
    EXPECT_FALSE(layout->sideLightHave);
    EXPECT_TRUE(layout->specialEnterKey);
    EXPECT_EQ(layout->specialEnterKeyShape, 1);
    EXPECT_EQ(layout->keys[0][0].pos.x, 7);
    EXPECT_EQ(layout->keys[0][0].pos.code, 4);
}

TEST(KeyLayoutCaption, FollowsTheQuoteRules)
{
    struct Case
    {
        int dec;
        const char *character; // as written in the file
        QString caption;
    } cases[] = {
        {4, "A", "A"},
        {52, "\\\"", "' \""}, // only a double quote in the file
        {504, "x", "' \""},   // the second apostrophe code
        {49, "\\\"|", "\\|"}, // quote and bar: printed as \"| then the quotes go
        {53, "` ~", "` ~"},
        {42, "Back\\\\space", "Back\\\\space"}, // a backslash is written out doubled
        {58, "F\\u0001", "F\\u0001"},
    };
    for (const Case &c : cases) {
        const std::optional<KeyLayout> layout = keylayout::parse(
            makeLayout(standardKeyboardObject(0), {{1, 0, 0, 0, 10, 10, c.dec, c.character}}));
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->keys[0][0].caption, c.caption) << c.character;
    }
}

TEST(KeyLayoutBroken, NotJsonGivesNoLayout)
{
    for (const QByteArray &text : {QByteArray(), QByteArray("not json"), QByteArray("{\"Keyboard\": {"),
                                   QByteArray("[1, 2, 3]"), QByteArray("\xff\xfe{}")})
        EXPECT_FALSE(keylayout::parse(text)) << text.toStdString();
}

TEST(KeyLayoutBroken, RowsOfTheWrongLengthStillGiveTwentyTwoSlots)
{
    const QList<FixtureKey> keys{{1, 0, 0, 0, 10, 10, 4, "A"},
                                 {1, 21, 90, 0, 10, 10, 5, "B"},
                                 {1, 22, 100, 0, 10, 10, 6, "C"},
                                 {2, 0, 0, 20, 10, 10, 7, "D"},
                                 {2, 19, 90, 20, 10, 10, 8, "E"}};
    // Row 1 has 23 entries, row 2 only 20, row 3 is missing altogether.
    const std::optional<KeyLayout> layout =
        keylayout::parse(makeLayout(standardKeyboardObject(0), keys, {}, {{1, 23}, {2, 20}, {3, -1}}));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->keys[0][0].pos.code, 4);
    EXPECT_EQ(layout->keys[0][21].pos.code, 5);
    EXPECT_EQ(layout->keys[1][19].pos.code, 8);
    for (int c = 20; c < 22; ++c) {
        EXPECT_EQ(layout->keys[1][c].pos.code, 0);
        EXPECT_EQ(layout->keys[1][c].pos.width, 0);
    }
    for (const KeyLayoutKey &k : layout->keys[2])
        EXPECT_EQ(k.pos.code, 0);
    for (const auto &row : layout->keys)
        for (const KeyLayoutKey &k : row)
            EXPECT_NE(k.pos.code, 6) << "the 23rd entry must be dropped";
    EXPECT_EQ(layout->repairs.size(), 3) << layout->repairs.join("; ").toStdString();
}

TEST(KeyLayoutBroken, IncompleteEntriesBecomeEmptySlots)
{
    QByteArray text =
        makeLayout(standardKeyboardObject(1), {{1, 0, 0, 0, 10, 10, 4, "A"}, {1, 1, 20, 0, 10, 10, 5, "B"}},
                   {{0, 0, 6, 40, 1, 1, 1}, {0, 50, 6, 40, 2, 1, 1}});
    text.replace("\"Dec\": 5, ", "");                     // key B loses its code
    text.replace("\"Index\": 2, ", "\"Index\": \"2\", "); // a side light with a text index
    const std::optional<KeyLayout> layout = keylayout::parse(text);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->keys[0][0].pos.code, 4);
    EXPECT_EQ(layout->keys[0][1].pos.code, 0);
    EXPECT_EQ(layout->keys[0][1].pos.width, 0);
    ASSERT_EQ(layout->sideLights.size(), 1);
    EXPECT_EQ(layout->sideLights[0].pos.code, 1);
}

TEST(KeyLayoutBroken, WithoutKeyboardObjectRowsAreReadButNoSideLights)
{
    const std::optional<KeyLayout> layout =
        keylayout::parse(makeLayout({}, {{1, 0, 0, 0, 10, 10, 4, "A"}}, {{0, 0, 6, 40, 1, 1, 1}}));
    ASSERT_TRUE(layout);
    EXPECT_FALSE(layout->hasKeyboardObject);
    EXPECT_FALSE(layout->hidDeviceType);
    EXPECT_TRUE(layout->sideLights.isEmpty());
    EXPECT_EQ(layout->keys[0][0].pos.code, 4);
}

TEST(KeyLayoutBroken, SideLightRowIsIgnoredWithoutSideLightFlag)
{
    const std::optional<KeyLayout> layout =
        keylayout::parse(makeLayout(standardKeyboardObject(0), {}, {{0, 0, 6, 40, 1, 1, 1}}));
    ASSERT_TRUE(layout);
    EXPECT_TRUE(layout->sideLights.isEmpty());
}

} // namespace
