#pragma once

#include "dkeyfunctionpage.h"
#include "keyfunctionitem.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QComboBox;

// A function page that gives one key one item: it keeps the key it was loaded for and the file
// the item lives in, and reports every write to the host the same way, success or failure.
class DKeyItemPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    using DKeyFunctionPage::DKeyFunctionPage;

protected:
    // Takes the selected key and the current layer (light press) from the data manager.
    void takeCurrentKey();
    void forgetKey();
    void setTarget(const keyfunctionitem::Target &target) { m_target = target; }

    // The loaded key's item; false when it has none (or no key is loaded).
    bool readItem(KeyOperateInfo &info) const;
    // Replaces the loaded key's item and tells the host: sigShoudUpdateKeyboard and
    // sigCustomKeyInfoSaveSuccessful on success, sigCustomKeyInfoSaveFailed(type, store error)
    // when the store refused. `alongside`, when given, makes further store changes that are
    // written together with the item, or not at all. Without a loaded key nothing happens and
    // false is returned.
    bool writeItem(int type, const QByteArray &value, int repeat = 1, int playMode = 1,
                   const std::function<bool()> &alongside = {});

    // The entry of `combo` whose data is the decimal text of `id`, or -1: entries are told apart
    // by id, never by their names, which may repeat.
    static int entryOfId(const QComboBox *combo, int id);

    int keyCode() const { return m_keyCode; }
    const QString &keyName() const { return m_keyName; }
    const keyfunctionitem::Target &target() const { return m_target; }

private:
    keyfunctionitem::Target m_target;
    int m_keyCode = -1;
    QString m_keyName;
};
