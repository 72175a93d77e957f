#include "hotplugmonitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

HotplugEvent hidraw(const char *action, const char *hidId, const char *devpath)
{
    HotplugEvent e;
    e.action = action;
    e.subsystem = "hidraw";
    e.devpath = devpath;
    if (hidId)
        e.properties.insert("HID_ID", hidId);
    return e;
}

const QVector<HotplugIds> kSupported{{0x1209, 0x0001}, {0x1209, 0x0003}, {0x1209, 0x0001}};

TEST(HotplugIdsFromEvents, EveryKindOfEventNamesItsDevice)
{
    const struct
    {
        const char *name;
        HotplugEvent event;
        int vid, pid;
    } rows[] = {
        {"hidraw HID_ID", hidraw("add", "0003:00001209:00000001", "/devices/x/hidraw/hidraw3"), 0x1209,
         0x0001},
        {"hidraw devpath only",
         hidraw("remove", nullptr, "/devices/pci0000:00/usb1/1-2/1-2:1.1/0003:1209:0003.0007/hidraw/hidraw5"),
         0x1209, 0x0003},
        {"usb PRODUCT", HotplugEvent{"add", "usb", "usb_device", "/devices/u", {{"PRODUCT", "416/3f00/100"}}},
         0x0416, 0x3F00},
        {"block ID_*",
         HotplugEvent{
             "add", "block", "disk", "/devices/b", {{"ID_VENDOR_ID", "1fc9"}, {"ID_MODEL_ID", "f7df"}}},
         0x1FC9, 0xF7DF},
        {"nothing", HotplugEvent{"add", "usb", "usb_device", "/devices/u", {}}, -1, -1},
        {"garbage HID_ID", hidraw("add", "0003:zz:yy", "/devices/x"), -1, -1},
    };
    for (const auto &r : rows) {
        const HotplugIds ids = hotplug::extractIds(r.event);
        EXPECT_EQ(ids.vid, r.vid) << r.name;
        EXPECT_EQ(ids.pid, r.pid) << r.name;
    }
}

TEST(HotplugDecide, SupportAndBootLoaderMatching)
{
    const struct
    {
        const char *name;
        const char *action;
        HotplugIds ids;
        HotplugDecision::Kind kind;
        bool supported;
        bool bootLoader;
    } rows[] = {
        {"supported arrival", "add", {0x1209, 0x0001}, HotplugDecision::Arrival, true, false},
        {"vendor matches, product does not", "add", {0x1209, 0x0009}, HotplugDecision::Arrival, false, false},
        {"supported removal", "remove", {0x1209, 0x0003}, HotplugDecision::Removal, true, false},
        {"boot-loader pair 1", "add", {0x0416, 0x3F00}, HotplugDecision::Arrival, false, true},
        {"boot-loader pair 2", "add", {0x1FC9, 0xF7DF}, HotplugDecision::Arrival, false, true},
        {"boot-loader pair 3", "add", {0x0416, 0x3F01}, HotplugDecision::Arrival, false, true},
        {"boot-loader removal is not an arrival",
         "remove",
         {0x0416, 0x3F00},
         HotplugDecision::Removal,
         false,
         false},
        {"other action", "change", {0x1209, 0x0001}, HotplugDecision::None, false, false},
    };
    for (const auto &r : rows) {
        HotplugEvent e{r.action, "hidraw", "", "/devices/d", {}};
        const HotplugDecision d = hotplug::decide(e, r.ids, kSupported);
        EXPECT_EQ(d.kind, r.kind) << r.name;
        EXPECT_EQ(d.supported, r.supported) << r.name;
        EXPECT_EQ(d.bootLoader, r.bootLoader) << r.name;
    }
    HotplugEvent e{"add", "hidraw", "", "/devices/d", {}};
    EXPECT_EQ(hotplug::decide(e, {0x1209, 0x0001}, kSupported).path, "USB#VID_1209&PID_0001#/DEVICES/D");
}

// Waits for a spy while the event loop keeps running.
bool waitFor(QSignalSpy &spy, int count, int ms)
{
    QElapsedTimer t;
    t.start();
    while (spy.count() < count && t.elapsed() < ms)
        spy.wait(20);
    return spy.count() >= count;
}

TEST(HotplugMonitorTiming, InterfacesOfOneKeyboardBecomeOneSignalWithoutBlocking)
{
    HotplugMonitor monitor;
    monitor.setSupportList(kSupported);
    QSignalSpy arrived(&monitor, &HotplugMonitor::sigDeviceArrived);
    QSignalSpy removed(&monitor, &HotplugMonitor::sigDeviceRemoved);

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);

    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 3; ++i)
        monitor.handleEvent(
            hidraw("add", "0003:00001209:00000001",
                   qPrintable(QStringLiteral("/devices/k/0003:1209:0001.000%1/hidraw/hidraw%1").arg(i))));
    EXPECT_EQ(arrived.count(), 0) << "nothing before the settle time";
    ASSERT_TRUE(waitFor(arrived, 1, 2000));
    EXPECT_GE(t.elapsed(), HotplugMonitor::kSettleMs - 5);
    EXPECT_GT(ticks, 10) << "the event loop kept running during the delay";
    QCoreApplication::processEvents();
    QTest::qWait(HotplugMonitor::kSettleMs + 50);
    EXPECT_EQ(arrived.count(), 1);
    EXPECT_EQ(removed.count(), 0);
}

TEST(HotplugMonitorTiming, RemovalWithoutPropertiesUsesTheArrivalCache)
{
    HotplugMonitor monitor;
    monitor.setSupportList(kSupported);
    QSignalSpy removed(&monitor, &HotplugMonitor::sigDeviceRemoved);
    // A devpath that carries no IDs, so only the cache can tell the device.
    monitor.handleEvent(hidraw("add", "0003:00001209:00000003", "/devices/virtual/hidraw/hidraw9"));
    monitor.handleEvent(hidraw("remove", nullptr, "/devices/virtual/hidraw/hidraw9"));
    ASSERT_TRUE(waitFor(removed, 1, 2000));
    EXPECT_TRUE(removed.first().first().toString().contains("PID_0003"));

    // An unknown removal without properties does nothing.
    monitor.handleEvent(hidraw("remove", nullptr, "/devices/virtual/hidraw/hidraw10"));
    QTest::qWait(HotplugMonitor::kSettleMs + 50);
    EXPECT_EQ(removed.count(), 1);
}

TEST(HotplugMonitorTiming, BootLoaderArrivalIsReportedAfterItsOwnDelay)
{
    HotplugMonitor monitor;
    monitor.setSupportList(kSupported);
    QSignalSpy boot(&monitor, &HotplugMonitor::sigBootLoaderArrived);
    QSignalSpy arrived(&monitor, &HotplugMonitor::sigDeviceArrived);
    QElapsedTimer t;
    t.start();
    monitor.handleEvent(HotplugEvent{"add", "usb", "usb_device", "/devices/u", {{"PRODUCT", "1fc9/f7df/1"}}});
    ASSERT_TRUE(waitFor(boot, 1, 3000));
    EXPECT_GE(t.elapsed(), HotplugMonitor::kBootLoaderDelayMs - 5);
    EXPECT_EQ(arrived.count(), 0) << "a boot loader is not a supported keyboard";
}

QStringList g_hotPlugWarnings;

void keepHotPlugWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("[Hot plug]")))
        g_hotPlugWarnings << text;
}

TEST(HotplugMonitorSystem, StartsOrReportsWhy)
{
    g_hotPlugWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepHotPlugWarnings);
    HotplugMonitor monitor;
    // In a container without netlink access or without the udev daemon this cannot hear the
    // system; it must then say so in one line, without crashing.
    const bool started = monitor.startSystemMonitor();
    qInstallMessageHandler(previous);
    const bool daemon = QFileInfo::exists(QStringLiteral("/run/udev/control"));
    if (started && daemon)
        EXPECT_TRUE(g_hotPlugWarnings.isEmpty()) << g_hotPlugWarnings.join('\n').toStdString();
    else
        EXPECT_EQ(g_hotPlugWarnings.size(), 1) << "started " << started << ", udev daemon " << daemon;

    // Whatever the system gave, events handed in still reach the program.
    monitor.setSupportList(kSupported);
    QSignalSpy arrived(&monitor, &HotplugMonitor::sigDeviceArrived);
    monitor.handleEvent(
        hidraw("add", "0003:00001209:00000001", "/devices/x/0003:1209:0001.0001/hidraw/hidraw1"));
    EXPECT_TRUE(waitFor(arrived, 1, 2000));
}

} // namespace
