#pragma once

#include <QString>
#include <QStringList>

namespace testenv {

// The scratch folder that stands in for HOME during this test binary's run.
QString home();

// True when Qt printed a warning about a failed signal/slot connection or an unreadable style sheet
// since the last call.
bool takeConnectionWarning(QString *message = nullptr);

// Collects every warning Qt or the program prints while it lives, from any thread.
class WarningWatch
{
public:
    WarningWatch();
    ~WarningWatch();
    WarningWatch(const WarningWatch &) = delete;
    WarningWatch &operator=(const WarningWatch &) = delete;

    QStringList warnings() const;
};

} // namespace testenv
