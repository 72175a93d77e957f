#include "dtriggersettingpageform.h"

#include "myslider.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// -1 leaves a margin to the widget style.
template <typename Layout>
Layout *boxOn(QWidget *owner, const char *name, int spacing, int left, int top, int right, int bottom)
{
    auto *layout = new Layout(owner);
    layout->setObjectName(QLatin1String(name));
    layout->setSpacing(spacing);
    layout->setContentsMargins(left, top, right, bottom);
    return layout;
}

QHBoxLayout *row(QWidget *owner, const char *name, int spacing, int left = 0, int top = 0, int right = 0,
                 int bottom = 0)
{
    return boxOn<QHBoxLayout>(owner, name, spacing, left, top, right, bottom);
}

QVBoxLayout *column(QWidget *owner, const char *name, int spacing, int left = 0, int top = 0, int right = 0,
                    int bottom = 0)
{
    return boxOn<QVBoxLayout>(owner, name, spacing, left, top, right, bottom);
}

QFrame *frameIn(QWidget *parent, const char *name, bool noFrame = false)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    if (noFrame) {
        f->setFrameShape(QFrame::NoFrame);
        f->setLineWidth(0);
    } else {
        f->setFrameShape(QFrame::StyledPanel);
    }
    f->setFrameShadow(QFrame::Raised);
    return f;
}

template <typename W> W *named(QWidget *parent, const char *name)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QSpacerItem *hSpacer(int w, int h)
{
    return new QSpacerItem(w, h, QSizePolicy::Expanding, QSizePolicy::Minimum);
}

QSpacerItem *vSpacer(int w, int h)
{
    return new QSpacerItem(w, h, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

QToolButton *questionButton(QWidget *parent, const char *name)
{
    auto *b = named<QToolButton>(parent, name);
    b->setFixedSize(16, 16);
    b->setStyleSheet(QStringLiteral("border-image: url(:/images/publicIco/question.png);"));
    return b;
}

QLabel *valueLabel(QWidget *parent, const char *name)
{
    auto *l = named<QLabel>(parent, name);
    l->setFixedWidth(50);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// One slider row of the stacked pages: caption line, then the slider host and its value label.
struct SliderRow
{
    QFrame *top;
    QLabel *caption;
    QFrame *host;
    MySlider *slider;
    QLabel *value;
};

struct SliderRowNames
{
    const char *top, *topLayout, *captionFrame, *captionLayout, *caption, *sliderFrame, *sliderFrameLayout,
        *host, *hostLayout, *slider, *value;
};

SliderRow sliderRow(QWidget *page, const SliderRowNames &n)
{
    SliderRow r{};
    r.top = frameIn(page, n.top);
    QVBoxLayout *topLayout = column(r.top, n.topLayout, 0);
    QFrame *captionFrame = frameIn(r.top, n.captionFrame);
    QHBoxLayout *captionLayout = row(captionFrame, n.captionLayout, 6);
    r.caption = named<QLabel>(captionFrame, n.caption);
    captionLayout->addWidget(r.caption);
    captionLayout->addItem(hSpacer(115, 20));
    topLayout->addWidget(captionFrame);
    QFrame *sliderFrame = frameIn(r.top, n.sliderFrame);
    QHBoxLayout *sliderLayout = row(sliderFrame, n.sliderFrameLayout, 3);
    r.host = frameIn(sliderFrame, n.host);
    r.host->setMinimumHeight(25);
    QHBoxLayout *hostLayout = row(r.host, n.hostLayout, 6, 10, 0, 0, 0);
    r.slider = named<MySlider>(r.host, n.slider);
    r.slider->setOrientation(Qt::Horizontal);
    hostLayout->addWidget(r.slider);
    sliderLayout->addWidget(r.host);
    r.value = valueLabel(sliderFrame, n.value);
    sliderLayout->addWidget(r.value);
    topLayout->addWidget(sliderFrame);
    return r;
}

const char kPageStyle[] = R"(QFrame{border: none;}
QFrame#frame_AAA{border: 3px solid rgb(52, 52, 86); border-radius: 8px;}
QLabel#label, QLabel#label_2, QLabel#label_3, QLabel#label_4, QLabel#label_5, QLabel#label_QuickExplain,
QLabel#label_SecondExplain, QLabel#label_6{color: rgb(158, 158, 158); font: 75 10pt "微软雅黑";}
QLabel#label_AntiShake, QLabel#label_Rate, QLabel#label_Journey3, QLabel#label_PressJourneySecond4,
QLabel#label_ReleaseJourneySecond5{color: rgb(255, 143, 31); font: 75 10pt "微软雅黑";}
QCheckBox{color: rgb(158, 158, 158); font: 75 10pt "微软雅黑";}
QCheckBox:unchecked{color: rgb(158, 158, 158);}
QCheckBox:checked{color: rgb(255, 143, 31);}
QCheckBox::indicator{width: 13px; height: 13px;}
QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}
QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}
QPushButton{color: rgb(205, 205, 205); font: 75 11pt "微软雅黑"; border: 2px solid rgb(52, 52, 86);
border-radius: 8px;}
QPushButton:hover{border: 2px solid rgb(255, 143, 31);}
QPushButton:pressed{color: rgb(255, 143, 31); border: 2px solid rgb(255, 143, 31);})";

const char kScrollStyle[] =
    R"(QScrollBar:vertical{background: transparent; width: 4px; margin: 3px 0px 3px 0px;}
QScrollBar::handle:vertical{background: rgba(75, 75, 111, 255); min-height: 20px; border-radius: 2px;}
QScrollBar::handle:vertical:hover{background: rgb(255, 143, 31);}
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: rgba(52, 52, 86, 255); border-radius: 2px;})";

const char kSliderStyle[] = R"(QSlider::groove:horizontal{height: 6px; border: none; border-radius: 3px;
background: rgba(255, 196, 123, 255);}
QSlider::handle:horizontal{width: 16px; height: 16px; margin: -5px 0px -5px 0px;
border-image: url(:/images/DKS/slider.png);}
QSlider::sub-page:horizontal{background: rgb(255, 143, 31); border-radius: 3px;})";

} // namespace

void Ui_DTriggerSettingPage::setupUi(QWidget *page)
{
    if (page->objectName().isEmpty())
        page->setObjectName(QStringLiteral("DTriggerSettingPage"));
    page->resize(1096, 251);
    horizontalLayout = row(page, "horizontalLayout", 0);
    frame_004 = frameIn(page, "frame_004");
    frame_004->setStyleSheet(QString::fromUtf8(kPageStyle));
    horizontalLayout->addWidget(frame_004);
    QHBoxLayout *columns = row(frame_004, "horizontalLayout_2", 15, 11, 10, -1, -1);

    // The travel column: the scale on its key picture, then the quick-trigger settings.
    frame_AAA = frameIn(frame_004, "frame_AAA");
    frame_AAA->setFixedWidth(537);
    QHBoxLayout *travel = row(frame_AAA, "horizontalLayout_3", 30, 37, 2, 0, 1);
    widget_TriggerKeyBg = named<QWidget>(frame_AAA, "widget_TriggerKeyBg");
    widget_TriggerKeyBg->setFixedSize(174, 220);
    widget_TriggerKeyBg->setStyleSheet(
        QStringLiteral("QWidget#widget_TriggerKeyBg{border-image: url(:/images/triggerBg.png);}"));
    QVBoxLayout *keyBg = column(widget_TriggerKeyBg, "verticalLayout_3", 0, 3, 0, 3, 15);
    frame_8 = frameIn(widget_TriggerKeyBg, "frame_8");
    frame_8->setStyleSheet(
        QStringLiteral("QToolButton{border: 0px; border-radius: 6px;}\nQToolButton:hover{}"));
    QVBoxLayout *top = column(frame_8, "verticalLayout_17", 0);
    frame_17 = frameIn(frame_8, "frame_17");
    QHBoxLayout *explainRow = row(frame_17, "horizontalLayout_25", 6);
    explainRow->addItem(hSpacer(139, 10));
    toolButton_MagneticKeyExplain = questionButton(frame_17, "toolButton_MagneticKeyExplain");
    explainRow->addWidget(toolButton_MagneticKeyExplain);
    top->addWidget(frame_17);
    top->addItem(vSpacer(20, 40));
    keyBg->addWidget(frame_8);
    frame_0001 = frameIn(widget_TriggerKeyBg, "frame_0001", true);
    frame_0001->setMinimumHeight(20);
    frame_0001->setStyleSheet(QStringLiteral("QFrame#frame_0001{border: 0px; border-radius: 0px;}"));
    QHBoxLayout *scaleRow = row(frame_0001, "horizontalLayout_4", 0);
    widget_SensitivityShow = named<QWidget>(frame_0001, "widget_SensitivityShow");
    widget_SensitivityShow->setFixedHeight(140);
    verticalLayout_4 = column(widget_SensitivityShow, "verticalLayout_4", 0);
    scaleRow->addWidget(widget_SensitivityShow);
    keyBg->addWidget(frame_0001);
    travel->addWidget(widget_TriggerKeyBg);

    frame_3 = frameIn(frame_AAA, "frame_3");
    frame_3->setStyleSheet(QString::fromUtf8(kScrollStyle));
    QVBoxLayout *scrollColumn = column(frame_3, "verticalLayout", 2, 3, 3, 6, 6);
    scrollArea = named<QScrollArea>(frame_3, "scrollArea");
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setLineWidth(0);
    scrollArea->setWidgetResizable(true);
    // Made in the place it ends up: moved there later, its styled children would all be polished again.
    scrollAreaWidgetContents = new QWidget(scrollArea->viewport());
    scrollAreaWidgetContents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    scrollAreaWidgetContents->setGeometry(0, 0, 275, 281);
    scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{background-color: rgba(26, 27, 49, 1);}"));
    QVBoxLayout *contents = column(scrollAreaWidgetContents, "verticalLayout_15", 6);

    frame_Bottom = frameIn(scrollAreaWidgetContents, "frame_Bottom");
    QVBoxLayout *boxes = column(frame_Bottom, "verticalLayout_6", 0, 2, 0, 0, 0);
    frame = frameIn(frame_Bottom, "frame", true);
    QHBoxLayout *quickRow = row(frame, "horizontalLayout_12", 6);
    checkBox_QuickTrigger = named<QCheckBox>(frame, "checkBox_QuickTrigger");
    quickRow->addWidget(checkBox_QuickTrigger);
    toolButton_QuickTriggerExplain = questionButton(frame, "toolButton_QuickTriggerExplain");
    quickRow->addWidget(toolButton_QuickTriggerExplain);
    boxes->addWidget(frame);
    frame_15 = frameIn(frame_Bottom, "frame_15");
    QHBoxLayout *quickExplain = row(frame_15, "horizontalLayout_23", 6, 10, 0, 0, 6);
    label_QuickExplain = named<QLabel>(frame_15, "label_QuickExplain");
    label_QuickExplain->setWordWrap(true);
    quickExplain->addWidget(label_QuickExplain);
    boxes->addWidget(frame_15);
    checkBox_SecondarySensitivity = named<QCheckBox>(frame_Bottom, "checkBox_SecondarySensitivity");
    boxes->addWidget(checkBox_SecondarySensitivity);
    frame_SecondExplain = frameIn(frame_Bottom, "frame_SecondExplain");
    QHBoxLayout *secondExplain = row(frame_SecondExplain, "horizontalLayout_24", 6, 10, 0, 0, 0);
    label_SecondExplain = named<QLabel>(frame_SecondExplain, "label_SecondExplain");
    label_SecondExplain->setWordWrap(true);
    secondExplain->addWidget(label_SecondExplain);
    boxes->addWidget(frame_SecondExplain);
    contents->addWidget(frame_Bottom);

    stackedWidget = named<QStackedWidget>(scrollAreaWidgetContents, "stackedWidget");
    stackedWidget->setMaximumHeight(105);
    stackedWidget->setStyleSheet(QString::fromUtf8(kSliderStyle));
    page_SecondClose = new QWidget(stackedWidget);
    page_SecondClose->setObjectName(QStringLiteral("page_SecondClose"));
    QVBoxLayout *closeLayout = column(page_SecondClose, "verticalLayout_14", 0);
    const SliderRow shared = sliderRow(
        page_SecondClose, {"frame_Top_2", "verticalLayout_10", "frame_9", "horizontalLayout_14", "label_3",
                           "frame_10", "horizontalLayout_15", "frame_SliderNum_2", "horizontalLayout_16",
                           "horizontalSlider_PressReleaseJourney", "label_Journey3"});
    frame_Top_2 = shared.top;
    label_3 = shared.caption;
    frame_SliderNum_2 = shared.host;
    horizontalSlider_PressReleaseJourney = shared.slider;
    label_Journey3 = shared.value;
    closeLayout->addWidget(frame_Top_2);
    closeLayout->addItem(vSpacer(20, 0));
    stackedWidget->addWidget(page_SecondClose);

    page_SecondOpen = new QWidget(stackedWidget);
    page_SecondOpen->setObjectName(QStringLiteral("page_SecondOpen"));
    QVBoxLayout *openLayout = column(page_SecondOpen, "verticalLayout_13", 0);
    const SliderRow press = sliderRow(
        page_SecondOpen, {"frame_Top_3", "verticalLayout_11", "frame_11", "horizontalLayout_17", "label_4",
                          "frame_12", "horizontalLayout_18", "frame_SliderNum_3", "horizontalLayout_19",
                          "horizontalSlider_PressJourney", "label_PressJourneySecond4"});
    frame_Top_3 = press.top;
    label_4 = press.caption;
    frame_SliderNum_3 = press.host;
    horizontalSlider_PressJourney = press.slider;
    horizontalSlider_PressJourney->setSingleStep(1);
    label_PressJourneySecond4 = press.value;
    const SliderRow release = sliderRow(
        page_SecondOpen, {"frame_Top_4", "verticalLayout_12", "frame_13", "horizontalLayout_20", "label_5",
                          "frame_14", "horizontalLayout_21", "frame_SliderNum_4", "horizontalLayout_22",
                          "horizontalSlider_ReleaseJourney", "label_ReleaseJourneySecond5"});
    frame_Top_4 = release.top;
    label_5 = release.caption;
    frame_SliderNum_4 = release.host;
    horizontalSlider_ReleaseJourney = release.slider;
    horizontalSlider_ReleaseJourney->setStyleSheet(QString());
    label_ReleaseJourneySecond5 = release.value;
    openLayout->addWidget(frame_Top_3);
    openLayout->addWidget(frame_Top_4);
    openLayout->addItem(vSpacer(20, 40));
    stackedWidget->addWidget(page_SecondOpen);

    page_Other = new QWidget(stackedWidget);
    page_Other->setObjectName(QStringLiteral("page_Other"));
    QVBoxLayout *otherLayout = column(page_Other, "verticalLayout_9", 0);
    frame_Top = frameIn(page_Other, "frame_Top");
    QVBoxLayout *antiShake = column(frame_Top, "verticalLayout_5", 0);
    QFrame *frame_2 = frameIn(frame_Top, "frame_2");
    QHBoxLayout *antiShakeCaption = row(frame_2, "horizontalLayout_5", 6);
    label = named<QLabel>(frame_2, "label");
    antiShakeCaption->addWidget(label);
    antiShakeCaption->addItem(hSpacer(115, 20));
    antiShake->addWidget(frame_2);
    QFrame *frame_7 = frameIn(frame_Top, "frame_7");
    QHBoxLayout *antiShakeRow = row(frame_7, "horizontalLayout_11", 3);
    frame_SliderNum = frameIn(frame_7, "frame_SliderNum");
    frame_SliderNum->setMinimumHeight(40);
    row(frame_SliderNum, "horizontalLayout_6", 6);
    antiShakeRow->addWidget(frame_SliderNum);
    label_AntiShake = named<QLabel>(frame_7, "label_AntiShake");
    label_AntiShake->setMaximumWidth(25);
    label_AntiShake->setAlignment(Qt::AlignCenter);
    antiShakeRow->addWidget(label_AntiShake);
    antiShake->addWidget(frame_7);
    otherLayout->addWidget(frame_Top);
    otherLayout->addItem(vSpacer(20, 0));
    stackedWidget->addWidget(page_Other);
    contents->addWidget(stackedWidget);
    contents->addItem(vSpacer(20, 0));
    scrollArea->setWidget(scrollAreaWidgetContents);
    scrollColumn->addWidget(scrollArea);
    travel->addWidget(frame_3);
    columns->addWidget(frame_AAA);

    // The command column: Apply, the hidden report-rate row, calibration.
    frame_BBB = frameIn(frame_004, "frame_BBB");
    frame_BBB->setFixedWidth(285);
    QVBoxLayout *commands = column(frame_BBB, "verticalLayout_2", 3, 3, 0, -1, 0);
    pushButton_TriggerApply = named<QPushButton>(frame_BBB, "pushButton_TriggerApply");
    pushButton_TriggerApply->setMinimumHeight(35);
    commands->addWidget(pushButton_TriggerApply);
    commands->addItem(vSpacer(20, 158));
    frame_Center = frameIn(frame_BBB, "frame_Center");
    QVBoxLayout *rate = column(frame_Center, "verticalLayout_7", 0);
    QFrame *frame_6 = frameIn(frame_Center, "frame_6");
    QHBoxLayout *rateCaption = row(frame_6, "horizontalLayout_8", 6);
    label_2 = named<QLabel>(frame_6, "label_2");
    rateCaption->addWidget(label_2);
    rateCaption->addItem(hSpacer(134, 20));
    rate->addWidget(frame_6);
    QFrame *frame_5 = frameIn(frame_Center, "frame_5");
    QHBoxLayout *rateRow = row(frame_5, "horizontalLayout_10", 3);
    frame_SliderRateNum = frameIn(frame_5, "frame_SliderRateNum");
    frame_SliderRateNum->setMinimumHeight(35);
    row(frame_SliderRateNum, "horizontalLayout_9", 6);
    rateRow->addWidget(frame_SliderRateNum);
    label_Rate = named<QLabel>(frame_5, "label_Rate");
    label_Rate->setMaximumWidth(25);
    label_Rate->setAlignment(Qt::AlignCenter);
    rateRow->addWidget(label_Rate);
    rate->addWidget(frame_5);
    commands->addWidget(frame_Center);

    frame_RightBottom = frameIn(frame_BBB, "frame_RightBottom", true);
    QVBoxLayout *single = column(frame_RightBottom, "verticalLayout_8", 1);
    frame_4 = frameIn(frame_RightBottom, "frame_4");
    QHBoxLayout *modeRow = row(frame_4, "horizontalLayout_7", 0, 2, 0, 0, 0);
    checkBox_CalibrationMode = named<QCheckBox>(frame_4, "checkBox_CalibrationMode");
    modeRow->addWidget(checkBox_CalibrationMode);
    toolButton_Explain = questionButton(frame_4, "toolButton_Explain");
    modeRow->addWidget(toolButton_Explain);
    single->addWidget(frame_4);
    pushButton_KeyCalibration = named<QPushButton>(frame_RightBottom, "pushButton_KeyCalibration");
    pushButton_KeyCalibration->setMinimumHeight(35);
    single->addWidget(pushButton_KeyCalibration);
    commands->addWidget(frame_RightBottom);

    frame_RightBottom_2 = frameIn(frame_BBB, "frame_RightBottom_2", true);
    QVBoxLayout *all = column(frame_RightBottom_2, "verticalLayout_18", 1);
    frame_19 = frameIn(frame_RightBottom_2, "frame_19");
    QHBoxLayout *allRow = row(frame_19, "horizontalLayout_13", 0, 2, 0, 0, 0);
    label_6 = named<QLabel>(frame_19, "label_6");
    allRow->addWidget(label_6);
    toolButton_Explain_2 = questionButton(frame_19, "toolButton_Explain_2");
    allRow->addWidget(toolButton_Explain_2);
    all->addWidget(frame_19);
    pushButton_KeyCalibration_AllKeys =
        named<QPushButton>(frame_RightBottom_2, "pushButton_KeyCalibration_AllKeys");
    pushButton_KeyCalibration_AllKeys->setMinimumHeight(35);
    all->addWidget(pushButton_KeyCalibration_AllKeys);
    commands->addWidget(frame_RightBottom_2);
    columns->addWidget(frame_BBB);

    // The third column (press and release icons, intensity tracking, reset).
    frame_CCC = frameIn(frame_004, "frame_CCC");
    QVBoxLayout *third = column(frame_CCC, "verticalLayout_16", 5, 3, 0, -1, 0);
    QFrame *frame_16 = frameIn(frame_CCC, "frame_16");
    QHBoxLayout *icons = row(frame_16, "horizontalLayout_26", 6, 3, 3, 3, 3);
    icons->addItem(hSpacer(40, 20));
    toolButton_LeftIco = named<QToolButton>(frame_16, "toolButton_LeftIco");
    toolButton_LeftIco->setMinimumSize(35, 25);
    toolButton_LeftIco->setIcon(QIcon(QStringLiteral(":/images/DKS/Down02Sel.png")));
    icons->addWidget(toolButton_LeftIco);
    icons->addItem(hSpacer(40, 20));
    toolButton_RightIco = named<QToolButton>(frame_16, "toolButton_RightIco");
    toolButton_RightIco->setMinimumSize(35, 25);
    toolButton_RightIco->setIcon(QIcon(QStringLiteral(":/images/DKS/Up02Sel.png")));
    icons->addWidget(toolButton_RightIco);
    icons->addItem(hSpacer(40, 20));
    third->addWidget(frame_16);
    checkBox_IntensityTracking = named<QCheckBox>(frame_CCC, "checkBox_IntensityTracking");
    third->addWidget(checkBox_IntensityTracking);
    pushButton_ResetSensitivity = named<QPushButton>(frame_CCC, "pushButton_ResetSensitivity");
    pushButton_ResetSensitivity->setMinimumHeight(35);
    pushButton_ResetSensitivity->setIcon(QIcon(QStringLiteral(":/images/Reset.png")));
    pushButton_ResetSensitivity->setIconSize(QSize(20, 20));
    third->addWidget(pushButton_ResetSensitivity);
    third->addItem(vSpacer(20, 40));
    columns->addWidget(frame_CCC);
    columns->addItem(hSpacer(353, 20));

    horizontalSlider_PressReleaseJourney->setValue(10);
    horizontalSlider_PressJourney->setValue(10);
    horizontalSlider_ReleaseJourney->setValue(20);
    horizontalSlider_ReleaseJourney->setSliderPosition(20);

    retranslateUi(page);
    stackedWidget->setCurrentIndex(0);
    QMetaObject::connectSlotsByName(page);
}

void Ui_DTriggerSettingPage::retranslateUi(QWidget *page)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("DTriggerSettingPage", text); };
    page->setWindowTitle(tr("DTriggerSettingPage"));
    toolButton_MagneticKeyExplain->setText(QString());
    checkBox_QuickTrigger->setText(tr("Quick trigger"));
    toolButton_QuickTriggerExplain->setText(QString());
    label_QuickExplain->setText(tr("Customize and adjust your trigger stroke and reset stroke based on your "
                                   "intention to press or release the button."));
    checkBox_SecondarySensitivity->setText(tr("Secondary sensitivity"));
    label_SecondExplain->setText(tr("You can separately set the stroke values for quick trigger pressing "
                                    "(triggering) and releasing (resetting)."));
    label_3->setText(tr("Press/Release"));
    label_Journey3->setText(tr("0.1mm"));
    label_4->setText(tr("Press"));
    label_PressJourneySecond4->setText(tr("0.1mm"));
    label_5->setText(tr("Release"));
    label_ReleaseJourneySecond5->setText(tr("0.1mm"));
    label->setText(tr("Key anti shake"));
    label_AntiShake->setText(tr("0"));
    pushButton_TriggerApply->setText(tr("Apply"));
    label_2->setText(tr("Rate return"));
    label_Rate->setText(tr("1K"));
    checkBox_CalibrationMode->setText(tr("Into calibration mode"));
    toolButton_Explain->setText(QString());
    pushButton_KeyCalibration->setText(tr("Start calibration"));
    label_6->setText(tr("All keys calibration"));
    toolButton_Explain_2->setText(QString());
    pushButton_KeyCalibration_AllKeys->setText(tr("Start calibration"));
    toolButton_LeftIco->setText(QString());
    toolButton_RightIco->setText(QString());
    checkBox_IntensityTracking->setText(tr("Intensity tracking"));
    pushButton_ResetSensitivity->setText(tr("Reset sensitivity"));
}
