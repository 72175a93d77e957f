#include "simdownloadhandlers.h"

#include "simkeyboard.h"

#include <algorithm>

namespace {

using namespace hidproto;

constexpr int kSlots = 10;
constexpr int kStoreIndexes = 40;
constexpr int kSubFrames = 5;

// Stream bytes carried by each macro sub-frame: first report byte, length.
constexpr std::pair<std::size_t, std::size_t> kStreamParts[kSubFrames] = {
    {14, 50}, {6, 58}, {6, 58}, {6, 58}, {6, 24},
};

} // namespace

void SimOnboardMemory::setNeverAcknowledge(bool never)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_never = never;
}

void SimOnboardMemory::setDropFirstAcks(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_dropFirst = count;
}

void SimOnboardMemory::dropAckNumber(int number)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_dropNumbers.insert(number);
}

void SimOnboardMemory::dropAcksForFrame(int slot, int subFrame)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_dropFrames.insert(slot * 8 + subFrame);
}

int SimOnboardMemory::macroFramesReceived() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_macroFrames;
}

int SimOnboardMemory::acksSent() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_acks;
}

int SimOnboardMemory::keyLayerFramesReceived() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_layerFrames;
}

int SimOnboardMemory::advancedFramesReceived() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_advancedFrames;
}

bool SimOnboardMemory::overflowSeen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_overflow;
}

void SimOnboardMemory::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_layers.clear();
    m_slots.clear();
    m_advanced.clear();
    m_macroFrames = m_acks = m_layerFrames = m_advancedFrames = 0;
    m_overflow = false;
}

QVector<std::array<uint8_t, 4>> SimOnboardMemory::layerEntries(uint8_t layerCode) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QVector<std::array<uint8_t, 4>> entries;
    const auto layer = m_layers.find(layerCode);
    if (layer == m_layers.end())
        return entries;
    for (const auto &packet : layer->second) {
        const std::vector<uint8_t> &bytes = packet.second;
        for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4)
            entries.append({bytes[i], bytes[i + 1], bytes[i + 2], bytes[i + 3]});
    }
    return entries;
}

bool SimOnboardMemory::macroSlot(int slot, std::array<HidReport, 5> *frames) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_slots.find(slot);
    if (it == m_slots.end())
        return false;
    *frames = it->second;
    return true;
}

bool SimOnboardMemory::advancedRecord(int index, HidReport *frame) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_advanced.find(index);
    if (it == m_advanced.end())
        return false;
    *frame = it->second;
    return true;
}

QVector<SimKeyAction> SimOnboardMemory::decodeLayer(uint8_t layerCode) const
{
    QVector<SimKeyAction> actions;
    for (const auto &e : layerEntries(layerCode)) {
        SimKeyAction a;
        a.entry = e;
        std::array<HidReport, 5> frames;
        if (e[0] == 0x10 && macroSlot(e[2], &frames)) {
            a.hasMacro = true;
            a.playMode = frames[0][7] + 1;
            a.repeat = frames[0][11];
            std::vector<uint8_t> stream;
            for (int sub = 0; sub < kSubFrames; ++sub) {
                const auto &part = kStreamParts[sub];
                const auto first =
                    frames[static_cast<std::size_t>(sub)].begin() + static_cast<std::ptrdiff_t>(part.first);
                stream.insert(stream.end(), first, first + static_cast<std::ptrdiff_t>(part.second));
            }
            const int count = frames[0][9] / 4;
            for (int i = 0; i < count; ++i) {
                const std::size_t at = static_cast<std::size_t>(i) * 4;
                a.events.append({stream[at], stream[at + 1], stream[at + 2] << 8 | stream[at + 3]});
            }
        }
        HidReport record;
        if (e[0] == 0x17 && advancedRecord(e[1], &record)) {
            a.hasAdvanced = true;
            std::copy(record.begin() + kPayload, record.end(), a.advanced.begin());
        }
        actions.append(a);
    }
    return actions;
}

void SimOnboardMemory::onKeyLayerFrame(const HidReport &r)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_layerFrames;
    const std::size_t n = std::min<std::size_t>(r[kLengthByte], kReportSize - kPayload);
    m_layers[r[kSubByte]][r[kPacketByte]] =
        std::vector<uint8_t>(r.begin() + kPayload, r.begin() + static_cast<std::ptrdiff_t>(kPayload + n));
}

void SimOnboardMemory::onAdvancedKeyFrame(const HidReport &r)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_advancedFrames;
    if (r[kSubByte] >= kStoreIndexes)
        m_overflow = true;
    m_advanced[r[kSubByte]] = r;
}

bool SimOnboardMemory::onMacroFrame(const HidReport &r)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const int number = ++m_macroFrames;
    if (r[kSubByte] >= kSlots)
        m_overflow = true;
    if (r[kPacketByte] < kSubFrames)
        m_slots[r[kSubByte]][r[kPacketByte]] = r;
    if (m_never || number <= m_dropFirst || m_dropNumbers.contains(number) ||
        m_dropFrames.contains(r[kSubByte] * 8 + r[kPacketByte]))
        return false;
    ++m_acks;
    return true;
}

namespace simdownload {

void installHandlers(SimKeyboard &keyboard, std::shared_ptr<SimOnboardMemory> memory)
{
    keyboard.setHandler(out::KeyLayerFrame,
                        [memory](SimKeyboard &, const HidReport &r) { memory->onKeyLayerFrame(r); });
    keyboard.setHandler(out::AdvancedKeyFrame,
                        [memory](SimKeyboard &, const HidReport &r) { memory->onAdvancedKeyFrame(r); });
    keyboard.setHandler(out::MacroFrame, [memory](SimKeyboard &kb, const HidReport &r) {
        if (memory->onMacroFrame(r)) {
            HidReport ack = makeReport(in::MacroAck);
            ack[kSubByte] = r[kSubByte];
            ack[kPacketByte] = r[kPacketByte];
            kb.reply(ack);
        }
    });
}

} // namespace simdownload
