// The single-macro exchange file: what Export writes, what Import accepts, and the files Import
// refuses as a whole. Also the index choices of Add and Import.
#include "fixedtext.h"
#include "macrofile.h"
#include "macrostorefixture.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace macrofile;

namespace {

QByteArray fileWith(const QByteArray &items)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Parameters profileIndex=\"1\">\n"
           "    <macro index=\"3\" name=\"Macro3\">\n" +
           items + "    </macro>\n</Parameters>\n";
}

QByteArray item(const char *mark, const char *delay, const char *type, const char *code, const char *name,
                const char *side)
{
    return QByteArray("<item mark=\"") + mark + "\" delay=\"" + delay + "\" type=\"" + type +
           "\" keyCode=\"" + code + "\" codeName=\"" + name + "\" operateExplain=\"" + side + "\"/>\n";
}

std::vector<MacroNode> nodes(std::initializer_list<const char *> indexes)
{
    std::vector<MacroNode> out;
    for (const char *i : indexes)
        out.push_back(MacroNode{i, "M"});
    return out;
}

} // namespace

TEST(MacroFileWrite, ExportsTheExactDocument)
{
    QList<MacroEventRecord> events = MacroStoreFile::press(1, "mouse", 513, "Left Click", 0, 85);
    const QByteArray expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Parameters profileIndex=\"1\">\n"
        "    <macro index=\"3\" name=\"Macro3\">\n"
        "        <item mark=\"1\" delay=\"0\" type=\"mouse\" keyCode=\"513\" codeName=\"Left Click\" "
        "operateExplain=\"down\"/>\n"
        "        <item mark=\"1\" delay=\"85\" type=\"mouse\" keyCode=\"514\" codeName=\"Left Click\" "
        "operateExplain=\"up\"/>\n"
        "    </macro>\n"
        "</Parameters>\n";
    events[1] = MacroStoreFile::event(1, 85, "mouse", 514, "Left Click", "up");
    EXPECT_EQ(write(QStringLiteral("3"), QStringLiteral("Macro3"), events), expected);
    EXPECT_TRUE(write(QStringLiteral("4"), QStringLiteral("Empty"), {})
                    .contains("<macro index=\"4\" name=\"Empty\"/>"));
}

TEST(MacroFileRead, WhatExportWritesComesBackUnchanged)
{
    QList<MacroEventRecord> events = MacroStoreFile::press(1, "key", 50, "#~", 0, 40);
    events += MacroStoreFile::press(2, "key", 135, "ろ", 12, 30); // a label outside ASCII
    events += {MacroStoreFile::event(3, 5, "mouse", 519, "Center Click", "down"),
               MacroStoreFile::event(3, 7, "mouse", 520, "Center Click", "up")};
    const ParseResult read = parse(write(QStringLiteral("9"), QStringLiteral("Mixed & <odd>"), events));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    ASSERT_EQ(read.events.size(), events.size());
    for (int i = 0; i < events.size(); ++i)
        EXPECT_EQ(0, std::memcmp(&read.events[i], &events[i], sizeof(MacroEventRecord))) << i;
    EXPECT_EQ(read.macroName, QStringLiteral("Mixed & <odd>"));
}

TEST(MacroFileRead, TakesEventsByAttributeNameAnywhereBelowTheRoot)
{
    const QByteArray text = fileWith(
        "<item operateExplain=\"down\" codeName=\"A\" keyCode=\"4\" type=\"key\" delay=\"\" mark=\"7\"/>\n"
        "<note mark=\"9\"/>\n" // no type: not an event
        "<press mark=\"7\" type=\"key\" keyCode=\"4\" codeName=\"A\" operateExplain=\"up\" "
        "delay=\"70000\"/>\n");
    const ParseResult read = parse(text);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    ASSERT_EQ(read.events.size(), 2);
    EXPECT_EQ(fixedtext::view(read.events[0].delay), "0");     // empty delay reads 0
    EXPECT_EQ(fixedtext::view(read.events[1].delay), "65535"); // above the ceiling
    EXPECT_EQ(fixedtext::view(read.events[1].operateExplain), "up");
}

struct HostileCase
{
    const char *what;
    QByteArray text;
};

class MacroFileHostile : public ::testing::TestWithParam<HostileCase>
{
};

TEST_P(MacroFileHostile, IsRefusedAsAWhole)
{
    const ParseResult read = parse(GetParam().text);
    EXPECT_FALSE(read.ok);
    EXPECT_TRUE(read.events.isEmpty());
    EXPECT_FALSE(read.error.isEmpty());
}

namespace {

QByteArray manyPresses(int presses)
{
    QByteArray items;
    for (int i = 1; i <= presses; ++i) {
        const QByteArray m = QByteArray::number(i);
        items += item(m, "0", "key", "4", "A", "down") + item(m, "0", "key", "4", "A", "up");
    }
    return fileWith(items);
}

const QByteArray kPress = item("1", "0", "key", "4", "A", "down") + item("1", "5", "key", "4", "A", "up");

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Files, MacroFileHostile,
    ::testing::Values(
        HostileCase{"not well-formed", fileWith(kPress).left(120)},
        HostileCase{"error after good events", fileWith(kPress + "<item mark=\"2\" type=\"key\"")},
        HostileCase{"10000 events", manyPresses(5000)},
        HostileCase{"41 events", manyPresses(20) + item("30", "0", "key", "4", "A", "down")},
        HostileCase{"500-byte code name", fileWith(item("1", "0", "key", "4", QByteArray(500, 'n'), "down") +
                                                   item("1", "0", "key", "4", QByteArray(500, 'n'), "up"))},
        HostileCase{"500-byte mark", fileWith(item(QByteArray(500, '1'), "0", "key", "4", "A", "down"))},
        HostileCase{"type neither key nor mouse", fileWith(item("1", "0", "delay", "4", "A", "down") +
                                                           item("1", "0", "delay", "4", "A", "up"))},
        HostileCase{"side neither down nor up", fileWith(item("1", "0", "key", "4", "A", "press") +
                                                         item("1", "0", "key", "4", "A", "up"))},
        HostileCase{"delay not a number", fileWith(item("1", "soon", "key", "4", "A", "down") +
                                                   item("1", "0", "key", "4", "A", "up"))},
        HostileCase{"key code not a number", fileWith(item("1", "0", "key", "A", "A", "down") +
                                                      item("1", "0", "key", "A", "A", "up"))},
        HostileCase{"unknown key code -1", fileWith(item("1", "0", "key", "-1", "", "down") +
                                                    item("1", "0", "key", "-1", "", "up"))},
        HostileCase{"mouse wheel", fileWith(item("1", "0", "mouse", "522", "Wheel", "down") +
                                            item("1", "0", "mouse", "523", "Wheel", "up"))},
        HostileCase{"mouse release code on a press",
                    fileWith(item("1", "0", "mouse", "514", "Left Click", "down") +
                             item("1", "0", "mouse", "515", "x", "up"))},
        HostileCase{"press without release", fileWith(item("1", "0", "key", "4", "A", "down"))},
        HostileCase{"release without press", fileWith(item("1", "0", "key", "4", "A", "up"))},
        HostileCase{"release of another key", fileWith(item("1", "0", "key", "4", "A", "down") +
                                                       item("1", "0", "key", "5", "B", "up"))},
        HostileCase{"two presses with one mark", fileWith(kPress + kPress)},
        HostileCase{"entity declared in a document type",
                    "<?xml version=\"1.0\"?>\n<!DOCTYPE Parameters [<!ENTITY a \"AAAAAAAAAA\">"
                    "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n<Parameters><macro index=\"1\" "
                    "name=\"&b;\"/></Parameters>"},
        HostileCase{"undeclared entity", fileWith("<item mark=\"1\" type=\"&x;\"/>")},
        HostileCase{"external entity", "<?xml version=\"1.0\"?>\n<!DOCTYPE Parameters [<!ENTITY e SYSTEM "
                                       "\"file:///etc/passwd\">]>\n<Parameters>&e;</Parameters>"},
        HostileCase{"another root element", "<Profiles>" + kPress + "</Profiles>"},
        HostileCase{"larger than the cap", fileWith(kPress + QByteArray(int(kMaxFileBytes), ' '))},
        HostileCase{"empty file", QByteArray()}),
    [](const ::testing::TestParamInfo<HostileCase> &param) {
        std::string name;
        for (const char c : std::string(param.param.what))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(MacroFileRead, FortyEventsAreTheCap)
{
    const ParseResult forty = parse(manyPresses(20));
    EXPECT_TRUE(forty.ok) << forty.error.toStdString();
    EXPECT_EQ(forty.events.size(), 40);
    EXPECT_TRUE(parse(fileWith({})).ok) << "a macro without events";
}

TEST(MacroFileNames, ImportedNameComesFromTheFileName)
{
    const struct
    {
        const char *path;
        const char *name;
    } cases[] = {{"/d/Macro3.xml", "Macro3"},
                 {"/d/Combo.fast.xml", "Combo"},
                 {"/d/.xml", "Macro6"},
                 {"/d/noext", "noext"},
                 {"/d/Größe.xml", "Größe"}};
    for (const auto &c : cases)
        EXPECT_EQ(importedName(QString::fromUtf8(c.path), 6), QString::fromUtf8(c.name)) << c.path;
    const QString longName = importedName(QStringLiteral("/d/") + QString(40, QChar(0x00E9)) + ".xml", 1);
    EXPECT_EQ(longName.toUtf8().size(), 62) << "cut to the field on a character boundary";
}

TEST(MacroFileNames, ExportedNameStaysAFileNameInTheFolder)
{
    const struct
    {
        const char *name;
        const char *base;
    } cases[] = {{"Macro3", "Macro3"},
                 {"Combo.fast", "Combo.fast"},
                 {"../../etc/x", ".._.._etc_x"},
                 {"a/b\\c:d*e?f\"g<h>i|j", "a_b_c_d_e_f_g_h_i_j"},
                 {"..", "Macro7"},
                 {".", "Macro7"},
                 {"", "Macro7"},
                 {"  ", "Macro7"},
                 {"tab\there", "tab_here"}};
    for (const auto &c : cases)
        EXPECT_EQ(exportBaseName(QString::fromUtf8(c.name), QStringLiteral("7")), QString::fromUtf8(c.base))
            << c.name;
    EXPECT_LE(exportBaseName(QString(300, QLatin1Char('x')), QStringLiteral("1")).toUtf8().size(), 200);
}

TEST(MacroFileIndexes, AddTakesTheLowestFreeAndImportTheNextAfterTheHighest)
{
    const struct
    {
        std::vector<MacroNode> stored;
        int add;
        int import;
    } cases[] = {{nodes({}), 1, 1},         {nodes({"1", "2", "3"}), 4, 4},
                 {nodes({"2", "3"}), 1, 4}, {nodes({"1", "2", "5", "6"}), 3, 7},
                 {nodes({"1", "3"}), 2, 4}, {nodes({"1", "3", "2"}), 4, 4},
                 {nodes({"3", "1"}), 2, 4}, {nodes({"5", "1", "2"}), 3, 6},
                 {nodes({"x", "1"}), 2, 2}, {nodes({"0", "1"}), 2, 2}};
    for (const auto &c : cases) {
        EXPECT_EQ(lowestFreeIndex(c.stored), c.add);
        EXPECT_EQ(nextImportIndex(c.stored), c.import);
    }
    // An index keys still play (its macro deleted) is not handed out again.
    const IndexTaken bound = [](int i) { return i == 2 || i == 4; };
    EXPECT_EQ(lowestFreeIndex(nodes({"1", "3"}), bound), 5);
    EXPECT_EQ(nextImportIndex(nodes({"1", "3"}), bound), 5);
}
