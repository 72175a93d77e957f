// What the whole program costs while the lighting tab previews an effect on one simulated TL104:
// the process's CPU time over ten seconds of the running window (offscreen), as a share of one core.
// Static is the still baseline; Wave and Ripple (with a key press every 300 ms) animate; Musical
// Rhythm records what the default output plays (run it with a sound server playing music or a tone:
// capture_running tells whether the capture ran). The window finds the keyboard pictures of the
// build, as the program does beside its pictures, and the firmware update offered after the
// automatic check is closed as a user would close it (its scrolling text repaints on its own).
// The GUI thread's own share is given apart (gui_thread_percent), and per repaint of the key layer,
// that is per frame the preview shows (gui_us_per_frame). The preview figure is the preview alone:
// the open keyboard's light synchronisation is switched off for it (the engine's own switch, as
// the profile page's toggle does), so no frame is streamed (streaming = 0 in its output) and it is
// switched back on afterwards. The streaming figure adds what the keyboards get: Wave previewed and streamed
// to the open keyboard, alone and with two more keyboards plugged in that are streamed the same frames
// through their own I/O threads.
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "dlightsconfigpage.h"
#include "dmainwidget.h"
#include "dupdatefirmwaredia.h"
#include "hiddevicemanager.h"
#include "keylightlayer.h"
#include "keyselectframe.h"
#include "lightdealmain.h"
#include "lightstreamer.h"
#include "mainhidinterface.h"
#include "modelcatalogue.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

DMainWidget *s_window = nullptr;

double cpuSeconds(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// Every thread's CPU time (nanoseconds, from the scheduler's account) by thread id, with its name.
struct ThreadCpu
{
    std::string name;
    unsigned long long ns = 0;
};
std::map<int, ThreadCpu> threadCpu()
{
    std::map<int, ThreadCpu> out;
    const QString base = QStringLiteral("/proc/self/task");
    for (const QString &tid : QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(base + QLatin1Char('/') + tid + QStringLiteral("/comm"));
        QFile stat(base + QLatin1Char('/') + tid + QStringLiteral("/schedstat"));
        if (!comm.open(QIODevice::ReadOnly) || !stat.open(QIODevice::ReadOnly))
            continue;
        ThreadCpu t;
        t.name = comm.readAll().trimmed().toStdString();
        t.ns = stat.readAll().split(' ').value(0).toULongLong();
        out[tid.toInt()] = t;
    }
    return out;
}

// The CPU share of each thread name between two snapshots over `wall` seconds; threads that ended
// meanwhile are missing. Printed to stderr.
void reportThreads(const char *what, const std::map<int, ThreadCpu> &before,
                   const std::map<int, ThreadCpu> &after, double wall)
{
    std::map<std::string, double> byName;
    for (const auto &[tid, t] : after) {
        const auto b = before.find(tid);
        const unsigned long long start = b != before.end() && b->second.name == t.name ? b->second.ns : 0;
        byName[t.name] += double(t.ns - start) * 1e-9;
    }
    std::fprintf(stderr, "%s: CPU per thread, %% of a core\n", what);
    for (const auto &[name, s] : byName) {
        if (s > 0)
            std::fprintf(stderr, "  %-16s %6.3f\n", name.c_str(), 100.0 * s / wall);
    }
}

// Counts the repaints of the widgets it watches: the key layer's, or the light layer's over it in
// the light look, are the preview's frames.
class RepaintCounter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
    int count = 0;
};

// Runs the event loop for `ms` milliseconds, sleeping while there is nothing to do.
void runEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QAbstractButton *button(QObject *root, const char *name)
{
    return root->findChild<QAbstractButton *>(QString::fromLatin1(name));
}

// The automatic firmware check may offer an update while a figure is measured (a keyboard plugged
// in starts it anew); its dialog and scrolling text would be part of the figure. Whether one was
// open at the end is reported (update_dialog), and it is closed as a user would close it.
double closeUpdateOffer()
{
    DUpdateFirmwareDia *offer = s_window->updateDialog();
    if (!offer)
        return 0;
    offer->close();
    return 1;
}

const char *kEffectButtons[] = {"toolButton_Static", "toolButton_Wave", "toolButton_Ripple",
                                "toolButton_MusicalRhythm"};

void BM_PreviewWholeProgramCpu(benchmark::State &state)
{
    const char *effect = kEffectButtons[state.range(0)];
    auto *page = s_window->findChild<DDevicePage *>();
    auto *lights = s_window->findChild<DLightsConfigPage *>();
    if (!page || !lights || !button(lights, effect)) {
        state.SkipWithError("no lighting page");
        return;
    }
    button(lights, effect)->click();
    lightDealMain *engine = page->lightEngineObject();
    // The preview alone: nothing goes to the keyboard while it is measured.
    const bool streamed = engine->isStreamingRunning();
    engine->setLightSynchronous(false);
    runEvents(1000);
    const bool pressing = state.range(0) == 2;
    RepaintCounter frames;
    if (QWidget *layer = DDataManager::getInstance()->keySelectFrame()) {
        layer->installEventFilter(&frames);
        if (keyLightLayer *lights = layer->parentWidget()->findChild<keyLightLayer *>())
            lights->installEventFilter(&frames);
    }
    double cpu = 0;
    double gui = 0;
    double wall = 0;
    const std::map<int, ThreadCpu> threads0 = threadCpu();
    for (auto _ : state) {
        // The benchmark runs on the GUI thread.
        const double c0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double g0 = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        QElapsedTimer t;
        t.start();
        int presses = 0;
        while (t.elapsed() < 10000) {
            runEvents(300);
            if (pressing) {
                ++presses;
                page->onInteractLightsPointXY(presses % 6, (presses * 7) % 22);
            }
        }
        cpu += cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - c0;
        gui += cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - g0;
        wall += double(t.nsecsElapsed()) * 1e-9;
    }
    reportThreads(effect, threads0, threadCpu(), wall);
    state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
    state.counters["gui_thread_percent"] = 100.0 * gui / wall;
    // The GUI thread's time per shown frame: repainting, event handling and the engine's share.
    state.counters["gui_us_per_frame"] = frames.count > 0 ? 1e6 * gui / frames.count : 0;
    state.counters["frames_per_s"] = frames.count / wall;
    state.counters["key_ticking"] = engine->isKeyTicking() ? 1 : 0;
    state.counters["key_interval_ms"] = engine->keyTickInterval();
    const DSoundCardAudioCapture *capture = engine->musicRhythm().capture();
    state.counters["capture_running"] = capture && capture->isRunning() ? 1 : 0;
    state.counters["streaming"] = engine->isStreamingRunning() ? 1 : 0;
    state.counters["update_dialog"] = closeUpdateOffer();
    engine->setLightSynchronous(streamed);
    runEvents(300);
}
BENCHMARK(BM_PreviewWholeProgramCpu)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Iterations(1)->Unit(benchmark::kSecond);

// A keyboard streamed by the benchmark itself, with the frames the engine shows.
struct ExtraStream
{
    std::shared_ptr<SimKeyboard> kb;
    std::unique_ptr<MainHidInterFace> hid;
    std::unique_ptr<LightStreamer> streamer;
};

std::unique_ptr<ExtraStream> streamExtra(SimulatedBackend *backend, const lightDealMain *engine)
{
    auto s = std::make_unique<ExtraStream>();
    s->kb = backend->addKeyboard(*ModelCatalogue::instance().find(QStringLiteral("TL104")));
    s->hid = std::make_unique<MainHidInterFace>(0, s->kb->model().key);
    s->hid->openDevice(QString::fromLatin1(s->kb->path()));
    s->hid->start();
    s->streamer = std::make_unique<LightStreamer>();
    s->streamer->setFrameSource(
        [engine](const lightrender::KeyColours **k, const lightrender::SideColours **sd) {
            *k = &engine->keyColors();
            *sd = &engine->sideColors();
        });
    s->streamer->setHidInterface(s->hid.get());
    s->streamer->setLink(0, s->kb->model().streamSideLeds());
    s->streamer->setStreaming(true);
    return s;
}

// Wave previewed on the page and streamed to `range(0)` keyboards (the open one, then extra ones):
// the process's CPU over ten seconds, and the frames per second the keyboards got whole.
void BM_PreviewAndStreamWholeProgramCpu(benchmark::State &state)
{
    auto *page = s_window->findChild<DDevicePage *>();
    auto *lights = s_window->findChild<DLightsConfigPage *>();
    SimulatedBackend *backend = HidDeviceManager::instance().simulatedBackend();
    if (!page || !lights || !button(lights, "toolButton_Wave") || !backend ||
        backend->keyboards().isEmpty()) {
        state.SkipWithError("no lighting page or simulated keyboard");
        return;
    }
    button(lights, "toolButton_Wave")->click();
    lightDealMain *engine = page->lightEngineObject();
    std::vector<std::shared_ptr<SimKeyboard>> keyboards{backend->keyboards().front()};
    std::vector<std::unique_ptr<ExtraStream>> extra;
    for (int i = 1; i < state.range(0); ++i) {
        extra.push_back(streamExtra(backend, engine));
        keyboards.push_back(extra.back()->kb);
    }
    runEvents(1000);
    double cpu = 0;
    double wall = 0;
    std::vector<int> frames0;
    for (const auto &kb : keyboards)
        frames0.push_back(kb->state().stream.frames);
    const std::map<int, ThreadCpu> threads0 = threadCpu();
    for (auto _ : state) {
        const double c0 = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        QElapsedTimer t;
        t.start();
        runEvents(10000);
        cpu += cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - c0;
        wall += double(t.nsecsElapsed()) * 1e-9;
    }
    reportThreads(keyboards.size() == 1 ? "stream to 1" : "stream to 3", threads0, threadCpu(), wall);
    double minFps = 1e9;
    int broken = 0;
    for (std::size_t i = 0; i < keyboards.size(); ++i) {
        const SimKeyboardState::LightStream s = keyboards[i]->state().stream;
        minFps = std::min(minFps, (s.frames - frames0[i]) / wall);
        broken += s.brokenFrames;
    }
    state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
    state.counters["fps_min"] = minFps;
    state.counters["broken_frames"] = broken;
    state.counters["streaming"] = engine->isStreamingRunning() ? 1 : 0;
    state.counters["update_dialog"] = closeUpdateOffer();
    for (auto &e : extra) {
        e->streamer->setStreaming(false);
        e->hid->closeDevice();
        e->kb->unplug();
    }
    runEvents(300);
}
BENCHMARK(BM_PreviewAndStreamWholeProgramCpu)->Arg(1)->Arg(3)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        ::setenv(name, home.path().toLocal8Bit().constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("TIDELUMEN_SIMULATE", "TL104", 1);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tidelumen"));
    DDataManager::getInstance()->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR));
    DMainWidget window;
    window.setGeometry(100, 100, 1280, 715);
    window.show();
    s_window = &window;
    // The window opens the keyboard shortly after it is shown; then the lighting tab is chosen.
    QElapsedTimer t;
    t.start();
    DLightsConfigPage *lights = nullptr;
    while (t.elapsed() < 20000 && !(lights && lights->hidInterface())) {
        runEvents(100);
        lights = window.findChild<DLightsConfigPage *>();
    }
    // The automatic firmware check offers the simulated keyboard's update a moment after it opens.
    while (t.elapsed() < 25000 && !window.updateDialog())
        runEvents(100);
    if (DUpdateFirmwareDia *offer = window.updateDialog())
        offer->close();
    if (QAbstractButton *tab = button(&window, "toolButton_LightConfig"))
        tab->click();
    runEvents(500);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    s_window = nullptr;
    return 0;
}
