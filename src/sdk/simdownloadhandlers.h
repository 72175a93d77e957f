#pragma once

#include "hidreport.h"

#include <QMap>
#include <QSet>
#include <QVector>

#include <array>
#include <map>
#include <memory>
#include <mutex>

class SimKeyboard;

// One macro event as the keyboard keeps it.
struct SimMacroEvent
{
    uint8_t code = 0;
    uint8_t flags = 0;
    int delay = 0; // ms before the next event

    bool operator==(const SimMacroEvent &o) const
    {
        return code == o.code && flags == o.flags && delay == o.delay;
    }
};

// What one key of one layer does, read back from the onboard memory.
struct SimKeyAction
{
    std::array<uint8_t, 4> entry{};
    // Action 0x10: the macro slot named by entry[2].
    bool hasMacro = false;
    int playMode = 0; // 1 to 4
    int repeat = 0;
    QVector<SimMacroEvent> events;
    // Action 0x17: the advanced-key record named by entry[1], bytes 6 to 63 of its frame.
    bool hasAdvanced = false;
    std::array<uint8_t, 58> advanced{};
};

// The onboard memory the download writes into a simulated keyboard, and the controls over the
// acknowledgements of macro frames. Handlers run on the keyboard's I/O thread; tests read from
// theirs; one mutex guards the lot.
class SimOnboardMemory
{
public:
    // --- acknowledgement controls (0x19 replies to 0x18 frames, counted from 1 across the session)
    void setNeverAcknowledge(bool never);
    void setDropFirstAcks(int count);
    void dropAckNumber(int number);
    // Never acknowledges this sub-frame of this slot, re-sends included.
    void dropAcksForFrame(int slot, int subFrame);

    // --- what arrived
    int macroFramesReceived() const;
    int acksSent() const;
    int keyLayerFramesReceived() const;
    int advancedFramesReceived() const;
    // A slot of 10 or more, or a store index of 40 or more, was written.
    bool overflowSeen() const;
    void clear();

    // Key entries of one layer (layer code 0 or 2) in key order, packet by packet.
    QVector<std::array<uint8_t, 4>> layerEntries(uint8_t layerCode) const;
    // The five sub-frames of a slot as received (absent ones all zero); false when none arrived.
    bool macroSlot(int slot, std::array<HidReport, 5> *frames) const;
    bool advancedRecord(int index, HidReport *frame) const;

    // Every key of one layer with the macro slot or advanced record its entry names.
    QVector<SimKeyAction> decodeLayer(uint8_t layerCode) const;

    // --- for the handlers
    void onKeyLayerFrame(const HidReport &report);
    void onAdvancedKeyFrame(const HidReport &report);
    // Keeps the frame; true when it is to be acknowledged.
    bool onMacroFrame(const HidReport &report);

private:
    mutable std::mutex m_mutex;
    std::map<int, std::map<int, std::vector<uint8_t>>> m_layers; // layer code -> packet -> bytes
    std::map<int, std::array<HidReport, 5>> m_slots;
    std::map<int, HidReport> m_advanced;
    int m_macroFrames = 0;
    int m_acks = 0;
    int m_layerFrames = 0;
    int m_advancedFrames = 0;
    bool m_overflow = false;
    bool m_never = false;
    int m_dropFirst = 0;
    QSet<int> m_dropNumbers;
    QSet<int> m_dropFrames; // slot * 8 + sub-frame
};

namespace simdownload {

// Registers the 0x17, 0x18 and 0x2a handlers of `keyboard`, keeping what they write in `memory`.
// Every 0x18 frame, re-sends included, is answered with one 0x19 unless the controls drop it.
void installHandlers(SimKeyboard &keyboard, std::shared_ptr<SimOnboardMemory> memory);

} // namespace simdownload
