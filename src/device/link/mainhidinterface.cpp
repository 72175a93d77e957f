#include "mainhidinterface.h"

#include "cquelmohid.h"
#include "crashhandler.h"
#include "modelcatalogue.h"

#include <QDebug>
#include <QTimer>

#include <cstring>

namespace {
constexpr int kDefaultLightBatch = 9;
constexpr int kHandshakeIntervalMs = 1000;

constexpr qint64 kActivePauseUs = 1000;
constexpr qint64 kBusyWindowUs = 30000;

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
    m_shakeTimer = new QTimer(this);
    connect(m_shakeTimer, &QTimer::timeout, this, &MainHidInterFace::onShakeHandsRuning);
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
    m_lastTrafficUs = nowUs();

    HidReport inquiry = hidproto::makeReport(hidproto::out::SerialInquiry, hidproto::kReportIdPlain);
    if (sendCommand(inquiry.data()) < 0)
        qDebug() << "---------- *** Inquire [Device SN] Failed *** ----------";

    m_shakeTimer->start(kHandshakeIntervalMs);
    CQuelmoHid_SetNonblocking(handle, 1);
    emit sigOpenHidSuccessful();
    return 0;
}

int MainHidInterFace::sendCommand(const unsigned char *report)
{
    if (!m_open.load() || !report)
        return -1;
    HidReport copy;
    std::memcpy(copy.data(), report, copy.size());
    {
        std::lock_guard<std::mutex> lock(m_commandMutex);
        m_commandQueue.push_back(copy);
    }
    wake();
    return 0;
}

int MainHidInterFace::queueLightPacket(const unsigned char *packet)
{
    bool queued = false;
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
        if (m_lightQueue.size() >= static_cast<std::size_t>(m_lightBatchSize))
            m_lightHold = false; // this packet completes the frame and releases it
        HidReport copy;
        std::memcpy(copy.data(), packet, copy.size());
        m_lightQueue.push_back(copy);
        queued = true;
    }
    if (queued)
        wake();
    return 0;
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
    m_shakeTimer->stop();
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

void MainHidInterFace::run()
{
    crashhandler::prepareThread();
    m_turn = false;
    while (m_open.load() && !m_gone.load()) {
        const bool wrote = !m_turn && writeTurn();
        const bool didIo = m_turn ? readTurn() : wrote;
        m_turn = !m_turn;
        pause(didIo, wrote);
    }
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

bool MainHidInterFace::writeTurn()
{
    HidReport report;
    bool isCommand = false;
    {
        std::lock_guard<std::mutex> lock(m_commandMutex);
        if (!m_commandQueue.empty()) {
            report = m_commandQueue.front();
            m_commandQueue.pop_front();
            isCommand = true;
        }
    }
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

    const int handle = m_handle.load();
    const int written =
        handle != 0 ? CQuelmoHid_HidWriteBuff(handle, report.data(), m_devicePathLatin1.constData()) : -1;
    if (written == -1 && !checkGone(handle, "write") && isCommand)
        qDebug() << "-----------------------------------------****************** Send error, Cmd:"
                 << report[hidproto::kCmdByte];
    return true;
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

void MainHidInterFace::pause(bool didIo, bool wrote)
{
    const qint64 now = nowUs();
    if (didIo)
        m_lastTrafficUs = now;
    if (wrote)
        m_lastWriteUs = now;
    if (didIo || hasQueuedWork()) {
        // A report waiting after a quiet spell goes out at once: the keyboard has already had
        // more than the two pauses that separate consecutive writes.
        if (!didIo && now - m_lastWriteUs >= 2 * kActivePauseUs)
            return;
        // Reports are flowing: keep the keyboard's pacing between turns.
        CQuelmoHid_highPrecisionTimerRuning(100, &m_highPrecisionTimerState[0],
                                            &m_highPrecisionTimerState[1]);
        return;
    }
    // Nothing to write and nothing read: sleep until a report is queued, the device is closed, or
    // it is time to look at the device again.
    const auto timeout = (now - m_lastTrafficUs) < kBusyWindowUs ? kActivePause : kIdlePoll;
    std::unique_lock<std::mutex> lock(m_wakeMutex);
    m_wakeCondition.wait_for(lock, timeout, [this] { return m_wakePending || !m_open.load(); });
    m_wakePending = false;
}

void MainHidInterFace::wake()
{
    {
        std::lock_guard<std::mutex> lock(m_wakeMutex);
        m_wakePending = true;
    }
    m_wakeCondition.notify_one();
}
