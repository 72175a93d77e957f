#include "deviceprofilestore.h"

#include <QDebug>

namespace {
// Stands in until the keyboard SDK's profile store is part of the build: every call fails, so the
// link reads no Win-lock switches and writes nothing into a profile.
class UnavailableStore final : public DeviceProfileStore
{
public:
    bool isProFileAlreadyHaveLightInfo(const char *, const char *, int, int) override { return fail(); }
    bool modifyProFileLightInfoItem(const char *, const char *, int, int, colorInfoData) override
    {
        return fail();
    }
    bool addProFileLightInfoItem(const char *, const char *, colorInfoData) override { return fail(); }
    bool modifyProFileMouseLightUsingIndex(const char *, const char *, int, int) override { return fail(); }
    bool setProFileIntoSleepTimeInfo(const char *, const char *, int, int) override { return fail(); }
    bool getProFileFunctionInfo(const char *, const char *, char *, char *, char *, char *) override
    {
        return fail();
    }

private:
    bool fail()
    {
        if (!m_logged) {
            qDebug() << "The profile store is not available";
            m_logged = true;
        }
        return false;
    }
    bool m_logged = false;
};
} // namespace

DeviceProfileStore *DeviceProfileStore::sdk()
{
    static UnavailableStore store;
    return &store;
}
