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
#include "devicepageprobe.h"
#include "dlightsconfigpage.h"
#include "dragshowarea.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "lightdealmain.h"
#include "linkfixture.h"
#include "mainhidinterface.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QSet>
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

    // What the page shows, found the way a user finds it.
    template <class T = QWidget> T *form(const char *name) const
    {
        T *w = page->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QWidget *shownPage() const { return form<QStackedWidget>("stackedWidget_3")->currentWidget(); }
    QMap<QString, DDeviceKeyboardLink *> links() const { return page->linkMapCopy(); }
    QList<DDeviceListItem *> cards() const { return devicepage::cardsInListOrder(*page); }
    DDeviceListItem *card(const QString &key) const { return devicepage::card(*page, key); }
    QMap<QString, hidStructInfoAll> attached() const { return page->deviceRecordMapCopy(); }
    DDeviceKeyboardLink *current() const { return devicepage::currentLink(*page); }
    // The I/O thread index of the keyboard link at `path`.
    int threadIndexOf(const QString &path) const
    {
        DDeviceKeyboardLink *link = links().value(path);
        return link && link->hidInterface() ? link->hidInterface()->threadIndex() : -1;
    }
    QString profileFile() const { return page->layerFilePath(); }
    int profileIndex() const { return DDataManager::getInstance()->profileIndex(); }
    QString noticeText() const
    {
        return page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->text();
    }
    lightDealMain *engine() const { return page->lightEngineObject(); }
    hidDeviceJoinFrame *view() const { return page->findChild<hidDeviceJoinFrame *>(); }
    dragShowArea *drag() const { return page->findChild<dragShowArea *>(); }

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
    EXPECT_EQ(shownPage(), form("page_TipShow"));
    EXPECT_EQ(cards().size(), 3); // one offline card per catalogue model, keyed by model
    EXPECT_NE(card("TL87"), nullptr);
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

    EXPECT_EQ(shownPage(), form("page_HaveDevice"));
    EXPECT_EQ(cards().size(), 3);
    EXPECT_EQ(links().size(), 2);
    const QString path = QString::fromLatin1(magnetic->path());
    EXPECT_EQ((QSet<int>{threadIndexOf(path), threadIndexOf(QString::fromLatin1(plain->path()))}),
              (QSet<int>{1, 2}));
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
    EXPECT_EQ(form<QComboBox>("comboBox_profileList")->currentText(), "Profile1");
    EXPECT_TRUE(profileFilesOf("TL87").isEmpty()); // not shown, so not prepared
    EXPECT_TRUE(engine()->isEffectThreadsRunning());
    EXPECT_TRUE(engine()->isPreviewEnabled());
    EXPECT_EQ(engine()->keyGrid[2][2], DDataManager::getInstance()->keyButtonList().value(2 * 22 + 2));
}

TEST_F(OpeningPageTest, ReceiverOnlyOpensALinkButShowsNoView)
{
    auto kb = addKeyboard("TL104", LinkType::Receiver);
    page->onLoadDeviceList();
    const QString path = QString::fromLatin1(kb->path());
    EXPECT_EQ(shownPage(), form("page_TipShow"));
    EXPECT_TRUE(links().contains(path));
    ASSERT_NE(card(path), nullptr);
    EXPECT_NE(card(path)->isOnline(), 1) << "the receiver's keyboard is not reachable yet";
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
    EXPECT_EQ(card("TL87"), nullptr);
    EXPECT_EQ(current(), links().value(QString::fromLatin1(first->path())));
}

TEST_F(OpeningPageTest, ThreadIndexesAreNeverReusedAndAReplacedLinkIsClosed)
{
    auto kb = addKeyboard("TL87");
    const hidStructInfoAll record = recordFor(*kb);
    page->openKeyboardLink(record);
    const QString path = QString::fromLatin1(kb->path());
    QPointer<DDeviceKeyboardLink> firstLink = links().value(path);
    EXPECT_EQ(threadIndexOf(path), 1);
    page->openKeyboardLink(record);
    EXPECT_EQ(threadIndexOf(path), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(firstLink.isNull());
    EXPECT_EQ(links().size(), 1);
    EXPECT_TRUE(links().first()->isActive());
    auto other = addKeyboard("TL104");
    page->openKeyboardLink(recordFor(*other));
    EXPECT_EQ(threadIndexOf(QString::fromLatin1(other->path())), 3);
}

TEST_F(OpeningPageTest, SilentKeyboardCostsOneWaitAndWritesNoProfile)
{
    auto kb = addKeyboard("TL87");
    kb->setSilent(true);
    QElapsedTimer t;
    t.start();
    page->onLoadDeviceList();
    EXPECT_GE(t.elapsed(), DDevicePage::kLinkReadyWaitMs);
    // The profile step did not wait a second time for a keyboard that already kept silent.
    EXPECT_LT(t.elapsed(), DDevicePage::kLinkReadyWaitMs + DDevicePage::kProfileReadyWaitMs);
    EXPECT_TRUE(profileFile().isEmpty());
    EXPECT_TRUE(profileFilesOf("TL87").isEmpty());
    EXPECT_FALSE(QDir(DDataManager::getInstance()->userConfigPath() + "/TL87").exists());
    EXPECT_EQ(noticeText(), "Device not responding, please reconnect");

    // Nothing is left half-built: once the keyboard answers, its view and profiles follow.
    kb->setSilent(false);
    hidStructInfoAll record = recordFor(*kb);
    fixedtext::copy(record.deviceClass, "keyboard");
    page->openKeyboardLink(record);
    page->setUpKeyboardView(record);
    EXPECT_EQ(shownPage(), form("page_HaveDevice"));
    EXPECT_TRUE(profileFile().endsWith("appProfile_Default.xml"));
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
    EXPECT_EQ(form<QComboBox>("comboBox_profileList")->currentText(), "Games");
    EXPECT_EQ(form<QComboBox>("comboBox_profileList")->count(), 2);
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
        EXPECT_EQ(shown(form("toolButton_TriggerSetting")), c.trigger);
        EXPECT_EQ(shown(form("frame_8")), c.statusFrames);
        EXPECT_EQ(shown(form("frame_6")), c.statusFrames);
        EXPECT_EQ(shown(form("frame_Battery")), c.statusFrames);
        EXPECT_FALSE(shown(form("toolButton_SeniorKey")));
        EXPECT_EQ(form("frame_7")->minimumWidth(), c.tabWidth);
        EXPECT_EQ(form("frame_FillSpace")->minimumWidth(), c.fill);
        EXPECT_EQ(DDataManager::getInstance()->isMagneticKeyboard(), c.trigger);
        EXPECT_EQ(profileFilesOf(c.model).size(), c.trigger ? 3 : 2);
    }
}

TEST_F(OpeningPageTest, OfflineAndCurrentCardPresses)
{
    auto kb = addKeyboard("TL87");
    page->onLoadDeviceList();
    DDeviceListItem *offline = card("TL104");
    ASSERT_NE(offline, nullptr);
    hidStructInfoAll off{};
    fixedtext::copy(off.modelKey, "TL104");
    page->onHidItemMouseClicked(off);
    EXPECT_EQ(noticeText(), "The device is offline");

    DDeviceListItem *shown = card(QString::fromLatin1(kb->path()));
    DDeviceKeyboardLink *before = current();
    QMetaObject::invokeMethod(shown, [&] { emit shown->sigHidItemMouseClicked(recordFor(*kb)); });
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
    page->onCurIndexChangedMainPage(4);
    view()->selectKeysInRect(0, 0, 10000, 10000);
    const int triggerSelection = view()->dragSelectedKeys().size();
    ASSERT_GT(triggerSelection, 0);
    page->onCustomLight_ConfigHaveChanged_HidSend0x09(0, 10, 0);
    EXPECT_EQ(view()->dragSelectedKeys().size(), triggerSelection) << "the trigger tab's selection stays";
    page->onCurIndexChangedMainPage(1);
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
