#include "storelayout.h"

#include "fixedtext.h"
#include "xmltext.h"

#include <cstring>

namespace storelayout {

bool isIndexText(const char *text, std::size_t maxBytes)
{
    return text && std::strlen(text) <= maxBytes && xmltext::parseInt(text).has_value();
}

pugi::xml_node profileNode(pugi::xml_document *doc, const char *index)
{
    if (!doc || !index)
        return {};
    return xmltext::findChild(doc->document_element(), kProfile, kIndex, index);
}

bool eventFits(const MacroEventRecord &r)
{
    using fixedtext::view;
    return xmltext::isXmlSafe(view(r.mark)) && xmltext::isXmlSafe(view(r.delay)) &&
           xmltext::isXmlSafe(view(r.type)) && xmltext::isXmlSafe(view(r.keyCode)) &&
           xmltext::isXmlSafe(view(r.codeName)) && xmltext::isXmlSafe(view(r.operateExplain));
}

void writeEvent(pugi::xml_node event, const MacroEventRecord &r)
{
    using fixedtext::view;
    auto set = [&event](const char *name, std::string_view text) {
        pugi::xml_attribute a = event.attribute(name);
        if (!a)
            a = event.append_attribute(name);
        a.set_value(std::string(text).c_str());
    };
    set("mark", view(r.mark));
    set("delay", view(r.delay));
    set("type", view(r.type));
    set("keyCode", view(r.keyCode));
    set("operateExplain", view(r.operateExplain));
    xmltext::setChildText(event, kCodeName, view(r.codeName));
}

void readEvent(pugi::xml_node event, MacroEventRecord *r)
{
    std::memset(r, 0, sizeof *r);
    fixedtext::copy(r->mark, event.attribute("mark").value());
    fixedtext::copy(r->delay, event.attribute("delay").value());
    fixedtext::copy(r->type, event.attribute("type").value());
    fixedtext::copy(r->keyCode, event.attribute("keyCode").value());
    fixedtext::copy(r->codeName, xmltext::childText(event, kCodeName));
    fixedtext::copy(r->operateExplain, event.attribute("operateExplain").value());
}

void appendEvents(pugi::xml_node parent, QList<MacroEventRecord> *events)
{
    for (pugi::xml_node e = parent.child(kEvent); e; e = e.next_sibling(kEvent)) {
        MacroEventRecord r;
        readEvent(e, &r);
        events->append(r);
    }
}

} // namespace storelayout
