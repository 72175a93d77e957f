#pragma once

#include "dradiooptionpage.h"

#include <memory>

namespace Ui {
class DMouseKeyPage;
}

// The Mouse tab: a mouse button or one wheel step (item type 4).
class DMouseKeyPage : public DRadioOptionPage
{
    Q_OBJECT

public:
    explicit DMouseKeyPage(QWidget *parent = nullptr);
    ~DMouseKeyPage() override;

protected:
    void retranslateForm() override;

private:
    std::unique_ptr<Ui::DMouseKeyPage> ui;
};
