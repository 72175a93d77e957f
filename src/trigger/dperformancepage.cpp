#include "dperformancepage.h"

#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "devicestatusrules.h"
#include "dperformancepageform.h"
#include "keyboardsettings.h"

#include <QCheckBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <cstring>

namespace {

QString rgbOf(const QString &components)
{
    return QStringLiteral("%1").arg(
        ThemeColors::css(components.split(QLatin1Char(',')).mid(0, 3).join(QLatin1Char(','))));
}

} // namespace

DPerformancePage::DPerformancePage(QWidget *parent)
    : QWidget(parent), ui(new Ui_DPerformancePage), m_openKeyboardSettings(&keyboardsettings::open)
{
    setObjectName(QStringLiteral("DPerformancePage"));
    ui->setupUi(this);
    setOwnTexts();
    ui->lineEdit_LightSleep->setValidator(new QIntValidator(0, 60000, this));
    ui->lineEdit_KeyboardSleep->setValidator(new QIntValidator(5, 1000, this));
    ui->pushButton_Restore->hide();
}

DPerformancePage::~DPerformancePage()
{
    delete ui;
}

bool DPerformancePage::isProhibitSleepModel(const QString &modelName)
{
    static const QStringList kModels{QStringLiteral("TL104")};
    return kModels.contains(modelName);
}

void DPerformancePage::setKeyboardSettingsOpener(std::function<bool()> opener)
{
    m_openKeyboardSettings = std::move(opener);
}

void DPerformancePage::setProfileXmlPath(const char *path)
{
    m_profileXmlPath = QByteArray(path ? path : "");
}

void DPerformancePage::setOwnTexts()
{
    ui->label->setText(tr("If Win Lock is on:"));
    ui->checkBox_disableWindowsKey->setText(tr("Disable Windows key"));
    ui->checkBox_disableSHIFT_TAB->setText(tr("Disable SHIFT+TAB"));
    ui->checkBox_disableALT_TAB->setText(tr("Disable ALT+TAB"));
    ui->checkBox_disableALT_F4->setText(tr("Disable ALT+F4"));
    ui->label_2->setText(tr("Light into sleep:"));
    ui->label_3->setText(tr("Second"));
    ui->label_5->setText(tr("Keyboard into sleep:"));
    ui->label_4->setText(tr("Minute"));
    ui->checkBox_ProhibitSleep->setText(tr("Prohibit Sleep"));
    ui->pushButton_SubmitSleepTime->setText(tr("Submit"));
    ui->pushButton_keyboardProperties->setText(tr("Keyboard properties"));
    ui->pushButton_Restore->setText(tr("Reset current profile"));
}

void DPerformancePage::retranslate()
{
    ui->retranslateUi(this);
    setOwnTexts();
    loadPerformanceSettings();
}

void DPerformancePage::loadPerformanceSettings()
{
    DDataManager *dm = DDataManager::getInstance();
    const QByteArray index = QByteArray::number(m_profileIndex);

    char switches[4][8];
    for (auto &s : switches)
        std::strcpy(s, "0");
    CQuelmoXML_GetProFileFunctionInfo(m_profileXmlPath.constData(), index.constData(), switches);
    QCheckBox *boxes[4] = {ui->checkBox_disableALT_TAB, ui->checkBox_disableALT_F4,
                           ui->checkBox_disableSHIFT_TAB, ui->checkBox_disableWindowsKey};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setChecked(devicestatus::winLockSwitchOn(switches[i]));

    int light = 600, keyboard = 30;
    CQuelmoXML_GetProFileIntoSleepTimeInfo(m_profileXmlPath.constData(), index.constData(), &light,
                                           &keyboard);
    ui->lineEdit_LightSleep->setText(QString::number(light));
    ui->lineEdit_KeyboardSleep->setText(QString::number(keyboard));

    const bool prohibit = dm->prohibitSleepStatus() != 0;
    ui->lineEdit_KeyboardSleep->setReadOnly(prohibit);
    ui->checkBox_ProhibitSleep->setChecked(prohibit);
    if (isProhibitSleepModel(dm->currentModelName())) {
        ui->frame_ProhibitSleep->show();
    } else {
        ui->frame_ProhibitSleep->hide();
        ui->lineEdit_KeyboardSleep->setReadOnly(false);
    }
    ui->frame_Center->setVisible(!(dm->isMagneticKeyboard() || dm->hidDeviceType() == 5));
}

void DPerformancePage::saveWinLockOptions()
{
    const int altTab = ui->checkBox_disableALT_TAB->isChecked() ? 1 : 0;
    const int altF4 = ui->checkBox_disableALT_F4->isChecked() ? 1 : 0;
    const int shiftTab = ui->checkBox_disableSHIFT_TAB->isChecked() ? 1 : 0;
    const int winKey = ui->checkBox_disableWindowsKey->isChecked() ? 1 : 0;
    const QByteArray index = QByteArray::number(m_profileIndex);
    CQuelmoXML_AddProFileFunctionInfo(
        m_profileXmlPath.constData(), index.constData(), QByteArray::number(altTab).constData(),
        QByteArray::number(altF4).constData(), QByteArray::number(shiftTab).constData(),
        QByteArray::number(winKey).constData());
    emit sigLockWinKeyAbout(winKey, shiftTab, altTab, altF4);
}

void DPerformancePage::on_checkBox_disableALT_TAB_clicked()
{
    saveWinLockOptions();
}

void DPerformancePage::on_checkBox_disableALT_F4_clicked()
{
    saveWinLockOptions();
}

void DPerformancePage::on_checkBox_disableSHIFT_TAB_clicked()
{
    saveWinLockOptions();
}

void DPerformancePage::on_checkBox_disableWindowsKey_clicked()
{
    saveWinLockOptions();
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    emit sigResetoreCurrentProfile();
}

void DPerformancePage::on_pushButton_keyboardProperties_clicked()
{
    // Started detached: the page never waits for the settings window.
    if (m_openKeyboardSettings)
        m_openKeyboardSettings();
}

void DPerformancePage::on_checkBox_ProhibitSleep_clicked()
{
    ui->lineEdit_KeyboardSleep->setReadOnly(ui->checkBox_ProhibitSleep->isChecked());
}

void DPerformancePage::on_pushButton_SubmitSleepTime_clicked()
{
    const int light = ui->lineEdit_LightSleep->text().toInt();
    const int keyboard = ui->lineEdit_KeyboardSleep->text().toInt() * 60;
    const int prohibit = ui->checkBox_ProhibitSleep->isChecked() ? 1 : 0;
    // The device page waits for the keyboard's answer inside the emission; a second Submit meanwhile
    // would start a second wait inside the first.
    QPointer<DPerformancePage> self(this);
    ui->pushButton_SubmitSleepTime->setEnabled(false);
    emit sigLightAndKeyboardSleepTime(light, keyboard, prohibit);
    if (self)
        ui->pushButton_SubmitSleepTime->setEnabled(true);
}

void DPerformancePage::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const ThemeColors t = dm->getThemeColors();
    const QString border = rgbOf(t.DeviceBorderColor);
    const QString text = rgbOf(t.TextDefaultColor);
    const QString checked = rgbOf(t.TextCheckedColor);
    const QString background = rgbOf(t.DeviceRightBgColor);

    const QString frameStyle = QStringLiteral("QFrame#frame_Left, QFrame#frame_Center{border: 3px solid %1; "
                                              "border-radius: 8px;}")
                                   .arg(border);
    ui->frame_Left->setStyleSheet(frameStyle);
    ui->frame_Center->setStyleSheet(frameStyle);
    ui->frame_4->setStyleSheet(
        QStringLiteral("QCheckBox{color: %1; font: 75 10pt \"%3\";}QCheckBox:unchecked{color: %1;}"
                       "QCheckBox:checked{color: %2;}QCheckBox::indicator{width: 13px; height: 13px;}"
                       "QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}"
                       "QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}")
            .arg(text, checked, t.TextFont));

    const QString labelStyle = QStringLiteral("QLabel{color: %1;}").arg(text);
    QFont big = dm->getFont(1);
    big.setPointSize(11);
    QFont small = dm->getFont(1);
    small.setPointSize(10);
    for (QLabel *l : {ui->label, ui->label_2, ui->label_5}) {
        l->setStyleSheet(labelStyle);
        l->setFont(big);
    }
    for (QLabel *l : {ui->label_3, ui->label_4}) {
        l->setStyleSheet(labelStyle);
        l->setFont(small);
    }
    const QString editStyle =
        QStringLiteral(
            "QLineEdit{color: %1; font: 75 8pt \"%5\"; background-color: %2; border: 1px solid %3; "
            "border-radius: 4px;}QLineEdit:hover, QLineEdit:focus{border: 1px solid %4;}")
            .arg(text, background, border, checked, t.TextFont);
    ui->lineEdit_LightSleep->setStyleSheet(editStyle);
    ui->lineEdit_KeyboardSleep->setStyleSheet(editStyle);
    const QString buttonStyle =
        QStringLiteral(
            "QPushButton{border-radius: 8px; border: 2px solid %1; background-color: %2; color: %3;}"
            "QPushButton:hover{background-color: %2; border: 2px solid %4;}"
            "QPushButton:pressed{color: %4; background-color: %2; border: 2px solid %4;}"
            "QPushButton:disabled{color: %1;}")
            .arg(border, background, text, checked);
    for (QPushButton *b :
         {ui->pushButton_SubmitSleepTime, ui->pushButton_Restore, ui->pushButton_keyboardProperties}) {
        b->setStyleSheet(buttonStyle);
        b->setFont(big);
    }
}
