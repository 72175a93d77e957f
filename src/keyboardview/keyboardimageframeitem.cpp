#include "keyboardimageframeitem.h"

#include "ddatamanager.h"
#include "fixedtext.h"
#include "keyboardmodeldata.h"
#include "ui_keyboardimageframeitem.h"

keyboardImageFrameItem::keyboardImageFrameItem(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::keyboardImageFrameItem>())
{
    ui->setupUi(this);
}

keyboardImageFrameItem::~keyboardImageFrameItem() = default;

QString keyboardImageFrameItem::pictureFileName(const QString &model, int variant)
{
    QString name = QStringLiteral("Keyboard_") + model;
    if (variant >= 0 && variant <= 2)
        name += QLatin1Char('_') + QString::number(variant);
    return name + QStringLiteral(".png");
}

void keyboardImageFrameItem::showPicture(const QString &fileName)
{
    m_picturePath =
        keyboardmodeldata::picturePath(DDataManager::getInstance()->applicationDirPath(), fileName);
    keyboardmodeldata::notePicture("keyboard view", m_picturePath);
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border-image: url(%1);}").arg(m_picturePath));
}

void keyboardImageFrameItem::setDeviceInfo(const HidDeviceInfoStu &info)
{
    const std::string_view model = fixedtext::view(info.modelKey);
    setDeviceInfo(QString::fromLocal8Bit(model.data(), static_cast<int>(model.size())));
}

void keyboardImageFrameItem::setDeviceInfo(const QString &model)
{
    m_model = model;
    showPicture(pictureFileName(model));
}

void keyboardImageFrameItem::setPictureVariant(int variant)
{
    showPicture(pictureFileName(m_model, variant));
}
