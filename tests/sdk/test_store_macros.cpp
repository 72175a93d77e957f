#include "storefixture.h"

namespace {

class MacroStore : public StoreTest
{
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        m_macros = file("appMacro.xml");
        ASSERT_TRUE(CQuelmoXML_CreateXMLFile(m()));
    }
    const char *m() const { return m_macros.constData(); }

    std::vector<std::string> events(const char *index)
    {
        QList<MacroEventRecord> list;
        EXPECT_TRUE(CQuelmoXML_SelectAllKeyOrMouseEvent(m(), index, &list));
        std::vector<std::string> out;
        for (const MacroEventRecord &r : list)
            out.push_back(std::string(r.mark) + r.operateExplain + "@" + r.delay);
        return out;
    }

    // Macro 1: press 1 (down, up) then press 2 (down, up).
    void twoPresses()
    {
        ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(m(), "1", "Macro1"));
        ASSERT_TRUE(CQuelmoXML_AddKeyOrMouseEventItem(
            m(),
            {macroEvent("1", "0", "key", "4", "A", "down"), macroEvent("1", "10", "key", "4", "A", "up")},
            "1"));
        ASSERT_TRUE(
            CQuelmoXML_AddKeyOrMouseEventItem(m(),
                                              {macroEvent("2", "20", "mouse", "513", "Left Click", "down"),
                                               macroEvent("2", "30", "mouse", "514", "Left Click", "up")},
                                              "1"));
    }

    QByteArray m_macros;
};

TEST_F(MacroStore, MacrosAreListedInStoreOrderAndRenamed)
{
    ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(m(), "3", "Macro3"));
    ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(m(), "1", "Makro ✓"));
    EXPECT_FALSE(CQuelmoXML_CreateMacroXmlParentNode(m(), "3", "again")) << "duplicate index";
    EXPECT_TRUE(CQuelmoXML_ModifyMacroNodeName(m(), "3", "Renamed"));
    EXPECT_FALSE(CQuelmoXML_ModifyMacroNodeName(m(), "9", "x"));
    EXPECT_FALSE(CQuelmoXML_ModifyMacroNodeName(m(), "3", "\x01"));

    std::vector<MacroNode> nodes;
    ASSERT_TRUE(CQuelmoXML_SelectMacroAllNodes(m(), &nodes));
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_EQ(nodes[0].index, "3");
    EXPECT_EQ(nodes[0].name, "Renamed");
    EXPECT_EQ(nodes[1].index, "1");
    EXPECT_EQ(nodes[1].name, "Makro ✓");

    EXPECT_TRUE(CQuelmoXML_DeleteMacroNode(m(), "3"));
    EXPECT_FALSE(CQuelmoXML_DeleteMacroNode(m(), "3"));
    nodes.clear();
    ASSERT_TRUE(CQuelmoXML_SelectMacroAllNodes(m(), &nodes));
    EXPECT_EQ(nodes.size(), 1u);
}

TEST_F(MacroStore, EventsKeepPlayOrderAndEveryField)
{
    twoPresses();
    EXPECT_EQ(events("1"), (std::vector<std::string>{"1down@0", "1up@10", "2down@20", "2up@30"}));
    QList<MacroEventRecord> list;
    ASSERT_TRUE(CQuelmoXML_SelectAllKeyOrMouseEvent(m(), "1", &list));
    EXPECT_EQ(describe(list[2]), "2/20/mouse/513/Left Click/down");

    EXPECT_TRUE(CQuelmoXML_AddKeyOrMouseEventItem(m(), {}, "1")) << "an empty list changes nothing";
    EXPECT_FALSE(CQuelmoXML_AddKeyOrMouseEventItem(m(), {}, "9")) << "no such macro";
    list.clear();
    EXPECT_FALSE(CQuelmoXML_SelectAllKeyOrMouseEvent(m(), "9", &list));
    EXPECT_TRUE(list.isEmpty());
}

TEST_F(MacroStore, DeleteRemovesEveryEventOfTheMark)
{
    twoPresses();
    EXPECT_TRUE(CQuelmoXML_DeleteEventItem(m(), "1", "1"));
    EXPECT_EQ(events("1"), (std::vector<std::string>{"2down@20", "2up@30"}));
    EXPECT_FALSE(CQuelmoXML_DeleteEventItem(m(), "1", "1"));
}

TEST_F(MacroStore, ReplaceSwapsTheEventsAndKeepsNameAndPlace)
{
    ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(m(), "3", "Before"));
    twoPresses();
    ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(m(), "5", "After"));
    ASSERT_TRUE(CQuelmoXML_AddKeyOrMouseEventItem(
        m(), {macroEvent("1", "0", "key", "6", "C", "down"), macroEvent("1", "5", "key", "6", "C", "up")},
        "5"));

    ASSERT_TRUE(CQuelmoXML_ReplaceMacroEvents(
        m(), "1",
        {macroEvent("4", "7", "key", "5", "B", "down"), macroEvent("4", "8", "key", "5", "B", "up")}));
    EXPECT_EQ(events("1"), (std::vector<std::string>{"4down@7", "4up@8"}));
    EXPECT_EQ(events("5"), (std::vector<std::string>{"1down@0", "1up@5"})) << "other macros untouched";
    std::vector<MacroNode> nodes;
    ASSERT_TRUE(CQuelmoXML_SelectMacroAllNodes(m(), &nodes));
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[1].index, "1");
    EXPECT_EQ(nodes[1].name, "Macro1");

    // Refused as a whole: an unknown macro, or one event the store cannot hold.
    const QByteArray before = readAll(m_macros);
    EXPECT_FALSE(CQuelmoXML_ReplaceMacroEvents(m(), "9", {macroEvent("1", "0", "key", "4", "A", "down")}));
    EXPECT_FALSE(CQuelmoXML_ReplaceMacroEvents(
        m(), "1",
        {macroEvent("1", "0", "key", "4", "A", "down"), macroEvent("1", "0", "key", "4", "\x01", "up")}));
    EXPECT_EQ(events("1"), (std::vector<std::string>{"4down@7", "4up@8"}));
    EXPECT_EQ(readAll(m_macros), before);

    EXPECT_TRUE(CQuelmoXML_ReplaceMacroEvents(m(), "1", {})) << "an empty list clears the macro";
    EXPECT_TRUE(events("1").empty());
    nodes.clear();
    ASSERT_TRUE(CQuelmoXML_SelectMacroAllNodes(m(), &nodes));
    EXPECT_EQ(nodes.size(), 3u);
}

TEST_F(MacroStore, AFailedReplaceLeavesFileAndEventsAsTheyWere)
{
    twoPresses();
    const QByteArray before = readAll(m_macros);
    XmlStore::instance().setWriterForTesting([](QIODevice &device, const QByteArray &data) -> qint64 {
        device.write(data.left(data.size() / 2));
        return -1;
    });
    EXPECT_FALSE(CQuelmoXML_ReplaceMacroEvents(m(), "1", {macroEvent("4", "7", "key", "5", "B", "down")}));
    EXPECT_FALSE(CQuelmoXML_ReplaceMacroEvents(m(), "1", {}));
    XmlStore::instance().setWriterForTesting({});

    EXPECT_EQ(readAll(m_macros), before);
    EXPECT_EQ(events("1"), (std::vector<std::string>{"1down@0", "1up@10", "2down@20", "2up@30"}))
        << "the store does not pretend the replace happened";
}

struct UpdateCase
{
    int side;
    std::vector<std::string> expected;
};

class MacroUpdate : public MacroStore, public testing::WithParamInterface<UpdateCase>
{
};

TEST_P(MacroUpdate, RewritesOnlyTheEventOfThatSide)
{
    twoPresses();
    const char *explain = GetParam().side == 0 ? "down" : "up";
    ASSERT_TRUE(CQuelmoXML_UpdateEventItem(m(), "1", "2", GetParam().side,
                                           macroEvent("2", "99", "key", "5", "B", explain)));
    EXPECT_EQ(events("1"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Store, MacroUpdate,
                         testing::Values(UpdateCase{0, {"1down@0", "1up@10", "2down@99", "2up@30"}},
                                         UpdateCase{1, {"1down@0", "1up@10", "2down@20", "2up@99"}}));

struct MoveCase
{
    const char *mark;
    int direction;
    int side;
    bool moved;
    std::vector<std::string> expected;
};

class MacroMove : public MacroStore, public testing::WithParamInterface<MoveCase>
{
};

TEST_P(MacroMove, MovesOneEventOnePlace)
{
    twoPresses();
    const MoveCase &c = GetParam();
    EXPECT_EQ(CQuelmoXML_MacroEventItemUpOrDownOperate(m(), "1", c.mark, c.direction, c.side), c.moved);
    EXPECT_EQ(events("1"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Store, MacroMove,
    testing::Values(MoveCase{"2", 1, 0, true, {"1down@0", "2down@20", "1up@10", "2up@30"}},
                    MoveCase{"1", 0, 1, true, {"1down@0", "2down@20", "1up@10", "2up@30"}},
                    MoveCase{"1", 1, 0, false, {"1down@0", "1up@10", "2down@20", "2up@30"}},
                    MoveCase{"2", 0, 1, false, {"1down@0", "1up@10", "2down@20", "2up@30"}},
                    MoveCase{"7", 1, 0, false, {"1down@0", "1up@10", "2down@20", "2up@30"}}));

} // namespace
