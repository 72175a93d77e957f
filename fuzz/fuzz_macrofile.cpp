// The macro exchange-file reader: any bytes are either refused or give events that fit their
// fields, pair up and stay within the event cap; a refused file yields no events.
#include "fixedtext.h"
#include "macrofile.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const macrofile::ParseResult result = macrofile::parse(text);
    if (!result.ok) {
        if (!result.events.isEmpty() || result.error.isEmpty())
            std::abort();
        return 0;
    }
    if (result.events.size() > macrofile::kMaxEvents || result.events.size() % 2 != 0)
        std::abort();
    for (const MacroEventRecord &r : result.events) {
        const std::string_view type = fixedtext::view(r.type);
        const std::string_view side = fixedtext::view(r.operateExplain);
        if ((type != "key" && type != "mouse") || (side != "down" && side != "up"))
            std::abort();
        if (fixedtext::view(r.codeName).size() >= sizeof r.codeName || fixedtext::view(r.mark).empty())
            std::abort();
    }
    // What was read writes back and reads again to the same events.
    const macrofile::ParseResult again =
        macrofile::parse(macrofile::write(QStringLiteral("1"), QStringLiteral("M"), result.events));
    if (!again.ok || again.events.size() != result.events.size())
        std::abort();
    return 0;
}
