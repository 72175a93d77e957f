#pragma once

#include "simkeyboardstate.h"

class SimKeyboard;
struct ModelInfo;

// The firmware's answers to the start-up exchange after a keyboard is opened: serial number,
// light configurations, light-type lists, layout text, and the status sent with each handshake.
namespace simstartup {

// The state a freshly made keyboard of this model starts with. `instance` makes serial numbers
// differ between simulated keyboards.
SimKeyboardState defaultState(const ModelInfo &model, quint64 instance);

void installHandlers(SimKeyboard &keyboard);

} // namespace simstartup
