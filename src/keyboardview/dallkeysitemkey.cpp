#include "dallkeysitemkey.h"

DAllKeysItemKey::DAllKeysItemKey() : QPushButton(nullptr)
{
    setMinimumSize(30, 30);
}

void DAllKeysItemKey::setKeyInfo(int keyDec, const QString &keyCharacter)
{
    m_keyDec = keyDec;
    m_keyCharacter = keyCharacter;
    // A label such as "7&" must not turn into a mnemonic.
    setText(QString(keyCharacter).replace(QLatin1Char('&'), QLatin1String("&&")));
}
