#include "wininputmap.h"

#include <array>

namespace {

struct Row
{
    int evdev;
    WinKey key;
};

constexpr bool E = true;
constexpr bool N = false;

// evdev code -> (virtual key, scan code, extended). Keypad keys always report their keypad
// codes, whatever the Num Lock state: the readers turn both forms into the same keypad key.
constexpr Row kRows[] = {
    {1, {27, 0x01, N}}, // Esc
    {2, {'1', 0x02, N}},   {3, {'2', 0x03, N}},  {4, {'3', 0x04, N}},  {5, {'4', 0x05, N}},
    {6, {'5', 0x06, N}},   {7, {'6', 0x07, N}},  {8, {'7', 0x08, N}},  {9, {'8', 0x09, N}},
    {10, {'9', 0x0A, N}},  {11, {'0', 0x0B, N}}, {12, {189, 0x0C, N}}, // minus
    {13, {187, 0x0D, N}},                                              // equals
    {14, {8, 0x0E, N}},                                                // Backspace
    {15, {9, 0x0F, N}},                                                // Tab
    {16, {'Q', 0x10, N}},  {17, {'W', 0x11, N}}, {18, {'E', 0x12, N}}, {19, {'R', 0x13, N}},
    {20, {'T', 0x14, N}},  {21, {'Y', 0x15, N}}, {22, {'U', 0x16, N}}, {23, {'I', 0x17, N}},
    {24, {'O', 0x18, N}},  {25, {'P', 0x19, N}}, {26, {219, 0x1A, N}}, // [
    {27, {221, 0x1B, N}},                                              // ]
    {28, {13, 0x1C, N}},                                               // Enter
    {29, {162, 0x1D, N}},                                              // left Ctrl
    {30, {'A', 0x1E, N}},  {31, {'S', 0x1F, N}}, {32, {'D', 0x20, N}}, {33, {'F', 0x21, N}},
    {34, {'G', 0x22, N}},  {35, {'H', 0x23, N}}, {36, {'J', 0x24, N}}, {37, {'K', 0x25, N}},
    {38, {'L', 0x26, N}},  {39, {186, 0x27, N}}, // ;
    {40, {222, 0x28, N}},                        // '
    {41, {192, 0x29, N}},                        // `
    {42, {160, 0x2A, N}},                        // left Shift
    {43, {220, 0x2B, N}},                        // backslash
    {44, {'Z', 0x2C, N}},  {45, {'X', 0x2D, N}}, {46, {'C', 0x2E, N}}, {47, {'V', 0x2F, N}},
    {48, {'B', 0x30, N}},  {49, {'N', 0x31, N}}, {50, {'M', 0x32, N}}, {51, {188, 0x33, N}}, // ,
    {52, {190, 0x34, N}},                                                                    // .
    {53, {191, 0x35, N}},                                                                    // /
    {54, {161, 0x36, N}},                                                                    // right Shift
    {55, {106, 0x37, N}},                                                                    // keypad *
    {56, {164, 0x38, N}},                                                                    // left Alt
    {57, {32, 0x39, N}},                                                                     // Space
    {58, {20, 0x3A, N}},                                                                     // Caps Lock
    {59, {112, 0x3B, N}},  {60, {113, 0x3C, N}}, {61, {114, 0x3D, N}}, {62, {115, 0x3E, N}},
    {63, {116, 0x3F, N}},  {64, {117, 0x40, N}}, {65, {118, 0x41, N}}, {66, {119, 0x42, N}},
    {67, {120, 0x43, N}},  {68, {121, 0x44, N}},                       // F1..F10
    {69, {144, 0x45, E}},                                              // Num Lock
    {70, {145, 0x46, N}},                                              // Scroll Lock
    {71, {103, 0x47, N}},  {72, {104, 0x48, N}}, {73, {105, 0x49, N}}, // keypad 7 8 9
    {74, {109, 0x4A, N}},                                              // keypad -
    {75, {100, 0x4B, N}},  {76, {101, 0x4C, N}}, {77, {102, 0x4D, N}}, // keypad 4 5 6
    {78, {107, 0x4E, N}},                                              // keypad +
    {79, {97, 0x4F, N}},   {80, {98, 0x50, N}},  {81, {99, 0x51, N}},  // keypad 1 2 3
    {82, {96, 0x52, N}},                                               // keypad 0
    {83, {110, 0x53, N}},                                              // keypad .
    {86, {226, 0x56, N}},                                              // ISO key beside left Shift
    {87, {122, 0x57, N}},  {88, {123, 0x58, N}},                       // F11, F12
    {89, {193, 0x73, N}},                                              // Ro
    {92, {255, 0x79, N}},                                              // Henkan
    {93, {255, 0x70, N}},                                              // Katakana/Hiragana
    {94, {235, 0x7B, N}},                                              // Muhenkan
    {96, {13, 0x1C, E}},                                               // keypad Enter
    {97, {163, 0x1D, E}},                                              // right Ctrl
    {98, {111, 0x35, E}},                                              // keypad /
    {99, {44, 0x37, E}},                                               // Print Screen
    {100, {165, 0x38, E}},                                             // right Alt
    {102, {36, 0x47, E}},                                              // Home
    {103, {38, 0x48, E}},                                              // Up
    {104, {33, 0x49, E}},                                              // Page Up
    {105, {37, 0x4B, E}},                                              // Left
    {106, {39, 0x4D, E}},                                              // Right
    {107, {35, 0x4F, E}},                                              // End
    {108, {40, 0x50, E}},                                              // Down
    {109, {34, 0x51, E}},                                              // Page Down
    {110, {45, 0x52, E}},                                              // Insert
    {111, {46, 0x53, E}},                                              // Delete
    {119, {19, 0x45, N}},                                              // Pause
    {122, {21, 0x72, N}},                                              // Hangul
    {123, {25, 0x71, N}},                                              // Hanja
    {124, {255, 0x7D, N}},                                             // Yen
    {125, {91, 0x5B, E}},                                              // left Win
    {126, {92, 0x5C, E}},                                              // right Win
    {127, {93, 0x5D, E}},                                              // Menu
};

constexpr int kMaxEvdev = 128;

constexpr std::array<WinKey, kMaxEvdev> buildIndex()
{
    std::array<WinKey, kMaxEvdev> index{};
    for (const Row &row : kRows)
        index[static_cast<size_t>(row.evdev)] = row.key;
    return index;
}

constexpr std::array<WinKey, kMaxEvdev> kIndex = buildIndex();

constexpr int kVkLeftAlt = 164;
constexpr int kVkRightAlt = 165;

} // namespace

std::optional<WinKey> WinInputMap::fromEvdev(int evdevCode)
{
    if (evdevCode < 0 || evdevCode >= kMaxEvdev || kIndex[static_cast<size_t>(evdevCode)].vkCode == 0)
        return std::nullopt;
    return kIndex[static_cast<size_t>(evdevCode)];
}

int WinInputMap::hookFlags(const WinKey &key, bool up, bool altDown)
{
    return (key.extended ? kFlagExtended : 0) | (altDown ? kFlagAltDown : 0) | (up ? kFlagUp : 0);
}

std::optional<InputHookKeyEvent> WinInputMap::keyEvent(int xKeycode, bool up, bool *altDown)
{
    const std::optional<WinKey> key = fromXKeycode(xKeycode);
    if (!key)
        return std::nullopt;
    // Alt's own press already counts as Alt held, its release no longer does.
    if (key->vkCode == kVkLeftAlt || key->vkCode == kVkRightAlt)
        *altDown = !up;
    return InputHookKeyEvent{key->vkCode, key->scanCode, hookFlags(*key, up, *altDown)};
}

int WinInputMap::mouseMessage(int xButton, bool press, quint32 *mouseData)
{
    auto highWord = [](int value) { return static_cast<quint32>(static_cast<quint16>(value)) << 16; };
    *mouseData = 0;
    switch (xButton) {
    case 1:
        return press ? kLeftDown : kLeftUp;
    case 2:
        return press ? kMiddleDown : kMiddleUp;
    case 3:
        return press ? kRightDown : kRightUp;
    case 4:
    case 5:
    case 6:
    case 7:
        // X reports each wheel notch as a press and a release; the notch is the press.
        if (!press)
            return 0;
        *mouseData = highWord(xButton == 4 || xButton == 7 ? kWheelDelta : -kWheelDelta);
        return xButton <= 5 ? kWheel : kHorizontalWheel;
    case 8:
    case 9:
        *mouseData = highWord(xButton - 7);
        return press ? kXButtonDown : kXButtonUp;
    default:
        return 0;
    }
}
