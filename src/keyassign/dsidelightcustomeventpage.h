#pragma once

#include "dkeycommandpage.h"

#include <memory>

namespace Ui {
class DSideLightCustomEventPage;
}

// The Atmosphere Light tab: a command for the side light (item types 30 to 34).
class DSideLightCustomEventPage : public DKeyCommandPage
{
    Q_OBJECT

public:
    explicit DSideLightCustomEventPage(QWidget *parent = nullptr);
    ~DSideLightCustomEventPage() override;

protected:
    void retranslateForm() override;

private:
    std::unique_ptr<Ui::DSideLightCustomEventPage> ui;
};
