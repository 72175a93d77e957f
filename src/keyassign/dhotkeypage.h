#pragma once

#include "dradiooptionpage.h"

#include <memory>

namespace Ui {
class DHotKeyPage;
}

// The Shortcuts tab: the key performs one of the fixed shortcut chords (item type 9).
class DHotKeyPage : public DRadioOptionPage
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
    ~DHotKeyPage() override;

protected:
    void retranslateForm() override;

private:
    std::unique_ptr<Ui::DHotKeyPage> ui;
};
