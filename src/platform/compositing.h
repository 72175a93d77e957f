#pragma once

// Whether the desktop composites windows, so that translucent window areas really show what lies
// beneath. Without a compositing manager those areas show as black on X11.
namespace platformCompositing {

// True when a compositing manager owns the screen's selection, or when the session is not X11
// (other window systems always composite). Cheap after the first call.
bool isCompositingActive();

} // namespace platformCompositing
