#include "storefixture.h"

#include <QDir>
#include <QIODevice>
#include <unistd.h>

namespace {

struct FailingWriter
{
    const char *what;
    XmlStore::Writer writer;
};

class InterruptedWrite : public StoreTest, public testing::WithParamInterface<FailingWriter>
{
};

TEST_P(InterruptedWrite, LeavesThePreviousFileByteIdentical)
{
    ASSERT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", "4", "A", "0", "1", "1", "5"));
    const QByteArray before = readAll(m_profile);

    XmlStore::instance().setWriterForTesting(GetParam().writer);
    EXPECT_FALSE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", "5", "B", "0", "1", "1", "6"));
    EXPECT_FALSE(CQuelmoXML_DeleteProFileMacroWithKeyInfoItem(p(), "1", "4", "A"));
    EXPECT_FALSE(CQuelmoXML_ModifyXMLFileProfileIndex(p(), 2));
    XmlStore::instance().setWriterForTesting({});

    EXPECT_EQ(readAll(m_profile), before);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"appProfile_Default.xml"});
    // The store does not pretend the failed changes happened.
    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    EXPECT_FALSE(CQuelmoXML_SelectProFileKeyOperateInfo(p(), "1", "5", &info));
    EXPECT_TRUE(CQuelmoXML_SelectProFileKeyOperateInfo(p(), "1", "4", &info));
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(p()), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Store, InterruptedWrite,
    testing::Values(FailingWriter{"half_written_then_error",
                                  [](QIODevice &device, const QByteArray &data) -> qint64 {
                                      device.write(data.left(data.size() / 2));
                                      return -1;
                                  }},
                    FailingWriter{"disk_full", [](QIODevice &, const QByteArray &) -> qint64 { return 0; }},
                    FailingWriter{"short_write",
                                  [](QIODevice &device, const QByteArray &data) -> qint64 {
                                      return device.write(data.left(data.size() - 1));
                                  }}),
    [](const auto &info) { return std::string(info.param.what); });

TEST_F(StoreTest, UnwritableFolderLeavesTheFileAndReportsFailure)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; the failing writers cover this";
    const QByteArray before = readAll(m_profile);
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    EXPECT_FALSE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(p(), "1", "5", "B", "0", "1", "1", "6"));
    QFile::setPermissions(m_dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(readAll(m_profile), before);
}

} // namespace
