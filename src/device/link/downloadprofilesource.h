#pragma once

#include "keyoperateinfo.h"
#include "macroeventrecord.h"
#include "seniorkeyinfostu.h"

#include <QByteArray>
#include <QList>

// The profile reads of the onboard download, a seam so that tests can serve profiles from memory.
// Paths are in the local 8-bit encoding. The download only reads: it never changes a profile.
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

    // The program's source: the keyboard SDK's profile store.
    static DownloadProfileSource *sdk();
};
