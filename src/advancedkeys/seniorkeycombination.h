#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Builds a key combination for an advanced key's slot from clicked keys: one or two distinct
// modifiers, then one key that is not a modifier. The slot shows the parts as they grow; the
// stored text is the modifier mask and the key's usage, "3,4" for L_CTRL+L_SHIFT+A.
class SeniorKeyCombination
{
public:
    enum class Step
    {
        Ignored,   // the click changed nothing
        Grown,     // a modifier was added; shownText() has grown
        Completed, // the key ended the combination; storedText() is ready to be written
        Abandoned, // the key is unknown: nothing is stored and the next click starts anew
    };

    // The modifier-mask bit of a usage (224 left Ctrl gives 1 ... 231 right Win gives 128), 0 for
    // any other key.
    static int modifierBit(int usage);

    Step add(int usage, const QMap<int, QString> &keyNameMap);
    void reset();

    bool isActive() const { return m_active; }
    // The parts so far joined by "+"; after Completed the whole combination.
    QString shownText() const { return m_shown; }
    // "mask,usage" after Completed; empty otherwise.
    QString storedText() const { return m_stored; }

private:
    void appendPart(const QString &name);

    bool m_active = false;
    QStringList m_parts;
    int m_mask = 0;
    int m_key = 0;
    QString m_shown;
    QString m_stored;
};
