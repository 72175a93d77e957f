#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QTimer;

// A one-line marquee that keeps its text moving inside its area.
class TextMoveWidget : public QWidget
{
    Q_OBJECT

public:
    enum MoveStyle
    {
        MoveStyle_LeftAndRight = 0, // back and forth
        MoveStyle_LeftToRight = 1,
        MoveStyle_RightToLeft = 2,
    };
    Q_ENUM(MoveStyle)

    explicit TextMoveWidget(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    int textX() const { return m_x; }
    int textY() const { return m_y; }
    bool isHovered() const { return m_hovered; }

public slots:
    void updatePos();
    void setText(QString text);
    void setTextFont(QString textFont, int textFontSize);
    void setStep(int step);
    void setInterval(int interval);
    void setMouseHoverStop(bool mouseHoverStop);
    void setForeground(QColor foreground);
    void setBackground(QColor background);
    void setMoveStyle(MoveStyle moveStyle);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void setUnderline(bool on);
    void updateTimer();

    QString m_text = QStringLiteral("0123456789");
    int m_step = 2;
    int m_interval = 20;
    bool m_mouseHoverStop = false;
    QColor m_foreground{200, 80, 0, 255};
    QColor m_background{30, 30, 30, 0};
    MoveStyle m_moveStyle = MoveStyle_LeftAndRight;
    bool m_hovered = false;
    bool m_shown = false; // between a show event and a hide event
    bool m_movingRight = true;
    int m_x = 0;
    int m_y = 0;
    QLabel *m_label = nullptr;
    QTimer *m_timer = nullptr;
};
