#pragma once

#include "colorinfodata.h"
#include "hidreport.h"

#include <QtGlobal>

// The light configuration reports: 0x06 sets the keys' light, 0x07 the side light. Bytes 6 to 17
// carry the record as the keyboard also reports it back; bytes 62 and 63 the low 16 bits of the
// time in milliseconds since the epoch, high byte first.
namespace lightconfigreport {

HidReport keyboard(const colorInfoData &c, qint64 epochMs);
HidReport side(const colorInfoData &c, qint64 epochMs);

} // namespace lightconfigreport
