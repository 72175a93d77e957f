#pragma once

#include "dsoundcardaudiocapture.h"

// Stand-in capture for tests: packets are fed by hand; starts succeed or fail as told.
class FakeSoundCardCapture : public DSoundCardAudioCapture
{
    Q_OBJECT

public:
    using DSoundCardAudioCapture::DSoundCardAudioCapture;

    int start() override;
    int stop() override;
    bool isRunning() const override { return m_running; }
    QString currentOutputName() const override { return m_outputName; }

    void setStartResult(int result) { m_startResult = result; }
    void setOutputName(const QString &name) { m_outputName = name; }
    // Emits one packet as the capture thread would.
    void feed(const QByteArray &packet);
    // The stream dies on its own.
    void die();

    int starts() const { return m_starts; }
    int stops() const { return m_stops; }

private:
    bool m_running = false;
    int m_startResult = 0;
    int m_starts = 0;
    int m_stops = 0;
    QString m_outputName = QStringLiteral("speakers");
};
