#pragma once

#include "keyboardbutcustom.h"

#include <QColor>
#include <QPoint>
#include <QToolButton>

// One segment of the side light strip, drawn as a glow along its long side. With a canvas set, the
// canvas paints it.
class sideLightButtonCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit sideLightButtonCustom(QWidget *parent = nullptr);

    void setSegmentSize(int width, int height);
    void setOrigin(int x, int y);
    void setIndexAndStatus(int index, int validStatus);
    void setColor(const QColor &c);
    QColor color() const { return m_color; }
    int index() const { return m_index; }
    int validStatus() const { return m_validStatus; }
    QPoint origin() const { return m_originPoint; }
    // The canvas must be the segment's parent widget; null paints the segment itself again.
    void setCanvas(LightCanvas *canvas);
    bool paintedOnCanvas() const { return m_canvas; }
    // Paints the segment in its own coordinates, as the segment or its canvas shows it.
    void paintSegment(class QPainter &p) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    int m_width = 10;
    int m_height = 10;
    int m_originX = 0;
    int m_originY = 0;
    QPoint m_originPoint;
    int m_index = 0;
    int m_validStatus = 0;
    QColor m_color{0, 0, 0, 128};
    LightCanvas *m_canvas = nullptr;
};
