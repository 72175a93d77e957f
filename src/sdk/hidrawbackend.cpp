#include "hidrawbackend.h"

#include "hidpaths.h"
#include "hidrawchannel.h"

#include <QLoggingCategory>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <libudev.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcHidraw, "tidelumen.sdk.hidraw")

QString wideText(const wchar_t *s)
{
    return s ? QString::fromWCharArray(s) : QString();
}

} // namespace

HidrawBackend::HidrawBackend()
{
    m_udev = udev_new();
    if (!m_udev)
        qCWarning(lcHidraw, "libudev is unavailable; no keyboard can be found");
    m_hidapiReady = hid_init() == 0;
    if (!m_hidapiReady)
        qCWarning(lcHidraw, "hidapi failed to start: %ls", hid_error(nullptr));
}

HidrawBackend::~HidrawBackend()
{
    if (m_udev)
        udev_unref(m_udev);
}

QByteArray HidrawBackend::syspathForNode(const QByteArray &node) const
{
    struct stat st;
    if (!m_udev || ::stat(node.constData(), &st) != 0 || !S_ISCHR(st.st_mode))
        return {};
    udev_device *dev = udev_device_new_from_devnum(m_udev, 'c', st.st_rdev);
    if (!dev)
        return {};
    QByteArray syspath;
    const char *subsystem = udev_device_get_subsystem(dev);
    if (subsystem && std::strcmp(subsystem, "hidraw") == 0)
        syspath = udev_device_get_syspath(dev);
    udev_device_unref(dev);
    return syspath;
}

QByteArray HidrawBackend::nodeForSyspath(const QByteArray &syspath, HidOpenError *error) const
{
    *error = HidOpenError::NotFound;
    if (!m_udev || hidpaths::hidrawSysname(syspath).isEmpty())
        return {};
    udev_device *dev = udev_device_new_from_syspath(m_udev, syspath.constData());
    if (!dev)
        return {};
    QByteArray node;
    const char *subsystem = udev_device_get_subsystem(dev);
    const char *devnode = udev_device_get_devnode(dev);
    if (subsystem && std::strcmp(subsystem, "hidraw") == 0 && devnode)
        node = devnode;
    udev_device_unref(dev);
    if (!node.isEmpty())
        *error = HidOpenError::None;
    return node;
}

QVector<HidInterfaceInfo> HidrawBackend::interfaces()
{
    QVector<HidInterfaceInfo> out;
    if (!isUsable())
        return out;
    hid_device_info *list = hid_enumerate(0, 0);
    for (hid_device_info *d = list; d; d = d->next) {
        HidInterfaceInfo info;
        info.path = syspathForNode(QByteArray(d->path));
        if (info.path.isEmpty())
            continue;
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.releaseNumber = d->release_number;
        info.interfaceNumber = d->interface_number;
        info.usagePage = d->usage_page;
        info.manufacturer = wideText(d->manufacturer_string);
        info.product = wideText(d->product_string);
        out.append(info);
    }
    hid_free_enumeration(list);
    return out;
}

std::unique_ptr<HidChannel> HidrawBackend::open(const QByteArray &path, HidOpenError *error)
{
    const QByteArray node = nodeForSyspath(path, error);
    if (node.isEmpty()) {
        qCWarning(lcHidraw, "Cannot open %s: no such hidraw device", path.constData());
        return nullptr;
    }
    const int fd = ::open(node.constData(), O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
        auto channel = std::make_unique<HidrawChannel>(fd, node);
        if (channel->isValid()) {
            *error = HidOpenError::None;
            return channel;
        }
        *error = HidOpenError::Failed;
        qCWarning(lcHidraw, "Cannot open %s (%s): no wake-up descriptor", node.constData(), path.constData());
        return nullptr;
    }
    const int why = errno;
    if (why == EACCES || why == EPERM) {
        *error = HidOpenError::PermissionDenied;
        qCWarning(lcHidraw,
                  "Cannot open %s (%s): permission denied. Install the udev rule 60-tidelumen.rules "
                  "(cmake --install puts it in lib/udev/rules.d), then re-plug the keyboard.",
                  node.constData(), path.constData());
    } else {
        *error =
            why == ENOENT || why == ENODEV || why == ENXIO ? HidOpenError::NotFound : HidOpenError::Failed;
        qCWarning(lcHidraw, "Cannot open %s (%s): %s", node.constData(), path.constData(),
                  std::strerror(why));
    }
    return nullptr;
}
