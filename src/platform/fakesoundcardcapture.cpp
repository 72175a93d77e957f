#include "fakesoundcardcapture.h"

int FakeSoundCardCapture::start()
{
    ++m_starts;
    m_running = m_startResult == 0;
    return m_startResult;
}

int FakeSoundCardCapture::stop()
{
    ++m_stops;
    m_running = false;
    return 0;
}

void FakeSoundCardCapture::feed(const QByteArray &packet)
{
    if (m_running)
        emit sigSendCaptureAudioData(packet);
}

void FakeSoundCardCapture::die()
{
    if (!m_running)
        return;
    m_running = false;
    emit captureEnded();
}
