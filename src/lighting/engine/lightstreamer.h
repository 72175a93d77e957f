#pragma once

#include "hidreport.h"
#include "lighteffectengine.h"
#include "lightrender.h"
#include "lighttickthread.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <vector>

class MainHidInterFace;
class QTimer;

// The reports that carry the engine's lights to the keyboard. Pure builders: the streamer below
// and the tests share them.
namespace lightstream {

// Light synchronisation on or off: while on, the keyboard shows what the computer streams.
HidReport syncReport(bool streaming);
// One streamed frame over the cable: the 132 key positions in eight packets (18 positions each,
// the last six), then `sideLeds` side segments, 18 per packet. Colours are sent without alpha.
std::vector<HidReport> framePackets(const lightrender::KeyColours &keys, const lightrender::SideColours &side,
                                    int sideLeds);

// What the 2.4 GHz state report carries beside the colours.
struct WirelessInputs
{
    int keyType = 0;
    int sideType = 0;
    bool hasSideLight = false;
    quint64 epochMs = 0;
    QColor firstKey;
    QColor firstSide;
    // A key press not yet sent (-1 when none) and the ripple colour it started.
    int touchX = -1;
    int touchY = -1;
    LightRgb touchRipple;
    const std::map<int, int> *speedRespondLevels = nullptr;
    bool autoRippleStarts = false;
    std::array<int, 5> autoRippleConfig{};
    std::array<uint8_t, 5> collisionState{};
    // Music rhythm: per band its column count, per column the level and intensity.
    std::vector<int> bandColumnCounts;
    std::vector<int> musicColumnLevels;
    std::vector<int> musicColumnIntensities;
};
// The state report over the 2.4 GHz receiver, one per send tick in place of a frame.
HidReport wirelessStateReport(const WirelessInputs &in);

} // namespace lightstream

// The send thread: every 30 ms.
class sendLightUpdataThread : public LightTickThread
{
    Q_OBJECT
public:
    explicit sendLightUpdataThread(QObject *parent = nullptr) : LightTickThread(30, 30, 30, parent) {}
};

// Streams the light engine's frames to the open keyboard while light synchronisation is on:
// the synchronisation report at every switch and every 3000 ms, and a frame over the cable
// (through the I/O thread's light batching) or a state report over the receiver on every send
// tick of an animated effect, or once per change of a still one.
// GUI thread only, apart from the send thread's ticks.
class LightStreamer : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSyncIntervalMs = 3000;

    // The frame to send, read on each tick from the engine that owns the streamer.
    using FrameSource =
        std::function<void(const lightrender::KeyColours **keys, const lightrender::SideColours **side)>;
    // Everything a 2.4 GHz state report needs from the engine, read on each tick.
    using WirelessSource = std::function<lightstream::WirelessInputs()>;

    explicit LightStreamer(QObject *parent = nullptr);
    ~LightStreamer() override;

    void setFrameSource(FrameSource source) { m_frames = std::move(source); }
    void setWirelessSource(WirelessSource source) { m_wireless = std::move(source); }
    // Held weakly: a closed keyboard's interface reads back as null and nothing is sent.
    void setHidInterface(MainHidInterFace *hid);
    // Link type 0 cable, 1 receiver; the side segments each cable frame carries.
    void setLink(int linkType, int sideLeds);

    void setStreaming(bool on);
    bool isStreaming() const { return m_streaming; }
    // Whether the frames change tick by tick. Only then does the send thread run; a still frame is
    // sent once when it changes (frameChanged) and again with every synchronisation report.
    void setAnimated(bool on);
    bool isAnimated() const { return m_animated; }
    // A still frame was recomputed: sent now while streaming.
    void frameChanged();
    // Paced by the owner: the send thread stays idle and the owner calls frameStepped() once per
    // frame of an animated effect, from the pass that computed it.
    void setOwnerPaced(bool on);
    // An animated frame was computed: sent now while streaming.
    void frameStepped();
    bool isSendTicking() const { return m_sendThread->isTicking(); }
    // Frames built and packets refused by a closed device, since construction.
    int framesSent() const { return m_framesSent; }

public slots:
    void onSendLightSynchronize0x17Cmd();
    void onDviceUpdateAllKeyColorSendKeyboardHid();

private:
    void streamFrameUsb();
    void sendWirelessLightState();
    void sendFrame();
    void onSyncTimer();

    QPointer<MainHidInterFace> m_hid;
    QTimer *m_syncTimer;
    // A still frame offered while the previous frame still drains would be dropped by the I/O
    // thread's batching: it is offered again shortly instead, a bounded number of times.
    QTimer *m_stillRetry;
    int m_stillRetries = 0;
    sendLightUpdataThread *m_sendThread;
    FrameSource m_frames;
    WirelessSource m_wireless;
    int m_linkType = 0;
    int m_sideLeds = 33;
    bool m_streaming = false;
    bool m_animated = true;
    bool m_ownerPaced = false;
    bool m_frameBusy = false;
    int m_framesSent = 0;
};
