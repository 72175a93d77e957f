#include "hotplugmonitor.h"

#include "hotplugsource.h"

#include <QRegularExpression>

namespace hotplug {

namespace {
int hex(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 16);
    return ok && v >= 0 && v <= 0xFFFF ? v : -1;
}
} // namespace

HotplugIds extractIds(const HotplugEvent &event)
{
    HotplugIds ids;
    const auto &p = event.properties;
    // HID_ID: "bbbb:0000VVVV:0000PPPP".
    const QStringList hid = p.value(QStringLiteral("HID_ID")).split(QLatin1Char(':'));
    if (hid.size() == 3) {
        ids.vid = hex(hid.at(1));
        ids.pid = hex(hid.at(2));
        if (ids.valid())
            return ids;
    }
    // usb_device: PRODUCT "v/p/bcd" without leading zeros.
    const QStringList product = p.value(QStringLiteral("PRODUCT")).split(QLatin1Char('/'));
    if (product.size() == 3) {
        ids.vid = hex(product.at(0));
        ids.pid = hex(product.at(1));
        if (ids.valid())
            return ids;
    }
    if (p.contains(QStringLiteral("ID_VENDOR_ID")) && p.contains(QStringLiteral("ID_MODEL_ID"))) {
        ids.vid = hex(p.value(QStringLiteral("ID_VENDOR_ID")));
        ids.pid = hex(p.value(QStringLiteral("ID_MODEL_ID")));
        if (ids.valid())
            return ids;
    }
    // hidraw devpath: ".../0003:1209:0001.0004/hidraw/hidraw3".
    static const QRegularExpression segment(
        QStringLiteral("/[0-9A-Fa-f]{4}:([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})\\.[0-9A-Fa-f]+(/|$)"));
    const QRegularExpressionMatch m = segment.match(event.devpath);
    if (m.hasMatch()) {
        ids.vid = hex(m.captured(1));
        ids.pid = hex(m.captured(2));
        return ids;
    }
    return HotplugIds{};
}

const QVector<HotplugIds> &bootLoaderIds()
{
    static const QVector<HotplugIds> ids{{0x0416, 0x3F00}, {0x1FC9, 0xF7DF}, {0x0416, 0x3F01}};
    return ids;
}

HotplugDecision decide(const HotplugEvent &event, const HotplugIds &ids, const QVector<HotplugIds> &supported)
{
    HotplugDecision d;
    if (event.action == QLatin1String("add"))
        d.kind = HotplugDecision::Arrival;
    else if (event.action == QLatin1String("remove"))
        d.kind = HotplugDecision::Removal;
    else
        return d;
    if (!ids.valid())
        return HotplugDecision{};
    d.path = QStringLiteral("usb#vid_%1&pid_%2#%3")
                 .arg(ids.vid, 4, 16, QLatin1Char('0'))
                 .arg(ids.pid, 4, 16, QLatin1Char('0'))
                 .arg(event.devpath)
                 .toUpper();
    for (const HotplugIds &s : supported) {
        if (s.vid == ids.vid && s.pid == ids.pid) {
            d.supported = true;
            break;
        }
    }
    if (d.kind == HotplugDecision::Arrival) {
        for (const HotplugIds &b : bootLoaderIds()) {
            if (b.vid == ids.vid && b.pid == ids.pid)
                d.bootLoader = true;
        }
    }
    return d;
}

} // namespace hotplug

HotplugMonitor::HotplugMonitor(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setTimerType(Qt::PreciseTimer);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &HotplugMonitor::flush);
    m_bootLoader.setSingleShot(true);
    m_bootLoader.setTimerType(Qt::PreciseTimer);
    m_bootLoader.setInterval(kBootLoaderDelayMs);
    connect(&m_bootLoader, &QTimer::timeout, this, [this] {
        const QString path = m_pendingBootLoader;
        m_pendingBootLoader.clear();
        emit sigBootLoaderArrived(path);
    });
}

HotplugMonitor::~HotplugMonitor() = default;

bool HotplugMonitor::startSystemMonitor()
{
    if (m_source)
        return true;
    m_source = HotplugSource::createSystem(nullptr);
    if (!m_source)
        return false;
    connect(m_source.get(), &HotplugSource::eventReceived, this, &HotplugMonitor::handleEvent);
    return true;
}

void HotplugMonitor::handleEvent(const HotplugEvent &event)
{
    HotplugIds ids = hotplug::extractIds(event);
    if (event.action == QLatin1String("add") && ids.valid())
        m_idsByDevpath.insert(event.devpath, ids);
    if (event.action == QLatin1String("remove")) {
        if (!ids.valid())
            ids = m_idsByDevpath.value(event.devpath);
        m_idsByDevpath.remove(event.devpath);
    }
    const HotplugDecision d = hotplug::decide(event, ids, m_supported);
    if (d.supported) {
        if (d.kind == HotplugDecision::Arrival)
            m_pendingArrival = d.path;
        else
            m_pendingRemoval = d.path;
        // Restarting the timer folds the interfaces of one keyboard into one signal.
        m_settle.start();
    }
    if (d.bootLoader) {
        m_pendingBootLoader = d.path;
        m_bootLoader.start();
    }
}

void HotplugMonitor::flush()
{
    const QString removed = m_pendingRemoval;
    const QString arrived = m_pendingArrival;
    m_pendingRemoval.clear();
    m_pendingArrival.clear();
    if (!removed.isEmpty())
        emit sigDeviceRemoved(removed);
    if (!arrived.isEmpty())
        emit sigDeviceArrived(arrived);
}
