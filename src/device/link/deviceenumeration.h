#pragma once

#include "hidstructinfoall.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One pass over the attached keyboards at start-up: a record for every path the SDK lists whose
// model is in the catalogue, sorted into cabled and receiver lists, and an offline record for every
// catalogue model with no keyboard attached.
struct DeviceEnumeration
{
    QList<hidStructInfoAll> cabled;
    QList<hidStructInfoAll> receiver;
    QList<hidStructInfoAll> offline;
    QMap<QString, hidStructInfoAll> attached; // key = hidPath
    // Receivers that stand for the first keyboard of their model: the keyboard behind is not yet
    // known to be reachable.
    QStringList unreachableDongles;

    // Asks the SDK for the path list, the catalogue and each path's record, in that order.
    static DeviceEnumeration run();

    // Cards in display order: cabled, receiver, offline.
    QList<hidStructInfoAll> cardOrder() const { return cabled + receiver + offline; }
};
