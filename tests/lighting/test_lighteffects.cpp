#include "lighteffectengine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace lightgrid;

colorInfoData config(int type, int direction = 0, int fullColour = 0)
{
    colorInfoData c;
    c.ledType = type;
    c.ledBrightness = 5;
    c.ledSpeed = 3;
    c.color1Red = 255;
    c.color1Green = 40;
    c.color1Blue = 10;
    c.ledDirection = direction;
    c.fullColorMode = fullColour;
    return c;
}

int intensity(const LightEffectEngine::KeyFrame &f, int row, int col)
{
    return f[size_t(row * kColumns + col)][LightFrameRecord::Intensity];
}

bool inRange(const LightFrameRecord &r)
{
    for (int i = 0; i <= LightFrameRecord::Intensity; ++i)
        if (r[i] < 0 || r[i] > 255)
            return false;
    return r[LightFrameRecord::State] >= 0 && r[LightFrameRecord::State] <= 9 &&
           r[LightFrameRecord::Level] >= 0 && r[LightFrameRecord::Level] <= kRows &&
           (r[LightFrameRecord::Flag] == 0 || r[LightFrameRecord::Flag] == 1);
}

std::string describe(const LightFrameRecord &r)
{
    std::string out;
    for (int v : r.v)
        out += std::to_string(v) + " ";
    return out;
}

TEST(LightEffects, EveryFieldOfEveryEffectStaysInRange)
{
    const int keyTypes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 100, 57};
    for (int type : keyTypes) {
        for (int direction = 0; direction < 8; ++direction) {
            for (int full : {0, 1}) {
                LightEffectEngine fx(7);
                fx.startKeyEffect(config(type, direction, full), 104, true);
                for (int t = 0; t < 300; ++t) {
                    if (t % 7 == 0)
                        fx.keyPressed(t % kRows, (t * 5) % kColumns);
                    const auto &frame = fx.stepKeys();
                    for (size_t k = 0; k < frame.size(); ++k)
                        ASSERT_TRUE(inRange(frame[k]))
                            << "type " << type << " direction " << direction << " full " << full << " key "
                            << k << ": " << describe(frame[k]);
                }
            }
        }
    }
    for (int type = 0; type <= 6; ++type) {
        for (int full : {0, 1}) {
            for (int segments : {0, 1, 33, 60, 99}) {
                LightEffectEngine fx;
                fx.startSideEffect(config(type, 0, full), segments);
                for (int t = 0; t < 300; ++t) {
                    const auto &frame = fx.stepSide();
                    for (size_t k = 0; k < frame.size(); ++k) {
                        ASSERT_TRUE(inRange(frame[k]))
                            << "side type " << type << " segment " << k << ": " << describe(frame[k]);
                        if (int(k) >= segments) {
                            ASSERT_EQ(frame[k][LightFrameRecord::Intensity], 0) << "unlisted segment " << k;
                        }
                    }
                }
            }
        }
    }
}

TEST(LightEffects, StillEffectsDoNotChangeAndDoNotTick)
{
    LightEffectEngine fx;
    fx.startKeyEffect(config(0), 104, false);
    const LightEffectEngine::KeyFrame first = fx.stepKeys();
    EXPECT_EQ(first[0][LightFrameRecord::Red], 255);
    EXPECT_EQ(first[0][LightFrameRecord::Intensity], 255);
    for (int t = 0; t < 50; ++t) {
        const auto &frame = fx.stepKeys();
        for (size_t k = 0; k < frame.size(); ++k)
            ASSERT_EQ(0, std::memcmp(frame[k].v, first[k].v, sizeof first[k].v)) << "tick " << t;
    }
    for (int type : {0, 10, 13, 100})
        EXPECT_FALSE(LightEffectEngine::keyTypeAnimates(type)) << type;
    for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15, 16})
        EXPECT_TRUE(LightEffectEngine::keyTypeAnimates(type)) << type;
    EXPECT_FALSE(LightEffectEngine::sideTypeAnimates(0));
    EXPECT_FALSE(LightEffectEngine::sideTypeAnimates(5));
    EXPECT_TRUE(LightEffectEngine::sideTypeAnimates(3));
}

TEST(LightEffects, BreathRisesAndFallsWithAFixedPeriod)
{
    for (bool side : {false, true}) {
        LightEffectEngine fx;
        fx.startKeyEffect(config(1), 104, true);
        fx.startSideEffect(config(1), 20);
        std::vector<int> a;
        for (int t = 0; t < 480; ++t)
            a.push_back(side ? fx.stepSide()[3][LightFrameRecord::Intensity]
                             : intensity(fx.stepKeys(), 2, 3));
        const auto [lo, hi] = std::minmax_element(a.begin(), a.begin() + 160);
        EXPECT_LE(*lo, 5);
        EXPECT_GE(*hi, 250);
        for (int t = 0; t + 160 < int(a.size()); ++t)
            ASSERT_EQ(a[size_t(t)], a[size_t(t + 160)]) << "tick " << t;
    }
}

// A wave's crest found at a key now is found `shift` keys further along 20 ticks later.
TEST(LightEffects, WaveMovesInItsDirection)
{
    struct Case
    {
        int direction;
        int rowShift;
        int colShift;
    } cases[] = {{lighttypes::Right, 0, 3},
                 {lighttypes::Left, 0, -3},
                 {lighttypes::Up, -3, 0},
                 {lighttypes::Down, 3, 0}};
    for (const Case &c : cases) {
        LightEffectEngine fx;
        fx.startKeyEffect(config(2, c.direction), 104, false);
        for (int t = 0; t < 13; ++t)
            fx.stepKeys();
        const LightEffectEngine::KeyFrame before = fx.stepKeys();
        for (int t = 0; t < 19; ++t)
            fx.stepKeys();
        const auto &after = fx.stepKeys();
        int compared = 0;
        bool varies = false;
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < kColumns; ++col) {
                const int fromRow = row - c.rowShift;
                const int fromCol = col - c.colShift;
                if (fromRow < 0 || fromRow >= kRows || fromCol < 0 || fromCol >= kColumns)
                    continue;
                ++compared;
                EXPECT_NEAR(intensity(after, row, col), intensity(before, fromRow, fromCol), 1)
                    << "direction " << c.direction << " key " << row << "," << col;
                varies = varies || intensity(after, row, col) != intensity(before, row, col);
            }
        }
        EXPECT_GT(compared, 0);
        EXPECT_TRUE(varies) << "the wave stands still, direction " << c.direction;
    }
}

TEST(LightEffects, ReactiveLightsThePressedKeyAndFades)
{
    LightEffectEngine fx;
    fx.startKeyEffect(config(6), 104, false);
    fx.stepKeys();
    fx.keyPressed(2, 5);
    const auto &frame = fx.stepKeys();
    EXPECT_EQ(intensity(frame, 2, 5), 255);
    EXPECT_EQ(frame[size_t(2 * kColumns + 5)][LightFrameRecord::State], 1);
    for (size_t k = 0; k < frame.size(); ++k) {
        if (k != size_t(2 * kColumns + 5)) {
            ASSERT_EQ(frame[k][LightFrameRecord::Intensity], 0) << k;
        }
    }
    EXPECT_EQ(fx.mix(2, 5), (LightRgb{255, 40, 10}));
    int last = 255;
    int ticks = 0;
    while (last > 0 && ticks < 100) {
        const int now = intensity(fx.stepKeys(), 2, 5);
        EXPECT_LT(now, last);
        last = now;
        ++ticks;
    }
    EXPECT_EQ(last, 0);
    EXPECT_LE(ticks, 50);
    fx.keyPressed(-1, 3); // outside the matrix: ignored
    fx.keyPressed(6, 0);
    for (const LightFrameRecord &r : fx.stepKeys())
        EXPECT_EQ(r[LightFrameRecord::Intensity], 0);
}

TEST(LightEffects, RippleRingGrowsAwayFromThePressedKey)
{
    LightEffectEngine fx;
    fx.startKeyEffect(config(8), 104, false);
    fx.keyPressed(3, 10);
    EXPECT_EQ(fx.rippleColor(), (LightRgb{255, 40, 10}));
    LightEffectEngine::KeyFrame frame;
    for (int t = 0; t <= 8; ++t)
        frame = fx.stepKeys(); // radius 2
    EXPECT_GT(intensity(frame, 3, 12), intensity(frame, 3, 10));
    EXPECT_GT(intensity(frame, 1, 10), 0);
    EXPECT_EQ(intensity(frame, 3, 16), 0);
    for (int t = 0; t < 8; ++t)
        frame = fx.stepKeys(); // radius 4
    EXPECT_GT(intensity(frame, 3, 14), intensity(frame, 3, 12));
    EXPECT_GT(intensity(frame, 3, 6), 0);
    for (int t = 0; t < 200; ++t)
        frame = fx.stepKeys();
    for (const LightFrameRecord &r : frame)
        EXPECT_EQ(r[LightFrameRecord::Intensity], 0);
}

TEST(LightEffects, SameSeedSameFrames)
{
    auto run = [](uint32_t seed, int type) {
        LightEffectEngine fx(seed);
        fx.startKeyEffect(config(type, 0, 1), 104, false);
        std::vector<int> out;
        for (int t = 0; t < 200; ++t)
            for (const LightFrameRecord &r : fx.stepKeys())
                out.insert(out.end(), std::begin(r.v), std::end(r.v));
        return out;
    };
    for (int type : {9, 14}) {
        EXPECT_EQ(run(11, type), run(11, type)) << type;
        EXPECT_NE(run(11, type), run(12, type)) << type;
    }
}

TEST(LightEffects, AutoRippleFlagsOnlyTheFramesThatStartARipple)
{
    LightEffectEngine fx(3);
    fx.startKeyEffect(config(14), 104, false);
    int starts = 0;
    for (int t = 0; t < 200; ++t) {
        const auto &frame = fx.stepKeys();
        const bool flagged = frame[0][LightFrameRecord::Flag] == 1;
        EXPECT_EQ(flagged, t % 40 == 0) << t;
        for (size_t k = 1; k < frame.size(); ++k)
            ASSERT_EQ(frame[k][LightFrameRecord::Flag], 0);
        if (flagged) {
            ++starts;
            const auto cfg = fx.autoRippleConfig();
            EXPECT_EQ(intensity(frame, cfg[1], cfg[0]), 255) << "the ripple starts at the announced key";
            EXPECT_EQ(cfg[2], 255);
        }
    }
    EXPECT_EQ(starts, 5);
}

TEST(LightEffects, SpeedRespondBarFollowsTypingFromTheChosenEnd)
{
    for (int direction : {lighttypes::Up, lighttypes::Down}) {
        LightEffectEngine fx;
        fx.startKeyEffect(config(12, direction), 104, false);
        EXPECT_EQ(intensity(fx.stepKeys(), 5, 0), 0);
        for (int i = 0; i < 4; ++i)
            fx.keyPressed(1, 1);
        const auto &frame = fx.stepKeys();
        const int foot = direction == lighttypes::Up ? 5 : 0;
        const int next = direction == lighttypes::Up ? 4 : 1;
        const int dark = direction == lighttypes::Up ? 3 : 2;
        EXPECT_EQ(intensity(frame, foot, 0), 255);
        EXPECT_EQ(frame[size_t(foot * kColumns)][LightFrameRecord::Level], 1);
        EXPECT_EQ(frame[size_t(next * kColumns)][LightFrameRecord::Level], 2);
        EXPECT_EQ(intensity(frame, dark, 7), 0);
        int t = 0;
        while (intensity(fx.stepKeys(), foot, 0) > 0 && t < 1000)
            ++t;
        EXPECT_LT(t, 1000) << "the bar sinks once typing stops";
    }
}

TEST(LightEffects, SideCollisionRunnersMeetInTheMiddle)
{
    LightEffectEngine fx;
    fx.startSideEffect(config(3), 10);
    const auto &first = fx.stepSide();
    EXPECT_EQ(first[0][LightFrameRecord::State], 1);
    EXPECT_EQ(first[9][LightFrameRecord::State], 1);
    EXPECT_EQ(first[5][LightFrameRecord::Intensity], 0);
    bool met = false;
    for (int t = 0; t < 30 && !met; ++t) {
        fx.stepSide();
        met = fx.collisionState()[3] == 1;
    }
    EXPECT_TRUE(met);
}

TEST(LightEffects, HueWheel)
{
    EXPECT_EQ(lightHue(0), (LightRgb{255, 0, 0}));
    EXPECT_EQ(lightHue(1.f / 3), (LightRgb{0, 255, 0}));
    EXPECT_EQ(lightHue(2.f / 3), (LightRgb{0, 0, 255}));
    EXPECT_EQ(lightHue(-1.f / 3), lightHue(2.f / 3));
}

} // namespace
