#include "hidrawchannel.h"

#include "hidpaths.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

HidrawChannel::HidrawChannel(int fd, QByteArray node)
    : m_fd(fd), m_wakeFd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)), m_node(std::move(node))
{
}

void HidrawChannel::noteFailure(int error)
{
    if (error == ENODEV || error == EIO || (!m_node.isEmpty() && ::access(m_node.constData(), F_OK) != 0))
        m_gone.store(true);
}

HidrawChannel::~HidrawChannel()
{
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    if (m_fd >= 0)
        ::close(m_fd);
}

int HidrawChannel::write(const HidReport &report)
{
    const auto framed = hidpaths::frameOutputReport(report);
    ssize_t n;
    do {
        n = ::write(m_fd, framed.data(), framed.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        noteFailure(errno);
    return n < 0 ? -1 : static_cast<int>(hidproto::kReportSize);
}

int HidrawChannel::read(HidReport *report)
{
    uint8_t buf[hidproto::kReportSize];
    ssize_t n;
    do {
        n = ::read(m_fd, buf, sizeof buf);
    } while (n < 0 && errno == EINTR);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return hidpaths::takeInputReport(buf, 0, report);
    if (n <= 0) {
        m_failed = true; // an error, or the end of a node that went away
        noteFailure(n < 0 ? errno : ENODEV);
    }
    return hidpaths::takeInputReport(buf, n <= 0 ? -1 : static_cast<int>(n), report);
}

int HidrawChannel::setNonblocking(bool nonblocking)
{
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags < 0)
        return -1;
    return ::fcntl(m_fd, F_SETFL, nonblocking ? (flags | O_NONBLOCK) : (flags & ~O_NONBLOCK)) < 0 ? -1 : 0;
}

int HidrawChannel::waitForInput(int timeoutMs)
{
    pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {m_fd, POLLIN, 0}};
    // A failed node polls as ready for ever; only the wake-up is watched then.
    const nfds_t count = m_failed ? 1 : 2;
    const int n = ::poll(fds, count, timeoutMs < 0 ? -1 : timeoutMs);
    if (n <= 0)
        return 0; // timed out, or interrupted: the caller simply looks again
    if (fds[0].revents & POLLIN) {
        uint64_t value;
        [[maybe_unused]] const ssize_t r = ::read(m_wakeFd, &value, sizeof value);
        return 0;
    }
    if (count == 2 && (fds[1].revents & (POLLERR | POLLHUP | POLLNVAL))) {
        m_failed = true;
        return 1; // the next read reports the failure
    }
    return (count == 2 && (fds[1].revents & POLLIN)) ? 1 : 0;
}

void HidrawChannel::wake()
{
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t r = ::write(m_wakeFd, &one, sizeof one);
}
