#pragma once

#include "spectrumdata.h"

#include <QByteArray>
#include <QObject>
#include <memory>

struct SpectrumTransform;

// Does one spectrum calculation when invoked. Despite the name it lives on the thread of its
// analyser and runs there, to completion, inside the analyser's calculate call.
class SpectrumAnalyserThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int kNumSamples = 4096;

    explicit SpectrumAnalyserThread(QObject *parent = nullptr);
    ~SpectrumAnalyserThread() override;

    // -32768 .. 32767 to -1.0 .. just below 1.0.
    static float pcmSampleToReal(qint16 sample) { return float(sample) / 32768.0f; }

public slots:
    // buffer holds kNumSamples frames of bytesPerSample bytes; the first channel of each is read.
    void calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample);

signals:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    void buildWindow();

    std::unique_ptr<SpectrumTransform> m_transform;
    QVector<float> m_window;
    FrequencySpectrum m_spectrum;
};

// Turns windows of captured 16-bit PCM into spectra: idle -> busy on calculate, back to idle when
// the result is out; a cancelled calculation delivers nothing.
class SpectrumAnalyser : public QObject
{
    Q_OBJECT

public:
    enum State
    {
        Idle = 0,
        Busy = 1,
        Cancelled = 2
    };

    explicit SpectrumAnalyser(QObject *parent = nullptr);

    bool isIdle() const { return m_state == Idle; }
    State state() const { return m_state; }

    // Starts one calculation when idle. A buffer shorter than one window of frames is refused
    // (returns false, state unchanged), as are a frame size below one 16-bit sample and a rate of 0.
    bool calculate(const QByteArray &buffer, int sampleRate, int bytesPerFrame);
    void cancel();

signals:
    void spectrumChanged(const FrequencySpectrum &spectrum);

private slots:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    SpectrumAnalyserThread *m_thread;
    State m_state = Idle;
};
