#include "keyboardmodeldata.h"

#include "modelcatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QSet>

namespace {
Q_LOGGING_CATEGORY(lcPictures, "tidelumen.keyboardview.pictures")
} // namespace

namespace keyboardmodeldata {

QSize pictureAreaSize(const QString &model)
{
    return pictureAreaSize(ModelCatalogue::instance().find(model));
}

QSize pictureAreaSize(const ModelInfo *model)
{
    if (!model || model->pictureWidth <= 0 || model->pictureHeight <= 0)
        return QSize(0, 0);
    return QSize(model->pictureWidth, model->pictureHeight);
}

bool hasDeepEnterNotch(const QString &)
{
    return false; // none of our boards has an L-shaped Enter
}

QString pictureDirectory(const QString &applicationDir)
{
    const QString beside = applicationDir + QStringLiteral("/images/hidImages");
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed =
        QDir::cleanPath(applicationDir + QStringLiteral("/../share/tidelumen/images/hidImages"));
    return QFileInfo(installed).isDir() ? installed : beside;
}

QString picturePath(const QString &applicationDir, const QString &fileName)
{
    return pictureDirectory(applicationDir) + QLatin1Char('/') + fileName;
}

bool notePicture(const char *user, const QString &path)
{
    const bool readable = QFileInfo(path).isReadable();
    static QMutex mutex;
    static QSet<QString> seen;
    QMutexLocker lock(&mutex);
    const QString key = QLatin1String(user) + QLatin1Char('\n') + path;
    if (seen.contains(key))
        return readable;
    seen.insert(key);
    if (readable)
        qCInfo(lcPictures, "Loaded the %s picture %s", user, qUtf8Printable(path));
    else
        qCWarning(lcPictures, "The %s picture %s is missing; the frame stays empty", user,
                  qUtf8Printable(path));
    return readable;
}

} // namespace keyboardmodeldata
