// Keyboards that are slow, asleep, refused or gone, through the device page: the receiver whose
// keyboard answers only later, hot plug while the page lists or builds, a permission refusal, and
// a device that vanishes without a removal event.
#include "cbnotice.h"
#include "cquelmohid.h"
#include "cquelmoxml.h"
#include "ddevicelistitem.h"
#include "devicepageprobe.h"
#include "hidreport.h"
#include "mainhidinterface.h"
#include "pagefixture.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>

#include <cerrno>

namespace {

QString pathOf(const SimKeyboard &kb)
{
    return QString::fromLatin1(kb.path());
}

} // namespace

class KeyboardFlowTest : public PageFixture
{
protected:
    QString shownPage() const
    {
        return page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_3"))
            ->currentWidget()
            ->objectName();
    }
    QString currentPath() const
    {
        DDeviceKeyboardLink *link = devicepage::currentLink(*page);
        return link ? QString::fromUtf8(link->deviceRecord().hidPath) : QString();
    }
    QString noticeText() const { return page->findChild<CbNotice *>()->text(); }
    // The shown keyboard has its profile loaded from its own folder.
    bool profileLoadedFor(const SimKeyboard &kb) const
    {
        const QString file = page->layerFilePath();
        return !file.isEmpty() && QFileInfo(file).isFile() &&
               file.contains(QString::fromLatin1(kb.state().serialNumber));
    }
    void notify(int code) { page->onHidDeviceConnectChanging(code, QStringLiteral("hidPath")); }
};

TEST_F(KeyboardFlowTest, KeyboardThatAnswersAfterStartUpGetsItsViewAndProfilesOnce)
{
    struct Case
    {
        const char *name;
        const char *model;
        LinkType link;
        bool asleep;      // behind its receiver, out of reach until woken
        int replyDelayMs; // a cable keyboard that misses its start-up wait
    };
    const Case cases[] = {
        {"receiver only, keyboard reachable", "TL68HE", LinkType::Receiver, false, 0},
        {"receiver only, keyboard asleep, wakes later", "TL104", LinkType::Receiver, true, 0},
        {"cable keyboard answering after its wait", "TL87", LinkType::Cable, false, 1400},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PageFixture::SetUp();
        auto kb = addKeyboard(c.model, c.link);
        kb->update([&](SimKeyboardState &s) { s.keyboardReachable = !c.asleep; });
        kb->setReplyDelay(std::chrono::milliseconds(c.replyDelayMs));
        openPage();
        if (c.asleep) {
            QTest::qWait(1200); // a status report or two from the receiver alone
            EXPECT_EQ(currentPath(), QString());
            EXPECT_EQ(shownPage(), "page_TipShow");
            kb->update([](SimKeyboardState &s) { s.keyboardReachable = true; });
        }
        kb->setReplyDelay(std::chrono::milliseconds(0));

        EXPECT_TRUE(waitFor([&] { return currentPath() == pathOf(*kb) && profileLoadedFor(*kb); }, 5000))
            << "current " << currentPath().toStdString() << ", profile "
            << page->layerFilePath().toStdString();
        EXPECT_EQ(shownPage(), "page_HaveDevice");
        ASSERT_NE(devicepage::currentCard(*page), nullptr);
        EXPECT_EQ(devicepage::currentCard(*page)->isOnline(), 1);
        // One keyboard folder with one set of files, made once.
        const QDir model(DDataManager::getInstance()->userConfigPath() + "/" + c.model);
        EXPECT_EQ(model.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(layerFile().constData()), 1);
        page.reset();
        flushDeletes();
    }
}

TEST_F(KeyboardFlowTest, ShownKeyboardRemovedWhileItsViewIsBuiltHandsOverToTheNextOne)
{
    auto cable = addKeyboard("TL87");
    auto rx = addKeyboard("TL104", LinkType::Receiver);
    rx->update([](SimKeyboardState &s) { s.keyboardReachable = false; });
    openPage();
    ASSERT_EQ(currentPath(), pathOf(*cable));

    // The receiver reaches its keyboard, which answers slowly: choosing it waits for its link.
    rx->setReplyDelay(std::chrono::milliseconds(500));
    rx->update([](SimKeyboardState &s) { s.keyboardReachable = true; });
    DDeviceListItem *rxCard = nullptr;
    ASSERT_TRUE(waitFor([&] {
        rxCard = devicepage::card(*page, pathOf(*rx));
        return rxCard && rxCard->isOnline() == 1;
    }));
    bool removedDuringBuild = false;
    bool chosen = false;
    QTimer::singleShot(200, page.get(), [&] {
        removedDuringBuild =
            !chosen && devicepage::currentLink(*page) &&
            QString::fromUtf8(devicepage::currentLink(*page)->deviceRecord().hidPath) == pathOf(*rx);
        rx->unplug();
        notify(DDevicePage::kHotPlugRemoval);
    });
    page->onHidItemMouseClicked(rxCard->deviceRecord());
    chosen = true;
    QTest::qWait(300);
    EXPECT_TRUE(removedDuringBuild) << "the removal came while the chosen keyboard's view was built";
    EXPECT_EQ(currentPath(), pathOf(*cable)) << "the remaining keyboard is shown again";
    EXPECT_EQ(shownPage(), "page_HaveDevice");
    EXPECT_FALSE(page->linkMapCopy().contains(pathOf(*rx)));
    EXPECT_FALSE(QDir(DDataManager::getInstance()->userConfigPath() + "/TL104").exists())
        << "no profile files for a keyboard that went before its view was built";
}

TEST_F(KeyboardFlowTest, HotPlugDuringTheStartUpListingWaitsForIt)
{
    struct Case
    {
        const char *name;
        bool removeFirst; // else a second keyboard is plugged in
    };
    for (const Case &c : {Case{"a keyboard plugged in", false}, Case{"the first keyboard removed", true}}) {
        SCOPED_TRACE(c.name);
        PageFixture::SetUp();
        auto first = addKeyboard("TL87");
        auto second = addKeyboard("TL104");
        std::shared_ptr<SimKeyboard> late;
        second->setReplyDelay(std::chrono::milliseconds(150)); // the listing waits for it
        page = std::make_unique<DDevicePage>();
        page->resize(1280, 700);
        // A notification before the listing (a keyboard plugged while the program starts) and one
        // in the middle of it.
        notify(DDevicePage::kHotPlugArrival);
        QTimer::singleShot(300, page.get(), [&] {
            if (c.removeFirst) {
                first->unplug();
                notify(DDevicePage::kHotPlugRemoval);
            } else {
                late = addKeyboard("TL68HE");
                notify(DDevicePage::kHotPlugArrival);
            }
        });
        QTest::qWait(2500);

        const QMap<QString, DDeviceKeyboardLink *> links = page->linkMapCopy();
        QList<int> indexes;
        for (DDeviceKeyboardLink *link : links)
            indexes << link->hidInterface()->threadIndex();
        std::sort(indexes.begin(), indexes.end());
        if (c.removeFirst) {
            EXPECT_EQ(links.keys(), QStringList{pathOf(*second)});
            EXPECT_EQ(currentPath(), pathOf(*second)) << "the remaining keyboard is shown";
        } else {
            ASSERT_TRUE(late);
            EXPECT_EQ(links.size(), 3);
            EXPECT_TRUE(links.contains(pathOf(*late)));
            EXPECT_EQ(currentPath(), pathOf(*first)) << "the first cabled keyboard is shown";
            EXPECT_EQ(indexes, (QList<int>{1, 2, 3})) << "each keyboard was opened once";
        }
        EXPECT_EQ(shownPage(), "page_HaveDevice");
        EXPECT_EQ(devicepage::cardsInListOrder(*page).value(0), devicepage::currentCard(*page));
        page.reset();
        flushDeletes();
    }
}

TEST_F(KeyboardFlowTest, PermissionRefusalIsShownOnceInsteadOfSilence)
{
    // The only refusal in its binary: the notice is given once per process.
    auto kb = addKeyboard("TL87");
    kb->setOpenRefusal(HidOpenError::PermissionDenied);
    openPage();
    EXPECT_EQ(noticeText(), quelmosdk::kPermissionNotice);
    EXPECT_EQ(devicepage::currentLink(*page)->openError(), HidOpenError::PermissionDenied);

    auto other = addKeyboard("TL104");
    other->setOpenRefusal(HidOpenError::PermissionDenied);
    page->findChild<CbNotice *>()->showNotice(QStringLiteral("-"));
    notify(DDevicePage::kHotPlugArrival);
    EXPECT_EQ(page->linkMapCopy().size(), 2);
    EXPECT_EQ(noticeText(), "-") << "told once per run";
}

TEST_F(KeyboardFlowTest, DeviceGoneWithoutRemovalEventIsRemovedOnce)
{
    struct Case
    {
        const char *name;
        int error; // 0: unplugged, and no removal event comes
    };
    for (const Case &c :
         {Case{"unplugged", 0}, Case{"ENODEV while listed", ENODEV}, Case{"EIO while listed", EIO}}) {
        SCOPED_TRACE(c.name);
        PageFixture::SetUp();
        auto shown = addKeyboard("TL87");
        auto other = addKeyboard("TL104");
        openPage();
        ASSERT_EQ(currentPath(), pathOf(*shown));
        QPointer<DDeviceKeyboardLink> link = devicepage::currentLink(*page);
        QPointer<MainHidInterFace> hid = link->hidInterface();
        QSignalSpy over(page.get(), &DDevicePage::sigIntoOrRemoveHidOver);
        if (c.error == 0)
            shown->unplug();
        else
            shown->setTransferError(c.error);

        // The next handshake write fails.
        EXPECT_TRUE(waitFor([&] { return !page->linkMapCopy().contains(pathOf(*shown)); }, 3000));
        EXPECT_TRUE(hid.isNull() || !hid->isRunning()) << "its I/O loop ended";
        EXPECT_EQ(over.size(), 1);
        EXPECT_EQ(currentPath(), pathOf(*other)) << "the page switched as for a removal";
        DDeviceListItem *offline = devicepage::card(*page, "TL87");
        ASSERT_NE(offline, nullptr);
        EXPECT_EQ(offline->isOnline(), 0);
        // A node still listed is not taken back in by the next arrival.
        notify(DDevicePage::kHotPlugArrival);
        EXPECT_FALSE(page->linkMapCopy().contains(pathOf(*shown)));
        flushDeletes();
        EXPECT_TRUE(link.isNull());
        page.reset();
        flushDeletes();
    }
}

TEST_F(KeyboardFlowTest, KeyboardSideLightChangeIsMirroredAfterAnInvalidFirstConfiguration)
{
    // No side light, whose valid configuration would arm the mirroring on its own.
    auto kb = addKeyboard("TL68HE");
    kb->update([](SimKeyboardState &s) { s.keyboardLight[0] = 99; }); // a type the keyboard does not list
    openPage();
    ASSERT_NE(devicepage::currentLink(*page), nullptr);
    ASSERT_TRUE(devicepage::currentLink(*page)->hasKeyboardLightConfig());
    QSignalSpy mirrored(devicepage::currentLink(*page),
                        &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);

    const int listed = devicepage::currentLink(*page)->keyboardLightModes().lightTypes.value(1);
    HidReport change = hidproto::makeReport(hidproto::in::KeyboardLightConfig);
    change[6] = static_cast<uint8_t>(listed);
    kb->send(change); // the user changed the light on the keyboard
    ASSERT_TRUE(mirrored.wait(2000));
    EXPECT_EQ(mirrored.first(), (QVariantList{0, listed}));
    EXPECT_EQ(CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(layerFile().constData(), "1", 0), listed);
}
