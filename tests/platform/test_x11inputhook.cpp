// Runs against a real X server (Xvfb in CI): keys and buttons are injected through XTest from a
// connection of the test's own, as a user's keyboard would produce them.
#include "ddatamanager.h"
#include "seenkeyevent.h"
#include "windowshookinterface.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {
// Xlib defines KeyPress as a macro.
constexpr QEvent::Type kQtKeyPress = QEvent::KeyPress;
} // namespace

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

constexpr int kXKeyA = 30 + 8;
constexpr int kXKeyEsc = 1 + 8;
// Longer than the server's delay before a held key starts repeating.
constexpr int kAutoRepeatWait = 900;

bool waitUntil(const std::function<bool()> &done, int ms = 2000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

// Another X client: injects input and, with a focused window of its own, sees which keys reach
// programs other than ours.
class OtherClient
{
public:
    OtherClient() : dpy(XOpenDisplay(nullptr)) {}
    ~OtherClient()
    {
        if (dpy)
            XCloseDisplay(dpy);
    }

    void key(int keycode, bool press)
    {
        XTestFakeKeyEvent(dpy, static_cast<unsigned>(keycode), press ? True : False, CurrentTime);
        XSync(dpy, False);
    }
    void tap(int keycode)
    {
        key(keycode, true);
        key(keycode, false);
    }
    void button(unsigned b, bool press)
    {
        XTestFakeButtonEvent(dpy, b, press ? True : False, CurrentTime);
        XSync(dpy, False);
    }
    void motion(int x, int y)
    {
        XTestFakeMotionEvent(dpy, -1, x, y, CurrentTime);
        XSync(dpy, False);
    }

    // A mapped window holding the input focus and listening for keys.
    void focusOwnWindow()
    {
        window = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 50, 50, 0, 0, 0);
        XSelectInput(dpy, window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
        XMapWindow(dpy, window);
        XEvent ev;
        do
            XNextEvent(dpy, &ev);
        while (ev.type != MapNotify);
        XSetInputFocus(dpy, window, RevertToPointerRoot, CurrentTime);
        XSync(dpy, False);
    }

    // Key presses that reached the window so far.
    int keyPressesReceived()
    {
        while (XPending(dpy) > 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == KeyPress)
                ++keyPresses;
        }
        return keyPresses;
    }

    bool canGrabKeyboard()
    {
        const int status =
            XGrabKeyboard(dpy, DefaultRootWindow(dpy), False, GrabModeAsync, GrabModeAsync, CurrentTime);
        if (status == GrabSuccess)
            XUngrabKeyboard(dpy, CurrentTime);
        XSync(dpy, False);
        return status == GrabSuccess;
    }

    Display *dpy;
    Window window = 0;
    int keyPresses = 0;
};

class X11Hook : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(other.dpy, nullptr) << "no X server: run under Xvfb";
        hook = std::make_unique<WindowsHookInterface>();
        QObject::connect(hook.get(), &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, hook.get(),
                         [this](int k, int s, int f, int h) {
                             seen.push_back({false, k, s, f, h});
                         });
        DDataManager *dm = DDataManager::getInstance();
        QObject::connect(dm, &DDataManager::sigRecviveStreamEX_MacroKeyboard, hook.get(),
                         [this](int k, int s, int f, int h) {
                             seen.push_back({true, k, s, f, h});
                         });
        QObject::connect(
            dm, &DDataManager::sigRecviveStreamEX_MacroMouse, hook.get(),
            [this](int, quintptr message, quintptr) { mice.push_back(static_cast<int>(message)); });
    }

    void TearDown() override
    {
        hook.reset();
        // Nothing may stay grabbed for the next test.
        EXPECT_TRUE(other.canGrabKeyboard());
    }

    // Events still on their way to the GUI thread arrive within this time.
    static void settle() { QTest::qWait(150); }

    OtherClient other;
    std::unique_ptr<WindowsHookInterface> hook;
    std::vector<Seen> seen;
    std::vector<int> mice;
};

TEST_F(X11Hook, RemapCaptureGetsPressAndReleaseOnce)
{
    ASSERT_EQ(hook->startHook(2), 1);
    EXPECT_TRUE(hook->isGlobalCapture());
    other.key(kXKeyA, true);
    QTest::qWait(kAutoRepeatWait);
    other.key(kXKeyA, false);
    ASSERT_TRUE(waitUntil([&] { return seen.size() >= 2; }));
    settle();
    const std::vector<Seen> expected = {{false, 'A', 0x1E, 1, 0x00}, {false, 'A', 0x1E, 0, 0x80}};
    EXPECT_EQ(seen, expected);
}

TEST_F(X11Hook, MacroModeGetsButtonsAndWheelButNoMoves)
{
    ASSERT_EQ(hook->startHook(1), 1);
    other.motion(100, 100);
    other.button(1, true);
    other.motion(120, 110);
    other.button(1, false);
    other.button(3, true);
    other.button(3, false);
    other.button(2, true);
    other.button(2, false);
    other.button(4, true);
    other.button(4, false);
    other.tap(kXKeyEsc);
    ASSERT_TRUE(waitUntil([&] { return seen.size() >= 2; }));
    settle();
    EXPECT_EQ(mice, (std::vector<int>{0x201, 0x202, 0x204, 0x205, 0x207, 0x208, 0x20A}));
    const std::vector<Seen> expected = {{true, 27, 0x01, 1, 0x00}, {true, 27, 0x01, 0, 0x80}};
    EXPECT_EQ(seen, expected);
}

TEST_F(X11Hook, BlockingKeepsKeysFromOthersUntilStop)
{
    other.focusOwnWindow();
    other.tap(kXKeyA);
    ASSERT_TRUE(waitUntil([&] { return other.keyPressesReceived() == 1; }));

    ASSERT_EQ(hook->startHook(2), 1);
    EXPECT_FALSE(other.canGrabKeyboard());
    other.tap(kXKeyA);
    ASSERT_TRUE(waitUntil([&] { return seen.size() >= 2; }));
    EXPECT_EQ(other.keyPressesReceived(), 1);

    EXPECT_EQ(hook->stopHook(), 1);
    other.tap(kXKeyA);
    EXPECT_TRUE(waitUntil([&] { return other.keyPressesReceived() == 2; }));
    settle();
    EXPECT_EQ(seen.size(), 2u); // nothing captured after the stop
}

TEST_F(X11Hook, InteractLightSeesKeysWithoutTakingThem)
{
    other.focusOwnWindow();
    ASSERT_EQ(hook->startHook(5), 1);
    EXPECT_TRUE(other.canGrabKeyboard());
    other.key(kXKeyA, true);
    QTest::qWait(kAutoRepeatWait);
    other.key(kXKeyA, false);
    ASSERT_TRUE(waitUntil([&] { return seen.size() >= 2; }));
    settle();
    // The held key's repeats reach the focused window; the hook reports one press and release.
    EXPECT_GT(other.keyPressesReceived(), 1);
    const std::vector<Seen> expected = {{false, 'A', 0x1E, 1, 0x00}, {false, 'A', 0x1E, 0, 0x80}};
    EXPECT_EQ(seen, expected);
}

TEST_F(X11Hook, DestroyingTheHookReleasesTheKeyboard)
{
    ASSERT_EQ(hook->startHook(3), 1);
    EXPECT_FALSE(other.canGrabKeyboard());
    hook.reset();
    EXPECT_TRUE(other.canGrabKeyboard());
}

TEST_F(X11Hook, GrabFailureIsReported)
{
    ASSERT_EQ(XGrabKeyboard(other.dpy, DefaultRootWindow(other.dpy), False, GrabModeAsync, GrabModeAsync,
                            CurrentTime),
              GrabSuccess);
    XSync(other.dpy, False);
    EXPECT_EQ(hook->startHook(2), 0);
    XUngrabKeyboard(other.dpy, CurrentTime);
    XSync(other.dpy, False);
    EXPECT_EQ(hook->startHook(2), 1);
}

TEST_F(X11Hook, KilledProcessLeavesNoGrab)
{
    QProcess child;
    child.start(QStringLiteral(TL_GRAB_CHILD), QStringList{});
    ASSERT_TRUE(child.waitForStarted());
    ASSERT_TRUE(
        waitUntil([&] { return child.canReadLine() || child.state() == QProcess::NotRunning; }, 5000));
    ASSERT_EQ(child.readLine().trimmed(), "grabbed");
    EXPECT_FALSE(other.canGrabKeyboard());
    child.kill(); // SIGKILL: no clean-up code of ours runs
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_TRUE(waitUntil([&] { return other.canGrabKeyboard(); }));
}

// A capture pop-up closes itself when it stops being the active window.
class HidesOnDeactivate : public QWidget
{
public:
    HidesOnDeactivate() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) { resize(200, 100); }
    int keys = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::WindowDeactivate)
            hide();
        if (e->type() == kQtKeyPress)
            ++keys;
        return QWidget::event(e);
    }
};

class CapturePopup : public X11Hook
{
protected:
    void SetUp() override
    {
        X11Hook::SetUp();
        popup.show();
        popup.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&popup));
    }

    // Qt deactivates a window 400 ms after it loses the focus unless the focus comes back.
    static void outlastDeactivation() { QTest::qWait(700); }

    HidesOnDeactivate popup;
};

// Why the grab window matters: a grab anywhere but on the focused window moves the focus and
// the pop-up closes.
TEST_F(CapturePopup, GrabElsewhereClosesIt)
{
    XSetWindowAttributes attributes;
    attributes.override_redirect = True;
    const Window elsewhere = XCreateWindow(other.dpy, DefaultRootWindow(other.dpy), -10, -10, 1, 1, 0, 0,
                                           InputOnly, CopyFromParent, CWOverrideRedirect, &attributes);
    XMapWindow(other.dpy, elsewhere);
    ASSERT_EQ(XGrabKeyboard(other.dpy, elsewhere, False, GrabModeAsync, GrabModeAsync, CurrentTime),
              GrabSuccess);
    XSync(other.dpy, False);
    outlastDeactivation();
    EXPECT_FALSE(popup.isVisible());
    XUngrabKeyboard(other.dpy, CurrentTime);
    XDestroyWindow(other.dpy, elsewhere);
    XSync(other.dpy, False);
}

TEST_F(CapturePopup, HookGrabLeavesItOpen)
{
    ASSERT_EQ(hook->startHook(2), 1);
    outlastDeactivation();
    EXPECT_TRUE(popup.isVisible());
    EXPECT_TRUE(popup.isActiveWindow());

    other.tap(kXKeyA);
    ASSERT_TRUE(waitUntil([&] { return seen.size() >= 2; }));
    EXPECT_EQ(popup.keys, 0); // captured, not typed into the pop-up

    hook->stopHook();
    outlastDeactivation();
    EXPECT_TRUE(popup.isVisible());
    other.tap(kXKeyA);
    EXPECT_TRUE(waitUntil([&] { return popup.keys == 1; }));
}

} // namespace
