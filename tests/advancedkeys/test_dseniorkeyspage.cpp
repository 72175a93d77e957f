// The advanced-keys dialog on a scratch store: the list, creating, deleting, selecting, the hold
// duration, the travel points, closing, and binding keys to the slots.
#include "cbnotice.h"
#include "dallkeysitemkey.h"
#include "dallkeysshowpage.h"
#include "ddksshowwidget.h"
#include "dseniorkeyeventlistitem.h"
#include "dseniorkeyspage.h"
#include "dstrokeconfigview.h"
#include "myslider.h"
#include "storefixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <cstring>

namespace {

class SeniorDialog : public SeniorStoreTest
{
protected:
    void TearDown() override
    {
        delete page.data();
        SeniorStoreTest::TearDown();
    }

    void open()
    {
        page = new DSeniorKeysPage;
        page->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return picker() != nullptr; }, 3000));
    }

    template <typename T = QWidget> T *child(const char *name) const
    {
        T *w = page->findChild<T *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QToolButton *button(const char *name) const { return child<QToolButton>(name); }
    QString text(const char *name) const
    {
        if (auto *b = page->findChild<QAbstractButton *>(QLatin1String(name)))
            return b->text();
        return child<QLabel>(name)->text();
    }
    DAllKeysShowPage *picker() const { return page ? page->findChild<DAllKeysShowPage *>() : nullptr; }
    QWidget *leftPage() const { return child<QStackedWidget>("stackedWidget_Left")->currentWidget(); }
    QWidget *kindPage() const { return child<QStackedWidget>("stackedWidget_2")->currentWidget(); }
    QString toast() const { return page->findChild<CbNotice *>(QStringLiteral("notice_SeniorKeys"))->text(); }

    // The list rows, top to bottom.
    QList<DSeniorKeyEventListItem *> rows() const
    {
        QList<DSeniorKeyEventListItem *> list;
        QLayout *box = child("scrollAreaWidgetContents_2")->layout();
        for (int i = 0; i < box->count(); ++i) {
            if (auto *row = qobject_cast<DSeniorKeyEventListItem *>(box->itemAt(i)->widget()))
                list << row;
        }
        return list;
    }
    QList<int> rowIndexes() const
    {
        QList<int> indexes;
        for (DSeniorKeyEventListItem *row : rows())
            indexes << row->seniorKeyInfoStu().index;
        return indexes;
    }

    // Clicks the picker's tile of `usage`; the picker reports it with the tile's label.
    void clickTile(int usage)
    {
        for (DAllKeysItemKey *tile : picker()->findChildren<DAllKeysItemKey *>()) {
            if (tile->keyDec() == usage) {
                tile->click();
                return;
            }
        }
        ADD_FAILURE() << "no tile for usage " << usage;
    }

    void rightClickSlot(const char *name)
    {
        QToolButton *b = button(name);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(b, &enter);
        QTest::mousePress(b, Qt::RightButton, Qt::NoModifier, b->rect().center());
        QTest::mouseRelease(b, Qt::RightButton, Qt::NoModifier, b->rect().center());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(b, &leave);
    }

    void selectRow(int index)
    {
        for (DSeniorKeyEventListItem *row : rows()) {
            if (row->seniorKeyInfoStu().index == index) {
                QTest::mouseClick(row, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no row " << index;
    }

    SeniorKeyInfoStu stored(int index) const
    {
        SeniorKeyInfoStu r{};
        EXPECT_TRUE(SeniorKeyStore::current().read(index, &r)) << index;
        return r;
    }

    void countWrites()
    {
        XmlStore::instance().setWriterForTesting([this](QIODevice &device, const QByteArray &data) {
            ++writes;
            return device.write(data);
        });
    }

    static SeniorKeyInfoStu record(int index, int type, const char *k1 = "", const char *k2 = "")
    {
        SeniorKeyInfoStu r = seniorkey::defaultRecord(index, type);
        std::strcpy(r.K1, k1);
        std::strcpy(r.K2, k2);
        return r;
    }

    QPointer<DSeniorKeysPage> page;
    int writes = 0;
};

TEST_F(SeniorDialog, AnEmptyStoreShowsTheEmptyPage)
{
    open();
    EXPECT_EQ(leftPage()->objectName(), QStringLiteral("page_EmptyTipAll"));
    EXPECT_EQ(text("label_TipInfo"), QStringLiteral("Senior keys is empty"));
    EXPECT_EQ(text("label_EventTotalNum"), QStringLiteral("0/40"));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_FALSE(page->hasSelection());
}

TEST_F(SeniorDialog, TheLowestIndexIsSelectedWithItsKindPage)
{
    add(record(5, SeniorKeyDKS));
    add(record(3, SeniorKeyMT, "4", "224"));
    open();
    EXPECT_EQ(rowIndexes(), (QList<int>{3, 5}));
    EXPECT_EQ(page->currentSeniorKey().index, 3);
    EXPECT_EQ(leftPage()->objectName(), QStringLiteral("page_SeniorKesOperate"));
    EXPECT_EQ(kindPage()->objectName(), QStringLiteral("page_MT"));
    EXPECT_EQ(text("toolButton_HoldKey"), QStringLiteral("A"));
    EXPECT_EQ(text("toolButton_ClickKey"), QStringLiteral("L_Ctrl"));
    EXPECT_EQ(text("label_EventTotalNum"), QStringLiteral("2/40"));

    selectRow(5);
    EXPECT_EQ(page->currentSeniorKey().index, 5);
    EXPECT_EQ(kindPage()->objectName(), QStringLiteral("page_DKS"));
    EXPECT_EQ(text("toolButton_HoldKey"), QString());
    EXPECT_EQ(page->findChild<DDksShowWidget *>()->getSeniorKeyInfoStu().index, 5);
}

TEST_F(SeniorDialog, CreateMakesTheChosenKindAndKeepsTheLowestSelected)
{
    add(record(1, SeniorKeyDKS));
    add(record(2, SeniorKeyDKS));
    open();
    QTest::mouseClick(child<QRadioButton>("radioButton_MT"), Qt::LeftButton);
    // The kind choice is for the next creation; the shown record keeps its page.
    EXPECT_EQ(kindPage()->objectName(), QStringLiteral("page_DKS"));
    QTest::mouseClick(child<QPushButton>("pushButton_NewCreate"), Qt::LeftButton);
    EXPECT_EQ(toast(), QStringLiteral("Create senior keys successful"));
    EXPECT_EQ(rowIndexes(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(page->currentSeniorKey().index, 1);
    const SeniorKeyInfoStu created = stored(3);
    EXPECT_EQ(created.type, SeniorKeyMT);
    EXPECT_STREQ(created.name, "MT3");
    EXPECT_EQ(text("label_EventTotalNum"), QStringLiteral("3/40"));
}

TEST_F(SeniorDialog, TheFortyFirstIsRefused)
{
    for (int i = 1; i <= 39; ++i)
        add(record(i, SeniorKeyTGL));
    open();
    QTest::mouseClick(child<QPushButton>("pushButton_NewCreate"), Qt::LeftButton);
    EXPECT_EQ(text("label_EventTotalNum"), QStringLiteral("40/40"));
    QTest::mouseClick(child<QPushButton>("pushButton_NewCreate"), Qt::LeftButton);
    EXPECT_EQ(toast(), QStringLiteral("The number of senior keys has reached the maximum"));
    QList<SeniorKeyInfoStu> all;
    ASSERT_TRUE(SeniorKeyStore::current().readAll(&all));
    EXPECT_EQ(all.size(), 40);
}

TEST_F(SeniorDialog, CreateAfterAFailedReadIsRefused)
{
    QFile file(QFile::decodeName(m_path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<not a store");
    file.close();
    XmlStore::instance().clearCache();
    open();
    EXPECT_EQ(text("label_EventTotalNum"), QStringLiteral("0/40"));
    QTest::mouseClick(child<QPushButton>("pushButton_NewCreate"), Qt::LeftButton);
    EXPECT_EQ(toast(), QStringLiteral("Operate failed"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("<not a store"));
}

TEST_F(SeniorDialog, DeletingTheOnlyRecordThenClosingReportsTheChangedListFirst)
{
    add(record(1, SeniorKeyDKS));
    open();
    QStringList order;
    QObject::connect(DDataManager::getInstance(), &DDataManager::sigSeniorKeysListItemHaveChanged, page,
                     [&order] { order << QStringLiteral("list changed"); });
    QObject::connect(page, &DSeniorKeysPage::sigSeniorKeysPageClose,
                     [&order] { order << QStringLiteral("close"); });
    QTest::mouseClick(rows().first()->findChild<QPushButton *>(QStringLiteral("pushButton_DeleteEvent")),
                      Qt::LeftButton);
    EXPECT_EQ(toast(), QStringLiteral("Delete senior keys successful"));
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(leftPage()->objectName(), QStringLiteral("page_EmptyTipAll"));
    EXPECT_EQ(text("label_EventTotalNum"), QStringLiteral("0/40"));
    QTest::mouseClick(child<QPushButton>("pushButton_Close"), Qt::LeftButton);
    EXPECT_EQ(order, (QStringList{QStringLiteral("list changed"), QStringLiteral("close")}));
    EXPECT_TRUE(QTest::qWaitFor([this] { return page.isNull(); }, 2000)) << "the dialog deletes itself";
}

TEST_F(SeniorDialog, EscClosesLikeCloseAndBindingAloneReportsNoListChange)
{
    add(record(1, SeniorKeyDKS));
    open();
    QSignalSpy changed(DDataManager::getInstance(), &DDataManager::sigSeniorKeysListItemHaveChanged);
    QSignalSpy closed(page.data(), &DSeniorKeysPage::sigSeniorKeysPageClose);
    clickTile(4);
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(QTest::qWaitFor([this] { return page.isNull(); }, 2000));
}

TEST_F(SeniorDialog, DeletingARecordKeysStillUseAsksFirst)
{
    add(record(1, SeniorKeyDKS));
    const QString folder = DDataManager::getInstance()->userConfigPath() + QStringLiteral("/TL68HE/SNDEL");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray fn = QFile::encodeName(folder + QStringLiteral("/appProfile_FN.xml"));
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(fn.constData()));
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(fn.constData(), "1", "Profile1", 0));
    ASSERT_TRUE(
        CQuelmoXML_AddProFileMacroWithKeyInfoItem(fn.constData(), "1", "4", "A", "40", "0", "0", "1"));
    open();
    const auto removeButton = [this] {
        return rows().first()->findChild<QPushButton *>(QStringLiteral("pushButton_DeleteEvent"));
    };
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
        QTest::mouseClick(removeButton(), Qt::LeftButton);
        auto *box = page->findChild<QMessageBox *>(QStringLiteral("seniorKeyInUseBox"));
        ASSERT_NE(box, nullptr);
        box->button(answer)->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(rows().size(), answer == QMessageBox::No ? 1 : 0);
    }
    QDir(folder).removeRecursively();
}

TEST_F(SeniorDialog, HoldDurationShowsTheRecordAndStoresOnlyOnRelease)
{
    const struct
    {
        int valueTime;
        int slider;
        const char *label;
    } cases[] = {{150, 15, "150ms"}, {1000, 100, "1000ms"}, {123, 15, "123ms"}};
    int index = 1;
    for (const auto &c : cases) {
        SeniorKeyInfoStu r = record(index++, SeniorKeyMT);
        r.ValueTime = c.valueTime;
        add(r);
    }
    open();
    auto *slider = child<MySlider>("horizontalSlider_HoldDuration");
    for (int i = 0; i < 3; ++i) {
        selectRow(i + 1);
        EXPECT_EQ(slider->value(), cases[i].slider) << cases[i].valueTime;
        EXPECT_EQ(text("label_HoldDuration"), QLatin1String(cases[i].label));
    }

    selectRow(1);
    countWrites();
    slider->setSliderDown(true);
    slider->setValue(42);
    EXPECT_EQ(text("label_HoldDuration"), QStringLiteral("420ms"));
    EXPECT_EQ(writes, 0) << "moving without a release stores nothing";
    slider->setSliderDown(false);
    EXPECT_EQ(stored(1).ValueTime, 420);
    EXPECT_EQ(page->currentSeniorKey().ValueTime, 420);
}

TEST_F(SeniorDialog, TravelPointsShowWithTheOuterOnesAsLinks)
{
    add(record(1, SeniorKeyDKS));
    open();
    EXPECT_TRUE(text("label_Stroke01").contains(QStringLiteral(">1.5mm</span>")));
    EXPECT_TRUE(text("label_Stroke01").contains(QStringLiteral("underline")));
    EXPECT_EQ(text("label_Stroke02"), QStringLiteral("3.6mm"));
    EXPECT_EQ(text("label_Stroke03"), QStringLiteral("3.6mm"));
    EXPECT_TRUE(text("label_Stroke04").contains(QStringLiteral(">1.5mm</span>")));
}

TEST_F(SeniorDialog, TheTravelPointPopupUpdatesTheLabelsAndItsOverlayGoesHoweverItCloses)
{
    add(record(1, SeniorKeyDKS));
    open();
    for (bool viaCloseButton : {true, false}) {
        emit child<QLabel>("label_Stroke04")->linkActivated(QStringLiteral("Company|1.5mm|"));
        auto *view = page->findChild<DStrokeConfigView *>();
        ASSERT_NE(view, nullptr);
        QWidget *overlay = page->findChild<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly);
        ASSERT_NE(overlay, nullptr);
        EXPECT_TRUE(overlay->isVisible());
        if (viaCloseButton) {
            auto *slider = view->findChild<MySlider *>(QStringLiteral("horizontalSlider_StrokeView"));
            slider->setSliderDown(true);
            slider->setValue(22);
            slider->setSliderDown(false);
            EXPECT_TRUE(text("label_Stroke01").contains(QStringLiteral(">2.2mm</span>")));
            EXPECT_EQ(stored(1).stroke[3], 22);
            EXPECT_EQ(page->findChild<DDksShowWidget *>()->getSeniorKeyInfoStu().stroke[0], 22);
            view->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
        } else {
            view->close();
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return page->findChild<DStrokeConfigView *>() == nullptr; }, 2000));
        EXPECT_FALSE(overlay->isVisible()) << (viaCloseButton ? "close button" : "closed otherwise");
    }
}

// --- binding

TEST_F(SeniorDialog, SingleKeyGoesIntoTheChosenSlotOfEachKind)
{
    add(record(1, SeniorKeyDKS));
    add(record(2, SeniorKeyMT));
    add(record(3, SeniorKeyTGL));
    open();
    const struct
    {
        int index;
        const char *slot; // clicked first, when not the default
        int usage;
        const char *shown;
        const char *field; // "K1".."K4"
        const char *value;
    } cases[] = {
        {1, "toolButton_SeniorKey02", 4, "A", "K2", "4"},
        {1, "toolButton_SeniorKey04", 224, "L_Ctrl", "K4", "224"},
        {2, nullptr, 4, "A", "K1", "4"},
        {2, "toolButton_ClickKey", 224, "L_Ctrl", "K2", "224"},
        {3, nullptr, 4, "A", "K1", "4"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.slot ? c.slot : "default slot") + " of " + std::to_string(c.index));
        selectRow(c.index);
        QToolButton *target = nullptr;
        if (c.slot) {
            target = button(c.slot);
            QTest::mouseClick(target, Qt::LeftButton);
        } else {
            target = button(c.index == 2 ? "toolButton_HoldKey" : "toolButton_TglKey");
        }
        clickTile(c.usage);
        EXPECT_EQ(target->text(), QLatin1String(c.shown));
        const SeniorKeyInfoStu s = stored(c.index);
        const char *fields[4] = {s.K1, s.K2, s.K3, s.K4};
        EXPECT_STREQ(fields[c.field[1] - '1'], c.value);
        if (c.index == 3) {
            EXPECT_EQ(s.tglFlag, 1);
        }
        const SeniorKeyInfoStu shown = page->currentSeniorKey();
        EXPECT_EQ(std::memcmp(&shown, &s, sizeof s), 0) << "the dialog shows what is stored";
        auto *row = rows()[c.index - 1];
        const SeniorKeyInfoStu inRow = row->seniorKeyInfoStu();
        EXPECT_EQ(std::memcmp(&inRow, &s, sizeof s), 0) << "the row shows what is stored";
    }
    selectRow(1);
    EXPECT_STREQ(page->findChild<DDksShowWidget *>()->getSeniorKeyInfoStu().K2, "4");
}

TEST_F(SeniorDialog, ACombinationGrowsOnTheSlotAndIsStoredWhole)
{
    add(record(1, SeniorKeyDKS));
    open();
    QTest::mouseClick(child<QRadioButton>("radioButton_CombinationKeys"), Qt::LeftButton);
    QStringList shown;
    for (int usage : {224, 225, 226, 4}) {
        clickTile(usage);
        shown << text("toolButton_SeniorKey01");
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("L_CTRL"), QStringLiteral("L_CTRL+L_SHIFT"),
                                  QStringLiteral("L_CTRL+L_SHIFT"), QStringLiteral("L_CTRL+L_SHIFT+A")}));
    EXPECT_STREQ(stored(1).K1, "3,4");
    EXPECT_EQ(rows().first()->findChild<QLabel *>(QStringLiteral("label_SeniorKey01"))->text(),
              QStringLiteral("L_CTRL+L_SHIFT+A"));
}

TEST_F(SeniorDialog, AHalfBuiltCombinationNeverReachesAnotherSlotOrRecord)
{
    add(record(1, SeniorKeyDKS, "5"));
    add(record(2, SeniorKeyDKS));
    open();
    QTest::mouseClick(child<QRadioButton>("radioButton_CombinationKeys"), Qt::LeftButton);

    // Slot change: the started combination is dropped and slot 1 shows its key again.
    clickTile(224);
    EXPECT_EQ(text("toolButton_SeniorKey01"), QStringLiteral("L_CTRL"));
    QTest::mouseClick(button("toolButton_SeniorKey02"), Qt::LeftButton);
    EXPECT_EQ(text("toolButton_SeniorKey01"), QStringLiteral("B"));
    clickTile(4); // a key without a modifier first is ignored
    EXPECT_STREQ(stored(1).K2, "");

    // Record change.
    clickTile(225);
    selectRow(2);
    clickTile(4);
    EXPECT_STREQ(stored(2).K1, "");

    // Mode change.
    clickTile(226);
    QTest::mouseClick(child<QRadioButton>("radioButton_SingleKey"), Qt::LeftButton);
    EXPECT_EQ(text("toolButton_SeniorKey01"), QString());
    QTest::mouseClick(child<QRadioButton>("radioButton_CombinationKeys"), Qt::LeftButton);
    clickTile(4);
    EXPECT_STREQ(stored(2).K1, "");
}

TEST_F(SeniorDialog, AnUnknownKeyEndsTheCombinationAndTheSlotShowsWhatIsStored)
{
    add(record(1, SeniorKeyDKS, "5"));
    open();
    QTest::mouseClick(child<QRadioButton>("radioButton_CombinationKeys"), Qt::LeftButton);
    clickTile(230);
    EXPECT_EQ(text("toolButton_SeniorKey01"), QStringLiteral("R_ALT"));
    countWrites();
    emit picker()->sigKeyListClicked(999, QStringLiteral("?"));
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(text("toolButton_SeniorKey01"), QStringLiteral("B"));
    // The next click starts a new combination.
    clickTile(224);
    clickTile(4);
    EXPECT_STREQ(stored(1).K1, "1,4");
}

TEST_F(SeniorDialog, ARefusedChangeShowsWhatTheStoreKept)
{
    add(record(1, SeniorKeyDKS, "5"));
    add(record(2, SeniorKeyMT));
    open();
    failWrites();
    QTest::mouseClick(button("toolButton_SeniorKey02"), Qt::LeftButton);
    clickTile(4);
    EXPECT_EQ(text("toolButton_SeniorKey02"), QString());
    EXPECT_EQ(toast(), QStringLiteral("Operate failed"));
    EXPECT_STREQ(page->currentSeniorKey().K2, "");
    EXPECT_STREQ(page->findChild<DDksShowWidget *>()->getSeniorKeyInfoStu().K2, "");
    EXPECT_STREQ(rows().first()->seniorKeyInfoStu().K2, "");

    selectRow(2);
    auto *slider = child<MySlider>("horizontalSlider_HoldDuration");
    slider->setSliderDown(true);
    slider->setValue(60);
    slider->setSliderDown(false);
    EXPECT_EQ(slider->value(), 15);
    EXPECT_EQ(text("label_HoldDuration"), QStringLiteral("150ms"));
    EXPECT_EQ(page->currentSeniorKey().ValueTime, 150);
}

TEST_F(SeniorDialog, RightClickUnbindsTheHoveredSlot)
{
    add(record(1, SeniorKeyDKS, "4", "5"));
    SeniorKeyInfoStu dks = stored(1);
    std::strcpy(dks.K3, "224");
    std::strcpy(dks.K4, "3,4");
    ASSERT_TRUE(SeniorKeyStore::current().modify(&dks));
    add(record(2, SeniorKeyMT, "4", "5"));
    SeniorKeyInfoStu tgl = record(3, SeniorKeyTGL, "4");
    tgl.tglFlag = 1;
    add(tgl);
    open();
    const struct
    {
        int index;
        const char *slot;
        int field;
    } cases[] = {{1, "toolButton_SeniorKey01", 0}, {1, "toolButton_SeniorKey02", 1},
                 {1, "toolButton_SeniorKey03", 2}, {1, "toolButton_SeniorKey04", 3},
                 {2, "toolButton_HoldKey", 0},     {2, "toolButton_ClickKey", 1},
                 {3, "toolButton_TglKey", 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.slot);
        selectRow(c.index);
        EXPECT_FALSE(text(c.slot).isEmpty());
        rightClickSlot(c.slot);
        EXPECT_EQ(text(c.slot), QString());
        const SeniorKeyInfoStu s = stored(c.index);
        const char *fields[4] = {s.K1, s.K2, s.K3, s.K4};
        EXPECT_STREQ(fields[c.field], "");
        if (c.index == 3) {
            EXPECT_EQ(s.tglFlag, 0);
            EXPECT_EQ(rows()[2]->findChild<QLabel *>(QStringLiteral("label_SeniorKey01"))->text(), QString());
        }
    }
    // An empty slot is still rewritten; a right press outside the slots does nothing.
    countWrites();
    rightClickSlot("toolButton_TglKey");
    EXPECT_EQ(writes, 1);
    QTest::mousePress(page, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(writes, 1);
}

TEST_F(SeniorDialog, AnotherRecordStartsOnItsFirstSlot)
{
    add(record(1, SeniorKeyDKS));
    add(record(2, SeniorKeyMT));
    open();
    QTest::mouseClick(button("toolButton_SeniorKey03"), Qt::LeftButton);
    selectRow(2);
    QTest::mouseClick(button("toolButton_ClickKey"), Qt::LeftButton);
    selectRow(1);
    EXPECT_TRUE(button("toolButton_SeniorKey01")->isChecked());
    clickTile(4);
    EXPECT_STREQ(stored(1).K1, "4");
    EXPECT_STREQ(stored(1).K3, "");
    selectRow(2);
    EXPECT_TRUE(button("toolButton_HoldKey")->isChecked());
    clickTile(5);
    EXPECT_STREQ(stored(2).K1, "5");
    EXPECT_STREQ(stored(2).K2, "");
}

TEST_F(SeniorDialog, ExplanationTipsAreReusedAndGoWithTheDialog)
{
    open();
    QToolButton *modes = button("toolButton_ExplainInfo");
    QToolButton *kinds = button("toolButton_ExplainInfo02");
    const auto hover = [](QWidget *w, QEvent::Type type) {
        QEvent e(type);
        QApplication::sendEvent(w, &e);
    };
    const auto tips = [] {
        QList<QWidget *> found;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName().startsWith(QStringLiteral("seniorKeysExplainTip")))
                found << w;
        }
        return found;
    };
    for (int round = 0; round < 3; ++round) {
        hover(modes, QEvent::Enter);
        hover(modes, QEvent::Leave);
        hover(kinds, QEvent::Enter);
    }
    EXPECT_EQ(tips().size(), 2) << "one pop-up per question mark, however often it is hovered";
    QWidget *kindTip = nullptr;
    for (QWidget *w : tips())
        if (w->isVisible())
            kindTip = w;
    ASSERT_NE(kindTip, nullptr);
    EXPECT_EQ(kindTip->objectName(), QStringLiteral("seniorKeysExplainTip2"));
    const QPoint bottomCentre = kinds->mapToGlobal(QPoint(kinds->width() / 2, kinds->height()));
    EXPECT_EQ(kindTip->pos(), DSeniorKeysPage::explainTipPosition(bottomCentre, kinds->height(), 200));
    // Esc while the tip is shown: the tip does not outlive the dialog.
    QTest::keyClick(page, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([this] { return page.isNull(); }, 2000));
    EXPECT_TRUE(tips().isEmpty());
}

} // namespace
