#include "svcolorarea.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace {
constexpr int kSide = 120;
constexpr int kCentre = 60;
constexpr int kDiscRadius = 40;
} // namespace

SVColorArea::SVColorArea(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SVColorArea"));
    setFixedSize(kSide, kSide);
    drawWheelPixmap();
}

void SVColorArea::drawWheelPixmap()
{
    const int s = m_wheelSize;
    const int c = s / 2 + 20;
    m_wheelPixmap = QPixmap(s + 20, s + 20);
    m_wheelPixmap.fill(Qt::transparent);
    QPainter p(&m_wheelPixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    QConicalGradient hues(c, c, -140);
    hues.setColorAt(0.0, Qt::green);
    hues.setColorAt(0.16, Qt::cyan);
    hues.setColorAt(0.32, Qt::blue);
    hues.setColorAt(0.48, Qt::magenta);
    hues.setColorAt(0.64, Qt::red);
    hues.setColorAt(0.8, Qt::yellow);
    hues.setColorAt(1.0, Qt::green);
    p.setBrush(hues);
    p.drawEllipse(20, 20, s, s);

    QRadialGradient white(c, c, 43, c, c);
    white.setColorAt(0.0, Qt::white);
    white.setColorAt(1.0, Qt::transparent);
    p.setBrush(white);
    p.drawEllipse(s / 2 - 17, s / 2 - 18, s - 3, s - 3);
}

double SVColorArea::rotation() const
{
    const double sweep = 360.0 - m_startAngleOffset - m_endAngleOffset;
    return -(sweep / (m_maximum - m_minimum) * (m_knobValue - m_minimum));
}

void SVColorArea::drawKnob(QPainter &painter)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.translate(kCentre, kCentre);
    painter.rotate(rotation());
    QLinearGradient g(0, 0, 16, 16);
    g.setColorAt(0.0, m_knobColor1);
    g.setColorAt(1.0, m_knobColor2);
    painter.setBrush(g);
    painter.drawEllipse(-10, -58, 16, 16);
    painter.restore();
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap(0, 0, m_wheelPixmap);
    QConicalGradient ring(50, 50, 83);
    ring.setColorAt(0.0, QColor(255, 255, 255, 255));
    ring.setColorAt(1.0, QColor(0, 0, 0, 255));
    p.setPen(QPen(QBrush(ring), 6, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(10, 10, 100, 100);
    // Painting only draws: the knob's position is reported where it changes.
    drawKnob(p);
}

void SVColorArea::setKnobValue(double v)
{
    m_knobValue = v;
    update();
    emit sigMoveingStatus(static_cast<int>(m_knobValue), static_cast<int>(rotation()));
}

void SVColorArea::resetKnob()
{
    setKnobValue(0.0);
}

void SVColorArea::setValueFromPoint(const QPoint &point)
{
    const QPoint d = point - rect().center();
    const double angle =
        qRadiansToDegrees(std::atan2(static_cast<double>(d.x()), static_cast<double>(d.y())));
    double v = (angle + 180.0) * (m_maximum - m_minimum) / 360.0 + m_minimum;
    if (v <= m_minimum)
        v = m_minimum;
    else if (v >= m_maximum)
        v = m_maximum;
    setKnobValue(v);
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->pos();
    const float dx = static_cast<float>(pos.x() - kCentre);
    const float dy = static_cast<float>(pos.y() - kCentre);
    const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    emit sigMouseIsPress(true);
    if (d < kDiscRadius) {
        m_pressedInDisc = true;
        saturation = qBound(0, pos.x(), 255);
        value = qBound(0, 255 - pos.y(), 255);
        emit svChangedSignal(hue, saturation, value);
        m_pickPoint = pos;
        print2();
        setKnobValue(0.0);
    } else {
        m_pressedInDisc = false;
        setValueFromPoint(pos);
    }
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressedInDisc)
        return;
    setValueFromPoint(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit sigMouseIsPress(false);
}

void SVColorArea::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
}

void SVColorArea::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
}

void SVColorArea::print2()
{
    // The press lies inside our own disc, so the wheel as drawn holds the colour under the
    // pointer; reading it back works without access to the screen (Wayland, offscreen).
    const QImage image = grab().toImage();
    const QPoint scaled = m_pickPoint * image.devicePixelRatio();
    const QPoint at(qBound(0, scaled.x(), image.width() - 1), qBound(0, scaled.y(), image.height() - 1));
    const QColor c = image.pixelColor(at);
    const QString hex = QStringLiteral("#%1%2%3")
                            .arg(c.red(), 2, 16, QLatin1Char('0'))
                            .arg(c.green(), 2, 16, QLatin1Char('0'))
                            .arg(c.blue(), 2, 16, QLatin1Char('0'))
                            .toUpper();
    emit sigGetRGB(c.red(), c.green(), c.blue());
    emit sigGetHexRGB(hex);
}
