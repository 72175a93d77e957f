#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

// The lighting page's colour wheel: a hue disc with a white centre inside a white-to-black ring
// that carries a knob. A press in the disc picks the colour under the pointer; a press or drag
// elsewhere turns the knob, reported as a value from 0 to 100.
class SVColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit SVColorArea(QWidget *parent = nullptr);

    // Knob back to 0; reports (0, 0).
    void resetKnob();
    double knobValue() const { return m_knobValue; }

signals:
    void svChangedSignal(int h, int s, int v);
    void sigGetRGB(int R, int G, int B);
    void sigGetHexRGB(QString strHexRGB);
    // The knob as a value 0..100 and as its rotation in degrees (0 down to -360), both truncated.
    void sigMoveingStatus(int valueRotate, int degRotate);
    void sigMouseIsPress(bool);

public slots:
    // The eyedropper: reports the colour drawn under the last press.
    void print2();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawWheelPixmap();
    void drawKnob(QPainter &painter);
    void setValueFromPoint(const QPoint &point);
    void setKnobValue(double value);
    double rotation() const;

    int hue = 0;
    int saturation = 0;
    int value = 0;
    int m_wheelSize = 80;
    QPixmap m_wheelPixmap;
    QColor m_knobColor1{255, 49, 53, 255};
    QColor m_knobColor2{250, 250, 250, 255};
    double m_knobValue = 0.0;
    double m_maximum = 100.0;
    double m_minimum = 0.0;
    int m_startAngleOffset = 0;
    int m_endAngleOffset = 0;
    bool m_pressedInDisc = false;
    QPoint m_pickPoint;
};
