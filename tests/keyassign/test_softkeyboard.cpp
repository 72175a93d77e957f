// The on-screen keyboard: loading a layout, the published key maps, labels, held keys and looks.
#include "catalogue_fixture.h"
#include "ddatamanager.h"
#include "dsoftkeyboardpage.h"
#include "keycatalogue.h"
#include "softkeyboardbutcustom.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kUsLayout = QStringLiteral(":/images/configDir/softKeyInfoNormalUS.config");
const QString kAbntLayout = QStringLiteral(":/images/configDir/softKeyInfoNormal_91.config");

bool looksSelected(const SoftKeyboardButCustom *b)
{
    return b->styleSheet().contains(QLatin1String("border-bottom: 1px"));
}

void hover(QWidget *w, bool enter)
{
    QEvent event(enter ? QEvent::Enter : QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

class SoftKeyboard : public testing::Test
{
protected:
    void SetUp() override
    {
        DDataManager::getInstance()->setKeyNameMap({});
        DDataManager::getInstance()->setVkToHidMap({});
        page.show();
    }

    SoftKeyboardButCustom *key(int dec) const
    {
        return page.findChild<SoftKeyboardButCustom *>(QStringLiteral("softKey_%1").arg(dec));
    }
    int buttonCount() const { return page.findChildren<SoftKeyboardButCustom *>().size(); }
    void click(int dec)
    {
        SoftKeyboardButCustom *b = key(dec);
        ASSERT_NE(b, nullptr) << dec;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    DSoftKeyboardPage page;
};

TEST_F(SoftKeyboard, LoadingAnyModelBuildsTheUsLayoutAndPublishesBothMaps)
{
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    EXPECT_EQ(page.size(), QSize(1000, 245));
    page.loadKeyboardInfo(QStringLiteral("TL68HE"));

    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(page.layoutCode(), 31);
    EXPECT_EQ(buttonCount(), 112);
    const QMap<int, QString> names = DDataManager::getInstance()->keyNameMap();
    const QMap<int, int> vkToHid = DDataManager::getInstance()->vkToHidMap();
    EXPECT_EQ(names.size(), 112);
    EXPECT_EQ(vkToHid.size(), 112);
    EXPECT_EQ(names.value(-10), QStringLiteral("Fn"));

    const std::pair<int, int> expected[] = {
        {999, 40},  {998, 88},  {2350, 145}, {2360, 144}, {-1, -10},  {981, 137}, {984, 135}, {986, 139},
        {987, 138}, {988, 136}, {226, 100},  {160, 225},  {163, 228}, {91, 227},  {65, 4},    {96, 98},
    };
    for (const auto &[vk, hid] : expected)
        EXPECT_EQ(vkToHid.value(vk, -999), hid) << "virtual key " << vk;
    // Keys nobody can pick: right Win and codes without a key have no usage.
    for (int vk : {255, 92, 13})
        EXPECT_FALSE(vkToHid.contains(vk)) << vk;

    // The catalogue's own geometry, unscaled.
    const SoftKeyboardButCustom *esc = key(41);
    ASSERT_NE(esc, nullptr);
    EXPECT_EQ(esc->geometry(), QRect(19, 4, 30, 33));
    EXPECT_EQ(key(40)->size(), QSize(83, 33));
    EXPECT_EQ(key(88)->size(), QSize(30, 73));
    EXPECT_EQ(esc->parentWidget(), &page);
}

struct LabelCase
{
    int dec;
    const char *label;   // in the key-name map and the click signal
    const char *display; // the button's text
};

TEST_F(SoftKeyboard, LabelsAndDisplayedTexts)
{
    page.loadKeyboardInfo(QStringLiteral("any"));
    const QMap<int, QString> names = DDataManager::getInstance()->keyNameMap();
    const LabelCase cases[] = {
        {49, R"(\|)", R"(\|)"},
        {52, R"(' ")", R"(' ")"},
        {36, "7&", "7&&"},
        {51, "; :", "; :"},
        {226, "Alt", "Alt"},
        {145, "Chinese", "Chinese"},
        {144, "Korean/English", "Korean/English"},
        {137, "K14", "K14"},
        {136, "K133", "K133"},
        {-10, "Fn", "Fn"},
        {88, "Ent", "Ent"},
    };
    for (const LabelCase &c : cases) {
        SCOPED_TRACE(c.dec);
        EXPECT_EQ(names.value(c.dec), QString::fromUtf8(c.label));
        ASSERT_NE(key(c.dec), nullptr);
        EXPECT_EQ(key(c.dec)->keyCharacter(), QString::fromUtf8(c.label));
        EXPECT_EQ(key(c.dec)->text(), QString::fromUtf8(c.display));
    }
}

TEST_F(SoftKeyboard, TheCatalogueAloneGivesTheMapsThePagePublishes)
{
    // The macro recorder builds its maps without the page; both must name every key alike.
    for (const auto &layout : {std::make_pair(kUsLayout, keycatalogue::kUsLayoutCode),
                               std::make_pair(kAbntLayout, keycatalogue::kAbntLayoutCode)}) {
        ASSERT_TRUE(page.loadKeyboardFile(layout.first, layout.second));
        const keycatalogue::KeyMaps maps = keycatalogue::softKeyboardMaps(layout.second);
        EXPECT_EQ(maps.keyNames, DDataManager::getInstance()->keyNameMap()) << layout.second;
        // The page keeps virtual keys of a layout loaded before; each key of this one maps alike.
        const QMap<int, int> published = DDataManager::getInstance()->vkToHidMap();
        for (auto it = maps.vkToHid.cbegin(); it != maps.vkToHid.cend(); ++it)
            EXPECT_EQ(published.value(it.key()), it.value()) << layout.second << " vk " << it.key();
        if (layout.second == keycatalogue::kUsLayoutCode) {
            EXPECT_EQ(maps.vkToHid, published);
        }
    }
    EXPECT_TRUE(keycatalogue::softKeyboardMaps(12345).vkToHid.isEmpty()) << "no catalogue, no maps";
}

TEST_F(SoftKeyboard, AbntLayoutReplacesItsPunctuationLabels)
{
    ASSERT_TRUE(page.loadKeyboardFile(kAbntLayout, 91));
    EXPECT_EQ(buttonCount(), 104);
    const QMap<int, QString> names = DDataManager::getInstance()->keyNameMap();
    EXPECT_EQ(names.size(), 105); // and Fn, which this layout has no key for
    EXPECT_EQ(names.value(52), QStringLiteral("~^"));
    EXPECT_EQ(names.value(47), QStringLiteral("´ `"));
    EXPECT_EQ(names.value(51), QStringLiteral("Ç"));
    // The ISO key keeps its international name here too, whatever the catalogue calls it.
    EXPECT_EQ(names.value(100), QStringLiteral("K45"));
    // The Alt keys show "Alt" but keep their catalogue label everywhere else.
    EXPECT_EQ(names.value(226), QStringLiteral("Alt/Option"));
    EXPECT_EQ(key(230)->text(), QStringLiteral("Alt"));
    // Both Enter keys carry 13; the later one, keypad Enter, wins.
    EXPECT_EQ(DDataManager::getInstance()->vkToHidMap().value(13), 88);
    EXPECT_EQ(key(40)->geometry(), QRect(427, 55, 36, 45));
}

TEST_F(SoftKeyboard, LayoutWithoutFnStillNamesFn)
{
    CatalogueFile file("{\"EveryKeyInfo_Row01\":[" + keyRecord(19, 4, 41, 27, "\"Esc\"") + "]}");
    ASSERT_TRUE(page.loadKeyboardFile(file.path(), 31));
    const QMap<int, QString> names = DDataManager::getInstance()->keyNameMap();
    EXPECT_EQ(names.size(), 2);
    EXPECT_EQ(names.value(-10), QStringLiteral("Fn"));
    EXPECT_EQ(DDataManager::getInstance()->vkToHidMap(), (QMap<int, int>{{27, 41}}));
}

TEST_F(SoftKeyboard, ReloadReplacesTheButtonsAndKeepsNoStaleKey)
{
    page.loadKeyboardInfo(QStringLiteral("a"));
    SoftKeyboardButCustom *old = key(4);
    ASSERT_NE(old, nullptr);
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    page.loadKeyboardInfo(QStringLiteral("b"));
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(buttonCount(), 112);
    EXPECT_NE(key(4), old);
    EXPECT_EQ(DDataManager::getInstance()->keyNameMap().size(), 112);
}

struct FailureCase
{
    const char *name;
    QByteArray text;
    bool missing;
};

class SoftKeyboardFailure : public SoftKeyboard, public testing::WithParamInterface<FailureCase>
{
};

TEST_P(SoftKeyboardFailure, LeavesNoButtonsKeepsPublishedMapsAndStaysSilent)
{
    page.loadKeyboardInfo(QStringLiteral("first"));
    const QMap<int, QString> names = {{4, QStringLiteral("A")}};
    const QMap<int, int> vkToHid = {{65, 4}};
    DDataManager::getInstance()->setKeyNameMap(names);
    DDataManager::getInstance()->setVkToHidMap(vkToHid);

    CatalogueFile file(GetParam().text);
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    EXPECT_FALSE(page.loadKeyboardFile(GetParam().missing ? file.missingPath() : file.path(), 31));
    EXPECT_EQ(loaded.count(), 0);
    EXPECT_EQ(buttonCount(), 0);
    EXPECT_EQ(DDataManager::getInstance()->keyNameMap(), names);
    EXPECT_EQ(DDataManager::getInstance()->vkToHidMap(), vkToHid);
}

INSTANTIATE_TEST_SUITE_P(
    SoftKeyboard, SoftKeyboardFailure,
    testing::Values(FailureCase{"Truncated", "{\"EveryKeyInfo_Row01\":[{\"Dec\":4,", false},
                    FailureCase{"NotJson", "<xml/>", false}, FailureCase{"Empty", "", false},
                    FailureCase{"Missing", "", true}),
    [](const testing::TestParamInfo<FailureCase> &caseInfo) { return caseInfo.param.name; });

TEST_F(SoftKeyboard, CombinationModeHoldsAtMostTwoModifiers)
{
    page.loadKeyboardInfo(QStringLiteral("x"));
    page.setMode(1);
    page.setCombinationActive(true);
    QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);

    click(224); // left Ctrl
    click(225); // left Shift
    click(226); // left Alt: a third modifier is refused
    click(4);   // A
    click(5);   // B: keys that are not modifiers are still held

    ASSERT_EQ(clicked.count(), 5);
    EXPECT_EQ(clicked.at(2).at(0).toInt(), 226);
    EXPECT_EQ(clicked.at(2).at(1).toString(), QStringLiteral("Alt"));
    for (int dec : {224, 225, 4, 5}) {
        EXPECT_TRUE(key(dec)->isSelected()) << dec;
        EXPECT_FALSE(key(dec)->restoreOnLeave()) << dec;
    }
    EXPECT_FALSE(key(226)->isSelected());

    // A held key keeps its look when the pointer leaves it.
    hover(key(4), true);
    hover(key(4), false);
    EXPECT_TRUE(looksSelected(key(4)));

    page.clearSelection();
    for (int dec : {224, 225, 4, 5}) {
        EXPECT_FALSE(key(dec)->isSelected()) << dec;
        EXPECT_FALSE(looksSelected(key(dec))) << dec;
        EXPECT_TRUE(key(dec)->restoreOnLeave()) << dec;
    }
    // The modifier count starts again: two modifiers can be held once more.
    click(226);
    click(230);
    EXPECT_TRUE(key(226)->isSelected());
    EXPECT_TRUE(key(230)->isSelected());
    click(224);
    EXPECT_FALSE(key(224)->isSelected());
}

TEST_F(SoftKeyboard, KeysAreHeldOnlyInModeOneWithCombinationActive)
{
    page.loadKeyboardInfo(QStringLiteral("x"));
    const std::pair<int, bool> settings[] = {{0, true}, {0, false}, {-1, true}, {1, false}};
    for (const auto &[mode, combination] : settings) {
        page.setMode(mode);
        page.setCombinationActive(combination);
        QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
        click(224);
        click(4);
        click(-10);
        EXPECT_EQ(clicked.count(), 3) << mode << combination;
        EXPECT_EQ(clicked.at(2).at(0).toInt(), -10);
        for (int dec : {224, 4, -10})
            EXPECT_FALSE(key(dec)->isSelected()) << mode << combination << dec;
    }
}

TEST_F(SoftKeyboard, HeldKeysStayHeldAfterCombinationEndsUntilCleared)
{
    page.loadKeyboardInfo(QStringLiteral("x"));
    page.setMode(1);
    page.setCombinationActive(true);
    click(224);
    page.setCombinationActive(false);
    EXPECT_TRUE(key(224)->isSelected());
    page.clearSelection();
    EXPECT_FALSE(key(224)->isSelected());
}

TEST_F(SoftKeyboard, ReleaseKeyTakesTheHoverLookOffKeysThatAreNotHeld)
{
    page.loadKeyboardInfo(QStringLiteral("x"));
    page.setMode(1);
    page.setCombinationActive(true);
    click(224);
    click(225);
    hover(key(226), true); // refused third modifier, still under the pointer
    click(226);
    EXPECT_TRUE(looksSelected(key(226)));

    page.releaseKey(226);
    page.releaseKey(224);
    page.releaseKey(9999); // no such key
    EXPECT_FALSE(looksSelected(key(226)));
    EXPECT_TRUE(looksSelected(key(224)));
    EXPECT_TRUE(key(224)->isSelected());

    // Outside combination mode it does nothing.
    page.setCombinationActive(false);
    hover(key(4), true);
    page.releaseKey(4);
    EXPECT_TRUE(looksSelected(key(4)));
}

TEST_F(SoftKeyboard, HoverShowsTheSelectedLookUntilThePointerLeaves)
{
    page.loadKeyboardInfo(QStringLiteral("x"));
    SoftKeyboardButCustom *b = key(20);
    EXPECT_FALSE(looksSelected(b));
    hover(b, true);
    EXPECT_TRUE(looksSelected(b));
    EXPECT_FALSE(b->isSelected());
    hover(b, false);
    EXPECT_FALSE(looksSelected(b));
}

TEST_F(SoftKeyboard, ThemeChangeRecoloursHeldKeysAndKeepsThemHeld)
{
    DDataManager *data = DDataManager::getInstance();
    data->loadTheme(0);
    page.applyTheme();
    page.loadKeyboardInfo(QStringLiteral("x"));
    page.setMode(1);
    page.setCombinationActive(true);
    click(4);

    const QString blackKey = data->getThemeColors().DeviceSoftkeyboardButColor;
    data->loadTheme(1);
    const ThemeColors light = data->getThemeColors();
    ASSERT_NE(light.DeviceSoftkeyboardButColor, blackKey);
    page.applyTheme();

    const QString held = key(4)->styleSheet();
    EXPECT_TRUE(looksSelected(key(4)));
    EXPECT_TRUE(held.contains(QStringLiteral("rgb(%1)").arg(light.TextCheckedColor)));
    EXPECT_TRUE(
        held.contains(QStringLiteral("background-color:rgb(%1)").arg(light.DeviceSoftkeyboardButColor)));
    EXPECT_TRUE(key(5)->styleSheet().contains(
        QStringLiteral("color:rgb(%1)").arg(light.DeviceSoftkeyboardButDefaultTextColor)));
    data->loadTheme(0);
}

TEST_F(SoftKeyboard, ReloadWhileKeysAreHeldForgetsThem)
{
    page.loadKeyboardInfo(QStringLiteral("x"));
    page.setMode(1);
    page.setCombinationActive(true);
    click(224);
    click(225);
    page.loadKeyboardInfo(QStringLiteral("x"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The old buttons are gone; clearing must not touch them, and the modifier count starts over.
    page.clearSelection();
    click(224);
    click(225);
    EXPECT_TRUE(key(224)->isSelected());
    EXPECT_TRUE(key(225)->isSelected());
}

TEST(SoftKeyboardButton, LooksBeforeAndAfterThemeColours)
{
    SoftKeyboardButCustom b;
    EXPECT_EQ(b.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(b.styleSheet(), QStringLiteral("color:#c3c3c3; font: 75 7pt \"Microsoft YaHei\"; "
                                             "border-bottom: 0px solid #7F8386; border-radius:3px;"
                                             "background-color:#4b4b4b;"));
    b.setState(1);
    EXPECT_EQ(b.styleSheet(), QStringLiteral("color:#FF3135; font: 75 7pt \"Microsoft YaHei\"; "
                                             "border-bottom: 1px solid #FF3135; border-radius:3px;"
                                             "background-color:#4b4b4b;"));
    b.setThemeColors(QStringLiteral("1,2,3"), QStringLiteral("4,5,6"), QStringLiteral("7,8,9"));
    EXPECT_EQ(b.styleSheet(), QStringLiteral("color:rgb(4,5,6); font: 75 7pt \"Microsoft YaHei\"; "
                                             "border-bottom: 1px solid rgb(4,5,6); border-radius:3px;"
                                             "background-color:rgb(7,8,9);"));
    b.setState(0);
    EXPECT_EQ(b.styleSheet(), QStringLiteral("color:rgb(1,2,3); font: 75 7pt \"Microsoft YaHei\"; "
                                             "border-bottom: 0px solid #7F8386; border-radius:3px;"
                                             "background-color:rgb(7,8,9);"));
    b.setButtonSize(35, 33);
    EXPECT_EQ(b.size(), QSize(35, 33));
    EXPECT_EQ(b.minimumSize(), b.maximumSize());
}

} // namespace
