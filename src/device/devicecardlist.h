#pragma once

#include "hidstructinfoall.h"

#include <QList>
#include <QMap>
#include <QString>

#include <functional>

class DDeviceListItem;
class QBoxLayout;
class QWidget;

// The device list's cards: each kept under its device path, or under its model while offline, shown
// in the list layout above its closing stretch, with at most one of them selected.
class DeviceCardList
{
public:
    // `connectCard` wires each new card to its page.
    DeviceCardList(QBoxLayout *layout, QWidget *cardParent,
                   std::function<void(DDeviceListItem *)> connectCard);

    // Deletes every card in the layout (the stretch stays) and forgets them all.
    void clear();
    // A new card for `record` at the end of the list, kept under `key`.
    DDeviceListItem *append(const QString &key, const hidStructInfoAll &record);
    // A new card at the end of the list that is not kept yet (see `insert`).
    DDeviceListItem *appendLoose();

    DDeviceListItem *value(const QString &key) const { return m_cards.value(key); }
    DDeviceListItem *take(const QString &key) { return m_cards.take(key); }
    // Keeps `card` under `key`; a card kept there before stays in the layout until `reorder`.
    void insert(const QString &key, DDeviceListItem *card) { m_cards.insert(key, card); }
    QString keyOf(DDeviceListItem *card) const { return m_cards.key(card); }
    const QMap<QString, DDeviceListItem *> &cards() const { return m_cards; }

    DDeviceListItem *current() const { return m_current; }
    // Makes `card` (null: none) the selected card; every other card shows unselected.
    void select(DDeviceListItem *card);
    // Forgets the current card without changing what the cards show.
    void forgetCurrent() { m_current = nullptr; }

    // The current card first, then cabled keyboards, receivers, and offline cards; a card in the
    // layout that is no longer kept is deleted.
    void reorder();
    // The cards in the order the list shows them.
    QList<DDeviceListItem *> inListOrder() const;
    void applyTheme();

private:
    void placeLast(DDeviceListItem *card);

    QBoxLayout *m_layout;
    QWidget *m_cardParent;
    std::function<void(DDeviceListItem *)> m_connectCard;
    QMap<QString, DDeviceListItem *> m_cards;
    DDeviceListItem *m_current = nullptr;
};
