#pragma once

#include <QMetaType>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// Catalogue value of one supported model, as the device list reads it.
struct HidInfoStu
{
    char deviceClass[128]; // "keyboard"
    int32_t sdkValue[4];   // carried unchanged, never interpreted
    char modelKey[128];
    int32_t keyCount;
    char productName[128];
    char deviceName[128];
};

static_assert(std::is_trivially_copyable_v<HidInfoStu> && std::is_standard_layout_v<HidInfoStu>,
              "HidInfoStu is copied as plain bytes");
static_assert(sizeof(HidInfoStu) == 532 && sizeof(HidInfoStu) == 133 * sizeof(int32_t),
              "HidInfoStu is 133 int32 words");
static_assert(offsetof(HidInfoStu, sdkValue) == 128);
static_assert(offsetof(HidInfoStu, modelKey) == 144);
static_assert(offsetof(HidInfoStu, keyCount) == 272);
static_assert(offsetof(HidInfoStu, productName) == 276);
static_assert(offsetof(HidInfoStu, deviceName) == 404);

Q_DECLARE_METATYPE(HidInfoStu)
