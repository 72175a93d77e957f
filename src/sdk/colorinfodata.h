#pragma once

#include <QMetaType>
#include <cstddef>
#include <cstdint>

// One light configuration: target (0 keys, 1 side light, 2 the third target of the defaults),
// light type, 1-based brightness and speed, two colours, direction, full-colour flag, extra, reserved.
struct colorInfoData
{
    int32_t hidType = 0;
    int32_t ledType = 0;
    int32_t ledBrightness = 0;
    int32_t ledSpeed = 0;
    int32_t color1Red = 0;
    int32_t color1Green = 0;
    int32_t color1Blue = 0;
    int32_t color2Red = 0;
    int32_t color2Green = 0;
    int32_t color2Blue = 0;
    int32_t ledDirection = 0;
    int32_t fullColorMode = 0;
    int32_t ledExtra = 0;
    int32_t reserved = 0;

    bool operator==(const colorInfoData &o) const;
    bool operator!=(const colorInfoData &o) const { return !(*this == o); }
};

static_assert(sizeof(colorInfoData) == 14 * sizeof(int32_t), "colorInfoData is 14 packed int32 values");
static_assert(offsetof(colorInfoData, ledDirection) == 40);
static_assert(offsetof(colorInfoData, reserved) == 52);

Q_DECLARE_METATYPE(colorInfoData)
