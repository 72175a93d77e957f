#pragma once

#include <QStringList>

// Which of the lighting page's parameter controls a light type leaves out: a speed row for effects
// without pace, directions the effect cannot take, the colour pair for single-colour effects.
namespace lightcontrolrules {

// Object names of every control these rules show or hide.
const QStringList &managedControls();
// The controls hidden for a light type of a target (0 keys, 1 side light); all others are shown.
QStringList hiddenControls(int hidType, int ledType);

} // namespace lightcontrolrules
