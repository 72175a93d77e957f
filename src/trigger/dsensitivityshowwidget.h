#pragma once

#include <QColor>
#include <QPixmap>
#include <QVector>
#include <QWidget>

// The painted key-travel scale of the trigger tab: one segment per travel count (0.1 mm), rest
// position at the top, a draggable actuation marker snapped to the counts, and optionally the
// key's live travel as a filled run of segments from the top.
class DSensitivityShowWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DSensitivityShowWidget(QWidget *parent = nullptr);

    void setWidgetSize(int width, int height);
    // Call after setWidgetSize: the ticks follow from the height and the count.
    void setSegmentCount(int n);
    void setBarWidth(int width);
    void setColors(const QColor &segment, const QColor &liveBase, const QColor &label, const QColor &column);
    // Places the marker on a travel count (1 .. n-1); any other count leaves the marker alone.
    void setCenterMarker(int count);
    void setLiveTravel(int segments);
    void setLiveTravelShown(bool shown);

    int segmentCount() const { return m_segmentCount; }
    // The marker's travel count; 0 while no marker is placed.
    int markerCount() const { return m_markerCount; }
    int liveTravel() const { return m_liveTravel; }
    bool isLiveTravelShown() const { return m_liveTravelShown; }
    // The colour of live-fill segment i (0 at the top), as painted.
    QColor liveFillColor(int i) const;

signals:
    // The marker moved to another travel count (whereData 1: the actuation marker).
    void sigCurrentStrengthNumBack(int whereData, int StrengthNum);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The tick nearest to y (a tie goes to the deeper one): its count and y. Needs ticks.
    QPair<int, int> snapToTick(int y) const;
    void moveMarkerTo(int y);

    int m_width = 0;
    int m_height = 0;
    int m_segmentCount = 10;
    int m_segmentHeight = 0;
    int m_gap = 2;
    int m_pitch = 0;
    int m_barWidth = 100;
    QVector<int> m_ticks;
    int m_markerY = 0; // snapped
    int m_markerCount = 0;
    int m_liveTravel = 0;
    bool m_liveTravelShown = true;
    bool m_dragging = false;
    QColor m_segmentColor{92, 92, 126};
    QColor m_liveBaseColor{255, 143, 31};
    QColor m_labelColor{255, 143, 31};
    QColor m_columnColor{26, 27, 49};
    int m_liveSteps[3] = {};
    QPixmap m_markerImage;
};
