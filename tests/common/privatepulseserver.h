#pragma once

// A PulseAudio server of the test's own: its own runtime folder and socket, one null sink, never
// the user's server. Tones are played into the sink with pacat.
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

class PrivatePulseServer
{
public:
    static bool available()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
    }

    PrivatePulseServer() = default;
    ~PrivatePulseServer() { stop(); }
    PrivatePulseServer(const PrivatePulseServer &) = delete;
    PrivatePulseServer &operator=(const PrivatePulseServer &) = delete;

    // Starts the server with the sink "tl_null" (the default output); false with a message in
    // error() when it does not come up within five seconds.
    bool start()
    {
        if (!m_dir.isValid())
            return fail(QStringLiteral("no scratch folder"));
        const QString root = m_dir.path();
        QDir(root).mkpath(QStringLiteral("run"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/run"));
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), root + QStringLiteral("/run"));
        env.insert(QStringLiteral("PULSE_STATE_PATH"), root + QStringLiteral("/state"));
        env.insert(QStringLiteral("HOME"), root);
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        m_server.setProcessEnvironment(env);
        // Into a file: a pipe nobody reads would stall the server once full.
        m_server.setStandardOutputFile(root + QStringLiteral("/server.log"));
        m_server.setStandardErrorFile(root + QStringLiteral("/server.log"), QIODevice::Append);
        m_server.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--use-pid-file=no"), QStringLiteral("--system=no"),
             QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
             QStringLiteral("--disallow-exit"), QStringLiteral("--log-target=stderr"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socketPath(),
             QStringLiteral("--load=module-null-sink sink_name=tl_null rate=44100")});
        if (!m_server.waitForStarted(5000))
            return fail(QStringLiteral("pulseaudio did not start: ") + m_server.errorString());
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            if (QFileInfo::exists(socketPath()) && pactl({QStringLiteral("info")}))
                return keepSinkRunning();
            if (m_server.state() == QProcess::NotRunning)
                break;
            QThread::msleep(50);
        }
        QFile log(root + QStringLiteral("/server.log"));
        log.open(QIODevice::ReadOnly);
        return fail(QStringLiteral("pulseaudio did not come up: ") + QString::fromLocal8Bit(log.readAll()));
    }

    void stop()
    {
        for (auto &player : m_players)
            finish(*player);
        m_players.clear();
        finish(m_keeper);
        finish(m_server);
    }

    QString server() const { return QStringLiteral("unix:") + socketPath(); }
    QString error() const { return m_error; }
    bool running() const { return m_server.state() == QProcess::Running; }
    void kill() { finish(m_server); }

    bool pactl(const QStringList &args)
    {
        QProcess p;
        p.start(QStringLiteral("pactl"), QStringList{QStringLiteral("--server=") + server()} + args);
        return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    // A second null sink, not the default.
    bool addSink(const QString &name)
    {
        return pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                      QStringLiteral("sink_name=") + name, QStringLiteral("rate=44100")});
    }

    // Plays stereo s16le PCM (44100 Hz) into the default sink; returns at once.
    bool play(const QByteArray &pcm)
    {
        auto player = std::make_unique<QProcess>();
        player->setStandardOutputFile(QProcess::nullDevice());
        player->setStandardErrorFile(QProcess::nullDevice());
        player->start(QStringLiteral("pacat"),
                      {QStringLiteral("--server=") + server(), QStringLiteral("--playback"),
                       QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                       QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=20")});
        if (!player->waitForStarted(5000))
            return false;
        player->write(pcm);
        player->closeWriteChannel();
        m_players.push_back(std::move(player));
        return true;
    }

private:
    // An idle null sink renders nothing, and the first time it runs it renders up to two seconds
    // ahead; endless silence played from the start keeps it running in small blocks afterwards.
    bool keepSinkRunning()
    {
        m_keeper.setStandardInputFile(QStringLiteral("/dev/zero"));
        m_keeper.setStandardOutputFile(QProcess::nullDevice());
        m_keeper.setStandardErrorFile(QProcess::nullDevice());
        m_keeper.start(QStringLiteral("pacat"),
                       {QStringLiteral("--server=") + server(), QStringLiteral("--playback"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                        QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=20")});
        if (!m_keeper.waitForStarted(5000))
            return fail(QStringLiteral("pacat did not start"));
        QThread::msleep(2500);
        return true;
    }

    QString socketPath() const { return m_dir.path() + QStringLiteral("/native"); }
    bool fail(const QString &why)
    {
        m_error = why;
        stop();
        return false;
    }
    static void finish(QProcess &p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.terminate();
        if (!p.waitForFinished(3000)) {
            p.kill();
            p.waitForFinished(3000);
        }
    }

    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/tlpulse-XXXXXX")};
    QProcess m_server;
    QProcess m_keeper;
    std::vector<std::unique_ptr<QProcess>> m_players;
    QString m_error;
};
