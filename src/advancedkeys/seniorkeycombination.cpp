#include "seniorkeycombination.h"

#include "seniorkeyrecord.h"

int SeniorKeyCombination::modifierBit(int usage)
{
    return usage >= 224 && usage <= 231 ? 1 << (usage - 224) : 0;
}

void SeniorKeyCombination::reset()
{
    *this = SeniorKeyCombination();
}

void SeniorKeyCombination::appendPart(const QString &name)
{
    if (!m_parts.contains(name))
        m_parts << name;
    m_shown = m_parts.join(QLatin1Char('+'));
}

SeniorKeyCombination::Step SeniorKeyCombination::add(int usage, const QMap<int, QString> &keyNameMap)
{
    if (!m_active) {
        reset();
        m_active = true;
    }
    m_stored.clear();
    const int bit = modifierBit(usage);
    if (bit == 0) {
        // A combination begins with a modifier.
        if (m_parts.isEmpty())
            return Step::Ignored;
        m_active = false;
        if (!keyNameMap.contains(usage))
            return Step::Abandoned;
        m_key = usage;
        appendPart(keyNameMap.value(usage));
        m_parts.clear();
        m_stored = QString::number(m_mask) + QLatin1Char(',') + QString::number(m_key);
        m_mask = 0;
        m_key = 0;
        return Step::Completed;
    }
    if (m_parts.size() >= 2 || (m_mask & bit))
        return Step::Ignored;
    m_mask |= bit;
    int index = 0;
    while ((1 << index) != bit)
        ++index;
    appendPart(seniorkey::modifierName(index));
    return Step::Grown;
}
