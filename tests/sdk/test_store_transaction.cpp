// One write per user action, files from elsewhere read only when they are regular files, and
// imported names cut to their record.
#include "storefixture.h"
#include "storetransaction.h"

#include <QDir>
#include <QElapsedTimer>
#include <QIODevice>

#include <sys/stat.h>

namespace {

// Counts the store's file writes while it lives.
class WriteCounter
{
public:
    WriteCounter()
    {
        XmlStore::instance().setWriterForTesting([this](QIODevice &device, const QByteArray &data) {
            ++writes;
            return device.write(data);
        });
    }
    ~WriteCounter() { XmlStore::instance().setWriterForTesting({}); }
    int writes = 0;
};

using Transactions = StoreTest;

TEST_F(Transactions, ManyChangesAreOneWriteAtCommit)
{
    const QByteArray before = readAll(m_profile);
    WriteCounter counter;
    {
        StoreTransaction transaction;
        ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", "4", "A", "0", "1", "1", "5"));
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(p(), "2", "Profile2", 0));
        ASSERT_TRUE(CQuelmoXML_ModifyXMLFileProfileIndex(p(), 2));
        // Reads inside see the changes; the file does not have them yet.
        EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(p()), 2);
        EXPECT_EQ(readAll(m_profile), before);
        EXPECT_EQ(counter.writes, 0);
        EXPECT_TRUE(transaction.commit());
    }
    EXPECT_EQ(counter.writes, 1);
    XmlStore::instance().clearCache();
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(p()), 2);
    EXPECT_TRUE(CQuelmoXML_IsExistenceSelectProfileNode(p(), "2"));
}

TEST_F(Transactions, NestedOnesWriteOnceWhenTheOutermostCommits)
{
    WriteCounter counter;
    StoreTransaction outer;
    {
        StoreTransaction inner;
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(p(), "2", "Profile2", 0));
        EXPECT_TRUE(inner.commit());
    }
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(p(), "3", "Profile3", 0));
    EXPECT_EQ(counter.writes, 0);
    EXPECT_TRUE(outer.commit());
    EXPECT_EQ(counter.writes, 1);
}

TEST_F(Transactions, DroppedOrFailedOnesLeaveTheFileAsItWas)
{
    const QByteArray before = readAll(m_profile);
    struct Case
    {
        const char *what;
        bool failWrite;
        bool commit;
    };
    for (const Case &c : {Case{"rolled_back", false, false}, Case{"write_failed", true, true}}) {
        SCOPED_TRACE(c.what);
        if (c.failWrite)
            XmlStore::instance().setWriterForTesting(
                [](QIODevice &, const QByteArray &) -> qint64 { return 0; });
        {
            StoreTransaction transaction;
            ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(p(), "2", "Profile2", 0));
            ASSERT_TRUE(CQuelmoXML_ModifyXMLFileProfileIndex(p(), 2));
            if (c.commit) {
                EXPECT_FALSE(transaction.commit());
            }
        }
        XmlStore::instance().setWriterForTesting({});
        EXPECT_EQ(readAll(m_profile), before);
        // The store does not pretend the changes happened.
        EXPECT_FALSE(CQuelmoXML_IsExistenceSelectProfileNode(p(), "2"));
    }
}

TEST_F(Transactions, ANewFileAppearsOnlyWholeAtCommit)
{
    const QByteArray fresh = file("fresh.xml");
    WriteCounter counter;
    StoreTransaction transaction;
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(fresh));
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(fresh, "1", "Profile1", 0));
    ASSERT_TRUE(CQuelmoXML_ModifyXMLFileProfileIndex(fresh, 1));
    EXPECT_FALSE(QFile::exists(QFile::decodeName(fresh)));
    EXPECT_TRUE(transaction.commit());
    EXPECT_EQ(counter.writes, 1);
    XmlStore::instance().clearCache();
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(fresh), 1);
}

// A FIFO, a folder or a device as a store or an import source is refused at once, never waited on.
TEST_F(Transactions, OnlyRegularFilesAreRead)
{
    const QByteArray fifo = file("fifo.xml");
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    struct Source
    {
        const char *what;
        QByteArray path;
    };
    QElapsedTimer timer;
    timer.start();
    for (const Source &s : {Source{"fifo", fifo}, Source{"device", "/dev/zero"},
                            Source{"folder", QFile::encodeName(m_dir.path())}}) {
        SCOPED_TRACE(s.what);
        EXPECT_FALSE(CQuelmoXML_ProFileImport(p(), s.path, "1"));
        ProfileNodeList nodes;
        EXPECT_FALSE(CQuelmoXML_SelectProFileAllNodes(s.path, &nodes));
        QList<CustomLightItem> items;
        EXPECT_FALSE(CQuelmoXML_XmlCustomLightInfoSelectAll(s.path, "0", &items));
        QByteArray data;
        QString why;
        EXPECT_FALSE(XmlStore::readRegularFile(s.path, 1024, &data, &why));
        EXPECT_FALSE(why.isEmpty());
    }
    EXPECT_TRUE(CQuelmoXML_IsExistenceSelectProfileNode(p(), "1"));
}

TEST_F(Transactions, ImportedNamesAreCutToTheirRecordOnACharacterBoundary)
{
    // 639 bytes fit the name record; "é" is two bytes and would straddle the limit.
    const QString longName = QString(638, QLatin1Char('a')) + QString(100, QChar(0xe9));
    const QByteArray source = file("source.xml");
    writeRaw(source, "<tidelumen version=\"1\"><profile index=\"1\"><name>" + longName.toUtf8() +
                         "</name></profile></tidelumen>");
    ASSERT_TRUE(CQuelmoXML_ProFileImport(p(), source, "1"));
    ProfileNodeInfo info{};
    ASSERT_TRUE(CQuelmoXML_SelectProfileNodeInfo(p(), "2", &info));
    EXPECT_EQ(QByteArray(info.name), QByteArray(638, 'a'));
    XmlStore::instance().clearCache();
    EXPECT_LT(readAll(m_profile).size(), 2000);
}

} // namespace
