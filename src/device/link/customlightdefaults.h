#pragma once

#include <QString>

// Default light items and custom colour schemes that every new or restored profile receives. The
// schemes come from per-model resources ":/images/configDir/customLightDefaultConfig*.xml".
class CustomLightDefaults
{
public:
    static constexpr int kSchemeCount = 5;

    // The resource file name for a keyboard, by its key count and model identifier.
    static QString resourceName(int keyCount, const QString &modelKey);

    // Three items (targets 0, 1, 2: Wave, brightness 3, speed 3, red), and the light-synchronised
    // mark when `synchronise` is set.
    static void addDefaultLightConfig(const char *path, int profileIndex, bool synchronise);
    // The five scheme nodes; schemes 0 and 1 are filled from the model's resource.
    static void addDefaultCustomLights(const char *path, int profileIndex, int keyCount,
                                       const QString &modelKey);
    // One target's default item (Wave), and whether the profile holds it.
    static void addDefaultLightItem(const char *path, int profileIndex, int target);
    static bool hasDefaultLightItem(const char *path, int profileIndex, int target);
    // Scheme node `scheme` (0-4) with its default name, filled from the resource for 0 and 1.
    static void addDefaultScheme(const char *path, int profileIndex, int scheme, int keyCount,
                                 const QString &modelKey);
    // Appends one scheme's items of the model's resource to the same scheme of the profile.
    static void importCustomLightDefaults(const char *path, int profileIndex, int schemeIndex, int keyCount,
                                          const QString &modelKey);

    // The resource is copied to a folder made from this template (in the temporary folder) for
    // the store to read. A kill leaves such folders behind: removeStaleTempFolders(), at start,
    // removes those of this user whose process is gone.
    static QString tempFolderTemplate();
    static int removeStaleTempFolders();
};
