#pragma once

#include "cquelmoxml.h"
#include "downloadprofilesource.h"
#include "fixedtext.h"

#include <QFile>
#include <QMap>
#include <QSet>

// Profile reads served from memory, keyed by the layer file's name.
class MemoryProfileSource : public DownloadProfileSource
{
public:
    struct Layer
    {
        int index = 1;
        QMap<int, KeyOperateInfo> items; // key code -> item
    };

    int profileIndex(const QByteArray &path) override
    {
        ++reads;
        const auto it = layers.constFind(fileName(path));
        return it == layers.constEnd() ? -1 : it->index;
    }
    bool keyItem(const QByteArray &path, const QByteArray &index, const QByteArray &keyCode,
                 KeyOperateInfo *info) override
    {
        ++reads;
        const auto layer = layers.constFind(fileName(path));
        if (layer == layers.constEnd() || QByteArray::number(layer->index) != index)
            return false;
        const auto item = layer->items.constFind(keyCode.toInt());
        if (item == layer->items.constEnd())
            return false;
        *info = *item;
        return true;
    }
    bool macroEvents(const QByteArray &path, const QByteArray &, const QByteArray &macroId,
                     QList<MacroEventRecord> *events) override
    {
        ++reads;
        *events = macros.value(macroId);
        return !unreadable.contains(fileName(path));
    }
    bool seniorKeys(const QByteArray &path, QList<SeniorKeyInfoStu> *records) override
    {
        ++reads;
        ++seniorReads;
        *records = senior;
        return !unreadable.contains(fileName(path));
    }

    static QByteArray fileName(const QByteArray &path) { return path.mid(path.lastIndexOf('/') + 1); }

    QMap<QByteArray, Layer> layers{{"appProfile_Default.xml", {}}, {"appProfile_FN.xml", {}}};
    QMap<QByteArray, QList<MacroEventRecord>> macros; // macro id -> events
    QList<SeniorKeyInfoStu> senior;
    QSet<QByteArray> unreadable; // file names whose reads fail
    int reads = 0;
    int seniorReads = 0;
};

inline KeyOperateInfo makeItem(int type, const char *value, int sub = 0, int repeat = 1)
{
    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    fixedtext::copy(info.type, QByteArray::number(type).constData());
    fixedtext::copy(info.value, value);
    fixedtext::copy(info.playMode, QByteArray::number(sub).constData());
    fixedtext::copy(info.repeat, QByteArray::number(repeat).constData());
    return info;
}

inline MacroEventRecord makeEvent(const char *type, int code, bool down, int delay)
{
    MacroEventRecord e{};
    fixedtext::copy(e.type, type);
    fixedtext::copy(e.keyCode, QByteArray::number(code).constData());
    fixedtext::copy(e.operateExplain, down ? "down" : "up");
    fixedtext::copy(e.delay, QByteArray::number(delay).constData());
    return e;
}

// Writes the layers, their bound macros and the advanced keys into store files under `dir`.
inline bool writeProfileStore(const MemoryProfileSource &source, const QString &dir, QByteArray *seniorPath,
                              QList<QByteArray> *files)
{
    for (auto layer = source.layers.cbegin(); layer != source.layers.cend(); ++layer) {
        const QByteArray path = QFile::encodeName(dir + QLatin1Char('/') + QString::fromLatin1(layer.key()));
        const QByteArray index = QByteArray::number(layer->index);
        if (!CQuelmoXML_CreateXMLFile(path.constData()) ||
            !CQuelmoXML_CreateProFileXmlParentNode(path.constData(), index.constData(), "Profile", 0) ||
            !CQuelmoXML_ModifyXMLFileProfileIndex(path.constData(), layer->index))
            return false;
        QSet<QByteArray> bound;
        for (auto it = layer->items.cbegin(); it != layer->items.cend(); ++it) {
            const KeyOperateInfo &i = it.value();
            if (!CQuelmoXML_AddProFileMacroWithKeyInfoItem(path.constData(), index.constData(),
                                                           QByteArray::number(it.key()).constData(), "Key",
                                                           i.type, i.repeat, i.playMode, i.value))
                return false;
            if (QByteArray(i.type) == "1" && !bound.contains(i.value)) {
                bound.insert(i.value);
                if (!CQuelmoXML_AddProFileBindMacroItem(path.constData(), index.constData(),
                                                        source.macros.value(i.value), i.value, "Macro")) {
                    return false;
                }
            }
        }
        files->append(path);
    }
    *seniorPath = QFile::encodeName(dir + QStringLiteral("/SeniorKeyConfig.xml"));
    if (!CQuelmoXML_SeniorKey_CreateXMLFile(seniorPath->constData()) ||
        !CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(seniorPath->constData()))
        return false;
    for (SeniorKeyInfoStu r : source.senior) {
        fixedtext::copy(r.name, QByteArray("Key") + QByteArray::number(r.index));
        if (!CQuelmoXML_SeniorKey_AddInfoItem(seniorPath->constData(), r.type, r))
            return false;
    }
    files->append(*seniorPath);
    return true;
}
