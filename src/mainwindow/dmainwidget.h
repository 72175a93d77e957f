#pragma once

#include <QWidget>

class DDevicePage;
class QLabel;

// The frameless main window. Hosts the device page once that exists; until then it shows its
// title area over the themed background.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    enum ResizeZone
    {
        ZoneNone,
        ZoneTopLeft,
        ZoneBottomRight,
        ZoneBottomLeft,
        ZoneTopRight,
        ZoneLeft,
        ZoneRight,
        ZoneTop,
        ZoneBottom
    };

    explicit DMainWidget(QWidget *parent = nullptr);

    void resizeZoneAt(int x, int y);
    ResizeZone currentResizeZone() const { return m_zone; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void applyTheme();

    QLabel *m_title = nullptr;
    DDevicePage *m_devicePage = nullptr;
    bool m_leftPressed = false;
    ResizeZone m_zone = ZoneNone;
    QPoint m_pressGlobal;
    QRect m_pressGeometry;
};
