// Test entry shared by every test binary: points HOME and the XDG folders at a scratch folder so
// that no test touches the real user's files, creates the Qt application, and turns Qt's
// warnings about failed connections and unreadable style sheets into test failures (and, inside a
// testenv::WarningWatch, every warning).
#include "testenv.h"

#include <QDir>
#include <QMutexLocker>
#include <QStandardPaths>
#include <QTemporaryDir>

#if defined(TL_TEST_APPSHELL)
#include "dappllication.h"
#elif defined(TL_TEST_WIDGETS)
#include <QApplication>
#else
#include <QCoreApplication>
#endif

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace testenv::detail {
extern std::unique_ptr<QTemporaryDir> s_home;
extern QMutex s_mutex;
extern QString s_lastConnectionWarning;
extern bool s_connectionWarning;
extern int s_watchers;
extern QStringList s_watchedWarnings;
} // namespace testenv::detail

namespace {

QtMessageHandler s_previous = nullptr;

// Warnings that always mean a fault of ours: a connection that was not made, a style sheet (or a
// colour in it) Qt could not read.
bool isHarnessWarning(const QString &msg)
{
    return msg.startsWith(QLatin1String("QObject::connect")) ||
           msg.contains(QLatin1String("No such signal")) || msg.contains(QLatin1String("No such slot")) ||
           msg.startsWith(QLatin1String("QCssParser")) || msg.startsWith(QLatin1String("Could not parse"));
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        QMutexLocker lock(&testenv::detail::s_mutex);
        if (isHarnessWarning(msg)) {
            testenv::detail::s_connectionWarning = true;
            testenv::detail::s_lastConnectionWarning = msg;
        }
        if (testenv::detail::s_watchers > 0)
            testenv::detail::s_watchedWarnings << msg;
    }
    if (s_previous)
        s_previous(type, context, msg);
}

// Fails the running test when a connection or style-sheet warning appeared during it.
class ConnectionWarningListener : public testing::EmptyTestEventListener
{
    void OnTestEnd(const testing::TestInfo &) override
    {
        QString msg;
        if (testenv::takeConnectionWarning(&msg))
            ADD_FAILURE() << "Qt warning: " << msg.toStdString();
    }
};

void setEnv(const char *name, const QString &value)
{
    ::setenv(name, QFile::encodeName(value).constData(), 1);
}

} // namespace

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);

    testenv::detail::s_home =
        std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tl-test-XXXXXX"));
    const QString home = testenv::detail::s_home->path();
    for (const char *sub : {"/.config", "/.local/share", "/.cache", "/runtime"})
        QDir().mkpath(home + QLatin1String(sub));
    QFile::setPermissions(home + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setEnv("HOME", home);
    setEnv("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    setEnv("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    setEnv("XDG_CACHE_HOME", home + QStringLiteral("/.cache"));
    setEnv("XDG_RUNTIME_DIR", home + QStringLiteral("/runtime"));
    ::setenv("LC_ALL", "C.UTF-8", 1);
    if (!::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);

    s_previous = qInstallMessageHandler(messageHandler);
    testing::UnitTest::GetInstance()->listeners().Append(new ConnectionWarningListener);

#if defined(TL_TEST_APPSHELL)
    // The program's own application object, so that every event passes its filters as in the
    // program; without a server name and with the lock "taken" it starts nothing of its own.
    DAppllication app(QString(), argc, argv, true);
#elif defined(TL_TEST_WIDGETS)
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    QCoreApplication::setApplicationName(QStringLiteral("tidelumen"));
    QStandardPaths::setTestModeEnabled(false);
    return RUN_ALL_TESTS();
}
