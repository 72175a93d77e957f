// Feeds arbitrary records to the download's translation and frame builders: key items, macro
// events and advanced-key records come from store files that something else may have changed, so
// their text fields may be unterminated, over-long or not numbers at all.
#include "downloadframes.h"

#include <QList>

#include <cstdint>
#include <cstring>

namespace {

template <typename T> bool take(const uint8_t *&data, size_t &size, T *out)
{
    if (size < sizeof(T))
        return false;
    std::memcpy(static_cast<void *>(out), data, sizeof(T));
    data += sizeof(T);
    size -= sizeof(T);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace downloadframes;
    int32_t keyCode = 0;
    uint8_t flags = 0;
    if (!take(data, size, &keyCode) || !take(data, size, &flags))
        return 0;
    KeyOperateInfo item;
    resetKeyOperateInfo(item);
    // Short type and sub fields reach every table row; the rest of the input fills whole records.
    std::memset(item.value, 0, sizeof item.value);
    if (size >= 3) {
        qsnprintf(item.type, sizeof item.type, "%d", static_cast<int8_t>(data[0]) % 48);
        qsnprintf(item.playMode, sizeof item.playMode, "%d", data[1] % 16);
        const size_t n = std::min<size_t>(data[2] % 24, size - 3);
        std::memcpy(item.value, data + 3, n);
        data += 3 + n;
        size -= 3 + n;
    }
    const bool magnetic = flags & 1;
    for (int slot = 0; slot < 2; ++slot) {
        const KeyEntry e = keyEntry(keyCode, item, slot, magnetic);
        (void)e;
    }
    (void)keyNeed(keyCode, item, magnetic);

    SeniorKeyInfoStu record;
    if (take(data, size, &record))
        (void)advancedKeyFrame(flags >> 1, &record);

    QList<MacroEventRecord> events;
    MacroEventRecord event;
    while (events.size() < 80 && take(data, size, &event))
        events.append(event);
    (void)macroFrames(flags >> 1, flags >> 4, flags, events);
    return 0;
}
