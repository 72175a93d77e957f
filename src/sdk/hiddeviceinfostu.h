#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

// What the SDK reports about one attached device path.
struct HidDeviceInfoStu
{
    int32_t vendorId;
    int32_t productId;
    char hidPath[256];
    char hidManufacturer[64];
    char hidProduct[64];
    char modelKey[128]; // always a catalogue key
    char hidFirmware[128];
    int32_t interfaceNumber;
    int32_t linkType; // 0 cable, 1 receiver
};

static_assert(std::is_trivially_copyable_v<HidDeviceInfoStu> && std::is_standard_layout_v<HidDeviceInfoStu>,
              "HidDeviceInfoStu is copied as plain bytes");
static_assert(sizeof(HidDeviceInfoStu) == 656, "HidDeviceInfoStu layout is fixed");
static_assert(offsetof(HidDeviceInfoStu, productId) == 4);
static_assert(offsetof(HidDeviceInfoStu, hidPath) == 8);
static_assert(offsetof(HidDeviceInfoStu, hidManufacturer) == 264);
static_assert(offsetof(HidDeviceInfoStu, hidProduct) == 328);
static_assert(offsetof(HidDeviceInfoStu, modelKey) == 392);
static_assert(offsetof(HidDeviceInfoStu, hidFirmware) == 520);
static_assert(offsetof(HidDeviceInfoStu, interfaceNumber) == 648);
static_assert(offsetof(HidDeviceInfoStu, linkType) == 652);
