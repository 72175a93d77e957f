// The loopback capture against a real sound server: a private PulseAudio server with a null sink,
// tones played into it with pacat.
#include "dsoundcardaudiocapture.h"
#include "musicrhythmrenderer.h"
#include "musictestpcm.h"
#include "privatepulseserver.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PulseCapture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!PrivatePulseServer::available())
            GTEST_SKIP() << "the pulseaudio program is not installed (scripts/deps.sh installs it)";
        ASSERT_TRUE(server.start()) << server.error().toStdString();
    }

    PrivatePulseServer server;
};

TEST(PulseCaptureWithoutServer, StartFailsAndNothingBreaks)
{
    auto capture = DSoundCardAudioCapture::createSystem(QStringLiteral("unix:/nonexistent/tidelumen/native"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(capture->start(), -1);
    EXPECT_FALSE(capture->isRunning());
    EXPECT_EQ(capture->stop(), 0);
    EXPECT_EQ(capture->stop(), 0);
    EXPECT_LT(clock.elapsed(), 2500);

    // The light switched on without a server: dark, no crash, off ends everything.
    MusicRhythmRenderer renderer(DSoundCardAudioCapture::createSystem(QStringLiteral("unix:/nonexistent/x")));
    renderer.initMusicalRhythm(104);
    renderer.setMusicalRhythmActive(true);
    renderer.onAudioOutputDevListChanging();
    renderer.renderMusicalRhythm();
    EXPECT_FALSE(renderer.capture()->isRunning());
    renderer.setMusicalRhythmActive(false);
    EXPECT_FALSE(renderer.isDeviceCheckRunning());
}

TEST_F(PulseCapture, DeliversContinuousPcmOfTheAskedFormat)
{
    auto capture = DSoundCardAudioCapture::createSystem(server.server());
    qint64 bytes = 0;
    int packets = 0;
    bool aligned = true;
    QObject::connect(capture.get(), &DSoundCardAudioCapture::sigSendCaptureAudioData, capture.get(),
                     [&](const QByteArray &data) {
                         bytes += data.size();
                         ++packets;
                         aligned = aligned && data.size() % DSoundCardAudioCapture::kBytesPerFrame == 0;
                     });
    ASSERT_EQ(capture->start(), 0);
    EXPECT_TRUE(capture->isRunning());
    EXPECT_EQ(capture->currentOutputName(), QStringLiteral("tl_null"));
    QTest::qWait(300); // settle
    const qint64 before = bytes;
    QElapsedTimer clock;
    clock.start();
    QTest::qWait(1000);
    const double rate = double(bytes - before) * 1000.0 / double(clock.elapsed());
    // 44100 frames of 4 bytes a second, whatever the sink runs at.
    EXPECT_NEAR(rate, 176400.0, 176400.0 * 0.2);
    EXPECT_GT(packets, 30) << "packets of about 10 ms";
    EXPECT_TRUE(aligned);

    clock.restart();
    EXPECT_EQ(capture->stop(), 0);
    EXPECT_LT(clock.elapsed(), 500) << "stop must be bounded";
    EXPECT_FALSE(capture->isRunning());
    QTest::qWait(50); // packets sent before the stop
    const qint64 atStop = bytes;
    QTest::qWait(200);
    EXPECT_EQ(bytes, atStop) << "nothing arrives after stop";

    ASSERT_EQ(capture->start(), 0) << "a second start after stop";
    QTest::qWait(200);
    EXPECT_GT(bytes, atStop);
}

TEST_F(PulseCapture, ADeadStreamClearsRunning)
{
    auto capture = DSoundCardAudioCapture::createSystem(server.server());
    QSignalSpy ended(capture.get(), &DSoundCardAudioCapture::captureEnded);
    ASSERT_EQ(capture->start(), 0);
    ASSERT_TRUE(server.running());
    server.kill();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended.count() == 1; }, 3000));
    EXPECT_FALSE(capture->isRunning());
    EXPECT_EQ(capture->start(), -1) << "no server any more";
    EXPECT_EQ(capture->stop(), 0);
}

TEST_F(PulseCapture, DeviceCheckFollowsANewDefaultOutput)
{
    ASSERT_TRUE(server.addSink(QStringLiteral("tl_other")));
    auto owned = DSoundCardAudioCapture::createSystem(server.server());
    DSoundCardAudioCapture *capture = owned.get();
    MusicRhythmRenderer renderer(std::move(owned));
    renderer.initMusicalRhythm(104);
    renderer.prepareMusicalRhythmGrid({QColor(255, 255, 255), QColor(0, 0, 0), true, 100});
    renderer.setMusicalRhythmActive(true);
    ASSERT_TRUE(capture->isRunning());
    EXPECT_EQ(capture->currentOutputName(), QStringLiteral("tl_null"));

    ASSERT_TRUE(server.pactl({QStringLiteral("set-default-sink"), QStringLiteral("tl_other")}));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return capture->currentOutputName() == QStringLiteral("tl_other"); }, 3000));
    renderer.onAudioOutputDevListChanging(); // reopens on the new output's monitor
    ASSERT_TRUE(capture->isRunning());

    // A tone played into the new default shows up.
    int lit = 0;
    QObject::connect(&renderer.analyser(), &SpectrumAnalyser::spectrumChanged, &renderer, [&] {
        renderer.renderMusicalRhythm();
        lit = std::max(lit, renderer.musicColumnLevels()[16]);
    });
    ASSERT_TRUE(server.play(musictest::pcm(44100 * 3 / 2, 700.0, 0.5)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return lit >= 4; }, 3000));
}

// Levels of the 22 columns of every spectrum that arrives within ms.
QList<QList<int>> collectLevels(MusicRhythmRenderer &renderer, int ms)
{
    QList<QList<int>> seen;
    QObject guard;
    QObject::connect(&renderer.analyser(), &SpectrumAnalyser::spectrumChanged, &guard, [&] {
        renderer.renderMusicalRhythm();
        seen.append(renderer.musicColumnLevels());
    });
    QTest::qWait(ms);
    return seen;
}

TEST_F(PulseCapture, ToneLightsItsBandAndSilenceNothing)
{
    MusicRhythmRenderer renderer(DSoundCardAudioCapture::createSystem(server.server()));
    renderer.initMusicalRhythm(104);
    renderer.prepareMusicalRhythmGrid({QColor(255, 255, 255), QColor(0, 0, 0), true, 100});
    renderer.setMusicalRhythmActive(true);
    ASSERT_TRUE(renderer.capture()->isRunning());

    // Only digital silence plays.
    const QList<QList<int>> quiet = collectLevels(renderer, 1200);
    ASSERT_GE(quiet.size(), 3);
    for (const QList<int> &levels : quiet)
        EXPECT_EQ(levels, QList<int>(QVector<int>(22, 0).toList()));

    // 440 Hz lies in band 5 (439.1 .. 520.9 Hz), columns 10 and 11 of a full-size keyboard; the
    // Hann window leaks into band 4 next to it, bands further off stay dark.
    ASSERT_TRUE(server.play(musictest::pcm(44100 * 5 / 2, 440.0, 0.5)));
    QTest::qWait(500);
    const QList<QList<int>> loud = collectLevels(renderer, 1000);
    ASSERT_GE(loud.size(), 3);
    for (const QList<int> &levels : loud) {
        EXPECT_GE(levels[10], 4);
        EXPECT_GE(levels[11], 4);
        for (int c : {0, 1, 2, 3, 4, 5, 14, 15, 16, 17, 18, 19, 20, 21})
            EXPECT_EQ(levels[c], 0) << "column " << c;
    }
}

} // namespace
