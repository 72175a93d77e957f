#pragma once

#include "hidreport.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

class SimKeyboard;
class SimScheduler;

// The boot loader of a simulated keyboard. On the switch report (01 0A) the keyboard drops off the
// bus and comes back under the boot loader's IDs; the boot loader takes an image by the upload
// protocol (bootloaderprotocol.h), checks its CRC and restarts into the keyboard firmware with the
// image's version. Faults can be injected for tests.
class SimBootLoader : public std::enable_shared_from_this<SimBootLoader>
{
public:
    using Ms = std::chrono::milliseconds;
    // The version text an image carries; empty keeps the keyboard's version.
    using VersionReader = std::function<QString(const QByteArray &image)>;

    struct Faults
    {
        int refuseAtChunk = -1;    // refuse this DATA report once (0 = the first chunk)
        int dropAtChunk = -1;      // drop off the bus at this chunk once, without answering
        Ms comeBackAfterDrop{300}; // then come back as the boot loader; negative: never
        int failFirstAttempts = 0; // refuse START this many times
        int stallAtChunk = -1;     // leave this DATA report unanswered once
    };

    static constexpr uint16_t kDefaultVendorId = 0x0416;
    static constexpr uint16_t kDefaultProductId = 0x3F00;

    SimBootLoader(const std::shared_ptr<SimKeyboard> &keyboard,
                  const std::shared_ptr<SimScheduler> &scheduler);
    // Installs the switch-report handler on the keyboard.
    void install();

    void setIds(uint16_t vendorId, uint16_t productId);
    // After the switch report: the keyboard leaves the bus after `leave`, the boot loader appears
    // `appear` later (negative: never).
    void setDelays(Ms leave, Ms appear);
    void setFaults(const Faults &faults);
    void setVersionReader(VersionReader reader);

    // The boot loader shows up without being asked (a keyboard plugged in while its button is held).
    void appearUnrequested();

    // What arrived: the last image whose CRC matched, its receiver flag, and counts.
    QByteArray receivedImage() const;
    int receivedFlag() const;
    int startCount() const;  // START reports seen
    int switchCount() const; // switch reports seen
    int completedCount() const;

private:
    void onSwitch();
    void enter(Ms after);
    void leave(Ms after, const QByteArray &image);
    void handle(SimKeyboard &keyboard, const HidReport &report);

    std::weak_ptr<SimKeyboard> m_keyboard;
    std::weak_ptr<SimScheduler> m_scheduler;
    mutable std::mutex m_mutex;
    uint16_t m_vendorId = kDefaultVendorId;
    uint16_t m_productId = kDefaultProductId;
    Ms m_leaveDelay{100};
    Ms m_appearDelay{300};
    Faults m_faults;
    VersionReader m_versionReader;
    // The transfer under way.
    QByteArray m_buffer;
    uint32_t m_expected = 0;
    int m_flag = -1;
    bool m_started = false;
    // Results.
    QByteArray m_received;
    int m_receivedFlag = -1;
    int m_starts = 0;
    int m_switches = 0;
    int m_completed = 0;
};
