#include "simstartuphandlers.h"

#include "simkeyboard.h"

#include <algorithm>

namespace simstartup {

namespace {

using namespace hidproto;

// Types from byte 6, the marker, then the step counts. A list with no types still carries the
// marker at byte 6, so that the host does not read zeros as 58 "Static" entries.
HidReport typeListReport(uint8_t cmd, const std::vector<uint8_t> &types, uint8_t speedSteps,
                         uint8_t brightnessSteps)
{
    HidReport r = makeReport(cmd);
    const std::size_t room = kReportSize - kPayload - 3;
    const std::size_t n = std::min(types.size(), room);
    std::copy_n(types.begin(), n, r.begin() + kPayload);
    r[kLengthByte] = static_cast<uint8_t>(n + 3);
    r[kPayload + n] = kTypeListMarkerA;
    r[kPayload + n + 1] = speedSteps;
    r[kPayload + n + 2] = brightnessSteps;
    return r;
}

HidReport lightReport(uint8_t cmd, const std::array<uint8_t, 12> &light)
{
    HidReport r = makeReport(cmd);
    r[kLengthByte] = static_cast<uint8_t>(light.size());
    std::copy(light.begin(), light.end(), r.begin() + kPayload);
    return r;
}

void onSerialInquiry(SimKeyboard &kb, const HidReport &)
{
    HidReport r = makeReport(in::Serial);
    const QByteArray &sn = kb.stateLocked().serialNumber;
    const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(sn.size()), kSerialLength);
    r[kLengthByte] = static_cast<uint8_t>(kSerialLength);
    std::copy_n(sn.constData(), n, r.begin() + kSerialOffset);
    kb.reply(r);
}

void onSerialWrite(SimKeyboard &kb, const HidReport &in)
{
    if (in[kLengthByte] != kSerialWriteLength)
        return;
    const auto *first = reinterpret_cast<const char *>(in.data() + kSerialOffset);
    kb.stateLocked().serialNumber = QByteArray(first, static_cast<int>(qstrnlen(first, kSerialLength)));
}

void onHandshake(SimKeyboard &kb, const HidReport &)
{
    kb.reply(kb.statusReport());
}

void onKeyboardLight(SimKeyboard &kb, const HidReport &in)
{
    auto &light = kb.stateLocked().keyboardLight;
    if (in[kSubByte] == 1)
        kb.reply(lightReport(in::KeyboardLightConfig, light));
    else if (in[kSubByte] == 0)
        std::copy_n(in.begin() + kPayload, light.size(), light.begin());
}

void onSideLight(SimKeyboard &kb, const HidReport &in)
{
    auto &light = kb.stateLocked().sideLight;
    if (in[kSubByte] == 1)
        kb.reply(lightReport(in::SideLightConfig, light));
    else if (in[kSubByte] == 0)
        std::copy_n(in.begin() + kPayload, light.size(), light.begin());
}

void onKeyboardLightTypeQuery(SimKeyboard &kb, const HidReport &)
{
    const SimKeyboardState &s = kb.stateLocked();
    kb.reply(typeListReport(in::KeyboardLightTypes, s.keyboardLightTypes, s.keyboardSpeedSteps,
                            s.keyboardBrightnessSteps));
}

void onSideLightTypeQuery(SimKeyboard &kb, const HidReport &)
{
    const SimKeyboardState &s = kb.stateLocked();
    kb.reply(typeListReport(in::SideLightTypes, s.sideLightTypes, s.sideSpeedSteps, s.sideBrightnessSteps));
}

void onLayoutQuery(SimKeyboard &kb, const HidReport &)
{
    HidReport r = makeReport(in::Layout);
    const QByteArray &text = kb.stateLocked().layoutText;
    // Always leaves a terminating zero inside the report.
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(text.size()), kReportSize - kPayload - 1);
    std::copy_n(text.constData(), n, r.begin() + kPayload);
    r[kLengthByte] = static_cast<uint8_t>(n + 1);
    kb.reply(r);
}

} // namespace

SimKeyboardState defaultState(const ModelInfo &model, quint64 instance)
{
    SimKeyboardState s;
    s.serialNumber = QByteArray("5e1a") + QByteArray::number(instance, 16).rightJustified(28, '0');
    s.layoutText = QStringLiteral("%1,%2,%3,1,%4")
                       .arg(model.keyCount)
                       .arg(model.hidDeviceType)
                       .arg(model.sideLightLeds)
                       .arg(model.key)
                       .toLatin1();
    s.keyboardLightTypes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16};
    if (model.hasSideLight())
        s.sideLightTypes = {0, 1, 2, 3, 4, 5};
    // Breath, full brightness, middle speed, red to blue.
    s.keyboardLight = {1, 4, 2, 255, 0, 0, 0, 0, 255, 0, 0, 0};
    s.sideLight = {0, 4, 2, 0, 255, 0, 0, 0, 0, 0, 0, 0};
    return s;
}

void installHandlers(SimKeyboard &kb)
{
    kb.setHandler(out::SerialInquiry, onSerialInquiry);
    kb.setHandler(out::SerialWrite, onSerialWrite);
    kb.setHandler(out::Handshake, onHandshake);
    kb.setHandler(out::KeyboardLight, onKeyboardLight);
    kb.setHandler(out::SideLight, onSideLight);
    kb.setHandler(out::KeyboardLightTypeQuery, onKeyboardLightTypeQuery);
    kb.setHandler(out::SideLightTypeQuery, onSideLightTypeQuery);
    kb.setHandler(out::LayoutQuery, onLayoutQuery);
}

} // namespace simstartup
