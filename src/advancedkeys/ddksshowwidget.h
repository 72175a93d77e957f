#pragma once

#include "dksrules.h"
#include "seniorkeyinfostu.h"

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

// The action grid of one dynamic-keystroke key: four bound keys (rows) by four travel points
// (columns). A click gives a crossing a single action or takes it away, dragging the right edge
// of a single action stretches it into a hold, a click on a hold removes it. The widget edits its
// own copy of the record and asks its owner to store it after every committed change.
class DDksShowWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DDksShowWidget(QWidget *parent = nullptr);

    void setDrawAreaSize(int width, int height);
    void setSeniorKeyInfoStu(SeniorKeyInfoStu record);
    SeniorKeyInfoStu getSeniorKeyInfoStu() const { return m_record; }

    // Centre of the crossing of bound key `row` and travel point `column`, in widget coordinates.
    QPoint crossingCenter(int row, int column) const;
    int cellWidth() const { return m_cellWidth; }

signals:
    void sigTheSeniorKeyInfoStuNeedUpdate_DKS();
    void sigDksPageMouseMovePointXY(int posX, int posY);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void trackHover(const QPoint &pos);
    void dragStretch(const QPoint &pos);
    void advanceStretch();
    void rebuildWorkingCopy();
    dks::Row gridRow(int row) const;
    void paintBar(class QPainter &painter, int x, int y, int width) const;

    SeniorKeyInfoStu m_record{};
    bool m_recordLoaded = false;
    int m_cells[dks::kPoints][dks::kKeys] = {}; // [column][row]
    QColor m_barColor;

    int m_areaWidth = 0;
    int m_areaHeight = 0;
    int m_cellWidth = 0;
    int m_cellHeight = 0;
    int m_columnX[dks::kPoints] = {};
    int m_rowY[dks::kKeys] = {};
    int m_midX[dks::kPoints - 1] = {};
    int m_threshold = 0;

    QPixmap m_iconDef;
    QPixmap m_iconSel;

    bool m_hover = false;
    QPoint m_hoverPoint;
    int m_hoverColumn = 0;
    int m_hoverRow = 0;
    int m_mousePressPosX = 0;
    int m_mousePressPosY = 0;

    bool m_onHandle = false;
    int m_columnsRight = 0;
    QPoint m_dragPoint;

    bool m_pressed = false;
    bool m_stretchStarted = false;
    bool m_stretchShown = false;
    bool m_pastMidpoint = false;
    int m_maxSegments = 0;
    int m_solidWidth = 0;

    dks::Stretch m_stretch;
    dks::Row &m_OneHorizontalKeysTypeTemp = m_stretch.buffer;
    int m_editedRow = 0;
    bool m_pending = false;
};
