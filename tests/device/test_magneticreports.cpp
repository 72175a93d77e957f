#include "magneticreports.h"

#include <gtest/gtest.h>

#include <vector>

using namespace hidproto;
using namespace magneticreport;

namespace {

// Bytes 7 to 28 of a report, the column bitmap.
std::vector<int> bitmapOf(const HidReport &r)
{
    return std::vector<int>(r.begin() + 7, r.begin() + 29);
}

std::vector<int> bitmapWith(std::initializer_list<std::pair<int, int>> columns)
{
    std::vector<int> b(22, 0);
    for (const auto &c : columns)
        b[c.first] = c.second;
    return b;
}

void expectHeader(const HidReport &r, int item)
{
    EXPECT_EQ(r[0], 0x01);
    EXPECT_EQ(r[1], 0x29);
    EXPECT_EQ(r[5], 0x18);
    EXPECT_EQ(r[6], item);
}

TEST(MagneticReports, ApplyBitmapPerModeAndKeySet)
{
    struct Case
    {
        int mode;
        QList<KeyPos> keys;
        std::vector<int> bitmap;
    };
    const Case cases[] = {
        {0, {{0, 0}, {5, 21}}, bitmapWith({{0, 0x01}, {21, 0x20}})},
        {1, {{2, 5}}, bitmapWith({{5, 0x04}})},
        {12, {{0, 3}, {1, 3}, {5, 3}}, bitmapWith({{3, 0x23}})},
        {13,
         {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}},
         bitmapWith({{0, 0x01}, {1, 0x02}, {2, 0x04}, {3, 0x08}, {4, 0x10}, {5, 0x20}})},
        // Positions outside the 6 x 22 matrix never reach another key's bit.
        {0, {{6, 0}, {-1, 3}, {0, 22}, {0, -1}, {4, 7}}, bitmapWith({{7, 0x10}})},
    };
    for (const Case &c : cases) {
        const HidReport r = applyActuation(c.mode, c.keys, 15, 20, 3, 4);
        expectHeader(r, c.mode);
        EXPECT_EQ(bitmapOf(r), c.bitmap) << "mode " << c.mode;
        EXPECT_EQ((std::vector<int>(r.begin() + 29, r.begin() + 33)),
                  (std::vector<int>{0x0F, 0x14, 0x03, 0x04}));
        EXPECT_TRUE(std::all_of(r.begin() + 33, r.end(), [](uint8_t b) { return b == 0; }));
    }
}

TEST(MagneticReports, ItemReportsCarryTheirBytesAndNothingElse)
{
    struct Case
    {
        const char *name;
        HidReport report;
        int item;
        std::vector<int> bytes7on; // bytes 7, 8, ...; every later byte 0
    };
    const Case cases[] = {
        {"defaults", restoreDefaultSensitivity(), 6, {}},
        {"query", queryKeyTrigger(3, 17), 5, {3, 17}},
        {"anti-shake", setAntiShake(7), 10, {1, 7}},
        {"report rate", setReportRate(2), 9, {1, 2}},
        {"calibration mode", calibrationSelection({}), 2, {}},
        {"calibration key", calibrationSelection({{2, 5}}), 2, {0, 0, 0, 0, 0, 0x04}},
        {"calibrate key", calibrateKey(4, 9), 7, {4, 9}},
        {"all keys start", calibrateAllKeys(true), 8, {0}},
        {"all keys stop", calibrateAllKeys(false), 8, {1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        expectHeader(c.report, c.item);
        std::vector<int> expected = c.bytes7on;
        expected.resize(64 - 7, 0);
        EXPECT_EQ(std::vector<int>(c.report.begin() + 7, c.report.end()), expected);
    }
}

TEST(MagneticReports, BitmapReadBackListsEveryMarkedKey)
{
    EXPECT_EQ(keysOfBitmap({{0, 0x01}, {5, 0x24}, {21, 0x20}}),
              (QList<KeyPos>{{0, 0}, {2, 5}, {5, 5}, {5, 21}}));
    // Bits above row 5 and columns outside the matrix are ignored.
    EXPECT_EQ(keysOfBitmap({{3, 0xc0}, {22, 0x01}, {-1, 0x01}}), QList<KeyPos>{});
    EXPECT_EQ(keysOfBitmap({}), QList<KeyPos>{});
}

TEST(MagneticReports, CalibrationStatusOutcomes)
{
    EXPECT_STREQ(singleKeyStatusTip(0), "The key calibration successful");
    EXPECT_STREQ(singleKeyStatusTip(1), "The key calibration runing");
    EXPECT_STREQ(singleKeyStatusTip(2), "The key calibration failed");
    EXPECT_STREQ(singleKeyStatusTip(9), "Unknow");

    struct Case
    {
        int status;
        bool mark, finished, succeeded;
        const char *tip;
    };
    const Case cases[] = {
        {0, true, true, true, "The key calibration successful"},
        {1, true, false, false, nullptr},
        {2, false, true, false, "The key calibration failed"},
        {3, false, true, false, "The key calibration failed"},
        {255, false, true, false, "The key calibration failed"},
    };
    for (const Case &c : cases) {
        const AllKeysOutcome o = allKeysOutcome(c.status);
        EXPECT_EQ(o.markKeys, c.mark) << c.status;
        EXPECT_EQ(o.finished, c.finished) << c.status;
        EXPECT_EQ(o.succeeded, c.succeeded) << c.status;
        EXPECT_EQ(o.tip == nullptr, c.tip == nullptr) << c.status;
        if (c.tip) {
            EXPECT_STREQ(o.tip, c.tip);
        }
        EXPECT_EQ(o.logLine == nullptr, !c.finished) << c.status;
    }
    EXPECT_NE(QByteArray(allKeysOutcome(3).logLine).indexOf("[Error]"), -1);
    EXPECT_NE(QByteArray(allKeysOutcome(2).logLine).indexOf("[Failed]"), -1);
}

} // namespace
