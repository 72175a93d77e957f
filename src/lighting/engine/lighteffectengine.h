#pragma once

#include "colorinfodata.h"

#include <array>
#include <cstdint>
#include <random>
#include <vector>

// One LED's state in an effect frame: colour, a second colour, intensity, fade mode, state (1..9 lit
// by the running effect), level and the new-automatic-ripple flag.
struct LightFrameRecord
{
    int32_t v[11] = {};

    enum Field
    {
        Red = 0,
        Green = 1,
        Blue = 2,
        SecondRed = 3,
        SecondGreen = 4,
        SecondBlue = 5,
        Intensity = 6,
        Fade = 7,
        State = 8,
        Level = 9,
        Flag = 10
    };
    int32_t &operator[](int i) { return v[i]; }
    int32_t operator[](int i) const { return v[i]; }
};

struct LightRgb
{
    int r = 0;
    int g = 0;
    int b = 0;
    bool isBlack() const { return r == 0 && g == 0 && b == 0; }
    bool operator==(const LightRgb &o) const { return r == o.r && g == o.g && b == o.b; }
};

namespace lightgrid {
constexpr int kRows = 6;
constexpr int kColumns = 22;
constexpr int kKeys = kRows * kColumns;
constexpr int kSideLeds = 60;
} // namespace lightgrid

// Computes the key and side-light effects frame by frame. Each step advances the effect by one tick;
// the caller paces the steps (the speed setting is the tick interval), so an effect never applies
// speed or brightness itself. Single-threaded; deterministic for a given seed and input.
class LightEffectEngine
{
public:
    using KeyFrame = std::array<LightFrameRecord, lightgrid::kKeys>;
    using SideFrame = std::array<LightFrameRecord, lightgrid::kSideLeds>;

    explicit LightEffectEngine(uint32_t seed = 0x7431u);

    void seed(uint32_t value);

    // A new key effect starts from its first frame; an update keeps the running state.
    void startKeyEffect(const colorInfoData &config, int keyCount, bool hasSideLight);
    void updateKeyEffect(const colorInfoData &config);
    // The side effect runs over `segments` entries (at most 60).
    void startSideEffect(const colorInfoData &config, int segments);
    void updateSideEffect(const colorInfoData &config);

    const KeyFrame &stepKeys();
    const SideFrame &stepSide();
    const KeyFrame &keyFrame() const { return m_keys; }
    const SideFrame &sideFrame() const { return m_side; }

    // A key press at matrix position (row, column); interactive effects start from it.
    void keyPressed(int row, int column);

    // The colour the key effect gives (row, column) in the last frame: the effect colour over colour 2.
    LightRgb mix(int row, int column) const;
    // The colour of the ripple started by the latest press.
    LightRgb rippleColor() const { return m_rippleColour; }
    // The latest automatic ripple: column, row, red, green, blue.
    std::array<int, 5> autoRippleConfig() const { return m_autoRipple; }
    // The side collision: phase, left runner, right runner, met flag, round (each 0..255).
    std::array<uint8_t, 5> collisionState() const;

    // Whether the frames change from tick to tick: Static, Custom, DPI and music do not.
    static bool keyTypeAnimates(int type);
    static bool sideTypeAnimates(int type);
    static bool keyTypeInteractive(int type);

    int keyTick() const { return m_keyTick; }

private:
    struct Burst
    {
        float row;
        float column;
        int born;
        LightRgb colour;
    };

    LightRgb keyColour(float hueTurns) const;
    LightRgb sideColour(float hueTurns) const;
    void addBurst(int row, int column);
    void stepKey(int type);
    void stepBursts(float width, bool cross, bool sparkle);
    void stepTwinkle();
    void stepSnake();
    void stepSpeedRespond();
    void stepAutoRipple();
    uint32_t random();

    colorInfoData m_keyConfig;
    colorInfoData m_sideConfig;
    int m_keyCount = lightgrid::kKeys;
    bool m_hasSideLight = false;
    int m_segments = 0;
    int m_keyTick = 0;
    int m_sideTick = 0;
    KeyFrame m_keys{};
    SideFrame m_side{};
    std::vector<Burst> m_bursts;
    std::array<int, lightgrid::kKeys> m_twinkleAge{};
    std::array<LightRgb, lightgrid::kKeys> m_twinkleColour{};
    std::vector<int> m_pressTicks;
    int m_speedLevel = 0;
    LightRgb m_rippleColour{-1, -1, -1};
    std::array<int, 5> m_autoRipple{};
    int m_pressCount = 0;
    std::mt19937 m_random;
};

// Hue (in turns, any real value) at full saturation and value, as 8-bit RGB.
LightRgb lightHue(float turns);
