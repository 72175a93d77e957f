#include "fakeinputhook.h"
#include "keyassign_fixture.h"
#include "keyboardbutcustom.h"
#include "keycapture.h"
#include "keyfunctionitem.h"
#include "windowshookinterface.h"
#include "xmlstore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

namespace {

constexpr int kVkA = 'A';
constexpr int kVkHome = 36;
constexpr int kUsageA = 4;
constexpr int kUsageEnter = 40;
constexpr int kUsageKeypad7 = 95;
constexpr int kUsageHome = 74;

class HostPage : public testing::Test
{
protected:
    void SetUp() override
    {
        FakeInputHook::control() = {};
        InputHook::setFactory([] { return std::make_unique<FakeInputHook>(); });
        resetKeySelection();
        DDataManager *dm = DDataManager::getInstance();
        dm->setHasSideLight(false);
        dm->setVkToHidMap(
            {{kVkA, kUsageA}, {999, kUsageEnter}, {998, 88}, {103, kUsageKeypad7}, {kVkHome, kUsageHome}});

        page = std::make_unique<DCustomKeysPage>(nullptr, [this](int tabId, QWidget *parent) {
            auto *p = new RecordingPage(parent);
            pages[tabId] = p;
            return p;
        });
        // Pages are built when first opened; every test here acts as any of them.
        for (int tabId : kAllTabs)
            page->functionPage(tabId);
        folder.publishTo(*page);
        tips = std::make_unique<QSignalSpy>(page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);

        // Key A at row 3, place 1 on the keyboard view; Home has no button.
        keyA = std::make_unique<keyboardButCustom>();
        keyA->setKeyInfo(kUsageA, QStringLiteral("A"));
        keyA->setIndex(3, 1);
        dm->setKeyButtonMap({{kUsageA, keyA.get()}});
        dm->setKeyButtonList({nullptr, keyA.get(), nullptr});
    }

    void TearDown() override
    {
        page.reset();
        DDataManager *dm = DDataManager::getInstance();
        dm->setKeyButtonMap({});
        dm->setKeyButtonList({});
        dm->setVkToHidMap({});
        XmlStore::instance().setWriterForTesting({});
        InputHook::setFactory({});
    }

    QString shownPage() const
    {
        return page->findChild<QStackedWidget *>("stackedWidget_Customize")->currentWidget()->objectName();
    }
    int checkedTab() const
    {
        const QList<QButtonGroup *> groups = page->findChildren<QButtonGroup *>();
        for (QButtonGroup *g : groups) {
            if (g->buttons().size() == 15)
                return g->checkedId();
        }
        return -2;
    }
    QStringList tipTexts() const
    {
        QStringList texts;
        for (const QList<QVariant> &args : *tips)
            texts << args.at(0).toString();
        return texts;
    }
    void selectKey(int keyCode, const QString &name = QStringLiteral("A"))
    {
        DDataManager::getInstance()->setCurrentKey(keyCode, name);
    }
    void openTab(int tabId)
    {
        selectKey(kUsageA);
        page->onCurIndexChanged_Key(tabId);
    }
    static FakeInputHook *hook() { return FakeInputHook::current(); }

    ProfileFolder folder;
    std::map<int, RecordingPage *> pages;
    std::unique_ptr<DCustomKeysPage> page;
    std::unique_ptr<QSignalSpy> tips;
    std::unique_ptr<keyboardButCustom> keyA;
};

TEST_F(HostPage, SelectingAKeyOpensTheTabOfItsItemType)
{
    const struct
    {
        int type;
        const char *page; // null: the page shown before stays
        int tab;
    } cases[] = {
        {0, "page_RemapKey", 2},
        {1, "page_Macro", 1},
        {2, "page_CombinationKey", 7},
        {3, "page_Multimedia", 6},
        {4, "page_Mouse", 3},
        {5, "page_Disable", 5},
        {6, "page_Text", 4},
        {7, "page_SwitchProfile", 10},
        {8, "page_OpenApp", 8},
        {9, "page_Shortcuts", 9},
        {19, "page_KeyConfigFunctionAbout", 19},
        {20, "page_KeyboardLightAbout", 20},
        {26, "page_KeyboardLightAbout", 20},
        {27, "page_KeyboardLightAbout", 20},
        {30, "page_SideLightAbout", 30},
        {34, "page_SideLightAbout", 30},
        {40, "page_SeniorKeysBind", 40},
        {10, nullptr, 0},
        {12, nullptr, 0},
        {28, nullptr, 0},
        {35, nullptr, 0},
        {-5, nullptr, 0},
    };
    const keyfunctionitem::Target layer{folder.defaultLayer, "2"};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        ASSERT_TRUE(keyfunctionitem::save(layer, kUsageA, "A", c.type, 1, 1, "1"));
        // Start from the Mouse tab so that "unchanged" is visible.
        openTab(DCustomKeysPage::TabMouse);
        ASSERT_EQ(shownPage(), "page_Mouse");
        const int loadsBefore = c.page ? pages.at(c.tab)->loads : 0;

        selectKey(kUsageA);
        if (c.page) {
            EXPECT_EQ(shownPage(), c.page);
            EXPECT_EQ(checkedTab(), c.tab);
            EXPECT_EQ(pages.at(c.tab)->loads, loadsBefore + 1) << "the opened page loads the key";
        } else {
            EXPECT_EQ(shownPage(), "page_Mouse");
        }
    }

    // A key without an item opens the Default tab.
    openTab(DCustomKeysPage::TabMouse);
    selectKey(5, "B");
    EXPECT_EQ(shownPage(), "page_Default");
    EXPECT_EQ(page->findChild<QLabel *>("label_KeyChar")->text(), "B");

    // A garbled type is no type: the shown page stays.
    ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(folder.defaultLayer.constData(), "2", "6", "C",
                                                          "4x", "1", "1", "1"));
    openTab(DCustomKeysPage::TabText);
    selectKey(6, "C");
    EXPECT_EQ(shownPage(), "page_Text");
}

TEST_F(HostPage, MagneticKeyboardsFallBackToTheHeavyPressItemOnBothLayers)
{
    ASSERT_TRUE(keyfunctionitem::save({folder.heavy, "1"}, kUsageA, "A", 4, 1, 1, "2"));
    for (const bool defaultLayer : {true, false}) {
        SCOPED_TRACE(defaultLayer);
        DDataManager::getInstance()->setMagneticKeyboard(true);
        DDataManager::getInstance()->setDefaultLayerSelected(defaultLayer);
        openTab(DCustomKeysPage::TabText);
        selectKey(kUsageA);
        EXPECT_EQ(shownPage(), "page_Mouse");
    }
    DDataManager::getInstance()->setMagneticKeyboard(false);
    openTab(DCustomKeysPage::TabText);
    selectKey(kUsageA);
    EXPECT_EQ(shownPage(), "page_Default") << "only magnetic keyboards have heavy-press items";
}

TEST_F(HostPage, TypeButtonWithoutASelectedKeyAsksForOne)
{
    page->show();
    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_Mouse"), Qt::LeftButton);
    EXPECT_EQ(tipTexts(), QStringList{"Please select one Key first"});
    EXPECT_EQ(checkedTab(), 0);
    EXPECT_EQ(shownPage(), "page_Default");
    for (const auto &[tabId, p] : pages)
        EXPECT_EQ(p->loads, 0) << tabId;

    selectKey(kUsageA);
    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_Mouse"), Qt::LeftButton);
    EXPECT_EQ(shownPage(), "page_Mouse");
    EXPECT_EQ(pages.at(DCustomKeysPage::TabMouse)->loads, 1);
}

TEST_F(HostPage, PagesReportsBecomeTips)
{
    const struct
    {
        int tab;
        int type;
        int error;
        const char *tip;
    } failures[] = {
        {DCustomKeysPage::TabText, 6, 0, "Setting failed because the text is empty"},
        {DCustomKeysPage::TabDefault, 10, 0, "Please select one Key first"},
        {DCustomKeysPage::TabMouse, 4, DKeyFunctionPage::kSaveErrorStore, "Operate failed"},
        {DCustomKeysPage::TabRemapKey, 0, DKeyFunctionPage::kSaveErrorStore, "Operate failed"},
        {DCustomKeysPage::TabText, 6, 3, "Unknow"},
        {DCustomKeysPage::TabDefault, 4, 0, "Unknow"},
    };
    for (const auto &f : failures) {
        tips->clear();
        pages.at(f.tab)->reportFailed(f.type, f.error);
        EXPECT_EQ(tipTexts(), QStringList{f.tip}) << f.type << "," << f.error;
    }

    // Success is told for every page but the two that save on every captured key.
    for (const auto &[tabId, p] : pages) {
        tips->clear();
        p->reportSaved(kUsageA);
        const bool quiet =
            tabId == DCustomKeysPage::TabRemapKey || tabId == DCustomKeysPage::TabCombinationKey;
        EXPECT_EQ(tipTexts(), quiet ? QStringList() : QStringList{"Operate successful"}) << tabId;
    }
}

// A page the way the function pages save: success only when the store took the write.
TEST_F(HostPage, AStoreThatRefusesTheWriteShowsFailureNeverSuccess)
{
    RecordingPage *mouse = pages.at(DCustomKeysPage::TabMouse);
    const auto savePage = [mouse](int value) {
        const bool ok = keyfunctionitem::save(keyfunctionitem::lightPressTarget(), kUsageA, "A", 4, 1, 1,
                                              QByteArray::number(value));
        if (ok)
            mouse->reportSaved(kUsageA);
        else
            mouse->reportFailed(4, DKeyFunctionPage::kSaveErrorStore);
    };
    savePage(1);
    XmlStore::instance().setWriterForTesting([](QIODevice &, const QByteArray &) -> qint64 { return -1; });
    savePage(2);
    EXPECT_EQ(tipTexts(), (QStringList{"Operate successful", "Operate failed"}));
}

TEST_F(HostPage, WritesRecolourTheKey)
{
    const QColor checked = [] {
        const QStringList rgb = DDataManager::getInstance()->getThemeColors().TextCheckedColor.split(',');
        return QColor(rgb.at(0).toInt(), rgb.at(1).toInt(), rgb.at(2).toInt(), 255);
    }();
    const QColor heavyColour = DDataManager::heavyPressKeyColor();
    const struct
    {
        const char *what;
        bool magnetic;
        bool defaultLayer;
        bool heavyItem;
        bool layerItem;
        int writer; // the tab that reports the write
        bool assigned;
        QColor colour;
    } cases[] = {
        {"a page's write", false, true, false, true, DCustomKeysPage::TabMouse, true, checked},
        {"a reset, not magnetic", false, true, true, true, DCustomKeysPage::TabDefault, false, checked},
        {"a page's write, heavy item", true, true, true, true, DCustomKeysPage::TabMouse, true, heavyColour},
        {"a page's write, FN layer", true, false, true, true, DCustomKeysPage::TabMouse, true, checked},
        {"a reset, heavy item left", true, true, true, false, DCustomKeysPage::TabDefault, true, heavyColour},
        {"a reset, light item left", true, true, false, true, DCustomKeysPage::TabDefault, true, checked},
        {"a reset, nothing left", true, true, false, false, DCustomKeysPage::TabDefault, false, checked},
        {"a reset on the FN layer", true, false, true, true, DCustomKeysPage::TabDefault, false, checked},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DDataManager::getInstance()->setMagneticKeyboard(c.magnetic);
        DDataManager::getInstance()->setDefaultLayerSelected(c.defaultLayer);
        keyfunctionitem::remove({folder.heavy, "1"}, kUsageA, "A");
        keyfunctionitem::remove({folder.defaultLayer, "2"}, kUsageA, "A");
        if (c.heavyItem) {
            ASSERT_TRUE(keyfunctionitem::save({folder.heavy, "1"}, kUsageA, "A", 3, 1, 1, "1"));
        }
        if (c.layerItem) {
            ASSERT_TRUE(keyfunctionitem::save({folder.defaultLayer, "2"}, kUsageA, "A", 3, 1, 1, "1"));
        }
        keyA->setAssignedState(c.assigned ? 0 : 1);

        pages.at(c.writer)->reportSaved(kUsageA);
        EXPECT_EQ(keyA->isAssigned(), c.assigned);
        EXPECT_EQ(keyA->lookState().assignedBorder, c.colour);
    }
    // A key the keyboard view does not show changes nothing (and does not crash).
    pages.at(DCustomKeysPage::TabMouse)->reportSaved(77);
}

TEST_F(HostPage, DownloadStartsOnceUntilTheDownloadEndsEvenAcrossAReset)
{
    QSignalSpy downloads(page.get(), &DCustomKeysPage::sigTheKeyboardIntoDownloading);
    auto *button = page->findChild<QPushButton *>("pushButton_Download");
    page->show();
    QTest::mouseClick(button, Qt::LeftButton);
    page->resetPage(0); // the user changes tabs while the keyboard is written
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(downloads.count(), 1);
    page->stopDownloadAnimation();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(downloads.count(), 2);
}

TEST_F(HostPage, ResetSkipsEmptyKeySlotsAndSetsTheLayerButtons)
{
    auto *defaultLayer = page->findChild<QPushButton *>("pushButton_DefaultLayer");
    auto *fnLayer = page->findChild<QPushButton *>("pushButton_FnLayer");
    keyA->setLightColorShown(true);
    openTab(DCustomKeysPage::TabMouse);

    page->resetPage(1);
    EXPECT_TRUE(fnLayer->isChecked());
    EXPECT_FALSE(defaultLayer->isChecked());
    page->resetPage(2);
    EXPECT_TRUE(fnLayer->isChecked()) << "an unknown layer leaves both buttons";
    EXPECT_FALSE(defaultLayer->isChecked());
    page->resetPage(0);
    EXPECT_TRUE(defaultLayer->isChecked());

    EXPECT_EQ(shownPage(), "page_Default");
    EXPECT_EQ(page->findChild<QLabel *>("label_KeyChar")->text(), "NULL");
    EXPECT_EQ(DDataManager::getInstance()->currentKeyCode(), -1);
    EXPECT_EQ(pages.at(DCustomKeysPage::TabDefault)->clears, 3);
    EXPECT_TRUE(tipTexts().isEmpty()) << "a reset asks nobody to select a key";
}

TEST_F(HostPage, LayerButtonsAnnounceTheLayer)
{
    QSignalSpy layers(page.get(), &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch);
    page->show();
    QTest::mouseClick(page->findChild<QPushButton *>("pushButton_FnLayer"), Qt::LeftButton);
    QTest::mouseClick(page->findChild<QPushButton *>("pushButton_DefaultLayer"), Qt::LeftButton);
    ASSERT_EQ(layers.count(), 2);
    EXPECT_EQ(layers.at(0).at(0).toInt(), 1);
    EXPECT_EQ(layers.at(1).at(0).toInt(), 0);
    EXPECT_EQ(page->currentLayer(), 0);
}

TEST_F(HostPage, HoveringATypeButtonShowsItsTip)
{
    page->show();
    QTest::qWait(600); // the tips are switched on shortly after construction
    auto *button = page->findChild<QToolButton *>("toolButton_Multimedia");
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    QLabel *text = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->inherits("ArrowWidget"))
            text = w->findChild<QLabel *>();
    }
    ASSERT_NE(text, nullptr) << "no tip shown";
    EXPECT_EQ(text->text(), "Multimedia");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_FALSE(text->window()->isVisible());
}

// ---- Key capture through the fake hook.

// What a page's widgets show: class, name, text, style sheet, font and hidden state, in tree order.
std::string looks(const QWidget *page)
{
    QStringList out;
    for (const QWidget *w : page->findChildren<QWidget *>()) {
        QString text;
        if (const auto *b = qobject_cast<const QAbstractButton *>(w))
            text = b->text();
        else if (const auto *l = qobject_cast<const QLabel *>(w))
            text = l->text();
        else if (const auto *e = qobject_cast<const QLineEdit *>(w))
            text = e->placeholderText();
        out << QStringLiteral("%1 %2 [%3] {%4} %5 hidden:%6")
                   .arg(QLatin1String(w->metaObject()->className()), w->objectName(), text, w->styleSheet(),
                        w->font().toString())
                   .arg(w->isHidden());
    }
    return out.join(QLatin1Char('\n')).toStdString();
}

// Pages are built when their tab is first opened. One built after the host was re-themed and told
// the layer's press-mode selectors looks like one built at start that heard both, and the host
// hears its reports.
TEST(FunctionPagesOnFirstUse, APageBuiltLateLooksAndReportsLikeOneBuiltAtStart)
{
    resetKeySelection();
    DDataManager *dm = DDataManager::getInstance();
    dm->loadTheme(0);
    DCustomKeysPage early;
    DCustomKeysPage late;
    for (int tabId : kAllTabs)
        ASSERT_NE(early.functionPage(tabId), nullptr) << tabId;
    EXPECT_EQ(late.findChildren<DKeyFunctionPage *>().size(), 1) << "only the Default page at start";

    dm->loadTheme(2);
    for (DCustomKeysPage *host : {&early, &late}) {
        host->applyTheme();
        host->setHeavyPressSelectorsVisible(1);
    }
    for (int tabId : kAllTabs)
        ASSERT_NE(late.functionPage(tabId), nullptr) << tabId;
    QTest::qWait(250); // the pages' scroll-bar sheets follow a theme a little later

    QSignalSpy tips(&late, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
    for (int tabId : kAllTabs) {
        SCOPED_TRACE(tabId);
        DKeyFunctionPage *built = early.functionPage(tabId);
        DKeyFunctionPage *page = late.functionPage(tabId);
        EXPECT_EQ(page->objectName(), built->objectName());
        EXPECT_EQ(looks(page), looks(built));
        tips.clear();
        emit page->sigCustomKeyInfoSaveFailed(4, DKeyFunctionPage::kSaveErrorStore);
        EXPECT_EQ(tips.size(), 1);
    }
    dm->loadTheme(0);
}

TEST(KeyCapture, HookedEventsTranslateToCapturedCodes)
{
    const struct
    {
        int keyCode;
        int flag;
        int hookFlag;
        std::optional<int> expected;
    } cases[] = {
        {13, 1, 0x00, 999},          // main Enter
        {13, 1, 0x01, 998},          // keypad Enter
        {13, 1, 0x20, 999},          // main Enter with Alt held
        {13, 1, 0x21, 998},          // keypad Enter with Alt held
        {13, 1, 0x10, 999},          // injected
        {36, 1, 0x00, 103},          // keypad 7, Num Lock off
        {36, 1, 0x01, 36},           // Home of the navigation block
        {45, 1, 0x20, 96},           // keypad 0 with Alt
        {35, 1, 0x00, 97},           // keypad 1
        {40, 1, 0x00, 98},           // keypad 2
        {34, 1, 0x00, 99},           // keypad 3
        {37, 1, 0x00, 100},          // keypad 4
        {12, 1, 0x00, 101},          // keypad 5
        {39, 1, 0x00, 102},          // keypad 6
        {38, 1, 0x00, 104},          // keypad 8
        {33, 1, 0x00, 105},          // keypad 9
        {46, 1, 0x00, 110},          // keypad decimal point
        {46, 1, 0x01, 46},           // Delete
        {65, 1, 0x00, 65},           // anything else stays
        {65, 0, 0x80, std::nullopt}, // release
        {65, 0, 0x81, std::nullopt}, // release of an extended key
        {65, 1, 0x80, std::nullopt}, // up bit with a press flag
        {13, 0, 0xA0, std::nullopt}, // release with Alt held
    };
    for (const auto &c : cases)
        EXPECT_EQ(keycapture::capturedCode(c.keyCode, c.flag, c.hookFlag), c.expected)
            << c.keyCode << " flag " << c.flag << " hookFlag " << c.hookFlag;
}

TEST_F(HostPage, CapturedKeysGoWhereTheModeSays)
{
    QSignalSpy points(page.get(), &DCustomKeysPage::sigInteractLightsPointXY);
    RecordingPage *remap = pages.at(DCustomKeysPage::TabRemapKey);
    RecordingPage *combination = pages.at(DCustomKeysPage::TabCombinationKey);

    // Remap capture: a held key arrives once; its release and repeats are dropped.
    openTab(DCustomKeysPage::TabRemapKey);
    remap->startCapture(true);
    ASSERT_NE(hook(), nullptr);
    EXPECT_EQ(page->hookMode(), WindowsHookInterface::kModeRemapCapture);
    EXPECT_TRUE(hook()->blocking());
    hook()->key(kVkA, 0x1E, 0x00);
    hook()->key(kVkA, 0x1E, 0x00);
    hook()->key(kVkA, 0x1E, 0x80);
    hook()->key(13, 0x1C, 0x20); // Alt+Enter: the Alt bit does not hide Enter
    hook()->key(kVkHome, 0x47, 0x00);
    hook()->key(kVkHome, 0x47, 0x80);
    hook()->key(kVkHome, 0x47, 0x01);
    hook()->key(0x7B, 0x58, 0x00); // a key the map does not know
    EXPECT_EQ(remap->captured, (std::vector<int>{kUsageA, kUsageEnter, kUsageKeypad7, kUsageHome}));
    EXPECT_TRUE(combination->captured.empty());

    // Combination capture.
    remap->startCapture(false);
    EXPECT_EQ(hook(), nullptr);
    openTab(DCustomKeysPage::TabCombinationKey);
    combination->startCapture(true);
    EXPECT_EQ(page->hookMode(), WindowsHookInterface::kModeCombinationCapture);
    hook()->key(kVkA, 0x1E, 0x00);
    EXPECT_EQ(combination->captured, std::vector<int>{kUsageA});

    // Interactive light: the key's place on the keyboard view, keys not blocked, pages not told.
    page->setInteractLightHook(true, 1);
    EXPECT_EQ(page->hookMode(), WindowsHookInterface::kModeInteractLight);
    EXPECT_FALSE(hook()->blocking());
    hook()->key(kVkA, 0x1E, 0x00);
    hook()->key(kVkA, 0x1E, 0x80);
    hook()->key(kVkHome, 0x47, 0x01); // mapped, but not on the keyboard view
    ASSERT_EQ(points.count(), 1);
    EXPECT_EQ(points.at(0), (QList<QVariant>{3, 1}));
    EXPECT_EQ(combination->captured, std::vector<int>{kUsageA});

    // Macro recording: the key goes to the macro stream, not to a page.
    QSignalSpy macroKeys(DDataManager::getInstance(), &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    EXPECT_TRUE(DDataManager::getInstance()->setMacroRecordHook(true));
    EXPECT_EQ(page->hookMode(), WindowsHookInterface::kModeMacroRecord);
    EXPECT_TRUE(hook()->mouseInstalled());
    hook()->key(kVkA, 0x1E, 0x00);
    EXPECT_EQ(macroKeys.count(), 1);
    EXPECT_EQ(points.count(), 1);
    EXPECT_EQ(combination->captured, std::vector<int>{kUsageA});
    EXPECT_TRUE(DDataManager::getInstance()->setMacroRecordHook(false)) << "stopping always succeeds";
    EXPECT_EQ(hook(), nullptr);
}

TEST_F(HostPage, EveryStartEndsThePreviousUse)
{
    page->setInteractLightHook(true, 2);
    ASSERT_NE(hook(), nullptr);
    const int installs = FakeInputHook::control().installs;

    openTab(DCustomKeysPage::TabRemapKey);
    pages.at(DCustomKeysPage::TabRemapKey)->startCapture(true);
    EXPECT_EQ(FakeInputHook::control().installs, installs + 1) << "a fresh capture, not the light's";
    EXPECT_TRUE(hook()->blocking());
    pages.at(DCustomKeysPage::TabRemapKey)->startCapture(false);
    EXPECT_EQ(hook(), nullptr) << "interactive light does not come back by itself";

    // A request while neither capture page is shown leaves the hook stopped.
    page->setInteractLightHook(true, 3);
    openTab(DCustomKeysPage::TabMouse);
    pages.at(DCustomKeysPage::TabRemapKey)->startCapture(true);
    EXPECT_EQ(hook(), nullptr);

    // A macro-recording start that fails is reported as failed.
    FakeInputHook::control().failKeyboard = true;
    EXPECT_FALSE(DDataManager::getInstance()->setMacroRecordHook(true));
    EXPECT_EQ(hook(), nullptr);
    FakeInputHook::control().failKeyboard = false;
    EXPECT_TRUE(DDataManager::getInstance()->setMacroRecordHook(false));
}

TEST_F(HostPage, CaptureEndsWhenItsPageGoes)
{
    const struct
    {
        const char *what;
        std::function<void()> leave;
    } cases[] = {
        {"another type button", [this] { page->onCurIndexChanged_Key(DCustomKeysPage::TabMouse); }},
        {"a key of another type", [this] { selectKey(9, "F"); }},
        {"a reset", [this] { page->resetPage(0); }},
        {"the Default page", [this] { page->showDefaultPage(); }},
        {"the tab hidden", [this] { page->hide(); }},
        {"the page destroyed", [this] { page.reset(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        if (!page) {
            page = std::make_unique<DCustomKeysPage>();
            pages.clear();
        }
        page->show();
        openTab(DCustomKeysPage::TabRemapKey);
        page->findChild<DKeyFunctionPage *>("DChangeKeyPage")->sigMesgStartOrStopHook(true);
        ASSERT_NE(hook(), nullptr);
        c.leave();
        EXPECT_EQ(hook(), nullptr);
    }

    // Interactive light is not a page's: changing tabs keeps it.
    page = std::make_unique<DCustomKeysPage>();
    page->setInteractLightHook(true, 4);
    selectKey(kUsageA);
    page->onCurIndexChanged_Key(DCustomKeysPage::TabMouse);
    page->resetPage(0);
    EXPECT_NE(hook(), nullptr);
}

} // namespace
