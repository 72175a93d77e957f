#pragma once

#include "inputhook.h"

#include <optional>

// Windows virtual-key code, set-1 scan code and extended bit of one physical key.
struct WinKey
{
    int vkCode;
    int scanCode;
    bool extended;
};

// The one translation from physical keys and buttons to the Windows codes the rest of the
// program works with. Physical keys are named by their evdev code; the X server's key code is
// the evdev code plus 8, and so is Qt's native scan code on xcb and Wayland.
class WinInputMap
{
public:
    static constexpr int kFlagExtended = 0x01;
    static constexpr int kFlagInjected = 0x10;
    static constexpr int kFlagAltDown = 0x20;
    static constexpr int kFlagUp = 0x80;

    static constexpr int kMouseMove = 0x200;
    static constexpr int kLeftDown = 0x201;
    static constexpr int kLeftUp = 0x202;
    static constexpr int kRightDown = 0x204;
    static constexpr int kRightUp = 0x205;
    static constexpr int kMiddleDown = 0x207;
    static constexpr int kMiddleUp = 0x208;
    static constexpr int kWheel = 0x20A;
    static constexpr int kXButtonDown = 0x20B;
    static constexpr int kXButtonUp = 0x20C;
    static constexpr int kHorizontalWheel = 0x20E;
    static constexpr int kWheelDelta = 120;

    static std::optional<WinKey> fromEvdev(int evdevCode);
    static std::optional<WinKey> fromXKeycode(int xKeycode) { return fromEvdev(xKeycode - 8); }

    // Flag word of a key event: extended bit, Alt held, key up.
    static int hookFlags(const WinKey &key, bool up, bool altDown);

    // Builds the hook event of an X key code going down or up and keeps `altDown` (the caller's
    // record of a held Alt key) current. Keys without a Windows code give nothing.
    static std::optional<InputHookKeyEvent> keyEvent(int xKeycode, bool up, bool *altDown);

    // Mouse message for an X button (1 left, 2 middle, 3 right, 4/5 wheel, 6/7 horizontal
    // wheel, 8/9 extra buttons) going down or up; 0 when nothing is reported (wheel releases,
    // unknown buttons). `mouseData` receives the wheel delta or the extra-button number in its
    // high word.
    static int mouseMessage(int xButton, bool press, quint32 *mouseData);
};
