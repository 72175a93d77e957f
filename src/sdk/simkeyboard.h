#pragma once

#include "hidbackend.h"
#include "hidreport.h"
#include "modelinfo.h"
#include "simkeyboardstate.h"

#include <QByteArray>
#include <QVector>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

// An in-process model of a keyboard's firmware on one link (cable or receiver). It answers the
// 64-byte protocol through a table of handlers, one per command byte, keeps a log of every report
// it received, and can be plugged, unplugged, delayed, silenced or made to refuse writes.
//
// Thread use: the transport calls (write/read) come from a keyboard's I/O thread, everything else
// from the test or GUI thread; one mutex guards the lot. Handlers run with it held and use
// state() and reply() freely.
class SimKeyboard
{
public:
    using Handler = std::function<void(SimKeyboard &keyboard, const HidReport &report)>;
    using Clock = std::chrono::steady_clock;

    SimKeyboard(const ModelInfo &model, LinkType link);

    const ModelInfo &model() const { return m_model; }
    LinkType linkType() const { return m_link; }
    uint16_t vendorId() const;
    uint16_t productId() const;
    uint16_t releaseNumber() const { return m_releaseNumber; }
    // The firmware version and build texts the keyboard reports ("V1.00.00" by default); a firmware
    // update changes them.
    QString firmwareVersion() const;
    QString firmwareBuild() const;
    void setFirmwareVersion(const QString &version, const QString &build = QString());

    // Registers the handler of one command byte, replacing any earlier one. Commands without a
    // handler are logged and get no answer.
    void setHandler(uint8_t command, Handler handler);
    Handler handler(uint8_t command) const;

    // --- boot loader
    // Called while unplugged: at the next plug the keyboard shows itself under
    // `vendorId`:`productId` and every report it receives goes to `handler` (called with the
    // keyboard's lock held) instead of the command table, as a keyboard in its boot loader.
    // leaveBootLoader(), also while unplugged, gives the keyboard firmware back.
    void enterBootLoader(uint16_t vendorId, uint16_t productId, Handler handler);
    void leaveBootLoader();
    bool inBootLoader() const;

    // --- controls
    // Each plug gives a new device path; handles opened before an unplug stay dead.
    void plug();
    void unplug();
    // Told after every plug (true) and unplug (false), outside the keyboard's lock, on the thread
    // that plugged. Used by the back end to report the change like a system device event.
    using PlugObserver = std::function<void(SimKeyboard &keyboard, bool plugged)>;
    void setPlugObserver(PlugObserver observer);
    bool isPlugged() const;
    QByteArray path() const;
    // The generation of the current attachment; the transport ties a handle to it.
    quint64 generation() const;
    void setReplyDelay(std::chrono::milliseconds delay);
    void setSilent(bool silent); // writes are accepted and logged, nothing is answered
    void setRefuseWrites(bool refuse);
    // Opening the keyboard fails for this reason (PermissionDenied: as hidraw's EACCES); None opens.
    void setOpenRefusal(HidOpenError why);
    HidOpenError openRefusal() const;
    // Writes and reads fail with this errno while the keyboard stays listed, as a hidraw node whose
    // device went away without a removal event (ENODEV, EIO); 0 lets them through.
    void setTransferError(int errorNumber);

    // --- state and log
    SimKeyboardState state() const;
    void update(const std::function<void(SimKeyboardState &)> &change);
    // Every report received, oldest first; a long session keeps the newest kLogLimit.
    static constexpr std::size_t kLogLimit = 1 << 16;
    QVector<HidReport> received() const;
    int receivedCount(uint8_t command) const;
    void clearLog();
    // Sends a report unasked (status, a light change made on the keyboard, ...).
    void send(const HidReport &report);
    void sendStatus();

    // --- for handlers (mutex held)
    SimKeyboardState &stateLocked() { return m_state; }
    void reply(const HidReport &report);
    // Sent `after` later than a reply would be; replies due earlier overtake it.
    void replyLater(const HidReport &report, std::chrono::milliseconds after);
    // Takes back queued reports not yet read (a run the host stopped).
    void dropQueued(const std::function<bool(const HidReport &)> &which);
    HidReport statusReport() const;

    // --- transport
    int write(const HidReport &report, quint64 generation);
    int read(HidReport *report, quint64 generation);
    // Waits until read() would give a report, `*woken` is set by wakeWaiter(), or `timeout` passes
    // (negative: no limit); see HidChannel::waitForInput. `woken` belongs to the caller's channel
    // and is only touched under the keyboard's lock.
    int waitForInput(quint64 generation, std::chrono::milliseconds timeout, bool *woken);
    void wakeWaiter(bool *woken);
    // A handle of `generation` will never get through again: unplugged since, or ENODEV/EIO.
    bool isGone(quint64 generation) const;

private:
    void queueLocked(const HidReport &report);
    void queueAtLocked(const HidReport &report, Clock::time_point due);

    const ModelInfo m_model;
    const LinkType m_link;
    // The boot loader's vendor and product ID (vendor in the high half); 0 while not in it. Atomic,
    // since the identity is read with and without the lock.
    std::atomic<uint32_t> m_bootIds{0};
    Handler m_bootHandler;
    uint16_t m_releaseNumber = 0x0100;
    QString m_firmwareVersion = QStringLiteral("V1.00.00");
    QString m_firmwareBuild = QStringLiteral("Jan 15 2025,10:30:00");

    mutable std::mutex m_mutex;
    std::array<Handler, 256> m_handlers;
    SimKeyboardState m_state;
    bool m_plugged = false;
    PlugObserver m_plugObserver;
    quint64 m_generation = 0;
    QByteArray m_path;
    std::chrono::milliseconds m_delay{0};
    bool m_silent = false;
    bool m_refuseWrites = false;
    HidOpenError m_openRefusal = HidOpenError::None;
    int m_transferError = 0;
    std::deque<HidReport> m_received;        // the newest kLogLimit reports
    std::array<int, 256> m_receivedCounts{}; // per command byte, of the reports in m_received
    struct Pending
    {
        Clock::time_point due;
        HidReport report;
    };
    std::deque<Pending> m_outbox;
    // Told of every queued report, plug change and wake, for waitForInput.
    std::condition_variable m_changed;
};
