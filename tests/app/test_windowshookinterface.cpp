#include "ddatamanager.h"
#include "fakeinputhook.h"
#include "seenkeyevent.h"
#include "windowshookinterface.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMutex>
#include <QStringList>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

enum Vk
{
    kA = 'A',
    kB = 'B',
    kEsc = 27,
    kCaps = 0x14,
    kNumLock = 0x90,
    kScroll = 0x91,
    kLCtrl = 0xA2,
    kRCtrl = 0xA3,
    kLShift = 0xA0,
    kLWin = 0x5B,
};

struct SeenMouse
{
    int nCode;
    quintptr message;
    int x;
};

QStringList s_debugLines;
QtMessageHandler s_previousHandler = nullptr;

void collectDebug(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    s_debugLines << msg;
    if (s_previousHandler)
        s_previousHandler(type, context, msg);
}

class HookTest : public testing::Test
{
protected:
    void SetUp() override
    {
        FakeInputHook::control() = {};
        InputHook::setFactory([] { return std::make_unique<FakeInputHook>(); });
        hook = std::make_unique<WindowsHookInterface>();
        QObject::connect(hook.get(), &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, hook.get(),
                         [this](int k, int s, int f, int h) {
                             seen.push_back({false, k, s, f, h});
                         });
        DDataManager *dm = DDataManager::getInstance();
        connections << QObject::connect(dm, &DDataManager::sigRecviveStreamEX_MacroKeyboard, hook.get(),
                                        [this](int k, int s, int f, int h) {
                                            seen.push_back({true, k, s, f, h});
                                        });
        connections << QObject::connect(dm, &DDataManager::sigRecviveStreamEX_MacroMouse, hook.get(),
                                        [this](int n, quintptr w, quintptr l) {
                                            // The record is valid only while the signal is delivered.
                                            const int x =
                                                l ? reinterpret_cast<const MouseHookRecord *>(l)->x : -1;
                                            mice.push_back({n, w, x});
                                        });
        s_debugLines.clear();
        s_previousHandler = qInstallMessageHandler(collectDebug);
    }

    void TearDown() override
    {
        qInstallMessageHandler(s_previousHandler);
        hook.reset();
        InputHook::setFactory({});
    }

    FakeInputHook *fake() const { return FakeInputHook::current(); }

    // Feeds one key event to the running back end; returns whether it was kept from its window.
    bool key(int vk, int flags, int scan = 0x1E)
    {
        EXPECT_NE(fake(), nullptr);
        return fake() ? fake()->key(vk, scan, flags) : false;
    }

    std::unique_ptr<WindowsHookInterface> hook;
    std::vector<Seen> seen;
    std::vector<SeenMouse> mice;
    QList<QMetaObject::Connection> connections;
};

// A row of the state-machine table: an event fed in, what is reported and whether it is kept
// from its window.
struct Step
{
    int vk;
    int flags;
    int reportedFlag; // -1: not reported
    bool blocked;
};

struct Scenario
{
    const char *name;
    int mode;
    std::vector<Step> steps;
};

std::ostream &operator<<(std::ostream &os, const Scenario &s)
{
    return os << s.name;
}

const Scenario kScenarios[] = {
    {"RemapHeldKeyRepeatsSwallowed",
     2,
     {{kA, 0x00, 1, true},
      {kA, 0x00, -1, false},
      {kA, 0x00, -1, false},
      {kA, 0x80, 0, true},
      {kA, 0x00, 1, true}}},
    {"MacroHeldKeyRepeatsSwallowed", 1, {{kB, 0x00, 1, true}, {kB, 0x00, -1, false}, {kB, 0x80, 0, true}}},
    {"InteractLightPassesEverything",
     5,
     {{kA, 0x00, 1, false},
      {kA, 0x00, -1, false},
      {kA, 0x80, 0, false},
      {kEsc, 0x00, 1, false},
      {kLWin, 0x01, 1, false},
      {kLWin, 0x81, 0, false}}},
    {"ReleaseWithoutPressIsReported", 2, {{kB, 0x80, 0, true}, {kB, 0x80, 0, true}, {kB, 0x00, 1, true}}},
    {"AltHeldFlagsKeepDirection",
     3,
     {{kA, 0x20, 1, true},
      {kA, 0x20, -1, false},
      {kA, 0xA0, 0, true},
      {0x26, 0x21, 1, true},
      {0x26, 0xA1, 0, true}}},
    // Only the up bit tells a release: an injected press is a press.
    {"InjectedPressIsAPress", 2, {{kA, 0x10, 1, true}, {kA, 0x10, -1, false}, {kA, 0x90, 0, true}}},
    {"KeepKeysModeBlocksLikeCapture",
     4,
     {{kEsc, 0x00, 1, true}, {kCaps, 0x00, 1, false}, {kEsc, 0x80, 0, true}}},
};

class HookStateMachine : public HookTest, public testing::WithParamInterface<Scenario>
{
};

TEST_P(HookStateMachine, ReportsAndBlocks)
{
    const Scenario &sc = GetParam();
    ASSERT_EQ(hook->startHook(sc.mode), 1);
    const bool macro = sc.mode == WindowsHookInterface::kModeMacroRecord;
    std::vector<Seen> expected;
    for (size_t i = 0; i < sc.steps.size(); ++i) {
        const Step &st = sc.steps[i];
        EXPECT_EQ(key(st.vk, st.flags), st.blocked) << "step " << i;
        if (st.reportedFlag >= 0)
            expected.push_back({macro, st.vk, 0x1E, st.reportedFlag, st.flags});
    }
    EXPECT_EQ(seen, expected);
}

INSTANTIATE_TEST_SUITE_P(Table, HookStateMachine, testing::ValuesIn(kScenarios),
                         [](const testing::TestParamInfo<Scenario> &caseInfo) {
                             return caseInfo.param.name;
                         });

TEST_F(HookTest, WhichKeysPassWhileBlocking)
{
    struct Row
    {
        int vk;
        bool passes;
    };
    const Row rows[] = {{kCaps, true},    {kNumLock, true}, {kScroll, true}, {kLCtrl, true}, {kRCtrl, true},
                        {kLShift, false}, {kLWin, false},   {kEsc, false},   {kA, false},    {0xA4, false}};
    for (int mode : {1, 2, 3, 4, 5}) {
        hook->stopHook();
        ASSERT_EQ(hook->startHook(mode), 1);
        for (const Row &r : rows) {
            const bool expectBlocked = mode != 5 && !r.passes;
            EXPECT_EQ(key(r.vk, 0x00), expectBlocked) << "mode " << mode << " vk " << r.vk << " down";
            EXPECT_EQ(key(r.vk, 0x80), expectBlocked) << "mode " << mode << " vk " << r.vk << " up";
        }
        EXPECT_EQ(fake()->blocking(), mode != 5) << mode;
    }
    // Every press and release above was reported once.
    EXPECT_EQ(seen.size(), 5u * std::size(rows) * 2);
}

TEST_F(HookTest, FullHeldKeyTable)
{
    ASSERT_EQ(hook->startHook(2), 1);
    for (int vk = 1; vk <= WindowsHookInterface::kMaxPressedKeys; ++vk)
        key(vk, 0x00);
    ASSERT_EQ(seen.size(), 128u);
    seen.clear();

    // A 129th key is reported but not recorded, so its repeats are reported as well.
    key(200, 0x00);
    key(200, 0x00);
    // The recorded keys' repeats are still swallowed, first and last alike.
    key(1, 0x00);
    key(128, 0x00);
    // A release makes room; the next new key is recorded again and its repeat swallowed.
    key(5, 0x80);
    key(201, 0x00);
    key(201, 0x00);
    // The released key is gone from the table: pressing it again is a new press.
    key(5, 0x00);
    const std::vector<Seen> expected = {{false, 200, 0x1E, 1, 0},
                                        {false, 200, 0x1E, 1, 0},
                                        {false, 5, 0x1E, 0, 0x80},
                                        {false, 201, 0x1E, 1, 0},
                                        {false, 5, 0x1E, 1, 0}};
    EXPECT_EQ(seen, expected);
}

TEST_F(HookTest, RestartClearsTableExceptInKeepKeysMode)
{
    ASSERT_EQ(hook->startHook(2), 1);
    key(kA, 0x00);
    hook->stopHook();
    ASSERT_EQ(hook->startHook(4), 1);
    key(kA, 0x00); // still recorded as held: a repeat
    hook->stopHook();
    ASSERT_EQ(hook->startHook(3), 1);
    key(kA, 0x00); // a fresh table: reported as a new press
    const std::vector<Seen> expected = {{false, kA, 0x1E, 1, 0}, {false, kA, 0x1E, 1, 0}};
    EXPECT_EQ(seen, expected);
}

TEST_F(HookTest, StartWhileRunningInstallsNothing)
{
    ASSERT_EQ(hook->startHook(2), 1);
    FakeInputHook *first = fake();
    // Switching to macro recording without a stop keeps the running capture, without mouse.
    EXPECT_EQ(hook->startHook(1), 1);
    EXPECT_EQ(fake(), first);
    EXPECT_EQ(FakeInputHook::control().installs, 1);
    EXPECT_FALSE(first->mouseInstalled());
    EXPECT_EQ(hook->getHookMode(), 1);
    key(kA, 0x00);
    first->mouse(0x201);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].macro);
    EXPECT_TRUE(mice.empty());
}

TEST_F(HookTest, StopEndsCaptureAndKeepsMode)
{
    EXPECT_EQ(hook->stopHook(), 1); // nothing running
    EXPECT_EQ(hook->getHookMode(), 999);
    ASSERT_EQ(hook->startHook(3), 1);
    EXPECT_EQ(hook->stopHook(), 1);
    EXPECT_EQ(fake(), nullptr);
    EXPECT_EQ(hook->getHookMode(), 3);
    EXPECT_EQ(hook->stopHook(), 1);
}

TEST_F(HookTest, MouseOnlyInMacroModeButtonsNotMoves)
{
    ASSERT_EQ(hook->startHook(2), 1);
    EXPECT_FALSE(fake()->mouseInstalled());
    hook->stopHook();

    ASSERT_EQ(hook->startHook(1), 1);
    ASSERT_TRUE(fake()->mouseInstalled());
    MouseHookRecord rec;
    rec.x = 321;
    fake()->mouse(0x200, rec);
    fake()->mouse(0x201, rec);
    fake()->mouse(0x202, rec);
    fake()->mouse(0x20A, rec);
    ASSERT_EQ(mice.size(), 3u);
    EXPECT_EQ(mice[0].message, 0x201u);
    EXPECT_EQ(mice[1].message, 0x202u);
    EXPECT_EQ(mice[2].message, 0x20Au);
    for (const SeenMouse &m : mice) {
        EXPECT_EQ(m.nCode, 0);
        EXPECT_EQ(m.x, 321);
    }
}

TEST_F(HookTest, KeyboardFailureIsLoggedAndRetried)
{
    FakeInputHook::control().failKeyboard = true;
    EXPECT_EQ(hook->startHook(2), 0);
    EXPECT_TRUE(s_debugLines.contains("Set keyboard Hook error, error code=11"))
        << s_debugLines.join('|').toStdString();
    EXPECT_EQ(fake(), nullptr);
    FakeInputHook::control().failKeyboard = false;
    EXPECT_EQ(hook->startHook(2), 1);
}

TEST_F(HookTest, MouseFailureLeavesKeyboardRunningUntilStop)
{
    FakeInputHook::control().failMouse = true;
    EXPECT_EQ(hook->startHook(1), 0);
    EXPECT_TRUE(s_debugLines.contains("Set mouse Hook error, error code=11"))
        << s_debugLines.join('|').toStdString();
    ASSERT_NE(fake(), nullptr);
    key(kA, 0x00);
    EXPECT_EQ(seen.size(), 1u);
    hook->stopHook();
    EXPECT_EQ(fake(), nullptr);
}

TEST_F(HookTest, ReceiverMayStopOrRestartInsideTheSignal)
{
    // The capture pages stop the hook as soon as they have their key.
    QObject::connect(hook.get(), &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, hook.get(),
                     [this](int, int, int flag, int) {
                         if (flag == 1) {
                             hook->stopHook();
                             hook->startHook(5);
                         }
                     });
    ASSERT_EQ(hook->startHook(2), 1);
    // Verdict of the event that was delivered in mode 2, although mode 5 runs afterwards.
    EXPECT_TRUE(key(kA, 0x00));
    ASSERT_NE(fake(), nullptr);
    EXPECT_FALSE(fake()->blocking());
    EXPECT_EQ(FakeInputHook::control().installs, 2);
}

TEST_F(HookTest, DestructionEndsCapture)
{
    ASSERT_EQ(hook->startHook(1), 1);
    hook.reset();
    EXPECT_EQ(fake(), nullptr);
}

// Without an X server the capture falls back to our own windows: the start succeeds (recording
// and key capture work while our window has focus), the log and isGlobalCapture() say that the
// capture is limited, and our widgets see the keys exactly as other programs would.
class OwnWindowFallback : public HookTest
{
protected:
    void SetUp() override
    {
        HookTest::SetUp();
        FakeInputHook::control().failKeyboard = true;
        FakeInputHook::control().error = InputHook::NoServer;
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&edit));
    }

    void sendKey(QEvent::Type type, int xKeycode, Qt::Key qtKey, const QString &text)
    {
        QKeyEvent ev(type, qtKey, Qt::NoModifier, static_cast<quint32>(xKeycode), 0, 0, text);
        QCoreApplication::sendEvent(edit.windowHandle(), &ev);
    }

    QLineEdit edit;
};

TEST_F(OwnWindowFallback, CaptureModeReportsTheLimitAndKeepsKeysFromOurWidgets)
{
    EXPECT_EQ(hook->startHook(2), 1);
    EXPECT_FALSE(hook->isGlobalCapture());
    EXPECT_TRUE(s_debugLines.contains("Set keyboard Hook error, error code=1"));
    EXPECT_TRUE(s_debugLines.contains("Key capture limited to this program's own windows"));
    sendKey(QEvent::KeyPress, 30 + 8, Qt::Key_A, "a");
    sendKey(QEvent::KeyRelease, 30 + 8, Qt::Key_A, "a");
    sendKey(QEvent::KeyPress, 999, Qt::Key_unknown, "x"); // no physical key we know: untouched
    const std::vector<Seen> expected = {{false, kA, 0x1E, 1, 0}, {false, kA, 0x1E, 0, 0x80}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(edit.text(), "x");
    hook->stopHook();
    sendKey(QEvent::KeyPress, 30 + 8, Qt::Key_A, "a");
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(edit.text(), "xa");
}

TEST_F(OwnWindowFallback, InteractLightLetsKeysThrough)
{
    EXPECT_EQ(hook->startHook(5), 1);
    sendKey(QEvent::KeyPress, 30 + 8, Qt::Key_A, "a");
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(edit.text(), "a");
}

TEST_F(OwnWindowFallback, MacroModeRecordsButtonsToo)
{
    EXPECT_EQ(hook->startHook(1), 1);
    const QPoint local(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, local, edit.mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, local, edit.mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, edit.mapToGlobal(local), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    for (QMouseEvent *ev : {&press, &move, &release})
        QCoreApplication::sendEvent(edit.windowHandle(), ev);
    sendKey(QEvent::KeyPress, 28 + 8, Qt::Key_Return, "\r");
    ASSERT_EQ(mice.size(), 2u);
    EXPECT_EQ(mice[0].message, 0x201u);
    EXPECT_EQ(mice[1].message, 0x202u);
    EXPECT_EQ(mice[0].x, edit.mapToGlobal(local).x());
    const std::vector<Seen> expected = {{true, 13, 0x1C, 1, 0}};
    EXPECT_EQ(seen, expected);
}

// The real system back end in a session without an X server (pure Wayland).
TEST_F(OwnWindowFallback, WithoutXServerTheSystemBackEndSaysSoAndFallsBack)
{
    InputHook::setFactory({});
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");
    const int result = hook->startHook(2);
    if (!display.isNull())
        qputenv("DISPLAY", display);
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(hook->isGlobalCapture());
    EXPECT_TRUE(s_debugLines.contains("Set keyboard Hook error, error code=1"));
    EXPECT_TRUE(s_debugLines.filter("no X server reachable").size() == 1)
        << s_debugLines.join('|').toStdString();
    sendKey(QEvent::KeyPress, 57 + 8, Qt::Key_Space, " ");
    const std::vector<Seen> expected = {{false, 32, 0x39, 1, 0}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(edit.text(), "");
}

} // namespace
