#include "ddatamanager.h"
#include "dsensitivityshowwidget.h"
#include "dtriggersettingpage.h"
#include "myslider.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A trigger page on a keyboard with 4.0 mm of travel, shown as the tab shows it.
class TriggerPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DDataManager::getInstance()->setKeyTravelMax(40);
        DDataManager::getInstance()->setCalibrationRunning(false);
        page.resize(1096, 260);
        page.show();
        page.loadInitData();
    }
    void TearDown() override { DDataManager::getInstance()->setCalibrationRunning(false); }

    template <typename T> T *child(const char *name) { return page.findChild<T *>(QLatin1String(name)); }
    QCheckBox *quick() { return child<QCheckBox>("checkBox_QuickTrigger"); }
    QCheckBox *separate() { return child<QCheckBox>("checkBox_SecondarySensitivity"); }
    DSensitivityShowWidget *scale() { return page.findChild<DSensitivityShowWidget *>(); }
    QString currentStackPage()
    {
        return child<QStackedWidget>("stackedWidget")->currentWidget()->objectName();
    }
    QString label(const char *name) { return child<QLabel>(name)->text(); }

    // Apply, and what it asked for; empty when nothing was emitted.
    QList<QVariant> apply()
    {
        QSignalSpy spy(&page, &DTriggerSettingPage::sigMagnetsKeysApplyConfig);
        QTest::mouseClick(child<QPushButton>("pushButton_TriggerApply"), Qt::LeftButton);
        return spy.isEmpty() ? QList<QVariant>() : spy.first();
    }
    // Drags the marker onto a travel count the way a user does.
    void dragMarkerTo(int count)
    {
        DSensitivityShowWidget *s = scale();
        for (int y = 0; y < 200 && s->markerCount() != count; ++y)
            QTest::mousePress(s, Qt::LeftButton, Qt::NoModifier, QPoint(s->width() / 2, y));
        QTest::mouseRelease(s, Qt::LeftButton);
        ASSERT_EQ(s->markerCount(), count);
    }

    DTriggerSettingPage page;
};

TEST_F(TriggerPage, ShownTabStartsAtMidTravelWithQuickTriggerOff)
{
    EXPECT_EQ(scale()->markerCount(), 20);
    EXPECT_FALSE(scale()->isLiveTravelShown());
    EXPECT_FALSE(quick()->isChecked());
    for (const char *hidden : {"checkBox_SecondarySensitivity", "frame_SecondExplain", "stackedWidget",
                               "frame_Top", "frame_Center", "frame_CCC", "toolButton_QuickTriggerExplain"})
        EXPECT_TRUE(child<QWidget>(hidden)->isHidden()) << hidden;
    EXPECT_EQ(child<QStackedWidget>("stackedWidget")->count(), 3);
    EXPECT_EQ(apply(), (QList<QVariant>{0, 20, 20, 1, 1}));
}

TEST_F(TriggerPage, ApplySendsTheModeOfTheBoxesAndItsValues)
{
    const struct
    {
        const char *what;
        bool quickOn, separateOn;
        int marker, sliderShared, sliderPress, sliderRelease;
        QList<QVariant> sent;
    } cases[] = {
        {"actuation only", false, false, 12, 1, 1, 1, {0, 12, 12, 1, 1}},
        {"quick trigger, one travel", true, false, 12, 3, 1, 1, {12, 12, 12, 3, 3}},
        {"quick trigger, separate travel", true, true, 7, 1, 3, 5, {13, 7, 7, 3, 5}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        page.loadInitData();
        if (c.quickOn)
            quick()->click();
        if (c.separateOn)
            separate()->click();
        dragMarkerTo(c.marker);
        // Moved with the keyboard, without any handle release: the shown value is what counts.
        child<MySlider>("horizontalSlider_PressReleaseJourney")->setValue(c.sliderShared);
        child<MySlider>("horizontalSlider_PressJourney")->setValue(c.sliderPress);
        child<MySlider>("horizontalSlider_ReleaseJourney")->setValue(c.sliderRelease);
        EXPECT_EQ(apply(), c.sent);
    }
}

TEST_F(TriggerPage, LoadedKeyShowsItsModeAndKeepsItsReleasePoint)
{
    const struct
    {
        int type, press, release, qtPress, qtRelease;
        bool quickOn, separateOn, rowsShown;
        const char *stackPage;
        QList<QVariant> applyAfterDragTo10;
    } cases[] = {
        {0, 15, 15, 1, 1, false, false, false, "page_SecondClose", {0, 10, 10, 1, 1}},
        {1, 15, 25, 1, 1, false, true, false, "page_SecondOpen", {1, 10, 25, 1, 1}},
        {12, 18, 18, 4, 4, true, false, true, "page_SecondClose", {12, 10, 10, 4, 4}},
        {13, 12, 30, 3, 7, true, true, true, "page_SecondOpen", {13, 10, 30, 3, 7}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        page.loadInitData();
        page.onQueryDynamicDisplaySensitivityNum_BackInfo(c.type, c.press, c.release, c.qtPress, c.qtRelease);
        EXPECT_EQ(quick()->isChecked(), c.quickOn);
        EXPECT_EQ(separate()->isChecked(), c.separateOn);
        EXPECT_EQ(!separate()->isHidden(), c.rowsShown);
        EXPECT_EQ(currentStackPage(), QLatin1String(c.stackPage));
        EXPECT_EQ(scale()->markerCount(), c.press);
        if (c.type == 13) {
            EXPECT_EQ(label("label_PressJourneySecond4"), QStringLiteral("0.3mm"));
            EXPECT_EQ(label("label_ReleaseJourneySecond5"), QStringLiteral("0.7mm"));
        }
        dragMarkerTo(10);
        EXPECT_EQ(apply(), c.applyAfterDragTo10);
    }
}

TEST_F(TriggerPage, TravelIsNeverSentOutsideTheKeyboardsRange)
{
    // A reported point beyond the travel, or no travel known at all.
    page.onQueryDynamicDisplaySensitivityNum_BackInfo(13, 60, 0, 25, 0);
    EXPECT_EQ(apply(), (QList<QVariant>{13, 40, 1, 20, 1}));

    QSignalSpy tips(&page, &DTriggerSettingPage::sigSomeMessageTip_TriggerPage);
    DDataManager::getInstance()->setKeyTravelMax(0);
    page.loadInitData();
    EXPECT_TRUE(apply().isEmpty());
    EXPECT_EQ(tips.size(), 1);
    EXPECT_EQ(scale()->markerCount(), 0) << "no tick to place the marker on";
}

TEST_F(TriggerPage, QuickTriggerToggleResetsTravelAndMarker)
{
    page.onQueryDynamicDisplaySensitivityNum_BackInfo(13, 12, 30, 3, 7);
    quick()->click(); // off
    quick()->click(); // on again
    EXPECT_EQ(scale()->markerCount(), 20);
    EXPECT_FALSE(separate()->isChecked());
    EXPECT_EQ(label("label_Journey3"), QStringLiteral("0.1mm"));
    EXPECT_EQ(apply(), (QList<QVariant>{12, 20, 20, 1, 1}));
}

TEST_F(TriggerPage, CalibrationRequestsAndTheAllKeysToggle)
{
    QSignalSpy mode(&page, &DTriggerSettingPage::sigCalibrationMode);
    QSignalSpy single(&page, &DTriggerSettingPage::sigKeyCalibrationStartRuning);
    QSignalSpy all(&page, &DTriggerSettingPage::sigAllKeysCalibrationMode);
    auto *box = child<QCheckBox>("checkBox_CalibrationMode");
    auto *allKeys = child<QPushButton>("pushButton_KeyCalibration_AllKeys");

    box->click();
    QTest::mouseClick(child<QPushButton>("pushButton_KeyCalibration"), Qt::LeftButton);
    box->click();
    EXPECT_EQ(mode.size(), 2);
    EXPECT_EQ(mode.at(0).at(0).toInt(), 1);
    EXPECT_EQ(mode.at(1).at(0).toInt(), 0);
    EXPECT_EQ(single.size(), 1);

    allKeys->click();
    allKeys->click();
    allKeys->click();
    page.endAllKeysCalibration(); // the keyboard ended the third click's run
    allKeys->click();
    QList<int> sent;
    for (const QList<QVariant> &a : all)
        sent << a.at(0).toInt();
    EXPECT_EQ(sent, (QList<int>{1, 0, 1, 1}));

    box->click();
    DDataManager::getInstance()->setCalibrationRunning(true);
    mode.clear();
    page.resetCalibrationMode();
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(DDataManager::getInstance()->isCalibrationRunning());
    EXPECT_TRUE(mode.isEmpty()) << "leaving the mode programmatically emits nothing";
}

TEST_F(TriggerPage, LiveTravelIsDrawnDuringCalibrationAndReset)
{
    page.onBackDynamicDisplaySensitivityNum(0, 0, 25);
    EXPECT_EQ(scale()->liveTravel(), 25);
    EXPECT_FALSE(scale()->isLiveTravelShown());
    DDataManager::getInstance()->setCalibrationRunning(true);
    page.onBackDynamicDisplaySensitivityNum(0, 0, 12);
    EXPECT_TRUE(scale()->isLiveTravelShown());
    page.resetDynamicDisplaySensitivityNum();
    EXPECT_EQ(scale()->liveTravel(), 0);
}

} // namespace
