#pragma once

#include "dkeyitempage.h"

#include <memory>

namespace Ui {
class DSeniorKeysBindingPage;
}

// The Senior Keys tab: binds the selected key to one of the advanced keys the advanced-keys dialog
// keeps. A key bound to an advanced key that is gone shows "(missing)" until the user picks another.
class DSeniorKeysBindingPage : public DKeyItemPage
{
    Q_OBJECT

public:
    explicit DSeniorKeysBindingPage(QWidget *parent = nullptr);
    ~DSeniorKeysBindingPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;

public slots:
    void onComboxActivated(int index);

private:
    void setTexts();

    std::unique_ptr<Ui::DSeniorKeysBindingPage> ui;
    int m_selectedIndex = 0;
};
