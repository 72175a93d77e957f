#include "cbnotice.h"

#include "themecolors.h"

#include "translucency.h"

#include <QEasingCurve>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>

CbNotice::CbNotice(QWidget *parent) : QWidget(parent)
{
    if (parent) {
        // Centre in the parent's own coordinates, where the toast lives.
        m_defaultCenter = QPoint(parent->width() / 2, parent->height() * 2 / 3);
    } else {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect g = screen->geometry();
            m_defaultCenter = QPoint(g.x() + g.width() / 2, g.y() + g.height() * 2 / 3);
        }
        setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
        setAttribute(Qt::WA_TranslucentBackground);
    }

    m_opacityEffect = new QGraphicsOpacityEffect(this);
    QFont f = font();
    f.setFamily(QStringLiteral("Microsoft YaHei"));
    f.setPixelSize(20);
    setFont(f);
    setGraphicsEffect(m_opacityEffect);
    m_opacityEffect->setOpacity(1);
    m_animation = new QPropertyAnimation(m_opacityEffect, "opacity", this);
    m_animation->setEasingCurve(QEasingCurve::Linear);

    connect(m_animation, &QPropertyAnimation::finished, this, &CbNotice::onHideAnimotionFinish);
    hide();
}

void CbNotice::reShowNotice()
{
    showNotice(m_text, QPoint());
}

void CbNotice::showNotice(const QString &text)
{
    showNotice(text, QPoint());
}

void CbNotice::showNotice(const QString &text, const QPoint &center)
{
    hide();
    m_text = text;
    const int width = fontMetrics().horizontalAdvance(m_text) + 36;
    setFixedSize(width, m_boxHeight);
    const QPoint c = center.isNull() ? m_defaultCenter : center;
    move(c.x() - width / 2, c.y() - m_boxHeight / 2);
    startShow();
}

void CbNotice::startShow()
{
    m_animation->stop();
    // A free-standing toast is a translucent window; without a compositor its corners would
    // show as black, so the window is cut to the rounded box.
    if (isWindow()) {
        if (translucency::windowsAreComposited())
            clearMask();
        else
            setMask(QRegion(boxPath().toFillPolygon().toPolygon()));
    }
    show();
    raise();
    activateWindow();
    m_opacityEffect->setOpacity(1);
    // The effect clamps the opacity to 1, so the part of the run above 1 is the opaque phase.
    m_animation->setStartValue(m_fadeTime / 1000.0 + m_opaqueTime / 1000.0);
    m_animation->setDuration(m_opaqueTime + m_fadeTime);
    m_animation->setEndValue(m_fadeTime > 0 ? 0.0 : 1.0);
    m_animation->start();
    update();
}

void CbNotice::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void CbNotice::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void CbNotice::applyDialogTheme(const ThemeColors &colors)
{
    QColor background = ThemeColors::toColor(colors.AllBgColor);
    background.setAlpha(200);
    setBackgroundColor(background);
    QColor text = ThemeColors::toColor(colors.TextCheckedColor);
    text.setAlpha(255);
    setTextColor(text);
    QFont font(colors.TextFont);
    font.setPixelSize(14);
    setNoticeFont(font);
}

void CbNotice::setNoticeFont(const QFont &font)
{
    setFont(font);
}

void CbNotice::setFontPixelSize(int pixelSize)
{
    QFont f = font();
    f.setPixelSize(pixelSize);
    setFont(f);
    update();
}

void CbNotice::onActiveHideAnimation()
{
    m_animation->start();
}

void CbNotice::onHideAnimotionFinish()
{
    emit sigFinished();
    hide();
}

QPainterPath CbNotice::boxPath() const
{
    int radius = 12;
    if (m_boxHeight >= 38)
        radius = 22;
    else if (m_boxHeight < 25)
        radius = 3;
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width(), height()), radius, radius);
    return path;
}

void CbNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(boxPath(), m_backgroundColor);
    painter.setPen(m_textColor);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

void CbNotice::mousePressEvent(QMouseEvent *event)
{
    // Beyond the left corner the press also reaches the page underneath.
    if (event->x() > 5)
        QWidget::mousePressEvent(event);
    hide();
}
