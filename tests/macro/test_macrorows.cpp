// The event row and the macro row with its rename editor and operate pop-up.
#include "arrowwidget.h"
#include "dcatchkeyandmouseitem.h"
#include "ddatamanager.h"
#include "dmacrolistitem.h"
#include "macromenutoolwidget.h"
#include "macrostorefixture.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

template <typename T> T *child(QObject *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

} // namespace

struct EventRowCase
{
    const char *type;
    const char *operate;
    const char *codeName;
    const char *kindPicture;
    const char *statusPicture; // null: the row's default picture stays
    const char *shownText;
};

class EventRow : public ::testing::TestWithParam<EventRowCase>
{
};

TEST_P(EventRow, ShowsDelayIconsAndText)
{
    const EventRowCase &c = GetParam();
    DCatchKeyAndMouseItem row(QStringLiteral("5"));
    row.setEventInfo(0, QString::fromLatin1(c.type), 4, QString::fromUtf8(c.codeName),
                     QString::fromLatin1(c.operate));
    EXPECT_EQ(child<QLabel>(&row, "label_DelayTime")->text(), QStringLiteral("0 MS"));
    EXPECT_TRUE(child<QPushButton>(&row, "pushButton_EventSelect")
                    ->styleSheet()
                    .contains(QLatin1String(c.kindPicture)));
    const char *status = c.statusPicture ? c.statusPicture : "keyUpDef.png";
    EXPECT_TRUE(
        child<QPushButton>(&row, "pushButton_EventStatus")->styleSheet().contains(QLatin1String(status)));
    EXPECT_EQ(child<QLabel>(&row, "label_CatchEventExplain")->text(), QString::fromUtf8(c.shownText));
    EXPECT_EQ(child<QLabel>(&row, "label_MarkNum")->text(), QStringLiteral("5"));
    EXPECT_EQ(row.type(), QString::fromLatin1(c.type));
    EXPECT_EQ(row.codeName(), QString::fromUtf8(c.codeName)) << "the stored name stays untranslated";
    EXPECT_EQ(row.operateExplain(), QString::fromLatin1(c.operate));
    EXPECT_EQ(row.keyCode(), QStringLiteral("4"));
    EXPECT_EQ(row.height(), 46);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EventRow,
    ::testing::Values(
        EventRowCase{"key", "down", "A", "keyboardSel.png", "keyDownSel.png", "A"},
        EventRowCase{"key", "up", "Ä", "keyboardSel.png", "keyUpDef.png", "Ä"},
        EventRowCase{"mouse", "up", "Right Click", "mouseSel.png", "keyUpDef.png", "Right Click"},
        EventRowCase{"mouse", "down", "Left Click", "mouseSel.png", "keyDownSel.png", "Left Click"},
        EventRowCase{"mouse", "down", "Center Click", "mouseSel.png", "keyDownSel.png", "Center Click"},
        EventRowCase{"mouse", "down", "Wheel", "mouseSel.png", "keyDownSel.png", ""},
        EventRowCase{"delay", "down", "Pause", "timeSel.png", nullptr, "Pause"}));

TEST(EventRowLooks, HighlightsChangeBackgroundAndTextColour)
{
    const ThemeColors t = DDataManager::getInstance()->getThemeColors();
    DCatchKeyAndMouseItem row(QStringLiteral("1"));
    auto *frame = child<QFrame>(&row, "frame");
    auto *text = child<QLabel>(&row, "label_CatchEventExplain");
    const struct
    {
        void (DCatchKeyAndMouseItem::*look)(bool);
        bool on;
        QString background;
        QString textColour;
    } cases[] = {
        {&DCatchKeyAndMouseItem::setHighlight, true, t.MacroListItemSelectedColor, t.MacroListItemTextColor},
        {&DCatchKeyAndMouseItem::setAccentHighlight, true, t.MacroListItemSelectedColor, t.TextCheckedColor},
        {&DCatchKeyAndMouseItem::setHighlight, false, t.MacroCenterBgColor, t.MacroListItemTextColor},
        {&DCatchKeyAndMouseItem::setAccentHighlight, false, t.MacroCenterBgColor, t.MacroListItemTextColor}};
    for (const auto &c : cases) {
        (row.*c.look)(c.on);
        EXPECT_TRUE(
            frame->styleSheet().contains(QStringLiteral("background-color: rgb(%1)").arg(c.background)));
        EXPECT_TRUE(frame->styleSheet().contains(
            QStringLiteral("border-bottom: 1px solid rgb(%1)").arg(t.MacroBorderColor)));
        EXPECT_TRUE(text->styleSheet().contains(QStringLiteral("color: rgb(%1)").arg(c.textColour)));
    }
}

TEST(EventRowLooks, SetDelayChangesOnlyTheDelay)
{
    DCatchKeyAndMouseItem row(QStringLiteral("2"));
    row.setEventInfo(5, QStringLiteral("key"), 4, QStringLiteral("A"), QStringLiteral("down"));
    row.setDelay(120);
    EXPECT_EQ(row.delay(), QStringLiteral("120"));
    EXPECT_EQ(child<QLabel>(&row, "label_DelayTime")->text(), QStringLiteral("120 MS"));
    EXPECT_EQ(row.codeName(), QStringLiteral("A"));
    EXPECT_EQ(row.operateExplain(), QStringLiteral("down"));
}

TEST(EventRowLooks, DeleteButtonOnlyWhileThePointerIsOver)
{
    QWidget host;
    auto *row = new DCatchKeyAndMouseItem(QStringLiteral("1"), &host);
    host.show();
    auto *del = child<QPushButton>(row, "pushButton_Delete");
    EXPECT_FALSE(del->isVisible());
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(row, &enter);
    EXPECT_TRUE(del->isVisible());
    QSignalSpy deleted(row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent);
    QTest::mouseClick(del, Qt::LeftButton);
    EXPECT_EQ(deleted.size(), 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(row, &leave);
    EXPECT_FALSE(del->isVisible());

    QSignalSpy clicked(row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick);
    QTest::mousePress(row, Qt::RightButton);
    EXPECT_EQ(clicked.size(), 1);
}

class MacroRow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(store.addMacro("3", "Macro3"));
        row.setMacroXmlPath(store.path());
        row.setMacroInfo(QStringLiteral("3"), QStringLiteral("Macro3"));
    }
    QString storedName()
    {
        std::vector<MacroNode> nodes;
        CQuelmoXML_SelectMacroAllNodes(store.path(), &nodes);
        return nodes.empty() ? QString() : QString::fromStdString(nodes.front().name);
    }
    void openEditor() { QTest::mouseDClick(&row, Qt::LeftButton); }

    MacroStoreFile store{QStringLiteral("rows.xml")};
    DMacroListItem row;
};

TEST_F(MacroRow, AnyButtonPressReportsTheMacro)
{
    QSignalSpy clicked(&row, &DMacroListItem::sigMacroItemMouseClicked);
    QTest::mousePress(&row, Qt::RightButton);
    QTest::mousePress(&row, Qt::LeftButton);
    ASSERT_EQ(clicked.size(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toString(), QStringLiteral("3"));
    EXPECT_EQ(clicked.at(0).at(1).toString(), QStringLiteral("Macro3"));
}

TEST_F(MacroRow, RenameStoresTheNameOrStaysInTheEditor)
{
    auto *pages = child<QStackedWidget>(&row, "stackedWidget");
    auto *edit = child<QLineEdit>(&row, "lineEdit_MacroName");
    QSignalSpy empty(&row, &DMacroListItem::sigModifyMacroItemNameIsEmpty);
    QSignalSpy done(&row, &DMacroListItem::sigModifyMacroItemNameSuccess);
    const struct
    {
        QString typed;
        const char *index;
        bool stored;
        int emptySignals;
    } cases[] = {
        {QString(), "3", false, 1},                    // empty: nothing stored
        {QStringLiteral("Sprint jump"), "3", true, 0}, // accepted
        {QStringLiteral("Sprint jump"), "3", true, 0}, // the same name again is stored again
        {QStringLiteral("  "), "3", true, 0},          // blanks are a name
        {QStringLiteral("Ghost"), "9", false, 0},      // the store knows no macro 9
    };
    for (const auto &c : cases) {
        row.setMacroInfo(QString::fromLatin1(c.index), row.name());
        empty.clear();
        done.clear();
        const QString before = storedName();
        openEditor();
        ASSERT_EQ(pages->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
        EXPECT_EQ(edit->text(), row.name()) << "the editor opens with the stored name";
        edit->setText(c.typed);
        QTest::mouseClick(child<QPushButton>(&row, "pushButton_Save"), Qt::LeftButton);
        EXPECT_EQ(empty.size(), c.emptySignals) << c.typed.toStdString();
        EXPECT_EQ(done.size(), c.stored ? 1 : 0) << c.typed.toStdString();
        if (c.stored) {
            EXPECT_EQ(storedName(), c.typed);
            EXPECT_EQ(row.name(), c.typed);
            EXPECT_EQ(child<QLabel>(&row, "label_MacroName")->text(), c.typed);
            EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("page_Default"));
        } else {
            EXPECT_EQ(storedName(), before);
            EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("page_ModifyName"));
            QTest::mouseClick(child<QPushButton>(&row, "pushButton_Cancel"), Qt::LeftButton);
        }
    }
}

TEST_F(MacroRow, CancelDropsTheTypedName)
{
    openEditor();
    child<QLineEdit>(&row, "lineEdit_MacroName")->setText(QStringLiteral("Dropped"));
    QTest::mouseClick(child<QPushButton>(&row, "pushButton_Cancel"), Qt::LeftButton);
    EXPECT_EQ(child<QStackedWidget>(&row, "stackedWidget")->currentWidget()->objectName(),
              QStringLiteral("page_Default"));
    EXPECT_EQ(child<QLabel>(&row, "label_MacroName")->text(), QStringLiteral("Macro3"));
    openEditor();
    EXPECT_EQ(child<QLineEdit>(&row, "lineEdit_MacroName")->text(), QStringLiteral("Macro3"));
    EXPECT_EQ(storedName(), QStringLiteral("Macro3"));
}

TEST_F(MacroRow, APathThatDoesNotFitIsRefusedNotCut)
{
    // A longer path cut at 255 bytes would name another file; the row refuses it instead.
    const std::string longPath = std::string(store.path()) + "/" + std::string(300, 'x');
    EXPECT_FALSE(row.setMacroXmlPath(longPath.c_str()));
    openEditor();
    child<QLineEdit>(&row, "lineEdit_MacroName")->setText(QStringLiteral("Renamed"));
    QSignalSpy done(&row, &DMacroListItem::sigModifyMacroItemNameSuccess);
    QTest::mouseClick(child<QPushButton>(&row, "pushButton_Save"), Qt::LeftButton);
    EXPECT_EQ(done.size(), 0);
    EXPECT_EQ(storedName(), QStringLiteral("Macro3"));
}

TEST_F(MacroRow, OperatePopupIsBuiltOnceAndEveryEntryClosesItFirst)
{
    row.show();
    auto *operate = child<QPushButton>(&row, "pushButton_MacroOperate");
    QTest::mouseClick(operate, Qt::LeftButton);
    ArrowWidget *popup = row.operatePopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->size(), QSize(160, 130));
    EXPECT_EQ(popup->arrowStartX(), 73);
    popup->hide();
    QTest::mouseClick(operate, Qt::LeftButton);
    EXPECT_EQ(row.operatePopup(), popup) << "the pop-up is reused";
    EXPECT_EQ(row.findChildren<ArrowWidget *>().size(), 1);
    EXPECT_EQ(row.findChildren<macroMenuToolWidget *>().size(), 1);

    using Action = void (DMacroListItem::*)(QString, QString);
    const struct
    {
        const char *label;
        Action signal;
    } entries[] = {{"label_Export", &DMacroListItem::sigExportMacroChildList},
                   {"label_Delete", &DMacroListItem::sigDeleteMacro},
                   {"label_ModifyNanme", nullptr}};
    for (const auto &e : entries) {
        QTest::mouseClick(operate, Qt::LeftButton);
        ASSERT_TRUE(popup->isVisible());
        int actions = 0;
        bool hiddenFirst = false;
        QMetaObject::Connection watch;
        if (e.signal)
            watch = QObject::connect(&row, e.signal, popup, [&](const QString &index, const QString &name) {
                ++actions;
                hiddenFirst = !popup->isVisible();
                EXPECT_EQ(index, QStringLiteral("3"));
                EXPECT_EQ(name, QStringLiteral("Macro3"));
            });
        QTest::mouseClick(child<QLabel>(popup, e.label), Qt::LeftButton);
        EXPECT_FALSE(popup->isVisible()) << e.label;
        if (e.signal) {
            EXPECT_EQ(actions, 1) << e.label;
            EXPECT_TRUE(hiddenFirst) << e.label;
            QObject::disconnect(watch);
        } else {
            EXPECT_EQ(child<QStackedWidget>(&row, "stackedWidget")->currentWidget()->objectName(),
                      QStringLiteral("page_ModifyName"));
        }
    }
}
