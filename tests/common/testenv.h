#pragma once

#include <QString>

namespace testenv {

// The scratch folder that stands in for HOME during this test binary's run.
QString home();

// True when Qt printed a warning about a failed signal/slot connection since the last call.
bool takeConnectionWarning(QString *message = nullptr);

} // namespace testenv
