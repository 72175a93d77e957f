#pragma once

#include "colorinfodata.h"
#include "hidreport.h"

#include <QByteArray>
#include <QColor>
#include <QVector>

#include <array>

// The upload of a custom scheme's key colours: eight 0x08 reports over the 6 x 22 key matrix, row
// by row (key k = row x 22 + column), 18 keys a report and 6 in the last one, every position sent
// whether or not the model has a key there; then the keyboard light configuration, without a time
// stamp, so that the keyboard switches to the uploaded colours.
namespace customlightreport {

constexpr int kKeys = 132;
constexpr int kKeysPerPacket = 18;
constexpr int kPackets = 8;

using KeyColours = std::array<QColor, kKeys>;

// The R, G, B bytes of each packet, packets 0 to 7.
QVector<QByteArray> packetColours(const KeyColours &colours);
HidReport colourPacket(int slot, int packet, const QByteArray &rgb);
HidReport lightConfig(const colorInfoData &c);

} // namespace customlightreport
