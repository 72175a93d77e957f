#include "dallkeysshowpage.h"

#include "dallkeysitemkey.h"
#include "flowlayout.h"
#include "keycatalogue.h"
#include "ui_dallkeysshowpage.h"

#include <QDebug>

DAllKeysShowPage::DAllKeysShowPage(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DAllKeysShowPage>())
{
    ui->setupUi(this);
    ui->label_KeyCombination->setText(tr("Key Combination"));
    ui->label_NormalKeys->setText(tr("Normal Keys"));
    ui->label_SpecialKeys->setText(tr("Special Keys"));
    m_keyCombinationLayout = new FlowLayout(ui->widget_KeyCombination, -1, -1, -1);
    m_normalKeysLayout = new FlowLayout(ui->widget_NormalKeys, -1, -1, -1);
    m_specialKeysLayout = new FlowLayout(ui->widget_SpecialKeys, -1, -1, -1);
    loadKeyboardInfo();
}

DAllKeysShowPage::~DAllKeysShowPage() = default;

FlowLayout *DAllKeysShowPage::groupLayout(int row) const
{
    switch (row) {
    case 1:
        return m_keyCombinationLayout;
    case 2:
        return m_normalKeysLayout;
    default:
        return m_specialKeysLayout;
    }
}

void DAllKeysShowPage::removeTiles()
{
    for (FlowLayout *layout : {m_keyCombinationLayout, m_normalKeysLayout, m_specialKeysLayout}) {
        while (QLayoutItem *item = layout->takeAt(0)) {
            if (QWidget *tile = item->widget()) {
                tile->hide();
                tile->setParent(nullptr);
                tile->deleteLater();
            }
            delete item;
        }
    }
    m_keyNameMap.clear();
}

void DAllKeysShowPage::loadKeyboardInfo()
{
    loadKeyboardFile(keycatalogue::resourcePath(QStringLiteral("AllKeysInfo.config")));
}

bool DAllKeysShowPage::loadKeyboardFile(const QString &path)
{
    removeTiles();
    const std::optional<QByteArray> text = keycatalogue::readFile(path);
    if (!text) {
        qDebug() << "------------------------ loadKeyboardInfo => fp == NULL -------------------------";
        return false;
    }
    if (const auto keys = keycatalogue::parse(*text, 1, 3)) {
        for (const keycatalogue::CatalogueKey &key : *keys) {
            auto *tile = new DAllKeysItemKey;
            tile->setObjectName(QStringLiteral("allKey_%1").arg(key.dec));
            connect(tile, &DAllKeysItemKey::clicked, this, &DAllKeysShowPage::onKeyButtonClicked);
            tile->setKeyInfo(key.dec, key.label);
            groupLayout(key.row)->addWidget(tile); // the group's container becomes the owner
            m_keyNameMap.insert(key.dec, key.label);
        }
    }
    emit sigAllKeysInfoAlreadyLoadedA();
    return true;
}

void DAllKeysShowPage::onKeyButtonClicked()
{
    auto *tile = qobject_cast<DAllKeysItemKey *>(sender());
    if (!tile)
        return;
    emit sigKeyListClicked(tile->keyDec(), tile->keyCharacter());
}
