#include "keycolorrgbframeitem.h"

#include "ui_keycolorrgbframeitem.h"

keyColorRgbFrameItem::keyColorRgbFrameItem(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::keyColorRgbFrameItem>())
{
    ui->setupUi(this);
}

keyColorRgbFrameItem::~keyColorRgbFrameItem() = default;
