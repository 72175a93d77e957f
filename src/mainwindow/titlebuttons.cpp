#include "titlebuttons.h"

#include <QAbstractButton>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QVariant>

namespace {

const char kNormalIcon[] = "tidelumenNormalIcon";
const char kHoverIcon[] = "tidelumenHoverIcon";

// The shape at `size` in `colour`. Scaled down, a thin stroke is left with no pixel fully covered
// and would show as a faint grey; its coverage is stretched so the densest pixels are opaque.
QIcon tinted(const QImage &shape, const QSize &size, const QColor &colour)
{
    QImage out = shape.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_ARGB32);
    int densest = 0;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            densest = qMax(densest, qAlpha(out.pixel(x, y)));
    if (densest == 0)
        return QIcon();
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const int alpha = qMin(255, qAlpha(out.pixel(x, y)) * 255 / densest);
            out.setPixel(x, y, qRgba(colour.red(), colour.green(), colour.blue(), alpha));
        }
    }
    return QIcon(QPixmap::fromImage(out));
}

} // namespace

TitleButtons::TitleButtons(QObject *parent) : QObject(parent) {}

void TitleButtons::apply(QAbstractButton *button, const QString &picture, const QColor &normal,
                         const QColor &hover)
{
    const QImage shape(picture);
    if (shape.isNull())
        return;
    const QSize size = shape.size().boundedTo(button->size());
    button->setProperty("picture", picture);
    button->setProperty(kNormalIcon, tinted(shape, size, normal));
    button->setProperty(kHoverIcon, tinted(shape, size, hover));
    button->setStyleSheet(QStringLiteral("QPushButton{border: none; background: transparent;}"));
    button->setIconSize(size);
    button->setIcon(button->property(button->underMouse() ? kHoverIcon : kNormalIcon).value<QIcon>());
    button->removeEventFilter(this);
    button->installEventFilter(this);
}

bool TitleButtons::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button)
        return false;
    const char *which = nullptr;
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseButtonPress:
        which = kHoverIcon;
        break;
    case QEvent::Leave:
        which = kNormalIcon;
        break;
    default:
        break;
    }
    if (which)
        button->setIcon(button->property(which).value<QIcon>());
    return false;
}
