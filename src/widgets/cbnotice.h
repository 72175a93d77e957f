#pragma once

#include "cbnoticeinterface.h"

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QWidget>

struct ThemeColors;
class QGraphicsOpacityEffect;
class QPropertyAnimation;

// A short confirmation or error line shown over a page: opaque for a while, then fading out.
class CbNotice : public QWidget, public CbNoticeInterface
{
    Q_OBJECT

public:
    explicit CbNotice(QWidget *parent = nullptr);

    void reShowNotice() override;
    void showNotice(const QString &text) override;
    void showNotice(const QString &text, const QPoint &center) override;

    void setBackgroundColor(const QColor &color);
    void setTextColor(const QColor &color);
    void setNoticeFont(const QFont &font);
    void setFontPixelSize(int pixelSize);
    // The dialogs' toast look: the theme's page background at alpha 200, its checked-text colour,
    // and its text font at 14 pixels.
    void applyDialogTheme(const ThemeColors &colors);

    QString text() const { return m_text; }
    QPoint defaultCenter() const { return m_defaultCenter; }

signals:
    void sigFinished();

public slots:
    void onActiveHideAnimation();
    void onHideAnimotionFinish();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void startShow();
    QPainterPath boxPath() const;

    int m_boxHeight = 40;
    int m_opaqueTime = 1300;
    int m_fadeTime = 1000;
    QColor m_textColor{255, 143, 31, 255};
    QColor m_backgroundColor{52, 52, 85, 200};
    QPoint m_defaultCenter;
    QString m_text;
    QPropertyAnimation *m_animation = nullptr;
    QGraphicsOpacityEffect *m_opacityEffect = nullptr;
};
