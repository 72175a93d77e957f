#include "cquelmosdk.h"

#include "fixedtext.h"

#ifndef TL_SDK_VERSION
#define TL_SDK_VERSION "0.0.0"
#endif

int CQuelmoSDK_VersionStr(char *buffer, int size)
{
    if (!buffer || size <= 0)
        return -1;
    fixedtext::copy(buffer, static_cast<std::size_t>(size), "Tidelumen SDK " TL_SDK_VERSION);
    return 0;
}

int CQuelmoLight_Init()
{
    // The effect engine keeps no process-wide state yet; it is created per keyboard.
    return 0;
}
