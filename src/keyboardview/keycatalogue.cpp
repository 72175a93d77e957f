#include "keycatalogue.h"

#include "cjsonutil.h"
#include <QFile>
#include <memory>

namespace keycatalogue {

namespace {

using cjsonutil::JsonPtr;
using cjsonutil::readInt;

std::optional<CatalogueKey> readKey(const cJSON *entry, int row)
{
    if (!cJSON_IsObject(entry))
        return std::nullopt;
    CatalogueKey key;
    key.row = row;
    const cJSON *character = cJSON_GetObjectItem(entry, "Character");
    if (!readInt(entry, "Dec", key.dec) || !cJSON_IsString(character))
        return std::nullopt;
    std::unique_ptr<char, decltype(&cJSON_free)> printed(cJSON_PrintUnformatted(character), &cJSON_free);
    key.label = labelFor(key.dec, printed ? QByteArray(printed.get()) : QByteArray());
    key.hasGeometry = readInt(entry, "PosX", key.posX) && readInt(entry, "PosY", key.posY) &&
                      readInt(entry, "Width", key.width) && readInt(entry, "Height", key.height) &&
                      readInt(entry, "qtDec", key.qtDec) && key.width >= 0 && key.height >= 0;
    return key;
}

} // namespace

QString resourcePath(const QString &fileName)
{
    return QStringLiteral(":/images/configDir/") + fileName;
}

QString softKeyboardFileName(int layoutCode)
{
    if (layoutCode == kUsLayoutCode)
        return QStringLiteral("softKeyInfoNormalUS.config");
    return QStringLiteral("softKeyInfoNormal_%1.config").arg(layoutCode);
}

QString labelFor(int dec, const QByteArray &printedCharacter)
{
    if (dec == 52)
        return QStringLiteral("' \"");
    // The catalogues are written in UTF-8 (the labels that matter are ASCII anyway).
    QString label = QString::fromUtf8(printedCharacter);
    label.remove(QLatin1Char('"'));
    return label;
}

std::optional<QList<CatalogueKey>> parse(const QByteArray &text, int firstRow, int lastRow)
{
    JsonPtr root(cJSON_ParseWithLength(text.constData(), static_cast<size_t>(text.size())));
    if (!root || !cJSON_IsObject(root.get()))
        return std::nullopt;
    QList<CatalogueKey> keys;
    for (int row = firstRow; row <= lastRow; ++row) {
        const QByteArray name = QByteArray("EveryKeyInfo_Row0") + QByteArray::number(row);
        const cJSON *records = cJSON_GetObjectItem(root.get(), name.constData());
        if (!cJSON_IsArray(records))
            continue;
        const cJSON *entry = nullptr;
        cJSON_ArrayForEach(entry, records)
        {
            if (auto key = readKey(entry, row))
                keys.append(*key);
        }
    }
    return keys;
}

std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace keycatalogue
