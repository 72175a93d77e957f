#include "simbootloader.h"

#include "bootloaderprotocol.h"
#include "simkeyboard.h"
#include "simscheduler.h"

namespace {

// No image of ours comes near this.
constexpr uint32_t kMaxImageBytes = 4 * 1024 * 1024;

} // namespace

SimBootLoader::SimBootLoader(const std::shared_ptr<SimKeyboard> &keyboard,
                             const std::shared_ptr<SimScheduler> &scheduler)
    : m_keyboard(keyboard), m_scheduler(scheduler)
{
}

void SimBootLoader::install()
{
    const std::shared_ptr<SimKeyboard> kb = m_keyboard.lock();
    if (!kb)
        return;
    kb->setHandler(hidproto::out::EnterBootLoader,
                   [weak = weak_from_this()](SimKeyboard &, const HidReport &) {
                       if (const std::shared_ptr<SimBootLoader> self = weak.lock())
                           self->onSwitch();
                   });
}

void SimBootLoader::setIds(uint16_t vendorId, uint16_t productId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_vendorId = vendorId;
    m_productId = productId;
}

void SimBootLoader::setDelays(Ms leave, Ms appear)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_leaveDelay = leave;
    m_appearDelay = appear;
}

void SimBootLoader::setFaults(const Faults &faults)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults = faults;
}

void SimBootLoader::setVersionReader(VersionReader reader)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_versionReader = std::move(reader);
}

QByteArray SimBootLoader::receivedImage() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

int SimBootLoader::receivedFlag() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_receivedFlag;
}

int SimBootLoader::startCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_starts;
}

int SimBootLoader::switchCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_switches;
}

int SimBootLoader::completedCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_completed;
}

void SimBootLoader::onSwitch()
{
    // Runs inside the keyboard's write, with its lock held: everything that plugs goes through the
    // scheduler.
    Ms leave{0};
    Ms appear{0};
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_switches;
        leave = m_leaveDelay;
        appear = m_appearDelay;
    }
    const std::shared_ptr<SimScheduler> scheduler = m_scheduler.lock();
    if (!scheduler)
        return;
    scheduler->after(leave, [weak = m_keyboard] {
        if (const std::shared_ptr<SimKeyboard> kb = weak.lock())
            kb->unplug();
    });
    if (appear.count() >= 0)
        enter(leave + appear);
}

void SimBootLoader::appearUnrequested()
{
    const std::shared_ptr<SimScheduler> scheduler = m_scheduler.lock();
    if (!scheduler)
        return;
    scheduler->after(Ms(0), [weak = m_keyboard] {
        if (const std::shared_ptr<SimKeyboard> kb = weak.lock())
            kb->unplug();
    });
    enter(Ms(0));
}

void SimBootLoader::enter(Ms after)
{
    const std::shared_ptr<SimScheduler> scheduler = m_scheduler.lock();
    if (!scheduler)
        return;
    scheduler->after(after, [weak = weak_from_this()] {
        const std::shared_ptr<SimBootLoader> self = weak.lock();
        const std::shared_ptr<SimKeyboard> kb = self ? self->m_keyboard.lock() : nullptr;
        if (!kb)
            return;
        uint16_t vid = 0;
        uint16_t pid = 0;
        {
            std::lock_guard<std::mutex> lock(self->m_mutex);
            vid = self->m_vendorId;
            pid = self->m_productId;
            self->m_started = false;
            self->m_buffer.clear();
        }
        kb->unplug();
        kb->enterBootLoader(
            vid, pid,
            [weakSelf = std::weak_ptr<SimBootLoader>(self)](SimKeyboard &keyboard, const HidReport &report) {
                if (const std::shared_ptr<SimBootLoader> loader = weakSelf.lock())
                    loader->handle(keyboard, report);
            });
        kb->plug();
    });
}

void SimBootLoader::leave(Ms after, const QByteArray &image)
{
    const std::shared_ptr<SimScheduler> scheduler = m_scheduler.lock();
    if (!scheduler)
        return;
    scheduler->after(after, [weak = weak_from_this(), image] {
        const std::shared_ptr<SimBootLoader> self = weak.lock();
        const std::shared_ptr<SimKeyboard> kb = self ? self->m_keyboard.lock() : nullptr;
        if (!kb)
            return;
        VersionReader reader;
        {
            std::lock_guard<std::mutex> lock(self->m_mutex);
            reader = self->m_versionReader;
        }
        kb->unplug();
        kb->leaveBootLoader();
        const QString version = reader ? reader(image) : QString();
        if (!version.isEmpty())
            kb->setFirmwareVersion(version, kb->firmwareBuild());
        kb->plug();
    });
}

void SimBootLoader::handle(SimKeyboard &keyboard, const HidReport &report)
{
    using namespace bootloader;
    const uint8_t command = report[0];
    std::unique_lock<std::mutex> lock(m_mutex);
    switch (command) {
    case Start: {
        ++m_starts;
        const uint32_t size = readU32(report, 1);
        if (m_starts <= m_faults.failFirstAttempts) {
            keyboard.reply(answer(Start, Refused, size));
            return;
        }
        if (size == 0 || size > kMaxImageBytes) {
            keyboard.reply(answer(Start, TooLarge, size));
            return;
        }
        m_started = true;
        m_expected = size;
        m_flag = report[5];
        m_buffer.clear();
        m_buffer.reserve(int(size));
        keyboard.reply(answer(Start, Accepted, size));
        return;
    }
    case Data: {
        const uint32_t offset = readU32(report, 1);
        const int length = report[5];
        const int chunk = int(offset / kChunkBytes);
        if (chunk == m_faults.stallAtChunk) {
            m_faults.stallAtChunk = -1;
            return;
        }
        if (chunk == m_faults.dropAtChunk) {
            m_faults.dropAtChunk = -1;
            const Ms back = m_faults.comeBackAfterDrop;
            lock.unlock();
            if (const std::shared_ptr<SimScheduler> scheduler = m_scheduler.lock()) {
                scheduler->after(Ms(0), [weak = m_keyboard] {
                    if (const std::shared_ptr<SimKeyboard> kb = weak.lock())
                        kb->unplug();
                });
            }
            if (back.count() >= 0)
                enter(back);
            return;
        }
        if (chunk == m_faults.refuseAtChunk) {
            m_faults.refuseAtChunk = -1;
            keyboard.reply(answer(Data, Refused, offset));
            return;
        }
        if (!m_started || offset != uint32_t(m_buffer.size()) || length < 1 || length > kChunkBytes ||
            offset + uint32_t(length) > m_expected) {
            keyboard.reply(answer(Data, BadOffset, offset));
            return;
        }
        m_buffer.append(reinterpret_cast<const char *>(report.data() + kPayload), length);
        keyboard.reply(answer(Data, Accepted, offset));
        return;
    }
    case End: {
        const uint32_t crc = readU32(report, 1);
        if (!m_started || uint32_t(m_buffer.size()) != m_expected || crc32(m_buffer) != crc) {
            keyboard.reply(answer(End, BadChecksum, crc));
            return;
        }
        m_started = false;
        m_received = m_buffer;
        m_receivedFlag = m_flag;
        ++m_completed;
        const QByteArray image = m_buffer;
        keyboard.reply(answer(End, Accepted, crc));
        lock.unlock();
        // Long enough for the host to read the answer before the device restarts.
        leave(Ms(100), image);
        return;
    }
    default:
        keyboard.reply(answer(command & 0x7F, Refused, 0));
        return;
    }
}
