#pragma once

#include "dkeyitempage.h"

#include <QString>

#include <memory>

namespace Ui {
class DKeyWithAppPage;
}

// The Launch Application tab: the file chosen in a file dialog becomes the selected key's item at
// once; the computer starts it when the keyboard reports the key. The path box only shows.
class DKeyWithAppPage : public DKeyItemPage
{
    Q_OBJECT

public:
    explicit DKeyWithAppPage(QWidget *parent = nullptr);
    ~DKeyWithAppPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;

public slots:
    void on_pushButton_selectAppPath_clicked();

private:
    void setTexts();
    void saveKeyInfo();

    std::unique_ptr<Ui::DKeyWithAppPage> ui;
    QString m_appPath;
};
