#pragma once

#include <QHash>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>
#include <memory>

// One kernel device event as the monitor sees it (udev's view, or a simulated one).
struct HotplugEvent
{
    QString action;    // "add", "remove"; anything else is ignored
    QString subsystem; // "hidraw", "usb", "block"
    QString devtype;   // "usb_device", "disk", or empty
    QString devpath;
    QMap<QString, QString> properties; // the event's own properties, plus HID_ID of a hidraw node's parent
};

struct HotplugIds
{
    int vid = -1;
    int pid = -1;
    bool valid() const { return vid >= 0 && pid >= 0; }
};

// What one event means for the program.
struct HotplugDecision
{
    enum Kind
    {
        None,
        Arrival,
        Removal
    };
    Kind kind = None;
    bool supported = false;  // matches an entry of the support list
    bool bootLoader = false; // a boot-loader ID on arrival
    QString path;            // "usb#vid_VVVV&pid_PPPP#<devpath>"
};

namespace hotplug {

// Vendor and product IDs of an event, from HID_ID, the hidraw devpath segment "bbbb:VVVV:PPPP.nnnn",
// PRODUCT "v/p/bcd", or ID_VENDOR_ID/ID_MODEL_ID.
HotplugIds extractIds(const HotplugEvent &event);

// Compares IDs numerically against the support list and the boot-loader IDs. Removals never count
// as boot-loader arrivals.
HotplugDecision decide(const HotplugEvent &event, const HotplugIds &ids,
                       const QVector<HotplugIds> &supported);

const QVector<HotplugIds> &bootLoaderIds();

} // namespace hotplug

Q_DECLARE_METATYPE(HotplugEvent)

class HotplugSource;

// Watches device arrival and removal. Several events within the settle time become one signal of
// each kind; a boot-loader arrival is reported after its own, longer delay. Nothing here blocks the
// event loop.
class HotplugMonitor : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSettleMs = 300;
    static constexpr int kBootLoaderDelayMs = 600;

    explicit HotplugMonitor(QObject *parent = nullptr);
    ~HotplugMonitor() override;

    void setSupportList(const QVector<HotplugIds> &ids) { m_supported = ids; }

    // Starts listening to the system's device events (libudev). False, with a log line, when the
    // monitor cannot be created; events can still be fed through handleEvent.
    bool startSystemMonitor();

    // Entry for every event, from udev or from the simulated keyboards.
    void handleEvent(const HotplugEvent &event);

signals:
    void sigDeviceArrived(QString path);
    void sigDeviceRemoved(QString path);
    void sigBootLoaderArrived(QString path);

private:
    void flush();

    QVector<HotplugIds> m_supported;
    QHash<QString, HotplugIds> m_idsByDevpath; // removals often come without properties
    QTimer m_settle;
    QTimer m_bootLoader;
    QString m_pendingArrival;
    QString m_pendingRemoval;
    QString m_pendingBootLoader;
    std::unique_ptr<HotplugSource> m_source;
};
