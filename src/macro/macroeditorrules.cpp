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

RemappedKey remapKey(int virtualKey, int scanCode, int flag, int hookFlag)
{
    const bool released = (hookFlag & 0x80) != 0;
    RemappedKey key{virtualKey, flag == 1};
    switch (virtualKey) {
    case 13:
        key = {(hookFlag & 0x01) ? 998 : 999, flag == 1};
        break;
    case 255:
        if (scanCode == 0x7D)
            key.code = 981;
        else if (scanCode == 0x79)
            key.code = 987;
        else if (scanCode == 0x70)
            key.code = 988;
        key.press = !released;
        break;
    case 193:
        key = {984, !released};
        break;
    case 235:
        key = {986, !released};
        break;
    default:
        break;
    }
    if (hookFlag == 0 || hookFlag == 0x80 || hookFlag == 0x20 || hookFlag == 0xA0) {
        static const int navigation[][2] = {{45, 96},  {35, 97},  {40, 98},  {34, 99},  {37, 100}, {12, 101},
                                            {39, 102}, {36, 103}, {38, 104}, {33, 105}, {46, 110}};
        for (const auto &n : navigation)
            if (key.code == n[0]) {
                key.code = n[1];
                break;
            }
    }
    return key;
}

int storedDelay(int mode, qint64 measured, const QString &defaultDelayText)
{
    qint64 delay = 0;
    if (mode == RecordedDelay)
        delay = measured;
    else if (mode == DefaultDelay)
        delay = defaultDelayText.toLongLong();
    return static_cast<int>(std::clamp<qint64>(delay, 0, kMacroMaxDelay));
}

bool pressFits(int shownRows, int heldPresses)
{
    return shownRows + heldPresses + 2 <= kMaxEventRows;
}

} // namespace macroeditor
