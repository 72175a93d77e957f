// The Macro tab through the host page: which macro a key gets, when the profile gets its copy of
// the macro's events, and which repeat counts are written.
#include "bindingpages_fixture.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr char kPage[] = "DMacroCmdPage";
constexpr char kTab[] = "toolButton_Macro";

MacroEventRecord event(int mark, const char *code, const char *operate)
{
    MacroEventRecord r{};
    fixedtext::copy(r.mark, std::to_string(mark).c_str());
    fixedtext::copy(r.delay, "10");
    fixedtext::copy(r.type, "key");
    fixedtext::copy(r.keyCode, code);
    fixedtext::copy(r.codeName, code);
    fixedtext::copy(r.operateExplain, operate);
    return r;
}

class MacroBinding : public BindingPages
{
protected:
    // Macros 5 "Copy", 7 "Paste", 9 "Paste" (ids that are not list positions, names that repeat),
    // each with one press of its own key.
    void addMacros()
    {
        const struct
        {
            const char *id;
            const char *name;
            const char *code;
        } macros[] = {{"5", "Copy", "6"}, {"7", "Paste", "25"}, {"9", "Paste", "27"}};
        for (const auto &m : macros) {
            ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(macroFile.constData(), m.id, m.name));
            ASSERT_TRUE(CQuelmoXML_AddKeyOrMouseEventItem(
                macroFile.constData(), {event(1, m.code, "down"), event(1, m.code, "up")}, m.id));
        }
    }
    QComboBox *combo() const { return widget<QComboBox>(kPage, "comboBox_Macro"); }
    QLineEdit *repeatField() const { return widget<QLineEdit>(kPage, "lineEdit_playMany"); }
    QRadioButton *mode(const char *name) const { return widget<QRadioButton>(kPage, name); }
    void pickMacro(int id)
    {
        const int entry = combo()->findData(QString::number(id));
        ASSERT_GE(entry, 0) << id;
        pick(combo(), entry);
    }
    // The key codes of the profile's copy of a macro, in order; empty when there is no copy.
    QStringList copyOf(int id) const
    {
        QList<MacroEventRecord> events;
        const QByteArray idText = QByteArray::number(id);
        CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(folder.defaultLayer.constData(), "2", idText.constData(),
                                                    ("Macro" + idText).constData(), &events);
        QStringList codes;
        for (const MacroEventRecord &e : qAsConst(events))
            codes << QString::fromLatin1(e.keyCode);
        return codes;
    }
    void expectItem(int keyCode, const char *repeat, const char *playMode, const char *value)
    {
        KeyOperateInfo info{};
        ASSERT_TRUE(stored(keyCode, info)) << keyCode;
        EXPECT_STREQ(info.type, "1");
        EXPECT_STREQ(info.repeat, repeat);
        EXPECT_STREQ(info.playMode, playMode);
        EXPECT_STREQ(info.value, value);
    }
};

TEST_F(MacroBinding, TheFirstKeyOfAMacroCopiesItsEventsAndLaterKeysShareTheCopy)
{
    addMacros();
    open(kKeyA, kTab);
    pickMacro(7);
    expectItem(kKeyA, "1", "1", "7");
    EXPECT_EQ(copyOf(7), (QStringList{"25", "25"}));

    // The macro changes in the store; only the device page refreshes copies, never a binding.
    ASSERT_TRUE(CQuelmoXML_AddKeyOrMouseEventItem(macroFile.constData(),
                                                  {event(2, "40", "down"), event(2, "40", "up")}, "7"));
    open(kKeyB, kTab);
    pickMacro(7);
    mode("radioButton_playKeyPressRelStop")->click();
    expectItem(kKeyB, "1", "3", "7");
    EXPECT_EQ(copyOf(7), (QStringList{"25", "25"})) << "a second key reuses the first key's copy";

    open(kKeyA, kTab);
    pickMacro(7);
    EXPECT_EQ(copyOf(7), (QStringList{"25", "25"})) << "re-binding the same macro copies nothing";

    pickMacro(9);
    expectItem(kKeyA, "1", "1", "9");
    EXPECT_EQ(copyOf(9), (QStringList{"27", "27"}));
    EXPECT_EQ(copyOf(7), (QStringList{"25", "25"})) << "the copy key B still uses stays";
}

TEST_F(MacroBinding, AKeyWithoutAMacroGetsTheShownOneAndAnEmptyListWritesNothing)
{
    addMacros();
    open(kKeyA, kTab);
    ASSERT_EQ(combo()->currentText(), QStringLiteral("Copy"));
    PageSignals heard(page(kPage));
    mode("radioButton_playWhellKeyPress")->click();
    expectItem(kKeyA, "1", "4", "5");
    EXPECT_EQ(copyOf(5), (QStringList{"6", "6"}));
    EXPECT_EQ(copyOf(1), QStringList()) << "no copy of a macro nobody chose";
    EXPECT_EQ(heard.writes(), 1);

    // A macro store without macros: nothing to bind.
    for (const char *id : {"5", "7", "9"})
        ASSERT_TRUE(CQuelmoXML_DeleteMacroNode(macroFile.constData(), id));
    open(kKeyB, kTab);
    EXPECT_EQ(combo()->count(), 0);
    PageSignals none(page(kPage));
    mode("radioButton_playOne")->click();
    mode("radioButton_playMany")->click();
    KeyOperateInfo info{};
    EXPECT_FALSE(stored(kKeyB, info));
    EXPECT_EQ(none.writes(), 0);
    EXPECT_EQ(none.failed.count(), 0);
}

TEST_F(MacroBinding, OnlyRepeatCountsFrom1To255AreWritten)
{
    addMacros();
    open(kKeyA, kTab);
    pickMacro(7);
    ASSERT_FALSE(repeatField()->isEnabled());
    mode("radioButton_playMany")->click();
    ASSERT_TRUE(repeatField()->isEnabled());
    expectItem(kKeyA, "1", "2", "7");

    const struct
    {
        const char *text;
        const char *stored; // the repeat count the key holds afterwards
        bool writes;
    } edits[] = {
        {"12", "12", true},    {"", "12", false},    {"0", "12", false}, {"255", "255", true},
        {"256", "255", false}, {"-3", "255", false}, {"1", "1", true},
    };
    for (const auto &e : edits) {
        SCOPED_TRACE(e.text);
        PageSignals heard(page(kPage));
        repeatField()->setText(QString::fromLatin1(e.text));
        EXPECT_EQ(heard.writes(), e.writes ? 1 : 0);
        expectItem(kKeyA, e.stored, "2", "7");
    }

    // Typing goes through the validator: "12" after the field was emptied writes "1", then "12".
    repeatField()->clear();
    PageSignals typed(page(kPage));
    QTest::keyClicks(repeatField(), QStringLiteral("12"));
    EXPECT_EQ(typed.writes(), 2);
    expectItem(kKeyA, "12", "2", "7");

    // Another play mode writes repeat "1"; back to many times, the last valid count returns.
    mode("radioButton_playOne")->click();
    expectItem(kKeyA, "1", "1", "7");
    repeatField()->clear();
    mode("radioButton_playMany")->click();
    expectItem(kKeyA, "12", "2", "7");
    EXPECT_EQ(repeatField()->text(), QStringLiteral("12"));
}

TEST_F(MacroBinding, AStoredBindingLoadsByIdWithItsPlayMode)
{
    addMacros();
    const struct
    {
        int playMode;
        const char *repeat;
        int macroId;
        const char *checked;
        const char *field;
        bool fieldEnabled;
        const char *shownId;
    } loads[] = {
        {2, "5", 9, "radioButton_playMany", "5", true, "9"},
        {3, "1", 7, "radioButton_playKeyPressRelStop", "1", false, "7"},
        {4, "1", 5, "radioButton_playWhellKeyPress", "1", false, "5"},
        // A macro deleted from the store: the first entry is shown, the bound id is kept.
        {1, "1", 42, "radioButton_playOne", "1", false, "5"},
    };
    for (const auto &l : loads) {
        SCOPED_TRACE(l.macroId);
        ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, "A", 1, QByteArray(l.repeat).toInt(), l.playMode,
                                          QByteArray::number(l.macroId)));
        PageSignals heard(page(kPage));
        select(kKeyA);
        EXPECT_TRUE(mode(l.checked)->isChecked());
        EXPECT_EQ(repeatField()->text(), QLatin1String(l.field));
        EXPECT_EQ(repeatField()->isEnabled(), l.fieldEnabled);
        EXPECT_EQ(combo()->currentData().toString(), QLatin1String(l.shownId));
        EXPECT_EQ(heard.writes(), 0) << "loading writes nothing";
    }
    // The key bound to the deleted macro keeps it on a play-mode change, and gets no copy: it
    // counts as that macro's user itself.
    mode("radioButton_playKeyPressRelStop")->click();
    expectItem(kKeyA, "1", "3", "42");
    EXPECT_EQ(copyOf(42), QStringList());
}

TEST_F(MacroBinding, ARefusedWriteIsReportedAndLeavesKeyAndCopyAsTheyWere)
{
    addMacros();
    open(kKeyA, kTab);
    PageSignals heard(page(kPage));
    failWrites();
    pickMacro(7);
    XmlStore::instance().setWriterForTesting({});
    XmlStore::instance().clearCache();
    ASSERT_EQ(heard.failed.count(), 1);
    EXPECT_EQ(heard.failed.at(0).at(0).toInt(), 1);
    EXPECT_EQ(heard.failed.at(0).at(1).toInt(), DKeyFunctionPage::kSaveErrorStore);
    EXPECT_EQ(heard.writes(), 0);
    KeyOperateInfo info{};
    EXPECT_FALSE(stored(kKeyA, info));
    EXPECT_EQ(copyOf(7), QStringList());
}

TEST_F(MacroBinding, ALanguageChangeWritesNothingAndKeepsWhatIsShown)
{
    addMacros();
    open(kKeyA, kTab);
    pickMacro(9);
    mode("radioButton_playMany")->click();
    repeatField()->setText(QStringLiteral("7"));
    PageSignals heard(page(kPage));
    host->retranslate();
    EXPECT_EQ(heard.writes(), 0);
    EXPECT_EQ(repeatField()->text(), QStringLiteral("7"));
    EXPECT_TRUE(mode("radioButton_playMany")->isChecked());
    EXPECT_EQ(combo()->currentData().toString(), QStringLiteral("9"));
}

} // namespace
