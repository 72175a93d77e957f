#include "hidreport.h"
#include "lightstreamer.h"
#include "linkfixture.h"
#include "mainhidinterface.h"

#include <QTimer>

#include <memory>

using namespace hidproto;

namespace {

// Key i gets (i, 2i, 255 - i), side segment k gets (k, 100 + k, 200 - k): every byte tells where
// it came from.
void fillCoded(lightrender::KeyColours &keys, lightrender::SideColours &side)
{
    for (int i = 0; i < lightgrid::kKeys; ++i)
        keys[std::size_t(i)] = QColor(i, (2 * i) % 256, 255 - i, 77);
    for (int k = 0; k < lightgrid::kSideLeds; ++k)
        side[std::size_t(k)] = QColor(k, 100 + k, 200 - k, 13);
}

} // namespace

TEST(LightStreamReports, FramesSplitKeysAndSideIntoPacketsOf18)
{
    struct Row
    {
        int sideLeds;
        std::vector<int> sideBytes;
    };
    const Row rows[] = {
        {33, {54, 45}},     {41, {54, 54, 15}}, {45, {54, 54, 27}}, {49, {54, 54, 39}},
        {50, {54, 54, 42}}, {51, {54, 54, 45}}, {36, {54, 54}},     {0, {}},
    };
    lightrender::KeyColours keys;
    lightrender::SideColours side;
    fillCoded(keys, side);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.sideLeds);
        const std::vector<HidReport> packets = lightstream::framePackets(keys, side, row.sideLeds);
        ASSERT_EQ(packets.size(), 8 + row.sideBytes.size());
        for (std::size_t p = 0; p < packets.size(); ++p) {
            const HidReport &r = packets[p];
            const bool isKey = p < 8;
            const int number = int(isKey ? p : p - 8);
            EXPECT_EQ(r[0], 0x01);
            EXPECT_EQ(r[1], 0x0e);
            EXPECT_EQ(r[2], isKey ? 0 : 1);
            EXPECT_EQ(r[3], 0);
            EXPECT_EQ(r[4], number);
            const int length = isKey ? (p == 7 ? 18 : 54) : row.sideBytes[std::size_t(number)];
            ASSERT_EQ(r[5], length);
            for (int b = 0; b < length; b += 3) {
                const int led = number * 18 + b / 3;
                const QColor &c = isKey ? keys[std::size_t(led)] : side[std::size_t(led)];
                ASSERT_EQ(r[std::size_t(6 + b)], c.red()) << "led " << led;
                ASSERT_EQ(r[std::size_t(7 + b)], c.green());
                ASSERT_EQ(r[std::size_t(8 + b)], c.blue());
            }
            for (std::size_t b = std::size_t(6 + length); b < r.size(); ++b)
                ASSERT_EQ(r[b], 0) << "byte " << b;
        }
    }
}

TEST(LightStreamReports, SynchronisationReport)
{
    for (bool on : {true, false}) {
        HidReport expected{};
        expected[0] = 0x01;
        expected[1] = 0x16;
        expected[5] = 1;
        expected[6] = on ? 1 : 0;
        EXPECT_EQ(lightstream::syncReport(on), expected);
    }
}

TEST(LightStreamReports, WirelessStateCarriesTheTypesData)
{
    const std::map<int, int> levels{{2, 5}, {4, 9}};
    const std::map<int, int> noLevels;
    auto base = [] {
        lightstream::WirelessInputs in;
        in.epochMs = 0x123456789aULL;
        in.firstKey = QColor(10, 20, 30, 180);
        in.firstSide = QColor(40, 50, 60, 250);
        in.touchRipple = {7, 8, 9};
        in.autoRippleConfig = {0x101, 2, 3, 4, 0x1ff};
        in.collisionState = {11, 12, 13, 14, 15};
        return in;
    };
    struct Row
    {
        const char *what;
        std::function<void(lightstream::WirelessInputs &)> set;
        std::vector<std::pair<int, int>> bytes; // position, value; every other byte from 5 is 0
    };
    const std::vector<Row> rows = {
        {"static", [](auto &in) { in.keyType = 0; }, {{4, 0}, {5, 10}, {6, 20}, {7, 30}}},
        {"breath", [](auto &in) { in.keyType = 1; }, {{4, 1}, {5, 10}, {6, 20}, {7, 30}}},
        {"neon", [](auto &in) { in.keyType = 3; }, {{4, 3}, {5, 10}, {6, 20}, {7, 30}}},
        {"wave sends no key data", [](auto &in) { in.keyType = 2; }, {{4, 2}}},
        {"reactive with a press",
         [](auto &in) {
             in.keyType = 6;
             in.touchX = 3;
             in.touchY = 17;
         },
         {{4, 6}, {5, 3}, {6, 17}, {7, 7}, {8, 8}, {9, 9}}},
        {"reactive without a press", [](auto &in) { in.keyType = 6; }, {{4, 6}}},
        {"fireworks half a press", [](auto &in) { in.keyType = 16, in.touchX = 3; }, {{4, 16}}},
        {"speed respond",
         [&](auto &in) {
             in.keyType = 12;
             in.speedRespondLevels = &levels;
         },
         {{4, 12}, {5, 4}, {6, 9}}},
        {"speed respond without levels",
         [&](auto &in) {
             in.keyType = 12;
             in.speedRespondLevels = &noLevels;
         },
         {{4, 12}}},
        {"auto ripple starting",
         [](auto &in) {
             in.keyType = 14;
             in.autoRippleStarts = true;
         },
         {{4, 14}, {5, 1}, {6, 2}, {7, 3}, {8, 4}, {9, 0xff}}},
        {"auto ripple running", [](auto &in) { in.keyType = 14; }, {{4, 14}}},
        {"side static",
         [](auto &in) {
             in.keyType = 2;
             in.hasSideLight = true;
             in.sideType = 0;
         },
         {{4, 2}, {34, 0}, {35, 40}, {36, 50}, {37, 60}}},
        {"side collision",
         [](auto &in) {
             in.keyType = 2;
             in.hasSideLight = true;
             in.sideType = 3;
         },
         {{4, 2}, {34, 3}, {35, 11}, {36, 12}, {37, 13}, {38, 14}, {39, 15}}},
        {"side wave",
         [](auto &in) { in.keyType = 2, in.hasSideLight = true, in.sideType = 2; },
         {{4, 2}, {34, 2}}},
        {"no side light leaves the side bytes", [](auto &in) { in.keyType = 2, in.sideType = 3; }, {{4, 2}}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        lightstream::WirelessInputs in = base();
        row.set(in);
        const HidReport r = lightstream::wirelessStateReport(in);
        HidReport expected{};
        expected[0] = 0x01;
        expected[1] = 0x28;
        expected[2] = 0x78; // bits 15..8 of the time
        expected[3] = 0x9a;
        for (const auto &b : row.bytes)
            expected[std::size_t(b.first)] = uint8_t(b.second);
        EXPECT_EQ(r, expected);
    }
}

// Every band is reported, also behind bands without columns (a small keyboard's outer bands).
TEST(LightStreamReports, WirelessMusicWalksAllBands)
{
    lightstream::WirelessInputs in;
    in.keyType = 100;
    in.bandColumnCounts = {0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0};
    in.musicColumnLevels = {1, 2, 3, 4, 5, 6, 7};
    in.musicColumnIntensities = {10, 20, 30, 40, 50, 60, 70};
    HidReport r = lightstream::wirelessStateReport(in);
    const std::vector<int> levels(r.begin() + 5, r.begin() + 16);
    const std::vector<int> intensities(r.begin() + 16, r.begin() + 27);
    EXPECT_EQ(levels, (std::vector<int>{0, 0, 1, 2, 3, 4, 5, 6, 7, 0, 0}));
    EXPECT_EQ(intensities, (std::vector<int>{0, 0, 10, 20, 30, 40, 50, 60, 70, 0, 0}));

    // Two columns a band: each band reports its last column. No levels yet: all zero.
    in.bandColumnCounts.assign(11, 2);
    in.musicColumnLevels.clear();
    for (int c = 0; c < 22; ++c)
        in.musicColumnLevels.push_back(c);
    r = lightstream::wirelessStateReport(in);
    EXPECT_EQ(r[5], 1);
    EXPECT_EQ(r[15], 21);
    in.musicColumnLevels.clear();
    in.musicColumnIntensities.clear();
    r = lightstream::wirelessStateReport(in);
    EXPECT_TRUE(std::all_of(r.begin() + 5, r.begin() + 27, [](uint8_t b) { return b == 0; }));
}

namespace {

class LightStreaming : public SimFixture
{
protected:
    void open(const char *model, LinkType link = LinkType::Cable)
    {
        kb = addKeyboard(model, link);
        hid = std::make_unique<MainHidInterFace>(0, kb->model().key);
        ASSERT_EQ(hid->openDevice(QString::fromLatin1(kb->path())), 0);
        hid->start();
        fillCoded(keys, side);
        streamer = std::make_unique<LightStreamer>();
        streamer->setFrameSource(
            [this](const lightrender::KeyColours **k, const lightrender::SideColours **s) {
                *k = &keys;
                *s = &side;
            });
        streamer->setHidInterface(hid.get());
        streamer->setLink(int(link), kb->model().streamSideLeds());
    }
    void TearDown() override
    {
        streamer.reset();
        if (hid)
            hid->closeDevice();
        SimFixture::TearDown();
    }
    SimKeyboardState::LightStream stream() const { return kb->state().stream; }
    QVector<HidReport> syncReports() const
    {
        QVector<HidReport> out;
        for (const HidReport &r : kb->received())
            if (r[1] == out::StreamingState)
                out.append(r);
        return out;
    }

    std::shared_ptr<SimKeyboard> kb;
    std::unique_ptr<MainHidInterFace> hid;
    std::unique_ptr<LightStreamer> streamer;
    lightrender::KeyColours keys;
    lightrender::SideColours side;
};

} // namespace

// On and off are sent once each; the keyboard receives whole frames of the engine's colours.
TEST_F(LightStreaming, SwitchingSendsOneSyncAndFramesArriveWhole)
{
    open("TL104");
    streamer->setStreaming(false); // off while off: nothing
    streamer->setStreaming(true);
    streamer->setStreaming(true); // on while on: nothing more
    ASSERT_TRUE(waitFor([&] { return stream().frames >= 3; }));
    auto s = stream();
    EXPECT_TRUE(s.synchronised);
    EXPECT_EQ(s.syncReports, 1);
    EXPECT_EQ(s.brokenFrames, 0);
    ASSERT_EQ(s.keys.size(), 396u);
    ASSERT_EQ(s.side.size(), 3u * 41);
    for (int i = 0; i < 132; ++i) {
        const QColor &c = keys[std::size_t(i)];
        ASSERT_EQ(s.keys[std::size_t(3 * i)], c.red());
        ASSERT_EQ(s.keys[std::size_t(3 * i + 1)], c.green());
        ASSERT_EQ(s.keys[std::size_t(3 * i + 2)], c.blue());
    }
    for (int k = 0; k < 41; ++k)
        ASSERT_EQ(s.side[std::size_t(3 * k + 1)], 100 + k);

    // The resend timer runs every 3000 ms while streaming.
    QTimer *sync = streamer->findChild<QTimer *>();
    ASSERT_NE(sync, nullptr);
    EXPECT_TRUE(sync->isActive());
    EXPECT_EQ(sync->interval(), 3000);

    streamer->setStreaming(false);
    EXPECT_FALSE(sync->isActive());
    EXPECT_FALSE(streamer->isSendTicking());
    ASSERT_TRUE(waitFor([&] { return syncReports().size() == 2; }));
    EXPECT_EQ(syncReports().last(), lightstream::syncReport(false));
    EXPECT_FALSE(stream().synchronised);
    // No frame follows the switch off.
    const int frames = stream().frames;
    streamer->setStreaming(false);
    QTest::qWait(100);
    EXPECT_EQ(stream().frames, frames);
    EXPECT_EQ(syncReports().size(), 2);
}

// Paced by its owner, the streamer sends a frame for each one the owner computed, while it streams
// an animated effect, and none of its own accord.
TEST_F(LightStreaming, OwnerPacedStreamerSendsTheFramesItIsHanded)
{
    open("TL104");
    streamer->setOwnerPaced(true);
    streamer->frameStepped(); // not streaming yet: nothing
    streamer->setStreaming(true);
    EXPECT_FALSE(streamer->isSendTicking());
    QTest::qWait(150);
    EXPECT_EQ(stream().frames, 0) << "no frame without the owner's";
    for (int i = 1; i <= 3; ++i) {
        keys[0] = QColor(i, 0, 0);
        streamer->frameStepped();
        ASSERT_TRUE(waitFor([&] { return stream().frames == i; }));
        EXPECT_EQ(stream().keys[0], i);
        ASSERT_TRUE(waitFor([&] { return hid->queuedLightPackets() == 0; }));
    }
    // A still effect is sent on its changes instead; stepped frames are not.
    streamer->setAnimated(false);
    ASSERT_TRUE(waitFor([&] { return stream().frames == 4; }));
    streamer->frameStepped();
    QTest::qWait(100);
    EXPECT_EQ(stream().frames, 4);
    EXPECT_EQ(stream().brokenFrames, 0);
}

// A still frame is sent once per change: one offered while another frame still drains through
// the I/O thread is not lost to the batching but follows it, long before the next resend.
TEST_F(LightStreaming, StillFrameOfferedWhileAFrameDrainsStillArrives)
{
    open("TL104");
    streamer->setAnimated(false);
    streamer->setStreaming(true);
    ASSERT_TRUE(waitFor([&] { return stream().frames >= 1; }));
    ASSERT_TRUE(waitFor([&] { return hid->queuedLightPackets() == 0; }));

    lightrender::KeyColours other = keys;
    other[0] = QColor(9, 9, 9);
    keys[0] = QColor(1, 2, 3);
    const int before = stream().frames;
    for (const HidReport &p : lightstream::framePackets(other, side, kb->model().streamSideLeds()))
        ASSERT_EQ(hid->queueLightPacket(p.data()), 0);
    ASSERT_GT(hid->queuedLightPackets(), 0);
    streamer->frameChanged();
    ASSERT_TRUE(waitFor([&] { return stream().frames >= before + 2; }, 1000));
    const SimKeyboardState::LightStream s = stream();
    EXPECT_EQ(s.keys[0], 1);
    EXPECT_EQ(s.keys[1], 2);
    EXPECT_EQ(s.keys[2], 3);
    EXPECT_EQ(s.brokenFrames, 0);
}

// A model without a side light streams the default 33 dark segments, in frames the I/O thread
// releases whole.
TEST_F(LightStreaming, ModelWithoutSideLightStreamsTheDefaultSide)
{
    open("TL68HE");
    EXPECT_EQ(hid->lightBatchSize() + 1, 10);
    streamer->setStreaming(true);
    ASSERT_TRUE(waitFor([&] { return stream().frames >= 3; }));
    EXPECT_EQ(stream().brokenFrames, 0);
    EXPECT_EQ(stream().side.size(), 3u * 33);
}

// Over the receiver one state report goes out per tick instead of a frame.
TEST_F(LightStreaming, ReceiverGetsStateReports)
{
    open("TL104", LinkType::Receiver);
    streamer->setWirelessSource([] {
        lightstream::WirelessInputs in;
        in.keyType = 0;
        in.firstKey = QColor(1, 2, 3);
        return in;
    });
    streamer->setStreaming(true);
    ASSERT_TRUE(waitFor([&] { return stream().stateReports >= 3; }));
    EXPECT_EQ(stream().frames, 0);
    EXPECT_EQ(kb->receivedCount(out::StreamFrame), 0);
    EXPECT_EQ(stream().lastState[5], 1);
    EXPECT_EQ(stream().lastState[7], 3);
}

// Ending while streaming hands the lights back to the keyboard: the last report it gets switches
// synchronisation off, also when the link is closed straight after.
TEST_F(LightStreaming, EndingWhileStreamingSwitchesTheKeyboardBack)
{
    for (bool closeLink : {false, true}) {
        SCOPED_TRACE(closeLink ? "link closed at once" : "link kept open");
        open("TL104");
        streamer->setStreaming(true);
        ASSERT_TRUE(waitFor([&] { return stream().frames >= 2; }));
        streamer.reset();
        if (closeLink)
            hid->closeDevice();
        else
            ASSERT_TRUE(waitFor([&] { return !stream().synchronised; }));
        EXPECT_FALSE(stream().synchronised);
        ASSERT_FALSE(syncReports().isEmpty());
        EXPECT_EQ(syncReports().last(), lightstream::syncReport(false));
        EXPECT_EQ(kb->received().last()[1], out::StreamingState) << "nothing follows the switch off";
        hid->closeDevice();
        kb.reset();
        hid.reset();
    }
}

TEST_F(LightStreaming, WithoutInterfaceNothingIsSent)
{
    open("TL104");
    streamer->setHidInterface(nullptr);
    streamer->setStreaming(true);
    QTest::qWait(120);
    streamer->setStreaming(false);
    // A keyboard closed under the streamer: its interface reads back as null.
    streamer->setHidInterface(hid.get());
    hid.reset();
    streamer->setStreaming(true);
    QTest::qWait(80);
    streamer->setStreaming(false);
    EXPECT_EQ(kb->receivedCount(out::StreamingState), 0);
    EXPECT_EQ(kb->receivedCount(out::StreamFrame), 0);
}
