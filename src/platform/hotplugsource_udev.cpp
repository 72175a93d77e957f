#include "hotplugsource.h"

#include <QDebug>
#include <QFileInfo>
#include <QSocketNotifier>

#include <libudev.h>

namespace {

// A libudev netlink monitor whose descriptor sits on a socket notifier of the GUI thread.
class UdevHotplugSource : public HotplugSource
{
public:
    UdevHotplugSource(udev *u, udev_monitor *m, QObject *parent)
        : HotplugSource(parent), m_udev(u), m_monitor(m),
          m_notifier(udev_monitor_get_fd(m), QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this] { receive(); });
    }
    ~UdevHotplugSource() override
    {
        m_notifier.setEnabled(false);
        udev_monitor_unref(m_monitor);
        udev_unref(m_udev);
    }

private:
    void receive()
    {
        udev_device *dev = udev_monitor_receive_device(m_monitor);
        if (!dev)
            return;
        HotplugEvent e;
        e.action = QString::fromLatin1(udev_device_get_action(dev));
        e.subsystem = QString::fromLatin1(udev_device_get_subsystem(dev));
        e.devtype = QString::fromLatin1(udev_device_get_devtype(dev));
        e.devpath = QString::fromLatin1(udev_device_get_devpath(dev));
        udev_list_entry *entry;
        udev_list_entry_foreach(entry, udev_device_get_properties_list_entry(dev))
        {
            e.properties.insert(QString::fromLatin1(udev_list_entry_get_name(entry)),
                                QString::fromLatin1(udev_list_entry_get_value(entry)));
        }
        if (e.subsystem == QLatin1String("hidraw")) {
            // The parent is owned by the child device; no unref.
            if (udev_device *hid = udev_device_get_parent_with_subsystem_devtype(dev, "hid", nullptr)) {
                if (const char *hidId = udev_device_get_property_value(hid, "HID_ID"))
                    e.properties.insert(QStringLiteral("HID_ID"), QString::fromLatin1(hidId));
            }
        }
        udev_device_unref(dev);
        emit eventReceived(e);
    }

    udev *m_udev;
    udev_monitor *m_monitor;
    QSocketNotifier m_notifier;
};

} // namespace

std::unique_ptr<HotplugSource> HotplugSource::createSystem(QObject *parent)
{
    udev *u = udev_new();
    if (!u) {
        qWarning() << "[Hot plug] udev is not available; device arrival and removal will not be seen";
        return nullptr;
    }
    udev_monitor *m = udev_monitor_new_from_netlink(u, "udev");
    if (!m) {
        qWarning() << "[Hot plug] cannot open the udev monitor; device arrival and removal will not be seen";
        udev_unref(u);
        return nullptr;
    }
    udev_monitor_filter_add_match_subsystem_devtype(m, "hidraw", nullptr);
    udev_monitor_filter_add_match_subsystem_devtype(m, "usb", "usb_device");
    udev_monitor_filter_add_match_subsystem_devtype(m, "block", "disk");
    if (udev_monitor_enable_receiving(m) < 0) {
        qWarning() << "[Hot plug] cannot listen to udev events; device arrival and removal will not be seen";
        udev_monitor_unref(m);
        udev_unref(u);
        return nullptr;
    }
    // The monitor hears the udev daemon's events; without the daemon (containers, minimal systems)
    // it stays silent. A keyboard that goes away is then noticed when its link fails.
    if (!QFileInfo::exists(QStringLiteral("/run/udev/control")))
        qWarning() << "[Hot plug] no udev daemon is running (/run/udev/control is missing); keyboards "
                      "plugged in or removed while the program runs are not seen";
    return std::make_unique<UdevHotplugSource>(u, m, parent);
}
