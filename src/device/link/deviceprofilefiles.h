#pragma once

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
};
