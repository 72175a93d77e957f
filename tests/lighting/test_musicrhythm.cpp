#include "fakesoundcardcapture.h"
#include "musicrhythmrenderer.h"
#include "musictestpcm.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

constexpr int kCols = MusicRhythmRenderer::kColumns;

QList<int> firstEleven(const QList<int> &counts)
{
    return counts.mid(0, 11);
}

TEST(MusicRhythmLayout, ColumnsPerKeyCountSplitOverElevenBands)
{
    const struct
    {
        int keys;
        MusicModelRule rule;
        QList<int> counts;
    } rows[] = {
        {104, {}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        {108, {}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        {75, {}, {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        {34, {}, {0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {84, {}, {1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1}},
        {68, {}, {1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1}},
        {68, {17, false, false}, {1, 1, 2, 2, 2, 2, 2, 2, 1, 1, 1}},
        {68, {18, false, false}, {1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1}},
        {98, {}, {1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1}},
        {21, {}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {63, {}, {1, 1, 1, 2, 2, 2, 2, 1, 1, 1, 1}},
        {104, {16, true, false}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const auto &r : rows) {
        MusicRhythmRenderer renderer(nullptr);
        renderer.initMusicalRhythm(r.keys, 11, 30.0, 930.0, r.rule);
        EXPECT_EQ(renderer.bandColumnCounts().size(), kCols) << r.keys;
        EXPECT_EQ(firstEleven(renderer.bandColumnCounts()), r.counts)
            << r.keys << " " << r.rule.columnsFor68Keys;
        for (int i = 11; i < kCols; ++i)
            EXPECT_EQ(renderer.bandColumnCounts()[i], 0);
        EXPECT_EQ(renderer.columnBandMap().size(), kCols);
    }
}

TEST(MusicRhythmLayout, ColumnsMapToTheirBandsAndLeftoversToBandZero)
{
    MusicRhythmRenderer renderer(nullptr);
    renderer.initMusicalRhythm(104);
    for (int c = 0; c < kCols; ++c)
        EXPECT_EQ(renderer.columnBandMap().value(c), c / 2) << c;

    renderer.initMusicalRhythm(34);
    const int expected[] = {2, 3, 4, 5, 6, 7, 8};
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(renderer.columnBandMap().value(c), expected[c]) << c;
    for (int c = 7; c < kCols; ++c)
        EXPECT_EQ(renderer.columnBandMap().value(c), 0) << c;
}

TEST(MusicRhythmLayout, BarValuesToLevels)
{
    const struct
    {
        double value;
        int level;
    } rows[] = {{0.0, 0},    {0.0999, 0}, {0.1, 1}, {0.2499, 1}, {0.25, 2}, {0.4, 3},         {0.55, 4},
                {0.6999, 4}, {0.7, 5},    {1.0, 5}, {7.0, 5},    {-0.2, 0}, {std::nan(""), 0}};
    for (const auto &r : rows)
        EXPECT_EQ(MusicRhythmRenderer::levelOfBar(r.value), r.level) << r.value;
}

// A renderer on a 104-key keyboard with music rhythm on (fake capture) and a given look.
struct Rig
{
    explicit Rig(MusicRhythmLook look = {QColor(255, 255, 255), QColor(0, 0, 0), true, 100})
    {
        auto owned = std::make_unique<FakeSoundCardCapture>();
        capture = owned.get();
        renderer = std::make_unique<MusicRhythmRenderer>(std::move(owned));
        renderer->initMusicalRhythm(104);
        renderer->prepareMusicalRhythmGrid(look);
        renderer->setMusicalRhythmActive(true);
    }
    // A spectrum with one point per (frequency, amplitude).
    void spectrum(const QVector<QPair<double, double>> &points)
    {
        FrequencySpectrum s(points.size());
        for (int i = 0; i < points.size(); ++i) {
            s[i].frequency = points[i].first;
            s[i].amplitude = points[i].second;
        }
        renderer->onSpectrumChanged(s);
    }
    // The bar level of a column: how many cells from the bottom carry a level.
    int litRows(int column) const
    {
        int n = 0;
        for (int row = 0; row < MusicRhythmRenderer::kRows; ++row)
            n += renderer->cell(row, column).level > 0 ? 1 : 0;
        return n;
    }
    FakeSoundCardCapture *capture = nullptr;
    std::unique_ptr<MusicRhythmRenderer> renderer;
};

TEST(MusicRhythmBands, PointsGoToTheirBandWithinTheRange)
{
    const struct
    {
        const char *name;
        double frequency;
        double amplitude;
        int column; // first column of the band that shows it; -1 none
        int level;
    } rows[] = {
        {"30 Hz is band 0", 30.0, 0.7, 0, 5},
        {"just below 30 Hz", 29.99, 0.9, -1, 0},
        {"930 Hz is outside", 930.0, 0.9, -1, 0},
        {"just below 930 Hz is band 10", 929.99, 0.3, 20, 2},
        {"440 Hz is band 5", 440.0, 0.45, 10, 3},
        {"band edge 111.8 Hz is band 1", 30.0 + 900.0 / 11 + 0.01, 0.1, 2, 1},
    };
    for (const auto &r : rows) {
        Rig rig;
        rig.spectrum({{r.frequency, r.amplitude}});
        for (int c = 0; c < kCols; ++c) {
            const bool inBand = r.column >= 0 && (c == r.column || c == r.column + 1);
            EXPECT_EQ(rig.litRows(c), inBand ? r.level + (r.level > 0 ? 1 : 0) : 0)
                << r.name << " column " << c;
        }
    }
}

TEST(MusicRhythmBands, LoudestPointOfABandSetsItsBar)
{
    Rig rig;
    rig.spectrum({{100.0, 0.3}, {105.0, 0.6}, {110.0, 0.2}});
    EXPECT_NEAR(rig.renderer->musicBands()[0].value, 0.6, 1e-12);
    rig.renderer->renderMusicalRhythm();
    EXPECT_EQ(rig.renderer->musicColumnLevels().mid(0, 3), (QList<int>{4, 4, 0}));
    EXPECT_EQ(rig.renderer->musicColumnLevels().size(), kCols);
    // A new spectrum sets every bar at once: band 0 silent now.
    rig.spectrum({{800.0, 0.8}});
    rig.renderer->renderMusicalRhythm();
    EXPECT_EQ(rig.renderer->musicColumnLevels()[0], 0);
    EXPECT_EQ(rig.renderer->musicColumnLevels()[18], 5);
}

TEST(MusicRhythmRender, BarsFallOneKeyAtATime)
{
    Rig rig;
    rig.spectrum({{50.0, 0.45}}); // level 3 on columns 0 and 1: rows 5..2 lit, row 2 falls
    auto intensity = [&](int row) { return rig.renderer->cell(row, 0).intensity; };
    for (int tick = 1; tick <= 10; ++tick) {
        rig.renderer->renderMusicalRhythm();
        EXPECT_EQ(intensity(2), 255 - 25 * tick) << tick;
        EXPECT_EQ(intensity(3), 255) << tick;
        EXPECT_EQ(rig.renderer->musicColumnLevels()[0], 3);
        EXPECT_EQ(rig.renderer->musicColumnIntensities()[0], 255 - 25 * tick);
    }
    rig.renderer->renderMusicalRhythm(); // 11th tick: row 2 dark, row 3 starts in the same pass
    EXPECT_EQ(intensity(2), 0);
    EXPECT_EQ(intensity(3), 230);
    EXPECT_EQ(intensity(4), 255);
    // All of it dark after 4 x 11 ticks in total.
    for (int tick = 12; tick <= 44; ++tick)
        rig.renderer->renderMusicalRhythm();
    for (int row = 2; row < 6; ++row)
        EXPECT_EQ(intensity(row), 0) << row;
    EXPECT_EQ(rig.renderer->keyColors()[5 * kCols].alpha(), 0);
}

TEST(MusicRhythmRender, ColoursAndAlphaFollowTheSecondColour)
{
    const struct
    {
        const char *name;
        QColor color2;
        int darker;
        QColor lit;  // row 5, column 0 (band 0, red) one tick after level 5
        QColor dark; // row 0, column 4 (no bar)
    } rows[] = {
        {"black", QColor(0, 0, 0), 100, QColor(255 * 255 / 256, 0, 0, 200), QColor(0, 0, 0, 0)},
        {"blue", QColor(0, 0, 200), 100, QColor(255 * 255 / 256, 0, 0, 180),
         QColor(0, 0, 255 * 200 / 256, 180)},
        {"black, half bright", QColor(0, 0, 0), 200, QColor(255 * 255 / 256, 0, 0, 200).darker(200),
         QColor(0, 0, 0, 0)},
    };
    for (const auto &r : rows) {
        Rig rig({QColor(9, 9, 9), r.color2, true, r.darker});
        rig.spectrum({{50.0, 0.9}});
        QSignalSpy frames(rig.renderer.get(), &MusicRhythmRenderer::keyFrameReady);
        rig.renderer->renderMusicalRhythm();
        ASSERT_EQ(frames.count(), 1) << r.name;
        EXPECT_EQ(rig.renderer->keyColors()[5 * kCols + 0], r.lit) << r.name;
        EXPECT_EQ(rig.renderer->keyColors()[0 * kCols + 4], r.dark) << r.name;
        // The top cell of the bar started falling: 230, shown in red at 230/256.
        EXPECT_EQ(rig.renderer->keyColors()[0 * kCols + 0].red(),
                  QColor(255 * 230 / 256, 0, 0).darker(r.darker).red())
            << r.name;
    }
}

TEST(MusicRhythmRender, LevelZeroShowsDark)
{
    Rig rig;
    rig.spectrum({{50.0, 0.05}});
    EXPECT_EQ(rig.renderer->cell(5, 0).intensity, 255);
    rig.renderer->renderMusicalRhythm();
    EXPECT_EQ(rig.renderer->musicColumnLevels()[0], 0);
    EXPECT_EQ(rig.renderer->keyColors()[5 * kCols].alpha(), 0);
}

TEST(MusicRhythmGrid, FullColourUsesThePaletteOfTheColumnsBand)
{
    const struct
    {
        const char *name;
        bool fullColor;
        bool rgbFirst;
        int column;
        QColor expected;
    } rows[] = {
        {"hue order band 1", true, false, 2, QColor(255, 128, 0)},
        {"rgb first band 1", true, true, 2, QColor(0, 255, 0)},
        {"hue order band 10", true, false, 21, QColor(255, 0, 255)},
        {"colour 1", false, false, 7, QColor(10, 20, 30)},
    };
    for (const auto &r : rows) {
        MusicRhythmRenderer renderer(nullptr);
        renderer.initMusicalRhythm(104, 11, 30.0, 930.0, {16, false, r.rgbFirst});
        QSignalSpy preview(&renderer, &MusicRhythmRenderer::previewColorsPrepared);
        renderer.prepareMusicalRhythmGrid({QColor(10, 20, 30), QColor(0, 0, 0), r.fullColor, 100});
        ASSERT_EQ(preview.count(), 1);
        const auto colors = preview.at(0).at(0).value<QVector<QColor>>();
        QColor shown = r.expected;
        shown.setAlpha(180);
        EXPECT_EQ(colors[3 * kCols + r.column], shown) << r.name;
        EXPECT_EQ(renderer.keyColors()[3 * kCols + r.column], r.expected) << r.name;
        EXPECT_EQ(renderer.cell(3, r.column).intensity, 0) << r.name;
    }
}

TEST(MusicRhythmIntake, EveryTenthPacketOverOneWindowIsAnalysed)
{
    Rig rig;
    QSignalSpy spectra(&rig.renderer->analyser(), &SpectrumAnalyser::spectrumChanged);
    rig.capture->feed(QByteArray(16384, '\0'));
    EXPECT_EQ(spectra.count(), 0) << "exactly one window is not more than one";
    rig.capture->feed(QByteArray(1, '\0'));
    EXPECT_EQ(spectra.count(), 1);
    // Refill, then nine more packets over the window pass before the next analysis.
    rig.capture->feed(QByteArray(16385, '\0'));
    for (int i = 0; i < 8; ++i)
        rig.capture->feed(QByteArray(100, '\0'));
    EXPECT_EQ(spectra.count(), 1);
    rig.capture->feed(QByteArray(100, '\0'));
    EXPECT_EQ(spectra.count(), 2);
}

TEST(MusicRhythmIntake, TheNewestWindowIsAnalysed)
{
    Rig rig;
    rig.capture->feed(musictest::pcm(4096, 440.0, 0.5) + musictest::silence(4096) + QByteArray(4, '\0'));
    rig.renderer->renderMusicalRhythm();
    for (int c = 0; c < kCols; ++c)
        EXPECT_EQ(rig.renderer->musicColumnLevels()[c], 0) << c;
}

// The whole path from packets to key colours: a tone lights its band, the others stay dark.
TEST(MusicRhythmIntake, ToneLightsItsBand)
{
    Rig rig;
    const QByteArray tone = musictest::pcm(4096 + 441, 700.0, 0.5);
    for (int offset = 0; offset < tone.size(); offset += 1764)
        rig.capture->feed(tone.mid(offset, 1764));
    rig.renderer->renderMusicalRhythm();
    const int band = int((700.0 - 30.0) / (900.0 / 11)); // 8
    for (int c = 0; c < kCols; ++c) {
        const int level = rig.renderer->musicColumnLevels()[c];
        if (c / 2 == band) {
            EXPECT_EQ(level, 5) << c;
        } else if (std::abs(c / 2 - band) > 1) {
            EXPECT_EQ(level, 0) << c;
        }
    }
    EXPECT_GT(rig.renderer->keyColors()[5 * kCols + 2 * band].alpha(), 0);
}

TEST(MusicRhythmIntake, NothingWhileOff)
{
    auto owned = std::make_unique<FakeSoundCardCapture>();
    FakeSoundCardCapture *capture = owned.get();
    MusicRhythmRenderer renderer(std::move(owned));
    renderer.initMusicalRhythm(104);
    QSignalSpy spectra(&renderer.analyser(), &SpectrumAnalyser::spectrumChanged);
    capture->start(); // the capture may run, but the light is off
    capture->feed(QByteArray(20000, '\0'));
    EXPECT_EQ(spectra.count(), 0);
    FrequencySpectrum s(1);
    s[0].frequency = 50.0;
    s[0].amplitude = 1.0;
    renderer.onSpectrumChanged(s);
    EXPECT_EQ(renderer.cell(5, 0).level, 0);
}

TEST(MusicRhythmSwitch, OnStartsCaptureAndCheckOffStopsBoth)
{
    Rig rig;
    EXPECT_EQ(rig.capture->starts(), 1);
    EXPECT_TRUE(rig.capture->isRunning());
    EXPECT_TRUE(rig.renderer->isDeviceCheckRunning());
    for (const QColor &c : rig.renderer->keyColors())
        ASSERT_EQ(c, QColor(0, 0, 0, 128));
    // Applying the light again leaves the running capture alone.
    rig.renderer->setMusicalRhythmActive(true);
    EXPECT_EQ(rig.capture->starts(), 1);

    QSignalSpy frames(rig.renderer.get(), &MusicRhythmRenderer::keyFrameReady);
    rig.renderer->setMusicalRhythmActive(false);
    EXPECT_FALSE(rig.capture->isRunning());
    EXPECT_FALSE(rig.renderer->isDeviceCheckRunning());
    EXPECT_EQ(frames.count(), 1);
    // Another light applied later: nothing more happens.
    rig.renderer->setMusicalRhythmActive(false);
    EXPECT_EQ(frames.count(), 1);
    EXPECT_EQ(rig.capture->starts(), 1);
}

TEST(MusicRhythmSwitch, OffAfterAFailedStartStillEndsTheDeviceCheck)
{
    auto owned = std::make_unique<FakeSoundCardCapture>();
    FakeSoundCardCapture *capture = owned.get();
    capture->setStartResult(-1);
    MusicRhythmRenderer renderer(std::move(owned));
    renderer.initMusicalRhythm(104);
    renderer.setMusicalRhythmActive(true);
    EXPECT_FALSE(capture->isRunning());
    EXPECT_TRUE(renderer.isDeviceCheckRunning());
    // While on, the check keeps trying.
    capture->setStartResult(0);
    renderer.onAudioOutputDevListChanging();
    EXPECT_TRUE(capture->isRunning());
    capture->stop();
    capture->setStartResult(-1);

    renderer.setMusicalRhythmActive(false);
    EXPECT_FALSE(renderer.isDeviceCheckRunning());
    // A check that still arrives while off starts nothing.
    capture->setStartResult(0);
    const int starts = capture->starts();
    renderer.onAudioOutputDevListChanging();
    EXPECT_EQ(capture->starts(), starts);
    EXPECT_FALSE(capture->isRunning());
}

TEST(MusicRhythmDeviceCheck, FollowsTheDefaultOutputAndRevivesADeadCapture)
{
    const struct
    {
        const char *name;
        QString newName;
        bool dies;
        int starts;
        int stops;
    } rows[] = {
        {"same output", QStringLiteral("speakers"), false, 1, 0},
        {"output changed", QStringLiteral("headset"), false, 2, 1},
        {"name not known", QString(), false, 1, 0},
        {"stream died", QStringLiteral("speakers"), true, 2, 0},
    };
    for (const auto &r : rows) {
        Rig rig;
        rig.capture->setOutputName(r.newName);
        if (r.dies)
            rig.capture->die();
        rig.renderer->onAudioOutputDevListChanging();
        EXPECT_EQ(rig.capture->starts(), r.starts) << r.name;
        EXPECT_EQ(rig.capture->stops(), r.stops) << r.name;
        EXPECT_TRUE(rig.capture->isRunning()) << r.name;
    }
}

} // namespace
