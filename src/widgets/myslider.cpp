#include "myslider.h"

#include <QMouseEvent>
#include <QWheelEvent>

MySlider::MySlider(QWidget *parent) : QSlider(Qt::Horizontal, parent) {}

void MySlider::setPressTolerance(int left, int right)
{
    m_leftTolerance = left;
    m_rightTolerance = right;
}

void MySlider::setPositionFromZero(bool fromZero)
{
    m_positionFromZero = fromZero;
}

int MySlider::pressAnchor() const
{
    // An empty range would divide by zero; the handle then sits at the left edge.
    if (m_positionFromZero)
        return maximum() == 0 ? 0 : (width() / maximum()) * value();
    const int span = maximum() - minimum();
    return span == 0 ? 0 : (width() / span) * (value() - minimum());
}

void MySlider::mousePressEvent(QMouseEvent *event)
{
    const int p = pressAnchor();
    const int x = event->x();
    if (x < p - m_leftTolerance || x > p + m_rightTolerance)
        return;
    // The standard handling starts a drag on the handle; a press beside it must not page.
    const int keep = value();
    QSlider::mousePressEvent(event);
    setValue(keep);
}

void MySlider::wheelEvent(QWheelEvent *event)
{
    event->accept();
}
