#pragma once

#include "hidreport.h"

#include <QObject>

// The keyboard link as the onboard download sees it: a queue for 64-byte reports that can go away.
// The acknowledgements come back separately, through the link's parser signals.
class DownloadLink : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool isOpen() const = 0;
    // 0 when queued, -1 when the device is not open.
    virtual int sendCommand(const HidReport &report) = 0;
    // Reports the device refused when they were written, counted since the link opened.
    virtual quint64 refusedWrites() const = 0;
    // Asks for sigAllWritten once every report queued before the call has been written to the
    // device (or refused); it comes from the event loop, also when nothing was waiting.
    virtual void requestWrittenNotice() = 0;

signals:
    void sigAllWritten();
};
