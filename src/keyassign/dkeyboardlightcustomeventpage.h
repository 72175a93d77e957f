#pragma once

#include "dkeycommandpage.h"

#include <memory>

namespace Ui {
class DKeyboardLightCustomEventPage;
}

// The Keyboard Light tab: a command for the key lighting (item types 20 to 27).
class DKeyboardLightCustomEventPage : public DKeyCommandPage
{
    Q_OBJECT

public:
    explicit DKeyboardLightCustomEventPage(QWidget *parent = nullptr);
    ~DKeyboardLightCustomEventPage() override;

    void applyTheme() override;

public slots:
    void onScrollSheetSet();

protected:
    void retranslateForm() override;

private:
    std::unique_ptr<Ui::DKeyboardLightCustomEventPage> ui;
    QString m_scrollSheet;
};
