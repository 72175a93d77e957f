#pragma once

#include <QMetaType>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// The device page's record of one keyboard, copied by value into signals, cards, the keyboard
// link, the light engine and the firmware update.
struct hidStructInfoAll
{
    char deviceClass[64];
    char hidPath[256]; // empty for an offline catalogue entry; the model key after removal
    char modelKey[128];
    char productName[128];
    char deviceName[128];
    char firmwareVersion[64];
    char firmwareIdText1[128];
    char firmwareIdText2[64];
    char firmwareIdText3[64];
    int32_t online;   // 1 reachable, 0 offline
    int32_t linkType; // 0 cable, non-zero receiver
    int32_t sdkValue1;
    int32_t sdkValue2;
    int32_t sdkValue3;
    int32_t sdkValue4;
    int32_t keyCount;
    char newFirmwareVersion[64];
};

static_assert(std::is_trivially_copyable_v<hidStructInfoAll> && std::is_standard_layout_v<hidStructInfoAll>,
              "hidStructInfoAll is copied as plain bytes");
static_assert(sizeof(hidStructInfoAll) == 1116, "hidStructInfoAll is copied by value; its layout is fixed");
static_assert(offsetof(hidStructInfoAll, hidPath) == 64);
static_assert(offsetof(hidStructInfoAll, modelKey) == 320);
static_assert(offsetof(hidStructInfoAll, productName) == 448);
static_assert(offsetof(hidStructInfoAll, deviceName) == 576);
static_assert(offsetof(hidStructInfoAll, firmwareVersion) == 704);
static_assert(offsetof(hidStructInfoAll, firmwareIdText1) == 768);
static_assert(offsetof(hidStructInfoAll, firmwareIdText2) == 896);
static_assert(offsetof(hidStructInfoAll, firmwareIdText3) == 960);
static_assert(offsetof(hidStructInfoAll, online) == 1024);
static_assert(offsetof(hidStructInfoAll, linkType) == 1028);
static_assert(offsetof(hidStructInfoAll, sdkValue1) == 1032);
static_assert(offsetof(hidStructInfoAll, sdkValue4) == 1044);
static_assert(offsetof(hidStructInfoAll, keyCount) == 1048);
static_assert(offsetof(hidStructInfoAll, newFirmwareVersion) == 1052);

Q_DECLARE_METATYPE(hidStructInfoAll)
