#pragma once

#include <QThread>
#include <atomic>
#include <chrono>
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

// The light engine's frames: every 30 ms, the rate the picture is previewed and the keyboard is
// streamed at.
class updateLightMainThreadUI : public LightTickThread
{
    Q_OBJECT
public:
    explicit updateLightMainThreadUI(QObject *parent = nullptr) : LightTickThread(30, 30, 30, parent) {}
};

// Paces an effect inside the engine's frames: the effect steps once per interval, and each frame
// takes the steps that fell due since the one before, so an effect keeps its speed whatever the
// frame rate. Steps further behind than kMaxSteps (a frame held up by a busy GUI thread) are
// dropped, never made up in a burst.
class LightStepClock
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kMaxSteps = 8;

    LightStepClock(int intervalMs, int minMs, int maxMs);
    // Stored clamped to the clock's range; the step already due keeps its time.
    void setInterval(int ms);
    int interval() const { return m_interval; }
    // The first step falls due at `now`.
    void restart(Clock::time_point now) { m_next = now; }
    // The steps due at `now`, taken.
    int take(Clock::time_point now);

private:
    const int m_min;
    const int m_max;
    int m_interval;
    Clock::time_point m_next{};
};

// The key effect's steps: 8 to 28 ms, 12 ms at first; the side light's: 8 to 28 ms, 15 ms at first.
inline LightStepClock keyStepClock()
{
    return LightStepClock(12, 8, 28);
}
inline LightStepClock sideStepClock()
{
    return LightStepClock(15, 8, 28);
}
