#include "seniorkeyrecord.h"

#include "fixedtext.h"

#include <QStringList>

#include <algorithm>
#include <cstring>

namespace seniorkey {

QString namePrefix(int type)
{
    switch (type) {
    case SeniorKeyDKS:
        return QStringLiteral("DKS");
    case SeniorKeyMT:
        return QStringLiteral("MT");
    case SeniorKeyTGL:
        return QStringLiteral("TGL");
    default:
        return QString();
    }
}

SeniorKeyInfoStu defaultRecord(int index, int type)
{
    SeniorKeyInfoStu r;
    std::memset(&r, 0, sizeof r);
    r.index = index;
    r.type = type;
    fixedtext::copy(r.name, (namePrefix(type) + QString::number(index)).toLatin1());
    r.stroke[0] = 15;
    r.stroke[1] = 36;
    r.stroke[2] = 36;
    r.stroke[3] = 15;
    r.ValueTime = 150;
    return r;
}

int nextIndex(const QList<SeniorKeyInfoStu> &records, const QSet<int> &boundIndexes)
{
    if (records.size() >= kSeniorKeyMaxCount)
        return kNoIndex;
    int highest = 0;
    for (const SeniorKeyInfoStu &r : records)
        highest = std::max(highest, r.index);
    for (int bound : boundIndexes)
        highest = std::max(highest, bound);
    return highest + 1;
}

QString fieldText(const char *field, int capacity)
{
    return QString::fromUtf8(field, int(qstrnlen(field, uint(capacity))));
}

QString modifierName(int bit)
{
    static const char *const names[8] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN",
                                         "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
    return bit >= 0 && bit < 8 ? QString::fromLatin1(names[bit]) : QString();
}

QString boundKeyText(const QString &text, const QMap<int, QString> &keyNameMap)
{
    const int comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return keyNameMap.value(text.toInt());
    const QStringList fields = text.split(QLatin1Char(','));
    const int mask = fields.value(0).toInt();
    const int usage = fields.value(1).toInt();
    QStringList parts;
    for (int bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            parts << modifierName(bit);
    }
    if (keyNameMap.contains(usage))
        parts << keyNameMap.value(usage);
    return parts.join(QLatin1Char('+'));
}

} // namespace seniorkey
