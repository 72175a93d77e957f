// The advanced-key store.
#include "cquelmoxml.h"

#include "fixedtext.h"
#include "storelayout.h"
#include "xmlstore.h"
#include "xmltext.h"

#include <QByteArray>

#include <cstring>
#include <string>

using namespace storelayout;

namespace {

constexpr const char *kKeyAttrs[4] = {"K1", "K2", "K3", "K4"};

pugi::xml_node container(pugi::xml_document *doc)
{
    return doc ? doc->document_element().child(kSeniorKeys) : pugi::xml_node();
}

pugi::xml_node recordNode(pugi::xml_node keys, int index)
{
    for (pugi::xml_node r = keys.child(kSeniorKey); r; r = r.next_sibling(kSeniorKey)) {
        if (xmltext::parseInt(r.attribute(kIndex).value()) == index)
            return r;
    }
    return {};
}

std::string_view keyText(const SeniorKeyInfoStu &r, int i)
{
    const char *const texts[4] = {r.K1, r.K2, r.K3, r.K4};
    return std::string_view(texts[i], qstrnlen(texts[i], sizeof r.K1));
}

bool recordFits(const SeniorKeyInfoStu &r)
{
    if (!xmltext::isXmlSafe(fixedtext::view(r.name)))
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!xmltext::isXmlSafe(keyText(r, i)))
            return false;
    }
    return true;
}

void setAttr(pugi::xml_node n, const char *name, const char *value)
{
    pugi::xml_attribute a = n.attribute(name);
    if (!a)
        a = n.append_attribute(name);
    a.set_value(value);
}

void writeRecord(pugi::xml_node n, const SeniorKeyInfoStu &r)
{
    setAttr(n, kIndex, std::to_string(r.index).c_str());
    setAttr(n, "type", std::to_string(r.type).c_str());
    for (int i = 0; i < 4; ++i)
        setAttr(n, kKeyAttrs[i], std::string(keyText(r, i)).c_str());
    setAttr(n, "grid", xmltext::formatIntList(r.grid, 16).c_str());
    setAttr(n, "stroke", xmltext::formatIntList(r.stroke, 4).c_str());
    setAttr(n, "ValueTime", std::to_string(r.ValueTime).c_str());
    setAttr(n, "tglFlag", std::to_string(r.tglFlag).c_str());
    xmltext::setChildText(n, kName, fixedtext::view(r.name));
}

void readRecord(pugi::xml_node n, SeniorKeyInfoStu *r)
{
    std::memset(r, 0, sizeof *r);
    r->index = xmltext::toInt(n.attribute(kIndex).value());
    fixedtext::copy(r->name, xmltext::childText(n, kName));
    r->type = xmltext::toInt(n.attribute("type").value());
    fixedtext::copy(r->K1, n.attribute("K1").value());
    fixedtext::copy(r->K2, n.attribute("K2").value());
    fixedtext::copy(r->K3, n.attribute("K3").value());
    fixedtext::copy(r->K4, n.attribute("K4").value());
    if (!xmltext::parseIntList(n.attribute("grid").value(), r->grid, 16))
        std::memset(r->grid, 0, sizeof r->grid);
    if (!xmltext::parseIntList(n.attribute("stroke").value(), r->stroke, 4))
        std::memset(r->stroke, 0, sizeof r->stroke);
    r->ValueTime = xmltext::toInt(n.attribute("ValueTime").value());
    r->tglFlag = xmltext::toInt(n.attribute("tglFlag").value());
}

bool sameContent(const SeniorKeyInfoStu &a, const SeniorKeyInfoStu &b)
{
    using fixedtext::view;
    return a.index == b.index && a.type == b.type && view(a.name) == view(b.name) &&
           view(a.K1) == view(b.K1) && view(a.K2) == view(b.K2) && view(a.K3) == view(b.K3) &&
           view(a.K4) == view(b.K4) && std::memcmp(a.grid, b.grid, sizeof a.grid) == 0 &&
           std::memcmp(a.stroke, b.stroke, sizeof a.stroke) == 0 && a.ValueTime == b.ValueTime &&
           a.tglFlag == b.tglFlag;
}

} // namespace

bool CQuelmoXML_SeniorKey_CreateXMLFile(const char *path)
{
    auto lock = XmlStore::instance().lock();
    return XmlStore::instance().createEmpty(path);
}

bool CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(const char *path)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_document *doc = XmlStore::instance().document(path, XmlStore::ForWrite);
    if (!doc)
        return false;
    if (container(doc))
        return true;
    doc->document_element().append_child(kSeniorKeys);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_SeniorKey_SelectAllInfoItem(const char *path, QList<SeniorKeyInfoStu> *records)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_document *doc = XmlStore::instance().document(path);
    if (!doc || !records)
        return false;
    for (pugi::xml_node n = container(doc).child(kSeniorKey); n; n = n.next_sibling(kSeniorKey)) {
        SeniorKeyInfoStu r;
        readRecord(n, &r);
        records->append(r);
    }
    return true;
}

bool CQuelmoXML_SeniorKey_AddInfoItem(const char *path, int type, SeniorKeyInfoStu record)
{
    auto lock = XmlStore::instance().lock();
    if (record.index < 1 || type != record.type || type < SeniorKeyDKS || type > SeniorKeyTGL ||
        !recordFits(record))
        return false;
    pugi::xml_document *doc = XmlStore::instance().document(path, XmlStore::ForWrite);
    if (!doc)
        return false;
    pugi::xml_node keys = container(doc);
    if (!keys)
        keys = doc->document_element().append_child(kSeniorKeys);
    if (recordNode(keys, record.index))
        return false;
    int count = 0;
    for (pugi::xml_node n = keys.child(kSeniorKey); n; n = n.next_sibling(kSeniorKey))
        ++count;
    if (count >= kSeniorKeyMaxCount)
        return false;
    writeRecord(keys.append_child(kSeniorKey), record);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_SeniorKey_ModifyInfoItem(const char *path, int type, SeniorKeyInfoStu record)
{
    auto lock = XmlStore::instance().lock();
    if (type != record.type || !recordFits(record))
        return false;
    pugi::xml_node n =
        recordNode(container(XmlStore::instance().document(path, XmlStore::ForWrite)), record.index);
    // The kind of a record is fixed when it is created.
    if (!n || xmltext::toInt(n.attribute("type").value()) != type)
        return false;
    writeRecord(n, record);
    if (!XmlStore::instance().save(path))
        return false;
    SeniorKeyInfoStu stored;
    readRecord(n, &stored);
    return sameContent(stored, record);
}

bool CQuelmoXML_SeniorKey_DeleteInfoItem(const char *path, int type, int index)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node keys = container(XmlStore::instance().document(path, XmlStore::ForWrite));
    pugi::xml_node n = recordNode(keys, index);
    if (!n || xmltext::toInt(n.attribute("type").value()) != type)
        return false;
    keys.remove_child(n);
    return XmlStore::instance().save(path);
}
