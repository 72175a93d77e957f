#pragma once

#include <QString>

// Starts what a launch-application key names: an executable directly (never through a shell), any
// other existing file with the desktop's default handler.
namespace applauncher {

enum class Result
{
    Started,
    OpenedWithHandler,
    NotFound,
    Failed
};

Result launch(const QString &path);

} // namespace applauncher
