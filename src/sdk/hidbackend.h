#pragma once

#include "hidreport.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <cstdint>
#include <memory>

// One attached HID interface as a back end reports it.
struct HidInterfaceInfo
{
    QByteArray path; // udev syspath of the hidraw node (or its simulated twin)
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t releaseNumber = 0; // bcdDevice: the firmware version
    // The firmware's own version and build texts, where the device reports them; an empty version
    // falls back to the release number.
    QString firmwareVersion;
    QString firmwareBuild;
    int interfaceNumber = -1;
    uint16_t usagePage = 0;
    QString manufacturer;
    QString product;
};

// Why an open failed. Permission errors get their own value: the user can fix them.
enum class HidOpenError
{
    None,
    NotFound,
    PermissionDenied,
    Failed,
};

// One open device. write and read run on the keyboard's I/O thread.
class HidChannel
{
public:
    virtual ~HidChannel() = default;
    // Writes one output report; the number of report bytes written, or -1.
    virtual int write(const HidReport &report) = 0;
    // Reads one input report: > 0 when one stands in `report` (zero-filled past a short report),
    // 0 when none is waiting, -1 when the device failed or went away.
    virtual int read(HidReport *report) = 0;
    virtual int setNonblocking(bool nonblocking) = 0;
    // Holds the I/O thread until an input report can be read, wake() is called, or `timeoutMs`
    // passes (negative: no limit). > 0 when a report is ready, 0 when woken or timed out. A device
    // that failed or went away is never ready: the wait then lasts until woken or timed out, so a
    // loop around it cannot spin. A wake() that comes while nobody waits ends the next wait.
    virtual int waitForInput(int timeoutMs) = 0;
    // Ends the current or next waitForInput at once. Any thread.
    virtual void wake() = 0;
    // True once a write or read has failed because the device went away (ENODEV, EIO); nothing
    // will get through again.
    virtual bool isGone() const { return false; }
};

// Finds and opens devices: hidraw for real keyboards, or the simulated keyboards.
class HidBackend
{
public:
    virtual ~HidBackend() = default;
    // Every attached HID interface the back end can see; the caller picks the supported ones.
    virtual QVector<HidInterfaceInfo> interfaces() = 0;
    virtual std::unique_ptr<HidChannel> open(const QByteArray &path, HidOpenError *error) = 0;
};
