#include "textlimit.h"

namespace textlimit {

namespace {

// Units of the character that ends just before `end`: 2 for a surrogate pair, otherwise 1.
int unitsBefore(const QString &text, int end)
{
    if (end >= 2 && text.at(end - 1).isLowSurrogate() && text.at(end - 2).isHighSurrogate())
        return 2;
    return 1;
}

// UTF-8 bytes of the character of `units` units at `from`, as QString::toUtf8 writes it.
int utf8Bytes(const QString &text, int from, int units)
{
    if (units == 2)
        return 4;
    const QChar c = text.at(from);
    if (c.isSurrogate()) // a lone half: whatever the encoder puts in its place
        return text.midRef(from, 1).toUtf8().size();
    const ushort u = c.unicode();
    return u < 0x80 ? 1 : u < 0x800 ? 2 : 3;
}

} // namespace

Fitted fit(const QString &text, int cursor, int maxUnits, int maxBytes)
{
    cursor = qBound(0, cursor, text.size());
    int units = text.size();
    int bytes = text.toUtf8().size();
    if (units <= maxUnits && bytes <= maxBytes)
        return {text, cursor};

    // The block [start, cursor) goes: from the cursor backwards, character by character.
    int start = cursor;
    while (start > 0 && (units > maxUnits || bytes > maxBytes)) {
        const int n = unitsBefore(text, start);
        start -= n;
        units -= n;
        bytes -= utf8Bytes(text, start, n);
    }
    QString out = text.left(start) + text.mid(cursor);
    // Still too long: the cursor stood too near the beginning; the end goes instead.
    int end = out.size();
    while (end > start && (units > maxUnits || bytes > maxBytes)) {
        const int n = unitsBefore(out, end);
        end -= n;
        units -= n;
        bytes -= utf8Bytes(out, end, n);
    }
    out.truncate(end);
    return {out, start};
}

} // namespace textlimit
