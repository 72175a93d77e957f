#include "storefixture.h"

namespace {

class SeniorKeys : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        m_path = file("SeniorKeyConfig.xml");
        ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateXMLFile(s()));
        ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(s()));
        ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(s())) << "idempotent";
    }
    const char *s() const { return m_path.constData(); }

    static SeniorKeyInfoStu record(int index, int type)
    {
        SeniorKeyInfoStu r;
        std::memset(&r, 0, sizeof r);
        r.index = index;
        r.type = type;
        std::snprintf(r.name, sizeof r.name, "%s%d", type == 1 ? "DKS" : type == 2 ? "MT" : "TGL", index);
        const int stroke[4] = {15, 36, 36, 15};
        std::memcpy(r.stroke, stroke, sizeof stroke);
        r.ValueTime = 150;
        return r;
    }

    QList<SeniorKeyInfoStu> all()
    {
        QList<SeniorKeyInfoStu> list;
        EXPECT_TRUE(CQuelmoXML_SeniorKey_SelectAllInfoItem(s(), &list));
        return list;
    }

    QByteArray m_path;
};

TEST_F(SeniorKeys, RecordsRoundTripWholeInStoreOrder)
{
    SeniorKeyInfoStu dks = record(2, SeniorKeyDKS);
    std::strcpy(dks.K1, "4");
    std::strcpy(dks.K2, "3,4");
    for (int i = 0; i < 16; ++i)
        dks.grid[i] = i % 4;
    ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(s(), SeniorKeyDKS, dks));
    ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(s(), SeniorKeyMT, record(1, SeniorKeyMT)));

    XmlStore::instance().clearCache();
    const QList<SeniorKeyInfoStu> list = all();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(std::memcmp(&list[0], &dks, sizeof dks), 0) << "every byte, padding after texts zeroed";
    EXPECT_EQ(list[1].index, 1);
    EXPECT_STREQ(list[1].name, "MT1");
}

struct AddRefusal
{
    const char *what;
    int paramType;
    int index;
    int recordType;
};

class SeniorKeyAddRefusal : public SeniorKeys, public testing::WithParamInterface<AddRefusal>
{
};

TEST_P(SeniorKeyAddRefusal, IsRefused)
{
    ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(s(), SeniorKeyTGL, record(1, SeniorKeyTGL)));
    const AddRefusal &c = GetParam();
    EXPECT_FALSE(CQuelmoXML_SeniorKey_AddInfoItem(s(), c.paramType, record(c.index, c.recordType)));
    EXPECT_EQ(all().size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Store, SeniorKeyAddRefusal,
                         testing::Values(AddRefusal{"duplicate_index", 1, 1, 1},
                                         AddRefusal{"index_zero", 1, 0, 1},
                                         AddRefusal{"unknown_kind", 4, 2, 4},
                                         AddRefusal{"kind_differs_from_record", 1, 2, 2}),
                         [](const auto &info) { return std::string(info.param.what); });

TEST_F(SeniorKeys, AtMostFortyRecords)
{
    for (int i = 1; i <= kSeniorKeyMaxCount; ++i)
        ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(s(), SeniorKeyTGL, record(i, SeniorKeyTGL)));
    EXPECT_FALSE(CQuelmoXML_SeniorKey_AddInfoItem(s(), SeniorKeyTGL, record(41, SeniorKeyTGL)));
}

TEST_F(SeniorKeys, ModifyReplacesTheRecordOfThatIndexOnly)
{
    ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(s(), SeniorKeyMT, record(3, SeniorKeyMT)));
    SeniorKeyInfoStu changed = record(3, SeniorKeyMT);
    std::strcpy(changed.K1, "224");
    changed.ValueTime = 400;
    EXPECT_TRUE(CQuelmoXML_SeniorKey_ModifyInfoItem(s(), SeniorKeyMT, changed));
    EXPECT_EQ(all()[0].ValueTime, 400);
    EXPECT_STREQ(all()[0].K1, "224");

    EXPECT_FALSE(CQuelmoXML_SeniorKey_ModifyInfoItem(s(), SeniorKeyMT, record(0, SeniorKeyMT)))
        << "never inserts";
    EXPECT_FALSE(CQuelmoXML_SeniorKey_ModifyInfoItem(s(), SeniorKeyDKS, record(3, SeniorKeyDKS)))
        << "the kind is fixed";
    EXPECT_EQ(all().size(), 1);

    EXPECT_FALSE(CQuelmoXML_SeniorKey_DeleteInfoItem(s(), SeniorKeyDKS, 3));
    EXPECT_TRUE(CQuelmoXML_SeniorKey_DeleteInfoItem(s(), SeniorKeyMT, 3));
    EXPECT_FALSE(CQuelmoXML_SeniorKey_DeleteInfoItem(s(), SeniorKeyMT, 3));
    EXPECT_TRUE(all().isEmpty());
}

TEST_F(SeniorKeys, UnreadableStoreReportsFalse)
{
    QList<SeniorKeyInfoStu> list;
    EXPECT_FALSE(CQuelmoXML_SeniorKey_SelectAllInfoItem(file("none.xml"), &list));
    // A store without its container node still reads (empty) and gets one on the first add.
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(file("bare.xml")));
    EXPECT_TRUE(CQuelmoXML_SeniorKey_SelectAllInfoItem(file("bare.xml"), &list));
    EXPECT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(file("bare.xml"), 1, record(1, 1)));
}

} // namespace
