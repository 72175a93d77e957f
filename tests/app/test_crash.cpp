#include "crashhandler.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

TEST(CrashHandler, DumpNameIsTheUtcDateAndTime)
{
    const struct
    {
        long long epoch;
        const char *name;
    } rows[] = {
        {0, "1970_01_01_00_00_00.dmp"},
        {1796904000, "2026_12_10_12_00_00.dmp"},
        {1796907600, "2026_12_10_13_00_00.dmp"},
        {1798761599, "2026_12_31_23_59_59.dmp"}, // the last second of a year
        {951782400, "2000_02_29_00_00_00.dmp"},  // leap day
    };
    for (const auto &r : rows)
        EXPECT_EQ(crashhandler::dumpFileName(r.epoch), r.name) << r.epoch;
}

void faultLeavesDumpAndNotice(const char *mode)
{
    QTemporaryDir dir;
    const QString dumpDir = dir.path() + "/appdata/dump";
    const QString marker = dir.path() + "/notice-started";

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Let our handler, not the sanitizer's, see the fault.
    env.insert("ASAN_OPTIONS", "handle_segv=0:handle_abort=0:detect_leaks=0");
    child.setProcessEnvironment(env);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    child.start(QStringLiteral(TL_CRASH_CHILD), {dumpDir, marker, QString::fromLatin1(mode)});
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    const QStringList dumps = QDir(dumpDir).entryList({"*.dmp"}, QDir::Files);
    ASSERT_EQ(dumps.size(), 1);
    const QRegularExpression pattern("^\\d{4}_\\d{2}_\\d{2}_\\d{2}_\\d{2}_\\d{2}\\.dmp$");
    EXPECT_TRUE(pattern.match(dumps.first()).hasMatch()) << dumps.first().toStdString();
    QDateTime stamp = QDateTime::fromString(dumps.first().chopped(4), "yyyy_MM_dd_hh_mm_ss");
    stamp.setTimeSpec(Qt::UTC);
    EXPECT_GE(stamp, before);
    EXPECT_LE(stamp, QDateTime::currentDateTimeUtc().addSecs(1));

    QFile dump(dumpDir + "/" + dumps.first());
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    const QByteArray content = dump.readAll();
    EXPECT_TRUE(content.contains("signal 11")) << content.constData(); // SIGSEGV in both cases
    EXPECT_TRUE(content.contains("backtrace:"));

    QElapsedTimer t;
    t.start();
    while (!QFile::exists(marker) && t.elapsed() < 5000)
        QThread::msleep(20);
    EXPECT_TRUE(QFile::exists(marker)) << "the notice helper was not started";
}

TEST(CrashHandler, AFaultLeavesADatedDumpAndStartsTheNoticeHelper)
{
    // A bad store on the main thread, and a stack overflow on a thread the program started: that
    // one needs the thread's own signal stack to run the handler at all.
    for (const char *mode : {"fault", "thread-overflow"}) {
        SCOPED_TRACE(mode);
        faultLeavesDumpAndNotice(mode);
    }
}

// Dumps written in the same second each keep their own file; an earlier one is never overwritten.
TEST(CrashHandler, ADumpNeverReplacesAnEarlierOneOfTheSameSecond)
{
    QTemporaryDir dir;
    const QString dumpDir = dir.path() + "/dump";
    ASSERT_TRUE(QDir().mkpath(dumpDir));
    // Every name the child could pick for the next few seconds is taken already.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList taken;
    for (int s = -1; s <= 10; ++s) {
        const QString name = crashhandler::dumpFileName(now.toSecsSinceEpoch() + s);
        for (const QString &file : {name, name.chopped(4) + "-1.dmp"}) {
            QFile f(dumpDir + "/" + file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("earlier dump");
            taken << file;
        }
    }

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ASAN_OPTIONS", "handle_segv=0:handle_abort=0:detect_leaks=0");
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(TL_CRASH_CHILD), {dumpDir, dir.path() + "/notice-started"});
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    for (const QString &file : taken) {
        QFile f(dumpDir + "/" + file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        EXPECT_EQ(f.readAll(), "earlier dump") << file.toStdString();
    }
    QStringList added = QDir(dumpDir).entryList({"*.dmp"}, QDir::Files);
    for (const QString &file : taken)
        added.removeAll(file);
    ASSERT_EQ(added.size(), 1);
    EXPECT_TRUE(QRegularExpression("^\\d{4}(_\\d{2}){5}-2\\.dmp$").match(added.first()).hasMatch())
        << added.first().toStdString();
    QFile dump(dumpDir + "/" + added.first());
    ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
    EXPECT_TRUE(dump.readAll().contains("signal 11"));
}

} // namespace
