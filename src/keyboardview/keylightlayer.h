#pragma once

#include <QPointer>
#include <QWidget>

class keySelectFrame;
class keyboardImageFrameItem;

// Shows the lights of the keyboard view while the key layer has every key cap and side-light
// segment painted on its canvas (the light look): the picture, and the lights over it. It lies
// above the other layers, with their geometry, and covers them, takes no mouse input (the keys under
// it do) and has no children, so a preview frame repaints this one widget alone: nothing under it,
// and none of the many key widgets, takes part.
class keyLightLayer : public QWidget
{
    Q_OBJECT

public:
    keyLightLayer(keySelectFrame *keys, keyboardImageFrameItem *picture, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<keySelectFrame> m_keys;
    QPointer<keyboardImageFrameItem> m_picture;
};
