#include "cquelmohid.h"

#include "fixedtext.h"
#include "hiddevicemanager.h"
#include "hidpaths.h"
#include "modelcatalogue.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace {

// Timer word 1 holds the state; word 2 the pause unit in microseconds.
constexpr uint32_t kTimerIdle = 0;
constexpr uint32_t kTimerReady = 0x71D0;
constexpr uint32_t kTimerRunning = 0x71D1;
constexpr uint32_t kPauseUnitMicroseconds = 10;
// Longest pause one call may ask for (1 s); a larger value is a caller's mistake, not a wish to hang.
constexpr int kMaxPauseValue = 100000;

QString hexId(uint16_t id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')).toUpper();
}

bool findInterface(const QByteArray &path, HidInterfaceInfo *out)
{
    for (const HidInterfaceInfo &info : HidDeviceManager::instance().supportedInterfaces()) {
        if (info.path == path) {
            *out = info;
            return true;
        }
    }
    return false;
}

} // namespace

int CQuelmoHid_Init()
{
    const bool catalogue = ModelCatalogue::instance().load();
    const int devices = HidDeviceManager::instance().init();
    return catalogue && devices == 0 ? 0 : -1;
}

int CQuelmoHid_GetHidInfoList(QStringList *paths)
{
    if (!paths)
        return 0;
    int n = 0;
    for (const HidInterfaceInfo &info : HidDeviceManager::instance().supportedInterfaces()) {
        paths->append(QString::fromLatin1(info.path));
        ++n;
    }
    return n;
}

int CQuelmoHid_GetHidInfoStuMapList(QMap<QString, HidInfoStu> *models)
{
    if (!models)
        return 0;
    for (const ModelInfo &m : ModelCatalogue::instance().models()) {
        HidInfoStu info{};
        fixedtext::copy(info.deviceClass, m.deviceClass);
        for (std::size_t i = 0; i < m.sdkValues.size(); ++i)
            info.sdkValue[i] = m.sdkValues[i];
        fixedtext::copy(info.modelKey, m.key);
        info.keyCount = m.keyCount;
        fixedtext::copy(info.productName, m.productName);
        fixedtext::copy(info.deviceName, m.deviceName);
        models->insert(m.key, info);
    }
    return models->size();
}

int CQuelmoHid_GetSupportInfoList(QList<HidSupportInfoStu> *list)
{
    if (!list)
        return 0;
    int n = 0;
    for (const ModelInfo &m : ModelCatalogue::instance().models()) {
        for (const ModelLink &l : m.links) {
            HidSupportInfoStu s{};
            fixedtext::copy(s.modelKey, m.key);
            fixedtext::copy(s.vendorId, hexId(l.vendorId));
            fixedtext::copy(s.productId, hexId(l.productId));
            s.linkType = static_cast<int32_t>(l.type);
            list->append(s);
            ++n;
        }
    }
    return n;
}

bool CQuelmoHid_GetHidAndFirmwareInfoStu(const char *path, HidDeviceInfoStu *device,
                                         HidFirmwareInfoStu *firmware)
{
    if (!path || !device || !firmware)
        return false;
    const QByteArray p(path);
    HidInterfaceInfo info;
    if (!findInterface(p, &info))
        return false;
    LinkType link = LinkType::Cable;
    const ModelInfo *model = ModelCatalogue::instance().findByIds(info.vendorId, info.productId, &link);
    if (!model)
        return false;

    HidDeviceInfoStu dev{};
    // A path that does not fit is refused: a cut path would name another device.
    if (!fixedtext::copyWhole(dev.hidPath, sizeof dev.hidPath, std::string_view(p.constData(), p.size())))
        return false;
    const QString version = info.firmwareVersion.isEmpty() ? hidpaths::firmwareVersionText(info.releaseNumber)
                                                           : info.firmwareVersion;
    dev.vendorId = info.vendorId;
    dev.productId = info.productId;
    fixedtext::copy(dev.hidManufacturer, info.manufacturer);
    fixedtext::copy(dev.hidProduct, info.product);
    fixedtext::copy(dev.modelKey, model->key);
    fixedtext::copy(dev.hidFirmware, version);
    dev.interfaceNumber = info.interfaceNumber;
    dev.linkType = static_cast<int32_t>(link);

    HidFirmwareInfoStu fw{};
    fixedtext::copy(fw.controllerCode, model->firmware.controllerCode);
    fixedtext::copy(fw.twoDigitCode, model->firmware.twoDigitCode);
    fixedtext::copy(fw.deviceKindCode, model->firmware.deviceKindCode);
    fixedtext::copy(fw.vendorCode, model->firmware.vendorCode);
    fixedtext::copy(fw.modelIdentifier, model->key);
    fixedtext::copy(fw.firmwareVersion, version);
    fixedtext::copy(fw.buildText, info.firmwareBuild);

    *device = dev;
    *firmware = fw;
    return true;
}

int CQuelmoHid_OpenPath(const char *path)
{
    return HidDeviceManager::instance().open(path ? QByteArray(path) : QByteArray());
}

int CQuelmoHid_SetNonblocking(int handle, int nonblocking)
{
    return HidDeviceManager::instance().setNonblocking(handle, nonblocking != 0);
}

int CQuelmoHid_HidWriteBuff(int handle, const unsigned char *report, const char *path)
{
    if (!report)
        return -1;
    HidReport r;
    std::memcpy(r.data(), report, r.size());
    // Written for every report: the path is compared in place, not copied.
    return HidDeviceManager::instance().write(
        handle, r, path ? QByteArray::fromRawData(path, int(std::strlen(path))) : QByteArray());
}

int CQuelmoHid_HidReadBuff(int handle, unsigned char *buffer)
{
    if (!buffer)
        return -1;
    HidReport r{};
    const int n = HidDeviceManager::instance().read(handle, &r);
    // The caller reads fixed offsets, so nothing stale may stay in the buffer.
    if (n <= 0)
        r.fill(0);
    std::memcpy(buffer, r.data(), r.size());
    return n;
}

int CQuelmoHid_Close(int handle)
{
    return HidDeviceManager::instance().close(handle);
}

int CQuelmoHid_WaitForInput(int handle, int timeoutMs)
{
    return HidDeviceManager::instance().waitForInput(handle, timeoutMs);
}

int CQuelmoHid_WakeWaiter(int handle)
{
    return HidDeviceManager::instance().wake(handle);
}

int CQuelmoHid_highPrecisionTimerInit(uint32_t *word1, uint32_t *word2)
{
    if (!word1 || !word2)
        return -1;
    *word1 = kTimerReady;
    *word2 = kPauseUnitMicroseconds;
    return 0;
}

int CQuelmoHid_highPrecisionTimerStart(uint32_t *word1, uint32_t *word2)
{
    if (!word1 || !word2 || (*word1 != kTimerReady && *word1 != kTimerRunning))
        return -1;
    *word1 = kTimerRunning;
    return 0;
}

int CQuelmoHid_highPrecisionTimerRuning(int value, uint32_t *word1, uint32_t *word2)
{
    if (value <= 0)
        return -1;
    // The pause happens whatever the words say: a loop that lost its timer must not spin.
    const uint32_t unit = (word1 && word2 && *word1 == kTimerRunning && *word2 > 0 && *word2 <= 1000)
                              ? *word2
                              : kPauseUnitMicroseconds;
    const long long micros = static_cast<long long>(std::min(value, kMaxPauseValue)) * unit;
    timespec left{static_cast<time_t>(micros / 1000000), static_cast<long>((micros % 1000000) * 1000)};
    while (clock_nanosleep(CLOCK_MONOTONIC, 0, &left, &left) == EINTR) {
    }
    return (word1 && *word1 == kTimerRunning) ? 0 : -1;
}

int CQuelmoHid_highPrecisionTimerStop(uint32_t *word1, uint32_t *word2)
{
    if (!word1 || !word2)
        return -1;
    *word1 = kTimerIdle;
    return 0;
}

namespace quelmosdk {

OpenError lastOpenError()
{
    return HidDeviceManager::instance().lastOpenError();
}

bool takePermissionNotice()
{
    return HidDeviceManager::instance().takePermissionNotice();
}

bool deviceGone(int handle)
{
    return HidDeviceManager::instance().isGone(handle);
}

} // namespace quelmosdk
