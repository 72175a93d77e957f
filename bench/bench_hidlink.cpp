// Cost of open keyboard links: CPU while idle, command latency to the keyboard, and the time
// from opening a keyboard to its link being ready. Runs against the simulated keyboards.
#include "ddevicekeyboardlink.h"
#include "fixedtext.h"
#include "hiddevicemanager.h"
#include "hidreport.h"
#include "mainhidinterface.h"
#include "modelcatalogue.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

SimulatedBackend *freshBackend()
{
    auto backend = std::make_unique<SimulatedBackend>();
    SimulatedBackend *raw = backend.get();
    HidDeviceManager::instance().setBackend(std::move(backend));
    return raw;
}

std::shared_ptr<SimKeyboard> addKeyboard(SimulatedBackend *backend, const char *key)
{
    return backend->addKeyboard(*ModelCatalogue::instance().find(QString::fromLatin1(key)));
}

std::unique_ptr<DDeviceKeyboardLink> openLink(const SimKeyboard &kb, int index)
{
    hidStructInfoAll r;
    std::memset(&r, 0, sizeof(r));
    fixedtext::copy(r.hidPath, kb.path());
    fixedtext::copy(r.modelKey, kb.model().key);
    auto link = std::make_unique<DDeviceKeyboardLink>();
    link->openDevice(index, r);
    return link;
}

void runEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitReady(const DDeviceKeyboardLink &link, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!link.isReady() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(50);
    }
    return link.isReady();
}

double processCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

long contextSwitches()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_nvcsw + u.ru_nivcsw;
}

const char *const kModels[] = {"TL87", "TL104", "TL68HE", "TL87"};

// Open, ready keyboards doing nothing but their handshakes: process CPU time per second of wall time.
void BM_IdleLinksCpu(benchmark::State &state)
{
    SimulatedBackend *backend = freshBackend();
    std::vector<std::shared_ptr<SimKeyboard>> keyboards;
    std::vector<std::unique_ptr<DDeviceKeyboardLink>> links;
    for (int i = 0; i < state.range(0); ++i) {
        keyboards.push_back(addKeyboard(backend, kModels[i % 4]));
        links.push_back(openLink(*keyboards.back(), i));
    }
    for (const auto &l : links) {
        if (!waitReady(*l, 2000))
            state.SkipWithError("link not ready");
    }
    runEventsFor(300); // let the start-up answers settle
    for (auto _ : state) {
        const double before = processCpuSeconds();
        const long switchesBefore = contextSwitches();
        runEventsFor(1000);
        const double cpu = processCpuSeconds() - before;
        state.SetIterationTime(cpu);
        state.counters["cpu_ms_per_s"] = cpu * 1000.0;
        // Wake-ups of all threads: steadier than CPU time on a busy or virtual machine.
        state.counters["switches_per_s"] = static_cast<double>(contextSwitches() - switchesBefore);
    }
}
BENCHMARK(BM_IdleLinksCpu)
    ->Arg(0)
    ->Arg(1)
    ->Arg(4)
    ->Iterations(1)
    ->Repetitions(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// sendCommand until the simulated keyboard holds the report. The gap before each command lets the
// loop fall idle (80 ms) or catches it shortly after traffic (5 ms).
void BM_SendCommandLatency(benchmark::State &state)
{
    SimulatedBackend *backend = freshBackend();
    auto kb = addKeyboard(backend, "TL87");
    auto link = openLink(*kb, 0);
    if (!waitReady(*link, 2000))
        state.SkipWithError("link not ready");
    runEventsFor(200);
    HidReport relay = hidproto::makeReport(hidproto::out::KeyRelay);
    relay[hidproto::kLengthByte] = 9;
    for (auto _ : state) {
        QThread::msleep(static_cast<unsigned long>(state.range(0)));
        const int before = kb->receivedCount(hidproto::out::KeyRelay);
        const auto t0 = std::chrono::steady_clock::now();
        link->hidInterface()->sendCommand(relay.data());
        // Polled with short sleeps: a tight loop would keep the keyboard model's lock from the writer.
        while (kb->receivedCount(hidproto::out::KeyRelay) == before)
            QThread::usleep(20);
        const auto t1 = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_SendCommandLatency)
    ->Arg(80)
    ->Arg(5)
    ->Iterations(40)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// An unasked input report (a status report, as the keyboard sends on a change) from the keyboard
// until the GUI thread has handled it, with the link idle for 50 to 150 ms before each one.
void BM_InputReportLatencyWhileIdle(benchmark::State &state)
{
    SimulatedBackend *backend = freshBackend();
    auto kb = addKeyboard(backend, "TL87");
    auto link = openLink(*kb, 0);
    if (!waitReady(*link, 2000))
        state.SkipWithError("link not ready");
    runEventsFor(300);
    // The keyboard answers every handshake with a status report too: the measured one carries a
    // mark in a byte the status does not use.
    constexpr int kMarkByte = 63;
    constexpr uint8_t kMark = 0xA5;
    HidReport unasked = hidproto::makeReport(hidproto::in::Status);
    unasked[hidproto::kLengthByte] = 9;
    unasked[kMarkByte] = kMark;
    std::vector<double> latencies;
    QObject receiver;
    std::chrono::steady_clock::time_point sent;
    QEventLoop loop;
    // Connected after the link's own parser, so it runs once the link has handled the report.
    QObject::connect(link->hidInterface(), &MainHidInterFace::sigHidDataArrived, &receiver,
                     [&](const QByteArray &data) {
                         if (static_cast<uint8_t>(data.at(hidproto::kCmdByte)) != hidproto::in::Status ||
                             static_cast<uint8_t>(data.at(kMarkByte)) != kMark)
                             return;
                         latencies.push_back(
                             std::chrono::duration<double>(std::chrono::steady_clock::now() - sent).count());
                         loop.quit();
                     });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    std::size_t n = 0;
    for (auto _ : state) {
        runEventsFor(50 + static_cast<int>((n++ * 37) % 100));
        const std::size_t before = latencies.size();
        sent = std::chrono::steady_clock::now();
        kb->send(unasked);
        guard.start(1000);
        loop.exec();
        guard.stop();
        if (latencies.size() == before) {
            state.SkipWithError("the report never arrived");
            break;
        }
        state.SetIterationTime(latencies.back());
    }
    if (latencies.empty())
        return;
    std::sort(latencies.begin(), latencies.end());
    const auto at = [&](double q) {
        return latencies[std::min(latencies.size() - 1, static_cast<std::size_t>(q * latencies.size()))];
    };
    state.counters["p50_ms"] = at(0.50) * 1000.0;
    state.counters["p99_ms"] = at(0.99) * 1000.0;
    state.counters["max_ms"] = latencies.back() * 1000.0;
}
BENCHMARK(BM_InputReportLatencyWhileIdle)->Iterations(200)->UseManualTime()->Unit(benchmark::kMicrosecond);

// From openDevice to the link being ready (serial number, light lists), on the GUI thread's events.
void BM_OpenToReady(benchmark::State &state)
{
    SimulatedBackend *backend = freshBackend();
    auto kb = addKeyboard(backend, state.range(0) ? "TL68HE" : "TL87");
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        auto link = openLink(*kb, 0);
        if (!waitReady(*link, 2000))
            state.SkipWithError("link not ready");
        const auto t1 = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        link.reset();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenToReady)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Keep the data manager's folders out of the real home.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/share")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
