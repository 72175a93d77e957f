// Duration of a full onboard download (both layers, ten macros, advanced keys) against a simulated
// TL68HE that answers at once, split into the fixed pauses between phases and the rest.
#include "ddevicekeyboardlink.h"
#include "donboarddownload.h"
#include "downloadframes.h"
#include "hiddevicemanager.h"
#include "hidstructinfoall.h"
#include "keyboardlinkdownloadport.h"
#include "memoryprofilesource.h"
#include "modelcatalogue.h"
#include "simdownloadhandlers.h"
#include "simdownloadlink.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>
#include <QVector>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>

namespace {

void fillProfile(MemoryProfileSource &source, QVector<int> *codes)
{
    codes->fill(0, 132);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 15; ++c)
            (*codes)[r * 22 + c] = 4 + r * 15 + c;
    for (int m = 0; m < 10; ++m) {
        QList<MacroEventRecord> events;
        for (int i = 0; i < 40; ++i)
            events.append(makeEvent("key", 4 + i % 26, i % 2 == 0, 30));
        source.macros[QByteArray::number(m)] = events;
    }
    for (int i = 0; i < 8; ++i) {
        SeniorKeyInfoStu r{};
        r.index = i + 1;
        r.type = 1 + i % 3;
        fixedtext::copy(r.K1, "4");
        fixedtext::copy(r.K2, "2,5");
        source.senior.append(r);
    }
    auto &d = source.layers["appProfile_Default.xml"].items;
    auto &fn = source.layers["appProfile_FN.xml"].items;
    for (int m = 0; m < 10; ++m)
        (m < 6 ? d : fn)[4 + m * 3] = makeItem(1, QByteArray::number(m).constData(), 1, 1);
    for (int i = 0; i < 8; ++i)
        (i < 4 ? d : fn)[40 + i] = makeItem(40, QByteArray::number(i + 1).constData());
    for (int code = 60; code < 90; ++code)
        d[code] = makeItem(2, "3,4");
}

void measure(benchmark::State &state, DOnboardDownload &download, DownloadLink &link,
             const DownloadSnapshot &snapshot, SimOnboardMemory &memory, std::chrono::milliseconds pause);

// range(0): the pause between phases in ms; range(1): 1 to read the profile from store files.
void BM_FullDownload(benchmark::State &state)
{
    const auto pause = std::chrono::milliseconds(state.range(0));
    const bool fromStore = state.range(1) != 0;
    auto backend = std::make_unique<SimulatedBackend>();
    auto kb = backend->addKeyboard(*ModelCatalogue::instance().find(QStringLiteral("TL68HE")));
    HidDeviceManager::instance().setBackend(std::move(backend));
    auto memory = std::make_shared<SimOnboardMemory>();
    simdownload::installHandlers(*kb, memory);

    MemoryProfileSource source;
    DownloadSnapshot snapshot;
    fillProfile(source, &snapshot.keyCodes);
    snapshot.profileDir = QStringLiteral("/profiles/keyboard");
    snapshot.magnetic = true;
    QTemporaryDir dir;
    QList<QByteArray> files;
    if (fromStore) {
        snapshot.profileDir = dir.path();
        if (!writeProfileStore(source, dir.path(), &snapshot.seniorKeyXmlPath, &files)) {
            state.SkipWithError("cannot write the profile");
            return;
        }
    }

    SimDownloadLink link(kb->path());
    DOnboardDownload download(fromStore ? DownloadProfileSource::sdk() : &source);
    download.setTiming({std::chrono::milliseconds(100), pause});
    QObject::connect(&link, &SimDownloadLink::sigAck, &download, &DOnboardDownload::onRuningOnboard0x19Cmd,
                     Qt::QueuedConnection);

    measure(state, download, link, snapshot, *memory, pause);
    HidDeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>());
}

void measure(benchmark::State &state, DOnboardDownload &download, DownloadLink &link,
             const DownloadSnapshot &snapshot, SimOnboardMemory &memoryRef, std::chrono::milliseconds pause)
{
    SimOnboardMemory *memory = &memoryRef;
    double total = 0;
    int framesAtFinish = 0;
    for (auto _ : state) {
        memory->clear();
        QEventLoop loop;
        bool ok = false;
        const auto c =
            QObject::connect(&download, &DOnboardDownload::sigDownloadFinished, &loop, [&](bool done) {
                ok = done;
                framesAtFinish = memory->macroFramesReceived() + memory->keyLayerFramesReceived() +
                                 memory->advancedFramesReceived();
                loop.quit();
            });
        const auto t0 = std::chrono::steady_clock::now();
        download.start(&link, snapshot);
        if (download.isRunning())
            loop.exec();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        QObject::disconnect(c);
        if (!ok) {
            state.SkipWithError("download failed");
            break;
        }
        state.SetIterationTime(seconds);
        total += seconds;
    }
    // Two fixed pauses on a magnetic keyboard: after the layers and before the blank records.
    const double fixed = 2 * std::chrono::duration<double>(pause).count();
    const double iterations = static_cast<double>(state.iterations());
    state.counters["fixed_pauses_ms"] = fixed * 1000;
    state.counters["rest_ms"] = iterations > 0 ? (total / iterations - fixed) * 1000 : 0;
    const int frames =
        memory->macroFramesReceived() + memory->keyLayerFramesReceived() + memory->advancedFramesReceived();
    state.counters["frames"] = frames;
    // Frames the keyboard held when the verdict came: all of them, or the verdict was early.
    state.counters["frames_at_verdict"] = framesAtFinish;
    state.counters["rest_ms_per_frame"] =
        iterations > 0 && frames > 0 ? (total / iterations - fixed) * 1000 / frames : 0;
    HidDeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>());
}
// 400: the program's pause; 0: the same download with the pauses left out.
BENCHMARK(BM_FullDownload)
    ->Args({400, 0})
    ->Args({0, 0})
    ->Args({400, 1})
    ->Args({0, 1})
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The same download through the program's keyboard link: its I/O thread writes the frames with
// its pacing, its parser delivers the acknowledgements.
void BM_FullDownloadOverLink(benchmark::State &state)
{
    const auto pause = std::chrono::milliseconds(state.range(0));
    auto backend = std::make_unique<SimulatedBackend>();
    auto kb = backend->addKeyboard(*ModelCatalogue::instance().find(QStringLiteral("TL68HE")));
    HidDeviceManager::instance().setBackend(std::move(backend));
    auto memory = std::make_shared<SimOnboardMemory>();
    simdownload::installHandlers(*kb, memory);

    MemoryProfileSource source;
    DownloadSnapshot snapshot;
    fillProfile(source, &snapshot.keyCodes);
    snapshot.profileDir = QStringLiteral("/profiles/keyboard");
    snapshot.magnetic = true;

    hidStructInfoAll record;
    std::memset(&record, 0, sizeof record);
    fixedtext::copy(record.hidPath, kb->path());
    fixedtext::copy(record.modelKey, kb->model().key);
    auto link = std::make_unique<DDeviceKeyboardLink>();
    link->openDevice(1, record);
    QElapsedTimer t;
    t.start();
    while (!link->isReady() && t.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QThread::usleep(50);
    }
    if (!link->isReady()) {
        state.SkipWithError("link not ready");
        return;
    }
    DOnboardDownload download(&source);
    download.setTiming({std::chrono::milliseconds(100), pause});
    KeyboardLinkDownloadPort port(link.get(), &download);
    measure(state, download, port, snapshot, *memory, pause);
    link.reset();
    HidDeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>());
}
BENCHMARK(BM_FullDownloadOverLink)
    ->Arg(400)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(5)
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
    QCoreApplication::setApplicationName(QStringLiteral("tidelumen"));
    ModelCatalogue::instance().load();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
