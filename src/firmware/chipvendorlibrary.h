#pragma once

#include <QString>
#include <cstdint>

// The chip vendor's upgrade library, loaded at run time by name. It examines ".ufw" images, keeps
// the one loaded last and writes it to a keyboard. Every entry point returns 0 on success. Without
// the library (or with any entry point missing) all five stay null and that upgrade path is off.
struct ChipVendorLibrary
{
    using LoadUfwData = int (*)(const unsigned char *data, int size);
    using GetUfwCrc = int (*)(uint16_t *crc16, uint32_t *crc32);
    using GetUfwPidVid = int (*)(char *identification, int identificationSize, char *version,
                                 int versionSize);
    using ProgressCallback = void (*)(int percent);
    using UpgradeDevice = int (*)(int driveLetter, int arg1, int arg2, ProgressCallback progress);
    using QueryDevicePidVid = int (*)(int driveLetter, char *buffer16, int size16, char *buffer8, int size8);

    LoadUfwData JL_loadUfwData = nullptr;
    GetUfwCrc JL_getUfwCrc = nullptr;
    GetUfwPidVid JL_getUfwPidVid = nullptr;
    UpgradeDevice JL_upgradeDevice = nullptr;
    QueryDevicePidVid JL_queryDevicePidVid = nullptr;

    bool isAvailable() const
    {
        return JL_loadUfwData && JL_getUfwCrc && JL_getUfwPidVid && JL_upgradeDevice && JL_queryDevicePidVid;
    }

    // The library's name without prefix or suffix, as QLibrary takes it.
    static QString defaultName() { return QStringLiteral("jl_firmware_upgrade"); }
    // Loads the library and resolves the five entry points; all or nothing. A loaded library stays
    // in the process, since the upgrade later uses the image it holds.
    static ChipVendorLibrary load(const QString &name, QString *error = nullptr);
};
