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
    // The profile's bound copy of a macro, in stored order (none when the profile has no copy).
    // False when the file cannot be read: its macros are unknown, not empty.
    virtual bool macroEvents(const QByteArray &path, const QByteArray &index, const QByteArray &macroId,
                             QList<MacroEventRecord> *events) = 0;
    // Every advanced-key record; none when the file does not exist. False when it exists but
    // cannot be read.
    virtual bool seniorKeys(const QByteArray &path, QList<SeniorKeyInfoStu> *records) = 0;

    // The program's source: the keyboard SDK's profile store.
    static DownloadProfileSource *sdk();
};
