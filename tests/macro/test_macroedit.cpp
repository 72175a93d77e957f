// Whole-macro operations and event editing in the macro editor, checked against the store after
// every step: the list the user sees and the macro the store keeps stay the same.
#include "macrorecordfixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace {

std::vector<std::string> storedIndexes(const char *path)
{
    std::vector<MacroNode> nodes;
    CQuelmoXML_SelectMacroAllNodes(path, &nodes);
    std::vector<std::string> out;
    for (const MacroNode &n : nodes)
        out.push_back(n.index + ":" + n.name);
    return out;
}

// Answers the next message box with `button` once it is shown; tells whether one was shown.
std::shared_ptr<bool> answerNextMessageBox(QMessageBox::StandardButton button)
{
    auto asked = std::make_shared<bool>(false);
    QTimer::singleShot(0, [asked, button] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *asked = true;
            box->button(button)->click();
        }
    });
    return asked;
}

} // namespace

class MacroEditing : public MacroPageOnStore
{
protected:
    // Macro 1 "Combo": A (mark 1), B (mark 2), left click (mark 3): six rows.
    void openCombo()
    {
        ASSERT_TRUE(store.addMacro("1", "Combo"));
        QList<MacroEventRecord> events = MacroStoreFile::press(1, "key", 4, "A", 0, 10);
        events += MacroStoreFile::press(2, "key", 5, "B", 20, 30);
        events += {MacroStoreFile::event(3, 5, "mouse", 513, "Left Click", "down"),
                   MacroStoreFile::event(3, 6, "mouse", 514, "Left Click", "up")};
        ASSERT_TRUE(store.addEvents("1", events));
        open();
    }
    void clickRow(int position) { QTest::mousePress(eventRows().at(position), Qt::LeftButton); }
    void press(const char *button) { child<QPushButton>(page, button)->click(); }
    void captureKey(int vk) { tap(vk); }
    // The list on screen equals the stored macro, row for row.
    void expectListIsStore()
    {
        EXPECT_EQ(describeRows(eventRows()), describe(stored(page->currentIndex().toLatin1().constData())));
    }
};

TEST_F(MacroEditing, AddTakesTheLowestFreeIndexWhateverTheStoreOrder)
{
    for (const char *index : {"3", "1", "5"})
        store.addMacro(index, "M");
    open();
    press("pushButton_Add");
    EXPECT_EQ(toast(), QStringLiteral("Add macro successful"));
    EXPECT_EQ(storedIndexes(store.path()), (std::vector<std::string>{"3:M", "1:M", "5:M", "2:Macro2"}));
    EXPECT_EQ(macroRows().size(), 4);
    EXPECT_EQ(page->currentIndex(), QStringLiteral("3")) << "the first macro stays the shown one";
}

TEST_F(MacroEditing, DeletingTheShownMacroShowsTheFirstAndTheLastEmptiesTheEditor)
{
    store.addMacro("1", "One");
    store.addMacro("2", "Two");
    open();
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);
    emit macroRows().at(0)->sigDeleteMacro(QStringLiteral("1"), QStringLiteral("One"));
    flushDeletes();
    EXPECT_EQ(toast(), QStringLiteral("Delete macro successful"));
    EXPECT_EQ(page->currentIndex(), QStringLiteral("2"));
    EXPECT_TRUE(macroRows().at(0)->isSelected());
    EXPECT_EQ(changed.count(), 0);
    emit macroRows().at(0)->sigDeleteMacro(QStringLiteral("2"), QStringLiteral("Two"));
    flushDeletes();
    EXPECT_TRUE(macroRows().isEmpty());
    EXPECT_EQ(currentPage(page), QStringLiteral("page_isEmpty"));
    EXPECT_EQ(totalTime(page), QStringLiteral("0 MS"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), QString());
    EXPECT_TRUE(storedIndexes(store.path()).empty());
}

TEST_F(MacroEditing, AMacroKeysStillPlayIsDeletedOnlyAfterAskingAndItsIndexIsNotReused)
{
    store.addMacro("1", "One");
    store.addMacro("2", "Bound");
    open();
    page->setMacroUseQuery([](const QString &index) { return index == QLatin1String("2"); });
    auto asked = answerNextMessageBox(QMessageBox::No);
    emit macroRows().at(1)->sigDeleteMacro(QStringLiteral("2"), QStringLiteral("Bound"));
    EXPECT_TRUE(*asked);
    EXPECT_EQ(storedIndexes(store.path()).size(), 2u) << "No keeps the macro";

    asked = answerNextMessageBox(QMessageBox::Yes);
    emit macroRows().at(1)->sigDeleteMacro(QStringLiteral("2"), QStringLiteral("Bound"));
    flushDeletes();
    EXPECT_TRUE(*asked);
    EXPECT_EQ(storedIndexes(store.path()), std::vector<std::string>{"1:One"});

    // The keys still name index 2: a new macro must not become what they play.
    press("pushButton_Add");
    EXPECT_EQ(storedIndexes(store.path()), (std::vector<std::string>{"1:One", "3:Macro3"}));

    asked = answerNextMessageBox(QMessageBox::Yes);
    emit macroRows().at(0)->sigDeleteMacro(QStringLiteral("1"), QStringLiteral("One"));
    EXPECT_FALSE(*asked) << "a macro no key plays goes without a question";
    QTest::qWait(10);
}

TEST_F(MacroEditing, InsertPutsThePairBeforeOrAfterTheClickedRowWithANewMark)
{
    const struct
    {
        const char *where;
        int clicked;
        int down;
    } cases[] = {{"radioButton_InsertAfter", 3, 4},
                 {"radioButton_InsertBefore", 3, 3},
                 {"radioButton_InsertAfter", 5, 6}};
    for (const auto &c : cases) {
        store = MacroStoreFile(QStringLiteral("recording.xml"));
        openCombo();
        captureKey(67); // C
        clickRow(c.clicked);
        child<QRadioButton>(page, c.where)->setChecked(true);
        press("pushButton_InsertMacro");
        EXPECT_EQ(toast(), QStringLiteral("Insert successful"));
        const QList<DCatchKeyAndMouseItem *> rows = eventRows();
        ASSERT_EQ(rows.size(), 8);
        EXPECT_EQ(describeRows({rows.at(c.down), rows.at(c.down + 1)}),
                  QStringList({"4 key 6 C down", "4 key 6 C up"}))
            << c.where << " " << c.clicked;
        expectListIsStore();
        delete page;
    }
}

TEST_F(MacroEditing, InsertNeverGrowsTheListPastFortyRows)
{
    ASSERT_TRUE(store.addMacro("1", "Full"));
    QList<MacroEventRecord> events;
    for (int i = 1; i <= 19; ++i)
        events += MacroStoreFile::press(i, "key", 4, "A", 0, 10);
    ASSERT_TRUE(store.addEvents("1", events));
    open();
    child<QRadioButton>(page, "radioButton_Mouse")->click();
    clickRow(0);
    press("pushButton_InsertMacro"); // 38 rows: room for one more pair
    EXPECT_EQ(eventRows().size(), 40);
    press("pushButton_InsertMacro");
    EXPECT_EQ(toast(), QStringLiteral("The record of events has reached the limit"));
    EXPECT_EQ(eventRows().size(), 40);
    EXPECT_EQ(stored("1").size(), 40);
}

TEST_F(MacroEditing, AMoveRightAfterInsertMovesTheSameEventInListAndStore)
{
    openCombo();
    captureKey(67);
    clickRow(0);
    child<QRadioButton>(page, "radioButton_InsertAfter")->setChecked(true);
    press("pushButton_InsertMacro"); // C down at 1, C up at 2
    press("pushButton_MoveUp");      // the new C down goes above A down
    EXPECT_EQ(eventRows().at(0)->codeName(), QStringLiteral("C"));
    expectListIsStore();
    press("pushButton_MoveUp");   // already first: nothing
    clickRow(1);                  // A down
    press("pushButton_MoveDown"); // below its own release? no: C up is next
    expectListIsStore();
    clickRow(2);                  // A down again, now above A up
    press("pushButton_MoveDown"); // never past its own partner
    EXPECT_EQ(eventRows().at(2)->operateExplain(), QStringLiteral("down"));
    expectListIsStore();
}

TEST_F(MacroEditing, ModifyChangesTheClickedEventAndItsPartner)
{
    openCombo();
    clickRow(5); // left click up
    child<QRadioButton>(page, "radioButton_3right")->setChecked(true);
    child<QLineEdit>(page, "lineEdit_DelayNum")->setText(QStringLiteral("40"));
    press("pushButton_ModifyMacro");
    EXPECT_EQ(toast(), QStringLiteral("Modify successful"));
    EXPECT_EQ(describe(stored("1"), true).mid(4),
              QStringList({"3 mouse 516 Right Click down 5", "3 mouse 517 Right Click up 40"}));
    expectListIsStore();
    EXPECT_EQ(totalTime(page), QStringLiteral("%1 MS").arg(0 + 10 + 20 + 30 + 5 + 40));

    // A key pair becomes a mouse pair; an emptied delay field stores 0.
    clickRow(0);
    child<QRadioButton>(page, "radioButton_MouseEvent")->click();
    child<QLineEdit>(page, "lineEdit_DelayNum")->clear();
    press("pushButton_ModifyMacro");
    EXPECT_EQ(describe(stored("1"), true).mid(0, 2),
              QStringList({"1 mouse 513 Left Click down 0", "1 mouse 514 Left Click up 10"}));
    expectListIsStore();
}

TEST_F(MacroEditing, AnEventWithoutPartnerIsModifiedAloneAndDeletingRemovesEveryEventOfItsMark)
{
    ASSERT_TRUE(store.addMacro("1", "Odd"));
    ASSERT_TRUE(store.addEvents("1", {MacroStoreFile::event(1, 0, "key", 4, "A", "down"),
                                      MacroStoreFile::event(2, 0, "key", 5, "B", "down"),
                                      MacroStoreFile::event(2, 0, "key", 5, "B", "up"),
                                      MacroStoreFile::event(2, 0, "key", 5, "B", "up")}));
    open();
    clickRow(0);
    child<QLineEdit>(page, "lineEdit_DelayNum")->setText(QStringLiteral("7"));
    press("pushButton_ModifyMacro");
    EXPECT_EQ(describe(stored("1"), true).at(0), QStringLiteral("1 key 4 A down 7"));
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);
    emit eventRows().at(1)->sigDeleteKeyAndMouseEvent();
    flushDeletes();
    EXPECT_EQ(eventRows().size(), 1) << "all three events of mark 2 leave the list";
    expectListIsStore();
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(MacroEditing, ClearEmptiesTheMacroWhereItStandsUnderItsCurrentName)
{
    openCombo();
    store.addMacro("2", "Second");
    page->loadMacroList();
    ASSERT_TRUE(CQuelmoXML_ModifyMacroNodeName(store.path(), "1", "Renamed"));
    press("pushButton_ClearMacroLst");
    EXPECT_EQ(toast(), QStringLiteral("Clear record macro successful"));
    EXPECT_EQ(storedIndexes(store.path()), (std::vector<std::string>{"1:Renamed", "2:Second"}));
    EXPECT_TRUE(stored("1").isEmpty());
    EXPECT_EQ(currentPage(page), QStringLiteral("page_isEmpty"));
    EXPECT_EQ(totalTime(page), QStringLiteral("0 MS"));
}

TEST_F(MacroEditing, ExportAndImportGoThroughTheFileAndRefusedFilesCreateNothing)
{
    openCombo();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString written =
        page->exportMacroTo(dir.path(), QStringLiteral("1"), QStringLiteral("../Combo.fast"));
    EXPECT_EQ(toast(), QStringLiteral("Export macro successful"));
    EXPECT_EQ(written, QDir(dir.path()).absoluteFilePath(QStringLiteral(".._Combo.fast.xml")));
    EXPECT_TRUE(QFile::exists(written));
    EXPECT_TRUE(
        page->exportMacroTo(dir.path() + QStringLiteral("/missing"), QStringLiteral("1"), QStringLiteral("x"))
            .isEmpty());
    EXPECT_EQ(toast(), QStringLiteral("Export macro failed"));

    store.addMacro("5", "Five");
    ASSERT_TRUE(page->importMacroFrom(written));
    EXPECT_EQ(toast(), QStringLiteral("Import macro successful"));
    EXPECT_EQ(storedIndexes(store.path()).back(), "6:Macro6")
        << "the file name before its first dot is empty";
    EXPECT_EQ(describe(stored("6"), true), describe(stored("1"), true));

    const QByteArray hostile[] = {
        "<Parameters><macro index=\"1\" name=\"x\"><item mark=\"1\" type=\"key\"",
        "<Parameters><item mark=\"1\" type=\"key\" keyCode=\"4\" codeName=\"A\" operateExplain=\"down\"/>"
        "</Parameters>",
        "<!DOCTYPE Parameters [<!ENTITY a \"a\">]><Parameters>&a;</Parameters>"};
    const auto before = storedIndexes(store.path());
    for (const QByteArray &text : hostile) {
        const QString path = dir.filePath(QStringLiteral("hostile.xml"));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        EXPECT_FALSE(page->importMacroFrom(path)) << text.constData();
        EXPECT_EQ(toast(), QStringLiteral("Import macro failed"));
        EXPECT_EQ(storedIndexes(store.path()), before) << text.constData();
    }
    EXPECT_FALSE(page->importMacroFrom(dir.filePath(QStringLiteral("absent.xml"))));
    EXPECT_EQ(storedIndexes(store.path()), before);
}
