#pragma once

#include <QMetaType>
#include <cstddef>
#include <cstdint>

// One custom colour scheme of a profile as the scheme list reads it (without its LEDs).
struct CustomLightNode
{
    char index[16];
    char name[64];          // UTF-8
    char usingStatus[16];   // "Using" or "UnUsing"
    int32_t usingFlagIndex; // keyboard custom slot, -1 when not in use
};

static_assert(sizeof(CustomLightNode) == 100, "CustomLightNode layout is fixed");
static_assert(offsetof(CustomLightNode, name) == 16);
static_assert(offsetof(CustomLightNode, usingStatus) == 80);
static_assert(offsetof(CustomLightNode, usingFlagIndex) == 96);

Q_DECLARE_METATYPE(CustomLightNode)
