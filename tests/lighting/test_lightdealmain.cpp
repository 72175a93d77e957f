#include "lightdealmain.h"

#include "keyboardbutcustom.h"
#include "mainhidinterface.h"
#include "recordinghid.h"
#include "sidelightbuttoncustom.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

colorInfoData record(int target, int type)
{
    colorInfoData c = lighttypes::defaultRecord(target, type);
    c.hidType = target;
    c.ledBrightness = 5;
    c.color1Red = 200;
    c.color1Green = 0;
    c.color1Blue = 0;
    return c;
}

LightModeSupport modes(int speedSteps, int brightnessSteps, QList<int> types = {0, 1, 2})
{
    LightModeSupport m;
    m.lightTypes = types;
    m.speedSteps = speedSteps;
    m.brightnessSteps = brightnessSteps;
    return m;
}

// An engine with its own key and side buttons, as the device page would hand them over.
class LightEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int row = 0; row < 6; ++row) {
            for (int col = 0; col < 22; ++col) {
                auto key = std::make_unique<keyboardButCustom>();
                key->setLightColorShown(true);
                engine.keyGrid[row][col] = key.get();
                keys.push_back(std::move(key));
            }
        }
        for (int i = 0; i < 4; ++i) {
            side.push_back(std::make_unique<sideLightButtonCustom>());
            side.back()->setIndexAndStatus(i, i % 2);
            engine.sideButtons.append(side.back().get());
        }
    }
    void start(const LightModeSupport &keyModes, const LightModeSupport &sideModes)
    {
        engine.setLightModeSupport(keyModes, sideModes);
        engine.loadLightConfigFromProfile();
        engine.setPreviewEnabled(true);
        engine.setLightThreadsRunning(true);
    }
    keyboardButCustom *key(int row, int col) { return engine.keyGrid[row][col]; }

    std::vector<std::unique_ptr<keyboardButCustom>> keys;
    std::vector<std::unique_ptr<sideLightButtonCustom>> side;
    lightDealMain engine;
};

TEST_F(LightEngineTest, TickIntervalsFollowSpeedAndItsTables)
{
    start(modes(3, 4), modes(3, 4));
    colorInfoData keysRecord = record(0, 2);
    keysRecord.ledSpeed = 2;
    engine.setKeyboardLightConfig(keysRecord);
    colorInfoData sideRecord = record(1, 2);
    sideRecord.ledSpeed = 2;
    engine.setSideLightConfig(sideRecord);
    EXPECT_EQ(engine.keyTickInterval(), 24);
    EXPECT_EQ(engine.sideTickInterval(), 26);
    // A speed from a profile or a keyboard outside the table is pulled to its end.
    keysRecord.ledSpeed = 40;
    engine.changeKeyboardLightConfig(keysRecord);
    EXPECT_EQ(engine.keyTickInterval(), 8);
    keysRecord.ledSpeed = -3;
    engine.changeKeyboardLightConfig(keysRecord);
    EXPECT_EQ(engine.keyTickInterval(), 28);
    keysRecord.ledBrightness = 0;
    engine.changeKeyboardLightConfig(keysRecord);
    EXPECT_EQ(engine.keyDimFactor(), 260);
    keysRecord.ledBrightness = 99;
    engine.changeKeyboardLightConfig(keysRecord);
    EXPECT_EQ(engine.keyDimFactor(), 100);
}

// The preview's frames come every 30 ms; an effect of a shorter interval still steps once per
// interval (several steps a frame), so it runs at the speed chosen, and never faster.
TEST_F(LightEngineTest, EffectsKeepTheirSpeedBetweenFrames)
{
    start(modes(3, 4), modes(3, 4));
    for (int speed : {40, -3}) {
        colorInfoData wave = record(0, 2);
        wave.ledSpeed = speed;
        engine.setKeyboardLightConfig(wave);
        ASSERT_TRUE(engine.isKeyTicking());
        QElapsedTimer t;
        t.start();
        const int before = engine.effects().keyTick();
        QTest::qWait(600);
        const double due = double(t.elapsed()) / engine.keyTickInterval();
        const int steps = engine.effects().keyTick() - before;
        EXPECT_LE(steps, due + 2) << "interval " << engine.keyTickInterval();
        EXPECT_GE(steps, 0.6 * due) << "interval " << engine.keyTickInterval();
    }
}

TEST_F(LightEngineTest, OnlyAnimatedEffectsTickAndStopEndsEveryThread)
{
    start(modes(4, 4), modes(4, 4));
    struct Case
    {
        int keyType;
        int sideType;
        bool keyTicks;
        bool sideTicks;
    } cases[] = {{0, 0, false, false}, {2, 0, true, false},  {10, 5, false, false},
                 {100, 2, true, true}, {13, 3, false, true}, {8, 1, true, true}};
    for (const Case &c : cases) {
        engine.setKeyboardLightConfig(record(0, c.keyType));
        engine.setSideLightConfig(record(1, c.sideType));
        EXPECT_EQ(engine.isKeyTicking(), c.keyTicks) << c.keyType;
        EXPECT_EQ(engine.isSideTicking(), c.sideTicks) << c.sideType;
        EXPECT_EQ(engine.isPreviewTicking(), c.keyTicks || c.sideTicks) << c.keyType << "/" << c.sideType;
    }
    engine.setKeyboardLightConfig(record(0, 2));
    engine.setLightThreadsRunning(false);
    EXPECT_FALSE(engine.isKeyTicking());
    EXPECT_FALSE(engine.isSideTicking());
    EXPECT_FALSE(engine.isPreviewTicking());
    EXPECT_FALSE(engine.isEffectThreadsRunning());
    // A start right after the stop ticks again.
    engine.setLightThreadsRunning(true);
    EXPECT_TRUE(engine.isKeyTicking());
    const QColor before = key(2, 2)->lightColor();
    ASSERT_TRUE(QTest::qWaitFor([&] { return key(2, 2)->lightColor() != before; }, 3000));
}

TEST_F(LightEngineTest, PreviewRunsOnlyWhileEnabled)
{
    start(modes(4, 4), modes(4, 4));
    engine.setKeyboardLightConfig(record(0, 2));
    engine.setPreviewEnabled(false);
    EXPECT_TRUE(engine.isKeyTicking());
    EXPECT_FALSE(engine.isPreviewTicking());
    const QColor before = key(1, 1)->lightColor();
    QTest::qWait(120);
    EXPECT_EQ(key(1, 1)->lightColor(), before);
    EXPECT_NE(engine.keyColors()[23], before) << "the frame keeps running for the keyboard";
}

TEST_F(LightEngineTest, CustomSchemeIsShownAndFramesNeverChangeIt)
{
    start(modes(4, 4), modes(4, 4));
    for (auto &k : keys)
        k->setCustomLightColor(QColor(0, 0, 0));
    key(1, 3)->setCustomLightColor(QColor(10, 200, 30));
    colorInfoData custom = record(0, lighttypes::kCustom);
    engine.setKeyboardLightConfig(custom);
    engine.setCustomLightColors(0, 0);
    EXPECT_EQ(key(1, 3)->lightColor(), QColor(10, 200, 30, 180));
    EXPECT_EQ(key(1, 4)->lightColor().alpha(), 0);
    EXPECT_FALSE(engine.isKeyTicking());
    custom.ledBrightness = 1;
    engine.changeKeyboardLightConfig(custom);
    EXPECT_EQ(key(1, 3)->lightColor(), QColor(10, 200, 30, 180).darker(260));
}

// Over the receiver the keyboard gets no frames, so a newly shown scheme (or colours painted while
// no scheme is chosen) is uploaded to slot 2: eight colour reports and nothing after them. Over the
// cable, and for paint on a chosen scheme (the page uploads that one itself), nothing is sent.
TEST_F(LightEngineTest, CustomColoursGoToTheReceiverKeyboardsOwnSlot)
{
    for (int k = 0; k < 132; ++k)
        keys[std::size_t(k)]->setCustomLightColor(QColor(k, 255 - k, (7 * k) % 256));
    struct Case
    {
        int link;
        int mode;
        int flagIndex;
        bool uploads;
    } cases[] = {{1, 0, 0, true},  {1, 0, 1, true},  {1, 0, -1, true}, {1, 1, -1, true},
                 {1, 1, 0, false}, {1, 1, 1, false}, {0, 0, 0, false}, {0, 1, -1, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "link " << c.link << " mode " << c.mode << " slot " << c.flagIndex);
        RecordingHid hid;
        hidStructInfoAll device{};
        device.linkType = c.link;
        engine.setDeviceInfo(device);
        engine.setHidInterface(&hid);
        engine.setCustomLightColors(c.mode, c.flagIndex);
        if (!c.uploads) {
            EXPECT_TRUE(hid.sent.isEmpty());
            continue;
        }
        ASSERT_EQ(hid.sent.size(), 8);
        for (int p = 0; p < 8; ++p) {
            const HidReport &r = hid.sent[p];
            EXPECT_EQ(r[1], 0x08);
            EXPECT_EQ(r[2], 2) << "the slot of computer-shown colours";
            EXPECT_EQ(r[3], 0);
            EXPECT_EQ(r[4], p);
            ASSERT_EQ(r[5], p < 7 ? 54 : 18);
            for (int i = 0; i < r[5] / 3; ++i) {
                const QColor sent(r[std::size_t(6 + 3 * i)], r[std::size_t(7 + 3 * i)],
                                  r[std::size_t(8 + 3 * i)]);
                EXPECT_EQ(sent, keys[std::size_t(18 * p + i)]->customLightColor()) << "key " << 18 * p + i;
            }
            EXPECT_TRUE(std::all_of(r.begin() + 6 + r[5], r.end(), [](uint8_t b) { return b == 0; }));
        }
    }
    // A keyboard closed meanwhile: nothing is sent and nothing breaks.
    auto closed = std::make_unique<RecordingHid>();
    engine.setHidInterface(closed.get());
    closed.reset();
    engine.setCustomLightColors(0, 0);
}

TEST_F(LightEngineTest, ProfileWithoutRecordFallsBackToTheDefault)
{
    start(modes(4, 4), modes(4, 4));
    engine.setKeyboardLightConfig(record(0, 8));
    engine.setSideLightConfig(record(1, 3));
    engine.loadLightConfigFromProfile(); // no profile file: nothing stored
    colorInfoData keysDefault = lighttypes::defaultRecord(0, 0);
    keysDefault.hidType = 0;
    colorInfoData sideDefault = lighttypes::defaultRecord(1, 0);
    sideDefault.hidType = 1;
    EXPECT_EQ(engine.keyboardLightConfig(), keysDefault);
    EXPECT_EQ(engine.sideLightConfig(), sideDefault);
}

TEST_F(LightEngineTest, KeyboardWithoutSideLightDropsTheSegmentsOfThePreviousOne)
{
    start(modes(4, 4), modes(4, 4));
    EXPECT_EQ(engine.sideLedList(), (QList<int>{0, 1, 0, 1}));
    engine.setSideLightConfig(record(1, 2));
    EXPECT_TRUE(engine.isSideTicking());
    engine.setLightThreadsRunning(false);
    engine.sideButtons.clear();
    start(modes(4, 4), LightModeSupport());
    EXPECT_TRUE(engine.sideLedList().isEmpty());
    EXPECT_FALSE(engine.isSideEffectRunning() && engine.isSideTicking());
    EXPECT_EQ(engine.effects().sideFrame()[0][LightFrameRecord::Intensity], 0);
}

TEST_F(LightEngineTest, ForgetsAClosedKeyboardsInterface)
{
    auto hid = std::make_unique<MainHidInterFace>(0, QStringLiteral("TL104"));
    engine.setHidInterface(hid.get());
    EXPECT_EQ(engine.hidInterface(), hid.get());
    hid.reset();
    EXPECT_EQ(engine.hidInterface(), nullptr);
}

TEST_F(LightEngineTest, PressesReachTheEffectOnBothLinks)
{
    for (int link : {0, 1}) {
        hidStructInfoAll device{};
        device.linkType = link;
        engine.setDeviceInfo(device);
        start(modes(4, 4), modes(4, 4));
        engine.setKeyboardLightConfig(record(0, 6));
        engine.setInteractLightsPointXY(2, 9);
        ASSERT_TRUE(QTest::qWaitFor([&] { return key(2, 9)->lightColor().alpha() > 0; }, 2000)) << link;
        EXPECT_EQ(engine.touchPointX(), link == 1 ? 2 : -1);
        EXPECT_EQ(engine.touchPointY(), link == 1 ? 9 : -1);
        engine.setLightThreadsRunning(false);
    }
}

} // namespace
