#include "keyboardsettings.h"

#include <QDebug>
#include <QProcess>
#include <QStandardPaths>

namespace keyboardsettings {

Tool find()
{
    static const struct
    {
        const char *program;
        const char *argument;
    } kTools[] = {
        {"gnome-control-center", "keyboard"}, {"systemsettings", "kcm_keyboard"},
        {"systemsettings5", "kcm_keyboard"},  {"cinnamon-settings", "keyboard"},
        {"xfce4-keyboard-settings", nullptr}, {"mate-keyboard-properties", nullptr},
        {"lxqt-config-input", nullptr},
    };
    for (const auto &t : kTools) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(t.program));
        if (path.isEmpty())
            continue;
        Tool tool{path, {}};
        if (t.argument)
            tool.arguments << QLatin1String(t.argument);
        return tool;
    }
    return {};
}

bool open()
{
    const Tool tool = find();
    if (tool.program.isEmpty()) {
        qDebug() << "[Keyboard settings] no settings tool of a known desktop found";
        return false;
    }
    if (QProcess::startDetached(tool.program, tool.arguments))
        return true;
    qDebug() << "[Keyboard settings] cannot start" << tool.program;
    return false;
}

} // namespace keyboardsettings
