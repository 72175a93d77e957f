#pragma once

#include "hidreport.h"

#include <QByteArray>

#include <cstdint>

// The upload protocol between the program and a keyboard's boot loader. Every exchange is one
// 64-byte report from the host answered by one 64-byte report from the boot loader:
//
//   START  [0]=0x01 [1..4] image size (little-endian) [5] receiver flag (1 receiver, 0 cable)
//   DATA   [0]=0x02 [1..4] offset (little-endian) [5] payload length (1..56) [8..63] payload
//   END    [0]=0x03 [1..4] CRC-32 of the whole image (little-endian)
//
//   answer [0]=0x80 | command [1] status (0 accepted, anything else refused) [2..5] the offset or
//          size the answer is about
//
// DATA reports come in order, without gaps. The boot loader checks the CRC at END, writes the image
// and restarts into the keyboard firmware. Both the SDK's upload and the simulated boot loader take
// their numbers from here.
namespace bootloader {

constexpr uint8_t Start = 0x01;
constexpr uint8_t Data = 0x02;
constexpr uint8_t End = 0x03;
constexpr uint8_t AnswerBit = 0x80;

// Answer statuses.
constexpr uint8_t Accepted = 0x00;
constexpr uint8_t Refused = 0x01;     // a generic refusal (busy, failed write)
constexpr uint8_t BadOffset = 0x02;   // a DATA report out of order
constexpr uint8_t BadChecksum = 0x03; // END: the CRC does not match what arrived
constexpr uint8_t TooLarge = 0x04;    // START: the image does not fit

constexpr int kChunkBytes = 56;
constexpr std::size_t kPayload = 8;
// How long the host waits for each answer.
constexpr int kAnswerTimeoutMs = 1000;

HidReport startReport(uint32_t size, uint8_t receiverFlag);
HidReport dataReport(uint32_t offset, const char *payload, int length);
HidReport endReport(uint32_t crc);
HidReport answer(uint8_t command, uint8_t status, uint32_t value);

uint32_t readU32(const HidReport &report, std::size_t at);
void writeU32(HidReport *report, std::size_t at, uint32_t value);

// CRC-32 (the zlib polynomial) of a whole image.
uint32_t crc32(const QByteArray &bytes);

} // namespace bootloader
