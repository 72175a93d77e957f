#include "lighttickthread.h"

#include <algorithm>
#include <chrono>

LightTickThread::LightTickThread(int intervalMs, int minMs, int maxMs, QObject *parent)
    : QThread(parent), m_min(minMs), m_max(maxMs), m_interval(std::clamp(intervalMs, minMs, maxMs))
{
}

LightTickThread::~LightTickThread()
{
    stop();
}

void LightTickThread::setInterval(int ms)
{
    m_interval.store(std::clamp(ms, m_min, m_max));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_wake.notify_all();
}

void LightTickThread::startTicking()
{
    if (m_running.load() && isRunning())
        return;
    // A loop that was told to stop may still be leaving: let it end before starting anew.
    wait();
    m_pending.store(false);
    m_running.store(true);
    start();
}

void LightTickThread::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running.store(false);
        m_wake.notify_all();
    }
    wait();
}

void LightTickThread::run()
{
    using clock = std::chrono::steady_clock;
    std::unique_lock<std::mutex> lock(m_mutex);
    while (m_running.load()) {
        if (!m_pending.exchange(true)) {
            ++m_ticks;
            lock.unlock();
            emit tick();
            lock.lock();
        }
        // The next tick is one interval after this one; a late tick delays the following ones
        // instead of being made up. An interval change wakes the wait and is measured from here.
        const auto last = clock::now();
        while (m_running.load()) {
            const auto target = last + std::chrono::milliseconds(m_interval.load());
            m_wake.wait_until(lock, target);
            if (clock::now() >= target)
                break;
        }
    }
}

LightStepClock::LightStepClock(int intervalMs, int minMs, int maxMs)
    : m_min(minMs), m_max(maxMs), m_interval(std::clamp(intervalMs, minMs, maxMs))
{
}

void LightStepClock::setInterval(int ms)
{
    m_interval = std::clamp(ms, m_min, m_max);
}

int LightStepClock::take(Clock::time_point now)
{
    const auto step = std::chrono::milliseconds(m_interval);
    int steps = 0;
    while (m_next <= now && steps < kMaxSteps) {
        ++steps;
        m_next += step;
    }
    if (m_next <= now)
        m_next = now + step; // the backlog is dropped
    return steps;
}
