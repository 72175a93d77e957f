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

// Device paths of the attached keyboards that are in their boot loader (the boot-loader IDs of the
// catalogue). Returns the number appended.
int CQuelmoHid_GetBootLoaderPaths(QStringList *paths);

// Writes a firmware image to a keyboard's boot loader opened as `handle`. The image file must hold
// 1 to `maxImageBytes` bytes; `startOffset` is where the upload starts in the image (0: the whole
// image); `receiverFlag` is 1 for a keyboard on its receiver, 0 on the cable. `progress` (may be
// null) is called on the calling thread with (total, done) bytes, done rising to total. Returns 0
// once the boot loader accepted the image, else one of the FirmwareUpgradeResult values.
using FirmwareProgressCallback = void (*)(int total, int done);
enum FirmwareUpgradeResult
{
    FirmwareUpgradeOk = 0,
    FirmwareUpgradeBadImage = -1,    // the file cannot be read, is empty, too large, or the offset is wrong
    FirmwareUpgradeWriteFailed = -2, // the device went away or a write failed
    FirmwareUpgradeTimedOut = -3,    // the boot loader did not answer in time
    FirmwareUpgradeRefused = -4,     // the boot loader refused a report or the checksum
};
int CQuelmoHid_FirmwareUpgrade(int handle, const char *imagePath, int maxImageBytes, int startOffset,
                               int receiverFlag, FirmwareProgressCallback progress);

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
