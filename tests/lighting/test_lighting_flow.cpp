#include "ddevicepage.h"
#include "dlightsconfigpage.h"
#include "lightdealmain.h"
#include "pagefixture.h"

#include "cquelmoxml.h"
#include "customlightitem.h"
#include "dcustomlightlistitem.h"
#include "dragshowarea.h"
#include "fakesoundcardcapture.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "keylightlayer.h"
#include "keyselectframe.h"
#include "mainhidinterface.h"
#include "musictestpcm.h"
#include "paintcounter.h"
#include "sidelightbuttoncustom.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>

#include <functional>

using namespace hidproto;

namespace {

class LightingFlowTest : public PageFixture
{
protected:
    DLightsConfigPage *lights() const { return page->findChild<DLightsConfigPage *>(); }
    QAbstractButton *button(const char *name) const
    {
        return lights()->findChild<QAbstractButton *>(QString::fromLatin1(name));
    }
    // The device page shown with the lighting tab's link to the opened keyboard in place.
    void openPageWithLink()
    {
        openPage();
        ASSERT_TRUE(waitFor([&] { return lights()->hidInterface() != nullptr; }));
    }
    void openLightingTab()
    {
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        auto *tab = page->findChild<QAbstractButton *>(QStringLiteral("toolButton_LightConfig"));
        ASSERT_NE(tab, nullptr);
        tab->click();
    }
    // The colours the preview gives the keys, in key order.
    static QVector<QColor> lightColours(const QList<keyboardButCustom *> &keys)
    {
        QVector<QColor> out;
        for (keyboardButCustom *k : keys)
            out.append(k->lightColor());
        return out;
    }
    static QVector<HidReport> lightSets(const SimKeyboard &kb, uint8_t cmd)
    {
        QVector<HidReport> out;
        for (const HidReport &r : kb.received())
            if (r[1] == cmd && r[kSubByte] == 0)
                out.append(r);
        return out;
    }
};

// A chosen effect with its parameters reaches the keyboard, and the program started again shows it.
TEST_F(LightingFlowTest, ChosenEffectReachesTheKeyboardAndSurvivesARestart)
{
    auto kb = addKeyboard("TL87");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    ASSERT_TRUE(lights()->isVisible());

    button("toolButton_Radar")->click();
    button("pushButton_UnCW")->click();
    lights()->pickPresetColor("0,85,255");
    ASSERT_TRUE(waitFor([&] {
        const auto sets = lightSets(*kb, out::KeyboardLight);
        return !sets.isEmpty() && sets.last()[9] == 0 && sets.last()[10] == 85 && sets.last()[15] == 7;
    }));
    const HidReport last = lightSets(*kb, out::KeyboardLight).last();
    EXPECT_EQ(last[6], 4); // Radar
    EXPECT_EQ(last[11], 255);
    EXPECT_EQ(kb->state().keyboardLight[0], 4);
    EXPECT_EQ(page->lightEngineObject()->keyboardLightConfig().ledType, 4);

    // The side light has its own record and report.
    button("toolButton_LightSelectTypeChanged")->click();
    button("toolButton_SideCollision")->click();
    ASSERT_TRUE(waitFor([&] {
        const auto sets = lightSets(*kb, out::SideLight);
        return !sets.isEmpty() && sets.last()[6] == 3;
    }));
    EXPECT_EQ(page->lightEngineObject()->sideLightConfig().ledType, 3);

    // Start again: the keyboard keeps what it was sent, the profile what was chosen.
    page.reset();
    flushDeletes();
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    EXPECT_TRUE(button("toolButton_Radar")->isChecked());
    EXPECT_TRUE(button("pushButton_UnCW")->isChecked());
    EXPECT_EQ(lights()->findChild<QLabel *>(QStringLiteral("label_LightMode"))->text(), "Radar");
    const colorInfoData shown = lights()->currentRecord();
    EXPECT_EQ(std::make_tuple(shown.ledType, shown.color1Red, shown.color1Green, shown.color1Blue,
                              shown.ledDirection),
              std::make_tuple(4, 0, 85, 255, 7));
    EXPECT_EQ(page->lightEngineObject()->keyboardLightConfig().ledType, 4);
}

TEST_F(LightingFlowTest, KeyboardWithoutSideLightOffersNoSwitch)
{
    auto kb = addKeyboard("TL68HE");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    auto *sw = lights()->findChild<QWidget *>(QStringLiteral("frame_B"));
    EXPECT_FALSE(sw->isVisible());
    // Every key effect the keyboard lists has its button.
    for (const char *name : {"toolButton_Static", "toolButton_Fireworks", "toolButton_SpeedRespond",
                             "toolButton_MusicalRhythm", "toolButton_CustomLed"})
        EXPECT_TRUE(button(name)->isVisible()) << name;
    EXPECT_FALSE(button("toolButton_MouseDPI")->isVisible());
    button("toolButton_Fireworks")->click();
    ASSERT_TRUE(waitFor([&] {
        const auto sets = lightSets(*kb, out::KeyboardLight);
        return !sets.isEmpty() && sets.last()[6] == 16;
    }));
}

// Keys painted on the keyboard view, by a drag over several and by a click on one, reach the
// keyboard as one upload of eight colour reports to the shown scheme's slot, and the profile keeps
// them.
TEST_F(LightingFlowTest, PaintedSchemeReachesTheKeyboardAsEightReports)
{
    auto kb = addKeyboard("TL104");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    button("toolButton_CustomLed")->click();
    ASSERT_EQ(lights()->currentCustomLightIndex(), 0);

    auto *area = page->findChild<dragShowArea *>();
    auto *view = page->findChild<hidDeviceJoinFrame *>();
    ASSERT_NE(area, nullptr);
    ASSERT_NE(view, nullptr);
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    ASSERT_EQ(keys.size(), 132);
    auto key = [&](int row, int column) { return keys.at(row * 22 + column); };
    auto at = [&](keyboardButCustom *k, QPoint offset) {
        return area->mapFrom(page.get(), k->mapTo(page.get(), QPoint(0, 0))) + offset;
    };
    auto paint = [&](const char *preset) {
        const int before = kb->received().size();
        lights()->pickPresetColor(preset);
        return waitFor([&] {
            int colourReports = 0;
            for (int i = before; i < kb->received().size(); ++i)
                colourReports += kb->received()[i][1] == out::CustomColours;
            return colourReports == 8;
        });
    };

    // Drag over Q, W, E, R (row 2, columns 1 to 4): the band holds the keys' top-left corners.
    QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, at(key(2, 1), QPoint(-3, -3)));
    QTest::mouseMove(area, at(key(2, 4), QPoint(3, 3)));
    QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, at(key(2, 4), QPoint(3, 3)));
    ASSERT_EQ(view->dragSelectedKeys().size(), 4);
    ASSERT_TRUE(paint("0,85,255"));

    // A right click clears the selection; a click on a single key selects it alone.
    QTest::mouseClick(area, Qt::RightButton, Qt::NoModifier, at(key(3, 1), QPoint(-3, -3)));
    ASSERT_TRUE(view->dragSelectedKeys().isEmpty());
    const QPoint middle = at(key(4, 3), QPoint(key(4, 3)->width() / 2, key(4, 3)->height() / 2));
    QTest::mouseMove(area, middle);
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, middle);
    ASSERT_EQ(view->dragSelectedKeys(), QList<keyboardButCustom *>{key(4, 3)});
    const int uploadStart = kb->received().size();
    ASSERT_TRUE(paint("255,0,0"));

    QVector<HidReport> upload;
    for (int i = uploadStart; i < kb->received().size(); ++i)
        if (kb->received()[i][1] == out::CustomColours)
            upload.append(kb->received()[i]);
    ASSERT_EQ(upload.size(), 8);
    auto sentColour = [&](int k) {
        const HidReport &r = upload[k / 18];
        const int at = 6 + 3 * (k % 18);
        return QColor(r[at], r[at + 1], r[at + 2]);
    };
    for (int p = 0; p < 8; ++p) {
        EXPECT_EQ(upload[p][kSubByte], 0) << "slot of the shown scheme";
        EXPECT_EQ(upload[p][kPacketByte], p);
    }
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(sentColour(2 * 22 + column), QColor(0, 85, 255)) << column;
    EXPECT_EQ(sentColour(4 * 22 + 3), QColor(255, 0, 0));
    for (int k = 0; k < 132; ++k) {
        const QColor c = keys.at(k)->customLightColor();
        EXPECT_EQ(sentColour(k), QColor(c.red(), c.green(), c.blue())) << "key " << k;
    }

    // The profile holds the painted colours of the scheme.
    QList<CustomLightItem> stored;
    ASSERT_TRUE(CQuelmoXML_ProFileCustomLightInfoSelectAll(
        lights()->profileXmlPath(), QByteArray::number(lights()->profileIndex()).constData(), "0", &stored));
    int painted = 0;
    for (const CustomLightItem &item : qAsConst(stored)) {
        if (item.indexX == 2 && item.indexY >= 1 && item.indexY <= 4)
            painted += item.colorR == 0 && item.colorG == 85 && item.colorB == 255;
        if (item.indexX == 4 && item.indexY == 3)
            painted += item.colorR == 255 && item.colorG == 0 && item.colorB == 0;
    }
    EXPECT_EQ(painted, 5);
}

// Behind a receiver the keyboard gets no frames: the shown scheme's colours go to its slot 2 whole,
// follow the chosen scheme, and no light configuration comes after them.
TEST_F(LightingFlowTest, ReceiverKeyboardGetsTheShownSchemeInItsOwnSlot)
{
    auto kb = addKeyboard("TL104", LinkType::Receiver);
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    ASSERT_EQ(keys.size(), 132);
    auto schemeOnKeys = [&] {
        std::vector<uint8_t> rgb;
        for (keyboardButCustom *k : keys) {
            const QColor c = k->customLightColor();
            rgb.insert(rgb.end(), {uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())});
        }
        return rgb;
    };
    auto uploads = [&] { return kb->state().custom.uploads; };

    button("toolButton_CustomLed")->click();
    ASSERT_TRUE(waitFor([&] {
        const auto sets = lightSets(*kb, out::KeyboardLight);
        return uploads()[2] >= 1 && !sets.isEmpty() && sets.last()[6] == 10;
    }));
    const std::vector<uint8_t> first = kb->state().custom.slotColours[2];
    EXPECT_EQ(first, schemeOnKeys());
    EXPECT_TRUE(std::any_of(first.begin(), first.end(), [](uint8_t b) { return b != 0; }));

    // Another scheme replaces the colours in slot 2; the keyboard's own schemes stay untouched.
    DCustomLightListItem *wasd = nullptr;
    for (DCustomLightListItem *row : lights()->findChildren<DCustomLightListItem *>())
        if (row->customLightIndex() == "1")
            wasd = row;
    ASSERT_NE(wasd, nullptr);
    const int uploadsBefore = uploads()[2];
    const int configsBefore = lightSets(*kb, out::KeyboardLight).size();
    QTest::mousePress(wasd, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return uploads()[2] == uploadsBefore + 1; }));
    const SimKeyboardState::CustomColours c = kb->state().custom;
    EXPECT_EQ(c.slotColours[2], schemeOnKeys());
    EXPECT_NE(c.slotColours[2], first);
    EXPECT_EQ(c.uploads[0] + c.uploads[1], 0);
    EXPECT_EQ(c.brokenUploads, 0);
    QTest::qWait(100);
    EXPECT_EQ(lightSets(*kb, out::KeyboardLight).size(), configsBefore);
    EXPECT_EQ(kb->receivedCount(out::StreamFrame), 0);
}

// The preview on the keyboard picture: an animated effect changes the keys' colours from tick to
// tick, a still one is shown once and nothing ticks, and a press lights the key under a reactive
// effect.
TEST_F(LightingFlowTest, PreviewAnimatesTheKeysOnlyForAnimatedEffects)
{
    auto kb = addKeyboard("TL104");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    lightDealMain *engine = page->lightEngineObject();
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    ASSERT_EQ(keys.size(), 132);
    auto shown = [&] { return lightColours(keys); };

    button("toolButton_Static")->click();
    ASSERT_TRUE(waitFor([&] { return engine->keyboardLightConfig().ledType == 0; }));
    EXPECT_TRUE(engine->isEffectThreadsRunning());
    EXPECT_FALSE(engine->isKeyTicking());
    EXPECT_FALSE(engine->isPreviewTicking());
    const QVector<QColor> still = shown();
    EXPECT_EQ(still.at(2 * 22 + 5).alpha(), 180) << "the static colour is shown without ticks";
    QTest::qWait(150);
    EXPECT_EQ(shown(), still);

    button("toolButton_Wave")->click();
    ASSERT_TRUE(waitFor([&] { return engine->isKeyTicking() && engine->isPreviewTicking(); }));
    const QVector<QColor> first = shown();
    ASSERT_TRUE(waitFor([&] { return shown() != first; }));
    const QVector<QColor> second = shown();
    ASSERT_TRUE(waitFor([&] { return shown() != second; })) << "the wave keeps moving";

    button("toolButton_Reactive")->click();
    ASSERT_TRUE(waitFor([&] { return engine->keyboardLightConfig().ledType == 6; }));
    ASSERT_TRUE(waitFor([&] { return keys.at(3 * 22 + 7)->lightColor().alpha() == 0; }));
    page->onInteractLightsPointXY(3, 7);
    ASSERT_TRUE(waitFor([&] { return keys.at(3 * 22 + 7)->lightColor().alpha() > 0; }));
    EXPECT_EQ(keys.at(1 * 22 + 2)->lightColor().alpha(), 0) << "only the pressed key lights";
    ASSERT_TRUE(waitFor([&] { return keys.at(3 * 22 + 7)->lightColor().alpha() == 0; }))
        << "the pressed key fades out";
    EXPECT_EQ(kb->state().keyboardLight[0], 6);

    // Leaving the keyboard stops every tick.
    page.reset();
    flushDeletes();
}

// Every animated key effect a user can pick moves on the keyboard picture: the previewed colours
// keep changing and some key is lit. Effects that answer presses get one.
TEST_F(LightingFlowTest, EveryAnimatedKeyEffectMovesInThePreview)
{
    struct Case
    {
        const char *button;
        int type;
        bool needsPress;
    };
    const Case cases[] = {
        {"toolButton_Breath", 1, false},       {"toolButton_Wave", 2, false},
        {"toolButton_Neon", 3, false},         {"toolButton_Radar", 4, false},
        {"toolButton_Snack", 5, false},        {"toolButton_Reactive", 6, true},
        {"toolButton_Aurora", 7, true},        {"toolButton_Ripple", 8, true},
        {"toolButton_Twinkle", 9, false},      {"toolButton_Cross", 11, true},
        {"toolButton_SpeedRespond", 12, true}, {"toolButton_AutoRipple", 14, false},
        {"toolButton_Striation", 15, false},   {"toolButton_Fireworks", 16, true},
    };
    auto kb = addKeyboard("TL104");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    lightDealMain *engine = page->lightEngineObject();
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    auto shown = [&] { return lightColours(keys); };
    auto anyLit = [&] {
        for (keyboardButCustom *k : keys) {
            if (k->isVisible() && k->lightColor().alpha() > 0)
                return true;
        }
        return false;
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        button(c.button)->click();
        ASSERT_TRUE(waitFor([&] { return engine->keyboardLightConfig().ledType == c.type; }));
        ASSERT_TRUE(waitFor([&] { return engine->isKeyTicking() && engine->isPreviewTicking(); }));
        bool lit = false;
        int changes = 0;
        QVector<QColor> last = shown();
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 3000 && (changes < 3 || !lit)) {
            if (c.needsPress && t.elapsed() % 400 < 40)
                page->onInteractLightsPointXY(3, 7);
            QTest::qWait(30);
            const QVector<QColor> now = shown();
            changes += now != last;
            last = now;
            lit = lit || anyLit();
        }
        EXPECT_GE(changes, 3) << "the preview keeps changing";
        EXPECT_TRUE(lit) << "some key is lit";
    }

    // The same for the side light's animated effects.
    button("toolButton_LightSelectTypeChanged")->click();
    auto shownSide = [&] {
        QVector<QColor> out;
        for (sideLightButtonCustom *b : engine->sideButtons)
            out.append(b->color());
        return out;
    };
    ASSERT_FALSE(engine->sideButtons.isEmpty());
    const std::pair<const char *, int> sideCases[] = {{"toolButton_SideBreath", 1},
                                                      {"toolButton_SideWave", 2},
                                                      {"toolButton_SideCollision", 3},
                                                      {"toolButton_SideNeon", 4}};
    for (const auto &c : sideCases) {
        SCOPED_TRACE(c.first);
        button(c.first)->click();
        ASSERT_TRUE(waitFor([&] { return engine->sideLightConfig().ledType == c.second; }));
        ASSERT_TRUE(waitFor([&] { return engine->isSideTicking() && engine->isPreviewTicking(); }));
        int changes = 0;
        QVector<QColor> last = shownSide();
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 3000 && changes < 3) {
            QTest::qWait(30);
            const QVector<QColor> now = shownSide();
            changes += now != last;
            last = now;
        }
        EXPECT_GE(changes, 3) << "the side preview keeps changing";
    }
    page.reset();
    flushDeletes();
}

// The animated preview costs one repaint of the light layer over the keys per frame at most,
// whatever number of keys changed; the key layer and the key buttons under it are never repainted
// for it.
TEST_F(LightingFlowTest, WavePreviewRepaintsTheLightLayerOncePerFrame)
{
    addKeyboard("TL104");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    lightDealMain *engine = page->lightEngineObject();
    keySelectFrame *layer = DDataManager::getInstance()->keySelectFrame();
    ASSERT_NE(layer, nullptr);
    const QList<keyboardButCustom *> keys = layer->keyButtons();
    button("toolButton_Wave")->click();
    ASSERT_TRUE(waitFor([&] { return engine->isKeyTicking() && engine->isPreviewTicking(); }));

    keyLightLayer *lights = layer->parentWidget()->findChild<keyLightLayer *>();
    ASSERT_NE(lights, nullptr);
    PaintCounter counter;
    layer->installEventFilter(&counter);
    lights->installEventFilter(&counter);
    for (keyboardButCustom *k : keys)
        k->installEventFilter(&counter);
    QVector<QColor> last;
    int frames = 0; // light frames seen on the keys
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 600) {
        QVector<QColor> now;
        for (keyboardButCustom *k : keys)
            now.append(k->lightColor());
        frames += now != last ? 1 : 0;
        last = now;
        QTest::qWait(5);
    }
    int keyPaints = 0;
    for (keyboardButCustom *k : keys)
        keyPaints += counter.of(k);
    EXPECT_EQ(keyPaints, 0);
    EXPECT_EQ(counter.of(layer), 0);
    EXPECT_TRUE(lights->isVisible());
    EXPECT_GT(counter.of(lights), 0) << "the wave is shown";
    // Frames shorter than the 5 ms sampling are not seen, but never more than one frame per tick.
    EXPECT_LE(counter.of(lights), int(t.elapsed()) / lighttiming::kPreviewInterval + 2);
    EXPECT_GT(frames, 2);
    page.reset();
    flushDeletes();
}

// Music rhythm on the keyboard picture: choosing it starts the capture and the key tick, a tone lights
// the columns of its band on the key buttons and the bars fall back, and another effect stops the
// tick, the device check and the capture.
class MusicFlowTest : public LightingFlowTest
{
protected:
    void SetUp() override
    {
        LightingFlowTest::SetUp();
        DSoundCardAudioCapture::setFactory([this] {
            auto owned = std::make_unique<FakeSoundCardCapture>();
            capture = owned.get();
            return owned;
        });
    }
    void TearDown() override
    {
        LightingFlowTest::TearDown();
        DSoundCardAudioCapture::setFactory({});
    }
    FakeSoundCardCapture *capture = nullptr;
};

TEST_F(MusicFlowTest, ToneLightsItsColumnsOnTheKeysAndOtherEffectsStopTheCapture)
{
    auto kb = addKeyboard("TL104");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    lightDealMain *engine = page->lightEngineObject();
    ASSERT_NE(capture, nullptr);
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    ASSERT_EQ(keys.size(), 132);
    // The rows of a column whose key button shows light.
    auto litRows = [&](int column) {
        int n = 0;
        for (int row = 0; row < 6; ++row)
            if (keyboardButCustom *k = keys.at(row * 22 + column))
                n += k->lightColor().alpha() > 0 ? 1 : 0;
        return n;
    };
    auto anyLit = [&] {
        for (int c = 0; c < 22; ++c)
            if (litRows(c) > 0)
                return true;
        return false;
    };

    button("toolButton_Static")->click();
    ASSERT_TRUE(waitFor([&] { return engine->keyboardLightConfig().ledType == 0; }));
    EXPECT_EQ(capture->starts(), 0) << "nothing records before music is chosen";

    button("toolButton_MusicalRhythm")->click();
    ASSERT_TRUE(waitFor([&] { return engine->keyboardLightConfig().ledType == 100; }));
    EXPECT_TRUE(capture->isRunning());
    EXPECT_TRUE(engine->musicRhythm().isDeviceCheckRunning());
    EXPECT_TRUE(engine->isKeyTicking());
    EXPECT_TRUE(engine->isPreviewTicking());
    ASSERT_TRUE(waitFor([&] { return !anyLit(); })) << "silence lights nothing";

    // 700 Hz falls into band 8 of 11 between 30 and 930 Hz: columns 16 and 17 of 22.
    const QByteArray tone = musictest::pcm(4096 + 441, 700.0, 0.5);
    for (int offset = 0; offset < tone.size(); offset += 1764)
        capture->feed(tone.mid(offset, 1764));
    ASSERT_TRUE(waitFor([&] { return litRows(16) >= 4 && litRows(17) >= 4; }));
    for (int c : {0, 1, 4, 5, 10, 11, 20, 21})
        EXPECT_EQ(litRows(c), 0) << "column " << c << " is far from the tone";
    ASSERT_TRUE(waitFor([&] { return !anyLit(); })) << "the bars fall back without sound";

    const int startsBefore = capture->starts();
    button("toolButton_Wave")->click();
    ASSERT_TRUE(waitFor([&] { return engine->keyboardLightConfig().ledType != 100; }));
    EXPECT_FALSE(capture->isRunning());
    EXPECT_FALSE(engine->musicRhythm().isDeviceCheckRunning());
    EXPECT_FALSE(engine->musicRhythm().isActive());
    QTest::qWait(1200); // longer than the device check's period
    EXPECT_EQ(capture->starts(), startsBefore) << "the device check does not restart the capture";
    EXPECT_FALSE(capture->isRunning());

    // Back to music and then a still effect: the key tick ends with the capture.
    button("toolButton_MusicalRhythm")->click();
    ASSERT_TRUE(waitFor([&] { return capture->isRunning() && engine->isKeyTicking(); }));
    // Off screen the music keeps ticking and streaming (the keyboard cannot make it itself), unpainted.
    page->hide();
    EXPECT_TRUE(engine->isKeyTicking());
    EXPECT_TRUE(engine->isStreamingRunning());
    EXPECT_FALSE(engine->isPreviewTicking());
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    EXPECT_TRUE(engine->isPreviewTicking());

    button("toolButton_Static")->click();
    ASSERT_TRUE(waitFor([&] { return engine->keyboardLightConfig().ledType == 0; }));
    EXPECT_FALSE(capture->isRunning());
    EXPECT_FALSE(engine->isKeyTicking());
    EXPECT_FALSE(engine->isPreviewTicking());
}

} // namespace

// The open keyboard is switched into light synchronisation and receives the animated frames the
// preview shows, whole; stopping the engine switches it back.
TEST_F(LightingFlowTest, KeyboardReceivesTheAnimatedFramesOfThePreview)
{
    auto kb = addKeyboard("TL104");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    button("toolButton_Wave")->click();
    lightDealMain *engine = page->lightEngineObject();
    ASSERT_TRUE(waitFor([&] { return engine->isStreamingRunning() && kb->state().stream.frames >= 2; }));
    EXPECT_TRUE(kb->state().stream.synchronised);

    // The wave moves: the keyboard sees different frames.
    const std::vector<uint8_t> first = kb->state().stream.keys;
    ASSERT_TRUE(waitFor([&] { return kb->state().stream.keys != first; }));

    // Held still, the frame sent on the switch (after any frame still on its way) carries exactly the
    // engine's colours.
    engine->setLightThreadsRunning(false);
    auto sameAsEngine = [&](const std::vector<uint8_t> &keys) {
        for (int i = 0; i < 132 && keys.size() == 396u; ++i) {
            const QColor c = engine->keyColors()[std::size_t(i)];
            if (keys[std::size_t(3 * i)] != c.red() || keys[std::size_t(3 * i + 1)] != c.green() ||
                keys[std::size_t(3 * i + 2)] != c.blue())
                return false;
        }
        return keys.size() == 396u;
    };
    ASSERT_TRUE(waitFor([&] { return sameAsEngine(kb->state().stream.keys); }));
    const SimKeyboardState::LightStream s = kb->state().stream;
    EXPECT_EQ(s.brokenFrames, 0);
    int lit = 0;
    for (int i = 0; i < 132; ++i) {
        const QColor c = engine->keyColors()[std::size_t(i)];
        lit += c.red() + c.green() + c.blue() > 0 ? 1 : 0;
    }
    EXPECT_GT(lit, 0);

    // Stopping the engine hands the lights back to the keyboard.
    engine->setLightSynchronous(false);
    EXPECT_FALSE(engine->isStreamingRunning());
    EXPECT_TRUE(waitFor([&] { return !kb->state().stream.synchronised; }));
}

// Closing the device page while it streams hands the lights back to the keyboard: the last
// synchronisation report it gets switches streaming off, also behind a queue of other commands.
TEST_F(LightingFlowTest, ClosingThePageWhileStreamingHandsTheLightsBack)
{
    auto kb = addKeyboard("TL104");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    lightDealMain *engine = page->lightEngineObject();
    ASSERT_TRUE(waitFor([&] { return engine->isStreamingRunning() && kb->state().stream.synchronised; }));

    // Commands still waiting to be written when the page goes.
    const HidReport relay = makeReport(out::KeyRelay);
    for (int i = 0; i < 30; ++i)
        ASSERT_EQ(lights()->hidInterface()->sendCommand(relay.data()), 0);
    page.reset();
    flushDeletes();
    EXPECT_FALSE(kb->state().stream.synchronised);
    QVector<HidReport> syncs;
    for (const HidReport &r : kb->received())
        if (r[1] == out::StreamingState)
            syncs.append(r);
    ASSERT_GE(syncs.size(), 2);
    EXPECT_EQ(syncs.last()[6], 0);
}

// A still effect is streamed once per change, not 33 times a second; off screen (hidden to the tray
// or minimised) nothing is previewed or streamed and the keyboard shows its own effect, and back on
// screen both resume.
TEST_F(LightingFlowTest, StillEffectsAndAHiddenWindowCostTheKeyboardLinkNothing)
{
    auto kb = addKeyboard("TL104");
    ASSERT_NO_FATAL_FAILURE(openPageWithLink());
    openLightingTab();
    lightDealMain *engine = page->lightEngineObject();
    auto frames = [&] { return kb->state().stream.frames; };

    button("toolButton_Static")->click();
    ASSERT_TRUE(waitFor([&] { return engine->keyboardLightConfig().ledType == 0 && frames() >= 1; }));
    ASSERT_TRUE(waitFor([&] { return !engine->streamer()->isSendTicking(); }));
    EXPECT_TRUE(engine->isStreamingRunning());
    EXPECT_TRUE(kb->state().stream.synchronised);
    QTest::qWait(100); // the clicks' own changes settle
    const int still = frames();
    QTest::qWait(300);
    EXPECT_EQ(frames(), still) << "an unchanged still frame is not sent again";
    const QColor key = engine->keyColors()[2 * 22 + 5];
    EXPECT_GT(key.red() + key.green() + key.blue(), 0);
    EXPECT_EQ(kb->state().stream.keys[3 * (2 * 22 + 5) + 1], key.green()) << "the still frame carries it";
    EXPECT_EQ(kb->state().stream.brokenFrames, 0);

    button("toolButton_Wave")->click();
    ASSERT_TRUE(waitFor([&] { return frames() >= still + 5; })) << "an animated effect streams";

    struct Case
    {
        const char *name;
        std::function<void()> leave;
        std::function<void()> back;
    };
    const Case cases[] = {
        {"hidden", [&] { page->hide(); }, [&] { page->show(); }},
        {"minimised", [&] { page->showMinimized(); }, [&] { page->showNormal(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        c.leave();
        ASSERT_TRUE(waitFor([&] { return !engine->isOnScreen(); }));
        EXPECT_FALSE(engine->isStreamingRunning());
        EXPECT_FALSE(engine->isKeyTicking());
        EXPECT_FALSE(engine->isPreviewTicking());
        EXPECT_FALSE(engine->streamer()->isSendTicking());
        ASSERT_TRUE(waitFor([&] { return !kb->state().stream.synchronised; }))
            << "the keyboard is handed its own effect";
        const int off = frames();
        QTest::qWait(200);
        EXPECT_EQ(frames(), off);

        c.back();
        ASSERT_TRUE(waitFor([&] { return engine->isOnScreen() && engine->isPreviewTicking(); }));
        EXPECT_TRUE(engine->isKeyTicking());
        ASSERT_TRUE(waitFor([&] { return kb->state().stream.synchronised && frames() >= off + 3; }));
    }
    EXPECT_EQ(kb->state().stream.brokenFrames, 0);
}
