#include "ddevicehidcmdsend.h"

#include "hidreport.h"
#include "mainhidinterface.h"

#include <QDebug>
#include <QUuid>

#include <algorithm>
#include <cstring>

using namespace hidproto;

namespace {
const char kKeyFailed[] = "USB serial port [Write Key] Failed ...";
const char kMagneticQueryFailed[] = "USB serial port [Query Keyboard Sensitivity] Failed ...";

void putBigEndian16(HidReport &r, std::size_t at, int value)
{
    r[at] = static_cast<uint8_t>((value >> 8) & 0xff);
    r[at + 1] = static_cast<uint8_t>(value & 0xff);
}

HidReport magneticQuery(uint8_t item)
{
    HidReport r = makeReport(out::Magnetic);
    r[kLengthByte] = magnetic::kLengthByteValue;
    r[kPayload] = item;
    r[kPayload + 1] = 0;
    return r;
}
} // namespace

DDeviceHidCmdSend::DDeviceHidCmdSend(QObject *parent) : QObject(parent) {}

bool DDeviceHidCmdSend::queue(const unsigned char *report, const char *failureLine)
{
    if (m_hid && m_hid->sendCommand(report) >= 0)
        return true;
    qDebug() << failureLine;
    return false;
}

QString DDeviceHidCmdSend::newSerialNumber()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

QString DDeviceHidCmdSend::writeSerialNumber(const QString &number)
{
    const QString text = number.isEmpty() ? newSerialNumber() : number;
    const QByteArray bytes = text.toLocal8Bit();
    HidReport r = makeReport(out::SerialWrite);
    r[kLengthByte] = kSerialWriteLength;
    std::memcpy(r.data() + kSerialOffset, bytes.constData(),
                std::min<std::size_t>(kSerialLength, static_cast<std::size_t>(bytes.size())));
    queue(r.data(), "USB serial port [Write SN] Failed ...");
    return text;
}

void DDeviceHidCmdSend::sendKeyRelayReport(const unsigned char *relayReport)
{
    HidReport r = makeReport(out::KeyRelay);
    r[kLengthByte] = 9;
    if (relayReport)
        std::memcpy(r.data() + kPayload, relayReport, 8);
    queue(r.data(), kKeyFailed);
}

void DDeviceHidCmdSend::echoFullKeyReport(const unsigned char *inputReport)
{
    HidReport r = makeReport(out::FullKeyEcho);
    r[kLengthByte] = 0x15;
    if (inputReport)
        std::memcpy(r.data() + kPayload, inputReport + kPayload, 13);
    queue(r.data(), kKeyFailed);
}

void DDeviceHidCmdSend::queryKeyboardLightTypes()
{
    const HidReport r = makeReport(out::KeyboardLightTypeQuery);
    queue(r.data(), "---------- *** Inquire [Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::querySideLightTypes()
{
    const HidReport r = makeReport(out::SideLightTypeQuery);
    queue(r.data(), "---------- *** Inquire [Side Light Mode] Failed *** ----------");
}

void DDeviceHidCmdSend::queryKeyboardLightConfig()
{
    HidReport r = makeReport(out::KeyboardLight);
    r[kSubByte] = 1;
    queue(r.data(), "---------- *** Inquire [Keyboard Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::querySideLightConfig()
{
    HidReport r = makeReport(out::SideLight);
    r[kSubByte] = 1;
    queue(r.data(), "---------- *** Inquire [Side Light Config] Failed *** ----------");
}

void DDeviceHidCmdSend::sendResetKeyboard()
{
    HidReport r = makeReport(out::Settings);
    r[kSubByte] = 0;
    r[kLengthByte] = 1;
    r[kPayload] = 1;
    queue(r.data(), "---------- *** [Reset] Failed *** ----------");
}

void DDeviceHidCmdSend::sendSleepTimes(int light, int keyboard, int prohibit)
{
    HidReport r = makeReport(out::Settings);
    r[kSubByte] = 1;
    r[kLengthByte] = 1;
    putBigEndian16(r, 9, light);
    putBigEndian16(r, 11, keyboard);
    r[13] = static_cast<uint8_t>(prohibit & 0xff);
    queue(r.data(), "---------- *** [Set Sleep time] Failed *** ----------");
}

void DDeviceHidCmdSend::sendWinLock(int a, int b, int c, int d)
{
    HidReport r = makeReport(out::Settings);
    r[kSubByte] = 0;
    r[kLengthByte] = 1;
    r[kPayload] = 0;
    r[13] = static_cast<uint8_t>(a & 0xff);
    r[14] = static_cast<uint8_t>(b & 0xff);
    r[15] = static_cast<uint8_t>(d & 0xff);
    r[16] = static_cast<uint8_t>(c & 0xff);
    queue(r.data(), "---------- *** [Lock Win] Failed *** ----------");
}

void DDeviceHidCmdSend::queryLayoutInfo()
{
    const HidReport r = makeReport(out::LayoutQuery);
    queue(r.data(), "USB serial port [Check keyboard layout is support custom] Failed ...");
}

void DDeviceHidCmdSend::querySerialNumber()
{
    const HidReport r = makeReport(out::SerialInquiry, kReportIdPlain);
    queue(r.data(), "---------- *** Inquire [Device SN] Failed *** ----------");
}

void DDeviceHidCmdSend::querySleepTimes()
{
    HidReport r = makeReport(out::Settings);
    r[kSubByte] = 2;
    r[kLengthByte] = 1;
    queue(r.data(), "---------- *** [Check Sleep time] Failed *** ----------");
}

void DDeviceHidCmdSend::queryKeyTravelMax()
{
    const HidReport r = magneticQuery(magnetic::TravelMaximum);
    queue(r.data(), kMagneticQueryFailed);
}

void DDeviceHidCmdSend::queryAntiShake()
{
    const HidReport r = magneticQuery(magnetic::AntiShake);
    queue(r.data(), kMagneticQueryFailed);
}

void DDeviceHidCmdSend::queryReportRate()
{
    const HidReport r = magneticQuery(magnetic::ReportRate);
    queue(r.data(), kMagneticQueryFailed);
}
