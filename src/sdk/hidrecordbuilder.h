#pragma once

#include "hidinfostu.h"
#include "hidstructinfoall.h"

#include <QMap>
#include <QString>

// Builds the device page's record of an attached path, for the start-up enumeration and for hot
// plug alike: device fields from the SDK's device and firmware records, model fields from the
// catalogue value of the device's model key. False, and `record` untouched, when the SDK does not
// know the path or the model key is not in `catalogue`.
//
// `online` follows the link: 1 on a cable, 0 through a receiver until it reports the keyboard.
bool buildHidRecord(const QString &path, const QMap<QString, HidInfoStu> &catalogue,
                    hidStructInfoAll *record);

// Copies a catalogue model's fields (class, names, SDK values, key count) into `record`; the
// device fields are left as they are.
void fillModelFields(const HidInfoStu &model, hidStructInfoAll *record);
