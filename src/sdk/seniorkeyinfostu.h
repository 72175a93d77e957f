#pragma once

#include <QMetaType>
#include <cstddef>
#include <cstdint>

// Advanced-key record (dynamic keystroke, mod-tap, toggle); crosses the store boundary by value.
struct SeniorKeyInfoStu
{
    int32_t index;
    char name[256];
    int32_t type; // 1 DKS, 2 MT, 3 TGL
    char K1[16];
    char K2[16];
    char K3[16];
    char K4[16];
    int32_t grid[16];  // slot * 4 + travel point
    int32_t stroke[4]; // travel points in 0.1 mm
    int32_t ValueTime; // MT hold time, ms
    int32_t tglFlag;
};

static_assert(sizeof(SeniorKeyInfoStu) == 416, "SeniorKeyInfoStu layout is fixed");
static_assert(offsetof(SeniorKeyInfoStu, name) == 4);
static_assert(offsetof(SeniorKeyInfoStu, type) == 260);
static_assert(offsetof(SeniorKeyInfoStu, K1) == 264);
static_assert(offsetof(SeniorKeyInfoStu, K4) == 312);
static_assert(offsetof(SeniorKeyInfoStu, grid) == 328);
static_assert(offsetof(SeniorKeyInfoStu, stroke) == 392);
static_assert(offsetof(SeniorKeyInfoStu, ValueTime) == 408);
static_assert(offsetof(SeniorKeyInfoStu, tglFlag) == 412);

enum SeniorKeyType
{
    SeniorKeyDKS = 1,
    SeniorKeyMT = 2,
    SeniorKeyTGL = 3
};
constexpr int kSeniorKeyMaxCount = 40;

Q_DECLARE_METATYPE(SeniorKeyInfoStu)
