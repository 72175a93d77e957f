#pragma once

#include <QSlider>

// A horizontal slider that reacts to the mouse only near its handle and ignores the wheel, so that
// a stray click or scroll never changes a setting.
class MySlider : public QSlider
{
    Q_OBJECT

public:
    explicit MySlider(QWidget *parent = nullptr);

    void setPressTolerance(int left, int right);
    void setPositionFromZero(bool fromZero);

    // Handle position, in pixels from the left edge, that presses are measured against.
    int pressAnchor() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_leftTolerance = 10;
    int m_rightTolerance = 5;
    bool m_positionFromZero = true;
};
