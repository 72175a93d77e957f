#include "dtriggersettingpage.h"

#include "arrowwidget.h"
#include "ddatamanager.h"
#include "dkeycalibrationexplaindia.h"
#include "dsensitivityshowwidget.h"
#include "dtriggersettingpageform.h"
#include "myslider.h"

#include <QCheckBox>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString travelText(int count)
{
    return QString::number(count / 10.0, 'f', 1) + QStringLiteral("mm");
}

// "rgb(r,g,b)" from a theme colour's first three components.
QString rgbOf(const QString &components)
{
    return QStringLiteral("%1").arg(
        ThemeColors::css(components.split(QLatin1Char(',')).mid(0, 3).join(QLatin1Char(','))));
}

QColor opaque(const QString &components)
{
    QColor c = ThemeColors::toColor(components);
    c.setAlpha(255);
    return c;
}

bool separateTravel(int type)
{
    return type == 1 || type == 13;
}

} // namespace

DTriggerSettingPage::DTriggerSettingPage(QWidget *parent) : QWidget(parent), ui(new Ui_DTriggerSettingPage)
{
    setObjectName(QStringLiteral("DTriggerSettingPage"));
    ui->setupUi(this);
    setOwnTexts();

    // Rows without behaviour a user could reach.
    for (QWidget *w :
         {static_cast<QWidget *>(ui->frame_Top), static_cast<QWidget *>(ui->frame_Center),
          static_cast<QWidget *>(ui->frame_CCC), static_cast<QWidget *>(ui->toolButton_QuickTriggerExplain),
          static_cast<QWidget *>(ui->toolButton_LeftIco), static_cast<QWidget *>(ui->toolButton_RightIco),
          static_cast<QWidget *>(ui->checkBox_IntensityTracking),
          static_cast<QWidget *>(ui->pushButton_ResetSensitivity)})
        w->hide();

    DDataManager *dm = DDataManager::getInstance();
    connect(dm, &DDataManager::sigBackDynamicDisplaySensitivityNum, this,
            &DTriggerSettingPage::onBackDynamicDisplaySensitivityNum);
    connect(dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo, this,
            &DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo);

    m_SensitivityShow = new DSensitivityShowWidget(ui->widget_SensitivityShow);
    ui->verticalLayout_4->addWidget(m_SensitivityShow);
    connect(m_SensitivityShow, &DSensitivityShowWidget::sigCurrentStrengthNumBack, this,
            &DTriggerSettingPage::onCurrentStrengthNumBack);

    const struct
    {
        MySlider *slider;
        void (DTriggerSettingPage::*value)(int);
        void (DTriggerSettingPage::*released)();
        QLabel *label;
    } sliders[] = {
        {ui->horizontalSlider_PressReleaseJourney, &DTriggerSettingPage::onSliderPressReleaseJourneyValue,
         &DTriggerSettingPage::onSliderPressReleaseJourneyReleased, ui->label_Journey3},
        {ui->horizontalSlider_PressJourney, &DTriggerSettingPage::onSliderPressJourneyValue,
         &DTriggerSettingPage::onSliderPressJourneyReleased, ui->label_PressJourneySecond4},
        {ui->horizontalSlider_ReleaseJourney, &DTriggerSettingPage::onSliderReleaseJourneyValue,
         &DTriggerSettingPage::onSliderReleaseJourneyReleased, ui->label_ReleaseJourneySecond5},
    };
    for (const auto &s : sliders) {
        s.slider->setRange(1, kQuickTriggerMax);
        s.slider->setValue(1);
        s.slider->setPressTolerance(10, 5);
        connect(s.slider, &QSlider::valueChanged, this, s.value);
        connect(s.slider, &QSlider::sliderReleased, this, s.released);
        s.label->setText(travelText(1));
    }

    ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
    for (QWidget *button :
         {ui->toolButton_Explain, ui->toolButton_MagneticKeyExplain, ui->toolButton_Explain_2,
          ui->toolButton_QuickTriggerExplain, ui->toolButton_LeftIco, ui->toolButton_RightIco})
        button->installEventFilter(this);
}

DTriggerSettingPage::~DTriggerSettingPage()
{
    if (m_ExplainPopup)
        delete m_ExplainPopup.data();
    delete ui;
}

void DTriggerSettingPage::setOwnTexts()
{
    ui->pushButton_TriggerApply->setText(tr("Apply"));
    ui->checkBox_SecondarySensitivity->setText(tr("Sensitivity of pressing and releasing"));
    ui->checkBox_QuickTrigger->setText(tr("Quick trigger"));
    ui->checkBox_CalibrationMode->setText(tr("Key calibration mode"));
    ui->pushButton_KeyCalibration->setText(tr("Start calibration"));
    ui->pushButton_KeyCalibration_AllKeys->setText(tr("Start calibration"));
    ui->label_6->setText(tr("All keys calibration"));
    ui->label_QuickExplain->setText(
        tr("Customize and adjust your trigger stroke and reset stroke based on your "
           "intention to press or release the button."));
    ui->label_SecondExplain->setText(tr("You can separately set the stroke values for quick trigger pressing "
                                        "(triggering) and releasing (resetting)."));
    const QString press = tr("Press") + QStringLiteral("(") + tr("Trigger") + QStringLiteral(")");
    const QString release = tr("Release") + QStringLiteral("(") + tr("Reset") + QStringLiteral(")");
    ui->label_4->setText(press);
    ui->label_5->setText(release);
    ui->label_3->setText(press + QStringLiteral("/") + release);
}

void DTriggerSettingPage::retranslate()
{
    ui->retranslateUi(this);
    setOwnTexts();
    // The form's refresh puts its placeholders back; the labels show what the sliders hold.
    ui->label_Journey3->setText(travelText(ui->horizontalSlider_PressReleaseJourney->value()));
    ui->label_PressJourneySecond4->setText(travelText(ui->horizontalSlider_PressJourney->value()));
    ui->label_ReleaseJourneySecond5->setText(travelText(ui->horizontalSlider_ReleaseJourney->value()));
}

void DTriggerSettingPage::placeMarker(int count)
{
    // A count the scale has no tick for (the maximum not known yet) leaves the marker alone.
    m_SensitivityShow->setCenterMarker(count);
    m_SensitivityShow->update();
}

void DTriggerSettingPage::resetQuickTrigger()
{
    for (QLabel *l : {ui->label_Journey3, ui->label_PressJourneySecond4, ui->label_ReleaseJourneySecond5})
        l->setText(travelText(1));
    for (MySlider *s : {ui->horizontalSlider_PressReleaseJourney, ui->horizontalSlider_PressJourney,
                        ui->horizontalSlider_ReleaseJourney})
        s->setValue(1);
    m_QuickTrigger_StrengthNum_C = m_QuickTrigger_StrengthNum_L = m_QuickTrigger_StrengthNum_R = 1;
}

void DTriggerSettingPage::showQuickTriggerRows(bool shown)
{
    ui->checkBox_SecondarySensitivity->setVisible(shown);
    ui->frame_SecondExplain->setVisible(shown);
    ui->stackedWidget->setVisible(shown);
}

void DTriggerSettingPage::loadInitData()
{
    const int max = DDataManager::getInstance()->keyTravelMax();
    const int n = max + 1;
    m_SensitivityShow->setWidgetSize(ui->widget_SensitivityShow->width(),
                                     ui->widget_SensitivityShow->height());
    m_SensitivityShow->setSegmentCount(n);
    m_SensitivityShow->setBarWidth(38);
    const int mid = n / 2;

    ui->checkBox_SecondarySensitivity->setChecked(false);
    placeMarker(mid);
    m_SensitivityShow->setLiveTravel(0);
    m_SensitivityShow->setLiveTravelShown(false);
    m_StrengthNum_C = m_StrengthNum_L = m_StrengthNum_R = mid;
    m_releaseFromKey = false;

    showQuickTriggerRows(false);
    ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
    resetQuickTrigger();
    applyScaleColors();
    ui->checkBox_QuickTrigger->setChecked(false);
    m_AllKeysCalibrationRunning = 0;
}

void DTriggerSettingPage::on_checkBox_QuickTrigger_clicked()
{
    const int mid = (DDataManager::getInstance()->keyTravelMax() + 1) / 2;
    resetQuickTrigger();
    showQuickTriggerRows(ui->checkBox_QuickTrigger->isChecked());
    ui->checkBox_SecondarySensitivity->setChecked(false);
    ui->stackedWidget->setCurrentWidget(ui->page_SecondClose);
    placeMarker(mid);
    m_StrengthNum_C = m_StrengthNum_L = m_StrengthNum_R = mid;
    m_releaseFromKey = false;
    m_SensitivityShow->update();
}

void DTriggerSettingPage::on_checkBox_SecondarySensitivity_clicked()
{
    resetQuickTrigger();
    ui->stackedWidget->setCurrentWidget(
        ui->checkBox_SecondarySensitivity->isChecked() ? ui->page_SecondOpen : ui->page_SecondClose);
}

// A slider's value counts as soon as it shows, however it was moved (mouse, keys, loading).
void DTriggerSettingPage::onSliderPressReleaseJourneyValue(int Value)
{
    ui->label_Journey3->setText(travelText(Value));
    m_QuickTrigger_StrengthNum_C = Value;
}

void DTriggerSettingPage::onSliderPressReleaseJourneyReleased()
{
    m_QuickTrigger_StrengthNum_C = ui->horizontalSlider_PressReleaseJourney->value();
    qDebug() << "------------------------------------------------- ABC m_QuickTrigger_StrengthNum_C:"
             << m_QuickTrigger_StrengthNum_C;
}

void DTriggerSettingPage::onSliderPressJourneyValue(int Value)
{
    ui->label_PressJourneySecond4->setText(travelText(Value));
    m_QuickTrigger_StrengthNum_L = Value;
}

void DTriggerSettingPage::onSliderPressJourneyReleased()
{
    m_QuickTrigger_StrengthNum_L = ui->horizontalSlider_PressJourney->value();
    qDebug() << "------------------------------------------------- ABC m_QuickTrigger_StrengthNum_L:"
             << m_QuickTrigger_StrengthNum_L;
}

void DTriggerSettingPage::onSliderReleaseJourneyValue(int Value)
{
    ui->label_ReleaseJourneySecond5->setText(travelText(Value));
    m_QuickTrigger_StrengthNum_R = Value;
}

void DTriggerSettingPage::onSliderReleaseJourneyReleased()
{
    m_QuickTrigger_StrengthNum_R = ui->horizontalSlider_ReleaseJourney->value();
    qDebug() << "------------------------------------------------- ABC m_QuickTrigger_StrengthNum_R:"
             << m_QuickTrigger_StrengthNum_R;
}

void DTriggerSettingPage::onCurrentStrengthNumBack(int whereData, int StrengthNum)
{
    if (whereData < 0 || whereData > 2)
        qDebug() << "------------------------ [ ERROR ] ----------------------------";
    m_StrengthNum_C = m_StrengthNum_L = StrengthNum;
    // The marker is the press point; a loaded key keeps its own release point.
    if (!m_releaseFromKey)
        m_StrengthNum_R = StrengthNum;
}

void DTriggerSettingPage::on_pushButton_TriggerApply_clicked()
{
    const int max = DDataManager::getInstance()->keyTravelMax();
    if (max <= 0) {
        // Without the keyboard's travel there is no valid point to send.
        emit sigSomeMessageTip_TriggerPage(
            tr("The keyboard has not reported its key travel yet, please wait a moment"));
        return;
    }
    const bool quick = ui->checkBox_QuickTrigger->isChecked();
    const bool separate = ui->checkBox_SecondarySensitivity->isChecked();
    const int selMode = quick ? (separate ? 13 : 12) : (separate ? 1 : 0);
    auto travel = [max](int v) { return std::clamp(v, 1, max); };
    auto quickTravel = [](int v) { return std::clamp(v, 1, kQuickTriggerMax); };
    const int pressL = travel(separate ? m_StrengthNum_L : m_StrengthNum_C);
    const int pressR = travel(separate ? m_StrengthNum_R : m_StrengthNum_C);
    const int quickL = quickTravel(separate ? m_QuickTrigger_StrengthNum_L : m_QuickTrigger_StrengthNum_C);
    const int quickR = quickTravel(separate ? m_QuickTrigger_StrengthNum_R : m_QuickTrigger_StrengthNum_C);
    emit sigMagnetsKeysApplyConfig(selMode, pressL, pressR, quickL, quickR);
    qDebug() << "----------- Setting selMode:" << selMode << " m_StrengthNum_L:" << m_StrengthNum_L
             << " m_StrengthNum_R:" << m_StrengthNum_R
             << " m_QuickTrigger_StrengthNum_L:" << m_QuickTrigger_StrengthNum_L
             << " m_QuickTrigger_StrengthNum_R:" << m_QuickTrigger_StrengthNum_R;
}

void DTriggerSettingPage::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum,
                                                                       int QuickTriggerPressNum,
                                                                       int QuickTriggerReleaseNum)
{
    qDebug() << "----------- Getting type:" << type << " pressNum:" << pressNum
             << " releaseNum:" << releaseNum << " QuickTriggerPressNum:" << QuickTriggerPressNum
             << " QuickTriggerReleaseNum:" << QuickTriggerReleaseNum;
    const bool separate = separateTravel(type);
    ui->checkBox_SecondarySensitivity->setChecked(separate);
    ui->stackedWidget->setCurrentWidget(separate ? ui->page_SecondOpen : ui->page_SecondClose);
    const bool quick = type == 12 || type == 13;
    showQuickTriggerRows(quick);
    ui->checkBox_QuickTrigger->setChecked(quick);
    if (type == 12) {
        ui->horizontalSlider_PressReleaseJourney->setValue(QuickTriggerPressNum);
        ui->label_Journey3->setText(travelText(ui->horizontalSlider_PressReleaseJourney->value()));
    } else if (type == 13) {
        ui->horizontalSlider_PressJourney->setValue(QuickTriggerPressNum);
        ui->horizontalSlider_ReleaseJourney->setValue(QuickTriggerReleaseNum);
        ui->label_PressJourneySecond4->setText(travelText(ui->horizontalSlider_PressJourney->value()));
        ui->label_ReleaseJourneySecond5->setText(travelText(ui->horizontalSlider_ReleaseJourney->value()));
    }

    // What the keyboard reports is taken within the ranges the page can show and send.
    const int max = DDataManager::getInstance()->keyTravelMax();
    auto travel = [max](int v) { return max > 0 ? std::clamp(v, 1, max) : v; };
    auto quickTravel = [](int v) { return std::clamp(v, 1, kQuickTriggerMax); };
    placeMarker(travel(pressNum));
    m_StrengthNum_C = m_StrengthNum_L = travel(pressNum);
    m_StrengthNum_R = travel(releaseNum);
    m_releaseFromKey = separate;
    m_QuickTrigger_StrengthNum_C = m_QuickTrigger_StrengthNum_L = quickTravel(QuickTriggerPressNum);
    m_QuickTrigger_StrengthNum_R = quickTravel(QuickTriggerReleaseNum);
    m_SensitivityShow->update();
}

void DTriggerSettingPage::on_checkBox_CalibrationMode_clicked()
{
    emit sigCalibrationMode(ui->checkBox_CalibrationMode->isChecked() ? 1 : 0);
}

void DTriggerSettingPage::on_pushButton_KeyCalibration_clicked()
{
    emit sigKeyCalibrationStartRuning();
}

void DTriggerSettingPage::on_pushButton_KeyCalibration_AllKeys_clicked()
{
    if (m_AllKeysCalibrationRunning == 0) {
        m_AllKeysCalibrationRunning = 1;
        emit sigAllKeysCalibrationMode(1);
    } else {
        m_AllKeysCalibrationRunning = 0;
        emit sigAllKeysCalibrationMode(0);
    }
}

void DTriggerSettingPage::endAllKeysCalibration()
{
    m_AllKeysCalibrationRunning = 0;
    ui->checkBox_CalibrationMode->setChecked(false);
    resetDynamicDisplaySensitivityNum();
}

void DTriggerSettingPage::resetCalibrationMode()
{
    DDataManager::getInstance()->setCalibrationRunning(false);
    ui->checkBox_CalibrationMode->setChecked(false);
}

void DTriggerSettingPage::onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    Q_UNUSED(indexX)
    Q_UNUSED(indexY)
    // The key's travel is drawn while a calibration asks the user to press keys.
    m_SensitivityShow->setLiveTravelShown(DDataManager::getInstance()->isCalibrationRunning());
    m_SensitivityShow->setLiveTravel(sensitivityNum);
}

void DTriggerSettingPage::resetDynamicDisplaySensitivityNum()
{
    m_SensitivityShow->setLiveTravel(0);
}

// ---- Explanations ------------------------------------------------------------------------------

void DTriggerSettingPage::showExplanation(QWidget *button, int type, QSize size, int offset)
{
    // One box at a time: the previous one goes when the next is made.
    if (m_ExplainPopup)
        m_ExplainPopup->deleteLater();
    auto *explanation = new DKeyCalibrationExplainDia(type, this);
    explanation->setWindowOpacity(1.0);
    auto *box = new ArrowWidget(1);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWidgetSize(size.width(), size.height());
    box->setArrowStartX(30);
    box->setCenterWidget(explanation);
    m_ExplainPopup = box;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    box->move(anchor - QPoint(38, button->height() + offset));
    box->show();
}

void DTriggerSettingPage::onExplainShow()
{
    showExplanation(ui->toolButton_Explain, 0, QSize(360, 203), 205);
}

void DTriggerSettingPage::theExplainMagneticKeyShow()
{
    showExplanation(ui->toolButton_MagneticKeyExplain, 2, QSize(310, 130), 132);
}

void DTriggerSettingPage::onExplainShow_2()
{
    showExplanation(ui->toolButton_Explain_2, 3, QSize(360, 173), 175);
}

bool DTriggerSettingPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        if (watched == ui->toolButton_Explain)
            onExplainShow();
        else if (watched == ui->toolButton_MagneticKeyExplain)
            theExplainMagneticKeyShow();
        else if (watched == ui->toolButton_Explain_2)
            onExplainShow_2();
    } else if (event->type() == QEvent::Leave) {
        if (m_ExplainPopup)
            m_ExplainPopup->hide();
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Theme -------------------------------------------------------------------------------------

void DTriggerSettingPage::applyScaleColors()
{
    const ThemeColors t = DDataManager::getInstance()->getThemeColors();
    m_SensitivityShow->setColors(opaque(t.AllScrollBgColor), opaque(t.AllThemeColor), opaque(t.AllThemeColor),
                                 opaque(t.DeviceRightBgColor));
}

void DTriggerSettingPage::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const ThemeColors t = dm->getThemeColors();
    applyScaleColors();

    ui->frame_004->setStyleSheet(
        QStringLiteral("QFrame{border: none;}QFrame#frame_AAA{border: 3px solid %1; border-radius: 8px;}")
            .arg(rgbOf(t.DeviceBorderColor)));

    QFont captionFont = dm->getFont(1);
    captionFont.setPointSize(10);
    const QString captionStyle = QStringLiteral("QLabel{color: %1;}").arg(rgbOf(t.TextDefaultColor));
    for (QLabel *l :
         {ui->label_3, ui->label_4, ui->label_5, ui->label_QuickExplain, ui->label_SecondExplain, ui->label_6,
          ui->label_Journey3, ui->label_PressJourneySecond4, ui->label_ReleaseJourneySecond5}) {
        l->setStyleSheet(captionStyle);
        l->setFont(captionFont);
    }

    const QString boxStyle =
        QStringLiteral("QCheckBox{color: %1; font: 75 10pt \"%3\";}"
                       "QCheckBox:unchecked{color: %1;}QCheckBox:checked{color: %2;}"
                       "QCheckBox::indicator{width: 13px; height: 13px;}"
                       "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}"
                       "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
            .arg(rgbOf(t.TextDefaultColor), rgbOf(t.TextCheckedColor), t.TextFont);
    ui->frame_Bottom->setStyleSheet(boxStyle);
    ui->frame_4->setStyleSheet(boxStyle);

    QFont buttonFont = dm->getFont(1);
    buttonFont.setPointSize(11);
    const QString buttonStyle =
        QStringLiteral(
            "QPushButton{border-radius: 8px; border: 2px solid %1; background-color: %2; color: %3;}"
            "QPushButton:hover{background-color: %2; border: 2px solid %4;}"
            "QPushButton:pressed{color: %4; background-color: %2; border: 2px solid %4;}")
            .arg(rgbOf(t.DeviceBorderColor), rgbOf(t.DeviceRightBgColor), rgbOf(t.TextDefaultColor),
                 rgbOf(t.TextCheckedColor));
    for (QPushButton *b : {ui->pushButton_TriggerApply, ui->pushButton_KeyCalibration,
                           ui->pushButton_KeyCalibration_AllKeys}) {
        b->setStyleSheet(buttonStyle);
        b->setFont(buttonFont);
    }

    const QString sliderStyle =
        QStringLiteral("QSlider::groove:horizontal{height: 6px; border-radius: 3px; background: %1;}"
                       "QSlider::sub-page:horizontal{background: rgb(165,165,175); border-radius: 3px;}"
                       "QSlider::handle:horizontal{width: 16px; height: 16px; margin: -5px 0px -5px 0px;"
                       "border-image: url(:/images/DKS/slider.png);}")
            .arg(rgbOf(t.DeviceBorderColor));
    for (MySlider *s : {ui->horizontalSlider_PressReleaseJourney, ui->horizontalSlider_PressJourney,
                        ui->horizontalSlider_ReleaseJourney})
        s->setStyleSheet(sliderStyle);

    // See-through, so the travel column's own background shows.
    ui->scrollArea->setStyleSheet(QStringLiteral("QScrollArea{background: transparent;}"));
    ui->scrollArea->viewport()->setAutoFillBackground(false);
    ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{background: transparent;}"));
    m_ScrollBarStyleSheet =
        QStringLiteral("QScrollBar:vertical{width: 4px; background: transparent; margin: 3px 0px 3px 0px;}"
                       "QScrollBar::handle:vertical{background: %1; min-height: 20px; border-radius: 2px;}"
                       "QScrollBar::handle:vertical:hover{background: %2;}"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: %3;"
                       "border-radius: 3px;}")
            .arg(rgbOf(t.AllScrollBarColorDef), rgbOf(t.AllScrollBarColorHover), rgbOf(t.AllScrollBgColor));
    QTimer::singleShot(200, this, &DTriggerSettingPage::onScrollSheetSet);
}

void DTriggerSettingPage::onScrollSheetSet()
{
    ui->frame_3->setStyleSheet(m_ScrollBarStyleSheet);
}
