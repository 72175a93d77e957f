#pragma once

#include <QPointer>
#include <QWidget>

class ArrowWidget;
class DSensitivityShowWidget;
struct Ui_DTriggerSettingPage;

// The trigger tab: actuation point, press and release points and quick-trigger travel of the keys
// selected on the keyboard view, the loading of one clicked key's settings, and key calibration
// with the key's live travel. The page sends nothing itself: it emits requests the device page
// turns into reports, and hears the keyboard's answers through the data manager.
//
// Travel is counted in 0.1 mm. Modes sent with every apply: 0 one actuation point, 1 separate
// press and release points, 12 quick trigger with one travel, 13 quick trigger with separate
// press and release travel.
class DTriggerSettingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DTriggerSettingPage(QWidget *parent = nullptr);
    ~DTriggerSettingPage() override;

    DTriggerSettingPage(const DTriggerSettingPage &) = delete;
    DTriggerSettingPage &operator=(const DTriggerSettingPage &) = delete;

    void retranslate();
    void applyTheme();
    // Back to quick trigger off with the marker at mid-travel; every time the tab is shown.
    void loadInitData();
    void resetCalibrationMode();
    void resetDynamicDisplaySensitivityNum();
    // The keyboard ended an all-keys run: the next click starts a new one.
    void endAllKeysCalibration();

    static constexpr int kQuickTriggerMax = 20;

public slots:
    void onCurrentStrengthNumBack(int whereData, int StrengthNum);
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
    void sigSomeMessageTip_TriggerPage(QString strTip);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onSliderPressReleaseJourneyValue(int Value);
    void onSliderPressReleaseJourneyReleased();
    void onSliderPressJourneyValue(int Value);
    void onSliderPressJourneyReleased();
    void onSliderReleaseJourneyValue(int Value);
    void onSliderReleaseJourneyReleased();
    void on_checkBox_QuickTrigger_clicked();
    void on_checkBox_SecondarySensitivity_clicked();
    void on_checkBox_CalibrationMode_clicked();
    void on_pushButton_TriggerApply_clicked();
    void on_pushButton_KeyCalibration_clicked();
    void on_pushButton_KeyCalibration_AllKeys_clicked();
    void onScrollSheetSet();
    void onExplainShow();
    void theExplainMagneticKeyShow();
    void onExplainShow_2();

private:
    void setOwnTexts();
    void resetQuickTrigger();
    void showQuickTriggerRows(bool shown);
    void placeMarker(int count);
    void applyScaleColors();
    void showExplanation(QWidget *button, int type, QSize size, int offset);

    Ui_DTriggerSettingPage *ui;
    DSensitivityShowWidget *m_SensitivityShow = nullptr;
    QPointer<ArrowWidget> m_ExplainPopup;
    QString m_ScrollBarStyleSheet;
    int m_StrengthNum_C = 0;
    int m_StrengthNum_L = 0;
    int m_StrengthNum_R = 0;
    int m_QuickTrigger_StrengthNum_C = 1;
    int m_QuickTrigger_StrengthNum_L = 1;
    int m_QuickTrigger_StrengthNum_R = 1;
    // A loaded key's own release point; kept while the marker moves the press point.
    bool m_releaseFromKey = false;
    unsigned char m_AllKeysCalibrationRunning = 0;
};
