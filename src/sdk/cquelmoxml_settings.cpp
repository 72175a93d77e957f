// Win-lock switches and sleep times of a profile.
#include "cquelmoxml.h"

#include "fixedtext.h"
#include "storelayout.h"
#include "xmlstore.h"
#include "xmltext.h"

using namespace storelayout;

namespace {

constexpr const char *kSwitchNames[4] = {"altTab", "altF4", "shiftTab", "windowsKey"};
constexpr std::size_t kSwitchMax = 7;

void setAttr(pugi::xml_node n, const char *name, const char *value)
{
    pugi::xml_attribute a = n.attribute(name);
    if (!a)
        a = n.append_attribute(name);
    a.set_value(value);
}

void setAttr(pugi::xml_node n, const char *name, int value)
{
    pugi::xml_attribute a = n.attribute(name);
    if (!a)
        a = n.append_attribute(name);
    a.set_value(value);
}

} // namespace

bool CQuelmoXML_AddProFileFunctionInfo(const char *path, const char *index, const char *altTab,
                                       const char *altF4, const char *shiftTab, const char *windowsKey)
{
    auto lock = XmlStore::instance().lock();
    const char *values[4] = {altTab, altF4, shiftTab, windowsKey};
    for (const char *v : values) {
        if (!xmltext::fits(v, kSwitchMax))
            return false;
    }
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile)
        return false;
    pugi::xml_node node = profile.child(kWinLock);
    if (!node)
        node = profile.append_child(kWinLock);
    for (int i = 0; i < 4; ++i)
        setAttr(node, kSwitchNames[i], values[i]);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_GetProFileFunctionInfo(const char *path, const char *index, char switches[4][8])
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node node = profileNode(XmlStore::instance().document(path), index).child(kWinLock);
    if (!node || !switches)
        return false;
    for (int i = 0; i < 4; ++i) {
        // A switch never stored keeps the caller's pre-fill.
        if (const pugi::xml_attribute a = node.attribute(kSwitchNames[i]))
            fixedtext::copy(switches[i], 8, a.value());
    }
    return true;
}

bool CQuelmoXML_SetProFileIntoSleepTimeInfo(const char *path, const char *index, int lightSeconds,
                                            int keyboardMinutes)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile)
        return false;
    pugi::xml_node node = profile.child(kSleep);
    if (!node)
        node = profile.append_child(kSleep);
    setAttr(node, "light", lightSeconds);
    setAttr(node, "keyboard", keyboardMinutes);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_GetProFileIntoSleepTimeInfo(const char *path, const char *index, int *lightSeconds,
                                            int *keyboardMinutes)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node node = profileNode(XmlStore::instance().document(path), index).child(kSleep);
    if (!node || !lightSeconds || !keyboardMinutes)
        return false;
    const auto light = xmltext::parseInt(node.attribute("light").value());
    const auto keyboard = xmltext::parseInt(node.attribute("keyboard").value());
    if (!light || !keyboard)
        return false;
    *lightSeconds = *light;
    *keyboardMinutes = *keyboard;
    return true;
}
