#pragma once

#include "hidreport.h"

#include <QByteArray>
#include <QString>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

class QTimer;

// The only code that touches an open keyboard's HID handle. Producers on the GUI thread queue
// 64-byte reports and return at once; the object's own thread alternates one write turn and one
// non-blocking read turn, with a pause after each, and hands every input report to the GUI thread
// as a queued signal carrying its own copy.
class MainHidInterFace : public QThread
{
    Q_OBJECT

public:
    MainHidInterFace(int threadIndex, const QString &keyboardName, QObject *parent = nullptr);
    // Stops and joins the loop before the device is closed.
    ~MainHidInterFace() override;

    // 0 when opened, -1 when the device cannot be opened. Queues the serial-number inquiry, so it
    // is the first report written once the thread runs.
    int openDevice(const QString &path);
    // 0 when queued, -1 when the device is not open. Never drops or merges a command.
    virtual int sendCommand(const unsigned char *report);
    // -1 when the device is not open, otherwise 0, whether the packet was queued, dropped by the
    // frame batching or refused because light output is off.
    int queueLightPacket(const unsigned char *packet);
    void setLightFrameEnabled(bool on);
    // Stops the loop, waits for its current turn to end, then closes the device. Always 0.
    int closeDevice();

    bool isOpen() const { return m_open.load(); }
    // The device went away under the loop (a write or read failed with the device gone); the loop
    // has ended. closeDevice() still releases the handle.
    bool isGone() const { return m_gone.load(); }
    int threadIndex() const { return m_threadIndex; }
    QString keyboardName() const { return m_keyboardName; }
    QString devicePath() const { return m_devicePath; }
    // Light packets collected before a frame is released; the frame is one packet more.
    int lightBatchSize() const { return m_lightBatchSize; }
    int queuedLightPackets() const;

    // Pause between turns while reports flow, and the longest wait of an idle loop; an idle wait
    // ends at once when a report is queued.
    static constexpr std::chrono::milliseconds kActivePause{1};
    static constexpr std::chrono::milliseconds kIdlePoll{25};
    // After the last report in either direction the loop keeps the short pause for 30 ms, so that
    // answers to a command are picked up without the idle delay.

public slots:
    void onShakeHandsRuning();

signals:
    void sigOpenHidSuccessful();
    void sigHidDataArrived(QByteArray data, int length, int threadIndex);
    void sigHidSnGetOver(QByteArray data, QString strHidName);
    // Emitted once, from the loop, when the device is found gone.
    void sigDeviceGone();

protected:
    void run() override;

private:
    bool writeTurn();
    bool readTurn();
    void pause(bool didIo, bool wrote);
    bool hasQueuedWork();
    void wake();
    void joinLoop();
    // After a failed write or read: true (logged once, loop told to end) when the device is gone.
    bool checkGone(int handle, const char *what);

    uint32_t m_highPrecisionTimerState[2] = {0, 0};
    bool m_timerRunning = false;
    const int m_threadIndex;
    const QString m_keyboardName;
    std::atomic<int> m_handle{0};
    std::atomic<bool> m_open{false};
    std::atomic<bool> m_gone{false};
    QString m_devicePath;
    QByteArray m_devicePathLatin1; // fixed before the thread starts
    QTimer *m_shakeTimer = nullptr;
    std::atomic<bool> m_lightEnabled{false};
    bool m_turn = false; // loop thread only: false write turn, true read turn
    int m_lightBatchSize = 9;

    mutable std::mutex m_commandMutex;
    std::deque<HidReport> m_commandQueue;

    mutable std::mutex m_lightMutex;
    bool m_lightHold = false;
    std::deque<HidReport> m_lightQueue;

    // Wakes an idle loop; held only for the flag, never together with a queue mutex.
    std::mutex m_wakeMutex;
    std::condition_variable m_wakeCondition;
    bool m_wakePending = false;
    qint64 m_lastTrafficUs = 0; // loop thread only, after the open
    qint64 m_lastWriteUs = 0;
};
