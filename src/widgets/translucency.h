#pragma once

class QWidget;

namespace translucency {

// True when transparent parts of a top-level window really show what lies beneath. On X11 that
// needs a compositing manager; without one they show as black.
bool windowsAreComposited();

} // namespace translucency
