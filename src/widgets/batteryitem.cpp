#include "batteryitem.h"

#include <QPainter>
#include <QtGlobal>

BatteryItem::BatteryItem(QWidget *parent) : QLabel(parent) {}

void BatteryItem::setBatteryLevel(int level)
{
    // The level comes from the keyboard; outside 0..100 the bar would leave the outline.
    level = qBound(0, level, 100);
    QColor fill;
    if (level <= 25)
        fill = QColor(255, 60, 0, 255);
    else if (level <= 50)
        fill = QColor(200, 140, 0, 255);
    else
        fill = QColor(100, 150, 100, 255);
    if (!m_percentTextVisible)
        fill = QColor(100, 150, 100, 255);
    // The keyboard repeats its level with every status report; an unchanged gauge is not repainted.
    const bool changed =
        !m_applied || level != m_level || fill != m_fillColor || m_percentTextVisible != m_appliedPercentText;
    m_fillColor = fill;
    m_level = level;
    m_fillWidth = level / 4;
    m_applied = true;
    m_appliedPercentText = m_percentTextVisible;
    if (changed)
        update();
}

void BatteryItem::setPercentTextVisible(bool visible)
{
    m_percentTextVisible = visible;
}

void BatteryItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QColor(136, 205, 12, 255));
    painter.drawRoundedRect(QRect(0, 0, 29, 15), 2, 2);
    painter.drawRect(QRect(29, 5, 1, 6));
    painter.drawRect(QRect(29, 5, 2, 6));

    painter.setPen(m_fillColor);
    painter.setBrush(m_fillColor);
    painter.drawRect(QRect(2, 2, m_fillWidth, 11));

    if (m_percentTextVisible) {
        QFont f(QStringLiteral("Microsoft YaHei"), 7);
        f.setBold(true);
        f.setItalic(true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        painter.setFont(f);
        painter.setPen(QColor(235, 245, 245, 255));
        painter.drawText(QRect(2, 2, 25, 11), Qt::AlignCenter, QString::number(m_level) + QLatin1Char('%'));
    }
}
