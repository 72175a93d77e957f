#include "fftanalysis.h"
#include "musictestpcm.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr int N = SpectrumAnalyserThread::kNumSamples;

// Runs one analysis and returns its spectrum (empty when nothing was delivered).
FrequencySpectrum analyse(SpectrumAnalyser &analyser, const QByteArray &buffer, int rate = 44100,
                          int frame = 4)
{
    FrequencySpectrum result;
    QObject guard;
    QObject::connect(&analyser, &SpectrumAnalyser::spectrumChanged, &guard,
                     [&](const FrequencySpectrum &s) { result = s; });
    analyser.calculate(buffer, rate, frame);
    return result;
}

TEST(SpectrumAnalyser, PcmSamplesBecomeRealsOfMinusOneToJustBelowOne)
{
    const struct
    {
        qint16 sample;
        float real;
    } rows[] = {{-32768, -1.0f}, {32767, 0.999969482421875f}, {0, 0.0f}, {16384, 0.5f}, {-1, -1.0f / 32768}};
    for (const auto &r : rows)
        EXPECT_EQ(SpectrumAnalyserThread::pcmSampleToReal(r.sample), r.real) << r.sample;
}

TEST(SpectrumAnalyser, PointsTwoToHalfTheWindowCarryFrequencies)
{
    SpectrumAnalyser analyser;
    const FrequencySpectrum s = analyse(analyser, musictest::silence(N));
    ASSERT_EQ(s.count(), N);
    EXPECT_DOUBLE_EQ(s[2].frequency, 21.533203125);
    EXPECT_DOUBLE_EQ(s[2048].frequency, 22050.0);
    EXPECT_DOUBLE_EQ(s[100].frequency, 100 * 44100.0 / 4096);
    for (int i : {0, 1, 2049, 3000, N - 1}) {
        EXPECT_EQ(s[i].frequency, 0.0) << i;
        EXPECT_EQ(s[i].amplitude, 0.0) << i;
    }
    // The rate given is the one used.
    const FrequencySpectrum s48 = analyse(analyser, musictest::silence(N), 48000);
    EXPECT_DOUBLE_EQ(s48[2048].frequency, 24000.0);
}

TEST(SpectrumAnalyser, SilenceGivesNothingAndFullScaleClips)
{
    SpectrumAnalyser analyser;
    const FrequencySpectrum quiet = analyse(analyser, musictest::silence(N));
    for (int i = 2; i <= N / 2; ++i) {
        ASSERT_EQ(quiet[i].amplitude, 0.0) << i;
        ASSERT_FALSE(quiet[i].clipped) << i;
    }
    // A full-scale sine right on point 100.
    const FrequencySpectrum loud = analyse(analyser, musictest::pcm(N, 100 * 44100.0 / 4096, 1.0));
    EXPECT_EQ(loud[100].amplitude, 1.0);
    EXPECT_TRUE(loud[100].clipped);
    EXPECT_EQ(loud[400].amplitude, 0.0);
    EXPECT_FALSE(loud[400].clipped);
}

// The magnitude is read from real and imaginary part of the same bin, unnormalised: a sine and a
// cosine of peak 0.1 on point 300 both give |X| = 0.1 * N / 4 (Hann halves the N / 2 of a sine);
// its neighbours get half of that, points far off nothing.
TEST(SpectrumAnalyser, MagnitudesFollowTheTransformOfEachBin)
{
    SpectrumAnalyser analyser;
    const double peak = 0.15 * std::log(0.1 * N / 4);
    const double side = 0.15 * std::log(0.1 * N / 8);
    for (bool cosine : {false, true}) {
        const FrequencySpectrum s =
            analyse(analyser, musictest::pcm(N, 300 * 44100.0 / 4096, 0.1, 0, cosine));
        EXPECT_NEAR(s[300].amplitude, peak, 0.003) << cosine;
        EXPECT_NEAR(s[299].amplitude, side, 0.003) << cosine;
        EXPECT_NEAR(s[301].amplitude, side, 0.003) << cosine;
        EXPECT_EQ(s[600].amplitude, 0.0) << cosine;
        EXPECT_EQ(s[4096 - 300].amplitude, 0.0) << cosine;
    }
}

TEST(SpectrumAnalyser, OnlyTheFirstChannelCounts)
{
    SpectrumAnalyser analyser;
    const QByteArray quietSecond = musictest::pcm(N, 700.0, 0.3, 0);
    QByteArray loudSecond = musictest::pcm(N, 700.0, 0.3, 0);
    for (int i = 0; i < N; ++i)
        qToLittleEndian<qint16>(qint16((i * 7919) % 65536 - 32768),
                                reinterpret_cast<uchar *>(loudSecond.data()) + 4 * i + 2);
    const FrequencySpectrum a = analyse(analyser, quietSecond);
    const FrequencySpectrum b = analyse(analyser, loudSecond);
    for (int i = 0; i < N; ++i)
        ASSERT_EQ(a[i].amplitude, b[i].amplitude) << i;
}

TEST(SpectrumAnalyser, RefusesBuffersItCannotRead)
{
    const struct
    {
        const char *name;
        int bytes;
        int rate;
        int frame;
        bool taken;
    } rows[] = {
        {"one window", N * 4, 44100, 4, true},          {"more than a window", N * 4 + 100, 44100, 4, true},
        {"one byte short", N * 4 - 1, 44100, 4, false}, {"empty", 0, 44100, 4, false},
        {"mono window", N * 2, 44100, 2, true},         {"frame below a sample", N * 4, 44100, 1, false},
        {"no frame size", N * 4, 44100, 0, false},      {"no rate", N * 4, 0, 4, false},
    };
    for (const auto &r : rows) {
        SpectrumAnalyser analyser;
        QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
        EXPECT_EQ(analyser.calculate(QByteArray(r.bytes, '\0'), r.rate, r.frame), r.taken) << r.name;
        EXPECT_EQ(spy.count(), r.taken ? 1 : 0) << r.name;
        EXPECT_TRUE(analyser.isIdle()) << r.name;
    }
}

TEST(SpectrumAnalyser, CancelWhileIdleKeepsItWorking)
{
    SpectrumAnalyser analyser;
    analyser.cancel();
    EXPECT_EQ(analyser.state(), SpectrumAnalyser::Idle);
    QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
    EXPECT_TRUE(analyser.calculate(musictest::silence(N), 44100, 4));
    EXPECT_EQ(spy.count(), 1);
}

// A receiver of one spectrum may hand in the next window at once.
TEST(SpectrumAnalyser, ReceiverMayAskForTheNextSpectrum)
{
    SpectrumAnalyser analyser;
    int delivered = 0;
    QObject guard;
    QObject::connect(&analyser, &SpectrumAnalyser::spectrumChanged, &guard, [&](const FrequencySpectrum &) {
        if (++delivered == 1) {
            EXPECT_TRUE(analyser.calculate(musictest::silence(N), 44100, 4));
        }
    });
    analyser.calculate(musictest::silence(N), 44100, 4);
    EXPECT_EQ(delivered, 2);
}

} // namespace
