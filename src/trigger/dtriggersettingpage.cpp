#include "dtriggersettingpage.h"

#include "ddatamanager.h"

#include <QDebug>

#include <algorithm>
#include <iterator>

DTriggerSettingPage::DTriggerSettingPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DTriggerSettingPage"));
}

void DTriggerSettingPage::retranslate() {}

void DTriggerSettingPage::applyTheme() {}

void DTriggerSettingPage::loadInitData()
{
    m_sensitivity = 0;
}

void DTriggerSettingPage::resetCalibrationMode()
{
    DDataManager::getInstance()->setCalibrationRunning(false);
}

void DTriggerSettingPage::resetDynamicDisplaySensitivityNum()
{
    m_sensitivity = 0;
    update();
}

void DTriggerSettingPage::endAllKeysCalibration()
{
    m_allKeysCalibration = false;
}

void DTriggerSettingPage::onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    Q_UNUSED(indexX)
    Q_UNUSED(indexY)
    m_sensitivity = sensitivityNum;
    update();
}

void DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                                       int QuickTriggerPressNum,
                                                                       int QuickTriggerReleaseNum)
{
    qDebug() << "[Trigger] key settings" << type << pressNum << releaseNum << QuickTriggerPressNum
             << QuickTriggerReleaseNum;
    const int values[5] = {type, pressNum, releaseNum, QuickTriggerPressNum, QuickTriggerReleaseNum};
    std::copy(std::begin(values), std::end(values), std::begin(m_current));
}
