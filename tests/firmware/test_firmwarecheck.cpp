#include "firmwarecheck.h"
#include "firmwareimage.h"
#include "imagefolder.h"

#include <QString>
#include <QStringList>

#include <cstring>
#include <gtest/gtest.h>

namespace {

const QByteArray kInfo = "TLC68,01,KB,TLMN,TL68HE,V1.00.10";

struct BinCase
{
    const char *name;
    QByteArray info;        // the image's information text
    const char *device;     // the device's firmware version
    const char *newVersion; // null: not offered
};

class BinImageMatch : public testing::TestWithParam<std::tuple<ImageFamily, BinCase>>
{
};

TEST_P(BinImageMatch, OfferedOnlyForItsOwnDeviceAndANewerVersion)
{
    const ImageFamily family = std::get<0>(GetParam());
    const BinCase &c = std::get<1>(GetParam());
    ImageFolder folder;
    folder.add(QStringLiteral("TL68HE"), family, QStringLiteral("TL68HE.bin"),
               ImageFolder::binImage(family, c.info));
    const FirmwareCheck check = folder.check();

    QByteArray version;
    const bool offered = check.isNewerFirmwareAvailable(deviceRecord("TL68HE", 0, c.device), &version);
    EXPECT_EQ(offered, c.newVersion != nullptr);
    if (c.newVersion) {
        EXPECT_EQ(version, QByteArray(c.newVersion));
    }
}

// 50 bytes with no NUL after them: the text ends with its slot, the byte after it is not read.
const QByteArray kFullSlot = "TLC68,01,KKKKKKKKKKKKKKKKKKKK,TLMN,TL68HE,V1.00.10";

const BinCase kBinCases[] = {
    {"Newer", kInfo, "V1.00.00", "V1.00.10"},
    {"NumericallyNewer", kInfo, "V1.00.9", "V1.00.10"},
    {"Equal", kInfo, "V1.00.10", nullptr},
    {"Older", "TLC68,01,KB,TLMN,TL68HE,V1.00.9", "V1.00.10", nullptr},
    {"OnlyCaseDiffers", "TLC68,01,KB,TLMN,TL68HE,v1.00.10", "V1.00.10", nullptr},
    {"PatchNewer", "TLC68,01,KB,TLMN,TL68HE,V2.00.01", "V2.00.00", "V2.00.01"},
    {"DeviceWithoutVersion", kInfo, "", "V1.00.10"},
    {"IdentityCaseIgnored", "tlc68,01,kb,tlmn,tl68he,V1.00.10", "V1.00.00", "V1.00.10"},
    {"OtherController", "TLC87,01,KB,TLMN,TL68HE,V1.00.10", "V1.00.00", nullptr},
    {"OtherTwoDigitCode", "TLC68,02,KB,TLMN,TL68HE,V1.00.10", "V1.00.00", nullptr},
    {"OtherVendor", "TLC68,01,KB,ACME,TL68HE,V1.00.10", "V1.00.00", nullptr},
    {"OtherModel", "TLC68,01,KB,TLMN,TL87,V1.00.10", "V1.00.00", nullptr},
    {"DeviceKindNotCompared", "TLC68,01,MOUSE,TLMN,TL68HE,V1.00.10", "V1.00.00", "V1.00.10"},
    {"MissingFields", "TLC68,01,KB,TLMN", "V1.00.00", nullptr},
    {"EmptyBlock", "", "", nullptr},
    {"FullSlotWithoutNul", kFullSlot, "V1.00.00", "V1.00.10"},
};

INSTANTIATE_TEST_SUITE_P(Layouts, BinImageMatch,
                         testing::Combine(testing::Values(ImageFamily::BinLayoutA, ImageFamily::BinLayoutB),
                                          testing::ValuesIn(kBinCases)),
                         [](const testing::TestParamInfo<std::tuple<ImageFamily, BinCase>> &i) {
                             return std::string(std::get<0>(i.param) == ImageFamily::BinLayoutA ? "A_"
                                                                                                : "B_") +
                                    std::get<1>(i.param).name;
                         });

TEST(BinImageMatch, TheByteAfterAFullSlotIsNotPartOfTheVersion)
{
    static_assert(sizeof("TLC68,01,KKKKKKKKKKKKKKKKKKKK,TLMN,TL68HE,V1.00.10") - 1 == 50);
    QByteArray image = ImageFolder::binImage(ImageFamily::BinLayoutA, kFullSlot);
    image[ImageFolder::kLayoutAInfo + 50] = '9';
    const QList<QByteArray> fields =
        firmwareimage::infoFields(image, *firmwareimage::layout(ImageFamily::BinLayoutA));
    EXPECT_EQ(fields.value(5), QByteArray("V1.00.10"));
}

TEST(BinImageMatch, OnlyTheLayoutsReadSizeCounts)
{
    const QList<QByteArray> kNoFields{{}, {}, {}, {}, {}, {}};
    // A layout B block placed past the first 0x40000 bytes is not seen, even if the file holds it.
    QByteArray image(0x50000, '\0');
    std::memcpy(image.data() + 0x40000 + 0x100, kInfo.constData(), static_cast<std::size_t>(kInfo.size()));
    const BinImageLayout shifted{0x40000, 0x40100, 0, 0};
    EXPECT_EQ(firmwareimage::infoFields(image, shifted), kNoFields);
    // A short image is read as if zero-padded.
    EXPECT_EQ(firmwareimage::infoFields(QByteArray(16, 'x'), *firmwareimage::layout(ImageFamily::BinLayoutA)),
              kNoFields);
}

struct NameCase
{
    ImageFamily family;
    int linkType;
    const char *name;
};

TEST(ImageNames, FollowTheFamilyAndTheLink)
{
    const NameCase cases[] = {
        {ImageFamily::BinLayoutA, 0, "TL1.bin"},         {ImageFamily::BinLayoutA, 1, "TL1_Dongle.bin"},
        {ImageFamily::BinLayoutA, 7, "TL1_Dongle.bin"},  {ImageFamily::BinLayoutB, 0, "TL1.bin"},
        {ImageFamily::BinLayoutB, 1, "TL1.bin"},         {ImageFamily::ChipVendor, 0, "TL1.ufw"},
        {ImageFamily::ChipVendor, -1, "TL1_Dongle.ufw"},
    };
    for (const NameCase &c : cases)
        EXPECT_EQ(firmwareimage::imageName(c.family, QStringLiteral("TL1"), c.linkType),
                  QString::fromLatin1(c.name))
            << firmwareimage::familyName(c.family).toStdString() << " link " << c.linkType;
}

TEST(ImageSelection, ReceiverKeyboardsUseTheImageOfTheirLink)
{
    ImageFolder folder;
    const QByteArray infoB = "TLC87,01,KB,TLMN,TL87,V1.00.10";
    folder.add(QStringLiteral("TL68HE"), ImageFamily::BinLayoutA, QStringLiteral("TL68HE.bin"),
               ImageFolder::binImage(ImageFamily::BinLayoutA, kInfo));
    folder.add(QStringLiteral("TL87"), ImageFamily::BinLayoutB, QStringLiteral("TL87.bin"),
               ImageFolder::binImage(ImageFamily::BinLayoutB, infoB));
    const FirmwareCheck check = folder.check();
    QByteArray version;
    // Layout A on the receiver needs the "_Dongle" image, which is not there: not offered.
    EXPECT_FALSE(check.isNewerFirmwareAvailable(deviceRecord("TL68HE", 1, "V1.00.00"), &version));
    // Layout B has no receiver variant: the plain image serves the receiver.
    EXPECT_TRUE(
        check.isNewerFirmwareAvailable(deviceRecord("TL87", 1, "V1.00.00", "/sim/2", "TLC87"), &version));
    EXPECT_EQ(version, QByteArray("V1.00.10"));
    EXPECT_EQ(check.imageNameFor(QStringLiteral("TL87"), 1), QStringLiteral("TL87.bin"));
    EXPECT_EQ(check.imageNameFor(QStringLiteral("TL68HE"), 1), QStringLiteral("TL68HE_Dongle.bin"));
    EXPECT_EQ(check.imageNameFor(QStringLiteral("NOPE"), 0), QString());
}

TEST(ImageSelection, ImagesThatAreMissingUnlistedOrAlteredAreNotOffered)
{
    ImageFolder folder;
    const QByteArray good = ImageFolder::binImage(ImageFamily::BinLayoutA, kInfo);
    // Listed with the checksum of other bytes: the image was altered after the table was made.
    folder.add(QStringLiteral("TL68HE"), ImageFamily::BinLayoutA, QStringLiteral("TL68HE.bin"), good,
               ImageFolder::binImage(ImageFamily::BinLayoutA, "TLC68,01,KB,TLMN,TL68HE,V1.00.11"));
    folder.addRow(QStringLiteral("TL104"), ImageFamily::BinLayoutA);
    QFile unlisted(folder.dir.path() + QStringLiteral("/TL104.bin"));
    ASSERT_TRUE(unlisted.open(QIODevice::WriteOnly));
    unlisted.write(ImageFolder::binImage(ImageFamily::BinLayoutA, "TLC68,01,KB,TLMN,TL104,V1.00.10"));
    unlisted.close();
    const FirmwareCheck check = folder.check();
    QByteArray version;
    EXPECT_FALSE(check.isNewerFirmwareAvailable(deviceRecord("TL68HE", 0, "V1.00.00"), &version));
    EXPECT_FALSE(check.isNewerFirmwareAvailable(deviceRecord("TL104", 0, "V1.00.00"), &version));
    EXPECT_FALSE(check.isNewerFirmwareAvailable(deviceRecord("UNKNOWN", 0, "V1.00.00"), &version));
    EXPECT_TRUE(version.isEmpty());
}

TEST(ImageTable, RefusesMalformedTablesAndRoundTrips)
{
    const char *bad[] = {
        "not json",
        R"({"models":[{"family":"layoutA","images":[]}]})",
        R"({"models":[{"model":"X","family":"layoutC","images":[]}]})",
        R"({"models":[{"model":"X","family":"layoutA","images":[{"name":"../X.bin","sha256":"%1"}]}]})",
        R"({"models":[{"model":"X","family":"layoutA","images":[{"name":"X.bin","sha256":"abc"}]}]})",
    };
    const QString digest(64, QLatin1Char('a'));
    for (const char *json : bad) {
        FirmwareImageTable table;
        EXPECT_FALSE(table.parse(QString::fromLatin1(json).replace(QStringLiteral("%1"), digest).toLatin1()))
            << json;
        EXPECT_TRUE(table.rows().isEmpty());
    }
    ImageFolder folder;
    folder.add(QStringLiteral("TL87"), ImageFamily::BinLayoutB, QStringLiteral("TL87.bin"), QByteArray("x"));
    folder.addRow(QStringLiteral("CV1"), ImageFamily::ChipVendor);
    FirmwareImageTable again;
    ASSERT_TRUE(again.parse(folder.table.toJson()));
    ASSERT_EQ(again.rows().size(), 2);
    EXPECT_EQ(again.row(QStringLiteral("TL87"))->family, ImageFamily::BinLayoutB);
    EXPECT_EQ(again.row(QStringLiteral("TL87"))->sha256, folder.table.row(QStringLiteral("TL87"))->sha256);
    EXPECT_EQ(again.row(QStringLiteral("CV1"))->family, ImageFamily::ChipVendor);
}

// The embedded images, built with the program, against the catalogue's keyboards as the simulated
// keyboards report them (V1.00.00).
TEST(EmbeddedImages, EveryModelAndLinkIsOfferedItsImage)
{
    const FirmwareCheck check = FirmwareCheck::fromResources(ChipVendorLibrary());
    ASSERT_EQ(check.table().rows().size(), 3);
    struct Row
    {
        const char *model;
        int link;
        const char *id1;
        const char *id2;
    } rows[] = {{"TL68HE", 0, "TLC68", "01"},
                {"TL68HE", 1, "TLC68", "01"},
                {"TL87", 0, "TLC87", "02"},
                {"TL104", 0, "TLC104", "03"},
                {"TL104", 1, "TLC104", "03"}};
    for (const Row &r : rows) {
        QByteArray version;
        EXPECT_TRUE(check.isNewerFirmwareAvailable(
            deviceRecord(r.model, r.link, "V1.00.00", "/p", r.id1, r.id2), &version))
            << r.model << " link " << r.link;
        EXPECT_EQ(version, QByteArray("V1.00.10"));
        EXPECT_FALSE(check.isNewerFirmwareAvailable(
            deviceRecord(r.model, r.link, "V1.00.10", "/p", r.id1, r.id2), &version));
    }
}

// A stand-in for the chip vendor's library: it "holds" the image it was given, and its image
// format is ours (17-byte identification, 4-byte version, then the payload).
namespace fakevendor {
QByteArray loaded;
int calls = 0;
int failLoad = 0;

int loadUfwData(const unsigned char *data, int size)
{
    ++calls;
    loaded = QByteArray(reinterpret_cast<const char *>(data), size);
    return failLoad;
}
int getUfwCrc(uint16_t *a, uint32_t *b)
{
    ++calls;
    *a = 1;
    *b = 2;
    return 0;
}
int getUfwPidVid(char *id, int idSize, char *version, int versionSize)
{
    ++calls;
    std::memcpy(id, loaded.constData(), static_cast<std::size_t>(qMin(idSize, 17)));
    std::memcpy(version, loaded.constData() + 17, static_cast<std::size_t>(qMin(versionSize, 4)));
    return 0;
}
int upgradeDevice(int, int, int, void (*)(int))
{
    return 0;
}
int queryDevicePidVid(int, char *, int, char *, int)
{
    return -5;
}

ChipVendorLibrary library()
{
    ChipVendorLibrary lib;
    lib.JL_loadUfwData = &loadUfwData;
    lib.JL_getUfwCrc = &getUfwCrc;
    lib.JL_getUfwPidVid = &getUfwPidVid;
    lib.JL_upgradeDevice = &upgradeDevice;
    lib.JL_queryDevicePidVid = &queryDevicePidVid;
    return lib;
}

QByteArray image(const QByteArray &id, const QByteArray &version)
{
    QByteArray bytes(17 + 4 + 32, '\0');
    std::memcpy(bytes.data(), id.constData(), static_cast<std::size_t>(qMin(id.size(), 17)));
    std::memcpy(bytes.data() + 17, version.constData(), static_cast<std::size_t>(qMin(version.size(), 4)));
    return bytes;
}
} // namespace fakevendor

class ChipVendorImages : public testing::Test
{
protected:
    void SetUp() override
    {
        fakevendor::calls = 0;
        fakevendor::failLoad = 0;
        folder.add(QStringLiteral("CV68"), ImageFamily::ChipVendor, QStringLiteral("CV68.ufw"),
                   fakevendor::image("CV68", "1.03"));
        folder.add(QStringLiteral("CV68"), ImageFamily::ChipVendor, QStringLiteral("CV68_Dongle.ufw"),
                   fakevendor::image("cv68", "1.03"));
    }
    ImageFolder folder;
};

TEST_F(ChipVendorImages, TheLibraryDecidesByIdentificationAndVersion)
{
    const FirmwareCheck check = folder.check(fakevendor::library());
    QByteArray version;
    EXPECT_TRUE(check.isNewerFirmwareAvailable(deviceRecord("CV68", 0, "1.02"), &version));
    EXPECT_EQ(version, QByteArray("1.03"));
    EXPECT_EQ(fakevendor::loaded, fakevendor::image("CV68", "1.03"))
        << "the library holds the examined image";
    EXPECT_FALSE(check.isNewerFirmwareAvailable(deviceRecord("CV68", 0, "1.03"), &version));
    // The identification must match the model exactly, case included.
    EXPECT_FALSE(check.isNewerFirmwareAvailable(deviceRecord("CV68", 1, "1.02"), &version));
    fakevendor::failLoad = -1;
    EXPECT_FALSE(check.isNewerFirmwareAvailable(deviceRecord("CV68", 0, "1.02"), &version));
}

TEST_F(ChipVendorImages, WithoutThePluginTheseModelsAreNotUpgradeable)
{
    QString error;
    const ChipVendorLibrary missing =
        ChipVendorLibrary::load(QStringLiteral("tl_no_such_chip_vendor_plugin"), &error);
    EXPECT_FALSE(missing.isAvailable());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(missing.JL_loadUfwData, nullptr);

    const FirmwareCheck check = folder.check(missing);
    QByteArray version;
    EXPECT_FALSE(check.isNewerFirmwareAvailable(deviceRecord("CV68", 0, "1.02"), &version));
    EXPECT_FALSE(check.isNewerFirmwareAvailable(deviceRecord("CV68", 1, "1.02"), &version));
    EXPECT_EQ(fakevendor::calls, 0);

    // A library with one entry point missing counts as missing.
    ChipVendorLibrary partial = fakevendor::library();
    partial.JL_queryDevicePidVid = nullptr;
    EXPECT_FALSE(folder.check(partial).isNewerFirmwareAvailable(deviceRecord("CV68", 0, "1.02"), &version));
    EXPECT_EQ(fakevendor::calls, 0);
}

} // namespace
