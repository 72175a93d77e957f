#include "lightconfigreport.h"

namespace lightconfigreport {

namespace {

using namespace hidproto;

uint8_t low8(int32_t v)
{
    return static_cast<uint8_t>(v & 0xff);
}

HidReport build(uint8_t cmd, uint8_t length, const colorInfoData &c, qint64 epochMs)
{
    HidReport r = makeReport(cmd);
    r[kSubByte] = 0; // set; 1 is the query
    r[kLengthByte] = length;
    r[6] = low8(c.ledType);
    r[7] = low8(c.ledBrightness - 1);
    r[8] = low8(c.ledSpeed - 1);
    r[9] = low8(c.color1Red);
    r[10] = low8(c.color1Green);
    r[11] = low8(c.color1Blue);
    r[12] = low8(c.color2Red);
    r[13] = low8(c.color2Green);
    r[14] = low8(c.color2Blue);
    r[15] = low8(c.ledDirection);
    // Static shows the chosen colour only: the keyboard would cycle colours with the flag set.
    r[16] = c.ledType == lighttypes::kStatic ? 0 : low8(c.fullColorMode);
    r[17] = low8(c.ledExtra);
    r[62] = static_cast<uint8_t>((epochMs >> 8) & 0xff);
    r[63] = static_cast<uint8_t>(epochMs & 0xff);
    return r;
}

} // namespace

HidReport keyboard(const colorInfoData &c, qint64 epochMs)
{
    return build(out::KeyboardLight, 0x0e, c, epochMs);
}

HidReport side(const colorInfoData &c, qint64 epochMs)
{
    return build(out::SideLight, 0x0d, c, epochMs);
}

} // namespace lightconfigreport
