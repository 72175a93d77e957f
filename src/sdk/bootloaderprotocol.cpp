#include "bootloaderprotocol.h"

#include <zlib.h>

#include <algorithm>

namespace bootloader {

uint32_t readU32(const HidReport &report, std::size_t at)
{
    return uint32_t(report[at]) | uint32_t(report[at + 1]) << 8 | uint32_t(report[at + 2]) << 16 |
           uint32_t(report[at + 3]) << 24;
}

void writeU32(HidReport *report, std::size_t at, uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        (*report)[at + i] = uint8_t(value >> (8 * i));
}

HidReport startReport(uint32_t size, uint8_t receiverFlag)
{
    HidReport r{};
    r[0] = Start;
    writeU32(&r, 1, size);
    r[5] = receiverFlag;
    return r;
}

HidReport dataReport(uint32_t offset, const char *payload, int length)
{
    HidReport r{};
    r[0] = Data;
    writeU32(&r, 1, offset);
    length = std::clamp(length, 0, kChunkBytes);
    r[5] = uint8_t(length);
    std::copy(payload, payload + length, r.begin() + kPayload);
    return r;
}

HidReport endReport(uint32_t crc)
{
    HidReport r{};
    r[0] = End;
    writeU32(&r, 1, crc);
    return r;
}

HidReport answer(uint8_t command, uint8_t status, uint32_t value)
{
    HidReport r{};
    r[0] = uint8_t(AnswerBit | command);
    r[1] = status;
    writeU32(&r, 2, value);
    return r;
}

uint32_t crc32(const QByteArray &bytes)
{
    uLong crc = ::crc32(0L, Z_NULL, 0);
    crc = ::crc32(crc, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(bytes.size()));
    return uint32_t(crc);
}

} // namespace bootloader
