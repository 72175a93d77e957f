#include "ddksshowwidget.h"
#include "gridmouse.h"
#include "seniorkeystore.h"
#include "storefixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <cstring>

namespace {

using Store = SeniorStoreTest;

TEST_F(Store, CreateNumbersFromTheRecordsReadAndKeepsThemInIndexOrder)
{
    add(seniorkey::defaultRecord(7, SeniorKeyMT));
    add(seniorkey::defaultRecord(2, SeniorKeyDKS));
    SeniorKeyStore store = SeniorKeyStore::current();
    QList<SeniorKeyInfoStu> list;
    ASSERT_TRUE(store.readAll(&list));
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].index, 2);
    EXPECT_EQ(list[1].index, 7);

    SeniorKeyInfoStu created{};
    ASSERT_TRUE(store.create(SeniorKeyTGL, list, {}, &created));
    EXPECT_STREQ(created.name, "TGL8");
    SeniorKeyInfoStu stored{};
    ASSERT_TRUE(store.read(8, &stored));
    EXPECT_EQ(std::memcmp(&stored, &created, sizeof stored), 0);
}

TEST_F(Store, ARefusedChangeGivesBackTheStoredRecord)
{
    SeniorKeyInfoStu r = seniorkey::defaultRecord(1, SeniorKeyDKS);
    add(r);
    SeniorKeyStore store = SeniorKeyStore::current();

    r.grid[5] = 1;
    ASSERT_TRUE(store.modify(&r));
    EXPECT_EQ(r.grid[5], 1);

    failWrites();
    r.grid[6] = 2;
    std::strcpy(r.K2, "4");
    EXPECT_FALSE(store.modify(&r));
    EXPECT_EQ(r.grid[5], 1) << "the stored change stays";
    EXPECT_EQ(r.grid[6], 0) << "the refused one is taken back";
    EXPECT_STREQ(r.K2, "");
}

// What the dialog does with the grid editor's record: store it, and on refusal show the stored one.
TEST_F(Store, TheGridEditorShowsWhatTheStoreHoldsAfterARefusal)
{
    add(seniorkey::defaultRecord(3, SeniorKeyDKS));
    SeniorKeyStore store = SeniorKeyStore::current();
    DDksShowWidget grid;
    grid.resize(400, 200);
    grid.setDrawAreaSize(400, 200);
    SeniorKeyInfoStu r{};
    ASSERT_TRUE(store.read(3, &r));
    grid.setSeniorKeyInfoStu(r);
    QObject::connect(&grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS, &grid, [&] {
        SeniorKeyInfoStu edited = grid.getSeniorKeyInfoStu();
        if (!store.modify(&edited))
            grid.setSeniorKeyInfoStu(edited);
    });

    failWrites();
    const QPoint crossing = grid.crossingCenter(0, 0);
    gridmouse::click(&grid, crossing);
    EXPECT_EQ(grid.getSeniorKeyInfoStu().grid[0], 0);

    XmlStore::instance().setWriterForTesting({});
    gridmouse::click(&grid, crossing);
    EXPECT_EQ(grid.getSeniorKeyInfoStu().grid[0], 1);
    ASSERT_TRUE(store.read(3, &r));
    EXPECT_EQ(r.grid[0], 1);
}

class Bindings : public SeniorStoreTest
{
protected:
    // A keyboard folder with a Default and an FN file, profiles 1 and 2, keys bound as given.
    QString makeKeyboard(const QString &relative, const QList<std::pair<const char *, const char *>> &items)
    {
        const QString folder = m_dir.path() + QLatin1Char('/') + relative;
        EXPECT_TRUE(QDir().mkpath(folder));
        for (const char *name : {"/appProfile_Default.xml", "/appProfile_FN.xml"}) {
            const QByteArray path = QFile::encodeName(folder + QLatin1String(name));
            EXPECT_TRUE(CQuelmoXML_CreateXMLFile(path.constData()));
            EXPECT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0));
            EXPECT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(path.constData(), "2", "Profile2", 0));
        }
        int code = 4;
        for (const auto &item : items) {
            const QByteArray path = QFile::encodeName(folder + QStringLiteral("/appProfile_FN.xml"));
            const QByteArray keyCode = QByteArray::number(code++);
            EXPECT_TRUE(CQuelmoXML_AddProFileMacroWithKeyInfoItem(path.constData(), "2", keyCode.constData(),
                                                                  "K", item.first, "0", "0", item.second));
        }
        return folder;
    }
};

TEST_F(Bindings, CollectsTheAdvancedKeysThatKeysOfAnyKeyboardAndProfileReferTo)
{
    makeKeyboard(QStringLiteral("TL68HE/SN1"), {{"40", "5"}, {"1", "9"}, {"40", "x"}});
    makeKeyboard(QStringLiteral("TL68HE/SN2"), {{"40", "11"}, {"2", "3,4"}});
    const QStringList files = SeniorKeyStore::keyProfileFiles(m_dir.path());
    EXPECT_EQ(files.size(), 4);
    EXPECT_EQ(SeniorKeyStore::boundIndexes(files), (QSet<int>{5, 11}));
}

// A key still bound to a deleted record must not silently become bound to the next new record.
TEST_F(Bindings, ADeletedNumberStillBoundToAKeyIsNotGivenAgain)
{
    for (int i = 1; i <= 5; ++i)
        add(seniorkey::defaultRecord(i, SeniorKeyDKS));
    const QString keyboard = makeKeyboard(QStringLiteral("TL68HE/SN1"), {{"40", "5"}});
    SeniorKeyStore store = SeniorKeyStore::current();
    ASSERT_TRUE(store.remove(SeniorKeyDKS, 5));

    QList<SeniorKeyInfoStu> list;
    ASSERT_TRUE(store.readAll(&list));
    SeniorKeyInfoStu created{};
    ASSERT_TRUE(store.create(SeniorKeyMT, list,
                             SeniorKeyStore::boundIndexes(SeniorKeyStore::keyProfileFiles(m_dir.path())),
                             &created));
    EXPECT_EQ(created.index, 6);

    // Once nothing refers to it any more, the number is free as before.
    ASSERT_TRUE(store.remove(SeniorKeyMT, 6));
    const QByteArray fn = QFile::encodeName(keyboard + QStringLiteral("/appProfile_FN.xml"));
    ASSERT_TRUE(CQuelmoXML_DeleteProFileMacroWithKeyInfoItem(fn.constData(), "2", "4", "K"));
    ASSERT_TRUE(store.readAll(&list));
    ASSERT_TRUE(store.create(SeniorKeyMT, list,
                             SeniorKeyStore::boundIndexes(SeniorKeyStore::keyProfileFiles(m_dir.path())),
                             &created));
    EXPECT_EQ(created.index, 5);
}

TEST_F(Store, CreateIsRefusedWhenFullOrWhenTheStoreRefuses)
{
    QList<SeniorKeyInfoStu> forty;
    for (int i = 1; i <= 40; ++i)
        forty << seniorkey::defaultRecord(i, SeniorKeyDKS);
    SeniorKeyStore store = SeniorKeyStore::current();
    EXPECT_FALSE(store.create(SeniorKeyDKS, forty, {}, nullptr));
    failWrites();
    EXPECT_FALSE(store.create(SeniorKeyDKS, {}, {}, nullptr));
    XmlStore::instance().setWriterForTesting({});
    QList<SeniorKeyInfoStu> list;
    ASSERT_TRUE(store.readAll(&list));
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(Store, AnUnreadableStoreReadsAsEmptyAndFails)
{
    SeniorKeyStore store(QFile::encodeName(m_dir.path() + QStringLiteral("/missing/SeniorKeyConfig.xml")));
    QList<SeniorKeyInfoStu> list{seniorkey::defaultRecord(1, SeniorKeyDKS)};
    EXPECT_FALSE(store.readAll(&list));
    EXPECT_TRUE(list.isEmpty());
}

} // namespace
