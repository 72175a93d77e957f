#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

// The value of a key-combination item: the modifier mask and the ordinary key's HID usage, stored
// as "mask,usage" in decimal (Left Ctrl + Left Shift + A is "3,4").
namespace keycombination {

struct Combination
{
    int mask = 0;
    int usage = 0;
};

// The mask bit of a modifier's HID usage (224 Left Ctrl .. 231 Right Win), 0 for any other key.
int modifierBit(int hidUsage);
// The modifiers' tokens ("L_CTRL" .. "R_WIN") in bit order; only the low eight bits count and a
// mask of 0 or less names none.
QStringList modifierTokens(int mask);
// The token of a single modifier bit, empty for anything else.
QString tokenOfBit(int bit);

QByteArray encode(const Combination &combination);
// Exactly two comma-separated decimal fields; anything else is no combination.
std::optional<Combination> decode(const QByteArray &value);

} // namespace keycombination
