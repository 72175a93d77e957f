#pragma once

#include <QWidget>

// The trigger tab page: actuation and rapid-trigger travel, calibration, live key travel, debounce
// and report rate. The full page comes with the trigger work; this one offers its entry calls,
// slots and signals.
class DTriggerSettingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DTriggerSettingPage(QWidget *parent = nullptr);

    void retranslate();
    void applyTheme();
    void loadInitData();
    void resetCalibrationMode();
    void resetDynamicDisplaySensitivityNum();
    void endAllKeysCalibration();

    bool isAllKeysCalibrationRunning() const { return m_allKeysCalibration; }
    int displayedSensitivity() const { return m_sensitivity; }

public slots:
    void onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                      int QuickTriggerPressNum, int QuickTriggerReleaseNum);

signals:
    void sigMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R,
                                   int strengthNum_QuickTrigger_L, int strengthNum_QuickTrigger_R);
    void sigMagnetsKeyboardDefaultSensitivity();
    void sigKeyAntiShakeCurrentNum(int KeyAntiShakeNum);
    void sigKeyRateOfReturnCurrentNum(int rateOfReturnNumDel);
    void sigCalibrationMode(int selMode);
    void sigKeyCalibrationStartRuning();
    void sigAllKeysCalibrationMode(int selMode);

private:
    bool m_allKeysCalibration = false;
    int m_sensitivity = 0;
    int m_current[5] = {};
};
