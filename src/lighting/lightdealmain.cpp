#include "lightdealmain.h"

#include "cquelmoxml.h"
#include "customlightreport.h"
#include "ddatamanager.h"
#include "keyboardbutcustom.h"
#include "mainhidinterface.h"
#include "modelcatalogue.h"
#include "sidelightbuttoncustom.h"

#include <QDateTime>
#include <QDebug>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kCustomType = lighttypes::kCustom;
constexpr int kMusicType = lighttypes::kMusicalRhythm;
// The keyboard's custom slot for colours the computer shows over the receiver; 0 and 1 hold schemes.
constexpr int kStreamedCustomSlot = 2;

void fill(lightrender::KeyColours &colours, const QColor &c)
{
    colours.fill(c);
}

} // namespace

lightDealMain::lightDealMain(QObject *parent)
    : QObject(parent), m_frameThread(new updateLightMainThreadUI(this)), m_streamer(new LightStreamer(this))
{
    m_streamer->setOwnerPaced(true);
    m_streamer->setFrameSource(
        [this](const lightrender::KeyColours **keys, const lightrender::SideColours **side) {
            *keys = &m_keyColors;
            *side = &m_sideColors;
        });
    m_streamer->setWirelessSource([this] { return wirelessInputs(); });
    m_mix = [this](int row, int column) { return m_effects.mix(row, column); };
    m_keyDim.setSteps(0);
    m_sideDim.setSteps(0);
    connect(m_frameThread, &LightTickThread::tick, this, &lightDealMain::onFrameTick);
    connect(&m_musicRhythm, &MusicRhythmRenderer::keyFrameReady, this, [this](const QVector<QColor> &colors) {
        std::copy_n(colors.cbegin(), std::min(size_t(colors.size()), m_keyColors.size()),
                    m_keyColors.begin());
    });
    connect(&m_musicRhythm, &MusicRhythmRenderer::previewColorsPrepared, this,
            &lightDealMain::showMusicPreview);
}

// The thread is a child, but it must have ended before the members its ticks reach go.
lightDealMain::~lightDealMain()
{
    m_streamer->setStreaming(false);
    m_frameThread->stop();
}

void lightDealMain::setDeviceInfo(const hidStructInfoAll &record)
{
    m_record = record;
    m_modelKey =
        QString::fromLocal8Bit(record.modelKey, int(qstrnlen(record.modelKey, sizeof record.modelKey)));
    const ModelInfo *model = ModelCatalogue::instance().find(m_modelKey);
    m_streamer->setLink(record.linkType, model ? model->streamSideLeds() : ModelInfo::kDefaultStreamSideLeds);
}

void lightDealMain::setHidInterface(MainHidInterFace *hid)
{
    m_hid = hid;
    m_streamer->setHidInterface(hid);
}

MainHidInterFace *lightDealMain::hidInterface() const
{
    return m_hid.data();
}

void lightDealMain::setLightModeSupport(const LightModeSupport &keyboard, const LightModeSupport &side)
{
    m_keyboardModes = keyboard;
    m_sideModes = side;
    m_hasSideLight = !side.isEmpty();
    m_keyDim.setSteps(keyboard.brightnessSteps);
    m_sideDim.setSteps(side.brightnessSteps);
    // The segment list of an earlier keyboard must not drive this one's side effect.
    if (!m_hasSideLight) {
        m_sideLedList.clear();
        m_effects.startSideEffect(m_sideConfig, 0);
    }
}

void lightDealMain::initMusicalRhythm(int keyCount, int bandCount, double lowFrequency, double highFrequency,
                                      const MusicModelRule &rule)
{
    m_musicRhythm.initMusicalRhythm(keyCount, bandCount, lowFrequency, highFrequency, rule);
}

void lightDealMain::loadLightConfigFromProfile()
{
    fill(m_keyColors, QColor(0, 0, 0, 255));
    m_sideColors.fill(QColor(0, 0, 0, 255));
    char path[256] = {};
    DDataManager::getInstance()->copyProfileXmlPath(path);
    const QByteArray index = QByteArray::number(DDataManager::getInstance()->profileIndex());
    for (int target : {lighttypes::kKeyboard, lighttypes::kSide}) {
        const int type = CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(path, index.constData(), target);
        int values[14] = {};
        colorInfoData record;
        if (type >= 0 &&
            CQuelmoXML_SelectProfileColorDataInfo(path, index.constData(), target, type, values)) {
            static_assert(sizeof(values) == sizeof(colorInfoData));
            std::memcpy(&record, values, sizeof(values));
        } else {
            // A profile without a record gets the type's defaults, never the previous keyboard's record.
            record = lighttypes::defaultRecord(target, type >= 0 ? type : 0);
        }
        record.hidType = target;
        (target == lighttypes::kKeyboard ? m_keyConfig : m_sideConfig) = record;
        applyLightConfig(target);
    }
    pushKeyboardConfigToSdk();
    if (m_hasSideLight) {
        m_sideLedList.clear();
        for (sideLightButtonCustom *button : qAsConst(sideButtons))
            m_sideLedList.append(button ? button->validStatus() : 0);
        pushSideConfigToSdk();
    }
    updateTicking();
}

void lightDealMain::applyLightConfig(int target)
{
    if (target == lighttypes::kKeyboard) {
        m_keyView = LightView::of(m_keyConfig);
        m_keySteps.setInterval(
            lighttiming::keyInterval(m_keyConfig.ledSpeed - 1, m_keyboardModes.speedSteps));
        if (m_keyView.type == kMusicType)
            prepareMusicGrid();
    } else if (target == lighttypes::kSide && m_hasSideLight) {
        m_sideView = LightView::of(m_sideConfig);
        m_sideSteps.setInterval(lighttiming::sideInterval(m_sideConfig.ledSpeed - 1, m_sideModes.speedSteps));
    }
}

void lightDealMain::pushKeyboardConfigToSdk()
{
    m_effects.startKeyEffect(m_keyConfig, m_record.keyCount, m_hasSideLight);
}

void lightDealMain::pushSideConfigToSdk()
{
    m_effects.startSideEffect(m_sideConfig, int(m_sideLedList.size()));
}

void lightDealMain::setKeyboardLightConfig(const colorInfoData &data)
{
    m_keyConfig = data;
    applyLightConfig(lighttypes::kKeyboard);
    pushKeyboardConfigToSdk();
    updateTicking();
}

void lightDealMain::changeKeyboardLightConfig(const colorInfoData &data)
{
    m_keyConfig = data;
    fill(m_keyColors, QColor(0, 0, 0, 255));
    applyLightConfig(lighttypes::kKeyboard);
    m_effects.updateKeyEffect(data);
    updateTicking();
}

void lightDealMain::setSideLightConfig(const colorInfoData &data)
{
    m_sideConfig = data;
    applyLightConfig(lighttypes::kSide);
    pushSideConfigToSdk();
    updateTicking();
}

void lightDealMain::changeSideLightConfig(const colorInfoData &data)
{
    m_sideConfig = data;
    m_sideColors.fill(QColor(0, 0, 0, 255));
    applyLightConfig(lighttypes::kSide);
    m_effects.updateSideEffect(data);
    updateTicking();
}

void lightDealMain::setPreviewEnabled(bool on)
{
    m_preview = on;
    updateTicking();
}

void lightDealMain::setLightSynchronous(bool on)
{
    m_syncWanted = on;
    m_streamer->setStreaming(on && live());
}

void lightDealMain::setOnScreen(bool shown)
{
    if (shown == m_onScreen)
        return;
    m_onScreen = shown;
    updateTicking();
}

void lightDealMain::setLightThreadsRunning(bool on)
{
    m_keyTickRunning = on;
    m_sideTickRunning = on;
    updateTicking();
}

void lightDealMain::prepareMusicGrid()
{
    auto colour = [](const LightRgb &c) { return QColor(c.r, c.g, c.b); };
    m_musicRhythm.prepareMusicalRhythmGrid({colour(m_keyView.colour1), colour(m_keyView.colour2),
                                            m_keyView.fullColour, m_keyDim.factor(m_keyView.brightness)});
}

// The freshly coloured grid goes onto the key buttons at once, before the first bars.
void lightDealMain::showMusicPreview(const QVector<QColor> &colors)
{
    for (int row = 0; row < lightgrid::kRows; ++row) {
        for (int col = 0; col < lightgrid::kColumns; ++col) {
            const int index = row * lightgrid::kColumns + col;
            if (keyboardButCustom *button = keyGrid[row][col]; button && index < colors.size())
                button->setLightColor(colors.at(index));
        }
    }
}

bool lightDealMain::musicShown() const
{
    return m_keyTickRunning && m_keyView.type == kMusicType;
}

bool lightDealMain::live() const
{
    return m_onScreen || musicShown();
}

bool lightDealMain::keyTicks() const
{
    return m_keyTickRunning && live() && (LightEffectEngine::keyTypeAnimates(m_keyView.type) || musicShown());
}

bool lightDealMain::sideTicks() const
{
    return m_sideTickRunning && live() && m_hasSideLight && !m_sideLedList.isEmpty() &&
           LightEffectEngine::sideTypeAnimates(m_sideView.type);
}

// Runs the frames while an effect animates and stops them otherwise; a still effect is computed and
// shown once instead. An effect that starts animating takes its first step with the next frame.
void lightDealMain::updateTicking()
{
    const bool keys = keyTicks();
    const bool side = sideTicks();
    if (!keys && !side)
        m_frameThread->stop();
    const auto now = LightStepClock::Clock::now();
    if (keys && !m_keysStepping)
        m_keySteps.restart(now);
    if (side && !m_sideStepping)
        m_sideSteps.restart(now);
    m_keysStepping = keys;
    m_sideStepping = side;
    m_previewing = m_preview && m_onScreen && (keys || side);
    // Music records only while it is the shown key effect; otherwise nothing captures or checks.
    m_musicRhythm.setMusicalRhythmActive(musicShown());
    if (m_keyTickRunning)
        renderStill();
    m_streamer->setAnimated(keys || side);
    m_streamer->setStreaming(m_syncWanted && live());
    if (keys || side)
        m_frameThread->startTicking();
}

void lightDealMain::renderStill()
{
    if (!keyTicks())
        onDviceUpdateAllKeyColor();
    if (m_sideTickRunning && m_hasSideLight && !LightEffectEngine::sideTypeAnimates(m_sideView.type))
        onDviceUpdateAllSideLightColor();
    onDviceUpdateAllKeyColorUI();
    onDviceUpdateAllSideLightColorUI();
    m_streamer->frameChanged();
}

// One frame: the effects step as far as their intervals say, and the result is previewed and
// streamed.
void lightDealMain::onFrameTick()
{
    m_frameThread->acknowledge();
    const auto now = LightStepClock::Clock::now();
    if (m_keysStepping)
        onDviceUpdateAllKeyColor(m_keySteps.take(now));
    if (m_sideStepping)
        onDviceUpdateAllSideLightColor(m_sideSteps.take(now));
    if (m_previewing) {
        // The frame's colours are painted together, as this pass ends.
        LightCanvas *canvas = previewCanvas();
        if (canvas)
            canvas->beginFrame();
        onDviceUpdateAllKeyColorUI();
        onDviceUpdateAllSideLightColorUI();
        if (canvas)
            canvas->endFrame();
    }
    m_streamer->frameStepped();
}

LightCanvas *lightDealMain::previewCanvas() const
{
    for (const auto &row : keyGrid) {
        for (keyboardButCustom *button : row) {
            if (button)
                return button->canvas();
        }
    }
    return nullptr;
}

// Steps the key effect `steps` times and renders the result once; nothing when no step is due.
void lightDealMain::onDviceUpdateAllKeyColor(int steps)
{
    if (m_keyView.type == kMusicType) {
        // The bars fall one step per tick; the frame arrives through keyFrameReady.
        for (; steps > 0; --steps)
            m_musicRhythm.renderMusicalRhythm();
        return;
    }
    if (steps <= 0)
        return;
    for (; steps > 0; --steps)
        m_effects.stepKeys();
    onKeyboardFrame();
}

void lightDealMain::onKeyboardFrame()
{
    if (m_keyView.type == kCustomType) {
        for (size_t i = 0; i < m_customColours.size(); ++i)
            m_keyColors[i] = lightrender::renderCustom(m_customColours[i], m_keyView.brightness, m_keyDim);
        return;
    }
    lightrender::renderKeys(m_effects.keyFrame(), m_mix, m_keyView, m_keyDim, m_keyColors,
                            &m_speedRespondLevels);
}

void lightDealMain::onDviceUpdateAllSideLightColor(int steps)
{
    if (steps <= 0)
        return;
    for (; steps > 0; --steps)
        m_effects.stepSide();
    onSideFrame();
}

void lightDealMain::onSideFrame()
{
    lightrender::renderSide(m_effects.sideFrame(), int(m_sideLedList.size()), m_sideView, m_sideDim,
                            m_sideColors);
}

void lightDealMain::onDviceUpdateAllKeyColorUI()
{
    if (!m_keyTickRunning || !m_preview)
        return;
    for (int row = 0; row < lightgrid::kRows; ++row) {
        for (int col = 0; col < lightgrid::kColumns; ++col) {
            keyboardButCustom *button = keyGrid[row][col];
            const QColor &c = m_keyColors[size_t(row * lightgrid::kColumns + col)];
            // Only keys whose colour changed are repainted.
            if (button && button->lightColor() != c)
                button->setLightColor(c);
        }
    }
}

void lightDealMain::onDviceUpdateAllSideLightColorUI()
{
    if (!m_sideTickRunning || !m_hasSideLight || !m_preview)
        return;
    const int n = std::min(int(sideButtons.size()), lightgrid::kSideLeds);
    for (int k = 0; k < n; ++k) {
        sideLightButtonCustom *button = sideButtons.at(k);
        if (button && button->color() != m_sideColors[size_t(k)])
            button->setColor(m_sideColors[size_t(k)]);
    }
}

void lightDealMain::setInteractLightsPointXY(int indexX, int indexY)
{
    // Presses reach the effect on both links; the keyboard behind a receiver is also told.
    m_effects.keyPressed(indexX, indexY);
    if (m_record.linkType == 1) {
        m_touchX = indexX;
        m_touchY = indexY;
        m_touchRipple = m_effects.rippleColor();
    }
}

void lightDealMain::setCustomLightColors(int mode, int flagIndex)
{
    for (int row = 0; row < lightgrid::kRows; ++row) {
        for (int col = 0; col < lightgrid::kColumns; ++col) {
            LightRgb c;
            if (keyboardButCustom *button = keyGrid[row][col]) {
                const QColor q = button->customLightColor();
                c = {q.red(), q.green(), q.blue()};
            }
            m_customColours[size_t(row * lightgrid::kColumns + col)] = c;
        }
    }
    if (m_keyView.type == kCustomType && m_keyTickRunning)
        renderStill();
    // Over the receiver the keyboard gets no frames: a newly shown scheme, or colours painted while
    // no scheme is chosen, go to its own slot instead.
    if (m_record.linkType == 1 && (mode == 0 || (mode == 1 && flagIndex == -1))) {
        customlightreport::KeyColours colours;
        std::transform(m_customColours.cbegin(), m_customColours.cend(), colours.begin(),
                       [](const LightRgb &c) { return QColor(c.r, c.g, c.b); });
        const QVector<QByteArray> packets = customlightreport::packetColours(colours);
        for (int p = 0; p < packets.size(); ++p)
            sendCustomKeyColors(kStreamedCustomSlot, p, packets.at(p));
    }
}

void lightDealMain::sendCustomKeyColors(int slot, int packet, const QByteArray &colourBytes)
{
    const HidReport r = customlightreport::colourPacket(slot, packet, colourBytes);
    if (!m_hid || m_hid->sendCommand(r.data()) < 0)
        qDebug() << "USB serial port [Write custom-Led] Failed ...";
}

// Read by the streamer once per 2.4 GHz send tick: a key press is handed over once.
lightstream::WirelessInputs lightDealMain::wirelessInputs()
{
    lightstream::WirelessInputs in;
    in.keyType = m_keyConfig.ledType;
    in.sideType = m_sideConfig.ledType;
    in.hasSideLight = m_hasSideLight;
    in.epochMs = quint64(QDateTime::currentMSecsSinceEpoch());
    in.firstKey = m_keyColors[0];
    in.firstSide = m_sideColors[0];
    in.touchX = m_touchX;
    in.touchY = m_touchY;
    in.touchRipple = m_touchRipple;
    m_touchX = -1;
    m_touchY = -1;
    in.speedRespondLevels = &m_speedRespondLevels;
    in.autoRippleStarts = m_effects.keyFrame()[0].v[LightFrameRecord::Flag] == 1;
    in.autoRippleConfig = m_effects.autoRippleConfig();
    in.collisionState = m_effects.collisionState();
    const auto toVector = [](const QList<int> &list) { return std::vector<int>(list.cbegin(), list.cend()); };
    in.bandColumnCounts = toVector(m_musicRhythm.bandColumnCounts());
    in.musicColumnLevels = toVector(m_musicRhythm.musicColumnLevels());
    in.musicColumnIntensities = toVector(m_musicRhythm.musicColumnIntensities());
    return in;
}
