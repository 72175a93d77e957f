#include "dprofilemenutoolwidget.h"

#include "ddatamanager.h"
#include "ui_dprofilemenutoolwidget.h"

#include <QEvent>

DProfileMenuToolWidget::DProfileMenuToolWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DProfileMenuToolWidget>())
{
    ui->setupUi(this);
    retranslate();
    for (QWidget *label :
         {ui->label_CreateNew, ui->label_Delete, ui->label_Export, ui->label_Import, ui->label_ModifyNanme})
        label->installEventFilter(this);
    applyTheme();
}

DProfileMenuToolWidget::~DProfileMenuToolWidget() = default;

void DProfileMenuToolWidget::retranslate()
{
    ui->label_CreateNew->setText(tr("Create"));
    ui->label_Delete->setText(tr("Delete"));
    ui->label_Export->setText(tr("Export"));
    ui->label_Import->setText(tr("Import"));
    ui->label_ModifyNanme->setText(tr("Modify Name"));
}

void DProfileMenuToolWidget::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    setStyleSheet(QStringLiteral("QLabel{color: %1; font-weight: bold; font-size: 10pt; font-family: \"%2\"; "
                                 "background: %3;}"
                                 "QLabel:hover{background: %4;}"
                                 "QLabel:pressed{background: %5;}")
                      .arg(ThemeColors::css(c.MacroListItemTextColor), c.TextFont,
                           ThemeColors::css(c.MacroLeftBgColor), ThemeColors::css(c.MacroListItemHoverColor),
                           ThemeColors::css(c.MacroListItemSelectedColor)));
}

bool DProfileMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        void (DProfileMenuToolWidget::*chosen)() = nullptr;
        if (watched == ui->label_CreateNew)
            chosen = &DProfileMenuToolWidget::sigProfileCreate;
        else if (watched == ui->label_Delete)
            chosen = &DProfileMenuToolWidget::sigProfileDelete;
        else if (watched == ui->label_Export)
            chosen = &DProfileMenuToolWidget::sigProfileExport;
        else if (watched == ui->label_Import)
            chosen = &DProfileMenuToolWidget::sigProfileImport;
        else if (watched == ui->label_ModifyNanme)
            chosen = &DProfileMenuToolWidget::sigProfileModifyName;
        if (chosen) {
            emit sigCloseMenuWidow();
            emit(this->*chosen)();
        }
    }
    return QWidget::eventFilter(watched, event);
}
