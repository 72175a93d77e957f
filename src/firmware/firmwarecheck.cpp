#include "firmwarecheck.h"

#include "firmwareversion.h"
#include "fixedtext.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>

#include <utility>

namespace {

// No firmware image comes near this; a larger file is not one of ours.
constexpr qint64 kMaxImageBytes = 16 * 1024 * 1024;

QByteArray field(std::string_view text)
{
    return QByteArray(text.data(), static_cast<int>(text.size()));
}

QByteArray textUpTo(const char *buffer, int width)
{
    int n = 0;
    while (n < width && buffer[n] != '\0')
        ++n;
    return QByteArray(buffer, n);
}

} // namespace

FirmwareCheck::FirmwareCheck(FirmwareImageTable table, QString imageFolder, ChipVendorLibrary chipVendor)
    : m_table(std::move(table)), m_imageFolder(std::move(imageFolder)), m_chipVendor(chipVendor)
{
    if (!m_imageFolder.isEmpty() && !m_imageFolder.endsWith(QLatin1Char('/')))
        m_imageFolder += QLatin1Char('/');
}

FirmwareCheck FirmwareCheck::fromResources(const ChipVendorLibrary &chipVendor)
{
    FirmwareImageTable table;
    QString error;
    if (!table.load(FirmwareImageTable::resourceFolder() + FirmwareImageTable::tableFileName(), &error))
        qWarning() << "[Firmware] the image table cannot be read:" << error;
    return FirmwareCheck(table, FirmwareImageTable::resourceFolder(), chipVendor);
}

QString FirmwareCheck::imageNameFor(const QString &model, int linkType) const
{
    const FirmwareImageTable::Row *row = m_table.row(model);
    return row ? firmwareimage::imageName(row->family, model, linkType) : QString();
}

bool FirmwareCheck::imageToWrite(const QString &model, int linkType, ImageToWrite *image,
                                 QString *error) const
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const FirmwareImageTable::Row *row = m_table.row(model);
    if (!row)
        return fail(QStringLiteral("no image for model %1").arg(model));
    image->name = firmwareimage::imageName(row->family, model, linkType);
    image->family = row->family;
    if (readImage(*row, image->name, &image->bytes) != ReadResult::Ok)
        return fail(QStringLiteral("image %1 is missing or does not match its SHA-256").arg(image->name));
    const BinImageLayout *layout = firmwareimage::layout(row->family);
    if (!layout) {
        image->maxBytes = int(kMaxImageBytes);
        return true;
    }
    image->maxBytes = layout->readSize;
    if (image->bytes.isEmpty() || image->bytes.size() > layout->readSize)
        return fail(QStringLiteral("image %1 has %2 bytes, more than its layout holds")
                        .arg(image->name)
                        .arg(image->bytes.size()));
    const QList<QByteArray> f = firmwareimage::infoFields(image->bytes, *layout);
    if (!firmwareversion::equalIgnoringCase(f[firmwareimage::ModelIdentifier], model.toUtf8()))
        return fail(QStringLiteral("image %1 is made for %2")
                        .arg(image->name, QString::fromLatin1(f[firmwareimage::ModelIdentifier])));
    return true;
}

FirmwareCheck::ReadResult FirmwareCheck::readImage(const FirmwareImageTable::Row &row, const QString &name,
                                                   QByteArray *bytes) const
{
    // An image the table does not list, or that is not there, simply means no update.
    const auto listed = row.sha256.constFind(name);
    if (listed == row.sha256.cend())
        return ReadResult::Missing;
    QFile file(m_imageFolder + name);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxImageBytes)
        return ReadResult::Unreadable;
    *bytes = file.readAll();
    if (QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256).toHex() != listed.value()) {
        qWarning() << "[Firmware] image" << name << "does not match its SHA-256; not offered";
        return ReadResult::Unreadable;
    }
    return ReadResult::Ok;
}

bool FirmwareCheck::isNewerFirmwareAvailable(const hidStructInfoAll &record, QByteArray *newVersion) const
{
    const QString model = QString::fromUtf8(field(fixedtext::view(record.modelKey)));
    const FirmwareImageTable::Row *row = m_table.row(model);
    if (!row)
        return false;
    const QString name = firmwareimage::imageName(row->family, model, record.linkType);
    QByteArray image;
    const BinImageLayout *layout = firmwareimage::layout(row->family);
    if (!layout && !m_chipVendor.isAvailable()) {
        // Without the vendor's library these models cannot be examined or written: not upgradeable.
        return false;
    }
    switch (readImage(*row, name, &image)) {
    case ReadResult::Missing:
        return false;
    case ReadResult::Unreadable:
        qDebug() << (layout ? "Open hex file error 02" : "Open hex file error 01");
        return false;
    case ReadResult::Ok:
        break;
    }
    return layout ? examineBin(record, *layout, image, newVersion)
                  : examineChipVendor(record, image, newVersion);
}

bool FirmwareCheck::examineBin(const hidStructInfoAll &record, const BinImageLayout &layout,
                               const QByteArray &image, QByteArray *newVersion) const
{
    using namespace firmwareimage;
    const QList<QByteArray> f = infoFields(image, layout);
    if (!firmwareversion::equalIgnoringCase(f[ControllerCode],
                                            field(fixedtext::view(record.firmwareIdText1))) ||
        !firmwareversion::equalIgnoringCase(f[TwoDigitCode],
                                            field(fixedtext::view(record.firmwareIdText2))) ||
        !firmwareversion::equalIgnoringCase(f[VendorCode], field(fixedtext::view(record.firmwareIdText3))) ||
        !firmwareversion::equalIgnoringCase(f[ModelIdentifier], field(fixedtext::view(record.modelKey))) ||
        !firmwareversion::isNewer(f[Version], field(fixedtext::view(record.firmwareVersion))))
        return false;
    *newVersion = f[Version];
    return true;
}

bool FirmwareCheck::examineChipVendor(const hidStructInfoAll &record, const QByteArray &image,
                                      QByteArray *newVersion) const
{
    if (m_chipVendor.JL_loadUfwData(reinterpret_cast<const unsigned char *>(image.constData()),
                                    image.size()) != 0) {
        qDebug() << "---------------- *** File error 02 JL *** ---------------";
        return false;
    }
    uint16_t crc16 = 0;
    uint32_t crc32 = 0;
    if (m_chipVendor.JL_getUfwCrc(&crc16, &crc32) != 0) {
        qDebug() << "---------------- *** File error 03 JL *** ---------------";
        return false;
    }
    char identification[17] = {};
    char version[4] = {};
    if (m_chipVendor.JL_getUfwPidVid(identification, 17, version, 4) != 0) {
        qDebug() << "---------------- *** File error 04 JL *** ---------------";
        return false;
    }
    const QByteArray id = textUpTo(identification, 17);
    const QByteArray ver = textUpTo(version, 4);
    if (id != field(fixedtext::view(record.modelKey)) ||
        !firmwareversion::isNewer(ver, field(fixedtext::view(record.firmwareVersion))))
        return false;
    *newVersion = ver;
    return true;
}
