#include "cquelmohid.h"
#include "cquelmosdk.h"
#include "hidrecordbuilder.h"
#include "simfixture.h"

#include <QTextCodec>

#include <cstring>
#include <gtest/gtest.h>

namespace {

// True when `text` is a complete, valid UTF-8 string.
bool validUtf8(const char *text)
{
    QTextCodec::ConverterState state;
    QTextCodec::codecForName("UTF-8")->toUnicode(text, static_cast<int>(std::strlen(text)), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

QMap<QString, HidInfoStu> catalogue()
{
    QMap<QString, HidInfoStu> map;
    CQuelmoHid_GetHidInfoStuMapList(&map);
    return map;
}

struct RecordCase
{
    const char *model;
    LinkType link;
    int keyCount;
    const char *productName;
    const char *controllerCode;
    const char *twoDigitCode;
};

class RecordFromDevice : public SimulatedDevices, public testing::WithParamInterface<RecordCase>
{
};

TEST_P(RecordFromDevice, CatalogueAndDeviceFieldsLandInTheirPlaces)
{
    const RecordCase &c = GetParam();
    auto kb = add(QString::fromLatin1(c.model), c.link);
    ASSERT_TRUE(kb);
    hidStructInfoAll r;
    std::memset(&r, 0x5A, sizeof r);
    ASSERT_TRUE(buildHidRecord(QString::fromLatin1(kb->path()), catalogue(), &r));

    // From the catalogue value.
    EXPECT_STREQ(r.deviceClass, "keyboard");
    EXPECT_STREQ(r.productName, c.productName);
    EXPECT_EQ(r.keyCount, c.keyCount);
    EXPECT_EQ(r.sdkValue1 | r.sdkValue2 | r.sdkValue3 | r.sdkValue4, 0);
    // From the device.
    EXPECT_EQ(QByteArray(r.hidPath), kb->path());
    EXPECT_STREQ(r.modelKey, c.model);
    EXPECT_EQ(r.linkType, static_cast<int>(c.link));
    EXPECT_EQ(r.online, c.link == LinkType::Cable ? 1 : 0);
    EXPECT_STREQ(r.firmwareVersion, "V1.00.00");
    EXPECT_STREQ(r.firmwareIdText1, c.controllerCode);
    EXPECT_STREQ(r.firmwareIdText2, c.twoDigitCode);
    EXPECT_STREQ(r.firmwareIdText3, "TLMN");
    EXPECT_STREQ(r.newFirmwareVersion, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordFromDevice,
    testing::Values(RecordCase{"TL68HE", LinkType::Cable, 68, "Tidelumen TL68HE", "TLC68", "01"},
                    RecordCase{"TL68HE", LinkType::Receiver, 68, "Tidelumen TL68HE", "TLC68", "01"},
                    RecordCase{"TL87", LinkType::Cable, 87, "Tidelumen TL87", "TLC87", "02"},
                    RecordCase{"TL104", LinkType::Receiver, 104, "Tidelumen TL104", "TLC104", "03"}),
    [](const testing::TestParamInfo<RecordCase> &i) {
        return std::string(i.param.model) + (i.param.link == LinkType::Cable ? "_cable" : "_receiver");
    });

TEST_F(SimulatedDevices, DeviceRecordsOfTheSdk)
{
    auto kb = add(QStringLiteral("TL104"), LinkType::Receiver);
    HidDeviceInfoStu dev;
    HidFirmwareInfoStu fw;
    std::memset(&dev, 0x5A, sizeof dev);
    std::memset(&fw, 0x5A, sizeof fw);
    ASSERT_TRUE(CQuelmoHid_GetHidAndFirmwareInfoStu(kb->path().constData(), &dev, &fw));
    EXPECT_EQ(dev.vendorId, 0x1209);
    EXPECT_EQ(dev.productId, 0x0006);
    EXPECT_STREQ(dev.modelKey, "TL104");
    EXPECT_STREQ(dev.hidManufacturer, "Tidelumen (simulated)");
    EXPECT_STREQ(dev.hidFirmware, "V1.00.00");
    EXPECT_STREQ(fw.firmwareVersion, "V1.00.00");
    EXPECT_STREQ(fw.buildText, "Jan 15 2025,10:30:00");
    EXPECT_EQ(dev.linkType, 1);
    EXPECT_STREQ(fw.modelIdentifier, "TL104");
    EXPECT_STREQ(fw.deviceKindCode, "KB");
    EXPECT_EQ(fw.reserved[0], 0) << "the unused rest of the record is zeroed";
}

TEST_F(SimulatedDevices, PathsWithoutARecordAreSkipped)
{
    auto kb = add(QStringLiteral("TL87"));
    hidStructInfoAll r;
    std::memset(&r, 0x5A, sizeof r);
    const hidStructInfoAll before = r;

    // The catalogue the page holds may lack the model the device reports.
    QMap<QString, HidInfoStu> withoutTl87 = catalogue();
    withoutTl87.remove(QStringLiteral("TL87"));
    EXPECT_FALSE(buildHidRecord(QString::fromLatin1(kb->path()), withoutTl87, &r));
    // A path that is not attached (any more).
    EXPECT_FALSE(buildHidRecord(QStringLiteral("/tidelumen-sim/none/0003:1209:0003.0000/hidraw/hidraw0"),
                                catalogue(), &r));
    const QString gone = QString::fromLatin1(kb->path());
    kb->unplug();
    EXPECT_FALSE(buildHidRecord(gone, catalogue(), &r));
    EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0) << "a skipped path leaves the record untouched";

    HidDeviceInfoStu dev;
    HidFirmwareInfoStu fw;
    std::memset(&dev, 0x5A, sizeof dev);
    EXPECT_FALSE(CQuelmoHid_GetHidAndFirmwareInfoStu(gone.toLatin1().constData(), &dev, &fw));
    EXPECT_EQ(static_cast<unsigned char>(dev.hidPath[0]), 0x5A);
    EXPECT_FALSE(CQuelmoHid_GetHidAndFirmwareInfoStu(nullptr, &dev, &fw));
}

TEST_F(SimulatedDevices, DeviceOfAModelLeftOutOfTheCatalogueIsSkipped)
{
    // A keyboard whose identity no catalogue model claims (a model removed by a rebuild, say).
    ModelInfo stranger;
    stranger.key = QStringLiteral("ZZ1");
    stranger.keyCount = 10;
    stranger.links = {{LinkType::Cable, 0x1209, 0x0F0F}};
    auto kb = sim->addKeyboard(stranger);
    QStringList paths;
    EXPECT_EQ(CQuelmoHid_GetHidInfoList(&paths), 0);
    hidStructInfoAll r{};
    EXPECT_FALSE(buildHidRecord(QString::fromLatin1(kb->path()), catalogue(), &r));
}

TEST_F(SimulatedDevices, OverLongTextsAreCutOnCharacterBoundaries)
{
    // Two-byte and three-byte characters, so that every field limit falls inside a character.
    const QString longName = QString::fromUtf8("Tastatur-\xc3\xa4\xe2\x82\xac").repeated(30);
    ModelInfo m = *ModelCatalogue::instance().find(QStringLiteral("TL87"));
    m.deviceClass = QString::fromUtf8("\xc3\xa9").repeated(40);
    m.productName = longName;
    m.deviceName = longName;
    m.firmware.controllerCode = longName;
    m.firmware.twoDigitCode = longName;
    m.firmware.vendorCode = longName;
    QString error;
    ASSERT_TRUE(ModelCatalogue::instance().merge({m}, &error)) << error.toStdString();

    auto kb = add(QStringLiteral("TL87"));
    hidStructInfoAll r;
    std::memset(&r, 0x5A, sizeof r);
    ASSERT_TRUE(buildHidRecord(QString::fromLatin1(kb->path()), catalogue(), &r));

    struct Field
    {
        const char *name;
        const char *text;
        std::size_t size;
        std::size_t limit; // the narrower of the SDK's field and the record's
    };
    const Field fields[] = {
        {"deviceClass", r.deviceClass, sizeof r.deviceClass, 64},
        {"productName", r.productName, sizeof r.productName, 128},
        {"deviceName", r.deviceName, sizeof r.deviceName, 128},
        {"firmwareIdText1", r.firmwareIdText1, sizeof r.firmwareIdText1, 64},
        {"firmwareIdText2", r.firmwareIdText2, sizeof r.firmwareIdText2, 64},
        {"firmwareIdText3", r.firmwareIdText3, sizeof r.firmwareIdText3, 64},
    };
    for (const Field &f : fields) {
        SCOPED_TRACE(f.name);
        const std::size_t len = strnlen(f.text, f.size);
        ASSERT_LT(len, f.limit) << "terminated inside the field";
        EXPECT_GE(len + 3, f.limit - 1) << "cut no more than one character short";
        EXPECT_TRUE(validUtf8(f.text));
    }
    EXPECT_TRUE(QString::fromUtf8(r.productName).size() > 0 &&
                longName.startsWith(QString::fromUtf8(r.productName)));
    EXPECT_EQ(r.keyCount, 87) << "fields after the long texts are intact";
    EXPECT_EQ(QByteArray(r.hidPath), kb->path());
}

// A back end whose device path does not fit the 256-byte path field.
class LongPathBackend : public HidBackend
{
public:
    QVector<HidInterfaceInfo> interfaces() override
    {
        HidInterfaceInfo i;
        i.path = "/sys/" + QByteArray(300, 'd') + "/0003:1209:0001.0001/hidraw/hidraw0";
        i.vendorId = 0x1209;
        i.productId = 0x0001;
        i.usagePage = 0xFF60;
        return {i};
    }
    std::unique_ptr<HidChannel> open(const QByteArray &, HidOpenError *error) override
    {
        *error = HidOpenError::NotFound;
        return nullptr;
    }
};

TEST_F(SimulatedDevices, APathThatDoesNotFitIsRefusedNotCut)
{
    HidDeviceManager::instance().setBackend(std::make_unique<LongPathBackend>());
    QStringList paths;
    ASSERT_EQ(CQuelmoHid_GetHidInfoList(&paths), 1);
    hidStructInfoAll r{};
    EXPECT_FALSE(buildHidRecord(paths.first(), catalogue(), &r));
    EXPECT_STREQ(r.hidPath, "");
}

TEST(SdkSetup, StartUpCallsSucceed)
{
    char version[1024];
    std::memset(version, 0x5A, sizeof version);
    EXPECT_EQ(CQuelmoSDK_VersionStr(version), 0);
    EXPECT_TRUE(QByteArray(version).startsWith("Tidelumen SDK ")) << version;
    char tiny[8];
    EXPECT_EQ(CQuelmoSDK_VersionStr(tiny, sizeof tiny), 0);
    EXPECT_STREQ(tiny, "Tidelum");
    EXPECT_EQ(CQuelmoSDK_VersionStr(nullptr), -1);
    EXPECT_EQ(CQuelmoLight_Init(), 0);
}

} // namespace
