#include "applauncher.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace applauncher {

Result launch(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        qDebug() << "[Launch] no such file:" << path;
        return Result::NotFound;
    }
    if (info.isFile() && info.isExecutable()) {
        // startDetached runs the program itself; no shell ever sees the path.
        if (QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath()))
            return Result::Started;
        qDebug() << "[Launch] cannot start" << path;
        return Result::Failed;
    }
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())))
        return Result::OpenedWithHandler;
    qDebug() << "[Launch] no handler opens" << path;
    return Result::Failed;
}

} // namespace applauncher
