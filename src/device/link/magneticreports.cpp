#include "magneticreports.h"

namespace magneticreport {

using namespace hidproto;

namespace {

constexpr std::size_t kBitmapAt = 7;

HidReport magnetic(uint8_t item)
{
    HidReport r = makeReport(out::Magnetic);
    r[kLengthByte] = magnetic::kLengthByteValue;
    r[kPayload] = item;
    return r;
}

void putBitmap(HidReport &r, const ColumnBitmap &bitmap)
{
    std::copy(bitmap.begin(), bitmap.end(), r.begin() + kBitmapAt);
}

uint8_t byteOf(int v)
{
    return static_cast<uint8_t>(v & 0xff);
}

} // namespace

ColumnBitmap columnBitmap(const QList<KeyPos> &keys)
{
    ColumnBitmap bitmap{};
    for (const KeyPos &k : keys) {
        if (k.first < 0 || k.first >= kMatrixRows || k.second < 0 || k.second >= kMatrixColumns)
            continue;
        bitmap[k.second] |= static_cast<uint8_t>(1u << k.first);
    }
    return bitmap;
}

QList<KeyPos> keysOfBitmap(const QMap<int, int> &columns)
{
    QList<KeyPos> keys;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        if (it.key() < 0 || it.key() >= kMatrixColumns)
            continue;
        for (int row = 0; row < kMatrixRows; ++row) {
            if (it.value() & (1 << row))
                keys.append({row, it.key()});
        }
    }
    return keys;
}

HidReport applyActuation(int selMode, const QList<KeyPos> &keys, int pressL, int pressR, int quickTriggerL,
                         int quickTriggerR)
{
    HidReport r = magnetic(byteOf(selMode));
    putBitmap(r, columnBitmap(keys));
    r[29] = byteOf(pressL);
    r[30] = byteOf(pressR);
    r[31] = byteOf(quickTriggerL);
    r[32] = byteOf(quickTriggerR);
    return r;
}

HidReport restoreDefaultSensitivity()
{
    return magnetic(magnetic::RestoreSensitivity);
}

HidReport queryKeyTrigger(int row, int column)
{
    HidReport r = magnetic(magnetic::KeyTrigger);
    r[7] = byteOf(row);
    r[8] = byteOf(column);
    return r;
}

HidReport setAntiShake(int value)
{
    HidReport r = magnetic(magnetic::AntiShake);
    r[7] = 1;
    r[8] = byteOf(value);
    return r;
}

HidReport setReportRate(int value)
{
    HidReport r = magnetic(magnetic::ReportRate);
    r[7] = 1;
    r[8] = byteOf(value);
    return r;
}

HidReport calibrationSelection(const QList<KeyPos> &keys)
{
    HidReport r = magnetic(magnetic::Selection);
    putBitmap(r, columnBitmap(keys));
    return r;
}

HidReport calibrateKey(int row, int column)
{
    HidReport r = magnetic(magnetic::CalibrateKey);
    r[7] = byteOf(row);
    r[8] = byteOf(column);
    return r;
}

HidReport calibrateAllKeys(bool start)
{
    HidReport r = magnetic(magnetic::CalibrateAll);
    r[7] = start ? 0 : 1;
    return r;
}

bool fitsByte(int value)
{
    return value >= 0 && value <= 0xff;
}

const char *singleKeyStatusTip(int status)
{
    switch (status) {
    case 0:
        return "The key calibration successful";
    case 1:
        return "The key calibration runing";
    case 2:
        return "The key calibration failed";
    default:
        return "Unknow";
    }
}

AllKeysOutcome allKeysOutcome(int status)
{
    switch (status) {
    case 0:
        return {true, true, true,
                "------------------------------- Calibration all keys over [Successful] "
                "------------------------------------",
                "The key calibration successful"};
    case 1:
        return {true, false, false, nullptr, nullptr};
    case 2:
        return {false, true, false,
                "------------------------------- Calibration all keys over [Failed] "
                "------------------------------------",
                "The key calibration failed"};
    default:
        return {false, true, false,
                "------------------------------- Calibration all keys over [Error] "
                "------------------------------------",
                "The key calibration failed"};
    }
}

} // namespace magneticreport
