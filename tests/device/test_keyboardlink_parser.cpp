#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "fixedtext.h"
#include "hidreport.h"
#include "recordingstore.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <vector>

using namespace hidproto;

namespace {

HidReport input(uint8_t cmd, std::initializer_list<std::pair<int, uint8_t>> bytes = {})
{
    HidReport r = makeReport(cmd);
    for (const auto &b : bytes)
        r[b.first] = b.second;
    return r;
}

HidReport withPayload(uint8_t cmd, const std::vector<uint8_t> &payload, int from = kPayload)
{
    HidReport r = makeReport(cmd);
    for (std::size_t i = 0; i < payload.size() && from + i < r.size(); ++i)
        r[from + i] = payload[i];
    return r;
}

QByteArray bytesOf(const HidReport &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.data()), static_cast<int>(r.size()));
}

// A link whose device could not be opened: it parses whatever it is handed, and sends nothing.
class LinkParser : public ::testing::Test
{
protected:
    void SetUp() override { openAs("TL87"); }

    void openAs(const char *model)
    {
        link = std::make_unique<DDeviceKeyboardLink>();
        hidStructInfoAll record;
        std::memset(&record, 0, sizeof(record));
        fixedtext::copy(record.hidPath, "/tidelumen-sim/absent/hidraw9");
        fixedtext::copy(record.modelKey, model);
        link->openDevice(0, record);
        link->setProfileStore(&store);
        link->setProfileXmlPath(QStringLiteral("/p/appProfile_Default.xml"));
        link->setProfileIndex(3);
    }

    void feed(const HidReport &r) { link->onHidDataArrived(bytesOf(r), 64, 0); }

    void giveLightLists()
    {
        feed(withPayload(in::KeyboardLightTypes, {0, 1, 2, 3, 6, 10, 16, 0xA5, 5, 4}));
        feed(withPayload(in::SideLightTypes, {0, 1, 2, 3, 0x5A, 3, 3}));
    }

    RecordingStore store;
    std::unique_ptr<DDeviceKeyboardLink> link;
};

} // namespace

TEST(LightTypeList, MarkersSplitTypesFromStepCounts)
{
    struct Row
    {
        const char *name;
        std::vector<uint8_t> payload;
        int from;
        QList<int> types;
        int speed;
        int brightness;
    };
    QList<int> noMarker{1, 2, 3};
    for (int i = 9; i < 64; ++i)
        noMarker.append(0);
    const std::vector<Row> rows = {
        {"two markers", {3, 5, 0xA5, 0x5A, 4, 6}, 6, {3, 5}, 4, 6},
        {"leading zeros are Static", {0, 0, 1, 0xA5, 5, 5}, 6, {0, 0, 1}, 5, 5},
        {"second marker kind alone", {7, 0x5A, 9, 8}, 6, {7}, 9, 8},
        {"marker first: no types", {0xA5, 0, 0}, 6, {}, 0, 0},
        {"no marker: every byte is a type", {1, 2, 3}, 6, noMarker, 0, 0},
        {"brightness count beyond the report", {0xA5, 7}, 62, {}, 7, 0},
        {"marker in the last byte", {0xA5}, 63, {}, 0, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const HidReport r = withPayload(in::SideLightTypes, row.payload, row.from);
        const LightModeSupport m = DDeviceKeyboardLink::parseLightTypeList(r.data());
        if (row.from == 6) {
            EXPECT_EQ(m.lightTypes, row.types);
        } else {
            EXPECT_EQ(m.lightTypes.size(), row.from - 6); // the zeros before the marker
        }
        EXPECT_EQ(m.speedSteps, row.speed);
        EXPECT_EQ(m.brightnessSteps, row.brightness);
    }
}

TEST_F(LinkParser, TypeListsSetModesAndReadiness)
{
    DDataManager::getInstance()->setHasSideLight(true);
    feed(withPayload(in::KeyboardLightTypes, {0, 1, 2, 0xA5, 5, 4}));
    EXPECT_EQ(link->keyboardLightModes().lightTypes, (QList<int>{0, 1, 2}));
    EXPECT_EQ(link->keyboardLightModes().speedSteps, 5);
    EXPECT_EQ(link->keyboardLightModes().brightnessSteps, 4);
    EXPECT_FALSE(link->isReady());

    feed(withPayload(in::SideLightTypes, {0xA5, 0, 0}));
    EXPECT_TRUE(link->isReady());
    EXPECT_TRUE(link->sideLightModes().isEmpty());
    EXPECT_FALSE(DDataManager::getInstance()->hasSideLight());

    feed(withPayload(in::SideLightTypes, {4, 0xA5, 2, 2}));
    EXPECT_TRUE(DDataManager::getInstance()->hasSideLight());
}

TEST_F(LinkParser, StatusRules)
{
    QSignalSpy charging(link.get(), &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    QSignalSpy dongle(link.get(), &DDeviceKeyboardLink::sigDongleStatus);
    QSignalSpy download(link.get(), &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus);
    QSignalSpy mode(link.get(), &DDeviceKeyboardLink::sigTheKeyboardModeChanged);

    struct Step
    {
        const char *name;
        bool active;
        uint8_t length, winLock, battery, connection, receiver, downloadState;
        bool statusSignal;
        int dongleValue;   // -1: no sigDongleStatus
        int downloadValue; // -1: none
    };
    const std::vector<Step> steps = {
        {"length byte 0 is ignored", false, 0, 1, 50, 1, 1, 3, false, -1, -1},
        {"inactive: no receiver news", false, 9, 0, 80, 1, 0, 0, true, -1, -1},
        {"first after activation emits even 0", true, 9, 0, 80, 1, 0, 0, true, 0, -1},
        {"unchanged receiver state", true, 9, 0, 79, 1, 0, 0, true, -1, -1},
        {"cable status still stores the state", true, 9, 0, 79, 0, 1, 0, true, -1, -1},
        {"so the same state later is no change", true, 9, 0, 79, 1, 1, 0, true, -1, -1},
        {"change through the receiver", true, 9, 0, 79, 1, 0, 0, true, 0, -1},
        {"download status", true, 9, 1, 78, 0, 0, 4, true, -1, 4},
    };
    for (const Step &s : steps) {
        SCOPED_TRACE(s.name);
        charging.clear();
        dongle.clear();
        download.clear();
        link->setActive(s.active);
        feed(input(in::Status, {{5, s.length},
                                {6, s.winLock},
                                {9, 1},
                                {10, s.battery},
                                {11, s.connection},
                                {12, s.receiver},
                                {13, s.downloadState},
                                {14, 2}}));
        EXPECT_EQ(charging.size(), s.statusSignal ? 1 : 0);
        if (s.statusSignal) {
            EXPECT_EQ(charging[0][1].toInt(), s.battery);
            EXPECT_EQ(charging[0][2].toInt(), s.connection);
            EXPECT_EQ(charging[0][3].toInt(), s.receiver);
            EXPECT_EQ(link->isWinLockOn(), s.winLock == 1);
        } else {
            EXPECT_FALSE(link->isWinLockOn());
        }
        ASSERT_EQ(dongle.size(), s.dongleValue < 0 ? 0 : 1);
        if (s.dongleValue >= 0) {
            EXPECT_EQ(dongle[0][0].toInt(), s.dongleValue);
            EXPECT_EQ(dongle[0][1].toString(), QStringLiteral("/tidelumen-sim/absent/hidraw9"));
            EXPECT_EQ(dongle[0][2].toString(), QStringLiteral("TL87"));
        }
        ASSERT_EQ(download.size(), s.downloadValue < 0 ? 0 : 1);
        if (s.downloadValue >= 0) {
            EXPECT_EQ(download[0][0].toInt(), s.downloadValue);
        }
    }
    EXPECT_EQ(mode.size(), 0) << "this model's status carries no keyboard mode";
}

TEST_F(LinkParser, KeyboardModeOnlyForTheModelThatReportsIt)
{
    openAs("TL104");
    QSignalSpy mode(link.get(), &DDeviceKeyboardLink::sigTheKeyboardModeChanged);
    for (uint8_t m : {0, 0, 2, 2, 1})
        feed(input(in::Status, {{5, 9}, {14, m}}));
    ASSERT_EQ(mode.size(), 3);
    EXPECT_EQ(mode[0][0].toInt(), 0); // the first report counts as a change
    EXPECT_EQ(mode[1][0].toInt(), 2);
    EXPECT_EQ(mode[2][0].toInt(), 1);
}

TEST_F(LinkParser, LightConfigIsStoredThenMirroredOnceArmed)
{
    giveLightLists();
    QSignalSpy changed(link.get(), &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    const HidReport config = withPayload(in::KeyboardLightConfig, {6, 2, 1, 10, 20, 30, 40, 50, 60, 1, 1, 9});

    feed(config);
    ASSERT_TRUE(link->hasKeyboardLightConfig());
    const colorInfoData c = link->keyboardLightConfig();
    EXPECT_EQ(c.hidType, 0);
    EXPECT_EQ(c.ledType, 6);
    EXPECT_EQ(c.ledBrightness, 3);
    EXPECT_EQ(c.ledSpeed, 2);
    EXPECT_EQ(c.color1Red, 10);
    EXPECT_EQ(c.color2Blue, 60);
    EXPECT_EQ(c.ledDirection, 1);
    EXPECT_EQ(c.fullColorMode, 1);
    EXPECT_EQ(c.ledExtra, 9);
    EXPECT_TRUE(store.calls.isEmpty()) << "not armed yet";
    EXPECT_EQ(changed.size(), 0);

    // The page's first mirror writes silently and arms.
    link->mirrorLightConfig(0);
    EXPECT_EQ(store.calls,
              (QStringList{"has /p/appProfile_Default.xml 3 0 6", "add /p/appProfile_Default.xml 3 0 6 b3 s2",
                           "using /p/appProfile_Default.xml 3 0 6"}));
    EXPECT_EQ(changed.size(), 0);
    EXPECT_TRUE(link->isMirroringArmed());

    store.calls.clear();
    store.existing << QStringLiteral("0/16");
    feed(withPayload(in::KeyboardLightConfig, {16, 3, 0}));
    EXPECT_EQ(store.calls, (QStringList{"has /p/appProfile_Default.xml 3 0 16",
                                        "modify /p/appProfile_Default.xml 3 0 16 b4 s1",
                                        "using /p/appProfile_Default.xml 3 0 16"}));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0], (QList<QVariant>{0, 16}));

    store.calls.clear();
    feed(withPayload(in::SideLightConfig, {2, 0, 2}));
    EXPECT_EQ(link->sideLightConfig().hidType, 1);
    ASSERT_EQ(changed.size(), 2);
    EXPECT_EQ(changed[1], (QList<QVariant>{1, 2}));
}

TEST_F(LinkParser, LightConfigOutsideTheReportedListsIsNotMirrored)
{
    giveLightLists();
    link->requeryLightConfig(); // arms mirroring (nothing is sent: no device)
    QSignalSpy changed(link.get(), &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    const std::vector<HidReport> refused = {
        withPayload(in::KeyboardLightConfig, {7, 0, 0}), // type 7 not offered
        withPayload(in::KeyboardLightConfig, {6, 4, 0}), // brightness 5 of 4
        withPayload(in::KeyboardLightConfig, {6, 0, 5}), // speed 6 of 5
        withPayload(in::SideLightConfig, {4, 0, 0}),     // side type 4 not offered
        withPayload(in::KeyboardLightConfig, {0xff, 0xff, 0xff}),
    };
    for (const HidReport &r : refused)
        feed(r);
    EXPECT_TRUE(store.calls.isEmpty()) << qPrintable(store.calls.join('\n'));
    EXPECT_EQ(changed.size(), 0);

    // A side light the keyboard does not have is never written either.
    openAs("TL68HE");
    feed(withPayload(in::KeyboardLightTypes, {0, 1, 0xA5, 5, 5}));
    feed(withPayload(in::SideLightTypes, {0xA5, 0, 0}));
    link->requeryLightConfig();
    feed(withPayload(in::SideLightConfig, {0, 0, 0}));
    EXPECT_TRUE(store.calls.isEmpty());

    link->mirrorLightConfig(0); // nothing received for the keys yet
    EXPECT_TRUE(store.calls.isEmpty());
}

TEST_F(LinkParser, MagneticRepliesReachTheDataManager)
{
    DDataManager *dm = DDataManager::getInstance();
    QSignalSpy travel(dm, &DDataManager::sigBackDynamicDisplaySensitivityNum);
    QSignalSpy clicked(dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    QSignalSpy keyCal(dm, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack);
    QSignalSpy allCal(dm, &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack);

    feed(input(in::Magnetic, {{6, 1}, {7, 2}, {8, 21}, {9, 77}}));
    feed(input(in::Magnetic, {{6, 1}, {7, 6}, {8, 0}, {9, 1}}));  // row out of the matrix
    feed(input(in::Magnetic, {{6, 1}, {7, 0}, {8, 22}, {9, 1}})); // column out of the matrix
    ASSERT_EQ(travel.size(), 1);
    EXPECT_EQ(travel[0], (QList<QVariant>{2, 21, 77}));

    feed(input(in::Magnetic, {{6, 4}, {7, 40}}));
    EXPECT_EQ(dm->keyTravelMax(), 40);
    feed(input(in::Magnetic, {{6, 9}, {7, 3}}));
    EXPECT_EQ(dm->rateOfReturnNum(), 3);
    feed(input(in::Magnetic, {{6, 10}, {7, 6}}));
    EXPECT_EQ(dm->keyAntiShakeNum(), 6);

    // A key's settings count only as the answer to a question in flight.
    feed(input(in::Magnetic, {{6, 5}, {7, 0}, {8, 40}, {9, 40}, {10, 1}, {11, 1}}));
    EXPECT_TRUE(clicked.isEmpty());
    link->queryKeyTrigger(1, 2);
    feed(input(in::Magnetic, {{6, 5}, {7, 1}, {8, 20}, {9, 18}, {10, 4}, {11, 3}}));
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked[0], (QList<QVariant>{1, 20, 18, 4, 3}));

    feed(input(in::Magnetic, {{6, 7}, {7, 2}}));
    ASSERT_EQ(keyCal.size(), 1);
    EXPECT_EQ(keyCal[0][0].toInt(), 2);

    feed(input(in::Magnetic, {{6, 8}, {7, 1}, {8, 0x3f}, {10, 0xff}, {29, 0x01}}));
    EXPECT_EQ(link->calibratedKeys(), (QMap<int, int>{{0, 0x3f}, {2, 0x3f}, {21, 0x01}}));
    feed(input(in::Magnetic, {{6, 8}, {7, 2}, {8, 0x3f}}));
    EXPECT_TRUE(link->calibratedKeys().isEmpty());
    ASSERT_EQ(allCal.size(), 2);
    EXPECT_EQ(allCal[1][0].toInt(), 2);

    feed(input(in::Magnetic, {{6, 11}, {7, 1}}));
    EXPECT_EQ(travel.size() + clicked.size() + keyCal.size() + allCal.size(), 5);
}

TEST_F(LinkParser, FnLayerMapKeepsOnlyTheLatestReply)
{
    feed(withPayload(in::FnLayerKeys,
                     {0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x20}));
    feed(withPayload(in::FnLayerKeys, {0, 0x05, 0xc0}));
    EXPECT_EQ(link->fnLayerBlockedKeys(), (QList<QPair<int, int>>{{0, 1}, {2, 1}}));
}

TEST_F(LinkParser, SettingsAndSmallReplies)
{
    QSignalSpy accepted(link.get(), &DDeviceKeyboardLink::sigSleepTimeSetSuccessful);
    QSignalSpy layout(link.get(), &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    QSignalSpy ack19(link.get(), &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd);
    QSignalSpy ack18(link.get(), &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd);
    QSignalSpy number(link.get(), &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd);
    QSignalSpy scheme(link.get(), &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09);

    feed(input(in::Settings, {{2, 0}}));
    EXPECT_EQ(accepted.size(), 1);

    feed(input(in::Settings, {{2, 2}, {9, 0x01}, {10, 0x2c}, {11, 0x0e}, {12, 0x10}, {13, 1}}));
    EXPECT_EQ(store.calls.last(), QStringLiteral("sleep /p/appProfile_Default.xml 3 300 60"));
    EXPECT_EQ(DDataManager::getInstance()->prohibitSleepStatus(), 1);

    const QByteArray text("87,5,33,1,TL87,rest");
    HidReport l = makeReport(in::Layout);
    std::memcpy(l.data() + 6, text.constData(), static_cast<std::size_t>(text.size()));
    feed(l);
    feed(withPayload(in::Layout, {'a', ',', 'b'}));
    HidReport unterminated = makeReport(in::Layout);
    std::memset(unterminated.data() + 6, ',', 58);
    feed(unterminated);
    ASSERT_EQ(layout.size(), 3);
    EXPECT_EQ(layout[0][1].toString(), QStringLiteral("TL87"));
    EXPECT_EQ(layout[1][1].toString(), QString());
    EXPECT_EQ(layout[2][1].toString(), QString());

    feed(input(in::MacroAck));
    feed(input(in::DownloadAck));
    feed(input(in::Number, {{2, 42}}));
    EXPECT_EQ(ack19.size(), 1);
    EXPECT_EQ(ack18.size(), 1);
    ASSERT_EQ(number.size(), 1);
    EXPECT_EQ(number[0][0].toInt(), 42);

    store.calls.clear();
    feed(input(in::CustomScheme, {{2, 4}}));
    feed(input(in::CustomScheme, {{2, 5}})); // no such scheme
    ASSERT_EQ(scheme.size(), 1);
    EXPECT_EQ(scheme[0], (QList<QVariant>{0, 10, 4}));
    EXPECT_EQ(store.calls, QStringList{"using /p/appProfile_Default.xml 3 0 10"});

    // Reports the link does not handle change nothing.
    store.calls.clear();
    feed(input(0x06));
    feed(input(0x3f, {{6, 1}}));
    feed(input(in::Settings, {{2, 1}}));
    EXPECT_TRUE(store.calls.isEmpty());
    EXPECT_EQ(accepted.size(), 1);
}

TEST(SerialNumber, FolderSafeCharactersOnly)
{
    struct Row
    {
        QString number;
        bool valid;
    };
    const std::vector<Row> rows = {
        {QStringLiteral("5e1a0000000000000000000000000001"), true},
        {QStringLiteral("A"), true},
        {QString(32, QLatin1Char('z')), true},
        {QString(), false},
        {QString(33, QLatin1Char('z')), false},
        {QStringLiteral("../../../../.config/autostart/xx"), false},
        {QStringLiteral("abc def"), false},
        {QStringLiteral("abc\\def"), false},
        {QString::fromUtf8("\xc3\xa9t\xc3\xa9"), false},
    };
    for (const Row &r : rows)
        EXPECT_EQ(DDeviceKeyboardLink::isValidSerialNumber(r.number), r.valid) << qPrintable(r.number);
}

TEST(LinkWithStore, KeyboardReportsLandInTheProfileFile)
{
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + QStringLiteral("/appProfile_Default.xml")).toLocal8Bit();
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(path.constData()));
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0));

    DDeviceKeyboardLink link; // the SDK's store
    hidStructInfoAll record;
    std::memset(&record, 0, sizeof(record));
    fixedtext::copy(record.modelKey, "TL87");
    link.openDevice(0, record);
    ASSERT_TRUE(link.setProfileXmlPath(QString::fromLocal8Bit(path)));
    link.setProfileIndex(1);
    auto feed = [&](const HidReport &r) { link.onHidDataArrived(bytesOf(r), 64, 0); };

    feed(withPayload(in::KeyboardLightTypes, {0, 1, 6, 0xA5, 5, 5}));
    feed(withPayload(in::KeyboardLightConfig, {6, 2, 3, 10, 20, 30}));
    link.mirrorLightConfig(0);
    EXPECT_TRUE(CQuelmoXML_IsProFileAlreadyHaveLightInfo(path.constData(), "1", 0, 6));
    int values[14] = {};
    ASSERT_TRUE(CQuelmoXML_SelectProfileColorDataInfo(path.constData(), "1", 0, 6, values));
    EXPECT_EQ(values[2], 3); // brightness, 1-based
    EXPECT_EQ(values[3], 4); // speed
    EXPECT_EQ(values[4], 10);
    EXPECT_EQ(CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(path.constData(), "1", 0), 6);

    feed(input(in::Settings, {{2, 2}, {9, 0x00}, {10, 90}, {11, 0x07}, {12, 0x08}}));
    int light = 0, keyboard = 0;
    ASSERT_TRUE(CQuelmoXML_GetProFileIntoSleepTimeInfo(path.constData(), "1", &light, &keyboard));
    EXPECT_EQ(light, 90);
    EXPECT_EQ(keyboard, 1800 / 60);
}
