#include "fixedtext.h"

#include <QByteArray>
#include <QString>

#include <cstring>

namespace fixedtext {

std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text.size();
    std::size_t n = maxBytes;
    // Step back over continuation bytes (10xxxxxx) to the start of the character that does not fit.
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    return n;
}

bool copy(char *dst, std::size_t cap, std::string_view text)
{
    if (cap == 0)
        return text.empty();
    const std::size_t n = utf8PrefixLength(text, cap - 1);
    std::memcpy(dst, text.data(), n);
    dst[n] = '\0';
    return n == text.size();
}

bool copy(char *dst, std::size_t cap, const QByteArray &text)
{
    return copy(dst, cap, std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

bool copy(char *dst, std::size_t cap, const QString &utf8Text)
{
    return copy(dst, cap, utf8Text.toUtf8());
}

bool copyWhole(char *dst, std::size_t cap, std::string_view text)
{
    if (cap == 0 || text.size() > cap - 1)
        return false;
    std::memcpy(dst, text.data(), text.size());
    dst[text.size()] = '\0';
    return true;
}

} // namespace fixedtext
