#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

// Runs calls later on one thread of its own, for the simulated devices' own doings (dropping off
// the bus, coming back as another device). Calls run without any lock of the scheduler held, in the
// order they fall due. stop() (also run by the destructor) drops what is still waiting and joins.
class SimScheduler
{
public:
    using Clock = std::chrono::steady_clock;

    SimScheduler();
    ~SimScheduler();
    SimScheduler(const SimScheduler &) = delete;
    SimScheduler &operator=(const SimScheduler &) = delete;

    // Ignored once stopped.
    void after(std::chrono::milliseconds delay, std::function<void()> call);
    void stop();

private:
    void run();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::multimap<Clock::time_point, std::function<void()>> m_calls;
    bool m_stopping = false;
    std::thread m_thread;
};
