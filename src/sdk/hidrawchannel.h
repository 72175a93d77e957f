#pragma once

#include "hidbackend.h"

#include <QByteArray>
#include <atomic>

// One open hidraw node, read and written through its file descriptor. hidapi keeps its descriptor
// to itself, and an idle I/O loop has to sleep in poll() on the very descriptor it reads from: a
// second descriptor on the node would get its own copy of every report and, never drained, stay
// readable for ever. So the channel owns the node; hidapi still finds and describes the devices.
class HidrawChannel : public HidChannel
{
public:
    // Takes ownership of `fd` (a hidraw node, or any descriptor that keeps report boundaries).
    // `node` is the device file behind it, asked whether it still exists after a failure.
    explicit HidrawChannel(int fd, QByteArray node = QByteArray());
    ~HidrawChannel() override;
    HidrawChannel(const HidrawChannel &) = delete;
    HidrawChannel &operator=(const HidrawChannel &) = delete;

    // False when the wake-up descriptor could not be made; the channel is then unusable.
    bool isValid() const { return m_fd >= 0 && m_wakeFd >= 0; }

    int write(const HidReport &report) override;
    int read(HidReport *report) override;
    int setNonblocking(bool nonblocking) override;
    int waitForInput(int timeoutMs) override;
    void wake() override;
    bool isGone() const override { return m_gone.load(); }

private:
    // A failure because the device went away (ENODEV, EIO, or its node vanished) is final.
    void noteFailure(int error);

    int m_fd;
    int m_wakeFd;
    bool m_failed = false; // I/O thread only: the node reported an error or hang-up
    const QByteArray m_node;
    std::atomic<bool> m_gone{false};
};
