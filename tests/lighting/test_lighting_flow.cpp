#include "ddevicepage.h"
#include "dlightsconfigpage.h"
#include "lightdealmain.h"
#include "pagefixture.h"

#include <QAbstractButton>
#include <QLabel>

using namespace hidproto;

namespace {

class LightingFlowTest : public PageFixture
{
protected:
    DLightsConfigPage *lights() const { return page->findChild<DLightsConfigPage *>(); }
    QAbstractButton *button(const char *name) const
    {
        return lights()->findChild<QAbstractButton *>(QString::fromLatin1(name));
    }
    void openLightingTab()
    {
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        auto *tab = page->findChild<QAbstractButton *>(QStringLiteral("toolButton_LightConfig"));
        ASSERT_NE(tab, nullptr);
        tab->click();
    }
    static QVector<HidReport> lightSets(const SimKeyboard &kb, uint8_t cmd)
    {
        QVector<HidReport> out;
        for (const HidReport &r : kb.received())
            if (r[1] == cmd && r[kSubByte] == 0)
                out.append(r);
        return out;
    }
};

// A chosen effect with its parameters reaches the keyboard, and the program started again shows it.
TEST_F(LightingFlowTest, ChosenEffectReachesTheKeyboardAndSurvivesARestart)
{
    auto kb = addKeyboard("TL87");
    openPage();
    ASSERT_TRUE(waitFor([&] { return lights()->hidInterface() != nullptr; }));
    openLightingTab();
    ASSERT_TRUE(lights()->isVisible());

    button("toolButton_Radar")->click();
    button("pushButton_UnCW")->click();
    lights()->pickPresetColor("0,85,255");
    ASSERT_TRUE(waitFor([&] {
        const auto sets = lightSets(*kb, out::KeyboardLight);
        return !sets.isEmpty() && sets.last()[9] == 0 && sets.last()[10] == 85 && sets.last()[15] == 7;
    }));
    const HidReport last = lightSets(*kb, out::KeyboardLight).last();
    EXPECT_EQ(last[6], 4); // Radar
    EXPECT_EQ(last[11], 255);
    EXPECT_EQ(kb->state().keyboardLight[0], 4);
    EXPECT_EQ(page->lightEngineObject()->keyboardLightConfig().ledType, 4);

    // The side light has its own record and report.
    button("toolButton_LightSelectTypeChanged")->click();
    button("toolButton_SideCollision")->click();
    ASSERT_TRUE(waitFor([&] {
        const auto sets = lightSets(*kb, out::SideLight);
        return !sets.isEmpty() && sets.last()[6] == 3;
    }));
    EXPECT_EQ(page->lightEngineObject()->sideLightConfig().ledType, 3);

    // Start again: the keyboard keeps what it was sent, the profile what was chosen.
    page.reset();
    flushDeletes();
    openPage();
    ASSERT_TRUE(waitFor([&] { return lights()->hidInterface() != nullptr; }));
    openLightingTab();
    EXPECT_TRUE(button("toolButton_Radar")->isChecked());
    EXPECT_TRUE(button("pushButton_UnCW")->isChecked());
    EXPECT_EQ(lights()->findChild<QLabel *>(QStringLiteral("label_LightMode"))->text(), "Radar");
    const colorInfoData shown = lights()->currentRecord();
    EXPECT_EQ(std::make_tuple(shown.ledType, shown.color1Red, shown.color1Green, shown.color1Blue,
                              shown.ledDirection),
              std::make_tuple(4, 0, 85, 255, 7));
    EXPECT_EQ(page->lightEngineObject()->keyboardLightConfig().ledType, 4);
}

TEST_F(LightingFlowTest, KeyboardWithoutSideLightOffersNoSwitch)
{
    auto kb = addKeyboard("TL68HE");
    openPage();
    ASSERT_TRUE(waitFor([&] { return lights()->hidInterface() != nullptr; }));
    openLightingTab();
    auto *sw = lights()->findChild<QWidget *>(QStringLiteral("frame_B"));
    EXPECT_FALSE(sw->isVisible());
    // Every key effect the keyboard lists has its button.
    for (const char *name : {"toolButton_Static", "toolButton_Fireworks", "toolButton_SpeedRespond",
                             "toolButton_MusicalRhythm", "toolButton_CustomLed"})
        EXPECT_TRUE(button(name)->isVisible()) << name;
    EXPECT_FALSE(button("toolButton_MouseDPI")->isVisible());
    button("toolButton_Fireworks")->click();
    ASSERT_TRUE(waitFor([&] {
        const auto sets = lightSets(*kb, out::KeyboardLight);
        return !sets.isEmpty() && sets.last()[6] == 16;
    }));
}

} // namespace
