#include "slidercustomwidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

sliderCustomWidget::sliderCustomWidget(QWidget *parent) : QWidget(parent)
{
    setFixedSize(130, 30);
}

void sliderCustomWidget::setWidgetSize(int width, int height)
{
    setFixedSize(width, height);
    m_endX = width - m_margin;
    m_handleY = height / 2 - 1;
    m_grooveY = height / 2;
}

void sliderCustomWidget::setMargin(int margin)
{
    m_margin = margin;
}

void sliderCustomWidget::setStepCount(int count)
{
    // No steps would leave no ticks to snap to and divide by zero below.
    if (count <= 0)
        return;
    m_stepCount = count;
    m_ticks.clear();
    const int span = width() - 2 * m_margin;
    const int spacing = span / count;
    for (int i = 0; i <= count; ++i)
        m_ticks.append(m_margin + i * spacing);
    m_endX = (span % count != 0) ? spacing * count + m_margin : width() - m_margin;
}

void sliderCustomWidget::setCurrentPosition(int index)
{
    m_handleX = index * ((width() - 2 * m_margin) / m_stepCount) + m_margin;
    update();
}

void sliderCustomWidget::setGrooveColor(const QColor &color)
{
    m_grooveColor = color;
    update();
}

void sliderCustomWidget::setTickColor(const QColor &color)
{
    m_tickColor = color;
    update();
}

void sliderCustomWidget::setHandleColor(const QColor &color)
{
    m_handleColor = color;
    update();
}

void sliderCustomWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_grooveColor, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(m_margin, m_grooveY, m_endX, m_grooveY);
    painter.setPen(QPen(m_tickColor, 3));
    for (int t : qAsConst(m_ticks))
        painter.drawLine(t, m_grooveY - 3, t, m_grooveY - 1);

    const QPointF centre(m_handleX, m_handleY);
    QRadialGradient glow(centre, 6);
    QColor rim = m_handleColor;
    rim.setAlpha(0);
    glow.setColorAt(0, m_handleColor);
    glow.setColorAt(1, rim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 6, 6);
}

int sliderCustomWidget::tickNear(int x) const
{
    for (int i = 0; i < m_ticks.size(); ++i) {
        const int t = m_ticks.at(i);
        if (x - 5 < t && t < x + 5)
            return i;
    }
    return -1;
}

void sliderCustomWidget::mousePressEvent(QMouseEvent *event)
{
    const int x = event->x();
    const int near = tickNear(x);
    if (near >= 0) {
        m_handleX = m_ticks.at(near);
        emit sigBackCurrentPositionNum(near);
    } else if (m_handleX < x) {
        // A press away from every tick moves the handle one step towards it.
        for (int i = 0; i < m_ticks.size(); ++i) {
            if (m_ticks.at(i) > m_handleX) {
                m_handleX = m_ticks.at(i);
                emit sigBackCurrentPositionNum(i);
                break;
            }
        }
    } else if (x < m_handleX) {
        for (int i = m_ticks.size() - 1; i >= 0; --i) {
            if (m_ticks.at(i) < m_handleX) {
                m_handleX = m_ticks.at(i);
                emit sigBackCurrentPositionNum(i);
                break;
            }
        }
    } else {
        return;
    }
    update();
}

void sliderCustomWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        return;
    const int near = tickNear(event->x());
    if (near < 0)
        return;
    m_handleX = m_ticks.at(near);
    emit sigBackCurrentPositionNum(near);
    update();
}
