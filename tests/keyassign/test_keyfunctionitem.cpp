#include "cquelmoxml.h"
#include "fixedtext.h"
#include "keyassign_fixture.h"
#include "keyfunctionitem.h"
#include "xmlstore.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using keyfunctionitem::Target;

class KeyItems : public testing::Test
{
protected:
    void TearDown() override { XmlStore::instance().setWriterForTesting({}); }

    static QByteArray fileText(const QByteArray &path)
    {
        QFile f(QFile::decodeName(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    ProfileFolder folder;
    Target layer{folder.defaultLayer, "2"};
};

TEST_F(KeyItems, SavingReplacesTheKeysItemAndReadsBackEveryField)
{
    ASSERT_TRUE(keyfunctionitem::save(layer, -10, QStringLiteral("Fn"), 0, 1, 1, "5"));
    ASSERT_TRUE(keyfunctionitem::save(layer, -10, QStringLiteral("Fn"), 1, 3, 2, "7"));
    ASSERT_TRUE(keyfunctionitem::save(layer, 4, QStringLiteral("Ä"), 1, 1, 1, "7"));

    KeyOperateInfo info{};
    ASSERT_TRUE(keyfunctionitem::read(layer, -10, info));
    EXPECT_STREQ(info.keyCode, "-10");
    EXPECT_STREQ(info.keyName, "Fn");
    EXPECT_STREQ(info.type, "1");
    EXPECT_STREQ(info.repeat, "3");
    EXPECT_STREQ(info.playMode, "2");
    EXPECT_STREQ(info.value, "7");
    ASSERT_TRUE(keyfunctionitem::read(layer, 4, info));
    EXPECT_EQ(QString::fromUtf8(info.keyName), QStringLiteral("Ä"));

    QList<int> codes;
    ASSERT_TRUE(keyfunctionitem::list(layer, codes));
    std::sort(codes.begin(), codes.end());
    EXPECT_EQ(codes, (QList<int>{-10, 4})) << "one item per key";
    EXPECT_EQ(keyfunctionitem::count(layer, 1, "7"), 2);
    EXPECT_EQ(keyfunctionitem::count(layer, 1, "07"), 0) << "values are compared as stored";

    ASSERT_TRUE(keyfunctionitem::remove(layer, -10, QStringLiteral("Fn")));
    EXPECT_FALSE(keyfunctionitem::read(layer, -10, info));
    EXPECT_TRUE(keyfunctionitem::remove(layer, -10, QStringLiteral("Fn"))) << "no item is no error";
}

TEST_F(KeyItems, AKeyWithoutAnItemKeepsTheAbsentMark)
{
    const struct
    {
        const char *what;
        Target target;
    } cases[] = {
        {"no item", layer},
        {"no such profile", {folder.defaultLayer, "9"}},
        {"no such file", {folder.defaultLayer + ".missing", "2"}},
        {"no path", {QByteArray(), "2"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        KeyOperateInfo info{};
        EXPECT_FALSE(keyfunctionitem::read(c.target, 4, info));
        EXPECT_STREQ(info.keyCode, "-1");
        EXPECT_STREQ(info.type, "-1");
        EXPECT_FALSE(keyfunctionitem::itemType(c.target, 4).has_value());
    }
}

TEST_F(KeyItems, FieldsThatAreNotNumbersCountAsUnknown)
{
    const struct
    {
        const char *text;
        std::optional<int> expected;
    } cases[] = {
        {"0", 0},
        {"40", 40},
        {"-10", -10},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"1x", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(keyfunctionitem::number(c.text), c.expected) << c.text;

    // An item whose type was garbled (an imported or hand-edited file) is an item of no known type.
    ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(folder.defaultLayer.constData(), "2", "4", "A",
                                                          "x1", "1", "1", "5"));
    KeyOperateInfo info{};
    EXPECT_TRUE(keyfunctionitem::read(layer, 4, info));
    EXPECT_FALSE(keyfunctionitem::itemType(layer, 4).has_value());
}

TEST_F(KeyItems, AFailedWriteIsReportedAndLeavesTheOldItem)
{
    ASSERT_TRUE(keyfunctionitem::save(layer, 4, QStringLiteral("A"), 0, 1, 1, "5"));
    const QByteArray before = fileText(folder.defaultLayer);
    XmlStore::instance().setWriterForTesting([](QIODevice &, const QByteArray &) -> qint64 { return 0; });

    EXPECT_FALSE(keyfunctionitem::save(layer, 4, QStringLiteral("A"), 5, 1, 1, "-1"));
    EXPECT_FALSE(keyfunctionitem::remove(layer, 4, QStringLiteral("A")));
    EXPECT_FALSE(keyfunctionitem::storeMacroCopy(layer, folder.heavy, 1));

    XmlStore::instance().setWriterForTesting({});
    EXPECT_EQ(fileText(folder.defaultLayer), before);
    EXPECT_EQ(keyfunctionitem::itemType(layer, 4), 0) << "the remap item is still there, whole";
}

TEST_F(KeyItems, MacroCopiesFollowTheMacroStore)
{
    const QByteArray macros = QFile::encodeName(folder.dir.filePath("appMacro.xml"));
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(macros.constData()));
    ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(macros.constData(), "3", "M"));
    MacroEventRecord down{};
    fixedtext::copy(down.mark, "1");
    fixedtext::copy(down.delay, "10");
    fixedtext::copy(down.type, "key");
    fixedtext::copy(down.keyCode, "4");
    fixedtext::copy(down.codeName, "A");
    fixedtext::copy(down.operateExplain, "down");
    ASSERT_TRUE(CQuelmoXML_AddKeyOrMouseEventItem(macros.constData(), {down}, "3"));

    ASSERT_TRUE(keyfunctionitem::storeMacroCopy(layer, macros, 3));
    ASSERT_TRUE(keyfunctionitem::storeMacroCopy(layer, macros, 3)) << "a second copy replaces the first";
    QList<MacroEventRecord> copy;
    ASSERT_TRUE(
        CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(folder.defaultLayer.constData(), "2", "3", "", &copy));
    ASSERT_EQ(copy.size(), 1);
    EXPECT_STREQ(copy.front().keyCode, "4");

    EXPECT_FALSE(keyfunctionitem::storeMacroCopy(layer, macros, 8)) << "a macro that is not stored";
    ASSERT_TRUE(keyfunctionitem::removeMacroCopy(layer, 3));
    copy.clear();
    CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(folder.defaultLayer.constData(), "2", "3", "", &copy);
    EXPECT_TRUE(copy.isEmpty());
    EXPECT_TRUE(keyfunctionitem::removeMacroCopy(layer, 3)) << "no copy is no error";
}

} // namespace
