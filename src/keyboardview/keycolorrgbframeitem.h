#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class keyColorRgbFrameItem;
}

// Middle layer of the keyboard view; holds the place between picture and key caps.
class keyColorRgbFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyColorRgbFrameItem(QWidget *parent = nullptr);
    ~keyColorRgbFrameItem() override;

private:
    std::unique_ptr<Ui::keyColorRgbFrameItem> ui;
};
