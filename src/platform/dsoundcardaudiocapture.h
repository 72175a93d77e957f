#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// Records what the computer is playing (the monitor of the default output) as interleaved signed
// 16-bit little-endian PCM, 44100 Hz, two channels, whatever the output device runs at: the sound
// server converts. Packets come from a thread of the capture's own; receivers on the GUI thread
// get them queued. start, stop and isRunning belong to the GUI thread.
class DSoundCardAudioCapture : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBytesPerFrame = 4;

    using Factory = std::function<std::unique_ptr<DSoundCardAudioCapture>()>;

    using QObject::QObject;

    // The capture the program uses: the system one, or what setFactory() put in its place.
    static std::unique_ptr<DSoundCardAudioCapture> create();
    // Replaces the system capture (tests); an empty factory restores it.
    static void setFactory(Factory factory);
    // The sound server's capture; server empty means the user's default server.
    static std::unique_ptr<DSoundCardAudioCapture> createSystem(const QString &server = QString());

    // 0 when the capture runs, -1 when it could not start (nothing is left open then).
    virtual int start() = 0;
    // Ends the capture within a bounded time; harmless when nothing runs. Returns 0.
    virtual int stop() = 0;
    // False after stop, after a failed start and after the stream died on its own.
    virtual bool isRunning() const = 0;
    // The name of the default output device the capture follows; empty when not known.
    virtual QString currentOutputName() const = 0;

signals:
    void sigSendCaptureAudioData(const QByteArray &data);
    // The stream ended without stop being called (server gone, device removed).
    void captureEnded();
};
