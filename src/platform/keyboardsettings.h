#pragma once

#include <QString>
#include <QStringList>

// The desktop's own keyboard settings panel.
namespace keyboardsettings {

struct Tool
{
    QString program; // absolute path; empty when the desktop offers none
    QStringList arguments;
};

// The first keyboard settings tool of the known desktops found on the search path.
Tool find();
// Starts it detached, so the caller never waits for it; false when there is none or it did not start.
bool open();

} // namespace keyboardsettings
