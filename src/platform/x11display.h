#pragma once

// After Qt: Xlib's macros (None, Bool, ...) clash with names in Qt headers.
#include <X11/Xlib.h>

namespace platformX11 {

// One Xlib connection for the process's own queries, opened on first use; null without a display.
Display *sharedDisplay();

} // namespace platformX11
