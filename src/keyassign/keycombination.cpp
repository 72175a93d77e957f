#include "keycombination.h"

#include <QList>

namespace keycombination {

namespace {
constexpr int kFirstModifier = 224;
constexpr int kLastModifier = 231;
const char *const kTokens[] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN", "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};
} // namespace

int modifierBit(int hidUsage)
{
    if (hidUsage < kFirstModifier || hidUsage > kLastModifier)
        return 0;
    return 1 << (hidUsage - kFirstModifier);
}

QString tokenOfBit(int bit)
{
    for (int i = 0; i < 8; ++i) {
        if (bit == (1 << i))
            return QLatin1String(kTokens[i]);
    }
    return {};
}

QStringList modifierTokens(int mask)
{
    QStringList tokens;
    if (mask <= 0)
        return tokens;
    for (int i = 0; i < 8; ++i) {
        if (mask & (1 << i))
            tokens.append(QLatin1String(kTokens[i]));
    }
    return tokens;
}

QByteArray encode(const Combination &combination)
{
    return QByteArray::number(combination.mask) + ',' + QByteArray::number(combination.usage);
}

std::optional<Combination> decode(const QByteArray &value)
{
    const QList<QByteArray> fields = value.split(',');
    if (fields.size() != 2)
        return std::nullopt;
    bool maskOk = false;
    bool usageOk = false;
    Combination combination;
    combination.mask = fields.at(0).toInt(&maskOk);
    combination.usage = fields.at(1).toInt(&usageOk);
    if (!maskOk || !usageOk)
        return std::nullopt;
    return combination;
}

} // namespace keycombination
