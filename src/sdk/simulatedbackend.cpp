#include "simulatedbackend.h"

#include "simbootloader.h"
#include "simdownloadhandlers.h"
#include "simkeyboard.h"
#include "simlinkhandlers.h"
#include "simscheduler.h"
#include "simstartuphandlers.h"

namespace {

constexpr uint16_t kSimulatedUsagePage = 0xFF60;

class SimChannel : public HidChannel
{
public:
    SimChannel(std::shared_ptr<SimKeyboard> keyboard, quint64 generation)
        : m_keyboard(std::move(keyboard)), m_generation(generation)
    {
    }

    int write(const HidReport &report) override { return m_keyboard->write(report, m_generation); }
    int read(HidReport *report) override { return m_keyboard->read(report, m_generation); }
    // Reads never block here; the flag only matters to a real device.
    int setNonblocking(bool) override { return 0; }
    int waitForInput(int timeoutMs) override
    {
        return m_keyboard->waitForInput(m_generation, std::chrono::milliseconds(timeoutMs), &m_woken);
    }
    void wake() override { m_keyboard->wakeWaiter(&m_woken); }
    bool isGone() const override { return m_keyboard->isGone(m_generation); }

private:
    std::shared_ptr<SimKeyboard> m_keyboard;
    const quint64 m_generation;
    bool m_woken = false; // guarded by the keyboard's lock
};

} // namespace

SimulatedBackend::SimulatedBackend() : m_scheduler(std::make_shared<SimScheduler>()) {}

SimulatedBackend::~SimulatedBackend()
{
    m_scheduler->stop();
}

std::shared_ptr<SimKeyboard> SimulatedBackend::addKeyboard(const ModelInfo &model, LinkType link)
{
    auto kb = std::make_shared<SimKeyboard>(model, link);
    auto memory = std::make_shared<SimOnboardMemory>();
    auto bootLoader = std::make_shared<SimBootLoader>(kb, m_scheduler);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const quint64 instance = ++m_made;
        kb->update([&](SimKeyboardState &s) { s = simstartup::defaultState(model, instance); });
        m_keyboards.append(kb);
        m_memories.append(memory);
        m_bootLoaders.append(bootLoader);
        bootLoader->setVersionReader(m_versionReader);
    }
    simstartup::installHandlers(*kb);
    simlink::installHandlers(*kb);
    simdownload::installHandlers(*kb, memory);
    bootLoader->install();
    kb->setPlugObserver(
        [weak = std::weak_ptr<PlugNotifier>(m_notifier)](SimKeyboard &keyboard, bool plugged) {
            const std::shared_ptr<PlugNotifier> notifier = weak.lock();
            if (!notifier)
                return;
            PlugObserver observer;
            {
                std::lock_guard<std::mutex> lock(notifier->mutex);
                observer = notifier->observer;
            }
            if (observer)
                observer(keyboard.path(), keyboard.vendorId(), keyboard.productId(), plugged);
        });
    kb->plug();
    return kb;
}

void SimulatedBackend::setPlugObserver(PlugObserver observer)
{
    std::lock_guard<std::mutex> lock(m_notifier->mutex);
    m_notifier->observer = std::move(observer);
}

QVector<std::shared_ptr<SimKeyboard>> SimulatedBackend::keyboards() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_keyboards;
}

std::shared_ptr<SimOnboardMemory> SimulatedBackend::onboardMemory(const SimKeyboard &keyboard) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < m_keyboards.size(); ++i) {
        if (m_keyboards[i].get() == &keyboard)
            return m_memories[i];
    }
    return nullptr;
}

std::shared_ptr<SimBootLoader> SimulatedBackend::bootLoader(const SimKeyboard &keyboard) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (int i = 0; i < m_keyboards.size(); ++i) {
        if (m_keyboards[i].get() == &keyboard)
            return m_bootLoaders[i];
    }
    return nullptr;
}

void SimulatedBackend::setImageVersionReader(std::function<QString(const QByteArray &)> reader)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_versionReader = std::move(reader);
    for (const auto &loader : qAsConst(m_bootLoaders))
        loader->setVersionReader(m_versionReader);
}

std::shared_ptr<SimKeyboard> SimulatedBackend::keyboardAt(const QByteArray &path) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const auto &kb : m_keyboards) {
        if (kb->isPlugged() && kb->path() == path)
            return kb;
    }
    return nullptr;
}

QVector<HidInterfaceInfo> SimulatedBackend::interfaces()
{
    QVector<HidInterfaceInfo> out;
    for (const auto &kb : keyboards()) {
        if (!kb->isPlugged())
            continue;
        HidInterfaceInfo info;
        info.path = kb->path();
        info.vendorId = kb->vendorId();
        info.productId = kb->productId();
        info.releaseNumber = kb->releaseNumber();
        info.firmwareVersion = kb->firmwareVersion();
        info.firmwareBuild = kb->firmwareBuild();
        info.interfaceNumber = 1;
        info.usagePage = kSimulatedUsagePage;
        info.manufacturer = QStringLiteral("Tidelumen (simulated)");
        info.product = kb->model().productName;
        out.append(info);
    }
    return out;
}

std::unique_ptr<HidChannel> SimulatedBackend::open(const QByteArray &path, HidOpenError *error)
{
    std::shared_ptr<SimKeyboard> kb = keyboardAt(path);
    if (!kb) {
        *error = HidOpenError::NotFound;
        return nullptr;
    }
    if (kb->openRefusal() != HidOpenError::None) {
        *error = kb->openRefusal();
        return nullptr;
    }
    *error = HidOpenError::None;
    return std::make_unique<SimChannel>(kb, kb->generation());
}
