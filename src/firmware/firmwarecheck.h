#pragma once

#include "chipvendorlibrary.h"
#include "firmwareimagetable.h"
#include "hidstructinfoall.h"

#include <QString>

// Decides for one device record whether the program carries a newer firmware image for it. Images
// are read from a folder (the embedded resources in the program, a scratch folder in tests) and must
// match the SHA-256 the image table lists for them.
class FirmwareCheck
{
public:
    FirmwareCheck() = default;
    FirmwareCheck(FirmwareImageTable table, QString imageFolder, ChipVendorLibrary chipVendor);

    // The embedded table and images, with the given chip-vendor library. A table that cannot be
    // read leaves every model without images (and says so in the log).
    static FirmwareCheck fromResources(const ChipVendorLibrary &chipVendor);

    // True when the image of the record's model and link is newer than the device's firmware and
    // belongs to the device; the image's version text then goes to `newVersion`.
    bool isNewerFirmwareAvailable(const hidStructInfoAll &record, QByteArray *newVersion) const;

    const FirmwareImageTable &table() const { return m_table; }
    const ChipVendorLibrary &chipVendor() const { return m_chipVendor; }
    // Name of the image for a model and link, empty for a model without a row.
    QString imageNameFor(const QString &model, int linkType) const;

    // The image to write to a keyboard of `model` on `linkType`, read again right before the write:
    // the same image the check examined, matching its SHA-256, no larger than its layout allows, and
    // (for ".bin" images) naming `model` in its information block. False, with the reason, otherwise.
    struct ImageToWrite
    {
        QString name;
        QByteArray bytes;
        ImageFamily family = ImageFamily::BinLayoutA;
        int maxBytes = 0; // the most the boot loader takes (".bin" layouts)
    };
    bool imageToWrite(const QString &model, int linkType, ImageToWrite *image, QString *error) const;

private:
    enum class ReadResult
    {
        Ok,
        Missing,
        Unreadable,
    };
    ReadResult readImage(const FirmwareImageTable::Row &row, const QString &name, QByteArray *bytes) const;
    bool examineBin(const hidStructInfoAll &record, const BinImageLayout &layout, const QByteArray &image,
                    QByteArray *newVersion) const;
    bool examineChipVendor(const hidStructInfoAll &record, const QByteArray &image,
                           QByteArray *newVersion) const;

    FirmwareImageTable m_table;
    QString m_imageFolder;
    ChipVendorLibrary m_chipVendor;
};
