#pragma once

#include "hiddeviceinfostu.h"

#include <QPixmap>
#include <QWidget>
#include <memory>

namespace Ui {
class keyboardImageFrameItem;
}

// Bottom layer of the keyboard view: the model's picture, stretched over the key area. The
// stretched picture is kept per size: the light preview repaints the area under the keys many
// times a second, and scaling the picture again on each repaint was a large part of that.
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

    // "Keyboard_<model>.png", or with "_0", "_1", "_2" for variants 0 to 2.
    static QString pictureFileName(const QString &model, int variant = -1);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPicture(const QString &fileName);
    void paintPicture();

    std::unique_ptr<Ui::keyboardImageFrameItem> ui;
    QString m_model;
    QString m_picturePath;
    QPixmap m_picture;
    QPixmap m_stretched; // m_picture stretched over the frame at its size and pixel ratio
};
