// The window's resize-zone test runs for every mouse move anywhere in the program.
#include "dmainwidget.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

DMainWidget *s_window = nullptr;

// The mouse moving across the middle of the window: the cursor stays the arrow.
void BM_ResizeZoneInside(benchmark::State &state)
{
    const QRect g = s_window->geometry();
    int x = g.left() + 100;
    for (auto _ : state) {
        s_window->resizeZoneAt(x, g.center().y());
        x = x < g.right() - 100 ? x + 1 : g.left() + 100;
    }
}
BENCHMARK(BM_ResizeZoneInside);

// The mouse crossing the left edge back and forth: the cursor changes on every call.
void BM_ResizeZoneCrossingTheEdge(benchmark::State &state)
{
    const QRect g = s_window->geometry();
    bool onEdge = false;
    for (auto _ : state) {
        s_window->resizeZoneAt(onEdge ? g.left() + 2 : g.left() + 50, g.center().y());
        onEdge = !onEdge;
    }
}
BENCHMARK(BM_ResizeZoneCrossingTheEdge);

} // namespace

int main(int argc, char **argv)
{
    // The window writes its settings and autostart entry: keep them out of the user's folders.
    QTemporaryDir home;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        ::setenv(name, home.path().toLocal8Bit().constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tidelumen"));
    DMainWidget window;
    window.setGeometry(100, 100, 1280, 715);
    window.show();
    s_window = &window;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    s_window = nullptr;
    return 0;
}
