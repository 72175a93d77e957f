// The macro store: macros with their ordered key and mouse events.
#include "cquelmoxml.h"

#include "fixedtext.h"
#include "storelayout.h"
#include "xmlstore.h"
#include "xmltext.h"

#include <cstring>

using namespace storelayout;

namespace {

pugi::xml_node macroNode(pugi::xml_document *doc, const char *macroIndex)
{
    if (!doc || !macroIndex)
        return {};
    return xmltext::findChild(doc->document_element(), kMacro, kIndex, macroIndex);
}

// Side 0 is the mark's "down" event, any other side the event that is not "down".
pugi::xml_node eventNode(pugi::xml_node macro, const char *mark, int side)
{
    if (!mark)
        return {};
    for (pugi::xml_node e = macro.child(kEvent); e; e = e.next_sibling(kEvent)) {
        if (std::strcmp(e.attribute("mark").value(), mark) != 0)
            continue;
        const bool down = std::strcmp(e.attribute("operateExplain").value(), "down") == 0;
        if (down == (side == 0))
            return e;
    }
    return {};
}

} // namespace

bool CQuelmoXML_SelectMacroAllNodes(const char *path, std::vector<MacroNode> *nodes)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_document *doc = XmlStore::instance().document(path);
    if (!doc || !nodes)
        return false;
    for (pugi::xml_node m = doc->document_element().child(kMacro); m; m = m.next_sibling(kMacro))
        nodes->push_back(MacroNode{m.attribute(kIndex).value(), xmltext::childText(m, kName)});
    return true;
}

bool CQuelmoXML_SelectAllKeyOrMouseEvent(const char *path, const char *macroIndex,
                                         QList<MacroEventRecord> *events)
{
    auto lock = XmlStore::instance().lock();
    const pugi::xml_node macro = macroNode(XmlStore::instance().document(path), macroIndex);
    if (!macro || !events)
        return false;
    appendEvents(macro, events);
    return true;
}

bool CQuelmoXML_CreateMacroXmlParentNode(const char *path, const char *macroIndex, const char *name)
{
    auto lock = XmlStore::instance().lock();
    if (!isIndexText(macroIndex) || !xmltext::fits(name, 0))
        return false;
    pugi::xml_document *doc = XmlStore::instance().document(path, XmlStore::ForWrite);
    if (!doc || macroNode(doc, macroIndex))
        return false;
    pugi::xml_node m = doc->document_element().append_child(kMacro);
    m.append_attribute(kIndex).set_value(macroIndex);
    xmltext::setChildText(m, kName, name);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_DeleteMacroNode(const char *path, const char *macroIndex)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_document *doc = XmlStore::instance().document(path, XmlStore::ForWrite);
    const pugi::xml_node macro = macroNode(doc, macroIndex);
    if (!macro)
        return false;
    doc->document_element().remove_child(macro);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_ModifyMacroNodeName(const char *path, const char *macroIndex, const char *name)
{
    auto lock = XmlStore::instance().lock();
    if (!xmltext::fits(name, 0))
        return false;
    pugi::xml_node macro = macroNode(XmlStore::instance().document(path, XmlStore::ForWrite), macroIndex);
    if (!macro)
        return false;
    xmltext::setChildText(macro, kName, name);
    return XmlStore::instance().save(path);
}

namespace {

// Writes events into a macro: appended after its last one, or in place of all it has. Refused
// as a whole when one of them does not fit the record or the macro does not exist.
bool writeMacroEvents(const char *path, const char *macroIndex, const QList<MacroEventRecord> &events,
                      bool replace)
{
    auto lock = XmlStore::instance().lock();
    for (const MacroEventRecord &e : events) {
        if (!eventFits(e))
            return false;
    }
    pugi::xml_node macro = macroNode(XmlStore::instance().document(path, XmlStore::ForWrite), macroIndex);
    if (!macro)
        return false;
    if (events.isEmpty() && !replace)
        return true;
    while (replace && macro.child(kEvent))
        macro.remove_child(macro.child(kEvent));
    for (const MacroEventRecord &e : events)
        writeEvent(macro.append_child(kEvent), e);
    return XmlStore::instance().save(path);
}

} // namespace

bool CQuelmoXML_AddKeyOrMouseEventItem(const char *path, QList<MacroEventRecord> events,
                                       const char *macroIndex)
{
    return writeMacroEvents(path, macroIndex, events, false);
}

bool CQuelmoXML_ReplaceMacroEvents(const char *path, const char *macroIndex,
                                   const QList<MacroEventRecord> &events)
{
    return writeMacroEvents(path, macroIndex, events, true);
}

bool CQuelmoXML_DeleteEventItem(const char *path, const char *macroIndex, const char *mark)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node macro = macroNode(XmlStore::instance().document(path, XmlStore::ForWrite), macroIndex);
    if (!macro || !mark)
        return false;
    bool removed = false;
    for (pugi::xml_node e = macro.child(kEvent); e;) {
        const pugi::xml_node next = e.next_sibling(kEvent);
        if (std::strcmp(e.attribute("mark").value(), mark) == 0) {
            macro.remove_child(e);
            removed = true;
        }
        e = next;
    }
    return removed && XmlStore::instance().save(path);
}

bool CQuelmoXML_UpdateEventItem(const char *path, const char *macroIndex, const char *mark, int side,
                                MacroEventRecord record)
{
    auto lock = XmlStore::instance().lock();
    if (!eventFits(record))
        return false;
    pugi::xml_node event =
        eventNode(macroNode(XmlStore::instance().document(path, XmlStore::ForWrite), macroIndex), mark, side);
    if (!event)
        return false;
    writeEvent(event, record);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_MacroEventItemUpOrDownOperate(const char *path, const char *macroIndex, const char *mark,
                                              int direction, int side)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node macro = macroNode(XmlStore::instance().document(path, XmlStore::ForWrite), macroIndex);
    pugi::xml_node event = eventNode(macro, mark, side);
    if (!event)
        return false;
    if (direction == 1) {
        const pugi::xml_node before = event.previous_sibling(kEvent);
        if (!before || !macro.insert_move_before(event, before))
            return false;
    } else {
        const pugi::xml_node after = event.next_sibling(kEvent);
        if (!after || !macro.insert_move_after(event, after))
            return false;
    }
    return XmlStore::instance().save(path);
}
