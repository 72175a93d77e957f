#include "dappllication.h"
#include "qtlinguist.h"
#include "testenv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One launch of the real program on the offscreen platform, with its output captured.
class Launch
{
public:
    explicit Launch(const QStringList &args = {},
                    const QProcessEnvironment &base = QProcessEnvironment::systemEnvironment(),
                    const QStringList &prefix = {})
    {
        QProcessEnvironment env = base;
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "default.debug=true");
        proc.setProcessEnvironment(env);
        proc.setProcessChannelMode(QProcess::MergedChannels);
        if (prefix.isEmpty())
            proc.start(QStringLiteral(TL_EXECUTABLE), args);
        else
            proc.start(prefix.front(), prefix.mid(1) + QStringList{QStringLiteral(TL_EXECUTABLE)} + args);
    }
    ~Launch()
    {
        if (proc.state() != QProcess::NotRunning) {
            proc.kill();
            proc.waitForFinished(5000);
        }
    }
    // Waits until the output holds `text`.
    bool waitFor(const QString &text, int ms = 15000)
    {
        QElapsedTimer t;
        t.start();
        while (!output.contains(text)) {
            if (t.elapsed() > ms)
                return false;
            proc.waitForReadyRead(100);
            output += QString::fromLocal8Bit(proc.readAll());
            if (proc.state() == QProcess::NotRunning) {
                output += QString::fromLocal8Bit(proc.readAll());
                return output.contains(text);
            }
        }
        return true;
    }
    QProcess proc;
    QString output;
};

TEST(SingleInstance, SecondLaunchHandsOverAndExitsWithOne)
{
    Launch first;
    ASSERT_TRUE(first.waitFor("main window shown")) << first.output.toStdString();

    QElapsedTimer t;
    t.start();
    Launch second({"--some", "last-arg"});
    ASSERT_TRUE(second.proc.waitForFinished(5000));
    // About a second is the goal; the bound is loose so a loaded machine does not fail the test.
    EXPECT_LT(t.elapsed(), 3000) << "the second launch should exit promptly";
    EXPECT_EQ(second.proc.exitCode(), 1);
    EXPECT_FALSE(second.waitFor("main window shown", 10));
    EXPECT_TRUE(first.waitFor("main window raised", 3000)) << first.output.toStdString();
}

TEST(SingleInstance, AKilledInstanceNeverBlocksTheNextStart)
{
    {
        Launch first;
        ASSERT_TRUE(first.waitFor("main window shown"));
        ::kill(static_cast<pid_t>(first.proc.processId()), SIGKILL);
        first.proc.waitForFinished(5000);
    }
    Launch next;
    EXPECT_TRUE(next.waitFor("main window shown")) << next.output.toStdString();
    EXPECT_EQ(next.proc.state(), QProcess::Running);
}

TEST(SingleInstance, NamesDifferPerUserAndPerSettingsStore)
{
    const QString a = DAppllication::instanceTag(1000, "/home/a/.local/share/tidelumen");
    const QString b = DAppllication::instanceTag(1001, "/home/a/.local/share/tidelumen");
    const QString c = DAppllication::instanceTag(1000, "/home/c/.local/share/tidelumen");
    EXPECT_NE(a, b);
    EXPECT_NE(a, c);
    EXPECT_EQ(a, DAppllication::instanceTag(1000, "/home/a/.local/share/tidelumen"));
    EXPECT_NE(DAppllication::serverName("/run/user/1000", a), DAppllication::serverName("/run/user/1000", b));
    EXPECT_NE(DAppllication::lockFilePath("/run/user/1000", a),
              DAppllication::lockFilePath("/run/user/1000", b));
}

// Another local user squats every name the program used in shared folders: the socket in the
// temporary folder, and the per-user folder there. The victim still starts, and its own second
// launch still hands over to it.
TEST(SingleInstance, AnotherUserCannotStopTheProgramFromStarting)
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty())
        GTEST_SKIP() << "needs root and setpriv to run the program as two other users";
    const uint squatter = 47111;
    const uint victim = 47112;
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_EQ(::chmod(QFile::encodeName(root.path()).constData(), 0755), 0);
    auto homeOf = [&](uint uid) {
        const QString home = root.path() + QStringLiteral("/home%1").arg(uid);
        QDir().mkpath(home);
        EXPECT_EQ(::chown(QFile::encodeName(home).constData(), uid, uid), 0);
        return home;
    };
    const QString victimHome = homeOf(victim);
    homeOf(squatter);
    const QString victimAppData = victimHome + QStringLiteral("/.local/share/tidelumen");
    const QString tag = DAppllication::instanceTag(victim, victimAppData);

    // The squatter's names: the victim's former socket in the shared temporary folder, answered
    // by a live server, and the per-user folder, made first and open to all.
    QLocalServer oldSocket;
    const QString oldName = QStringLiteral("tidelumen-") + tag;
    QLocalServer::removeServer(oldName);
    ASSERT_TRUE(oldSocket.listen(oldName));
    const QString tmpFolder = QDir::tempPath() + QStringLiteral("/tidelumen-%1").arg(victim);
    QDir(tmpFolder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(tmpFolder));
    ASSERT_EQ(::chmod(QFile::encodeName(tmpFolder).constData(), 0777), 0);
    ASSERT_EQ(::chown(QFile::encodeName(tmpFolder).constData(), squatter, squatter), 0);
    ASSERT_EQ(::chown(QFile::encodeName(oldSocket.fullServerName()).constData(), squatter, squatter), 0);

    QProcessEnvironment env;
    env.insert("HOME", victimHome);
    env.insert("PATH", qEnvironmentVariable("PATH"));
    env.insert("ASAN_OPTIONS", qEnvironmentVariable("ASAN_OPTIONS"));
    const QStringList asVictim{"setpriv", QStringLiteral("--reuid=%1").arg(victim),
                               QStringLiteral("--regid=%1").arg(victim), "--clear-groups"};
    struct Row
    {
        const char *what;
        bool runtimeDir;
    };
    for (const Row &row : {Row{"no XDG_RUNTIME_DIR", false}, Row{"private XDG_RUNTIME_DIR", true}}) {
        SCOPED_TRACE(row.what);
        QProcessEnvironment e = env;
        if (row.runtimeDir) {
            const QString run = root.path() + QStringLiteral("/run%1").arg(victim);
            QDir().mkpath(run);
            ASSERT_EQ(::chmod(QFile::encodeName(run).constData(), 0700), 0);
            ASSERT_EQ(::chown(QFile::encodeName(run).constData(), victim, victim), 0);
            e.insert("XDG_RUNTIME_DIR", run);
        }
        Launch first({}, e, asVictim);
        ASSERT_TRUE(first.waitFor("main window shown")) << first.output.toStdString();
        Launch second({"--some", "last-arg"}, e, asVictim);
        ASSERT_TRUE(second.proc.waitForFinished(10000));
        EXPECT_EQ(second.proc.exitCode(), 1);
        EXPECT_TRUE(first.waitFor("main window raised", 5000)) << first.output.toStdString();
    }
    EXPECT_FALSE(oldSocket.hasPendingConnections()) << "the victim knocked at the squatter's socket";
    QDir(tmpFolder).removeRecursively();
}

TEST(Start, AutoUpPutsTheWindowAwayOnlyWithAutoStartAndExactCase)
{
    const QString settings =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/UserConfig/QuelmoConfig.ini";
    const struct
    {
        bool autoStart;
        const char *arg;
        bool hidden;
    } rows[] = {{true, "--AutoUp", true}, {true, "--autoup", false}, {false, "--AutoUp", false}};
    for (const auto &r : rows) {
        QDir().mkpath(QFileInfo(settings).path());
        QSettings(settings, QSettings::IniFormat).setValue("AutoStart/isAutoStart", r.autoStart);
        Launch l({r.arg});
        ASSERT_TRUE(l.waitFor("main window shown"));
        // The offscreen platform has no tray: the window is minimised, never hidden out of reach.
        EXPECT_EQ(l.waitFor("main window minimised (auto start, no tray)", 1500), r.hidden) << r.arg;
    }
}

TEST(Start, FirstStartStoresAnExplicitLanguage)
{
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir(appData).removeRecursively();
    {
        Launch l;
        ASSERT_TRUE(l.waitFor("main window shown"));
    }
    QSettings s(appData + "/UserConfig/QuelmoConfig.ini", QSettings::IniFormat);
    EXPECT_EQ(s.value("Language/selectLanguageIndex").toInt(), 3) << "C locale maps to English";
}

// A save's temporary file that a kill left is removed by the next start, never by a launch that
// finds another instance running (that one may be saving right now).
TEST(Start, TemporaryFilesOfAnInterruptedSaveAreRemovedByTheNextStart)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/UserConfig";
    const QString leftover = config + "/TL68HE/SN0001/appProfile_FN.xml.aB3dE9";
    const QString backup = config + "/TL68HE/SN0001/appProfile_FN.xml.broken-20261210-120000";
    auto touch = [](const QString &path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
    };
    ASSERT_TRUE(touch(backup));
    {
        Launch running;
        ASSERT_TRUE(running.waitFor("main window shown")) << running.output.toStdString();
        ASSERT_TRUE(touch(leftover));
        Launch second;
        ASSERT_TRUE(second.proc.waitForFinished(5000));
        EXPECT_TRUE(QFile::exists(leftover)) << "removed while another instance runs";
        ::kill(static_cast<pid_t>(running.proc.processId()), SIGKILL);
        running.proc.waitForFinished(5000);
    }
    Launch next;
    ASSERT_TRUE(next.waitFor("main window shown")) << next.output.toStdString();
    EXPECT_FALSE(QFile::exists(leftover));
    EXPECT_TRUE(QFile::exists(backup));
}

TEST(KeySwallowing, SpaceReturnEnterReachOnlyTextEditors)
{
    QLabel label;
    QPushButton button;
    QLineEdit line;
    QPlainTextEdit plain;
    QSpinBox spin;
    QWindow window;
    const struct
    {
        QObject *receiver;
        int key;
        QEvent::Type type;
        bool swallowed;
    } rows[] = {
        {&button, Qt::Key_Space, QEvent::KeyPress, true}, {&button, Qt::Key_Return, QEvent::KeyPress, true},
        {&label, Qt::Key_Enter, QEvent::KeyPress, true},  {&button, Qt::Key_Space, QEvent::KeyRelease, false},
        {&button, Qt::Key_A, QEvent::KeyPress, false},    {&line, Qt::Key_Space, QEvent::KeyPress, false},
        {&line, Qt::Key_Return, QEvent::KeyPress, false}, {&plain, Qt::Key_Return, QEvent::KeyPress, false},
        {&spin, Qt::Key_Enter, QEvent::KeyPress, false},  {&window, Qt::Key_Space, QEvent::KeyPress, false},
    };
    for (const auto &r : rows) {
        QKeyEvent ev(r.type, r.key, Qt::NoModifier);
        EXPECT_EQ(DAppllication::isSwallowedKeyPress(r.receiver, &ev), r.swallowed)
            << r.receiver->metaObject()->className() << " key " << r.key;
    }
}

} // namespace

TEST(ApplicationLanguage, StoredLanguageIsTheUsersOrTheSystems)
{
    // The crash notice, a separate process, uses this too, so it speaks the program's language.
    QTemporaryDir dir;
    const QString folder = dir.path() + "/UserConfig";
    const struct
    {
        const char *name;
        bool folderExists;
        const char *stored; // null: no key
        int expected;       // -1: the system's language
    } rows[] = {
        {"no settings folder", false, nullptr, -1},
        {"no key", true, nullptr, -1},
        {"system language stored", true, "-1", -1},
        {"German stored", true, "10", QtLinguist::German},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        QDir(folder).removeRecursively();
        if (r.folderExists) {
            QDir().mkpath(folder);
            QSettings settings(folder + "/QuelmoConfig.ini", QSettings::IniFormat);
            if (r.stored)
                settings.setValue("Language/selectLanguageIndex", QString::fromLatin1(r.stored).toInt());
        }
        EXPECT_EQ(DAppllication::storedLanguage(folder),
                  r.expected < 0 ? QtLinguist::systemLanguage() : r.expected);
    }
}
