#include "keylightlayer.h"

#include "keyboardimageframeitem.h"
#include "keyselectframe.h"

#include <QPaintEvent>
#include <QPainter>

keyLightLayer::keyLightLayer(keySelectFrame *keys, keyboardImageFrameItem *picture, QWidget *parent)
    : QWidget(parent), m_keys(keys), m_picture(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide(); // until the key layer hands its lights over
}

void keyLightLayer::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect exposed = event->rect();
    if (m_picture) {
        const qreal ratio = devicePixelRatioF();
        const QPixmap picture = m_picture->composedPicture();
        p.drawPixmap(exposed.topLeft(), picture,
                     QRectF(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio));
    }
    if (m_keys)
        m_keys->paintLights(p, exposed);
}
