// Layout text of any shape must parse into a full 6 x 22 matrix or be refused, never crash.
#include "keylayout.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const std::optional<KeyLayout> layout = keylayout::parse(text);
    if (!layout)
        return 0;
    for (const auto &row : layout->keys)
        for (const KeyLayoutKey &key : row)
            if (key.pos.width < 0 || key.pos.height < 0 || key.pos.kind != kKeyRecordKind)
                std::abort();
    return 0;
}
