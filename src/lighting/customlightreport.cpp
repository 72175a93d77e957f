#include "customlightreport.h"

#include "lightconfigreport.h"

namespace customlightreport {

using namespace hidproto;

HidReport colourPacket(int slot, int packet, const QByteArray &rgb)
{
    HidReport r = makeReport(out::CustomColours);
    r[kSubByte] = static_cast<uint8_t>(slot);
    r[kPacketByte] = static_cast<uint8_t>(packet);
    const int length = qMin(rgb.size(), static_cast<int>(kReportSize - kPayload));
    r[kLengthByte] = static_cast<uint8_t>(length);
    for (int i = 0; i < length; ++i)
        r[kPayload + i] = static_cast<uint8_t>(rgb.at(i));
    return r;
}

QVector<QByteArray> packetColours(const KeyColours &colours)
{
    QVector<QByteArray> packets;
    packets.reserve(kPackets);
    QByteArray rgb;
    for (int k = 0; k < kKeys; ++k) {
        const QColor &c = colours[k];
        rgb.append(static_cast<char>(c.red()));
        rgb.append(static_cast<char>(c.green()));
        rgb.append(static_cast<char>(c.blue()));
        if ((k + 1) % kKeysPerPacket == 0 || k + 1 == kKeys) {
            packets.append(rgb);
            rgb.clear();
        }
    }
    return packets;
}

HidReport lightConfig(const colorInfoData &c)
{
    HidReport r = lightconfigreport::keyboard(c, 0);
    // The full-colour flag goes as stored here, whatever the light type.
    r[16] = static_cast<uint8_t>(c.fullColorMode & 0xff);
    r[62] = 0;
    r[63] = 0;
    return r;
}

} // namespace customlightreport
