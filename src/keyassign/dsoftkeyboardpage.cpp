#include "dsoftkeyboardpage.h"

#include "ddatamanager.h"
#include "keycatalogue.h"
#include "softkeyboardbutcustom.h"
#include "ui_dsoftkeyboardpage.h"

#include <QDebug>

DSoftKeyboardPage::DSoftKeyboardPage(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DSoftKeyboardPage>())
{
    ui->setupUi(this);
    setFixedSize(kWidth, kHeight);
    applyTheme();
}

DSoftKeyboardPage::~DSoftKeyboardPage() = default;

void DSoftKeyboardPage::removeButtons()
{
    for (SoftKeyboardButCustom *button : qAsConst(m_buttons)) {
        // Out of the page at once, so no stale key is seen or clicked; freed once its own click
        // (if that is what started this load) has returned.
        button->hide();
        button->setParent(nullptr);
        button->deleteLater();
    }
    m_buttons.clear();
    m_keyNameMap.clear();
    // Held keys die with their buttons.
    m_heldKeys.clear();
    m_modifierCount = 0;
}

void DSoftKeyboardPage::loadKeyboardInfo(const QString &modelName)
{
    const int code = DDataManager::softKeyboardLayoutCode(modelName);
    loadKeyboardFile(keycatalogue::resourcePath(keycatalogue::softKeyboardFileName(code)), code);
}

bool DSoftKeyboardPage::loadKeyboardFile(const QString &path, int layoutCode)
{
    removeButtons();
    m_layoutCode = layoutCode;

    const std::optional<QByteArray> text = keycatalogue::readFile(path);
    if (!text) {
        qDebug() << "------------------------ Softkeyboard loadKeyboardInfo => fp == NULL "
                    "-------------------------";
        return false;
    }
    const auto keys = keycatalogue::parse(*text, 1, 6);
    if (!keys)
        return false;

    for (const keycatalogue::CatalogueKey &key : *keys) {
        if (!key.hasGeometry)
            continue;
        const QString label = keycatalogue::softKeyLabel(key.dec, key.label, m_layoutCode);
        auto *button = new SoftKeyboardButCustom(this);
        button->setObjectName(QStringLiteral("softKey_%1").arg(key.dec));
        button->setButtonSize(key.width, key.height);
        button->setGeometry(key.posX, key.posY, key.width, key.height);
        button->setKeyDecAndCharacter(key.dec, label);
        button->show();

        m_vkToHidMap.insert(key.qtDec, key.dec);
        m_keyNameMap.insert(key.dec, label);
        if (SoftKeyboardButCustom *previous = m_buttons.value(key.dec)) {
            // A second record of the same key replaces the first.
            previous->hide();
            previous->setParent(nullptr);
            previous->deleteLater();
        }
        m_buttons.insert(key.dec, button);
        connect(button, &SoftKeyboardButCustom::clicked, this, &DSoftKeyboardPage::onKeyButtonClicked);
    }
    m_keyNameMap.insert(keycatalogue::kFnDec, QStringLiteral("Fn"));

    for (SoftKeyboardButCustom *button : qAsConst(m_buttons))
        button->setThemeColors(m_textColour, m_selectedColour, m_keyColour);

    DDataManager *data = DDataManager::getInstance();
    data->setKeyNameMap(m_keyNameMap);
    data->setVkToHidMap(m_vkToHidMap);
    emit sigSoftKeyboardAlreadyLoad();
    return true;
}

void DSoftKeyboardPage::onKeyButtonClicked()
{
    auto *button = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!button)
        return;
    if (m_mode == 1 && m_combinationActive) {
        if (keycatalogue::isModifier(button->keyDec()))
            ++m_modifierCount;
        if (m_modifierCount > 2) {
            --m_modifierCount;
        } else {
            button->setRestoreOnLeave(false);
            button->setState(1);
            m_heldKeys.append(button);
        }
    }
    emit sigSoftKeyboardClicked(button->keyDec(), button->keyCharacter());
}

void DSoftKeyboardPage::clearSelection()
{
    for (SoftKeyboardButCustom *button : qAsConst(m_heldKeys)) {
        button->setRestoreOnLeave(true);
        button->setState(0);
    }
    m_heldKeys.clear();
    m_modifierCount = 0;
}

void DSoftKeyboardPage::releaseKey(int keyDec)
{
    if (m_mode != 1 || !m_combinationActive)
        return;
    SoftKeyboardButCustom *button = m_buttons.value(keyDec);
    if (!button || m_heldKeys.contains(button))
        return;
    button->setRestoreOnLeave(true);
    button->setState(0);
}

void DSoftKeyboardPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    m_selectedColour = c.TextCheckedColor;
    m_textColour = c.DeviceSoftkeyboardButDefaultTextColor;
    m_keyColour = c.DeviceSoftkeyboardButColor;
    for (SoftKeyboardButCustom *button : qAsConst(m_buttons))
        button->setThemeColors(m_textColour, m_selectedColour, m_keyColour);
}
