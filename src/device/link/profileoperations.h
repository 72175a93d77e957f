#pragma once

#include <QByteArray>
#include <QString>

// The store side of the profile row's actions. Each is one user action and one write of the
// profile file: a kill at any moment leaves the file as it was before or after the action, never
// between (a profile without its light defaults, a current profile that no longer exists).
class ProfileOperations
{
public:
    // What a new or repaired profile receives (see CustomLightDefaults).
    struct Defaults
    {
        bool synchronise = false;
        int keyCount = 0;
        QString modelKey;
    };

    // Adds profile `index` named `name` with its default light items and schemes.
    static bool create(const char *path, int index, const QByteArray &name, const Defaults &defaults);
    // Removes profile `index`; the first remaining profile becomes the current one, returned in
    // `newCurrent`. Never removes the last profile.
    static bool remove(const char *path, int index, int *newCurrent);
    static bool rename(const char *path, int index, const QByteArray &name);
    // Imports profile `sourceIndex` of `sourcePath`, completed with any default item it lacks.
    static bool import(const char *path, const char *sourcePath, const char *sourceIndex,
                       const Defaults &defaults);
    // Replaces profile `index` by a fresh one of the same name.
    static bool restore(const char *path, int index, const Defaults &defaults);

    // Load-time check: adds the default items a profile lacks (a file written by an older version
    // that was interrupted, or edited by hand), one write for the whole file. Returns the number of
    // profiles completed, -1 when the file cannot be read or written.
    static int completeProfiles(const char *path, const Defaults &defaults);
    // Adds what profile `index` lacks, without writing; true when something was added.
    static bool completeProfile(const char *path, int index, const Defaults &defaults);
};
