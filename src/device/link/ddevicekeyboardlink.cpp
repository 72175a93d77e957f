#include "ddevicekeyboardlink.h"

#include "cquelmohid.h"
#include "ddatamanager.h"
#include "ddevicehidcmdsend.h"
#include "deviceprofilestore.h"
#include "devicestatusrules.h"
#include "fixedtext.h"
#include "hidreport.h"
#include "magneticreports.h"
#include "mainhidinterface.h"
#include "modelcatalogue.h"

#include <QDebug>

#include <cstring>

using namespace hidproto;

namespace {
// Custom-light schemes the keyboard can hold; a scheme number outside them is not passed on.
constexpr int kCustomSchemeCount = 5;
constexpr int kCustomLightType = 10;
constexpr uint8_t kRowBits = 0x3f; // rows 0 to 5 of a column bitmap byte
constexpr std::size_t kLayoutNameField = 4;

const ModelInfo *modelFor(const QString &modelName)
{
    return ModelCatalogue::instance().find(modelName);
}

bool isMagneticModel(const QString &modelName)
{
    const ModelInfo *m = modelFor(modelName);
    return m && m->magnetic;
}

bool statusCarriesKeyboardMode(const QString &modelName)
{
    const ModelInfo *m = modelFor(modelName);
    return m && m->statusKeyboardMode;
}

QList<QPair<int, int>> pairsFromBitmap(const QMap<int, int> &map)
{
    QList<QPair<int, int>> pairs;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        for (int row = 0; row < kMatrixRows; ++row) {
            if (it.value() & (1 << row))
                pairs.append(qMakePair(row, it.key()));
        }
    }
    return pairs;
}
} // namespace

DDeviceKeyboardLink::DDeviceKeyboardLink(QObject *parent)
    : QObject(parent), m_store(DeviceProfileStore::sdk())
{
    m_keyQueryTimer.setSingleShot(true);
    connect(&m_keyQueryTimer, &QTimer::timeout, this,
            [this] { sendKeyQuery(m_keyQuery.expire(KeyTriggerQuery::Clock::now())); });
}

DDeviceKeyboardLink::~DDeviceKeyboardLink()
{
    if (m_hid)
        m_hid->closeDevice();
    m_cmdSend.reset();
    m_hid.reset();
}

void DDeviceKeyboardLink::setProfileStore(DeviceProfileStore *store)
{
    m_store = store ? store : DeviceProfileStore::sdk();
}

void DDeviceKeyboardLink::openDevice(int threadIndex, hidStructInfoAll record)
{
    if (m_hid)
        return; // one device per link; a replaced keyboard gets a new link
    m_record = record;
    m_modelName = QString::fromUtf8(fixedtext::view(m_record.modelKey).data(),
                                    static_cast<int>(fixedtext::view(m_record.modelKey).size()));

    m_hid = std::make_unique<MainHidInterFace>(threadIndex, m_modelName);
    connect(m_hid.get(), &MainHidInterFace::sigOpenHidSuccessful, this,
            &DDeviceKeyboardLink::onOpenHidSuccessful);
    connect(m_hid.get(), &MainHidInterFace::sigHidDataArrived, this, &DDeviceKeyboardLink::onHidDataArrived);
    connect(m_hid.get(), &MainHidInterFace::sigHidSnGetOver, this, &DDeviceKeyboardLink::onHidSNDataArrived);

    const std::string_view path = fixedtext::view(m_record.hidPath);
    const QString pathText = QString::fromLatin1(path.data(), static_cast<int>(path.size()));
    connect(m_hid.get(), &MainHidInterFace::sigDeviceGone, this,
            [this, pathText] { emit sigDeviceGone(pathText); });
    if (m_hid->openDevice(pathText) == 0) {
        m_hid->start(QThread::InheritPriority);
        m_cmdSend = std::make_unique<DDeviceHidCmdSend>();
        m_cmdSend->setHidInterface(m_hid.get());
    } else {
        m_openError = quelmosdk::lastOpenError();
        qDebug() << "Open the device-failed" << m_modelName;
    }
}

bool DDeviceKeyboardLink::setProfileXmlPath(const QString &path)
{
    return fixedtext::copyWhole(m_profileXmlPath, sizeof(m_profileXmlPath), path.toLocal8Bit().toStdString());
}

QString DDeviceKeyboardLink::profileXmlPath() const
{
    return QString::fromLocal8Bit(m_profileXmlPath);
}

QByteArray DDeviceKeyboardLink::profileIndexText() const
{
    return QByteArray::number(m_profileIndex);
}

void DDeviceKeyboardLink::requeryLightConfig()
{
    if (m_cmdSend) {
        m_cmdSend->queryKeyboardLightConfig();
        m_cmdSend->querySideLightConfig();
        m_cmdSend->queryLayoutInfo();
    }
    m_mirroringArmed = true;
}

void DDeviceKeyboardLink::mirrorLightConfig(int target)
{
    const bool keyboard = target == 0;
    if (!(keyboard ? m_keyboardConfigReceived : m_sideConfigReceived))
        return;
    const colorInfoData config = keyboard ? m_keyboardConfig : m_sideConfig;
    const LightModeSupport &modes = keyboard ? m_keyboardModes : m_sideModes;
    // The profile and the lighting page index their tables with these values.
    if (!isLightConfigValid(config, modes)) {
        qDebug() << "Light configuration from the keyboard refused: target" << target << "type"
                 << config.ledType << "brightness" << config.ledBrightness << "speed" << config.ledSpeed;
        // The next valid change made on the keyboard is still mirrored and announced.
        m_mirroringArmed = true;
        return;
    }
    const QByteArray index = profileIndexText();
    if (m_store->isProFileAlreadyHaveLightInfo(m_profileXmlPath, index.constData(), target, config.ledType))
        m_store->modifyProFileLightInfoItem(m_profileXmlPath, index.constData(), target, config.ledType,
                                            config);
    else
        m_store->addProFileLightInfoItem(m_profileXmlPath, index.constData(), config);
    m_store->modifyProFileMouseLightUsingIndex(m_profileXmlPath, index.constData(), target, config.ledType);
    if (m_mirroringArmed)
        emit sigLightConfigHaveChanged_HidSend(target, config.ledType);
    m_mirroringArmed = true;
}

void DDeviceKeyboardLink::resetKeyboard()
{
    if (m_cmdSend)
        m_cmdSend->sendResetKeyboard();
}

void DDeviceKeyboardLink::querySleepTimes()
{
    if (m_cmdSend)
        m_cmdSend->querySleepTimes();
}

void DDeviceKeyboardLink::setSleepTimes(int light, int keyboard, int prohibit)
{
    if (m_cmdSend)
        m_cmdSend->sendSleepTimes(light, keyboard, prohibit);
}

void DDeviceKeyboardLink::setWinLock(int winKey, int shiftTab, int altTab, int altF4)
{
    if (m_cmdSend)
        m_cmdSend->sendWinLock(winKey, shiftTab, altTab, altF4);
}

void DDeviceKeyboardLink::queryKeyTrigger(int row, int column)
{
    sendKeyQuery(m_keyQuery.ask({row, column}, KeyTriggerQuery::Clock::now()));
}

void DDeviceKeyboardLink::sendKeyQuery(const std::optional<KeyTriggerQuery::KeyPos> &key)
{
    if (!key)
        return;
    if (!m_hid || m_hid->sendCommand(magneticreport::queryKeyTrigger(key->first, key->second).data()) < 0)
        qDebug() << "USB serial port [Query Keyboard Sensitivity] Failed ...";
    // A question the keyboard leaves unanswered must not hold back the next click.
    m_keyQueryTimer.start(static_cast<int>(KeyTriggerQuery::kAnswerTimeout.count()) + 20);
}

bool DDeviceKeyboardLink::isValidSerialNumber(const QString &number)
{
    if (number.isEmpty() || number.size() > static_cast<int>(kSerialLength))
        return false;
    for (const QChar c : number) {
        const ushort u = c.unicode();
        const bool alnum = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!alnum)
            return false;
    }
    return true;
}

LightModeSupport DDeviceKeyboardLink::parseLightTypeList(const unsigned char *r)
{
    LightModeSupport modes;
    bool markerSeen = false;
    for (std::size_t i = kPayload; i < kReportSize; ++i) {
        const uint8_t b = r[i];
        if (b == kTypeListMarkerA || b == kTypeListMarkerB) {
            markerSeen = true;
            continue;
        }
        if (!markerSeen) {
            modes.lightTypes.append(b);
            continue;
        }
        modes.speedSteps = b;
        modes.brightnessSteps = i + 1 < kReportSize ? r[i + 1] : 0;
        break;
    }
    return modes;
}

bool DDeviceKeyboardLink::isLightConfigValid(const colorInfoData &config, const LightModeSupport &modes)
{
    if (!modes.lightTypes.contains(config.ledType))
        return false;
    // A list without step counts gives no range to check against; the wire bytes still bound them.
    if (modes.brightnessSteps > 0 &&
        (config.ledBrightness < 1 || config.ledBrightness > modes.brightnessSteps))
        return false;
    if (modes.speedSteps > 0 && (config.ledSpeed < 1 || config.ledSpeed > modes.speedSteps))
        return false;
    return true;
}

void DDeviceKeyboardLink::onOpenHidSuccessful() {}

void DDeviceKeyboardLink::onHidWriteErrorInfo(QString errorInfo)
{
    Q_UNUSED(errorInfo)
}

void DDeviceKeyboardLink::onHidDataArrived(QByteArray data, int length, int threadIndex)
{
    Q_UNUSED(length)
    Q_UNUSED(threadIndex)
    // A short report is read as if zero-filled.
    HidReport r{};
    std::memcpy(r.data(), data.constData(),
                std::min<std::size_t>(r.size(), static_cast<std::size_t>(data.size())));
    parseReport(r.data());
}

void DDeviceKeyboardLink::parseReport(const unsigned char *r)
{
    switch (r[kCmdByte]) {
    case in::Status:
        if (r[kLengthByte] != 0)
            handleStatus(r);
        break;
    case in::Settings:
        if (r[kSubByte] == 0)
            emit sigSleepTimeSetSuccessful();
        else if (r[kSubByte] == 2)
            handleSleepTimes(r);
        break;
    case in::KeyReport:
        handleKeyReport(r);
        break;
    case in::KeyboardLightTypes:
    case in::SideLightTypes:
        handleLightTypeList(r);
        break;
    case in::KeyboardLightConfig:
    case in::SideLightConfig:
        handleLightConfig(r);
        break;
    case in::CustomScheme:
        handleCustomScheme(r);
        break;
    case in::FnLayerKeys:
        handleFnLayerMap(r);
        break;
    case in::FullKeyReport:
        if (m_cmdSend)
            m_cmdSend->echoFullKeyReport(r);
        break;
    case in::MacroAck:
        emit sigRuningOnboard0x19Cmd();
        break;
    case in::DownloadAck:
        emit sigRuningOnboard0x18Cmd();
        break;
    case in::Layout:
        handleLayoutReply(r);
        break;
    case in::Number:
        emit sigQN9080Recv0x0bCmd(r[kSubByte]);
        break;
    case in::PcFunctionKey:
        runPcKeyFunction(r);
        break;
    case in::Magnetic:
        handleMagneticReply(r);
        break;
    default:
        break; // 0x06 and everything unknown
    }
}

void DDeviceKeyboardLink::handleStatus(const unsigned char *r)
{
    m_winLockOn = r[status::WinLock] == 1;
    emit sigSendChargingStatusAndElectricity(r[status::Charging], r[status::Battery], r[status::Connection],
                                             r[status::ReceiverState], m_serialNumber);
    if (r[status::Connection] == 1) {
        // A keyboard asleep behind its receiver when the link opened never answered the serial
        // inquiry; once the receiver reaches it, the start-up exchange is run again.
        const int reachable = r[status::ReceiverState] == 0 ? 1 : 0;
        if (reachable == 1 && m_lastReachable == 0 && !m_ready && m_serialNumber.isEmpty() && m_cmdSend)
            m_cmdSend->querySerialNumber();
        m_lastReachable = reachable;
    }
    if (m_active) {
        const int receiver = r[status::ReceiverState];
        if (r[status::Connection] == 1 && receiver != m_lastReceiverStatus) {
            const std::string_view path = fixedtext::view(m_record.hidPath);
            emit sigDongleStatus(receiver, QString::fromLatin1(path.data(), static_cast<int>(path.size())),
                                 m_modelName);
        }
        m_lastReceiverStatus = receiver;
    }
    if (r[status::DownloadState] != 0)
        emit sigRuningOnboardDownloadStatus(r[status::DownloadState]);
    if (statusCarriesKeyboardMode(m_modelName)) {
        const int mode = r[status::KeyboardMode];
        if (mode != m_lastKeyboardMode) {
            m_lastKeyboardMode = mode;
            emit sigTheKeyboardModeChanged(mode);
        }
    }
}

void DDeviceKeyboardLink::handleKeyReport(const unsigned char *r)
{
    std::memcpy(m_lastKeyReport, r + kPayload, sizeof(m_lastKeyReport));
    unsigned char relay[8];
    {
        std::lock_guard<std::mutex> lock(m_relayMutex);
        if (m_winLockOn)
            filterRelayReportForWinLock();
        std::memcpy(relay, m_relayReport, sizeof(relay));
    }
    if (m_cmdSend)
        m_cmdSend->sendKeyRelayReport(relay);
}

void DDeviceKeyboardLink::filterRelayReportForWinLock()
{
    char altTab[8] = {}, altF4[8] = {}, shiftTab[8] = {}, winKey[8] = {};
    const QByteArray index = profileIndexText();
    if (!m_store->getProFileFunctionInfo(m_profileXmlPath, index.constData(), altTab, altF4, shiftTab,
                                         winKey))
        return;
    auto on = [](const char *s) { return devicestatus::winLockSwitchOn(s); };
    constexpr uint8_t kWinBits = (1 << 3) | (1 << 7);
    constexpr uint8_t kAltBits = (1 << 2) | (1 << 6);   // usages 226, 230
    constexpr uint8_t kShiftBits = (1 << 1) | (1 << 5); // usages 225, 229
    constexpr uint8_t kTab = 0x2b;
    constexpr uint8_t kF4 = 0x3d;

    uint8_t &mods = m_relayReport[0];
    if (mods & kWinBits) {
        if (on(winKey))
            mods &= static_cast<uint8_t>(~kWinBits);
        return;
    }
    auto removeKey = [this](uint8_t usage) {
        for (int i = 2; i < m_relayKeyCount && i < 8; ++i) {
            if (m_relayReport[i] != usage)
                continue;
            std::memmove(m_relayReport + i, m_relayReport + i + 1, static_cast<std::size_t>(7 - i));
            m_relayReport[7] = 0;
            --m_relayKeyCount;
            return;
        }
    };
    if (mods & kAltBits) {
        if (on(altTab))
            removeKey(kTab);
        if (on(altF4))
            removeKey(kF4);
    }
    if ((mods & kShiftBits) && on(shiftTab))
        removeKey(kTab);
}

void DDeviceKeyboardLink::handleLightTypeList(const unsigned char *r)
{
    const LightModeSupport modes = parseLightTypeList(r);
    if (r[kCmdByte] == in::KeyboardLightTypes) {
        m_keyboardModes = modes;
        qDebug() << "-------------[Keyboard] hidName:" << m_modelName << modes.lightTypes.size()
                 << modes.speedSteps << modes.brightnessSteps;
        if (m_cmdSend)
            m_cmdSend->querySideLightTypes();
        return;
    }
    m_sideModes = modes;
    qDebug() << "-------------[Side] hidName:" << m_modelName << modes.lightTypes.size() << modes.speedSteps
             << modes.brightnessSteps;
    DDataManager::getInstance()->setHasSideLight(!modes.lightTypes.isEmpty());
    const bool late = !m_ready && m_active;
    m_ready = true;
    if (m_cmdSend)
        m_cmdSend->queryLayoutInfo();
    if (late)
        emit sigLateReady();
}

void DDeviceKeyboardLink::handleLightConfig(const unsigned char *r)
{
    const bool keyboard = r[kCmdByte] == in::KeyboardLightConfig;
    colorInfoData c;
    c.hidType = keyboard ? 0 : 1;
    c.ledType = r[6];
    c.ledBrightness = r[7] + 1;
    c.ledSpeed = r[8] + 1;
    c.color1Red = r[9];
    c.color1Green = r[10];
    c.color1Blue = r[11];
    c.color2Red = r[12];
    c.color2Green = r[13];
    c.color2Blue = r[14];
    c.ledDirection = r[15];
    c.fullColorMode = r[16];
    c.ledExtra = r[17];
    c.reserved = 0;
    if (keyboard) {
        m_keyboardConfig = c;
        m_keyboardConfigReceived = true;
        qDebug() << "-------------------------->>>>>>>>>>>>>>>>>>>>>> *** [Hid 0x07 return] ledBrightness:"
                 << c.ledBrightness << c.ledSpeed << c.ledType;
    } else {
        m_sideConfig = c;
        m_sideConfigReceived = true;
    }
    if (m_mirroringArmed)
        mirrorLightConfig(c.hidType);
}

void DDeviceKeyboardLink::handleCustomScheme(const unsigned char *r)
{
    const int scheme = r[kSubByte];
    // The lighting page picks its scheme table entry with this number.
    if (scheme >= kCustomSchemeCount) {
        qDebug() << "Custom-light scheme from the keyboard refused:" << scheme;
        return;
    }
    const QByteArray index = profileIndexText();
    m_store->modifyProFileMouseLightUsingIndex(m_profileXmlPath, index.constData(), 0, kCustomLightType);
    emit sigCustomLight_ConfigHaveChanged_HidSend0x09(0, kCustomLightType, scheme);
}

void DDeviceKeyboardLink::handleFnLayerMap(const unsigned char *r)
{
    for (int c = 0; c < kMatrixColumns; ++c)
        m_fnLayerMap.insert(c, r[kPayload + c] & kRowBits);
    m_fnBlockedKeys = pairsFromBitmap(m_fnLayerMap);
}

void DDeviceKeyboardLink::handleSleepTimes(const unsigned char *r)
{
    const int light = r[9] * 256 + r[10];
    const int keyboard = r[11] * 256 + r[12];
    DDataManager::getInstance()->setProhibitSleepStatus(r[13]);
    const QByteArray index = profileIndexText();
    m_store->setProFileIntoSleepTimeInfo(m_profileXmlPath, index.constData(), light, keyboard / 60);
}

void DDeviceKeyboardLink::handleLayoutReply(const unsigned char *r)
{
    std::size_t n = 0;
    while (kPayload + n < kReportSize && r[kPayload + n] != 0)
        ++n;
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char *>(r + kPayload), static_cast<int>(n));
    const QStringList fields = text.split(QLatin1Char(','));
    const QString name =
        fields.size() > static_cast<int>(kLayoutNameField) ? fields.at(kLayoutNameField) : QString();
    const std::string_view path = fixedtext::view(m_record.hidPath);
    emit sigWaitForDataReturn_0x0d(QString::fromLatin1(path.data(), static_cast<int>(path.size())), name);
}

void DDeviceKeyboardLink::handleMagneticReply(const unsigned char *r)
{
    DDataManager *dm = DDataManager::getInstance();
    switch (r[6]) {
    case magnetic::LiveTravel:
        // Row and column pick a key of the 6 x 22 matrix on the receiving page.
        if (r[7] < kMatrixRows && r[8] < kMatrixColumns)
            dm->backDynamicDisplaySensitivityNum(r[7], r[8], r[9]);
        break;
    case magnetic::TravelMaximum:
        dm->setKeyTravelMax(r[7]);
        break;
    case magnetic::KeyTrigger: {
        std::optional<KeyTriggerQuery::KeyPos> next;
        const bool current = m_keyQuery.answer(KeyTriggerQuery::Clock::now(), &next);
        if (!m_keyQuery.inFlight())
            m_keyQueryTimer.stop();
        sendKeyQuery(next);
        // The answer names no key: one for a key clicked before the last click would load the
        // wrong key's settings.
        if (current)
            dm->backDynamicDisplaySensitivityInfo(r[7], r[8], r[9], r[10], r[11]);
        else
            qDebug() << "[Trigger] a key answer nobody waits for is dropped";
        break;
    }
    case magnetic::CalibrateKey:
        dm->magneticKeyboardCalibrationStatusBack(r[7]);
        break;
    case magnetic::CalibrateAll:
        m_calibratedKeys.clear();
        if (r[7] == 0 || r[7] == 1) {
            for (int c = 0; c < kMatrixColumns; ++c) {
                const int bits = r[8 + c] & kRowBits;
                if (bits != 0)
                    m_calibratedKeys.insert(c, bits);
            }
        }
        dm->allKeysCalibrationStatusBack(r[7]);
        break;
    case magnetic::ReportRate:
        dm->setRateOfReturnNum(r[7]);
        break;
    case magnetic::AntiShake:
        dm->setKeyAntiShakeNum(r[7]);
        break;
    default:
        break;
    }
}

void DDeviceKeyboardLink::onHidSNDataArrived(QByteArray data, QString strHidName)
{
    HidReport r{};
    std::memcpy(r.data(), data.constData(),
                std::min<std::size_t>(r.size(), static_cast<std::size_t>(data.size())));
    std::size_t n = 0;
    while (n < kSerialLength && r[kSerialOffset + n] != 0)
        ++n;
    const QString number =
        QString::fromLatin1(reinterpret_cast<const char *>(r.data() + kSerialOffset), static_cast<int>(n));
    // The number names the keyboard's profile folder: only a full 32-character alphanumeric one is
    // taken; anything else is replaced by a new one.
    if (number.size() == static_cast<int>(kSerialLength) && isValidSerialNumber(number)) {
        m_serialNumber = number;
    } else if (m_cmdSend) {
        qDebug() << "Serial number from the keyboard refused, writing a new one";
        m_serialNumber = m_cmdSend->writeSerialNumber(QString());
    }
    if (!m_cmdSend)
        return;
    m_cmdSend->queryKeyboardLightConfig();
    m_cmdSend->querySideLightConfig();
    m_cmdSend->queryKeyboardLightTypes();
    if (isMagneticModel(strHidName)) {
        m_cmdSend->queryKeyTravelMax();
        m_cmdSend->queryAntiShake();
        m_cmdSend->queryReportRate();
    }
}
