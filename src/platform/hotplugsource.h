#pragma once

#include "hotplugmonitor.h"

#include <QObject>
#include <memory>

// Delivers the system's device events on the GUI thread.
class HotplugSource : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    // The platform's source, or null (with a log line) when it cannot be created.
    static std::unique_ptr<HotplugSource> createSystem(QObject *parent);

signals:
    void eventReceived(const HotplugEvent &event);
};
