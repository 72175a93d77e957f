// Feeds arbitrary input reports to the keyboard link's parser. The input is cut into 64-byte
// reports (the last one zero-filled) and handed over in order, as the I/O thread would, so that
// sequences such as a type list followed by a light configuration are reached.
#include "ddevicekeyboardlink.h"
#include "deviceprofilestore.h"
#include "fixedtext.h"
#include "hiddevicemanager.h"
#include "simulatedbackend.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

class NullStore : public DeviceProfileStore
{
public:
    bool isProFileAlreadyHaveLightInfo(const char *, const char *, int, int) override { return false; }
    bool modifyProFileLightInfoItem(const char *, const char *, int, int, colorInfoData) override
    {
        return true;
    }
    bool addProFileLightInfoItem(const char *, const char *, colorInfoData) override { return true; }
    bool modifyProFileMouseLightUsingIndex(const char *, const char *, int, int) override { return true; }
    bool setProFileIntoSleepTimeInfo(const char *, const char *, int, int) override { return true; }
    bool getProFileFunctionInfo(const char *, const char *, char *a, char *b, char *c, char *d) override
    {
        std::strcpy(a, "1");
        std::strcpy(b, "1");
        std::strcpy(c, "1");
        std::strcpy(d, "1");
        return true;
    }
};

NullStore s_store;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    const QByteArray home = QDir::tempPath().toLocal8Bit() + "/tl-fuzz-home";
    QDir().mkpath(QString::fromLocal8Bit(home));
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/share");
    qputenv("XDG_CONFIG_HOME", home + "/config");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    // A core application: the parser needs an event loop's thread, no screen (a GUI application's
    // platform plug-in keeps screen objects that the leak check at exit would report).
    static QCoreApplication app(*argc, *argv);
    // No keyboard is attached: the links below parse only what they are handed.
    HidDeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    DDeviceKeyboardLink link;
    hidStructInfoAll record;
    std::memset(&record, 0, sizeof(record));
    fixedtext::copy(record.hidPath, "/tidelumen-sim/absent/hidraw0");
    // The first byte picks the model, so that per-model branches are reached.
    static const char *const models[] = {"TL87", "TL104", "TL68HE", "unknown"};
    fixedtext::copy(record.modelKey, models[data[0] % 4]);
    link.openDevice(0, record);
    link.setProfileStore(&s_store);
    link.setActive(data[0] & 0x10);
    if (data[0] & 0x20)
        link.requeryLightConfig();

    for (size_t at = 1; at < size; at += 64) {
        QByteArray report(64, '\0');
        std::memcpy(report.data(), data + at, std::min<size_t>(64, size - at));
        if (static_cast<uint8_t>(report[1]) == 0x15)
            link.onHidSNDataArrived(report, QStringLiteral("TL68HE"));
        else
            link.onHidDataArrived(report, 64, 0);
        if (data[0] & 0x40) {
            link.mirrorLightConfig(0);
            link.mirrorLightConfig(1);
        }
    }
    // What the link keeps must stay inside the key matrix and the folder-name rules.
    for (const auto &p : link.fnLayerBlockedKeys()) {
        if (p.first < 0 || p.first > 5 || p.second < 0 || p.second > 21)
            std::abort();
    }
    if (!link.currentSN().isEmpty() && !DDeviceKeyboardLink::isValidSerialNumber(link.currentSN()))
        std::abort();
    return 0;
}
