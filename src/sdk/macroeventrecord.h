#pragma once

#include <QMetaType>
#include <cstddef>

// One macro event as the macro store keeps it: six NUL-terminated texts.
struct MacroEventRecord
{
    char mark[64];
    char delay[16];
    char type[16]; // "key" or "mouse"
    char keyCode[16];
    char codeName[64];
    char operateExplain[64]; // "down" or "up"
};

static_assert(sizeof(MacroEventRecord) == 240, "MacroEventRecord layout is fixed");
static_assert(offsetof(MacroEventRecord, delay) == 64);
static_assert(offsetof(MacroEventRecord, type) == 80);
static_assert(offsetof(MacroEventRecord, keyCode) == 96);
static_assert(offsetof(MacroEventRecord, codeName) == 112);
static_assert(offsetof(MacroEventRecord, operateExplain) == 176);

constexpr int kMacroMaxDelay = 65535;

Q_DECLARE_METATYPE(MacroEventRecord)
