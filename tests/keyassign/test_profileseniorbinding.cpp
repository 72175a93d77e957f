// The Switch Profile and Senior Keys tabs through the host page: what a load shows and writes,
// and that each pick writes exactly once.
#include "bindingpages_fixture.h"

#include "ddatamanager.h"

#include <QStackedWidget>

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr char kProfilePage[] = "DChangProfilePage";
constexpr char kSeniorPage[] = "DSeniorKeysBindingPage";

class SwitchProfileBinding : public BindingPages
{
protected:
    SwitchProfileBinding()
    {
        // Profiles "1" and "2" named "P" (made by the folder), then "3" "Game" and "4" "P".
        EXPECT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(folder.defaultLayer.constData(), "3", "Game", 0));
        EXPECT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(folder.defaultLayer.constData(), "4", "P", 0));
    }
    QComboBox *combo() const { return widget<QComboBox>(kProfilePage, "comboBox_Profile"); }
    QByteArray fileBytes() const
    {
        QFile f(QString::fromLocal8Bit(folder.defaultLayer));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(SwitchProfileBinding, LoadingWritesNothingAndEachPickWritesOnce)
{
    open(kKeyA, "toolButton_SwitchProfile");
    EXPECT_EQ(entries(combo()), (QStringList{"P", "P", "Game", "P"}));
    EXPECT_EQ(combo()->currentIndex(), 0);
    KeyOperateInfo info{};
    EXPECT_FALSE(stored(kKeyA, info)) << "loading writes nothing";

    PageSignals heard(page(kProfilePage));
    pick(combo(), 0); // the entry already shown
    ASSERT_EQ(heard.writes(), 1);
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_STREQ(info.type, "7");
    EXPECT_STREQ(info.repeat, "1");
    EXPECT_STREQ(info.playMode, "1");
    EXPECT_STREQ(info.value, "1");
    EXPECT_EQ(heard.updated.at(0).at(0).toInt(), kKeyA);

    pick(combo(), 2);
    EXPECT_EQ(heard.writes(), 2);
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_STREQ(info.value, "3");

    // Only a pick writes; changing what is shown by other means does not.
    combo()->setCurrentIndex(1);
    EXPECT_EQ(heard.writes(), 2);
}

TEST_F(SwitchProfileBinding, TheBoundProfileIsShownByIndex)
{
    const struct
    {
        const char *value;
        int shownEntry;
    } loads[] = {
        {"4", 3},                     // the second "P" of the same name
        {"2", 1}, {"3", 2}, {"9", 0}, // a profile that is gone: the first one, and the item stays as it is
        {"x", 0},
    };
    for (const auto &l : loads) {
        SCOPED_TRACE(l.value);
        ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, "A", 7, 1, 1, l.value));
        const QByteArray before = fileBytes();
        // The type button is hidden in the window; the page opens the same way for a stored item.
        select(kKeyA);
        EXPECT_EQ(host->findChild<QStackedWidget *>()->currentWidget()->objectName(),
                  QStringLiteral("page_SwitchProfile"));
        EXPECT_EQ(combo()->currentIndex(), l.shownEntry);
        EXPECT_EQ(fileBytes(), before);
    }

    // Another type shows the first profile and is replaced only by a pick.
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyB, "B", 0, 1, 1, "30"));
    open(kKeyB, "toolButton_SwitchProfile");
    EXPECT_EQ(combo()->currentIndex(), 0);
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyB, info));
    EXPECT_STREQ(info.type, "0");
    pick(combo(), 3);
    ASSERT_TRUE(stored(kKeyB, info));
    EXPECT_STREQ(info.type, "7");
    EXPECT_STREQ(info.value, "4");
}

class SeniorKeysBinding : public BindingPages
{
protected:
    void addRecord(int index, const char *name)
    {
        SeniorKeyInfoStu r{};
        r.index = index;
        r.type = 2;
        fixedtext::copy(r.name, name);
        ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(seniorFile.constData(), r.type, r));
    }
    void removeRecord(int index)
    {
        ASSERT_TRUE(CQuelmoXML_SeniorKey_DeleteInfoItem(seniorFile.constData(), 2, index));
    }
    QComboBox *combo() const { return widget<QComboBox>(kSeniorPage, "comboBox_SeniorKeys"); }
    // A key bound to an advanced key opens the Senior Keys tab (its type button is hidden).
    void bindAndSelect(int keyCode, const char *value)
    {
        ASSERT_TRUE(keyfunctionitem::save(layer(), keyCode, "K", 40, 1, 1, value));
        select(keyCode);
        ASSERT_EQ(host->findChild<QStackedWidget *>()->currentWidget()->objectName(),
                  QStringLiteral("page_SeniorKeysBind"));
    }
};

TEST_F(SeniorKeysBinding, TheBoundRecordIsShownByIndexAndAGoneOneAsMissing)
{
    addRecord(3, "Tap W");
    addRecord(1, "Hold Q");
    addRecord(2, "Tap W");
    bindAndSelect(kKeyA, "3");
    EXPECT_EQ(entries(combo()), (QStringList{"Hold Q", "Tap W", "Tap W"})) << "ascending record index";
    EXPECT_EQ(combo()->currentData().toString(), QStringLiteral("3")) << "by index, not by name";

    removeRecord(1);
    removeRecord(2);
    bindAndSelect(kKeyA, "3");
    EXPECT_EQ(entries(combo()), QStringList{"Tap W"});
    EXPECT_EQ(combo()->currentData().toString(), QStringLiteral("3"));

    // The bound advanced key is deleted: the page says so instead of showing another record, and
    // writes nothing until the user picks a real one.
    PageSignals heard(page(kSeniorPage));
    bindAndSelect(kKeyB, "2");
    EXPECT_EQ(entries(combo()), (QStringList{"(missing)", "Tap W"}));
    EXPECT_EQ(combo()->currentIndex(), 0);
    pick(combo(), 0);
    EXPECT_EQ(heard.writes(), 0);
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyB, info));
    EXPECT_STREQ(info.value, "2");
    pick(combo(), 1);
    EXPECT_EQ(heard.writes(), 1);
    ASSERT_TRUE(stored(kKeyB, info));
    EXPECT_STREQ(info.type, "40");
    EXPECT_STREQ(info.value, "3");
    pick(combo(), 1);
    EXPECT_EQ(heard.writes(), 2) << "one write per pick, also of the shown entry";
}

TEST_F(SeniorKeysBinding, TheListIsReadAgainWhenItChangesOnlyWhileThePageIsShown)
{
    addRecord(1, "Hold Q");
    bindAndSelect(kKeyA, "1");
    addRecord(4, "Toggle E");
    emit DDataManager::getInstance()->sigSeniorKeysListItemHaveChanged();
    EXPECT_EQ(entries(combo()), (QStringList{"Hold Q", "Toggle E"}));
    EXPECT_EQ(combo()->currentData().toString(), QStringLiteral("1"));

    open(kKeyB, "toolButton_Default");
    addRecord(2, "Tap W");
    emit DDataManager::getInstance()->sigSeniorKeysListItemHaveChanged();
    EXPECT_EQ(entries(combo()), (QStringList{"Hold Q", "Toggle E"})) << "not reloaded while hidden";

    // An empty store: nothing to show and nothing a pick could write.
    for (int index : {1, 2, 4})
        removeRecord(index);
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyB, "B", 40, 1, 1, "2"));
    select(kKeyB);
    EXPECT_EQ(entries(combo()), QStringList{"(missing)"});
}

} // namespace
