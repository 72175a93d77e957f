#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// Key codes and the JSON key catalogues behind the on-screen keyboard and the all-keys picker.
// A key is named by its USB HID usage ("Dec") and its Windows virtual-key code ("qtDec"); both
// systems carry a few codes of our own for keys the standards do not have or do not tell apart.
namespace keycatalogue {

// HID usages of our own.
constexpr int kFnDec = -10;
constexpr int kFirstModifierDec = 224; // left Ctrl; the eight modifiers follow in HID order
constexpr int kLastModifierDec = 231;  // right Win

// Virtual-key codes of our own.
constexpr int kFnQtDec = -1;
constexpr int kMainEnterQtDec = 999;
constexpr int kKeypadEnterQtDec = 998;
constexpr int kYenQtDec = 981;
constexpr int kRoQtDec = 984;
constexpr int kMuhenkanQtDec = 986;
constexpr int kHenkanQtDec = 987;
constexpr int kKatakanaQtDec = 988;
constexpr int kChineseQtDec = 2350;
constexpr int kKoreanEnglishQtDec = 2360;

// Layout codes of the on-screen keyboard.
constexpr int kUsLayoutCode = 31;
constexpr int kAbntLayoutCode = 91;

inline bool isModifier(int dec)
{
    return dec >= kFirstModifierDec && dec <= kLastModifierDec;
}

// One key record of a catalogue row. Records without "Dec" or "Character" are not returned;
// hasGeometry is false when a position, size or "qtDec" is missing.
struct CatalogueKey
{
    int row = 0;
    int posX = 0;
    int posY = 0;
    int width = 0;
    int height = 0;
    int dec = 0;
    int qtDec = 0;
    QString label;
    bool hasGeometry = false;
};

// ":/images/configDir/<fileName>".
QString resourcePath(const QString &fileName);

// The on-screen keyboard's catalogue for a layout code.
QString softKeyboardFileName(int layoutCode);

// The label of a key: the "Character" value as cJSON prints a string, without its double quotes
// (so a stored double quote shows as a backslash); the quote key always reads ' ".
QString labelFor(int dec, const QByteArray &printedCharacter);

// Reads rows firstRow..lastRow ("EveryKeyInfo_Row0<n>") of a catalogue in order; a missing row is
// skipped. Empty when the text is not a JSON object.
std::optional<QList<CatalogueKey>> parse(const QByteArray &text, int firstRow, int lastRow);

// The whole file, or empty when it cannot be opened. Works on resource paths directly.
std::optional<QByteArray> readFile(const QString &path);

// The translated name the on-screen keyboard shows for a key the catalogues label by code only
// (K14, K56, ...); a null text for every other key.
QString specialKeyName(int dec);

// The label the on-screen keyboard gives a catalogue key of a layout.
QString softKeyLabel(int dec, const QString &catalogueLabel, int layoutCode);

// Virtual-key code to HID usage, and HID usage to label, of the keys a layout's on-screen keyboard
// has (Fn included). Built from the catalogue alone, so the macro recorder has them whether or
// not the on-screen keyboard was ever shown. Empty maps when the catalogue cannot be read.
struct KeyMaps
{
    QMap<int, int> vkToHid;
    QMap<int, QString> keyNames;
};
KeyMaps softKeyboardMaps(int layoutCode);

} // namespace keycatalogue
