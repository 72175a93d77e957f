#pragma once

#include "hidreport.h"

#include <array>
#include <cstdint>

// Calibration results a simulated keyboard sends by itself, so tests can play a calibration run
// step by step (running, then success, failure or an unknown status).
namespace simlink {

// 0x21 item 7: single-key calibration status (0 done, 1 running, 2 failed).
HidReport keyCalibrationStatus(uint8_t status);
// 0x21 item 8: all-keys calibration status with the column bitmap of the keys done so far.
HidReport allKeysCalibrationStatus(uint8_t status,
                                   const std::array<uint8_t, hidproto::kMatrixColumns> &columns);

} // namespace simlink
