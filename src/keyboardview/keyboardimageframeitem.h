#pragma once

#include "hiddeviceinfostu.h"

#include <QPixmap>
#include <QWidget>
#include <memory>

namespace Ui {
class keyboardImageFrameItem;
}

// Bottom layer of the keyboard view: the model's picture, stretched over the key area (its frame),
// on what its parent paints of itself (the view's background). Both are composed once per size into
// one opaque pixmap, and the layer says it is opaque: the light preview repaints the area under the
// keys many times a second, and each repaint is then one copy of the exposed part, with nothing
// behind the layer painted first.
class keyboardImageFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyboardImageFrameItem(QWidget *parent = nullptr);
    ~keyboardImageFrameItem() override;

    void setDeviceInfo(const HidDeviceInfoStu &info);
    void setDeviceInfo(const QString &model);
    void setPictureVariant(int variant);
    QString modelName() const { return m_model; }
    QString picturePath() const { return m_picturePath; }
    // What the layer shows (the background and the stretched picture) at its size and pixel
    // ratio, for a layer above that covers it.
    QPixmap composedPicture();

    // "Keyboard_<model>.png", or with "_0", "_1", "_2" for variants 0 to 2.
    static QString pictureFileName(const QString &model, int variant = -1);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showPicture(const QString &fileName);
    void compose(qreal ratio);

    std::unique_ptr<Ui::keyboardImageFrameItem> ui;
    QString m_model;
    QString m_picturePath;
    QPixmap m_picture;
    QPixmap m_composed; // background and stretched picture at the layer's size and pixel ratio
};
