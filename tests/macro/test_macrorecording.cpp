// Recording into the shown macro from the key and mouse streams of the hooks, and capturing a key
// into the key fields.
#include "macrorecordfixture.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace {

constexpr int kA = 65, kB = 66, kShift = 160;

} // namespace

class MacroRecording : public MacroPageOnStore
{
protected:
    void openWith(const QList<MacroEventRecord> &events = {})
    {
        ASSERT_TRUE(store.addMacro("1", "Rec"));
        if (!events.isEmpty()) {
            ASSERT_TRUE(store.addEvents("1", events));
        }
        open();
    }
    void clickRecordButton() { QTest::mouseRelease(child<QFrame>(page, "frame_Record"), Qt::LeftButton); }
};

TEST_F(MacroRecording, ATapBecomesAPairWithOneMarkAndTheMacroIsStoredOnStop)
{
    openWith();
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);
    clickRecordButton();
    ASSERT_TRUE(page->recording());
    EXPECT_TRUE(hookOn);
    EXPECT_EQ(child<QLabel>(page, "label")->text(), QStringLiteral("Stop record"));
    EXPECT_FALSE(child<QFrame>(page, "frame_Center")->isEnabled());
    tap(kA);
    mouse(513);
    mouse(514);
    EXPECT_EQ(eventRows().size(), 4) << "each event shows at once";
    clickRecordButton();
    EXPECT_FALSE(page->recording());
    EXPECT_FALSE(hookOn);
    EXPECT_TRUE(child<QFrame>(page, "frame_Center")->isEnabled());
    EXPECT_EQ(describe(stored("1")),
              QStringList({"1 key 4 A down", "1 key 4 A up", "2 mouse 513 Left Click down",
                           "2 mouse 514 Left Click up"}));
    EXPECT_EQ(fixedtext::view(stored("1").at(0).delay), "0") << "the first event waits for nothing";
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), QStringLiteral("1"));
}

TEST_F(MacroRecording, TheDelayedFirstLoadNeverMovesARecordingToAnotherMacro)
{
    ASSERT_TRUE(store.addMacro("1", "First"));
    ASSERT_TRUE(store.addMacro("2", "Second"));
    // Recording into the second macro starts before the list the editor loads a moment after
    // opening has arrived (here the list comes from a load of its own, as after Add).
    page = new DMacroPage;
    ASSERT_TRUE(page->setMacroXmlPath(store.path()));
    page->loadMacroList();
    ASSERT_EQ(macroRows().size(), 2);
    QTest::mouseClick(macroRows().at(1), Qt::LeftButton);
    ASSERT_EQ(page->currentIndex(), QStringLiteral("2"));
    page->toggleRecording();
    ASSERT_TRUE(page->recording());
    tap(kA);
    QTest::qWait(400);
    EXPECT_EQ(page->currentIndex(), QStringLiteral("2"));
    page->toggleRecording();
    EXPECT_EQ(describe(stored("2")), QStringList({"1 key 4 A down", "1 key 4 A up"}));
    EXPECT_TRUE(stored("1").isEmpty());
}

TEST_F(MacroRecording, MarksContinueAfterTheStoredOnes)
{
    openWith(MacroStoreFile::press(7, "key", 5, "B", 0, 10));
    page->toggleRecording();
    tap(kA);
    page->toggleRecording();
    EXPECT_EQ(describe(stored("1")).mid(2), QStringList({"9 key 4 A down", "9 key 4 A up"}));
}

TEST_F(MacroRecording, TheDelayModeDecidesEveryStoredDelay)
{
    const struct
    {
        const char *button;
        const char *field;
        const char *delay;
    } cases[] = {{"radioButton_NoDelay", "", "0"},
                 {"radioButton_DefaultDelay", "500", "500"},
                 {"radioButton_DefaultDelay", "", "0"}};
    openWith();
    for (const auto &c : cases) {
        child<QRadioButton>(page, c.button)->click();
        child<QLineEdit>(page, "lineEdit_DefaultDelayNum")->setText(QString::fromLatin1(c.field));
        child<QPushButton>(page, "pushButton_ClearMacroLst")->click();
        page->toggleRecording();
        tap(kA);
        QTest::qWait(20);
        tap(kB);
        page->toggleRecording();
        const QList<MacroEventRecord> events = stored("1");
        ASSERT_EQ(events.size(), 4) << c.button;
        for (const MacroEventRecord &e : events)
            EXPECT_EQ(fixedtext::view(e.delay), c.delay) << c.button << " " << c.field;
    }
}

TEST_F(MacroRecording, TheTwentyFirstKeyPressIsRefusedWithItsRelease)
{
    QList<MacroEventRecord> events;
    for (int i = 1; i <= 10; ++i)
        events += MacroStoreFile::press(i, "key", 5, "B", 0, 10);
    openWith(events);
    page->toggleRecording();
    for (int i = 0; i < 10; ++i)
        tap(kA);
    EXPECT_EQ(page->pressCount(), 20);
    tap(kB);
    EXPECT_EQ(toast(), QStringLiteral("The record of events has reached the limit"));
    page->toggleRecording();
    EXPECT_EQ(stored("1").size(), 40);
    EXPECT_FALSE(describe(stored("1")).join(QLatin1Char(',')).contains(QStringLiteral("key 5 B down,")) &&
                 describe(stored("1")).last().contains(QStringLiteral(" B ")))
        << "no B of this recording";
}

TEST_F(MacroRecording, APressIsRefusedWhenItsReleaseWouldNotFit)
{
    QList<MacroEventRecord> events;
    for (int i = 1; i <= 18; ++i)
        events += MacroStoreFile::press(i, "mouse", 513, "Left Click", 0, 10);
    openWith(events); // 36 rows; mouse presses do not count towards the key limit
    page->toggleRecording();
    key(kShift, true); // 37 rows, its release reserved
    key(kA, true);     // 38 rows, its release reserved: 40 in all
    key(kB, true);     // no room for a third release
    EXPECT_EQ(toast(), QStringLiteral("The record of events has reached the limit"));
    mouse(516);
    key(kB, false);
    key(kA, false);
    key(kShift, false);
    page->toggleRecording();
    const QStringList tail = describe(stored("1")).mid(36);
    EXPECT_EQ(tail, QStringList({"20 key 225 Shift down", "21 key 4 A down", "21 key 4 A up",
                                 "20 key 225 Shift up"}));
}

TEST_F(MacroRecording, KeysHeldAtStopAreReleasedAndNeverPairWithALaterRecording)
{
    openWith();
    page->toggleRecording();
    key(kA, true);
    mouse(516);
    page->toggleRecording();
    EXPECT_EQ(describe(stored("1")), QStringList({"1 key 4 A down", "2 mouse 516 Right Click down",
                                                  "1 key 4 A up", "2 mouse 517 Right Click up"}));
    EXPECT_TRUE(describe(stored("1"), true).at(2).endsWith(QStringLiteral(" up 0"))) << "released at once";
    page->toggleRecording();
    key(kA, false); // the release of the press the first recording closed
    mouse(517);
    page->toggleRecording();
    EXPECT_EQ(stored("1").size(), 4);
}

TEST_F(MacroRecording, MouseEventsOutsideARecordingAndOverTheRecordButtonAreNotRecorded)
{
    openWith();
    mouse(513);
    mouse(514);
    auto *recordButton = child<QFrame>(page, "frame_Record");
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(recordButton, &enter);
    page->toggleRecording();
    mouse(513); // the click that starts or stops, over the button
    mouse(514);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(recordButton, &leave);
    mouse(519);
    mouse(520);
    mouse(522); // the wheel
    page->toggleRecording();
    EXPECT_EQ(describe(stored("1")),
              QStringList({"1 mouse 519 Center Click down", "1 mouse 520 Center Click up"}));
}

TEST_F(MacroRecording, KeysTheTablesDoNotKnowAreSkipped)
{
    openWith();
    page->toggleRecording();
    tap(0xE8); // no key of the tables
    tap(kA);
    page->toggleRecording();
    EXPECT_EQ(describe(stored("1")), QStringList({"1 key 4 A down", "1 key 4 A up"}));
}

TEST_F(MacroRecording, NothingStartsWithoutAMacroOrWhenTheHooksFail)
{
    store.addMacro("1", "Rec");
    open();
    hookStarts = false;
    page->toggleRecording();
    EXPECT_FALSE(page->recording());
    EXPECT_EQ(child<QLabel>(page, "label")->text(), QStringLiteral("Start record"));
    hookStarts = true;
    CQuelmoXML_DeleteMacroNode(store.path(), "1");
    page->loadMacroList();
    const int calls = hookCalls;
    page->toggleRecording();
    EXPECT_FALSE(page->recording());
    EXPECT_EQ(hookCalls, calls) << "no macro: the hooks are not even asked";
}

TEST_F(MacroRecording, StoppingWithNothingRecordedStillNotifies)
{
    openWith();
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);
    page->toggleRecording();
    page->toggleRecording();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(currentPage(page), QStringLiteral("page_isEmpty"));
}

TEST_F(MacroRecording, ClosingWhileRecordingKeepsTheRecordingAndStopsTheHooks)
{
    const struct
    {
        const char *how;
    } cases[] = {{"close button"}, {"escape"}, {"hidden"}};
    for (const auto &c : cases) {
        store = MacroStoreFile(QStringLiteral("recording.xml"));
        openWith();
        page->show();
        QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);
        page->toggleRecording();
        tap(kA);
        key(kB, true);
        const std::string how = c.how;
        if (how == "close button")
            child<QPushButton>(page, "pushButton_Close")->click();
        else if (how == "escape")
            QTest::keyClick(page, Qt::Key_Escape);
        else
            page->hide();
        EXPECT_FALSE(hookOn) << how;
        EXPECT_EQ(changed.count(), 1) << how;
        EXPECT_EQ(describe(stored("1")),
                  QStringList({"1 key 4 A down", "1 key 4 A up", "2 key 5 B down", "2 key 5 B up"}))
            << how;
        flushDeletes();
        delete page;
    }
}

TEST_F(MacroRecording, AKeyFieldCapturesTheNextKeyWhileFocused)
{
    openWith();
    page->show();
    QApplication::setActiveWindow(page);
    auto *field = child<QLineEdit>(page, "lineEdit_EnterKey");
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hookOn; }, 1000));
    mouse(513); // clicks while capturing are no part of a recording
    mouse(514);
    key(kA, true);
    EXPECT_EQ(field->text(), QStringLiteral("A"));
    key(kA, false);
    // Starting a recording takes the focus away; the hooks stay on for the recording.
    page->toggleRecording();
    EXPECT_TRUE(page->recording());
    EXPECT_TRUE(hookOn);
    tap(kB);
    page->toggleRecording();
    EXPECT_EQ(describe(stored("1")), QStringList({"1 key 5 B down", "1 key 5 B up"}));
    child<QLineEdit>(page, "lineEdit_PressKey")->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hookOn; }, 1000));
    delete page; // however the editor goes, the hooks it started stop
    EXPECT_FALSE(hookOn);
}
