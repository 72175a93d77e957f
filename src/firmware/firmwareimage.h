#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The two families of firmware images: chip-vendor ".ufw" images, which only the vendor's library
// reads, and ".bin" images for the keyboard SDK's boot loader, which carry a text information block
// at a fixed offset (two layouts).
enum class ImageFamily
{
    ChipVendor,
    BinLayoutA,
    BinLayoutB,
};

// Where the texts of a ".bin" image sit, and how much of the image the check reads.
struct BinImageLayout
{
    int readSize;
    int infoOffset;
    int dateOffset;
    int timeOffset;
};

namespace firmwareimage {

constexpr int kInfoTextBytes = 50;
constexpr int kDateTextBytes = 12;
constexpr int kTimeTextBytes = 16;

// Fields of the information text, in order.
enum InfoField
{
    ControllerCode = 0,
    TwoDigitCode = 1,
    DeviceKindCode = 2,
    VendorCode = 3,
    ModelIdentifier = 4,
    Version = 5,
    FieldCount = 6,
};

// The layout of a ".bin" family; null for the chip-vendor family.
const BinImageLayout *layout(ImageFamily family);

// Family names as the image table writes them ("chipVendor", "layoutA", "layoutB").
QString familyName(ImageFamily family);
bool familyFromName(const QString &name, ImageFamily *family);

// The image name for a model on a link (0 cable, anything else the receiver). Layout B has no
// receiver variant, so both links use the plain image.
QString imageName(ImageFamily family, const QString &model, int linkType);

// The information text of a ".bin" image: the first readSize bytes (zero-padded when the image is
// shorter), the text at the layout's offset up to its first NUL or 50 bytes, split at the commas into
// exactly six fields (missing ones empty).
QList<QByteArray> infoFields(const QByteArray &image, const BinImageLayout &layout);

// Writes the information, date and time texts into an image (used to build images). Each text is
// cut to its slot; the image grows to hold the information block when it is too short.
void writeTexts(QByteArray *image, const BinImageLayout &layout, const QByteArray &info,
                const QByteArray &date, const QByteArray &time);

} // namespace firmwareimage
