#pragma once

#include "keyoperateinfo.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The key-function items of a profile, on the SDK's profile store. Every call reports whether the
// store did what was asked, so that a page never shows success for a write that did not happen.
namespace keyfunctionitem {

// Where an item lives: a profile file (local 8-bit path) and a profile index.
struct Target
{
    QByteArray path;
    QByteArray index;

    bool isValid() const { return !path.isEmpty() && !index.isEmpty(); }
};

// The current layer file and profile index as the data manager holds them (light press).
Target lightPressTarget();
// The heavy-press file, whose items are always kept under profile "1".
Target heavyPressTarget();

// A stored field as a number; empty when it holds anything but a plain decimal number, so that a
// garbled type or value is treated as unknown instead of as 0.
std::optional<int> number(const char *field);

// Reads the key's item into `info`, pre-filling key code and type with "-1" first. True when the
// key has an item (its key code field reads as a number other than -1).
bool read(const Target &target, int keyCode, KeyOperateInfo &info);
// The item's type, or empty when the key has none or its type is not a number.
std::optional<int> itemType(const Target &target, int keyCode);

// Removes the key's item; a key without one is no error.
bool remove(const Target &target, int keyCode, const QString &keyName);
// Replaces the key's item by a new one (remove, then add), written as one change.
bool save(const Target &target, int keyCode, const QString &keyName, int type, int repeat, int playMode,
          const QByteArray &value);

// The key codes holding an item; false when the store could not be read.
bool list(const Target &target, QList<int> &keyCodes);
// How many items carry exactly this type and value; -1 when the store could not be read.
int count(const Target &target, int type, const QByteArray &value);

// The profile's copy of a macro's events ("Macro<id>"), taken from the macro store anew.
bool storeMacroCopy(const Target &target, const QByteArray &macroFile, int macroId);
bool removeMacroCopy(const Target &target, int macroId);

} // namespace keyfunctionitem
