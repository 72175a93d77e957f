#include "dkeycombinationpage.h"

#include "dvirtualkeyboardtool.h"
#include "keycombination.h"
#include "ui_dkeycombinationpage.h"

namespace {
constexpr int kTypeCombination = 2;
constexpr int kMaxModifiers = 2;
} // namespace

DKeyCombinationPage::DKeyCombinationPage(QWidget *parent)
    : DKeyCapturePage(1, parent), ui(std::make_unique<Ui::DKeyCombinationPage>())
{
    ui->setupUi(this);
    attachForm({ui->label_5, ui->lineEdit_keyCombination, ui->frame_Top2, ui->radioButton_LightPress,
                ui->radioButton_HeavyPress});
    setTexts();
}

DKeyCombinationPage::~DKeyCombinationPage() = default;

void DKeyCombinationPage::setTexts()
{
    ui->label_5->setText(tr("Key Combination"));
    ui->lineEdit_keyCombination->setPlaceholderText(tr("Enter key?"));
}

void DKeyCombinationPage::retranslate()
{
    const QString shown = ui->lineEdit_keyCombination->text();
    ui->retranslateUi(this);
    ui->lineEdit_keyCombination->setText(shown);
    retranslateShared();
    setTexts();
}

bool DKeyCombinationPage::showStoredItem(const KeyOperateInfo &info)
{
    if (keyfunctionitem::number(info.type) != kTypeCombination)
        return false;
    // A value the page cannot read shows nothing; the item is still this page's.
    if (const auto combination = keycombination::decode(QByteArray(info.value))) {
        QStringList keys = keycombination::modifierTokens(combination->mask);
        if (keyNameMap().contains(combination->usage))
            keys.append(keyNameMap().value(combination->usage));
        showInField(keys.join(QLatin1Char('+')));
    }
    return true;
}

void DKeyCombinationPage::clearShownItem()
{
    m_chosenKeys.clear();
    m_modifierMask = 0;
    m_keyUsage = 0;
}

void DKeyCombinationPage::popupShownChanged(bool shown)
{
    virtualKeyboard()->setCombinationActive(shown);
}

void DKeyCombinationPage::takeCapturedKey(int hidUsage)
{
    onSoftKeyboardClicked_VirtualKB(hidUsage);
}

void DKeyCombinationPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    if (!m_entryInProgress) {
        m_chosenKeys.clear();
        m_modifierMask = 0;
        m_keyUsage = 0;
    }
    m_entryInProgress = true;

    const int bit = keycombination::modifierBit(keyDec);
    if (bit == 0) {
        // A combination begins with a modifier: an ordinary key first is dropped.
        if (m_chosenKeys.isEmpty()) {
            virtualKeyboard()->clearSelection();
            return;
        }
        // An ordinary key ends the entry, saved or not.
        m_entryInProgress = false;
        if (!keyNameMap().contains(keyDec)) {
            virtualKeyboard()->releaseKey(keyDec);
            return;
        }
        m_keyUsage = keyDec;
        addKeyText(keyNameMap().value(keyDec));
        m_chosenKeys.clear();
        virtualKeyboard()->clearSelection();
        saveKeyInfo();
        return;
    }
    if (m_chosenKeys.size() >= kMaxModifiers) {
        // A third modifier is refused.
        virtualKeyboard()->releaseKey(keyDec);
        return;
    }
    m_modifierMask |= bit;
    addKeyText(keycombination::tokenOfBit(bit));
}

void DKeyCombinationPage::addKeyText(const QString &text)
{
    if (m_chosenKeys.contains(text))
        return;
    m_chosenKeys.append(text);
    showInField(m_chosenKeys.join(QLatin1Char('+')));
}

void DKeyCombinationPage::saveKeyInfo()
{
    if (m_modifierMask == 0 || m_keyUsage == 0)
        return;
    writeItem(kTypeCombination, keycombination::encode({m_modifierMask, m_keyUsage}));
    m_modifierMask = 0;
    m_keyUsage = 0;
}
