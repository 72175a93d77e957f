#include "compositing.h"

#include <QtGlobal>

#include <cstdio>

// After Qt: Xlib's macros clash with names in Qt headers.
#include "x11display.h"

namespace platformCompositing {

bool isCompositingActive()
{
    // Asked each time: a compositor may start or stop while the program runs.
    Display *d = platformX11::sharedDisplay();
    if (!d)
        return true;
    char name[32];
    std::snprintf(name, sizeof name, "_NET_WM_CM_S%d", DefaultScreen(d));
    const Atom atom = XInternAtom(d, name, False);
    return XGetSelectionOwner(d, atom) != None;
}

} // namespace platformCompositing
