#include "downloadframes.h"
#include "fixedtext.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace downloadframes;

namespace {

KeyOperateInfo item(int type, const char *value = "0", int sub = 0, int repeat = 1)
{
    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    qsnprintf(info.type, sizeof info.type, "%d", type);
    qsnprintf(info.value, sizeof info.value, "%s", value);
    qsnprintf(info.playMode, sizeof info.playMode, "%d", sub);
    qsnprintf(info.repeat, sizeof info.repeat, "%d", repeat);
    return info;
}

KeyOperateInfo noItem()
{
    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    return info;
}

MacroEventRecord event(const char *type, int code, bool down, int delay)
{
    MacroEventRecord e{};
    qsnprintf(e.type, sizeof e.type, "%s", type);
    qsnprintf(e.keyCode, sizeof e.keyCode, "%d", code);
    qsnprintf(e.operateExplain, sizeof e.operateExplain, "%s", down ? "down" : "up");
    qsnprintf(e.delay, sizeof e.delay, "%d", delay);
    return e;
}

struct EntryCase
{
    const char *name;
    int keyCode;
    KeyOperateInfo info;
    int slotOrIndex;
    bool magnetic;
    KeyEntry expected;
};

void PrintTo(const EntryCase &c, std::ostream *os)
{
    *os << c.name;
}

class KeyEntryTable : public testing::TestWithParam<EntryCase>
{
};

TEST_P(KeyEntryTable, GivesTheFourBytes)
{
    const EntryCase &c = GetParam();
    EXPECT_EQ(keyEntry(c.keyCode, c.info, c.slotOrIndex, c.magnetic), c.expected) << c.name;
}

const EntryCase kEntryCases[] = {
    // Keys without an item.
    {"empty position", 0, item(0, "4"), 0, true, {0, 0, 0, 0}},
    {"no item Fn", -10, noItem(), 0, true, {0x01, 0, 0, 0}},
    {"no item calculator", 215, noItem(), 0, true, {0x07, 0x32, 0, 0}},
    {"no item mute", 127, noItem(), 0, true, {0x07, 0x12, 0, 0}},
    {"no item volume up", 128, noItem(), 0, true, {0x07, 0x10, 0, 0}},
    {"no item volume down", 129, noItem(), 0, true, {0x07, 0x11, 0, 0}},
    {"no item letter a", 4, noItem(), 0, true, {0x00, 0x04, 0, 0}},
    {"no item code capped", 800, noItem(), 0, true, {0x00, 0xff, 0, 0}},
    {"no item code 255", 255, noItem(), 0, true, {0x00, 0xff, 0, 0}},
    // Remap.
    {"remap -20", 4, item(0, "-20"), 0, true, {0x14, 0, 0, 0}},
    {"remap Fn", 4, item(0, "-10"), 0, true, {0x01, 0, 0, 0}},
    {"remap usage", 4, item(0, "5"), 0, true, {0x00, 0x05, 0, 0}},
    {"remap above 255 keeps the low byte", 4, item(0, "401"), 0, true, {0x00, 0x91, 0, 0}},
    // Macro, combination, multimedia, mouse, disable, PC-side keys, shortcuts.
    {"macro", 4, item(1, "7"), 3, true, {0x10, 0x04, 0x03, 0}},
    {"macro on Fn", -10, item(1, "7"), 2, true, {0x10, 0xf6, 0x02, 0}},
    {"combination two modifiers", 4, item(2, "5,4"), 0, true, {0x13, 0xe0, 0xe2, 0x04}},
    {"combination one modifier", 4, item(2, "1,6"), 0, true, {0x13, 0xe0, 0x06, 0}},
    {"multimedia email", 4, item(3, "12"), 0, true, {0x07, 0x20, 0, 0}},
    {"multimedia out of table", 4, item(3, "16"), 0, true, {0x07, 0x00, 0, 0}},
    {"mouse scroll down", 4, item(4, "4"), 0, true, {0x12, 0x01, 0xff, 0}},
    {"mouse left", 4, item(4, "0"), 0, true, {0x12, 0x00, 0x01, 0}},
    {"mouse sniper", 4, item(4, "7"), 0, true, {0x12, 0x00, 0x00, 0}},
    {"disable", 4, item(5, "0"), 0, true, {0, 0, 0, 0}},
    {"text", 30, item(6, "hello"), 0, true, {0x16, 0, 0, 30}},
    {"switch profile", 31, item(7, "2"), 0, true, {0x16, 0, 0, 31}},
    {"launch application", 300, item(8, "/bin/true"), 0, true, {0x16, 0, 0, 0xff}},
    {"shortcut close window", 4, item(9, "0"), 0, true, {0x13, 0xe2, 0x3d, 0}},
    {"shortcut save", 4, item(9, "11"), 0, true, {0x13, 0xe0, 0x16, 0}},
    {"shortcut unknown", 4, item(9, "12"), 0, true, {0x13, 0, 0, 0}},
    // Key config by sub-code.
    {"key config lock keyboard", 4, item(19, "9", 0), 0, true, {0x11, 0, 0, 0}},
    {"key config sub 1", 4, item(19, "2", 1), 0, true, {0x11, 0x01, 0x02, 0}},
    {"key config win lock", 4, item(19, "1", 2), 0, true, {0x11, 0x02, 0x01, 0}},
    {"key config sub 3 above 255", 4, item(19, "300", 3), 0, true, {0x11, 0x03, 0x01, 0x2c}},
    {"key config sub 3 below 256", 4, item(19, "200", 3), 0, true, {0x11, 0x03, 0x00, 0xc8}},
    {"key config sub 5", 4, item(19, "3", 5), 0, true, {0x11, 0x05, 0x03, 0}},
    {"key config layer", 4, item(19, "2", 8), 0, true, {0x11, 0x08, 0x02, 0}},
    {"key config power query", 4, item(19, "0", 10), 0, true, {0x11, 0x0a, 0, 0}},
    {"key config bluetooth 3", 4, item(19, "0,2", 11), 0, true, {0x11, 0x0b, 0x00, 0x02}},
    {"key config USB", 4, item(19, "2,0", 11), 0, true, {0x11, 0x0b, 0x02, 0x00}},
    {"key config unknown sub", 4, item(19, "1", 12), 0, true, {0x00, 0x04, 0, 0}},
    // Light commands.
    {"key light 20", 4, item(20, "2"), 0, true, {0x02, 0x02, 0, 0}},
    {"key light 21", 4, item(21, "1"), 0, true, {0x03, 0x01, 0, 0}},
    {"key light 22", 4, item(22, "1"), 0, true, {0x04, 0x01, 0, 0}},
    {"key light 23", 4, item(23, "2"), 0, true, {0x05, 0x02, 0, 0}},
    {"key light 24", 4, item(24, "1"), 0, true, {0x06, 0x01, 0, 0}},
    {"key light 25", 4, item(25, "1"), 0, true, {0x08, 0x01, 0, 0}},
    {"key light 26 sub 0", 4, item(26, "1", 0), 0, true, {0x11, 0x04, 0x01, 0}},
    {"key light 26 sub 1", 4, item(26, "0", 1), 0, true, {0x11, 0x05, 0x00, 0}},
    {"key light 26 other sub", 4, item(26, "0", 2), 0, true, {0x00, 0x04, 0, 0}},
    {"key light 27", 4, item(27, "0"), 0, true, {0x09, 0, 0, 0}},
    {"side light 30", 4, item(30, "1"), 0, true, {0x0a, 0x01, 0, 0}},
    {"side light 31", 4, item(31, "1"), 0, true, {0x0b, 0x01, 0, 0}},
    {"side light 32", 4, item(32, "0"), 0, true, {0x0c, 0x00, 0, 0}},
    {"side light 33", 4, item(33, "2"), 0, true, {0x0d, 0x02, 0, 0}},
    {"side light 34 sub 0", 4, item(34, "1", 0), 0, true, {0x11, 0x04, 0x01, 0}},
    {"side light 34 sub 1", 4, item(34, "0", 1), 0, true, {0x11, 0x06, 0x00, 0}},
    {"side light 34 other sub", 4, item(34, "0", 7), 0, true, {0x00, 0x04, 0, 0}},
    // Advanced keys, and types without an entry of their own.
    {"advanced key", 4, item(40, "3"), 5, true, {0x17, 0x05, 0, 0}},
    {"advanced key not magnetic", 4, item(40, "3"), 5, false, {0x00, 0x04, 0, 0}},
    {"advanced key not magnetic on calculator", 215, item(40, "3"), 5, false, {0x07, 0x32, 0, 0}},
    {"default type 10", 4, item(10, "0"), 0, true, {0x00, 0x04, 0, 0}},
    {"type 28", 4, item(28, "0"), 0, true, {0x00, 0x04, 0, 0}},
    {"type 41", 4, item(41, "0"), 0, true, {0x00, 0x04, 0, 0}},
    {"negative type", 4, item(-5, "0"), 0, true, {0x00, 0x04, 0, 0}},
    {"value not a number", 4, item(0, "abc"), 0, true, {0x00, 0x00, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Download, KeyEntryTable, testing::ValuesIn(kEntryCases));

TEST(DownloadFrames, CombinationSplitKeepsLowestAndHighestModifier)
{
    struct Case
    {
        const char *text;
        std::array<uint8_t, 3> expected;
    };
    const Case cases[] = {
        {"5,4", {0xe0, 0xe2, 0x04}},   {"1,6", {0xe0, 0x00, 0x06}},   {"7,4", {0xe0, 0xe2, 0x04}},
        {"0,4", {0x00, 0x00, 0x04}},   {"128,4", {0xe7, 0x00, 0x04}}, {"129,30", {0xe0, 0xe7, 0x1e}},
        {"x,4", {0x00, 0x00, 0x04}},   {"2,y", {0xe1, 0x00, 0x00}},   {"", {0x00, 0x00, 0x00}},
        {"256,4", {0x00, 0x00, 0x04}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(combinationKeysFromText(c.text, std::strlen(c.text) + 1), c.expected) << c.text;
    EXPECT_EQ(keyEntry(4, item(2, "0,4"), 0, true), (KeyEntry{0x13, 0x00, 0x04, 0x00}));
    EXPECT_EQ(shortcutKeys(3), (std::array<uint8_t, 3>{0xe3, 0x00, 0x08}));
}

TEST(DownloadFrames, MultimediaAndMouseTablesCoverEveryValue)
{
    const uint8_t media[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17,
                             0x30, 0x32, 0x34, 0x23, 0x20, 0x38, 0x39, 0x21};
    for (int v = 0; v < 16; ++v)
        EXPECT_EQ(multimediaKeyCode(item(3, QByteArray::number(v).constData())), media[v]) << v;
    EXPECT_EQ(multimediaKeyCode(item(3, "-1")), 0x00);
    const uint8_t wheel[] = {0, 0, 0, 1, 1, 0, 0, 0, 0};
    const uint8_t button[] = {0x01, 0x04, 0x02, 0x01, 0xff, 0x10, 0x08, 0x00, 0x00};
    for (int v = 0; v < 9; ++v) {
        const KeyOperateInfo i = item(4, QByteArray::number(v).constData());
        EXPECT_EQ(mouseWheelFlag(i), wheel[v]) << v;
        EXPECT_EQ(mouseButtonCode(i), button[v]) << v;
    }
}

TEST(DownloadFrames, KeyTextOfAnAdvancedKey)
{
    struct Case
    {
        const char *text;
        KeyEntry expected;
    };
    const Case cases[] = {
        {"4", {0x00, 0x04, 0, 0}},      {"5,4", {0x13, 0xe0, 0xe2, 0x04}},
        {"2,5", {0x13, 0xe1, 0x05, 0}}, {"", {0, 0, 0, 0}},
        {"abc", {0, 0, 0, 0}},          {"300", {0x00, 0x2c, 0, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(keyTextBytes(c.text, std::strlen(c.text) + 1), c.expected) << c.text;
    // A field filled to the end without a terminator is read only within its size.
    char full[4] = {'1', '2', '3', '4'};
    EXPECT_EQ(keyTextBytes(full, sizeof full), (KeyEntry{0x00, 0xd2, 0, 0})); // 1234 & 0xff
}

TEST(DownloadFrames, FieldNumbersReadLikeAtoiWithoutOverflow)
{
    struct Case
    {
        const char *text;
        int expected;
    };
    const Case cases[] = {{"12", 12},
                          {" -7", -7},
                          {"+3x", 3},
                          {"x3", 0},
                          {"", 0},
                          {"-", 0},
                          {"99999999999", INT_MAX},
                          {"-99999999999", INT_MIN}};
    for (const Case &c : cases)
        EXPECT_EQ(fieldNumber(c.text, std::strlen(c.text)), c.expected) << c.text;
}

TEST(DownloadFrames, LayerOf132KeysGivesTenFrames)
{
    std::vector<KeyEntry> keys;
    for (int i = 0; i < 132; ++i)
        keys.push_back({static_cast<uint8_t>(i), static_cast<uint8_t>(i + 1), 0xaa, 0xbb});
    const QVector<HidReport> frames = keyLayerFrames(2, keys);
    ASSERT_EQ(frames.size(), 10);
    for (int p = 0; p < 10; ++p) {
        const HidReport &f = frames[p];
        EXPECT_EQ(f[0], 0x01);
        EXPECT_EQ(f[1], 0x17);
        EXPECT_EQ(f[2], 2);
        EXPECT_EQ(f[3], 0);
        EXPECT_EQ(f[4], p);
        const int n = p < 9 ? 14 : 6;
        EXPECT_EQ(f[5], 4 * n) << p;
        for (int k = 0; k < n; ++k) {
            const KeyEntry &e = keys[static_cast<std::size_t>(p * 14 + k)];
            EXPECT_TRUE(std::equal(e.begin(), e.end(), f.begin() + 6 + 4 * k)) << p << " " << k;
        }
        EXPECT_TRUE(std::all_of(f.begin() + 6 + 4 * n, f.end(), [](uint8_t b) { return b == 0; })) << p;
    }
    // A key count that divides by fourteen has no short frame.
    EXPECT_EQ(keyLayerFrames(0, std::vector<KeyEntry>(28)).size(), 2);
    EXPECT_EQ(keyLayerFrames(0, std::vector<KeyEntry>(28)).last()[5], 0x38);
}

TEST(DownloadFrames, MacroEventStream)
{
    struct Case
    {
        const char *name;
        QList<MacroEventRecord> events;
        std::vector<uint8_t> head;
    };
    const Case cases[] = {
        {"key down and up",
         {event("key", 4, true, 0), event("key", 4, false, 120)},
         {0x04, 0x10, 0x00, 0x78, 0x04, 0x00, 0x00, 0x00}},
        {"delays above 255",
         {event("key", 5, true, 0), event("key", 5, false, 300), event("key", 6, true, 65535)},
         {0x05, 0x10, 0x01, 0x2c, 0x05, 0x00, 0xff, 0xff, 0x06, 0x10, 0x00, 0x00}},
        {"mouse buttons",
         {event("mouse", 513, true, 0), event("mouse", 517, false, 10), event("mouse", 519, true, 0)},
         {0x01, 0x11, 0x00, 0x0a, 0x02, 0x01, 0x00, 0x00, 0x04, 0x11, 0x00, 0x00}},
        {"unknown mouse message keeps its place",
         {event("mouse", 522, true, 0), event("key", 7, true, 1)},
         {0x00, 0x11, 0x00, 0x01, 0x07, 0x10, 0x00, 0x00}},
        {"delay out of range clamped",
         {event("key", 4, true, 0), event("key", 4, false, 70000)},
         {0x04, 0x10, 0xff, 0xff, 0x04, 0x00, 0x00, 0x00}},
    };
    for (const Case &c : cases) {
        const auto stream = macroEventStream(c.events);
        EXPECT_TRUE(std::equal(c.head.begin(), c.head.end(), stream.begin())) << c.name;
        EXPECT_TRUE(std::all_of(stream.begin() + static_cast<std::ptrdiff_t>(c.head.size()), stream.end(),
                                [](uint8_t b) { return b == 0; }))
            << c.name;
    }
}

TEST(DownloadFrames, MacroSubFramesCarryTheStream)
{
    QList<MacroEventRecord> events;
    for (int i = 0; i < 70; ++i)
        events.append(event("key", i + 1, i % 2 == 0, i));
    const MacroFrames frames = macroFrames(3, 2, 5, events);
    const auto stream = macroEventStream(events);
    struct Part
    {
        int sub, length, at, from, count;
    };
    const Part parts[] = {{0, 0x3a, 14, 0, 50},
                          {1, 0x3a, 6, 50, 58},
                          {2, 0x3a, 6, 108, 58},
                          {3, 0x3a, 6, 166, 58},
                          {4, 0x18, 6, 224, 24}};
    for (const Part &p : parts) {
        const HidReport &f = frames[static_cast<std::size_t>(p.sub)];
        EXPECT_EQ(f[0], 0x01);
        EXPECT_EQ(f[1], 0x18);
        EXPECT_EQ(f[2], 3);
        EXPECT_EQ(f[4], p.sub);
        EXPECT_EQ(f[5], p.length);
        EXPECT_TRUE(std::equal(stream.begin() + p.from, stream.begin() + p.from + p.count, f.begin() + p.at))
            << p.sub;
        EXPECT_TRUE(std::all_of(f.begin() + p.at + p.count, f.end(), [](uint8_t b) { return b == 0; }))
            << p.sub;
    }
    const HidReport &head = frames[0];
    EXPECT_EQ(head[6], 0);
    EXPECT_EQ(head[7], 1);         // play mode 2
    EXPECT_EQ(head[9], 248);       // 62 events kept, not the wrapped 4 x 70
    EXPECT_EQ(head[11], 5);        // repeat
    EXPECT_EQ(stream[61 * 4], 62); // the 62nd event is the last one carried
    EXPECT_EQ(stream[247], 0x3e);  // its delay: that of event 63 (62 ms)

    // A slot whose events cannot be read: header only.
    const MacroFrames empty = macroFrames(1, 1, 1, {});
    EXPECT_EQ(empty[0][9], 0);
    EXPECT_EQ(empty[0][11], 1);
    EXPECT_TRUE(std::all_of(empty[0].begin() + 14, empty[0].end(), [](uint8_t b) { return b == 0; }));
}

TEST(DownloadFrames, BlankMacroSlotAndBlankRecord)
{
    const MacroFrames blank = blankMacroFrames(7);
    for (int sub = 0; sub < 5; ++sub) {
        HidReport expected{};
        expected[0] = 0x01;
        expected[1] = 0x18;
        expected[2] = 7;
        expected[4] = static_cast<uint8_t>(sub);
        expected[5] = sub < 4 ? 0x3a : 0x18;
        EXPECT_EQ(blank[static_cast<std::size_t>(sub)], expected) << sub;
    }
    HidReport record{};
    record[0] = 0x01;
    record[1] = 0x2a;
    record[2] = 39;
    record[5] = 0x32;
    EXPECT_EQ(advancedKeyFrame(39, nullptr), record);
}

TEST(DownloadFrames, AdvancedKeyRecordsByType)
{
    SeniorKeyInfoStu dks{};
    dks.type = SeniorKeyDKS;
    for (int i = 0; i < 4; ++i)
        dks.stroke[i] = 10 + i;
    for (int i = 0; i < 16; ++i)
        dks.grid[i] = i + 1;
    fixedtext::copy(dks.K1, "4");
    fixedtext::copy(dks.K2, "5,6");
    fixedtext::copy(dks.K3, "");
    fixedtext::copy(dks.K4, "41");
    const HidReport f = advancedKeyFrame(2, &dks);
    const std::vector<uint8_t> expected = {
        0x01, 0x2a, 2,    0,    0,  0x32, 1,      // header, type
        10,   11,   12,   13,                     // strokes
        0x00, 0x04, 0,    0,    1,  2,    3,  4,  // K1, grid 0-3
        0x13, 0xe0, 0xe2, 0x06, 5,  6,    7,  8,  // K2, grid 4-7
        0,    0,    0,    0,    9,  10,   11, 12, // K3, grid 8-11
        0x00, 41,   0,    0,    13, 14,   15, 16, // K4, grid 12-15
    };
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), f.begin()));
    EXPECT_TRUE(std::all_of(f.begin() + 43, f.end(), [](uint8_t b) { return b == 0; }));

    SeniorKeyInfoStu mt{};
    mt.type = SeniorKeyMT;
    fixedtext::copy(mt.K1, "1,4");
    fixedtext::copy(mt.K2, "7");
    mt.ValueTime = 259;
    const HidReport m = advancedKeyFrame(0, &mt);
    const std::vector<uint8_t> mtBytes = {2, 0x13, 0xe0, 0x04, 0, 0x00, 7, 0, 0, 25};
    EXPECT_TRUE(std::equal(mtBytes.begin(), mtBytes.end(), m.begin() + 6));
    EXPECT_TRUE(std::all_of(m.begin() + 16, m.end(), [](uint8_t b) { return b == 0; }));

    SeniorKeyInfoStu tgl{};
    tgl.type = SeniorKeyTGL;
    fixedtext::copy(tgl.K1, "9");
    fixedtext::copy(tgl.K2, "9"); // not part of a toggle record
    const HidReport t = advancedKeyFrame(1, &tgl);
    const std::vector<uint8_t> tglBytes = {3, 0x00, 9, 0, 0};
    EXPECT_TRUE(std::equal(tglBytes.begin(), tglBytes.end(), t.begin() + 6));
    EXPECT_TRUE(std::all_of(t.begin() + 11, t.end(), [](uint8_t b) { return b == 0; }));
}

} // namespace
