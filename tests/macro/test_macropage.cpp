// The macro editor dialog: its form, theme, the loading of the list and the selection of a macro.
#include "cbnotice.h"
#include "dcatchkeyandmouseitem.h"
#include "ddatamanager.h"
#include "dmacrolistitem.h"
#include "dmacropage.h"
#include "macropageprobe.h"
#include "macrostorefixture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

TEST(MacroForm, EveryNamedWidgetHasItsClass)
{
    DMacroPage page;
    const struct
    {
        const char *name;
        const char *cls;
    } widgets[] = {{"pushButton_Close", "QPushButton"},
                   {"pushButton_Import", "QPushButton"},
                   {"pushButton_Add", "QPushButton"},
                   {"scrollAreaWidgetContents_2", "QWidget"},
                   {"radioButton_RecordDelay", "QRadioButton"},
                   {"radioButton_NoDelay", "QRadioButton"},
                   {"radioButton_DefaultDelay", "QRadioButton"},
                   {"lineEdit_DefaultDelayNum", "QLineEdit"},
                   {"frame_Record", "QFrame"},
                   {"frame_RecordIco", "QFrame"},
                   {"label", "QLabel"},
                   {"frame_29", "QFrame"},
                   {"frame_34", "QFrame"},
                   {"frame_Center", "QFrame"},
                   {"frame_Right", "QFrame"},
                   {"pushButton_ClearMacroLst", "QPushButton"},
                   {"pushButton_MoveUp", "QPushButton"},
                   {"pushButton_MoveDown", "QPushButton"},
                   {"stackedWidget_2", "QStackedWidget"},
                   {"page_catchList", "QWidget"},
                   {"page_isEmpty", "QWidget"},
                   {"scrollArea_3", "QScrollArea"},
                   {"scrollAreaWidgetContents_3", "QWidget"},
                   {"label_TotalTime", "QLabel"},
                   {"radioButton_InsertAfter", "QRadioButton"},
                   {"radioButton_InsertBefore", "QRadioButton"},
                   {"radioButton_Key", "QRadioButton"},
                   {"radioButton_Mouse", "QRadioButton"},
                   {"radioButton_Delay", "QRadioButton"},
                   {"stackedWidget", "QStackedWidget"},
                   {"page_Key", "QWidget"},
                   {"page_Mouse", "QWidget"},
                   {"page_Delay", "QWidget"},
                   {"lineEdit_EnterKey", "QLineEdit"},
                   {"radioButton_MouseLeft", "QRadioButton"},
                   {"radioButton_MouseCenter", "QRadioButton"},
                   {"radioButton_MouseRight", "QRadioButton"},
                   {"lineEdit_EnterDelayNum", "QLineEdit"},
                   {"pushButton_InsertMacro", "QPushButton"},
                   {"lineEdit_DelayNum", "QLineEdit"},
                   {"radioButton_KeyboardEvent", "QRadioButton"},
                   {"radioButton_MouseEvent", "QRadioButton"},
                   {"stackedWidget_Property", "QStackedWidget"},
                   {"page_1", "QWidget"},
                   {"page_2", "QWidget"},
                   {"lineEdit_PressKey", "QLineEdit"},
                   {"radioButton_1left", "QRadioButton"},
                   {"radioButton_2center", "QRadioButton"},
                   {"radioButton_3right", "QRadioButton"},
                   {"pushButton_ModifyMacro", "QPushButton"},
                   {"widget_4", "QWidget"},
                   {"widget_5", "QWidget"},
                   {"scrollArea_2", "QScrollArea"},
                   {"frame_Left", "QFrame"},
                   {"frame_Bg", "QFrame"},
                   {"frame_Title", "QFrame"},
                   {"label_Title", "QLabel"},
                   {"label_14", "QLabel"}};
    for (const auto &w : widgets) {
        QObject *o = page.findChild<QObject *>(QLatin1String(w.name));
        ASSERT_NE(o, nullptr) << w.name;
        EXPECT_STREQ(o->metaObject()->className(), w.cls) << w.name;
    }
    EXPECT_EQ(page.objectName(), QStringLiteral("DMacroPage"));
    EXPECT_EQ(
        page.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_17"))->parentWidget()->objectName(),
        QStringLiteral("scrollAreaWidgetContents_2"));
    EXPECT_EQ(
        page.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_20"))->parentWidget()->objectName(),
        QStringLiteral("scrollAreaWidgetContents_3"));
}

TEST(MacroForm, StartsWithTheDialogsChoices)
{
    DMacroPage page;
    EXPECT_EQ(page.size(), QSize(1050, 690));
    EXPECT_TRUE(page.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_TRUE(page.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(child<QRadioButton>(&page, "radioButton_Delay")->isVisibleTo(&page));
    EXPECT_EQ(child<QStackedWidget>(&page, "stackedWidget")->currentWidget()->objectName(),
              QStringLiteral("page_Key"));
    EXPECT_EQ(child<QStackedWidget>(&page, "stackedWidget_Property")->currentWidget()->objectName(),
              QStringLiteral("page_1"));
    for (const char *checked : {"radioButton_RecordDelay", "radioButton_InsertAfter", "radioButton_Key",
                                "radioButton_MouseLeft", "radioButton_KeyboardEvent"})
        EXPECT_TRUE(child<QRadioButton>(&page, checked)->isChecked()) << checked;
    EXPECT_FALSE(child<QPushButton>(&page, "pushButton_2")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(&page, "lineEdit_EnterKey")->maxLength(), 128);
    EXPECT_EQ(child<QLabel>(&page, "label")->text(), QStringLiteral("Start record"));
    EXPECT_EQ(child<QPushButton>(&page, "pushButton_Add")->toolTip(), QStringLiteral("Create"));
    EXPECT_EQ(child<QFrame>(&page, "frame_Record")->cursor().shape(), Qt::PointingHandCursor);

    // Whole numbers from 0 to 65535 in every delay field.
    for (const char *field : {"lineEdit_EnterDelayNum", "lineEdit_DelayNum", "lineEdit_DefaultDelayNum"}) {
        auto *edit = child<QLineEdit>(&page, field);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("99999"));
        EXPECT_FALSE(edit->hasAcceptableInput()) << field;
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("65535"));
        EXPECT_TRUE(edit->hasAcceptableInput()) << field;
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("-5"));
        EXPECT_FALSE(edit->text().startsWith(QLatin1Char('-'))) << field;
    }
}

TEST(MacroForm, DelayModesExcludeEachOtherOnlyThroughTheDialogsGroup)
{
    DMacroPage page;
    auto *record = child<QRadioButton>(&page, "radioButton_RecordDelay");
    auto *none = child<QRadioButton>(&page, "radioButton_NoDelay");
    auto *fixed = child<QRadioButton>(&page, "radioButton_DefaultDelay");
    ASSERT_NE(record->group(), nullptr);
    EXPECT_EQ(record->group(), fixed->group());
    EXPECT_EQ(record->group()->id(record), 0);
    EXPECT_EQ(record->group()->id(none), 1);
    EXPECT_EQ(record->group()->id(fixed), 2);
    fixed->click();
    EXPECT_FALSE(record->isChecked());
    EXPECT_FALSE(none->isChecked());
    none->click();
    EXPECT_FALSE(fixed->isChecked());
    // Without the group the frames alone would leave two checked: the group is what makes them one choice.
    fixed->group()->removeButton(fixed);
    fixed->click();
    EXPECT_TRUE(none->isChecked());
}

TEST(MacroForm, ColumnsShareTheWidthInTenths)
{
    DMacroPage page;
    page.show();
    const int q = page.contentsRect().width() / 10;
    EXPECT_EQ(child<QFrame>(&page, "frame_Left")->maximumWidth(), q * 3);
    EXPECT_EQ(child<QFrame>(&page, "frame_Center")->maximumWidth(), q * 4);
    EXPECT_EQ(child<QFrame>(&page, "frame_Right")->maximumWidth(), q * 3);
    EXPECT_EQ(q, 105);
}

TEST(MacroTheme, SheetsCarryTheThemeEntries)
{
    const ThemeColors t = DDataManager::getInstance()->getThemeColors();
    DMacroPage page;
    const QString family = QStringLiteral("\"%1\"").arg(t.TextFont);
    EXPECT_TRUE(child<QFrame>(&page, "frame_Bg")->styleSheet().contains(t.SettingsTitleColorStart));
    EXPECT_TRUE(child<QFrame>(&page, "frame_Title")->styleSheet().contains(t.SettingsTitleColorStart));
    EXPECT_TRUE(child<QLabel>(&page, "label_TotalTime")->styleSheet().contains(family))
        << "family stays one quoted name";
    EXPECT_TRUE(child<QFrame>(&page, "frame_29")->styleSheet().contains(t.MacroLeftBgColor));
    EXPECT_TRUE(child<QFrame>(&page, "frame_Center")->styleSheet().contains(t.MacroCenterBgColor));
    EXPECT_TRUE(child<QFrame>(&page, "frame_6")->styleSheet().contains(t.MacroRightBgColor));
    for (const char *area :
         {"scrollArea_2", "scrollAreaWidgetContents_2", "scrollArea_3", "scrollAreaWidgetContents_3"})
        EXPECT_TRUE(child<QWidget>(&page, area)
                        ->styleSheet()
                        .contains(QStringLiteral("rgb(%1)").arg(t.MacroLeftBgColor)))
            << area;
    EXPECT_TRUE(child<QWidget>(&page, "widget_5")->styleSheet().contains(t.AllScrollBarColorDef));
    auto *list = child<QWidget>(&page, "widget_4");
    const QString themedBar = child<QWidget>(&page, "widget_5")->styleSheet();
    EXPECT_NE(list->styleSheet(), themedBar);
    EXPECT_TRUE(QTest::qWaitFor([&] { return list->styleSheet() == themedBar; }, 2000))
        << "the macro list's scroll bar is themed a moment later";
    EXPECT_EQ(child<QLabel>(&page, "label_14")->font().pointSize(), 18);
    EXPECT_EQ(child<QLabel>(&page, "label_Title")->font().pointSize(), 12);
    EXPECT_EQ(child<QPushButton>(&page, "pushButton_InsertMacro")->font().pointSize(), 11);
}

class MacroEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Macro 2 first in store order: the store's order, not the number, decides the first row.
        ASSERT_TRUE(store.addMacro("2", "Combo"));
        ASSERT_TRUE(store.addMacro("1", "Empty one"));
        ASSERT_TRUE(store.addMacro("5", "Clicks"));
        QList<MacroEventRecord> combo;
        combo += MacroStoreFile::press(1, "key", 4, "A", 0, 30);
        combo += MacroStoreFile::press(2, "key", 5, "B", 10, 40);
        combo += MacroStoreFile::press(7, "key", 6, "C", 10, 50);
        combo += MacroStoreFile::press(8, "mouse", 513, "Left Click", 5, 60);
        combo += MacroStoreFile::press(9, "mouse", 516, "Right Click", 5, 70);
        ASSERT_TRUE(store.addEvents("2", combo));
        ASSERT_TRUE(store.addEvents("5", MacroStoreFile::press(1, "mouse", 519, "Center Click", 0, 25)));
    }
    void open()
    {
        ASSERT_TRUE(page->setMacroXmlPath(store.path()));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !rowsOf<DMacroListItem>(page, "verticalLayout_17").isEmpty(); }, 2000));
    }
    QList<DMacroListItem *> macroRows() { return rowsOf<DMacroListItem>(page, "verticalLayout_17"); }
    QList<DCatchKeyAndMouseItem *> eventRows()
    {
        return rowsOf<DCatchKeyAndMouseItem>(page, "verticalLayout_20");
    }

    MacroStoreFile store{QStringLiteral("editor.xml")};
    DMacroPage *page = new DMacroPage;
    void TearDown() override { delete page; }
};

TEST_F(MacroEditor, ListsTheMacrosAndShowsTheFirstOnesEvents)
{
    open();
    const QList<DMacroListItem *> rows = macroRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.at(0)->name(), QStringLiteral("Combo"));
    EXPECT_EQ(rows.at(1)->name(), QStringLiteral("Empty one"));
    EXPECT_EQ(rows.at(2)->index(), QStringLiteral("5"));
    EXPECT_TRUE(rows.at(0)->isSelected());
    EXPECT_FALSE(rows.at(1)->isSelected());
    EXPECT_EQ(page->currentIndex(), QStringLiteral("2"));

    const QList<DCatchKeyAndMouseItem *> events = eventRows();
    ASSERT_EQ(events.size(), 10);
    EXPECT_EQ(events.at(0)->codeName(), QStringLiteral("A"));
    EXPECT_EQ(events.at(0)->operateExplain(), QStringLiteral("down"));
    EXPECT_EQ(events.at(9)->keyCode(), QStringLiteral("516"));
    EXPECT_EQ(events.at(9)->operateExplain(), QStringLiteral("up"));
    EXPECT_EQ(currentPage(page), QStringLiteral("page_catchList"));
    EXPECT_EQ(page->pressCount(), 5) << "mouse presses count with key presses";
    EXPECT_EQ(totalTime(page), QStringLiteral("280 MS"));
    EXPECT_EQ(child<QScrollArea>(page, "scrollArea_3")->verticalScrollBar()->value(), 0);
    EXPECT_EQ(page->nextEventMark(), 10);
}

TEST_F(MacroEditor, ClickingARowSelectsItAndShowsItsEvents)
{
    open();
    QList<DMacroListItem *> rows = macroRows();
    QTest::mousePress(rows.at(2), Qt::LeftButton);
    flushDeletes();
    EXPECT_TRUE(rows.at(2)->isSelected());
    EXPECT_FALSE(rows.at(0)->isSelected());
    EXPECT_EQ(page->currentName(), QStringLiteral("Clicks"));
    ASSERT_EQ(eventRows().size(), 2);
    EXPECT_EQ(eventRows().at(0)->codeName(), QStringLiteral("Center Click"));
    EXPECT_EQ(totalTime(page), QStringLiteral("25 MS"));
    EXPECT_EQ(page->pressCount(), 1);

    // A macro without events: the empty notice and a zero total.
    QTest::mousePress(rows.at(1), Qt::RightButton);
    flushDeletes();
    EXPECT_TRUE(rows.at(1)->isSelected());
    EXPECT_TRUE(eventRows().isEmpty());
    EXPECT_EQ(currentPage(page), QStringLiteral("page_isEmpty"));
    EXPECT_EQ(totalTime(page), QStringLiteral("0 MS"));
    EXPECT_EQ(page->pressCount(), 0);
    EXPECT_EQ(page->nextEventMark(), 0);

    // The selected row again reloads its events from the store and stays selected.
    ASSERT_TRUE(store.addEvents("1", MacroStoreFile::press(1, "key", 4, "A", 0, 15)));
    QTest::mousePress(rows.at(1), Qt::LeftButton);
    flushDeletes();
    EXPECT_TRUE(rows.at(1)->isSelected());
    EXPECT_EQ(eventRows().size(), 2);
    EXPECT_EQ(currentPage(page), QStringLiteral("page_catchList"));

    // A reload always ends on the first macro.
    page->loadMacroList();
    flushDeletes();
    ASSERT_EQ(macroRows().size(), 3);
    EXPECT_TRUE(macroRows().at(0)->isSelected());
    EXPECT_EQ(page->currentIndex(), QStringLiteral("2"));
    EXPECT_EQ(eventRows().size(), 10);
}

TEST_F(MacroEditor, AMacroTheStoreNoLongerHoldsShowsAsEmpty)
{
    open();
    ASSERT_TRUE(CQuelmoXML_DeleteMacroNode(store.path(), "5"));
    QTest::mousePress(macroRows().at(2), Qt::LeftButton);
    flushDeletes();
    EXPECT_TRUE(eventRows().isEmpty());
    EXPECT_EQ(currentPage(page), QStringLiteral("page_isEmpty"));
    EXPECT_EQ(totalTime(page), QStringLiteral("0 MS"));
    EXPECT_EQ(page->pressCount(), 0);
}

TEST_F(MacroEditor, FortyEventsAreAllShownFromTheTop)
{
    QList<MacroEventRecord> many;
    for (int mark = 1; mark <= 20; ++mark)
        many += MacroStoreFile::press(mark, "key", 4, "A", 10, 15);
    ASSERT_TRUE(store.addMacro("9", "Long"));
    ASSERT_TRUE(store.addEvents("9", many));
    ASSERT_TRUE(CQuelmoXML_DeleteMacroNode(store.path(), "2"));
    ASSERT_TRUE(CQuelmoXML_DeleteMacroNode(store.path(), "1"));
    ASSERT_TRUE(CQuelmoXML_DeleteMacroNode(store.path(), "5"));
    page->show();
    open();
    EXPECT_EQ(eventRows().size(), 40);
    EXPECT_EQ(totalTime(page), QStringLiteral("500 MS"));
    EXPECT_EQ(child<QScrollArea>(page, "scrollArea_3")->verticalScrollBar()->value(), 0);
    EXPECT_EQ(page->pressCount(), 20);
}

TEST(MacroEditorStore, AnEmptyOrMissingStoreListsNothing)
{
    MacroStoreFile empty(QStringLiteral("empty.xml"));
    for (const char *path : {empty.path(), "/nonexistent/appMacro.xml"}) {
        DMacroPage page;
        ASSERT_TRUE(page.setMacroXmlPath(path));
        QTest::qWait(300);
        EXPECT_TRUE(rowsOf<DMacroListItem>(&page, "verticalLayout_17").isEmpty()) << path;
        EXPECT_EQ(currentPage(&page), QStringLiteral("page_isEmpty")) << path;
        EXPECT_TRUE(page.currentIndex().isEmpty());
    }
}

TEST(MacroEditorStore, APathThatDoesNotFitIsRefused)
{
    MacroStoreFile store(QStringLiteral("long.xml"));
    ASSERT_TRUE(store.addMacro("1", "Macro1"));
    DMacroPage page;
    const std::string tooLong = std::string(store.path()) + std::string(300, '/');
    EXPECT_FALSE(page.setMacroXmlPath(tooLong.c_str()));
    QTest::qWait(300);
    EXPECT_TRUE(rowsOf<DMacroListItem>(&page, "verticalLayout_17").isEmpty());
}

TEST(MacroEditorClose, CloseButtonAndEscapeBothReportAndClose)
{
    for (bool escape : {false, true}) {
        QPointer<DMacroPage> page = new DMacroPage;
        page->show();
        QSignalSpy closed(page.data(), &DMacroPage::sigMacroPageClose);
        if (escape)
            QTest::keyClick(page.data(), Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(page.data(), "pushButton_Close"), Qt::LeftButton);
        EXPECT_EQ(closed.size(), 1) << escape;
        flushDeletes();
        EXPECT_TRUE(page.isNull()) << "the dialog deletes itself when closed";
    }
}

TEST_F(MacroEditor, RenameAnswersWithAToast)
{
    open();
    auto *notice = page->findChild<CbNotice *>();
    ASSERT_NE(notice, nullptr);
    DMacroListItem *row = macroRows().at(0);
    QTest::mouseDClick(row, Qt::LeftButton);
    child<QLineEdit>(row, "lineEdit_MacroName")->clear();
    QTest::mouseClick(child<QPushButton>(row, "pushButton_Save"), Qt::LeftButton);
    EXPECT_EQ(notice->text(), QStringLiteral("Macro name can't be empty"));
    child<QLineEdit>(row, "lineEdit_MacroName")->setText(QStringLiteral("Combo 2"));
    QTest::mouseClick(child<QPushButton>(row, "pushButton_Save"), Qt::LeftButton);
    EXPECT_EQ(notice->text(), QStringLiteral("Modify macro name successful"));
    EXPECT_EQ(page->currentName(), QStringLiteral("Combo"))
        << "the selection keeps the name it was opened with";
}
