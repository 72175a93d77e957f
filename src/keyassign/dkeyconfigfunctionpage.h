#pragma once

#include "dkeycommandpage.h"

#include <memory>

namespace Ui {
class DKeyConfigFunctionPage;
}

// The Key Config tab: one of the keyboard's own functions (item type 19, the play mode is the sub-code).
class DKeyConfigFunctionPage : public DKeyCommandPage
{
    Q_OBJECT

public:
    explicit DKeyConfigFunctionPage(QWidget *parent = nullptr);
    ~DKeyConfigFunctionPage() override;

protected:
    void retranslateForm() override;

private:
    std::unique_ptr<Ui::DKeyConfigFunctionPage> ui;
};
