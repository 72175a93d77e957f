// The catalogue reader and the label rule, and the shipped catalogues' own consistency.
#include "catalogue_fixture.h"
#include "keycatalogue.h"

#include <QRect>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct LabelCase
{
    const char *name;
    int dec;
    const char *characterJson; // the "Character" value as written in the file
    const char *label;
};

const LabelCase kLabelCases[] = {
    {"Plain", 4, R"("A")", "A"},
    {"StoredQuoteShowsAsBackslash", 49, R"("\"|")", R"(\|)"},
    {"QuoteKeyAlwaysApostropheQuote", 52, R"("\"")", R"(' ")"},
    {"QuoteKeyIgnoresWhatIsStored", 52, R"("x")", R"(' ")"},
    {"StoredBackslashStaysEscaped", 4, R"("a\\b")", R"(a\\b)"},
    {"ControlCharacterStaysEscaped", 4, R"("a\nb")", R"(a\nb)"},
    {"Utf8Text", 51, "\"\xC3\x87\"", "\xC3\x87"},
    {"CjkText", 145, "\"\xE4\xB8\xAD\xE6\x96\x87\"", "\xE4\xB8\xAD\xE6\x96\x87"},
    {"Empty", 4, R"("")", ""},
};

class LabelRule : public testing::TestWithParam<LabelCase>
{
};

TEST_P(LabelRule, LabelFromStoredCharacter)
{
    const LabelCase &c = GetParam();
    const QByteArray text = "{\"EveryKeyInfo_Row01\":[" + keyRecord(0, 0, c.dec, 0, c.characterJson) + "]}";
    const auto keys = keycatalogue::parse(text, 1, 6);
    ASSERT_TRUE(keys);
    ASSERT_EQ(keys->size(), 1);
    EXPECT_EQ(keys->first().label, QString::fromUtf8(c.label));
}

INSTANTIATE_TEST_SUITE_P(Catalogue, LabelRule, testing::ValuesIn(kLabelCases),
                         [](const testing::TestParamInfo<LabelCase> &caseInfo) {
                             return caseInfo.param.name;
                         });

TEST(CatalogueParse, ReadsOnlyTheAskedRowsInOrderAndSkipsMissingOnes)
{
    const QByteArray text = "{\"Keyboard\":{\"flag\":\"true\"},"
                            "\"EveryKeyInfo_Row00\":[" +
                            keyRecord(0, 0, 401, 166, "\"Back\"") +
                            "],"
                            "\"EveryKeyInfo_Row03\":[" +
                            keyRecord(0, 0, 43, 9, "\"Tab\"") + "," + keyRecord(40, 0, 20, 81, "\"Q\"") +
                            "],"
                            "\"EveryKeyInfo_Row02\":[" +
                            keyRecord(0, 0, 41, 27, "\"Esc\"") +
                            "],"
                            "\"EveryKeyInfo_Row04\":[],"
                            "\"EveryKeyInfo_Row07\":[" +
                            keyRecord(0, 0, 502, 226, "\"K45\"") + "]}";
    const auto keys = keycatalogue::parse(text, 1, 6);
    ASSERT_TRUE(keys);
    ASSERT_EQ(keys->size(), 3);
    EXPECT_EQ(keys->at(0).dec, 41);
    EXPECT_EQ(keys->at(0).row, 2);
    EXPECT_EQ(keys->at(1).dec, 43);
    EXPECT_EQ(keys->at(2).dec, 20);
    EXPECT_EQ(keys->at(2).row, 3);
    EXPECT_EQ(keys->at(2).posX, 40);
    EXPECT_EQ(keys->at(2).qtDec, 81);
    EXPECT_TRUE(keys->at(2).hasGeometry);
}

TEST(CatalogueParse, IncompleteRecords)
{
    const QByteArray text = R"({"EveryKeyInfo_Row01":[
        {"PosX":0,"PosY":0,"Width":30,"Height":33,"qtDec":65,"Character":"A"},
        {"PosX":0,"PosY":0,"Width":30,"Height":33,"Dec":5,"qtDec":66,"Character":7},
        "not a record",
        {"Dec":6,"Character":"C"},
        {"PosX":0,"PosY":0,"Width":-3,"Height":33,"Dec":7,"qtDec":68,"Character":"D"}
    ]})";
    const auto keys = keycatalogue::parse(text, 1, 1);
    ASSERT_TRUE(keys);
    // Without a usage or a label text there is no key; without geometry it is only a name.
    ASSERT_EQ(keys->size(), 2);
    EXPECT_EQ(keys->at(0).dec, 6);
    EXPECT_EQ(keys->at(0).label, QStringLiteral("C"));
    EXPECT_FALSE(keys->at(0).hasGeometry);
    EXPECT_EQ(keys->at(1).dec, 7);
    EXPECT_FALSE(keys->at(1).hasGeometry);
}

TEST(CatalogueParse, TextThatIsNoCatalogueObject)
{
    for (const char *text : {"", "{", "[1, 2]", "\"text\"", "not json", "{\"EveryKeyInfo_Row01\": ["})
        EXPECT_FALSE(keycatalogue::parse(QByteArray(text), 1, 6)) << text;
}

TEST(CatalogueFiles, ReadsResourcesDirectlyAndReportsMissingFiles)
{
    EXPECT_TRUE(keycatalogue::readFile(keycatalogue::resourcePath(QStringLiteral("AllKeysInfo.config"))));
    EXPECT_FALSE(keycatalogue::readFile(keycatalogue::resourcePath(QStringLiteral("nothing.config"))));
    EXPECT_EQ(keycatalogue::softKeyboardFileName(31), QStringLiteral("softKeyInfoNormalUS.config"));
    EXPECT_EQ(keycatalogue::softKeyboardFileName(91), QStringLiteral("softKeyInfoNormal_91.config"));
}

struct ShippedCase
{
    const char *file;
    int firstRow;
    int lastRow;
    int keys;
    int distinctVirtualKeys;
    bool placed; // keys must lie inside the on-screen keyboard without overlapping
};

const ShippedCase kShipped[] = {
    {"softKeyInfoNormalUS.config", 1, 6, 112, 112, true},
    // Both Enter keys carry virtual key 13 in this layout.
    {"softKeyInfoNormal_91.config", 1, 6, 104, 103, true},
    {"AllKeysInfo.config", 1, 3, 111, 111, false},
};

class ShippedCatalogue : public testing::TestWithParam<ShippedCase>
{
};

TEST_P(ShippedCatalogue, EveryKeyOnceAndInPlace)
{
    const ShippedCase &c = GetParam();
    const auto text = keycatalogue::readFile(keycatalogue::resourcePath(QString::fromLatin1(c.file)));
    ASSERT_TRUE(text);
    const auto keys = keycatalogue::parse(*text, c.firstRow, c.lastRow);
    ASSERT_TRUE(keys);
    ASSERT_EQ(keys->size(), c.keys);
    QSet<int> decs, qtDecs;
    QList<QRect> rects;
    for (const keycatalogue::CatalogueKey &k : *keys) {
        EXPECT_TRUE(k.hasGeometry) << k.dec;
        EXPECT_FALSE(k.label.isEmpty()) << k.dec;
        EXPECT_NE(k.dec, 231) << "no catalogue holds right Win";
        decs.insert(k.dec);
        qtDecs.insert(k.qtDec);
        if (!c.placed)
            continue;
        const QRect r(k.posX, k.posY, k.width, k.height);
        EXPECT_TRUE(QRect(0, 0, 1000, 245).contains(r)) << k.dec;
        for (const QRect &other : qAsConst(rects))
            EXPECT_FALSE(r.intersects(other)) << "key " << k.dec << " overlaps another";
        rects.append(r);
    }
    EXPECT_EQ(decs.size(), c.keys);
    EXPECT_EQ(qtDecs.size(), c.distinctVirtualKeys);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ShippedCatalogue, testing::ValuesIn(kShipped));

} // namespace
