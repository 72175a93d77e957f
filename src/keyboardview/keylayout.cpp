#include "keylayout.h"

#include "cjsonutil.h"

#include <memory>

namespace keylayout {

namespace {

using cjsonutil::JsonPtr;
using cjsonutil::readInt;

bool readSize(const cJSON *object, const char *name, int &out)
{
    if (!readInt(object, name, out))
        return false;
    if (out < 0)
        out = 0; // a negative size would only make Qt complain; nothing can be drawn there
    return true;
}

bool readKey(const cJSON *entry, KeyLayoutKey &key)
{
    if (!cJSON_IsObject(entry))
        return false;
    KeyPosInfoStu p{0, 0, 0, 0, 0, kKeyRecordKind, 0};
    int qtDec = 0;
    const cJSON *character = cJSON_GetObjectItem(entry, "Character");
    if (!readInt(entry, "PosX", p.x) || !readInt(entry, "PosY", p.y) || !readSize(entry, "Width", p.width) ||
        !readSize(entry, "Height", p.height) || !readInt(entry, "Dec", p.code) ||
        !readInt(entry, "qtDec", qtDec) || !cJSON_IsString(character))
        return false;
    std::unique_ptr<char, decltype(&cJSON_free)> printed(cJSON_PrintUnformatted(character), &cJSON_free);
    key.pos = p;
    key.caption = captionFor(p.code, printed ? QString::fromLocal8Bit(printed.get()) : QString());
    return true;
}

bool readSideLight(const cJSON *entry, KeyLayoutSideLight &light)
{
    if (!cJSON_IsObject(entry))
        return false;
    KeyPosInfoStu p{0, 0, 0, 0, 0, kSideLightRecordKind, 0};
    int valid = 0;
    if (!readInt(entry, "PosX", p.x) || !readInt(entry, "PosY", p.y) || !readSize(entry, "Width", p.width) ||
        !readSize(entry, "Height", p.height) || !readInt(entry, "Index", p.code) ||
        !readInt(entry, "validStatus", valid) || !readInt(entry, "SidePosition", p.sidePosition))
        return false;
    light.pos = p;
    light.validStatus = valid;
    return true;
}

} // namespace

QString captionFor(int keyCode, const QString &jsonText)
{
    if (keyCode == 52 || keyCode == 504)
        return QStringLiteral("' \"");
    QString caption = jsonText;
    caption.remove(QLatin1Char('"'));
    return caption;
}

QString resourcePath(const QString &model)
{
    return QStringLiteral(":/images/configDir/KeyInfo_") + model + QStringLiteral(".config");
}

std::optional<KeyLayout> parse(const QByteArray &text)
{
    // cJSON_Parse reads the first value and ignores whatever follows it.
    JsonPtr root(cJSON_Parse(text.constData()));
    if (!root || !cJSON_IsObject(root.get()))
        return std::nullopt;

    KeyLayout layout;
    int startRow = 1;
    const cJSON *keyboard = cJSON_GetObjectItem(root.get(), "Keyboard");
    if (cJSON_IsObject(keyboard)) {
        layout.hasKeyboardObject = true;
        int v = 0;
        if (readInt(keyboard, "sideLightHave", v) && v == 1) {
            layout.sideLightHave = true;
            startRow = 0;
        }
        if (readInt(keyboard, "specialEnterKey", v) && v == 1) {
            layout.specialEnterKey = true;
            if (readInt(keyboard, "specialEnterKeyShape", v))
                layout.specialEnterKeyShape = v;
        }
        if (readInt(keyboard, "hidDeviceType", v))
            layout.hidDeviceType = v;
    }

    for (int j = startRow; j <= kKeyRows; ++j) {
        const QByteArray name = QByteArray("EveryKeyInfo_Row0") + QByteArray::number(j);
        const cJSON *row = cJSON_GetObjectItem(root.get(), name.constData());
        if (!cJSON_IsArray(row)) {
            if (j > 0)
                layout.repairs << QStringLiteral("%1 missing: 22 empty slots").arg(QString::fromLatin1(name));
            continue;
        }
        const int count = cJSON_GetArraySize(row);
        if (j == 0) {
            for (int i = 0; i < count; ++i) {
                KeyLayoutSideLight light;
                if (readSideLight(cJSON_GetArrayItem(row, i), light))
                    layout.sideLights.append(light);
                else
                    layout.repairs << QStringLiteral("side light %1 incomplete: skipped").arg(i);
            }
            continue;
        }
        if (count != kKeyColumns)
            layout.repairs << QStringLiteral("%1 has %2 entries instead of %3")
                                  .arg(QString::fromLatin1(name))
                                  .arg(count)
                                  .arg(kKeyColumns);
        for (int i = 0; i < count && i < kKeyColumns; ++i) {
            KeyLayoutKey key;
            if (readKey(cJSON_GetArrayItem(row, i), key))
                layout.keys[j - 1][i] = key;
            else
                layout.repairs
                    << QStringLiteral("%1[%2] incomplete: empty slot").arg(QString::fromLatin1(name)).arg(i);
        }
    }
    return layout;
}

} // namespace keylayout
