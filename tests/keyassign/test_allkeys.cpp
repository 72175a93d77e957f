// The all-keys picker: its tiles, groups, map and clicks.
#include "catalogue_fixture.h"
#include "dallkeysitemkey.h"
#include "dallkeysshowpage.h"

#include <QLabel>
#include <QLayout>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QList<DAllKeysItemKey *> groupTiles(const DAllKeysShowPage &page, const char *container)
{
    auto *group = page.findChild<QWidget *>(QLatin1String(container));
    if (!group)
        return {};
    // Layout order is display order.
    QList<DAllKeysItemKey *> tiles;
    for (int i = 0; group->layout() && i < group->layout()->count(); ++i)
        if (auto *tile = qobject_cast<DAllKeysItemKey *>(group->layout()->itemAt(i)->widget()))
            tiles.append(tile);
    return tiles;
}

DAllKeysItemKey *tile(const DAllKeysShowPage &page, int dec)
{
    return page.findChild<DAllKeysItemKey *>(QStringLiteral("allKey_%1").arg(dec));
}

TEST(AllKeysPicker, CompleteWhenConstructed)
{
    DAllKeysShowPage page;
    EXPECT_EQ(page.objectName(), QStringLiteral("DAllKeysShowPage"));
    const std::pair<const char *, int> groups[] = {
        {"widget_KeyCombination", 7}, {"widget_NormalKeys", 46}, {"widget_SpecialKeys", 58}};
    for (const auto &[container, count] : groups) {
        const QList<DAllKeysItemKey *> tiles = groupTiles(page, container);
        EXPECT_EQ(tiles.size(), count) << container;
        for (const DAllKeysItemKey *t : tiles) {
            EXPECT_EQ(t->parentWidget()->objectName(), QLatin1String(container));
            EXPECT_GE(t->minimumWidth(), 30);
            EXPECT_GE(t->minimumHeight(), 30);
            EXPECT_TRUE(t->styleSheet().isEmpty());
        }
    }
    const QMap<int, QString> map = page.keyNameMap();
    EXPECT_EQ(map.size(), 111);
    EXPECT_EQ(page.getKeyNameMap(), map);
    EXPECT_FALSE(map.contains(231));

    QStringList modifiers;
    for (const DAllKeysItemKey *t : groupTiles(page, "widget_KeyCombination"))
        modifiers << t->keyCharacter();
    EXPECT_EQ(modifiers.join(QLatin1Char(' ')),
              QStringLiteral("L_Shift R_Shift L_Ctrl R_Ctrl L_Alt R_Alt L_Win"));

    const QList<DAllKeysItemKey *> normal = groupTiles(page, "widget_NormalKeys");
    ASSERT_EQ(normal.size(), 46);
    EXPECT_EQ(normal.first()->keyDec(), 4);
    EXPECT_EQ(normal.at(26)->keyDec(), 98); // keypad 0 opens the digits
    EXPECT_EQ(normal.at(26)->keyCharacter(), QStringLiteral("0"));
    EXPECT_EQ(normal.at(36)->keyCharacter(), QStringLiteral("0)"));
    EXPECT_EQ(normal.last()->keyCharacter(), QStringLiteral("9("));

    const std::pair<const char *, const char *> titles[] = {{"label_KeyCombination", "Key Combination"},
                                                            {"label_NormalKeys", "Normal Keys"},
                                                            {"label_SpecialKeys", "Special Keys"}};
    for (const auto &[name, text] : titles)
        EXPECT_EQ(page.findChild<QLabel *>(QLatin1String(name))->text(), QLatin1String(text));
}

TEST(AllKeysPicker, LabelsAreTheCataloguesOwnTexts)
{
    DAllKeysShowPage page;
    const std::pair<int, const char *> labels[] = {
        {49, R"(\|)"}, {52, R"(' ")"}, {88, "Num.Ent"}, {144, "Kr/En"}, {145, "Chinese"},
        {137, "K14"},  {36, "7&"},     {40, "Enter"},   {101, "Menu"},
    };
    for (const auto &[dec, label] : labels) {
        ASSERT_NE(tile(page, dec), nullptr) << dec;
        EXPECT_EQ(tile(page, dec)->keyCharacter(), QString::fromUtf8(label)) << dec;
        EXPECT_EQ(page.keyNameMap().value(dec), QString::fromUtf8(label)) << dec;
    }
    // Shown as written: an ampersand is not taken as a mnemonic.
    EXPECT_EQ(tile(page, 36)->text(), QStringLiteral("7&&"));
    EXPECT_EQ(tile(page, 52)->text(), QStringLiteral(R"(' ")"));
}

TEST(AllKeysPicker, ClickReportsUsageAndLabel)
{
    DAllKeysShowPage page;
    page.show();
    QSignalSpy clicked(&page, &DAllKeysShowPage::sigKeyListClicked);
    for (int dec : {88, 224, 4}) {
        ASSERT_NE(tile(page, dec), nullptr);
        QTest::mouseClick(tile(page, dec), Qt::LeftButton);
    }
    ASSERT_EQ(clicked.count(), 3);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 88);
    EXPECT_EQ(clicked.at(0).at(1).toString(), QStringLiteral("Num.Ent"));
    EXPECT_EQ(clicked.at(1).at(1).toString(), QStringLiteral("L_Ctrl"));
    EXPECT_EQ(clicked.at(2).at(0).toInt(), 4);
}

struct FailureCase
{
    const char *name;
    bool missing;
    int completionSignals; // text that is not a catalogue still completes a load; no file does not
};

class AllKeysPickerFailure : public testing::TestWithParam<FailureCase>
{
};

TEST_P(AllKeysPickerFailure, LeavesAnEmptyPanel)
{
    DAllKeysShowPage page;
    CatalogueFile file("{\"EveryKeyInfo_Row01\": [");
    QSignalSpy loaded(&page, &DAllKeysShowPage::sigAllKeysInfoAlreadyLoadedA);
    EXPECT_EQ(page.loadKeyboardFile(GetParam().missing ? file.missingPath() : file.path()),
              !GetParam().missing);
    EXPECT_EQ(loaded.count(), GetParam().completionSignals);
    EXPECT_TRUE(page.findChildren<DAllKeysItemKey *>().isEmpty());
    EXPECT_TRUE(page.keyNameMap().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(AllKeysPicker, AllKeysPickerFailure,
                         testing::Values(FailureCase{"Truncated", false, 1}, FailureCase{"Missing", true, 0}),
                         [](const testing::TestParamInfo<FailureCase> &caseInfo) {
                             return caseInfo.param.name;
                         });

TEST(AllKeysPicker, ReloadReplacesTheTiles)
{
    DAllKeysShowPage page;
    QSignalSpy loaded(&page, &DAllKeysShowPage::sigAllKeysInfoAlreadyLoadedA);
    page.loadKeyboardInfo();
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(page.findChildren<DAllKeysItemKey *>().size(), 111);
    EXPECT_EQ(groupTiles(page, "widget_SpecialKeys").size(), 58);
}

TEST(AllKeysItem, StoresUsageAndLabel)
{
    DAllKeysItemKey item;
    EXPECT_EQ(item.minimumSize(), QSize(30, 30));
    item.setKeyInfo(88, QStringLiteral("Num.Ent"));
    EXPECT_EQ(item.keyDec(), 88);
    EXPECT_EQ(item.keyCharacter(), QStringLiteral("Num.Ent"));
    EXPECT_EQ(item.text(), QStringLiteral("Num.Ent"));
}

} // namespace
