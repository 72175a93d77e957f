#pragma once

#include "deviceprofilestore.h"

#include <QString>
#include <QStringList>

#include <cstring>

// A profile store that answers from a small table and records every call as one line of text.
class RecordingStore : public DeviceProfileStore
{
public:
    bool isProFileAlreadyHaveLightInfo(const char *path, const char *index, int target, int type) override
    {
        calls << QStringLiteral("has %1 %2 %3 %4").arg(path, index).arg(target).arg(type);
        return existing.contains(QStringLiteral("%1/%2").arg(target).arg(type));
    }
    bool modifyProFileLightInfoItem(const char *path, const char *index, int target, int type,
                                    colorInfoData c) override
    {
        calls << QStringLiteral("modify %1 %2 %3 %4 b%5 s%6")
                     .arg(path, index)
                     .arg(target)
                     .arg(type)
                     .arg(c.ledBrightness)
                     .arg(c.ledSpeed);
        return true;
    }
    bool addProFileLightInfoItem(const char *path, const char *index, colorInfoData c) override
    {
        calls << QStringLiteral("add %1 %2 %3 %4 b%5 s%6")
                     .arg(path, index)
                     .arg(c.hidType)
                     .arg(c.ledType)
                     .arg(c.ledBrightness)
                     .arg(c.ledSpeed);
        return true;
    }
    bool modifyProFileMouseLightUsingIndex(const char *path, const char *index, int target, int type) override
    {
        calls << QStringLiteral("using %1 %2 %3 %4").arg(path, index).arg(target).arg(type);
        return true;
    }
    bool setProFileIntoSleepTimeInfo(const char *path, const char *index, int light, int keyboard) override
    {
        calls << QStringLiteral("sleep %1 %2 %3 %4").arg(path, index).arg(light).arg(keyboard);
        return true;
    }
    bool getProFileFunctionInfo(const char *path, const char *index, char *altTab, char *altF4,
                                char *shiftTab, char *winKey) override
    {
        calls << QStringLiteral("function %1 %2").arg(path, index);
        std::strcpy(altTab, "1");
        std::strcpy(altF4, "1");
        std::strcpy(shiftTab, "1");
        std::strcpy(winKey, "1");
        return true;
    }

    QStringList calls;
    QStringList existing; // "target/type" pairs the profile already holds
};
