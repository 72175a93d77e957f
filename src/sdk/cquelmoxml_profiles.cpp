// Store files, profile nodes, and profile export and import.
#include "cquelmoxml.h"

#include "fixedtext.h"
#include "profileschema.h"
#include "storelayout.h"
#include "xmlstore.h"
#include "xmltext.h"

#include <QFileInfo>

#include <cstring>

using namespace storelayout;

int CQuelmoXML_Init()
{
    auto lock = XmlStore::instance().lock();
    XmlStore::instance().clearCache();
    return 0;
}

bool CQuelmoXML_CreateXMLFile(const char *path)
{
    auto lock = XmlStore::instance().lock();
    return XmlStore::instance().createEmpty(path);
}

int CQuelmoXML_GetCreateXMLFileProfileIndex(const char *path)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_document *doc = XmlStore::instance().document(path);
    if (!doc)
        return -1;
    const pugi::xml_attribute current = doc->document_element().attribute(kCurrentProfile);
    const auto index = xmltext::parseInt(current.value());
    if (!index)
        return -1;
    // An index naming no profile (an older version's interrupted delete) is no current profile.
    if (!profileNode(doc, current.value())) {
        qWarning("XML store: %s names profile %s as current, which it does not hold", path, current.value());
        return -1;
    }
    return static_cast<int>(*index);
}

bool CQuelmoXML_ModifyXMLFileProfileIndex(const char *path, int index)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_document *doc = XmlStore::instance().document(path, XmlStore::ForWrite);
    if (!doc)
        return false;
    pugi::xml_node root = doc->document_element();
    pugi::xml_attribute a = root.attribute(kCurrentProfile);
    if (!a)
        a = root.append_attribute(kCurrentProfile);
    a.set_value(index);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_SelectProFileAllNodes(const char *path, ProfileNodeList *nodes)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_document *doc = XmlStore::instance().document(path);
    if (!doc || !nodes)
        return false;
    for (pugi::xml_node p = doc->document_element().child(kProfile); p; p = p.next_sibling(kProfile))
        nodes->emplace_back(p.attribute(kIndex).value(), xmltext::childText(p, kName));
    return true;
}

bool CQuelmoXML_IsExistenceSelectProfileNode(const char *path, const char *index)
{
    auto lock = XmlStore::instance().lock();
    return bool(profileNode(XmlStore::instance().document(path), index));
}

bool CQuelmoXML_CreateProFileXmlParentNode(const char *path, const char *index, const char *name, int)
{
    auto lock = XmlStore::instance().lock();
    if (!isIndexText(index, kProfileIndexMax) || !xmltext::fits(name, 0))
        return false;
    pugi::xml_document *doc = XmlStore::instance().document(path, XmlStore::ForWrite);
    if (!doc || profileNode(doc, index))
        return false;
    pugi::xml_node p = doc->document_element().append_child(kProfile);
    p.append_attribute(kIndex).set_value(index);
    xmltext::setChildText(p, kName, name);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_DeleteProFileSelectedNode(const char *path, const char *index)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_document *doc = XmlStore::instance().document(path, XmlStore::ForWrite);
    pugi::xml_node p = profileNode(doc, index);
    if (!p)
        return false;
    doc->document_element().remove_child(p);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_SelectProfileNodeInfo(const char *path, const char *index, ProfileNodeInfo *info)
{
    auto lock = XmlStore::instance().lock();
    pugi::xml_node p = profileNode(XmlStore::instance().document(path), index);
    if (!p || !info)
        return false;
    fixedtext::copy(info->index, p.attribute(kIndex).value());
    fixedtext::copy(info->name, xmltext::childText(p, kName));
    return true;
}

bool CQuelmoXML_ModifyProfileNodeInfo(const char *path, const char *index, const char *name)
{
    auto lock = XmlStore::instance().lock();
    if (!xmltext::fits(name, 0))
        return false;
    pugi::xml_node p = profileNode(XmlStore::instance().document(path, XmlStore::ForWrite), index);
    if (!p)
        return false;
    xmltext::setChildText(p, kName, name);
    return XmlStore::instance().save(path);
}

bool CQuelmoXML_ProFileExport(const char *path, const char *targetPath, const char *index, int)
{
    auto lock = XmlStore::instance().lock();
    XmlStore &store = XmlStore::instance();
    const QString source = QFileInfo(XmlStore::decodePath(path)).canonicalFilePath();
    if (!source.isEmpty() && source == QFileInfo(XmlStore::decodePath(targetPath)).canonicalFilePath())
        return false;
    pugi::xml_node p = profileNode(store.document(path), index);
    if (!p)
        return false;
    pugi::xml_document *target = store.document(targetPath, XmlStore::ForWrite);
    if (!target)
        return false;
    pugi::xml_node root = target->document_element();
    pugi::xml_node old = profileNode(target, index);
    pugi::xml_node copy = old ? root.insert_copy_after(p, old) : root.append_copy(p);
    if (old)
        root.remove_child(old);
    if (!copy)
        return false;
    return store.save(targetPath);
}

bool CQuelmoXML_ProFileImport(const char *path, const char *sourcePath, const char *sourceIndex)
{
    auto lock = XmlStore::instance().lock();
    if (!sourceIndex)
        return false;
    const auto source = XmlStore::loadUntrusted(sourcePath, XmlStore::kMaxImportBytes);
    if (!source)
        return false;
    pugi::xml_node p = profileNode(source.get(), sourceIndex);
    if (!p || !profileschema::isValidProfile(p))
        return false;
    pugi::xml_document *doc = XmlStore::instance().document(path, XmlStore::ForWrite);
    if (!doc)
        return false;
    // The imported profile takes the next free index after the highest one in use.
    int64_t highest = 0;
    for (pugi::xml_node q = doc->document_element().child(kProfile); q; q = q.next_sibling(kProfile))
        highest = std::max<int64_t>(highest, xmltext::parseInt(q.attribute(kIndex).value()).value_or(0));
    if (highest >= 9999999)
        return false;
    pugi::xml_node copy = doc->document_element().append_copy(p);
    copy.attribute(kIndex).set_value(static_cast<long long>(highest + 1));
    // A name longer than the record it is read back into is cut there, on a character boundary.
    const std::string name = xmltext::childText(copy, kName);
    const std::size_t fits = fixedtext::utf8PrefixLength(name, sizeof(ProfileNodeInfo::name) - 1);
    if (fits < name.size())
        xmltext::setChildText(copy, kName, name.substr(0, fits).c_str());
    return XmlStore::instance().save(path);
}
