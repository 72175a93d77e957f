#pragma once

#include "hidreport.h"
#include "mainhidinterface.h"

#include <QVector>

#include <cstring>

// An I/O object that keeps every command it is given instead of queueing it for a device, or
// refuses them all like a closed device.
class RecordingHid : public MainHidInterFace
{
public:
    explicit RecordingHid(bool accept = true) : MainHidInterFace(0, QStringLiteral("TL87")), m_accept(accept)
    {
    }

    int sendCommand(const unsigned char *report) override
    {
        if (!m_accept)
            return -1;
        HidReport r;
        std::memcpy(r.data(), report, r.size());
        sent.append(r);
        return 0;
    }

    QVector<HidReport> sent;

private:
    bool m_accept;
};
