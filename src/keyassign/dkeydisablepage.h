#pragma once

#include "dkeyitempage.h"

#include <memory>

namespace Ui {
class DKeyDisablePage;
}

// The Disable tab: OK gives the selected key an item of type 5, so that it does nothing at all;
// Cancel goes back to the Default tab without writing.
class DKeyDisablePage : public DKeyItemPage
{
    Q_OBJECT

public:
    explicit DKeyDisablePage(QWidget *parent = nullptr);
    ~DKeyDisablePage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;

public slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void setTexts();

    std::unique_ptr<Ui::DKeyDisablePage> ui;
};
