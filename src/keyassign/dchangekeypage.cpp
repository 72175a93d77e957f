#include "dchangekeypage.h"

#include "ddatamanager.h"
#include "ui_dchangekeypage.h"

namespace {
constexpr int kTypeRemap = 0;
} // namespace

DChangeKeyPage::DChangeKeyPage(QWidget *parent)
    : DKeyCapturePage(0, parent), ui(std::make_unique<Ui::DChangeKeyPage>())
{
    ui->setupUi(this);
    attachForm({ui->label_44, ui->lineEdit_changForKey, ui->frame_Top2, ui->radioButton_LightPress,
                ui->radioButton_HeavyPress});
    setTexts();
}

DChangeKeyPage::~DChangeKeyPage() = default;

void DChangeKeyPage::setTexts()
{
    ui->label_44->setText(tr("Remap Key"));
    ui->lineEdit_changForKey->setPlaceholderText(tr("Remap with key?"));
}

void DChangeKeyPage::retranslate()
{
    const QString shown = ui->lineEdit_changForKey->text();
    ui->retranslateUi(this);
    ui->lineEdit_changForKey->setText(shown);
    retranslateShared();
    setTexts();
}

bool DChangeKeyPage::showStoredItem(const KeyOperateInfo &info)
{
    if (keyfunctionitem::number(info.type) != kTypeRemap)
        return false;
    const std::optional<int> target = keyfunctionitem::number(info.value);
    if (target && keyNameMap().contains(*target))
        showInField(keyNameMap().value(*target));
    return true;
}

void DChangeKeyPage::clearShownItem()
{
    m_target = -1;
}

void DChangeKeyPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    showInField(DDataManager::getInstance()->keyNameMap().value(keyDec));
    setRemapTarget(keyDec);
}

void DChangeKeyPage::takeCapturedKey(int hidUsage)
{
    setRemapTarget(hidUsage);
}

void DChangeKeyPage::setRemapTarget(int keyDec)
{
    if (keyDec == m_target || !keyNameMap().contains(keyDec))
        return;
    showInField(keyNameMap().value(keyDec));
    m_target = keyDec;
    saveKeyInfo();
}

void DChangeKeyPage::saveKeyInfo()
{
    if (m_target == -1)
        return;
    writeItem(kTypeRemap, QByteArray::number(m_target));
    m_target = -1;
}
