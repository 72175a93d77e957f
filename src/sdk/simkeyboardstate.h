#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <vector>

// What the simulated keyboard's firmware remembers. Tests read and change it through
// SimKeyboard::state() and SimKeyboard::update(); command handlers work on it directly.
struct SimKeyboardState
{
    QByteArray serialNumber; // as the keyboard reports it; may be empty or invalid on purpose
    QByteArray layoutText = "1,0,0,0,Default";

    // Light-type lists: the types, then the step counts sent after the marker.
    std::vector<uint8_t> keyboardLightTypes;
    uint8_t keyboardSpeedSteps = 5;
    uint8_t keyboardBrightnessSteps = 5;
    std::vector<uint8_t> sideLightTypes; // empty: no side light
    uint8_t sideSpeedSteps = 5;
    uint8_t sideBrightnessSteps = 5;

    // Bytes 6..17 of the light configuration replies: type, brightness-1, speed-1, colour 1,
    // colour 2, direction, full-colour flag, extra.
    std::array<uint8_t, 12> keyboardLight{};
    std::array<uint8_t, 12> sideLight{};

    bool winLock = false;
    uint8_t charging = 0; // 0 none, 1 charging, 2 full
    uint8_t battery = 100;
    bool keyboardReachable = true; // through a receiver: whether the keyboard answers it
    uint8_t downloadState = 0;
    uint8_t keyboardMode = 0;

    // Settings (0x13) and magnetic-switch state (0x29), answered by the link handlers.
    int resetCount = 0;
    std::array<uint8_t, 4> winLockSwitches{}; // Windows key, Shift+Tab, Alt+F4, Alt+Tab
    uint16_t lightSleepSeconds = 300;
    uint16_t keyboardSleepSeconds = 600;
    uint8_t prohibitSleep = 0;
    bool acknowledgeSleepTimes = true;
    uint8_t keyTravelMax = 40; // 0.1 mm
    uint8_t antiShake = 5;
    uint8_t reportRate = 1;
    uint8_t calibrationResult = 0; // 0 success, 2 failure
    // Per key, row-major over the 6 x 22 matrix: mode, press, release, quick-trigger press and release.
    static constexpr std::array<uint8_t, 5> kDefaultTrigger{0, 20, 20, 5, 5};
    std::array<std::array<uint8_t, 5>, 132> keyTriggers = [] {
        std::array<std::array<uint8_t, 5>, 132> t;
        t.fill(kDefaultTrigger);
        return t;
    }();
    std::array<uint8_t, 22> selection{}; // column bitmap of the trigger tab's selection

    // Light streaming from the computer (0x16 on/off, 0x0e frames, 0x28 state reports).
    struct LightStream
    {
        bool synchronised = false; // the last 0x16 switched streaming on
        int syncReports = 0;
        // Frames that arrived whole and in order, and frames broken off by a missing, repeated or
        // out-of-order packet.
        int frames = 0;
        int brokenFrames = 0;
        // The colour bytes (red, green, blue per LED) of the last whole frame, and of the one in
        // progress; `nextArea`/`nextPacket` name the packet the frame in progress expects.
        std::vector<uint8_t> keys;
        std::vector<uint8_t> side;
        std::vector<uint8_t> pendingKeys;
        std::vector<uint8_t> pendingSide;
        int nextArea = 0;
        int nextPacket = 0;
        int stateReports = 0;
        std::array<uint8_t, 64> lastState{};
    } stream;

    // Custom-light key colours (0x08) in the keyboard's slots 0 to 2: the colour bytes (red, green,
    // blue for each of the 132 key positions) of the last upload that arrived whole, and how many
    // did; an upload with a missing, repeated or out-of-order packet is counted as broken and kept
    // out of the slot.
    struct CustomColours
    {
        static constexpr int kSlots = 3;
        std::array<std::vector<uint8_t>, kSlots> slotColours;
        std::array<int, kSlots> uploads{};
        int brokenUploads = 0;
        std::vector<uint8_t> pending;
        int pendingSlot = -1;
        int nextPacket = 0;
    } custom;
};
