#include "autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace autostart {

QString entryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/tidelumen.desktop");
}

QString quoteExec(const QString &path)
{
    QString out;
    out.reserve(path.size() + 2);
    for (const QChar c : path) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            out += QLatin1Char('%');
        out += c;
    }
    // Inside a desktop-entry string value the backslash is escaped once more.
    out.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString executablePath()
{
    const QString appImage = qEnvironmentVariable("APPIMAGE");
    return appImage.isEmpty() ? QCoreApplication::applicationFilePath() : appImage;
}

bool isEnabled()
{
    return QFileInfo::exists(entryPath());
}

bool setEnabled(bool enabled, const QString &title, QString *error)
{
    const QString path = entryPath();
    if (!enabled) {
        if (!QFileInfo::exists(path) || QFile::remove(path))
            return true;
        if (error)
            *error = QStringLiteral("cannot remove %1").arg(path);
        return false;
    }
    if (!QDir().mkpath(QFileInfo(path).path())) {
        if (error)
            *error = QStringLiteral("cannot create %1").arg(QFileInfo(path).path());
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=%2 --AutoUp\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(title, quoteExec(executablePath()));
    file.write(entry.toUtf8());
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace autostart
