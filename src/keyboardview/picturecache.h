#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Keyboard pictures decoded and scaled once per size. The device cards' pictures are decoded ahead
// on worker threads while the window waits for its first device listing, and every later rebuild of
// the list (hot plug) reuses them. The keyboard view shows the same files at their own size: a
// decode ahead keeps the whole picture too, for the first view to take, until dropPictures.
namespace picturecache {

// Starts decoding `path` scaled into `box` on a worker thread, unless that is cached or under way.
void prefetch(const QString &path, const QSize &box);
// The picture scaled into `box`, aspect ratio kept; a null image when the file cannot be read.
// Waits for a prefetch under way, else decodes on the calling thread.
QImage scaled(const QString &path, const QSize &box);
// The picture at its own size, ready to become a pixmap; a null image when the file cannot be
// read. Hands over (and no longer keeps) what a prefetch decoded, waiting for it if needed; else
// decodes on the calling thread.
QImage picture(const QString &path);
// Forgets the whole pictures no view took; the scaled ones stay.
void dropPictures();

} // namespace picturecache
