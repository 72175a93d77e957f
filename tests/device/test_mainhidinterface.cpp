#include "hidreport.h"
#include "linkfixture.h"
#include "mainhidinterface.h"

#include <QElapsedTimer>
#include <QThread>

#include <memory>
#include <tuple>

using namespace hidproto;

namespace {

HidReport command(uint8_t cmd, uint8_t tag = 0)
{
    HidReport r = makeReport(cmd);
    r[10] = tag;
    return r;
}

HidReport lightPacket(uint8_t number)
{
    HidReport r = makeReport(out::StreamFrame);
    r[kPacketByte] = number;
    r[kLengthByte] = 54;
    r[6] = number;
    return r;
}

QVector<HidReport> ofCommand(const QVector<HidReport> &all, uint8_t cmd)
{
    QVector<HidReport> out;
    for (const HidReport &r : all) {
        if (r[kCmdByte] == cmd)
            out.append(r);
    }
    return out;
}

class IoThread : public SimFixture
{
protected:
    std::unique_ptr<MainHidInterFace> openOn(const SimKeyboard &kb, bool start = true)
    {
        auto hid = std::make_unique<MainHidInterFace>(3, kb.model().key);
        EXPECT_EQ(hid->openDevice(QString::fromLatin1(kb.path())), 0);
        if (start)
            hid->start();
        return hid;
    }
};

} // namespace

TEST_F(IoThread, RefusesEverythingUntilOpened)
{
    auto kb = addKeyboard("TL87");
    MainHidInterFace hid(0, QStringLiteral("TL87"));
    const HidReport r = command(out::LayoutQuery);
    EXPECT_EQ(hid.sendCommand(r.data()), -1);
    EXPECT_EQ(hid.queueLightPacket(r.data()), -1);
    EXPECT_EQ(hid.openDevice(QStringLiteral("/tidelumen-sim/no/such/device")), -1);
    EXPECT_FALSE(hid.isOpen());
    EXPECT_EQ(hid.sendCommand(r.data()), -1);
    EXPECT_EQ(hid.closeDevice(), 0);
    EXPECT_TRUE(kb->received().isEmpty());
}

TEST_F(IoThread, FirstWrittenReportIsTheSerialInquiry)
{
    auto kb = addKeyboard("TL87");
    auto hid = openOn(*kb, false);
    const HidReport first = command(out::LayoutQuery, 1);
    ASSERT_EQ(hid->sendCommand(first.data()), 0);
    hid->start();
    ASSERT_TRUE(waitFor([&] { return kb->received().size() >= 2; }));
    const QVector<HidReport> got = kb->received();
    EXPECT_EQ(got[0], makeReport(out::SerialInquiry, kReportIdPlain));
    EXPECT_EQ(got[1], first);
    hid->closeDevice();
}

TEST_F(IoThread, HandshakeRunsOnItsOwnWhileOpenAndStopsWithClose)
{
    auto kb = addKeyboard("TL87");
    QElapsedTimer sinceOpen;
    sinceOpen.start();
    auto hid = openOn(*kb);

    // Nothing queued and nobody calling: the idle loop wakes for the handshake by itself, about
    // once a second, each the same one-byte report.
    ASSERT_TRUE(waitFor([&] { return kb->receivedCount(out::Handshake) >= 2; }, 4000));
    EXPECT_GE(sinceOpen.elapsed(), 1900) << "not more often than once a second";
    HidReport expected = makeReport(out::Handshake, kReportIdPlain);
    expected[kLengthByte] = 1;
    for (const HidReport &r : ofCommand(kb->received(), out::Handshake))
        EXPECT_EQ(r, expected);

    hid->closeDevice();
    EXPECT_TRUE(hid->isFinished()); // joined before the device was closed
    const int before = kb->received().size();
    const HidReport r = command(out::LayoutQuery);
    EXPECT_EQ(hid->sendCommand(r.data()), -1);
    EXPECT_EQ(hid->queueLightPacket(r.data()), -1);
    hid->onShakeHandsRuning();
    QTest::qWait(1200);
    EXPECT_EQ(kb->received().size(), before);
}

TEST_F(IoThread, LightFramesAreBatchedPerModel)
{
    struct Row
    {
        const char *model;
        int batch;
    };
    // TL87: 8 key packets and 2 side packets per frame; TL104: 8 and 3.
    for (const Row &row : {Row{"TL87", 9}, Row{"TL104", 10}}) {
        SCOPED_TRACE(row.model);
        auto kb = addKeyboard(row.model);
        auto hid = openOn(*kb, false);
        ASSERT_EQ(hid->lightBatchSize(), row.batch);
        hid->setLightFrameEnabled(true);

        // Packets 1..n are held; packet n+1 joins them and releases the frame; later offers are
        // dropped while the frame drains.
        for (int i = 1; i <= row.batch + 1; ++i) {
            const HidReport p = lightPacket(static_cast<uint8_t>(i));
            EXPECT_EQ(hid->queueLightPacket(p.data()), 0);
            EXPECT_EQ(hid->queuedLightPackets(), i);
        }
        const HidReport extra = lightPacket(99);
        EXPECT_EQ(hid->queueLightPacket(extra.data()), 0);
        EXPECT_EQ(hid->queuedLightPackets(), row.batch + 1);

        hid->start();
        ASSERT_TRUE(waitFor([&] { return hid->queuedLightPackets() == 0; }));
        ASSERT_TRUE(waitFor([&] { return kb->receivedCount(out::StreamFrame) == row.batch + 1; }));
        const QVector<HidReport> frames = ofCommand(kb->received(), out::StreamFrame);
        for (int i = 0; i < frames.size(); ++i)
            EXPECT_EQ(frames[i][kPacketByte], i + 1);

        // Once the queue is empty the next packet starts a new frame, held until it is complete.
        const HidReport next = lightPacket(1);
        EXPECT_EQ(hid->queueLightPacket(next.data()), 0);
        EXPECT_EQ(hid->queuedLightPackets(), 1);
        QTest::qWait(30);
        EXPECT_EQ(kb->receivedCount(out::StreamFrame), row.batch + 1);
        hid->closeDevice();
    }
}

TEST_F(IoThread, LightOutputDisabledQueuesNothing)
{
    auto kb = addKeyboard("TL104");
    auto hid = openOn(*kb);
    for (int i = 0; i < 30; ++i) {
        const HidReport p = lightPacket(static_cast<uint8_t>(i));
        EXPECT_EQ(hid->queueLightPacket(p.data()), 0);
    }
    EXPECT_EQ(hid->queuedLightPackets(), 0);
    QTest::qWait(30);
    EXPECT_EQ(kb->receivedCount(out::StreamFrame), 0);
    hid->closeDevice();
}

TEST_F(IoThread, CommandQueuedWhileAFrameDrainsGoesNext)
{
    auto kb = addKeyboard("TL104");
    auto hid = openOn(*kb, false);
    hid->setLightFrameEnabled(true);
    for (int i = 1; i <= hid->lightBatchSize() + 1; ++i) {
        const HidReport p = lightPacket(static_cast<uint8_t>(i));
        hid->queueLightPacket(p.data());
    }
    hid->start();
    ASSERT_TRUE(waitFor([&] { return kb->receivedCount(out::StreamFrame) >= 2; }, 3000));
    const HidReport cmd = command(out::LayoutQuery, 7);
    ASSERT_EQ(hid->sendCommand(cmd.data()), 0);
    // Of the packets still queued now, at most the one a write turn may already have taken
    // goes out before the command.
    const int stillQueued = hid->queuedLightPackets();
    ASSERT_TRUE(waitFor([&] { return hid->queuedLightPackets() == 0 && kb->received().contains(cmd); }));

    const QVector<HidReport> got = kb->received();
    const int at = got.indexOf(cmd);
    EXPECT_GE(ofCommand(got.mid(at), out::StreamFrame).size(), stillQueued - 1);
    EXPECT_EQ(ofCommand(got, out::StreamFrame).size(), hid->lightBatchSize() + 1);
    hid->closeDevice();
}

TEST_F(IoThread, SerialReplyLeavesOnlyThroughItsOwnSignal)
{
    auto kb = addKeyboard("TL68HE");
    auto hid = openOn(*kb, false);
    // Received on this thread, as the link receives them (queued).
    QObject receiver;
    QList<QPair<QByteArray, QString>> sn;
    QList<std::tuple<QByteArray, int, int>> data;
    QObject::connect(hid.get(), &MainHidInterFace::sigHidSnGetOver, &receiver,
                     [&](QByteArray d, QString name) {
                         sn.append({d, name});
                     });
    QObject::connect(hid.get(), &MainHidInterFace::sigHidDataArrived, &receiver,
                     [&](QByteArray d, int length, int index) {
                         data.append({d, length, index});
                     });
    hid->start();
    ASSERT_TRUE(waitFor([&] { return sn.size() == 1; }));
    kb->sendStatus();
    ASSERT_TRUE(waitFor([&] { return data.size() >= 1; }));
    hid->closeDevice();

    ASSERT_EQ(sn.size(), 1);
    EXPECT_EQ(sn[0].first.size(), 64);
    EXPECT_EQ(static_cast<uint8_t>(sn[0].first[1]), in::Serial);
    EXPECT_EQ(sn[0].second, QStringLiteral("TL68HE"));
    for (const auto &args : data) {
        EXPECT_NE(static_cast<uint8_t>(std::get<0>(args)[1]), in::Serial);
        EXPECT_EQ(std::get<1>(args), 64);
        EXPECT_EQ(std::get<2>(args), 3);
    }
}

TEST_F(IoThread, CloseDuringTrafficJoinsTheLoopFirst)
{
    auto kb = addKeyboard("TL104");
    for (int round = 0; round < 20; ++round) {
        auto hid = openOn(*kb);
        hid->setLightFrameEnabled(true);
        for (int i = 0; i < 15; ++i) {
            const HidReport c = command(out::KeyboardLight, static_cast<uint8_t>(i));
            const HidReport p = lightPacket(static_cast<uint8_t>(i));
            hid->sendCommand(c.data());
            hid->queueLightPacket(p.data());
            kb->sendStatus();
        }
        if (round % 2)
            QThread::usleep(static_cast<unsigned long>(round * 300));
        hid->closeDevice();
        EXPECT_TRUE(hid->isFinished());
        const int written = kb->received().size();
        const HidReport c = command(out::LayoutQuery);
        EXPECT_EQ(hid->sendCommand(c.data()), -1);
        QThread::usleep(3000);
        EXPECT_EQ(kb->received().size(), written) << "round " << round;
        kb->clearLog();
    }
    // Destroying an open, running object without closing it first is just as safe.
    auto hid = openOn(*kb);
    hid.reset();
}

// Commands queued before a close are written, in order, before the close returns; light packets
// waiting beside them do not hold them up.
TEST_F(IoThread, CloseWritesTheCommandsStillQueued)
{
    auto kb = addKeyboard("TL104");
    auto hid = openOn(*kb);
    ASSERT_TRUE(waitFor([&] { return kb->receivedCount(out::SerialInquiry) == 1; }));
    hid->setLightFrameEnabled(true);
    for (int p = 0; p <= hid->lightBatchSize(); ++p) {
        const HidReport packet = lightPacket(static_cast<uint8_t>(p));
        hid->queueLightPacket(packet.data());
    }
    for (uint8_t tag = 0; tag < 20; ++tag) {
        const HidReport c = command(out::KeyboardLight, tag);
        ASSERT_EQ(hid->sendCommand(c.data()), 0);
    }
    hid->closeDevice();
    const QVector<HidReport> sets = ofCommand(kb->received(), out::KeyboardLight);
    ASSERT_EQ(sets.size(), 20);
    for (int i = 0; i < sets.size(); ++i)
        EXPECT_EQ(sets[i][10], i);
    EXPECT_EQ(hid->writtenCommandCount(), hid->queuedCommandCount());
}

// Once idle the loop sleeps on the device with no timeout: every event that gives it work has to
// wake it, or that work would wait for ever.
TEST_F(IoThread, ASleepingLoopWakesForEveryKindOfWork)
{
    auto kb = addKeyboard("TL87");
    auto hid = openOn(*kb, false);
    QObject receiver;
    int statusReports = 0;
    QObject::connect(hid.get(), &MainHidInterFace::sigHidDataArrived, &receiver, [&](QByteArray d) {
        if (static_cast<uint8_t>(d.at(static_cast<int>(kCmdByte))) == in::Status)
            ++statusReports;
    });
    hid->setLightFrameEnabled(true);
    hid->start();
    ASSERT_TRUE(waitFor([&] { return kb->receivedCount(out::SerialInquiry) == 1; }));

    for (int round = 0; round < 3; ++round) {
        QThread::msleep(60); // long enough for the loop to fall asleep
        const int relays = kb->receivedCount(out::KeyRelay);
        const HidReport relay = command(out::KeyRelay, static_cast<uint8_t>(round));
        ASSERT_EQ(hid->sendCommand(relay.data()), 0);
        EXPECT_TRUE(waitFor([&] { return kb->receivedCount(out::KeyRelay) == relays + 1; }))
            << "a queued command, round " << round;

        QThread::msleep(60);
        const int before = statusReports;
        kb->sendStatus();
        EXPECT_TRUE(waitFor([&] { return statusReports == before + 1; }))
            << "an unasked report, round " << round;

        QThread::msleep(60);
        const int frames = kb->receivedCount(out::StreamFrame);
        for (int p = 0; p <= hid->lightBatchSize(); ++p) {
            const HidReport packet = lightPacket(static_cast<uint8_t>(p));
            hid->queueLightPacket(packet.data());
        }
        EXPECT_TRUE(waitFor([&] {
            return kb->receivedCount(out::StreamFrame) == frames + hid->lightBatchSize() + 1;
        })) << "a completed light frame, round "
            << round;
    }
    QThread::msleep(60);
    hid->closeDevice();
    EXPECT_TRUE(hid->isFinished()) << "closing wakes the sleeping loop and joins it";
}

// A state report sent on every tick never piles up: a newer one replaces the one still waiting,
// in its place, and the commands around it go out unchanged.
TEST_F(IoThread, LatestCommandReplacesTheOneStillWaiting)
{
    auto kb = addKeyboard("TL104");
    auto hid = openOn(*kb, false);
    const HidReport before = command(out::LayoutQuery, 1);
    const HidReport after = command(out::LayoutQuery, 2);
    ASSERT_EQ(hid->sendCommand(before.data()), 0);
    for (uint8_t tag = 1; tag <= 5; ++tag) {
        const HidReport state = command(out::EffectState, tag);
        ASSERT_EQ(hid->sendLatestCommand(state.data()), 0);
        if (tag == 1) {
            ASSERT_EQ(hid->sendCommand(after.data()), 0);
        }
    }
    hid->start();
    ASSERT_TRUE(waitFor([&] { return kb->receivedCount(out::LayoutQuery) == 2; }));
    QTest::qWait(30);
    const QVector<HidReport> got = kb->received();
    const QVector<HidReport> states = ofCommand(got, out::EffectState);
    ASSERT_EQ(states.size(), 1);
    EXPECT_EQ(states[0][10], 5);
    // Order: the serial inquiry, then before, the newest state, after.
    ASSERT_EQ(got.size(), 4);
    EXPECT_EQ(got[1], before);
    EXPECT_EQ(got[2], states[0]);
    EXPECT_EQ(got[3], after);

    // Once written, the next one is queued again; a closed device refuses.
    const HidReport next = command(out::EffectState, 6);
    ASSERT_EQ(hid->sendLatestCommand(next.data()), 0);
    ASSERT_TRUE(waitFor([&] { return kb->receivedCount(out::EffectState) == 2; }));
    hid->closeDevice();
    EXPECT_EQ(hid->sendLatestCommand(next.data()), -1);
}
