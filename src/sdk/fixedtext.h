#pragma once

#include <cstddef>
#include <string_view>

class QByteArray;
class QString;

// Helpers for the fixed-size text fields of the SDK records. Every copy is bounded, always
// NUL-terminated and never splits a UTF-8 sequence.
namespace fixedtext {

// Length of the longest prefix of `text` that fits `maxBytes` without cutting a UTF-8 character.
std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes);

// Copies `text` into `dst` (capacity `cap`, terminator included), cut on a character boundary
// when too long. Returns true when the whole text fitted.
bool copy(char *dst, std::size_t cap, std::string_view text);
bool copy(char *dst, std::size_t cap, const QByteArray &text);
bool copy(char *dst, std::size_t cap, const QString &utf8Text);
inline bool copy(char *dst, std::size_t cap, const char *text)
{
    return copy(dst, cap, std::string_view(text ? text : ""));
}

// Copies only when the whole text fits (for paths, which must never be cut into another path).
// On refusal `dst` is left untouched.
bool copyWhole(char *dst, std::size_t cap, std::string_view text);

template <std::size_t N> bool copy(char (&dst)[N], std::string_view text)
{
    return copy(dst, N, text);
}
template <std::size_t N> bool copy(char (&dst)[N], const char *text)
{
    return copy(dst, N, text);
}
template <std::size_t N> bool copy(char (&dst)[N], const QByteArray &text)
{
    return copy(dst, N, text);
}
template <std::size_t N> bool copy(char (&dst)[N], const QString &text)
{
    return copy(dst, N, text);
}

// The text of a field up to its NUL (or its full width when a peer left no NUL).
template <std::size_t N> std::string_view view(const char (&src)[N])
{
    std::size_t n = 0;
    while (n < N && src[n] != '\0')
        ++n;
    return std::string_view(src, n);
}

} // namespace fixedtext
