#pragma once

#include "cquelmohid.h"
#include "downloadlink.h"
#include "hidreport.h"

#include <QTimer>

// A keyboard link over the simulated keyboard for the download scenarios: reports are written
// through the SDK calls at once, and every 0x19 reply reaches sigAck from the event loop, as the
// real link's parser delivers it (after each write, and on a 1 ms poll for delayed replies).
class SimDownloadLink : public DownloadLink
{
    Q_OBJECT

public:
    explicit SimDownloadLink(const QByteArray &path, QObject *parent = nullptr)
        : DownloadLink(parent), m_path(path)
    {
        m_handle = CQuelmoHid_OpenPath(m_path.constData());
        if (m_handle)
            CQuelmoHid_SetNonblocking(m_handle, 1);
        m_poll.setTimerType(Qt::PreciseTimer);
        m_poll.setInterval(1);
        connect(&m_poll, &QTimer::timeout, this, &SimDownloadLink::poll);
        m_poll.start();
    }
    ~SimDownloadLink() override
    {
        if (m_handle)
            CQuelmoHid_Close(m_handle);
    }

    bool isOpen() const override { return m_handle != 0 && !m_failed; }
    int sendCommand(const HidReport &report) override
    {
        if (!isOpen())
            return -1;
        if (CQuelmoHid_HidWriteBuff(m_handle, report.data(), m_path.constData()) < 0) {
            m_failed = true;
            ++m_refused;
            return -1;
        }
        // Pick up the answer as soon as the event loop runs, not at the next poll.
        QMetaObject::invokeMethod(this, &SimDownloadLink::poll, Qt::QueuedConnection);
        return 0;
    }

    quint64 refusedWrites() const override { return m_refused; }
    // Every report is written by the time sendCommand returns.
    void requestWrittenNotice() override
    {
        QMetaObject::invokeMethod(this, &DownloadLink::sigAllWritten, Qt::QueuedConnection);
    }

signals:
    void sigAck();

private:
    void poll()
    {
        if (!isOpen())
            return;
        HidReport in{};
        int n;
        while ((n = CQuelmoHid_HidReadBuff(m_handle, in.data())) > 0) {
            if (in[hidproto::kCmdByte] == hidproto::in::MacroAck)
                emit sigAck();
        }
        if (n < 0)
            m_failed = true;
    }

    QByteArray m_path;
    int m_handle = 0;
    bool m_failed = false;
    quint64 m_refused = 0;
    QTimer m_poll;
};
