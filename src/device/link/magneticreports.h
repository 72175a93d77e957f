#pragma once

#include "hidreport.h"

#include <QList>
#include <QMap>
#include <QPair>

#include <array>

// The magnetic-switch settings and calibration reports the device page sends (command 0x29), and
// how it reads the keyboard's all-keys calibration results. Keys are (row, column) of the 6 x 22
// matrix; positions outside it are left out of every bitmap.
namespace magneticreport {

using KeyPos = QPair<int, int>; // (row, column)
using ColumnBitmap = std::array<uint8_t, hidproto::kMatrixColumns>;

// Byte c holds column c; bit r is set for the key at row r.
ColumnBitmap columnBitmap(const QList<KeyPos> &keys);
// The keys a bitmap map (column -> row bits) names, column by column, rows upwards.
QList<KeyPos> keysOfBitmap(const QMap<int, int> &columns);

HidReport applyActuation(int selMode, const QList<KeyPos> &keys, int pressL, int pressR, int quickTriggerL,
                         int quickTriggerR);
HidReport restoreDefaultSensitivity();
HidReport queryKeyTrigger(int row, int column);
HidReport setAntiShake(int value);
HidReport setReportRate(int value);
// Item 2: the keys shown in calibration mode (none when entering or leaving it).
HidReport calibrationSelection(const QList<KeyPos> &keys);
HidReport calibrateKey(int row, int column);
HidReport calibrateAllKeys(bool start);

// A value sent in one byte; anything else cannot be sent.
bool fitsByte(int value);

// The tip for a single-key calibration status (0 done, 1 running, 2 failed).
const char *singleKeyStatusTip(int status);

// What the page does with an all-keys calibration status.
struct AllKeysOutcome
{
    bool markKeys;       // 0 and 1: mark the keys of the link's bitmap
    bool finished;       // everything but 1: the run is over, marks cleared, mode ended
    bool succeeded;      // 0 only
    const char *logLine; // null while running
    const char *tip;     // null while running
};
AllKeysOutcome allKeysOutcome(int status);

} // namespace magneticreport
