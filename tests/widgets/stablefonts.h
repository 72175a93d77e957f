#pragma once

#include <QFont>
#include <QString>

// The families the widgets ask for are not installed; tests map them onto DejaVu Sans so that text
// measurements are the same on every machine.
namespace stablefonts {

inline const QString kFamily = QStringLiteral("DejaVu Sans");

void install();

} // namespace stablefonts
