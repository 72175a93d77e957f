#pragma once

#include "keyoperateinfo.h"
#include "macroeventrecord.h"
#include "seniorkeyinfostu.h"

#include <QByteArray>
#include <QList>

// The profile reads of the onboard download. Paths are in the local 8-bit encoding.
class DownloadProfileSource
{
public:
    virtual ~DownloadProfileSource() = default;

    // The current profile index of a layer file, -1 when it has none.
    virtual int profileIndex(const QByteArray &path) = 0;
    // Fills `info` when the profile has an item for the key; leaves it untouched otherwise.
    virtual bool keyItem(const QByteArray &path, const QByteArray &index, const QByteArray &keyCode,
                         KeyOperateInfo *info) = 0;
    // The profile's bound copy of a macro, in stored order.
    virtual QList<MacroEventRecord> macroEvents(const QByteArray &path, const QByteArray &index,
                                                const QByteArray &macroId) = 0;
    virtual QList<SeniorKeyInfoStu> seniorKeys(const QByteArray &path) = 0;
};
