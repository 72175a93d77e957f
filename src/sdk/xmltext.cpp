#include "xmltext.h"

#include <cstring>
#include <string>

namespace xmltext {

bool isXmlSafe(std::string_view text)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text.data());
    const auto *end = p + text.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r')
                return false;
            ++p;
            continue;
        }
        int len;
        uint32_t cp;
        if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p < len)
            return false;
        for (int i = 1; i < len; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        static const uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < minimum[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE ||
            cp == 0xFFFF)
            return false;
        p += len;
    }
    return true;
}

bool fits(std::string_view text, std::size_t maxBytes)
{
    return (maxBytes == 0 || text.size() <= maxBytes) && isXmlSafe(text);
}

bool fits(const char *text, std::size_t maxBytes)
{
    return text && fits(std::string_view(text), maxBytes);
}

std::optional<int32_t> parseInt(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i == text.size() || text.size() - i > 10)
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

int32_t toInt(const char *text)
{
    return parseInt(sv(text)).value_or(0);
}

bool parseIntList(std::string_view text, int32_t *out, std::size_t count)
{
    std::size_t n = 0;
    while (n < count) {
        const std::size_t comma = text.find(',');
        const auto value = parseInt(text.substr(0, comma));
        if (!value)
            return false;
        out[n++] = *value;
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return n == count && text.find(',') == std::string_view::npos;
}

std::string formatIntList(const int32_t *values, std::size_t count)
{
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        if (i)
            out += ',';
        out += std::to_string(values[i]);
    }
    return out;
}

const char *childText(pugi::xml_node node, const char *name)
{
    return node.child(name).text().get();
}

void setChildText(pugi::xml_node node, const char *name, std::string_view text)
{
    pugi::xml_node child = node.child(name);
    if (!child)
        child = node.append_child(name);
    while (child.first_child())
        child.remove_child(child.first_child());
    if (!text.empty())
        child.append_child(pugi::node_pcdata).set_value(std::string(text).c_str());
}

pugi::xml_node findChild(pugi::xml_node parent, const char *name, const char *attr, const char *value)
{
    for (pugi::xml_node n = parent.child(name); n; n = n.next_sibling(name)) {
        if (std::strcmp(n.attribute(attr).value(), value) == 0)
            return n;
    }
    return {};
}

} // namespace xmltext
