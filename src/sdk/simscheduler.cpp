#include "simscheduler.h"

SimScheduler::SimScheduler() : m_thread([this] { run(); }) {}

SimScheduler::~SimScheduler()
{
    stop();
}

void SimScheduler::after(std::chrono::milliseconds delay, std::function<void()> call)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_stopping)
        return;
    m_calls.emplace(Clock::now() + delay, std::move(call));
    m_changed.notify_all();
}

void SimScheduler::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_calls.clear();
        m_changed.notify_all();
    }
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

void SimScheduler::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        if (m_calls.empty()) {
            m_changed.wait(lock);
            continue;
        }
        const auto first = m_calls.begin();
        // A copy: the call may be dropped (stop) while this thread waits for it.
        const Clock::time_point due = first->first;
        if (due > Clock::now()) {
            m_changed.wait_until(lock, due);
            continue;
        }
        std::function<void()> call = std::move(first->second);
        m_calls.erase(first);
        lock.unlock();
        call();
        lock.lock();
    }
}
