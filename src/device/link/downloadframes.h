#pragma once

#include "hidreport.h"
#include "keyoperateinfo.h"
#include "macroeventrecord.h"
#include "seniorkeyinfostu.h"

#include <QList>
#include <QVector>

#include <array>
#include <cstdint>
#include <vector>

// Frames of the onboard download and the translation of a profile's key items into the four bytes
// the keyboard keeps per key. Pure functions: no device, no store, no state.
namespace downloadframes {

using KeyEntry = std::array<uint8_t, 4>;
using MacroFrames = std::array<HidReport, 5>;

constexpr int kKeysPerFrame = 14;
constexpr int kMacroSlots = 10;
constexpr int kAdvancedKeyIndexes = 40;
constexpr int kMacroStreamBytes = 248;
constexpr int kMacroMaxEvents = kMacroStreamBytes / 4; // 62
constexpr int kMacroSubFrames = 5;
constexpr uint8_t kMacroFrameLength = 0x3a;
constexpr uint8_t kMacroLastFrameLength = 0x18;
constexpr uint8_t kAdvancedFrameLength = 0x32;
constexpr int kFnKeyCode = -10;

// Layer number (sending order) -> layer code in the key-layer frames.
constexpr uint8_t kLayerCodes[2] = {0, 2};

// Decimal text read the way atoi reads it: leading blanks, a sign, digits; anything else gives 0.
// Bounded by the field size, clamped instead of overflowing.
int fieldNumber(const char *text, std::size_t size);
template <std::size_t N> int fieldNumber(const char (&field)[N])
{
    return fieldNumber(field, N);
}

// True when the item's type field says the look-up found nothing.
bool isNoItem(const KeyOperateInfo &item);

// Lookup tables for item values.
uint8_t multimediaKeyCode(const KeyOperateInfo &item);
uint8_t mouseWheelFlag(const KeyOperateInfo &item);
uint8_t mouseButtonCode(const KeyOperateInfo &item);
// {m1, m2, k}: "mask,key"; m1 the lowest modifier, m2 the highest when two or more are set.
std::array<uint8_t, 3> combinationKeysFromText(const char *text, std::size_t size);
std::array<uint8_t, 3> combinationKeys(const KeyOperateInfo &item);
// {mod, 0, k}
std::array<uint8_t, 3> shortcutKeys(int shortcut);

// What a key needs sent before its entry can be formed.
enum class KeyNeed
{
    Nothing,
    MacroSlot,
    AdvancedKey,
};
// `magnetic` false turns advanced-key items into plain keys: such a keyboard has no store for them.
KeyNeed keyNeed(int keyCode, const KeyOperateInfo &item, bool magnetic);

// The four bytes of one key. `slotOrIndex` is the macro slot or advanced-key store index the key
// was given (ignored for other items). On a keyboard that is not magnetic an advanced-key item
// gets the entry of a key without item.
KeyEntry keyEntry(int keyCode, const KeyOperateInfo &item, int slotOrIndex, bool magnetic);

// A key-layer frame: bytes 6 onward carry `entries` (low bytes), byte 5 their count.
HidReport keyLayerFrame(uint8_t layerCode, int packet, const std::vector<uint8_t> &entries);
// All frames of one layer, fourteen keys per frame, the last one short when needed.
QVector<HidReport> keyLayerFrames(uint8_t layerCode, const std::vector<KeyEntry> &keys);

// Four bytes per event: code, flags, delay of the next event (big-endian), zero fill to 248
// bytes. Events past the 62nd are not carried.
std::array<uint8_t, kMacroStreamBytes> macroEventStream(const QList<MacroEventRecord> &events);
// The five sub-frames of one slot. `playMode` 1 to 4; the event count in byte 9 never exceeds 62.
MacroFrames macroFrames(int slot, int playMode, int repeat, const QList<MacroEventRecord> &events);
MacroFrames blankMacroFrames(int slot);

// Key text of an advanced key: "mask,key" goes through the combination split, else a decimal usage.
KeyEntry keyTextBytes(const char *text, std::size_t size);
// The record frame of one store index; `record` null gives the blank frame (all-zero payload).
HidReport advancedKeyFrame(int storeIndex, const SeniorKeyInfoStu *record);

} // namespace downloadframes
