#pragma once

#include "colorinfodata.h"

// The profile-store calls the keyboard link makes. The link talks to the store through this seam
// so that tests can watch what a keyboard report writes into a profile; the program uses
// `sdk()`, which forwards to the keyboard SDK's store.
class DeviceProfileStore
{
public:
    virtual ~DeviceProfileStore() = default;

    virtual bool isProFileAlreadyHaveLightInfo(const char *path, const char *index, int target, int type) = 0;
    virtual bool modifyProFileLightInfoItem(const char *path, const char *index, int target, int type,
                                            colorInfoData config) = 0;
    virtual bool addProFileLightInfoItem(const char *path, const char *index, colorInfoData config) = 0;
    virtual bool modifyProFileMouseLightUsingIndex(const char *path, const char *index, int target,
                                                   int type) = 0;
    virtual bool setProFileIntoSleepTimeInfo(const char *path, const char *index, int light,
                                             int keyboard) = 0;
    // The Win-lock switches in the profile's order: Alt+Tab, Alt+F4, Shift+Tab, Windows key, each
    // "1" or "0" in an 8-byte text.
    virtual bool getProFileFunctionInfo(const char *path, const char *index, char *altTab, char *altF4,
                                        char *shiftTab, char *winKey) = 0;

    static DeviceProfileStore *sdk();
};
