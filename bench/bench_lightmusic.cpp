// The music-rhythm light: one spectrum analysis, and sound onset to key colour through the
// loopback capture of a private PulseAudio server, the analyser and the bar renderer.
#include "dsoundcardaudiocapture.h"
#include "musicrhythmrenderer.h"
#include "musictestpcm.h"
#include "privatepulseserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void BM_SpectrumAnalysis4096(benchmark::State &state)
{
    SpectrumAnalyser analyser;
    const QByteArray window = musictest::pcm(SpectrumAnalyserThread::kNumSamples, 440.0, 0.5);
    for (auto _ : state) {
        analyser.calculate(window, 44100, 4);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SpectrumAnalysis4096)->Unit(benchmark::kMicrosecond);

void runEventsFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(200);
    }
}

template <typename Done> bool runEventsUntil(Done done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(100);
    }
    return done();
}

double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// The renderer on a private server, ticked like the keyboard's light tick (12 ms).
struct LiveRig
{
    bool start(benchmark::State &state)
    {
        if (!PrivatePulseServer::available()) {
            state.SkipWithError("pulseaudio is not installed");
            return false;
        }
        if (!server.start()) {
            state.SkipWithError(qPrintable(server.error()));
            return false;
        }
        renderer =
            std::make_unique<MusicRhythmRenderer>(DSoundCardAudioCapture::createSystem(server.server()));
        renderer->initMusicalRhythm(104);
        renderer->prepareMusicalRhythmGrid({QColor(255, 255, 255), QColor(0, 0, 0), true, 100});
        renderer->setMusicalRhythmActive(true);
        if (!renderer->capture()->isRunning()) {
            state.SkipWithError("capture did not start");
            return false;
        }
        tick.setInterval(12);
        QObject::connect(&tick, &QTimer::timeout, renderer.get(), &MusicRhythmRenderer::renderMusicalRhythm);
        tick.start();
        return true;
    }
    PrivatePulseServer server;
    std::unique_ptr<MusicRhythmRenderer> renderer;
    QTimer tick;
};

// From the first captured packet that carries the tone to the first key frame in which the
// tone's band (columns 10, 11 for 440 Hz) is lit.
void BM_SoundOnsetToKeyColour(benchmark::State &state)
{
    LiveRig rig;
    if (!rig.start(state))
        return;
    std::atomic<long long> onsetNs{0};
    long long litNs = 0;
    // On the capture thread, as the packet leaves the sound server's buffer.
    QObject::connect(
        rig.renderer->capture(), &DSoundCardAudioCapture::sigSendCaptureAudioData, rig.renderer.get(),
        [&](const QByteArray &data) {
            if (onsetNs.load() != 0)
                return;
            const auto *s = reinterpret_cast<const qint16 *>(data.constData());
            for (int i = 0; i < data.size() / 2; ++i) {
                if (std::abs(int(s[i])) > 1000) {
                    onsetNs = Clock::now().time_since_epoch().count();
                    return;
                }
            }
        },
        Qt::DirectConnection);
    QObject::connect(rig.renderer.get(), &MusicRhythmRenderer::keyFrameReady, rig.renderer.get(), [&] {
        const QList<int> &levels = rig.renderer->musicColumnLevels();
        if (litNs == 0 && onsetNs.load() != 0 && levels.size() > 11 && levels[10] > 0)
            litNs = Clock::now().time_since_epoch().count();
    });
    std::vector<double> latencies;
    const QByteArray burst = musictest::pcm(44100 * 4 / 10, 440.0, 0.5);
    for (auto _ : state) {
        // Dark first: the last burst is over and its bars have fallen.
        runEventsUntil(
            [&] {
                const QList<int> &l = rig.renderer->musicColumnLevels();
                return l.size() > 11 && l[10] == 0 && l[11] == 0;
            },
            3000);
        runEventsFor(QRandomGenerator::global()->bounded(200)); // onsets spread over the analysis cycle
        onsetNs = 0;
        litNs = 0;
        rig.server.play(burst);
        if (!runEventsUntil([&] { return litNs != 0; }, 3000)) {
            state.SkipWithError("the tone never lit its band");
            return;
        }
        const double seconds = double(litNs - onsetNs.load()) * 1e-9;
        latencies.push_back(seconds * 1000.0);
        state.SetIterationTime(seconds);
        runEventsFor(500);
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["median_ms"] = latencies[latencies.size() / 2];
    state.counters["max_ms"] = latencies.back();
    state.counters["min_ms"] = latencies.front();
}
BENCHMARK(BM_SoundOnsetToKeyColour)->Iterations(25)->UseManualTime()->Unit(benchmark::kMillisecond);

// Process CPU while music plays: capture thread, analyses and the 12 ms render tick.
void BM_MusicRhythmCpu(benchmark::State &state)
{
    LiveRig rig;
    if (!rig.start(state))
        return;
    QByteArray music;
    for (double f : {110.0, 220.0, 440.0, 660.0, 880.0})
        music += musictest::pcm(44100 / 5, f, 0.4);
    rig.server.play(music + music + music + music + music + music + music);
    runEventsFor(300);
    for (auto _ : state) {
        const double before = processCpuSeconds();
        // Blocking in the event loop, as the program does, so that only the work is counted.
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = processCpuSeconds() - before;
        state.SetIterationTime(cpu);
        state.counters["cpu_percent_of_a_core"] = cpu / 3.0 * 100.0;
    }
}
BENCHMARK(BM_MusicRhythmCpu)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
