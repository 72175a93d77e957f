#pragma once

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The widget tree of the performance tab. Members are named as their objects; the page owns every
// widget through Qt parent links.
struct Ui_DPerformancePage
{
    QFrame *frame_Bg03 = nullptr;
    QFrame *frame_Left = nullptr;
    QLabel *label = nullptr;
    QFrame *frame_4 = nullptr;
    QCheckBox *checkBox_disableWindowsKey = nullptr;
    QCheckBox *checkBox_disableSHIFT_TAB = nullptr;
    QCheckBox *checkBox_disableALT_TAB = nullptr;
    QCheckBox *checkBox_disableALT_F4 = nullptr;
    QFrame *frame_Center = nullptr;
    QLabel *label_2 = nullptr;
    QLineEdit *lineEdit_LightSleep = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_5 = nullptr;
    QLineEdit *lineEdit_KeyboardSleep = nullptr;
    QLabel *label_4 = nullptr;
    QFrame *frame_ProhibitSleep = nullptr;
    QCheckBox *checkBox_ProhibitSleep = nullptr;
    QPushButton *pushButton_SubmitSleepTime = nullptr;
    QFrame *frame_Right = nullptr;
    QPushButton *pushButton_keyboardProperties = nullptr;
    QPushButton *pushButton_Restore = nullptr;

    void setupUi(QWidget *page);
    void retranslateUi(QWidget *page);
};
