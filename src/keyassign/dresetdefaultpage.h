#pragma once

#include "dkeyfunctionpage.h"
#include "keyfunctionitem.h"

#include <QString>

#include <memory>

namespace Ui {
class DResetDefaultPage;
}

class QButtonGroup;

// The Default tab, and the host's resting page: OK gives the selected key back its own function by
// removing its item from the layer file or, on a magnetic keyboard with Heavy Press chosen, from
// the heavy-press file. A macro copy goes with the last key bound to it.
class DResetDefaultPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DResetDefaultPage(QWidget *parent = nullptr);
    ~DResetDefaultPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;
    void clearKeyInfo() override;
    // Hides the selector for good, whatever is asked: the host keeps it hidden.
    void setPressModeSelectorVisible(bool visible) override;

public slots:
    void onCurIndexChanged_ModeSel(int selIndex);
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void setTexts();
    void saveKeyInfo();
    bool removeItem();

    std::unique_ptr<Ui::DResetDefaultPage> ui;
    QButtonGroup *m_pressGroup = nullptr;
    keyfunctionitem::Target m_target;
    int m_keyCode = -1;
    QString m_keyName;
    bool m_selectorInUse = true;
};
