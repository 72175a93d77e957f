#include "lighttickthread.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

bool waitFor(const std::function<bool()> &done, int ms = 2000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

TEST(LightTicks, IntervalIsClampedToTheClocksRange)
{
    LightStepClock keys = keyStepClock();
    EXPECT_EQ(keys.interval(), 12);
    LightStepClock side = sideStepClock();
    EXPECT_EQ(side.interval(), 15);
    for (auto [in, out] : {std::pair{5, 8}, {40, 28}, {20, 20}, {-7, 8}}) {
        keys.setInterval(in);
        EXPECT_EQ(keys.interval(), out) << in;
    }
}

// A frame takes the effect's steps that fell due since the previous frame: the effect keeps its
// speed whatever the frame rate, and a frame held up long is not made up in a burst.
TEST(LightTicks, FramesTakeTheStepsThatFellDue)
{
    using Clock = LightStepClock::Clock;
    struct Case
    {
        int interval;
        std::vector<int> frameAtMs; // after the restart
        std::vector<int> steps;     // taken by each frame
    } cases[] = {
        {28, {0, 28, 56, 84}, {1, 1, 1, 1}},
        {24, {0, 30, 60, 90, 119, 150}, {1, 1, 1, 1, 1, 2}}, // due at 0, 24, 48, 72, 96, 120, 144
        {8, {0, 30, 60}, {1, 3, 4}},                         // due at 0, 8..24, 32..56
        {28, {0, 10, 20, 27, 28}, {1, 0, 0, 0, 1}},          // no step before its time
        {8, {0, 1000, 1004, 1008}, {1, 8, 0, 1}},            // a stall: eight steps, the rest dropped
    };
    for (const Case &c : cases) {
        LightStepClock clock(c.interval, 8, 28);
        const Clock::time_point start = Clock::now();
        clock.restart(start);
        std::vector<int> taken;
        for (int at : c.frameAtMs)
            taken.push_back(clock.take(start + std::chrono::milliseconds(at)));
        EXPECT_EQ(taken, c.steps) << "interval " << c.interval;
    }
}

TEST(LightTicks, FirstTickAtOnceThenSpacedByTheInterval)
{
    LightTickThread thread(28, 8, 28);
    std::mutex m;
    std::vector<std::chrono::steady_clock::time_point> at;
    QObject::connect(
        &thread, &LightTickThread::tick, &thread,
        [&] {
            std::lock_guard<std::mutex> lock(m);
            at.push_back(std::chrono::steady_clock::now());
            thread.acknowledge();
        },
        Qt::DirectConnection);
    const auto start = std::chrono::steady_clock::now();
    thread.startTicking();
    ASSERT_TRUE(waitFor([&] { return thread.tickCount() >= 5; }));
    thread.stop();
    std::lock_guard<std::mutex> lock(m);
    EXPECT_LT(at[0] - start, 50ms) << "the first tick does not wait an interval";
    for (size_t i = 1; i < at.size(); ++i)
        EXPECT_GE(at[i] - at[i - 1], 27ms) << i;
}

TEST(LightTicks, TicksNotTakenAreNotQueued)
{
    LightTickThread thread(8, 8, 28);
    thread.startTicking();
    ASSERT_TRUE(waitFor([&] { return thread.tickCount() >= 1; }));
    std::this_thread::sleep_for(80ms);
    EXPECT_EQ(thread.tickCount(), 1) << "a receiver that has not taken its tick gets no second one";
    thread.acknowledge();
    ASSERT_TRUE(waitFor([&] { return thread.tickCount() >= 2; }));
    thread.stop();
}

TEST(LightTicks, StopJoinsAndAStartRightAfterTicksAgain)
{
    LightTickThread thread(8, 8, 28);
    QObject::connect(
        &thread, &LightTickThread::tick, &thread, [&] { thread.acknowledge(); }, Qt::DirectConnection);
    for (int round = 0; round < 20; ++round) {
        thread.startTicking();
        thread.startTicking(); // a second start keeps the running loop
        const int before = thread.tickCount();
        ASSERT_TRUE(waitFor([&] { return thread.tickCount() > before; })) << "round " << round;
        thread.stop();
        EXPECT_FALSE(thread.isRunning());
        EXPECT_FALSE(thread.isTicking());
        const int after = thread.tickCount();
        std::this_thread::sleep_for(20ms);
        EXPECT_EQ(thread.tickCount(), after) << "no tick after stop returned";
    }
}

TEST(LightTicks, ShorterIntervalTakesEffectWithoutWaitingOutTheLongOne)
{
    LightTickThread thread(28, 8, 28);
    QObject::connect(
        &thread, &LightTickThread::tick, &thread, [&] { thread.acknowledge(); }, Qt::DirectConnection);
    thread.startTicking();
    ASSERT_TRUE(waitFor([&] { return thread.tickCount() >= 1; }));
    thread.setInterval(8);
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(waitFor([&] { return thread.tickCount() >= 11; }));
    EXPECT_LT(t.elapsed(), 28 * 10);
    thread.stop();
}

} // namespace
