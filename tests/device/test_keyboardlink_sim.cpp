#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "hidreport.h"
#include "linkfixture.h"
#include "mainhidinterface.h"
#include "recordingstore.h"
#include "simlinkhandlers.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>

#include <algorithm>

using namespace hidproto;

namespace {

struct Sent
{
    uint8_t cmd;
    uint8_t sub;
    uint8_t item;
    bool operator==(const Sent &o) const { return cmd == o.cmd && sub == o.sub && item == o.item; }
};

std::ostream &operator<<(std::ostream &os, const Sent &s)
{
    return os << std::hex << "{0x" << int(s.cmd) << ",sub " << int(s.sub) << ",item " << int(s.item) << "}";
}

std::vector<Sent> commandsOf(const QVector<HidReport> &reports)
{
    std::vector<Sent> out;
    for (const HidReport &r : reports)
        out.push_back({r[kCmdByte], r[kSubByte], r[kCmdByte] == out::Magnetic ? r[kPayload] : uint8_t(0)});
    return out;
}

class LinkOnSimulator : public SimFixture
{
protected:
    std::unique_ptr<DDeviceKeyboardLink> open(const SimKeyboard &kb)
    {
        auto link = std::make_unique<DDeviceKeyboardLink>();
        link->setProfileStore(&store);
        link->setProfileXmlPath(QStringLiteral("/p/appProfile_Default.xml"));
        link->openDevice(1, recordFor(kb));
        return link;
    }

    RecordingStore store;
};

} // namespace

TEST_F(LinkOnSimulator, StartUpExchangeReachesReady)
{
    struct Row
    {
        const char *model;
        std::vector<Sent> expected;
        bool sideLight;
    };
    const std::vector<Sent> common = {{0x14, 0, 0}, {0x06, 1, 0}, {0x07, 1, 0}, {0x09, 0, 0}};
    std::vector<Sent> ordinary = common;
    ordinary.insert(ordinary.end(), {{0x01, 0, 0}, {0x0d, 0, 0}});
    std::vector<Sent> magnetic = common;
    magnetic.insert(magnetic.end(), {{0x29, 0, 4}, {0x29, 0, 10}, {0x29, 0, 9}, {0x01, 0, 0}, {0x0d, 0, 0}});

    for (const Row &row : {Row{"TL87", ordinary, true}, Row{"TL68HE", magnetic, false}}) {
        SCOPED_TRACE(row.model);
        auto kb = addKeyboard(row.model);
        kb->update([](SimKeyboardState &s) {
            s.keyTravelMax = 38;
            s.antiShake = 7;
            s.reportRate = 2;
        });
        DDataManager::getInstance()->setKeyTravelMax(0);
        auto link = open(*kb);
        QSignalSpy layout(link.get(), &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
        ASSERT_TRUE(waitFor([&] { return link->isReady(); }, 1300)) << "not ready within the page's wait";
        ASSERT_TRUE(layout.wait(1000) || layout.size() == 1);

        EXPECT_EQ(commandsOf(receivedWithoutHandshakes(*kb)), row.expected);
        EXPECT_EQ(link->currentSN(), QString::fromLatin1(kb->state().serialNumber));
        EXPECT_EQ(layout[0][1].toString(), QString::fromLatin1(row.model));
        EXPECT_EQ(link->sideLightModes().isEmpty(), !row.sideLight);
        EXPECT_EQ(DDataManager::getInstance()->hasSideLight(), row.sideLight);
        EXPECT_EQ(link->keyboardLightModes().lightTypes.size(),
                  static_cast<int>(kb->state().keyboardLightTypes.size()));
        ASSERT_TRUE(waitFor([&] { return link->hasKeyboardLightConfig() && link->hasSideLightConfig(); }));
        if (kb->model().magnetic) {
            ASSERT_TRUE(waitFor([&] { return DDataManager::getInstance()->rateOfReturnNum() == 2; }));
            EXPECT_EQ(DDataManager::getInstance()->keyTravelMax(), 38);
            EXPECT_EQ(DDataManager::getInstance()->keyAntiShakeNum(), 7);
        }
    }
}

TEST_F(LinkOnSimulator, InvalidSerialNumbersAreReplaced)
{
    const QList<QByteArray> invalid = {
        QByteArray(),
        QByteArray(31, 'a'),
        QByteArray("../../../../.config/autostart/xx"),
        QByteArray("0123456789abcdef0123456789abcde "),
        QByteArray("0123456789abcdef0123456789abcd\xe9\xe9"),
    };
    for (const QByteArray &bad : invalid) {
        SCOPED_TRACE(bad.constData());
        auto kb = addKeyboard("TL87");
        kb->update([&](SimKeyboardState &s) { s.serialNumber = bad; });
        auto link = open(*kb);
        ASSERT_TRUE(waitFor([&] { return link->isReady(); }));
        ASSERT_EQ(kb->receivedCount(out::SerialWrite), 1);
        const QString sn = link->currentSN();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(sn).hasMatch())
            << qPrintable(sn);
        EXPECT_EQ(kb->state().serialNumber, sn.toLatin1()); // the keyboard took it
        // The queries follow the written number.
        const std::vector<Sent> sent = commandsOf(receivedWithoutHandshakes(*kb));
        ASSERT_GE(sent.size(), 3u);
        EXPECT_EQ(sent[1], (Sent{0x15, 0, 0}));
        EXPECT_EQ(sent[2], (Sent{0x06, 1, 0}));
    }

    auto kb = addKeyboard("TL87");
    kb->update([](SimKeyboardState &s) { s.serialNumber = "AbCdEf0123456789AbCdEf0123456789"; });
    auto link = open(*kb);
    ASSERT_TRUE(waitFor([&] { return link->isReady(); }));
    EXPECT_EQ(kb->receivedCount(out::SerialWrite), 0);
    EXPECT_EQ(link->currentSN(), QStringLiteral("AbCdEf0123456789AbCdEf0123456789"));
}

TEST_F(LinkOnSimulator, KeyboardSideLightChangeIsMirroredAfterArming)
{
    auto kb = addKeyboard("TL87");
    auto link = open(*kb);
    ASSERT_TRUE(waitFor([&] { return link->isReady() && link->hasKeyboardLightConfig(); }));
    QSignalSpy changed(link.get(), &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);

    kb->update([](SimKeyboardState &s) { s.keyboardLight = {16, 2, 1, 1, 2, 3, 4, 5, 6, 0, 0, 0}; });
    kb->send(simlink::lightConfig(*kb, 0));
    ASSERT_TRUE(waitFor([&] { return link->keyboardLightConfig().ledType == 16; }));
    EXPECT_TRUE(store.calls.isEmpty());

    link->mirrorLightConfig(0);
    link->mirrorLightConfig(1);
    EXPECT_EQ(changed.size(), 1) << "only the second of the page's first mirrors is announced";
    changed.clear();

    kb->update([](SimKeyboardState &s) { s.sideLight = {3, 0, 0, 9, 9, 9, 0, 0, 0, 0, 0, 0}; });
    kb->send(simlink::lightConfig(*kb, 1));
    ASSERT_TRUE(changed.wait(2000));
    EXPECT_EQ(changed[0], (QList<QVariant>{1, 3}));

    // A re-query asks again and the answers are mirrored.
    kb->clearLog();
    link->requeryLightConfig();
    ASSERT_TRUE(waitFor([&] { return changed.size() >= 3; }));
    const std::vector<Sent> sent = commandsOf(receivedWithoutHandshakes(*kb));
    EXPECT_EQ(sent, (std::vector<Sent>{{0x06, 1, 0}, {0x07, 1, 0}, {0x0d, 0, 0}}));
}

TEST_F(LinkOnSimulator, KeyReportsAreAnswered)
{
    auto kb = addKeyboard("TL104");
    auto link = open(*kb);
    ASSERT_TRUE(waitFor([&] { return link->isReady(); }));
    kb->clearLog();

    kb->send(simlink::keyReport({0x02, 0, 0x04, 0, 0, 0, 0, 0}));
    const uint8_t full[13] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    kb->send(simlink::fullKeyReport(full));
    ASSERT_TRUE(waitFor(
        [&] { return kb->receivedCount(out::KeyRelay) == 1 && kb->receivedCount(out::FullKeyEcho) == 1; }));
    for (const HidReport &r : kb->received()) {
        if (r[kCmdByte] == out::KeyRelay) {
            EXPECT_EQ(r[kLengthByte], 9);
            EXPECT_TRUE(std::all_of(r.begin() + 6, r.end(), [](uint8_t b) { return b == 0; }));
        } else if (r[kCmdByte] == out::FullKeyEcho) {
            EXPECT_EQ(r[kLengthByte], 0x15);
            EXPECT_TRUE(std::equal(std::begin(full), std::end(full), r.begin() + 6));
        }
    }
    EXPECT_TRUE(store.calls.isEmpty()) << "the Win lock is off: the profile is not read";

    // With the Win lock on, each key report reads the profile's switches first.
    kb->update([](SimKeyboardState &s) { s.winLock = true; });
    kb->sendStatus();
    ASSERT_TRUE(waitFor([&] { return link->isWinLockOn(); }));
    kb->send(simlink::keyReport({0x08, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(waitFor([&] { return kb->receivedCount(out::KeyRelay) == 2; }));
    EXPECT_EQ(store.calls, QStringList{"function /p/appProfile_Default.xml 1"});

    // Key-function reports: releases are ignored, presses do not disturb the link.
    kb->send(simlink::pcFunctionKey(0x3a, true));
    kb->send(simlink::pcFunctionKey(0x3a, false));
    kb->sendStatus();
    ASSERT_TRUE(waitFor([&] { return kb->receivedCount(out::KeyRelay) == 2; }));
}

TEST_F(LinkOnSimulator, SleepTimesAndMagneticQueriesRoundTrip)
{
    auto kb = addKeyboard("TL68HE");
    auto link = open(*kb);
    ASSERT_TRUE(waitFor([&] { return link->isReady(); }));
    QSignalSpy accepted(link.get(), &DDeviceKeyboardLink::sigSleepTimeSetSuccessful);
    link->setSleepTimes(120, 900, 1);
    ASSERT_TRUE(accepted.wait(2000));
    EXPECT_EQ(kb->state().lightSleepSeconds, 120);
    EXPECT_EQ(kb->state().keyboardSleepSeconds, 900);
    link->querySleepTimes();
    ASSERT_TRUE(waitFor([&] { return store.calls.contains("sleep /p/appProfile_Default.xml 1 120 15"); }));

    QSignalSpy allCal(DDataManager::getInstance(),
                      &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack);
    HidReport start = makeReport(out::Magnetic);
    start[kLengthByte] = 0x18;
    start[6] = magnetic::CalibrateAll;
    link->hidInterface()->sendCommand(start.data());
    ASSERT_TRUE(waitFor([&] { return allCal.size() == 2; }));
    EXPECT_EQ(allCal[0][0].toInt(), 1);
    EXPECT_EQ(allCal[1][0].toInt(), 0);
    EXPECT_EQ(link->calibratedKeys().size(), 22);

    QSignalSpy travel(DDataManager::getInstance(), &DDataManager::sigBackDynamicDisplaySensitivityNum);
    kb->send(simlink::liveTravel(1, 2, 33));
    ASSERT_TRUE(travel.wait(2000));
    EXPECT_EQ(travel[0], (QList<QVariant>{1, 2, 33}));
}

TEST_F(LinkOnSimulator, GarbageAndSilenceAreSurvived)
{
    auto kb = addKeyboard("TL104");
    auto link = open(*kb);
    ASSERT_TRUE(waitFor([&] { return link->isReady(); }));
    QRandomGenerator rng(20261210);
    for (int i = 0; i < 400; ++i) {
        HidReport r;
        for (uint8_t &b : r)
            b = static_cast<uint8_t>(rng.bounded(256));
        if (i % 3 == 0)
            r[1] = static_cast<uint8_t>(rng.bounded(0x23)); // mostly commands the parser knows
        kb->send(r);
    }
    kb->sendStatus();
    ASSERT_TRUE(waitFor([&] { return kb->state().battery == 100 && link->isReady(); }));
    QTest::qWait(200);
    EXPECT_TRUE(DDeviceKeyboardLink::isValidSerialNumber(link->currentSN()));

    // A keyboard that answers nothing never becomes ready, and closes cleanly.
    auto silent = addKeyboard("TL87");
    silent->setSilent(true);
    auto quiet = open(*silent);
    QTest::qWait(300);
    EXPECT_FALSE(quiet->isReady());
    EXPECT_TRUE(quiet->currentSN().isEmpty());
    EXPECT_EQ(silent->receivedCount(out::SerialInquiry), 1);
    quiet.reset();

    // A keyboard that vanishes mid-exchange: reads fail, nothing crashes.
    auto gone = addKeyboard("TL87");
    gone->setReplyDelay(std::chrono::milliseconds(50));
    auto orphan = open(*gone);
    gone->unplug();
    QTest::qWait(150);
    EXPECT_FALSE(orphan->isReady());
}

TEST_F(LinkOnSimulator, KeyboardAnswersSettingsAndMagneticItems)
{
    auto kb = addKeyboard("TL68HE");
    auto link = open(*kb);
    ASSERT_TRUE(waitFor([&] { return link->isReady(); }));
    DDataManager *dm = DDataManager::getInstance();
    QSignalSpy trigger(dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    QSignalSpy keyCal(dm, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack);
    auto magneticItem = [&](std::initializer_list<std::pair<int, uint8_t>> bytes) {
        HidReport r = makeReport(out::Magnetic);
        r[kLengthByte] = magnetic::kLengthByteValue;
        for (const auto &b : bytes)
            r[b.first] = b.second;
        ASSERT_EQ(link->hidInterface()->sendCommand(r.data()), 0);
    };

    // Actuation for row 1 of column 2, then the query of that key answers with it.
    magneticItem({{6, 1}, {7 + 2, 0x02}, {29, 15}, {30, 12}, {31, 3}, {32, 2}});
    link->queryKeyTrigger(1, 2);
    ASSERT_TRUE(waitFor([&] { return trigger.size() == 1; }));
    link->queryKeyTrigger(0, 0);
    ASSERT_TRUE(waitFor([&] { return trigger.size() == 2; }));
    EXPECT_EQ(trigger[0], (QList<QVariant>{1, 15, 12, 3, 2}));
    EXPECT_EQ(trigger[1], (QList<QVariant>{0, 20, 20, 5, 5}));

    // One key's calibration reports "running", then the result.
    kb->update([](SimKeyboardState &s) { s.calibrationResult = 2; });
    magneticItem({{6, 7}, {7, 0}, {8, 0}});
    ASSERT_TRUE(waitFor([&] { return keyCal.size() == 2; }));
    EXPECT_EQ(keyCal[0][0].toInt(), 1);
    EXPECT_EQ(keyCal[1][0].toInt(), 2);

    // Setting the report rate and anti-shake is answered with the new values.
    magneticItem({{6, 9}, {7, 1}, {8, 4}});
    magneticItem({{6, 10}, {7, 1}, {8, 9}});
    ASSERT_TRUE(waitFor([&] { return dm->rateOfReturnNum() == 4 && dm->keyAntiShakeNum() == 9; }));

    // Win lock and reset land in the keyboard's settings, in wire order.
    link->setWinLock(1, 0, 1, 0);
    link->resetKeyboard();
    ASSERT_TRUE(waitFor([&] { return kb->state().resetCount == 1; }));
    EXPECT_EQ(kb->state().winLockSwitches, (std::array<uint8_t, 4>{1, 0, 0, 1}));
}
