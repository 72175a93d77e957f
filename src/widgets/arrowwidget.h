#pragma once

#include <QColor>
#include <QDialog>
#include <QPainterPath>
#include <QPointer>

// The pop-up frame: a rounded box with an arrow on its top or bottom edge pointing at the control
// it belongs to. It hides itself as soon as it stops being the active window, or, while active, when
// a press lands in another of the program's windows (a window manager may keep reporting the
// bubble active then). Hidden while active, it hands the keyboard back to the window that had it.
class ArrowWidget : public QDialog
{
    Q_OBJECT

public:
    // `side`: 0 arrow on the top edge, 1 on the bottom edge, anything else no arrow.
    explicit ArrowWidget(int side, QWidget *parent = nullptr);

    void setWidgetSize(int width, int height);
    ArrowWidget *setArrowStartX(int x);
    void setCenterWidget(QWidget *widget);
    void setBackgroundColor(int r, int g, int b);

    bool isPopupShown() const { return m_popupShown; }
    void setPopupShown(bool shown) { m_popupShown = shown; }

    int arrowStartX() const { return m_arrowStartX; }
    int side() const { return m_side; }
    QColor fillColor() const { return m_fillColor; }
    // Box and arrow in widget coordinates, as painted.
    QPainterPath shapePath() const;

signals:
    void sigArrowWidgetHide();
    void sigArrowWidgetMouseEnter();
    void sigArrowWidgetMouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateMask();

    int m_arrowStartX = 50;
    int m_side = 1;
    QColor m_fillColor;
    bool m_popupShown = false;
    QPointer<QWidget> m_returnFocusTo;
    QObject *m_outsidePresses = nullptr; // application-wide filter while shown
};
