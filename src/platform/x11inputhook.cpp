#include "x11inputhook.h"

#include "crashhandler.h"
#include "wininputmap.h"

#include <QCoreApplication>
#include <QDebug>
#include <QGuiApplication>
#include <QMetaObject>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// Xlib last: its macros (None, Bool, KeyPress, ...) collide with Qt names.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

// What the reader thread's queued calls share with the back end. `active` is read and written
// on the GUI thread only: calls queued before a remove() find it false and drop their event.
struct X11InputHook::Shared
{
    InputHook::KeyProc keyProc;
    InputHook::MouseProc mouseProc;
    bool active = true;
};

namespace {

// Set by the error trap around the grab; only the GUI thread installs the trap.
int s_trappedError = 0;

int trapError(Display *, XErrorEvent *event)
{
    s_trappedError = event->error_code;
    return 0;
}

// Grabs the keyboard on `window`. A window that vanished since it had the focus raises an X
// error, which must neither reach the process-wide handler (Xlib's default one exits) nor pass
// for success (Xlib then reports GrabSuccess).
int grabKeyboard(Display *dpy, Window window)
{
    XSync(dpy, False);
    s_trappedError = 0;
    const XErrorHandler previous = XSetErrorHandler(trapError);
    int status = XGrabKeyboard(dpy, window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    XSync(dpy, False);
    XSetErrorHandler(previous);
    if (s_trappedError != 0)
        status = GrabNotViewable;
    return status;
}

} // namespace

std::unique_ptr<InputHook> InputHook::createSystem()
{
    return std::make_unique<X11InputHook>();
}

X11InputHook::X11InputHook() = default;

X11InputHook::~X11InputHook()
{
    remove();
}

bool X11InputHook::fail(long error)
{
    m_error = error;
    remove();
    return false;
}

bool X11InputHook::installKeyboard(const KeyProc &proc, bool block)
{
    if (m_display)
        return true;
    m_error = NoError;
    if (!QCoreApplication::instance())
        return fail(NoApplication);

    // A native Wayland client's own windows are no X windows: the X server would never see the
    // keys typed into them, so capture falls back to those windows instead.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        qWarning("Global key capture unavailable: this program runs as a native Wayland client "
                 "(QT_QPA_PLATFORM=xcb runs it through XWayland). Keys are captured only while a "
                 "window of this program has focus.");
        return fail(NoServer);
    }
    m_display = XOpenDisplay(nullptr);
    if (!m_display) {
        qWarning("Global key capture unavailable: no X server reachable (%s). Keys are captured "
                 "only while a window of this program has focus.",
                 qgetenv("DISPLAY").isEmpty() ? "DISPLAY is not set" : "cannot open DISPLAY");
        return fail(NoServer);
    }
    int event = 0;
    int errorBase = 0;
    int major = 2;
    int minor = 2;
    if (!XQueryExtension(m_display, "XInputExtension", &m_xiOpcode, &event, &errorBase) ||
        XIQueryVersion(m_display, &major, &minor) != Success) {
        qWarning("Global key capture unavailable: the X server lacks XInput 2.2");
        return fail(NoXInput2);
    }

    const Window root = DefaultRootWindow(m_display);
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices; // slave devices would report every event twice
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    XISelectEvents(m_display, root, &mask, 1);

    if (block) {
        // The grab goes on the focused window: moving no focus, it deactivates none of our
        // windows (a capture pop-up that closes on deactivation stays open). Without a focused
        // window it goes on a window of our own: the server withholds raw events from the client
        // whose grab sits on the root window.
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(m_display, &focus, &revert);
        int status = GrabNotViewable;
        if (focus != None && focus != PointerRoot)
            status = grabKeyboard(m_display, focus);
        if (status == GrabNotViewable) {
            XSetWindowAttributes attributes;
            attributes.override_redirect = True;
            const Window own = XCreateWindow(m_display, root, -10, -10, 1, 1, 0, 0, InputOnly, CopyFromParent,
                                             CWOverrideRedirect, &attributes);
            XMapWindow(m_display, own);
            status = grabKeyboard(m_display, own);
        }
        if (status != GrabSuccess)
            return fail(GrabFailed + status);
        m_grabbed = true;
    }
    XSync(m_display, False);

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return fail(GrabFailed + 100 + errno);
    m_wakeRead = fds[0];
    m_wakeWrite = fds[1];

    m_shared = std::make_shared<Shared>();
    m_shared->keyProc = proc;
    // The display is handed to the reader; the GUI thread touches it again only after the join.
    m_reader = std::thread(&X11InputHook::readEvents, m_display, m_xiOpcode, m_wakeRead, m_shared);
    return true;
}

bool X11InputHook::installMouse(const MouseProc &proc)
{
    if (!m_shared) {
        m_error = NoServer;
        return false;
    }
    m_shared->mouseProc = proc;
    return true;
}

void X11InputHook::remove()
{
    if (m_shared) {
        m_shared->active = false;
        m_shared.reset();
    }
    if (m_reader.joinable()) {
        const char wake = 'q';
        while (::write(m_wakeWrite, &wake, 1) < 0 && errno == EINTR) {
        }
        m_reader.join();
    }
    for (int *fd : {&m_wakeRead, &m_wakeWrite}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    if (m_display) {
        if (m_grabbed)
            XUngrabKeyboard(m_display, CurrentTime);
        XCloseDisplay(m_display); // flushes the ungrab; the server drops any grab of ours anyway
        m_display = nullptr;
    }
    m_grabbed = false;
}

void X11InputHook::readEvents(_XDisplay *dpy, int opcode, int wakeFd, std::shared_ptr<Shared> shared)
{
    crashhandler::prepareThread();
    const Window root = DefaultRootWindow(dpy);
    QObject *const target = QCoreApplication::instance();
    bool altDown = false;

    pollfd fds[2] = {{ConnectionNumber(dpy), POLLIN, 0}, {wakeFd, POLLIN, 0}};
    for (;;) {
        while (XPending(dpy) > 0) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            // The grab also delivers core key events to this connection; the raw events carry
            // the same keys, so the core ones are simply consumed.
            XGenericEventCookie *cookie = &ev.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != opcode || !XGetEventData(dpy, cookie))
                continue;
            const auto *raw = static_cast<const XIRawEvent *>(cookie->data);
            switch (cookie->evtype) {
            case XI_RawKeyPress:
            case XI_RawKeyRelease: {
                const auto key =
                    WinInputMap::keyEvent(raw->detail, cookie->evtype == XI_RawKeyRelease, &altDown);
                if (key) {
                    QMetaObject::invokeMethod(
                        target,
                        [shared, key = *key] {
                            if (shared->active && shared->keyProc)
                                shared->keyProc(key);
                        },
                        Qt::QueuedConnection);
                }
                break;
            }
            case XI_RawButtonPress:
            case XI_RawButtonRelease: {
                MouseHookRecord record;
                const int message = WinInputMap::mouseMessage(
                    raw->detail, cookie->evtype == XI_RawButtonPress, &record.mouseData);
                if (message == 0)
                    break;
                Window rootReturn = 0;
                Window child = 0;
                int winX = 0;
                int winY = 0;
                unsigned int buttons = 0;
                XQueryPointer(dpy, root, &rootReturn, &child, &record.x, &record.y, &winX, &winY, &buttons);
                record.time = static_cast<quint32>(raw->time);
                QMetaObject::invokeMethod(
                    target,
                    [shared, message, record] {
                        if (shared->active && shared->mouseProc)
                            shared->mouseProc(message, record);
                    },
                    Qt::QueuedConnection);
                break;
            }
            default:
                break;
            }
            XFreeEventData(dpy, cookie);
        }
        fds[0].revents = 0;
        fds[1].revents = 0;
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents != 0 || (fds[0].revents & (POLLHUP | POLLERR)) != 0)
            break;
    }
}
