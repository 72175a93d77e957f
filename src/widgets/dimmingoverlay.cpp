#include "dimmingoverlay.h"

#include <QWidget>

QWidget *createDimmingOverlay(QWidget *parent)
{
    auto *overlay = new QWidget(parent);
    overlay->setObjectName(QStringLiteral("widget"));
    overlay->setWindowFlags(Qt::FramelessWindowHint);
    overlay->setAttribute(Qt::WA_StyledBackground);
    overlay->setStyleSheet(
        QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100); border-radius:0px;}"));
    overlay->hide();
    return overlay;
}
