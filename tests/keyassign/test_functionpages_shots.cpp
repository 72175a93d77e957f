// Pictures of the option, command, Default and Disable pages in the host's colours, with a
// selected key and a checked button, for people to look at.
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "dkeyfunctionpage.h"
#include "keyassign_fixture.h"
#include "keyfunctionitem.h"
#include "themeshots.h"

#include <QToolButton>

namespace {

class FunctionPageShots : public ThemeShotTest
{
};

TEST_P(FunctionPageShots, EachPageWithAStoredItem)
{
    DDataManager *dm = DDataManager::getInstance();
    dm->setMagneticKeyboard(true);
    dm->setHidDeviceType(4);
    ProfileFolder folder;
    const keyfunctionitem::Target layer{folder.defaultLayer, "2"};
    const struct
    {
        const char *typeButton;
        const char *name;
        int type;
        int playMode;
        const char *value;
    } pages[] = {
        {"toolButton_Shortcuts", "page-shortcuts", 9, 1, "5"},
        {"toolButton_Multimedia", "page-multimedia", 3, 1, "11"},
        {"toolButton_Mouse", "page-mouse", 4, 1, "3"},
        {"toolButton_KeyConfigFunction", "page-keyconfig", 19, 0, "0"},
        {"toolButton_KBLightAbout", "page-keyboardlight", 26, 1, "0"},
        {"toolButton_SideLightAbout", "page-sidelight", 34, 0, "2"},
        {"toolButton_Default", "page-default", 1, 1, "3"},
        {"toolButton_Disable", "page-disable", 5, 1, "-1"},
    };
    for (const auto &p : pages) {
        SCOPED_TRACE(p.name);
        DCustomKeysPage host;
        folder.publishTo(host);
        host.resize(1000, 300);
        ASSERT_TRUE(keyfunctionitem::save(layer, 4, QStringLiteral("A"), p.type, 1, p.playMode, p.value));
        dm->setCurrentKey(4, QStringLiteral("A"));
        host.findChild<QToolButton *>(QLatin1String(p.typeButton))->click();
        saveShot(host, p.name, ThemeColors::toColor(theme.DeviceRightBgColor));
    }
    dm->resetCurrentKey();
    dm->setMagneticKeyboard(false);
    dm->setHidDeviceType(1);
}

INSTANTIATE_TEST_SUITE_P(Themes, FunctionPageShots,
                         testing::Values(ThemeCase{0, "black"}, ThemeCase{1, "light"}), themeCaseName);

} // namespace
