#pragma once

#include <QMetaType>
#include <cstddef>

// Read-back record of one key's function item. Callers pre-fill "-1"; a lookup that finds nothing
// leaves the pre-fill in place, so keyCode doubles as the presence mark.
struct KeyOperateInfo
{
    char keyCode[16];
    char keyName[64];
    char type[8];
    char repeat[8];
    char playMode[8];
    char value[5120];
};

static_assert(sizeof(KeyOperateInfo) == 5224, "KeyOperateInfo crosses the store boundary by value");
static_assert(offsetof(KeyOperateInfo, keyName) == 16);
static_assert(offsetof(KeyOperateInfo, type) == 80);
static_assert(offsetof(KeyOperateInfo, repeat) == 88);
static_assert(offsetof(KeyOperateInfo, playMode) == 96);
static_assert(offsetof(KeyOperateInfo, value) == 104);

// Fills every field with "-1", the "absent" mark the store leaves untouched on a miss.
void resetKeyOperateInfo(KeyOperateInfo &info);

// Item types stored in the type field.
enum KeyOperateType
{
    KeyOperateRemap = 0,
    KeyOperateMacro = 1,
    KeyOperateCombination = 2,
    KeyOperateMultimedia = 3,
    KeyOperateMouse = 4,
    KeyOperateDisable = 5,
    KeyOperateText = 6,
    KeyOperateSwitchProfile = 7,
    KeyOperateLaunchApp = 8,
    KeyOperateShortcut = 9,
    KeyOperateDefault = 10,
    KeyOperateKeyConfig = 19,
    KeyOperateKeyboardLightFirst = 20,
    KeyOperateKeyboardLightLast = 27,
    KeyOperateSideLightFirst = 30,
    KeyOperateSideLightLast = 34,
    KeyOperateSeniorKey = 40,
};

Q_DECLARE_METATYPE(KeyOperateInfo)
