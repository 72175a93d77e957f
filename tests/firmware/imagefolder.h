#pragma once

#include "firmwarecheck.h"
#include "firmwareimagetable.h"
#include "fixedtext.h"
#include "hidstructinfoall.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

// A scratch image folder with its own image table: each test builds exactly the images it needs.
class ImageFolder
{
public:
    // Offsets of the information text, written here by hand rather than through the code under test.
    static constexpr int kLayoutAInfo = 0x10840;
    static constexpr int kLayoutBInfo = 0x1FE1C;

    // A ".bin" image of `size` bytes: a non-zero filler with the information text at the layout's
    // offset, NUL-terminated when it is shorter than its 50-byte slot.
    static QByteArray binImage(ImageFamily family, const QByteArray &info, int size = 0x20000)
    {
        QByteArray image(size, '\x5A');
        const int at = family == ImageFamily::BinLayoutA ? kLayoutAInfo : kLayoutBInfo;
        std::memset(image.data() + at - 64, 0, 64 + 50);
        std::memcpy(image.data() + at, info.constData(), static_cast<std::size_t>(qMin(info.size(), 50)));
        return image;
    }

    // Stores an image under `name` in the row of `model`, listed with the SHA-256 of `listedBytes`
    // (the image itself unless a test wants a mismatch).
    void add(const QString &model, ImageFamily family, const QString &name, const QByteArray &bytes,
             const QByteArray &listedBytes = QByteArray())
    {
        QFile file(dir.path() + QLatin1Char('/') + name);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        const QByteArray listed = listedBytes.isNull() ? bytes : listedBytes;
        FirmwareImageTable next;
        bool found = false;
        for (FirmwareImageTable::Row row : table.rows()) {
            if (row.model == model) {
                found = true;
                row.sha256.insert(name, QCryptographicHash::hash(listed, QCryptographicHash::Sha256).toHex());
            }
            next.addRow(row);
        }
        if (!found) {
            FirmwareImageTable::Row row;
            row.model = model;
            row.family = family;
            row.sha256.insert(name, QCryptographicHash::hash(listed, QCryptographicHash::Sha256).toHex());
            next.addRow(row);
        }
        table = next;
    }

    // A model row without images (its images are missing).
    void addRow(const QString &model, ImageFamily family)
    {
        FirmwareImageTable::Row row;
        row.model = model;
        row.family = family;
        table.addRow(row);
    }

    FirmwareCheck check(const ChipVendorLibrary &chipVendor = ChipVendorLibrary()) const
    {
        return FirmwareCheck(table, dir.path(), chipVendor);
    }

    QTemporaryDir dir;
    FirmwareImageTable table;
};

inline hidStructInfoAll deviceRecord(const char *model, int linkType, const char *version,
                                     const char *path = "/sim/0001", const char *id1 = "TLC68",
                                     const char *id2 = "01", const char *id3 = "TLMN")
{
    hidStructInfoAll r{};
    fixedtext::copy(r.hidPath, path);
    fixedtext::copy(r.modelKey, model);
    fixedtext::copy(r.productName, model);
    fixedtext::copy(r.firmwareVersion, version);
    fixedtext::copy(r.firmwareIdText1, id1);
    fixedtext::copy(r.firmwareIdText2, id2);
    fixedtext::copy(r.firmwareIdText3, id3);
    r.online = 1;
    r.linkType = linkType;
    return r;
}
