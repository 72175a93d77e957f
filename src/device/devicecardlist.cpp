#include "devicecardlist.h"

#include "ddevicelistitem.h"
#include "fixedtext.h"

#include <QBoxLayout>

namespace {

QString pathOf(const hidStructInfoAll &record)
{
    const std::string_view path = fixedtext::view(record.hidPath);
    return QString::fromUtf8(path.data(), static_cast<int>(path.size()));
}

} // namespace

DeviceCardList::DeviceCardList(QBoxLayout *layout, QWidget *cardParent,
                               std::function<void(DDeviceListItem *)> connectCard)
    : m_layout(layout), m_cardParent(cardParent), m_connectCard(std::move(connectCard))
{
    m_layout->setContentsMargins(12, 0, 0, 0);
    m_layout->setSpacing(10);
}

void DeviceCardList::clear()
{
    const int count = m_layout->count();
    for (int i = 0; i < count - 1; ++i) {
        QLayoutItem *item = m_layout->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->setParent(nullptr);
            w->deleteLater();
        }
        delete item;
    }
    m_cards.clear();
    m_current = nullptr;
}

DDeviceListItem *DeviceCardList::appendLoose()
{
    auto *card = new DDeviceListItem(m_cardParent);
    if (m_connectCard)
        m_connectCard(card);
    placeLast(card);
    return card;
}

DDeviceListItem *DeviceCardList::append(const QString &key, const hidStructInfoAll &record)
{
    DDeviceListItem *card = appendLoose();
    card->setDeviceInfo(record);
    m_cards.insert(key, card);
    return card;
}

void DeviceCardList::placeLast(DDeviceListItem *card)
{
    m_layout->insertWidget(m_layout->count() - 1, card);
}

void DeviceCardList::select(DDeviceListItem *card)
{
    for (DDeviceListItem *other : qAsConst(m_cards))
        other->setSelected(other == card);
    m_current = card;
}

QList<DDeviceListItem *> DeviceCardList::inListOrder() const
{
    QList<DDeviceListItem *> out;
    for (int i = 0; i < m_layout->count(); ++i) {
        if (auto *card = qobject_cast<DDeviceListItem *>(m_layout->itemAt(i)->widget()))
            out.append(card);
    }
    return out;
}

void DeviceCardList::reorder()
{
    QList<DDeviceListItem *> first;
    QList<DDeviceListItem *> second;
    QList<DDeviceListItem *> third;
    if (m_current)
        first.append(m_current);
    const QString currentPath = m_current ? pathOf(m_current->deviceRecord()) : QString();
    for (DDeviceListItem *card : qAsConst(m_cards)) {
        if (card == m_current)
            continue;
        if (card->isOnline() == 1) {
            const hidStructInfoAll record = card->deviceRecord();
            if (m_current && pathOf(record).compare(currentPath, Qt::CaseInsensitive) == 0)
                continue;
            (record.linkType == 0 ? first : second).append(card);
        } else {
            third.append(card);
        }
    }

    const QList<DDeviceListItem *> shown = inListOrder();
    for (DDeviceListItem *card : shown)
        m_layout->removeWidget(card);
    for (DDeviceListItem *card : first + second + third)
        placeLast(card);
    for (DDeviceListItem *card : shown) {
        if (!first.contains(card) && !second.contains(card) && !third.contains(card)) {
            card->hide();
            card->deleteLater();
        }
    }
}

void DeviceCardList::applyTheme()
{
    for (DDeviceListItem *card : qAsConst(m_cards))
        card->applyTheme();
}
