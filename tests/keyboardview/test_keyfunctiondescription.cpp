// Type names and detail texts of key-function items.
#include "ddatamanager.h"
#include "fakekeyfunctionstore.h"

#include <QFile>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class KeyFunctionDescription : public testing::Test
{
protected:
    void SetUp() override
    {
        dm = DDataManager::getInstance();
        dm->setKeyFunctionStore(&store);
        dm->setKeyNameMap({{4, "A"}, {5, "B"}, {41, "Esc"}});
        store.macros = {{"2", "Burst"}, {"3", "Combo \xe2\x98\x85"}};
        store.profiles = {{"1", "Game"}, {"2", "Office"}};
        SeniorKeyInfoStu k{};
        k.index = 5;
        std::strcpy(k.name, "DKS jump");
        store.seniorKeys = {k};
    }
    void TearDown() override { dm->setKeyFunctionStore(nullptr); }

    std::pair<QString, QString> describe(const char *type, const char *value, const char *sub = "0")
    {
        const QString name = dm->keyFunctionDescription(FakeKeyFunctionStore::item(4, type, value, sub));
        return {name, dm->keyFunctionDetail()};
    }

    DDataManager *dm = nullptr;
    FakeKeyFunctionStore store;
};

struct Row
{
    const char *type;
    const char *value;
    const char *sub;
    const char *name;
    const char *detail;
};

TEST_F(KeyFunctionDescription, EveryItemType)
{
    const Row rows[] = {
        {"-1", "-1", "-1", "Default", "Unknow"},
        {"0", "4", "0", "Remap Key", "A"},
        {"0", "200", "0", "Remap Key", ""},
        {"1", "3", "0", "Macro", "Combo \xe2\x98\x85"},
        {"1", "03", "0", "Macro", "Combo \xe2\x98\x85"},
        {"1", "9", "0", "Macro", "Unknow"},
        {"2", "3,4", "0", "Key Combination", "L_CTRL+L_SHIFT+A"},
        {"2", "0,4", "0", "Key Combination", "A"},
        {"2", "129,4", "0", "Key Combination", "L_CTRL+R_WIN+A"},
        {"2", "5,999", "0", "Key Combination", "L_CTRL+L_ALT"},
        {"2", "255,5", "0", "Key Combination", "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+B"},
        {"2", "256,4", "0", "Key Combination", "A"},
        {"3", "0", "0", "Multimedia", "Volume +"},
        {"3", "7", "0", "Multimedia", "Unknow"},
        {"3", "11", "0", "Multimedia", "Browser"},
        {"3", "12", "0", "Multimedia", "Email"},
        {"3", "15", "0", "Multimedia", "Search"},
        {"3", "16", "0", "Multimedia", "Unknow"},
        {"4", "0", "0", "Mouse", "Mouse Left"},
        {"4", "7", "0", "Mouse", "Sniper Key"},
        {"4", "8", "0", "Mouse", "Unknow"},
        {"5", "0", "0", "Disable", "Disable"},
        {"6", "h\xc3\xa9llo world", "0", "Text", "h\xc3\xa9llo world"},
        {"7", "2", "0", "Switch Profile", "Office"},
        {"7", "7", "0", "Switch Profile", "Unknow"},
        {"8", "/usr/bin/gimp", "0", "Launch Application", "/usr/bin/gimp"},
        {"9", "0", "0", "Shortcuts", "Close window"},
        {"9", "11", "0", "Shortcuts", "Save"},
        {"9", "12", "0", "Shortcuts", "Unknow"},
        {"10", "0", "0", "Unknow", "Unknow"},
        {"15", "0", "0", "Default", "Unknow"},
        {"19", "5", "0", "Key Config", "Lock keyboard"},
        {"19", "1", "2", "Key Config", "Lock win"},
        {"19", "3", "2", "Key Config", "Unknow"},
        {"19", "1", "8", "Key Config", "FN layer"},
        {"19", "2", "8", "Key Config", "FN1 layer"},
        {"19", "0", "10", "Key Config", "Power query"},
        {"19", "0,2", "11", "Key Config", "Bluetooth 3"},
        {"19", "1,0", "11", "Key Config", "2.4G switching"},
        {"19", "2,0", "11", "Key Config", "USB switching"},
        {"19", "0,3", "11", "Key Config", "Unknow"},
        {"19", "0", "3", "Key Config", "Unknow"},
        {"20", "3", "0", "Keyboard Light", "Static"},
        {"21", "1", "0", "Keyboard Light", "Brightness -"},
        {"22", "0", "0", "Keyboard Light", "Speed +"},
        {"23", "2", "0", "Keyboard Light", "Direction Loop"},
        {"24", "1", "0", "Keyboard Light", "Top color changed"},
        {"25", "1", "0", "Keyboard Light", "Custom 2"},
        {"25", "2", "0", "Keyboard Light", "Unknow"},
        {"26", "1", "0", "Keyboard Light", "Close back light"},
        {"26", "9", "1", "Keyboard Light", "Stop back light"},
        {"26", "0", "2", "Keyboard Light", "Unknow"},
        {"27", "5", "0", "Keyboard Light", "Light recording"},
        {"30", "2", "0", "Atmosphere Light", "All light"},
        {"30", "3", "0", "Atmosphere Light", "Unknow"},
        {"31", "0", "0", "Atmosphere Light", "Brightness +"},
        {"32", "1", "0", "Atmosphere Light", "Speed -"},
        {"33", "2", "0", "Atmosphere Light", "Bottom color changed"},
        {"34", "0", "0", "Atmosphere Light", "Close side light"},
        {"34", "0", "1", "Atmosphere Light", "Stop side light"},
        {"40", "5", "0", "Senior Keys", "DKS jump"},
        {"40", "6", "0", "Senior Keys", "Unknow"},
        {" 3", "2abc", "0", "Multimedia", "Mute"}, // atoi: leading blanks, stops at a non-digit
        {"x", "0", "0", "Remap Key", ""},          // no digits reads as 0
        {"3", "99999999999999999999", "0", "Multimedia", "Unknow"}, // out of range, no overflow
    };
    for (const Row &r : rows) {
        const auto [name, detail] = describe(r.type, r.value, r.sub);
        EXPECT_EQ(name, QString::fromUtf8(r.name)) << "type " << r.type << " value " << r.value;
        EXPECT_EQ(detail, QString::fromUtf8(r.detail))
            << "type " << r.type << " value " << r.value << " sub " << r.sub;
    }
}

TEST_F(KeyFunctionDescription, UnreadableAdvancedKeysLeaveUnknow)
{
    store.seniorReadable = false;
    EXPECT_EQ(describe("40", "5").second, "Unknow");
    store.seniorReadable = true;
    store.seniorKeys.clear();
    EXPECT_EQ(describe("40", "5").second, "Unknow");
}

TEST_F(KeyFunctionDescription, DetailStaysUntilTheNextCall)
{
    describe("3", "2");
    EXPECT_EQ(dm->keyFunctionDetail(), "Mute");
    EXPECT_EQ(dm->keyFunctionDetail(), "Mute");
    describe("-1", "-1");
    EXPECT_EQ(dm->keyFunctionDetail(), "Unknow");
}

TEST_F(KeyFunctionDescription, FieldsWithoutTerminatorAreReadWithinTheirBounds)
{
    KeyOperateInfo info = FakeKeyFunctionStore::item(4, "3", "2");
    std::memset(info.type, '3', sizeof info.type); // "33333333" with no NUL, then the next field
    EXPECT_EQ(dm->keyFunctionDescription(info), "Default");
}

} // namespace

#include "cquelmoxml.h"

#include <QTemporaryDir>

namespace {

// The program's own store: the same lookups through real profile, macro and advanced-key files.
TEST(KeyFunctionDescriptionStore, ReadsTheXmlStore)
{
    QTemporaryDir dir;
    const QByteArray profile = QFile::encodeName(dir.filePath("appProfile_Default.xml"));
    const QByteArray macros = QFile::encodeName(dir.filePath("appMacro.xml"));
    const QByteArray senior = QFile::encodeName(dir.filePath("SeniorKeyConfig.xml"));
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(profile.constData()));
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(profile.constData(), "1", "Game", 0));
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(profile.constData(), "2", "Office \xe2\x98\x85", 0));
    ASSERT_TRUE(
        CQuelmoXML_AddProFileMacroWithKeyInfoItem(profile.constData(), "1", "4", "A", "3", "0", "0", "12"));
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(macros.constData()));
    ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(macros.constData(), "3", "Burst"));
    ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateXMLFile(senior.constData()));
    SeniorKeyInfoStu key{};
    key.index = 7;
    key.type = SeniorKeyDKS;
    std::strcpy(key.name, "Jump");
    ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(senior.constData(), SeniorKeyDKS, key));

    DDataManager *dm = DDataManager::getInstance();
    dm->setKeyFunctionStore(nullptr);
    ASSERT_TRUE(dm->setProfileXmlPath(profile.constData()));
    ASSERT_TRUE(dm->setMacroXmlPath(macros.constData()));
    ASSERT_TRUE(dm->setSeniorKeyXmlPath(senior.constData()));

    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    ASSERT_TRUE(dm->keyFunctionStore().selectProFileKeyOperateInfo(profile.constData(), "1", "4", &info));
    EXPECT_EQ(dm->keyFunctionDescription(info), "Multimedia");
    EXPECT_EQ(dm->keyFunctionDetail(), "Email");

    const struct
    {
        const char *type;
        const char *value;
        const char *detail;
    } rows[] = {{"1", "3", "Burst"},  {"1", "4", "Unknow"}, {"7", "2", "Office \xe2\x98\x85"},
                {"7", "9", "Unknow"}, {"40", "7", "Jump"},  {"40", "8", "Unknow"}};
    for (const auto &r : rows) {
        dm->keyFunctionDescription(FakeKeyFunctionStore::item(4, r.type, r.value));
        EXPECT_EQ(dm->keyFunctionDetail(), QString::fromUtf8(r.detail)) << r.type << " " << r.value;
    }
    dm->setProfileXmlPath("");
    dm->setMacroXmlPath("");
    dm->setSeniorKeyXmlPath("");
}

} // namespace
