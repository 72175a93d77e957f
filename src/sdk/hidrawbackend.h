#pragma once

#include "hidbackend.h"

struct udev;

// Real keyboards through hidapi's hidraw back end, with libudev naming the nodes by syspath.
// Enumeration and open run on the GUI thread (libudev contexts are not shared across threads).
class HidrawBackend : public HidBackend
{
public:
    HidrawBackend();
    ~HidrawBackend() override;
    HidrawBackend(const HidrawBackend &) = delete;
    HidrawBackend &operator=(const HidrawBackend &) = delete;

    // False when libudev or hidapi could not be set up.
    bool isUsable() const { return m_udev != nullptr && m_hidapiReady; }

    QVector<HidInterfaceInfo> interfaces() override;
    std::unique_ptr<HidChannel> open(const QByteArray &path, HidOpenError *error) override;

    // The /dev node of a hidraw syspath that exists now; empty (and `error` set) otherwise.
    QByteArray nodeForSyspath(const QByteArray &syspath, HidOpenError *error) const;
    // The syspath of a /dev/hidrawN node; empty when udev does not know it.
    QByteArray syspathForNode(const QByteArray &node) const;

private:
    struct udev *m_udev = nullptr;
    bool m_hidapiReady = false;
};
