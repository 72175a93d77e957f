// Device access costs: one report round trip through the simulated keyboard, as the I/O thread
// makes it, and how long the pacing call really holds the thread.
#include "cquelmohid.h"
#include "hiddevicemanager.h"
#include "hidreport.h"
#include "modelcatalogue.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

void BM_SimulatedRoundTrip(benchmark::State &state)
{
    auto backend = std::make_unique<SimulatedBackend>();
    auto kb = backend->addKeyboard(*ModelCatalogue::instance().find(QStringLiteral("TL87")));
    HidDeviceManager::instance().setBackend(std::move(backend));
    const QByteArray path = kb->path();
    const int handle = CQuelmoHid_OpenPath(path.constData());
    CQuelmoHid_SetNonblocking(handle, 1);
    const HidReport inquiry = hidproto::makeReport(hidproto::out::SerialInquiry, hidproto::kReportIdPlain);
    unsigned char buf[64];
    for (auto _ : state) {
        if (CQuelmoHid_HidWriteBuff(handle, inquiry.data(), path.constData()) != 64 ||
            CQuelmoHid_HidReadBuff(handle, buf) <= 0) {
            state.SkipWithError("no reply");
            break;
        }
        benchmark::DoNotOptimize(buf);
    }
    CQuelmoHid_Close(handle);
}
BENCHMARK(BM_SimulatedRoundTrip);

// Each iteration is one pause; the counters give its real length in microseconds.
void BM_PacingPause(benchmark::State &state)
{
    uint32_t w1 = 0, w2 = 0;
    CQuelmoHid_highPrecisionTimerInit(&w1, &w2);
    CQuelmoHid_highPrecisionTimerStart(&w1, &w2);
    std::vector<double> us;
    us.reserve(4096);
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        CQuelmoHid_highPrecisionTimerRuning(static_cast<int>(state.range(0)), &w1, &w2);
        const auto t1 = std::chrono::steady_clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    CQuelmoHid_highPrecisionTimerStop(&w1, &w2);
    std::sort(us.begin(), us.end());
    auto pct = [&](double p) { return us[static_cast<std::size_t>(p * static_cast<double>(us.size() - 1))]; };
    state.counters["min_us"] = us.front();
    state.counters["p50_us"] = pct(0.50);
    state.counters["p90_us"] = pct(0.90);
    state.counters["p99_us"] = pct(0.99);
    state.counters["max_us"] = us.back();
}
BENCHMARK(BM_PacingPause)->Arg(100)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tidelumen"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
