// Holds a blocking key capture until it is killed, so that a test can check that the X server
// gives the keyboard back when the process dies.
#include "x11inputhook.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    X11InputHook hook;
    if (!hook.installKeyboard([](const InputHookKeyEvent &) { return true; }, true)) {
        std::printf("failed %ld\n", hook.lastError());
        return 1;
    }
    std::printf("grabbed\n");
    std::fflush(stdout);
    return app.exec();
}
