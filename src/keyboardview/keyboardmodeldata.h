#pragma once

#include <QSize>
#include <QString>

struct ModelInfo;

// Per-model facts the keyboard view needs besides the layout file.
namespace keyboardmodeldata {

// Size of the model's picture area at zoom 1.0 (the catalogue's picture size: the key extent of
// the layout plus the case border); an empty size for a model we do not know.
QSize pictureAreaSize(const QString &model);
QSize pictureAreaSize(const ModelInfo *model);
// True for the models whose L-shaped Enter has the deeper (10, 35) notch.
bool hasDeepEnterNotch(const QString &model);

// Where the keyboard pictures lie: "images/hidImages" beside the program, or the installed data
// folder when the program runs from its installed place.
QString pictureDirectory(const QString &applicationDir);
QString picturePath(const QString &applicationDir, const QString &fileName);
// Says in the log, once per file, whether the picture `user` shows (the keyboard view, a device
// card) was there; a build or an installation without pictures shows empty frames otherwise.
// Returns whether the file can be read.
bool notePicture(const char *user, const QString &path);

} // namespace keyboardmodeldata
