#pragma once

#include "hidreport.h"

#include <cstdint>

class SimKeyboard;

// The firmware's answers to everything the keyboard link asks after start-up (settings and sleep
// times, magnetic-switch items), and the reports a keyboard sends unasked, for tests and the
// simulation to push with SimKeyboard::send.
namespace simlink {

void installHandlers(SimKeyboard &keyboard);

// Unasked reports.
HidReport keyReport(const uint8_t (&keys)[8]);                    // 0x04, answered with 0x03
HidReport fullKeyReport(const uint8_t (&bytes)[13]);              // 0x05, echoed as 0x04
HidReport pcFunctionKey(uint8_t keyCode, bool pressed);           // 0x20
HidReport customScheme(uint8_t scheme);                           // 0x09
HidReport fnLayerKeys(const uint8_t (&columns)[22]);              // 0x0e
HidReport liveTravel(uint8_t row, uint8_t column, uint8_t value); // 0x21 item 1
// The keyboard's current light configuration for target 0 (keys) or 1 (side light), as sent
// when the user changed it on the keyboard.
HidReport lightConfig(const SimKeyboard &keyboard, int target);

} // namespace simlink
