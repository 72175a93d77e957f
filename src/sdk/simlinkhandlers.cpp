#include "simlinkhandlers.h"

#include "simkeyboard.h"

#include <algorithm>

namespace simlink {

namespace {

using namespace hidproto;

HidReport settingsReply(uint8_t sub)
{
    HidReport r = makeReport(in::Settings);
    r[kSubByte] = sub;
    r[kLengthByte] = 1;
    return r;
}

HidReport magneticReply(uint8_t item, std::initializer_list<uint8_t> data)
{
    HidReport r = makeReport(in::Magnetic);
    r[kLengthByte] = magnetic::kLengthByteValue;
    r[kPayload] = item;
    std::copy(data.begin(), data.end(), r.begin() + kPayload + 1);
    return r;
}

int keyIndex(int row, int column)
{
    return row * kMatrixColumns + column;
}

constexpr std::chrono::milliseconds kTravelStepTime{30};
constexpr int kTravelSteps = 10;
constexpr int kCalibrationPresses = 4;

// The live travel of one key pressed to the bottom and let go, from `start` on; returns when it
// is back at rest.
std::chrono::milliseconds pressKey(SimKeyboard &kb, uint8_t row, uint8_t column,
                                   std::chrono::milliseconds start)
{
    const int max = std::max<int>(kb.stateLocked().keyTravelMax, 1);
    std::chrono::milliseconds at = start;
    for (int step = 1; step <= 2 * kTravelSteps; ++step) {
        const int depth = step <= kTravelSteps ? step : 2 * kTravelSteps - step;
        kb.replyLater(liveTravel(row, column, static_cast<uint8_t>(max * depth / kTravelSteps)), at);
        at += kTravelStepTime;
    }
    return at;
}

void onSettings(SimKeyboard &kb, const HidReport &in)
{
    SimKeyboardState &s = kb.stateLocked();
    switch (in[kSubByte]) {
    case 0:
        if (in[kPayload] == 1) {
            ++s.resetCount;
        } else {
            // Wire order: Windows key, Shift+Tab, Alt+F4, Alt+Tab.
            std::copy_n(in.begin() + 13, 4, s.winLockSwitches.begin());
        }
        break;
    case 1:
        s.lightSleepSeconds = static_cast<uint16_t>(in[9] << 8 | in[10]);
        s.keyboardSleepSeconds = static_cast<uint16_t>(in[11] << 8 | in[12]);
        s.prohibitSleep = in[13];
        if (s.acknowledgeSleepTimes)
            kb.reply(settingsReply(0));
        break;
    case 2: {
        HidReport r = settingsReply(2);
        r[9] = static_cast<uint8_t>(s.lightSleepSeconds >> 8);
        r[10] = static_cast<uint8_t>(s.lightSleepSeconds & 0xff);
        r[11] = static_cast<uint8_t>(s.keyboardSleepSeconds >> 8);
        r[12] = static_cast<uint8_t>(s.keyboardSleepSeconds & 0xff);
        r[13] = s.prohibitSleep;
        kb.reply(r);
        break;
    }
    default:
        break;
    }
}

void applyActuation(SimKeyboardState &s, const HidReport &in)
{
    for (int c = 0; c < kMatrixColumns; ++c) {
        for (int row = 0; row < kMatrixRows; ++row) {
            if (in[7 + c] & (1 << row))
                s.keyTriggers[keyIndex(row, c)] = {in[kPayload], in[29], in[30], in[31], in[32]};
        }
    }
}

void onMagnetic(SimKeyboard &kb, const HidReport &in)
{
    SimKeyboardState &s = kb.stateLocked();
    const uint8_t item = in[kPayload];
    switch (item) {
    case magnetic::ApplyMode0:
    case magnetic::ApplyMode1:
    case magnetic::ApplyMode12:
    case magnetic::ApplyMode13:
        applyActuation(s, in);
        break;
    case magnetic::Selection:
        std::copy_n(in.begin() + 7, kMatrixColumns, s.selection.begin());
        break;
    case magnetic::TravelMaximum:
        kb.reply(magneticReply(item, {s.keyTravelMax}));
        break;
    case magnetic::KeyTrigger: {
        const uint8_t row = in[7];
        const uint8_t column = in[8];
        if (row >= kMatrixRows || column >= kMatrixColumns)
            break;
        const auto &t = s.keyTriggers[keyIndex(row, column)];
        kb.reply(magneticReply(item, {t[0], t[1], t[2], t[3], t[4]}));
        break;
    }
    case magnetic::RestoreSensitivity:
        s.keyTriggers.fill(SimKeyboardState::kDefaultTrigger);
        break;
    case magnetic::CalibrateKey: {
        // Running, the key pressed once to the bottom and released, then the result.
        kb.reply(magneticReply(item, {1}));
        const uint8_t row = in[7] < kMatrixRows ? in[7] : 0;
        const uint8_t column = in[8] < kMatrixColumns ? in[8] : 0;
        const std::chrono::milliseconds end = pressKey(kb, row, column, std::chrono::milliseconds(0));
        kb.replyLater(magneticReply(item, {s.calibrationResult}), end);
        break;
    }
    case magnetic::CalibrateAll: {
        if (in[7] != 0) {
            // A stop ends the run without a report.
            kb.dropQueued([](const HidReport &r) {
                return r[kCmdByte] == in::Magnetic &&
                       (r[kPayload] == magnetic::LiveTravel || r[kPayload] == magnetic::CalibrateAll);
            });
            break;
        }
        // A few keys pressed one after another, halfway through a report, then done with every
        // column calibrated.
        std::chrono::milliseconds at(0);
        for (int k = 0; k < kCalibrationPresses; ++k)
            at = pressKey(kb, static_cast<uint8_t>(1 + k % 4), static_cast<uint8_t>(1 + 4 * k), at);
        HidReport partial = magneticReply(item, {1});
        for (int c = 0; c < kMatrixColumns / 2; ++c)
            partial[8 + c] = 0x3f;
        kb.replyLater(partial, at / 2);
        HidReport done = magneticReply(item, {s.calibrationResult});
        if (s.calibrationResult == 0)
            std::fill_n(done.begin() + 8, kMatrixColumns, 0x3f);
        kb.replyLater(done, at);
        break;
    }
    case magnetic::ReportRate:
        if (in[7] == 1)
            s.reportRate = in[8];
        kb.reply(magneticReply(item, {s.reportRate}));
        break;
    case magnetic::AntiShake:
        if (in[7] == 1)
            s.antiShake = in[8];
        kb.reply(magneticReply(item, {s.antiShake}));
        break;
    default:
        break;
    }
}

// Replies of the host to the keyboard's key reports: logged only.
void onAccepted(SimKeyboard &, const HidReport &) {}

void onStreamingState(SimKeyboard &kb, const HidReport &in)
{
    SimKeyboardState::LightStream &s = kb.stateLocked().stream;
    s.synchronised = in[kPayload] == 1;
    ++s.syncReports;
}

// Frames are put together packet by packet: the key packets 0..7, then the side packets; a packet
// other than the expected one breaks the frame off (a key packet 0 starts the next one).
void onStreamFrame(SimKeyboard &kb, const HidReport &in)
{
    SimKeyboardState::LightStream &s = kb.stateLocked().stream;
    const int area = in[kSubByte];
    const int packet = in[kPacketByte];
    const int length = std::min<int>(in[kLengthByte], 3 * kLedsPerPacket);
    const int sideLeds = kb.model().streamSideLeds();
    const int sidePackets = (sideLeds + kLedsPerPacket - 1) / kLedsPerPacket;
    if (area != s.nextArea || packet != s.nextPacket) {
        if (s.nextArea != 0 || s.nextPacket != 0)
            ++s.brokenFrames;
        s.pendingKeys.clear();
        s.pendingSide.clear();
        s.nextArea = 0;
        s.nextPacket = 0;
        if (area != 0 || packet != 0)
            return;
    }
    std::vector<uint8_t> &bytes = area == 0 ? s.pendingKeys : s.pendingSide;
    bytes.insert(bytes.end(), in.begin() + kPayload, in.begin() + kPayload + length);
    ++s.nextPacket;
    if (area == 0 && s.nextPacket == kKeyStreamPackets) {
        s.nextArea = 1;
        s.nextPacket = 0;
    }
    if (s.nextArea == 1 && s.nextPacket == sidePackets) {
        const bool whole = s.pendingKeys.size() == std::size_t(3 * kMatrixRows * kMatrixColumns) &&
                           s.pendingSide.size() == std::size_t(3 * sideLeds);
        if (whole) {
            s.keys.swap(s.pendingKeys);
            s.side.swap(s.pendingSide);
            ++s.frames;
        } else {
            ++s.brokenFrames;
        }
        s.pendingKeys.clear();
        s.pendingSide.clear();
        s.nextArea = 0;
        s.nextPacket = 0;
    }
}

// An upload is eight packets 0..7 to one slot; anything else breaks the upload in progress off.
void onCustomColours(SimKeyboard &kb, const HidReport &in)
{
    SimKeyboardState::CustomColours &c = kb.stateLocked().custom;
    const int slot = in[kSubByte];
    const int packet = in[kPacketByte];
    if (packet != c.nextPacket || (packet > 0 && slot != c.pendingSlot)) {
        // The upload in progress is broken off; a stray packet starts nothing.
        if (c.nextPacket != 0 || packet != 0)
            ++c.brokenUploads;
        c.pending.clear();
        c.nextPacket = 0;
        if (packet != 0)
            return;
    }
    if (slot >= SimKeyboardState::CustomColours::kSlots) {
        ++c.brokenUploads;
        return;
    }
    c.pendingSlot = slot;
    const int length = std::min<int>(in[kLengthByte], 3 * kLedsPerPacket);
    c.pending.insert(c.pending.end(), in.begin() + kPayload, in.begin() + kPayload + length);
    if (++c.nextPacket < kKeyStreamPackets)
        return;
    if (c.pending.size() == std::size_t(3 * kMatrixRows * kMatrixColumns)) {
        c.slotColours[std::size_t(slot)].swap(c.pending);
        ++c.uploads[std::size_t(slot)];
    } else {
        ++c.brokenUploads;
    }
    c.pending.clear();
    c.nextPacket = 0;
}

void onEffectState(SimKeyboard &kb, const HidReport &in)
{
    SimKeyboardState::LightStream &s = kb.stateLocked().stream;
    ++s.stateReports;
    s.lastState = in;
}

} // namespace

void installHandlers(SimKeyboard &kb)
{
    kb.setHandler(out::Settings, onSettings);
    kb.setHandler(out::Magnetic, onMagnetic);
    kb.setHandler(out::KeyRelay, onAccepted);
    kb.setHandler(out::FullKeyEcho, onAccepted);
    kb.setHandler(out::StreamingState, onStreamingState);
    kb.setHandler(out::StreamFrame, onStreamFrame);
    kb.setHandler(out::EffectState, onEffectState);
    kb.setHandler(out::CustomColours, onCustomColours);
}

HidReport keyReport(const uint8_t (&keys)[8])
{
    HidReport r = makeReport(in::KeyReport);
    r[kLengthByte] = 8;
    std::copy(std::begin(keys), std::end(keys), r.begin() + kPayload);
    return r;
}

HidReport fullKeyReport(const uint8_t (&bytes)[13])
{
    HidReport r = makeReport(in::FullKeyReport);
    r[kLengthByte] = 13;
    std::copy(std::begin(bytes), std::end(bytes), r.begin() + kPayload);
    return r;
}

HidReport pcFunctionKey(uint8_t keyCode, bool pressed)
{
    HidReport r = makeReport(in::PcFunctionKey);
    r[9] = keyCode;
    r[10] = pressed ? 1 : 0;
    return r;
}

HidReport customScheme(uint8_t scheme)
{
    HidReport r = makeReport(in::CustomScheme);
    r[kSubByte] = scheme;
    return r;
}

HidReport fnLayerKeys(const uint8_t (&columns)[22])
{
    HidReport r = makeReport(in::FnLayerKeys);
    r[kLengthByte] = 22;
    std::copy(std::begin(columns), std::end(columns), r.begin() + kPayload);
    return r;
}

HidReport liveTravel(uint8_t row, uint8_t column, uint8_t value)
{
    return magneticReply(magnetic::LiveTravel, {row, column, value});
}

HidReport lightConfig(const SimKeyboard &kb, int target)
{
    const SimKeyboardState s = kb.state();
    const auto &light = target == 0 ? s.keyboardLight : s.sideLight;
    HidReport r = makeReport(target == 0 ? in::KeyboardLightConfig : in::SideLightConfig);
    r[kLengthByte] = static_cast<uint8_t>(light.size());
    std::copy(light.begin(), light.end(), r.begin() + kPayload);
    return r;
}

} // namespace simlink
