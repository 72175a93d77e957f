#pragma once

#include <QString>

// The bounds of a text key's text: what the editor may hold, and how an over-long edit is cut.
namespace textlimit {

// UTF-16 units the editor holds at most.
constexpr int kMaxUnits = 5000;
// UTF-8 bytes the stored value holds at most (the read-back field keeps one byte for its NUL).
constexpr int kMaxBytes = 5119;

struct Fitted
{
    QString text;
    int cursor;
};

// `text` within both limits. What is too much is taken from just before `cursor` (the end of what
// was typed or pasted), whole characters only, so a surrogate pair is never split; the cursor
// ends where the cut was. When the text before the cursor is not enough, the rest comes off the end.
Fitted fit(const QString &text, int cursor, int maxUnits = kMaxUnits, int maxBytes = kMaxBytes);

} // namespace textlimit
