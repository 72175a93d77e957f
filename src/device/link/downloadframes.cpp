#include "downloadframes.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>
#include <cstring>

namespace downloadframes {

namespace {

using namespace hidproto;

inline uint8_t low8(int value)
{
    return static_cast<uint8_t>(value & 0xff);
}

// Inside an entry a key code of 255 or more is written as 255; -10 (Fn) goes out as 0xf6.
inline uint8_t cappedCode(int keyCode)
{
    return keyCode >= 255 ? 0xff : low8(keyCode);
}

inline KeyEntry entry(int a0, int a1 = 0, int a2 = 0, int a3 = 0)
{
    return {low8(a0), low8(a1), low8(a2), low8(a3)};
}

KeyEntry noItemEntry(int keyCode)
{
    switch (keyCode) {
    case kFnKeyCode:
        return entry(0x01);
    case 215: // Calculator
        return entry(0x07, 0x32);
    case 127: // Mute
        return entry(0x07, 0x12);
    case 128: // Volume up
        return entry(0x07, 0x10);
    case 129: // Volume down
        return entry(0x07, 0x11);
    default:
        return entry(0x00, cappedCode(keyCode));
    }
}

KeyEntry combinationEntry(const std::array<uint8_t, 3> &keys)
{
    if (keys[1] == 0)
        return entry(0x13, keys[0], keys[2]);
    return entry(0x13, keys[0], keys[1], keys[2]);
}

KeyEntry keyConfigEntry(int sub, int v, const KeyOperateInfo &item, uint8_t c)
{
    switch (sub) {
    case 0:
        return entry(0x11);
    case 3:
        return entry(0x11, 0x03, (v >> 8) & 0xff, v & 0xff);
    case 11: {
        const char *text = item.value;
        const std::size_t len = qstrnlen(text, sizeof item.value);
        const char *comma = static_cast<const char *>(std::memchr(text, ',', len));
        const int a = fieldNumber(text, comma ? static_cast<std::size_t>(comma - text) : len);
        const int b = comma ? fieldNumber(comma + 1, len - static_cast<std::size_t>(comma - text) - 1) : 0;
        return entry(0x11, 0x0b, a, b);
    }
    default:
        if (sub >= 1 && sub <= 10)
            return entry(0x11, sub, v);
        return entry(0x00, c);
    }
}

// The 64-byte frame of one macro sub-frame with its header.
HidReport macroHeader(int slot, int sub)
{
    HidReport r = makeReport(out::MacroFrame);
    r[kSubByte] = low8(slot);
    r[kPacketByte] = low8(sub);
    r[kLengthByte] = sub == kMacroSubFrames - 1 ? kMacroLastFrameLength : kMacroFrameLength;
    return r;
}

// Where each sub-frame's share of the event stream goes: first report byte, first stream byte,
// length.
struct StreamPart
{
    std::size_t at;
    std::size_t from;
    std::size_t length;
};
constexpr StreamPart kStreamParts[kMacroSubFrames] = {
    {14, 0, 50}, {6, 50, 58}, {6, 108, 58}, {6, 166, 58}, {6, 224, 24},
};

uint8_t mouseMessageCode(int message)
{
    switch (message) {
    case 513:
    case 514:
        return 0x01;
    case 516:
    case 517:
        return 0x02;
    case 519:
    case 520:
        return 0x04;
    default:
        return 0x00;
    }
}

void putEntry(HidReport &r, std::size_t at, const KeyEntry &e)
{
    std::copy(e.begin(), e.end(), r.begin() + static_cast<std::ptrdiff_t>(at));
}

void putFour(HidReport &r, std::size_t at, const int32_t *values)
{
    for (std::size_t i = 0; i < 4; ++i)
        r[at + i] = low8(values[i]);
}

} // namespace

int fieldNumber(const char *text, std::size_t size)
{
    std::size_t i = 0;
    while (i < size && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < size && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

bool isNoItem(const KeyOperateInfo &item)
{
    return qstrncmp(item.type, "-1", sizeof item.type) == 0;
}

uint8_t multimediaKeyCode(const KeyOperateInfo &item)
{
    static constexpr uint8_t kCodes[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17,
                                         0x30, 0x32, 0x34, 0x23, 0x20, 0x38, 0x39, 0x21};
    const int v = fieldNumber(item.value);
    return v >= 0 && v < static_cast<int>(sizeof kCodes) ? kCodes[v] : 0x00;
}

uint8_t mouseWheelFlag(const KeyOperateInfo &item)
{
    const int v = fieldNumber(item.value);
    return v == 3 || v == 4 ? 1 : 0;
}

uint8_t mouseButtonCode(const KeyOperateInfo &item)
{
    static constexpr uint8_t kButtons[] = {0x01, 0x04, 0x02, 0x01, 0xff, 0x10, 0x08};
    const int v = fieldNumber(item.value);
    return v >= 0 && v < static_cast<int>(sizeof kButtons) ? kButtons[v] : 0x00;
}

std::array<uint8_t, 3> combinationKeysFromText(const char *text, std::size_t size)
{
    const std::size_t len = qstrnlen(text, static_cast<uint>(std::min<std::size_t>(size, UINT_MAX)));
    const char *comma = static_cast<const char *>(std::memchr(text, ',', len));
    const std::size_t maskLen = comma ? static_cast<std::size_t>(comma - text) : len;
    const int mask = fieldNumber(text, maskLen) & 0xff;
    const int key = comma ? fieldNumber(comma + 1, len - maskLen - 1) : 0;
    if (mask == 0)
        return {0, 0, low8(key)};
    int lowest = 0;
    while (!(mask & (1 << lowest)))
        ++lowest;
    int highest = 7;
    while (!(mask & (1 << highest)))
        --highest;
    const uint8_t m1 = static_cast<uint8_t>(0xe0 + lowest);
    const uint8_t m2 = highest != lowest ? static_cast<uint8_t>(0xe0 + highest) : 0;
    return {m1, m2, low8(key)};
}

std::array<uint8_t, 3> combinationKeys(const KeyOperateInfo &item)
{
    return combinationKeysFromText(item.value, sizeof item.value);
}

std::array<uint8_t, 3> shortcutKeys(int shortcut)
{
    static constexpr uint8_t kShortcuts[][2] = {
        {0xe2, 0x3d}, {0xe2, 0x2b}, {0xe3, 0x07}, {0xe3, 0x08}, {0xe3, 0x0f}, {0xe0, 0x06},
        {0xe0, 0x1b}, {0xe0, 0x19}, {0xe0, 0x09}, {0xe0, 0x11}, {0xe0, 0x13}, {0xe0, 0x16},
    };
    if (shortcut < 0 || shortcut >= static_cast<int>(std::size(kShortcuts)))
        return {0, 0, 0};
    return {kShortcuts[shortcut][0], 0, kShortcuts[shortcut][1]};
}

KeyNeed keyNeed(int keyCode, const KeyOperateInfo &item, bool magnetic)
{
    if (keyCode == 0 || isNoItem(item))
        return KeyNeed::Nothing;
    const int type = fieldNumber(item.type);
    if (type == KeyOperateMacro)
        return KeyNeed::MacroSlot;
    if (type == KeyOperateSeniorKey && magnetic)
        return KeyNeed::AdvancedKey;
    return KeyNeed::Nothing;
}

KeyEntry keyEntry(int keyCode, const KeyOperateInfo &item, int slotOrIndex, bool magnetic)
{
    if (keyCode == 0)
        return entry(0);
    const uint8_t c = cappedCode(keyCode);
    if (isNoItem(item))
        return noItemEntry(keyCode);
    const int type = fieldNumber(item.type);
    const int v = fieldNumber(item.value);
    const int sub = fieldNumber(item.playMode);
    switch (type) {
    case KeyOperateRemap:
        if (v == -20)
            return entry(0x14);
        if (v == kFnKeyCode)
            return entry(0x01);
        return entry(0x00, v);
    case KeyOperateMacro:
        return entry(0x10, c, slotOrIndex);
    case KeyOperateCombination:
        return combinationEntry(combinationKeys(item));
    case KeyOperateMultimedia:
        return entry(0x07, multimediaKeyCode(item));
    case KeyOperateMouse:
        return entry(0x12, mouseWheelFlag(item), mouseButtonCode(item));
    case KeyOperateDisable:
        return entry(0);
    case KeyOperateText:
    case KeyOperateSwitchProfile:
    case KeyOperateLaunchApp:
        return entry(0x16, 0, 0, c);
    case KeyOperateShortcut: {
        const auto keys = shortcutKeys(v);
        return entry(0x13, keys[0], keys[2]);
    }
    case KeyOperateKeyConfig:
        return keyConfigEntry(sub, v, item, c);
    case 20:
        return entry(0x02, v);
    case 21:
        return entry(0x03, v);
    case 22:
        return entry(0x04, v);
    case 23:
        return entry(0x05, v);
    case 24:
        return entry(0x06, v);
    case 25:
        return entry(0x08, v);
    case 26:
        if (sub == 0)
            return entry(0x11, 0x04, v);
        if (sub == 1)
            return entry(0x11, 0x05, v);
        return entry(0x00, c);
    case 27:
        return entry(0x09);
    case 30:
        return entry(0x0a, v);
    case 31:
        return entry(0x0b, v);
    case 32:
        return entry(0x0c, v);
    case 33:
        return entry(0x0d, v);
    case 34:
        if (sub == 0)
            return entry(0x11, 0x04, v);
        if (sub == 1)
            return entry(0x11, 0x06, v);
        return entry(0x00, c);
    case KeyOperateSeniorKey:
        if (!magnetic)
            return noItemEntry(keyCode);
        return entry(0x17, slotOrIndex);
    default:
        return entry(0x00, c);
    }
}

HidReport keyLayerFrame(uint8_t layerCode, int packet, const std::vector<uint8_t> &entries)
{
    HidReport r = makeReport(out::KeyLayerFrame);
    r[kSubByte] = layerCode;
    r[kPacketByte] = low8(packet);
    const std::size_t n = std::min(entries.size(), kReportSize - kPayload);
    r[kLengthByte] = low8(static_cast<int>(n));
    std::copy_n(entries.begin(), n, r.begin() + kPayload);
    return r;
}

QVector<HidReport> keyLayerFrames(uint8_t layerCode, const std::vector<KeyEntry> &keys)
{
    QVector<HidReport> frames;
    std::vector<uint8_t> bytes;
    int packet = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        bytes.insert(bytes.end(), keys[i].begin(), keys[i].end());
        if ((i + 1) % kKeysPerFrame == 0 || i + 1 == keys.size()) {
            frames.append(keyLayerFrame(layerCode, packet++, bytes));
            bytes.clear();
        }
    }
    return frames;
}

std::array<uint8_t, kMacroStreamBytes> macroEventStream(const QList<MacroEventRecord> &events)
{
    std::array<uint8_t, kMacroStreamBytes> stream{};
    const int count = std::min(static_cast<int>(events.size()), kMacroMaxEvents);
    for (int i = 0; i < count; ++i) {
        const MacroEventRecord &e = events.at(i);
        const std::size_t typeLen = qstrnlen(e.type, sizeof e.type);
        const QByteArray type = QByteArray::fromRawData(e.type, static_cast<int>(typeLen));
        uint8_t code = 0;
        uint8_t flags = qstrncmp(e.operateExplain, "down", sizeof e.operateExplain) == 0 ? 0x10 : 0x00;
        if (type.contains("key")) {
            code = low8(fieldNumber(e.keyCode));
        } else if (type.contains("mouse")) {
            // An unknown mouse message keeps its four bytes with code 0, so later events stay in
            // place.
            code = mouseMessageCode(fieldNumber(e.keyCode));
            flags |= 0x01;
        }
        const int delay =
            i + 1 < events.size() ? std::clamp(fieldNumber(events.at(i + 1).delay), 0, kMacroMaxDelay) : 0;
        stream[static_cast<std::size_t>(i) * 4] = code;
        stream[static_cast<std::size_t>(i) * 4 + 1] = flags;
        stream[static_cast<std::size_t>(i) * 4 + 2] = low8(delay >> 8);
        stream[static_cast<std::size_t>(i) * 4 + 3] = low8(delay);
    }
    return stream;
}

MacroFrames macroFrames(int slot, int playMode, int repeat, const QList<MacroEventRecord> &events)
{
    const auto stream = macroEventStream(events);
    const int count = std::min(static_cast<int>(events.size()), kMacroMaxEvents);
    MacroFrames frames;
    for (int sub = 0; sub < kMacroSubFrames; ++sub) {
        HidReport r = macroHeader(slot, sub);
        const StreamPart &part = kStreamParts[sub];
        std::copy_n(stream.begin() + static_cast<std::ptrdiff_t>(part.from), part.length,
                    r.begin() + static_cast<std::ptrdiff_t>(part.at));
        frames[static_cast<std::size_t>(sub)] = r;
    }
    HidReport &first = frames[0];
    first[7] = low8(playMode - 1);
    first[9] = low8(4 * count);
    first[11] = low8(repeat);
    return frames;
}

MacroFrames blankMacroFrames(int slot)
{
    MacroFrames frames;
    for (int sub = 0; sub < kMacroSubFrames; ++sub)
        frames[static_cast<std::size_t>(sub)] = macroHeader(slot, sub);
    return frames;
}

KeyEntry keyTextBytes(const char *text, std::size_t size)
{
    const std::size_t len = qstrnlen(text, static_cast<uint>(std::min<std::size_t>(size, UINT_MAX)));
    if (std::memchr(text, ',', len))
        return combinationEntry(combinationKeysFromText(text, len));
    return entry(0x00, fieldNumber(text, len));
}

HidReport advancedKeyFrame(int storeIndex, const SeniorKeyInfoStu *record)
{
    HidReport r = makeReport(out::AdvancedKeyFrame);
    r[kSubByte] = low8(storeIndex);
    r[kLengthByte] = kAdvancedFrameLength;
    if (!record)
        return r;
    const SeniorKeyInfoStu &k = *record;
    r[6] = low8(k.type);
    switch (k.type) {
    case SeniorKeyDKS:
        putFour(r, 7, k.stroke);
        putEntry(r, 11, keyTextBytes(k.K1, sizeof k.K1));
        putFour(r, 15, k.grid);
        putEntry(r, 19, keyTextBytes(k.K2, sizeof k.K2));
        putFour(r, 23, k.grid + 4);
        putEntry(r, 27, keyTextBytes(k.K3, sizeof k.K3));
        putFour(r, 31, k.grid + 8);
        putEntry(r, 35, keyTextBytes(k.K4, sizeof k.K4));
        putFour(r, 39, k.grid + 12);
        break;
    case SeniorKeyMT:
        putEntry(r, 7, keyTextBytes(k.K1, sizeof k.K1));
        putEntry(r, 11, keyTextBytes(k.K2, sizeof k.K2));
        r[15] = low8(k.ValueTime / 10);
        break;
    case SeniorKeyTGL:
        putEntry(r, 7, keyTextBytes(k.K1, sizeof k.K1));
        break;
    default:
        break;
    }
    return r;
}

} // namespace downloadframes
