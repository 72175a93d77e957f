#pragma once

#include "lighteffectengine.h"

#include <QColor>
#include <array>
#include <functional>
#include <map>

// How the brightness setting darkens a target's colours: brightness b of `steps` + 1 levels gives
// the QColor::darker factor 100 + (map[b] - 1) * (160 / steps), map[b] = steps + 2 - b. A brightness
// from a profile or a keyboard outside 1 .. steps + 1 is pulled to the nearest end.
class LightDimming
{
public:
    void setSteps(int brightnessSteps);
    int steps() const { return m_steps; }
    int step() const { return m_step; }
    int level(int brightness) const; // map[b]
    int factor(int brightness) const;
    QColor apply(const QColor &c, int brightness) const;

private:
    int m_steps = 1;
    int m_step = 22;
};

namespace lighttiming {
constexpr int kMinInterval = 8;
constexpr int kMaxInterval = 28;
constexpr int kPreviewInterval = 30;
// The tick interval of a 0-based speed index: the five-step table when `keys` and speedSteps <= 4
// or when the side light has exactly 4 steps, the ten-step table otherwise. Out-of-range indices
// are pulled into the table.
int keyInterval(int speedIndex, int speedSteps);
int sideInterval(int speedIndex, int speedSteps);
} // namespace lighttiming

// The parts of a light record the renderers read.
struct LightView
{
    int type = 0;
    int brightness = 1;
    LightRgb colour1;
    LightRgb colour2;
    bool fullColour = false;

    static LightView of(const colorInfoData &record);
};

namespace lightrender {

using KeyColours = std::array<QColor, lightgrid::kKeys>;
using SideColours = std::array<QColor, lightgrid::kSideLeds>;

// Turns the effect's key frame into preview colours with alpha. Types without a renderer (Custom,
// DPI, music, unknown) return false and leave `out` alone. Speed Respond fills `levels`.
// `mix` answers the effect's mixed colour of a key of this frame.
using MixSource = std::function<LightRgb(int row, int column)>;
bool renderKeys(const LightEffectEngine::KeyFrame &frame, const MixSource &mix, const LightView &view,
                const LightDimming &dim, KeyColours &out, std::map<int, int> *levels);

// The side frame's first `count` records into `out`; false for a type without a renderer.
bool renderSide(const LightEffectEngine::SideFrame &frame, int count, const LightView &view,
                const LightDimming &dim, SideColours &out);

// A custom scheme colour: alpha 180, or 0 for black, dimmed.
QColor renderCustom(const LightRgb &c, int brightness, const LightDimming &dim);

} // namespace lightrender
