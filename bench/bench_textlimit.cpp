// Cutting an over-long paste into a text key's editor down to what the stored value holds: the
// cost grows with what is cut, so a large paste is the case to watch.
#include "textlimit.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FitPaste(benchmark::State &state, const QString &unit)
{
    const QString text = QString(unit).repeated(int(state.range(0)));
    for (auto _ : state) {
        textlimit::Fitted f = textlimit::fit(text, text.size());
        benchmark::DoNotOptimize(f);
    }
    state.SetItemsProcessed(state.iterations() * text.size());
}

BENCHMARK_CAPTURE(BM_FitPaste, ascii, QStringLiteral("a"))->Arg(5001)->Arg(100000)->Arg(1000000);
BENCHMARK_CAPTURE(BM_FitPaste, threeByte, QString::fromUtf8("\xE2\x82\xAC"))->Arg(2000)->Arg(100000);
BENCHMARK_CAPTURE(BM_FitPaste, surrogatePairs, QString::fromUtf8("\xF0\x9F\x98\x80"))->Arg(2000)->Arg(100000);

} // namespace

BENCHMARK_MAIN();
