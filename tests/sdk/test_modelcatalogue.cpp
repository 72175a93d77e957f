#include "cquelmohid.h"
#include "modelcatalogue.h"
#include "simfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

#include <cstring>
#include <gtest/gtest.h>

namespace {

class Catalogue : public SimulatedDevices
{
protected:
    static void writeUserFile(const QByteArray &text)
    {
        const QString path = ModelCatalogue::userFile();
        QDir().mkpath(QFileInfo(path).path());
        QSaveFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        ASSERT_TRUE(f.commit());
    }
};

struct ModelRow
{
    const char *key;
    int keyCount;
    int hidDeviceType;
    bool magnetic;
    int sideLightLeds;
    int lightBatchSize;
    uint16_t cablePid;
    int receiverPid; // -1: no receiver
};

TEST_F(Catalogue, EmbeddedModels)
{
    // Batch size: 8 key packets plus ceil(side LEDs / 18) side packets make a frame, less one; a
    // model without a side light still streams 33 dark side LEDs.
    const ModelRow rows[] = {
        {"TL68HE", 68, 4, true, 0, 9, 0x0001, 0x0002},
        {"TL87", 87, 5, false, 33, 9, 0x0003, -1},
        {"TL104", 104, 2, false, 41, 10, 0x0005, 0x0006},
    };
    const ModelCatalogue &c = ModelCatalogue::instance();
    ASSERT_EQ(c.models().size(), 3);
    for (const ModelRow &r : rows) {
        SCOPED_TRACE(r.key);
        const ModelInfo *m = c.find(QString::fromLatin1(r.key));
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->keyCount, r.keyCount);
        EXPECT_EQ(m->hidDeviceType, r.hidDeviceType);
        EXPECT_EQ(m->magnetic, r.magnetic);
        EXPECT_EQ(m->sideLightLeds, r.sideLightLeds);
        EXPECT_EQ(m->lightBatchSize(), r.lightBatchSize);
        EXPECT_EQ(m->deviceClass, QStringLiteral("keyboard"));
        EXPECT_FALSE(m->productName.isEmpty());
        EXPECT_EQ(m->layoutFile, QStringLiteral("KeyInfo_%1.config").arg(m->key));
        ASSERT_NE(m->link(LinkType::Cable), nullptr);
        EXPECT_EQ(m->link(LinkType::Cable)->vendorId, 0x1209);
        EXPECT_EQ(m->link(LinkType::Cable)->productId, r.cablePid);
        const ModelLink *rx = m->link(LinkType::Receiver);
        EXPECT_EQ(rx ? rx->productId : -1, r.receiverPid);
        LinkType link = LinkType::Receiver;
        EXPECT_EQ(c.findByIds(0x1209, r.cablePid, &link), m);
        EXPECT_EQ(link, LinkType::Cable);
    }
    EXPECT_EQ(c.findByIds(0x1209, 0x0004), nullptr);
}

TEST_F(Catalogue, SdkListsComeFromTheCatalogue)
{
    QMap<QString, HidInfoStu> map;
    EXPECT_EQ(CQuelmoHid_GetHidInfoStuMapList(&map), 3);
    ASSERT_TRUE(map.contains(QStringLiteral("TL104")));
    const HidInfoStu &info = map[QStringLiteral("TL104")];
    EXPECT_STREQ(info.deviceClass, "keyboard");
    EXPECT_STREQ(info.modelKey, "TL104");
    EXPECT_EQ(info.keyCount, 104);
    EXPECT_STREQ(info.productName, "Tidelumen TL104");

    // Every link is one supported pair: upper-case four-digit hex texts.
    QList<HidSupportInfoStu> support;
    EXPECT_EQ(CQuelmoHid_GetSupportInfoList(&support), 5);
    QStringList pairs;
    for (const HidSupportInfoStu &s : support)
        pairs << QStringLiteral("%1 %2:%3/%4")
                     .arg(QLatin1String(s.modelKey), QLatin1String(s.vendorId), QLatin1String(s.productId))
                     .arg(s.linkType);
    EXPECT_EQ(pairs, QStringList({"TL68HE 1209:0001/0", "TL68HE 1209:0002/1", "TL87 1209:0003/0",
                                  "TL104 1209:0005/0", "TL104 1209:0006/1"}));
}

TEST_F(Catalogue, UserFileAddsAndReplacesModels)
{
    writeUserFile(R"({"models": [
        {"key": "TL87", "productName": "TL87 Custom", "keyCount": 88, "hidDeviceType": 5,
         "sideLightLeds": 36, "links": [{"link": "cable", "vid": "1209", "pid": "0003"}]},
        {"key": "XK-75", "productName": "Other 75", "keyCount": 84, "hidDeviceType": 4,
         "interfaceNumber": 2, "links": [{"link": "cable", "vid": "abcd", "pid": "00EF"}]}
    ]})");
    ASSERT_TRUE(ModelCatalogue::instance().load());
    const ModelCatalogue &c = ModelCatalogue::instance();
    EXPECT_EQ(c.models().size(), 4);
    ASSERT_NE(c.find(QStringLiteral("TL87")), nullptr);
    EXPECT_EQ(c.find(QStringLiteral("TL87"))->productName, QStringLiteral("TL87 Custom"));
    EXPECT_EQ(c.find(QStringLiteral("TL87"))->lightBatchSize(), 9);
    const ModelInfo *added = c.findByIds(0xABCD, 0x00EF);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->key, QStringLiteral("XK-75"));
    EXPECT_TRUE(added->magnetic) << "hidDeviceType 4 means magnetic unless stated otherwise";
    EXPECT_EQ(added->interfaceNumber, 2);
}

// Collects the warnings printed while it lives.
class WarningCollector
{
public:
    WarningCollector() { s_self = this, m_previous = qInstallMessageHandler(handler); }
    ~WarningCollector() { qInstallMessageHandler(m_previous), s_self = nullptr; }
    QStringList warnings;

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &msg)
    {
        if (type == QtWarningMsg)
            s_self->warnings << msg;
    }
    static inline WarningCollector *s_self = nullptr;
    QtMessageHandler m_previous;
};

struct BadFile
{
    const char *name;
    const char *text;
    const char *reason; // part of the logged line
};

class MalformedUserFile : public Catalogue, public testing::WithParamInterface<BadFile>
{
};

TEST_P(MalformedUserFile, IsReportedOnceAndIgnored)
{
    writeUserFile(GetParam().text);
    WarningCollector log;
    ASSERT_TRUE(ModelCatalogue::instance().load());
    ASSERT_EQ(log.warnings.size(), 1) << log.warnings.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(log.warnings[0].contains(QStringLiteral("Ignoring the user model catalogue")));
    EXPECT_TRUE(log.warnings[0].contains(QLatin1String(GetParam().reason))) << log.warnings[0].toStdString();
    const ModelCatalogue &c = ModelCatalogue::instance();
    EXPECT_EQ(c.models().size(), 3);
    EXPECT_EQ(c.find(QStringLiteral("TL87"))->productName, QStringLiteral("Tidelumen TL87"));
}

#define LINK R"("links": [{"link": "cable", "vid": "1209", "pid": "0f00"}])"
INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedUserFile,
    testing::Values(
        BadFile{"not_json", "{\"models\": [", "not JSON"},
        BadFile{"no_models_list", R"({"model": []})", "no \"models\""},
        BadFile{"key_with_slash",
                R"({"models": [{"key": "../x", "keyCount": 5, "hidDeviceType": 2, )" LINK "}]}", "\"key\""},
        BadFile{"key_count_too_big",
                R"({"models": [{"key": "A", "keyCount": 500, "hidDeviceType": 2, )" LINK "}]}", "keyCount"},
        BadFile{
            "short_vid",
            R"({"models": [{"key": "A", "keyCount": 5, "hidDeviceType": 2, "links": [{"link": "cable", "vid": "129", "pid": "0001"}]}]})",
            "four hex digits"},
        BadFile{
            "unknown_link",
            R"({"models": [{"key": "A", "keyCount": 5, "hidDeviceType": 2, "links": [{"link": "usb", "vid": "1209", "pid": "0f00"}]}]})",
            "\"cable\" or \"receiver\""},
        BadFile{"no_links", R"({"models": [{"key": "A", "keyCount": 5, "hidDeviceType": 2}]})", "links"},
        BadFile{"key_twice", R"({"models": [{"key": "A", "keyCount": 5, "hidDeviceType": 2, )" LINK R"(},
                                           {"key": "A", "keyCount": 5, "hidDeviceType": 2, )" LINK "}]}",
                "twice"},
        // Another model's identity would make a device belong to two models.
        BadFile{
            "steals_ids",
            R"({"models": [{"key": "A", "keyCount": 5, "hidDeviceType": 2, "links": [{"link": "cable", "vid": "1209", "pid": "0005"}]}]})",
            "1209:0005"}),
    [](const testing::TestParamInfo<BadFile> &i) { return std::string(i.param.name); });
#undef LINK

TEST_F(Catalogue, UdevRuleMatchesTheCatalogue)
{
    QFile f(QStringLiteral(TL_SOURCE_DIR "/packaging/60-tidelumen.rules"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    const QString shipped = QString::fromUtf8(f.readAll());
    const QString expected = ModelCatalogue::instance().udevRules();
    EXPECT_EQ(shipped, expected) << "packaging/60-tidelumen.rules is out of date; it should read:\n"
                                 << expected.toStdString();
    for (const char *id : {"\"0416\", ATTRS{idProduct}==\"3f00\"", "\"1fc9\", ATTRS{idProduct}==\"f7df\"",
                           "\"0416\", ATTRS{idProduct}==\"3f01\"", "\"1209\", ATTRS{idProduct}==\"0006\""})
        EXPECT_TRUE(expected.contains(QLatin1String(id))) << id;
}

// Software centres offer the program for an attached keyboard through these entries: one per
// cable or receiver ID of the catalogue, none for the boot loaders, which other vendors' devices share.
TEST_F(Catalogue, DesktopMetadataOffersTheProgramForEveryCatalogueId)
{
    QFile f(QStringLiteral(TL_SOURCE_DIR "/packaging/io.github.tidelumen.Tidelumen.metainfo.xml"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    const QString metainfo = QString::fromUtf8(f.readAll());
    QSet<QString> shipped;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("<modalias>([^<]*)</modalias>")).globalMatch(metainfo);
    while (it.hasNext())
        shipped.insert(it.next().captured(1));

    // The kernel spells the IDs of a modalias in upper-case hex.
    auto hex = [](int id) { return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')).toUpper(); };
    auto modalias = [&hex](const ModelLink &l) {
        return QStringLiteral("usb:v%1p%2d*").arg(hex(l.vendorId), hex(l.productId));
    };
    QSet<QString> expected;
    for (const ModelInfo &m : ModelCatalogue::instance().models())
        for (const ModelLink &l : m.links)
            expected.insert(modalias(l));
    EXPECT_EQ(shipped, expected) << "the <provides> of the metainfo file is out of date";
    for (const ModelLink &l : ModelCatalogue::bootLoaderIds())
        EXPECT_FALSE(shipped.contains(modalias(l))) << modalias(l).toStdString();
}

} // namespace
