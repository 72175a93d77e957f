#include "arrowwidget.h"
#include "colorinfodata.h"
#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "dlightsconfigpage.h"
#include "recordinghid.h"
#include "slidercustomwidget.h"
#include "svcolorarea.h"
#include "testenv.h"
#include "xmlstore.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <sys/stat.h>

namespace {

const QStringList kKeyboardButtons{
    "toolButton_Static",        "toolButton_Neon",     "toolButton_Breath",    "toolButton_Wave",
    "toolButton_Twinkle",       "toolButton_Snack",    "toolButton_Radar",     "toolButton_AutoRipple",
    "toolButton_Striation",     "toolButton_Aurora",   "toolButton_Ripple",    "toolButton_Reactive",
    "toolButton_Cross",         "toolButton_MouseDPI", "toolButton_Fireworks", "toolButton_SpeedRespond",
    "toolButton_MusicalRhythm", "toolButton_CustomLed"};
const QStringList kSideButtons{"toolButton_SideStatic", "toolButton_SideNeon",      "toolButton_SideBreath",
                               "toolButton_SideWave",   "toolButton_SideCollision", "toolButton_SideClose"};

LightModeSupport modes(QList<int> types, int steps = 4)
{
    LightModeSupport m;
    m.lightTypes = std::move(types);
    m.speedSteps = steps;
    m.brightnessSteps = steps;
    return m;
}

const QList<int> kAllKeyboardTypes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16};
const QList<int> kAllSideTypes{0, 1, 2, 3, 4, 5};

class LightsPageTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        DDataManager::getInstance()->loadTheme(0);
        XmlStore::instance().clearCache();
        profile = QFile::encodeName(QDir(testenv::home()).filePath(QStringLiteral("lights-profile.xml")));
        QFile::remove(QFile::decodeName(profile));
        ASSERT_TRUE(CQuelmoXML_CreateXMLFile(profile.constData()));
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(profile.constData(), "1", "Lights", 0));
        page = std::make_unique<DLightsConfigPage>();
        page->setProfileIndex(1);
        page->setProfileXmlPath(profile.constData());
        page->setHidInterface(&hid);
        page->setSupportedLightModes(modes(kAllKeyboardTypes), modes(kAllSideTypes));
        page->applyTheme();
        page->resize(1098, 272);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }
    void TearDown() override { page.reset(); }

    template <typename T = QWidget> T *child(const QString &name) const
    {
        T *w = page->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QAbstractButton *button(const QString &name) const { return child<QAbstractButton>(name); }
    bool shown(const QString &name) const { return child(name)->isVisibleTo(page.get()); }

    colorInfoData stored(int hidType, int type) const
    {
        colorInfoData c;
        EXPECT_TRUE(CQuelmoXML_SelectProfileColorDataInfo(profile.constData(), "1", hidType, type,
                                                          reinterpret_cast<int *>(&c)));
        return c;
    }
    void store(const colorInfoData &c) const
    {
        if (CQuelmoXML_IsProFileAlreadyHaveLightInfo(profile.constData(), "1", c.hidType, c.ledType))
            ASSERT_TRUE(
                CQuelmoXML_ModifyProFileLightInfoItem(profile.constData(), "1", c.hidType, c.ledType, c));
        else
            ASSERT_TRUE(CQuelmoXML_AddProFileLightInfoItem(profile.constData(), "1", c));
    }
    ino_t profileInode() const
    {
        struct stat st
        {
        };
        ::stat(profile.constData(), &st);
        return st.st_ino;
    }
    void toSide() { QTest::mouseClick(button("toolButton_LightSelectTypeChanged"), Qt::LeftButton); }
    void typeInto(const char *edit, const QString &text)
    {
        auto *e = child<QLineEdit>(QString::fromLatin1(edit));
        page->activateWindow();
        e->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([e] { return e->hasFocus(); }));
        e->setText(text);
    }

    QByteArray profile;
    RecordingHid hid;
    std::unique_ptr<DLightsConfigPage> page;
};

TEST_F(LightsPageTest, ConstructionState)
{
    DLightsConfigPage fresh;
    int checked = 0;
    for (const QString &n : kKeyboardButtons + kSideButtons)
        checked += fresh.findChild<QAbstractButton *>(n)->isChecked() ? 1 : 0;
    // One in each of the two mode groups.
    EXPECT_EQ(checked, 2);
    EXPECT_TRUE(fresh.findChild<QAbstractButton *>("toolButton_Static")->isChecked());
    EXPECT_TRUE(fresh.findChild<QAbstractButton *>("pushButton_Left")->isChecked());
    EXPECT_TRUE(fresh.findChild<QAbstractButton *>("pushButton_TopColor")->isChecked());
    EXPECT_EQ(fresh.findChild<QStackedWidget *>("stackedWidget")->currentIndex(), 0);
    EXPECT_EQ(fresh.findChild<QLabel *>("label_LightMode")->text(), "Static");
    EXPECT_EQ(fresh.findChild<QLineEdit *>("lineEdit_G")->maxLength(), 3);
    EXPECT_FALSE(fresh.findChild<QAbstractButton *>("pushButton_CW")->isVisibleTo(&fresh));
    EXPECT_EQ(fresh.findChild<SVColorArea *>()->parentWidget()->objectName(), "frame_Color");
    auto *brightness = fresh.findChild<sliderCustomWidget *>("slider_Brightness");
    ASSERT_NE(brightness, nullptr);
    EXPECT_EQ(brightness->stepCount(), 5);
    EXPECT_EQ(brightness->size(), QSize(140, 40));
    // Before any mode is known the label falls back to Wave.
    fresh.retranslate();
    EXPECT_EQ(fresh.findChild<QLabel *>("label_LightMode")->text(), "Wave");
}

struct ModeCase
{
    const char *button;
    int hidType;
    int type;
    const char *name;
};

// Every key and side effect a user can pick reaches the keyboard with its own record.
TEST_F(LightsPageTest, EveryModeButtonSelectsItsType)
{
    const ModeCase cases[] = {
        {"toolButton_Static", 0, 0, "Static"},
        {"toolButton_Neon", 0, 3, "Neon"},
        {"toolButton_Breath", 0, 1, "Breath"},
        {"toolButton_Wave", 0, 2, "Wave"},
        {"toolButton_Twinkle", 0, 9, "Twinkle"},
        {"toolButton_Snack", 0, 5, "Snake"},
        {"toolButton_Radar", 0, 4, "Radar"},
        {"toolButton_AutoRipple", 0, 14, "Auto Ripple"},
        {"toolButton_Striation", 0, 15, "Striation"},
        {"toolButton_Aurora", 0, 7, "Aurora"},
        {"toolButton_Ripple", 0, 8, "Ripple"},
        {"toolButton_Reactive", 0, 6, "Reactive"},
        {"toolButton_Cross", 0, 11, "Cross"},
        {"toolButton_Fireworks", 0, 16, "Fireworks"},
        {"toolButton_SpeedRespond", 0, 12, "Speed Respond"},
        {"toolButton_MusicalRhythm", 0, 100, "Musical Rhythm"},
        {"toolButton_CustomLed", 0, 10, "Custom"},
        {"toolButton_SideStatic", 1, 0, "Static"},
        {"toolButton_SideNeon", 1, 4, "Neon"},
        {"toolButton_SideBreath", 1, 1, "Breath"},
        {"toolButton_SideWave", 1, 2, "Wave"},
        {"toolButton_SideCollision", 1, 3, "Collision"},
        {"toolButton_SideClose", 1, 5, "Close"},
    };
    page->showKeyboardLightPage();
    for (const ModeCase &c : cases) {
        SCOPED_TRACE(c.button);
        if (c.hidType == 1 && page->shownTarget() == 0)
            toSide();
        QSignalSpy kb(page.get(), &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
        QSignalSpy side(page.get(), &DLightsConfigPage::sigSelectCurrentLightTypeIndex_Side);
        hid.sent.clear();
        QTest::mouseClick(button(c.button), Qt::LeftButton);
        QSignalSpy &spy = c.hidType == 0 ? kb : side;
        ASSERT_EQ(spy.size(), 1);
        EXPECT_EQ(spy.at(0).at(0).toInt(), c.type);
        EXPECT_EQ(spy.at(0).at(1).value<colorInfoData>(), lighttypes::defaultRecord(c.hidType, c.type));
        ASSERT_EQ(hid.sent.size(), 1);
        EXPECT_EQ(hid.sent[0][1], c.hidType == 0 ? 0x06 : 0x07);
        EXPECT_EQ(hid.sent[0][6], c.type);
        EXPECT_EQ(hid.sent[0][16], c.type == 0 ? 0 : 1);
        EXPECT_EQ(child<QLabel>("label_LightMode")->text(), c.name);
        EXPECT_TRUE(button(c.button)->isChecked());
        // The choice is remembered in the profile with a record of its own.
        EXPECT_EQ(CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(profile.constData(), "1", c.hidType),
                  c.type);
        EXPECT_TRUE(CQuelmoXML_IsProFileAlreadyHaveLightInfo(profile.constData(), "1", c.hidType, c.type));
    }
}

struct VisibilityCase
{
    int hidType;
    int type;
    QStringList hidden;
};

TEST_F(LightsPageTest, ControlsShownPerType)
{
    const QStringList all{"frame_Brightness", "frame_Speed",        "frame_DirectionMain",
                          "pushButton_Left",  "pushButton_Right",   "pushButton_Up",
                          "pushButton_Down",  "pushButton_Gather",  "pushButton_Dispersion",
                          "pushButton_CW",    "pushButton_UnCW",    "frame_23",
                          "frame_25",         "pushButton_TopColor"};
    const QStringList noDirections{"pushButton_Left", "pushButton_Right",  "pushButton_Up",
                                   "pushButton_Down", "pushButton_Gather", "pushButton_Dispersion",
                                   "pushButton_CW",   "pushButton_UnCW"};
    const QStringList speedAndDirections = QStringList{"frame_Speed", "frame_DirectionMain"};
    const QStringList colourPair{"frame_23", "frame_25"};
    const VisibilityCase cases[] = {
        {0, 0, speedAndDirections + colourPair},
        {0, 10, speedAndDirections + colourPair},
        {0, 100, speedAndDirections},
        {0, 1, {"frame_DirectionMain"}},
        {0, 16, {"frame_DirectionMain"}},
        {0, 2, {"pushButton_CW", "pushButton_UnCW"}},
        {0,
         4,
         {"pushButton_Left", "pushButton_Right", "pushButton_Up", "pushButton_Down", "pushButton_Gather",
          "pushButton_Dispersion"}},
        {0,
         15,
         {"pushButton_Left", "pushButton_Right", "pushButton_Up", "pushButton_Down", "pushButton_Gather",
          "pushButton_Dispersion"}},
        {0,
         7,
         {"pushButton_Left", "pushButton_Right", "pushButton_Up", "pushButton_Down", "pushButton_CW",
          "pushButton_UnCW"}},
        {0,
         12,
         {"frame_Speed", "pushButton_Left", "pushButton_Right", "pushButton_Gather", "pushButton_Dispersion",
          "pushButton_CW", "pushButton_UnCW"}},
        {1, 0, speedAndDirections + colourPair},
        {1, 1, {"frame_DirectionMain"}},
        {1, 3, {"frame_DirectionMain"}},
        {1, 2, QStringList{"frame_DirectionMain"} + noDirections.mid(6)},
        {1, 5, QStringList{"frame_Brightness"} + speedAndDirections + colourPair},
    };
    page->showKeyboardLightPage();
    for (const VisibilityCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "target " << c.hidType << " type " << c.type);
        if (c.hidType == 1 && page->shownTarget() == 0)
            toSide();
        QTest::mouseClick(button((c.hidType == 0 ? kKeyboardButtons : kSideButtons)
                                     .at(lighttypes::buttonForType(c.hidType, c.type) -
                                         (c.hidType == 0 ? 0 : lighttypes::kFirstSideButton))),
                          Qt::LeftButton);
        for (const QString &name : all) {
            // A button inside a hidden row is hidden with it.
            const bool rowHidden = c.hidden.contains("frame_DirectionMain") &&
                                   name.startsWith("pushButton_") && name != "pushButton_TopColor";
            EXPECT_EQ(shown(name), !c.hidden.contains(name) && !rowHidden) << name.toStdString();
        }
    }
}

TEST_F(LightsPageTest, SupportedModesDecideTheButtons)
{
    page->setSupportedLightModes(modes({}), modes({}));
    for (const QString &n : kKeyboardButtons)
        EXPECT_EQ(shown(n), n == "toolButton_MusicalRhythm" || n == "toolButton_CustomLed")
            << n.toStdString();
    EXPECT_FALSE(shown("frame_B"));

    // The keyboard reports its side light: the switch comes back, but no side mode the list lacks.
    QSignalSpy tip(page.get(), &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
    page->updateLightConfigFromHid(1, 0);
    ASSERT_EQ(tip.size(), 1);
    EXPECT_EQ(tip.at(0).at(0).toString(), "The device has no atmosphere lamp");
    EXPECT_EQ(page->shownTarget(), 0);

    page->setSupportedLightModes(modes({0, 2, 13, 100, 77}), modes({1, 5}));
    for (const QString &n : kKeyboardButtons) {
        const bool expected = n == "toolButton_Static" || n == "toolButton_Wave" ||
                              n == "toolButton_MusicalRhythm" || n == "toolButton_CustomLed";
        EXPECT_EQ(shown(n), expected) << n.toStdString();
    }
    // The side page is not on show: its buttons are only not hidden.
    for (const QString &n : kSideButtons)
        EXPECT_EQ(!child(n)->isHidden(), n == "toolButton_SideBreath" || n == "toolButton_SideClose")
            << n.toStdString();
    EXPECT_TRUE(shown("frame_B"));
}

// The keyboard's record shows its stored parameters; out-of-range levels from a profile are pulled
// into the stepper's range before they are shown or sent.
TEST_F(LightsPageTest, OpeningTheTabReselectsTheStoredMode)
{
    colorInfoData radar = lighttypes::defaultRecord(0, 4);
    radar.ledBrightness = 9; // steps are 4: at most 5
    radar.ledSpeed = 0;
    radar.ledDirection = 7;
    radar.color1Red = 10;
    radar.color1Green = 20;
    radar.color1Blue = 30;
    store(radar);
    ASSERT_TRUE(CQuelmoXML_ModifyProFileMouseLightUsingIndex(profile.constData(), "1", 0, 4));
    page->showKeyboardLightPage();
    EXPECT_TRUE(button("toolButton_Radar")->isChecked());
    EXPECT_TRUE(button("pushButton_UnCW")->isChecked());
    EXPECT_EQ(child<QLineEdit>("lineEdit_R")->text(), "10");
    EXPECT_EQ(child<QLineEdit>("lineEdit_B")->text(), "30");
    ASSERT_EQ(hid.sent.size(), 1);
    EXPECT_EQ(hid.sent[0][7], 4);
    EXPECT_EQ(hid.sent[0][8], 0);
    EXPECT_EQ(hid.sent[0][15], 7);
    EXPECT_EQ(child<sliderCustomWidget>("slider_Brightness")->handleX(),
              child<sliderCustomWidget>("slider_Brightness")->tickPositions().value(4));

    // Switching to the side light and back reloads from the profile and announces nothing.
    QSignalSpy changed(page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    hid.sent.clear();
    toSide();
    EXPECT_EQ(page->currentRecord().hidType, 1);
    toSide();
    EXPECT_EQ(page->currentRecord().ledType, 4);
    EXPECT_EQ(changed.size(), 0);
    EXPECT_TRUE(hid.sent.isEmpty());
}

struct EditCase
{
    const char *what;
    std::function<void(LightsPageTest &, DLightsConfigPage &)> act;
    int code;
    std::function<bool(const colorInfoData &)> check;
};

TEST_F(LightsPageTest, EachEditStoresAnnouncesAndSendsOnce)
{
    page->showKeyboardLightPage();
    QTest::mouseClick(button("toolButton_Wave"), Qt::LeftButton);
    const EditCase cases[] = {
        {"brightness",
         [](LightsPageTest &, DLightsConfigPage &p) {
             emit p.findChild<sliderCustomWidget *>("slider_Brightness")->sigBackCurrentPositionNum(0);
         },
         2, [](const colorInfoData &c) { return c.ledBrightness == 1; }},
        {"speed",
         [](LightsPageTest &, DLightsConfigPage &p) {
             emit p.findChild<sliderCustomWidget *>("slider_Speed")->sigBackCurrentPositionNum(4);
         },
         3, [](const colorInfoData &c) { return c.ledSpeed == 5; }},
        {"direction",
         [](LightsPageTest &t, DLightsConfigPage &) {
             QTest::mouseClick(t.button("pushButton_Up"), Qt::LeftButton);
         },
         4, [](const colorInfoData &c) { return c.ledDirection == 2; }},
        {"full colour",
         [](LightsPageTest &t, DLightsConfigPage &) {
             QTest::mouseClick(t.button("checkBox_FullColorMode"), Qt::LeftButton, {}, QPoint(5, 5));
         },
         1, [](const colorInfoData &c) { return c.fullColorMode == 0; }},
        {"swatch", [](LightsPageTest &, DLightsConfigPage &p) { p.pickPresetColor("0,85,255"); }, 0,
         [](const colorInfoData &c) {
             return c.color1Red == 0 && c.color1Green == 85 && c.color1Blue == 255;
         }},
        {"bottom colour",
         [](LightsPageTest &t, DLightsConfigPage &p) {
             QTest::mouseClick(t.button("pushButton_BottomColor"), Qt::LeftButton);
             p.pickPresetColor("255,170,0");
         },
         0,
         [](const colorInfoData &c) {
             return c.color2Red == 255 && c.color2Green == 170 && c.color1Green == 85;
         }},
    };
    for (const EditCase &c : cases) {
        SCOPED_TRACE(c.what);
        QSignalSpy changed(page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
        QSignalSpy custom(page.get(), &DLightsConfigPage::sigLightConfigHaveChanged_Custom);
        hid.sent.clear();
        c.act(*this, *page);
        ASSERT_EQ(changed.size(), 1);
        EXPECT_EQ(changed.at(0).at(0).toInt(), c.code);
        EXPECT_TRUE(c.check(changed.at(0).at(1).value<colorInfoData>()));
        EXPECT_TRUE(c.check(stored(0, 2)));
        ASSERT_EQ(hid.sent.size(), 1);
        EXPECT_EQ(hid.sent[0][1], 0x06);
        EXPECT_EQ(custom.size(), 0);
    }
}

TEST_F(LightsPageTest, CustomModeColourAlsoPaintsTheSelectedKeys)
{
    page->showKeyboardLightPage();
    QTest::mouseClick(button("toolButton_CustomLed"), Qt::LeftButton);
    EXPECT_TRUE(shown("frame_D"));
    QSignalSpy changed(page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    QSignalSpy custom(page.get(), &DLightsConfigPage::sigLightConfigHaveChanged_Custom);
    page->pickPresetColor("255,255,0");
    ASSERT_EQ(custom.size(), 1);
    EXPECT_EQ(changed.size(), 1);
    emit page->findChild<sliderCustomWidget *>("slider_Brightness")->sigBackCurrentPositionNum(1);
    EXPECT_EQ(changed.size(), 2);
    EXPECT_EQ(custom.size(), 1);
}

// A record that vanished from the profile after it was read is written back by the next edit.
TEST_F(LightsPageTest, SaveForAMissingItemAddsIt)
{
    page->showKeyboardLightPage();
    QTest::mouseClick(button("toolButton_Twinkle"), Qt::LeftButton);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file(profile.constData()));
    const pugi::xpath_node hit = doc.select_node("//light[@target='0' and @type='9']");
    ASSERT_TRUE(hit);
    hit.node().parent().remove_child(hit.node());
    ASSERT_TRUE(doc.save_file(profile.constData()));
    XmlStore::instance().clearCache();
    ASSERT_FALSE(CQuelmoXML_IsProFileAlreadyHaveLightInfo(profile.constData(), "1", 0, 9));
    page->pickPresetColor("0,0,255");
    EXPECT_EQ(stored(0, 9).color1Blue, 255);
}

TEST_F(LightsPageTest, WheelStoresAndSendsOnlyAtRelease)
{
    page->showKeyboardLightPage();
    QTest::mouseClick(button("toolButton_Breath"), Qt::LeftButton);
    page->pickPresetColor("255,0,0");
    auto *wheel = page->findChild<SVColorArea *>();
    QSignalSpy changed(page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    hid.sent.clear();
    const ino_t before = profileInode();

    QTest::mousePress(wheel, Qt::LeftButton, Qt::NoModifier, QPoint(10, 59)); // knob at 25
    for (const QPoint p : {QPoint(30, 100), QPoint(59, 115), QPoint(110, 59)}) {
        QMouseEvent drag(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(wheel, &drag);
    }
    // Knob at 75: value (100 - 75) * 2.55 of the red last chosen.
    EXPECT_EQ(child<QLineEdit>("lineEdit_R")->text(), "63");
    EXPECT_EQ(child<QLineEdit>("lineEdit_G")->text(), "0");
    EXPECT_EQ(changed.size(), 0);
    EXPECT_TRUE(hid.sent.isEmpty());
    EXPECT_EQ(profileInode(), before);

    QTest::mouseRelease(wheel, Qt::LeftButton, Qt::NoModifier, QPoint(110, 59));
    ASSERT_EQ(changed.size(), 1);
    ASSERT_EQ(hid.sent.size(), 1);
    EXPECT_EQ(hid.sent[0][9], 63);
    EXPECT_EQ(stored(0, 1).color1Red, 63);

    // An exposure of the wheel changes nothing.
    wheel->repaint();
    EXPECT_EQ(child<QLineEdit>("lineEdit_R")->text(), "63");

    // The ring's ends: 1 keeps almost all of the value, 100 is black.
    page->pickPresetColor("255,0,0");
    page->onMoveingStatus(1, -3);
    EXPECT_EQ(child<QLineEdit>("lineEdit_R")->text(), "252");
    page->onMoveingStatus(100, -360);
    EXPECT_EQ(child<QLineEdit>("lineEdit_R")->text(), "0");
}

struct TypingCase
{
    const char *edit;
    QString typed;
    QString shown;
    bool applied;
};

TEST_F(LightsPageTest, RgbEditsRefuseWhatIsNoComponent)
{
    page->showKeyboardLightPage();
    QTest::mouseClick(button("toolButton_Wave"), Qt::LeftButton);
    // A refused value brings back that edit's own last value, not another edit's.
    const TypingCase cases[] = {
        {"lineEdit_R", "12", "12", true}, {"lineEdit_G", "300", "0", false},
        {"lineEdit_G", "-5", "0", false}, {"lineEdit_B", "", "0", true},
        {"lineEdit_B", "x", "0", true},   {"lineEdit_G", "255", "255", true},
    };
    for (const TypingCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.edit << " <- " << c.typed.toStdString());
        QSignalSpy changed(page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
        typeInto(c.edit, c.typed);
        EXPECT_EQ(child<QLineEdit>(c.edit)->text(), c.shown);
        EXPECT_EQ(changed.size(), c.applied ? 1 : 0);
    }
    const colorInfoData c = stored(0, 2);
    EXPECT_EQ(std::make_tuple(c.color1Red, c.color1Green, c.color1Blue), std::make_tuple(12, 255, 0));

    // Texts the page writes itself are not taken as typing.
    child<QLineEdit>("lineEdit_B")->clearFocus();
    QSignalSpy changed(page.get(), &DLightsConfigPage::sigLightConfigHaveChanged);
    child<QLineEdit>("lineEdit_B")->setText("200");
    EXPECT_EQ(changed.size(), 0);
    // A language change keeps the edits on the colour being edited.
    page->retranslate();
    EXPECT_EQ(child<QLineEdit>("lineEdit_R")->text(), "12");
}

TEST_F(LightsPageTest, HoverTipsShareOnePopupAndSwatchesPick)
{
    QTest::qWait(600); // the filter comes 500 ms after construction
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button("toolButton_Snack"), &enter);
    auto *tip = page->findChild<ArrowWidget *>();
    EXPECT_EQ(tip, nullptr); // parentless
    QList<ArrowWidget *> popups;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *a = qobject_cast<ArrowWidget *>(w); a && a->objectName() == "lightModeTip")
            popups << a;
    ASSERT_EQ(popups.size(), 1);
    EXPECT_TRUE(popups[0]->isVisible());
    auto tipText = [&] { return popups[0]->findChild<QLabel *>()->text(); };
    EXPECT_EQ(tipText(), "Snake");
    QCoreApplication::sendEvent(button("toolButton_Snack"), &leave);
    EXPECT_FALSE(popups[0]->isVisible());
    for (const char *name :
         {"toolButton_MouseDPI", "toolButton_SideCollision", "toolButton_LightSelectTypeChanged"})
        QCoreApplication::sendEvent(button(name), &enter);
    EXPECT_EQ(tipText(), "Keyboard/Ambient");
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        count += w->objectName() == "lightModeTip" ? 1 : 0;
    EXPECT_EQ(count, 1);

    page->showKeyboardLightPage();
    QTest::mouseClick(button("toolButton_Wave"), Qt::LeftButton);
    QTest::mousePress(child("label_Color07"), Qt::LeftButton);
    EXPECT_EQ(std::make_tuple(stored(0, 2).color1Red, stored(0, 2).color1Green, stored(0, 2).color1Blue),
              std::make_tuple(0, 255, 0));
}

} // namespace
