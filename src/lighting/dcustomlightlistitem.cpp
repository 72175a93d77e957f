#include "dcustomlightlistitem.h"
#include "ui_dcustomlightlistitem.h"

#include "cquelmoxml.h"
#include "ddatamanager.h"

#include <QDebug>

DCustomLightListItem::DCustomLightListItem(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DCustomLightListItem>())
{
    ui->setupUi(this);
    ui->pushButton_CustomOperate->hide();
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}

DCustomLightListItem::~DCustomLightListItem() = default;

void DCustomLightListItem::setCustomLightInfo(const QString &index, const QString &name,
                                              const QString &usingStatus, int usingFlagIndex)
{
    m_index = index;
    m_name = name;
    m_usingStatus = usingStatus;
    m_usingFlagIndex = usingFlagIndex;
    ui->checkBox->setChecked(usingStatus == QLatin1String("Using"));
    ui->label_CustomItemName->setText(name);
}

void DCustomLightListItem::applyTheme()
{
    const ThemeColors theme = DDataManager::getInstance()->getThemeColors();
    m_selectedBackground = theme.MacroListItemSelectedColor;
    m_hoverBackground = theme.MacroListItemHoverColor;
    m_normalBackground = theme.DeviceRightBgColor;
    m_textColour = theme.TextDefaultColor;
    m_selectedTextColour = theme.TextCheckedColor;
    m_fontFamily = theme.TextFont;
    ui->lineEdit_CustomItemName->setStyleSheet(
        QStringLiteral(
            "QLineEdit#lineEdit_CustomItemName{color: %1; font: 75 9pt \"%2\"; background-color: %3; "
            "border: 1px solid %4;}"
            "QLineEdit#lineEdit_CustomItemName:hover, QLineEdit#lineEdit_CustomItemName:pressed"
            "{border: 1px solid %5;}")
            .arg(ThemeColors::css(theme.TextDefaultColor), theme.TextFont,
                 ThemeColors::css(theme.DeviceRightBgColor), ThemeColors::css(theme.DeviceBorderColor),
                 ThemeColors::css(theme.TextCheckedColor)));
    setSelected(m_selected);
}

void DCustomLightListItem::setSelected(bool selected)
{
    m_selected = selected;
    // Before the first theme refresh only the built-in look of the form is there.
    if (m_textColour.isEmpty())
        return;
    const QString background = selected ? m_selectedBackground : m_normalBackground;
    const QString hover = selected ? m_selectedBackground : m_hoverBackground;
    ui->frame_5->setStyleSheet(
        QStringLiteral(
            "QFrame#frame_5{border: none; border-bottom: 0px solid rgb(50,50,50); background-color: %1;}"
            "QFrame#frame_5:hover{background-color: %2;}")
            .arg(ThemeColors::css(background), ThemeColors::css(hover)));
    ui->label_CustomItemName->setStyleSheet(
        QStringLiteral("QLabel#label_CustomItemName{color: %1; font: 75 9pt \"%2\";}")
            .arg(ThemeColors::css(selected ? m_selectedTextColour : m_textColour), m_fontFamily));
}

void DCustomLightListItem::setUsingChecked(bool checked)
{
    ui->checkBox->setChecked(checked);
}

void DCustomLightListItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit sigCustomLightItemMouseClicked(m_index, m_name);
}

void DCustomLightListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    ui->lineEdit_CustomItemName->setText(m_name);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
}

void DCustomLightListItem::on_checkBox_clicked()
{
    // A scheme leaves its slot only when another scheme takes the slot over.
    if (!ui->checkBox->isChecked()) {
        ui->checkBox->setChecked(true);
        return;
    }
    emit sigCustomLightUsingStatus(true);
    ui->checkBox->clearFocus();
}

void DCustomLightListItem::on_pushButton_Save_clicked()
{
    const QString text = ui->lineEdit_CustomItemName->text();
    if (text.isEmpty()) {
        emit sigModifyCustomLightItemNameIsEmpty();
        return;
    }
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->copyProfileXmlPath(path);
    const QByteArray profileIndex = QByteArray::number(DDataManager::getInstance()->profileIndex());
    if (!CQuelmoXML_ModifyProFileCustomLightNodeName(
            path, profileIndex.constData(), m_index.toLatin1().constData(), text.toUtf8().constData())) {
        qWarning() << "[Custom light] the profile refused the new scheme name";
        emit sigModifyCustomLightItemNameFailed();
        return;
    }
    m_name = text;
    ui->label_CustomItemName->setText(text);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    emit sigModifyCustomLightItemNameSuccess();
}

void DCustomLightListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}
