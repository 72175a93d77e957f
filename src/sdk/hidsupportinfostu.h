#pragma once

#include <QMetaType>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// One supported vendor/product ID pair. Device-change handling matches the two texts, case
// ignored, against interface paths, so they are four upper-case hex digits.
struct HidSupportInfoStu
{
    char modelKey[128];
    char vendorId[16];
    char productId[16];
    int32_t linkType; // 0 cable, 1 receiver
};

static_assert(std::is_trivially_copyable_v<HidSupportInfoStu> && std::is_standard_layout_v<HidSupportInfoStu>,
              "HidSupportInfoStu is copied as plain bytes");
static_assert(sizeof(HidSupportInfoStu) == 164, "HidSupportInfoStu layout is fixed");
static_assert(offsetof(HidSupportInfoStu, vendorId) == 128);
static_assert(offsetof(HidSupportInfoStu, productId) == 144);
static_assert(offsetof(HidSupportInfoStu, linkType) == 160);

Q_DECLARE_METATYPE(HidSupportInfoStu)
