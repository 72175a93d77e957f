// Light streaming against simulated keyboards: frames per second that arrive whole and in order,
// process CPU while streaming an animated effect to one and to three keyboards, and how long a
// user command waits behind the light frames.
#include "hiddevicemanager.h"
#include "hidreport.h"
#include "lighteffectengine.h"
#include "lightstreamer.h"
#include "mainhidinterface.h"
#include "modelcatalogue.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// One keyboard with its I/O thread and a streamer fed by a running wave effect.
struct Streamed
{
    std::shared_ptr<SimKeyboard> kb;
    std::unique_ptr<MainHidInterFace> hid;
    std::unique_ptr<LightStreamer> streamer;
    LightEffectEngine effects;
    lightrender::KeyColours keys;
    lightrender::SideColours side;
};

std::unique_ptr<Streamed> openStreamed(SimulatedBackend *backend)
{
    auto s = std::make_unique<Streamed>();
    s->kb = backend->addKeyboard(*ModelCatalogue::instance().find(QStringLiteral("TL104")));
    s->hid = std::make_unique<MainHidInterFace>(0, s->kb->model().key);
    s->hid->openDevice(QString::fromLatin1(s->kb->path()));
    s->hid->start();
    colorInfoData wave = lighttypes::defaultRecord(lighttypes::kKeyboard, 2);
    s->effects.startKeyEffect(wave, 104, true);
    s->streamer = std::make_unique<LightStreamer>();
    Streamed *raw = s.get();
    // Each frame is a new step of the effect, so every frame differs.
    s->streamer->setFrameSource(
        [raw](const lightrender::KeyColours **k, const lightrender::SideColours **sd) {
            raw->effects.stepKeys();
            const auto &frame = raw->effects.keyFrame();
            for (std::size_t i = 0; i < frame.size(); ++i)
                raw->keys[i] = QColor(frame[i][0] & 0xff, frame[i][1] & 0xff, frame[i][2] & 0xff);
            *k = &raw->keys;
            *sd = &raw->side;
        });
    s->streamer->setHidInterface(s->hid.get());
    s->streamer->setLink(0, s->kb->model().streamSideLeds());
    return s;
}

void runEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// 10 s of streaming to `range(0)` keyboards: frames per second each keyboard got whole, frames
// broken, and the process CPU in percent of one core.
void BM_StreamTenSeconds(benchmark::State &state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        auto backend = std::make_unique<SimulatedBackend>();
        SimulatedBackend *raw = backend.get();
        HidDeviceManager::instance().setBackend(std::move(backend));
        std::vector<std::unique_ptr<Streamed>> boards;
        for (int i = 0; i < count; ++i)
            boards.push_back(openStreamed(raw));
        runEventsFor(300);
        for (auto &b : boards)
            b->streamer->setStreaming(true);
        runEventsFor(200);
        std::vector<int> startFrames;
        for (auto &b : boards)
            startFrames.push_back(b->kb->state().stream.frames);
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        runEventsFor(10000);
        const double seconds = wall.nsecsElapsed() / 1e9;
        const double cpu = cpuSeconds() - cpu0;
        double minFps = 1e9;
        double maxFps = 0;
        int broken = 0;
        for (std::size_t i = 0; i < boards.size(); ++i) {
            const SimKeyboardState::LightStream s = boards[i]->kb->state().stream;
            const double fps = (s.frames - startFrames[i]) / seconds;
            minFps = std::min(minFps, fps);
            maxFps = std::max(maxFps, fps);
            broken += s.brokenFrames;
        }
        for (auto &b : boards) {
            b->streamer->setStreaming(false);
            b->hid->closeDevice();
        }
        state.counters["fps_min"] = minFps;
        state.counters["fps_max"] = maxFps;
        state.counters["broken_frames"] = broken;
        state.counters["cpu_percent"] = 100.0 * cpu / seconds;
    }
}
BENCHMARK(BM_StreamTenSeconds)->Arg(1)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

// A command queued while frames stream: time from the queueing until the keyboard has it, taken
// on the keyboard's side (the I/O thread stamps the arrival), while this thread sleeps in its event
// loop as the program's GUI thread does. Commands are spread over the frame period.
void BM_CommandWhileStreaming(benchmark::State &state)
{
    auto backend = std::make_unique<SimulatedBackend>();
    SimulatedBackend *raw = backend.get();
    HidDeviceManager::instance().setBackend(std::move(backend));
    auto b = openStreamed(raw);
    using Clock = std::chrono::steady_clock;
    std::atomic<Clock::rep> arrived{0};
    const SimKeyboard::Handler answer = b->kb->handler(hidproto::out::LayoutQuery);
    b->kb->setHandler(hidproto::out::LayoutQuery, [&arrived, answer](SimKeyboard &kb, const HidReport &r) {
        arrived.store(Clock::now().time_since_epoch().count());
        if (answer)
            answer(kb, r);
    });
    runEventsFor(300);
    b->streamer->setStreaming(true);
    runEventsFor(200);
    const int framesBefore = b->kb->state().stream.frames;
    std::vector<double> waits;
    int lost = 0;
    for (auto _ : state) {
        state.PauseTiming();
        runEventsFor(int(waits.size() % 30) + 1);
        state.ResumeTiming();
        arrived.store(0);
        HidReport r = hidproto::makeReport(hidproto::out::LayoutQuery);
        const Clock::time_point queued = Clock::now();
        b->hid->sendCommand(r.data());
        runEventsFor(15);
        const Clock::rep at = arrived.load();
        if (at == 0) {
            ++lost;
            continue;
        }
        waits.push_back(
            std::chrono::duration<double, std::milli>(Clock::duration(at) - queued.time_since_epoch())
                .count());
    }
    const SimKeyboardState::LightStream s = b->kb->state().stream;
    b->streamer->setStreaming(false);
    b->hid->closeDevice();
    std::sort(waits.begin(), waits.end());
    if (!waits.empty()) {
        state.counters["wait_ms_median"] = waits[waits.size() / 2];
        state.counters["wait_ms_p99"] = waits[std::min(waits.size() - 1, waits.size() * 99 / 100)];
        state.counters["wait_ms_max"] = waits.back();
    }
    state.counters["later_than_15ms"] = lost;
    state.counters["frames"] = s.frames - framesBefore;
    state.counters["broken_frames"] = s.brokenFrames;
}
BENCHMARK(BM_CommandWhileStreaming)->Iterations(300)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
