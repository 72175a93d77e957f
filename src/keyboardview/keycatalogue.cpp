#include "keycatalogue.h"

#include "cjsonutil.h"
#include <QCoreApplication>
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

QString specialKeyName(int dec)
{
    // Translated under the on-screen key's name, where these texts have always been.
    static const struct
    {
        int dec;
        const char *text;
    } names[] = {{145, QT_TRANSLATE_NOOP("SoftKeyboardButCustom", "Chinese")},
                 {144, QT_TRANSLATE_NOOP("SoftKeyboardButCustom", "Korean/English")},
                 {137, QT_TRANSLATE_NOOP("SoftKeyboardButCustom", "K14")},
                 {100, QT_TRANSLATE_NOOP("SoftKeyboardButCustom", "K45")},
                 {135, QT_TRANSLATE_NOOP("SoftKeyboardButCustom", "K56")},
                 {139, QT_TRANSLATE_NOOP("SoftKeyboardButCustom", "K131")},
                 {138, QT_TRANSLATE_NOOP("SoftKeyboardButCustom", "K132")},
                 {136, QT_TRANSLATE_NOOP("SoftKeyboardButCustom", "K133")}};
    for (const auto &n : names)
        if (n.dec == dec)
            return QCoreApplication::translate("SoftKeyboardButCustom", n.text);
    return QString();
}

QString softKeyLabel(int dec, const QString &catalogueLabel, int layoutCode)
{
    const QString special = specialKeyName(dec);
    if (!special.isNull())
        return special;
    if (layoutCode == kAbntLayoutCode) {
        if (dec == 47)
            return QStringLiteral("´ `");
        if (dec == 51)
            return QStringLiteral("Ç");
        if (dec == 52)
            return QStringLiteral("~^");
    }
    return catalogueLabel;
}

KeyMaps softKeyboardMaps(int layoutCode)
{
    KeyMaps maps;
    const std::optional<QByteArray> text = readFile(resourcePath(softKeyboardFileName(layoutCode)));
    const auto keys = text ? parse(*text, 1, 6) : std::nullopt;
    if (!keys)
        return maps;
    for (const CatalogueKey &key : *keys) {
        if (!key.hasGeometry)
            continue;
        maps.vkToHid.insert(key.qtDec, key.dec);
        maps.keyNames.insert(key.dec, softKeyLabel(key.dec, key.label, layoutCode));
    }
    maps.keyNames.insert(kFnDec, QStringLiteral("Fn"));
    return maps;
}

} // namespace keycatalogue
