#include "testenv.h"

#include <QByteArray>
#include <QMutex>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace testenv {
namespace detail {
std::unique_ptr<QTemporaryDir> s_home;
QMutex s_mutex;
QString s_lastConnectionWarning;
bool s_connectionWarning = false;
int s_watchers = 0;
QStringList s_watchedWarnings;
} // namespace detail

QString home()
{
    return detail::s_home ? detail::s_home->path() : QString();
}

bool takeConnectionWarning(QString *message)
{
    QMutexLocker lock(&detail::s_mutex);
    const bool had = detail::s_connectionWarning;
    if (message)
        *message = detail::s_lastConnectionWarning;
    detail::s_connectionWarning = false;
    return had;
}

WarningWatch::WarningWatch()
{
    QMutexLocker lock(&detail::s_mutex);
    if (detail::s_watchers++ == 0)
        detail::s_watchedWarnings.clear();
}

WarningWatch::~WarningWatch()
{
    QMutexLocker lock(&detail::s_mutex);
    --detail::s_watchers;
}

QStringList WarningWatch::warnings() const
{
    QMutexLocker lock(&detail::s_mutex);
    return detail::s_watchedWarnings;
}

} // namespace testenv
