#include "compositing.h"

#include <QtGlobal>

#include <cstdio>
#include <memory>

// After Qt: Xlib's macros (None, Bool, ...) clash with names in Qt headers.
#include <X11/Xlib.h>

namespace {

struct DisplayCloser
{
    void operator()(Display *d) const { XCloseDisplay(d); }
};

// One connection for the process; the answer is asked each time because a compositor may start
// or stop while the program runs.
Display *display()
{
    static std::unique_ptr<Display, DisplayCloser> s_display;
    static bool s_tried = false;
    if (!s_tried) {
        s_tried = true;
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            s_display.reset(XOpenDisplay(nullptr));
    }
    return s_display.get();
}

} // namespace

namespace platformCompositing {

bool isCompositingActive()
{
    Display *d = display();
    if (!d)
        return true;
    char name[32];
    std::snprintf(name, sizeof name, "_NET_WM_CM_S%d", DefaultScreen(d));
    const Atom atom = XInternAtom(d, name, False);
    return XGetSelectionOwner(d, atom) != None;
}

} // namespace platformCompositing
