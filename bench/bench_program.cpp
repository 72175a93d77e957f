// The program as the user runs it, started as a child process with a fresh HOME and simulated
// keyboards: the time until the keyboard view is painted, and what an idle program costs (CPU,
// wake-ups of all its threads, resident memory) with none, one and four keyboards open.
//
// Uses the X server named by DISPLAY when there is one (as the program does), else the offscreen
// platform. Run on a quiet machine: the child's figures include whatever the scheduler does to it.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// TIDELUMEN_SIMULATE for `count` keyboards (0, 1 or 4); none leaves the real device back end.
const char *keyboardsFor(long count)
{
    return count == 0 ? "" : count == 1 ? "TL68HE" : "TL87,TL104,TL68HE,TL87";
}
constexpr int kPaintTimeoutMs = 20000;
constexpr int kSettleMs = 3000;
constexpr int kWindowMs = 5000;

// One started program with its own HOME.
class Program
{
public:
    explicit Program(const char *keyboards, const QString &home, const QStringList &arguments = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/share"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("*.debug=false\ntidelumen.startup.info=true"));
        if (env.value(QStringLiteral("DISPLAY")).isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        if (*keyboards)
            env.insert(QStringLiteral("TIDELUMEN_SIMULATE"), QString::fromLatin1(keyboards));
        else
            env.remove(QStringLiteral("TIDELUMEN_SIMULATE"));
        m_process.setProcessEnvironment(env);
        m_process.setProgram(QStringLiteral(TL_PROGRAM_PATH));
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setReadChannel(QProcess::StandardError);
        m_timer.start();
        m_process.start();
    }
    ~Program()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    // Seconds from the start until the keyboard view was painted; < 0 when it never was.
    double waitPainted()
    {
        QByteArray seen;
        while (m_timer.elapsed() < kPaintTimeoutMs && m_process.state() != QProcess::NotRunning) {
            if (!m_process.waitForReadyRead(100))
                continue;
            seen += m_process.readAllStandardError();
            if (seen.contains("keyboard view painted"))
                return static_cast<double>(m_timer.nsecsElapsed()) * 1e-9;
            // Keep only a tail: the marker may straddle two reads.
            if (seen.size() > 4096)
                seen = seen.right(256);
        }
        return -1;
    }
    // Keeps stderr from filling its pipe while the program idles.
    void drain() { m_process.readAllStandardError(); }
    qint64 pid() const { return m_process.processId(); }

private:
    QProcess m_process;
    QElapsedTimer m_timer;
};

struct Sample
{
    double cpuSeconds = 0;
    double switches = 0;
    double voluntary = 0; // the thread went to sleep; the rest are preemptions by a busy machine
};

// CPU time and context switches summed over the program's threads (/proc: nanosecond CPU time,
// where the process-wide tick counters would round an idle second to zero).
Sample sample(qint64 pid)
{
    Sample s;
    const QString taskDir = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &tid : QDir(taskDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile sched(taskDir + QLatin1Char('/') + tid + QStringLiteral("/schedstat"));
        if (sched.open(QIODevice::ReadOnly))
            s.cpuSeconds += sched.readAll().split(' ').value(0).toDouble() * 1e-9;
        QFile status(taskDir + QLatin1Char('/') + tid + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : status.readAll().split('\n')) {
            const bool voluntary = line.startsWith("voluntary_ctxt_switches:");
            if (voluntary || line.startsWith("nonvoluntary_ctxt_switches:")) {
                const double n = line.mid(line.indexOf(':') + 1).trimmed().toDouble();
                s.switches += n;
                if (voluntary)
                    s.voluntary += n;
            }
        }
    }
    return s;
}

double residentMiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

void idleFor(Program &program, int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QThread::msleep(200);
        program.drain();
    }
}

const char *platformLabel()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb";
}

// range(0): 0 for a fresh HOME every start (first start), 1 for a HOME used before.
void BM_StartToViewPainted(benchmark::State &state)
{
    QTemporaryDir warmHome;
    if (state.range(0) == 1) {
        Program first(keyboardsFor(1), warmHome.path());
        if (first.waitPainted() < 0) {
            state.SkipWithError("the keyboard view was never painted");
            return;
        }
        idleFor(first, 1000); // let the first start finish writing its files
    }
    for (auto _ : state) {
        QTemporaryDir freshHome;
        Program program(keyboardsFor(1), state.range(0) == 1 ? warmHome.path() : freshHome.path());
        const double seconds = program.waitPainted();
        if (seconds < 0) {
            state.SkipWithError("the keyboard view was never painted");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.SetLabel(platformLabel());
}
BENCHMARK(BM_StartToViewPainted)
    ->ArgName("warmHome")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Turns on "start with the computer" in the settings a first start wrote under `home`, so that a
// start with the auto-start argument puts the window away at once (to the tray, or minimised
// where there is none), as after a log-in.
bool enableAutoStart(const char *keyboards, const QString &home)
{
    {
        Program first(keyboards, home);
        if (*keyboards && first.waitPainted() < 0)
            return false;
        idleFor(first, *keyboards ? 1000 : 3000);
    }
    QDirIterator it(home, {QStringLiteral("QuelmoConfig.ini")}, QDir::Files, QDirIterator::Subdirectories);
    if (!it.hasNext())
        return false;
    QSettings user(it.next(), QSettings::IniFormat);
    user.setValue(QStringLiteral("AutoStart/isAutoStart"), true);
    user.sync();
    return user.status() == QSettings::NoError;
}

// range(0): keyboards attached (0, 1 or 4); range(1): 0 the window on screen, 1 put away at start.
// On screen the profile's default light effect is animated, so that figure holds its preview and
// streaming; put away, nothing is previewed and the keyboard shows its own effect.
void BM_IdleProgram(benchmark::State &state)
{
    const char *keyboards = keyboardsFor(state.range(0));
    const bool putAway = state.range(1) == 1;
    for (auto _ : state) {
        QTemporaryDir home;
        if (putAway && !enableAutoStart(keyboards, home.path())) {
            state.SkipWithError("the auto-start setting could not be written");
            break;
        }
        Program program(keyboards, home.path(),
                        putAway ? QStringList{QStringLiteral("AutoUp")} : QStringList{});
        if (*keyboards && !putAway && program.waitPainted() < 0) {
            state.SkipWithError("the keyboard view was never painted");
            break;
        }
        idleFor(program, putAway ? 2 * kSettleMs : kSettleMs);
        const Sample before = sample(program.pid());
        idleFor(program, kWindowMs);
        const Sample after = sample(program.pid());
        const double window = kWindowMs / 1000.0;
        state.SetIterationTime(after.cpuSeconds - before.cpuSeconds);
        state.counters["cpu_percent"] = (after.cpuSeconds - before.cpuSeconds) / window * 100.0;
        state.counters["wakeups_per_s"] = (after.switches - before.switches) / window;
        state.counters["voluntary_per_s"] = (after.voluntary - before.voluntary) / window;
        state.counters["rss_MiB"] = residentMiB(program.pid());
    }
    state.SetLabel(platformLabel());
}
BENCHMARK(BM_IdleProgram)
    ->ArgNames({"keyboards", "putAway"})
    ->ArgsProduct({{0, 1, 4}, {0, 1}})
    ->Iterations(1)
    ->Repetitions(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
