#include "sidelightbuttoncustom.h"

#include <QLinearGradient>
#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>

sideLightButtonCustom::sideLightButtonCustom(QWidget *parent) : QToolButton(parent)
{
    setFixedSize(m_width, m_height);
    setFocusPolicy(Qt::NoFocus);
}

void sideLightButtonCustom::setSegmentSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void sideLightButtonCustom::setOrigin(int x, int y)
{
    m_originX = x;
    m_originY = y;
    m_originPoint = QPoint(x, y);
}

void sideLightButtonCustom::setIndexAndStatus(int index, int validStatus)
{
    m_index = index;
    m_validStatus = validStatus;
}

void sideLightButtonCustom::setColor(const QColor &c)
{
    m_color = c;
    if (m_canvas)
        m_canvas->areaChanged(geometry());
    else
        update();
}

// A segment painted by its canvas takes no part in repaints; the canvas paints every segment and
// key cap of a light frame in one pass.
void sideLightButtonCustom::setCanvas(LightCanvas *canvas)
{
    m_canvas = canvas;
    setUpdatesEnabled(!canvas); // enabling schedules the segment's own repaint
    if (m_canvas)
        m_canvas->areaChanged(geometry());
}

void sideLightButtonCustom::moveEvent(QMoveEvent *event)
{
    QToolButton::moveEvent(event);
    if (m_canvas) {
        m_canvas->areaMoved(QRect(event->oldPos(), size()), geometry());
    }
}

void sideLightButtonCustom::resizeEvent(QResizeEvent *event)
{
    QToolButton::resizeEvent(event);
    if (m_canvas) {
        m_canvas->areaMoved(QRect(pos(), event->oldSize()), geometry());
    }
}

void sideLightButtonCustom::showEvent(QShowEvent *event)
{
    QToolButton::showEvent(event);
    if (m_canvas)
        m_canvas->areaChanged(geometry());
}

void sideLightButtonCustom::hideEvent(QHideEvent *event)
{
    QToolButton::hideEvent(event);
    if (m_canvas)
        m_canvas->areaChanged(geometry());
}

void sideLightButtonCustom::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintSegment(p);
}

void sideLightButtonCustom::paintSegment(QPainter &p) const
{
    if (m_width == m_height)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const bool horizontal = m_width > m_height;
    QLinearGradient g(0, 0, horizontal ? m_width : 0, horizontal ? 0 : m_height);
    g.setColorAt(0, Qt::transparent);
    g.setColorAt(0.5, m_color);
    g.setColorAt(1, Qt::transparent);
    g.setSpread(QGradient::RepeatSpread);
    p.fillRect(QRect(0, 0, m_width, m_height), g);
}
