// The option and command pages, and the Default and Disable pages, driven through the host page the
// way a user reaches them: select a key, pick the type, click.
#include "cquelmoxml.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "dkeyfunctionpage.h"
#include "fixedtext.h"
#include "keyassign_fixture.h"
#include "keyfunctionitem.h"
#include "xmlstore.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;

class FunctionPages : public testing::Test
{
protected:
    FunctionPages()
    {
        DDataManager *dm = DDataManager::getInstance();
        dm->setMagneticKeyboard(false);
        dm->setDefaultLayerSelected(true);
        dm->setHidDeviceType(1);
        folder.publishTo(host);
    }
    ~FunctionPages() override
    {
        XmlStore::instance().setWriterForTesting({});
        DDataManager::getInstance()->resetCurrentKey();
        DDataManager::getInstance()->setHidDeviceType(1);
        DDataManager::getInstance()->setMagneticKeyboard(false);
    }

    DKeyFunctionPage *page(const char *name)
    {
        auto *p = functionPageNamed(host, name);
        EXPECT_NE(p, nullptr) << name;
        return p;
    }
    QRadioButton *radio(const char *pageName, const char *button)
    {
        auto *r = page(pageName)->findChild<QRadioButton *>(QLatin1String(button));
        EXPECT_NE(r, nullptr) << pageName << " " << button;
        return r;
    }
    // Selects the key and opens the tab with its type button, as a click on both does.
    void open(int keyCode, const char *typeButton)
    {
        DDataManager::getInstance()->setCurrentKey(keyCode, QStringLiteral("K%1").arg(keyCode));
        host.findChild<QToolButton *>(QLatin1String(typeButton))->click();
    }
    // The radio buttons of a page that are checked, by object name.
    QStringList checked(const char *pageName)
    {
        QStringList names;
        for (QRadioButton *r : page(pageName)->findChildren<QRadioButton *>()) {
            if (r->isChecked())
                names << r->objectName();
        }
        return names;
    }
    keyfunctionitem::Target layer() const { return {folder.defaultLayer, "2"}; }
    bool stored(int keyCode, KeyOperateInfo &info) const
    {
        return keyfunctionitem::read(layer(), keyCode, info);
    }

    ProfileFolder folder;
    DCustomKeysPage host;
};

struct PageTab
{
    const char *page;
    const char *typeButton;
};
constexpr PageTab kShortcuts{"DHotKeyPage", "toolButton_Shortcuts"};
constexpr PageTab kMultimedia{"DMultimediaPage", "toolButton_Multimedia"};
constexpr PageTab kMouse{"DMouseKeyPage", "toolButton_Mouse"};
constexpr PageTab kKeyConfig{"DKeyConfigFunctionPage", "toolButton_KeyConfigFunction"};
constexpr PageTab kKbLight{"DKeyboardLightCustomEventPage", "toolButton_KBLightAbout"};
constexpr PageTab kSideLight{"DSideLightCustomEventPage", "toolButton_SideLightAbout"};

struct ClickCase
{
    PageTab tab;
    const char *button;
    const char *type;
    const char *playMode;
    const char *value;
};

// Every button a user can click, with the item it writes.
// clang-format off
constexpr ClickCase kClicks[] = {
    {kShortcuts, "radioButton_CloseWindow", "9", "1", "0"},     {kShortcuts, "radioButton_ShowDesktop", "9", "1", "2"},
    {kShortcuts, "radioButton_OpenMyComputer", "9", "1", "3"},  {kShortcuts, "radioButton_LockingComputer", "9", "1", "4"},
    {kShortcuts, "radioButton_Copy", "9", "1", "5"},            {kShortcuts, "radioButton_Cut", "9", "1", "6"},
    {kShortcuts, "radioButton_Paste", "9", "1", "7"},           {kShortcuts, "radioButton_Find", "9", "1", "8"},
    {kShortcuts, "radioButton_CreateNew", "9", "1", "9"},       {kShortcuts, "radioButton_Print", "9", "1", "10"},
    {kShortcuts, "radioButton_Save", "9", "1", "11"},
    {kMultimedia, "radioButton_volAdd", "3", "1", "0"},         {kMultimedia, "radioButton_volLower", "3", "1", "1"},
    {kMultimedia, "radioButton_mute", "3", "1", "2"},           {kMultimedia, "radioButton_playOrPause", "3", "1", "3"},
    {kMultimedia, "radioButton_next", "3", "1", "4"},           {kMultimedia, "radioButton_previous", "3", "1", "5"},
    {kMultimedia, "radioButton_videoStop", "3", "1", "6"},      {kMultimedia, "radioButton_Player", "3", "1", "8"},
    {kMultimedia, "radioButton_Calculator", "3", "1", "9"},     {kMultimedia, "radioButton_Computer", "3", "1", "10"},
    {kMultimedia, "radioButton_Browser", "3", "1", "11"},       {kMultimedia, "radioButton_Email", "3", "1", "12"},
    {kMultimedia, "radioButton_ScreenBrightnessAdd", "3", "1", "13"},
    {kMultimedia, "radioButton_ScreenBrightnessLess", "3", "1", "14"},
    {kMultimedia, "radioButton_wwwSearch", "3", "1", "15"},
    {kMouse, "radioButton_mouseLeft", "4", "1", "0"},           {kMouse, "radioButton_mouseCenter", "4", "1", "1"},
    {kMouse, "radioButton_mouseRight", "4", "1", "2"},          {kMouse, "radioButton_mouseScrollUp", "4", "1", "3"},
    {kMouse, "radioButton_mouseScrollDown", "4", "1", "4"},     {kMouse, "radioButton_Forward", "4", "1", "5"},
    {kMouse, "radioButton_Backward", "4", "1", "6"},
    {kKeyConfig, "radioButton_SwitchLoopWin", "19", "2", "0"},  {kKeyConfig, "radioButton_LockKeyboard", "19", "0", "0"},
    {kKeyConfig, "radioButton_PowerQuery", "19", "10", "0"},    {kKeyConfig, "radioButton_USB", "19", "11", "2,0"},
    {kKeyConfig, "radioButton_24G", "19", "11", "1,0"},         {kKeyConfig, "radioButton_Pattern1", "19", "11", "0,0"},
    {kKeyConfig, "radioButton_Pattern2", "19", "11", "0,1"},    {kKeyConfig, "radioButton_Pattern3", "19", "11", "0,2"},
    {kKbLight, "radioButton_OverallLightList", "20", "1", "0"}, {kKbLight, "radioButton_InteractionLightList", "20", "1", "1"},
    {kKbLight, "radioButton_AllLightList", "20", "1", "2"},     {kKbLight, "radioButton_StaticMode", "20", "1", "3"},
    {kKbLight, "radioButton_BrightnessUp", "21", "1", "0"},     {kKbLight, "radioButton_BrightnessDown", "21", "1", "1"},
    {kKbLight, "radioButton_SpeedAdd", "22", "1", "0"},         {kKbLight, "radioButton_SpeedLessen", "22", "1", "1"},
    {kKbLight, "radioButton_DirectionAddOne", "23", "1", "0"},  {kKbLight, "radioButton_DirectionLessenOne", "23", "1", "1"},
    {kKbLight, "radioButton_DirectionLoop", "23", "1", "2"},    {kKbLight, "radioButton_FullColor", "24", "1", "0"},
    {kKbLight, "radioButton_TopColor", "24", "1", "1"},         {kKbLight, "radioButton_BottomColor", "24", "1", "2"},
    {kKbLight, "radioButton_CloseAll", "26", "0", "0"},         {kKbLight, "radioButton_CloseBackLight", "26", "0", "1"},
    {kKbLight, "radioButton_StopBackLight", "26", "1", "0"},    {kKbLight, "radioButton_LightRecording", "27", "1", "0"},
    {kKbLight, "radioButton_IntoCustomLight01", "25", "1", "0"}, {kKbLight, "radioButton_IntoCustomLight02", "25", "1", "1"},
    {kSideLight, "radioButton_AllLightList", "30", "1", "2"},   {kSideLight, "radioButton_BrightnessUp", "31", "1", "0"},
    {kSideLight, "radioButton_BrightnessDown", "31", "1", "1"}, {kSideLight, "radioButton_SpeedAdd", "32", "1", "0"},
    {kSideLight, "radioButton_SpeedLessen", "32", "1", "1"},    {kSideLight, "radioButton_FullColor", "33", "1", "0"},
    {kSideLight, "radioButton_TopColor", "33", "1", "1"},       {kSideLight, "radioButton_BottomColor", "33", "1", "2"},
    {kSideLight, "radioButton_CloseSideLight", "34", "0", "2"}, {kSideLight, "radioButton_StopSideLight", "34", "1", "0"},
};
// clang-format on

TEST_F(FunctionPages, EveryButtonWritesItsItemAndShowsItAgainOnTheNextLoad)
{
    for (const ClickCase &c : kClicks) {
        SCOPED_TRACE(std::string(c.tab.page) + " " + c.button);
        open(kKeyA, c.tab.typeButton);
        QSignalSpy updated(page(c.tab.page), &DKeyFunctionPage::sigShoudUpdateKeyboard);
        QSignalSpy saved(page(c.tab.page), &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
        radio(c.tab.page, c.button)->click();

        KeyOperateInfo info{};
        ASSERT_TRUE(stored(kKeyA, info));
        EXPECT_STREQ(info.type, c.type);
        EXPECT_STREQ(info.repeat, "1");
        EXPECT_STREQ(info.playMode, c.playMode);
        EXPECT_STREQ(info.value, c.value);
        ASSERT_EQ(updated.count(), 1);
        EXPECT_EQ(updated.at(0).at(0).toInt(), kKeyA);
        EXPECT_EQ(saved.count(), 1);

        // Another key first, so the check really comes from the stored item.
        open(kKeyB, c.tab.typeButton);
        EXPECT_TRUE(checked(c.tab.page).isEmpty());
        open(kKeyA, "toolButton_Default");
        host.findChild<QToolButton *>(QLatin1String(c.tab.typeButton))->click();
        EXPECT_EQ(checked(c.tab.page), QStringList{QLatin1String(c.button)});
    }
}

TEST_F(FunctionPages, TheHostOpensTheTabOfAStoredCommandWhenTheKeyIsSelected)
{
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, "A", 33, 1, 1, "2"));
    DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("A"));
    host.onKeyButtonClickedReturnKeyCodeAndKeyChar(kKeyA, QStringLiteral("A"));
    EXPECT_EQ(host.findChild<QStackedWidget *>()->currentWidget()->objectName(),
              QStringLiteral("page_SideLightAbout"));
    EXPECT_EQ(checked(kSideLight.page), QStringList{QStringLiteral("radioButton_BottomColor")});
}

struct LoadCase
{
    PageTab tab;
    int type; // -1: the key has no item
    int playMode;
    const char *value;
    const char *checks; // empty: nothing
};

// What a stored item checks, hidden buttons included; whatever the page cannot show checks
// nothing, also after a button was checked for the key shown before.
// clang-format off
constexpr LoadCase kLoads[] = {
    {kShortcuts, 9, 1, "5", "radioButton_Copy"},             {kShortcuts, 9, 3, "0", "radioButton_CloseWindow"},
    {kShortcuts, 9, 1, "1", ""},                             {kShortcuts, 9, 1, "12", ""},
    {kShortcuts, 9, 1, "x", ""},                             {kShortcuts, 3, 1, "5", ""},
    {kShortcuts, -1, 0, "", ""},
    {kMultimedia, 3, 1, "15", "radioButton_wwwSearch"},      {kMultimedia, 3, 1, "7", ""},
    {kMultimedia, 3, 1, "16", ""},                           {kMultimedia, 4, 1, "3", ""},
    {kMouse, 4, 1, "3", "radioButton_mouseScrollUp"},        {kMouse, 4, 1, "7", "radioButton_SniperKey"},
    {kMouse, 4, 1, "8", ""},                                 {kMouse, -1, 0, "", ""},
    {kKeyConfig, 19, 2, "1", "radioButton_LockWin"},         {kKeyConfig, 19, 8, "2", "radioButton_FN1Layer"},
    {kKeyConfig, 19, 8, "3", ""},                            {kKeyConfig, 19, 0, "7", "radioButton_LockKeyboard"},
    {kKeyConfig, 19, 10, "3", "radioButton_PowerQuery"},     {kKeyConfig, 19, 11, "1,2", "radioButton_24G"},
    {kKeyConfig, 19, 11, "0,2", "radioButton_Pattern3"},     {kKeyConfig, 19, 11, "0,3", ""},
    {kKeyConfig, 19, 11, "2", ""},                           {kKeyConfig, 19, 11, "", ""},
    {kKeyConfig, 19, 11, "x,y", ""},                         {kKeyConfig, 19, 5, "0", ""},
    {kKeyConfig, 20, 2, "0", ""},
    {kKbLight, 26, 0, "2", ""},                              {kKbLight, 26, 0, "1", "radioButton_CloseBackLight"},
    {kKbLight, 26, 1, "9", "radioButton_StopBackLight"},     {kKbLight, 26, 2, "0", ""},
    {kKbLight, 27, 0, "5", "radioButton_LightRecording"},    {kKbLight, 20, 1, "4", ""},
    {kKbLight, 20, 5, "3", "radioButton_StaticMode"},        {kKbLight, 30, 1, "2", ""},
    {kSideLight, 34, 0, "7", "radioButton_CloseSideLight"},  {kSideLight, 34, 1, "2", "radioButton_StopSideLight"},
    {kSideLight, 34, 2, "2", ""},                            {kSideLight, 30, 1, "0", "radioButton_OverallLightList"},
    {kSideLight, 33, 1, "3", ""},                            {kSideLight, 20, 1, "2", ""},
};
// clang-format on

TEST_F(FunctionPages, LoadingChecksTheStoredItemsButtonAndClearsThePreviousOne)
{
    for (const LoadCase &c : kLoads) {
        SCOPED_TRACE(std::string(c.tab.page) + " type " + std::to_string(c.type) + " play " +
                     std::to_string(c.playMode) + " value '" + c.value + "'");
        ASSERT_TRUE(keyfunctionitem::remove(layer(), kKeyB, "B"));
        if (c.type != -1) {
            ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyB, "B", c.type, 1, c.playMode, c.value));
        }
        // A visible button checked for the key shown before.
        open(kKeyA, c.tab.typeButton);
        for (QRadioButton *r : page(c.tab.page)->findChildren<QRadioButton *>()) {
            if (!r->isHidden()) {
                r->setChecked(true);
                break;
            }
        }
        open(kKeyB, c.tab.typeButton);
        const QStringList expected = *c.checks ? QStringList{QLatin1String(c.checks)} : QStringList{};
        EXPECT_EQ(checked(c.tab.page), expected);
        KeyOperateInfo info{};
        EXPECT_EQ(stored(kKeyB, info), c.type != -1) << "loading writes nothing";
    }
}

TEST_F(FunctionPages, ConnectionButtonsHideOnMagneticLayoutsAndComeBackOnOthers)
{
    const char *const sixButtons[] = {"radioButton_PowerQuery", "radioButton_USB",
                                      "radioButton_24G",        "radioButton_Pattern1",
                                      "radioButton_Pattern2",   "radioButton_Pattern3"};
    const char *const neverShown[] = {"radioButton_LockWin", "radioButton_UnlockWin",
                                      "radioButton_DefaultLayer", "radioButton_FNLayer",
                                      "radioButton_FN1Layer"};
    const struct
    {
        int hidDeviceType;
        bool sixShown;
    } cases[] = {{4, false}, {1, true}, {5, false}, {2, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.hidDeviceType);
        DDataManager::getInstance()->setHidDeviceType(c.hidDeviceType);
        open(kKeyA, kKeyConfig.typeButton);
        for (const char *name : sixButtons)
            EXPECT_EQ(!radio(kKeyConfig.page, name)->isHidden(), c.sixShown) << name;
        for (const char *name : neverShown)
            EXPECT_TRUE(radio(kKeyConfig.page, name)->isHidden()) << name;
        EXPECT_FALSE(radio(kKeyConfig.page, "radioButton_SwitchLoopWin")->isHidden());
        EXPECT_FALSE(radio(kKeyConfig.page, "radioButton_LockKeyboard")->isHidden());
    }
    EXPECT_TRUE(radio(kSideLight.page, "radioButton_OverallLightList")->isHidden());
    EXPECT_TRUE(radio(kSideLight.page, "radioButton_InteractionLightList")->isHidden());
    EXPECT_TRUE(radio(kMouse.page, "radioButton_SniperKey")->isHidden());
}

TEST_F(FunctionPages, ALanguageChangeKeepsTextsCheckedAndHiddenButtonsAndWritesNothing)
{
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, "A", 19, 1, 2, "1"));
    open(kKeyA, kKeyConfig.typeButton);
    host.retranslate();
    EXPECT_EQ(checked(kKeyConfig.page), QStringList{QStringLiteral("radioButton_LockWin")});
    EXPECT_TRUE(radio(kKeyConfig.page, "radioButton_LockWin")->isHidden());
    EXPECT_EQ(radio(kKeyConfig.page, "radioButton_SwitchLoopWin")->text(), QStringLiteral("Lock/Unlock Win"));
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_STREQ(info.playMode, "2");
    EXPECT_STREQ(info.value, "1");
}

TEST_F(FunctionPages, APlayModeCountsOnlyForTheTypeThatUsesIt)
{
    open(kKeyA, kKbLight.typeButton);
    radio(kKbLight.page, "radioButton_CloseAll")->click();
    radio(kKbLight.page, "radioButton_SpeedAdd")->click();
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_STREQ(info.type, "22");
    EXPECT_STREQ(info.playMode, "1");
}

TEST_F(FunctionPages, ClickingTheCheckedOptionAgainRewritesTheOneItem)
{
    open(kKeyA, kShortcuts.typeButton);
    QSignalSpy saved(page(kShortcuts.page), &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    radio(kShortcuts.page, "radioButton_Copy")->click();
    radio(kShortcuts.page, "radioButton_Copy")->click();
    EXPECT_EQ(saved.count(), 2);
    QList<int> keys;
    ASSERT_TRUE(keyfunctionitem::list(layer(), keys));
    EXPECT_EQ(keys, QList<int>{kKeyA});
}

TEST_F(FunctionPages, AWriteTheStoreRefusesIsReportedAsAFailure)
{
    open(kKeyA, kMultimedia.typeButton);
    QSignalSpy saved(page(kMultimedia.page), &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    QSignalSpy failed(page(kMultimedia.page), &DKeyFunctionPage::sigCustomKeyInfoSaveFailed);
    QSignalSpy tips(&host, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
    XmlStore::instance().setWriterForTesting([](QIODevice &, const QByteArray &) -> qint64 { return 0; });
    radio(kMultimedia.page, "radioButton_mute")->click();
    XmlStore::instance().setWriterForTesting({});

    EXPECT_EQ(saved.count(), 0);
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0).at(0).toInt(), 3);
    EXPECT_EQ(failed.at(0).at(1).toInt(), DKeyFunctionPage::kSaveErrorStore);
    ASSERT_EQ(tips.count(), 1);
    EXPECT_EQ(tips.at(0).at(0).toString(), QStringLiteral("Operate failed"));
    KeyOperateInfo info{};
    EXPECT_FALSE(stored(kKeyA, info));
}

// ---- Default and Disable

class DefaultAndDisable : public FunctionPages
{
protected:
    void bindMacro(const keyfunctionitem::Target &target, int keyCode, const char *name, int macroId)
    {
        ASSERT_TRUE(keyfunctionitem::save(target, keyCode, QString::fromUtf8(name), 1, 1, 1,
                                          QByteArray::number(macroId)));
        MacroEventRecord down{};
        fixedtext::copy(down.mark, "1");
        fixedtext::copy(down.delay, "10");
        fixedtext::copy(down.type, "key");
        fixedtext::copy(down.keyCode, "4");
        fixedtext::copy(down.codeName, "A");
        fixedtext::copy(down.operateExplain, "down");
        const QByteArray id = QByteArray::number(macroId);
        ASSERT_TRUE(CQuelmoXML_AddProFileBindMacroItem(target.path.constData(), target.index.constData(),
                                                       {down}, id.constData(), ("Macro" + id).constData()));
    }
    bool hasMacroCopy(const keyfunctionitem::Target &target, int macroId) const
    {
        QList<MacroEventRecord> events;
        const QByteArray id = QByteArray::number(macroId);
        return CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(target.path.constData(), target.index.constData(),
                                                           id.constData(), ("Macro" + id).constData(),
                                                           &events);
    }
    void clickOk(const char *pageName) { page(pageName)->findChild<QPushButton *>("pushButton_OK")->click(); }
};

TEST_F(DefaultAndDisable, DefaultWithoutAKeyOnlyAsksForOne)
{
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, "A", 0, 1, 1, "5"));
    host.resetPage(0);
    QSignalSpy failed(page("DResetDefaultPage"), &DKeyFunctionPage::sigCustomKeyInfoSaveFailed);
    QSignalSpy updated(page("DResetDefaultPage"), &DKeyFunctionPage::sigShoudUpdateKeyboard);
    QSignalSpy tips(&host, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
    EXPECT_EQ(page("DResetDefaultPage")->findChild<QLabel *>("label_KeyChar")->text(),
              QStringLiteral("NULL"));
    clickOk("DResetDefaultPage");
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0), (QList<QVariant>{10, 0}));
    EXPECT_EQ(updated.count(), 0);
    EXPECT_EQ(tips.at(0).at(0).toString(), QStringLiteral("Please select one Key first"));
    EXPECT_EQ(keyfunctionitem::itemType(layer(), kKeyA), 0);
}

TEST_F(DefaultAndDisable, DefaultReleasesAMacroCopyOnlyWithItsLastKey)
{
    bindMacro(layer(), kKeyA, "A", 3);
    bindMacro(layer(), kKeyB, "B", 3);
    open(kKeyA, "toolButton_Default");
    QSignalSpy saved(page("DResetDefaultPage"), &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    clickOk("DResetDefaultPage");
    EXPECT_EQ(keyfunctionitem::itemType(layer(), kKeyA), std::nullopt);
    EXPECT_TRUE(hasMacroCopy(layer(), 3)) << "key B still plays macro 3";

    open(kKeyB, "toolButton_Default");
    clickOk("DResetDefaultPage");
    EXPECT_EQ(keyfunctionitem::itemType(layer(), kKeyB), std::nullopt);
    EXPECT_FALSE(hasMacroCopy(layer(), 3));
    EXPECT_EQ(saved.count(), 2);
}

TEST_F(DefaultAndDisable, DefaultLeavesMacroCopiesAloneForItemsOfOtherTypes)
{
    bindMacro(layer(), kKeyB, "B", 3);
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, "A", 0, 1, 1, "3")); // a remap to usage 3
    open(kKeyA, "toolButton_Default");
    clickOk("DResetDefaultPage");
    EXPECT_EQ(keyfunctionitem::itemType(layer(), kKeyA), std::nullopt);
    EXPECT_TRUE(hasMacroCopy(layer(), 3));
}

TEST_F(DefaultAndDisable, DefaultRemovesAnItemWhateverScriptItsKeyNameIsIn)
{
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, QStringLiteral("中Ä"), 9, 1, 1, "5"));
    DDataManager::getInstance()->setCurrentKey(kKeyA, QStringLiteral("中Ä"));
    host.findChild<QToolButton *>("toolButton_Default")->click();
    clickOk("DResetDefaultPage");
    EXPECT_EQ(keyfunctionitem::itemType(layer(), kKeyA), std::nullopt);
}

TEST_F(DefaultAndDisable, DefaultOnAKeyWithoutAnItemStillReportsSuccess)
{
    open(kKeyA, "toolButton_Default");
    QSignalSpy updated(page("DResetDefaultPage"), &DKeyFunctionPage::sigShoudUpdateKeyboard);
    QSignalSpy saved(page("DResetDefaultPage"), &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    clickOk("DResetDefaultPage");
    EXPECT_EQ(updated.count(), 1);
    EXPECT_EQ(saved.count(), 1);
}

TEST_F(DefaultAndDisable, HeavyPressResetsOnlyTheHeavyPressFileUntilTheNextLoad)
{
    DDataManager::getInstance()->setMagneticKeyboard(true);
    const keyfunctionitem::Target heavy{folder.heavy, "1"};
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, "A", 0, 1, 1, "5"));
    ASSERT_TRUE(keyfunctionitem::save(heavy, kKeyA, "A", 0, 1, 1, "6"));
    open(kKeyA, "toolButton_Default");
    auto *selector = page("DResetDefaultPage")->findChild<QFrame *>("frame_Top2");
    EXPECT_FALSE(selector->isHidden());
    page("DResetDefaultPage")->findChild<QRadioButton *>("radioButton_HeavyPress")->click();
    clickOk("DResetDefaultPage");
    EXPECT_EQ(keyfunctionitem::itemType(heavy, kKeyA), std::nullopt);
    EXPECT_EQ(keyfunctionitem::itemType(layer(), kKeyA), 0);

    ASSERT_TRUE(keyfunctionitem::save(heavy, kKeyA, "A", 0, 1, 1, "6"));
    open(kKeyA, "toolButton_Default");
    EXPECT_TRUE(page("DResetDefaultPage")->findChild<QRadioButton *>("radioButton_LightPress")->isChecked());
    clickOk("DResetDefaultPage");
    EXPECT_EQ(keyfunctionitem::itemType(layer(), kKeyA), std::nullopt) << "a load goes back to Light Press";
    EXPECT_EQ(keyfunctionitem::itemType(heavy, kKeyA), 0);

    // Once the host has hidden the selector it stays hidden, whatever it asks later.
    host.setHeavyPressSelectorsVisible(0);
    open(kKeyA, "toolButton_Default");
    EXPECT_TRUE(selector->isHidden());
    DDataManager::getInstance()->setMagneticKeyboard(false);
}

TEST_F(DefaultAndDisable, TheSelectorIsHiddenOnOrdinaryKeyboards)
{
    open(kKeyA, "toolButton_Default");
    EXPECT_TRUE(page("DResetDefaultPage")->findChild<QFrame *>("frame_Top2")->isHidden());
}

TEST_F(DefaultAndDisable, DisableReplacesTheItemAndKeepsTheMacroCopy)
{
    bindMacro(layer(), kKeyA, "A", 3);
    open(kKeyA, "toolButton_Disable");
    clickOk("DKeyDisablePage");
    clickOk("DKeyDisablePage");
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_STREQ(info.type, "5");
    EXPECT_STREQ(info.repeat, "1");
    EXPECT_STREQ(info.playMode, "1");
    EXPECT_STREQ(info.value, "-1");
    QList<int> keys;
    ASSERT_TRUE(keyfunctionitem::list(layer(), keys));
    EXPECT_EQ(keys, QList<int>{kKeyA});
    EXPECT_TRUE(hasMacroCopy(layer(), 3));
}

TEST_F(DefaultAndDisable, DisableCancelWritesNothingAndGoesBackToDefault)
{
    open(kKeyA, "toolButton_Disable");
    QSignalSpy updated(page("DKeyDisablePage"), &DKeyFunctionPage::sigShoudUpdateKeyboard);
    page("DKeyDisablePage")->findChild<QPushButton *>("pushButton_Cancel")->click();
    EXPECT_EQ(updated.count(), 0);
    KeyOperateInfo info{};
    EXPECT_FALSE(stored(kKeyA, info));
    EXPECT_EQ(host.findChild<QStackedWidget *>()->currentWidget()->objectName(),
              QStringLiteral("page_Default"));
}

TEST_F(DefaultAndDisable, ALanguageChangeKeepsTheKeyName)
{
    open(kKeyA, "toolButton_Disable");
    host.retranslate();
    EXPECT_EQ(page("DKeyDisablePage")->findChild<QLabel *>("label_KeyChar")->text(), QStringLiteral("K4"));
    host.resetPage(0);
    host.retranslate();
    EXPECT_EQ(page("DResetDefaultPage")->findChild<QLabel *>("label_KeyChar")->text(),
              QStringLiteral("NULL"));
}

} // namespace
