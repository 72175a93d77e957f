#include "profileoperations.h"

#include "cquelmoxml.h"
#include "customlightdefaults.h"
#include "storetransaction.h"

#include <QLoggingCategory>

#include <string>

namespace {
Q_LOGGING_CATEGORY(lcProfileOps, "tidelumen.device.profiles")

QByteArray indexText(int index)
{
    return QByteArray::number(index);
}

void addDefaults(const char *path, int index, const ProfileOperations::Defaults &d)
{
    CustomLightDefaults::addDefaultLightConfig(path, index, d.synchronise);
    CustomLightDefaults::addDefaultCustomLights(path, index, d.keyCount, d.modelKey);
}

} // namespace

bool ProfileOperations::create(const char *path, int index, const QByteArray &name, const Defaults &defaults)
{
    StoreTransaction transaction;
    if (!CQuelmoXML_CreateProFileXmlParentNode(path, indexText(index).constData(), name.constData(), 0))
        return false;
    addDefaults(path, index, defaults);
    return transaction.commit();
}

bool ProfileOperations::remove(const char *path, int index, int *newCurrent)
{
    StoreTransaction transaction;
    ProfileNodeList nodes;
    if (!CQuelmoXML_SelectProFileAllNodes(path, &nodes) || nodes.size() <= 1)
        return false;
    if (!CQuelmoXML_DeleteProFileSelectedNode(path, indexText(index).constData()))
        return false;
    nodes.clear();
    if (!CQuelmoXML_SelectProFileAllNodes(path, &nodes) || nodes.empty())
        return false;
    const int first = QByteArray::fromStdString(nodes.front().first).toInt();
    if (!CQuelmoXML_ModifyXMLFileProfileIndex(path, first) || !transaction.commit())
        return false;
    if (newCurrent)
        *newCurrent = first;
    return true;
}

bool ProfileOperations::rename(const char *path, int index, const QByteArray &name)
{
    return CQuelmoXML_ModifyProfileNodeInfo(path, indexText(index).constData(), name.constData());
}

bool ProfileOperations::import(const char *path, const char *sourcePath, const char *sourceIndex,
                               const Defaults &defaults)
{
    StoreTransaction transaction;
    ProfileNodeList before;
    if (!CQuelmoXML_SelectProFileAllNodes(path, &before) ||
        !CQuelmoXML_ProFileImport(path, sourcePath, sourceIndex))
        return false;
    ProfileNodeList after;
    if (CQuelmoXML_SelectProFileAllNodes(path, &after) && !after.empty())
        completeProfile(path, QByteArray::fromStdString(after.back().first).toInt(), defaults);
    return transaction.commit();
}

bool ProfileOperations::restore(const char *path, int index, const Defaults &defaults)
{
    StoreTransaction transaction;
    const QByteArray text = indexText(index);
    ProfileNodeInfo info{};
    if (!CQuelmoXML_SelectProfileNodeInfo(path, text.constData(), &info) ||
        !CQuelmoXML_DeleteProFileSelectedNode(path, text.constData()) ||
        !CQuelmoXML_CreateProFileXmlParentNode(path, text.constData(), info.name, 0))
        return false;
    addDefaults(path, index, defaults);
    return transaction.commit();
}

bool ProfileOperations::completeProfile(const char *path, int index, const Defaults &defaults)
{
    const QByteArray text = indexText(index);
    bool added = false;
    for (int target = 0; target < 3; ++target) {
        if (!CustomLightDefaults::hasDefaultLightItem(path, index, target)) {
            CustomLightDefaults::addDefaultLightItem(path, index, target);
            added = true;
        }
    }
    QList<CustomLightNode> schemes;
    CQuelmoXML_SelectProFileCustomLightAllNodes(path, text.constData(), &schemes);
    for (int scheme = 0; scheme < CustomLightDefaults::kSchemeCount; ++scheme) {
        const QByteArray schemeText = QByteArray::number(scheme);
        bool found = false;
        for (const CustomLightNode &node : qAsConst(schemes))
            found = found || schemeText == node.index;
        if (!found) {
            CustomLightDefaults::addDefaultScheme(path, index, scheme, defaults.keyCount, defaults.modelKey);
            added = true;
        }
    }
    return added;
}

int ProfileOperations::completeProfiles(const char *path, const Defaults &defaults)
{
    StoreTransaction transaction;
    ProfileNodeList nodes;
    if (!CQuelmoXML_SelectProFileAllNodes(path, &nodes))
        return -1;
    int completed = 0;
    for (const auto &node : nodes) {
        const int index = QByteArray::fromStdString(node.first).toInt();
        if (completeProfile(path, index, defaults)) {
            qCWarning(lcProfileOps, "Profile %d in %s lacked default light items; added", index, path);
            ++completed;
        }
    }
    if (!transaction.commit())
        return -1;
    return completed;
}
