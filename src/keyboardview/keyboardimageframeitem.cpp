#include "keyboardimageframeitem.h"

#include "ddatamanager.h"
#include "fixedtext.h"
#include "keyboardmodeldata.h"
#include "ui_keyboardimageframeitem.h"

#include <QEvent>
#include <QPainter>

keyboardImageFrameItem::keyboardImageFrameItem(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::keyboardImageFrameItem>())
{
    ui->setupUi(this);
    // The frame shows the picture only; it paints no panel of its own.
    ui->frame->installEventFilter(this);
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
    m_picture = QPixmap(m_picturePath);
    m_stretched = QPixmap();
    ui->frame->update();
}

bool keyboardImageFrameItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame && event->type() == QEvent::Paint) {
        paintPicture();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void keyboardImageFrameItem::paintPicture()
{
    if (m_picture.isNull())
        return;
    const QSize size = ui->frame->size();
    const qreal ratio = ui->frame->devicePixelRatioF();
    if (m_stretched.size() != size * ratio || m_stretched.devicePixelRatio() != ratio) {
        // Smoothly stretched over the whole frame, aspect ratio not kept: the picture is drawn
        // for the key area it covers.
        m_stretched = QPixmap(size * ratio);
        m_stretched.setDevicePixelRatio(ratio);
        m_stretched.fill(Qt::transparent);
        QPainter p(&m_stretched);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(QRect(QPoint(0, 0), size), m_picture);
    }
    QPainter p(ui->frame);
    p.drawPixmap(0, 0, m_stretched);
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
