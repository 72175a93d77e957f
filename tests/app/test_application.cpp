#include "dappllication.h"
#include "testenv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QWindow>
#include <gtest/gtest.h>

#include <memory>
#include <signal.h>

namespace {

// One launch of the real program on the offscreen platform, with its output captured.
class Launch
{
public:
    explicit Launch(const QStringList &args = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "default.debug=true");
        proc.setProcessEnvironment(env);
        proc.setProcessChannelMode(QProcess::MergedChannels);
        proc.start(QStringLiteral(TL_EXECUTABLE), args);
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
    EXPECT_NE(DAppllication::instanceKey(a), DAppllication::instanceKey(b));
    EXPECT_NE(DAppllication::serverName("tidelumen", a), DAppllication::serverName("tidelumen", b));
    EXPECT_TRUE(DAppllication::instanceKey(a).startsWith("TidelumenV2.0_1.2.0.1"));
}

TEST(Start, AutoUpHidesTheWindowOnlyWithAutoStartAndExactCase)
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
        EXPECT_EQ(l.waitFor("main window hidden (auto start)", 1500), r.hidden) << r.arg;
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
