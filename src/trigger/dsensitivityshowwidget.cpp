#include "dsensitivityshowwidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

QString travelText(int count)
{
    return QString::number(count / 10.0, 'f', 1) + QStringLiteral("mm");
}

} // namespace

DSensitivityShowWidget::DSensitivityShowWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DSensitivityShowWidget"));
    m_markerImage.load(QStringLiteral(":/images/device/Sensitivity/slider_C.png"));
    setColors(m_segmentColor, m_liveBaseColor, m_labelColor, m_columnColor);
}

void DSensitivityShowWidget::setWidgetSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

void DSensitivityShowWidget::setSegmentCount(int n)
{
    m_segmentCount = std::max(n, 0);
    m_ticks.clear();
    m_markerCount = 0;
    if (m_segmentCount == 0) {
        m_segmentHeight = m_pitch = 0;
        return;
    }
    m_segmentHeight = m_height / m_segmentCount - m_gap;
    m_pitch = m_segmentHeight + m_gap;
    for (int k = 1; k < m_segmentCount; ++k)
        m_ticks.append(m_pitch * k + 5);
}

void DSensitivityShowWidget::setBarWidth(int width)
{
    m_barWidth = width;
}

void DSensitivityShowWidget::setColors(const QColor &segment, const QColor &liveBase, const QColor &label,
                                       const QColor &column)
{
    m_segmentColor = segment;
    m_liveBaseColor = liveBase;
    m_labelColor = label;
    m_columnColor = column;
    const int base[3] = {liveBase.red(), liveBase.green(), liveBase.blue()};
    for (int i = 0; i < 3; ++i) {
        const int half = base[i] / 2;
        m_liveSteps[i] = (m_segmentCount > 0 && half > m_segmentCount) ? half / m_segmentCount : 0;
    }
    update();
}

void DSensitivityShowWidget::setCenterMarker(int count)
{
    if (count < 1 || count > m_ticks.size())
        return;
    m_markerY = m_ticks.at(count - 1);
    if (count != m_markerCount) {
        m_markerCount = count;
        emit sigCurrentStrengthNumBack(1, count);
    }
}

void DSensitivityShowWidget::setLiveTravel(int segments)
{
    m_liveTravel = std::max(segments, 0);
    update();
}

void DSensitivityShowWidget::setLiveTravelShown(bool shown)
{
    m_liveTravelShown = shown;
    update();
}

QColor DSensitivityShowWidget::liveFillColor(int i) const
{
    return QColor(std::max(m_liveBaseColor.red() - i * m_liveSteps[0], 0),
                  std::max(m_liveBaseColor.green() - i * m_liveSteps[1], 0),
                  std::max(m_liveBaseColor.blue() - i * m_liveSteps[2], 0));
}

QPair<int, int> DSensitivityShowWidget::snapToTick(int y) const
{
    const int last = m_ticks.size() - 1;
    if (y <= m_ticks.first())
        return {1, m_ticks.first()};
    if (y >= m_ticks.at(last))
        return {last + 1, m_ticks.at(last)};
    int i = 1;
    while (m_ticks.at(i) <= y)
        ++i;
    const int down = m_ticks.at(i) - y;
    const int up = y - m_ticks.at(i - 1);
    if (down > up)
        return {i, m_ticks.at(i - 1)};
    return {i + 1, m_ticks.at(i)};
}

void DSensitivityShowWidget::moveMarkerTo(int y)
{
    if (m_ticks.isEmpty())
        return;
    const QPair<int, int> snapped = snapToTick(y);
    m_markerY = snapped.second;
    if (snapped.first != m_markerCount) {
        m_markerCount = snapped.first;
        emit sigCurrentStrengthNumBack(1, m_markerCount);
    }
    update();
}

void DSensitivityShowWidget::mousePressEvent(QMouseEvent *event)
{
    m_dragging = true;
    moveMarkerTo(event->pos().y());
}

void DSensitivityShowWidget::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    m_dragging = false;
}

void DSensitivityShowWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        moveMarkerTo(event->pos().y());
}

void DSensitivityShowWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The column stays centred in the space the layout really gives.
    m_width = width();
}

void DSensitivityShowWidget::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const int x0 = m_width / 2 - m_barWidth / 2;
    const QRect contents = contentsRect();
    p.fillRect(QRect(x0, contents.top(), m_barWidth, contents.height()), m_columnColor);

    if (m_segmentCount > 0 && m_segmentHeight > 0) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < m_segmentCount - 1; ++i) {
            p.setBrush(m_segmentColor);
            p.drawRoundedRect(QRect(x0, 5 + i * m_pitch, m_barWidth, m_segmentHeight), 3, 3);
        }
        if (m_liveTravelShown) {
            // A report deeper than the scale fills the scale.
            const int filled = std::min(m_liveTravel, m_segmentCount - 1);
            for (int i = 0; i < filled; ++i) {
                p.setBrush(liveFillColor(i));
                p.drawRoundedRect(QRect(x0, 5 + i * m_pitch, m_barWidth, m_segmentHeight), 3, 3);
            }
        }
    }

    if (m_markerCount < 1)
        return;
    const int x = m_width / 2 - 5;
    p.drawPixmap(QRect(x, m_markerY - 6, 11, 11), m_markerImage);
    p.setPen(QPen(m_labelColor, 1));
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(9);
    p.setFont(font);
    p.drawText(QPoint(x + 28, m_markerY + 4), travelText(m_markerCount));
}
