#include "picturecache.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <future>

namespace {

QImage decodeScaled(const QString &path, const QSize &box)
{
    const QImage image(path);
    return image.isNull() ? image : image.scaled(box, Qt::KeepAspectRatio, Qt::FastTransformation);
}

QString keyOf(const QString &path, const QSize &box)
{
    return path + QLatin1Char('@') + QString::number(box.width()) + QLatin1Char('x') +
           QString::number(box.height());
}

// The futures of std::async wait for their threads when the last copy goes, so a decode still
// running when the program ends is finished before the table is destroyed.
struct Cache
{
    QMutex mutex;
    QHash<QString, std::shared_future<QImage>> entries;
};

Cache &cache()
{
    static Cache c;
    return c;
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
    c.entries.insert(key, std::async(std::launch::async, decodeScaled, path, box).share());
}

QImage scaled(const QString &path, const QSize &box)
{
    Cache &c = cache();
    const QString key = keyOf(path, box);
    std::shared_future<QImage> entry;
    {
        QMutexLocker lock(&c.mutex);
        entry = c.entries.value(key);
        if (!entry.valid()) {
            std::promise<QImage> decoded;
            decoded.set_value(decodeScaled(path, box));
            entry = decoded.get_future().share();
            c.entries.insert(key, entry);
        }
    }
    return entry.get();
}

} // namespace picturecache
