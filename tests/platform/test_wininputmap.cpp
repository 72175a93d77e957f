#include "wininputmap.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct KeyRow
{
    const char *name;
    int evdev;
    int vk;
    int scan;
    bool extended;
};

// Every key of the full-size ANSI board, row by row. The 87-key and 68-key boards use a subset
// of these (their Fn key never reaches the computer).
const KeyRow kAnsi104[] = {
    {"Esc", 1, 27, 0x01, false},
    {"F1", 59, 112, 0x3B, false},
    {"F2", 60, 113, 0x3C, false},
    {"F3", 61, 114, 0x3D, false},
    {"F4", 62, 115, 0x3E, false},
    {"F5", 63, 116, 0x3F, false},
    {"F6", 64, 117, 0x40, false},
    {"F7", 65, 118, 0x41, false},
    {"F8", 66, 119, 0x42, false},
    {"F9", 67, 120, 0x43, false},
    {"F10", 68, 121, 0x44, false},
    {"F11", 87, 122, 0x57, false},
    {"F12", 88, 123, 0x58, false},
    {"PrintScreen", 99, 44, 0x37, true},
    {"ScrollLock", 70, 145, 0x46, false},
    {"Pause", 119, 19, 0x45, false},

    {"`", 41, 192, 0x29, false},
    {"1", 2, 49, 0x02, false},
    {"2", 3, 50, 0x03, false},
    {"3", 4, 51, 0x04, false},
    {"4", 5, 52, 0x05, false},
    {"5", 6, 53, 0x06, false},
    {"6", 7, 54, 0x07, false},
    {"7", 8, 55, 0x08, false},
    {"8", 9, 56, 0x09, false},
    {"9", 10, 57, 0x0A, false},
    {"0", 11, 48, 0x0B, false},
    {"-", 12, 189, 0x0C, false},
    {"=", 13, 187, 0x0D, false},
    {"Backspace", 14, 8, 0x0E, false},
    {"Insert", 110, 45, 0x52, true},
    {"Home", 102, 36, 0x47, true},
    {"PageUp", 104, 33, 0x49, true},
    {"NumLock", 69, 144, 0x45, true},
    {"KP/", 98, 111, 0x35, true},
    {"KP*", 55, 106, 0x37, false},
    {"KP-", 74, 109, 0x4A, false},

    {"Tab", 15, 9, 0x0F, false},
    {"Q", 16, 'Q', 0x10, false},
    {"W", 17, 'W', 0x11, false},
    {"E", 18, 'E', 0x12, false},
    {"R", 19, 'R', 0x13, false},
    {"T", 20, 'T', 0x14, false},
    {"Y", 21, 'Y', 0x15, false},
    {"U", 22, 'U', 0x16, false},
    {"I", 23, 'I', 0x17, false},
    {"O", 24, 'O', 0x18, false},
    {"P", 25, 'P', 0x19, false},
    {"[", 26, 219, 0x1A, false},
    {"]", 27, 221, 0x1B, false},
    {"\\", 43, 220, 0x2B, false},
    {"Delete", 111, 46, 0x53, true},
    {"End", 107, 35, 0x4F, true},
    {"PageDown", 109, 34, 0x51, true},
    {"KP7", 71, 103, 0x47, false},
    {"KP8", 72, 104, 0x48, false},
    {"KP9", 73, 105, 0x49, false},
    {"KP+", 78, 107, 0x4E, false},

    {"CapsLock", 58, 20, 0x3A, false},
    {"A", 30, 'A', 0x1E, false},
    {"S", 31, 'S', 0x1F, false},
    {"D", 32, 'D', 0x20, false},
    {"F", 33, 'F', 0x21, false},
    {"G", 34, 'G', 0x22, false},
    {"H", 35, 'H', 0x23, false},
    {"J", 36, 'J', 0x24, false},
    {"K", 37, 'K', 0x25, false},
    {"L", 38, 'L', 0x26, false},
    {";", 39, 186, 0x27, false},
    {"'", 40, 222, 0x28, false},
    {"Enter", 28, 13, 0x1C, false},
    {"KP4", 75, 100, 0x4B, false},
    {"KP5", 76, 101, 0x4C, false},
    {"KP6", 77, 102, 0x4D, false},

    {"LShift", 42, 160, 0x2A, false},
    {"Z", 44, 'Z', 0x2C, false},
    {"X", 45, 'X', 0x2D, false},
    {"C", 46, 'C', 0x2E, false},
    {"V", 47, 'V', 0x2F, false},
    {"B", 48, 'B', 0x30, false},
    {"N", 49, 'N', 0x31, false},
    {"M", 50, 'M', 0x32, false},
    {",", 51, 188, 0x33, false},
    {".", 52, 190, 0x34, false},
    {"/", 53, 191, 0x35, false},
    {"RShift", 54, 161, 0x36, false},
    {"Up", 103, 38, 0x48, true},
    {"KP1", 79, 97, 0x4F, false},
    {"KP2", 80, 98, 0x50, false},
    {"KP3", 81, 99, 0x51, false},
    {"KPEnter", 96, 13, 0x1C, true},

    {"LCtrl", 29, 162, 0x1D, false},
    {"LWin", 125, 91, 0x5B, true},
    {"LAlt", 56, 164, 0x38, false},
    {"Space", 57, 32, 0x39, false},
    {"RAlt", 100, 165, 0x38, true},
    {"RWin", 126, 92, 0x5C, true},
    {"Menu", 127, 93, 0x5D, true},
    {"RCtrl", 97, 163, 0x1D, true},
    {"Left", 105, 37, 0x4B, true},
    {"Down", 108, 40, 0x50, true},
    {"Right", 106, 39, 0x4D, true},
    {"KP0", 82, 96, 0x52, false},
    {"KP.", 83, 110, 0x53, false},
};

// Keys beyond the ANSI board that the key catalogues name: the ISO key and the Japanese keys;
// the three keys sharing virtual key 255 are told apart by their scan codes.
const KeyRow kExtra[] = {
    {"ISO K45", 86, 226, 0x56, false}, {"Ro", 89, 193, 0x73, false},       {"Henkan", 92, 255, 0x79, false},
    {"Kana", 93, 255, 0x70, false},    {"Muhenkan", 94, 235, 0x7B, false}, {"Yen", 124, 255, 0x7D, false},
    {"Hangul", 122, 21, 0x72, false},  {"Hanja", 123, 25, 0x71, false},
};

void expectKey(const KeyRow &row)
{
    SCOPED_TRACE(row.name);
    const auto key = WinInputMap::fromXKeycode(row.evdev + 8);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->vkCode, row.vk);
    EXPECT_EQ(key->scanCode, row.scan);
    EXPECT_EQ(key->extended, row.extended);
}

TEST(WinInputMap, EveryKeyOfTheFullSizeBoard)
{
    ASSERT_EQ(std::size(kAnsi104), 104u);
    std::set<int> seen;
    for (const KeyRow &row : kAnsi104) {
        expectKey(row);
        EXPECT_TRUE(seen.insert(row.evdev).second) << row.name << " listed twice";
    }
}

TEST(WinInputMap, IsoAndJapaneseKeys)
{
    for (const KeyRow &row : kExtra)
        expectKey(row);
}

TEST(WinInputMap, KeysWithoutWindowsCodeGiveNothing)
{
    for (int x : {0, 7, 8 + 84, 8 + 101, 8 + 113 /* mute */, 8 + 128, 255, 300, -5})
        EXPECT_FALSE(WinInputMap::fromXKeycode(x).has_value()) << x;
}

TEST(WinInputMap, FlagWordTracksExtendedAltAndRelease)
{
    bool alt = false;
    struct Step
    {
        int evdev;
        bool up;
        int flags;
    };
    // Alt's own press counts as Alt held; keys pressed and released under it carry 0x20.
    const Step steps[] = {
        {30, false, 0x00}, {30, true, 0x80},  {56, false, 0x20}, {30, false, 0x20}, {103, false, 0x21},
        {103, true, 0xA1}, {30, true, 0xA0},  {56, true, 0x80},  {30, false, 0x00}, {100, false, 0x21},
        {100, true, 0x81}, {96, false, 0x01}, {96, true, 0x81},
    };
    for (const Step &s : steps) {
        const auto ev = WinInputMap::keyEvent(s.evdev + 8, s.up, &alt);
        ASSERT_TRUE(ev.has_value());
        EXPECT_EQ(ev->flags, s.flags) << "evdev " << s.evdev << (s.up ? " up" : " down");
    }
}

TEST(WinInputMap, MouseButtonsAndWheel)
{
    struct Row
    {
        int button;
        bool press;
        int message;
        quint32 data;
    };
    const Row rows[] = {
        {1, true, 0x201, 0},
        {1, false, 0x202, 0},
        {3, true, 0x204, 0},
        {3, false, 0x205, 0},
        {2, true, 0x207, 0},
        {2, false, 0x208, 0},
        {4, true, 0x20A, 0x00780000},
        {5, true, 0x20A, 0xFF880000},
        {4, false, 0, 0},
        {6, true, 0x20E, 0xFF880000},
        {7, true, 0x20E, 0x00780000},
        {8, true, 0x20B, 0x00010000},
        {9, false, 0x20C, 0x00020000},
        {10, true, 0, 0},
    };
    for (const Row &r : rows) {
        quint32 data = 0xDEAD;
        EXPECT_EQ(WinInputMap::mouseMessage(r.button, r.press, &data), r.message) << r.button;
        EXPECT_EQ(data, r.data) << r.button;
    }
}

} // namespace
