#include "picturecache.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <future>

namespace {

struct Decoded
{
    QImage whole; // null once taken or dropped, or when it was never kept
    QImage scaled;
};

// Raster pixmaps hold premultiplied pixels: converted here, the view's pixmap takes them as they are.
QImage forPixmap(QImage image)
{
    if (image.format() == QImage::Format_ARGB32)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image;
}

QImage scaledInto(const QImage &image, const QSize &box)
{
    return image.isNull() ? image : image.scaled(box, Qt::KeepAspectRatio, Qt::FastTransformation);
}

Decoded decodeKeepingWhole(const QString &path, const QSize &box)
{
    const QImage image(path);
    Decoded d;
    d.scaled = scaledInto(image, box);
    d.whole = forPixmap(image);
    return d;
}

std::shared_future<Decoded> ready(Decoded decoded)
{
    std::promise<Decoded> promise;
    promise.set_value(std::move(decoded));
    return promise.get_future().share();
}

QString keyOf(const QString &path, const QSize &box)
{
    return path + QLatin1Char('@') + QString::number(box.width()) + QLatin1Char('x') +
           QString::number(box.height());
}

bool isKeyOf(const QString &key, const QString &path)
{
    return key.size() > path.size() && key.startsWith(path) && key.at(path.size()) == QLatin1Char('@');
}

// The futures of std::async wait for their threads when the last copy goes, so a decode still
// running when the program ends is finished before the table is destroyed.
struct Cache
{
    QMutex mutex;
    QHash<QString, std::shared_future<Decoded>> entries;
};

Cache &cache()
{
    static Cache c;
    return c;
}

// Replaces every entry of `path` (all of them when `path` is empty) that holds a whole picture by
// one without it; returns one of those whole pictures. Waits for decodes under way.
QImage takeWhole(const QString &path)
{
    Cache &c = cache();
    QHash<QString, std::shared_future<Decoded>> holding;
    {
        QMutexLocker lock(&c.mutex);
        for (auto it = c.entries.cbegin(); it != c.entries.cend(); ++it) {
            if (path.isEmpty() || isKeyOf(it.key(), path))
                holding.insert(it.key(), it.value());
        }
    }
    QImage whole;
    for (auto it = holding.cbegin(); it != holding.cend(); ++it) {
        const Decoded &decoded = it.value().get();
        if (decoded.whole.isNull())
            continue;
        if (whole.isNull())
            whole = decoded.whole;
        QMutexLocker lock(&c.mutex);
        c.entries.insert(it.key(), ready({QImage(), decoded.scaled}));
    }
    return whole;
}

} // namespace

namespace picturecache {

void prefetch(const QString &path, const QSize &box)
{
    Cache &c = cache();
    const QString key = keyOf(path, box);
    QMutexLocker lock(&c.mutex);
    if (c.entries.contains(key))
        return;
    c.entries.insert(key, std::async(std::launch::async, decodeKeepingWhole, path, box).share());
}

QImage scaled(const QString &path, const QSize &box)
{
    Cache &c = cache();
    const QString key = keyOf(path, box);
    std::shared_future<Decoded> entry;
    {
        QMutexLocker lock(&c.mutex);
        entry = c.entries.value(key);
        if (!entry.valid()) {
            entry = ready({QImage(), scaledInto(QImage(path), box)});
            c.entries.insert(key, entry);
        }
    }
    return entry.get().scaled;
}

QImage picture(const QString &path)
{
    const QImage whole = takeWhole(path);
    return whole.isNull() ? forPixmap(QImage(path)) : whole;
}

void dropPictures()
{
    takeWhole(QString());
}

} // namespace picturecache
