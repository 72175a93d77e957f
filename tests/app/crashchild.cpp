// A child process for the crash tests: installs the crash handler, then faults on request: a bad
// store on the main thread, or (third argument "thread-overflow") a stack overflow on a thread it
// starts. Run as "<self> --notice <marker>" it plays the notice helper and only leaves a marker.
#include "crashhandler.h"

#include <QFile>
#include <QString>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <thread>

namespace {

// A bound the compiler cannot see through; the recursion never reaches it.
volatile int g_depthLimit = -1;

// Deep enough to overflow any thread stack; the frame is used after the call, so no tail call.
int recurse(int depth)
{
    if (depth == g_depthLimit)
        return 0;
    volatile char frame[4096];
    frame[0] = static_cast<char>(depth);
    return recurse(depth + 1) + frame[0];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--notice") == 0) {
        QFile marker(QString::fromLocal8Bit(argv[2]));
        return marker.open(QIODevice::WriteOnly) ? 0 : 1;
    }
    if (argc < 3)
        return 2;
    const QString dumpDir = QString::fromLocal8Bit(argv[1]);
    if (!crashhandler::install(dumpDir, {QString::fromLocal8Bit(argv[0]), QStringLiteral("--notice"),
                                         QString::fromLocal8Bit(argv[2])}))
        return 3;
    if (argc >= 4 && std::strcmp(argv[3], "thread-overflow") == 0) {
        std::thread worker([] {
            crashhandler::prepareThread();
            recurse(0);
        });
        worker.join();
        return 0;
    }
    // The deliberate fault: a store to an unmapped low address.
    volatile int *p = reinterpret_cast<volatile int *>(static_cast<std::uintptr_t>(64));
    *p = 42;
    return 0;
}
