#include "applauncher.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

bool waitForFile(const QString &path, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!QFile::exists(path) && t.elapsed() < ms)
        QThread::msleep(10);
    return QFile::exists(path);
}

TEST(AppLauncher, StartsAnExecutableWithoutAShell)
{
    // Names that a shell would split, substitute or expand into other commands.
    const char *names[] = {"run; touch injected", "my app $(touch injected)", "tool `touch injected`",
                           "spaced  name & touch injected"};
    for (const char *name : names) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString script = dir.path() + "/" + QString::fromLatin1(name);
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\ntouch started\n");
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        EXPECT_EQ(applauncher::launch(script), applauncher::Result::Started);
        EXPECT_TRUE(waitForFile(dir.path() + "/started", 5000)) << "runs in its own folder";
        QThread::msleep(100);
        EXPECT_FALSE(QFile::exists(dir.path() + "/injected"));
        EXPECT_FALSE(QFile::exists(QDir::currentPath() + "/injected"));
    }
}

TEST(AppLauncher, MissingPathIsReportedAndNothingRuns)
{
    for (const char *p : {"", "/nonexistent/tool", "relative/none"})
        EXPECT_EQ(applauncher::launch(p), applauncher::Result::NotFound) << p;
}

} // namespace
