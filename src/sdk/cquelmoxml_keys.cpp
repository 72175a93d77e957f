// Key-function items of a profile and the profile's copies of bound macros.
#include "cquelmoxml.h"

#include "fixedtext.h"
#include "storelayout.h"
#include "xmlstore.h"
#include "xmltext.h"

#include <cstring>

using namespace storelayout;

namespace {

// Widths of the KeyOperateInfo fields, terminator excluded: a text that would not come back whole
// is refused when stored.
constexpr std::size_t kKeyCodeMax = sizeof(KeyOperateInfo::keyCode) - 1;
constexpr std::size_t kKeyNameMax = sizeof(KeyOperateInfo::keyName) - 1;
constexpr std::size_t kNumberMax = sizeof(KeyOperateInfo::type) - 1;
constexpr std::size_t kValueMax = sizeof(KeyOperateInfo::value) - 1;

pugi::xml_node keyNode(pugi::xml_node profile, const char *keyCode)
{
    return keyCode ? xmltext::findChild(profile, kKey, kCode, keyCode) : pugi::xml_node();
}

pugi::xml_node boundMacroNode(pugi::xml_node profile, const char *macroIndex)
{
    return macroIndex ? xmltext::findChild(profile, kBoundMacro, kIndex, macroIndex) : pugi::xml_node();
}

} // namespace

bool CQuelmoXML_SelectProFileKeyOperateInfo(const char *path, const char *index, const char *keyCode,
                                            KeyOperateInfo *info)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node key = keyNode(profileNode(XmlStore::instance().document(path), index), keyCode);
    if (!key || !info)
        return false;
    fixedtext::copy(info->keyCode, key.attribute(kCode).value());
    fixedtext::copy(info->keyName, xmltext::childText(key, kName));
    fixedtext::copy(info->type, key.attribute("type").value());
    fixedtext::copy(info->repeat, key.attribute("repeat").value());
    fixedtext::copy(info->playMode, key.attribute("playMode").value());
    fixedtext::copy(info->value, xmltext::childText(key, kValue));
    return true;
}

bool CQuelmoXML_AddProFileMacroWithKeyInfoItem(const char *path, const char *index, const char *keyCode,
                                               const char *keyName, const char *type, const char *repeat,
                                               const char *playMode, const char *value)
{
    auto lock = XmlStore::instance().lock();
    if (!isIndexText(keyCode, kKeyCodeMax) || !xmltext::fits(keyName, kKeyNameMax) ||
        !xmltext::fits(type, kNumberMax) || !xmltext::fits(repeat, kNumberMax) ||
        !xmltext::fits(playMode, kNumberMax) || !xmltext::fits(value, kValueMax))
        return false;
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile)
        return false;
    // One item per key: an add replaces what the key held.
    pugi::xml_node key = keyNode(profile, keyCode);
    if (!key) {
        key = profile.append_child(kKey);
        key.append_attribute(kCode).set_value(keyCode);
        key.append_attribute("type");
        key.append_attribute("repeat");
        key.append_attribute("playMode");
    }
    key.attribute("type").set_value(type);
    key.attribute("repeat").set_value(repeat);
    key.attribute("playMode").set_value(playMode);
    xmltext::setChildText(key, kName, keyName);
    xmltext::setChildText(key, kValue, value);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_DeleteProFileMacroWithKeyInfoItem(const char *path, const char *index, const char *keyCode,
                                                  const char *)
{
    // Matched by key code alone: writers pass the name as UTF-8, the Default page as Latin-1.
    auto lock = XmlStore::instance().lock();
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile)
        return false;
    pugi::xml_node key = keyNode(profile, keyCode);
    if (!key)
        return true;
    profile.remove_child(key);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_ProFileKeyInfoSelectAll(const char *path, const char *index, QStringList *keyCodes)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node profile = profileNode(XmlStore::instance().document(path), index);
    if (!profile || !keyCodes)
        return false;
    for (pugi::xml_node k = profile.child(kKey); k; k = k.next_sibling(kKey))
        keyCodes->append(QString::fromLatin1(k.attribute(kCode).value()));
    return true;
}

int CQuelmoXML_GetProFileValueNum(const char *path, const char *index, const char *type, const char *value)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node profile = profileNode(XmlStore::instance().document(path), index);
    if (!profile || !type || !value)
        return -1;
    int count = 0;
    for (pugi::xml_node k = profile.child(kKey); k; k = k.next_sibling(kKey)) {
        if (std::strcmp(k.attribute("type").value(), type) == 0 &&
            std::strcmp(xmltext::childText(k, kValue), value) == 0)
            ++count;
    }
    return count;
}

bool CQuelmoXML_AddProFileBindMacroItem(const char *path, const char *index, QList<MacroEventRecord> events,
                                        const char *macroIndex, const char *name)
{
    auto lock = XmlStore::instance().lock();
    if (!isIndexText(macroIndex) || !xmltext::fits(name, 0))
        return false;
    for (const MacroEventRecord &e : events) {
        if (!eventFits(e))
            return false;
    }
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile)
        return false;
    // One copy per macro: a new copy replaces an older one in place.
    pugi::xml_node old = boundMacroNode(profile, macroIndex);
    pugi::xml_node copy =
        old ? profile.insert_child_after(kBoundMacro, old) : profile.append_child(kBoundMacro);
    if (old)
        profile.remove_child(old);
    copy.append_attribute(kIndex).set_value(macroIndex);
    xmltext::setChildText(copy, kName, name);
    for (const MacroEventRecord &e : events)
        writeEvent(copy.append_child(kEvent), e);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_DeleteProFileBindMacroNode(const char *path, const char *index, const char *macroIndex,
                                           const char *)
{
    // The copy is found by macro index; the "Macro%1" name is kept only for display.
    auto lock = XmlStore::instance().lock();
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile)
        return false;
    pugi::xml_node copy = boundMacroNode(profile, macroIndex);
    if (!copy)
        return true;
    profile.remove_child(copy);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(const char *path, const char *index, const char *macroIndex,
                                                 const char *, QList<MacroEventRecord> *events)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node copy =
        boundMacroNode(profileNode(XmlStore::instance().document(path), index), macroIndex);
    if (!copy || !events)
        return false;
    appendEvents(copy, events);
    return true;
}
