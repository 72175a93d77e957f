#pragma once

#include "seniorkeyinfostu.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QString>

// Rules of the advanced-key record that the dialog, the list row and the editors share.
namespace seniorkey {

constexpr int kNoIndex = -1;

// "DKS", "MT" or "TGL"; empty for any other kind.
QString namePrefix(int type);

// A new record of `type` with every field at its default and the name made from the index.
SeniorKeyInfoStu defaultRecord(int index, int type);

// The index the next record gets: one more than the highest index in use, where "in use" also
// counts `boundIndexes`, the indexes that key assignments still refer to. A key bound to a deleted
// record would otherwise silently take on whatever record is created next with that number.
// kNoIndex when `records` already holds the maximum number of records.
int nextIndex(const QList<SeniorKeyInfoStu> &records, const QSet<int> &boundIndexes = {});

// A NUL-terminated field of the record (at most `capacity` bytes), decoded as UTF-8.
QString fieldText(const char *field, int capacity);
template <int N> QString fieldText(const char (&field)[N])
{
    return fieldText(field, N);
}

// Display name of modifier-mask bit `bit` (0..7): "L_CTRL" ... "R_WIN".
QString modifierName(int bit);

// Display text of a bound-key field: "" for nothing bound, a single usage's label, or the
// combination's modifier names and label joined by "+".
QString boundKeyText(const QString &text, const QMap<int, QString> &keyNameMap);

} // namespace seniorkey
