#include "dkeydisablepage.h"

#include "ddatamanager.h"
#include "keypagestyle.h"
#include "ui_dkeydisablepage.h"

namespace {
constexpr int kTypeDisabled = 5;
} // namespace

DKeyDisablePage::DKeyDisablePage(QWidget *parent)
    : DKeyFunctionPage(parent), ui(std::make_unique<Ui::DKeyDisablePage>())
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
    DDataManager *dm = DDataManager::getInstance();
    m_keyCode = dm->currentKeyCode();
    m_keyName = dm->currentKeyName();
    m_target = keyfunctionitem::lightPressTarget();
    ui->label_KeyChar->setText(m_keyName);
}

void DKeyDisablePage::on_pushButton_OK_clicked()
{
    if (m_keyCode == -1)
        return; // the host opens this tab only for a selected key
    // The key's macro copy, if it had one, stays: only the Default page releases copies.
    if (!keyfunctionitem::save(m_target, m_keyCode, m_keyName, kTypeDisabled, 1, 1,
                               QByteArrayLiteral("-1"))) {
        emit sigCustomKeyInfoSaveFailed(kTypeDisabled, kSaveErrorStore);
        return;
    }
    emit sigShoudUpdateKeyboard(m_keyCode);
    emit sigCustomKeyInfoSaveSuccessful();
}

void DKeyDisablePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
