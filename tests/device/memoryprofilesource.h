#pragma once

#include "downloadprofilesource.h"
#include "fixedtext.h"

#include <QMap>

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
    QList<MacroEventRecord> macroEvents(const QByteArray &, const QByteArray &,
                                        const QByteArray &macroId) override
    {
        ++reads;
        return macros.value(macroId);
    }
    QList<SeniorKeyInfoStu> seniorKeys(const QByteArray &) override
    {
        ++reads;
        ++seniorReads;
        return senior;
    }

    static QByteArray fileName(const QByteArray &path) { return path.mid(path.lastIndexOf('/') + 1); }

    QMap<QByteArray, Layer> layers{{"appProfile_Default.xml", {}}, {"appProfile_FN.xml", {}}};
    QMap<QByteArray, QList<MacroEventRecord>> macros; // macro id -> events
    QList<SeniorKeyInfoStu> senior;
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
