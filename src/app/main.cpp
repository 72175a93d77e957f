#include "crashhandler.h"
#include "customlightdefaults.h"
#include "dappllication.h"
#include "deviceprofilefiles.h"
#include "qtlinguist.h"

#include <QDebug>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QStandardPaths>

#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

// The notice runs in a fresh process started by the crash handler: no widget code ever runs
// inside the fault handler itself.
int showCrashNotice(int argc, char **argv)
{
    QApplication app(argc, argv);
    // In the user's language, like the program that crashed.
    QCoreApplication::setApplicationName(QStringLiteral("tidelumen"));
    QtLinguist linguist;
    linguist.loadLanguage(DAppllication::storedLanguage(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/UserConfig")));
    QMessageBox box(QMessageBox::Critical, QObject::tr("Software exit"),
                    QStringLiteral("<FONT size=3><div><b>%1</b></div>")
                        .arg(QObject::tr("Conflict, software out of operation!")),
                    QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? 0 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Nothing here draws with OpenGL, yet the X11 platform would load the GL driver (tens of MB
    // resident) at start. Left to the user's choice when the variable is set.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");

    if (argc >= 2 && std::strcmp(argv[1], "--crash-notice") == 0)
        return showCrashNotice(argc, argv);

    // Global key capture and key injection need X11; in a Wayland session they work through
    // XWayland, so prefer it whenever an X display is there and no platform was chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QCoreApplication::setApplicationName(QStringLiteral("tidelumen"));
    // Lets Wayland shells match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tidelumen"));
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    char self[4096] = {};
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof(self) - 1);
    crashhandler::install(appData + QStringLiteral("/dump"),
                          n > 0 ? QStringList{QString::fromLocal8Bit(self, static_cast<int>(n)),
                                              QStringLiteral("--crash-notice")}
                                : QStringList{});

    // One instance per user and settings store: an exclusive lock in the user's runtime folder. A
    // lock left by a killed instance names a process that is gone and is taken over.
    const QString tag = DAppllication::instanceTag(::getuid(), appData);
    const QString runtime = DAppllication::runtimeFolder(::getuid(), appData);
    std::unique_ptr<QLockFile> lock;
    bool keyTaken = false;
    if (runtime.isEmpty()) {
        qWarning()
            << "[Single instance] no private runtime folder; running without the single-instance check";
    } else {
        lock = std::make_unique<QLockFile>(DAppllication::lockFilePath(runtime, tag));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) {
            qDebug() << "--------------- EXE already running -----------------";
            keyTaken = true;
        }
    }
    CustomLightDefaults::removeStaleTempFolders();
    if (lock && !keyTaken)
        DeviceProfileFiles::removeInterruptedSaves(appData + QStringLiteral("/UserConfig"));

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    auto app = std::make_unique<DAppllication>(
        runtime.isEmpty() ? QString() : DAppllication::serverName(runtime, tag), argc, argv, keyTaken);
    if (app->isRunning())
        return 1;
    if (keyTaken) {
        // The key is held but nobody answered: an instance that hangs. Never run a windowless loop.
        qWarning() << "[Single instance] another instance holds the key but does not answer; exiting";
        return 1;
    }
    return app->exec();
}
