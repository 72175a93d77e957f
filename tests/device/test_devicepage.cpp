#include "arrowwidget.h"
#include "cbnotice.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "ddevicelistitem.h"
#include "ddevicepage.h"
#include "dlightsconfigpage.h"
#include "dragshowarea.h"
#include "dtriggersettingpage.h"
#include "hiddevicejoinframe.h"
#include "hidreport.h"
#include "keyboardbutcustom.h"
#include "keyselectframe.h"
#include "lightdealmain.h"
#include "recordinghid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace hidproto;

namespace {

// The shown top-level window of type T (a pop-up), or null.
template <class T> T *shownTopLevel()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            return t;
    }
    return nullptr;
}

// Opens nothing; remembers the URLs the page asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class DevicePageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DDataManager::getInstance()->loadTheme(0);
        DDataManager::getInstance()->setCalibrationRunning(false);
        page = std::make_unique<DDevicePage>();
        page->resize(1280, 700);
    }
    void TearDown() override
    {
        page.reset();
        drag.reset();
        view.reset();
        DDataManager::getInstance()->setCalibrationRunning(false);
    }

    // A shipped keyboard's view and drag overlay, handed to the page as the view build would.
    void openView(const QString &model = QStringLiteral("TL104"))
    {
        view = std::make_unique<hidDeviceJoinFrame>();
        view->buildKeyboardView(model);
        view->resize(1104, 477);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        drag = std::make_unique<dragShowArea>();
        page->installKeyboardView(view.get(), drag.get());
    }

    // A point inside the key at a matrix position, on the overlay.
    QPoint insideKey(int row, int column) const
    {
        keyboardButCustom *key = view->keyLayer()->keyButtonMatrix()[row][column];
        for (const KeyPosInfoStu &r : view->keyLayer()->keyRecords())
            if (r.kind == kKeyRecordKind && r.code == key->keyCode())
                return view->keySpace()->pos() + QPoint(r.x + 15, r.y + 15);
        return {};
    }

    QString shownTabPage() const
    {
        return page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))
            ->currentWidget()
            ->objectName();
    }
    QAbstractButton *button(const char *name) const
    {
        return page->findChild<QAbstractButton *>(QString::fromLatin1(name));
    }
    QLabel *label(const char *name) const { return page->findChild<QLabel *>(QString::fromLatin1(name)); }

    std::unique_ptr<DDevicePage> page;
    std::unique_ptr<hidDeviceJoinFrame> view;
    std::unique_ptr<dragShowArea> drag;
};

} // namespace

TEST_F(DevicePageTest, ConstructionShowsNoDeviceAndRunsNoTab)
{
    EXPECT_EQ(
        page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_3"))->currentWidget()->objectName(),
        QStringLiteral("page_TipShow"));
    EXPECT_EQ(label("label_Tip")->text(), QStringLiteral("Device not connected"));
    EXPECT_EQ(label("label")->text(), QStringLiteral("Device List"));
    EXPECT_TRUE(button("toolButton_CustomKey")->isChecked());
    EXPECT_TRUE(label("label_Multiple")->isHidden());
    EXPECT_TRUE(button("pushButton_Test")->isHidden());
    EXPECT_TRUE(label("label_Charging")->isHidden());
    EXPECT_TRUE(page->findChild<QWidget *>(QStringLiteral("frame_Url"))->isHidden());
    // The tab pages sit in their hosts.
    EXPECT_EQ(page->findChild<DCustomKeysPage *>()->parentWidget()->objectName(),
              QStringLiteral("page_CustomKeys"));
    EXPECT_EQ(page->findChild<DLightsConfigPage *>()->parentWidget()->objectName(),
              QStringLiteral("page_LightsConfig"));
    EXPECT_EQ(page->findChild<DTriggerSettingPage *>()->parentWidget()->objectName(),
              QStringLiteral("page_TriggerSetting"));
    EXPECT_EQ(page->findChild<DLightsConfigPage *>()->currentCustomLightIndex(), -1);
    EXPECT_EQ(page->noticeAnchor(), QPoint(page->rect().center().x(), 40));
}

TEST_F(DevicePageTest, TabSwitchTable)
{
    openView();
    RecordingHid hid;
    const struct
    {
        const char *name;
        int from, to;
        bool device, calibrating;
        int leaveReports;
        int tabAfter;
        const char *pageAfter;
        bool toast;
    } cases[] = {
        {"keys to lights", 0, 1, true, false, 0, 1, "page_LightsConfig", false},
        {"lights to performance", 1, 2, true, false, 0, 2, "page_Performance", false},
        {"performance to trigger", 2, 4, true, false, 0, 4, "page_TriggerSetting", false},
        {"trigger to keys with a keyboard", 4, 0, true, false, 1, 0, "page_CustomKeys", false},
        {"trigger to lights with a keyboard", 4, 1, true, false, 1, 1, "page_LightsConfig", false},
        {"trigger to keys without a keyboard", 4, 0, false, false, 0, 0, "page_CustomKeys", false},
        {"trigger to trigger", 4, 4, true, false, 0, 4, "page_TriggerSetting", false},
        {"same tab again", 2, 2, true, false, 0, 2, "page_Performance", false},
        {"trigger to keys while calibrating", 4, 0, true, true, 0, 4, "page_TriggerSetting", true},
        {"trigger to trigger while calibrating", 4, 4, true, true, 0, 4, "page_TriggerSetting", true},
        {"keys to lights while calibrating elsewhere", 0, 1, true, true, 0, 1, "page_LightsConfig", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        page->setCurrentHid(nullptr);
        DDataManager::getInstance()->setCalibrationRunning(false);
        page->onCurIndexChangedMainPage(c.from);
        page->setCurrentHid(c.device ? &hid : nullptr);
        page->setCalibrationKey(3, 7);
        page->setCurrentKeyboardLightType(10);
        DDataManager::getInstance()->setCalibrationRunning(c.calibrating);
        page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->hide();
        hid.sent.clear();

        page->onCurIndexChangedMainPage(c.to);

        ASSERT_EQ(hid.sent.size(), c.leaveReports);
        if (c.leaveReports) {
            HidReport expected{};
            expected[0] = 0x01;
            expected[1] = 0x29;
            expected[5] = 0x18;
            expected[6] = 3;
            EXPECT_EQ(hid.sent.at(0), expected);
        }
        EXPECT_EQ(shownTabPage(), QString::fromLatin1(c.pageAfter));
        EXPECT_EQ(!page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->isHidden(), c.toast);
        if (c.toast) {
            EXPECT_EQ(page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->text(),
                      QStringLiteral("Key calibration in progress, please wait a moment"));
            EXPECT_EQ(
                page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->geometry().center().x(),
                page->noticeAnchor().x());
            EXPECT_TRUE(button("toolButton_TriggerSetting")->isChecked());
            // A refused switch resets nothing.
            EXPECT_EQ(page->calibrationKey(), QPoint(3, 7));
            EXPECT_EQ(page->currentKeyboardLightType(), 10);
            EXPECT_TRUE(DDataManager::getInstance()->isCalibrationRunning());
        } else {
            EXPECT_EQ(page->calibrationKey(), QPoint(-1, -1));
            EXPECT_EQ(page->currentKeyboardLightType(), -1);
            EXPECT_FALSE(DDataManager::getInstance()->isCalibrationRunning())
                << "the trigger page left calibration mode";
        }
    }
}

TEST_F(DevicePageTest, TabSwitchArrangesTheViewLayers)
{
    openView();
    keySelectFrame *keys = DDataManager::getInstance()->keySelectFrame();
    ASSERT_NE(keys, nullptr);
    const QList<keyboardButCustom *> buttons = DDataManager::getInstance()->keyButtonList();
    ASSERT_FALSE(buttons.isEmpty());

    page->onCurIndexChangedMainPage(4);
    EXPECT_TRUE(drag->isActive());
    for (keyboardButCustom *b : buttons)
        EXPECT_EQ(b->lightColor(), QColor(0, 0, 0, 0));
    EXPECT_EQ(page->findChild<QLabel *>(QStringLiteral("label_ChangModeTest"))->text(),
              QStringLiteral("Trigger"));

    page->onCurIndexChangedMainPage(1);
    EXPECT_EQ(label("label_ChangModeTest")->text(), QStringLiteral("Light"));
    page->onCurIndexChangedMainPage(2);
    EXPECT_EQ(label("label_ChangModeTest")->text(), QStringLiteral("Keyboard"));
}

TEST_F(DevicePageTest, TabSwitchWithoutAViewDoesNotCrash)
{
    for (int tab : {0, 1, 2, 4, 0, 7})
        page->onCurIndexChangedMainPage(tab);
    EXPECT_EQ(shownTabPage(), QStringLiteral("page_CustomKeys")) << "an unknown tab leaves the page shown";
}

TEST_F(DevicePageTest, KeyClickBringsTheKeyTabWithoutASwitch)
{
    openView();
    RecordingHid hid;
    page->setCurrentHid(&hid);
    page->onCurIndexChangedMainPage(4);
    emit page->findChild<DCustomKeysPage *>()->sigAutoIntoCustomKeysPage();
    EXPECT_EQ(shownTabPage(), QStringLiteral("page_CustomKeys"));
    EXPECT_TRUE(button("toolButton_CustomKey")->isChecked());
    EXPECT_TRUE(hid.sent.isEmpty());
    page->onCurIndexChangedMainPage(0);
    ASSERT_EQ(hid.sent.size(), 1) << "the next switch still reports leaving the trigger tab";
    EXPECT_EQ(hid.sent.at(0)[6], 3);
}

TEST_F(DevicePageTest, TabButtonsGoThroughTheGroup)
{
    openView();
    QTest::mouseClick(button("toolButton_TriggerSetting"), Qt::LeftButton);
    EXPECT_EQ(shownTabPage(), QStringLiteral("page_TriggerSetting"));
    QTest::mouseClick(button("toolButton_LightConfig"), Qt::LeftButton);
    EXPECT_EQ(shownTabPage(), QStringLiteral("page_LightsConfig"));
    QTest::mouseClick(button("toolButton_Performance"), Qt::LeftButton);
    EXPECT_EQ(shownTabPage(), QStringLiteral("page_Performance"));
    QTest::mouseClick(button("toolButton_CustomKey"), Qt::LeftButton);
    EXPECT_EQ(shownTabPage(), QStringLiteral("page_CustomKeys"));

    QSignalSpy macro(page.get(), &DDevicePage::sigShowMacroPage);
    QSignalSpy senior(page.get(), &DDevicePage::sigShowSeniorKeysPage);
    QTest::mouseClick(button("toolButton_MacroDialog"), Qt::LeftButton);
    QTest::mouseClick(button("toolButton_SeniorKey"), Qt::LeftButton);
    EXPECT_EQ(macro.count(), 1);
    EXPECT_EQ(senior.count(), 1);
    EXPECT_EQ(shownTabPage(), QStringLiteral("page_CustomKeys")) << "the dialog buttons change no tab";
}

TEST_F(DevicePageTest, TabTipsShareOnePopup)
{
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    ArrowWidget *first = nullptr;
    for (const char *name : {"toolButton_CustomKey", "toolButton_LightConfig", "toolButton_MacroDialog",
                             "toolButton_Performance", "toolButton_TriggerSetting", "toolButton_SeniorKey"}) {
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(button(name), &enter);
        ArrowWidget *popup = shownTopLevel<ArrowWidget>();
        ASSERT_NE(popup, nullptr) << name;
        if (!first)
            first = popup;
        EXPECT_EQ(popup, first) << "one pop-up, reused";
        EXPECT_TRUE(popup->isVisible()) << name;
        const QPoint expected =
            button(name)->mapToGlobal(QPoint(button(name)->width() / 2, 0)) - QPoint(38, 74);
        EXPECT_EQ(popup->pos(), expected) << name;
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button(name), &leave);
        EXPECT_FALSE(popup->isVisible()) << name;
    }
}

TEST_F(DevicePageTest, TipSignalsOfBothPagesEndInTheToast)
{
    emit page->findChild<DCustomKeysPage *>()->sigSomeMessageTip_CustomKeysPage(QStringLiteral("from keys"));
    EXPECT_FALSE(page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->isHidden());
    EXPECT_EQ(page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->text(),
              QStringLiteral("from keys"));
    emit page->findChild<DLightsConfigPage *>()->sigSomeMessageTip_LightsConfigPage(
        QStringLiteral("from lights"));
    EXPECT_EQ(page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->text(),
              QStringLiteral("from lights"));
}

TEST_F(DevicePageTest, CompanyLinkOpensTheConfiguredLink)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QLabel *url = label("label_Url");
    EXPECT_TRUE(url->text().contains(QStringLiteral("href=\"Company|https://tidelumen.example.org|\"")));
    emit url->linkActivated(QStringLiteral("Company|something else|"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls.at(0), QUrl(QStringLiteral("https://tidelumen.example.org")));
}

TEST(DragCorners, OrderingTable)
{
    const struct
    {
        const char *name;
        int in[4];
        bool acted;
        int out[4];
    } cases[] = {
        {"already ordered", {100, 50, 300, 200}, true, {100, 50, 300, 200}},
        {"up and left", {300, 200, 100, 50}, true, {100, 50, 300, 200}},
        {"up and right", {100, 200, 300, 50}, true, {100, 50, 300, 200}},
        {"down and left", {300, 50, 100, 200}, true, {100, 50, 300, 200}},
        {"equal x", {100, 50, 100, 200}, true, {0, 0, 0, 0}},
        {"equal y", {100, 50, 300, 50}, true, {0, 0, 0, 0}},
        {"click without a drag", {120, 80, 120, 80}, false, {120, 80, 120, 80}},
        {"right click", {0, 0, 0, 0}, true, {0, 0, 0, 0}},
        {"click on the top edge", {120, 0, 120, 0}, true, {0, 0, 0, 0}},
    };
    for (const auto &c : cases) {
        int x1 = c.in[0], y1 = c.in[1], x2 = c.in[2], y2 = c.in[3];
        EXPECT_EQ(DDevicePage::orderDragCorners(x1, y1, x2, y2), c.acted) << c.name;
        EXPECT_EQ((std::array<int, 4>{x1, y1, x2, y2}),
                  (std::array<int, 4>{c.out[0], c.out[1], c.out[2], c.out[3]}))
            << c.name;
    }
}

TEST_F(DevicePageTest, DragSelectionOnlyOnDragTabs)
{
    openView();
    const QPoint a = insideKey(1, 1);
    const QPoint b = insideKey(3, 5);
    const struct
    {
        const char *name;
        int tab;
        int lightType;
        bool selects;
    } cases[] = {
        {"keys tab", 0, -1, false},
        {"performance tab", 2, -1, false},
        {"lighting tab, not custom", 1, 3, false},
        {"lighting tab, custom light", 1, 10, true},
        {"trigger tab", 4, -1, true},
    };
    for (const auto &c : cases) {
        view->selectKeysInRect(0, 0, 0, 0);
        page->onCurIndexChangedMainPage(c.tab);
        page->setCurrentKeyboardLightType(c.lightType);
        page->onDragArea_SelectKeys(b.x(), b.y(), a.x() - 10, a.y() - 10);
        EXPECT_EQ(!view->dragSelectedKeys().isEmpty(), c.selects) << c.name;
    }
    // On the trigger tab now: a drag along one axis clears, a click without a drag keeps.
    const int selected = view->dragSelectedKeys().size();
    page->onDragArea_SelectKeys(a.x(), a.y(), a.x(), a.y());
    EXPECT_EQ(view->dragSelectedKeys().size(), selected);
    page->onDragArea_SelectKeys(a.x(), a.y(), a.x(), b.y());
    EXPECT_TRUE(view->dragSelectedKeys().isEmpty());
}

TEST_F(DevicePageTest, SelectionBitmapForCornerKeys)
{
    openView();
    const auto &matrix = view->keyLayer()->keyButtonMatrix();
    ASSERT_NE(matrix[0][0]->keyCode(), 0);
    // The bottom row's last key: column 21 where the model has a key there.
    int last = 21;
    while (last > 0 && matrix[5][last]->keyCode() == 0)
        --last;
    ASSERT_GT(last, 10);
    RecordingHid hid;
    page->setCurrentHid(&hid);
    page->onCurIndexChangedMainPage(4);
    hid.sent.clear();
    QSignalSpy query(DDataManager::getInstance(), &DDataManager::sigQueryDynamicDisplaySensitivityNum);

    // The travel queries a click triggers reach the keyboard as item 5; only selections are kept.
    auto toggle = [this, &hid](int row, int column) {
        const QPoint p = insideKey(row, column);
        page->onDragShowAreaMouseMovePoint(p.x(), p.y());
        page->onDragAreaMousePressOrRelease(true);
        page->onDragAreaMousePressOrRelease(false);
        hid.sent.erase(
            std::remove_if(hid.sent.begin(), hid.sent.end(), [](const HidReport &r) { return r[6] == 5; }),
            hid.sent.end());
    };
    toggle(0, 0);
    toggle(5, last);
    ASSERT_EQ(hid.sent.size(), 2);
    HidReport expected{};
    expected[0] = 0x01;
    expected[1] = 0x29;
    expected[5] = 0x18;
    expected[6] = 0x02;
    expected[7] = 0x01; // column 0, row 0
    EXPECT_EQ(hid.sent.at(0), expected);
    expected[7 + last] = 0x20; // bottom row 5
    EXPECT_EQ(hid.sent.at(1), expected);
    ASSERT_EQ(query.count(), 2);
    EXPECT_EQ(query.at(1), (QList<QVariant>{5, last}));

    // Pressing a selected key removes it and asks for its travel again.
    toggle(0, 0);
    ASSERT_EQ(hid.sent.size(), 3);
    expected[7] = 0;
    EXPECT_EQ(hid.sent.at(2), expected);
    EXPECT_EQ(query.count(), 3);

    // A band selection sends the bitmap but asks for no travel.
    view->selectKeysInRect(0, 0, 0, 0);
    ASSERT_EQ(hid.sent.size(), 4);
    EXPECT_EQ(query.count(), 3);

    // A refused queue is logged and changes nothing else.
    RecordingHid closed(false);
    page->setCurrentHid(&closed);
    toggle(2, 3);
    EXPECT_TRUE(closed.sent.isEmpty());

    // On the lighting tab selection changes send nothing.
    page->setCurrentHid(&hid);
    page->onCurIndexChangedMainPage(1);
    page->setCurrentKeyboardLightType(10);
    hid.sent.clear();
    view->selectKeysInRect(0, 0, 2000, 2000);
    EXPECT_TRUE(hid.sent.isEmpty());
}

TEST_F(DevicePageTest, ZoomLimits)
{
    openView();
    auto *bigger = button("pushButton_MoreBig");
    auto *smaller = button("pushButton_MoreSmall");
    QLabel *factor = label("label_Multiple");
    smaller->click();
    EXPECT_EQ(factor->text(), QStringLiteral("1.0"));
    EXPECT_FLOAT_EQ(view->scale(), 1.0f);
    const QSize base = view->size();
    for (int i = 0; i < 10; ++i)
        bigger->click();
    EXPECT_EQ(factor->text(), QStringLiteral("2.0"));
    EXPECT_NEAR(view->scale(), 2.0f, 1e-4);
    bigger->click();
    EXPECT_EQ(factor->text(), QStringLiteral("2.0"));
    EXPECT_NEAR(view->scale(), 2.0f, 1e-4);
    for (int i = 0; i < 10; ++i)
        smaller->click();
    EXPECT_EQ(factor->text(), QStringLiteral("1.0"));
    smaller->click();
    EXPECT_EQ(factor->text(), QStringLiteral("1.0"));
    EXPECT_NEAR(view->scale(), 1.0f, 1e-4);
    Q_UNUSED(base)
}

TEST_F(DevicePageTest, ClearDeviceCardsKeepsTheSpacer)
{
    QWidget *contents = page->findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"));
    auto *list = qobject_cast<QBoxLayout *>(contents->layout());
    ASSERT_NE(list, nullptr);
    QPointer<DDeviceListItem> one = new DDeviceListItem(contents);
    QPointer<DDeviceListItem> two = new DDeviceListItem(contents);
    list->insertWidget(0, one);
    list->insertWidget(1, two);
    page->clearDeviceCards();
    EXPECT_EQ(list->count(), 1);
    EXPECT_NE(list->itemAt(0)->spacerItem(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(one.isNull());
    EXPECT_TRUE(two.isNull());
}

TEST_F(DevicePageTest, SmallServices)
{
    lightDealMain *engine = page->lightEngineObject();
    page->stopLightEngine(); // nothing running: nothing to do
    engine->setLightThreadsRunning(true);
    engine->setLightSynchronous(true);
    page->stopLightEngine();
    EXPECT_FALSE(engine->isEffectThreadsRunning());
    EXPECT_FALSE(engine->isStreamingRunning());

    QWidget *list = page->findChild<QWidget *>(QStringLiteral("frame_left"));
    page->setDeviceListVisible(false);
    EXPECT_TRUE(list->isHidden());
    page->setDeviceListVisible(true);
    EXPECT_FALSE(list->isHidden());
}

TEST_F(DevicePageTest, HiddenViewToggleSwapsTheLayers)
{
    openView();
    QLabel *mode = label("label_ChangModeTest");
    page->on_pushButton_ChangModeTest_clicked();
    EXPECT_EQ(mode->text(), QStringLiteral("Light"));
    page->on_pushButton_ChangModeTest_clicked();
    EXPECT_EQ(mode->text(), QStringLiteral("Keyboard"));
    page->on_pushButton_Test_clicked(); // no visible effect
    EXPECT_EQ(mode->text(), QStringLiteral("Keyboard"));
}

#include "test_devicepage.moc"
