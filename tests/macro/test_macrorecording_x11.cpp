// Recording on a real X server: keys typed and buttons clicked through XTest reach the macro
// editor through the key-assignment host's hooks and are stored as the exact events.
#include "dcustomkeyspage.h"
#include "macrorecordfixture.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <memory>

namespace {

// X key codes are evdev codes plus 8.
constexpr unsigned kXShiftL = 42 + 8;
constexpr unsigned kXH = 35 + 8;
constexpr unsigned kXI = 23 + 8;

void xkey(Display *dpy, unsigned code, bool press)
{
    XTestFakeKeyEvent(dpy, code, press ? True : False, CurrentTime);
    XSync(dpy, False);
    QTest::qWait(15);
}

void xclick(Display *dpy, unsigned button)
{
    XTestFakeButtonEvent(dpy, button, True, CurrentTime);
    XSync(dpy, False);
    QTest::qWait(15);
    XTestFakeButtonEvent(dpy, button, False, CurrentTime);
    XSync(dpy, False);
    QTest::qWait(15);
}

} // namespace

class MacroRecordingX11 : public MacroPageOnStore
{
protected:
    void SetUp() override {} // the real host page answers the hook requests
    void TearDown() override { delete page; }
};

TEST_F(MacroRecordingX11, TypedHiAndTwoClicksBecomeTheMacrosExactEvents)
{
    Display *dpy = XOpenDisplay(nullptr);
    ASSERT_NE(dpy, nullptr) << "no X server: run under Xvfb";
    auto host = std::make_unique<DCustomKeysPage>();
    ASSERT_TRUE(store.addMacro("1", "Hi"));
    open();
    page->move(0, 0);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
    // The pointer rests outside the editor: the clicks land elsewhere, as a user's would.
    XTestFakeMotionEvent(dpy, -1, 1500, 950, CurrentTime);
    XSync(dpy, False);

    page->toggleRecording();
    ASSERT_TRUE(page->recording());
    xkey(dpy, kXShiftL, true);
    xkey(dpy, kXH, true);
    xkey(dpy, kXH, false);
    xkey(dpy, kXShiftL, false);
    xkey(dpy, kXI, true);
    xkey(dpy, kXI, false);
    xclick(dpy, 1);
    xclick(dpy, 3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return eventRows().size() == 10; }, 3000)) << eventRows().size();
    page->toggleRecording();
    EXPECT_FALSE(page->recording());

    EXPECT_EQ(describe(stored("1")),
              QStringList({"1 key 225 Shift down", "2 key 11 H down", "2 key 11 H up", "1 key 225 Shift up",
                           "3 key 12 I down", "3 key 12 I up", "4 mouse 513 Left Click down",
                           "4 mouse 514 Left Click up", "5 mouse 516 Right Click down",
                           "5 mouse 517 Right Click up"}));
    // The recording's end frees the keyboard for other programs.
    const int status =
        XGrabKeyboard(dpy, DefaultRootWindow(dpy), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    EXPECT_EQ(status, GrabSuccess);
    if (status == GrabSuccess)
        XUngrabKeyboard(dpy, CurrentTime);
    delete page;
    host.reset();
    XCloseDisplay(dpy);
}
