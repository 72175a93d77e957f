#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// The folder and the profile files of one keyboard: <config>/<model key>/<serial number>/ holding
// appProfile_Default.xml, appProfile_FN.xml and, for magnetic keyboards, appProfile_Magnetic.xml.
class DeviceProfileFiles
{
public:
    static constexpr int kPathBytes = 256;

    // The keyboard's folder, or an empty text when the serial number cannot name one (empty, too
    // long or with other characters than [0-9A-Za-z]): profiles never go into the model folder.
    static QString keyboardFolder(const QString &configRoot, const QString &modelKey, const QString &serial);

    // Path of file 0 (Default), 1 (FN) or 2 (Magnetic) in `folder`.
    static QString filePath(const QString &folder, int file);

    // Creates the folder levels and every missing file with the single profile "Profile1" (index
    // 1, current). `addDefaults` is called with each new Default or FN file. Files that exist are
    // left alone. False when a folder cannot be made or a path does not fit the store's 256-byte
    // buffers; `created` lists the files made.
    static bool prepare(const QString &folder, bool magnetic,
                        const std::function<void(const char *path)> &addDefaults,
                        QStringList *created = nullptr);

    // A kill during a save leaves the save's temporary file ("<store file>.<six letters or digits>")
    // beside the file it was to replace. Removes those of the program's store and settings files
    // in `configRoot` and in the keyboards' folders below it; returns how many. Call at start,
    // holding the single-instance lock, so that no save of another instance is running.
    static int removeInterruptedSaves(const QString &configRoot);

    // The file of `layer` (0 Default, 1 FN) in the folder of the layer file `shownFile`; empty
    // when `shownFile` names no folder.
    static QByteArray layerFile(const QByteArray &shownFile, int layer);
    // The other layer's file beside the Default or FN file `shownFile`: the keyboard plays both.
    static QByteArray pairedLayerFile(const QByteArray &shownFile);

    // True when a key of profile `profileIndex` in `layerFile` plays the macro `macroIndex`.
    static bool usesMacro(const char *layerFile, int profileIndex, const QByteArray &macroIndex);
    // True when a key of profile `profileIndex` of `shownFile`, or of the current profile of its
    // paired layer file, plays the macro `macroIndex`.
    static bool usesMacroInEitherLayer(const char *shownFile, int profileIndex, const QByteArray &macroIndex);
    // Replaces the copy of macro `macroIndex` in one profile of one layer file with the events
    // `macroFile` holds now, when a key uses it. Without the macro's events the old copy stays.
    static bool refreshMacroCopy(const char *layerFile, int profileIndex, const QByteArray &macroIndex,
                                 const char *macroFile);
    // Refreshes the copies in profile `profileIndex` of `shownFile` and in the current profile of
    // its paired layer file.
    static void refreshMacroCopies(const char *shownFile, int profileIndex, const QByteArray &macroIndex,
                                   const char *macroFile);

private:
    // The current profile of the layer file paired with `shownFile`, its path in `otherPath`; -1
    // when there is no such file.
    static int pairedCurrentProfile(const char *shownFile, char (&otherPath)[kPathBytes]);
};
