#include "storefixture.h"

namespace {

struct ItemCase
{
    const char *what;
    std::string code, name, type, repeat, playMode, value;
};

class KeyItemRoundTrip : public StoreTest, public testing::WithParamInterface<ItemCase>
{
};

TEST_P(KeyItemRoundTrip, ReadBackReturnsExactlyTheStoredTexts)
{
    const ItemCase &c = GetParam();
    ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", c.code.c_str(), c.name.c_str(),
                                                          c.type.c_str(), c.repeat.c_str(),
                                                          c.playMode.c_str(), c.value.c_str()));
    XmlStore::instance().clearCache(); // read from disk, not from the cached document
    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    ASSERT_TRUE(CQuelmoXML_SelectProFileKeyOperateInfo(p(), "1", c.code.c_str(), &info));
    EXPECT_EQ(info.keyCode, c.code);
    EXPECT_EQ(info.keyName, c.name);
    EXPECT_EQ(info.type, c.type);
    EXPECT_EQ(info.repeat, c.repeat);
    EXPECT_EQ(info.playMode, c.playMode);
    EXPECT_EQ(std::string(info.value), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Store, KeyItemRoundTrip,
    testing::Values(ItemCase{"remap", "4", "A", "0", "1", "1", "5"},
                    ItemCase{"fn_key_and_negative_value", "-10", "Fn", "0", "1", "1", "-10"},
                    ItemCase{"macro", "30", "1", "1", "5", "2", "3"},
                    ItemCase{"combination", "6", "C", "2", "1", "1", "3,4"},
                    ItemCase{"text_with_line_breaks", "7", "D", "6", "1", "1",
                             "first\nsecond\r\nthird\t end  "},
                    ItemCase{"only_blanks", "8", "E", "6", "1", "1", "  \n "},
                    ItemCase{"markup_characters", "9", "F", "6", "1", "1", "<a href=\"x\">&amp;</a> ]]>"},
                    ItemCase{"unicode", "10", "Ä", "6", "1", "1", "日本語 ✓ 😀"},
                    ItemCase{"launch_path", "11", "G", "8", "1", "1", "/usr/bin/my app"},
                    ItemCase{"longest_value", "12", "H", "6", "1", "1", std::string(5119, 'v')},
                    ItemCase{"key_config", "13", "I", "19", "1", "11", "2,7"}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(StoreTest, MissLeavesEveryPreFilledFieldUntouched)
{
    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    EXPECT_FALSE(CQuelmoXML_SelectProFileKeyOperateInfo(p(), "1", "4", &info)) << "no item";
    EXPECT_FALSE(CQuelmoXML_SelectProFileKeyOperateInfo(p(), "2", "4", &info)) << "no profile";
    EXPECT_FALSE(CQuelmoXML_SelectProFileKeyOperateInfo(file("none.xml"), "1", "4", &info)) << "no file";
    for (const char *field : {info.keyCode, info.keyName, info.type, info.repeat, info.playMode, info.value})
        EXPECT_STREQ(field, "-1");
}

struct RefusedItem
{
    const char *what;
    std::string code, name, value;
};

class KeyItemRefusal : public StoreTest, public testing::WithParamInterface<RefusedItem>
{
};

TEST_P(KeyItemRefusal, IsRefusedAndTheOldItemStays)
{
    ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", "4", "A", "0", "1", "1", "5"));
    const QByteArray before = readAll(m_profile);
    const RefusedItem &c = GetParam();
    EXPECT_FALSE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", c.code.c_str(), c.name.c_str(), "6", "1",
                                                           "1", c.value.c_str()));
    EXPECT_EQ(readAll(m_profile), before);
}

INSTANTIATE_TEST_SUITE_P(Store, KeyItemRefusal,
                         testing::Values(RefusedItem{"control_character", "4", "A", "a\x1b[31m"},
                                         RefusedItem{"noncharacter_ffff", "4", "A",
                                                     std::string("\xef\xbf\xbf")},
                                         RefusedItem{"invalid_utf8_value", "4", "A", "caf\xe9"},
                                         RefusedItem{"overlong_utf8", "4", "A", "\xc0\xaf"},
                                         RefusedItem{"value_too_long", "4", "A", std::string(5120, 'v')},
                                         RefusedItem{"name_too_long", "4", std::string(64, 'n'), "x"},
                                         RefusedItem{"code_not_a_number", "A", "A", "x"}),
                         [](const auto &info) { return std::string(info.param.what); });

TEST_F(StoreTest, SavingAKeyTwiceLeavesOneItemAndDeleteMatchesByCodeOnly)
{
    ASSERT_TRUE(CQuelmoXML_DeleteProFileMacroWithKeyInfoItem(p(), "1", "4", "A")) << "no item is no error";
    ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", "4", "Ä", "0", "1", "1", "5"));
    ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", "4", "Ä", "3", "1", "1", "2"));
    QStringList codes;
    ASSERT_TRUE(CQuelmoXML_ProFileKeyInfoSelectAll(p(), "1", &codes));
    EXPECT_EQ(codes, QStringList{"4"});

    // The Default page passes the name as Latin-1: it still removes the item.
    EXPECT_TRUE(CQuelmoXML_DeleteProFileMacroWithKeyInfoItem(p(), "1", "4", "\xc4"));
    codes.clear();
    ASSERT_TRUE(CQuelmoXML_ProFileKeyInfoSelectAll(p(), "1", &codes));
    EXPECT_TRUE(codes.isEmpty());
    EXPECT_FALSE(CQuelmoXML_DeleteProFileMacroWithKeyInfoItem(p(), "9", "4", "A")) << "no profile";
}

TEST_F(StoreTest, ListAppendsCodesInStoreOrderAndCountMatchesTypeAndValueExactly)
{
    for (const char *code : {"20", "4", "-10", "7"})
        ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", code, "k", "1", "1", "1", "3"));
    ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", "8", "k", "1", "1", "1", "30"));
    ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", "9", "k", "0", "1", "1", "3"));
    QStringList codes{"existing"};
    ASSERT_TRUE(CQuelmoXML_ProFileKeyInfoSelectAll(p(), "1", &codes));
    EXPECT_EQ(codes, (QStringList{"existing", "20", "4", "-10", "7", "8", "9"}));

    EXPECT_EQ(CQuelmoXML_GetProFileValueNum(p(), "1", "1", "3"), 4);
    EXPECT_EQ(CQuelmoXML_GetProFileValueNum(p(), "1", "1", "30"), 1);
    EXPECT_EQ(CQuelmoXML_GetProFileValueNum(p(), "1", "1", "03"), 0);
    EXPECT_EQ(CQuelmoXML_GetProFileValueNum(p(), "2", "1", "3"), -1) << "no profile";
}

TEST_F(StoreTest, BoundMacroCopyRoundTripReplaceAndDelete)
{
    const QList<MacroEventRecord> events = {macroEvent("1", "0", "key", "4", "A", "down"),
                                            macroEvent("2", "15", "mouse", "513", "Left Click", "down"),
                                            macroEvent("1", "30", "key", "4", "A", "up"),
                                            macroEvent("2", "65535", "mouse", "514", "Left Click", "up")};
    ASSERT_TRUE(CQuelmoXML_AddProFileBindMacroItem(p(), "1", events, "3", "Macro3"));
    ASSERT_TRUE(CQuelmoXML_AddProFileBindMacroItem(p(), "1", {}, "4", "Macro4"));

    QList<MacroEventRecord> read;
    ASSERT_TRUE(CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(p(), "1", "3", "", &read));
    ASSERT_EQ(read.size(), events.size());
    for (int i = 0; i < events.size(); ++i)
        EXPECT_EQ(describe(read[i]), describe(events[i]));

    // A new copy replaces the old one; it is not appended to it.
    ASSERT_TRUE(CQuelmoXML_AddProFileBindMacroItem(p(), "1", events.mid(0, 1), "3", "Macro3"));
    read.clear();
    ASSERT_TRUE(CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(p(), "1", "3", "", &read));
    EXPECT_EQ(read.size(), 1);

    read.clear();
    EXPECT_TRUE(CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(p(), "1", "4", "", &read));
    EXPECT_TRUE(read.isEmpty());

    EXPECT_TRUE(CQuelmoXML_DeleteProFileBindMacroNode(p(), "1", "3", "Macro3"));
    EXPECT_FALSE(CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(p(), "1", "3", "", &read));
    EXPECT_TRUE(CQuelmoXML_DeleteProFileBindMacroNode(p(), "1", "3", "Macro3")) << "no copy is no error";

    MacroEventRecord bad = events[0];
    std::strcpy(bad.codeName, "\x07");
    EXPECT_FALSE(CQuelmoXML_AddProFileBindMacroItem(p(), "1", {bad}, "5", "Macro5"));
    EXPECT_FALSE(CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(p(), "1", "5", "", &read));
}

} // namespace
