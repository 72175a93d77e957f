#include "lighteffectengine.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace lightgrid;

constexpr float kTwoPi = 6.28318530718f;
constexpr float kCentreRow = (kRows - 1) / 2.0f;
constexpr float kCentreColumn = (kColumns - 1) / 2.0f;

// Effect light types of the keys.
enum KeyType
{
    Static = 0,
    Breath = 1,
    Wave = 2,
    Neon = 3,
    Radar = 4,
    Snake = 5,
    Reactive = 6,
    Aurora = 7,
    Ripple = 8,
    Twinkle = 9,
    Custom = 10,
    Cross = 11,
    SpeedRespond = 12,
    Dpi = 13,
    AutoRipple = 14,
    Striation = 15,
    Fireworks = 16
};

enum SideType
{
    SideStatic = 0,
    SideBreath = 1,
    SideWave = 2,
    SideCollision = 3,
    SideNeon = 4,
    SideClose = 5
};

constexpr int kBreathPeriod = 160;  // ticks of one breath
constexpr float kWaveStep = 0.15f;  // keys per tick
constexpr float kWaveLength = 12.f; // keys
constexpr float kNeonStep = 1.f / 400;
constexpr float kSweepStep = 1.f / 250; // turns per tick
constexpr int kSnakeLength = 10;
constexpr int kSnakeTicksPerKey = 2;
constexpr int kReactiveDecay = 6;
constexpr float kRippleStep = 0.25f;
constexpr float kRippleWidth = 1.2f;
constexpr float kRippleReach = 24.f;
constexpr int kCrossLife = 40;
constexpr float kFireworkReach = 8.f;
constexpr int kTwinkleLife = 60;
constexpr int kSpeedWindow = 150; // ticks over which presses count
constexpr int kAutoRipplePeriod = 40;
constexpr int kCollisionTicksPerStep = 3;
constexpr int kCollisionFlash = 12;

int clampByte(int v)
{
    return std::clamp(v, 0, 255);
}

LightRgb colour1(const colorInfoData &c)
{
    return {clampByte(c.color1Red), clampByte(c.color1Green), clampByte(c.color1Blue)};
}

LightRgb colour2(const colorInfoData &c)
{
    return {clampByte(c.color2Red), clampByte(c.color2Green), clampByte(c.color2Blue)};
}

float frac(float x)
{
    return x - std::floor(x);
}

// Cosine swell between 0 and 255 with `period` units per cycle.
int swell(float u, float period)
{
    return clampByte(int(127.5f + 127.5f * std::cos(kTwoPi * u / period)));
}

struct KeyGeometry
{
    std::array<float, kKeys> radius;
    std::array<float, kKeys> angle; // turns, clockwise on screen from the right
    std::array<int, kKeys> snakeOrder;
};

const KeyGeometry &geometry()
{
    static const KeyGeometry g = [] {
        KeyGeometry out{};
        for (int k = 0; k < kKeys; ++k) {
            const float dy = float(k / kColumns) - kCentreRow;
            const float dx = float(k % kColumns) - kCentreColumn;
            out.radius[k] = std::sqrt(dx * dx + dy * dy);
            out.angle[k] = frac(std::atan2(dy, dx) / kTwoPi);
            // The snake runs the rows back and forth.
            const int row = k / kColumns;
            const int col = k % kColumns;
            out.snakeOrder[k] = row * kColumns + (row % 2 ? kColumns - 1 - col : col);
        }
        return out;
    }();
    return g;
}

void setLit(LightFrameRecord &r, const LightRgb &c, int intensity, int state)
{
    r[LightFrameRecord::Red] = c.r;
    r[LightFrameRecord::Green] = c.g;
    r[LightFrameRecord::Blue] = c.b;
    r[LightFrameRecord::Intensity] = clampByte(intensity);
    r[LightFrameRecord::State] = std::clamp(state, 0, 9);
}

} // namespace

LightRgb lightHue(float turns)
{
    const float h = frac(turns) * 6.f;
    const int sector = std::min(int(h), 5);
    const int rise = int((h - float(sector)) * 255.f + 0.5f);
    const int fall = 255 - rise;
    switch (sector) {
    case 0:
        return {255, rise, 0};
    case 1:
        return {fall, 255, 0};
    case 2:
        return {0, 255, rise};
    case 3:
        return {0, fall, 255};
    case 4:
        return {rise, 0, 255};
    default:
        return {255, 0, fall};
    }
}

LightEffectEngine::LightEffectEngine(uint32_t seed) : m_random(seed)
{
    (void)geometry();
}

void LightEffectEngine::seed(uint32_t value)
{
    m_random.seed(value);
}

uint32_t LightEffectEngine::random()
{
    return uint32_t(m_random());
}

bool LightEffectEngine::keyTypeAnimates(int type)
{
    return (type >= Breath && type <= Twinkle) || (type >= Cross && type <= Fireworks && type != Dpi);
}

bool LightEffectEngine::sideTypeAnimates(int type)
{
    return type >= SideBreath && type <= SideNeon;
}

bool LightEffectEngine::keyTypeInteractive(int type)
{
    return type == Reactive || type == Aurora || type == Ripple || type == Cross || type == SpeedRespond ||
           type == Fireworks;
}

void LightEffectEngine::startKeyEffect(const colorInfoData &config, int keyCount, bool hasSideLight)
{
    m_keyConfig = config;
    m_keyCount = keyCount;
    m_hasSideLight = hasSideLight;
    m_keyTick = 0;
    m_keys = {};
    m_bursts.clear();
    m_twinkleAge.fill(0);
    m_pressTicks.clear();
    m_speedLevel = 0;
    m_autoRipple = {};
    m_rippleColour = {-1, -1, -1};
}

void LightEffectEngine::updateKeyEffect(const colorInfoData &config)
{
    if (config.ledType != m_keyConfig.ledType) {
        startKeyEffect(config, m_keyCount, m_hasSideLight);
        return;
    }
    m_keyConfig = config;
}

void LightEffectEngine::startSideEffect(const colorInfoData &config, int segments)
{
    m_sideConfig = config;
    m_segments = std::clamp(segments, 0, kSideLeds);
    m_sideTick = 0;
    m_side = {};
}

void LightEffectEngine::updateSideEffect(const colorInfoData &config)
{
    if (config.ledType != m_sideConfig.ledType) {
        startSideEffect(config, m_segments);
        return;
    }
    m_sideConfig = config;
}

LightRgb LightEffectEngine::keyColour(float hueTurns) const
{
    return m_keyConfig.fullColorMode == 1 ? lightHue(hueTurns) : colour1(m_keyConfig);
}

LightRgb LightEffectEngine::sideColour(float hueTurns) const
{
    return m_sideConfig.fullColorMode == 1 ? lightHue(hueTurns) : colour1(m_sideConfig);
}

void LightEffectEngine::keyPressed(int row, int column)
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return;
    ++m_pressCount;
    switch (m_keyConfig.ledType) {
    case Reactive:
    case Aurora:
    case Ripple:
    case Cross:
    case Fireworks:
        addBurst(row, column);
        break;
    case SpeedRespond:
        m_pressTicks.push_back(m_keyTick);
        break;
    default:
        break;
    }
}

void LightEffectEngine::addBurst(int row, int column)
{
    const LightRgb colour = keyColour(float(m_pressCount) * 0.137f);
    m_rippleColour = colour;
    // A press on a key that still glows restarts it instead of piling up bursts.
    m_bursts.erase(
        std::remove_if(m_bursts.begin(), m_bursts.end(),
                       [&](const Burst &b) { return b.row == float(row) && b.column == float(column); }),
        m_bursts.end());
    if (m_bursts.size() >= 32)
        m_bursts.erase(m_bursts.begin());
    m_bursts.push_back({float(row), float(column), m_keyTick, colour});
}

std::array<uint8_t, 5> LightEffectEngine::collisionState() const
{
    const int n = std::max(m_segments, 1);
    const int half = (n + 1) / 2;
    const int cycle = half * kCollisionTicksPerStep + kCollisionFlash;
    const int phase = m_sideTick % cycle;
    const int step = std::min(phase / kCollisionTicksPerStep, half - 1);
    const bool met = phase >= half * kCollisionTicksPerStep;
    return {uint8_t(phase & 0xff), uint8_t(step & 0xff), uint8_t((n - 1 - step) & 0xff), uint8_t(met ? 1 : 0),
            uint8_t((m_sideTick / cycle) & 0xff)};
}

LightRgb LightEffectEngine::mix(int row, int column) const
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return {};
    const LightFrameRecord &r = m_keys[size_t(row * kColumns + column)];
    const int a = r[LightFrameRecord::Intensity];
    const LightRgb c2 = colour2(m_keyConfig);
    return {(r[0] * a + (255 - a) * c2.r) / 255, (r[1] * a + (255 - a) * c2.g) / 255,
            (r[2] * a + (255 - a) * c2.b) / 255};
}

const LightEffectEngine::KeyFrame &LightEffectEngine::stepKeys()
{
    stepKey(m_keyConfig.ledType);
    ++m_keyTick;
    return m_keys;
}

void LightEffectEngine::stepKey(int type)
{
    const KeyGeometry &g = geometry();
    const float t = float(m_keyTick);
    const int dir = m_keyConfig.ledDirection;
    for (LightFrameRecord &r : m_keys)
        r = {};
    switch (type) {
    case Static: {
        const LightRgb c = colour1(m_keyConfig);
        for (LightFrameRecord &r : m_keys)
            setLit(r, c, 255, 0);
        break;
    }
    case Breath: {
        const int a = 255 - swell(float(m_keyTick % kBreathPeriod), float(kBreathPeriod));
        const LightRgb c = keyColour(float(m_keyTick / kBreathPeriod) / 7.f);
        for (LightFrameRecord &r : m_keys)
            setLit(r, c, a, 0);
        break;
    }
    case Wave:
    case Aurora: {
        float originRow = kCentreRow;
        float originColumn = kCentreColumn;
        if (type == Aurora && !m_bursts.empty()) {
            originRow = m_bursts.back().row;
            originColumn = m_bursts.back().column;
        }
        for (int k = 0; k < kKeys; ++k) {
            const float row = float(k / kColumns);
            const float col = float(k % kColumns);
            const float radius = std::hypot(row - originRow, col - originColumn);
            float s = 0;
            switch (dir) {
            case lighttypes::Left:
                s = -col;
                break;
            case lighttypes::Up:
                s = -row;
                break;
            case lighttypes::Down:
                s = row;
                break;
            case lighttypes::Dispersion:
                s = radius;
                break;
            case lighttypes::Gather:
                s = -radius;
                break;
            case lighttypes::CW:
                s = g.angle[size_t(k)] * kWaveLength * 2;
                break;
            case lighttypes::UnCW:
                s = -g.angle[size_t(k)] * kWaveLength * 2;
                break;
            default:
                s = col;
                break;
            }
            const float u = s - kWaveStep * t;
            if (m_keyConfig.fullColorMode == 1)
                setLit(m_keys[size_t(k)], lightHue(-u / (kWaveLength * 2)), 255, 0);
            else
                setLit(m_keys[size_t(k)], colour1(m_keyConfig), swell(u, kWaveLength), 0);
        }
        break;
    }
    case Neon: {
        const LightRgb c = lightHue(t * kNeonStep);
        for (LightFrameRecord &r : m_keys)
            setLit(r, c, 255, 0);
        break;
    }
    case Radar:
    case Striation: {
        const bool anticlockwise = dir == lighttypes::UnCW;
        const float sweep = (anticlockwise ? -1.f : 1.f) * t * kSweepStep;
        for (int k = 0; k < kKeys; ++k) {
            const float angle = g.angle[size_t(k)];
            if (type == Radar) {
                const float behind = anticlockwise ? frac(angle - sweep) : frac(sweep - angle);
                const int a = clampByte(int(255.f * (1.f - behind / 0.35f)));
                // The beam's fade is in the colour too: a full-colour view shows the key's own
                // colour whatever its intensity, and would show a still colour wheel.
                const LightRgb c = keyColour(angle);
                setLit(m_keys[size_t(k)], {c.r * a / 255, c.g * a / 255, c.b * a / 255}, a, a > 0 ? 1 : 0);
            } else {
                const float theta = kTwoPi * sweep;
                const float row = float(k / kColumns) - kCentreRow;
                const float col = float(k % kColumns) - kCentreColumn;
                const float u = col * std::cos(theta) + row * std::sin(theta);
                setLit(m_keys[size_t(k)], keyColour(u / 12.f), swell(u, 6.f), 0);
            }
        }
        break;
    }
    case Snake:
        stepSnake();
        break;
    case Reactive:
    case Ripple:
        stepBursts(kRippleWidth, false, false);
        break;
    case Cross:
        stepBursts(0, true, false);
        break;
    case Fireworks:
        stepBursts(kRippleWidth, false, true);
        break;
    case Twinkle:
        stepTwinkle();
        break;
    case SpeedRespond:
        stepSpeedRespond();
        break;
    case AutoRipple:
        stepAutoRipple();
        break;
    default:
        break; // Custom, DPI, music and unknown types: the engine's frames stay dark.
    }
}

void LightEffectEngine::stepSnake()
{
    const KeyGeometry &g = geometry();
    const int head = m_keyTick / kSnakeTicksPerKey;
    const bool reverse = m_keyConfig.ledDirection == lighttypes::UnCW;
    for (int k = 0; k < kKeys; ++k) {
        int p = g.snakeOrder[size_t(k)];
        if (reverse)
            p = kKeys - 1 - p;
        const int behind = ((head - p) % kKeys + kKeys) % kKeys;
        if (behind >= kSnakeLength)
            continue;
        const LightRgb c = keyColour(float(behind) / kSnakeLength + float(head) / kKeys);
        setLit(m_keys[size_t(k)], c, 255 - behind * 20, 1 + behind * 9 / kSnakeLength);
    }
}

void LightEffectEngine::stepBursts(float width, bool cross, bool sparkle)
{
    const int type = m_keyConfig.ledType;
    const float reach = sparkle ? kFireworkReach : kRippleReach;
    std::array<int, kKeys> best{};
    std::array<const Burst *, kKeys> from{};
    auto offer = [&](int row, int col, int a, const Burst &b) {
        const size_t k = size_t(row * kColumns + col);
        if (a > best[k]) {
            best[k] = a;
            from[k] = &b;
        }
    };
    for (const Burst &b : m_bursts) {
        const int age = m_keyTick - b.born;
        const int row0 = int(b.row);
        const int col0 = int(b.column);
        if (type == Reactive) {
            offer(row0, col0, 255 - age * kReactiveDecay, b);
        } else if (cross) {
            const int spread = int(float(age) * kRippleStep * 2);
            const int a = 255 - age * 255 / kCrossLife;
            for (int col = std::max(0, col0 - spread); col <= std::min(kColumns - 1, col0 + spread); ++col)
                offer(row0, col, a, b);
            for (int row = std::max(0, row0 - spread); row <= std::min(kRows - 1, row0 + spread); ++row)
                offer(row, col0, a, b);
        } else {
            // Only the keys of the ring's bounding box can be lit.
            const float radius = float(age) * kRippleStep;
            const int span = int(radius + width) + 1;
            const float outer2 = (radius + width) * (radius + width);
            const float inner2 = radius > width ? (radius - width) * (radius - width) : -1.f;
            for (int row = std::max(0, row0 - span); row <= std::min(kRows - 1, row0 + span); ++row) {
                for (int col = std::max(0, col0 - span); col <= std::min(kColumns - 1, col0 + span); ++col) {
                    const float dy = float(row) - b.row;
                    const float dx = float(col) - b.column;
                    const float d2 = dx * dx + dy * dy;
                    if (d2 >= outer2 || d2 <= inner2)
                        continue;
                    const float d = std::sqrt(d2);
                    const float ring = 1.f - std::abs(d - radius) / width;
                    if (ring <= 0)
                        continue;
                    int a = int(255.f * ring * (1.f - radius / reach));
                    // A firework's ring breaks into sparks that flicker out.
                    const uint32_t k = uint32_t(row * kColumns + col);
                    if (sparkle && ((k * 2654435761u + uint32_t(b.born) * 40503u) >> 7) % 3 == 0)
                        a /= 4;
                    offer(row, col, a, b);
                }
            }
        }
    }
    for (size_t k = 0; k < best.size(); ++k)
        if (best[k] > 0)
            setLit(m_keys[k], from[k]->colour, best[k], 1);
    const int life = type == Reactive ? 255 / kReactiveDecay + 1
                                      : (cross ? kCrossLife : int((reach + kRippleWidth) / kRippleStep) + 1);
    m_bursts.erase(std::remove_if(m_bursts.begin(), m_bursts.end(),
                                  [&](const Burst &b) { return m_keyTick - b.born >= life; }),
                   m_bursts.end());
}

void LightEffectEngine::stepTwinkle()
{
    // About one new star every three ticks; each lives kTwinkleLife ticks.
    if (random() % 3 == 0) {
        const int k = int(random() % kKeys);
        if (m_twinkleAge[size_t(k)] == 0) {
            m_twinkleAge[size_t(k)] = 1;
            m_twinkleColour[size_t(k)] = keyColour(float(random() % 360) / 360.f);
        }
    }
    for (int k = 0; k < kKeys; ++k) {
        int &age = m_twinkleAge[size_t(k)];
        if (age == 0)
            continue;
        const int half = kTwinkleLife / 2;
        const int a = age <= half ? age * 255 / half : (kTwinkleLife - age) * 255 / half;
        setLit(m_keys[size_t(k)], m_twinkleColour[size_t(k)], a, a > 0 ? 1 : 0);
        age = age >= kTwinkleLife ? 0 : age + 1;
    }
}

void LightEffectEngine::stepSpeedRespond()
{
    m_pressTicks.erase(std::remove_if(m_pressTicks.begin(), m_pressTicks.end(),
                                      [&](int tick) { return m_keyTick - tick >= kSpeedWindow; }),
                       m_pressTicks.end());
    const int target = std::min(kRows, int(m_pressTicks.size() + 1) / 2);
    // The bar climbs at once and sinks one row at a time.
    if (target > m_speedLevel)
        m_speedLevel = target;
    else if (target < m_speedLevel && m_keyTick % 10 == 0)
        --m_speedLevel;
    const bool down = m_keyConfig.ledDirection == lighttypes::Down;
    for (int row = 0; row < kRows; ++row) {
        const int level = down ? row + 1 : kRows - row; // 1 at the bar's foot
        if (level > m_speedLevel)
            continue;
        const LightRgb c = keyColour(0.33f - 0.33f * float(level - 1) / (kRows - 1));
        for (int col = 0; col < kColumns; ++col) {
            LightFrameRecord &r = m_keys[size_t(row * kColumns + col)];
            setLit(r, c, 255, 1);
            r[LightFrameRecord::Level] = level;
        }
    }
}

void LightEffectEngine::stepAutoRipple()
{
    bool started = false;
    if (m_keyTick % kAutoRipplePeriod == 0) {
        const int row = int(random() % kRows);
        const int col = int(random() % kColumns);
        ++m_pressCount;
        const LightRgb colour = keyColour(float(m_pressCount) * 0.137f);
        m_bursts.push_back({float(row), float(col), m_keyTick, colour});
        m_autoRipple = {col, row, colour.r, colour.g, colour.b};
        started = true;
    }
    stepBursts(kRippleWidth, false, false);
    m_keys[0][LightFrameRecord::Flag] = started ? 1 : 0;
}

const LightEffectEngine::SideFrame &LightEffectEngine::stepSide()
{
    for (LightFrameRecord &r : m_side)
        r = {};
    const int n = m_segments;
    const float t = float(m_sideTick);
    switch (m_sideConfig.ledType) {
    case SideStatic:
        for (int k = 0; k < n; ++k)
            setLit(m_side[size_t(k)], colour1(m_sideConfig), 255, 0);
        break;
    case SideBreath: {
        const int a = 255 - swell(float(m_sideTick % kBreathPeriod), float(kBreathPeriod));
        const LightRgb c = sideColour(float(m_sideTick / kBreathPeriod) / 7.f);
        for (int k = 0; k < n; ++k)
            setLit(m_side[size_t(k)], c, a, 0);
        break;
    }
    case SideWave:
        for (int k = 0; k < n; ++k) {
            const float u = float(k) - kWaveStep * t;
            if (m_sideConfig.fullColorMode == 1)
                setLit(m_side[size_t(k)], lightHue(-u / float(std::max(n, 1))), 255, 0);
            else
                setLit(m_side[size_t(k)], colour1(m_sideConfig), swell(u, kWaveLength), 0);
        }
        break;
    case SideCollision: {
        const std::array<uint8_t, 5> s = collisionState();
        const int step = s[1];
        const bool met = s[3] != 0;
        const LightRgb left = sideColour(float(s[4]) * 0.17f);
        const LightRgb right = sideColour(float(s[4]) * 0.17f + 0.5f);
        for (int k = 0; k < n; ++k) {
            LightFrameRecord &r = m_side[size_t(k)];
            int a = 0;
            bool fromLeft = k < n / 2;
            if (met) {
                a = 255 - (s[0] - (n + 1) / 2 * kCollisionTicksPerStep) * 255 / kCollisionFlash;
            } else {
                const int trail = fromLeft ? step - k : k - (n - 1 - step);
                if (trail >= 0 && trail < 4)
                    a = 255 - trail * 60;
            }
            if (a <= 0)
                continue;
            setLit(r, fromLeft ? left : right, a, 1);
            const LightRgb &other = fromLeft ? right : left;
            r[LightFrameRecord::SecondRed] = other.r;
            r[LightFrameRecord::SecondGreen] = other.g;
            r[LightFrameRecord::SecondBlue] = other.b;
        }
        break;
    }
    case SideNeon: {
        const LightRgb c = lightHue(t * kNeonStep);
        for (int k = 0; k < n; ++k)
            setLit(m_side[size_t(k)], c, 255, 0);
        break;
    }
    default:
        break; // Close and unknown types stay dark.
    }
    ++m_sideTick;
    return m_side;
}
