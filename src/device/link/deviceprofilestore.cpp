#include "deviceprofilestore.h"

#include "cquelmoxml.h"

#include <cstring>

namespace {
class SdkStore final : public DeviceProfileStore
{
public:
    bool isProFileAlreadyHaveLightInfo(const char *path, const char *index, int target, int type) override
    {
        return CQuelmoXML_IsProFileAlreadyHaveLightInfo(path, index, target, type);
    }
    bool modifyProFileLightInfoItem(const char *path, const char *index, int target, int type,
                                    colorInfoData config) override
    {
        return CQuelmoXML_ModifyProFileLightInfoItem(path, index, target, type, config);
    }
    bool addProFileLightInfoItem(const char *path, const char *index, colorInfoData config) override
    {
        return CQuelmoXML_AddProFileLightInfoItem(path, index, config);
    }
    bool modifyProFileMouseLightUsingIndex(const char *path, const char *index, int target, int type) override
    {
        return CQuelmoXML_ModifyProFileMouseLightUsingIndex(path, index, target, type);
    }
    bool setProFileIntoSleepTimeInfo(const char *path, const char *index, int light, int keyboard) override
    {
        return CQuelmoXML_SetProFileIntoSleepTimeInfo(path, index, light, keyboard);
    }
    bool getProFileFunctionInfo(const char *path, const char *index, char *altTab, char *altF4,
                                char *shiftTab, char *winKey) override
    {
        char switches[4][8] = {};
        if (!CQuelmoXML_GetProFileFunctionInfo(path, index, switches))
            return false;
        char *out[4] = {altTab, altF4, shiftTab, winKey};
        for (int i = 0; i < 4; ++i) {
            switches[i][7] = '\0';
            std::memcpy(out[i], switches[i], sizeof(switches[i]));
        }
        return true;
    }
};
} // namespace

DeviceProfileStore *DeviceProfileStore::sdk()
{
    static SdkStore store;
    return &store;
}
