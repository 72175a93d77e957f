#include "mainhidinterface.h"

#include "cquelmohid.h"
#include "crashhandler.h"
#include "modelcatalogue.h"

#include <QDebug>

#include <algorithm>
#include <cstring>

namespace {
constexpr int kDefaultLightBatch = 9;
constexpr qint64 kHandshakeIntervalUs = 1000 * 1000;

constexpr qint64 kPacingUs = std::chrono::microseconds(MainHidInterFace::kPacing).count();
constexpr int kPacingTimerValue = 100; // the SDK's value for one pacing interval (10 us units)
// How long a close may spend writing the commands still queued.
constexpr qint64 kCloseFlushUs = 100 * 1000;

qint64 nowUs()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int batchSizeFor(const QString &keyboardName)
{
    const ModelInfo *model = ModelCatalogue::instance().find(keyboardName);
    if (!model)
        return kDefaultLightBatch;
    const int n = model->lightBatchSize();
    return n > 0 ? n : kDefaultLightBatch;
}
} // namespace

MainHidInterFace::MainHidInterFace(int threadIndex, const QString &keyboardName, QObject *parent)
    : QThread(parent), m_threadIndex(threadIndex), m_keyboardName(keyboardName),
      m_lightBatchSize(batchSizeFor(keyboardName))
{
    CQuelmoHid_highPrecisionTimerInit(&m_highPrecisionTimerState[0], &m_highPrecisionTimerState[1]);
    CQuelmoHid_highPrecisionTimerStart(&m_highPrecisionTimerState[0], &m_highPrecisionTimerState[1]);
    m_timerRunning = true;
}

MainHidInterFace::~MainHidInterFace()
{
    closeDevice();
    // A thread started without a successful open (or already told to stop) still has to end
    // before the object goes away.
    joinLoop();
    if (m_timerRunning) {
        CQuelmoHid_highPrecisionTimerStop(&m_highPrecisionTimerState[0], &m_highPrecisionTimerState[1]);
        m_timerRunning = false;
    }
}

int MainHidInterFace::openDevice(const QString &path)
{
    if (m_open.load())
        return 0;
    m_devicePath = path;
    m_devicePathLatin1 = path.toLatin1();
    const int handle = CQuelmoHid_OpenPath(m_devicePathLatin1.constData());
    m_handle.store(handle);
    if (handle == 0) {
        const HidOpenError why = quelmosdk::lastOpenError();
        qDebug() << "Unable to open device" << path
                 << (why == HidOpenError::PermissionDenied ? "(permission denied)"
                     : why == HidOpenError::NotFound       ? "(not found)"
                                                           : "(failed)");
        m_open.store(false);
        return -1;
    }
    qDebug() << "Open device success" << path;
    m_open.store(true);

    HidReport inquiry = hidproto::makeReport(hidproto::out::SerialInquiry, hidproto::kReportIdPlain);
    if (sendCommand(inquiry.data()) < 0)
        qDebug() << "---------- *** Inquire [Device SN] Failed *** ----------";

    CQuelmoHid_SetNonblocking(handle, 1);
    emit sigOpenHidSuccessful();
    return 0;
}

int MainHidInterFace::sendCommand(const unsigned char *report)
{
    return enqueueCommand(report, false);
}

int MainHidInterFace::sendLatestCommand(const unsigned char *report)
{
    return enqueueCommand(report, true);
}

int MainHidInterFace::enqueueCommand(const unsigned char *report, bool replaceSameCommand)
{
    if (!m_open.load() || !report)
        return -1;
    HidReport copy;
    std::memcpy(copy.data(), report, copy.size());
    {
        std::lock_guard<std::mutex> lock(m_commandMutex);
        const auto pending =
            !replaceSameCommand
                ? m_commandQueue.end()
                : std::find_if(m_commandQueue.begin(), m_commandQueue.end(), [&](const HidReport &r) {
                      return r[hidproto::kCmdByte] == copy[hidproto::kCmdByte];
                  });
        if (replaceSameCommand && pending != m_commandQueue.end())
            *pending = copy;
        else {
            m_commandQueue.push_back(copy);
            ++m_commandsQueued;
        }
    }
    // The loop queuing its own handshake is awake already.
    if (QThread::currentThread() != this)
        wake();
    return 0;
}

int MainHidInterFace::queueLightPacket(const unsigned char *packet)
{
    bool released = false;
    {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (!m_open.load() || !packet)
            return -1;
        if (m_lightQueue.empty())
            m_lightHold = true;
        if (!m_lightEnabled.load())
            return 0;
        if (!m_lightHold)
            return 0; // a frame is draining: the packet is dropped
        if (m_lightQueue.size() >= static_cast<std::size_t>(m_lightBatchSize)) {
            m_lightHold = false; // this packet completes the frame and releases it
            released = true;
        }
        m_lightQueue.emplace_back();
        std::memcpy(m_lightQueue.back().data(), packet, hidproto::kReportSize);
    }
    // A frame still being collected gives the loop nothing to do: only its last packet wakes it.
    if (released)
        wake();
    return 0;
}

quint64 MainHidInterFace::queuedCommandCount() const
{
    std::lock_guard<std::mutex> lock(m_commandMutex);
    return m_commandsQueued;
}

void MainHidInterFace::notifyWhenCommandsWritten(quint64 count)
{
    m_notifyAt.store(count);
    // The loop may have written the last of them before the request was stored: whoever clears
    // the request gives the one notice.
    quint64 expected = count;
    if (m_commandsWritten.load() >= count && m_notifyAt.compare_exchange_strong(expected, 0))
        emit sigCommandsWritten();
}

int MainHidInterFace::queuedLightPackets() const
{
    std::lock_guard<std::mutex> lock(m_lightMutex);
    return static_cast<int>(m_lightQueue.size());
}

void MainHidInterFace::setLightFrameEnabled(bool on)
{
    m_lightEnabled.store(on);
}

int MainHidInterFace::closeDevice()
{
    if (!m_open.load())
        return 0;
    m_open.store(false);
    wake();
    // The loop may be inside a write or read on this handle: let it finish before closing.
    if (QThread::currentThread() != this)
        joinLoop();
    const int handle = m_handle.exchange(0);
    if (handle != 0)
        CQuelmoHid_Close(handle);
    if (m_timerRunning) {
        CQuelmoHid_highPrecisionTimerStop(&m_highPrecisionTimerState[0], &m_highPrecisionTimerState[1]);
        m_timerRunning = false;
    }
    return 0;
}

void MainHidInterFace::onShakeHandsRuning()
{
    if (!m_open.load())
        return;
    HidReport shake = hidproto::makeReport(hidproto::out::Handshake, hidproto::kReportIdPlain);
    shake[hidproto::kLengthByte] = 1;
    shake[hidproto::kPayload] = 0;
    if (sendCommand(shake.data()) < 0)
        qDebug() << "---------- *** ShakeHands Failed [MainHidInterFace] *** ---------- m_strHidName:"
                 << m_keyboardName;
}

// The handshake is timed by the loop itself, so a keyboard doing nothing wakes one thread once a
// second and the GUI thread only for the keyboard's answer. A loop held up past a due time sends
// one handshake, not one per interval missed.
void MainHidInterFace::shakeHandsWhenDue()
{
    const qint64 now = nowUs();
    if (now < m_nextShakeUs)
        return;
    onShakeHandsRuning();
    m_nextShakeUs += kHandshakeIntervalUs;
    if (m_nextShakeUs <= now)
        m_nextShakeUs = now + kHandshakeIntervalUs;
}

void MainHidInterFace::run()
{
    crashhandler::prepareThread();
    m_turn = false;
    m_nextShakeUs = nowUs() + kHandshakeIntervalUs;
    while (m_open.load() && !m_gone.load()) {
        shakeHandsWhenDue();
        const bool didIo = m_turn ? readTurn() : writeTurn();
        m_turn = !m_turn;
        pause(didIo);
    }
    writeRemainingCommands();
    // The loop's last touch of this object; joinLoop() takes the same lock after the join.
    std::lock_guard<std::mutex> lock(m_wakeMutex);
}

void MainHidInterFace::joinLoop()
{
    wait();
    // QThread::wait() synchronises inside Qt, where race checkers cannot see it; this lock makes
    // the hand-over from the finished loop explicit.
    std::lock_guard<std::mutex> lock(m_wakeMutex);
}

// After a close: what the user and the pages sent before it still reaches the keyboard (the last
// report of a closing page may hand the keyboard its own lights back). Paced as usual, bounded in
// time; light packets are dropped, and a keyboard found gone gets nothing more.
void MainHidInterFace::writeRemainingCommands()
{
    const qint64 deadline = nowUs() + kCloseFlushUs;
    while (!m_gone.load() && m_handle.load() != 0 && nowUs() < deadline) {
        HidReport report;
        if (!takeCommand(report))
            return;
        waitForPacing();
        writeReport(report, true);
    }
}

bool MainHidInterFace::takeCommand(HidReport &report)
{
    std::lock_guard<std::mutex> lock(m_commandMutex);
    if (m_commandQueue.empty())
        return false;
    report = m_commandQueue.front();
    m_commandQueue.pop_front();
    return true;
}

bool MainHidInterFace::writeTurn()
{
    HidReport report;
    const bool isCommand = takeCommand(report);
    bool isLight = false;
    if (!isCommand) {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (!m_lightQueue.empty() && m_lightEnabled.load() && !m_lightHold) {
            report = m_lightQueue.front();
            m_lightQueue.pop_front();
            isLight = true;
        }
    }
    if (!isCommand && !isLight)
        return false;
    writeReport(report, isCommand);
    return true;
}

void MainHidInterFace::writeReport(const HidReport &report, bool isCommand)
{
    const int handle = m_handle.load();
    const int written =
        handle != 0 ? CQuelmoHid_HidWriteBuff(handle, report.data(), m_devicePathLatin1.constData()) : -1;
    m_lastWriteUs = nowUs();
    if (written == -1 && !checkGone(handle, "write") && isCommand)
        qDebug() << "-----------------------------------------****************** Send error, Cmd:"
                 << report[hidproto::kCmdByte];
    if (isCommand) {
        if (written == -1)
            ++m_commandsRefused;
        const quint64 done = ++m_commandsWritten;
        quint64 target = m_notifyAt.load();
        if (target != 0 && done >= target && m_notifyAt.compare_exchange_strong(target, 0))
            emit sigCommandsWritten();
    }
}

bool MainHidInterFace::readTurn()
{
    const int handle = m_handle.load();
    if (handle == 0)
        return false;
    HidReport buffer{};
    const int n = CQuelmoHid_HidReadBuff(handle, buffer.data());
    if (n < 0)
        checkGone(handle, "read");
    if (n <= 0)
        return false;
    QByteArray copy(reinterpret_cast<const char *>(buffer.data()), static_cast<int>(buffer.size()));
    if (buffer[hidproto::kCmdByte] == hidproto::in::Serial)
        emit sigHidSnGetOver(copy, m_keyboardName);
    else
        emit sigHidDataArrived(copy, n, m_threadIndex);
    return true;
}

bool MainHidInterFace::checkGone(int handle, const char *what)
{
    if (handle == 0 || !quelmosdk::deviceGone(handle))
        return false;
    if (!m_gone.exchange(true)) {
        qWarning().noquote() << "Keyboard" << m_devicePath << "is gone (" << what
                             << "failed); its link is closed";
        emit sigDeviceGone();
    }
    return true;
}

bool MainHidInterFace::hasQueuedWork()
{
    {
        std::lock_guard<std::mutex> lock(m_commandMutex);
        if (!m_commandQueue.empty())
            return true;
    }
    // A frame still being collected needs no turn: the packet that completes it wakes the loop.
    std::lock_guard<std::mutex> lock(m_lightMutex);
    return !m_lightQueue.empty() && m_lightEnabled.load() && !m_lightHold;
}

// Between two turns. The keyboard gets one pacing interval between two reports written to it;
// apart from that the loop never sleeps on a clock: with nothing to write and nothing read it waits
// on the device for input, a queued report or the next handshake, so an idle keyboard costs one
// wake-up a second and a report that arrives is handled at once.
void MainHidInterFace::pause(bool didIo)
{
    if (!m_turn) {
        // A write turn comes next.
        if (hasQueuedWork())
            waitForPacing();
        return;
    }
    // A read turn comes next: straight after a write it looks for the answer at once.
    if (didIo || hasQueuedWork() || !m_open.load() || m_gone.load())
        return;
    const int handle = m_handle.load();
    const qint64 untilShakeUs = m_nextShakeUs - nowUs();
    if (handle != 0 && untilShakeUs > 0)
        CQuelmoHid_WaitForInput(handle, static_cast<int>((untilShakeUs + 999) / 1000));
}

// Sleeps out what is left of the pacing interval since the last report written.
void MainHidInterFace::waitForPacing()
{
    const qint64 left = m_lastWriteUs + kPacingUs - nowUs();
    if (left > 0)
        CQuelmoHid_highPrecisionTimerRuning(
            static_cast<int>(std::max<qint64>(1, left * kPacingTimerValue / kPacingUs)),
            &m_highPrecisionTimerState[0], &m_highPrecisionTimerState[1]);
}

void MainHidInterFace::wake()
{
    const int handle = m_handle.load();
    if (handle != 0)
        CQuelmoHid_WakeWaiter(handle);
}
