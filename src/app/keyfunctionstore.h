#pragma once

#include "keyoperateinfo.h"
#include "macronode.h"
#include "seniorkeyinfostu.h"

#include <QString>
#include <vector>

// The profile-store reads behind key tips and key-function descriptions. The program uses the
// SDK's XML store (see keyfunctionstore.cpp); tests substitute their own.
class KeyFunctionStore
{
public:
    virtual ~KeyFunctionStore() = default;

    // Fills `info` with the key's item of the profile; leaves it untouched when there is none.
    virtual bool selectProFileKeyOperateInfo(const char *profilePath, const char *profileIndex,
                                             const char *keyCode, KeyOperateInfo *info) = 0;
    virtual bool selectMacroAllNodes(const char *macroPath, std::vector<MacroNode> &nodes) = 0;
    // The UTF-8 name of the profile whose index text is `profileIndex`; false when there is none.
    virtual bool selectProfileName(const char *profilePath, const char *profileIndex, QString &name) = 0;
    virtual bool selectAllSeniorKeys(const char *seniorKeyPath, std::vector<SeniorKeyInfoStu> &keys) = 0;
};

// The store the program uses when nobody substituted another one.
KeyFunctionStore &defaultKeyFunctionStore();
