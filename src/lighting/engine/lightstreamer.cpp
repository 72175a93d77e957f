#include "lightstreamer.h"

#include "mainhidinterface.h"

#include <QDebug>
#include <QTimer>

#include <algorithm>

using namespace hidproto;

namespace {

constexpr int kBands = 11;
constexpr int kMusicType = 100;
constexpr std::size_t kKeyData = 5;
constexpr std::size_t kIntensityData = kKeyData + kBands;
constexpr std::size_t kSideType = 34;
constexpr std::size_t kSideData = 35;
// A frame drains in about one pacing interval per packet (some 11 ms); a still frame waits up to 100 ms.
constexpr int kStillRetryMs = 5;
constexpr int kStillRetryLimit = 20;

void putRgb(HidReport &r, std::size_t at, const QColor &c)
{
    r[at] = uint8_t(c.red());
    r[at + 1] = uint8_t(c.green());
    r[at + 2] = uint8_t(c.blue());
}

// Splits `count` colours into packets of 18, the last one shorter, written straight into the reports.
template <typename Colours>
void appendArea(std::vector<HidReport> &out, int area, const Colours &colours, int count)
{
    for (int first = 0, packet = 0; first < count; first += kLedsPerPacket, ++packet) {
        const int n = std::min(kLedsPerPacket, count - first);
        HidReport r = makeReport(out::StreamFrame);
        r[kSubByte] = uint8_t(area);
        r[kPacketByte] = uint8_t(packet);
        r[kLengthByte] = uint8_t(3 * n);
        for (int i = 0; i < n; ++i)
            putRgb(r, kPayload + std::size_t(3 * i), colours[std::size_t(first + i)]);
        out.push_back(r);
    }
}

} // namespace

namespace lightstream {

HidReport syncReport(bool streaming)
{
    HidReport r = makeReport(out::StreamingState);
    r[kLengthByte] = 1;
    r[kPayload] = streaming ? 1 : 0;
    return r;
}

std::vector<HidReport> framePackets(const lightrender::KeyColours &keys, const lightrender::SideColours &side,
                                    int sideLeds)
{
    std::vector<HidReport> out;
    out.reserve(std::size_t(kKeyStreamPackets + 4));
    appendArea(out, 0, keys, lightgrid::kKeys);
    appendArea(out, 1, side, std::clamp(sideLeds, 0, lightgrid::kSideLeds));
    return out;
}

HidReport wirelessStateReport(const WirelessInputs &in)
{
    HidReport r = makeReport(out::EffectState);
    r[2] = uint8_t((in.epochMs >> 8) & 0xff);
    r[3] = uint8_t(in.epochMs & 0xff);
    r[4] = uint8_t(in.keyType & 0xff);
    switch (in.keyType) {
    case kMusicType: {
        // Every band is reported; one without columns reads 0.
        int sum = 0;
        for (int b = 0; b < kBands && b < int(in.bandColumnCounts.size()); ++b) {
            const int columns = in.bandColumnCounts[std::size_t(b)];
            if (columns <= 0)
                continue;
            sum += columns;
            const std::size_t at = std::size_t(sum - 1);
            if (at < in.musicColumnLevels.size())
                r[kKeyData + std::size_t(b)] = uint8_t(in.musicColumnLevels[at]);
            if (at < in.musicColumnIntensities.size())
                r[kIntensityData + std::size_t(b)] = uint8_t(in.musicColumnIntensities[at]);
        }
        break;
    }
    case 0:
    case 1:
    case 3:
        putRgb(r, kKeyData, in.firstKey);
        break;
    case 6:
    case 7:
    case 8:
    case 11:
    case 16:
        if (in.touchX != -1 && in.touchY != -1) {
            r[5] = uint8_t(in.touchX);
            r[6] = uint8_t(in.touchY);
            r[7] = uint8_t(in.touchRipple.r);
            r[8] = uint8_t(in.touchRipple.g);
            r[9] = uint8_t(in.touchRipple.b);
        }
        break;
    case 12:
        if (in.speedRespondLevels && !in.speedRespondLevels->empty()) {
            const auto largest = std::prev(in.speedRespondLevels->end());
            r[5] = uint8_t(largest->first);
            r[6] = uint8_t(largest->second);
        }
        break;
    case 14:
        if (in.autoRippleStarts) {
            for (std::size_t i = 0; i < in.autoRippleConfig.size(); ++i)
                r[kKeyData + i] = uint8_t(in.autoRippleConfig[i] & 0xff);
        }
        break;
    default:
        break;
    }
    if (in.hasSideLight) {
        r[kSideType] = uint8_t(in.sideType & 0xff);
        switch (in.sideType) {
        case 0:
        case 1:
        case 4:
        case 5:
            putRgb(r, kSideData, in.firstSide);
            break;
        case 3:
            std::copy(in.collisionState.begin(), in.collisionState.end(), r.begin() + kSideData);
            break;
        default:
            break;
        }
    }
    return r;
}

} // namespace lightstream

LightStreamer::LightStreamer(QObject *parent)
    : QObject(parent), m_syncTimer(new QTimer(this)), m_stillRetry(new QTimer(this)),
      m_sendThread(new sendLightUpdataThread(this))
{
    m_syncTimer->setInterval(kSyncIntervalMs);
    m_stillRetry->setSingleShot(true);
    m_stillRetry->setInterval(kStillRetryMs);
    connect(m_stillRetry, &QTimer::timeout, this, &LightStreamer::sendFrame);
    connect(m_syncTimer, &QTimer::timeout, this, &LightStreamer::onSyncTimer);
    connect(m_sendThread, &LightTickThread::tick, this,
            &LightStreamer::onDviceUpdateAllKeyColorSendKeyboardHid);
}

// Ending while streaming hands the lights back to the keyboard.
LightStreamer::~LightStreamer()
{
    setStreaming(false);
    m_sendThread->stop();
}

void LightStreamer::setHidInterface(MainHidInterFace *hid)
{
    m_hid = hid;
}

void LightStreamer::setLink(int linkType, int sideLeds)
{
    m_linkType = linkType;
    m_sideLeds = std::clamp(sideLeds, 0, lightgrid::kSideLeds);
}

void LightStreamer::setStreaming(bool on)
{
    if (on) {
        if (m_streaming)
            return;
        if (m_hid)
            m_hid->setLightFrameEnabled(true);
        m_streaming = true;
        onSendLightSynchronize0x17Cmd();
        m_syncTimer->start();
        if (!m_animated)
            sendFrame();
        else if (!m_ownerPaced)
            m_sendThread->startTicking();
        return;
    }
    if (!m_streaming)
        return;
    if (m_hid)
        m_hid->setLightFrameEnabled(false);
    // Joined here, so no tick of this run arrives after the switch.
    m_sendThread->stop();
    m_syncTimer->stop();
    m_stillRetry->stop();
    m_streaming = false;
    onSendLightSynchronize0x17Cmd();
}

void LightStreamer::setAnimated(bool on)
{
    if (on == m_animated)
        return;
    m_animated = on;
    if (!m_streaming)
        return;
    if (on) {
        if (!m_ownerPaced)
            m_sendThread->startTicking();
    } else {
        m_sendThread->stop();
        sendFrame();
    }
}

void LightStreamer::frameChanged()
{
    if (m_streaming && !m_animated)
        sendFrame();
}

void LightStreamer::setOwnerPaced(bool on)
{
    m_ownerPaced = on;
    if (on)
        m_sendThread->stop();
    else if (m_streaming && m_animated)
        m_sendThread->startTicking();
}

void LightStreamer::frameStepped()
{
    if (m_streaming && m_animated)
        sendFrame();
}

// A still frame rides along with the synchronisation report, so a packet the keyboard lost is
// made good within one period.
void LightStreamer::onSyncTimer()
{
    onSendLightSynchronize0x17Cmd();
    if (!m_animated)
        sendFrame();
}

void LightStreamer::onSendLightSynchronize0x17Cmd()
{
    if (!m_hid)
        return;
    const HidReport r = lightstream::syncReport(m_streaming);
    if (m_hid->sendCommand(r.data()) < 0)
        qDebug() << "USB serial port [ Into Light Synchronous ] Failed ...";
}

void LightStreamer::onDviceUpdateAllKeyColorSendKeyboardHid()
{
    m_sendThread->acknowledge();
    sendFrame();
}

void LightStreamer::sendFrame()
{
    if (!m_streaming)
        return;
    if (m_linkType == 0)
        streamFrameUsb();
    else if (m_linkType == 1)
        sendWirelessLightState();
}

void LightStreamer::streamFrameUsb()
{
    if (m_frameBusy || !m_frames)
        return;
    // An animated frame dropped behind a draining one is followed by the next tick; a still one is
    // sent once, so it waits for the queue to empty.
    if (!m_animated && m_hid && m_hid->queuedLightPackets() > 0 && m_stillRetries < kStillRetryLimit) {
        ++m_stillRetries;
        m_stillRetry->start();
        return;
    }
    m_stillRetries = 0;
    m_frameBusy = true;
    const lightrender::KeyColours *keys = nullptr;
    const lightrender::SideColours *side = nullptr;
    m_frames(&keys, &side);
    if (keys && side) {
        for (const HidReport &packet : lightstream::framePackets(*keys, *side, m_sideLeds)) {
            if (!m_streaming || !m_hid)
                break;
            if (m_hid->queueLightPacket(packet.data()) < 0)
                qDebug() << "USB serial port [Write keyboard Color] Failed ... USB";
        }
        ++m_framesSent;
    }
    m_frameBusy = false;
}

void LightStreamer::sendWirelessLightState()
{
    if (!m_hid || !m_wireless)
        return;
    // A slow receiver link must not pile up state reports ahead of the user's commands.
    const HidReport r = lightstream::wirelessStateReport(m_wireless());
    if (m_hid->sendLatestCommand(r.data()) < 0)
        qDebug() << "USB serial port [Write keyboard Color] Failed ... 2.4G";
}
