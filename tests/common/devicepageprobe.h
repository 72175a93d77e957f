#pragma once

// Reads what the device page shows the way a user sees it: its cards in the list, the selected one
// and that card's keyboard link, found by object name and type.
#include "ddevicekeyboardlink.h"
#include "ddevicelistitem.h"
#include "ddevicepage.h"
#include "fixedtext.h"

#include <QLayout>
#include <QList>
#include <QString>
#include <QWidget>

namespace devicepage {

// The device cards in the order the list shows them.
inline QList<DDeviceListItem *> cardsInListOrder(const DDevicePage &page)
{
    QList<DDeviceListItem *> out;
    const auto *list = page.findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"));
    if (!list || !list->layout())
        return out;
    for (int i = 0; i < list->layout()->count(); ++i) {
        if (auto *card = qobject_cast<DDeviceListItem *>(list->layout()->itemAt(i)->widget()))
            out.append(card);
    }
    return out;
}

// The card's key: its device path, or its model for an offline card.
inline QString cardKey(const DDeviceListItem *card)
{
    const hidStructInfoAll record = card->deviceRecord();
    const std::string_view path = fixedtext::view(record.hidPath);
    const std::string_view model = fixedtext::view(record.modelKey);
    const std::string_view key =
        card->isOnline() == 1 || record.linkType == 1 || model.empty() ? path : model;
    return QString::fromUtf8(key.data(), static_cast<int>(key.size()));
}

// The listed card for a device path or, offline, a model; null when none is listed.
inline DDeviceListItem *card(const DDevicePage &page, const QString &key)
{
    for (DDeviceListItem *c : cardsInListOrder(page)) {
        if (cardKey(c) == key)
            return c;
    }
    return nullptr;
}

// The card of the keyboard the page shows: selected and online.
inline DDeviceListItem *currentCard(const DDevicePage &page)
{
    for (DDeviceListItem *c : cardsInListOrder(page)) {
        if (c->isSelected() && c->isOnline() == 1)
            return c;
    }
    return nullptr;
}

// The link of the keyboard the page shows.
inline DDeviceKeyboardLink *currentLink(const DDevicePage &page)
{
    const DDeviceListItem *c = currentCard(page);
    if (!c)
        return nullptr;
    const hidStructInfoAll record = c->deviceRecord();
    const std::string_view path = fixedtext::view(record.hidPath);
    return page.linkMapCopy().value(QString::fromUtf8(path.data(), static_cast<int>(path.size())));
}

} // namespace devicepage
