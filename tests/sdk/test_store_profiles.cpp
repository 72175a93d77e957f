#include "storefixture.h"

#include <QDir>
#include <QFileInfo>

namespace {

using Profiles = StoreTest;

TEST_F(Profiles, StoredCurrentIndexIsMinusOneUntilSetAndForUnusableFiles)
{
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(p()), -1);
    EXPECT_TRUE(CQuelmoXML_ModifyXMLFileProfileIndex(p(), 3));
    // An index naming no profile is no current profile.
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(p()), -1);
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(p(), "3", "Profile3", 0));
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(p()), 3);

    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(file("missing.xml")), -1);
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(nullptr), -1);
    EXPECT_FALSE(CQuelmoXML_ModifyXMLFileProfileIndex(file("missing.xml"), 1));
    EXPECT_FALSE(QFile::exists(QFile::decodeName(file("missing.xml"))));
}

TEST_F(Profiles, CreateKeepsAnExistingStoreFile)
{
    ASSERT_TRUE(CQuelmoXML_ModifyXMLFileProfileIndex(p(), 1));
    const QByteArray before = readAll(m_profile);
    EXPECT_TRUE(CQuelmoXML_CreateXMLFile(p()));
    EXPECT_EQ(readAll(m_profile), before);
}

TEST_F(Profiles, NodeLifeCycleKeepsFileOrder)
{
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(p(), "2", "Zweite Ebene ✓", 0));
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(p(), "5", "Profile5", 0));
    EXPECT_FALSE(CQuelmoXML_CreateProFileXmlParentNode(p(), "2", "again", 0)) << "duplicate index";
    EXPECT_TRUE(CQuelmoXML_IsExistenceSelectProfileNode(p(), "5"));
    EXPECT_FALSE(CQuelmoXML_IsExistenceSelectProfileNode(p(), "4"));

    ProfileNodeList nodes;
    ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(p(), &nodes));
    const ProfileNodeList expected = {{"1", "Profile1"}, {"2", "Zweite Ebene ✓"}, {"5", "Profile5"}};
    EXPECT_EQ(nodes, expected);

    EXPECT_TRUE(CQuelmoXML_ModifyProfileNodeInfo(p(), "2", "Line\nbreak"));
    ProfileNodeInfo info;
    std::memset(&info, 0x55, sizeof info);
    ASSERT_TRUE(CQuelmoXML_SelectProfileNodeInfo(p(), "2", &info));
    EXPECT_STREQ(info.index, "2");
    EXPECT_STREQ(info.name, "Line\nbreak");

    EXPECT_TRUE(CQuelmoXML_DeleteProFileSelectedNode(p(), "2"));
    EXPECT_FALSE(CQuelmoXML_DeleteProFileSelectedNode(p(), "2"));
    nodes.clear();
    ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(p(), &nodes));
    EXPECT_EQ(nodes, (ProfileNodeList{{"1", "Profile1"}, {"5", "Profile5"}}));
}

TEST_F(Profiles, NodeInfoMissLeavesBufferAndLongNamesAreCutOnCharacterBoundary)
{
    ProfileNodeInfo info;
    std::memset(&info, 'x', sizeof info);
    EXPECT_FALSE(CQuelmoXML_SelectProfileNodeInfo(p(), "9", &info));
    EXPECT_EQ(info.index[0], 'x');

    std::string longName;
    while (longName.size() < 700)
        longName += "é";
    ASSERT_TRUE(CQuelmoXML_ModifyProfileNodeInfo(p(), "1", longName.c_str()));
    ASSERT_TRUE(CQuelmoXML_SelectProfileNodeInfo(p(), "1", &info));
    EXPECT_EQ(std::strlen(info.name), 638u);
    EXPECT_EQ(std::string(info.name), longName.substr(0, 638));
}

struct RefusedCase
{
    const char *what;
    const char *index;
    const char *name;
};

class ProfileRefusal : public StoreTest, public testing::WithParamInterface<RefusedCase>
{
};

TEST_P(ProfileRefusal, RefusedWithoutChangingTheFile)
{
    const QByteArray before = readAll(m_profile);
    EXPECT_FALSE(CQuelmoXML_CreateProFileXmlParentNode(p(), GetParam().index, GetParam().name, 0));
    EXPECT_EQ(readAll(m_profile), before);
}

INSTANTIATE_TEST_SUITE_P(Store, ProfileRefusal,
                         testing::Values(RefusedCase{"control character", "2", "bad\x01name"},
                                         RefusedCase{"invalid UTF-8", "2", "caf\xe9"},
                                         RefusedCase{"index not a number", "two", "x"},
                                         RefusedCase{"index too long for the record", "12345678", "x"},
                                         RefusedCase{"no name", "2", nullptr}),
                         [](const auto &info) {
                             std::string s = info.param.what;
                             for (char &c : s)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return s;
                         });

struct BrokenFileCase
{
    const char *what;
    QByteArray content;
};

class BrokenStoreFile : public StoreTest, public testing::WithParamInterface<BrokenFileCase>
{
};

TEST_P(BrokenStoreFile, FailsReadsInPlaceAndIsMovedAsideBeforeAnyWrite)
{
    const QByteArray path = file("broken.xml");
    writeRaw(path, GetParam().content);
    // Reading leaves the file alone (it may be a file the user chose for import).
    ProfileNodeList nodes;
    EXPECT_FALSE(CQuelmoXML_SelectProFileAllNodes(path, &nodes));
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(path), -1);
    EXPECT_TRUE(nodes.empty());
    EXPECT_EQ(readAll(path), GetParam().content);
    EXPECT_TRUE(XmlStore::instance().takeMovedAside().isEmpty());

    EXPECT_FALSE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(path, "1", "4", "A", "0", "1", "1", "5"));

    const auto moved = XmlStore::instance().takeMovedAside();
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved[0].first, QFile::decodeName(path));
    EXPECT_EQ(readAll(QFile::encodeName(moved[0].second)), GetParam().content)
        << "backup holds the old bytes";
    EXPECT_FALSE(QFile::exists(QFile::decodeName(path)));

    // The caller may now create a fresh store in its place.
    EXPECT_TRUE(CQuelmoXML_CreateXMLFile(path));
    EXPECT_EQ(readAll(QFile::encodeName(moved[0].second)), GetParam().content);
}

INSTANTIATE_TEST_SUITE_P(
    Store, BrokenStoreFile,
    testing::Values(BrokenFileCase{"truncated",
                                   "<?xml version=\"1.0\"?><tidelumen version=\"1\"><profile index="},
                    BrokenFileCase{"empty", ""}, BrokenFileCase{"foreign", "<html><body>hello</body></html>"},
                    BrokenFileCase{"other_version", "<tidelumen version=\"7\"/>"},
                    BrokenFileCase{"binary", QByteArray("\x00\xff\xfe garbage", 12)}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(Profiles, DocumentIsReReadWhenTheFileChangesOnDisk)
{
    ProfileNodeList nodes;
    ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(p(), &nodes));
    ASSERT_EQ(nodes.size(), 1u);

    // Another writer replaces the file (as our own atomic writes do).
    const QByteArray other = file("other.xml");
    writeRaw(other,
             "<tidelumen version=\"1\" currentProfile=\"7\"><profile index=\"7\"><name>From disk</name>"
             "</profile></tidelumen>");
    ASSERT_EQ(::rename(other.constData(), p()), 0);

    nodes.clear();
    ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(p(), &nodes));
    EXPECT_EQ(nodes, (ProfileNodeList{{"7", "From disk"}}));
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(p()), 7);

    // Rewritten in place (same inode): the modification time tells.
    writeRaw(m_profile,
             "<tidelumen version=\"1\"><profile index=\"8\"><name>In place</name></profile></tidelumen>");
    nodes.clear();
    ASSERT_TRUE(CQuelmoXML_SelectProFileAllNodes(p(), &nodes));
    EXPECT_EQ(nodes, (ProfileNodeList{{"8", "In place"}}));

    // A file removed behind our back is gone for the store too.
    ASSERT_TRUE(QFile::remove(QFile::decodeName(m_profile)));
    EXPECT_FALSE(CQuelmoXML_IsExistenceSelectProfileNode(p(), "8"));
}

} // namespace
