#include "ddatamanager.h"
#include "dtriggersettingpage.h"

#include <gtest/gtest.h>

namespace {

TEST(TriggerSettingPage, EntryCallsResetTheirState)
{
    DTriggerSettingPage page;
    page.onBackDynamicDisplaySensitivityNum(0, 0, 25);
    EXPECT_EQ(page.displayedSensitivity(), 25);
    page.resetDynamicDisplaySensitivityNum();
    EXPECT_EQ(page.displayedSensitivity(), 0);
    DDataManager::getInstance()->setCalibrationRunning(true);
    page.resetCalibrationMode();
    EXPECT_FALSE(DDataManager::getInstance()->isCalibrationRunning());
}

} // namespace
