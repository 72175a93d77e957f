#pragma once

#include "macroeventrecord.h"
#include "macronode.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

// The single-macro exchange file: one macro's events as an XML document, written by Export and
// read back by Import. Only Qt Core is used here, so the reader can be fuzzed without widgets.
namespace macrofile {

// The mouse messages a macro holds and the names stored with them.
struct MouseButton
{
    int downMessage;
    int upMessage;
    const char *name;
};
// The button of a press or release message; null for every other message.
const MouseButton *mouseButtonOf(int message);

// Caps on an imported file: its size and its number of events (the editor's row limit).
constexpr qint64 kMaxFileBytes = 1024 * 1024;
constexpr int kMaxEvents = 40;

struct ParseResult
{
    bool ok = false;
    QString error; // why the file was refused; empty when ok
    QList<MacroEventRecord> events;
    QString macroIndex; // the exported "index" and "name", for the log only
    QString macroName;
};

// Reads a whole file's text. Any XML error, a document type declaration, a root other than
// "Parameters", a value that is not what its field holds, more than kMaxEvents events, or events
// that do not form down/up pairs refuse the file as a whole: nothing of it may be stored.
ParseResult parse(const QByteArray &text);

// The document for a macro: "Parameters" (profileIndex 1), "macro" (index, name), one empty
// "item" per event with its six texts, indented by four spaces.
QByteArray write(const QString &index, const QString &name, const QList<MacroEventRecord> &events);

// The name an imported file gives its macro: the file name up to its first ".", cut to fit a
// 63-byte field; "Macro<index>" when that leaves nothing.
QString importedName(const QString &filePath, int newIndex);

// A file name (without ".xml") for a macro name that stays inside the chosen folder: characters a
// file name may not hold become "_", and "", "." and ".." become "Macro<index>".
QString exportBaseName(const QString &macroName, const QString &macroIndex);

// An index that keys still name although no stored macro has it (the macro was deleted while
// bound): a new macro must not take it, or those keys would play the new macro.
using IndexTaken = std::function<bool(int index)>;

// Import's index: one above the highest stored index read as a whole number (others count 0),
// past any index `alsoTaken` names.
int nextImportIndex(const std::vector<MacroNode> &nodes, const IndexTaken &alsoTaken = {});

// Add's index: the lowest positive number no stored index equals, whatever the store order, and
// that `alsoTaken` does not name.
int lowestFreeIndex(const std::vector<MacroNode> &nodes, const IndexTaken &alsoTaken = {});

} // namespace macrofile
