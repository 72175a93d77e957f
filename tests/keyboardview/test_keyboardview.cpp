// Loading layouts into the key layer, the view frame's scaling and picture, key clicks and tips,
// and drag selection.
#include "ddatamanager.h"
#include "dragshowarea.h"
#include "fakekeyfunctionstore.h"
#include "hiddevicejoinframe.h"
#include "imagecompare.h"
#include "keyboardbutcustom.h"
#include "keyboardimageframeitem.h"
#include "keyboardmodeldata.h"
#include "keylayout.h"
#include "keylightlayer.h"
#include "keyselectframe.h"
#include "keytippopup.h"
#include "layoutfixture.h"
#include "paintcounter.h"
#include "picturecache.h"
#include "sidelightbuttoncustom.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

DDataManager *dm()
{
    return DDataManager::getInstance();
}

// Fixture layout: a few keys at known places and one side light per placement rule.
const QList<FixtureKey> kFixtureKeys{
    {1, 0, 10, 0, 37, 38, 41, "Esc"},     {1, 1, 55, 0, 37, 38, 4, "A"},
    {1, 2, 100, 0, 37, 38, -10, "Fn"},    {1, 3, 145, 0, 37, 38, 52, "\\\""},
    {1, 4, 190, 0, 37, 38, 49, "\\\"|"},  {1, 5, 235, 0, 37, 38, 29, "Z"},
    {1, 6, 280, 0, 37, 38, 5, "B"},       {2, 1, 55, 50, 37, 38, 6, "C"},
    {3, 0, 10, 100, 80, 76, 40, "Enter"},
};
const QList<FixtureLight> kFixtureLights{
    {0, 20, 6, 30, 1, 1, 1},   // left edge at PosX 0
    {-17, 60, 6, 30, 2, 1, 1}, // left edge outside the key area
    {300, 20, 6, 30, 3, 1, 2}, // right edge
    {40, 200, 30, 6, 4, 1, 4}, // bottom edge
    {40, 0, 30, 6, 5, 1, 3},   // top edge at PosY 0
    {80, 90, 30, 6, 6, 0, 0},  // spare slot
};

QByteArray fixtureLayout(int specialEnter = 0)
{
    return makeLayout(standardKeyboardObject(1, specialEnter), kFixtureKeys, kFixtureLights);
}

keyboardButCustom *keyOf(const keySelectFrame *layer, int code)
{
    return layer->keyButtonMap().value(code);
}

class KeyLayerTest : public testing::Test
{
protected:
    void SetUp() override { dm()->setKeyFunctionStore(&store); }
    void TearDown() override
    {
        dm()->setKeyFunctionStore(nullptr);
        dm()->setCalibrationRunning(false);
    }
    FakeKeyFunctionStore store;
};

// ---------------------------------------------------------------------------------------------
// Loading

TEST_F(KeyLayerTest, ShippedModelPublishesAFullMatrixBeforeThemeColours)
{
    keySelectFrame layer;
    int loads = 0;
    QObject::connect(&layer, &keySelectFrame::sigKeyboardAlreadyLoad, &layer, [&] {
        ++loads;
        EXPECT_EQ(dm()->keyButtonList().size(), kKeySlots);
        EXPECT_EQ(dm()->keyButtonMap(), layer.keyButtonMap());
        EXPECT_EQ(dm()->keySelectFrame(), &layer);
        // Slots of this signal still see the constructor colours.
        EXPECT_EQ(dm()->keyButtonList().first()->lookState().hoverBorder, QColor(255, 49, 53, 255));
    });
    ASSERT_TRUE(layer.loadKeyboardInfo(QStringLiteral("TL87")));
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(dm()->hidDeviceType(), 5);
    EXPECT_FALSE(dm()->isSpecialEnterKey());

    const QList<keyboardButCustom *> keys = layer.keyButtons();
    ASSERT_EQ(keys.size(), kKeySlots);
    ASSERT_EQ(layer.keyRecords().size(), kKeySlots);
    keyboardButCustom *lastEmpty = nullptr;
    int real = 0;
    for (int i = 0; i < kKeySlots; ++i) {
        keyboardButCustom *key = keys.at(i);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(layer.keyButtonMatrix()[i / kKeyColumns][i % kKeyColumns], key);
        EXPECT_EQ(key->indexX(), i / kKeyColumns);
        EXPECT_EQ(key->indexY(), i % kKeyColumns);
        EXPECT_EQ(key->keyCode(), layer.keyRecords().at(i).code);
        if (key->keyCode() == 0)
            lastEmpty = key;
        else
            ++real;
    }
    EXPECT_EQ(real, 87);
    EXPECT_EQ(layer.keyButtonMap().value(0), lastEmpty);
    EXPECT_EQ(keyOf(&layer, 4)->geometry(),
              QRect(layer.keyRecords().at(keys.indexOf(keyOf(&layer, 4))).x + 10,
                    layer.keyRecords().at(keys.indexOf(keyOf(&layer, 4))).y + 10, 32, 32));
    EXPECT_EQ(keys.first()->lookState().selectedBorder, QColor(220, 40, 45));

    EXPECT_TRUE(layer.hasSideLight());
    EXPECT_EQ(layer.sideLightButtons().size(), 33);
    for (sideLightButtonCustom *light : layer.sideLightButtons())
        EXPECT_TRUE(light->isHidden());
    layer.showSideLights(true);
    for (sideLightButtonCustom *light : layer.sideLightButtons())
        EXPECT_FALSE(light->isHidden());
}

TEST_F(KeyLayerTest, EveryShippedModelLoads)
{
    const struct
    {
        const char *model;
        int keys;
        int lights;
        int type;
    } models[] = {{"TL68HE", 68, 0, 4}, {"TL87", 87, 33, 5}, {"TL104", 104, 41, 2}};
    for (const auto &m : models) {
        keySelectFrame layer;
        ASSERT_TRUE(layer.loadKeyboardInfo(QString::fromLatin1(m.model)));
        int real = 0;
        for (keyboardButCustom *key : layer.keyButtons())
            real += key->keyCode() != 0;
        EXPECT_EQ(real, m.keys) << m.model;
        EXPECT_EQ(layer.sideLightButtons().size(), m.lights) << m.model;
        EXPECT_EQ(dm()->hidDeviceType(), m.type) << m.model;
        layer.showSideLights(true);
        for (sideLightButtonCustom *light : layer.sideLightButtons())
            EXPECT_FALSE(light->isHidden());
    }
}

TEST_F(KeyLayerTest, FailedLoadsLeaveNoDanglingPointers)
{
    auto first = std::make_unique<keySelectFrame>();
    ASSERT_TRUE(first->loadKeyboardInfo(QStringLiteral("TL68HE")));
    const QList<keyboardButCustom *> published = dm()->keyButtonList();

    for (const QByteArray &bad : {QByteArray("{ \"Keyboard\": "), QByteArray("garbage")}) {
        keySelectFrame other;
        QSignalSpy loaded(&other, &keySelectFrame::sigKeyboardAlreadyLoad);
        EXPECT_FALSE(other.loadKeyboardText(bad));
        EXPECT_EQ(loaded.count(), 0);
        EXPECT_TRUE(other.keyButtons().isEmpty());
        EXPECT_EQ(dm()->keyButtonList(), published); // the live view stays published
    }
    {
        keySelectFrame noModel;
        QSignalSpy loaded(&noModel, &keySelectFrame::sigKeyboardAlreadyLoad);
        EXPECT_FALSE(noModel.loadKeyboardInfo(QStringLiteral("NoSuchBoard")));
        EXPECT_EQ(loaded.count(), 0);
        EXPECT_EQ(dm()->keySelectFrame(), first.get());
    }

    first.reset(); // the device page replaces the view
    EXPECT_TRUE(dm()->keyButtonList().isEmpty());
    EXPECT_TRUE(dm()->keyButtonMap().isEmpty());
    EXPECT_EQ(dm()->keySelectFrame(), nullptr);

    keySelectFrame next;
    EXPECT_FALSE(next.loadKeyboardInfo(QStringLiteral("NoSuchBoard")));
    EXPECT_TRUE(dm()->keyButtonList().isEmpty());
}

TEST_F(KeyLayerTest, BrokenRowsStillGiveAllSlots)
{
    keySelectFrame layer;
    const QByteArray text =
        makeLayout(standardKeyboardObject(0), kFixtureKeys, {}, {{1, 25}, {2, 3}, {4, -1}, {6, 0}});
    ASSERT_TRUE(layer.loadKeyboardText(text));
    ASSERT_EQ(layer.keyButtons().size(), kKeySlots);
    for (const auto &row : layer.keyButtonMatrix())
        for (keyboardButCustom *key : row)
            ASSERT_NE(key, nullptr);
    EXPECT_EQ(dm()->keyButtonList().size(), kKeySlots);
    EXPECT_NE(keyOf(&layer, 4), nullptr);
}

TEST_F(KeyLayerTest, ReloadReplacesTheButtons)
{
    keySelectFrame layer;
    ASSERT_TRUE(layer.loadKeyboardText(fixtureLayout()));
    QPointer<keyboardButCustom> old = keyOf(&layer, 4);
    ASSERT_TRUE(layer.loadKeyboardText(fixtureLayout()));
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(layer.findChildren<keyboardButCustom *>().size(), kKeySlots);
    EXPECT_EQ(layer.findChildren<sideLightButtonCustom *>().size(), kFixtureLights.size());
}

TEST_F(KeyLayerTest, SideLightsFollowTheirFlags)
{
    keySelectFrame layer;
    ASSERT_TRUE(layer.loadKeyboardText(fixtureLayout()));
    layer.showSideLights(true);
    for (sideLightButtonCustom *light : layer.sideLightButtons())
        EXPECT_EQ(light->isHidden(), light->validStatus() != 1) << light->index();
    EXPECT_EQ(layer.sideLightButtonMap().value(3)->geometry(), QRect(310, 30, 6, 30));
    layer.showSideLights(false);
    for (sideLightButtonCustom *light : layer.sideLightButtons())
        EXPECT_TRUE(light->isHidden());

    keySelectFrame plain;
    ASSERT_TRUE(plain.loadKeyboardText(makeLayout(standardKeyboardObject(0), kFixtureKeys, kFixtureLights)));
    plain.showSideLights(true);
    EXPECT_TRUE(plain.sideLightButtons().isEmpty());
    EXPECT_FALSE(plain.hasSideLight());
}

TEST_F(KeyLayerTest, EnterIsLShapedOnlyWithTheFlag)
{
    for (int flag : {0, 1}) {
        keySelectFrame layer;
        ASSERT_TRUE(layer.loadKeyboardText(fixtureLayout(flag)));
        keyboardButCustom *enter = keyOf(&layer, 40);
        EXPECT_EQ(enter->isSpecialEnter(), flag == 1);
        EXPECT_EQ(dm()->isSpecialEnterKey(), flag == 1);
        EXPECT_EQ(enter->mask().isEmpty(), flag == 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Clicks and tips

TEST_F(KeyLayerTest, ClickRules)
{
    struct Case
    {
        const char *name;
        int code;
        bool calibrating;
        bool becomesCurrent;
        QString reported; // caption reported through the data manager; empty: nothing reported
    } cases[] = {
        {"ordinary key", 4, false, true, "A"},
        {"Fn outside calibration", -10, false, false, {}},
        {"not remappable outside calibration", 29, false, false, {}},
        {"apostrophe key caption", 52, false, true, "' \""},
        {"backslash key caption", 49, false, true, "\\|"},
        {"Fn during calibration", -10, true, true, {}},
        {"not remappable during calibration", 29, true, true, {}},
    };
    for (const Case &c : cases) {
        keySelectFrame layer;
        ASSERT_TRUE(layer.loadKeyboardText(fixtureLayout()));
        keyOf(&layer, 29)->setRemappable(false);
        keyboardButCustom *before = keyOf(&layer, 5);
        before->click();
        ASSERT_EQ(layer.currentKey(), before);
        dm()->setCalibrationRunning(c.calibrating);
        QSignalSpy current(dm(), &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
        QSignalSpy calibration(dm(), &DDataManager::sigTheMagneticKeyboardCalibrationPoint);
        keyboardButCustom *key = keyOf(&layer, c.code);
        key->click();
        EXPECT_EQ(layer.currentKey(), c.becomesCurrent ? key : before) << c.name;
        EXPECT_EQ(key->isSelected(), c.becomesCurrent) << c.name;
        EXPECT_EQ(before->isSelected(), !c.becomesCurrent) << c.name;
        if (!c.reported.isEmpty()) {
            ASSERT_EQ(current.count(), 1) << c.name;
            EXPECT_EQ(current.at(0).at(0).toInt(), c.code);
            EXPECT_EQ(current.at(0).at(1).toString(), c.reported) << c.name;
        } else {
            EXPECT_EQ(current.count(), 0) << c.name;
        }
        if (c.calibrating) {
            ASSERT_EQ(calibration.count(), 1) << c.name;
            EXPECT_EQ(calibration.at(0).at(0).toInt(), key->indexX());
            EXPECT_EQ(calibration.at(0).at(1).toInt(), key->indexY());
        } else {
            EXPECT_EQ(calibration.count(), 0) << c.name;
        }
        dm()->setCalibrationRunning(false);
        QSignalSpy again(dm(), &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
        layer.currentKey()->click();
        EXPECT_EQ(again.count(), 0) << "clicking the current key again: " << c.name;
    }
}

TEST_F(KeyLayerTest, LookSwitchesForgetTheCurrentKey)
{
    keySelectFrame layer;
    ASSERT_TRUE(layer.loadKeyboardText(fixtureLayout()));
    keyboardButCustom *a = keyOf(&layer, 4);
    a->click();
    a->setDragMarked(true);
    layer.setKeysLightView(true);
    EXPECT_EQ(layer.currentKey(), nullptr);
    EXPECT_FALSE(a->isSelected());
    EXPECT_FALSE(a->isDragMarked());
    EXPECT_TRUE(a->lookState().lightView);
    a->click();
    layer.setKeysViewMode(false, false);
    EXPECT_EQ(layer.currentKey(), nullptr);
    EXPECT_FALSE(a->lookState().hoverHighlight);
    layer.setKeysCustomLightMode(true);
    EXPECT_TRUE(a->lookState().customLightMode);
}

TEST_F(KeyLayerTest, TipTexts)
{
    store.assign(4, "3", "2");   // A: Mute
    store.assign(29, "9", "5");  // Z: Copy, although it cannot be remapped
    store.assign(-10, "5", "0"); // Fn with an item
    struct Case
    {
        const char *name;
        int code;
        bool calibrating;
        QString title, subtitle, detail;
        bool flag;
    } cases[] = {
        {"assigned key", 4, false, "A", "Multimedia", "Mute", true},
        {"free key repeats its caption", 5, false, "B", "Default", "B", true},
        {"free key, not remappable", 6, false, "C", "Default", "Cannot remapped", false},
        {"assigned, not remappable", 29, false, "Z", "Shortcuts", "Copy", true},
        {"apostrophe key", 52, false, "' \"", "Default", "' \"", true},
        {"Fn with an item", -10, false, "Fn", "Disable", "Disable", true},
        {"no store read during calibration", 4, true, "A", "Default", "A", true},
        {"Fn during calibration", -10, true, "Fn", "Default", "Cannot remapped", false},
    };
    keySelectFrame layer;
    ASSERT_TRUE(layer.loadKeyboardText(fixtureLayout()));
    keyOf(&layer, 6)->setRemappable(false);
    keyOf(&layer, 29)->setRemappable(false);
    for (const Case &c : cases) {
        dm()->setCalibrationRunning(c.calibrating);
        const int readsBefore = store.keyReads;
        keyboardButCustom *key = keyOf(&layer, c.code);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(key, &enter);
        const KeyTipPopup *tip = layer.keyTip();
        EXPECT_TRUE(tip->isShown()) << c.name;
        EXPECT_EQ(tip->title(), c.title) << c.name;
        EXPECT_EQ(tip->subtitle(), c.subtitle) << c.name;
        EXPECT_EQ(tip->detail(), c.detail) << c.name;
        EXPECT_EQ(tip->remappable(), c.flag) << c.name;
        EXPECT_EQ(store.keyReads - readsBefore, c.calibrating ? 0 : 1) << c.name;
        QStringList shown;
        for (const QLabel *label : tip->popup()->findChildren<QLabel *>())
            shown << label->text();
        EXPECT_TRUE(shown.contains(c.title) && shown.contains(c.subtitle)) << c.name;
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(key, &leave);
        EXPECT_FALSE(tip->isShown()) << c.name;
    }
}

TEST_F(KeyLayerTest, HoverReadsTheStoreOncePerKeyNotPerMove)
{
    QWidget window;
    window.resize(400, 260);
    auto *layer = new keySelectFrame(&window);
    layer->resize(400, 260);
    ASSERT_TRUE(layer->loadKeyboardText(fixtureLayout()));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QPointer<QWidget> popupBefore;

    keyboardButCustom *a = keyOf(layer, 4);
    keyboardButCustom *b = keyOf(layer, 5);
    const QPoint aPos = a->geometry().topLeft() + QPoint(3, 3);
    QTest::mouseMove(&window, QPoint(5, 250));
    QApplication::processEvents();
    const int start = store.keyReads;
    for (int i = 0; i < 30; ++i) {
        QTest::mouseMove(&window, aPos + QPoint(i, i % 30));
        QApplication::processEvents();
    }
    EXPECT_EQ(store.keyReads - start, 1);
    EXPECT_TRUE(layer->keyTip()->isShown());
    EXPECT_TRUE(a->isHovered());
    popupBefore = layer->keyTip()->popup();

    // A repeated entry while the tip is up (a tip window can cause one) reads nothing either.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(a, &enter);
    EXPECT_EQ(store.keyReads - start, 1);

    const QPoint bPos = b->geometry().topLeft() + QPoint(3, 3);
    for (int i = 0; i < 30; ++i) {
        QTest::mouseMove(&window, bPos + QPoint(i, 30 - i));
        QApplication::processEvents();
    }
    EXPECT_EQ(store.keyReads - start, 2);
    EXPECT_EQ(layer->keyTip()->title(), "B");
    EXPECT_EQ(layer->keyTip()->popup(), popupBefore) << "the tip window is reused, not rebuilt per hover";
}

// ---------------------------------------------------------------------------------------------
// View frame

TEST(ViewFrame, ScaleRoundTable)
{
    const struct
    {
        float v;
        int expected;
    } cases[] = {{0.0f, 0},   {12.3f, 12}, {12.4f, 13},  {12.39f, 12},
                 {71.5f, 72}, {48.1f, 48}, {99.9f, 100}, {7.0f, 7}};
    for (const auto &c : cases)
        EXPECT_EQ(hidDeviceJoinFrame::ScaleRound(c.v), c.expected) << c.v;
}

class ViewFrameTest : public KeyLayerTest
{
protected:
    // A frame over the fixture layout (a model without a size row: a 20 x 20 area).
    void buildFixture(int specialEnter = 0, const QString &sizeOf = QStringLiteral("NoSuchBoard"))
    {
        frame = std::make_unique<hidDeviceJoinFrame>();
        frame->buildKeyboardView(sizeOf);
        ASSERT_TRUE(frame->keyLayer()->loadKeyboardText(fixtureLayout(specialEnter)));
        frame->keyLayer()->showSideLights(true);
    }
    std::unique_ptr<hidDeviceJoinFrame> frame;
};

TEST_F(ViewFrameTest, ScaledKeyAndSideLightGeometry)
{
    buildFixture(1);
    frame->setScale(1.3f);
    EXPECT_EQ(frame->keySpace()->size(), QSize(20, 20));
    keySelectFrame *layer = frame->keyLayer();
    EXPECT_EQ(keyOf(layer, 4)->geometry(), QRect(82, 10, 48, 49));
    EXPECT_EQ(keyOf(layer, 4)->origin(), QPoint(82, 10));
    EXPECT_EQ(keyOf(layer, 0)->geometry().size(), QSize(0, 0));

    const QMap<int, sideLightButtonCustom *> lights = layer->sideLightButtonMap();
    const QSize space = frame->keySpace()->size();
    EXPECT_EQ(lights.value(1)->geometry(), QRect(0, 36, 6, 39)) << "left edge at PosX 0";
    EXPECT_EQ(lights.value(2)->geometry(), QRect(-7, 88, 8, 39)) << "negative PosX is not scaled";
    EXPECT_EQ(lights.value(3)->geometry(), QRect(space.width() - 10, 36, 6, 39)) << "right edge";
    EXPECT_EQ(lights.value(4)->geometry(), QRect(62, space.height() - 10, 39, 6)) << "bottom edge";
    EXPECT_EQ(lights.value(5)->geometry(), QRect(62, 0, 39, 6)) << "top edge at PosY 0";
    EXPECT_EQ(lights.value(6)->geometry(), QRect(90, 100, 30, 6)) << "spare slot keeps its place";

    for (float s : {1.0f, 2.0f, 3.7f}) {
        frame->setScale(s);
        EXPECT_EQ(lights.value(2)->geometry().x(), -7);
        EXPECT_EQ(lights.value(3)->width(), 6);
    }
    frame->setScale(2.0f);
    keyboardButCustom *enter = keyOf(layer, 40);
    EXPECT_EQ(enter->size(), QSize(160, 152));
    EXPECT_EQ(enter->enterMaskPolygon().at(1), QPoint(20 - 3, 60 + 3)) << "notch (10, 30) scaled";
}

TEST_F(ViewFrameTest, ShippedModelSizesScale)
{
    const struct
    {
        const char *model;
        QSize base;
    } models[] = {{"TL68HE", {612, 216}}, {"TL87", {693, 270}}, {"TL104", {846, 270}}};
    for (const auto &m : models) {
        hidDeviceJoinFrame view;
        view.buildKeyboardView(QString::fromLatin1(m.model));
        EXPECT_EQ(view.keySpace()->size(), m.base) << m.model;
        EXPECT_EQ(view.rowStarts().size(), kKeyRows) << m.model;
        view.setScale(2.0f);
        EXPECT_EQ(view.keySpace()->size(),
                  QSize((m.base.width() - 20) * 2 + 20, (m.base.height() - 20) * 2 + 20));
        view.setScale(1.0f);
        EXPECT_EQ(view.keySpace()->size(), m.base);
        // Every key sits inside the picture area at every zoom.
        for (float s : {1.0f, 1.5f, 2.0f}) {
            view.setScale(s);
            const QRect area(10, 10, view.keySpace()->width() - 20, view.keySpace()->height() - 20);
            for (keyboardButCustom *key : view.keyLayer()->keyButtons()) {
                if (key->keyCode() != 0) {
                    EXPECT_TRUE(area.contains(key->geometry()))
                        << m.model << " key " << key->keyCode() << " at " << s;
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Lit keys: the key layer paints their caps

// What the screen shows of a window: the window's backing store as last painted.
QImage onScreen(QWidget &window)
{
    QApplication::processEvents();
    QApplication::processEvents(); // the layer's repaint request, then the repaint itself
    return QGuiApplication::primaryScreen()->grabWindow(window.winId()).toImage();
}

QColor frameColour(int frame, int key)
{
    QColor c = QColor::fromHsv((frame * 37 + key * 11) % 360, 255, 255);
    c.setAlpha(180);
    return c;
}

void lightEveryKey(hidDeviceJoinFrame &view, int frame)
{
    int i = 0;
    for (keyboardButCustom *key : view.keyLayer()->keyButtons())
        key->setLightColor(frameColour(frame, i++));
}

void lightEverySegment(hidDeviceJoinFrame &view, int frame)
{
    int i = 0;
    for (sideLightButtonCustom *light : view.keyLayer()->sideLightButtons())
        light->setColor(frameColour(frame, i++));
}

// The reference the layer's painting is compared with: every key and segment paints itself.
void paintThemselves(hidDeviceJoinFrame &view)
{
    for (keyboardButCustom *k : view.keyLayer()->keyButtons())
        k->setCanvas(nullptr);
    for (sideLightButtonCustom *light : view.keyLayer()->sideLightButtons())
        light->setCanvas(nullptr);
}

// On screen, lit caps and side-light segments painted by the layer look exactly as they painted
// themselves: every light look, with hover and drag marks, custom light with a selected key, a zoom
// that resizes and moves everything, the L-shaped Enter, lights that change after being shown,
// segments hidden again, and the light look left.
TEST_F(KeyLayerTest, LitCapsPaintedByTheLayerLookAsSelfPaintedKeys)
{
    struct Case
    {
        const char *name;
        bool lShapedEnter; // the fixture layout with the L-shaped Enter instead of a shipped model
        float zoom;
        std::function<void(hidDeviceJoinFrame &)> apply;
    };
    auto key = [](hidDeviceJoinFrame &v, int code) { return v.keyLayer()->keyButtonMap().value(code); };
    const Case cases[] = {
        {"every key and side segment lit", false, 1.0f,
         [](hidDeviceJoinFrame &v) {
             v.setLightView(true);
             lightEveryKey(v, 1);
             v.keyLayer()->showSideLights(true);
             lightEverySegment(v, 1);
         }},
        {"hover and drag marks over lit keys", false, 1.0f,
         [&](hidDeviceJoinFrame &v) {
             v.setLightView(true);
             lightEveryKey(v, 2);
             key(v, 8)->setHovered(true);
             key(v, 26)->setDragMarked(true);
             key(v, 9)->setLightColor(QColor(0, 0, 0, 0)); // dark key with a clear outline
         }},
        {"custom light with a selected key", false, 1.0f,
         [&](hidDeviceJoinFrame &v) {
             v.setLightView(true);
             v.keyLayer()->setKeysCustomLightMode(true);
             lightEveryKey(v, 3);
             key(v, 4)->setSelected(true, true);
         }},
        {"zoom resizes every key and segment", false, 1.5f,
         [](hidDeviceJoinFrame &v) {
             v.setLightView(true);
             lightEveryKey(v, 4);
             v.keyLayer()->showSideLights(true);
             lightEverySegment(v, 4);
         }},
        {"L-shaped Enter", true, 2.0f,
         [](hidDeviceJoinFrame &v) {
             v.setLightView(true);
             lightEveryKey(v, 5);
         }},
        {"lights change after being shown", false, 1.0f,
         [](hidDeviceJoinFrame &v) {
             v.setLightView(true);
             lightEveryKey(v, 6);
             v.keyLayer()->showSideLights(true);
             lightEverySegment(v, 6);
             onScreen(*v.window());
             lightEveryKey(v, 7);
             lightEverySegment(v, 7);
             v.keyLayer()->keyButtonMap().value(8)->setHovered(true);
         }},
        {"zoom changes while the lights are shown", false, 1.0f,
         [](hidDeviceJoinFrame &v) {
             v.setLightView(true);
             lightEveryKey(v, 10);
             v.keyLayer()->showSideLights(true);
             lightEverySegment(v, 10);
             onScreen(*v.window());
             v.setScale(1.2f);
         }},
        {"side segments hidden again", false, 1.0f,
         [](hidDeviceJoinFrame &v) {
             v.keyLayer()->showSideLights(true);
             lightEverySegment(v, 9);
             onScreen(*v.window());
             v.keyLayer()->showSideLights(false);
         }},
        {"light look left again", false, 1.0f,
         [&](hidDeviceJoinFrame &v) {
             v.setLightView(true);
             lightEveryKey(v, 8);
             onScreen(*v.window());
             v.setLightView(false);
             key(v, 4)->setAssignedState(1);
             key(v, 5)->setSelected(true, true);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QImage shots[2];
        for (int selfPainted : {0, 1}) {
            hidDeviceJoinFrame view;
            view.buildKeyboardView(QStringLiteral("TL104"));
            if (c.lShapedEnter) {
                ASSERT_TRUE(view.keyLayer()->loadKeyboardText(fixtureLayout(1)));
            }
            if (selfPainted)
                paintThemselves(view);
            view.setScale(c.zoom);
            view.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
            onScreen(view);
            c.apply(view);
            shots[selfPainted] = onScreen(view);
        }
        ASSERT_EQ(shots[0].size(), shots[1].size());
        EXPECT_EQ(largestDifference(shots[0], shots[1]), 0);
    }
}

// Lit caps written straight into the pixels at a whole pixel ratio, and painted through the painter
// where they cannot be (a fractional ratio, a clipped painter), look as the keys painting themselves:
// the view rendered into pictures of these ratios, the keys translucent as the preview shows them.
TEST_F(KeyLayerTest, LitCapsLookTheSameAtEveryPixelRatio)
{
    const struct
    {
        const char *name;
        qreal ratio;
        bool clipped;
    } cases[] = {
        {"ratio 1", 1.0, false},
        {"ratio 2", 2.0, false},
        {"ratio 3", 3.0, false},
        {"ratio 1.5", 1.5, false},
        {"ratio 2, clipped painter", 2.0, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QImage shots[2];
        for (int selfPainted : {0, 1}) {
            hidDeviceJoinFrame view;
            view.buildKeyboardView(QStringLiteral("TL104"));
            if (selfPainted)
                paintThemselves(view);
            view.setLightView(true);
            lightEveryKey(view, 3);
            view.keyLayer()->keyButtonMap().value(8)->setHovered(true);
            QWidget *space = view.keySpace();
            QImage shot(space->size() * c.ratio, QImage::Format_ARGB32_Premultiplied);
            shot.setDevicePixelRatio(c.ratio);
            shot.fill(Qt::black);
            QPainter p(&shot);
            if (c.clipped)
                p.setClipRect(QRect(QPoint(37, 21), space->size() / 2));
            space->render(&p);
            p.end();
            shots[selfPainted] = shot;
        }
        EXPECT_EQ(largestDifference(shots[0], shots[1]), 0);
    }
}

// In the light look a frame that recolours every key and side segment is one repaint of the light
// layer, and neither the key layer, the picture under it, nor keys or segments take part in it; nor
// in a hover over lit keys. Out of the light look the light layer is gone and the keys paint
// themselves again.
TEST_F(KeyLayerTest, LitKeysRepaintInOnePassOfTheLayer)
{
    hidDeviceJoinFrame view;
    view.buildKeyboardView(QStringLiteral("TL104"));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    keySelectFrame *layer = view.keyLayer();
    layer->showSideLights(true);
    const QList<keyboardButCustom *> keys = layer->keyButtons();
    const QList<sideLightButtonCustom *> segments = layer->sideLightButtons();
    ASSERT_FALSE(segments.isEmpty());
    keyboardButCustom *e = layer->keyButtonMap().value(8);
    QWidget *lights = view.lightLayer();
    PaintCounter counter;
    layer->installEventFilter(&counter);
    lights->installEventFilter(&counter);
    view.pictureLayer()->installEventFilter(&counter);
    for (keyboardButCustom *k : keys)
        k->installEventFilter(&counter);
    for (sideLightButtonCustom *light : segments)
        light->installEventFilter(&counter);
    auto keyPaints = [&] {
        int n = 0;
        for (keyboardButCustom *k : keys)
            n += counter.of(k);
        return n;
    };
    auto segmentPaints = [&] {
        int n = 0;
        for (sideLightButtonCustom *light : segments)
            n += counter.of(light);
        return n;
    };

    const struct
    {
        const char *name;
        std::function<void()> step;
        int lightLayerPaints;
        int keyLayerPaints;
        bool keysPaint;
    } steps[] = {
        {"enter the light look", [&] { view.setLightView(true); }, 1, 0, false},
        {"a frame recolours every key and segment",
         [&] {
             lightEveryKey(view, 1);
             lightEverySegment(view, 1);
         },
         1, 0, false},
        {"three frames in one pass of the event loop",
         [&] {
             for (int f = 2; f <= 4; ++f)
                 lightEveryKey(view, f);
         },
         1, 0, false},
        {"hover over a lit key", [&] { e->setHovered(true); }, 1, 0, false},
        {"the same colours again", [&] { lightEveryKey(view, 4); }, 1, 0, false},
        {"leave the light look and select a key",
         [&] {
             view.setLightView(false);
             e->setSelected(true, true);
         },
         0, 1, true},
    };
    onScreen(view);
    for (const auto &s : steps) {
        SCOPED_TRACE(s.name);
        counter.clear();
        s.step();
        onScreen(view);
        EXPECT_EQ(counter.of(lights), s.lightLayerPaints);
        EXPECT_EQ(counter.of(layer), s.keyLayerPaints);
        EXPECT_EQ(counter.of(view.pictureLayer()), s.keyLayerPaints);
        EXPECT_EQ(lights->isVisible(), s.lightLayerPaints > 0);
        EXPECT_EQ(keyPaints() > 0, s.keysPaint) << keyPaints();
        EXPECT_EQ(segmentPaints(), 0);
    }
    for (keyboardButCustom *k : keys)
        EXPECT_EQ(k->paintedOnCanvas(), false) << "out of the light look every key paints itself";
}

// An animation's frame is painted as it ends, in one repaint, without waiting for another pass of
// the event loop; a frame in which nothing changed paints nothing.
TEST_F(KeyLayerTest, AFrameIsPaintedAsItEnds)
{
    hidDeviceJoinFrame view;
    view.buildKeyboardView(QStringLiteral("TL104"));
    view.setLightView(true);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    keySelectFrame *layer = view.keyLayer();
    QWidget *lights = view.lightLayer();
    PaintCounter counter;
    lights->installEventFilter(&counter);
    onScreen(view);

    counter.clear();
    layer->beginFrame();
    lightEveryKey(view, 1);
    EXPECT_EQ(counter.of(lights), 0) << "nothing is painted while the frame is being made";
    layer->endFrame();
    EXPECT_EQ(counter.of(lights), 1);
    const QImage shown = onScreen(view);
    EXPECT_EQ(counter.of(lights), 1) << "nothing is left for the event loop";

    // What the frame showed is what the same colours show when painted by the event loop.
    lightEveryKey(view, 2);
    onScreen(view);
    lightEveryKey(view, 1);
    EXPECT_EQ(largestDifference(onScreen(view), shown), 0);

    counter.clear();
    layer->beginFrame();
    layer->endFrame();
    onScreen(view);
    EXPECT_EQ(counter.of(lights), 0);
}

// The layers hide what is behind them: in the light look a light frame repaints the light layer,
// which shows the picture layer's picture, and nothing under it. What the picture layer composes
// once (the view's background and the picture) follows a new style sheet, and a zoom and another
// picture as a view built with them from the start shows them.
TEST_F(KeyLayerTest, PictureLayerCoversTheViewAndFollowsItsChanges)
{
    dm()->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR));
    {
        hidDeviceJoinFrame view;
        view.buildKeyboardView(QStringLiteral("TL104"));
        view.setLightView(true);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        keyboardImageFrameItem *picture = view.pictureLayer();
        QWidget *behind = picture->parentWidget();
        PaintCounter counter;
        view.lightLayer()->installEventFilter(&counter);
        view.keyLayer()->installEventFilter(&counter);
        picture->installEventFilter(&counter);
        behind->installEventFilter(&counter);
        view.installEventFilter(&counter);
        onScreen(view);
        counter.clear();
        lightEveryKey(view, 1);
        const QImage shot = onScreen(view);
        EXPECT_EQ(counter.of(view.lightLayer()), 1);
        EXPECT_EQ(counter.of(view.keyLayer()), 0);
        EXPECT_EQ(counter.of(picture), 0);
        EXPECT_EQ(counter.of(behind), 0);
        EXPECT_EQ(counter.of(&view), 0);
        // The margin around the picture shows the view's background colour, also after a new one.
        const QPoint margin = picture->mapTo(&view, QPoint(2, 2));
        EXPECT_EQ(shot.pixelColor(margin), QColor(26, 27, 49));
        view.setStyleSheet(QStringLiteral("background-color: rgb(90, 20, 30);"));
        EXPECT_EQ(onScreen(view).pixelColor(margin), QColor(90, 20, 30));
    }
    const struct
    {
        const char *name;
        std::function<void(hidDeviceJoinFrame &)> change;
    } cases[] = {
        {"zoom", [](hidDeviceJoinFrame &v) { v.setScale(1.5f); }},
        {"picture variant", [](hidDeviceJoinFrame &v) { v.pictureLayer()->setPictureVariant(1); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QImage shots[2];
        for (int fromStart : {0, 1}) {
            hidDeviceJoinFrame view;
            view.buildKeyboardView(QStringLiteral("TL104"));
            view.setLightView(true);
            lightEveryKey(view, 2);
            if (fromStart)
                c.change(view);
            view.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
            onScreen(view);
            if (!fromStart)
                c.change(view);
            view.adjustSize();
            shots[fromStart] = onScreen(view);
        }
        ASSERT_EQ(shots[0].size(), shots[1].size());
        EXPECT_EQ(largestDifference(shots[0], shots[1]), 0);
    }
}

// The picture is stretched smoothly over its frame, as a style-sheet border image stretched it, at
// the view's sizes for zoom 1.0, 2.0 and an odd one; it follows a change of size and variant.
TEST(ViewPicture, StretchedPictureLooksAsABorderImage)
{
    dm()->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR));
    keyboardImageFrameItem item;
    item.setDeviceInfo(QStringLiteral("TL104"));
    item.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&item));
    auto *frame = item.findChild<QFrame *>(QStringLiteral("frame"));
    ASSERT_NE(frame, nullptr);
    const struct
    {
        QSize size;
        int variant;
    } cases[] = {{{846, 270}, -1}, {{1672, 520}, -1}, {{1001, 333}, -1}, {{846, 270}, 1}};
    for (const auto &c : cases) {
        item.setPictureVariant(c.variant);
        item.resize(c.size);
        QFrame reference;
        reference.setStyleSheet(QStringLiteral("QFrame{border-image: url(%1);}").arg(item.picturePath()));
        reference.resize(frame->size());
        const QImage got = item.grab(frame->geometry()).toImage();
        const QImage expected = reference.grab().toImage();
        ASSERT_EQ(got.size(), c.size - QSize(20, 20));
        ASSERT_EQ(got.size(), expected.size());
        EXPECT_LE(largestDifference(got, expected), 1) << c.size.width() << "x" << c.size.height();
    }
}

// A picture decoded ahead on a worker equals the one decoded on the spot; sizes are kept apart, a
// missing file gives a null image, and asking twice (prefetched or not) gives the same picture.
TEST(ViewPicture, CacheGivesTheDecodedPictureScaledIntoItsBox)
{
    const QString file = QStringLiteral(TL_OUTPUT_DIR "/images/hidImages/Keyboard_TL87.png");
    const QImage full(file);
    ASSERT_FALSE(full.isNull());
    const struct
    {
        QSize box;
        bool prefetch;
    } cases[] = {
        {QSize(186, 136), true}, {QSize(186, 136), false}, {QSize(300, 60), false}, {QSize(90, 90), true}};
    for (const auto &c : cases) {
        if (c.prefetch)
            picturecache::prefetch(file, c.box);
        const QImage expected = full.scaled(c.box, Qt::KeepAspectRatio, Qt::FastTransformation);
        const QImage got = picturecache::scaled(file, c.box);
        EXPECT_EQ(got, expected) << c.box.width() << "x" << c.box.height();
        EXPECT_TRUE(got.width() <= c.box.width() && got.height() <= c.box.height());
        EXPECT_EQ(picturecache::scaled(file, c.box), got);
    }
    const QString missing = QStringLiteral(TL_OUTPUT_DIR "/images/hidImages/Keyboard_NONE.png");
    picturecache::prefetch(missing, QSize(10, 10));
    EXPECT_TRUE(picturecache::scaled(missing, QSize(10, 10)).isNull());
}

// The keyboard view's whole picture: handed over from a decode ahead or decoded on the spot, it
// has the file's pixels either way, also when asked for again or after the whole pictures were
// dropped; the cards' scaled pictures stay.
TEST(ViewPicture, CacheHandsTheWholePictureToTheView)
{
    const QString file = QStringLiteral(TL_OUTPUT_DIR "/images/hidImages/Keyboard_TL104.png");
    const QImage expected = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_FALSE(expected.isNull());
    const QSize box(120, 60);
    const struct
    {
        const char *what;
        bool prefetch;
        bool drop;
    } cases[] = {
        {"decoded ahead", true, false},
        {"asked for again", false, false},
        {"decoded ahead, then dropped", true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.prefetch)
            picturecache::prefetch(file, box);
        if (c.drop)
            picturecache::dropPictures();
        EXPECT_EQ(picturecache::picture(file), expected);
        EXPECT_EQ(picturecache::scaled(file, box),
                  QImage(file).scaled(box, Qt::KeepAspectRatio, Qt::FastTransformation));
    }
    EXPECT_TRUE(
        picturecache::picture(QStringLiteral(TL_OUTPUT_DIR "/images/hidImages/Keyboard_NONE.png")).isNull());
}

TEST(ViewPicture, PathAndVariants)
{
    dm()->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR));
    keyboardImageFrameItem item;
    item.setDeviceInfo(QStringLiteral("TL104"));
    const QString dir = QStringLiteral(TL_OUTPUT_DIR "/images/hidImages/");
    EXPECT_EQ(item.picturePath(), dir + "Keyboard_TL104.png");
    const struct
    {
        int variant;
        const char *file;
    } cases[] = {{0, "Keyboard_TL104_0.png"},
                 {1, "Keyboard_TL104_1.png"},
                 {2, "Keyboard_TL104_2.png"},
                 {3, "Keyboard_TL104.png"},
                 {-1, "Keyboard_TL104.png"}};
    for (const auto &c : cases) {
        item.setPictureVariant(c.variant);
        EXPECT_EQ(item.picturePath(), dir + c.file);
        EXPECT_TRUE(QFileInfo::exists(item.picturePath())) << c.file;
        EXPECT_EQ(item.modelName(), "TL104");
    }
    for (const char *model : {"TL68HE", "TL87"})
        EXPECT_TRUE(QFileInfo::exists(dir + keyboardImageFrameItem::pictureFileName(model)));
}

TEST(ViewPicture, InstalledProgramFindsThePicturesInTheDataFolder)
{
    QTemporaryDir root;
    const QString bin = root.path() + "/bin";
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(keyboardmodeldata::pictureDirectory(bin), bin + "/images/hidImages") << "nothing anywhere";
    ASSERT_TRUE(QDir().mkpath(root.path() + "/share/tidelumen/images/hidImages"));
    EXPECT_EQ(keyboardmodeldata::pictureDirectory(bin), root.path() + "/share/tidelumen/images/hidImages");
    ASSERT_TRUE(QDir().mkpath(bin + "/images/hidImages"));
    EXPECT_EQ(keyboardmodeldata::picturePath(bin, "Keyboard_TL87.png"),
              bin + "/images/hidImages/Keyboard_TL87.png")
        << "pictures beside the program win";
}

// ---------------------------------------------------------------------------------------------
// Drag selection

class DragTest : public ViewFrameTest
{
protected:
    void SetUp() override
    {
        ViewFrameTest::SetUp();
        buildFixture(0, QStringLiteral("TL104")); // the fixture's keys in a large enough area
        frame->resize(1104, 477);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        origin = frame->keySpace()->pos();
    }
    // Top-left corner of a fixture key on the overlay at zoom 1.0.
    QPoint corner(int code) const
    {
        for (const FixtureKey &k : kFixtureKeys)
            if (k.dec == code)
                return origin + QPoint(k.x + 10, k.y + 10);
        return {};
    }
    QPoint origin;
};

TEST_F(DragTest, RubberBandSelectsKeysByTheirTopLeftCorner)
{
    QSignalSpy changed(frame.get(), &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);
    const QPoint a = corner(4);
    struct Case
    {
        const char *name;
        QRect band;
        QList<int> codes;
    } cases[] = {
        {"corner exactly on the band's edge", QRect(a, a), {4}},
        {"band over the lower half of A", QRect(a + QPoint(0, 19), a + QPoint(36, 37)), {}},
        {"first row from Esc to B", QRect(corner(41), corner(5)), {41, 4, -10, 52, 49, 29, 5}},
        {"two rows", QRect(corner(4) - QPoint(1, 1), corner(6) + QPoint(1, 1)), {4, 6}},
        {"nothing", QRect(0, 0, 0, 0), {}},
    };
    for (const Case &c : cases) {
        for (bool reversed : {false, true}) {
            changed.clear();
            if (reversed)
                frame->selectKeysInRect(c.band.right(), c.band.bottom(), c.band.left(), c.band.top());
            else
                frame->selectKeysInRect(c.band.left(), c.band.top(), c.band.right(), c.band.bottom());
            QList<int> got;
            for (keyboardButCustom *key : frame->dragSelectedKeys()) {
                got << key->keyCode();
                EXPECT_TRUE(key->isDragMarked());
            }
            EXPECT_EQ(got, c.codes) << c.name;
            ASSERT_EQ(changed.count(), 1);
            EXPECT_EQ(changed.at(0), (QList<QVariant>{0, -1, -1, -1}));
        }
    }
    EXPECT_FALSE(keyOf(frame->keyLayer(), 4)->isDragMarked()) << "a new band replaces the old selection";
    frame->selectKeysInRect(corner(41).x(), corner(41).y(), corner(5).x(), corner(5).y());
    frame->setLightView(true);
    EXPECT_TRUE(frame->dragSelectedKeys().isEmpty());
    EXPECT_FALSE(keyOf(frame->keyLayer(), 4)->isDragMarked());
}

TEST_F(DragTest, HoverTrackingAndSingleKeyToggle)
{
    QSignalSpy moved(frame.get(), &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
    QSignalSpy changed(frame.get(), &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);
    const int readsBefore = store.keyReads;
    keyboardButCustom *a = keyOf(frame->keyLayer(), 4);
    keyboardButCustom *c = keyOf(frame->keyLayer(), 6);
    const struct
    {
        const char *name;
        QPoint at;
        keyboardButCustom *hovered;
    } cases[] = {
        {"inside A", corner(4) + QPoint(5, 5), a},
        {"on A's left edge (strict)", corner(4) + QPoint(0, 5), nullptr},
        {"inside A again", corner(4) + QPoint(30, 30), a},
        {"in the gap between keys", corner(4) + QPoint(40, 5), nullptr},
        {"C: its row has an empty first slot", corner(6) + QPoint(5, 5), nullptr},
    };
    for (const auto &cs : cases) {
        moved.clear();
        frame->trackHoverKey(cs.at.x(), cs.at.y(), 1);
        EXPECT_EQ(frame->hoveredKey(), cs.hovered) << cs.name;
        ASSERT_EQ(moved.count(), 1);
        EXPECT_EQ(moved.at(0).at(0).toBool(), cs.hovered != nullptr) << cs.name;
        if (cs.hovered) {
            EXPECT_TRUE(cs.hovered->isHovered());
        }
    }
    EXPECT_FALSE(a->isHovered());
    EXPECT_FALSE(c->isHovered());

    frame->trackHoverKey(corner(4).x() + 5, corner(4).y() + 5, 4);
    frame->setDragPressed(true);
    frame->trackHoverKey(0, 0, 4); // ignored while pressed
    EXPECT_EQ(frame->hoveredKey(), a);
    frame->setDragPressed(false);
    frame->setDragPressed(true);
    frame->setDragPressed(false);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(0), (QList<QVariant>{1, 1, a->indexX(), a->indexY()}));
    EXPECT_EQ(changed.at(1), (QList<QVariant>{1, -1, a->indexX(), a->indexY()}));
    EXPECT_TRUE(frame->dragSelectedKeys().isEmpty());

    // Leaving every key on the trigger tab also forgets the current key.
    a->click();
    ASSERT_EQ(frame->keyLayer()->currentKey(), a);
    frame->trackHoverKey(0, 0, 4);
    EXPECT_EQ(frame->keyLayer()->currentKey(), nullptr);
    EXPECT_EQ(store.keyReads, readsBefore) << "hover tracking through the overlay never reads the store";
}

// The pointer leaving the overlay straight from a key (no move outside the keys first) takes the
// hover frame off that key, as on the trigger tab where a framed key looks selected.
TEST_F(DragTest, LeavingTheOverlayFromAKeyClearsItsHover)
{
    dragShowArea overlay(frame.get());
    overlay.setGeometry(frame->rect());
    overlay.setActive(true);
    QObject::connect(&overlay, &dragShowArea::sigDragShowAreaMouseMovePoint, frame.get(),
                     [this](int x, int y) { frame->trackHoverKey(x, y, 4); });
    keyboardButCustom *a = keyOf(frame->keyLayer(), 4);
    QMouseEvent move(QEvent::MouseMove, corner(4) + QPoint(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&overlay, &move);
    ASSERT_EQ(frame->hoveredKey(), a);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&overlay, &leave);
    EXPECT_EQ(frame->hoveredKey(), nullptr);
    EXPECT_FALSE(a->isHovered());
}

TEST(DragOverlay, BandIsTwoPixelsShortOfThePointer)
{
    const struct
    {
        QPoint start, current;
        QRect band;
    } cases[] = {{{10, 10}, {50, 40}, QRect(10, 10, 38, 28)},
                 {{50, 40}, {10, 10}, QRect(50, 40, -38, -28)},
                 {{10, 10}, {10, 11}, QRect(10, 10, 0, -1)},
                 {{10, 10}, {10, 10}, QRect(10, 10, 0, 0)}};
    for (const auto &c : cases)
        EXPECT_EQ(dragShowArea::bandRect(c.start, c.current), c.band);
}

TEST(DragOverlay, MouseSignals)
{
    dragShowArea area;
    area.resize(200, 100);
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    QSignalSpy band(&area, &dragShowArea::sigDragArea);
    QSignalSpy move(&area, &dragShowArea::sigDragShowAreaMouseMovePoint);
    QSignalSpy press(&area, &dragShowArea::sigDragAreaMousePressOrRelease);

    QTest::mousePress(&area, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(band.count() + move.count() + press.count(), 0) << "an inactive overlay stays silent";

    area.setActive(true);
    QTest::mousePress(&area, Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(band.count(), 1);
    EXPECT_EQ(band.takeFirst(), (QList<QVariant>{0, 0, 0, 0}));

    QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(20, 30));
    EXPECT_TRUE(area.isDragging());
    QTest::mouseMove(&area, QPoint(60, 70));
    QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(250, 120));
    ASSERT_EQ(band.count(), 1);
    EXPECT_EQ(band.takeFirst(), (QList<QVariant>{20, 30, 200, 100})) << "the end is kept inside the overlay";
    EXPECT_EQ(move.count(), 0) << "moves while dragging only paint the band";

    area.setSingleKeyMode(true);
    QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(42, 41));
    ASSERT_EQ(press.count(), 2);
    EXPECT_EQ(press.at(0).at(0).toBool(), true);
    EXPECT_EQ(press.at(1).at(0).toBool(), false);
    ASSERT_EQ(move.count(), 1);
    EXPECT_EQ(move.at(0), (QList<QVariant>{42, 41}));
    EXPECT_EQ(band.count(), 0);

    // A press in single-key mode followed by a release after the mode ended is no band.
    QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(40, 40));
    area.setSingleKeyMode(false);
    QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(90, 90));
    EXPECT_EQ(band.count(), 0);
}

} // namespace

namespace {

// No legend of the painted pictures runs into its key's edge (cut off there): the outermost pixel
// columns of each key's legend area look like the key's surface beside them.
TEST(KeyboardPictures, LegendsStayInsideTheirKeys)
{
    const int ratio = 2; // the pictures' pixels per layout unit
    for (const char *model : {"TL68HE", "TL87", "TL104"}) {
        QFile file(keylayout::resourcePath(QString::fromLatin1(model)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << model;
        const std::optional<KeyLayout> layout = keylayout::parse(file.readAll());
        ASSERT_TRUE(layout) << model;
        const QImage picture(
            QStringLiteral(TL_OUTPUT_DIR "/images/hidImages/Keyboard_%1.png").arg(QLatin1String(model)));
        ASSERT_FALSE(picture.isNull()) << model;
        for (const auto &row : layout->keys) {
            for (const KeyLayoutKey &key : row) {
                if (key.pos.code == 0 || key.pos.width <= 0 || key.pos.height <= 0)
                    continue;
                // The legend area: the key's top surface less a small margin, as painted.
                const QRect area((key.pos.x + 5) * ratio, (key.pos.y + 3) * ratio,
                                 (key.pos.width - 10) * ratio, (key.pos.height - 9) * ratio);
                int inked = 0;
                for (int y = area.top(); y <= area.bottom(); ++y) {
                    const QColor surface = picture.pixelColor(area.left() - 2, y);
                    for (const int x : {area.left(), area.right()}) {
                        const QColor c = picture.pixelColor(x, y);
                        inked += qAbs(c.lightness() - surface.lightness()) > 60;
                    }
                }
                EXPECT_EQ(inked, 0) << model << " key " << key.pos.code << " \"" << key.caption.toStdString()
                                    << "\"";
            }
        }
    }
}

} // namespace
