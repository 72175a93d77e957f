#include "fftanalysis.h"

#include <QMutex>
#include <QtEndian>
#include <cmath>
#include <fftw3.h>

// A forward real transform of one window on FFTW, its plan made once. The planner is not
// thread-safe, so making and destroying plans is serialised.
struct SpectrumTransform
{
    static QMutex &plannerMutex()
    {
        static QMutex mutex;
        return mutex;
    }

    SpectrumTransform()
    {
        QMutexLocker lock(&plannerMutex());
        input = fftwf_alloc_real(SpectrumAnalyserThread::kNumSamples);
        output = fftwf_alloc_complex(SpectrumAnalyserThread::kNumSamples / 2 + 1);
        plan = fftwf_plan_dft_r2c_1d(SpectrumAnalyserThread::kNumSamples, input, output, FFTW_ESTIMATE);
        std::fill(input, input + SpectrumAnalyserThread::kNumSamples, 0.0f);
    }
    ~SpectrumTransform()
    {
        QMutexLocker lock(&plannerMutex());
        fftwf_destroy_plan(plan);
        fftwf_free(output);
        fftwf_free(input);
    }
    SpectrumTransform(const SpectrumTransform &) = delete;
    SpectrumTransform &operator=(const SpectrumTransform &) = delete;

    float *input = nullptr;
    fftwf_complex *output = nullptr;
    fftwf_plan plan = nullptr;
};

SpectrumAnalyserThread::SpectrumAnalyserThread(QObject *parent)
    : QObject(parent), m_window(kNumSamples), m_spectrum(kNumSamples)
{
    buildWindow();
}

SpectrumAnalyserThread::~SpectrumAnalyserThread() = default;

void SpectrumAnalyserThread::buildWindow()
{
    // Hann
    for (int i = 0; i < kNumSamples; ++i)
        m_window[i] = float(0.5 * (1.0 - std::cos((2.0 * M_PI * i) / (kNumSamples - 1))));
}

void SpectrumAnalyserThread::calculateSpectrum(const QByteArray &buffer, int inputFrequency,
                                               int bytesPerSample)
{
    // The plan (and FFTW's memory) is made when music is first analysed, not by every open keyboard.
    if (!m_transform)
        m_transform = std::make_unique<SpectrumTransform>();
    const auto *bytes = reinterpret_cast<const uchar *>(buffer.constData());
    float *input = m_transform->input;
    for (int i = 0; i < kNumSamples; ++i) {
        const auto sample = qFromLittleEndian<qint16>(bytes + qsizetype(i) * bytesPerSample);
        input[i] = pcmSampleToReal(sample) * m_window[i];
    }
    fftwf_execute(m_transform->plan);

    const fftwf_complex *bins = m_transform->output;
    for (int i = 2; i <= kNumSamples / 2; ++i) {
        FrequencySpectrum::Point &point = m_spectrum[i];
        point.frequency = double(qint64(i) * inputFrequency) / kNumSamples;
        const double real = bins[i][0];
        const double imaginary = i < kNumSamples / 2 ? double(bins[i][1]) : 0.0;
        const double amplitude = 0.15 * std::log(std::sqrt(real * real + imaginary * imaginary));
        point.clipped = amplitude > 1.0;
        point.amplitude = std::min(1.0, std::max(0.0, amplitude));
    }
    emit calculationComplete(m_spectrum);
}

SpectrumAnalyser::SpectrumAnalyser(QObject *parent)
    : QObject(parent), m_thread(new SpectrumAnalyserThread(this))
{
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    const bool connected = connect(m_thread, &SpectrumAnalyserThread::calculationComplete, this,
                                   &SpectrumAnalyser::calculationComplete);
    if (!connected)
        qFatal("CHECKED_CONNECT failed in SpectrumAnalyser::SpectrumAnalyser (%s:%d)", __FILE__, __LINE__);
}

bool SpectrumAnalyser::calculate(const QByteArray &buffer, int sampleRate, int bytesPerFrame)
{
    if (!isIdle())
        return false;
    if (bytesPerFrame < 2 || sampleRate <= 0 ||
        buffer.size() < qsizetype(SpectrumAnalyserThread::kNumSamples) * bytesPerFrame)
        return false;
    m_state = Busy;
    m_thread->calculateSpectrum(buffer, sampleRate, bytesPerFrame);
    return true;
}

void SpectrumAnalyser::cancel()
{
    if (m_state == Busy)
        m_state = Cancelled;
}

void SpectrumAnalyser::calculationComplete(const FrequencySpectrum &spectrum)
{
    const bool deliver = m_state == Busy;
    m_state = Idle;
    if (deliver)
        emit spectrumChanged(spectrum);
}
