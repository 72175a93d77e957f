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

int utf8Bytes(const QString &text, int from, int units)
{
    return text.midRef(from, units).toUtf8().size();
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
