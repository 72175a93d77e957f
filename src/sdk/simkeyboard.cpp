#include "simkeyboard.h"

#include <algorithm>
#include <atomic>
#include <cerrno>

namespace {

// Attachments are numbered process-wide so that no simulated path is ever given out twice.
std::atomic<quint64> s_attachments{0};

} // namespace

SimKeyboard::SimKeyboard(const ModelInfo &model, LinkType link) : m_model(model), m_link(link) {}

uint16_t SimKeyboard::vendorId() const
{
    if (const uint32_t boot = m_bootIds.load())
        return uint16_t(boot >> 16);
    const ModelLink *l = m_model.link(m_link);
    return l ? l->vendorId : 0;
}

uint16_t SimKeyboard::productId() const
{
    if (const uint32_t boot = m_bootIds.load())
        return uint16_t(boot & 0xFFFF);
    const ModelLink *l = m_model.link(m_link);
    return l ? l->productId : 0;
}

QString SimKeyboard::firmwareVersion() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmwareVersion;
}

QString SimKeyboard::firmwareBuild() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_firmwareBuild;
}

void SimKeyboard::setFirmwareVersion(const QString &version, const QString &build)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_firmwareVersion = version;
    m_firmwareBuild = build;
}

void SimKeyboard::setHandler(uint8_t command, Handler handler)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_handlers[command] = std::move(handler);
}

SimKeyboard::Handler SimKeyboard::handler(uint8_t command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_handlers[command];
}

void SimKeyboard::enterBootLoader(uint16_t vendorId, uint16_t productId, Handler handler)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bootHandler = std::move(handler);
    m_bootIds = uint32_t(vendorId) << 16 | productId;
}

void SimKeyboard::leaveBootLoader()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_bootHandler = nullptr;
    m_bootIds = 0;
}

bool SimKeyboard::inBootLoader() const
{
    return m_bootIds.load() != 0;
}

void SimKeyboard::setPlugObserver(PlugObserver observer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_plugObserver = std::move(observer);
}

void SimKeyboard::plug()
{
    PlugObserver observer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_plugged)
            return;
        const quint64 n = ++s_attachments;
        m_generation = n;
        m_plugged = true;
        m_outbox.clear();
        // Shaped like a hidraw syspath, under a root no real device lives in.
        const QString ids = QStringLiteral("%1:%2.%3")
                                .arg(vendorId(), 4, 16, QLatin1Char('0'))
                                .arg(productId(), 4, 16, QLatin1Char('0'))
                                .arg(n & 0xFFFF, 4, 16, QLatin1Char('0'))
                                .toUpper();
        m_path = QStringLiteral("/tidelumen-sim/devices/usb1/1-%1/1-%1:1.1/0003:%2/hidraw/hidraw%1")
                     .arg(n)
                     .arg(ids)
                     .toLatin1();
        observer = m_plugObserver;
    }
    if (observer)
        observer(*this, true);
}

void SimKeyboard::unplug()
{
    PlugObserver observer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_plugged)
            observer = m_plugObserver;
        m_plugged = false;
        m_outbox.clear();
        m_changed.notify_all();
    }
    if (observer)
        observer(*this, false);
}

bool SimKeyboard::isPlugged() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_plugged;
}

QByteArray SimKeyboard::path() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_path;
}

quint64 SimKeyboard::generation() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_generation;
}

void SimKeyboard::setReplyDelay(std::chrono::milliseconds delay)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_delay = delay;
}

void SimKeyboard::setSilent(bool silent)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_silent = silent;
}

void SimKeyboard::setRefuseWrites(bool refuse)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_refuseWrites = refuse;
}

void SimKeyboard::setOpenRefusal(HidOpenError why)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_openRefusal = why;
}

HidOpenError SimKeyboard::openRefusal() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_openRefusal;
}

void SimKeyboard::setTransferError(int errorNumber)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_transferError = errorNumber;
}

bool SimKeyboard::isGone(quint64 generation) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return !m_plugged || generation != m_generation || m_transferError == ENODEV || m_transferError == EIO;
}

SimKeyboardState SimKeyboard::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

void SimKeyboard::update(const std::function<void(SimKeyboardState &)> &change)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    change(m_state);
}

QVector<HidReport> SimKeyboard::received() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return QVector<HidReport>(m_received.begin(), m_received.end());
}

int SimKeyboard::receivedCount(uint8_t command) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_receivedCounts[command];
}

void SimKeyboard::clearLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_received.clear();
    m_receivedCounts.fill(0);
}

void SimKeyboard::send(const HidReport &report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_plugged)
        queueLocked(report);
}

void SimKeyboard::sendStatus()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_plugged)
        queueLocked(statusReport());
}

void SimKeyboard::reply(const HidReport &report)
{
    if (!m_silent)
        queueLocked(report);
}

void SimKeyboard::replyLater(const HidReport &report, std::chrono::milliseconds after)
{
    if (!m_silent)
        queueAtLocked(report, Clock::now() + m_delay + after);
}

void SimKeyboard::dropQueued(const std::function<bool(const HidReport &)> &which)
{
    m_outbox.erase(
        std::remove_if(m_outbox.begin(), m_outbox.end(), [&](const Pending &p) { return which(p.report); }),
        m_outbox.end());
}

void SimKeyboard::queueLocked(const HidReport &report)
{
    queueAtLocked(report, Clock::now() + m_delay);
}

void SimKeyboard::queueAtLocked(const HidReport &report, Clock::time_point due)
{
    // Ordered by due time; reports due together keep their order.
    const auto at = std::upper_bound(m_outbox.begin(), m_outbox.end(), due,
                                     [](Clock::time_point t, const Pending &p) { return t < p.due; });
    m_outbox.insert(at, {due, report});
    m_changed.notify_all();
}

HidReport SimKeyboard::statusReport() const
{
    using namespace hidproto;
    HidReport r = makeReport(in::Status);
    r[kLengthByte] = 9;
    r[status::WinLock] = m_state.winLock ? 1 : 0;
    r[status::Charging] = m_state.charging;
    r[status::Battery] = m_state.battery;
    r[status::Connection] = m_link == LinkType::Receiver ? 1 : 0;
    r[status::ReceiverState] = (m_link == LinkType::Receiver && !m_state.keyboardReachable) ? 1 : 0;
    r[status::DownloadState] = m_state.downloadState;
    r[status::KeyboardMode] = m_state.keyboardMode;
    return r;
}

int SimKeyboard::write(const HidReport &report, quint64 generation)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // A handle from an earlier attachment fails like a vanished hidraw node.
    if (!m_plugged || generation != m_generation || m_refuseWrites || m_transferError != 0)
        return -1;
    if (m_received.size() == kLogLimit) {
        --m_receivedCounts[m_received.front()[hidproto::kCmdByte]];
        m_received.pop_front();
    }
    m_received.push_back(report);
    ++m_receivedCounts[report[hidproto::kCmdByte]];
    if (m_bootHandler) {
        m_bootHandler(*this, report);
        return static_cast<int>(hidproto::kReportSize);
    }
    const uint8_t cmd = report[hidproto::kCmdByte];
    // A receiver whose keyboard is out of reach only reports its own status.
    if (m_link == LinkType::Receiver && !m_state.keyboardReachable && cmd != hidproto::out::Handshake)
        return static_cast<int>(hidproto::kReportSize);
    if (const Handler &h = m_handlers[cmd])
        h(*this, report);
    return static_cast<int>(hidproto::kReportSize);
}

int SimKeyboard::read(HidReport *report, quint64 generation)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_plugged || generation != m_generation || m_transferError != 0)
        return -1;
    if (m_outbox.empty() || m_outbox.front().due > Clock::now())
        return 0;
    *report = m_outbox.front().report;
    m_outbox.pop_front();
    return static_cast<int>(hidproto::kReportSize);
}

int SimKeyboard::waitForInput(quint64 generation, std::chrono::milliseconds timeout, bool *woken)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const bool unlimited = timeout.count() < 0;
    const Clock::time_point deadline = unlimited ? Clock::time_point::max() : Clock::now() + timeout;
    for (;;) {
        if (*woken) {
            *woken = false;
            return 0;
        }
        const bool attached = m_plugged && generation == m_generation;
        const Clock::time_point now = Clock::now();
        if (attached && !m_outbox.empty() && m_outbox.front().due <= now)
            return 1;
        if (now >= deadline)
            return 0;
        // A delayed reply falls due by itself: wake for it.
        const Clock::time_point until =
            attached && !m_outbox.empty() ? std::min(deadline, m_outbox.front().due) : deadline;
        if (until == Clock::time_point::max())
            m_changed.wait(lock);
        else
            m_changed.wait_until(lock, until);
    }
}

void SimKeyboard::wakeWaiter(bool *woken)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    *woken = true;
    m_changed.notify_all();
}
