#include "keyboardmodeldata.h"

#include "modelcatalogue.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace keyboardmodeldata
