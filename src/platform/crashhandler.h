#pragma once

#include <QString>
#include <QStringList>

// Writes a dated dump file when the process faults and starts a separate notice process, so
// nothing but async-signal-safe calls run inside the fault handler.
namespace crashhandler {

// `dumpDir` receives "<yyyy_MM_dd_hh_mm_ss>.dmp" ("<yyyy_MM_dd_hh_mm_ss>-<n>.dmp" when that name is
// taken); `noticeCommand` (program and arguments) is
// started after the dump is written. Call once, early, from the GUI thread.
bool install(const QString &dumpDir, const QStringList &noticeCommand);

// Name of the dump file for a time given as seconds since the epoch, in UTC: the local offset
// cannot be looked up safely inside the fault handler, and one taken earlier goes stale.
QString dumpFileName(long long epochSeconds);

// Gives the calling thread its own alternate signal stack, so that a stack overflow on it still
// reaches the handler. Every thread the program starts calls it first; released when the thread
// ends. The main thread's is set by install().
void prepareThread();

} // namespace crashhandler
