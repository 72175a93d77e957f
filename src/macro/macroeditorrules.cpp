#include "macroeditorrules.h"

#include "fixedtext.h"

#include <QStringList>
#include <algorithm>

namespace macroeditor {

namespace {

QString ascii(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

} // namespace

MacroEvent decodeEvent(const MacroEventRecord &record)
{
    MacroEvent event;
    event.mark = ascii(fixedtext::view(record.mark));
    event.delay = ascii(fixedtext::view(record.delay)).toInt();
    event.type = ascii(fixedtext::view(record.type));
    event.keyCode = ascii(fixedtext::view(record.keyCode)).toInt();
    const std::string_view name = fixedtext::view(record.codeName);
    event.codeName = QString::fromUtf8(name.data(), static_cast<int>(name.size()));
    event.operateExplain = ascii(fixedtext::view(record.operateExplain));
    return event;
}

QColor themeColor(const QString &entry, int alpha)
{
    const QStringList fields = entry.split(QLatin1Char(','));
    const auto component = [&fields](int i) {
        return i < fields.size() ? std::clamp(fields.at(i).trimmed().toInt(), 0, 255) : 0;
    };
    return QColor(component(0), component(1), component(2), alpha);
}

ColumnCaps columnCaps(int contentsWidth)
{
    const int q = std::max(0, contentsWidth) / 10;
    return ColumnCaps{q * 3, q * 4, q * 3};
}

int nextMarkAfter(const QList<MacroEventRecord> &events)
{
    if (events.isEmpty())
        return 0;
    int highest = 0;
    bool any = false;
    for (const MacroEventRecord &record : events) {
        const int mark = ascii(fixedtext::view(record.mark)).toInt();
        highest = any ? std::max(highest, mark) : mark;
        any = true;
    }
    return highest + 1;
}

int downCount(const QList<MacroEventRecord> &events)
{
    return static_cast<int>(std::count_if(events.begin(), events.end(), [](const MacroEventRecord &r) {
        return fixedtext::view(r.operateExplain) == "down";
    }));
}

} // namespace macroeditor
