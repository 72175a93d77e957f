#include "storefixture.h"

namespace {

colorInfoData lightRecord(int target, int type, int brightness)
{
    colorInfoData d{};
    d.hidType = target;
    d.ledType = type;
    d.ledBrightness = brightness;
    d.ledSpeed = 3;
    d.color1Red = 255;
    d.color2Blue = -7;
    d.fullColorMode = 1;
    return d;
}

TEST_F(StoreTest, LightItemsAreKeyedByTargetAndType)
{
    for (int target : {0, 1, 2})
        ASSERT_TRUE(CQuelmoXML_AddProFileLightInfoItem(p(), "1", lightRecord(target, 2, 3)));
    EXPECT_TRUE(CQuelmoXML_IsProFileAlreadyHaveLightInfo(p(), "1", 1, 2));
    EXPECT_FALSE(CQuelmoXML_IsProFileAlreadyHaveLightInfo(p(), "1", 1, 5));
    EXPECT_FALSE(CQuelmoXML_ModifyProFileLightInfoItem(p(), "1", 1, 5, lightRecord(1, 5, 1)))
        << "no such item";

    ASSERT_TRUE(CQuelmoXML_ModifyProFileLightInfoItem(p(), "1", 1, 2, lightRecord(1, 2, 4)));
    int values[14];
    std::fill(std::begin(values), std::end(values), -99);
    ASSERT_TRUE(CQuelmoXML_SelectProfileColorDataInfo(p(), "1", 1, 2, values));
    colorInfoData back;
    std::memcpy(&back, values, sizeof back);
    EXPECT_EQ(back, lightRecord(1, 2, 4));

    std::fill(std::begin(values), std::end(values), -99);
    EXPECT_FALSE(CQuelmoXML_SelectProfileColorDataInfo(p(), "1", 0, 7, values));
    EXPECT_EQ(values[0], -99);

    // Adding an existing item rewrites it rather than adding a second one.
    ASSERT_TRUE(CQuelmoXML_AddProFileLightInfoItem(p(), "1", lightRecord(0, 2, 1)));
    ASSERT_TRUE(CQuelmoXML_SelectProfileColorDataInfo(p(), "1", 0, 2, values));
    EXPECT_EQ(values[2], 1);
}

TEST_F(StoreTest, LightTypeInUseFallsBackToTheFirstItemOfTheTarget)
{
    EXPECT_EQ(CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(p(), "1", 0), -1) << "no light at all";
    ASSERT_TRUE(CQuelmoXML_AddProFileLightInfoItem(p(), "1", lightRecord(0, 2, 3)));
    ASSERT_TRUE(CQuelmoXML_AddProFileLightInfoItem(p(), "1", lightRecord(0, 10, 3)));
    EXPECT_EQ(CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(p(), "1", 0), 2);
    ASSERT_TRUE(CQuelmoXML_ModifyProFileMouseLightUsingIndex(p(), "1", 0, 10));
    ASSERT_TRUE(CQuelmoXML_ModifyProFileMouseLightUsingIndex(p(), "1", 1, 4));
    EXPECT_EQ(CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(p(), "1", 0), 10);
    EXPECT_EQ(CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(p(), "1", 1), 4);
    EXPECT_EQ(CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(p(), "7", 0), -1) << "no profile";
}

TEST_F(StoreTest, LightStatusDefaultsToZero)
{
    EXPECT_EQ(CQuelmoXML_SelectProFileLightTypeRuningStatus(p(), "1"), 0);
    EXPECT_EQ(CQuelmoXML_SelectProFileLightSynchronizeStatus(p(), "1"), 0);
    ASSERT_TRUE(CQuelmoXML_ModifyProFileLightSynchronizeStatus(p(), "1", 1));
    EXPECT_EQ(CQuelmoXML_SelectProFileLightSynchronizeStatus(p(), "1"), 1);
    EXPECT_EQ(CQuelmoXML_SelectProFileLightTypeRuningStatus(p(), "1"), 0);
    EXPECT_EQ(CQuelmoXML_SelectProFileLightSynchronizeStatus(p(), "2"), -1);
}

CustomLightItem item(const char *code, const char *name, int x, int y, int r, int g, int b)
{
    CustomLightItem i;
    std::memset(&i, 0, sizeof i);
    std::strcpy(i.keyCode, code);
    std::strcpy(i.codeName, name);
    i.indexX = x;
    i.indexY = y;
    i.colorR = r;
    i.colorG = g;
    i.colorB = b;
    i.transparentNum = 128;
    return i;
}

std::string describe(const CustomLightItem &i)
{
    return std::string(i.keyCode) + "/" + i.codeName + "/" + std::to_string(i.indexX) + "," +
           std::to_string(i.indexY) + "/" + std::to_string(i.colorR) + "," + std::to_string(i.colorG) + "," +
           std::to_string(i.colorB) + "/" + std::to_string(i.transparentNum);
}

TEST_F(StoreTest, CustomLightSchemesKeepOrderItemsAppendAndClear)
{
    ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightNode(p(), "1", "0", "Alphabets", "Using", 0));
    ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightNode(p(), "1", "1", "WASD+Arrows", "Using", 1));
    ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightNode(p(), "1", "2", "Custom 3", "UnUsing", -1));
    EXPECT_FALSE(CQuelmoXML_AddProFileCustomLightNode(p(), "1", "2", "dup", "UnUsing", -1));

    ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightDataInfo(p(), "1", "1", item("26", "W", 2, 2, 255, 0, 0)));
    ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightDataInfo(p(), "1", "1", item("4", "A", 3, 1, 255, 0, 0)));
    EXPECT_FALSE(CQuelmoXML_AddProFileCustomLightDataInfo(p(), "1", "9", item("4", "A", 3, 1, 1, 1, 1)));

    QList<CustomLightItem> items;
    ASSERT_TRUE(CQuelmoXML_ProFileCustomLightInfoSelectAll(p(), "1", "1", &items));
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(describe(items[0]), "26/W/2,2/255,0,0/128");
    EXPECT_EQ(describe(items[1]), "4/A/3,1/255,0,0/128");

    ASSERT_TRUE(CQuelmoXML_ModifyProFileCustomLightNodeUsingStatus(p(), "1", "1", "UnUsing", -1));
    ASSERT_TRUE(CQuelmoXML_ModifyProFileCustomLightNodeUsingStatus(p(), "1", "2", "Using", 1));
    ASSERT_TRUE(CQuelmoXML_ModifyProFileCustomLightNodeName(p(), "1", "2", "Mine ✓"));
    EXPECT_FALSE(CQuelmoXML_ModifyProFileCustomLightNodeName(p(), "1", "8", "x"));
    QList<CustomLightNode> nodes;
    ASSERT_TRUE(CQuelmoXML_SelectProFileCustomLightAllNodes(p(), "1", &nodes));
    ASSERT_EQ(nodes.size(), 3);
    EXPECT_STREQ(nodes[0].name, "Alphabets");
    EXPECT_STREQ(nodes[1].usingStatus, "UnUsing");
    EXPECT_EQ(nodes[1].usingFlagIndex, -1);
    EXPECT_STREQ(nodes[2].index, "2");
    EXPECT_STREQ(nodes[2].name, "Mine ✓");
    EXPECT_STREQ(nodes[2].usingStatus, "Using");
    EXPECT_EQ(nodes[2].usingFlagIndex, 1);

    EXPECT_TRUE(CQuelmoXML_ClearProFileCustomLightNode(p(), "1", "1"));
    EXPECT_TRUE(CQuelmoXML_ClearProFileCustomLightNode(p(), "1", "1")) << "an empty scheme clears too";
    EXPECT_FALSE(CQuelmoXML_ClearProFileCustomLightNode(p(), "1", "7")) << "no such scheme";
    items.clear();
    ASSERT_TRUE(CQuelmoXML_ProFileCustomLightInfoSelectAll(p(), "1", "1", &items));
    EXPECT_TRUE(items.isEmpty());
}

// A whole scheme is saved at once: the old LEDs go, the new ones come, and the file is written
// once; an item the store cannot hold, or a missing scheme, changes nothing.
TEST_F(StoreTest, ReplacingASchemesLedsIsOneWriteAndAllOrNothing)
{
    ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightNode(p(), "1", "0", "Alphabets", "Using", 0));
    ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightNode(p(), "1", "1", "WASD+Arrows", "Using", 1));
    ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightDataInfo(p(), "1", "0", item("4", "A", 3, 1, 9, 9, 9)));
    ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightDataInfo(p(), "1", "1", item("26", "W", 2, 2, 7, 7, 7)));

    QList<CustomLightItem> scheme;
    for (int k = 0; k < 104; ++k)
        scheme.append(item(std::to_string(k + 4).c_str(), "K", k / 22, k % 22, k, 255 - k, 128));
    int writes = 0;
    XmlStore::instance().setWriterForTesting([&writes](QIODevice &device, const QByteArray &data) {
        ++writes;
        return device.write(data);
    });
    EXPECT_TRUE(CQuelmoXML_ReplaceProFileCustomLightDataInfo(p(), "1", "0", scheme));
    EXPECT_EQ(writes, 1);

    CustomLightItem unsafe = item("5", "B", 0, 1, 1, 1, 1);
    std::strcpy(unsafe.codeName, "bad\x01");
    struct Refused
    {
        const char *why;
        const char *scheme;
        QList<CustomLightItem> items;
    };
    for (const Refused &r :
         {Refused{"item the file cannot hold", "0", {item("4", "A", 0, 0, 1, 1, 1), unsafe}},
          Refused{"no such scheme", "7", {item("4", "A", 0, 0, 1, 1, 1)}}}) {
        const QByteArray before = readAll(m_profile);
        EXPECT_FALSE(CQuelmoXML_ReplaceProFileCustomLightDataInfo(p(), "1", r.scheme, r.items)) << r.why;
        EXPECT_EQ(readAll(m_profile), before) << r.why;
    }
    EXPECT_EQ(writes, 1);
    XmlStore::instance().setWriterForTesting({});

    QList<CustomLightItem> items;
    ASSERT_TRUE(CQuelmoXML_ProFileCustomLightInfoSelectAll(p(), "1", "0", &items));
    ASSERT_EQ(items.size(), 104);
    EXPECT_EQ(describe(items[0]), "4/K/0,0/0,255,128/128");
    EXPECT_EQ(describe(items[103]), "107/K/4,15/103,152,128/128");
    items.clear();
    ASSERT_TRUE(CQuelmoXML_ProFileCustomLightInfoSelectAll(p(), "1", "1", &items));
    ASSERT_EQ(items.size(), 1) << "the other scheme keeps its LEDs";
    EXPECT_EQ(describe(items[0]), "26/W/2,2/7,7,7/128");
}

TEST_F(StoreTest, DefaultResourceSchemeIsReadInFileOrder)
{
    const QByteArray resource = file("customLightDefaultConfig.xml");
    writeRaw(resource,
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<customLight>\n"
             " <customLed index=\"0\" name=\"Alphabets\" isUsing=\"Using\" usingFlagIndex=\"0\">\n"
             "  <item keyCode=\"20\" codeName=\"Q\" indexX=\"2\" indexY=\"1\" colorR=\"0\" colorG=\"0\""
             " colorB=\"255\" transparentNum=\"128\"/>\n"
             "  <item keyCode=\"26\" codeName=\"W\" indexX=\"2\" indexY=\"2\" colorR=\"0\" colorG=\"0\""
             " colorB=\"255\" transparentNum=\"128\"/>\n"
             " </customLed>\n"
             " <customLed index=\"2\" name=\"Custom 3\" isUsing=\"UnUsing\" usingFlagIndex=\"-1\"/>\n"
             "</customLight>\n");
    QList<CustomLightItem> items;
    ASSERT_TRUE(CQuelmoXML_XmlCustomLightInfoSelectAll(resource, "0", &items));
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(describe(items[0]), "20/Q/2,1/0,0,255/128");
    EXPECT_EQ(describe(items[1]), "26/W/2,2/0,0,255/128");

    items.clear();
    EXPECT_TRUE(CQuelmoXML_XmlCustomLightInfoSelectAll(resource, "2", &items));
    EXPECT_TRUE(items.isEmpty());
    EXPECT_FALSE(CQuelmoXML_XmlCustomLightInfoSelectAll("", "0", &items)) << "empty path";
    EXPECT_FALSE(CQuelmoXML_XmlCustomLightInfoSelectAll(resource, "4", &items));
    EXPECT_TRUE(items.isEmpty());
}

TEST_F(StoreTest, WinLockSwitchesAndSleepTimesRoundTripAndMissesKeepPreFill)
{
    char switches[4][8];
    for (auto &s : switches)
        std::strcpy(s, "0");
    int light = 600, keyboard = 30;
    EXPECT_FALSE(CQuelmoXML_GetProFileFunctionInfo(p(), "1", switches));
    EXPECT_FALSE(CQuelmoXML_GetProFileIntoSleepTimeInfo(p(), "1", &light, &keyboard));
    EXPECT_STREQ(switches[3], "0");
    EXPECT_EQ(light, 600);
    EXPECT_EQ(keyboard, 30);

    ASSERT_TRUE(CQuelmoXML_AddProFileFunctionInfo(p(), "1", "1", "0", "0", "1"));
    ASSERT_TRUE(CQuelmoXML_AddProFileFunctionInfo(p(), "1", "1", "1", "0", "1"));
    ASSERT_TRUE(CQuelmoXML_GetProFileFunctionInfo(p(), "1", switches));
    EXPECT_STREQ(switches[0], "1"); // Alt+Tab
    EXPECT_STREQ(switches[1], "1"); // Alt+F4
    EXPECT_STREQ(switches[2], "0"); // Shift+Tab
    EXPECT_STREQ(switches[3], "1"); // Windows key
    EXPECT_FALSE(CQuelmoXML_AddProFileFunctionInfo(p(), "1", "12345678", "0", "0", "0"))
        << "field is 8 bytes";

    ASSERT_TRUE(CQuelmoXML_SetProFileIntoSleepTimeInfo(p(), "1", 120, 15));
    ASSERT_TRUE(CQuelmoXML_GetProFileIntoSleepTimeInfo(p(), "1", &light, &keyboard));
    EXPECT_EQ(light, 120);
    EXPECT_EQ(keyboard, 15);
    EXPECT_FALSE(CQuelmoXML_SetProFileIntoSleepTimeInfo(p(), "3", 1, 1));
}

} // namespace
