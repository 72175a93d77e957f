#include "simcalibration.h"

#include <algorithm>

namespace simlink {

using namespace hidproto;

namespace {
HidReport magneticStatus(uint8_t item, uint8_t status)
{
    HidReport r = makeReport(in::Magnetic);
    r[kLengthByte] = magnetic::kLengthByteValue;
    r[kPayload] = item;
    r[kPayload + 1] = status;
    return r;
}
} // namespace

HidReport keyCalibrationStatus(uint8_t status)
{
    return magneticStatus(magnetic::CalibrateKey, status);
}

HidReport allKeysCalibrationStatus(uint8_t status, const std::array<uint8_t, kMatrixColumns> &columns)
{
    HidReport r = magneticStatus(magnetic::CalibrateAll, status);
    std::copy(columns.begin(), columns.end(), r.begin() + kPayload + 2);
    return r;
}

} // namespace simlink
