// The remap and key-combination pages inside the host page: what they write for clicked and
// captured keys, what they show for stored items, and when they ask for key capture.
#include "arrowwidget.h"
#include "dchangekeypage.h"
#include "dkeycombinationpage.h"
#include "fakeinputhook.h"
#include "keyassign_fixture.h"
#include "keycombination.h"
#include "keyfunctionitem.h"
#include "softkeyboardbutcustom.h"
#include "windowshookinterface.h"
#include "xmlstore.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int kKeyCode = 5; // the key being assigned: B
constexpr int kUsageA = 4;
constexpr int kUsageEnter = 40;
constexpr int kUsageKeypadEnter = 88;
constexpr int kUsageFn = -10;
constexpr int kLeftCtrl = 224;
constexpr int kLeftShift = 225;
constexpr int kLeftAlt = 226;
constexpr int kRightAlt = 230;
constexpr int kVkA = 'A';
constexpr int kVkReturn = 13;
constexpr int kVkLeftAlt = 164;
constexpr int kHookExtended = 0x01;
constexpr int kHookAltHeld = 0x20;

struct StoredItem
{
    int type = -1;
    QByteArray value;
    QByteArray repeat;
    QByteArray playMode;
};

std::optional<StoredItem> storedItem(const keyfunctionitem::Target &target)
{
    KeyOperateInfo info{};
    if (!keyfunctionitem::read(target, kKeyCode, info))
        return std::nullopt;
    return StoredItem{keyfunctionitem::number(info.type).value_or(-1), QByteArray(info.value),
                      QByteArray(info.repeat), QByteArray(info.playMode)};
}

class CapturePages : public testing::Test
{
protected:
    void SetUp() override
    {
        FakeInputHook::control() = {};
        InputHook::setFactory([] { return std::make_unique<FakeInputHook>(); });
        resetKeySelection();
        host = std::make_unique<DCustomKeysPage>();
        folder.publishTo(*host);
        tips = std::make_unique<QSignalSpy>(host.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
        remap = qobject_cast<DChangeKeyPage *>(host->functionPage(DCustomKeysPage::TabRemapKey));
        combination =
            qobject_cast<DKeyCombinationPage *>(host->functionPage(DCustomKeysPage::TabCombinationKey));
        ASSERT_NE(remap, nullptr);
        ASSERT_NE(combination, nullptr);
        host->show();
    }

    void TearDown() override
    {
        host.reset();
        XmlStore::instance().setWriterForTesting({});
        InputHook::setFactory({});
    }

    // Selects the key being assigned and opens the tab, as a key click and a type button do.
    void openTab(int tabId)
    {
        DDataManager::getInstance()->setCurrentKey(kKeyCode, QStringLiteral("B"));
        host->onCurIndexChanged_Key(tabId);
    }
    static QLineEdit *field(QWidget *page) { return page->findChild<QLineEdit *>(); }
    static ArrowWidget *popupOf(QWidget *page) { return page->findChild<ArrowWidget *>(); }
    // The field taking the focus, as a click on it gives it.
    static void focusField(QWidget *page)
    {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(field(page), &focusIn);
    }
    // The pop-up's window losing the activation, as a click elsewhere does.
    static void deactivatePopup(QWidget *page)
    {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(popupOf(page), &deactivate);
    }
    static SoftKeyboardButCustom *softKey(QWidget *page, int usage)
    {
        return popupOf(page)->findChild<SoftKeyboardButCustom *>(QStringLiteral("softKey_%1").arg(usage));
    }
    static void click(QWidget *page, int usage)
    {
        SoftKeyboardButCustom *key = softKey(page, usage);
        ASSERT_NE(key, nullptr) << usage;
        QTest::mouseClick(key, Qt::LeftButton);
    }
    static FakeInputHook *hook() { return FakeInputHook::current(); }
    static void press(int vk, int hookFlags = 0)
    {
        ASSERT_NE(hook(), nullptr) << "no capture running";
        hook()->key(vk, 0, hookFlags);
        hook()->key(vk, 0, hookFlags | 0x80);
    }
    static QString label(int usage) { return DDataManager::getInstance()->keyNameMap().value(usage); }

    ProfileFolder folder;
    std::unique_ptr<DCustomKeysPage> host;
    std::unique_ptr<QSignalSpy> tips;
    DChangeKeyPage *remap = nullptr;
    DKeyCombinationPage *combination = nullptr;
};

TEST_F(CapturePages, RemapWritesEveryClickedOrPressedKeyAtOnce)
{
    const struct
    {
        const char *what;
        int clickUsage; // 0: pressed instead
        int vk;
        int hookFlags;
        int target;
    } cases[] = {
        {"A clicked", kUsageA, 0, 0, kUsageA},
        {"Fn clicked", kUsageFn, 0, 0, kUsageFn},
        {"Enter pressed", 0, kVkReturn, 0, kUsageEnter},
        {"keypad Enter pressed", 0, kVkReturn, kHookExtended, kUsageKeypadEnter},
        {"A pressed", 0, kVkA, 0, kUsageA},
        {"A clicked again", kUsageA, 0, 0, kUsageA},
    };
    openTab(DCustomKeysPage::TabRemapKey);
    focusField(remap);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QSignalSpy updates(remap, &DKeyFunctionPage::sigShoudUpdateKeyboard);
        QSignalSpy successes(remap, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
        if (c.clickUsage != 0)
            click(remap, c.clickUsage);
        else
            press(c.vk, c.hookFlags);

        const std::optional<StoredItem> item = storedItem(keyfunctionitem::lightPressTarget());
        ASSERT_TRUE(item);
        EXPECT_EQ(item->type, 0);
        EXPECT_EQ(item->value, QByteArray::number(c.target));
        EXPECT_EQ(item->repeat, "1");
        EXPECT_EQ(item->playMode, "1");
        EXPECT_EQ(field(remap)->text(), label(c.target));
        ASSERT_EQ(updates.count(), 1);
        EXPECT_EQ(updates.at(0).at(0).toInt(), kKeyCode);
        EXPECT_EQ(successes.count(), 1);
        EXPECT_TRUE(popupOf(remap)->isVisible()) << "the pop-up stays open for the next key";
    }
    QList<int> keys;
    ASSERT_TRUE(keyfunctionitem::list(keyfunctionitem::lightPressTarget(), keys));
    EXPECT_EQ(keys, QList<int>{kKeyCode}) << "each write replaced the item";
    EXPECT_TRUE(tips->isEmpty()) << "the host shows no success tip for these pages";
}

TEST_F(CapturePages, RemapShowsTheStoredTargetOnlyForItsOwnItems)
{
    const struct
    {
        const char *what;
        int type;
        QByteArray value;
        QString shown;
    } cases[] = {
        {"remap to A", 0, "4", QStringLiteral("A")},
        {"remap to Fn", 0, "-10", QStringLiteral("Fn")},
        {"a multimedia item", 3, "4", QString()},
        {"a target that is not a number", 0, "x4", QString()},
        {"a target without a label", 0, "9999", QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(keyfunctionitem::save(keyfunctionitem::lightPressTarget(), kKeyCode, QStringLiteral("B"),
                                          c.type, 1, 1, c.value));
        host->showDefaultPage();
        openTab(DCustomKeysPage::TabRemapKey);
        remap->loadCurrentKeyInfo();
        EXPECT_EQ(field(remap)->text(), c.shown);
    }
}

TEST_F(CapturePages, CombinationsAreBuiltFromModifiersAndOneKey)
{
    const struct
    {
        const char *what;
        std::vector<int> clicks;
        QByteArray stored; // empty: nothing written
        QString entered;
        QString reloaded;
    } cases[] = {
        {"Ctrl, Shift, A", {kLeftCtrl, kLeftShift, kUsageA}, "3,4", "L_CTRL+L_SHIFT+A", "L_CTRL+L_SHIFT+A"},
        {"shown in bit order after a reload",
         {kRightAlt, kLeftCtrl, kUsageA},
         "65,4",
         "R_ALT+L_CTRL+A",
         "L_CTRL+R_ALT+A"},
        {"ending in Fn", {kLeftCtrl, kUsageFn}, "1,-10", "L_CTRL+Fn", "L_CTRL+Fn"},
        {"the same modifier twice", {kLeftCtrl, kLeftCtrl, kUsageA}, "1,4", "L_CTRL+A", "L_CTRL+A"},
        {"a third modifier refused",
         {kLeftCtrl, kLeftShift, kLeftAlt, kUsageA},
         "3,4",
         "L_CTRL+L_SHIFT+A",
         "L_CTRL+L_SHIFT+A"},
        {"an ordinary key first", {kUsageA}, "", "", ""},
        {"an ordinary key first, then a combination",
         {kUsageA, kLeftShift, kUsageA},
         "2,4",
         "L_SHIFT+A",
         "L_SHIFT+A"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(
            keyfunctionitem::remove(keyfunctionitem::lightPressTarget(), kKeyCode, QStringLiteral("B")));
        openTab(DCustomKeysPage::TabCombinationKey);
        focusField(combination);
        QSignalSpy successes(combination, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
        for (int usage : c.clicks)
            click(combination, usage);

        const std::optional<StoredItem> item = storedItem(keyfunctionitem::lightPressTarget());
        if (c.stored.isEmpty()) {
            EXPECT_FALSE(item);
            EXPECT_EQ(successes.count(), 0);
        } else {
            ASSERT_TRUE(item);
            EXPECT_EQ(item->type, 2);
            EXPECT_EQ(item->value, c.stored);
            EXPECT_EQ(successes.count(), 1);
        }
        EXPECT_EQ(field(combination)->text(), c.entered);
        for (int usage : {kLeftCtrl, kLeftShift, kLeftAlt, kRightAlt})
            EXPECT_FALSE(softKey(combination, usage)->isSelected()) << usage << " still held";

        deactivatePopup(combination);
        host->showDefaultPage();
        openTab(DCustomKeysPage::TabCombinationKey);
        EXPECT_EQ(field(combination)->text(), c.reloaded);
    }
}

TEST_F(CapturePages, CombinationsCanBePressedWithEnterUnderAlt)
{
    openTab(DCustomKeysPage::TabCombinationKey);
    focusField(combination);
    ASSERT_EQ(host->hookMode(), WindowsHookInterface::kModeCombinationCapture);
    press(kVkLeftAlt, kHookAltHeld);
    press(kVkReturn, kHookAltHeld);
    const std::optional<StoredItem> item = storedItem(keyfunctionitem::lightPressTarget());
    ASSERT_TRUE(item);
    EXPECT_EQ(item->value, "4,40");
    EXPECT_EQ(field(combination)->text(), QStringLiteral("L_ALT+") + label(kUsageEnter));
}

TEST_F(CapturePages, ModifiersStayChosenWhileThePopupIsClosedAndReopened)
{
    openTab(DCustomKeysPage::TabCombinationKey);
    focusField(combination);
    click(combination, kLeftCtrl);
    deactivatePopup(combination);
    focusField(combination);
    click(combination, kUsageA);
    const std::optional<StoredItem> item = storedItem(keyfunctionitem::lightPressTarget());
    ASSERT_TRUE(item);
    EXPECT_EQ(item->value, "1,4");
}

TEST_F(CapturePages, StoredCombinationsAreReadWithoutGoingPastTheirParts)
{
    const struct
    {
        QByteArray value;
        QString shown;
    } cases[] = {
        {"3,4", QStringLiteral("L_CTRL+L_SHIFT+A")},
        {"0,4", QStringLiteral("A")},
        {"-1,4", QStringLiteral("A")},
        {"256,4", QStringLiteral("A")},
        {"3,9999", QStringLiteral("L_CTRL+L_SHIFT")},
        {"", QString()},
        {"3", QString()},
        {"3,", QString()},
        {",4", QString()},
        {"a,b", QString()},
        {"3,4,5", QString()},
        {"3;4", QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value.constData());
        ASSERT_TRUE(keyfunctionitem::save(keyfunctionitem::lightPressTarget(), kKeyCode, QStringLiteral("B"),
                                          2, 1, 1, c.value));
        openTab(DCustomKeysPage::TabCombinationKey);
        EXPECT_EQ(field(combination)->text(), c.shown);
    }
}

TEST(KeyCombinationValue, DecodesOnlyTwoDecimalFields)
{
    const struct
    {
        QByteArray value;
        std::optional<std::pair<int, int>> decoded;
    } cases[] = {
        {"3,4", std::make_pair(3, 4)},
        {"65,4", std::make_pair(65, 4)},
        {"1,-10", std::make_pair(1, -10)},
        {"0,4", std::make_pair(0, 4)},
        {"", std::nullopt},
        {"3", std::nullopt},
        {"3,", std::nullopt},
        {",4", std::nullopt},
        {"a,b", std::nullopt},
        {"3,4,5", std::nullopt},
        {"3,4x", std::nullopt},
    };
    for (const auto &c : cases) {
        const auto decoded = keycombination::decode(c.value);
        ASSERT_EQ(decoded.has_value(), c.decoded.has_value()) << c.value.constData();
        if (decoded) {
            EXPECT_EQ(decoded->mask, c.decoded->first) << c.value.constData();
            EXPECT_EQ(decoded->usage, c.decoded->second) << c.value.constData();
            EXPECT_EQ(keycombination::encode(*decoded), c.value);
        }
    }
    EXPECT_EQ(keycombination::modifierTokens(0xFF + 0x100),
              (QStringList{"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"}));
}

TEST_F(CapturePages, CaptureRunsExactlyWhileThePopupIsOpen)
{
    for (DKeyFunctionPage *page :
         {static_cast<DKeyFunctionPage *>(remap), static_cast<DKeyFunctionPage *>(combination)}) {
        SCOPED_TRACE(page->objectName().toStdString());
        const int tabId = page == remap ? DCustomKeysPage::TabRemapKey : DCustomKeysPage::TabCombinationKey;
        const int mode = page == remap ? WindowsHookInterface::kModeRemapCapture
                                       : WindowsHookInterface::kModeCombinationCapture;
        openTab(tabId);
        QSignalSpy capture(page, &DKeyFunctionPage::sigMesgStartOrStopHook);
        ASSERT_EQ(hook(), nullptr);

        focusField(page);
        focusField(page); // focused again while open: no second pop-up, no second request
        ASSERT_EQ(capture.count(), 1);
        EXPECT_TRUE(capture.at(0).at(0).toBool());
        EXPECT_TRUE(popupOf(page)->isVisible());
        ASSERT_NE(hook(), nullptr);
        EXPECT_EQ(host->hookMode(), mode);
        EXPECT_TRUE(hook()->blocking());

        deactivatePopup(page);
        ASSERT_EQ(capture.count(), 2);
        EXPECT_FALSE(capture.at(1).at(0).toBool());
        EXPECT_FALSE(popupOf(page)->isVisible());
        EXPECT_EQ(hook(), nullptr);

        // Opened again, then the page goes away under it: capture ends all the same.
        focusField(page);
        ASSERT_NE(hook(), nullptr);
        host->showDefaultPage();
        EXPECT_EQ(hook(), nullptr);
        EXPECT_FALSE(popupOf(page)->isVisible());
        ASSERT_EQ(capture.count(), 4);
        EXPECT_FALSE(capture.at(3).at(0).toBool());
    }
}

TEST_F(CapturePages, AStoreThatRefusesTheWriteShowsFailure)
{
    ASSERT_TRUE(keyfunctionitem::save(keyfunctionitem::lightPressTarget(), kKeyCode, QStringLiteral("B"), 0,
                                      1, 1, "4"));
    XmlStore::instance().setWriterForTesting([](QIODevice &, const QByteArray &) -> qint64 { return -1; });
    const struct
    {
        int tabId;
        std::vector<int> clicks;
    } cases[] = {
        {DCustomKeysPage::TabRemapKey, {kUsageEnter}},
        {DCustomKeysPage::TabCombinationKey, {kLeftCtrl, kUsageA}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.tabId);
        tips->clear();
        openTab(c.tabId);
        DKeyFunctionPage *page =
            c.tabId == DCustomKeysPage::TabRemapKey ? static_cast<DKeyFunctionPage *>(remap) : combination;
        QSignalSpy successes(page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
        QSignalSpy updates(page, &DKeyFunctionPage::sigShoudUpdateKeyboard);
        focusField(page);
        for (int usage : c.clicks)
            click(page, usage);
        EXPECT_EQ(successes.count(), 0);
        EXPECT_EQ(updates.count(), 0);
        ASSERT_EQ(tips->count(), 1);
        EXPECT_EQ(tips->at(0).at(0).toString(), QStringLiteral("Operate failed"));
        deactivatePopup(page);
    }
    XmlStore::instance().setWriterForTesting({});
    const std::optional<StoredItem> item = storedItem(keyfunctionitem::lightPressTarget());
    ASSERT_TRUE(item);
    EXPECT_EQ(item->value, "4") << "the old item is kept";
}

TEST_F(CapturePages, HeavyPressItemsLiveInTheHeavyPressFile)
{
    // A fresh page still uses its selector: the host has not loaded a keyboard view yet.
    DDataManager::getInstance()->setMagneticKeyboard(true);
    const keyfunctionitem::Target heavy = keyfunctionitem::heavyPressTarget();
    ASSERT_TRUE(keyfunctionitem::save(heavy, kKeyCode, QStringLiteral("B"), 0, 1, 1, "4"));
    openTab(DCustomKeysPage::TabRemapKey);
    auto *heavyButton = remap->findChild<QRadioButton *>(QStringLiteral("radioButton_HeavyPress"));
    EXPECT_TRUE(heavyButton->isChecked()) << "a key with only a heavy-press item opens on it";
    EXPECT_FALSE(remap->findChild<QWidget *>(QStringLiteral("frame_Top2"))->isHidden());
    EXPECT_EQ(field(remap)->text(), QStringLiteral("A"));
    focusField(remap);
    click(remap, kUsageEnter);
    EXPECT_EQ(storedItem(heavy)->value, "40");
    EXPECT_FALSE(storedItem(keyfunctionitem::lightPressTarget()));
    deactivatePopup(remap);

    // Once the host has loaded a view, the selector is gone for good and loads use the layer file.
    host->setHeavyPressSelectorsVisible(0);
    openTab(DCustomKeysPage::TabRemapKey);
    EXPECT_TRUE(remap->findChild<QWidget *>(QStringLiteral("frame_Top2"))->isHidden());
    EXPECT_EQ(field(remap)->text(), QString());
    DDataManager::getInstance()->setMagneticKeyboard(false);
}

} // namespace
