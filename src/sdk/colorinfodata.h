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

// The light types of both targets with their names, the lighting page's mode-button ids and the
// direction a new record starts with; the direction codes; the record a light type starts from.
namespace lighttypes {

constexpr int kKeyboard = 0;
constexpr int kSide = 1;

constexpr int kStatic = 0;
constexpr int kCustom = 10;
constexpr int kDpi = 13;
constexpr int kMusicalRhythm = 100;
constexpr int kSideClose = 5;

// Mode-button ids of the keyboard group run 0..17, of the side group 50..55.
constexpr int kDpiButton = 13;
constexpr int kCustomButton = 17;
constexpr int kKeyboardButtonCount = 18;
constexpr int kFirstSideButton = 50;
constexpr int kSideButtonCount = 6;

// Direction codes, equal to the ids of the page's direction buttons.
enum Direction
{
    Right = 0,
    Left = 1,
    Up = 2,
    Down = 3,
    Dispersion = 4,
    Gather = 5,
    CW = 6,
    UnCW = 7
};
constexpr int kDirectionCount = 8;

struct Entry
{
    int code;
    const char *name; // English source text, translated in the lighting page's context
    int button;       // -1: no button selects it
    int direction;    // of a new record
};

// nullptr for a code the target does not know.
const Entry *find(int hidType, int code);
// The empty text for an unknown code.
const char *name(int hidType, int code);
// -1 when no button shows the code.
int buttonForType(int hidType, int code);
// The type a mode button selects. The DPI button keeps `current`; an unknown id selects Wave.
int typeForButton(int hidType, int button, int current);
// All codes of a target, in table order.
const Entry *table(int hidType, std::size_t *count);

// The record of a light type the profile does not hold yet.
colorInfoData defaultRecord(int hidType, int ledType);

// Brightness and speed are 1-based and index tables of `steps` + 1 entries; a value from a profile
// or a keyboard outside that range is pulled to its nearest end. Steps of 0 (not known) keep it.
int clampLevel(int level, int steps);

} // namespace lighttypes
