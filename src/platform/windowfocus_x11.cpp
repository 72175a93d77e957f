#include "windowfocus.h"

#include <QGuiApplication>

// After Qt: Xlib's macros clash with names in Qt headers.
#include "x11display.h"

namespace windowFocus {

void reassertKeyboardFocus(quintptr window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    Display *d = platformX11::sharedDisplay();
    if (!d || !window)
        return;
    const Window target = static_cast<Window>(window);
    XWindowAttributes attributes;
    // Focusing a window that is not viewable is a protocol error, which would end the program.
    if (!XGetWindowAttributes(d, target, &attributes) || attributes.map_state != IsViewable)
        return;
    Window current = 0;
    int revert = 0;
    XGetInputFocus(d, &current, &revert);
    if (current != target)
        return;
    // Focus set where it already is produces no event; passing through the root makes one.
    XSetInputFocus(d, PointerRoot, RevertToPointerRoot, CurrentTime);
    XSetInputFocus(d, target, RevertToParent, CurrentTime);
    XFlush(d);
}

} // namespace windowFocus
