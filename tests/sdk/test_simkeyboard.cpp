#include "cquelmohid.h"
#include "hidreport.h"
#include "modelcatalogue.h"
#include "simfixture.h"
#include "simkeyboard.h"
#include "simlinkhandlers.h"
#include "simtriggerstore.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace hidproto;

// An opened simulated keyboard, reached only through the SDK calls the I/O thread uses.
class SimLink : public SimulatedDevices
{
protected:
    void open(const QString &model, LinkType link = LinkType::Cable)
    {
        kb = add(model, link);
        ASSERT_TRUE(kb);
        QStringList paths;
        ASSERT_EQ(CQuelmoHid_GetHidInfoList(&paths), 1);
        path = paths.first().toLatin1();
        handle = CQuelmoHid_OpenPath(path.constData());
        ASSERT_NE(handle, 0);
        EXPECT_EQ(CQuelmoHid_SetNonblocking(handle, 1), 0);
    }

    void TearDown() override
    {
        if (handle)
            CQuelmoHid_Close(handle);
        SimulatedDevices::TearDown();
    }

    // Writes `out` and reads the one reply.
    HidReport ask(const HidReport &out)
    {
        HidReport in{};
        EXPECT_EQ(writeReport(handle, out, path), 64);
        EXPECT_GT(readReport(handle, &in), 0) << "no reply to command " << int(out[kCmdByte]);
        return in;
    }

    static HidReport query(uint8_t cmd, uint8_t sub = 0)
    {
        HidReport r = makeReport(cmd);
        r[kSubByte] = sub;
        return r;
    }

    std::shared_ptr<SimKeyboard> kb;
    QByteArray path;
    int handle = 0;
};

TEST_F(SimLink, SerialNumberRoundTrip)
{
    open(QStringLiteral("TL87"));
    EXPECT_TRUE(path.contains("1209:0003")) << path.constData();

    const HidReport inquiry = makeReport(out::SerialInquiry, kReportIdPlain);
    const HidReport reply = ask(inquiry);
    EXPECT_EQ(reply[kCmdByte], in::Serial);
    const QByteArray sn(reinterpret_cast<const char *>(reply.data() + kSerialOffset), kSerialLength);
    EXPECT_EQ(sn, kb->state().serialNumber);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^[0-9A-Za-z]{32}$")).match(QString::fromLatin1(sn)).hasMatch());

    // The keyboard logged exactly what was written, byte 0 included.
    ASSERT_EQ(kb->received().size(), 1);
    EXPECT_EQ(kb->received().first(), inquiry);
    // Nothing more to read.
    HidReport again{};
    EXPECT_EQ(CQuelmoHid_HidReadBuff(handle, again.data()), 0);
    EXPECT_EQ(again, HidReport{});
}

struct StartupCase
{
    const char *model;
    LinkType link;
    uint8_t sideTypeCount;
    uint8_t connection;
};

class StartupExchange : public SimLink, public testing::WithParamInterface<StartupCase>
{
};

TEST_P(StartupExchange, AnswersEveryStep)
{
    const StartupCase &c = GetParam();
    open(QString::fromLatin1(c.model), c.link);

    EXPECT_EQ(ask(makeReport(out::SerialInquiry, kReportIdPlain))[kCmdByte], in::Serial);

    const HidReport light = ask(query(out::KeyboardLight, 1));
    EXPECT_EQ(light[kCmdByte], in::KeyboardLightConfig);
    EXPECT_EQ(light[kPayload], kb->state().keyboardLight[0]);
    EXPECT_EQ(ask(query(out::SideLight, 1))[kCmdByte], in::SideLightConfig);

    const HidReport types = ask(query(out::KeyboardLightTypeQuery));
    EXPECT_EQ(types[kCmdByte], in::KeyboardLightTypes);
    const std::size_t n = kb->state().keyboardLightTypes.size();
    EXPECT_EQ(types[kPayload + n], kTypeListMarkerA);

    // A keyboard without side light still sends the marker first.
    const HidReport side = ask(query(out::SideLightTypeQuery));
    EXPECT_EQ(side[kCmdByte], in::SideLightTypes);
    EXPECT_EQ(side[kPayload + c.sideTypeCount], kTypeListMarkerA);
    for (std::size_t i = 0; i < c.sideTypeCount; ++i)
        EXPECT_NE(side[kPayload + i], kTypeListMarkerA);

    const HidReport layout = ask(query(out::LayoutQuery));
    EXPECT_EQ(layout[kCmdByte], in::Layout);
    const QList<QByteArray> fields =
        QByteArray(reinterpret_cast<const char *>(layout.data() + kPayload)).split(',');
    ASSERT_GE(fields.size(), 5);
    EXPECT_EQ(fields[4], QByteArray(c.model));

    // The handshake brings the periodic status.
    HidReport handshake = makeReport(out::Handshake, kReportIdPlain);
    handshake[kLengthByte] = 1;
    const HidReport status = ask(handshake);
    EXPECT_EQ(status[kCmdByte], in::Status);
    EXPECT_NE(status[kLengthByte], 0) << "a status with byte 5 at 0 would be ignored";
    EXPECT_EQ(status[status::Connection], c.connection);
    EXPECT_EQ(status[status::Battery], 100);

    EXPECT_EQ(kb->received().size(), 7);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupExchange,
                         testing::Values(StartupCase{"TL68HE", LinkType::Cable, 0, 0},
                                         StartupCase{"TL68HE", LinkType::Receiver, 0, 1},
                                         StartupCase{"TL87", LinkType::Cable, 6, 0},
                                         StartupCase{"TL104", LinkType::Receiver, 6, 1}),
                         [](const testing::TestParamInfo<StartupCase> &i) {
                             return std::string(i.param.model) +
                                    (i.param.link == LinkType::Cable ? "_cable" : "_receiver");
                         });

TEST_F(SimLink, StoresANewSerialNumber)
{
    open(QStringLiteral("TL104"));
    kb->update([](SimKeyboardState &s) { s.serialNumber = "short!"; });
    HidReport write = makeReport(out::SerialWrite);
    write[kLengthByte] = kSerialWriteLength;
    const QByteArray sn = "0123456789abcdef0123456789abcdef";
    std::copy(sn.begin(), sn.end(), write.begin() + kSerialOffset);
    ASSERT_EQ(writeReport(handle, write, path), 64);
    EXPECT_EQ(kb->state().serialNumber, sn);
    const HidReport reply = ask(makeReport(out::SerialInquiry, kReportIdPlain));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(reply.data() + kSerialOffset), 32), sn);
}

TEST_F(SimLink, UnreachableKeyboardBehindReceiverOnlyReportsStatus)
{
    open(QStringLiteral("TL104"), LinkType::Receiver);
    kb->update([](SimKeyboardState &s) { s.keyboardReachable = false; });
    HidReport r{};
    ASSERT_EQ(writeReport(handle, makeReport(out::SerialInquiry, kReportIdPlain), path), 64);
    EXPECT_EQ(readReport(handle, &r, 5), 0);
    const HidReport status = ask(makeReport(out::Handshake, kReportIdPlain));
    EXPECT_EQ(status[status::ReceiverState], 1);
}

TEST_F(SimLink, UnplugFailsReadsAndWritesLikeAVanishedNode)
{
    open(QStringLiteral("TL68HE"));
    kb->send(kb->statusReport()); // something waiting to be read
    kb->unplug();

    HidReport r;
    r.fill(0xAB);
    EXPECT_EQ(writeReport(handle, makeReport(out::SerialInquiry, kReportIdPlain), path), -1);
    EXPECT_EQ(CQuelmoHid_HidReadBuff(handle, r.data()), -1);
    EXPECT_EQ(r, HidReport{}) << "a failed read leaves no stale bytes";
    QStringList paths;
    EXPECT_EQ(CQuelmoHid_GetHidInfoList(&paths), 0);
    EXPECT_EQ(CQuelmoHid_OpenPath(path.constData()), 0);

    // Plugged again it is a new device: a new path, and the old handle stays dead.
    kb->plug();
    ASSERT_EQ(CQuelmoHid_GetHidInfoList(&paths), 1);
    EXPECT_NE(paths.first().toLatin1(), path);
    EXPECT_EQ(writeReport(handle, makeReport(out::SerialInquiry, kReportIdPlain), path), -1);
    const int again = CQuelmoHid_OpenPath(paths.first().toLatin1().constData());
    ASSERT_NE(again, 0);
    EXPECT_NE(again, handle) << "handles are never reused";
    EXPECT_EQ(writeReport(again, makeReport(out::SerialInquiry, kReportIdPlain), paths.first().toLatin1()),
              64);
    EXPECT_GT(readReport(again, &r), 0);
    EXPECT_EQ(CQuelmoHid_Close(again), 0);
}

TEST_F(SimLink, DelayedSilentAndRefusingKeyboards)
{
    open(QStringLiteral("TL87"));
    const HidReport inquiry = makeReport(out::SerialInquiry, kReportIdPlain);
    HidReport r{};

    kb->setReplyDelay(std::chrono::milliseconds(20));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(writeReport(handle, inquiry, path), 64);
    EXPECT_EQ(CQuelmoHid_HidReadBuff(handle, r.data()), 0) << "not yet";
    EXPECT_GT(readReport(handle, &r), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
    kb->setReplyDelay(std::chrono::milliseconds(0));

    kb->setSilent(true);
    ASSERT_EQ(writeReport(handle, inquiry, path), 64);
    EXPECT_EQ(readReport(handle, &r, 5), 0);
    EXPECT_EQ(kb->receivedCount(out::SerialInquiry), 2) << "a silent keyboard still logs";
    kb->setSilent(false);

    kb->setRefuseWrites(true);
    EXPECT_EQ(writeReport(handle, inquiry, path), -1);
    EXPECT_EQ(kb->receivedCount(out::SerialInquiry), 2) << "a refused report never arrived";
    kb->setRefuseWrites(false);
    EXPECT_GT(ask(inquiry)[kCmdByte], 0);
}

// The wait an idle I/O loop sleeps in, through the SDK calls: it must end for every event that
// gives the loop work, and never report input that a read would not give.
TEST_F(SimLink, WaitForInputEndsForEveryEventThatGivesTheLoopWork)
{
    open(QStringLiteral("TL87"));
    using std::chrono::milliseconds;
    const auto waited = [this](int timeoutMs, int *result) {
        const auto t0 = std::chrono::steady_clock::now();
        *result = CQuelmoHid_WaitForInput(handle, timeoutMs);
        return std::chrono::steady_clock::now() - t0;
    };
    int result = -2;
    HidReport r{};

    EXPECT_GE(waited(20, &result), milliseconds(15));
    EXPECT_EQ(result, 0) << "nothing to read";

    kb->sendStatus();
    EXPECT_LT(waited(-1, &result), milliseconds(500));
    EXPECT_GT(result, 0) << "an unasked report";
    EXPECT_GT(CQuelmoHid_HidReadBuff(handle, r.data()), 0);

    EXPECT_EQ(CQuelmoHid_WakeWaiter(handle), 0);
    EXPECT_LT(waited(-1, &result), milliseconds(500));
    EXPECT_EQ(result, 0) << "woken before the wait began";

    kb->setReplyDelay(milliseconds(30));
    ASSERT_EQ(writeReport(handle, makeReport(out::SerialInquiry, kReportIdPlain), path), 64);
    EXPECT_GE(waited(-1, &result), milliseconds(25));
    EXPECT_GT(result, 0) << "a delayed reply, once it falls due";
    EXPECT_GT(CQuelmoHid_HidReadBuff(handle, r.data()), 0);

    std::thread waker([this] {
        std::this_thread::sleep_for(milliseconds(20));
        CQuelmoHid_WakeWaiter(handle);
    });
    kb->unplug();
    EXPECT_GE(waited(-1, &result), milliseconds(15));
    EXPECT_EQ(result, 0) << "an unplugged keyboard is never ready; only the wake ends the wait";
    waker.join();
    EXPECT_EQ(CQuelmoHid_WaitForInput(handle + 1000, 0), -1);
}

TEST_F(SimLink, HandlesAreCheckedOnEveryCall)
{
    open(QStringLiteral("TL87"));
    const HidReport inquiry = makeReport(out::SerialInquiry, kReportIdPlain);
    HidReport r{};
    EXPECT_EQ(writeReport(handle, inquiry, "/tidelumen-sim/other/hidraw/hidraw1"), -1)
        << "path of another device";
    EXPECT_EQ(writeReport(handle + 1000, inquiry, path), -1);
    EXPECT_EQ(CQuelmoHid_HidReadBuff(0, r.data()), -1);
    EXPECT_EQ(CQuelmoHid_HidWriteBuff(handle, nullptr, path.constData()), -1);
    EXPECT_EQ(CQuelmoHid_Close(handle), 0);
    EXPECT_EQ(CQuelmoHid_Close(handle), -1);
    EXPECT_EQ(writeReport(handle, inquiry, path), -1);
    handle = 0;
}

TEST_F(SimLink, NewCommandsPlugIntoTheHandlerTable)
{
    open(QStringLiteral("TL68HE"));
    constexpr uint8_t kTest = 0x7e;
    HidReport r{};
    ASSERT_EQ(writeReport(handle, makeReport(kTest), path), 64);
    EXPECT_EQ(readReport(handle, &r, 5), 0) << "unknown commands are logged, not answered";
    EXPECT_EQ(kb->receivedCount(kTest), 1);
    kb->setHandler(kTest, [](SimKeyboard &k, const HidReport &in) {
        HidReport echo = in;
        echo[kSubByte] = k.stateLocked().battery;
        k.reply(echo);
    });
    EXPECT_EQ(ask(makeReport(kTest))[kSubByte], 100);
}

TEST_F(SimulatedDevices, LogKeepsTheNewestReportsOfALongSession)
{
    auto kb = add(QStringLiteral("TL87"));
    kb->setSilent(true);
    // The first report is the only handshake; the ones after it fill the log.
    ASSERT_EQ(kb->write(makeReport(out::Handshake), kb->generation()), 64);
    ASSERT_EQ(kb->receivedCount(out::Handshake), 1);
    HidReport r = makeReport(out::StreamFrame);
    for (std::size_t i = 1; i <= SimKeyboard::kLogLimit; ++i) {
        r[kPacketByte] = static_cast<uint8_t>(i);
        ASSERT_EQ(kb->write(r, kb->generation()), 64);
    }
    const QVector<HidReport> log = kb->received();
    ASSERT_EQ(static_cast<std::size_t>(log.size()), SimKeyboard::kLogLimit);
    EXPECT_EQ(log.first()[kPacketByte], 1) << "the oldest report made room";
    EXPECT_EQ(log.last()[kPacketByte], static_cast<uint8_t>(SimKeyboard::kLogLimit));
    // The counts follow the log: what made room is no longer counted.
    EXPECT_EQ(kb->receivedCount(out::Handshake), 0);
    EXPECT_EQ(static_cast<std::size_t>(kb->receivedCount(out::StreamFrame)), SimKeyboard::kLogLimit);
    kb->clearLog();
    EXPECT_EQ(kb->receivedCount(out::StreamFrame), 0);
    EXPECT_TRUE(kb->received().isEmpty());
}

// The I/O thread's loop: one write turn, one read turn, the pause after each.
TEST_F(SimLink, IoLoopOnItsOwnThread)
{
    open(QStringLiteral("TL104"));
    std::atomic<int> replies{0};
    std::thread io([&] {
        uint32_t w1 = 0, w2 = 0;
        CQuelmoHid_highPrecisionTimerInit(&w1, &w2);
        CQuelmoHid_highPrecisionTimerStart(&w1, &w2);
        const uint8_t cmds[] = {out::SerialInquiry, out::KeyboardLightTypeQuery, out::SideLightTypeQuery,
                                out::LayoutQuery};
        std::size_t next = 0;
        for (int turn = 0; turn < 2000 && replies < 4; ++turn) {
            if (turn % 2 == 0 && next < std::size(cmds)) {
                const HidReport r = makeReport(cmds[next++]);
                CQuelmoHid_HidWriteBuff(handle, r.data(), path.constData());
            } else if (turn % 2 == 1) {
                unsigned char buf[64];
                if (CQuelmoHid_HidReadBuff(handle, buf) > 0)
                    ++replies;
            }
            CQuelmoHid_highPrecisionTimerRuning(100, &w1, &w2);
        }
        CQuelmoHid_highPrecisionTimerStop(&w1, &w2);
    });
    io.join();
    EXPECT_EQ(replies, 4);
    EXPECT_EQ(kb->received().size(), 4);
}

TEST_F(SimulatedDevices, EnvironmentPicksTheSimulatedKeyboards)
{
    ::setenv("TIDELUMEN_SIMULATE", "TL68HE, TL87,NOSUCH", 1);
    EXPECT_EQ(CQuelmoHid_Init(), 0);
    ::unsetenv("TIDELUMEN_SIMULATE");
    QStringList paths;
    ASSERT_EQ(CQuelmoHid_GetHidInfoList(&paths), 2);
    EXPECT_TRUE(paths[0].contains(QStringLiteral("1209:0001"))) << paths[0].toStdString();
    EXPECT_TRUE(paths[1].contains(QStringLiteral("1209:0003"))) << paths[1].toStdString();
    EXPECT_TRUE(paths[0].startsWith(QStringLiteral("/tidelumen-sim/")));
    ASSERT_NE(HidDeviceManager::instance().simulatedBackend(), nullptr);
}

TEST(PacingTimer, WordsFollowTheTimerStates)
{
    uint32_t w1 = 0xFFFFFFFF, w2 = 0xFFFFFFFF;
    EXPECT_EQ(CQuelmoHid_highPrecisionTimerStart(&w1, &w2), -1) << "never initialised";
    EXPECT_EQ(CQuelmoHid_highPrecisionTimerInit(&w1, &w2), 0);
    EXPECT_EQ(CQuelmoHid_highPrecisionTimerStart(&w1, &w2), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(CQuelmoHid_highPrecisionTimerRuning(100, &w1, &w2), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1));
    EXPECT_EQ(CQuelmoHid_highPrecisionTimerStop(&w1, &w2), 0);
    EXPECT_EQ(CQuelmoHid_highPrecisionTimerRuning(1, &w1, &w2), -1)
        << "pauses, but says the timer is stopped";
    EXPECT_EQ(CQuelmoHid_highPrecisionTimerRuning(0, &w1, &w2), -1);
    EXPECT_EQ(CQuelmoHid_highPrecisionTimerInit(nullptr, &w2), -1);
}

} // namespace

namespace {

// A keyboard keeps its key settings across host restarts; the simulation keeps them in a file.
TEST(SimTriggerStore, KeySettingsOutliveTheSimulatedKeyboard)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("TL68HE.keysettings"));
    const ModelInfo *model = ModelCatalogue::instance().find(QStringLiteral("TL68HE"));
    ASSERT_TRUE(model);
    HidReport apply = hidproto::makeReport(hidproto::out::Magnetic);
    apply[hidproto::kLengthByte] = 0x18;
    apply[6] = 13;
    apply[7 + 4] = 0x04; // row 2, column 4
    apply[29] = 12;
    apply[30] = 12;
    apply[31] = 3;
    apply[32] = 5;
    const std::array<uint8_t, 5> applied{13, 12, 12, 3, 5};
    {
        SimKeyboard kb(*model, LinkType::Cable);
        simlink::installHandlers(kb);
        simtriggerstore::attach(kb, file);
        kb.plug();
        ASSERT_EQ(kb.write(apply, kb.generation()), 64);
        EXPECT_EQ(kb.state().keyTriggers[2 * 22 + 4], applied);
    }
    SimKeyboard again(*model, LinkType::Cable);
    simlink::installHandlers(again);
    simtriggerstore::attach(again, file);
    EXPECT_EQ(again.state().keyTriggers[2 * 22 + 4], applied);
    EXPECT_EQ(again.state().keyTriggers[0], SimKeyboardState::kDefaultTrigger);

    // A file of another shape is not taken.
    QFile broken(file);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("garbage");
    broken.close();
    SimKeyboard third(*model, LinkType::Cable);
    simtriggerstore::attach(third, file);
    EXPECT_EQ(third.state().keyTriggers[2 * 22 + 4], SimKeyboardState::kDefaultTrigger);
}

} // namespace
