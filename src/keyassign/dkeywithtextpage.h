#pragma once

#include "dkeyitempage.h"

#include <QString>

#include <memory>

namespace Ui {
class DKeyWithTextPage;
}

// The Text tab: OK gives the selected key a text that the computer pastes when the keyboard
// reports the key. The text is kept within what the stored value holds; an empty one is refused.
class DKeyWithTextPage : public DKeyItemPage
{
    Q_OBJECT

public:
    explicit DKeyWithTextPage(QWidget *parent = nullptr);
    ~DKeyWithTextPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;

public slots:
    void on_textEdit_keyText_textChanged();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();
    void onScrollSheetSet();

private:
    void setTexts();

    std::unique_ptr<Ui::DKeyWithTextPage> ui;
    QString m_text;
    QString m_scrollSheet;
};
