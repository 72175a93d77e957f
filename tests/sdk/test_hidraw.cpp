#include "hiddevicemanager.h"
#include "hidpaths.h"
#include "hidrawbackend.h"
#include "hidrawchannel.h"
#include "modelcatalogue.h"
#include "simfixture.h"

#include <atomic>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// --- which interfaces are ours

struct FilterCase
{
    const char *name;
    HidInterfaceInfo info;
    bool selected;
};

HidInterfaceInfo iface(const char *path, uint16_t vid, uint16_t pid, uint16_t usagePage,
                       int interfaceNumber = 1)
{
    HidInterfaceInfo i;
    i.path = path;
    i.vendorId = vid;
    i.productId = pid;
    i.usagePage = usagePage;
    i.interfaceNumber = interfaceNumber;
    return i;
}

class PathFilter : public SimulatedDevices, public testing::WithParamInterface<FilterCase>
{
};

TEST_P(PathFilter, OnlyTheProtocolInterfaceOfCatalogueModels)
{
    const FilterCase &c = GetParam();
    // XK75 names its protocol interface by number and reports a standard usage page there.
    ModelInfo other;
    other.key = QStringLiteral("XK75");
    other.keyCount = 84;
    other.interfaceNumber = 2;
    other.links = {{LinkType::Cable, 0xABCD, 0x00EF}};
    QString error;
    ASSERT_TRUE(ModelCatalogue::instance().merge({other}, &error)) << error.toStdString();

    const auto out = hidpaths::selectSupported({c.info}, ModelCatalogue::instance());
    EXPECT_EQ(out.size(), c.selected ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PathFilter,
    testing::Values(
        FilterCase{"vendor_page", iface("/sys/a/hidraw/hidraw0", 0x1209, 0x0001, 0xFF60), true},
        FilterCase{"vendor_page_first", iface("/sys/a/hidraw/hidraw0", 0x1209, 0x0002, 0xFF00), true},
        FilterCase{"keyboard_page", iface("/sys/a/hidraw/hidraw1", 0x1209, 0x0001, 0x0001), false},
        FilterCase{"consumer_page", iface("/sys/a/hidraw/hidraw2", 0x1209, 0x0005, 0x000C), false},
        FilterCase{"unknown_pid", iface("/sys/a/hidraw/hidraw3", 0x1209, 0x0004, 0xFF60), false},
        FilterCase{"boot_loader", iface("/sys/a/hidraw/hidraw4", 0x0416, 0x3F00, 0xFF00), false},
        FilterCase{"numbered_interface", iface("/sys/b/hidraw/hidraw5", 0xABCD, 0x00EF, 0x0001, 2), true},
        FilterCase{"numbered_other_interface", iface("/sys/b/hidraw/hidraw6", 0xABCD, 0x00EF, 0xFF00, 0),
                   false},
        FilterCase{"empty_path", iface("", 0x1209, 0x0001, 0xFF60), false}),
    [](const testing::TestParamInfo<FilterCase> &i) { return std::string(i.param.name); });

TEST_F(SimulatedDevices, OneEntryPerPathInInputOrder)
{
    // hidapi lists one entry per top-level collection of a node.
    const auto out = hidpaths::selectSupported({iface("/sys/x/hidraw/hidraw3", 0x1209, 0x0003, 0xFF60),
                                                iface("/sys/x/hidraw/hidraw3", 0x1209, 0x0003, 0xFF61),
                                                iface("/sys/y/hidraw/hidraw1", 0x1209, 0x0001, 0xFF60)},
                                               ModelCatalogue::instance());
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(out[0].path, QByteArray("/sys/x/hidraw/hidraw3"));
    EXPECT_EQ(out[1].path, QByteArray("/sys/y/hidraw/hidraw1"));
}

// --- syspath to node

struct SysnameCase
{
    const char *syspath;
    const char *sysname; // "" when refused
};

TEST(HidrawPath, SysnameOfWellFormedSyspathsOnly)
{
    const SysnameCase cases[] = {
        {"/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:1209:0001.0007/hidraw/hidraw3",
         "hidraw3"},
        {"/sys/devices/virtual/misc/uhid/0003:1209:0003.000A/hidraw/hidraw12", "hidraw12"},
        {"/dev/hidraw3", ""},
        {"hidraw3", ""},
        {"/sys/devices/x/hidraw/hidraw3/", ""},
        {"/sys/devices/../../dev/hidraw/hidraw3", ""},
        {"/sys/devices/./hidraw/hidraw3", ""},
        {"/sys/devices/x/input/event3", ""},
        {"/sys/devices/x/hidraw/hidrawX", ""},
        {"/tidelumen-sim/devices/usb1/0003:1209:0001.0001/hidraw/hidraw1", ""},
        {"", ""},
    };
    for (const SysnameCase &c : cases)
        EXPECT_EQ(hidpaths::hidrawSysname(c.syspath), QByteArray(c.sysname)) << c.syspath;
}

TEST(HidrawBackendTest, AbsentOrForeignPathsAreNotFound)
{
    HidrawBackend backend;
    ASSERT_TRUE(backend.isUsable()) << "libudev and hidapi set up";
    for (const char *path : {"/sys/devices/virtual/tidelumen-none/0003:1209:0001.FFFF/hidraw/hidraw9999",
                             "/dev/null", "/sys/devices/virtual/mem/null", ""}) {
        HidOpenError error = HidOpenError::None;
        EXPECT_TRUE(backend.nodeForSyspath(path, &error).isEmpty()) << path;
        EXPECT_EQ(error, HidOpenError::NotFound) << path;
        error = HidOpenError::None;
        EXPECT_EQ(backend.open(path, &error), nullptr) << path;
        EXPECT_EQ(error, HidOpenError::NotFound) << path;
    }
    // A character device that is not a hidraw node has no hidraw syspath.
    EXPECT_TRUE(backend.syspathForNode("/dev/null").isEmpty());
    EXPECT_TRUE(backend.syspathForNode("/dev/hidraw-none").isEmpty());
    // Whatever is attached to this machine, enumeration hands out syspaths only.
    for (const HidInterfaceInfo &i : backend.interfaces())
        EXPECT_FALSE(hidpaths::hidrawSysname(i.path).isEmpty()) << i.path.constData();
}

// --- framing

TEST(HidrawFraming, OutputIsReportIdZeroThenTheReport)
{
    HidReport r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = static_cast<uint8_t>(i + 1);
    r[0] = 0x00; // the serial-number inquiry keeps byte 0 at zero; it must still go out whole
    const auto framed = hidpaths::frameOutputReport(r);
    ASSERT_EQ(framed.size(), 65u);
    EXPECT_EQ(framed[0], 0x00);
    EXPECT_TRUE(std::equal(r.begin(), r.end(), framed.begin() + 1));
}

TEST(HidrawFraming, InputIsZeroFilledPastAShortRead)
{
    struct Case
    {
        int count;
        int result;
        int copied;
    };
    uint8_t data[64];
    for (int i = 0; i < 64; ++i)
        data[i] = static_cast<uint8_t>(0x80 + i);
    for (const Case &c :
         {Case{64, 64, 64}, Case{10, 10, 10}, Case{1, 1, 1}, Case{0, 0, 0}, Case{-1, -1, 0}}) {
        HidReport r;
        r.fill(0xEE); // what a previous report left behind
        EXPECT_EQ(hidpaths::takeInputReport(data, c.count, &r), c.result) << c.count;
        for (int i = 0; i < 64; ++i)
            EXPECT_EQ(r[static_cast<std::size_t>(i)], i < c.copied ? data[i] : 0)
                << "count " << c.count << " byte " << i;
    }
}

TEST(HidrawFraming, FirmwareVersionFromBcdDevice)
{
    EXPECT_EQ(hidpaths::firmwareVersionText(0x0100), QStringLiteral("V1.0.0"));
    EXPECT_EQ(hidpaths::firmwareVersionText(0x1234), QStringLiteral("V12.3.4"));
    EXPECT_EQ(hidpaths::firmwareVersionText(0x0000), QStringLiteral("V0.0.0"));
}

// --- permission errors

// A back end whose every open is refused for lack of permission, as hidraw does without the rule.
class DeniedBackend : public HidBackend
{
public:
    QVector<HidInterfaceInfo> interfaces() override { return {}; }
    std::unique_ptr<HidChannel> open(const QByteArray &, HidOpenError *error) override
    {
        *error = HidOpenError::PermissionDenied;
        return nullptr;
    }
};

TEST(HidDeviceManagerTest, PermissionErrorIsDistinctAndNoticedOnce)
{
    HidDeviceManager manager;
    manager.setBackend(std::make_unique<DeniedBackend>());
    const QByteArray path("/sys/devices/x/0003:1209:0001.0001/hidraw/hidraw0");
    EXPECT_FALSE(manager.takePermissionNotice());
    EXPECT_EQ(manager.open(path), 0);
    EXPECT_EQ(manager.lastOpenError(), HidOpenError::PermissionDenied);
    EXPECT_TRUE(manager.takePermissionNotice());
    EXPECT_FALSE(manager.takePermissionNotice());
    EXPECT_EQ(manager.open(path), 0);
    EXPECT_FALSE(manager.takePermissionNotice()) << "the user is told once per run";
    EXPECT_EQ(manager.open(QByteArray()), 0);
    EXPECT_EQ(manager.lastOpenError(), HidOpenError::NotFound);
}

TEST_F(SimulatedDevices, OpenPathReportsWhyItFailed)
{
    HidDeviceManager::instance().setBackend(std::make_unique<DeniedBackend>());
    EXPECT_EQ(CQuelmoHid_OpenPath("/sys/devices/x/0003:1209:0001.0001/hidraw/hidraw0"), 0);
    EXPECT_EQ(quelmosdk::lastOpenError(), quelmosdk::OpenError::PermissionDenied);
    EXPECT_STREQ(quelmosdk::kPermissionNotice, "Cannot open the device (check permissions)");
    EXPECT_EQ(CQuelmoHid_OpenPath(nullptr), 0);
    EXPECT_EQ(quelmosdk::lastOpenError(), quelmosdk::OpenError::NotFound);
}

// A device whose read blocks until released, to close its handle while a read is in flight.
class BlockingBackend : public HidBackend
{
public:
    std::promise<void> inRead;
    std::promise<void> release;
    std::atomic<bool> destroyed{false};

    QVector<HidInterfaceInfo> interfaces() override { return {}; }
    std::unique_ptr<HidChannel> open(const QByteArray &, HidOpenError *error) override
    {
        *error = HidOpenError::None;
        return std::make_unique<Channel>(*this);
    }

private:
    class Channel : public HidChannel
    {
    public:
        explicit Channel(BlockingBackend &b) : m_b(b) {}
        ~Channel() override { m_b.destroyed = true; }
        int write(const HidReport &) override { return 64; }
        int read(HidReport *report) override
        {
            m_b.inRead.set_value();
            m_b.release.get_future().wait();
            report->fill(0x15);
            return m_b.destroyed ? -99 : 64;
        }
        int setNonblocking(bool) override { return 0; }
        int waitForInput(int) override { return 0; }
        void wake() override {}

    private:
        BlockingBackend &m_b;
    };
};

TEST(HidDeviceManagerTest, CloseDuringAReadKeepsTheDeviceUntilTheReadReturns)
{
    HidDeviceManager manager;
    auto owned = std::make_unique<BlockingBackend>();
    BlockingBackend &backend = *owned;
    manager.setBackend(std::move(owned));
    const int handle = manager.open("/sys/devices/x/0003:1209:0001.0001/hidraw/hidraw0");
    ASSERT_NE(handle, 0);

    int result = 0;
    std::thread io([&] {
        HidReport r{};
        result = manager.read(handle, &r);
    });
    backend.inRead.get_future().wait();
    EXPECT_EQ(manager.close(handle), 0);
    EXPECT_FALSE(backend.destroyed) << "the device is still in use by the read";
    backend.release.set_value();
    io.join();
    EXPECT_EQ(result, 64) << "the read finished on a live device";
    EXPECT_TRUE(backend.destroyed);
    HidReport r{};
    EXPECT_EQ(manager.read(handle, &r), -1);
}

// --- the hidraw channel over a descriptor that keeps report boundaries, like a hidraw node

class HidrawChannelTest : public testing::Test
{
protected:
    void SetUp() override
    {
        int fds[2];
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds), 0);
        channel = std::make_unique<HidrawChannel>(fds[0]);
        device = fds[1];
        ASSERT_TRUE(channel->isValid());
        channel->setNonblocking(true);
    }
    void TearDown() override
    {
        if (device >= 0)
            ::close(device);
    }
    void deviceSends(uint8_t command)
    {
        uint8_t report[hidproto::kReportSize] = {};
        report[hidproto::kCmdByte] = command;
        ASSERT_EQ(::write(device, report, sizeof report), static_cast<ssize_t>(sizeof report));
    }

    std::unique_ptr<HidrawChannel> channel;
    int device = -1;
};

TEST_F(HidrawChannelTest, WritesReportIdZeroThenTheReport)
{
    HidReport out = hidproto::makeReport(0x14);
    EXPECT_EQ(channel->write(out), static_cast<int>(hidproto::kReportSize));
    uint8_t got[hidproto::kReportSize + 8] = {};
    ASSERT_EQ(::read(device, got, sizeof got), static_cast<ssize_t>(hidproto::kReportSize + 1));
    EXPECT_EQ(got[0], 0x00);
    EXPECT_EQ(got[1 + hidproto::kCmdByte], 0x14);
}

TEST_F(HidrawChannelTest, WaitEndsWithInputWakeOrTimeout)
{
    // Nothing there: the wait lasts its timeout and a read finds nothing.
    EXPECT_EQ(channel->waitForInput(20), 0);
    HidReport in{};
    EXPECT_EQ(channel->read(&in), 0);

    // A wake given before the wait ends it at once, and only that one wait.
    channel->wake();
    EXPECT_EQ(channel->waitForInput(5000), 0);
    EXPECT_EQ(channel->waitForInput(20), 0);

    // A wake from another thread ends an unlimited wait.
    std::thread waker([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        channel->wake();
    });
    EXPECT_EQ(channel->waitForInput(-1), 0);
    waker.join();

    // A report that arrives during an unlimited wait ends it, and the read takes it.
    std::thread sender([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        deviceSends(0x01);
    });
    EXPECT_GT(channel->waitForInput(-1), 0);
    sender.join();
    EXPECT_EQ(channel->read(&in), static_cast<int>(hidproto::kReportSize));
    EXPECT_EQ(in[hidproto::kCmdByte], 0x01);
}

TEST_F(HidrawChannelTest, AVanishedDeviceFailsReadsAndNeverMakesTheWaitSpin)
{
    ::close(device);
    device = -1;
    EXPECT_GT(channel->waitForInput(1000), 0); // the hang-up is reported once ...
    HidReport in{};
    EXPECT_EQ(channel->read(&in), -1);
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(channel->waitForInput(30), 0); // ... then the wait sleeps until woken or timed out
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(25));
    channel->wake();
    EXPECT_EQ(channel->waitForInput(-1), 0);
}

} // namespace
