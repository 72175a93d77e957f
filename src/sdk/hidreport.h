#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The 64-byte report every exchange with a keyboard is made of, and the command bytes both sides
// use. Builders, the input parser and the simulated keyboard all take their numbers from here.
using HidReport = std::array<uint8_t, 64>;

namespace hidproto {

constexpr std::size_t kReportSize = 64;

// Byte positions inside a report.
constexpr std::size_t kIdByte = 0; // 0x01, except 0x00 for the serial-number inquiry and the handshake
constexpr std::size_t kCmdByte = 1;
constexpr std::size_t kSubByte = 2; // sub-command, target or index
constexpr std::size_t kPacketByte = 4;
constexpr std::size_t kLengthByte = 5;
constexpr std::size_t kPayload = 6;

constexpr uint8_t kReportIdCommand = 0x01;
constexpr uint8_t kReportIdPlain = 0x00;

// Host -> keyboard.
namespace out {
constexpr uint8_t Handshake = 0x00;          // [5]=1 [6]=0, every 1000 ms
constexpr uint8_t SideLightTypeQuery = 0x01; // answered by in::SideLightTypes
constexpr uint8_t KeyRelay = 0x03;           // [5]=9, [6..13] relay report
constexpr uint8_t FullKeyEcho = 0x04;        // [5]=0x15, [6..18] copy of in::FullKeyReport
constexpr uint8_t KeyboardLight = 0x06;      // [2]=1 query, [2]=0 set ([5]=0x0e)
constexpr uint8_t SideLight = 0x07;          // [2]=1 query, [2]=0 set ([5]=0x0d)
constexpr uint8_t CustomColours = 0x08;
constexpr uint8_t KeyboardLightTypeQuery = 0x09; // answered by in::KeyboardLightTypes
constexpr uint8_t EnterBootLoader = 0x0a;
constexpr uint8_t LayoutQuery = 0x0d;
constexpr uint8_t StreamFrame = 0x0e;
constexpr uint8_t Settings = 0x13; // [2]=0 reset/Win lock, 1 sleep times, 2 sleep-time query
constexpr uint8_t SerialInquiry = 0x14;
constexpr uint8_t SerialWrite = 0x15; // [5]=0x20, [6..37] serial number
constexpr uint8_t StreamingState = 0x16;
constexpr uint8_t KeyLayerFrame = 0x17;
constexpr uint8_t MacroFrame = 0x18;
constexpr uint8_t EffectState = 0x28;
constexpr uint8_t Magnetic = 0x29; // [5]=0x18, [6] item
constexpr uint8_t AdvancedKeyFrame = 0x2a;
} // namespace out

// Keyboard -> host.
namespace in {
constexpr uint8_t Status = 0x01; // ignored when [5] is 0
constexpr uint8_t SideLightTypes = 0x02;
constexpr uint8_t KeyReport = 0x04;
constexpr uint8_t FullKeyReport = 0x05;
constexpr uint8_t KeyboardLightConfig = 0x07;
constexpr uint8_t SideLightConfig = 0x08;
constexpr uint8_t CustomScheme = 0x09;
constexpr uint8_t KeyboardLightTypes = 0x0a;
constexpr uint8_t Number = 0x0b;
constexpr uint8_t Layout = 0x0d;
constexpr uint8_t FnLayerKeys = 0x0e;
constexpr uint8_t Settings = 0x14; // [2]=0 sleep times accepted, [2]=2 sleep times
constexpr uint8_t Serial = 0x15;   // [6..37] serial number
constexpr uint8_t DownloadAck = 0x18;
constexpr uint8_t MacroAck = 0x19;
constexpr uint8_t PcFunctionKey = 0x20;
constexpr uint8_t Magnetic = 0x21; // [6] item
} // namespace in

// Items of out::Magnetic and in::Magnetic ([6]).
namespace magnetic {
constexpr uint8_t ApplyMode0 = 0;
constexpr uint8_t ApplyMode1 = 1;
constexpr uint8_t LiveTravel = 1; // input only
constexpr uint8_t Selection = 2;
constexpr uint8_t LeaveTriggerTab = 3;
constexpr uint8_t TravelMaximum = 4;
constexpr uint8_t KeyTrigger = 5;
constexpr uint8_t RestoreSensitivity = 6;
constexpr uint8_t CalibrateKey = 7;
constexpr uint8_t CalibrateAll = 8;
constexpr uint8_t ReportRate = 9;
constexpr uint8_t AntiShake = 10;
constexpr uint8_t ApplyMode12 = 12;
constexpr uint8_t ApplyMode13 = 13;
constexpr uint8_t kLengthByteValue = 0x18;
} // namespace magnetic

// Light-type lists end their type bytes with one or more markers, then speed and brightness steps.
constexpr uint8_t kTypeListMarkerA = 0xA5;
constexpr uint8_t kTypeListMarkerB = 0x5A;

// Serial number field of in::Serial and out::SerialWrite.
constexpr std::size_t kSerialOffset = 6;
constexpr std::size_t kSerialLength = 32;
constexpr uint8_t kSerialWriteLength = 0x20;

// Status report fields.
namespace status {
constexpr std::size_t WinLock = 6;
constexpr std::size_t Charging = 9;
constexpr std::size_t Battery = 10;
constexpr std::size_t Connection = 11;    // 1: through the receiver
constexpr std::size_t ReceiverState = 12; // 1: keyboard unreachable
constexpr std::size_t DownloadState = 13;
constexpr std::size_t KeyboardMode = 14;
} // namespace status

// Key matrix the column bitmaps and per-key packets address.
constexpr int kMatrixRows = 6;
constexpr int kMatrixColumns = 22;
constexpr int kKeyStreamPackets = 8; // 132 positions, 18 per packet
constexpr int kLedsPerPacket = 18;

// A report that starts as 64 zero bytes with the id and command set.
inline HidReport makeReport(uint8_t cmd, uint8_t id = kReportIdCommand)
{
    HidReport r{};
    r[kIdByte] = id;
    r[kCmdByte] = cmd;
    return r;
}

} // namespace hidproto
