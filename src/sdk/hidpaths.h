#pragma once

#include "hidbackend.h"

#include <array>

class ModelCatalogue;
struct ModelInfo;

// The parts of device access that need no device: which interfaces we talk to, how a syspath
// names its hidraw node, and how reports are framed on the wire.
namespace hidpaths {

// The vendor interface that speaks the 64-byte protocol: a vendor usage page, or the interface
// number the model names.
bool isProtocolInterface(const HidInterfaceInfo &info, const ModelInfo &model);

// The interfaces of catalogue models that speak the protocol, one entry per path, in input order.
QVector<HidInterfaceInfo> selectSupported(const QVector<HidInterfaceInfo> &all,
                                          const ModelCatalogue &catalogue);

// "hidrawN" for a well-formed syspath of a hidraw node (under /sys, no "." or ".." components),
// otherwise empty.
QByteArray hidrawSysname(const QByteArray &syspath);

// What goes to hidraw for one report: the report id 0x00 (hidraw drops it), then the 64 bytes.
std::array<uint8_t, hidproto::kReportSize + 1> frameOutputReport(const HidReport &report);

// Takes `count` bytes read from the device into `report`, zero-filling a short read. Returns the
// count, or -1 when the read failed.
int takeInputReport(const uint8_t *data, int count, HidReport *report);

// "V<major>.<minor>.<patch>" from a USB bcdDevice value.
QString firmwareVersionText(uint16_t bcdRelease);

} // namespace hidpaths
