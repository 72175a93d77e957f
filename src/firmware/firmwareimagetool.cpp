// Builds the firmware images the program carries for the simulated boot loader, and the image
// table that lists each with its SHA-256.
//
// Usage: tl_firmware_imagetool <manifest> <models.json> <output folder>
// Manifest lines: model family version links build-date... build-time, e.g.
//   TL68HE layoutA V1.00.10 cable,receiver Mar 26 2025 20:50:50
#include "firmwareimage.h"
#include "firmwareimagetable.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

// Images are this long; the payload is a pseudo-random block repeated, so it compresses in the
// resources while still differing between images.
constexpr int kImageBytes = 0x20000;
constexpr int kBlockBytes = 4096;

int fail(const QString &why)
{
    std::fprintf(stderr, "tl_firmware_imagetool: %s\n", qPrintable(why));
    return 1;
}

QByteArray payload(const QString &name)
{
    quint32 x = 2166136261u;
    for (const QChar c : name)
        x = (x ^ c.unicode()) * 16777619u;
    QByteArray block(kBlockBytes, '\0');
    for (int i = 0; i < kBlockBytes; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        block[i] = static_cast<char>(x & 0xFF);
    }
    QByteArray image;
    image.reserve(kImageBytes);
    while (image.size() < kImageBytes)
        image += block;
    return image;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: tl_firmware_imagetool <manifest> <models.json> <output folder>"));

    QFile catalogueFile(args[2]);
    if (!catalogueFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(args[2]));
    QMap<QString, QJsonObject> identities;
    for (const QJsonValue &v :
         QJsonDocument::fromJson(catalogueFile.readAll()).object().value("models").toArray())
        identities.insert(v.toObject().value("key").toString(), v.toObject().value("firmware").toObject());

    QFile manifest(args[1]);
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(args[1]));
    const QString outDir = args[3] + QStringLiteral("/UpdateFirmwareFile");
    if (!QDir().mkpath(outDir))
        return fail(QStringLiteral("cannot create %1").arg(outDir));

    FirmwareImageTable table;
    QTextStream in(&manifest);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (f.size() < 6)
            return fail(QStringLiteral("bad manifest line '%1'").arg(line));
        FirmwareImageTable::Row row;
        row.model = f[0];
        const BinImageLayout *layout = nullptr;
        if (!firmwareimage::familyFromName(f[1], &row.family) ||
            !(layout = firmwareimage::layout(row.family)))
            return fail(QStringLiteral("only .bin images can be built: '%1'").arg(line));
        if (!identities.contains(row.model))
            return fail(QStringLiteral("model %1 is not in the catalogue").arg(row.model));
        const QJsonObject id = identities.value(row.model);
        const QByteArray info = QStringList{id.value("controllerCode").toString(),
                                            id.value("twoDigitCode").toString(),
                                            id.value("deviceKindCode").toString(),
                                            id.value("vendorCode").toString(),
                                            row.model,
                                            f[2]}
                                    .join(QLatin1Char(','))
                                    .toLatin1();
        if (info.size() > firmwareimage::kInfoTextBytes)
            return fail(QStringLiteral("information text of %1 is longer than its slot").arg(row.model));
        const QByteArray date = f.mid(4, f.size() - 5).join(QLatin1Char(' ')).toLatin1();
        const QByteArray time = f.last().toLatin1();
        for (const QString &link : f[3].split(QLatin1Char(','))) {
            const int linkType = link == QLatin1String("receiver") ? 1 : 0;
            const QString name = firmwareimage::imageName(row.family, row.model, linkType);
            if (row.sha256.contains(name))
                continue;
            QByteArray image = payload(name);
            firmwareimage::writeTexts(&image, *layout, info, date, time);
            if (!writeFile(outDir + QLatin1Char('/') + name, image))
                return fail(QStringLiteral("cannot write %1").arg(name));
            row.sha256.insert(name, QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex());
        }
        table.addRow(row);
    }
    if (!writeFile(outDir + QLatin1Char('/') + FirmwareImageTable::tableFileName(), table.toJson()))
        return fail(QStringLiteral("cannot write the image table"));
    return 0;
}
