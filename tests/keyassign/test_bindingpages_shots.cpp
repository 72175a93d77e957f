// Pictures of the macro, text, launch-application, switch-profile and advanced-key binding pages in
// the host's colours, each with a stored item shown, for people to look at.
#include "bindingpages_fixture.h"
#include "themeshots.h"

#include <QTest>

namespace {

class BindingPageShots : public ThemeShotTest
{
};

TEST_P(BindingPageShots, EachPageWithAStoredItem)
{
    XmlStore::instance().clearCache();
    ProfileFolder folder;
    const keyfunctionitem::Target layer{folder.defaultLayer, "2"};
    DDataManager *dm = DDataManager::getInstance();
    const QByteArray macros = QFile::encodeName(folder.dir.filePath(QStringLiteral("appMacro.xml")));
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(macros.constData()));
    ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(macros.constData(), "1", "Copy and paste"));
    ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(macros.constData(), "2", "Greeting"));
    ASSERT_TRUE(dm->setMacroXmlPath(macros.constData()));
    const QByteArray senior = QFile::encodeName(folder.dir.filePath(QStringLiteral("SeniorKeyConfig.xml")));
    ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateXMLFile(senior.constData()));
    ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(senior.constData()));
    SeniorKeyInfoStu record{};
    record.index = 1;
    record.type = 2;
    fixedtext::copy(record.name, "Tap for Esc, hold for Ctrl");
    ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(senior.constData(), record.type, record));
    ASSERT_TRUE(dm->setSeniorKeyXmlPath(senior.constData()));
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(folder.defaultLayer.constData(), "3", "Game", 0));

    const struct
    {
        const char *typeButton;
        const char *name;
        int type;
        int repeat;
        int playMode;
        const char *value;
    } pages[] = {
        {"toolButton_Macro", "page-macro", 1, 12, 2, "2"},
        {"toolButton_Text", "page-text", 6, 1, 1, "Hello,\nsee you at eight."},
        {"toolButton_OpenApp", "page-openapp", 8, 1, 1, "/usr/local/bin/my editor"},
        {"toolButton_SwitchProfile", "page-switchprofile", 7, 1, 1, "3"},
        {"toolButton_SeniorKeys", "page-seniorkeys", 40, 1, 1, "1"},
    };
    for (const auto &p : pages) {
        SCOPED_TRACE(p.name);
        DCustomKeysPage host;
        folder.publishTo(host);
        host.resize(1000, 300);
        ASSERT_TRUE(
            keyfunctionitem::save(layer, 4, QStringLiteral("A"), p.type, p.repeat, p.playMode, p.value));
        dm->setCurrentKey(4, QStringLiteral("A"));
        host.findChild<QToolButton *>(QLatin1String(p.typeButton))->click();
        host.show();
        QTest::qWait(250); // the scroll bars' sheet follows the theme a moment later
        saveShot(host, p.name, ThemeColors::toColor(theme.DeviceRightBgColor));
    }
    dm->resetCurrentKey();
}

INSTANTIATE_TEST_SUITE_P(Themes, BindingPageShots,
                         testing::Values(ThemeCase{0, "black"}, ThemeCase{1, "light"}), themeCaseName);

} // namespace
