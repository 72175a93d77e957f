#pragma once

#include <cstddef>
#include <type_traits>

// Firmware identity of one attached device. The firmware check compares the controller, code and
// vendor texts and the model identifier with an image header, and the version with its version.
struct HidFirmwareInfoStu
{
    char controllerCode[64]; // firmwareIdText1
    char twoDigitCode[64];   // firmwareIdText2
    char deviceKindCode[64];
    char vendorCode[64]; // firmwareIdText3
    char modelIdentifier[64];
    char unused[64];
    char firmwareVersion[64]; // "V<major>.<minor>.<patch>"
    char buildText[64];
    char reserved[320];
};

static_assert(std::is_trivially_copyable_v<HidFirmwareInfoStu> &&
                  std::is_standard_layout_v<HidFirmwareInfoStu>,
              "HidFirmwareInfoStu is copied as plain bytes");
static_assert(sizeof(HidFirmwareInfoStu) == 832, "HidFirmwareInfoStu layout is fixed");
static_assert(offsetof(HidFirmwareInfoStu, twoDigitCode) == 64);
static_assert(offsetof(HidFirmwareInfoStu, deviceKindCode) == 128);
static_assert(offsetof(HidFirmwareInfoStu, vendorCode) == 192);
static_assert(offsetof(HidFirmwareInfoStu, modelIdentifier) == 256);
static_assert(offsetof(HidFirmwareInfoStu, firmwareVersion) == 384);
static_assert(offsetof(HidFirmwareInfoStu, buildText) == 448);
static_assert(offsetof(HidFirmwareInfoStu, reserved) == 512);
