#include "arrowwidget.h"

#include "ddatamanager.h"
#include "translucency.h"
#include "windowfocus.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QPainter>
#include <QPolygonF>
#include <QTimer>

namespace {
constexpr int kBand = 15;      // transparent border that carries the shadow
constexpr int kArrowRise = 10; // arrow height
constexpr int kRadius = 5;
constexpr int kFocusSettleMs = 100; // focus changes the window manager makes after a hide

// Closes the bubble when, while it is the active window, a mouse press lands in another window.
class OutsidePressFilter : public QObject
{
public:
    explicit OutsidePressFilter(ArrowWidget *bubble) : QObject(bubble), m_bubble(bubble) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
            m_bubble->isActiveWindow() && static_cast<QWidget *>(watched)->window() != m_bubble) {
            ArrowWidget *bubble = m_bubble; // hiding uninstalls this filter
            bubble->hide();
            emit bubble->sigArrowWidgetHide();
        }
        return false;
    }

private:
    ArrowWidget *m_bubble;
};
} // namespace

ArrowWidget::ArrowWidget(int side, QWidget *parent) : QDialog(parent), m_side(side)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::ToolTip);
    setWindowOpacity(0.9);
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setColor(Qt::gray);
    shadow->setBlurRadius(15);
    setGraphicsEffect(shadow);
    installEventFilter(this);
    m_fillColor = ThemeColors::toColor(DDataManager::getInstance()->getThemeColors().AllBgColor);
    m_fillColor.setAlpha(255);
}

void ArrowWidget::setWidgetSize(int width, int height)
{
    setFixedSize(width, height);
}

ArrowWidget *ArrowWidget::setArrowStartX(int x)
{
    m_arrowStartX = x;
    if (isVisible())
        updateMask();
    update();
    return this;
}

void ArrowWidget::setCenterWidget(QWidget *widget)
{
    // A second call replaces the layout; the widgets it held stay children of the pop-up.
    delete layout();
    auto *box = new QHBoxLayout(this);
    box->setSpacing(0);
    box->setContentsMargins(15, m_side == 0 ? 25 : 15, 15, 15);
    box->addWidget(widget);
}

void ArrowWidget::setBackgroundColor(int r, int g, int b)
{
    m_fillColor = QColor(r, g, b, 255);
    update();
}

QPainterPath ArrowWidget::shapePath() const
{
    const int w = width();
    const int h = height();
    const int x = m_arrowStartX;
    QPainterPath box;
    QPolygonF arrow;
    if (m_side == 0) {
        arrow << QPointF(x, kBand + kArrowRise) << QPointF(x + 7, kBand)
              << QPointF(x + 15, kBand + kArrowRise);
        box.addRoundedRect(QRectF(kBand, kBand + kArrowRise, w - 2 * kBand, h - 2 * kBand - kArrowRise),
                           kRadius, kRadius);
    } else {
        arrow << QPointF(x, h - kBand) << QPointF(x + 7, h) << QPointF(x + 15, h - kBand);
        box.addRoundedRect(QRectF(kBand, kBand, w - 2 * kBand, h - 2 * kBand), kRadius, kRadius);
    }
    if (m_side != 0 && m_side != 1)
        return box;
    QPainterPath tip;
    tip.addPolygon(arrow);
    tip.closeSubpath();
    return box.united(tip);
}

bool ArrowWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::WindowDeactivate) {
        hide();
        emit sigArrowWidgetHide();
    }
    return QDialog::eventFilter(watched, event);
}

void ArrowWidget::enterEvent(QEvent *event)
{
    emit sigArrowWidgetMouseEnter();
    QDialog::enterEvent(event);
}

void ArrowWidget::leaveEvent(QEvent *event)
{
    emit sigArrowWidgetMouseLeave();
    QDialog::leaveEvent(event);
}

void ArrowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_fillColor);
    painter.drawPath(shapePath());
}

void ArrowWidget::showEvent(QShowEvent *event)
{
    updateMask();
    QWidget *active = QApplication::activeWindow();
    m_returnFocusTo =
        active && active != this ? active : (parentWidget() ? parentWidget()->window() : nullptr);
    if (!m_outsidePresses)
        m_outsidePresses = new OutsidePressFilter(this);
    qApp->installEventFilter(m_outsidePresses);
    QDialog::showEvent(event);
}

void ArrowWidget::hideEvent(QHideEvent *event)
{
    if (m_outsidePresses)
        qApp->removeEventFilter(m_outsidePresses);
    // The bubble took the keyboard when it was activated; it goes back to the window that had it.
    // Under a window manager the activation request alone may not be heard (the manager believes
    // that window never lost the focus), and typing would go nowhere until the user left the
    // program and came back: once things settled, the focus is set again where the system has it.
    QWidget *target = m_returnFocusTo;
    if (target && target->isVisible()) {
        if (isActiveWindow())
            target->activateWindow();
        QTimer::singleShot(kFocusSettleMs, target, [target] {
            if (target->isVisible() && !QApplication::activeWindow())
                windowFocus::reassertKeyboardFocus(target->winId());
        });
    }
    QDialog::hideEvent(event);
}

void ArrowWidget::resizeEvent(QResizeEvent *event)
{
    if (isVisible())
        updateMask();
    QDialog::resizeEvent(event);
}

void ArrowWidget::updateMask()
{
    // Without a compositing manager the transparent border would show as black; then the window
    // is cut to the shape of box and arrow instead, which keeps it clean at the cost of the shadow.
    const bool cut = isWindow() && !translucency::windowsAreComposited();
    // The shadow lives in the band the cut removes; left on, the effect also shifts the painting
    // against the cut shape.
    if (QGraphicsEffect *shadow = graphicsEffect())
        shadow->setEnabled(!cut);
    if (cut)
        setMask(QRegion(shapePath().toFillPolygon().toPolygon()));
    else
        clearMask();
}
