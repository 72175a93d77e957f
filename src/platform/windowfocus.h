#pragma once

#include <QtGlobal>

// Moving the keyboard focus between the program's own windows.
namespace windowFocus {

// When the window system has the keyboard on the top-level window `window` (a native window id),
// sets it there once more so that the toolkit hears of it and makes the window active again: after
// a tool-tip window held the activation, a window manager may hand the focus back without any
// event the toolkit takes notice of, and typing then goes nowhere. The keyboard is never taken
// from another program. Does nothing off X11 or for a window that is not on screen.
void reassertKeyboardFocus(quintptr window);

} // namespace windowFocus
