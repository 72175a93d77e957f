#pragma once

#include "fixedtext.h"
#include "keyfunctionstore.h"

#include <QMap>
#include <map>
#include <string>

// In-memory store: key items by key code, macros, profiles and advanced keys; counts the reads.
class FakeKeyFunctionStore : public KeyFunctionStore
{
public:
    bool selectProFileKeyOperateInfo(const char *, const char *, const char *keyCode,
                                     KeyOperateInfo *info) override
    {
        ++keyReads;
        const auto it = items.find(keyCode);
        if (it == items.end())
            return false;
        *info = it->second;
        return true;
    }
    bool selectMacroAllNodes(const char *, std::vector<MacroNode> &nodes) override
    {
        nodes = macros;
        return true;
    }
    bool selectProfileName(const char *, const char *index, QString &name) override
    {
        if (!profiles.contains(QString::fromUtf8(index)))
            return false;
        name = profiles.value(QString::fromUtf8(index));
        return true;
    }
    bool selectAllSeniorKeys(const char *, std::vector<SeniorKeyInfoStu> &keys) override
    {
        if (!seniorReadable)
            return false;
        keys = seniorKeys;
        return true;
    }

    static KeyOperateInfo item(int keyCode, const char *type, const char *value, const char *sub = "0")
    {
        KeyOperateInfo info;
        resetKeyOperateInfo(info);
        fixedtext::copy(info.keyCode, std::to_string(keyCode));
        fixedtext::copy(info.type, type);
        fixedtext::copy(info.value, value);
        fixedtext::copy(info.playMode, sub);
        return info;
    }
    void assign(int keyCode, const char *type, const char *value, const char *sub = "0")
    {
        items[std::to_string(keyCode)] = item(keyCode, type, value, sub);
    }

    std::map<std::string, KeyOperateInfo> items;
    std::vector<MacroNode> macros;
    QMap<QString, QString> profiles;
    std::vector<SeniorKeyInfoStu> seniorKeys;
    bool seniorReadable = true;
    int keyReads = 0;
};
