// The custom colour schemes of the lighting page: the scheme list, putting a scheme in a keyboard
// slot, and the upload of the key colours to the keyboard.
#include "dlightsconfigpage.h"

#include "ui_dlightsconfigpage.h"

#include "cquelmoxml.h"
#include "customlightnode.h"
#include "customlightreport.h"
#include "dcustomlightlistitem.h"
#include "ddatamanager.h"
#include "fixedtext.h"
#include "keyboardbutcustom.h"
#include "lightcontrolrules.h"
#include "mainhidinterface.h"
#include "storetransaction.h"

#include <QDebug>
#include <QThread>

namespace {

const QString kUsing = QStringLiteral("Using");
const QString kUnUsing = QStringLiteral("UnUsing");

template <std::size_t N> QString utf8Field(const char (&field)[N])
{
    const std::string_view text = fixedtext::view(field);
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

bool isKeyboardSlot(int slot)
{
    return slot == 0 || slot == 1;
}

} // namespace

int DLightsConfigPage::currentCustomLightIndex() const
{
    if (!m_selectedCustomLightItem)
        return -1;
    bool ok = false;
    const int index = m_selectedCustomLightItem->customLightIndex().toInt(&ok);
    return ok ? index : -1;
}

void DLightsConfigPage::loadCustomLightList()
{
    QBoxLayout *list = ui->verticalLayout_39;
    while (list->count() > 1) {
        QLayoutItem *item = list->takeAt(0);
        if (QWidget *w = item->widget())
            w->deleteLater();
        delete item;
    }
    m_customLightItems.clear();
    m_selectedCustomLightItem = nullptr;

    QList<CustomLightNode> nodes;
    CQuelmoXML_SelectProFileCustomLightAllNodes(m_profileXmlPath.constData(), indexText().constData(),
                                                &nodes);
    for (const CustomLightNode &node : qAsConst(nodes)) {
        auto *row = new DCustomLightListItem(ui->scrollAreaWidgetContents_3);
        connect(row, &DCustomLightListItem::sigCustomLightItemMouseClicked, this,
                &DLightsConfigPage::onCustomLightItemMouseClicked);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty, this,
                &DLightsConfigPage::onModifyCustomLightItemNameIsEmpty);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameSuccess, this,
                &DLightsConfigPage::onModifyCustomLightItemNameSuccess);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameFailed, this,
                &DLightsConfigPage::onModifyCustomLightItemNameFailed);
        connect(row, &DCustomLightListItem::sigCustomLightUsingStatus, this,
                &DLightsConfigPage::onCustomLightUsingStatus);
        const QString status = utf8Field(node.usingStatus);
        row->setCustomLightInfo(utf8Field(node.index), utf8Field(node.name), status, node.usingFlagIndex);
        list->insertWidget(list->count() - 1, row);
        row->applyTheme();
        m_customLightItems.append(row);
        const bool current =
            !m_selectedCustomLightItem && status == kUsing && node.usingFlagIndex == m_customSlot;
        if (current) {
            m_selectedCustomLightItem = row;
            m_customSlot = node.usingFlagIndex;
        }
        row->setSelected(current);
    }
    if (DCustomLightListItem *row = m_selectedCustomLightItem)
        emit sigCustomLightItemHaveChanged(row->usingFlagIndex(), row->customLightIndex(),
                                           row->customLightName());
}

void DLightsConfigPage::selectCustomLightItem(DCustomLightListItem *item)
{
    for (DCustomLightListItem *row : qAsConst(m_customLightItems))
        row->setSelected(row == item);
    m_selectedCustomLightItem = item;
}

void DLightsConfigPage::onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName)
{
    auto *row = qobject_cast<DCustomLightListItem *>(sender());
    if (!row || !m_customLightItems.contains(row))
        return;
    m_customSlot = row->usingFlagIndex();
    if (row == m_selectedCustomLightItem)
        return;
    selectCustomLightItem(row);
    emit sigCustomLightItemHaveChanged(row->usingFlagIndex(), strCustomLightIndex, strCustomLightName);
}

void DLightsConfigPage::onCustomLightUsingStatus(bool isUsing)
{
    auto *row = qobject_cast<DCustomLightListItem *>(sender());
    if (!row || !m_customLightItems.contains(row))
        return;
    selectCustomLightItem(row);
    if (!isUsing)
        return;

    QList<DCustomLightListItem *> inUse;
    DCustomLightListItem *holders[2] = {nullptr, nullptr};
    for (DCustomLightListItem *r : qAsConst(m_customLightItems)) {
        if (r == row || r->usingStatus() != kUsing)
            continue;
        inUse.append(r);
        if (isKeyboardSlot(r->usingFlagIndex()))
            holders[r->usingFlagIndex()] = r;
    }
    if (m_customSlot == -1)
        m_customSlot = 0;
    // The keyboard has two slots, each held by one scheme; a profile that breaks this is left as it
    // is rather than made worse.
    if (inUse.size() != 2 || !isKeyboardSlot(m_customSlot) || !holders[m_customSlot]) {
        refuseCustomLightSlot(row, tr("Two custom lights must be in use to swap one"));
        return;
    }
    const int slot = m_customSlot;
    DCustomLightListItem *released = holders[slot];
    const char *path = m_profileXmlPath.constData();
    const QByteArray profile = indexText();
    // Both schemes change in one write, so the profile never holds one slot twice or none.
    StoreTransaction transaction;
    bool stored = CQuelmoXML_ModifyProFileCustomLightNodeUsingStatus(
        path, profile.constData(), released->customLightIndex().toUtf8().constData(),
        kUnUsing.toUtf8().constData(), -1);
    stored = stored && CQuelmoXML_ModifyProFileCustomLightNodeUsingStatus(
                           path, profile.constData(), row->customLightIndex().toUtf8().constData(),
                           kUsing.toUtf8().constData(), slot);
    if (!stored || !transaction.commit()) {
        refuseCustomLightSlot(row, tr("The custom light could not be saved"));
        return;
    }
    released->setUsingChecked(false);
    released->setUsingFlagIndex(-1);
    released->setUsingStatus(kUnUsing);
    row->setUsingChecked(true);
    row->setUsingFlagIndex(slot);
    row->setUsingStatus(kUsing);
    emit sigCustomLightItemHaveChanged(slot, row->customLightIndex(), QStringLiteral("CustomLight"));
    sendCustomLightColors(slot);
}

void DLightsConfigPage::refuseCustomLightSlot(DCustomLightListItem *item, const QString &why)
{
    item->setUsingChecked(false);
    emit sigSomeMessageTip_LightsConfigPage(why);
}

void DLightsConfigPage::onModifyCustomLightItemNameIsEmpty()
{
    emit sigSomeMessageTip_LightsConfigPage(tr("Custom light name can't be empty"));
}

void DLightsConfigPage::onModifyCustomLightItemNameSuccess()
{
    emit sigSomeMessageTip_LightsConfigPage(tr("Modify custom light name successful"));
}

void DLightsConfigPage::onModifyCustomLightItemNameFailed()
{
    emit sigSomeMessageTip_LightsConfigPage(tr("Modify custom light name failed"));
}

void DLightsConfigPage::resendCustomLight()
{
    if (m_customSlot == -1)
        return;
    sendCustomLightColors(m_customSlot);
}

void DLightsConfigPage::sendCustomLightColors(int slot)
{
    // The scheme's own colours, not the shown ones: those are dimmed by the computer's brightness
    // (and the keyboard dims again).
    customlightreport::KeyColours colours;
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    for (int k = 0; k < customlightreport::kKeys; ++k) {
        const keyboardButCustom *key = k < keys.size() ? keys.at(k) : nullptr;
        colours[k] = key && key->customLightColor().isValid() ? key->customLightColor() : QColor(0, 0, 0);
    }
    const QVector<QByteArray> packets = customlightreport::packetColours(colours);
    for (int p = 0; p < packets.size(); ++p)
        sendCustomLightPacket(slot, p, packets.at(p));
    QThread::msleep(5);
    const HidReport config = customlightreport::lightConfig(m_current);
    if (!m_hid || m_hid->sendCommand(config.data()) < 0)
        qDebug() << "USB serial port [Write Led] Failed ...";
}

void DLightsConfigPage::sendCustomLightPacket(int slot, int packet, const QByteArray &rgb)
{
    const HidReport r = customlightreport::colourPacket(slot, packet, rgb);
    if (!m_hid || m_hid->sendCommand(r.data()) < 0)
        qDebug() << "USB serial port [Write custom-Led] Failed ...";
}

void DLightsConfigPage::updateCustomLightFromHid(int hidType, int ledType, int usingCustomIndex)
{
    Q_UNUSED(hidType)
    Q_UNUSED(ledType)
    // Only slots 0 and 1 hold schemes; anything else would later be stored as a slot in use.
    if (!isKeyboardSlot(usingCustomIndex)) {
        qWarning() << "[Custom light] the keyboard reported custom slot" << usingCustomIndex << "; ignored";
        return;
    }
    m_customSlot = usingCustomIndex;
    ui->frame_D->show();
    m_customUserChange = false;
    onCurIndexChanged_KB_LightMode(lighttypes::kCustomButton);
    m_customUserChange = true;
    emit sigLightConfigHaveChanged(-1, m_current);
}
