#include "ddatamanager.h"
#include "dseniorkeyeventlistitem.h"
#include "seniorkeyrecord.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>

namespace {

const QMap<int, QString> kNames{{4, QStringLiteral("A")}, {5, QStringLiteral("B")}, {6, QStringLiteral("C")}};

class SeniorRow : public testing::Test
{
protected:
    SeniorRow()
    {
        row.setKeyNameMap(kNames);
        for (const char *name :
             {"label_SeniorKey01", "label_SeniorKey02", "label_SeniorKey03", "label_SeniorKey04"})
            keys << row.findChild<QLabel *>(QLatin1String(name));
        type = row.findChild<QLabel *>(QStringLiteral("label_Type"));
    }

    // The texts of the key labels the row shows, in order.
    QStringList shown() const
    {
        QStringList texts;
        for (QLabel *l : keys)
            if (l->isVisibleTo(&row))
                texts << l->text();
        return texts;
    }

    DSeniorKeyEventListItem row;
    QList<QLabel *> keys;
    QLabel *type = nullptr;
};

TEST_F(SeniorRow, ShowsTheKeysTheKindUses)
{
    const struct
    {
        int kind;
        const char *k[4];
        int tglFlag;
        const char *name;
        QStringList texts;
    } cases[] = {
        {SeniorKeyDKS, {"4", "3,4", "", "128,5"}, 0, "DKS1", {"A", "L_CTRL+L_SHIFT+A", "", "R_WIN+B"}},
        {SeniorKeyMT, {"4", "2,99", "6", "5"}, 0, "MT1", {"A", "L_SHIFT"}},
        {SeniorKeyTGL, {"6", "5", "", ""}, 1, "TGL1", {"C"}},
        {SeniorKeyTGL, {"6", "", "", ""}, 0, "TGL1", {""}},
        {SeniorKeyDKS, {"99", "", "", ""}, 0, "DKS1", {"", "", "", ""}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SeniorKeyInfoStu r = seniorkey::defaultRecord(1, c.kind);
        std::strcpy(r.K1, c.k[0]);
        std::strcpy(r.K2, c.k[1]);
        std::strcpy(r.K3, c.k[2]);
        std::strcpy(r.K4, c.k[3]);
        r.tglFlag = c.tglFlag;
        row.setSeniorKeyInfoStu(r);
        EXPECT_EQ(type->text(), QLatin1String(c.name));
        EXPECT_EQ(shown(), c.texts);
    }
}

TEST_F(SeniorRow, AnUnknownKindLeavesTheKeyLabelsAsTheyWere)
{
    SeniorKeyInfoStu r = seniorkey::defaultRecord(1, SeniorKeyMT);
    std::strcpy(r.K1, "4");
    row.setSeniorKeyInfoStu(r);
    r.type = 9;
    row.setSeniorKeyInfoStu(r);
    EXPECT_EQ(type->text(), QString());
    EXPECT_EQ(shown(), (QStringList{"A", "", "C", "D"}));
}

TEST_F(SeniorRow, PressesAndDeleteReportTheRecord)
{
    row.setSeniorKeyInfoStu(seniorkey::defaultRecord(7, SeniorKeyTGL));
    row.resize(420, 45);
    QSignalSpy clicks(&row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick);
    QSignalSpy deletes(&row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem);
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton})
        QTest::mousePress(&row, b, Qt::NoModifier, QPoint(100, 20));
    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(1).at(0).toInt(), 7);

    clicks.clear();
    QTest::mouseClick(row.findChild<QPushButton *>(QStringLiteral("pushButton_DeleteEvent")), Qt::LeftButton);
    ASSERT_EQ(deletes.count(), 1);
    EXPECT_EQ(deletes.at(0).at(0).toInt(), SeniorKeyTGL);
    EXPECT_EQ(deletes.at(0).at(1).toInt(), 7);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(SeniorRow, SelectionStyleFollowsTheTheme)
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    auto *frame = row.findChild<QFrame *>(QStringLiteral("frame_BgABC01"));
    EXPECT_TRUE(frame->styleSheet().contains(QStringLiteral("rgb(34,34,58)"))) << "built-in look until told";
    row.setSelectedStyle(true);
    EXPECT_TRUE(frame->styleSheet().contains(c.MacroListItemSelectedColor));
    row.setSelectedStyle(false);
    EXPECT_TRUE(frame->styleSheet().contains(QStringLiteral(",128)")));
    EXPECT_EQ(row.height(), 45);
}

} // namespace
