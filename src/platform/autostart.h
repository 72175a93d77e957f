#pragma once

#include <QString>

// Start at login: an XDG autostart entry "<config>/autostart/tidelumen.desktop" that starts the
// program with "--AutoUp".
namespace autostart {

QString entryPath();

// Desktop-entry quoting of an executable path for the Exec key.
QString quoteExec(const QString &path);

// The program to start: $APPIMAGE when set, else the running executable.
QString executablePath();

// Writes (atomically) or removes the entry. False with `error` set when that fails.
bool setEnabled(bool enabled, const QString &title, QString *error = nullptr);
bool isEnabled();

} // namespace autostart
