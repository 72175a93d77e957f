#include "dkeyitempage.h"

#include "ddatamanager.h"
#include "storetransaction.h"

#include <QComboBox>

void DKeyItemPage::takeCurrentKey()
{
    const DDataManager *dm = DDataManager::getInstance();
    m_keyCode = dm->currentKeyCode();
    m_keyName = dm->currentKeyName();
    m_target = keyfunctionitem::lightPressTarget();
}

void DKeyItemPage::forgetKey()
{
    m_keyCode = -1;
    m_keyName.clear();
}

bool DKeyItemPage::readItem(KeyOperateInfo &info) const
{
    if (m_keyCode == -1)
        return false;
    return keyfunctionitem::read(m_target, m_keyCode, info);
}

bool DKeyItemPage::writeItem(int type, const QByteArray &value, int repeat, int playMode,
                             const std::function<bool()> &alongside)
{
    if (m_keyCode == -1)
        return false;
    StoreTransaction transaction;
    if ((alongside && !alongside()) ||
        !keyfunctionitem::save(m_target, m_keyCode, m_keyName, type, repeat, playMode, value) ||
        !transaction.commit()) {
        emit sigCustomKeyInfoSaveFailed(type, kSaveErrorStore);
        return false;
    }
    emit sigShoudUpdateKeyboard(m_keyCode);
    emit sigCustomKeyInfoSaveSuccessful();
    return true;
}

int DKeyItemPage::entryOfId(const QComboBox *combo, int id)
{
    for (int i = 0; i < combo->count(); ++i) {
        bool ok = false;
        if (combo->itemData(i).toString().toInt(&ok) == id && ok)
            return i;
    }
    return -1;
}
