#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// Text rules shared by every part of the XML store.
namespace xmltext {

// True when `text` is well-formed UTF-8 made only of characters XML 1.0 can hold
// (no C0 controls other than TAB, LF and CR; no U+FFFE, U+FFFF or surrogates).
bool isXmlSafe(std::string_view text);

// Like isXmlSafe, and also at most `maxBytes` long (0: no limit).
bool fits(std::string_view text, std::size_t maxBytes);
bool fits(const char *text, std::size_t maxBytes);

// Strict decimal int32: optional '-', digits only, no blanks, in range.
std::optional<int32_t> parseInt(std::string_view text);
// Lenient read of a stored number: 0 when it does not parse.
int32_t toInt(const char *text);

// Comma-separated decimal list; false unless it holds exactly `count` strict numbers.
bool parseIntList(std::string_view text, int32_t *out, std::size_t count);
std::string formatIntList(const int32_t *values, std::size_t count);

// The text of the child element `name` ("" when absent).
const char *childText(pugi::xml_node node, const char *name);
// Sets the child element `name` to hold exactly `text` (element text keeps line feeds).
void setChildText(pugi::xml_node node, const char *name, std::string_view text);

// First child element `name` whose attribute `attr` equals `value`.
pugi::xml_node findChild(pugi::xml_node parent, const char *name, const char *attr, const char *value);

inline std::string_view sv(const char *text)
{
    return text ? std::string_view(text) : std::string_view();
}

} // namespace xmltext
