#pragma once

#include <QPushButton>
#include <QString>

// One tile of the all-keys picker: a key's HID usage and label, the label shown as its text.
// It has no look of its own; the picker's host styles it.
class DAllKeysItemKey : public QPushButton
{
    Q_OBJECT

public:
    DAllKeysItemKey();

    void setKeyInfo(int keyDec, const QString &keyCharacter);
    int keyDec() const { return m_keyDec; }
    QString keyCharacter() const { return m_keyCharacter; }

private:
    int m_keyDec = 0;
    QString m_keyCharacter;
};
