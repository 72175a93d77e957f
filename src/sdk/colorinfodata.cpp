#include "colorinfodata.h"

#include <QtGlobal>

#include <cstring>
#include <iterator>

bool colorInfoData::operator==(const colorInfoData &o) const
{
    return std::memcmp(this, &o, sizeof(colorInfoData)) == 0;
}

namespace lighttypes {

namespace {

const Entry kKeyboardTypes[] = {
    {0, QT_TRANSLATE_NOOP("DLightsConfigPage", "Static"), 0, Right},
    {1, QT_TRANSLATE_NOOP("DLightsConfigPage", "Breath"), 2, Right},
    {2, QT_TRANSLATE_NOOP("DLightsConfigPage", "Wave"), 3, Right},
    {3, QT_TRANSLATE_NOOP("DLightsConfigPage", "Neon"), 1, Right},
    {4, QT_TRANSLATE_NOOP("DLightsConfigPage", "Radar"), 6, CW},
    {5, QT_TRANSLATE_NOOP("DLightsConfigPage", "Snake"), 5, CW},
    {6, QT_TRANSLATE_NOOP("DLightsConfigPage", "Reactive"), 11, Right},
    {7, QT_TRANSLATE_NOOP("DLightsConfigPage", "Aurora"), 9, Dispersion},
    {8, QT_TRANSLATE_NOOP("DLightsConfigPage", "Ripple"), 10, Dispersion},
    {9, QT_TRANSLATE_NOOP("DLightsConfigPage", "Twinkle"), 4, Right},
    {10, QT_TRANSLATE_NOOP("DLightsConfigPage", "Custom"), 17, Right},
    {11, QT_TRANSLATE_NOOP("DLightsConfigPage", "Cross"), 12, Right},
    {12, QT_TRANSLATE_NOOP("DLightsConfigPage", "Speed Respond"), 15, Up},
    {13, QT_TRANSLATE_NOOP("DLightsConfigPage", "DPI"), -1, Right},
    {14, QT_TRANSLATE_NOOP("DLightsConfigPage", "Auto Ripple"), 7, Dispersion},
    {15, QT_TRANSLATE_NOOP("DLightsConfigPage", "Striation"), 8, CW},
    {16, QT_TRANSLATE_NOOP("DLightsConfigPage", "Fireworks"), 14, Dispersion},
    {100, QT_TRANSLATE_NOOP("DLightsConfigPage", "Musical Rhythm"), 16, Up},
};

const Entry kSideTypes[] = {
    {0, QT_TRANSLATE_NOOP("DLightsConfigPage", "Static"), 50, Right},
    {1, QT_TRANSLATE_NOOP("DLightsConfigPage", "Breath"), 52, Right},
    {2, QT_TRANSLATE_NOOP("DLightsConfigPage", "Wave"), 53, Right},
    {3, QT_TRANSLATE_NOOP("DLightsConfigPage", "Collision"), 54, Right},
    {4, QT_TRANSLATE_NOOP("DLightsConfigPage", "Neon"), 51, Right},
    {5, QT_TRANSLATE_NOOP("DLightsConfigPage", "Close"), 55, Right},
};

constexpr int kWave = 2;

} // namespace

const Entry *table(int hidType, std::size_t *count)
{
    if (hidType == kSide) {
        *count = std::size(kSideTypes);
        return kSideTypes;
    }
    *count = std::size(kKeyboardTypes);
    return kKeyboardTypes;
}

const Entry *find(int hidType, int code)
{
    if (hidType != kKeyboard && hidType != kSide)
        return nullptr;
    std::size_t n = 0;
    const Entry *t = table(hidType, &n);
    for (std::size_t i = 0; i < n; ++i) {
        if (t[i].code == code)
            return &t[i];
    }
    return nullptr;
}

const char *name(int hidType, int code)
{
    const Entry *e = find(hidType, code);
    return e ? e->name : "";
}

int buttonForType(int hidType, int code)
{
    const Entry *e = find(hidType, code);
    return e ? e->button : -1;
}

int typeForButton(int hidType, int button, int current)
{
    if (hidType == kKeyboard && button == kDpiButton)
        return current;
    std::size_t n = 0;
    const Entry *t = table(hidType, &n);
    for (std::size_t i = 0; i < n; ++i) {
        if (t[i].button == button)
            return t[i].code;
    }
    return kWave;
}

colorInfoData defaultRecord(int hidType, int ledType)
{
    colorInfoData c;
    c.hidType = hidType;
    c.ledType = ledType;
    c.ledBrightness = 3;
    c.ledSpeed = 3;
    c.color1Red = 255;
    const Entry *e = hidType == kKeyboard ? find(kKeyboard, ledType) : nullptr;
    c.ledDirection = e ? e->direction : Right;
    c.fullColorMode = 1;
    return c;
}

int clampLevel(int level, int steps)
{
    if (steps <= 0)
        return level;
    return qBound(1, level, steps + 1);
}

} // namespace lighttypes
