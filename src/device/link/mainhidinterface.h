#pragma once

#include "hidreport.h"

#include <QByteArray>
#include <QString>
#include <QThread>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>

// The only code that touches an open keyboard's HID handle. Producers on the GUI thread queue
// 64-byte reports and return at once; the object's own thread alternates one write turn and one
// non-blocking read turn, keeps one pacing interval between two reports written, sends the
// keyboard its handshake once a second, sleeps on the device while there is nothing to do, and
// hands every input report to the GUI thread as a queued signal carrying its own copy.
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
    // As sendCommand, for reports where only the newest counts (a state sent on every tick): one
    // with the same command byte still waiting in the queue is overwritten in place, so at most one
    // is ever pending and the commands queued behind it are not delayed.
    int sendLatestCommand(const unsigned char *report);
    // -1 when the device is not open, otherwise 0, whether the packet was queued, dropped by the
    // frame batching or refused because light output is off.
    int queueLightPacket(const unsigned char *packet);
    void setLightFrameEnabled(bool on);
    // Stops the loop, lets it write the commands still queued (light packets are dropped), waits
    // for it to end, then closes the device. Always 0.
    int closeDevice();

    bool isOpen() const { return m_open.load(); }
    // The device went away under the loop (a write or read failed with the device gone); the loop
    // has ended. closeDevice() still releases the handle.
    bool isGone() const { return m_gone.load(); }
    int threadIndex() const { return m_threadIndex; }
    QString keyboardName() const { return m_keyboardName; }
    QString devicePath() const { return m_devicePath; }
    // Commands queued since the open, those the loop has written (or failed to write), and those
    // the device refused.
    quint64 queuedCommandCount() const;
    quint64 writtenCommandCount() const { return m_commandsWritten.load(); }
    quint64 refusedCommandCount() const { return m_commandsRefused.load(); }
    // Asks for one sigCommandsWritten once `count` commands have been written; at once (from the
    // calling thread) when they already are. A later request replaces an earlier one.
    void notifyWhenCommandsWritten(quint64 count);
    // Light packets collected before a frame is released; the frame is one packet more.
    int lightBatchSize() const { return m_lightBatchSize; }
    int queuedLightPackets() const;

    // Least time between two reports written to the keyboard.
    static constexpr std::chrono::milliseconds kPacing{1};

public slots:
    void onShakeHandsRuning();

signals:
    void sigOpenHidSuccessful();
    void sigHidDataArrived(QByteArray data, int length, int threadIndex);
    void sigHidSnGetOver(QByteArray data, QString strHidName);
    void sigCommandsWritten();
    // Emitted once, from the loop, when the device is found gone.
    void sigDeviceGone();

protected:
    void run() override;

private:
    int enqueueCommand(const unsigned char *report, bool replaceSameCommand);
    // The oldest queued command, taken off the queue; false when there is none.
    bool takeCommand(HidReport &report);
    bool writeTurn();
    void writeReport(const HidReport &report, bool isCommand);
    void writeRemainingCommands();
    bool readTurn();
    void shakeHandsWhenDue();
    void pause(bool didIo);
    void waitForPacing();
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
    std::atomic<bool> m_lightEnabled{false};
    bool m_turn = false; // loop thread only: false write turn, true read turn
    int m_lightBatchSize = 9;

    mutable std::mutex m_commandMutex;
    std::deque<HidReport> m_commandQueue;
    quint64 m_commandsQueued = 0; // guarded by m_commandMutex
    std::atomic<quint64> m_commandsWritten{0};
    std::atomic<quint64> m_commandsRefused{0};
    std::atomic<quint64> m_notifyAt{0}; // 0: nobody asked

    mutable std::mutex m_lightMutex;
    bool m_lightHold = false;
    std::deque<HidReport> m_lightQueue;

    // Taken by the loop's last step and by joinLoop(), to make the hand-over visible to race checkers.
    std::mutex m_wakeMutex;
    qint64 m_lastWriteUs = 0; // loop thread only
    qint64 m_nextShakeUs = 0; // loop thread only
};
