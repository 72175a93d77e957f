#pragma once

#include "macroeventrecord.h"

#include <QColor>
#include <QList>
#include <QString>

// The macro editor's rules that need no widgets.
namespace macroeditor {

// One stored event with its texts decoded: numbers that do not parse read 0.
struct MacroEvent
{
    QString mark;
    int delay = 0;
    QString type;
    int keyCode = 0;
    QString codeName;
    QString operateExplain;
};
MacroEvent decodeEvent(const MacroEventRecord &record);

// A theme colour entry ("r,g,b" or "r,g,b,a") as a colour with the given alpha; the entry's own
// alpha is ignored and a missing or non-numeric component reads 0.
QColor themeColor(const QString &entry, int alpha);

// Widest the three columns may grow for a dialog contents width: three, four and three tenths.
struct ColumnCaps
{
    int left;
    int center;
    int right;
};
ColumnCaps columnCaps(int contentsWidth);

// The first mark after every mark of a macro's events (0 when it has none).
int nextMarkAfter(const QList<MacroEventRecord> &events);

// Number of presses among the events: key and mouse "down" events alike.
int downCount(const QList<MacroEventRecord> &events);

} // namespace macroeditor
