#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

// The 29 x 15 pixel battery gauge with its percentage text.
class BatteryItem : public QLabel
{
    Q_OBJECT

public:
    explicit BatteryItem(QWidget *parent = nullptr);

    void setBatteryLevel(int level);
    void setPercentTextVisible(bool visible);

    int batteryLevel() const { return m_level; }
    int fillWidth() const { return m_fillWidth; }
    QColor fillColor() const { return m_fillColor; }
    bool isPercentTextVisible() const { return m_percentTextVisible; }
    // The font the percentage `text` is drawn in: small enough to fit inside the outline.
    static QFont percentFont(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_fillWidth = 0;
    QColor m_fillColor{100, 100, 100, 255};
    int m_level = 0;
    bool m_percentTextVisible = true;
    // What the last setBatteryLevel put on screen.
    bool m_applied = false;
    bool m_appliedPercentText = true;
};
