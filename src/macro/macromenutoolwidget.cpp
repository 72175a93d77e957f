#include "macromenutoolwidget.h"
#include "ui_macromenutoolwidget.h"

#include "ddatamanager.h"

#include <QEvent>

macroMenuToolWidget::macroMenuToolWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::macroMenuToolWidget>())
{
    ui->setupUi(this);
    ui->label_Delete->setText(tr("Delete"));
    ui->label_Export->setText(tr("Export"));
    ui->label_ModifyNanme->setText(tr("Modify Name"));
    for (QLabel *label : {ui->label_Export, ui->label_Delete, ui->label_ModifyNanme})
        label->installEventFilter(this);

    const ThemeColors theme = DDataManager::getInstance()->getThemeColors();
    setStyleSheet(QStringLiteral("QLabel{color: %1; font: 75 10pt \"%2\"; background-color: %3;}"
                                 "QLabel:hover{background-color: %4;}"
                                 "QLabel:pressed{background-color: %5;}")
                      .arg(ThemeColors::css(theme.MacroListItemTextColor), theme.TextFont,
                           ThemeColors::css(theme.MacroLeftBgColor),
                           ThemeColors::css(theme.MacroListItemHoverColor),
                           ThemeColors::css(theme.MacroListItemSelectedColor)));
}

macroMenuToolWidget::~macroMenuToolWidget() = default;

bool macroMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        // The pop-up goes first, so the chosen action never runs under it.
        if (watched == ui->label_Export) {
            emit sigCloseMenuWidow();
            emit sigMacroExport();
        } else if (watched == ui->label_Delete) {
            emit sigCloseMenuWidow();
            emit sigMacroDelete();
        } else if (watched == ui->label_ModifyNanme) {
            emit sigCloseMenuWidow();
            emit sigMacroModifyNanme();
        }
    }
    return QWidget::eventFilter(watched, event);
}
