#pragma once

#include "dradiooptionpage.h"

#include <memory>

namespace Ui {
class DMultimediaPage;
}

// The Multimedia tab: a media, launch or screen-brightness function (item type 3).
class DMultimediaPage : public DRadioOptionPage
{
    Q_OBJECT

public:
    explicit DMultimediaPage(QWidget *parent = nullptr);
    ~DMultimediaPage() override;

protected:
    void retranslateForm() override;

private:
    std::unique_ptr<Ui::DMultimediaPage> ui;
};
