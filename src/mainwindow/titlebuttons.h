#pragma once

#include <QColor>
#include <QObject>

class QAbstractButton;

// The title bar's window buttons (settings, minimise, maximise, close) drawn in the theme's text
// colours: their pictures are one-colour shapes, painted once for a dark title bar, so a light
// theme would make them vanish. The shape is filled with `normal`, and with `hover` while the
// pointer is over the button or it is held down.
class TitleButtons : public QObject
{
    Q_OBJECT

public:
    explicit TitleButtons(QObject *parent = nullptr);

    // `picture`: the resource holding the shape, e.g. ":/images/mainpage/minWindowDef.png"; the
    // button keeps it in its "picture" property.
    void apply(QAbstractButton *button, const QString &picture, const QColor &normal, const QColor &hover);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
