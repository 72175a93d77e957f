#include "keycapture.h"

namespace keycapture {

namespace {

constexpr int kEnter = 13;

struct KeypadCode
{
    int navigation;
    int keypad;
};

constexpr KeypadCode kKeypadCodes[] = {
    {45, 96},  // Insert: keypad 0
    {35, 97},  // End: keypad 1
    {40, 98},  // Down: keypad 2
    {34, 99},  // Page Down: keypad 3
    {37, 100}, // Left: keypad 4
    {12, 101}, // Clear: keypad 5
    {39, 102}, // Right: keypad 6
    {36, 103}, // Home: keypad 7
    {38, 104}, // Up: keypad 8
    {33, 105}, // Page Up: keypad 9
    {46, 110}, // Delete: keypad decimal point
};

} // namespace

std::optional<int> capturedCode(int keyCode, int flag, int hookFlag)
{
    if (flag == 0 || (hookFlag & kHookFlagUp) != 0)
        return std::nullopt;
    const bool extended = (hookFlag & kHookFlagExtended) != 0;
    if (keyCode == kEnter)
        return extended ? kKeypadEnter : kMainEnter;
    if (!extended) {
        for (const KeypadCode &code : kKeypadCodes) {
            if (code.navigation == keyCode)
                return code.keypad;
        }
    }
    return keyCode;
}

} // namespace keycapture
