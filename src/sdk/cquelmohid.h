#pragma once

#include "hidbackend.h"
#include "hiddeviceinfostu.h"
#include "hidfirmwareinfostu.h"
#include "hidinfostu.h"
#include "hidsupportinfostu.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>

// Device access of the keyboard SDK. Containers are created empty by the caller and appended to;
// device paths are Latin-1 texts. Write, read and the pacing call run on a keyboard's I/O thread,
// everything else on the GUI thread.

// Loads the model catalogue and picks the device back end. 0 on success.
int CQuelmoHid_Init();

// One device path per attached supported keyboard interface. Returns the number appended.
int CQuelmoHid_GetHidInfoList(QStringList *paths);
// One catalogue entry per supported model, keyed by model key. Returns the number of entries.
int CQuelmoHid_GetHidInfoStuMapList(QMap<QString, HidInfoStu> *models);
// One record per supported vendor/product pair (keyboards and receivers). Returns the number appended.
int CQuelmoHid_GetSupportInfoList(QList<HidSupportInfoStu> *list);
// Fills both records for an attached path of a catalogue model; false (records untouched) otherwise.
bool CQuelmoHid_GetHidAndFirmwareInfoStu(const char *path, HidDeviceInfoStu *device,
                                         HidFirmwareInfoStu *firmware);

// A non-zero handle, or 0 on failure (see quelmosdk::lastOpenError).
int CQuelmoHid_OpenPath(const char *path);
int CQuelmoHid_SetNonblocking(int handle, int nonblocking);
// Writes one 64-byte report to the device opened as `path`; -1 on failure.
int CQuelmoHid_HidWriteBuff(int handle, const unsigned char *report, const char *path);
// Reads one 64-byte report without waiting: > 0 when one stands in `buffer` (zero-filled past a
// short report), 0 when none is waiting, -1 when the device failed or went away.
int CQuelmoHid_HidReadBuff(int handle, unsigned char *buffer);
int CQuelmoHid_Close(int handle);
// Holds the I/O thread until an input report can be read from `handle`, CQuelmoHid_WakeWaiter is
// called for it, or `timeoutMs` passes (negative: no limit). > 0: a report is ready; 0: woken or
// timed out; -1: no such handle. Lets an idle I/O loop sleep instead of polling.
int CQuelmoHid_WaitForInput(int handle, int timeoutMs);
// Ends the handle's current or next wait at once; from any thread. -1: no such handle.
int CQuelmoHid_WakeWaiter(int handle);

// Pacing of the I/O loop. The two words belong to the caller (one pair per I/O thread).
int CQuelmoHid_highPrecisionTimerInit(uint32_t *word1, uint32_t *word2);
int CQuelmoHid_highPrecisionTimerStart(uint32_t *word1, uint32_t *word2);
// Holds the calling thread for `value` x 10 us: 100 is the 1 ms pause between two I/O turns.
int CQuelmoHid_highPrecisionTimerRuning(int value, uint32_t *word1, uint32_t *word2);
int CQuelmoHid_highPrecisionTimerStop(uint32_t *word1, uint32_t *word2);

namespace quelmosdk {

using OpenError = HidOpenError;

// Why the last CQuelmoHid_OpenPath returned 0.
OpenError lastOpenError();

// The text shown to the user when a keyboard cannot be opened for lack of permission.
constexpr const char *kPermissionNotice = "Cannot open the device (check permissions)";
// True exactly once per run, after the first open refused for lack of permission; the GUI shows
// kPermissionNotice when it gets true.
bool takePermissionNotice();

// True when the device behind `handle` has gone away: a write or read failed because the device
// was removed (ENODEV, EIO), whether or not a removal event ever comes.
bool deviceGone(int handle);

} // namespace quelmosdk
