#include "dragshowarea.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtGlobal>

dragShowArea::dragShowArea(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void dragShowArea::setColor(int red, int green, int blue)
{
    m_red = red;
    m_green = green;
    m_blue = blue;
}

QPoint dragShowArea::clamped(const QPoint &p) const
{
    const QRect r = contentsRect();
    return QPoint(qBound(0, p.x(), r.width()), qBound(0, p.y(), r.height()));
}

QRect dragShowArea::bandRect(const QPoint &start, const QPoint &current)
{
    int w = current.x() - start.x();
    int h = current.y() - start.y();
    if (w < 0)
        w += 2;
    if (w > 0)
        w -= 2;
    if (h < 0)
        h += 2;
    if (h > 0)
        h -= 2;
    return QRect(start.x(), start.y(), w, h);
}

void dragShowArea::mousePressEvent(QMouseEvent *event)
{
    if (!m_active)
        return;
    if (event->button() == Qt::LeftButton) {
        if (m_singleKeyMode) {
            m_dragging = false;
            emit sigDragAreaMousePressOrRelease(true);
        } else {
            m_startPoint = m_currentPoint = m_releasePoint = event->pos();
            m_dragging = true;
        }
    } else if (event->button() == Qt::RightButton) {
        emit sigDragArea(0, 0, 0, 0);
    }
}

void dragShowArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_active)
        return;
    if (!m_dragging) {
        emit sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    m_currentPoint = clamped(event->pos());
    update();
}

void dragShowArea::leaveEvent(QEvent *event)
{
    // A pointer that leaves fast reports its last move still over a key; without this, that key
    // kept its hover frame and looked selected.
    if (m_active && !m_dragging)
        emit sigDragShowAreaMouseMovePoint(-1, -1);
    QWidget::leaveEvent(event);
}

void dragShowArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_active || event->button() != Qt::LeftButton)
        return;
    if (m_singleKeyMode) {
        emit sigDragAreaMousePressOrRelease(false);
        emit sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    if (!m_dragging)
        return; // the press happened in single-key mode; there is no band to finish
    m_releasePoint = event->pos();
    m_dragging = false;
    update();
    m_releasePoint = clamped(m_releasePoint);
    emit sigDragArea(m_startPoint.x(), m_startPoint.y(), m_releasePoint.x(), m_releasePoint.y());
}

void dragShowArea::paintEvent(QPaintEvent *)
{
    if (!m_active || !m_dragging)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(m_red, m_green, m_blue, 100));
    p.setPen(QPen(QColor(m_red, m_green, m_blue, 255), 1, Qt::SolidLine));
    p.drawRect(bandRect(m_startPoint, m_currentPoint));
}
