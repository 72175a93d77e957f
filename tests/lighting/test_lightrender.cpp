#include "lightrender.h"

#include <gtest/gtest.h>

namespace {

using namespace lightgrid;

LightFrameRecord rec(int r, int g, int b, int a, int state = 0, int level = 0)
{
    LightFrameRecord out;
    out[0] = r;
    out[1] = g;
    out[2] = b;
    out[LightFrameRecord::Intensity] = a;
    out[LightFrameRecord::State] = state;
    out[LightFrameRecord::Level] = level;
    return out;
}

LightView view(int type, LightRgb c1, LightRgb c2, bool full)
{
    LightView v;
    v.type = type;
    v.brightness = 5;
    v.colour1 = c1;
    v.colour2 = c2;
    v.fullColour = full;
    return v;
}

LightDimming undimmed()
{
    LightDimming d;
    d.setSteps(4);
    return d;
}

const LightRgb kBlack{0, 0, 0};
const LightRgb kRed{200, 0, 0};
const LightRgb kBlue{0, 0, 200};
const LightRgb kMixed{11, 22, 33};

// One record through one renderer: the colour and alpha drawn on the picture.
struct RuleCase
{
    const char *name;
    LightView v;
    LightFrameRecord r;
    QColor expected;
};

TEST(LightRender, KeyRules)
{
    const RuleCase cases[] = {
        {"static, colour 1 black: transparent", view(0, kBlack, kBlue, false), rec(9, 9, 9, 255),
         QColor(9, 9, 9, 0)},
        {"static", view(0, kRed, kBlack, true), rec(200, 0, 0, 255), QColor(200, 0, 0, 180)},
        {"breath scaled", view(1, kRed, kBlack, false), rec(200, 100, 0, 128), QColor(100, 50, 0, 128)},
        {"breath, colour 1 black, scaled black", view(1, kBlack, kBlack, false), rec(1, 1, 1, 100),
         QColor(0, 0, 0, 0)},
        {"breath capped", view(1, kRed, kBlack, false), rec(200, 0, 0, 255), QColor(199, 0, 0, 200)},
        {"wave blends colour 1 over colour 2", view(2, kRed, kBlue, false), rec(1, 1, 1, 128),
         QColor(100, 0, 99, 180)},
        {"wave full colour", view(2, kRed, kBlue, true), rec(1, 2, 3, 9), QColor(1, 2, 3, 180)},
        {"neon full colour", view(3, kBlack, kBlack, true), rec(5, 6, 7, 0), QColor(5, 6, 7, 180)},
        {"neon intensity 0 is colour 2", view(3, kRed, kBlue, false), rec(255, 255, 255, 0),
         QColor(0, 0, 199, 180)},
        {"neon colour 1 black", view(3, kBlack, kBlack, false), rec(255, 0, 0, 230), QColor(229, 0, 0, 200)},
        {"radar looks at colour 2", view(4, kRed, kBlack, false), rec(0, 0, 0, 100), QColor(78, 0, 0, 100)},
        {"snake full colour takes mix, lit", view(5, kRed, kBlack, true), rec(0, 0, 0, 10, 3),
         QColor(11, 22, 33, 180)},
        {"snake full colour not lit", view(5, kRed, kBlack, true), rec(0, 0, 0, 10, 0),
         QColor(11, 22, 33, 10)},
        {"reactive", view(6, kRed, kBlue, false), rec(0, 0, 0, 10), QColor(11, 22, 33, 180)},
        {"reactive lit counts only with full colour", view(6, kRed, kBlack, false), rec(0, 0, 0, 10, 1),
         QColor(11, 22, 33, 10)},
        {"ripple", view(8, kRed, kBlack, true), rec(0, 0, 0, 240, 1), QColor(11, 22, 33, 200)},
        {"twinkle, colour 2 black", view(9, kRed, kBlack, false), rec(256 - 1, 128, 0, 255),
         QColor(199, 100, 0, 200)},
        {"twinkle, colour 2 set", view(9, kRed, kBlue, false), rec(255, 0, 0, 255), QColor(254, 0, 0, 180)},
        {"fireworks", view(16, kRed, kBlack, true), rec(0, 0, 0, 0, 2), QColor(11, 22, 33, 180)},
    };
    const LightDimming dim = undimmed();
    const LightEffectEngine::KeyFrame frame = [] {
        LightEffectEngine::KeyFrame f{};
        return f;
    }();
    for (const RuleCase &c : cases) {
        LightEffectEngine::KeyFrame f = frame;
        f[25] = c.r;
        lightrender::KeyColours out;
        ASSERT_TRUE(lightrender::renderKeys(
            f, [](int, int) { return kMixed; }, c.v, dim, out, nullptr))
            << c.name;
        EXPECT_EQ(out[25], c.expected) << c.name << ": " << out[25].red() << "," << out[25].green() << ","
                                       << out[25].blue() << "," << out[25].alpha();
    }
}

TEST(LightRender, TypesWithoutRendererLeaveColours)
{
    for (int type : {10, 13, 100, 17, -1}) {
        lightrender::KeyColours out;
        out.fill(QColor(1, 2, 3, 4));
        EXPECT_FALSE(lightrender::renderKeys(
            {}, [](int, int) { return kMixed; }, view(type, kRed, kRed, false), undimmed(), out, nullptr));
        EXPECT_EQ(out[0], QColor(1, 2, 3, 4));
    }
}

TEST(LightRender, SpeedRespondCollectsColumnZeroLevels)
{
    LightEffectEngine::KeyFrame f{};
    f[size_t(5 * kColumns)] = rec(0, 0, 0, 255, 1, 1);
    f[size_t(4 * kColumns)] = rec(0, 0, 0, 90, 1, 2);
    f[size_t(3 * kColumns)] = rec(0, 0, 0, 70, 1, 2);      // the later row 4 keeps its value for level 2
    f[size_t(2 * kColumns + 1)] = rec(0, 0, 0, 255, 1, 6); // not column 0
    std::map<int, int> levels{{9, 9}};
    lightrender::KeyColours out;
    lightrender::renderKeys(
        f, [](int, int) { return kMixed; }, view(12, kRed, kBlack, false), undimmed(), out, &levels);
    EXPECT_EQ(levels, (std::map<int, int>{{1, 200}, {2, 90}}));
    lightrender::renderKeys(
        {}, [](int, int) { return kMixed; }, view(12, kRed, kBlack, false), undimmed(), out, &levels);
    EXPECT_TRUE(levels.empty());
}

TEST(LightRender, SideRules)
{
    const RuleCase cases[] = {
        {"static", view(0, kRed, kBlack, false), rec(200, 0, 0, 255), QColor(200, 0, 0, 250)},
        {"static colour 1 black", view(0, kBlack, kBlue, false), rec(0, 0, 0, 255), QColor(0, 0, 0, 0)},
        {"breath looks at colour 2", view(1, kRed, kBlue, false), rec(0, 0, 0, 100), QColor(0, 0, 0, 100)},
        {"wave looks at colour 2", view(2, kRed, kBlue, false), rec(0, 0, 0, 255), QColor(199, 0, 0, 250)},
        {"collision lit, colour 2 black", view(3, kRed, kBlack, true), rec(100, 0, 0, 128, 1),
         QColor(50, 0, 0, 250)},
        {"collision not lit", view(3, kRed, kBlack, true), rec(100, 0, 0, 128, 0), QColor(50, 0, 0, 128)},
        {"neon full colour", view(4, kRed, kBlack, true), rec(1, 2, 3, 0), QColor(1, 2, 3, 250)},
        {"close", view(5, kRed, kRed, true), rec(100, 100, 100, 255), QColor(0, 0, 0, 0)},
    };
    for (const RuleCase &c : cases) {
        LightEffectEngine::SideFrame f{};
        f[2] = c.r;
        lightrender::SideColours out;
        out.fill(QColor(7, 7, 7, 7));
        ASSERT_TRUE(lightrender::renderSide(f, 3, c.v, undimmed(), out)) << c.name;
        EXPECT_EQ(out[2], c.expected) << c.name << ": " << out[2].red() << "," << out[2].green() << ","
                                      << out[2].blue() << "," << out[2].alpha();
        EXPECT_EQ(out[3], QColor(7, 7, 7, 7)) << "segments past the list are not written";
    }
    lightrender::SideColours out;
    out.fill(QColor(7, 7, 7, 7));
    lightrender::renderSide({}, 0, view(0, kRed, kRed, false), undimmed(), out);
    EXPECT_EQ(out[0], QColor(7, 7, 7, 7)) << "an empty segment list writes nothing";
}

TEST(LightRender, DimmingFactorsAndOutOfRangeBrightness)
{
    struct Case
    {
        int steps;
        int brightness;
        int factor;
    } cases[] = {{0, 1, 260}, {0, 2, 100}, {4, 1, 260},  {4, 2, 220}, {4, 3, 180},         {4, 4, 140},
                 {4, 5, 100}, {4, 0, 260}, {4, -3, 260}, {4, 9, 100}, {9, 1, 100 + 9 * 17}};
    for (const Case &c : cases) {
        LightDimming d;
        d.setSteps(c.steps);
        EXPECT_EQ(d.factor(c.brightness), c.factor) << c.steps << "/" << c.brightness;
        EXPECT_EQ(d.apply(QColor(200, 100, 50, 77), c.brightness), QColor(200, 100, 50, 77).darker(c.factor));
    }
}

TEST(LightRender, TickIntervalsFromSpeed)
{
    struct Case
    {
        int index;
        int steps;
        int keys;
        int side;
    } cases[] = {{0, 4, 28, 28},  {4, 4, 8, 8}, {9, 9, 8, 8},  {1, 3, 24, 26}, {2, 5, 24, 24},
                 {-1, 4, 28, 28}, {7, 4, 8, 8}, {30, 9, 8, 8}, {0, 0, 28, 28}};
    for (const Case &c : cases) {
        EXPECT_EQ(lighttiming::keyInterval(c.index, c.steps), c.keys) << c.index << "/" << c.steps;
        EXPECT_EQ(lighttiming::sideInterval(c.index, c.steps), c.side) << c.index << "/" << c.steps;
    }
}

} // namespace
