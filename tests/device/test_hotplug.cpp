// Keyboards plugged in and pulled out while the device page runs: the page enumerates again,
// updates cards and links, and keeps a sensible keyboard current.
#include "ddevicelistitem.h"
#include "devicepageprobe.h"
#include "hotplugmonitor.h"
#include "mainhidinterface.h"
#include "pagefixture.h"

#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>

namespace {

QString pathOf(const hidStructInfoAll &r)
{
    return QString::fromUtf8(r.hidPath);
}

} // namespace

class HotPlugTest : public PageFixture
{
protected:
    QString shownPage() const
    {
        return page->findChild<QStackedWidget *>(QStringLiteral("stackedWidget_3"))
            ->currentWidget()
            ->objectName();
    }

    // The path of the keyboard the page shows, or empty.
    QString currentPath() const
    {
        DDeviceKeyboardLink *link = devicepage::currentLink(*page);
        return link ? pathOf(link->deviceRecord()) : QString();
    }

    // No two listed cards stand for one device or model, and every attached keyboard has its card.
    void expectEachCardListedOnce() const
    {
        const QList<DDeviceListItem *> listed = devicepage::cardsInListOrder(*page);
        QSet<QString> keys;
        for (const DDeviceListItem *card : listed)
            keys.insert(devicepage::cardKey(card));
        EXPECT_EQ(keys.size(), listed.size());
        for (const QString &path : page->deviceRecordMapCopy().keys())
            EXPECT_NE(devicepage::card(*page, path), nullptr) << path.toStdString();
    }

    void plugged(const std::shared_ptr<SimKeyboard> &kb)
    {
        Q_UNUSED(kb)
        page->onHidDeviceConnectChanging(DDevicePage::kHotPlugArrival, QStringLiteral("hidPath"));
    }
    void unplug(const std::shared_ptr<SimKeyboard> &kb)
    {
        kb->unplug();
        page->onHidDeviceConnectChanging(DDevicePage::kHotPlugRemoval, QStringLiteral("hidPath"));
    }
};

TEST_F(HotPlugTest, ScenarioTable)
{
    struct Action
    {
        bool plug; // false: unplug keyboard `which`
        const char *model;
        LinkType link;
        int which;
        // A plugged receiver then reports its keyboard reachable, which marks it online.
        bool reportsReachable = false;
    };
    struct Case
    {
        const char *name;
        std::vector<std::pair<const char *, LinkType>> start;
        std::vector<Action> actions;
        int current; // index of the keyboard shown afterwards (start ones first, then plugged), -1 none
        int links;
        bool overEmitted;
    };
    const auto cable = LinkType::Cable;
    const auto receiver = LinkType::Receiver;
    const std::vector<Case> cases = {
        {"arrival, cable, none shown", {}, {{true, "TL87", cable, 0}}, 0, 1, false},
        {"arrival, second cable", {{"TL87", cable}}, {{true, "TL104", cable, 0}}, 0, 2, false},
        {"arrival, receiver, one shown", {{"TL87", cable}}, {{true, "TL68HE", receiver, 0}}, 0, 2, false},
        {"arrival, receiver, none shown", {}, {{true, "TL68HE", receiver, 0}}, -1, 1, false},
        {"removal of another", {{"TL87", cable}, {"TL104", cable}}, {{false, nullptr, cable, 1}}, 0, 1, true},
        {"removal of current, cable remains",
         {{"TL87", cable}, {"TL104", cable}},
         {{false, nullptr, cable, 0}},
         1,
         1,
         true},
        {"removal of current, reachable receiver remains",
         {{"TL87", cable}},
         {{true, "TL68HE", receiver, 0, true}, {false, nullptr, cable, 0}},
         1,
         1,
         true},
        {"removal of the last", {{"TL87", cable}}, {{false, nullptr, cable, 0}}, -1, 0, true},
        {"same model again after removal",
         {{"TL87", cable}},
         {{false, nullptr, cable, 0}, {true, "TL87", cable, 0}},
         1,
         1,
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SimFixture::SetUp();
        std::vector<std::shared_ptr<SimKeyboard>> kbs;
        for (const auto &[model, link] : c.start)
            kbs.push_back(addKeyboard(model, link));
        openPage();
        QSignalSpy names(page.get(), &DDevicePage::sigReturnHidLikeName);
        QSignalSpy over(page.get(), &DDevicePage::sigIntoOrRemoveHidOver);

        QList<QPointer<DDeviceKeyboardLink>> removedLinks;
        QList<MainHidInterFace *> removedHids;
        for (const Action &a : c.actions) {
            if (a.plug) {
                kbs.push_back(addKeyboard(a.model, a.link));
                plugged(kbs.back());
                if (a.reportsReachable) {
                    kbs.back()->sendStatus();
                    const QString path = QString::fromLatin1(kbs.back()->path());
                    ASSERT_TRUE(waitFor([&] {
                        DDeviceListItem *card = devicepage::card(*page, path);
                        return card && card->isOnline() == 1;
                    }));
                }
            } else {
                DDeviceKeyboardLink *link =
                    page->linkMapCopy().value(QString::fromLatin1(kbs[a.which]->path()));
                ASSERT_NE(link, nullptr);
                removedLinks << link;
                removedHids << link->hidInterface();
                unplug(kbs[a.which]);
            }
        }

        EXPECT_EQ(currentPath(), c.current < 0 ? QString() : QString::fromLatin1(kbs[c.current]->path()));
        EXPECT_EQ(page->linkMapCopy().size(), c.links);
        EXPECT_EQ(page->deviceRecordMapCopy().size(), c.links);
        EXPECT_EQ(over.size(), c.overEmitted ? 1 : 0);
        if (c.current < 0) {
            EXPECT_EQ(shownPage(), "page_TipShow");
            ASSERT_FALSE(names.isEmpty());
            EXPECT_EQ(names.last(), (QVariantList{"HID", "RGB"}));
            EXPECT_EQ(devicepage::currentCard(*page), nullptr);
        } else {
            EXPECT_EQ(shownPage(), "page_HaveDevice");
            ASSERT_NE(devicepage::currentCard(*page), nullptr);
            EXPECT_EQ(devicepage::cardsInListOrder(*page).value(0), devicepage::currentCard(*page))
                << "the shown card comes first";
            EXPECT_TRUE(devicepage::currentCard(*page)->isVisible() || !page->isVisible());
        }
        // Every card is in the list once; one per attached keyboard or catalogue model.
        expectEachCardListedOnce();
        // At most the shown keyboard's card is selected: an unplugged one shows unselected.
        int selected = 0;
        for (DDeviceListItem *card : devicepage::cardsInListOrder(*page)) {
            if (card->isSelected()) {
                ++selected;
                EXPECT_EQ(card->isOnline(), 1) << "selected offline card " << card->deviceRecord().modelKey;
            }
        }
        EXPECT_LE(selected, 1);

        for (MainHidInterFace *hid : removedHids)
            EXPECT_FALSE(hid->isRunning()) << "the removed keyboard's I/O thread was joined";
        flushDeletes();
        for (const auto &link : removedLinks)
            EXPECT_TRUE(link.isNull()) << "the removed link was disposed of";

        page.reset();
        flushDeletes();
    }
}

TEST_F(HotPlugTest, OfflineCardIsReusedAndAReplacedOneDestroyed)
{
    auto a = addKeyboard("TL104");
    auto b = addKeyboard("TL104");
    openPage();
    ASSERT_EQ(devicepage::card(*page, "TL104"), nullptr) << "both keyboards of the model have their own card";
    QPointer<DDeviceListItem> cardA = devicepage::card(*page, QString::fromLatin1(a->path()));
    QPointer<DDeviceListItem> cardB = devicepage::card(*page, QString::fromLatin1(b->path()));
    ASSERT_TRUE(cardA && cardB);

    unplug(a);
    EXPECT_EQ(devicepage::card(*page, "TL104"), cardA.data());
    EXPECT_EQ(cardA->isOnline(), 0);
    EXPECT_STREQ(cardA->deviceRecord().hidPath, "TL104");
    unplug(b);
    EXPECT_EQ(devicepage::card(*page, "TL104"), cardB.data());
    flushDeletes();
    EXPECT_TRUE(cardA.isNull()) << "one offline card per model";
    expectEachCardListedOnce();

    b->plug();
    plugged(b);
    EXPECT_EQ(devicepage::card(*page, QString::fromLatin1(b->path())), cardB.data());
    EXPECT_EQ(devicepage::card(*page, "TL104"), nullptr);
    EXPECT_EQ(currentPath(), QString::fromLatin1(b->path()));
}

TEST_F(HotPlugTest, NothingNewOrNothingGoneChangesNothing)
{
    auto a = addKeyboard("TL87");
    openPage();
    QSignalSpy over(page.get(), &DDevicePage::sigIntoOrRemoveHidOver);
    QSignalSpy names(page.get(), &DDevicePage::sigReturnHidLikeName);
    DDeviceKeyboardLink *link = devicepage::currentLink(*page);
    page->onHidDeviceConnectChanging(DDevicePage::kHotPlugArrival, QStringLiteral("hidPath"));
    page->onHidDeviceConnectChanging(DDevicePage::kHotPlugRemoval, QStringLiteral("hidPath"));
    EXPECT_EQ(devicepage::currentLink(*page), link);
    EXPECT_TRUE(over.isEmpty());
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(HotPlugTest, CallsWhileBusyAreHandledAfterwards)
{
    auto a = addKeyboard("TL87");
    auto b = addKeyboard("TL104");
    b->unplug();
    // The first keyboard answers slowly, so the page waits for it (processing events) and the
    // notifications below come in the middle of the first round.
    a->unplug();
    a->setReplyDelay(std::chrono::milliseconds(150));
    openPage();
    a->plug();
    QTimer::singleShot(0, page.get(), [&] {
        b->plug();
        page->onHidDeviceConnectChanging(DDevicePage::kHotPlugArrival, QStringLiteral("hidPath"));
    });
    page->onHidDeviceConnectChanging(DDevicePage::kHotPlugArrival, QStringLiteral("hidPath"));
    EXPECT_EQ(page->linkMapCopy().size(), 2) << "the second arrival was not lost";
    EXPECT_EQ(currentPath(), QString::fromLatin1(a->path()));
}

TEST_F(HotPlugTest, KeyboardThatGoesWhileItIsOpenedIsRemovedCleanly)
{
    auto a = addKeyboard("TL87");
    a->unplug();
    a->setSilent(true); // never answers: the open waits its full time
    openPage();
    a->plug();
    QPointer<DDeviceKeyboardLink> link;
    QTimer::singleShot(50, page.get(), [&] {
        link = page->linkMapCopy().value(QString::fromLatin1(a->path()));
        a->unplug();
        page->onHidDeviceConnectChanging(DDevicePage::kHotPlugRemoval, QStringLiteral("hidPath"));
    });
    page->onHidDeviceConnectChanging(DDevicePage::kHotPlugArrival, QStringLiteral("hidPath"));
    EXPECT_TRUE(page->linkMapCopy().isEmpty());
    EXPECT_TRUE(page->deviceRecordMapCopy().isEmpty());
    EXPECT_EQ(currentPath(), QString());
    EXPECT_EQ(shownPage(), "page_TipShow");
    flushDeletes();
    EXPECT_TRUE(link.isNull());
}

TEST_F(HotPlugTest, SimulatedPlugAndUnplugReachTheMonitor)
{
    std::vector<std::pair<QByteArray, bool>> seen;
    m_backend->setPlugObserver(
        [&](const QByteArray &path, uint16_t, uint16_t, bool on) { seen.emplace_back(path, on); });
    auto a = addKeyboard("TL87");
    a->unplug();
    a->unplug(); // already out: not reported again
    a->plug();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[0].second);
    EXPECT_FALSE(seen[1].second);
    EXPECT_EQ(seen[1].first, seen[0].first);
    EXPECT_TRUE(seen[2].second);
    EXPECT_EQ(seen[2].first, a->path());

    // A keyboard kept past its back end reports to nobody.
    m_backend->setPlugObserver(nullptr);
    HidDeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>());
    m_backend = nullptr;
    a->unplug();
    EXPECT_EQ(seen.size(), 3u);
}
