#include "hidpaths.h"

#include "modelcatalogue.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cstring>

namespace hidpaths {

namespace {
constexpr uint16_t kVendorUsagePageFirst = 0xFF00;
}

bool isProtocolInterface(const HidInterfaceInfo &info, const ModelInfo &model)
{
    if (model.interfaceNumber >= 0)
        return info.interfaceNumber == model.interfaceNumber;
    return info.usagePage >= kVendorUsagePageFirst;
}

QVector<HidInterfaceInfo> selectSupported(const QVector<HidInterfaceInfo> &all,
                                          const ModelCatalogue &catalogue)
{
    QVector<HidInterfaceInfo> out;
    QSet<QByteArray> seen;
    for (const HidInterfaceInfo &info : all) {
        // hidapi lists a node once per top-level collection; the path is what identifies it.
        if (info.path.isEmpty() || seen.contains(info.path))
            continue;
        const ModelInfo *model = catalogue.findByIds(info.vendorId, info.productId);
        if (!model || !isProtocolInterface(info, *model))
            continue;
        seen.insert(info.path);
        out.append(info);
    }
    return out;
}

QByteArray hidrawSysname(const QByteArray &syspath)
{
    static const QRegularExpression node(QStringLiteral("^hidraw[0-9]{1,4}$"));
    if (!syspath.startsWith("/sys/") || syspath.contains('\0'))
        return {};
    const QList<QByteArray> parts = syspath.split('/');
    for (const QByteArray &p : parts) {
        if (p == "." || p == "..")
            return {};
    }
    const QByteArray last = parts.last();
    if (!node.match(QString::fromLatin1(last)).hasMatch())
        return {};
    return last;
}

std::array<uint8_t, hidproto::kReportSize + 1> frameOutputReport(const HidReport &report)
{
    std::array<uint8_t, hidproto::kReportSize + 1> out{};
    std::copy(report.begin(), report.end(), out.begin() + 1);
    return out;
}

int takeInputReport(const uint8_t *data, int count, HidReport *report)
{
    report->fill(0);
    if (count < 0)
        return -1;
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(count), report->size());
    if (n > 0)
        std::memcpy(report->data(), data, n);
    return count;
}

QString firmwareVersionText(uint16_t bcd)
{
    const int major = ((bcd >> 12) & 0xF) * 10 + ((bcd >> 8) & 0xF);
    return QStringLiteral("V%1.%2.%3").arg(major).arg((bcd >> 4) & 0xF).arg(bcd & 0xF);
}

} // namespace hidpaths
