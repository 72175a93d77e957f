#pragma once

#include "downloadlink.h"

#include <QPointer>

class DDeviceKeyboardLink;
class DOnboardDownload;

// The onboard download's view of an opened keyboard link: frames go to the link's I/O queue, and
// the link's download acknowledgements and status reach the download. A link that goes away
// reads as closed.
class KeyboardLinkDownloadPort : public DownloadLink
{
    Q_OBJECT

public:
    KeyboardLinkDownloadPort(DDeviceKeyboardLink *link, DOnboardDownload *download,
                             QObject *parent = nullptr);

    bool isOpen() const override;
    int sendCommand(const HidReport &report) override;
    quint64 refusedWrites() const override;
    void requestWrittenNotice() override;

private:
    QPointer<DDeviceKeyboardLink> m_link;
    QMetaObject::Connection m_writtenConnection;
};
