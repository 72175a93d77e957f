#include "dresetdefaultpage.h"

#include "ddatamanager.h"
#include "keypagestyle.h"
#include "storetransaction.h"
#include "ui_dresetdefaultpage.h"

#include <QButtonGroup>

namespace {
// The type a key without an item stands for; also the page's operation type in failure reports.
constexpr int kTypeDefault = 10;
constexpr int kTypeMacro = 1;
} // namespace

DResetDefaultPage::DResetDefaultPage(QWidget *parent)
    : DKeyFunctionPage(parent), ui(std::make_unique<Ui::DResetDefaultPage>())
{
    ui->setupUi(this);
    ui->pushButton_Cancel->hide();
    m_pressGroup = new QButtonGroup(this);
    m_pressGroup->addButton(ui->radioButton_LightPress, 0);
    m_pressGroup->addButton(ui->radioButton_HeavyPress, 1);
    ui->radioButton_LightPress->setChecked(true);
    connect(m_pressGroup, &QButtonGroup::idClicked, this, &DResetDefaultPage::onCurIndexChanged_ModeSel);
    m_target = keyfunctionitem::lightPressTarget();
    setTexts();
}

DResetDefaultPage::~DResetDefaultPage() = default;

void DResetDefaultPage::setTexts()
{
    ui->label_3->setText(tr("Default"));
    ui->pushButton_OK->setText(tr("OK"));
    ui->pushButton_Cancel->setText(tr("Cancel"));
    ui->radioButton_LightPress->setText(tr("Light Press"));
    ui->radioButton_HeavyPress->setText(tr("Heavy Press"));
}

void DResetDefaultPage::retranslate()
{
    const QString keyText = ui->label_KeyChar->text();
    ui->retranslateUi(this);
    ui->label_KeyChar->setText(keyText);
    setTexts();
}

void DResetDefaultPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    keypagestyle::styleTitle(ui->label_3, c);
    keypagestyle::styleKeyLabel(ui->label_KeyChar, c);
    keypagestyle::styleButton(ui->pushButton_OK, c);
    ui->frame_Top2->setStyleSheet(keypagestyle::radioSheet(c));
}

void DResetDefaultPage::loadCurrentKeyInfo()
{
    DDataManager *dm = DDataManager::getInstance();
    m_keyCode = dm->currentKeyCode();
    m_keyName = m_keyCode == -1 ? QStringLiteral("NULL") : dm->currentKeyName();
    ui->label_KeyChar->setText(m_keyName);
    ui->frame_Top2->setVisible(dm->isMagneticKeyboard() && m_selectorInUse);
    ui->radioButton_LightPress->setChecked(true);
    onCurIndexChanged_ModeSel(0);
}

void DResetDefaultPage::clearKeyInfo()
{
    m_keyCode = -1;
    m_keyName = QStringLiteral("NULL");
    ui->label_KeyChar->setText(m_keyName);
}

void DResetDefaultPage::setPressModeSelectorVisible(bool visible)
{
    Q_UNUSED(visible)
    ui->frame_Top2->hide();
    m_selectorInUse = false;
}

void DResetDefaultPage::onCurIndexChanged_ModeSel(int selIndex)
{
    m_target = selIndex == 0 ? keyfunctionitem::lightPressTarget() : keyfunctionitem::heavyPressTarget();
}

void DResetDefaultPage::on_pushButton_OK_clicked()
{
    saveKeyInfo();
}

void DResetDefaultPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}

void DResetDefaultPage::saveKeyInfo()
{
    if (m_keyCode == -1) {
        emit sigCustomKeyInfoSaveFailed(kTypeDefault, 0);
        return;
    }
    if (!removeItem()) {
        emit sigCustomKeyInfoSaveFailed(kTypeDefault, kSaveErrorStore);
        return;
    }
    emit sigShoudUpdateKeyboard(m_keyCode);
    emit sigCustomKeyInfoSaveSuccessful();
}

bool DResetDefaultPage::removeItem()
{
    KeyOperateInfo info{};
    if (!keyfunctionitem::read(m_target, m_keyCode, info))
        return true; // nothing to remove: the key already has its own function
    StoreTransaction transaction;
    if (keyfunctionitem::number(info.type) == kTypeMacro) {
        // Counted before the key's own item goes, so 1 means this key is the macro's last user.
        const QByteArray macroValue(info.value);
        const std::optional<int> macroId = keyfunctionitem::number(macroValue.constData());
        if (macroId && keyfunctionitem::count(m_target, kTypeMacro, macroValue) == 1 &&
            !keyfunctionitem::removeMacroCopy(m_target, *macroId))
            return false;
    }
    if (!keyfunctionitem::remove(m_target, m_keyCode, m_keyName))
        return false;
    return transaction.commit();
}
