#include "ddksshowwidget.h"

#include "ddatamanager.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtDebug>

namespace {

constexpr int kIconSize = 16;
constexpr int kHalf = kIconSize / 2;
const char *const kDivider = "---------------------------------------------------------";

QString rowText(const dks::Row &row)
{
    return QStringLiteral(" [0]:%1 [1]:%2 [2]:%3 [3]:%4").arg(row[0]).arg(row[1]).arg(row[2]).arg(row[3]);
}

} // namespace

DDksShowWidget::DDksShowWidget(QWidget *parent) : QWidget(parent)
{
    m_iconDef = QPixmap(QStringLiteral(":/images/DKS/addEventDef.png"));
    m_iconSel = QPixmap(QStringLiteral(":/images/DKS/addEventSel.png"));
    const QStringList rgb =
        DDataManager::getInstance()->getThemeColors().TextCheckedColor.split(QLatin1Char(','));
    m_barColor = QColor(rgb.value(0).trimmed().toInt(), rgb.value(1).trimmed().toInt(),
                        rgb.value(2).trimmed().toInt());
    setMouseTracking(true);
}

void DDksShowWidget::setDrawAreaSize(int width, int height)
{
    m_areaWidth = width;
    m_areaHeight = height;
    m_cellWidth = width / dks::kPoints;
    m_cellHeight = height / dks::kKeys;
    for (int i = 0; i < dks::kKeys; ++i)
        m_rowY[i] = 15 + i * m_cellHeight;
    for (int j = 0; j < dks::kPoints; ++j)
        m_columnX[j] = 20 + j * m_cellWidth;
    for (int k = 0; k < dks::kPoints - 1; ++k)
        m_midX[k] = 20 + k * m_cellWidth + m_cellWidth / 2;
    m_threshold = dks::threshold(m_cellWidth);
    update();
}

void DDksShowWidget::setSeniorKeyInfoStu(SeniorKeyInfoStu record)
{
    m_record = record;
    m_recordLoaded = true;
    rebuildWorkingCopy();
    update();
}

QPoint DDksShowWidget::crossingCenter(int row, int column) const
{
    return QPoint(m_columnX[column], m_rowY[row]);
}

void DDksShowWidget::rebuildWorkingCopy()
{
    for (int row = 0; row < dks::kKeys; ++row)
        for (int column = 0; column < dks::kPoints; ++column)
            m_cells[column][row] = m_record.grid[row * dks::kPoints + column];
}

dks::Row DDksShowWidget::gridRow(int row) const
{
    dks::Row r;
    for (int column = 0; column < dks::kPoints; ++column)
        r[column] = m_cells[column][row];
    return r;
}

void DDksShowWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->pos();
    emit sigDksPageMouseMovePointXY(pos.x(), pos.y());
    if (m_pressed && m_onHandle)
        dragStretch(pos);
    else
        trackHover(pos);
}

void DDksShowWidget::trackHover(const QPoint &pos)
{
    const int x = pos.x();
    const int y = pos.y();
    m_hover = false;
    for (int column = 0; column < dks::kPoints && !m_hover; ++column) {
        for (int row = 0; row < dks::kKeys; ++row) {
            const int cx = m_columnX[column];
            const int cy = m_rowY[row];
            if (cx - 8 < x && x < cx + 8 && cy - 8 < y && y < cy + 8) {
                m_hoverPoint = QPoint(cx, cy);
                m_hoverColumn = column;
                m_hoverRow = row;
                m_mousePressPosX = cx;
                m_mousePressPosY = cy;
                m_hover = true;
                break;
            }
        }
    }

    m_onHandle = false;
    if (m_hover && m_cells[m_hoverColumn][m_hoverRow] == 1 && m_hoverColumn < dks::kPoints - 1 &&
        m_hoverPoint.x() + 4 < x && x < m_hoverPoint.x() + 8 && m_hoverPoint.y() - 8 < y &&
        y < m_hoverPoint.y() + 8) {
        m_columnsRight = dks::kPoints - 1 - m_hoverColumn;
        m_dragPoint.setX(x);
        m_onHandle = true;
        setCursor(Qt::SizeHorCursor);
        update();
        return;
    }
    setCursor(Qt::ArrowCursor);
    update();
}

void DDksShowWidget::dragStretch(const QPoint &pos)
{
    m_dragPoint = pos;
    m_pastMidpoint = false;
    if (pos.x() > m_mousePressPosX) {
        for (int mid : m_midX)
            m_pastMidpoint = m_pastMidpoint || pos.x() > mid;
    }
    if (!m_stretchStarted) {
        m_stretchStarted = true;
        m_pending = false;
        m_editedRow = m_hoverRow;
        const dks::Row row = gridRow(m_editedRow);
        m_stretch.begin(row, m_hoverColumn);
        qDebug().noquote() << kDivider;
        m_maxSegments = dks::maxSegments(row, m_hoverColumn);
    }
    advanceStretch();
    update();
}

// The stretch follows the pointer here rather than in paintEvent, so every band the bar passes
// is applied whatever the window system chooses to repaint.
void DDksShowWidget::advanceStretch()
{
    const int a = m_mousePressPosX;
    int b = m_dragPoint.x();
    m_stretchShown = b >= a;
    if (b < a) {
        qDebug().noquote() << kDivider << "m_mousePressPosX:" << a;
        // Left of the start nothing is drawn, but the bar did shrink back to its start on the way.
        b = a;
    }
    if (m_columnsRight <= 0)
        return;
    if (b - a > m_columnsRight * m_cellWidth - 6) {
        b = 3 * m_cellWidth + 14;
        m_dragPoint.setX(b);
    }
    const int w = std::min(b - a + 6, m_maxSegments * m_cellWidth);
    m_solidWidth = w;
    const int p = m_stretch.previousWidth;
    if (w == p)
        return;
    if (w > p && w > 10)
        qDebug().noquote()
            << "--------------------------- [Move] Left->Right -------------------------------";
    else if (w < p && w > 10)
        qDebug().noquote()
            << "--------------------------- [Move] Right->Left -------------------------------";
    dks::advance(m_stretch, w, m_cellWidth);
    m_pending = m_pending || m_stretch.pending;
    qDebug().noquote() << kDivider + QStringLiteral(" m_OneHorizontalKeysTypeTemp") +
                              rowText(m_OneHorizontalKeysTypeTemp);
}

void DDksShowWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    m_stretchStarted = false;

    if (m_hover && !m_onHandle) {
        int &code = m_cells[m_hoverColumn][m_hoverRow];
        if (!dks::isHold(code)) {
            code = code == 1 ? 0 : 1;
            m_record.grid[m_hoverRow * dks::kPoints + m_hoverColumn] = code;
            emit sigTheSeniorKeyInfoStuNeedUpdate_DKS();
            update();
            return;
        }
    }

    const int x = event->pos().x();
    const int y = event->pos().y();
    int row = -1;
    int column = -1;
    for (int i = 0; i < dks::kKeys && row < 0; ++i) {
        if (m_rowY[i] - 9 < y && y < m_rowY[i] + 9)
            row = i;
    }
    for (int j = 0; j < dks::kPoints && column < 0; ++j) {
        if (m_columnX[j] - 8 < x && x < m_columnX[j] + m_cellWidth - 8)
            column = j;
    }
    if (row < 0 || column < 0 || !dks::isHold(m_cells[column][row])) {
        update();
        return;
    }
    m_editedRow = row;
    qDebug().noquote() << kDivider + QStringLiteral(" ************* [Change Befor] Line") +
                              rowText(gridRow(row));
    m_OneHorizontalKeysTypeTemp = dks::removeBar(gridRow(row), column);
    m_pending = true;
    qDebug().noquote() << kDivider + QStringLiteral(" ************* [Change After] Line") +
                              rowText(m_OneHorizontalKeysTypeTemp);
    update();
}

void DDksShowWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_hover = false;
    m_onHandle = false;
    m_hoverPoint = QPoint();
    m_mousePressPosX = m_mousePressPosY = 0;
    m_dragPoint = QPoint();
    m_pressed = false;
    m_pastMidpoint = false;
    m_stretchShown = false;
    m_columnsRight = 0;
    m_maxSegments = 0;
    setCursor(Qt::ArrowCursor);

    if (m_pending) {
        m_pending = false;
        for (int column = 0; column < dks::kPoints; ++column)
            m_record.grid[m_editedRow * dks::kPoints + column] = m_OneHorizontalKeysTypeTemp[column];
        rebuildWorkingCopy();
        m_OneHorizontalKeysTypeTemp.fill(0);
        emit sigTheSeniorKeyInfoStuNeedUpdate_DKS();
    }
    update();
}

void DDksShowWidget::paintBar(QPainter &painter, int x, int y, int width) const
{
    painter.drawRoundedRect(QRect(x - kHalf, y - kHalf, width, kIconSize), 8, 8);
}

void DDksShowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    painter.setPen(QPen(QColor(98, 98, 98, 128), 2));
    for (int y : m_rowY)
        painter.drawLine(0, y, m_areaWidth - 50, y);
    for (int x : m_columnX)
        painter.drawLine(x, 0, x, m_areaHeight);

    for (int x : m_columnX)
        for (int y : m_rowY)
            painter.drawPixmap(x - kHalf, y - kHalf, kIconSize, kIconSize, m_iconDef);
    if (m_hover)
        painter.drawPixmap(m_hoverPoint.x() - kHalf, m_hoverPoint.y() - kHalf, kIconSize, kIconSize,
                           m_iconSel);

    if (m_pressed && m_onHandle && m_stretchShown && m_columnsRight > 0) {
        painter.save();
        painter.setPen(Qt::NoPen);
        const int a = m_mousePressPosX;
        const int b = m_dragPoint.x();
        if (m_pastMidpoint) {
            int n = (b - a) / m_cellWidth;
            if ((b - a) % m_cellWidth > m_cellWidth / 2)
                ++n;
            int width = n * m_cellWidth;
            if (b - a + 6 > m_maxSegments * m_cellWidth)
                width = m_maxSegments * m_cellWidth;
            QColor preview = m_barColor;
            preview.setAlpha(160);
            painter.setBrush(preview);
            paintBar(painter, a, m_mousePressPosY, width);
        }
        painter.setBrush(m_barColor);
        paintBar(painter, a, m_mousePressPosY, m_solidWidth);
        painter.restore();
    }

    if (m_recordLoaded) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_barColor);
        for (int row = 0; row < dks::kKeys; ++row) {
            for (int column = 0; column < dks::kPoints; ++column) {
                const int code = m_cells[column][row];
                if (code == 0)
                    painter.drawPixmap(m_columnX[column] - kHalf, m_rowY[row] - kHalf, kIconSize, kIconSize,
                                       m_iconDef);
                else if (code == 1 || dks::isHold(code))
                    painter.drawPixmap(m_columnX[column] - kHalf, m_rowY[row] - kHalf, kIconSize, kIconSize,
                                       m_iconSel);
            }
            for (const dks::Bar &bar : dks::rowBars(gridRow(row)))
                paintBar(painter, m_columnX[bar.column], m_rowY[row], bar.segments * m_cellWidth);
        }
    }

    if (m_hover)
        painter.drawPixmap(m_hoverPoint.x() - kHalf, m_hoverPoint.y() - kHalf, kIconSize, kIconSize,
                           m_iconSel);
}
