#include "textmovewidget.h"

#include <QLabel>
#include <QTimer>

TextMoveWidget::TextMoveWidget(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    m_label = new QLabel(m_text, this);
    m_label->setObjectName(QStringLiteral("label_MoveText"));
    m_label->setAlignment(Qt::AlignVCenter);
    m_label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_label->adjustSize();
    setForeground(m_foreground);
    setBackground(m_background);

    m_timer = new QTimer(this);
    m_timer->setInterval(m_interval);
    connect(m_timer, &QTimer::timeout, this, &TextMoveWidget::updatePos);
    // Started when the widget is first shown: a marquee that is never seen never ticks.
}

// Ticks only while they can move something the user sees.
void TextMoveWidget::updateTimer()
{
    const bool moves = m_shown && !m_text.isEmpty() && !(m_mouseHoverStop && m_hovered);
    if (moves && !m_timer->isActive())
        m_timer->start();
    else if (!moves)
        m_timer->stop();
}

void TextMoveWidget::updatePos()
{
    if (m_mouseHoverStop && m_hovered)
        return;
    const int w = fontMetrics().horizontalAdvance(m_text);
    const int width = this->width();
    switch (m_moveStyle) {
    case MoveStyle_LeftAndRight:
        if (w <= width) {
            if (m_x + w > width)
                m_movingRight = false;
            else if (m_x <= 0)
                m_movingRight = true;
        } else {
            // Turns at 10 even when the step does not land on it exactly.
            if (m_x >= 10)
                m_movingRight = false;
            else if (m_x <= width - w - 10)
                m_movingRight = true;
        }
        m_x += m_movingRight ? m_step : -m_step;
        break;
    case MoveStyle_LeftToRight:
        if (m_x > width)
            m_x = -w;
        m_x += m_step;
        break;
    case MoveStyle_RightToLeft:
        if (m_x < -w)
            m_x = width;
        m_x -= m_step;
        break;
    }
    m_label->move(m_x, m_y);
}

void TextMoveWidget::setText(QString text)
{
    m_text = text;
    m_label->setText(m_text);
    // The label is placed by hand, not by a layout, so it must be sized to its text itself.
    m_label->adjustSize();
    switch (m_moveStyle) {
    case MoveStyle_LeftAndRight:
        m_x = 0;
        break;
    case MoveStyle_LeftToRight:
        m_x = -m_label->width();
        break;
    case MoveStyle_RightToLeft:
        m_x = width();
        break;
    }
    updateTimer();
}

void TextMoveWidget::setTextFont(QString textFont, int textFontSize)
{
    setFont(QFont(textFont, textFontSize));
    m_label->setStyleSheet(QStringLiteral("font: 75 %2pt \"%1\"").arg(textFont).arg(textFontSize));
    m_label->adjustSize();
}

void TextMoveWidget::setStep(int step)
{
    m_step = step;
}

void TextMoveWidget::setInterval(int interval)
{
    m_interval = interval;
    m_timer->setInterval(interval);
}

void TextMoveWidget::setMouseHoverStop(bool mouseHoverStop)
{
    m_mouseHoverStop = mouseHoverStop;
    updateTimer();
}

void TextMoveWidget::setForeground(QColor foreground)
{
    m_foreground = foreground;
    QPalette p = m_label->palette();
    p.setColor(QPalette::WindowText, foreground);
    m_label->setPalette(p);
}

void TextMoveWidget::setBackground(QColor background)
{
    m_background = background;
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
}

void TextMoveWidget::setMoveStyle(MoveStyle moveStyle)
{
    m_moveStyle = moveStyle;
}

void TextMoveWidget::resizeEvent(QResizeEvent *event)
{
    m_y = (height() - fontMetrics().height()) / 2;
    QWidget::resizeEvent(event);
}

void TextMoveWidget::setUnderline(bool on)
{
    QFont f = m_label->font();
    f.setUnderline(on);
    m_label->setFont(f);
}

void TextMoveWidget::enterEvent(QEvent *event)
{
    m_hovered = true;
    if (m_mouseHoverStop) {
        setUnderline(true);
        setCursor(Qt::PointingHandCursor);
    }
    updateTimer();
    QWidget::enterEvent(event);
}

void TextMoveWidget::leaveEvent(QEvent *event)
{
    m_hovered = false;
    if (m_mouseHoverStop) {
        setUnderline(false);
        setCursor(Qt::ArrowCursor);
    }
    updateTimer();
    QWidget::leaveEvent(event);
}

// Nothing moves while the marquee cannot be seen (hidden, or its window minimised), so its ticks
// are paused then.
void TextMoveWidget::showEvent(QShowEvent *event)
{
    m_shown = true;
    updateTimer();
    QWidget::showEvent(event);
}

void TextMoveWidget::hideEvent(QHideEvent *event)
{
    m_shown = false;
    updateTimer();
    QWidget::hideEvent(event);
}
