#pragma once

#include <QMetaType>
#include <cstddef>
#include <cstdint>

// One LED of a custom colour scheme; crosses the store boundary by value.
struct CustomLightItem
{
    char keyCode[16];  // decimal HID usage
    char codeName[64]; // key label, UTF-8
    int32_t indexX;    // key-matrix row 0..5
    int32_t indexY;    // key-matrix column 0..21
    int32_t colorR;
    int32_t colorG;
    int32_t colorB;
    int32_t transparentNum;
};

static_assert(sizeof(CustomLightItem) == 104, "CustomLightItem layout is fixed");
static_assert(offsetof(CustomLightItem, codeName) == 16);
static_assert(offsetof(CustomLightItem, indexX) == 80);
static_assert(offsetof(CustomLightItem, colorR) == 88);
static_assert(offsetof(CustomLightItem, transparentNum) == 100);

Q_DECLARE_METATYPE(CustomLightItem)
