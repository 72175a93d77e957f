// Keyboard view costs: parsing a layout file, building a whole view, and the hover tracking that
// runs on every pointer move over the drag overlay.
#include "hiddevicejoinframe.h"
#include "keylayout.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

QByteArray layoutText(const char *model)
{
    QFile f(keylayout::resourcePath(QString::fromLatin1(model)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_ParseLayout(benchmark::State &state)
{
    const QByteArray text = layoutText("TL104");
    for (auto _ : state)
        benchmark::DoNotOptimize(keylayout::parse(text));
}
BENCHMARK(BM_ParseLayout);

void BM_BuildView(benchmark::State &state)
{
    for (auto _ : state) {
        hidDeviceJoinFrame frame;
        frame.buildKeyboardView(QStringLiteral("TL104"));
        benchmark::DoNotOptimize(frame.keyLayer());
    }
}
BENCHMARK(BM_BuildView)->Unit(benchmark::kMillisecond);

void BM_TrackHoverSweep(benchmark::State &state)
{
    hidDeviceJoinFrame frame;
    frame.buildKeyboardView(QStringLiteral("TL104"));
    frame.setScale(1.5f);
    const QSize size = frame.keySpace()->size();
    int x = 0;
    for (auto _ : state) {
        // A pointer path across the whole board, one move per iteration.
        x = (x + 7) % size.width();
        frame.trackHoverKey(x, (x * 3) % size.height(), 1);
    }
}
BENCHMARK(BM_TrackHoverSweep);

} // namespace

int main(int argc, char **argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
