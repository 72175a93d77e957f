#include "batteryitem.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtGlobal>

namespace {
const QRect kTextBox(2, 2, 25, 11); // inside the outline
} // namespace

BatteryItem::BatteryItem(QWidget *parent) : QLabel(parent)
{
    // The outline and its tip are 31 x 15 pixels; a narrower layout slot would cut them.
    setMinimumSize(32, 16);
}

QFont BatteryItem::percentFont(const QString &text)
{
    QFont f(QStringLiteral("Microsoft YaHei"), 7);
    f.setBold(true);
    f.setItalic(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    // Smaller until the text fits the box: "100%" in a wide fallback font would lose its "1".
    for (int pixels = QFontMetrics(f).height(); pixels > 6; --pixels) {
        const QRect needed = QFontMetrics(f).boundingRect(text);
        if (needed.width() <= kTextBox.width() && needed.height() <= kTextBox.height() + 2)
            break;
        f.setPixelSize(pixels - 1);
    }
    return f;
}

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
        const QString text = QString::number(m_level) + QLatin1Char('%');
        painter.setFont(percentFont(text));
        painter.setPen(QColor(235, 245, 245, 255));
        painter.drawText(kTextBox, Qt::AlignCenter, text);
    }
}
