#include "profileschema.h"

#include "storelayout.h"
#include "xmltext.h"

#include <cstring>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>

using namespace storelayout;

namespace {

// Generous bounds: a full-size keyboard has 132 key positions per layer.
constexpr int kMaxKeys = 512;
constexpr int kMaxBoundMacros = 256;
constexpr int kMaxEvents = 1024;
constexpr int kMaxLights = 256;
constexpr int kMaxSchemes = 16;
constexpr int kMaxSchemeItems = 512;

bool is(pugi::xml_node n, const char *name)
{
    return std::strcmp(n.name(), name) == 0;
}

bool isNumber(const char *text)
{
    return xmltext::parseInt(text).has_value();
}

// Every attribute of `node` is one of `allowed`; each text attribute fits its width (0: number).
bool attributesOk(pugi::xml_node node, std::initializer_list<std::pair<const char *, std::size_t>> allowed,
                  std::initializer_list<const char *> required)
{
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        bool known = false;
        for (const auto &[name, width] : allowed) {
            if (std::strcmp(a.name(), name) != 0)
                continue;
            known = true;
            if (width == 0 ? !isNumber(a.value()) : !xmltext::fits(a.value(), width))
                return false;
        }
        if (!known)
            return false;
    }
    for (const char *name : required) {
        if (!node.attribute(name))
            return false;
    }
    return true;
}

// The only children allowed are text elements named in `texts`, each at most once and fitting
// its width (0: no limit); returns false on anything else unless `other` accepts it.
template <typename Other>
bool childrenOk(pugi::xml_node node, std::initializer_list<std::pair<const char *, std::size_t>> texts,
                Other other)
{
    std::set<std::string> seen;
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element)
            return false;
        bool handled = false;
        for (const auto &[name, width] : texts) {
            if (!is(c, name))
                continue;
            handled = true;
            if (!seen.insert(name).second || c.first_attribute())
                return false;
            pugi::xml_node t = c.first_child();
            if (t && (t.type() != pugi::node_pcdata || t.next_sibling()))
                return false;
            if (!xmltext::fits(t.value(), width))
                return false;
        }
        if (!handled && !other(c))
            return false;
    }
    return true;
}

bool noOther(pugi::xml_node)
{
    return false;
}

bool eventOk(pugi::xml_node e)
{
    return is(e, kEvent) &&
           attributesOk(
               e, {{"mark", 63}, {"delay", 15}, {"type", 15}, {"keyCode", 15}, {"operateExplain", 63}}, {}) &&
           childrenOk(e, {{kCodeName, 63}}, noOther);
}

bool keyOk(pugi::xml_node k, std::set<std::string> *codes)
{
    return attributesOk(k, {{kCode, 0}, {"type", 0}, {"repeat", 0}, {"playMode", 0}},
                        {kCode, "type", "repeat", "playMode"}) &&
           std::strlen(k.attribute(kCode).value()) <= 15 && std::strlen(k.attribute("type").value()) <= 7 &&
           std::strlen(k.attribute("repeat").value()) <= 7 &&
           std::strlen(k.attribute("playMode").value()) <= 7 &&
           codes->insert(k.attribute(kCode).value()).second &&
           childrenOk(k, {{kName, 63}, {kValue, 5119}}, noOther);
}

bool boundMacroOk(pugi::xml_node m)
{
    int events = 0;
    return attributesOk(m, {{kIndex, 0}}, {kIndex}) &&
           childrenOk(m, {{kName, 0}},
                      [&events](pugi::xml_node c) { return ++events <= kMaxEvents && eventOk(c); });
}

bool lightOk(pugi::xml_node l)
{
    int32_t values[12];
    return attributesOk(l, {{"target", 0}, {"type", 0}, {"values", 200}}, {"target", "type", "values"}) &&
           xmltext::parseIntList(l.attribute("values").value(), values, 12) && !l.first_child();
}

bool schemeOk(pugi::xml_node s)
{
    int items = 0;
    auto itemOk = [&items](pugi::xml_node i) {
        return ++items <= kMaxSchemeItems && is(i, kItem) &&
               attributesOk(i,
                            {{"keyCode", 15},
                             {"indexX", 0},
                             {"indexY", 0},
                             {"colorR", 0},
                             {"colorG", 0},
                             {"colorB", 0},
                             {"transparentNum", 0}},
                            {"indexX", "indexY", "colorR", "colorG", "colorB"}) &&
               childrenOk(i, {{kCodeName, 63}}, noOther);
    };
    return attributesOk(s, {{kIndex, 15}, {"isUsing", 15}, {"usingFlagIndex", 0}}, {kIndex}) &&
           childrenOk(s, {{kName, 63}}, itemOk);
}

} // namespace

namespace profileschema {

bool isValidProfile(pugi::xml_node profile)
{
    if (!is(profile, kProfile) || !attributesOk(profile, {{kIndex, 0}}, {kIndex}))
        return false;
    std::set<std::string> codes;
    std::set<std::string> macros;
    std::set<std::string> schemes;
    std::set<std::pair<int, int>> lights;
    int keys = 0;
    int bound = 0;
    int lightCount = 0;
    int schemeCount = 0;
    auto other = [&](pugi::xml_node c) {
        if (is(c, kKey))
            return ++keys <= kMaxKeys && keyOk(c, &codes);
        if (is(c, kBoundMacro))
            return ++bound <= kMaxBoundMacros && boundMacroOk(c) &&
                   macros.insert(c.attribute(kIndex).value()).second;
        if (is(c, kLight))
            return ++lightCount <= kMaxLights && lightOk(c) &&
                   lights
                       .emplace(xmltext::toInt(c.attribute("target").value()),
                                xmltext::toInt(c.attribute("type").value()))
                       .second;
        if (is(c, kCustomLed))
            return ++schemeCount <= kMaxSchemes && schemeOk(c) &&
                   schemes.insert(c.attribute(kIndex).value()).second;
        if (is(c, kLightInUse))
            return attributesOk(c, {{"target", 0}, {"type", 0}}, {"target", "type"}) && !c.first_child();
        if (is(c, kLightStatus))
            return attributesOk(c, {{"running", 0}, {"synchronize", 0}}, {}) && !c.first_child();
        if (is(c, kWinLock))
            return attributesOk(c, {{"altTab", 7}, {"altF4", 7}, {"shiftTab", 7}, {"windowsKey", 7}}, {}) &&
                   !c.first_child();
        if (is(c, kSleep))
            return attributesOk(c, {{"light", 0}, {"keyboard", 0}}, {"light", "keyboard"}) &&
                   !c.first_child();
        return false;
    };
    return childrenOk(profile, {{kName, 0}}, other);
}

} // namespace profileschema
