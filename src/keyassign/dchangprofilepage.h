#pragma once

#include "dkeyitempage.h"

#include <QMap>
#include <QString>

#include <memory>

namespace Ui {
class DChangProfilePage;
}

// The Switch Profile tab: the profile the user picks becomes the selected key's item; the computer
// switches to that profile when the keyboard reports the key. The page keeps its own fixed look.
class DChangProfilePage : public DKeyItemPage
{
    Q_OBJECT

public:
    explicit DChangProfilePage(QWidget *parent = nullptr);
    ~DChangProfilePage() override;

    void retranslate() override;
    void loadCurrentKeyInfo() override;

public slots:
    // One write per pick, also of the entry already shown; browsing the closed list writes nothing.
    void onComboxActivated(int index);

private:
    void setTexts();
    void saveKeyInfo();

    std::unique_ptr<Ui::DChangProfilePage> ui;
    QMap<int, QString> m_profileNames;
};
