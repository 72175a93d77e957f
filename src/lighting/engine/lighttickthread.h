#pragma once

#include <QThread>
#include <atomic>
#include <condition_variable>
#include <mutex>

// Paces one part of the light engine. The loop sleeps until its next deadline on the monotonic clock
// and then emits a tick; the first tick follows the start at once. A tick is only emitted while the
// previous one has been taken (acknowledge()), so a busy receiver gets one late tick, never a burst.
// stop() returns once the loop has ended; a start after a stop ticks again.
class LightTickThread : public QThread
{
    Q_OBJECT

public:
    LightTickThread(int intervalMs, int minMs, int maxMs, QObject *parent = nullptr);
    ~LightTickThread() override;

    // Stored clamped to the thread's range; a running loop takes it from its next wait.
    void setInterval(int ms);
    int interval() const { return m_interval.load(); }

    void startTicking();
    void stop();
    bool isTicking() const { return m_running.load(); }
    // Called by the receiver when it takes a tick.
    void acknowledge() { m_pending.store(false); }
    // Ticks emitted since construction.
    int tickCount() const { return m_ticks.load(); }

signals:
    void tick();

protected:
    void run() override;

private:
    const int m_min;
    const int m_max;
    std::atomic<int> m_interval;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_pending{false};
    std::atomic<int> m_ticks{0};
    std::mutex m_mutex;
    std::condition_variable m_wake;
};

// The key effect's ticks: 8 to 28 ms, 12 ms at first.
class updateLightMainThread : public LightTickThread
{
    Q_OBJECT
public:
    explicit updateLightMainThread(QObject *parent = nullptr) : LightTickThread(12, 8, 28, parent) {}
};

// The side light effect's ticks: 8 to 28 ms, 15 ms at first.
class updateLightMainThreadSide : public LightTickThread
{
    Q_OBJECT
public:
    explicit updateLightMainThreadSide(QObject *parent = nullptr) : LightTickThread(15, 8, 28, parent) {}
};

// The preview of the keyboard picture: every 30 ms.
class updateLightMainThreadUI : public LightTickThread
{
    Q_OBJECT
public:
    explicit updateLightMainThreadUI(QObject *parent = nullptr) : LightTickThread(30, 30, 30, parent) {}
};
