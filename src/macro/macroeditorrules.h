#pragma once

#include "macroeventrecord.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QtGlobal>

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

// A key event from the hook after the editor's remapping: the code to look up in the virtual-key
// map and whether it is a press.
struct RemappedKey
{
    int code;
    bool press;
};
// hookFlag bits: 0x01 extended key, 0x20 Alt held, 0x80 released. Enter and keypad Enter are told
// apart by the extended bit alone, so Alt+Enter is still Enter; the Japanese and Brazilian keys
// get codes of their own; the navigation keys of the keypad (Num Lock off) become keypad keys.
RemappedKey remapKey(int virtualKey, int scanCode, int flag, int hookFlag);

// Delay modes of a recording.
enum DelayMode
{
    RecordedDelay = 0,
    NoDelay = 1,
    DefaultDelay = 2
};
// The delay stored for a recorded event: measured, 0, or the default field's number (0 when it is
// none), never above 65535.
int storedDelay(int mode, qint64 measured, const QString &defaultDelayText);

// Milliseconds between two readings of a 32-bit millisecond counter that may have wrapped.
inline quint32 tickDifference(quint32 now, quint32 earlier)
{
    return now - earlier;
}

// True when the event layout's rows leave room for a press and the releases of every press still
// held, within the 40-row cap.
bool pressFits(int shownRows, int heldPresses);
constexpr int kMaxEventRows = 40;
constexpr int kMaxKeyPresses = 20;

} // namespace macroeditor
