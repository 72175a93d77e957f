// The device page opening keyboards: enumeration at start-up, links and their thread indexes,
// the view build with its tool row, profile files, waits that outlive their keyboard, and the
// lighting coordination on the built view.
#include "cbnotice.h"
#include "cquelmoxml.h"
#include "customlightitem.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "ddevicelistitem.h"
#include "ddevicepage.h"
#include "dlightsconfigpage.h"
#include "dragshowarea.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "lightdealmain.h"
#include "linkfixture.h"
#include "ui_ddevicepage.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>

class OpeningPageTest : public SimFixture
{
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        DDataManager *dm = DDataManager::getInstance();
        dm->loadTheme(0);
        for (const char *model : {"TL68HE", "TL87", "TL104"})
            QDir(dm->userConfigPath() + "/" + model).removeRecursively();
        newPage();
    }
    // A page past its own start-up listing (made 200 ms after construction, with nothing
    // attached yet), so that each test decides when the keyboards are listed.
    void newPage()
    {
        names.reset();
        firmwareChecks.reset();
        page = std::make_unique<DDevicePage>();
        page->resize(1280, 700);
        QTest::qWait(300);
        names = std::make_unique<QSignalSpy>(page.get(), &DDevicePage::sigReturnHidLikeName);
        firmwareChecks =
            std::make_unique<QSignalSpy>(page.get(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    }
    void TearDown() override
    {
        names.reset();
        firmwareChecks.reset();
        page.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SimFixture::TearDown();
    }

    // Members reached through the friend declaration.
    Ui::DDevicePage &form() { return *page->ui; }
    QMap<QString, DDeviceKeyboardLink *> &links() { return page->deviceLinks; }
    QMap<QString, DDeviceListItem *> &cards() { return page->deviceCards; }
    QMap<QString, int> &dongles() { return page->dongleStates; }
    QMap<QString, hidStructInfoAll> &attached() { return page->attachedRecords; }
    int threadIndex() const { return page->threadIndexCounter; }
    DDeviceKeyboardLink *current() const { return page->currentLink; }
    QString profileFile() const { return QString::fromLocal8Bit(page->profileXmlPath.get()); }
    int profileIndex() const { return page->currentProfileIndex; }
    bool viewBusy() const { return page->viewBusy; }
    bool profileLoaded() const { return page->profileLoaded; }
    QString noticeText() const { return page->notice->text(); }
    lightDealMain *engine() const { return page->lightEngine.get(); }
    hidDeviceJoinFrame *view() const { return page->keyboardView; }
    dragShowArea *drag() const { return page->dragArea; }
    void forgetSilence() { page->silentLinks.clear(); }
    void setTab(int id) { page->currentTabId = id; }
    qint64 waitElapsed() const { return page->waitTimer.elapsed(); }
    void clearCurrent()
    {
        page->currentCard = nullptr;
        page->currentLink = nullptr;
        page->currentHid = nullptr;
    }

    QStringList profileFilesOf(const char *model) const
    {
        QStringList out;
        QDir dir(DDataManager::getInstance()->userConfigPath() + "/" + model);
        for (const QString &sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const QString &f : QDir(dir.filePath(sub)).entryList(QDir::Files))
                out << sub + "/" + f;
        for (const QString &f : dir.entryList(QDir::Files))
            out << f; // a file straight in the model folder would be a fault
        return out;
    }

    bool shown(QWidget *w) const { return !w->isHidden(); }

    std::unique_ptr<DDevicePage> page;
    std::unique_ptr<QSignalSpy> names;
    std::unique_ptr<QSignalSpy> firmwareChecks;
};

TEST_F(OpeningPageTest, NoKeyboardShowsTheTipPage)
{
    page->onLoadDeviceList();
    EXPECT_EQ(form().stackedWidget_3->currentWidget(), form().page_TipShow);
    EXPECT_EQ(cards().size(), 3); // one offline card per catalogue model, keyed by model
    EXPECT_TRUE(cards().contains("TL87"));
    EXPECT_TRUE(links().isEmpty());
    ASSERT_EQ(names->size(), 1);
    EXPECT_EQ(names->at(0), (QVariantList{"HID", "RGB"}));
    EXPECT_EQ(firmwareChecks->size(), 1);
}

TEST_F(OpeningPageTest, FirstCabledKeyboardIsShownWithItsProfile)
{
    auto magnetic = addKeyboard("TL68HE");
    auto plain = addKeyboard("TL87");
    page->onLoadDeviceList();

    EXPECT_EQ(form().stackedWidget_3->currentWidget(), form().page_HaveDevice);
    EXPECT_EQ(cards().size(), 3);
    EXPECT_EQ(links().size(), 2);
    EXPECT_EQ(threadIndex(), 2);
    const QString path = QString::fromLatin1(magnetic->path());
    ASSERT_EQ(current(), links().value(path));
    EXPECT_TRUE(current()->isReady());
    ASSERT_GE(names->size(), 1);
    EXPECT_EQ(names->at(0), (QVariantList{"Tidelumen TL68HE", "Magnetic 68"}));
    EXPECT_EQ(firmwareChecks->size(), 1);

    // Its own folder, three files (magnetic), the Default file in use with Profile1.
    const QString sn = current()->currentSN();
    EXPECT_EQ(profileFilesOf("TL68HE"),
              (QStringList{sn + "/appProfile_Default.xml", sn + "/appProfile_FN.xml",
                           sn + "/appProfile_Magnetic.xml"}));
    EXPECT_TRUE(profileFile().endsWith("TL68HE/" + sn + "/appProfile_Default.xml"));
    EXPECT_EQ(profileIndex(), 1);
    EXPECT_EQ(form().comboBox_profileList->currentText(), "Profile1");
    EXPECT_TRUE(profileFilesOf("TL87").isEmpty()); // not shown, so not prepared
    EXPECT_FALSE(viewBusy());
    EXPECT_TRUE(engine()->isEffectThreadsRunning());
    EXPECT_TRUE(engine()->isPreviewEnabled());
    EXPECT_EQ(engine()->keyGrid[2][2], DDataManager::getInstance()->keyButtonList().value(2 * 22 + 2));
}

TEST_F(OpeningPageTest, ReceiverOnlyOpensALinkButShowsNoView)
{
    auto kb = addKeyboard("TL104", LinkType::Receiver);
    page->onLoadDeviceList();
    const QString path = QString::fromLatin1(kb->path());
    EXPECT_EQ(form().stackedWidget_3->currentWidget(), form().page_TipShow);
    EXPECT_EQ(dongles().value(path), 1);
    EXPECT_TRUE(links().contains(path));
    EXPECT_EQ(current(), nullptr);
    EXPECT_EQ(names->last(), (QVariantList{"HID", "RGB"}));
    EXPECT_EQ(attached().value(path).online, 0);
}

TEST_F(OpeningPageTest, TwoKeyboardsOfOneModelShowTheFirstAndHaveNoOfflineCard)
{
    auto first = addKeyboard("TL87");
    addKeyboard("TL87");
    page->onLoadDeviceList();
    EXPECT_EQ(cards().size(), 4); // two TL87 cards, TL68HE and TL104 offline
    EXPECT_FALSE(cards().contains("TL87"));
    EXPECT_EQ(current(), links().value(QString::fromLatin1(first->path())));
}

TEST_F(OpeningPageTest, ThreadIndexesAreNeverReusedAndAReplacedLinkIsClosed)
{
    auto kb = addKeyboard("TL87");
    const hidStructInfoAll record = recordFor(*kb);
    page->openKeyboardLink(record);
    QPointer<DDeviceKeyboardLink> firstLink = links().value(QString::fromLatin1(kb->path()));
    EXPECT_EQ(threadIndex(), 1);
    page->openKeyboardLink(record);
    EXPECT_EQ(threadIndex(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstLink.isNull());
    EXPECT_EQ(links().size(), 1);
    EXPECT_TRUE(links().first()->isActive());
    auto other = addKeyboard("TL104");
    page->openKeyboardLink(recordFor(*other));
    EXPECT_EQ(threadIndex(), 3);
}

TEST_F(OpeningPageTest, SilentKeyboardCostsOneWaitAndWritesNoProfile)
{
    auto kb = addKeyboard("TL87");
    kb->setSilent(true);
    QElapsedTimer t;
    t.start();
    page->onLoadDeviceList();
    EXPECT_GE(t.elapsed(), DDevicePage::kLinkReadyWaitMs);
    // The page's wait timer was last restarted by the open's wait, near the start: the profile
    // step did not wait a second time for a keyboard that already kept silent.
    EXPECT_LT(t.elapsed() - waitElapsed(), DDevicePage::kLinkReadyWaitMs);
    EXPECT_FALSE(profileLoaded());
    EXPECT_TRUE(profileFilesOf("TL87").isEmpty());
    EXPECT_FALSE(QDir(DDataManager::getInstance()->userConfigPath() + "/TL87").exists());
    EXPECT_EQ(noticeText(), "Device not responding, please reconnect");
    EXPECT_FALSE(viewBusy());
}

TEST_F(OpeningPageTest, SecondConnectionCreatesNothingAndReadsTheIndexBack)
{
    auto kb = addKeyboard("TL87");
    page->onLoadDeviceList();
    const QString sn = current()->currentSN();
    const QStringList files = profileFilesOf("TL87");
    ASSERT_EQ(files.size(), 2);
    const QByteArray def = QFile::encodeName(profileFile());
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(def.constData(), "2", "Games", 0));
    ASSERT_TRUE(CQuelmoXML_ModifyXMLFileProfileIndex(def.constData(), 2));

    // The program starts again with the same keyboard.
    newPage();
    page->onLoadDeviceList();
    EXPECT_EQ(current()->currentSN(), sn);
    EXPECT_EQ(profileFilesOf("TL87"), files);
    ProfileNodeList nodes;
    ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(def.constData(), &nodes));
    EXPECT_EQ(nodes.size(), 2u);
    EXPECT_EQ(profileIndex(), 2);
    EXPECT_EQ(form().comboBox_profileList->currentText(), "Games");
    EXPECT_EQ(form().comboBox_profileList->count(), 2);
}

TEST_F(OpeningPageTest, ToolRowFollowsTheDeviceType)
{
    struct Case
    {
        const char *model;
        bool trigger, statusFrames;
        int tabWidth, fill;
    };
    for (const Case &c : {Case{"TL68HE", true, false, 250, 60}, Case{"TL87", false, false, 200, 20},
                          Case{"TL104", false, true, 200, 20}}) {
        SCOPED_TRACE(c.model);
        auto kb = addKeyboard(c.model);
        const hidStructInfoAll record = recordFor(*kb);
        hidStructInfoAll full = record;
        fixedtext::copy(full.deviceClass, "keyboard");
        page->openKeyboardLink(full);
        page->setUpKeyboardView(full);
        EXPECT_EQ(shown(form().toolButton_TriggerSetting), c.trigger);
        EXPECT_EQ(shown(form().frame_8), c.statusFrames);
        EXPECT_EQ(shown(form().frame_6), c.statusFrames);
        EXPECT_EQ(shown(form().frame_Battery), c.statusFrames);
        EXPECT_FALSE(shown(form().toolButton_SeniorKey));
        EXPECT_EQ(form().frame_7->minimumWidth(), c.tabWidth);
        EXPECT_EQ(form().frame_FillSpace->minimumWidth(), c.fill);
        EXPECT_EQ(DDataManager::getInstance()->isMagneticKeyboard(), c.trigger);
        EXPECT_EQ(profileFilesOf(c.model).size(), c.trigger ? 3 : 2);
    }
}

TEST_F(OpeningPageTest, KeyboardVanishingDuringTheProfileWaitStopsTheBuild)
{
    auto kb = addKeyboard("TL87");
    kb->setSilent(true);
    hidStructInfoAll record = recordFor(*kb);
    fixedtext::copy(record.deviceClass, "keyboard");
    const QString path = QString::fromLatin1(kb->path());
    page->openKeyboardLink(record);
    forgetSilence(); // as if it had answered late, so the view build waits again

    // What the removal does when it runs inside that wait.
    QElapsedTimer sinceRemoval;
    QTimer::singleShot(100, page.get(), [&] {
        sinceRemoval.start();
        DDeviceKeyboardLink *link = links().take(path);
        attached().remove(path);
        if (current() == link)
            page->stopLightEngine();
        delete link;
        clearCurrent();
    });
    page->setUpKeyboardView(record);
    ASSERT_TRUE(sinceRemoval.isValid());
    EXPECT_LT(sinceRemoval.elapsed(), 1000); // the wait had 1400 ms left
    EXPECT_FALSE(viewBusy());
    EXPECT_FALSE(profileLoaded());
    EXPECT_FALSE(engine()->isEffectThreadsRunning());
    EXPECT_FALSE(QDir(DDataManager::getInstance()->userConfigPath() + "/TL87").exists());
}

TEST_F(OpeningPageTest, OfflineAndCurrentCardPresses)
{
    auto kb = addKeyboard("TL87");
    page->onLoadDeviceList();
    DDeviceListItem *offline = cards().value("TL104");
    ASSERT_NE(offline, nullptr);
    hidStructInfoAll off{};
    fixedtext::copy(off.modelKey, "TL104");
    page->onHidItemMouseClicked(off);
    EXPECT_EQ(noticeText(), "The device is offline");

    DDeviceListItem *card = cards().value(QString::fromLatin1(kb->path()));
    DDeviceKeyboardLink *before = current();
    QMetaObject::invokeMethod(card, [&] { emit card->sigHidItemMouseClicked(recordFor(*kb)); });
    EXPECT_EQ(noticeText(), "The device has been turned on");
    EXPECT_EQ(current(), before);
}

TEST_F(OpeningPageTest, LightChoicesSwitchPaintingAndTheSchemeIsSavedWithoutBlackKeys)
{
    addKeyboard("TL87");
    page->onLoadDeviceList();
    ASSERT_NE(view(), nullptr);
    colorInfoData custom;
    custom.ledType = 10;
    page->onSelectCurrentLightTypeIndex_KB(10, custom);
    EXPECT_TRUE(drag()->isActive());

    view()->selectKeysInRect(0, 0, 10000, 10000);
    ASSERT_FALSE(view()->dragSelectedKeys().isEmpty());
    colorInfoData wave;
    wave.ledType = 2;
    page->onSelectCurrentLightTypeIndex_KB(2, wave);
    EXPECT_FALSE(drag()->isActive());
    EXPECT_TRUE(view()->dragSelectedKeys().isEmpty());

    // Without a chosen scheme nothing is stored.
    page->saveCustomLightScheme();

    // The keyboard switches to the scheme in its first slot by itself: painting comes on, except
    // while the trigger-settings tab is shown.
    setTab(4);
    page->onCustomLight_ConfigHaveChanged_HidSend0x09(0, 10, 0);
    EXPECT_FALSE(drag()->isActive());
    setTab(1);
    page->onCustomLight_ConfigHaveChanged_HidSend0x09(0, 10, 0);
    EXPECT_TRUE(drag()->isActive());
    ASSERT_EQ(page->findChild<DLightsConfigPage *>()->currentCustomLightIndex(), 0);

    // Paint three keys of an otherwise dark board and save them as the selected scheme.
    for (auto &r : engine()->keyGrid)
        for (keyboardButCustom *b : r)
            if (b)
                b->setCustomLightColor(QColor(0, 0, 0));
    keyboardButCustom *const *row = engine()->keyGrid[2];
    for (int col : {1, 2, 3})
        row[col]->setCustomLightColor(QColor(10, 20, 30));
    page->saveCustomLightScheme();
    QList<CustomLightItem> items;
    const QByteArray path = QFile::encodeName(profileFile());
    const QByteArray scheme =
        QByteArray::number(page->findChild<DLightsConfigPage *>()->currentCustomLightIndex());
    ASSERT_TRUE(
        CQuelmoXML_ProFileCustomLightInfoSelectAll(path.constData(), "1", scheme.constData(), &items));
    ASSERT_EQ(items.size(), 3);
    for (const CustomLightItem &item : items) {
        EXPECT_EQ(item.indexX, 2);
        EXPECT_EQ(item.transparentNum, 128);
        EXPECT_EQ(std::make_tuple(item.colorR, item.colorG, item.colorB), std::make_tuple(10, 20, 30));
    }

    // Choosing the default "WASD+Arrows" scheme paints exactly its keys.
    page->onCustomLightItemHaveChanged(1, "1", "WASD+Arrows");
    int lit = 0;
    for (auto &r : engine()->keyGrid)
        for (keyboardButCustom *b : r)
            if (b && b->customLightColor() != QColor(0, 0, 0))
                ++lit;
    EXPECT_EQ(lit, 8);
}
