#include "keyboardlinkdownloadport.h"

#include "ddevicekeyboardlink.h"
#include "donboarddownload.h"
#include "mainhidinterface.h"

KeyboardLinkDownloadPort::KeyboardLinkDownloadPort(DDeviceKeyboardLink *link, DOnboardDownload *download,
                                                   QObject *parent)
    : DownloadLink(parent), m_link(link)
{
    // The port is the context: its connections end with it, so a port per download never doubles
    // an acknowledgement.
    QPointer<DOnboardDownload> target(download);
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd, this, [target] {
        if (target)
            target->onRuningOnboard0x19Cmd();
    });
    connect(link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd, this, [target] {
        if (target)
            target->onRuningOnboard0x18Cmd();
    });
    connect(link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus, this, [target](int status) {
        if (target)
            target->onRuningOnboardDownloadStatus(status);
    });
}

bool KeyboardLinkDownloadPort::isOpen() const
{
    const MainHidInterFace *hid = m_link ? m_link->hidInterface() : nullptr;
    return hid && hid->isOpen();
}

int KeyboardLinkDownloadPort::sendCommand(const HidReport &report)
{
    MainHidInterFace *hid = m_link ? m_link->hidInterface() : nullptr;
    return hid ? hid->sendCommand(report.data()) : -1;
}

quint64 KeyboardLinkDownloadPort::refusedWrites() const
{
    const MainHidInterFace *hid = m_link ? m_link->hidInterface() : nullptr;
    return hid ? hid->refusedCommandCount() : 0;
}

void KeyboardLinkDownloadPort::requestWrittenNotice()
{
    MainHidInterFace *hid = m_link ? m_link->hidInterface() : nullptr;
    if (!hid)
        return; // a link that is gone reads as closed; the download sees that on its own
    disconnect(m_writtenConnection);
    m_writtenConnection = connect(hid, &MainHidInterFace::sigCommandsWritten, this,
                                  &KeyboardLinkDownloadPort::sigAllWritten, Qt::QueuedConnection);
    hid->notifyWhenCommandsWritten(hid->queuedCommandCount());
}
