#pragma once

#include "dkeycapturepage.h"

#include <QStringList>

#include <memory>

namespace Ui {
class DKeyCombinationPage;
}

// The Key Combination page: the selected key sends one ordinary key with one or two modifiers. The
// keys are picked on the virtual keyboard or pressed while the pop-up is open; the combination is
// written the moment an ordinary key completes it.
class DKeyCombinationPage : public DKeyCapturePage
{
    Q_OBJECT

public:
    explicit DKeyCombinationPage(QWidget *parent = nullptr);
    ~DKeyCombinationPage() override;

    void retranslate() override;
    void takeCapturedKey(int hidUsage) override;
    void saveKeyInfo();

public slots:
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override;

protected:
    bool showStoredItem(const KeyOperateInfo &info) override;
    void clearShownItem() override;
    void popupShownChanged(bool shown) override;

private:
    void setTexts();
    // Appends a token or label once and shows the keys chosen so far.
    void addKeyText(const QString &text);

    std::unique_ptr<Ui::DKeyCombinationPage> ui;
    // Idle (false) or collecting the modifiers of an entry (true); loads leave it as it is.
    bool m_entryInProgress = false;
    QStringList m_chosenKeys;
    int m_modifierMask = 0;
    int m_keyUsage = 0;
};
