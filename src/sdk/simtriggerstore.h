#pragma once

#include <QString>

class SimKeyboard;

// Keeps a simulated keyboard's per-key trigger settings in a file across program runs, the way a
// real keyboard keeps them across host restarts: loads them now and writes them back after every
// settings change the host makes.
namespace simtriggerstore {

void attach(SimKeyboard &keyboard, const QString &file);

} // namespace simtriggerstore
