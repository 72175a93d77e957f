#pragma once

#include "keyposinfostu.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

// One key slot of a layout; an empty slot has code 0 and a zero size.
struct KeyLayoutKey
{
    KeyPosInfoStu pos{0, -1, -1, 0, 0, kKeyRecordKind, 0};
    QString caption = QStringLiteral("-");
};

struct KeyLayoutSideLight
{
    KeyPosInfoStu pos{0, 0, 0, 0, 0, kSideLightRecordKind, 0};
    int validStatus = 0;
};

// A parsed "KeyInfo_<model>.config". Always holds 6 x 22 key slots, whatever the file held, so
// that every reader can rely on a full matrix.
struct KeyLayout
{
    bool hasKeyboardObject = false;
    bool sideLightHave = false;
    bool specialEnterKey = false;
    int specialEnterKeyShape = 0;
    std::optional<int> hidDeviceType;
    std::array<std::array<KeyLayoutKey, kKeyColumns>, kKeyRows> keys;
    QVector<KeyLayoutSideLight> sideLights;
    // What the parser had to repair (rows of the wrong length, incomplete entries).
    QStringList repairs;
};

namespace keylayout {

// Parses the relaxed JSON of a layout file (leading zeros, trailing text after the first value,
// member names in any letter case). Returns nothing when the text is not JSON or not an object.
std::optional<KeyLayout> parse(const QByteArray &text);

// Caption shown for a key: the "Character" string as JSON text with the double quotes removed;
// the apostrophe key gets the apostrophe-blank-quote caption.
QString captionFor(int keyCode, const QString &jsonText);

// Reads ":/images/configDir/KeyInfo_<model>.config" (or `path` when given) and parses it.
QString resourcePath(const QString &model);

} // namespace keylayout
