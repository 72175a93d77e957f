#pragma once

#include <QByteArray>

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
};
