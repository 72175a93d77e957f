#include "hiddevicemanager.h"

#include "hidpaths.h"
#include "hidrawbackend.h"
#include "modelcatalogue.h"
#include "simkeyboard.h"
#include "simtriggerstore.h"
#include "simulatedbackend.h"

#include <QLoggingCategory>

#include <cstdlib>

namespace {

Q_LOGGING_CATEGORY(lcDevices, "tidelumen.sdk.devices")

// Simulated keyboards from TIDELUMEN_SIMULATE=<model key>[,<model key>...]; null when unset. With
// TIDELUMEN_SIMULATE_STATE=<folder> their key settings outlive the program, like a keyboard's.
std::unique_ptr<SimulatedBackend> simulatedFromEnvironment()
{
    const QByteArray list = qgetenv("TIDELUMEN_SIMULATE").trimmed();
    if (list.isEmpty())
        return nullptr;
    auto backend = std::make_unique<SimulatedBackend>();
    const QString stateDir = QString::fromLocal8Bit(qgetenv("TIDELUMEN_SIMULATE_STATE"));
    for (const QByteArray &raw : list.split(',')) {
        const QString key = QString::fromLatin1(raw.trimmed());
        if (key.isEmpty())
            continue;
        const ModelInfo *model = ModelCatalogue::instance().find(key);
        if (!model) {
            qCWarning(lcDevices, "TIDELUMEN_SIMULATE: no model \"%s\" in the catalogue; skipped",
                      qUtf8Printable(key));
            continue;
        }
        const LinkType link = model->link(LinkType::Cable) ? LinkType::Cable : model->links.first().type;
        const std::shared_ptr<SimKeyboard> kb = backend->addKeyboard(*model, link);
        if (!stateDir.isEmpty())
            simtriggerstore::attach(*kb, stateDir + QLatin1Char('/') + key + QStringLiteral(".keysettings"));
        qCInfo(lcDevices, "Simulating a %s keyboard", qUtf8Printable(key));
    }
    return backend;
}

} // namespace

HidDeviceManager &HidDeviceManager::instance()
{
    static HidDeviceManager manager;
    return manager;
}

int HidDeviceManager::init()
{
    if (std::unique_ptr<SimulatedBackend> sim = simulatedFromEnvironment()) {
        setBackend(std::move(sim));
        return 0;
    }
    auto hidraw = std::make_unique<HidrawBackend>();
    const bool usable = hidraw->isUsable();
    setBackend(std::move(hidraw));
    return usable ? 0 : -1;
}

void HidDeviceManager::setBackend(std::unique_ptr<HidBackend> backend)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_backend = std::move(backend);
}

HidBackend *HidDeviceManager::backend()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_backend)
            return m_backend.get();
    }
    init();
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_backend.get();
}

SimulatedBackend *HidDeviceManager::simulatedBackend()
{
    return dynamic_cast<SimulatedBackend *>(backend());
}

QVector<HidInterfaceInfo> HidDeviceManager::supportedInterfaces()
{
    return hidpaths::selectSupported(backend()->interfaces(), ModelCatalogue::instance());
}

int HidDeviceManager::open(const QByteArray &path)
{
    HidOpenError error = HidOpenError::NotFound;
    std::unique_ptr<HidChannel> channel = path.isEmpty() ? nullptr : backend()->open(path, &error);
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!channel) {
        m_lastOpenError = error == HidOpenError::None ? HidOpenError::Failed : error;
        if (m_lastOpenError == HidOpenError::PermissionDenied && !m_permissionNoticeGiven)
            m_permissionNoticePending = true;
        return 0;
    }
    m_lastOpenError = HidOpenError::None;
    auto dev = std::make_shared<OpenDevice>();
    dev->channel = std::move(channel);
    dev->path = path;
    // Handles are never reused, so a stale one can never reach another keyboard.
    const int handle = m_nextHandle++;
    m_open.emplace(handle, std::move(dev));
    return handle;
}

int HidDeviceManager::close(int handle)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open.erase(handle) ? 0 : -1;
}

std::shared_ptr<HidDeviceManager::OpenDevice> HidDeviceManager::device(int handle) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_open.find(handle);
    return it == m_open.end() ? nullptr : it->second;
}

int HidDeviceManager::write(int handle, const HidReport &report, const QByteArray &path)
{
    const std::shared_ptr<OpenDevice> dev = device(handle);
    if (!dev)
        return -1;
    if (!path.isEmpty() && path != dev->path) {
        qCWarning(lcDevices, "Write refused: handle %d belongs to %s, not %s", handle, dev->path.constData(),
                  path.constData());
        return -1;
    }
    return dev->channel->write(report);
}

int HidDeviceManager::read(int handle, HidReport *report)
{
    const std::shared_ptr<OpenDevice> dev = device(handle);
    if (!dev) {
        report->fill(0);
        return -1;
    }
    return dev->channel->read(report);
}

int HidDeviceManager::setNonblocking(int handle, bool nonblocking)
{
    const std::shared_ptr<OpenDevice> dev = device(handle);
    return dev ? dev->channel->setNonblocking(nonblocking) : -1;
}

int HidDeviceManager::waitForInput(int handle, int timeoutMs)
{
    const std::shared_ptr<OpenDevice> dev = device(handle);
    return dev ? dev->channel->waitForInput(timeoutMs) : -1;
}

int HidDeviceManager::wake(int handle)
{
    const std::shared_ptr<OpenDevice> dev = device(handle);
    if (!dev)
        return -1;
    dev->channel->wake();
    return 0;
}

bool HidDeviceManager::isGone(int handle) const
{
    const std::shared_ptr<OpenDevice> dev = device(handle);
    return dev && dev->channel->isGone();
}

HidOpenError HidDeviceManager::lastOpenError() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastOpenError;
}

bool HidDeviceManager::takePermissionNotice()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_permissionNoticePending)
        return false;
    m_permissionNoticePending = false;
    m_permissionNoticeGiven = true;
    return true;
}
