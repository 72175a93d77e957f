#include "keyboardmodeldata.h"

#include <QDir>
#include <QFileInfo>

namespace keyboardmodeldata {

namespace {
struct ModelRow
{
    const char *model;
    int width;
    int height;
};
// Picture areas of our boards: the key extent of each layout file plus a 10-pixel case border.
const ModelRow kRows[] = {{"TL68HE", 592, 196}, {"TL87", 673, 250}, {"TL104", 826, 250}};
} // namespace

QSize pictureAreaSize(const QString &model)
{
    for (const ModelRow &r : kRows)
        if (model == QLatin1String(r.model))
            return QSize(r.width, r.height);
    return QSize(0, 0);
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
