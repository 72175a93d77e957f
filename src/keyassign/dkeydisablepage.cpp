#include "dkeydisablepage.h"

#include "ddatamanager.h"
#include "keypagestyle.h"
#include "ui_dkeydisablepage.h"

namespace {
constexpr int kTypeDisabled = 5;
} // namespace

DKeyDisablePage::DKeyDisablePage(QWidget *parent)
    : DKeyItemPage(parent), ui(std::make_unique<Ui::DKeyDisablePage>())
{
    ui->setupUi(this);
    setTexts();
}

DKeyDisablePage::~DKeyDisablePage() = default;

void DKeyDisablePage::setTexts()
{
    ui->label_3->setText(tr("Disable"));
    ui->pushButton_OK->setText(tr("OK"));
    ui->pushButton_Cancel->setText(tr("Cancel"));
}

void DKeyDisablePage::retranslate()
{
    const QString keyText = ui->label_KeyChar->text();
    ui->retranslateUi(this);
    ui->label_KeyChar->setText(keyText);
    setTexts();
}

void DKeyDisablePage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    keypagestyle::styleTitle(ui->label_3, c);
    keypagestyle::styleKeyLabel(ui->label_KeyChar, c);
    keypagestyle::styleButton(ui->pushButton_OK, c);
    keypagestyle::styleButton(ui->pushButton_Cancel, c);
}

void DKeyDisablePage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    ui->label_KeyChar->setText(keyName());
}

void DKeyDisablePage::on_pushButton_OK_clicked()
{
    // The key's macro copy, if it had one, stays: only the Default page releases copies.
    writeItem(kTypeDisabled, QByteArrayLiteral("-1"));
}

void DKeyDisablePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
