#pragma once

#include <cstddef>
#include <cstdint>

// Geometry of one key cap or side-light segment at zoom 1.0, as the layout file gives it.
struct KeyPosInfoStu
{
    int32_t code;   // key: HID usage ("Dec"); side light: LED index ("Index")
    int32_t x;      // "PosX"
    int32_t y;      // "PosY"
    int32_t width;  // "Width"
    int32_t height; // "Height"
    int32_t kind;   // kKeyRecordKind or kSideLightRecordKind
    int32_t sidePosition;
};

static_assert(sizeof(KeyPosInfoStu) == 28, "seven 32-bit integers");

constexpr int32_t kKeyRecordKind = 999;
constexpr int32_t kSideLightRecordKind = 777;
constexpr int kKeyRows = 6;
constexpr int kKeyColumns = 22;
constexpr int kKeySlots = kKeyRows * kKeyColumns;
