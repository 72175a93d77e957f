#include "dstrokeconfigview.h"

#include "cbnotice.h"
#include "ddatamanager.h"
#include "ui_dstrokeconfigview.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QtDebug>

#include <algorithm>

DStrokeConfigView::DStrokeConfigView(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DStrokeConfigView>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(460, 150);

    ui->label->setText(tr("Trigger points for DKS actions"));
    MySlider *slider = ui->horizontalSlider_StrokeView;
    slider->setMaximum(36);
    slider->setMinimum(1);
    slider->setValue(1);
    slider->setPressTolerance(10, 4);
    connect(slider, &QSlider::valueChanged, this, &DStrokeConfigView::onSliderStrokeViewValue);
    connect(slider, &QSlider::sliderReleased, this, &DStrokeConfigView::onSliderStrokeViewReleased);
    connect(slider, &QSlider::sliderPressed, this, &DStrokeConfigView::onSliderStrokeViewPressed);
    ui->label_StrokeView->setText(QStringLiteral("1.0mm"));

    m_notice = new CbNotice(this);
    m_notice->setObjectName(QStringLiteral("notice_StrokeView"));
    applyTheme();
}

DStrokeConfigView::~DStrokeConfigView() = default;

QString DStrokeConfigView::valueText(int value)
{
    return QString::number(value / 10.0, 'f', 1) + QStringLiteral("mm");
}

void DStrokeConfigView::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    setStyleSheet(QStringLiteral("QLabel{color:%1;}").arg(ThemeColors::css(c.TextDefaultColor)));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("#frame_Title{background-color:%1;border:none;border-bottom:3px solid %2;"
                       "border-top-left-radius:12px;border-top-right-radius:12px;}"
                       "QLabel#label_Title{color:%3;}")
            .arg(ThemeColors::css(c.SettingsTitleColorStart), ThemeColors::css(c.MacroBorderColor),
                 ThemeColors::css(c.TextCheckedColor)));
    ui->frame_Bg666->setStyleSheet(
        QStringLiteral("#frame_Bg666{border:1px solid %1;background-color:%2;border-radius:12px;}")
            .arg(ThemeColors::css(c.TextCheckedColor), ThemeColors::css(c.SettingsTitleColorStart)));
    ui->horizontalSlider_StrokeView->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{height:6px;border:none;border-radius:3px;background:%1;}"
                       "QSlider::handle:horizontal{width:16px;height:16px;margin-top:-5px;margin-bottom:-5px;"
                       "border-image:url(:/images/DKS/slider.png);}"
                       "QSlider::sub-page:horizontal{border-radius:3px;background:%2;}")
            .arg(ThemeColors::css(c.DeviceBorderColor), ThemeColors::css(c.TextCheckedColor)));

    QFont font = DDataManager::getInstance()->getFont(1);
    font.setPointSize(12);
    ui->label->setFont(font);
    ui->label_StrokeView->setFont(font);
    // The form's 55 px fit the family it was drawn with; a substituted family may need more.
    const int widest = QFontMetrics(font).horizontalAdvance(QStringLiteral("0.0mm")) + 4;
    ui->label_StrokeView->setFixedWidth(std::max(55, widest));

    m_notice->setBackgroundColor(ThemeColors::toColor(c.AllBgColor));
    m_notice->setTextColor(ThemeColors::toColor(c.TextCheckedColor));
    m_notice->setNoticeFont(DDataManager::getInstance()->getFont(1));
}

void DStrokeConfigView::setSeniorKeyInfoStu(SeniorKeyInfoStu record)
{
    m_record = record;
    const QSignalBlocker block(ui->horizontalSlider_StrokeView);
    ui->horizontalSlider_StrokeView->setValue(record.stroke[0]);
    ui->label_StrokeView->setText(valueText(record.stroke[0]));
}

void DStrokeConfigView::onSliderStrokeViewValue(int Value)
{
    ui->label_StrokeView->setText(valueText(Value));
}

void DStrokeConfigView::onSliderStrokeViewPressed()
{
    qDebug().noquote()
        << "------------------------- *** [DStrokeConfigView::onSliderStrokeViewPressed] Pressed *** "
           "-------------------------";
}

void DStrokeConfigView::onSliderStrokeViewReleased()
{
    qDebug().noquote()
        << "------------------------- *** [DStrokeConfigView::onSliderStrokeViewReleased] Released *** "
           "-------------------------";
    const int value = ui->horizontalSlider_StrokeView->value();
    m_record.stroke[0] = value;
    m_record.stroke[3] = value;
    if (SeniorKeyStore::current().modify(&m_record)) {
        emit sigTheDKSStrokeStuChanged();
        return;
    }
    // The store kept the old depth: show that one, not the refused value.
    setSeniorKeyInfoStu(m_record);
    m_notice->showNotice(tr("Operate failed"), rect().center());
}

void DStrokeConfigView::on_pushButton_Close_clicked()
{
    emit sigTheStrokeConfigViewClose();
    close();
}

void DStrokeConfigView::closeEvent(QCloseEvent *event)
{
    qDebug().noquote()
        << "------------------------- *** [DStrokeConfigView] closeEvent *** -------------------------";
    QWidget::closeEvent(event);
}
