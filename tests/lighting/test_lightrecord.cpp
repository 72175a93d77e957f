#include "colorinfodata.h"
#include "lightconfigreport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

colorInfoData record(int hidType, int type, int brightness, int speed, int fullColour)
{
    colorInfoData c;
    c.hidType = hidType;
    c.ledType = type;
    c.ledBrightness = brightness;
    c.ledSpeed = speed;
    c.color1Red = 255;
    c.color1Green = 49;
    c.color1Blue = 53;
    c.color2Red = 1;
    c.color2Green = 2;
    c.color2Blue = 3;
    c.ledDirection = 6;
    c.fullColorMode = fullColour;
    c.ledExtra = 9;
    c.reserved = 77; // never sent
    return c;
}

struct ReportCase
{
    const char *what;
    colorInfoData record;
    qint64 ms;
    std::map<int, int> bytes; // every other byte is 0
};

class LightReportTest : public ::testing::TestWithParam<ReportCase>
{
};

TEST_P(LightReportTest, ExactBytes)
{
    const ReportCase &c = GetParam();
    const HidReport r = c.record.hidType == 0 ? lightconfigreport::keyboard(c.record, c.ms)
                                              : lightconfigreport::side(c.record, c.ms);
    for (int i = 0; i < 64; ++i) {
        const auto it = c.bytes.find(i);
        EXPECT_EQ(r[i], it == c.bytes.end() ? 0 : it->second) << "byte " << i;
    }
}

std::map<int, int> bytes(int cmd, int length, int type, int brightness, int speed, int fullColour, int ms16)
{
    std::map<int, int> b{{0, 1},           {1, cmd},         {5, length}, {6, type},
                         {7, brightness},  {8, speed},       {9, 255},    {10, 49},
                         {11, 53},         {12, 1},          {13, 2},     {14, 3},
                         {15, 6},          {16, fullColour}, {17, 9},     {62, (ms16 >> 8) & 0xff},
                         {63, ms16 & 0xff}};
    for (auto it = b.begin(); it != b.end();)
        it = it->second == 0 ? b.erase(it) : std::next(it);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Records, LightReportTest,
    ::testing::Values(
        // Static never asks the keyboard to cycle colours, whatever the record holds.
        ReportCase{"static keys, full colour on", record(0, 0, 3, 3, 1), 0x1234,
                   bytes(0x06, 0x0e, 0, 2, 2, 0, 0x1234)},
        ReportCase{"breath keys, full colour on", record(0, 1, 3, 3, 1), 0x1234,
                   bytes(0x06, 0x0e, 1, 2, 2, 1, 0x1234)},
        ReportCase{"lowest brightness and speed", record(0, 2, 1, 1, 0), 0, bytes(0x06, 0x0e, 2, 0, 0, 0, 0)},
        ReportCase{"musical rhythm, top levels", record(0, 100, 6, 6, 1), 0x7fffffffffffLL,
                   bytes(0x06, 0x0e, 100, 5, 5, 1, 0xffff)},
        ReportCase{"side static, full colour on", record(1, 0, 3, 3, 1), 0xabcd,
                   bytes(0x07, 0x0d, 0, 2, 2, 0, 0xabcd)},
        ReportCase{"side collision", record(1, 3, 5, 2, 1), 0x10000 + 0x0102,
                   bytes(0x07, 0x0d, 3, 4, 1, 1, 0x0102)}),
    [](const ::testing::TestParamInfo<ReportCase> &row) { return std::to_string(row.index); });

TEST(LightReport, FieldsGoInAsTheirLow8Bits)
{
    colorInfoData c = record(0, 2, 3, 3, 1);
    c.color1Red = 0x1ff;
    c.ledExtra = 0x180;
    const HidReport r = lightconfigreport::keyboard(c, 0);
    EXPECT_EQ(r[9], 0xff);
    EXPECT_EQ(r[17], 0x80);
}

struct DefaultCase
{
    int hidType;
    int type;
    int direction;
};

TEST(LightRecordDefaults, PerTargetAndType)
{
    const DefaultCase cases[] = {
        {0, 0, 0},  {0, 1, 0},   {0, 2, 0},  {0, 3, 0},  {0, 4, 6},  {0, 5, 6},  {0, 6, 0},  {0, 7, 4},
        {0, 8, 4},  {0, 9, 0},   {0, 10, 0}, {0, 11, 0}, {0, 12, 2}, {0, 13, 0}, {0, 14, 4}, {0, 15, 6},
        {0, 16, 4}, {0, 100, 2}, {0, 42, 0}, {1, 0, 0},  {1, 2, 0},  {1, 4, 0},  {1, 5, 0},
    };
    for (const DefaultCase &d : cases) {
        SCOPED_TRACE(testing::Message() << "target " << d.hidType << " type " << d.type);
        const colorInfoData c = lighttypes::defaultRecord(d.hidType, d.type);
        EXPECT_EQ(c.hidType, d.hidType);
        EXPECT_EQ(c.ledType, d.type);
        EXPECT_EQ(c.ledBrightness, 3);
        EXPECT_EQ(c.ledSpeed, 3);
        EXPECT_EQ(std::make_tuple(c.color1Red, c.color1Green, c.color1Blue), std::make_tuple(255, 0, 0));
        EXPECT_EQ(std::make_tuple(c.color2Red, c.color2Green, c.color2Blue), std::make_tuple(0, 0, 0));
        EXPECT_EQ(c.ledDirection, d.direction);
        EXPECT_EQ(c.fullColorMode, 1);
        EXPECT_EQ(c.ledExtra, 0);
        EXPECT_EQ(c.reserved, 0);
    }
}

TEST(LightTypeTables, ButtonsAndTypesMapBothWays)
{
    std::size_t n = 0;
    for (int target : {0, 1}) {
        const lighttypes::Entry *t = lighttypes::table(target, &n);
        for (std::size_t i = 0; i < n; ++i) {
            if (t[i].button < 0)
                continue;
            EXPECT_EQ(lighttypes::typeForButton(target, t[i].button, -1), t[i].code) << t[i].name;
            EXPECT_EQ(lighttypes::buttonForType(target, t[i].code), t[i].button) << t[i].name;
        }
    }
    // DPI keeps the type on show; an unknown button selects Wave; codes without a button have none.
    EXPECT_EQ(lighttypes::typeForButton(0, 13, 7), 7);
    EXPECT_EQ(lighttypes::typeForButton(0, 18, 7), 2);
    EXPECT_EQ(lighttypes::typeForButton(1, 56, 0), 2);
    EXPECT_EQ(lighttypes::buttonForType(0, 13), -1);
    EXPECT_EQ(lighttypes::buttonForType(0, -1), -1);
    EXPECT_EQ(lighttypes::buttonForType(1, 6), -1);
    EXPECT_STREQ(lighttypes::name(0, 5), "Snake");
    EXPECT_STREQ(lighttypes::name(0, 13), "DPI");
    EXPECT_STREQ(lighttypes::name(0, 99), "");
    EXPECT_STREQ(lighttypes::name(1, 3), "Collision");
}

TEST(LightTypeTables, LevelsClampToTheOfferedSteps)
{
    struct
    {
        int level, steps, expected;
    } cases[] = {{0, 4, 1}, {1, 4, 1}, {5, 4, 5}, {6, 4, 5}, {200, 9, 10}, {-3, 9, 1}, {7, 0, 7}};
    for (const auto &c : cases)
        EXPECT_EQ(lighttypes::clampLevel(c.level, c.steps), c.expected) << c.level << " of " << c.steps;
}

} // namespace
