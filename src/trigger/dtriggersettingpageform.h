#pragma once

class MySlider;
class QCheckBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;
class QWidget;

// The widget tree of the trigger tab. Members are named as their objects; the page owns every
// widget through Qt parent links.
struct Ui_DTriggerSettingPage
{
    QHBoxLayout *horizontalLayout = nullptr;
    QFrame *frame_004 = nullptr;
    QFrame *frame_AAA = nullptr;
    QWidget *widget_TriggerKeyBg = nullptr;
    QFrame *frame_8 = nullptr;
    QFrame *frame_17 = nullptr;
    QToolButton *toolButton_MagneticKeyExplain = nullptr;
    QFrame *frame_0001 = nullptr;
    QWidget *widget_SensitivityShow = nullptr;
    QVBoxLayout *verticalLayout_4 = nullptr;
    QFrame *frame_3 = nullptr;
    QScrollArea *scrollArea = nullptr;
    QWidget *scrollAreaWidgetContents = nullptr;
    QFrame *frame_Bottom = nullptr;
    QFrame *frame = nullptr;
    QCheckBox *checkBox_QuickTrigger = nullptr;
    QToolButton *toolButton_QuickTriggerExplain = nullptr;
    QFrame *frame_15 = nullptr;
    QLabel *label_QuickExplain = nullptr;
    QCheckBox *checkBox_SecondarySensitivity = nullptr;
    QFrame *frame_SecondExplain = nullptr;
    QLabel *label_SecondExplain = nullptr;
    QStackedWidget *stackedWidget = nullptr;
    QWidget *page_SecondClose = nullptr;
    QFrame *frame_Top_2 = nullptr;
    QLabel *label_3 = nullptr;
    QFrame *frame_SliderNum_2 = nullptr;
    MySlider *horizontalSlider_PressReleaseJourney = nullptr;
    QLabel *label_Journey3 = nullptr;
    QWidget *page_SecondOpen = nullptr;
    QFrame *frame_Top_3 = nullptr;
    QLabel *label_4 = nullptr;
    QFrame *frame_SliderNum_3 = nullptr;
    MySlider *horizontalSlider_PressJourney = nullptr;
    QLabel *label_PressJourneySecond4 = nullptr;
    QFrame *frame_Top_4 = nullptr;
    QLabel *label_5 = nullptr;
    QFrame *frame_SliderNum_4 = nullptr;
    MySlider *horizontalSlider_ReleaseJourney = nullptr;
    QLabel *label_ReleaseJourneySecond5 = nullptr;
    QWidget *page_Other = nullptr;
    QFrame *frame_Top = nullptr;
    QLabel *label = nullptr;
    QFrame *frame_SliderNum = nullptr;
    QLabel *label_AntiShake = nullptr;
    QFrame *frame_BBB = nullptr;
    QPushButton *pushButton_TriggerApply = nullptr;
    QFrame *frame_Center = nullptr;
    QLabel *label_2 = nullptr;
    QFrame *frame_SliderRateNum = nullptr;
    QLabel *label_Rate = nullptr;
    QFrame *frame_RightBottom = nullptr;
    QFrame *frame_4 = nullptr;
    QCheckBox *checkBox_CalibrationMode = nullptr;
    QToolButton *toolButton_Explain = nullptr;
    QPushButton *pushButton_KeyCalibration = nullptr;
    QFrame *frame_RightBottom_2 = nullptr;
    QFrame *frame_19 = nullptr;
    QLabel *label_6 = nullptr;
    QToolButton *toolButton_Explain_2 = nullptr;
    QPushButton *pushButton_KeyCalibration_AllKeys = nullptr;
    QFrame *frame_CCC = nullptr;
    QToolButton *toolButton_LeftIco = nullptr;
    QToolButton *toolButton_RightIco = nullptr;
    QCheckBox *checkBox_IntensityTracking = nullptr;
    QPushButton *pushButton_ResetSensitivity = nullptr;

    void setupUi(QWidget *page);
    void retranslateUi(QWidget *page);
};
