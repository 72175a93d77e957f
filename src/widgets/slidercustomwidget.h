#pragma once

#include <QColor>
#include <QVector>
#include <QWidget>

// A small stepped slider: a groove with tick marks and a glowing handle that snaps to the ticks.
class sliderCustomWidget : public QWidget
{
    Q_OBJECT

public:
    explicit sliderCustomWidget(QWidget *parent = nullptr);

    void setWidgetSize(int width, int height);
    void setMargin(int margin);
    void setStepCount(int count);
    void setCurrentPosition(int index);
    void setGrooveColor(const QColor &color);
    void setTickColor(const QColor &color);
    void setHandleColor(const QColor &color);

    int stepCount() const { return m_stepCount; }
    int endX() const { return m_endX; }
    int grooveY() const { return m_grooveY; }
    int handleX() const { return m_handleX; }
    int handleY() const { return m_handleY; }
    QVector<int> tickPositions() const { return m_ticks; }

signals:
    void sigBackCurrentPositionNum(int currPositionIndex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Index of the first tick within 4 pixels of `x`, or -1.
    int tickNear(int x) const;

    int m_stepCount = 5;
    int m_endX = 120;
    QVector<int> m_ticks;
    int m_grooveY = 15;
    int m_handleX = 10;
    int m_handleY = 14;
    int m_margin = 10;
    QColor m_grooveColor{138, 128, 128, 255};
    QColor m_tickColor{138, 128, 128, 255};
    QColor m_handleColor{255, 143, 31, 255};
};
