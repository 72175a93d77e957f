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
};
