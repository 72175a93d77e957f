#pragma once

#include "hiddeviceinfostu.h"

#include <QWidget>
#include <memory>

namespace Ui {
class keyboardImageFrameItem;
}

// Bottom layer of the keyboard view: the model's picture, stretched over the key area.
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

private:
    void showPicture(const QString &fileName);

    std::unique_ptr<Ui::keyboardImageFrameItem> ui;
    QString m_model;
    QString m_picturePath;
};
