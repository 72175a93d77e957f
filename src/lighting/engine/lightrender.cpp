#include "lightrender.h"

#include <algorithm>

void LightDimming::setSteps(int brightnessSteps)
{
    m_steps = brightnessSteps > 0 ? brightnessSteps : 1;
    m_step = 160 / m_steps;
}

int LightDimming::level(int brightness) const
{
    const int b = std::clamp(brightness, 1, m_steps + 1);
    return m_steps + 2 - b;
}

int LightDimming::factor(int brightness) const
{
    return 100 + (level(brightness) - 1) * m_step;
}

QColor LightDimming::apply(const QColor &c, int brightness) const
{
    const int f = factor(brightness);
    return f == 100 ? c : c.darker(f);
}

namespace lighttiming {

namespace {
constexpr int kFive[] = {28, 24, 16, 12, 8};
constexpr int kTen[] = {28, 26, 24, 22, 20, 17, 14, 12, 10, 8};

template <std::size_t N> int pick(const int (&table)[N], int index)
{
    return table[std::clamp(index, 0, int(N) - 1)];
}
} // namespace

int keyInterval(int speedIndex, int speedSteps)
{
    return speedSteps <= 4 ? pick(kFive, speedIndex) : pick(kTen, speedIndex);
}

int sideInterval(int speedIndex, int speedSteps)
{
    return speedSteps == 4 ? pick(kFive, speedIndex) : pick(kTen, speedIndex);
}

} // namespace lighttiming

LightView LightView::of(const colorInfoData &record)
{
    auto byte = [](int v) { return std::clamp(v, 0, 255); };
    LightView v;
    v.type = record.ledType;
    v.brightness = record.ledBrightness;
    v.colour1 = {byte(record.color1Red), byte(record.color1Green), byte(record.color1Blue)};
    v.colour2 = {byte(record.color2Red), byte(record.color2Green), byte(record.color2Blue)};
    v.fullColour = record.fullColorMode == 1;
    return v;
}

namespace lightrender {

namespace {

LightRgb own(const LightFrameRecord &r)
{
    return {r[0], r[1], r[2]};
}

LightRgb blend(const LightRgb &x, const LightRgb &y, int a)
{
    return {(x.r * a + (255 - a) * y.r) / 256, (x.g * a + (255 - a) * y.g) / 256,
            (x.b * a + (255 - a) * y.b) / 256};
}

LightRgb scaled(const LightRgb &x, int a)
{
    return {x.r * a / 256, x.g * a / 256, x.b * a / 256};
}

bool lit(const LightFrameRecord &r)
{
    return r[LightFrameRecord::State] >= 1 && r[LightFrameRecord::State] <= 9;
}

struct Shade
{
    LightRgb colour;
    int alpha;
};

// The colour and alpha one key record gets, before dimming; `ok` false for a type without renderer.
Shade keyShade(const MixSource &mix, int row, int column, const LightFrameRecord &r, const LightView &v,
               bool &ok)
{
    const int a = r[LightFrameRecord::Intensity];
    const int capped = std::min(a, 200);
    const bool c1 = !v.colour1.isBlack();
    const bool c2 = !v.colour2.isBlack();
    const bool full = v.fullColour;
    ok = true;
    switch (v.type) {
    case 0:
        return {own(r), c1 ? 180 : 0};
    case 1: {
        const LightRgb s = scaled(own(r), a);
        return {s, c1 || !s.isBlack() ? capped : 0};
    }
    case 2:
        return full ? Shade{own(r), 180} : Shade{blend(v.colour1, v.colour2, a), c1 ? 180 : capped};
    case 3:
        return full ? Shade{own(r), 180} : Shade{blend(own(r), v.colour2, a), c1 ? 180 : capped};
    case 4:
        return full ? Shade{own(r), 180} : Shade{blend(v.colour1, v.colour2, a), c2 ? 180 : capped};
    case 5:
        return full ? Shade{mix(row, column), c2 || lit(r) ? 180 : capped}
                    : Shade{blend(own(r), v.colour2, a), c2 ? 180 : capped};
    case 6:
    case 7:
    case 11:
    case 15:
    case 16:
        return {mix(row, column), c2 || (full && lit(r)) ? 180 : capped};
    case 8:
    case 12:
    case 14:
        return {mix(row, column), c2 ? 180 : capped};
    case 9:
        if (!c2)
            return {scaled(own(r), capped), capped};
        return {blend(own(r), v.colour2, a), 180};
    default:
        ok = false;
        return {};
    }
}

QColor toColour(const Shade &s)
{
    return QColor(s.colour.r, s.colour.g, s.colour.b, std::clamp(s.alpha, 0, 255));
}

} // namespace

bool renderKeys(const LightEffectEngine::KeyFrame &frame, const MixSource &mix, const LightView &view,
                const LightDimming &dim, KeyColours &out, std::map<int, int> *levels)
{
    const bool speedRespond = view.type == 12;
    if (speedRespond && levels)
        levels->clear();
    for (int row = 0; row < lightgrid::kRows; ++row) {
        for (int column = 0; column < lightgrid::kColumns; ++column) {
            const size_t k = size_t(row * lightgrid::kColumns + column);
            bool ok = false;
            const Shade s = keyShade(mix, row, column, frame[k], view, ok);
            if (!ok)
                return false;
            if (speedRespond && levels && column == 0) {
                const int a = frame[k][LightFrameRecord::Intensity];
                const int v = view.colour2.isBlack() ? std::min(a, 200) : a;
                if (v > 0)
                    (*levels)[frame[k][LightFrameRecord::Level]] = v;
            }
            out[k] = dim.apply(toColour(s), view.brightness);
        }
    }
    return true;
}

bool renderSide(const LightEffectEngine::SideFrame &frame, int count, const LightView &v,
                const LightDimming &dim, SideColours &out)
{
    if (v.type < 0 || v.type > 5)
        return false;
    const bool c1 = !v.colour1.isBlack();
    const bool c2 = !v.colour2.isBlack();
    const bool full = v.fullColour;
    const int n = std::clamp(count, 0, lightgrid::kSideLeds);
    for (int k = 0; k < n; ++k) {
        const LightFrameRecord &r = frame[size_t(k)];
        const int a = r[LightFrameRecord::Intensity];
        const int capped = std::min(a, 200);
        Shade s;
        switch (v.type) {
        case 0:
            s = {own(r), c1 ? 250 : 0};
            break;
        case 1:
            s.colour = scaled(own(r), a);
            s.alpha = c2 || !s.colour.isBlack() ? capped : 0;
            break;
        case 2:
            s = full ? Shade{own(r), 250} : Shade{blend(v.colour1, v.colour2, a), c2 ? 250 : capped};
            break;
        case 3:
            s = full ? Shade{blend(own(r), {r[3], r[4], r[5]}, a), c2 || lit(r) ? 250 : capped}
                     : Shade{blend(own(r), v.colour2, a), c2 ? 250 : capped};
            break;
        case 4:
            s = full ? Shade{own(r), 250} : Shade{blend(own(r), v.colour2, a), c2 ? 250 : capped};
            break;
        default:
            out[size_t(k)] = QColor(0, 0, 0, 0);
            continue;
        }
        out[size_t(k)] = dim.apply(toColour(s), v.brightness);
    }
    return true;
}

QColor renderCustom(const LightRgb &c, int brightness, const LightDimming &dim)
{
    return dim.apply(QColor(c.r, c.g, c.b, c.isBlack() ? 0 : 180), brightness);
}

} // namespace lightrender
