#include "keyboardimageframeitem.h"

#include "ddatamanager.h"
#include "fixedtext.h"
#include "keyboardmodeldata.h"
#include "picturecache.h"
#include "ui_keyboardimageframeitem.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

keyboardImageFrameItem::keyboardImageFrameItem(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::keyboardImageFrameItem>())
{
    ui->setupUi(this);
    // The layer paints everything under the keys itself, the picture's frame included: the frame
    // only places the picture and takes no part in repaints.
    setAttribute(Qt::WA_OpaquePaintEvent);
    ui->frame->setUpdatesEnabled(false);
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
    m_picture = QPixmap::fromImage(picturecache::picture(m_picturePath));
    m_composed = QPixmap();
    update();
}

void keyboardImageFrameItem::changeEvent(QEvent *event)
{
    // A new style sheet or palette can change the background the picture is composed on.
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange) {
        m_composed = QPixmap();
        update();
    }
    QWidget::changeEvent(event);
}

void keyboardImageFrameItem::compose(qreal ratio)
{
    m_composed = QPixmap(size() * ratio);
    m_composed.setDevicePixelRatio(ratio);
    QPainter p(&m_composed);
    // Underneath: what the parent paints of itself there, or a window's background without one.
    p.fillRect(rect(), palette().brush(QPalette::Window));
    if (QWidget *behind = parentWidget())
        behind->render(&p, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    if (m_picture.isNull())
        return;
    // Smoothly stretched over the whole frame, aspect ratio not kept: the picture is drawn for the
    // key area it covers.
    const QRect frame = ui->frame->geometry();
    QPixmap stretched(frame.size() * ratio);
    stretched.setDevicePixelRatio(ratio);
    stretched.fill(Qt::transparent);
    {
        QPainter s(&stretched);
        s.setRenderHint(QPainter::SmoothPixmapTransform);
        s.drawPixmap(QRect(QPoint(0, 0), frame.size()), m_picture);
    }
    p.drawPixmap(frame.topLeft(), stretched);
}

QPixmap keyboardImageFrameItem::composedPicture()
{
    const qreal ratio = devicePixelRatioF();
    if (m_composed.size() != size() * ratio || m_composed.devicePixelRatio() != ratio)
        compose(ratio);
    return m_composed;
}

void keyboardImageFrameItem::paintEvent(QPaintEvent *event)
{
    const qreal ratio = devicePixelRatioF();
    const QPixmap composed = composedPicture();
    // Only the exposed part is copied; the composed pixmap is opaque, so this is a plain copy.
    const QRect exposed = event->rect();
    QPainter p(this);
    p.drawPixmap(exposed.topLeft(), composed,
                 QRectF(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio));
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
