// The program's end as the user meets it: a window with one simulated keyboard open, then the
// close button or the tray's quit, then what is left once the event loop has returned.
#include "ddevicekeyboardlink.h"
#include "ddevicepage.h"
#include "dmainwidget.h"
#include "mainhidinterface.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tidelumen"));
    const QString action = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    auto window = std::make_unique<DMainWidget>();
    window->show();
    auto *page = window->findChild<DDevicePage *>();
    QPointer<MainHidInterFace> hid;

    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const auto links = page->linkMapCopy();
        if (links.isEmpty() || !links.first()->hidInterface() || !links.first()->hidInterface()->isRunning())
            return;
        poll.stop();
        hid = links.first()->hidInterface();
        std::printf("link open: %d\n", int(links.size()));
        if (action == QLatin1String("close"))
            window->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
        else
            window->findChild<QAction *>(QStringLiteral("action_Quit"))->trigger();
    });
    poll.start();
    QTimer::singleShot(30000, &app, [] { QCoreApplication::exit(3); });

    const int code = app.exec();
    std::printf("links after quit: %d\n", int(page->linkMapCopy().size()));
    std::printf("io thread running: %d\n", hid && hid->isRunning() ? 1 : 0);
    std::fflush(stdout);
    return code;
}
