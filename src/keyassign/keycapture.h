#pragma once

#include <optional>

// How a key event from the keyboard hook becomes the key code that key capture looks up in the
// virtual-key map.
namespace keycapture {

constexpr int kHookFlagExtended = 0x01;
constexpr int kHookFlagUp = 0x80;
constexpr int kMainEnter = 999;
constexpr int kKeypadEnter = 998;

// The code a hooked event stands for, or empty when it is not a new press. Enter is told apart by
// the extended bit alone, so that Enter with Alt held is still the main Enter; the navigation codes
// without the extended bit are keypad keys pressed with Num Lock off.
std::optional<int> capturedCode(int keyCode, int flag, int hookFlag);

} // namespace keycapture
