#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

// Transparent overlay over the keyboard view: a left drag draws a rubber band that selects keys,
// a right click clears the selection, and pointer moves feed the view's hover tracking.
class dragShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit dragShowArea(QWidget *parent = nullptr);

    void setColor(int red, int green, int blue);
    void setSingleKeyMode(bool on) { m_singleKeyMode = on; }
    void setActive(bool on) { m_active = on; }
    bool isActive() const { return m_active; }
    bool isDragging() const { return m_dragging; }

    // The band as painted for a drag from `start` to `current`: 2 pixels short of the pointer.
    static QRect bandRect(const QPoint &start, const QPoint &current);

signals:
    void sigDragArea(int startX, int startY, int endX, int endY);
    void sigDragShowAreaMouseMovePoint(int moveX, int moveY);
    void sigDragAreaMousePressOrRelease(bool isMousePress);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QPoint clamped(const QPoint &p) const;

    bool m_dragging = false;
    QPoint m_startPoint;
    QPoint m_currentPoint;
    QPoint m_releasePoint;
    int m_red = 255;
    int m_green = 143;
    int m_blue = 31;
    bool m_singleKeyMode = false;
    bool m_active = false;
};
