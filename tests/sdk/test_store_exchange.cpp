#include "storefixture.h"

namespace {

// A profile holding one of everything the store keeps.
class Exchange : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(p(), "2", "Work", 0));
        ASSERT_TRUE(
            CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "2", "4", "A", "6", "1", "1", "hi\nthere"));
        ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "2", "5", "B", "1", "3", "2", "7"));
        ASSERT_TRUE(CQuelmoXML_AddProFileBindMacroItem(
            p(), "2",
            {macroEvent("1", "0", "key", "4", "A", "down"), macroEvent("1", "20", "key", "4", "A", "up")},
            "7", "Macro7"));
        colorInfoData light{};
        light.hidType = 0;
        light.ledType = 2;
        light.ledBrightness = 3;
        ASSERT_TRUE(CQuelmoXML_AddProFileLightInfoItem(p(), "2", light));
        ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightNode(p(), "2", "0", "Alphabets", "Using", 0));
        ASSERT_TRUE(CQuelmoXML_AddProFileFunctionInfo(p(), "2", "1", "0", "0", "1"));
        ASSERT_TRUE(CQuelmoXML_SetProFileIntoSleepTimeInfo(p(), "2", 600, 30));
    }
};

TEST_F(Exchange, ExportThenImportAddsACopyUnderTheNextFreeIndex)
{
    const QByteArray exported = file("Work.xml");
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(exported));
    ASSERT_TRUE(CQuelmoXML_ProFileExport(p(), exported, "2", 0));
    // Exporting again replaces the node of the same index instead of adding a second one.
    ASSERT_TRUE(CQuelmoXML_ProFileExport(p(), exported, "2", 0));
    ProfileNodeList inExport;
    ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(exported, &inExport));
    EXPECT_EQ(inExport, (ProfileNodeList{{"2", "Work"}}));

    const QByteArray other = file("appProfile_FN.xml");
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(other));
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(other, "1", "Profile1", 0));
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(other, "4", "Profile4", 0));
    ASSERT_TRUE(CQuelmoXML_ProFileImport(other, exported, "2"));

    ProfileNodeList nodes;
    ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(other, &nodes));
    EXPECT_EQ(nodes, (ProfileNodeList{{"1", "Profile1"}, {"4", "Profile4"}, {"5", "Work"}}));

    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    ASSERT_TRUE(CQuelmoXML_SelectProFileKeyOperateInfo(other, "5", "4", &info));
    EXPECT_STREQ(info.value, "hi\nthere");
    QList<MacroEventRecord> events;
    ASSERT_TRUE(CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(other, "5", "7", "", &events));
    EXPECT_EQ(events.size(), 2);
    EXPECT_EQ(CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(other, "5", 0), 2);
    int light = 0, keyboard = 0;
    ASSERT_TRUE(CQuelmoXML_GetProFileIntoSleepTimeInfo(other, "5", &light, &keyboard));
    EXPECT_EQ(light, 600);
    EXPECT_EQ(keyboard, 30);
}

TEST_F(Exchange, ExportNeedsAnExistingNodeAndTarget)
{
    EXPECT_FALSE(CQuelmoXML_ProFileExport(p(), file("Work.xml"), "2", 0)) << "target file not created";
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(file("Work.xml")));
    EXPECT_FALSE(CQuelmoXML_ProFileExport(p(), file("Work.xml"), "9", 0));
    EXPECT_FALSE(CQuelmoXML_ProFileExport(p(), p(), "2", 0)) << "a file is not its own export target";
}

TEST_F(Exchange, ExportOverAForeignFileMovesItAsideAndFails)
{
    const QByteArray target = file("Work.xml");
    const QByteArray foreign = "<notes><note>keep me</note></notes>";
    writeRaw(target, foreign);
    EXPECT_FALSE(CQuelmoXML_ProFileExport(p(), target, "2", 0));
    const auto moved = XmlStore::instance().takeMovedAside();
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(readAll(QFile::encodeName(moved[0].second)), foreign);
    // The page creates the store file when none exists, and the export then succeeds.
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(target));
    EXPECT_TRUE(CQuelmoXML_ProFileExport(p(), target, "2", 0));
}

struct BadImport
{
    const char *what;
    QByteArray content;
};

class ImportRefusal : public StoreTest, public testing::WithParamInterface<BadImport>
{
};

TEST_P(ImportRefusal, ChangesNothingAndLeavesTheSourceAlone)
{
    const QByteArray source = file("import.xml");
    writeRaw(source, GetParam().content);
    const QByteArray before = readAll(m_profile);

    EXPECT_FALSE(CQuelmoXML_ProFileImport(p(), source, "1"));
    EXPECT_EQ(readAll(m_profile), before);
    EXPECT_EQ(readAll(source), GetParam().content);
    EXPECT_TRUE(XmlStore::instance().takeMovedAside().isEmpty());
}

QByteArray wrap(const QByteArray &profileBody)
{
    return "<tidelumen version=\"1\"><profile index=\"1\"><name>P</name>" + profileBody +
           "</profile></tidelumen>";
}

QByteArray huge()
{
    QByteArray body;
    const QByteArray key = "<key code=\"4\" type=\"6\" repeat=\"1\" playMode=\"1\"><value>" +
                           QByteArray(4000, 'a') + "</value></key>";
    for (int i = 0; body.size() <= XmlStore::kMaxImportBytes; ++i)
        body += QByteArray(key).replace("code=\"4\"", "code=\"" + QByteArray::number(i) + "\"");
    return wrap(body);
}

INSTANTIATE_TEST_SUITE_P(
    Store, ImportRefusal,
    testing::Values(
        BadImport{"malformed", "<tidelumen version=\"1\"><profile index=\"1\">"},
        BadImport{"foreign_root", "<profiles><profile index=\"1\"/></profiles>"},
        BadImport{"no_such_profile", "<tidelumen version=\"1\"><profile index=\"2\"/></tidelumen>"},
        BadImport{"entity_declaration",
                  "<?xml version=\"1.0\"?><!DOCTYPE t [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
                  "<tidelumen version=\"1\"><profile index=\"1\"><name>&x;</name></profile></tidelumen>"},
        BadImport{"unknown_element", wrap("<script>x</script>")},
        BadImport{"unknown_attribute",
                  wrap("<key code=\"4\" type=\"0\" repeat=\"1\" playMode=\"1\" x=\"1\"/>")},
        BadImport{"key_without_type", wrap("<key code=\"4\" repeat=\"1\" playMode=\"1\"/>")},
        BadImport{"key_code_not_a_number", wrap("<key code=\"A\" type=\"0\" repeat=\"1\" playMode=\"1\"/>")},
        BadImport{"duplicate_key", wrap("<key code=\"4\" type=\"0\" repeat=\"1\" playMode=\"1\"/>"
                                        "<key code=\"4\" type=\"0\" repeat=\"1\" playMode=\"1\"/>")},
        BadImport{"value_too_long", wrap("<key code=\"4\" type=\"6\" repeat=\"1\" playMode=\"1\"><value>" +
                                         QByteArray(5120, 'v') + "</value></key>")},
        BadImport{"control_character_reference",
                  wrap("<key code=\"4\" type=\"6\" repeat=\"1\" playMode=\"1\"><value>a&#1;b</value></key>")},
        BadImport{"invalid_utf8",
                  "<tidelumen version=\"1\"><profile index=\"1\"><name>caf\xe9</name></profile></tidelumen>"},
        BadImport{"light_values_short", wrap("<light target=\"0\" type=\"2\" values=\"1,2,3\"/>")},
        BadImport{"event_field_too_long",
                  wrap("<boundMacro index=\"3\"><event mark=\"" + QByteArray(64, '1') + "\"/></boundMacro>")},
        BadImport{"nested_text_element", wrap("<key code=\"4\" type=\"6\" repeat=\"1\" playMode=\"1\">"
                                              "<value><b>x</b></value></key>")},
        BadImport{"too_large", huge()}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(StoreTest, ImportFromAMissingFileOrIntoAMissingStoreFails)
{
    EXPECT_FALSE(CQuelmoXML_ProFileImport(p(), file("nothing.xml"), "1"));
    const QByteArray source = file("ok.xml");
    writeRaw(source, wrap(""));
    EXPECT_FALSE(CQuelmoXML_ProFileImport(file("nothing.xml"), source, "1"));
    EXPECT_TRUE(CQuelmoXML_ProFileImport(p(), source, "1"));
}

} // namespace
