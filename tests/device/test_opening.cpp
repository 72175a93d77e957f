// Start-up enumeration, per-keyboard profile files and the defaults of a new profile.
#include "cquelmoxml.h"
#include "customlightdefaults.h"
#include "customlightitem.h"
#include "customlightnode.h"
#include "deviceenumeration.h"
#include "deviceprofilefiles.h"
#include "fixedtext.h"
#include "linkfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <set>

namespace {

QString text(const char *field)
{
    return QString::fromUtf8(field);
}

QStringList keysOf(const QList<hidStructInfoAll> &records)
{
    QStringList out;
    for (const hidStructInfoAll &r : records)
        out << text(r.modelKey);
    return out;
}

} // namespace

// ---- enumeration against the simulated keyboards

class EnumerationTest : public SimFixture
{
};

TEST_F(EnumerationTest, ScenarioTable)
{
    struct Case
    {
        const char *name;
        std::vector<std::pair<const char *, LinkType>> keyboards;
        QStringList cabled, receiver, offline;
        int dongles;
    };
    const std::vector<Case> cases = {
        {"none", {}, {}, {}, {"TL104", "TL68HE", "TL87"}, 0},
        {"one cable", {{"TL87", LinkType::Cable}}, {"TL87"}, {}, {"TL104", "TL68HE"}, 0},
        {"receiver only", {{"TL68HE", LinkType::Receiver}}, {}, {"TL68HE"}, {"TL104", "TL87"}, 1},
        {"two cables of one model",
         {{"TL87", LinkType::Cable}, {"TL87", LinkType::Cable}},
         {"TL87", "TL87"},
         {},
         {"TL104", "TL68HE"},
         0},
        {"second receiver of a matched model",
         {{"TL104", LinkType::Receiver}, {"TL104", LinkType::Receiver}},
         {},
         {"TL104", "TL104"},
         {"TL68HE", "TL87"},
         1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        HidDeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>());
        auto backend = std::make_unique<SimulatedBackend>();
        m_backend = backend.get();
        HidDeviceManager::instance().setBackend(std::move(backend));
        for (const auto &[model, link] : c.keyboards)
            addKeyboard(model, link);

        const DeviceEnumeration e = DeviceEnumeration::run();
        EXPECT_EQ(keysOf(e.cabled), c.cabled);
        EXPECT_EQ(keysOf(e.receiver), c.receiver);
        EXPECT_EQ(keysOf(e.offline), c.offline);
        EXPECT_EQ(e.unreachableDongles.size(), c.dongles);
        EXPECT_EQ(e.attached.size(), c.cabled.size() + c.receiver.size());
        for (const hidStructInfoAll &r : e.cabled)
            EXPECT_EQ(r.online, 1);
        for (const hidStructInfoAll &r : e.receiver)
            EXPECT_EQ(r.online, 0);
        for (const hidStructInfoAll &r : e.offline) {
            EXPECT_EQ(r.online, 0);
            EXPECT_STREQ(r.hidPath, "");
            EXPECT_STREQ(r.deviceClass, "keyboard");
            EXPECT_GT(r.keyCount, 0);
        }
        // Card order: cabled, receiver, offline.
        EXPECT_EQ(keysOf(e.cardOrder()), c.cabled + c.receiver + c.offline);
    }
}

TEST_F(EnumerationTest, FirstReceiverOfAModelIsTheUnreachableDongle)
{
    auto first = addKeyboard("TL104", LinkType::Receiver);
    addKeyboard("TL104", LinkType::Receiver);
    const DeviceEnumeration e = DeviceEnumeration::run();
    ASSERT_EQ(e.unreachableDongles.size(), 1);
    EXPECT_EQ(e.unreachableDongles.first(), QString::fromLatin1(first->path()));
}

TEST_F(EnumerationTest, UnknownModelOrVanishedPathMakesNoRecord)
{
    ModelInfo stranger = *ModelCatalogue::instance().find(QStringLiteral("TL87"));
    stranger.key = QStringLiteral("XX999");
    for (ModelLink &link : stranger.links)
        link.productId = 0x7777; // a device of the vendor that no catalogue model describes
    m_backend->addKeyboard(stranger, LinkType::Cable);
    auto gone = addKeyboard("TL68HE");
    gone->unplug();

    const DeviceEnumeration e = DeviceEnumeration::run();
    EXPECT_TRUE(e.attached.isEmpty());
    EXPECT_TRUE(e.cabled.isEmpty());
    EXPECT_EQ(keysOf(e.offline), (QStringList{"TL104", "TL68HE", "TL87"}));
}

// ---- profile folders and files

class ProfileFilesTest : public ::testing::Test
{
protected:
    QTemporaryDir root;
};

TEST_F(ProfileFilesTest, SerialNumberMustNameOneFolder)
{
    const QString r = root.path();
    EXPECT_EQ(DeviceProfileFiles::keyboardFolder(r, "TL87", "0123456789abcdefABCDEF0123456789"),
              r + "/TL87/0123456789abcdefABCDEF0123456789");
    for (const char *bad : {"", "../../../.config/autostart/x", "a/b", "sn with space", "..",
                            "0123456789abcdef0123456789abcdef0"}) {
        SCOPED_TRACE(bad);
        EXPECT_TRUE(DeviceProfileFiles::keyboardFolder(r, "TL87", QString::fromUtf8(bad)).isEmpty());
    }
    EXPECT_TRUE(DeviceProfileFiles::keyboardFolder(r, "..", "ABC").isEmpty());
    EXPECT_FALSE(DeviceProfileFiles::prepare(QString(), false, nullptr));
    EXPECT_TRUE(QDir(r).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST_F(ProfileFilesTest, FirstConnectionCreatesOnceSecondReadsBack)
{
    for (const bool magnetic : {false, true}) {
        SCOPED_TRACE(magnetic);
        const QString folder =
            DeviceProfileFiles::keyboardFolder(root.path(), magnetic ? "TL68HE" : "TL87", "SN1");
        QStringList defaultsFor;
        const auto defaults = [&](const char *p) { defaultsFor << QString::fromLocal8Bit(p); };
        QStringList created;
        ASSERT_TRUE(DeviceProfileFiles::prepare(folder, magnetic, defaults, &created));
        ASSERT_EQ(created.size(), magnetic ? 3 : 2);
        EXPECT_EQ(defaultsFor,
                  (QStringList{folder + "/appProfile_Default.xml", folder + "/appProfile_FN.xml"}));
        for (const QString &path : created) {
            const QByteArray p = QFile::encodeName(path);
            EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(p.constData()), 1);
            ProfileNodeList nodes;
            ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(p.constData(), &nodes));
            ASSERT_EQ(nodes.size(), 1u);
            EXPECT_EQ(nodes[0].first, "1");
            EXPECT_EQ(nodes[0].second, "Profile1");
        }

        // The user moves on to a second profile; a later connection must keep it.
        const QByteArray def = QFile::encodeName(created.first());
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(def.constData(), "2", "Profile2", 0));
        ASSERT_TRUE(CQuelmoXML_ModifyXMLFileProfileIndex(def.constData(), 2));
        created.clear();
        defaultsFor.clear();
        ASSERT_TRUE(DeviceProfileFiles::prepare(folder, magnetic, defaults, &created));
        EXPECT_TRUE(created.isEmpty());
        EXPECT_TRUE(defaultsFor.isEmpty());
        EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(def.constData()), 2);
    }
}

TEST_F(ProfileFilesTest, TwoKeyboardsOfOneModelUseTwoFolders)
{
    const QString a = DeviceProfileFiles::keyboardFolder(root.path(), "TL87", "AAAA");
    const QString b = DeviceProfileFiles::keyboardFolder(root.path(), "TL87", "BBBB");
    ASSERT_TRUE(DeviceProfileFiles::prepare(a, false, nullptr));
    ASSERT_TRUE(DeviceProfileFiles::prepare(b, false, nullptr));
    EXPECT_TRUE(QFileInfo(a + "/appProfile_Default.xml").isFile());
    EXPECT_TRUE(QFileInfo(b + "/appProfile_Default.xml").isFile());
    // Nothing lies in the model folder itself besides the two keyboard folders.
    EXPECT_EQ(QDir(root.path() + "/TL87").entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{"AAAA", "BBBB"}));
}

TEST_F(ProfileFilesTest, PathThatDoesNotFitIsRefused)
{
    const QString deep = root.path() + "/" + QString(240, 'd');
    const QString folder = DeviceProfileFiles::keyboardFolder(deep, "TL87", "SN");
    QStringList created;
    EXPECT_FALSE(DeviceProfileFiles::prepare(folder, false, nullptr, &created));
    EXPECT_TRUE(created.isEmpty());
}

TEST(LayerFilesTest, LayerAndPairedFileStayInTheShownFilesFolder)
{
    struct Case
    {
        const char *shown;
        int layer;
        const char *layerFile;
        const char *paired;
    } const cases[] = {
        {"/k/SN/appProfile_Default.xml", 1, "/k/SN/appProfile_FN.xml", "/k/SN/appProfile_FN.xml"},
        {"/k/SN/appProfile_FN.xml", 0, "/k/SN/appProfile_Default.xml", "/k/SN/appProfile_Default.xml"},
        {"/k/SN/appProfile_FN.xml", 1, "/k/SN/appProfile_FN.xml", "/k/SN/appProfile_Default.xml"},
        // Any layer but 0 is the FN file; the magnetic file pairs with FN like the Default file.
        {"/k/SN/appProfile_Default.xml", 2, "/k/SN/appProfile_FN.xml", "/k/SN/appProfile_FN.xml"},
        {"/k/SN/appProfile_Magnetic.xml", 0, "/k/SN/appProfile_Default.xml", "/k/SN/appProfile_FN.xml"},
        // A name without a folder pairs with nothing rather than with a file in the working folder.
        {"appProfile_FN.xml", 0, "", ""},
        {"", 1, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(DeviceProfileFiles::layerFile(c.shown, c.layer), QByteArray(c.layerFile));
        EXPECT_EQ(DeviceProfileFiles::pairedLayerFile(c.shown), QByteArray(c.paired));
    }
}

// ---- light defaults

TEST(CustomLightDefaultsTest, ResourceChoice)
{
    const std::vector<std::tuple<int, const char *, const char *>> table = {
        {84, "X", "customLightDefaultConfig_84.xml"},
        {69, "X", "customLightDefaultConfig_84.xml"},
        {83, "X", "customLightDefaultConfig_83.xml"},
        {97, "X", "customLightDefaultConfig_98.xml"},
        {99, "X", "customLightDefaultConfig_98.xml"},
        {100, "X", "customLightDefaultConfig_98.xml"},
        {61, "X", "customLightDefaultConfig_61.xml"},
        {18, "X", "customLightDefaultConfig_18.xml"},
        {68, "X", "customLightDefaultConfig_68.xml"},
        {68, "TL68HE", "customLightDefaultConfig_TL68HE.xml"},
        {68, "tl68he", "customLightDefaultConfig_68.xml"},
        {34, "X", "customLightDefaultConfig_34.xml"},
        {82, "X", "customLightDefaultConfig_82.xml"},
        {87, "TL87", "customLightDefaultConfig_TL87.xml"},
        {104, "TL104", "customLightDefaultConfig_TL104.xml"},
        {87, "X", "customLightDefaultConfig.xml"},
        {84, "TL68HE", "customLightDefaultConfig_84.xml"},
    };
    for (const auto &[count, model, file] : table) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(count).arg(model).toStdString());
        EXPECT_EQ(CustomLightDefaults::resourceName(count, QString::fromLatin1(model)),
                  QString::fromLatin1(file));
    }
}

class NewProfileDefaultsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        path = QFile::encodeName(dir.path() + "/appProfile_Default.xml");
        ASSERT_TRUE(CQuelmoXML_CreateXMLFile(path.constData()));
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0));
    }
    QTemporaryDir dir;
    QByteArray path;
};

TEST_F(NewProfileDefaultsTest, ThreeLightItemsAndFiveSchemesForEachModel)
{
    for (const auto &[model, keyCount] :
         std::vector<std::pair<QString, int>>{{"TL68HE", 68}, {"TL87", 87}, {"TL104", 104}}) {
        SCOPED_TRACE(model.toStdString());
        path = QFile::encodeName(dir.path() + "/" + model + ".xml");
        ASSERT_TRUE(CQuelmoXML_CreateXMLFile(path.constData()));
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0));
        CustomLightDefaults::addDefaultLightConfig(path.constData(), 1, false);
        CustomLightDefaults::addDefaultCustomLights(path.constData(), 1, keyCount, model);

        int items = 0;
        for (int target = 0; target < 4; ++target) {
            for (int type = 0; type < 32; ++type) {
                int v[14] = {};
                if (!CQuelmoXML_SelectProfileColorDataInfo(path.constData(), "1", target, type, v))
                    continue;
                ++items;
                EXPECT_LT(target, 3);
                EXPECT_EQ(type, 2);
                const int expected[14] = {target, 2, 3, 3, 255, 0, 0, 0, 0, 0, 0, 1, 0, 0};
                EXPECT_TRUE(std::equal(v, v + 14, expected));
            }
        }
        EXPECT_EQ(items, 3);
        EXPECT_EQ(CQuelmoXML_SelectProFileLightSynchronizeStatus(path.constData(), "1"), 0);

        QList<CustomLightNode> nodes;
        ASSERT_TRUE(CQuelmoXML_SelectProFileCustomLightAllNodes(path.constData(), "1", &nodes));
        ASSERT_EQ(nodes.size(), 5);
        const char *names[5] = {"Alphabets", "WASD+Arrows", "Custom 3", "Custom 4", "Custom 5"};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(QString::fromUtf8(nodes[i].index), QString::number(i));
            EXPECT_STREQ(nodes[i].name, names[i]);
            EXPECT_STREQ(nodes[i].usingStatus, i < 2 ? "Using" : "UnUsing");
            EXPECT_EQ(nodes[i].usingFlagIndex, i < 2 ? i : -1);
            QList<CustomLightItem> leds;
            CQuelmoXML_ProFileCustomLightInfoSelectAll(path.constData(), "1",
                                                       QByteArray::number(i).constData(), &leds);
            if (i >= 2) {
                EXPECT_TRUE(leds.isEmpty());
                continue;
            }
            std::set<int> codes;
            for (const CustomLightItem &led : leds) {
                codes.insert(QByteArray(led.keyCode).toInt());
                EXPECT_EQ(led.transparentNum, 128);
                EXPECT_GE(led.indexX, 0);
                EXPECT_LT(led.indexX, 6);
                EXPECT_GE(led.indexY, 0);
                EXPECT_LT(led.indexY, 22);
                if (i == 0)
                    EXPECT_EQ(std::make_tuple(led.colorR, led.colorG, led.colorB),
                              std::make_tuple(0, 0, 255));
                else
                    EXPECT_EQ(std::make_tuple(led.colorR, led.colorG, led.colorB),
                              std::make_tuple(255, 0, 0));
            }
            if (i == 0) {
                for (int letter = 4; letter < 30; ++letter)
                    EXPECT_TRUE(codes.count(letter)) << letter;
                EXPECT_FALSE(codes.count(44)); // the space bar is not a letter
            } else {
                EXPECT_EQ(codes, (std::set<int>{4, 7, 22, 26, 79, 80, 81, 82}));
            }
        }
    }
}

TEST_F(NewProfileDefaultsTest, SynchronisedMarkOnlyWhenAsked)
{
    CustomLightDefaults::addDefaultLightConfig(path.constData(), 1, true);
    EXPECT_EQ(CQuelmoXML_SelectProFileLightSynchronizeStatus(path.constData(), "1"), 1);
}

TEST_F(NewProfileDefaultsTest, ModelWithoutResourceGetsEmptySchemes)
{
    CustomLightDefaults::addDefaultCustomLights(path.constData(), 1, 61, "X");
    QList<CustomLightNode> nodes;
    ASSERT_TRUE(CQuelmoXML_SelectProFileCustomLightAllNodes(path.constData(), "1", &nodes));
    EXPECT_EQ(nodes.size(), 5);
    QList<CustomLightItem> leds;
    CQuelmoXML_ProFileCustomLightInfoSelectAll(path.constData(), "1", "0", &leds);
    EXPECT_TRUE(leds.isEmpty());
}
