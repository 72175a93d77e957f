// Light items, the light type in use, light state and custom colour schemes of a profile.
#include "cquelmoxml.h"

#include "fixedtext.h"
#include "storelayout.h"
#include "xmlstore.h"
#include "xmltext.h"

#include <cstring>
#include <string>

using namespace storelayout;

namespace {

constexpr std::size_t kLightValues = 12; // the colorInfoData fields after target and type

pugi::xml_node lightNode(pugi::xml_node profile, int target, int type)
{
    for (pugi::xml_node l = profile.child(kLight); l; l = l.next_sibling(kLight)) {
        if (xmltext::toInt(l.attribute("target").value()) == target &&
            xmltext::toInt(l.attribute("type").value()) == type)
            return l;
    }
    return {};
}

void writeLight(pugi::xml_node light, int target, int type, const colorInfoData &data)
{
    const int32_t *values = &data.ledBrightness;
    if (!light.attribute("target"))
        light.append_attribute("target");
    if (!light.attribute("type"))
        light.append_attribute("type");
    if (!light.attribute("values"))
        light.append_attribute("values");
    light.attribute("target").set_value(target);
    light.attribute("type").set_value(type);
    light.attribute("values").set_value(xmltext::formatIntList(values, kLightValues).c_str());
}

pugi::xml_node schemeNode(pugi::xml_node profile, const char *scheme)
{
    return scheme ? xmltext::findChild(profile, kCustomLed, kIndex, scheme) : pugi::xml_node();
}

bool itemFits(const CustomLightItem &item)
{
    return xmltext::isXmlSafe(fixedtext::view(item.keyCode)) &&
           xmltext::isXmlSafe(fixedtext::view(item.codeName));
}

void readItem(pugi::xml_node n, const char *codeName, CustomLightItem *item)
{
    std::memset(item, 0, sizeof *item);
    fixedtext::copy(item->keyCode, n.attribute("keyCode").value());
    fixedtext::copy(item->codeName, codeName);
    item->indexX = xmltext::toInt(n.attribute("indexX").value());
    item->indexY = xmltext::toInt(n.attribute("indexY").value());
    item->colorR = xmltext::toInt(n.attribute("colorR").value());
    item->colorG = xmltext::toInt(n.attribute("colorG").value());
    item->colorB = xmltext::toInt(n.attribute("colorB").value());
    item->transparentNum = xmltext::toInt(n.attribute("transparentNum").value());
}

void setAttr(pugi::xml_node n, const char *name, int value)
{
    pugi::xml_attribute a = n.attribute(name);
    if (!a)
        a = n.append_attribute(name);
    a.set_value(value);
}

void setAttr(pugi::xml_node n, const char *name, const char *value)
{
    pugi::xml_attribute a = n.attribute(name);
    if (!a)
        a = n.append_attribute(name);
    a.set_value(value);
}

void appendItem(pugi::xml_node scheme, const CustomLightItem &item)
{
    pugi::xml_node n = scheme.append_child(kItem);
    setAttr(n, "keyCode", std::string(fixedtext::view(item.keyCode)).c_str());
    setAttr(n, "indexX", item.indexX);
    setAttr(n, "indexY", item.indexY);
    setAttr(n, "colorR", item.colorR);
    setAttr(n, "colorG", item.colorG);
    setAttr(n, "colorB", item.colorB);
    setAttr(n, "transparentNum", item.transparentNum);
    xmltext::setChildText(n, kCodeName, fixedtext::view(item.codeName));
}

pugi::xml_node lightInUseNode(pugi::xml_node profile, int target)
{
    for (pugi::xml_node u = profile.child(kLightInUse); u; u = u.next_sibling(kLightInUse)) {
        if (xmltext::toInt(u.attribute("target").value()) == target)
            return u;
    }
    return {};
}

int lightStatus(const char *path, const char *index, const char *which)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node profile = profileNode(XmlStore::instance().document(path), index);
    if (!profile)
        return -1;
    return xmltext::toInt(profile.child(kLightStatus).attribute(which).value());
}

} // namespace

bool CQuelmoXML_IsProFileAlreadyHaveLightInfo(const char *path, const char *index, int hidType, int ledType)
{
    auto lock = XmlStore::instance().lock();
    return bool(lightNode(profileNode(XmlStore::instance().document(path), index), hidType, ledType));
}

bool CQuelmoXML_AddProFileLightInfoItem(const char *path, const char *index, colorInfoData data)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile)
        return false;
    // One item per (target, type): adding an existing one rewrites it.
    pugi::xml_node light = lightNode(profile, data.hidType, data.ledType);
    if (!light)
        light = profile.append_child(kLight);
    writeLight(light, data.hidType, data.ledType, data);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_ModifyProFileLightInfoItem(const char *path, const char *index, int hidType, int ledType,
                                           colorInfoData data)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node light = lightNode(
        profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index), hidType, ledType);
    if (!light)
        return false;
    writeLight(light, hidType, ledType, data);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_SelectProfileColorDataInfo(const char *path, const char *index, int hidType, int ledType,
                                           int *values)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node light =
        lightNode(profileNode(XmlStore::instance().document(path), index), hidType, ledType);
    int32_t stored[kLightValues];
    if (!light || !values || !xmltext::parseIntList(light.attribute("values").value(), stored, kLightValues))
        return false;
    values[0] = hidType;
    values[1] = ledType;
    for (std::size_t i = 0; i < kLightValues; ++i)
        values[2 + i] = stored[i];
    return true;
}

bool CQuelmoXML_ModifyProFileMouseLightUsingIndex(const char *path, const char *index, int hidType,
                                                  int ledType)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile)
        return false;
    pugi::xml_node inUse = lightInUseNode(profile, hidType);
    if (!inUse)
        inUse = profile.append_child(kLightInUse);
    setAttr(inUse, "target", hidType);
    setAttr(inUse, "type", ledType);
    return XmlStore::instance().save(path);
}

int CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(const char *path, const char *index, int hidType)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node profile = profileNode(XmlStore::instance().document(path), index);
    if (!profile)
        return -1;
    if (const pugi::xml_node inUse = lightInUseNode(profile, hidType))
        return xmltext::parseInt(inUse.attribute("type").value()).value_or(-1);
    // A fresh profile has its default items but no choice stored yet: its first item is in use.
    for (pugi::xml_node l = profile.child(kLight); l; l = l.next_sibling(kLight)) {
        if (xmltext::toInt(l.attribute("target").value()) == hidType)
            return xmltext::parseInt(l.attribute("type").value()).value_or(-1);
    }
    return -1;
}

int CQuelmoXML_SelectProFileLightTypeRuningStatus(const char *path, const char *index)
{
    return lightStatus(path, index, "running");
}

int CQuelmoXML_SelectProFileLightSynchronizeStatus(const char *path, const char *index)
{
    return lightStatus(path, index, "synchronize");
}

bool CQuelmoXML_ModifyProFileLightSynchronizeStatus(const char *path, const char *index, int status)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile)
        return false;
    pugi::xml_node node = profile.child(kLightStatus);
    if (!node)
        node = profile.append_child(kLightStatus);
    setAttr(node, "synchronize", status);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_AddProFileCustomLightNode(const char *path, const char *index, const char *scheme,
                                          const char *name, const char *usingStatus, int usingFlagIndex)
{
    auto lock = XmlStore::instance().lock();
    if (!xmltext::fits(scheme, sizeof(CustomLightNode::index) - 1) || !*scheme ||
        !xmltext::fits(name, sizeof(CustomLightNode::name) - 1) ||
        !xmltext::fits(usingStatus, sizeof(CustomLightNode::usingStatus) - 1))
        return false;
    pugi::xml_node profile = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!profile || schemeNode(profile, scheme))
        return false;
    pugi::xml_node node = profile.append_child(kCustomLed);
    setAttr(node, kIndex, scheme);
    setAttr(node, "isUsing", usingStatus);
    setAttr(node, "usingFlagIndex", usingFlagIndex);
    xmltext::setChildText(node, kName, name);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_AddProFileCustomLightDataInfo(const char *path, const char *index, const char *scheme,
                                              CustomLightItem item)
{
    auto lock = XmlStore::instance().lock();
    if (!itemFits(item))
        return false;
    pugi::xml_node node =
        schemeNode(profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index), scheme);
    if (!node)
        return false;
    appendItem(node, item);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_ReplaceProFileCustomLightDataInfo(const char *path, const char *index, const char *scheme,
                                                  const QList<CustomLightItem> &items)
{
    auto lock = XmlStore::instance().lock();
    for (const CustomLightItem &item : items) {
        if (!itemFits(item))
            return false;
    }
    pugi::xml_node node =
        schemeNode(profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index), scheme);
    if (!node)
        return false;
    while (pugi::xml_node old = node.child(kItem))
        node.remove_child(old);
    for (const CustomLightItem &item : items)
        appendItem(node, item);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_ClearProFileCustomLightNode(const char *path, const char *index, const char *scheme)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node node =
        schemeNode(profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index), scheme);
    if (!node)
        return false;
    if (!node.child(kItem))
        return true;
    while (pugi::xml_node item = node.child(kItem))
        node.remove_child(item);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_ProFileCustomLightInfoSelectAll(const char *path, const char *index, const char *scheme,
                                                QList<CustomLightItem> *items)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node node = schemeNode(profileNode(XmlStore::instance().document(path), index), scheme);
    if (!node || !items)
        return false;
    for (pugi::xml_node n = node.child(kItem); n; n = n.next_sibling(kItem)) {
        CustomLightItem item;
        readItem(n, xmltext::childText(n, kCodeName), &item);
        items->append(item);
    }
    return true;
}

bool CQuelmoXML_SelectProFileCustomLightAllNodes(const char *path, const char *index,
                                                 QList<CustomLightNode> *nodes)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node profile = profileNode(XmlStore::instance().document(path), index);
    if (!profile || !nodes)
        return false;
    for (pugi::xml_node s = profile.child(kCustomLed); s; s = s.next_sibling(kCustomLed)) {
        CustomLightNode node;
        std::memset(&node, 0, sizeof node);
        fixedtext::copy(node.index, s.attribute(kIndex).value());
        fixedtext::copy(node.name, xmltext::childText(s, kName));
        fixedtext::copy(node.usingStatus, s.attribute("isUsing").value());
        node.usingFlagIndex = xmltext::parseInt(s.attribute("usingFlagIndex").value()).value_or(-1);
        nodes->append(node);
    }
    return true;
}

bool CQuelmoXML_ModifyProFileCustomLightNodeName(const char *path, const char *index, const char *scheme,
                                                 const char *name)
{
    auto lock = XmlStore::instance().lock();
    if (!xmltext::fits(name, sizeof(CustomLightNode::name) - 1))
        return false;
    pugi::xml_node node =
        schemeNode(profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index), scheme);
    if (!node)
        return false;
    xmltext::setChildText(node, kName, name);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_ModifyProFileCustomLightNodeUsingStatus(const char *path, const char *index,
                                                        const char *scheme, const char *usingStatus,
                                                        int usingFlagIndex)
{
    auto lock = XmlStore::instance().lock();
    if (!xmltext::fits(usingStatus, sizeof(CustomLightNode::usingStatus) - 1))
        return false;
    pugi::xml_node node =
        schemeNode(profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index), scheme);
    if (!node)
        return false;
    setAttr(node, "isUsing", usingStatus);
    setAttr(node, "usingFlagIndex", usingFlagIndex);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_XmlCustomLightInfoSelectAll(const char *file, const char *scheme,
                                            QList<CustomLightItem> *items)
{
    // A copy of a built-in resource: read it as it is, never cache or move it.
    if (!file || !*file || !scheme || !items)
        return false;
    QByteArray data;
    if (!XmlStore::readRegularFile(file, XmlStore::kMaxImportBytes, &data) || data.contains("<!DOCTYPE"))
        return false;
    pugi::xml_document doc;
    if (!doc.load_buffer(data.constData(), static_cast<size_t>(data.size()), XmlStore::kParseFlags,
                         pugi::encoding_utf8))
        return false;
    const pugi::xml_node root = doc.child("customLight");
    const pugi::xml_node node = xmltext::findChild(root, "customLed", kIndex, scheme);
    if (!node)
        return false;
    for (pugi::xml_node n = node.child(kItem); n; n = n.next_sibling(kItem)) {
        CustomLightItem item;
        readItem(n, n.attribute("codeName").value(), &item);
        items->append(item);
    }
    return true;
}
