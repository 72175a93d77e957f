#include "chipvendorlibrary.h"

#include <QLibrary>

ChipVendorLibrary ChipVendorLibrary::load(const QString &name, QString *error)
{
    QLibrary library(name);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    ChipVendorLibrary lib;
    if (!library.load()) {
        if (error)
            *error = library.errorString();
        return lib;
    }
    lib.JL_loadUfwData = reinterpret_cast<LoadUfwData>(library.resolve("JL_loadUfwData"));
    lib.JL_getUfwCrc = reinterpret_cast<GetUfwCrc>(library.resolve("JL_getUfwCrc"));
    lib.JL_getUfwPidVid = reinterpret_cast<GetUfwPidVid>(library.resolve("JL_getUfwPidVid"));
    lib.JL_upgradeDevice = reinterpret_cast<UpgradeDevice>(library.resolve("JL_upgradeDevice"));
    lib.JL_queryDevicePidVid = reinterpret_cast<QueryDevicePidVid>(library.resolve("JL_queryDevicePidVid"));
    if (!lib.isAvailable()) {
        if (error)
            *error = QStringLiteral("%1 lacks an entry point").arg(name);
        return ChipVendorLibrary();
    }
    return lib;
}
