#include "dmacrolistitem.h"
#include "ui_dmacrolistitem.h"

#include "arrowwidget.h"
#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "fixedtext.h"
#include "macromenutoolwidget.h"

#include <QDebug>
#include <cstring>

DMacroListItem::DMacroListItem(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::DMacroListItem>())
{
    ui->setupUi(this);
    setFixedHeight(46);
    ui->label_BindingStatus->hide();
    ui->stackedWidget->setCurrentWidget(ui->page_Default);

    const ThemeColors theme = DDataManager::getInstance()->getThemeColors();
    ui->label_MacroName->setStyleSheet(
        QStringLiteral("QLabel#label_MacroName{color: %1; font: 75 10pt \"%2\";}")
            .arg(ThemeColors::css(theme.MacroListItemTextColor), theme.TextFont));
    borderColor = theme.MacroBorderColor;
    selectedColor = theme.MacroListItemSelectedColor;
    hoverColor = theme.MacroListItemHoverColor;
    setSelected(false);
    ui->lineEdit_MacroName->setStyleSheet(
        QStringLiteral("QLineEdit#lineEdit_MacroName{color: %1; font: 75 12pt \"%2\"; "
                       "background-color: %3; border: 0px solid %4;}"
                       "QLineEdit#lineEdit_MacroName:hover, QLineEdit#lineEdit_MacroName:pressed"
                       "{border: 0px solid %5;}")
            .arg(ThemeColors::css(theme.TextDefaultColor), theme.TextFont,
                 ThemeColors::css(theme.MacroListItemSelectedColor, 0),
                 ThemeColors::css(theme.MacroBorderColor), ThemeColors::css(theme.TextCheckedColor)));
}

DMacroListItem::~DMacroListItem() = default;

bool DMacroListItem::setMacroXmlPath(const char *path)
{
    if (path && fixedtext::copyWhole(macroXmlPath, sizeof macroXmlPath, path))
        return true;
    qWarning() << "[Macro row] the macro store path does not fit; renaming is unavailable";
    macroXmlPath[0] = '\0';
    return false;
}

void DMacroListItem::setMacroInfo(QString index, QString name)
{
    macroIndex = std::move(index);
    macroName = std::move(name);
    ui->label_MacroName->setText(macroName);
}

void DMacroListItem::setSelected(bool selected)
{
    m_selected = selected;
    if (selected)
        ui->frame_5->setStyleSheet(
            QStringLiteral("QFrame#frame_5{border: none; border-bottom: 1px solid %1; background-color: %2;}")
                .arg(ThemeColors::css(borderColor), ThemeColors::css(selectedColor)));
    else
        ui->frame_5->setStyleSheet(QStringLiteral("QFrame#frame_5{border: none; border-bottom: 1px solid %1;}"
                                                  "QFrame#frame_5:hover{background-color: %2;}")
                                       .arg(ThemeColors::css(borderColor), ThemeColors::css(hoverColor)));
}

void DMacroListItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit sigMacroItemMouseClicked(macroIndex, macroName);
}

void DMacroListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    onMacroModifyNanme();
}

void DMacroListItem::on_pushButton_MacroOperate_clicked()
{
    // One pop-up per row, built on first use and shown again afterwards.
    if (!operateMenu) {
        auto *menu = new macroMenuToolWidget(this);
        menu->setWindowOpacity(1);
        connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, &DMacroListItem::onCloseMenuWidow);
        connect(menu, &macroMenuToolWidget::sigMacroExport, this, &DMacroListItem::onMacroExport);
        connect(menu, &macroMenuToolWidget::sigMacroDelete, this, &DMacroListItem::onMacroDelete);
        connect(menu, &macroMenuToolWidget::sigMacroModifyNanme, this, &DMacroListItem::onMacroModifyNanme);
        operateMenu = new ArrowWidget(0, this);
        operateMenu->setWidgetSize(160, 130);
        operateMenu->setArrowStartX(73);
        operateMenu->setCenterWidget(menu);
    }
    const QPushButton *button = ui->pushButton_MacroOperate;
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    operateMenu->move(anchor - QPoint(80, 20));
    operateMenu->show();
    operateMenu->activateWindow();
}

void DMacroListItem::onCloseMenuWidow()
{
    if (operateMenu)
        operateMenu->hide();
}

void DMacroListItem::onMacroExport()
{
    emit sigExportMacroChildList(macroIndex, macroName);
}

void DMacroListItem::onMacroDelete()
{
    emit sigDeleteMacro(macroIndex, macroName);
}

void DMacroListItem::onMacroModifyNanme()
{
    ui->lineEdit_MacroName->setText(macroName);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
}

void DMacroListItem::on_pushButton_Save_clicked()
{
    const QString text = ui->lineEdit_MacroName->text();
    if (text.isEmpty()) {
        emit sigModifyMacroItemNameIsEmpty();
        return;
    }
    if (!CQuelmoXML_ModifyMacroNodeName(macroXmlPath, macroIndex.toLatin1().constData(),
                                        text.toUtf8().constData()))
        return;
    macroName = text;
    ui->label_MacroName->setText(text);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    emit sigModifyMacroItemNameSuccess();
}

void DMacroListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}
