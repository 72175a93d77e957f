#pragma once

#include "hidbackend.h"

#include <QByteArray>

#include <map>
#include <memory>
#include <mutex>

class SimulatedBackend;

// Owner of the device back end and of the open handles behind the CQuelmoHid_* calls.
// Enumeration, open and close run on the GUI thread; write and read on each keyboard's I/O
// thread. A handle stays valid for an I/O call in flight even when it is closed meanwhile.
class HidDeviceManager
{
public:
    // The manager behind the SDK calls. Other instances are independent (tests).
    static HidDeviceManager &instance();
    HidDeviceManager() = default;
    HidDeviceManager(const HidDeviceManager &) = delete;
    HidDeviceManager &operator=(const HidDeviceManager &) = delete;

    // Picks the back end: the simulated keyboards named by TIDELUMEN_SIMULATE, else hidraw.
    // 0 on success, -1 when the chosen back end cannot work.
    int init();
    // Replaces the back end (tests, and the simulation). Open handles keep working.
    void setBackend(std::unique_ptr<HidBackend> backend);
    HidBackend *backend();
    // The simulated back end when that is the one in use, else nullptr.
    SimulatedBackend *simulatedBackend();

    // Attached interfaces of catalogue models that speak the protocol.
    QVector<HidInterfaceInfo> supportedInterfaces();

    // A non-zero handle, or 0 with lastOpenError() saying why.
    int open(const QByteArray &path);
    int close(int handle);
    int write(int handle, const HidReport &report, const QByteArray &path);
    int read(int handle, HidReport *report);
    int setNonblocking(int handle, bool nonblocking);
    int waitForInput(int handle, int timeoutMs);
    int wake(int handle);
    // Whether the open device behind `handle` has gone away (false for an unknown handle).
    bool isGone(int handle) const;

    HidOpenError lastOpenError() const;
    // True exactly once after the first open refused for lack of permission, so the user is told once.
    bool takePermissionNotice();

private:
    struct OpenDevice
    {
        std::unique_ptr<HidChannel> channel;
        QByteArray path;
    };
    std::shared_ptr<OpenDevice> device(int handle) const;

    mutable std::mutex m_mutex;
    std::unique_ptr<HidBackend> m_backend;
    std::map<int, std::shared_ptr<OpenDevice>> m_open;
    int m_nextHandle = 1;
    HidOpenError m_lastOpenError = HidOpenError::None;
    bool m_permissionNoticePending = false;
    bool m_permissionNoticeGiven = false;
};
