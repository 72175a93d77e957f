#include "sidelightbuttoncustom.h"

#include <QLinearGradient>
#include <QPainter>

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
    update();
}

void sideLightButtonCustom::paintEvent(QPaintEvent *)
{
    if (m_width == m_height)
        return;
    QPainter p(this);
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
