#include "firmwareimage.h"

#include <cstring>

namespace {

constexpr BinImageLayout kLayoutA{0x80000, 0x10840, 0x10810, 0x10820};
constexpr BinImageLayout kLayoutB{0x40000, 0x1FE1C, 0x1FE0C, 0x1FE00};

QByteArray textAt(const QByteArray &bytes, int offset, int width)
{
    if (offset < 0 || offset >= bytes.size())
        return QByteArray();
    const int available = qMin(width, bytes.size() - offset);
    const char *start = bytes.constData() + offset;
    const void *nul = std::memchr(start, '\0', static_cast<std::size_t>(available));
    const int n = nul ? static_cast<int>(static_cast<const char *>(nul) - start) : available;
    return QByteArray(start, n);
}

void putText(QByteArray *image, int offset, int width, const QByteArray &text)
{
    const QByteArray cut = text.left(width);
    std::memset(image->data() + offset, 0, static_cast<std::size_t>(width));
    std::memcpy(image->data() + offset, cut.constData(), static_cast<std::size_t>(cut.size()));
}

} // namespace

namespace firmwareimage {

const BinImageLayout *layout(ImageFamily family)
{
    switch (family) {
    case ImageFamily::BinLayoutA:
        return &kLayoutA;
    case ImageFamily::BinLayoutB:
        return &kLayoutB;
    case ImageFamily::ChipVendor:
        break;
    }
    return nullptr;
}

QString familyName(ImageFamily family)
{
    switch (family) {
    case ImageFamily::ChipVendor:
        return QStringLiteral("chipVendor");
    case ImageFamily::BinLayoutA:
        return QStringLiteral("layoutA");
    case ImageFamily::BinLayoutB:
        return QStringLiteral("layoutB");
    }
    return QString();
}

bool familyFromName(const QString &name, ImageFamily *family)
{
    for (ImageFamily f : {ImageFamily::ChipVendor, ImageFamily::BinLayoutA, ImageFamily::BinLayoutB}) {
        if (familyName(f) == name) {
            *family = f;
            return true;
        }
    }
    return false;
}

QString imageName(ImageFamily family, const QString &model, int linkType)
{
    const bool receiver = linkType != 0;
    switch (family) {
    case ImageFamily::ChipVendor:
        return model + (receiver ? QStringLiteral("_Dongle.ufw") : QStringLiteral(".ufw"));
    case ImageFamily::BinLayoutA:
        return model + (receiver ? QStringLiteral("_Dongle.bin") : QStringLiteral(".bin"));
    case ImageFamily::BinLayoutB:
        return model + QStringLiteral(".bin");
    }
    return QString();
}

QList<QByteArray> infoFields(const QByteArray &image, const BinImageLayout &layout)
{
    // Everything past the read size is ignored, as if the image ended there.
    const QByteArray read = image.left(layout.readSize);
    QList<QByteArray> fields = textAt(read, layout.infoOffset, kInfoTextBytes).split(',');
    while (fields.size() < FieldCount)
        fields.append(QByteArray());
    return fields.mid(0, FieldCount);
}

void writeTexts(QByteArray *image, const BinImageLayout &layout, const QByteArray &info,
                const QByteArray &date, const QByteArray &time)
{
    const int end = layout.infoOffset + kInfoTextBytes;
    if (image->size() < end)
        image->append(QByteArray(end - image->size(), '\0'));
    // In layout B the time slot runs into the date slot; the date is written last and wins.
    putText(image, layout.timeOffset, kTimeTextBytes, time);
    putText(image, layout.dateOffset, kDateTextBytes, date);
    putText(image, layout.infoOffset, kInfoTextBytes, info);
}

} // namespace firmwareimage
