// The firmware upload to a keyboard's boot loader.
#include "bootloaderprotocol.h"
#include "cquelmohid.h"
#include "hiddevicemanager.h"
#include "modelcatalogue.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

namespace {

constexpr qint64 kGoneCheckMs = 50;

// Sends one report and waits for the boot loader's answer to it. Other input is skipped.
int exchange(int handle, const HidReport &report, uint32_t expectedValue)
{
    HidDeviceManager &devices = HidDeviceManager::instance();
    const QByteArray path; // the boot loader is addressed by its handle alone
    if (devices.write(handle, report, path) < 0)
        return FirmwareUpgradeWriteFailed;
    const uint8_t wanted = uint8_t(bootloader::AnswerBit | report[0]);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const qint64 left = bootloader::kAnswerTimeoutMs - clock.elapsed();
        if (left <= 0)
            return FirmwareUpgradeTimedOut;
        if (devices.isGone(handle))
            return FirmwareUpgradeWriteFailed;
        // In short slices: a device that went away never gets ready, and is noticed here.
        const int ready = devices.waitForInput(handle, int(std::min<qint64>(left, kGoneCheckMs)));
        if (ready < 0)
            return FirmwareUpgradeWriteFailed;
        if (ready == 0)
            continue;
        HidReport in{};
        const int n = devices.read(handle, &in);
        if (n < 0)
            return FirmwareUpgradeWriteFailed;
        if (n == 0 || in[0] != wanted || bootloader::readU32(in, 2) != expectedValue)
            continue;
        return in[1] == bootloader::Accepted ? FirmwareUpgradeOk : FirmwareUpgradeRefused;
    }
}

} // namespace

int CQuelmoHid_GetBootLoaderPaths(QStringList *paths)
{
    if (!paths)
        return 0;
    int n = 0;
    const QVector<ModelLink> ids = ModelCatalogue::bootLoaderIds();
    for (const HidInterfaceInfo &info : HidDeviceManager::instance().backend()->interfaces()) {
        for (const ModelLink &id : ids) {
            if (info.vendorId == id.vendorId && info.productId == id.productId) {
                paths->append(QString::fromLatin1(info.path));
                ++n;
                break;
            }
        }
    }
    return n;
}

int CQuelmoHid_FirmwareUpgrade(int handle, const char *imagePath, int maxImageBytes, int startOffset,
                               int receiverFlag, FirmwareProgressCallback progress)
{
    if (!imagePath || maxImageBytes <= 0 || startOffset < 0)
        return FirmwareUpgradeBadImage;
    QFile file(QString::fromLocal8Bit(imagePath));
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxImageBytes || file.size() <= startOffset)
        return FirmwareUpgradeBadImage;
    const QByteArray image = file.readAll().mid(startOffset);
    if (image.isEmpty())
        return FirmwareUpgradeBadImage;
    const uint32_t size = uint32_t(image.size());

    int result = exchange(handle, bootloader::startReport(size, receiverFlag ? 1 : 0), size);
    if (result != FirmwareUpgradeOk)
        return result;
    if (progress)
        progress(int(size), 0);
    for (int offset = 0; offset < image.size(); offset += bootloader::kChunkBytes) {
        const int length = std::min(bootloader::kChunkBytes, image.size() - offset);
        result =
            exchange(handle, bootloader::dataReport(uint32_t(offset), image.constData() + offset, length),
                     uint32_t(offset));
        if (result != FirmwareUpgradeOk) {
            qDebug() << "[Firmware] the boot loader stopped the upload at byte" << offset << "result"
                     << result;
            return result;
        }
        if (progress)
            progress(int(size), offset + length);
    }
    const uint32_t crc = bootloader::crc32(image);
    return exchange(handle, bootloader::endReport(crc), crc);
}
