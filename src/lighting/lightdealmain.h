#pragma once

#include "colorinfodata.h"
#include "hidstructinfoall.h"
#include "lighteffectengine.h"
#include "lightmodesupport.h"
#include "lightrender.h"
#include "lightstreamer.h"
#include "lighttickthread.h"
#include "musicrhythmrenderer.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <map>

class MainHidInterFace;
class keyboardButCustom;
class sideLightButtonCustom;

// The light engine: the key and side-light effects of the open keyboard, computed tick by tick,
// rendered into preview colours and painted onto the keyboard picture. Everything runs on the GUI
// thread; one frame thread paces it. Each frame steps the key and side effects as far as their
// intervals say, paints the preview and hands the frame to the streamer, in one pass. Only animated
// effects tick: a still effect is computed once when it is applied.
class lightDealMain : public QObject
{
    Q_OBJECT

public:
    explicit lightDealMain(QObject *parent = nullptr);
    ~lightDealMain() override;

    bool isEffectThreadsRunning() const { return m_keyTickRunning; }
    bool isStreamingRunning() const { return m_streamer->isStreaming(); }
    bool isSideEffectRunning() const { return m_sideTickRunning; }

    void setDeviceInfo(const hidStructInfoAll &record);
    QString modelKey() const { return m_modelKey; }
    void setLightModeSupport(const LightModeSupport &keyboard, const LightModeSupport &side);
    // Held weakly: a closed keyboard's interface reads back as null.
    void setHidInterface(MainHidInterFace *hid);
    MainHidInterFace *hidInterface() const;
    void initMusicalRhythm(int keyCount, int bandCount, double lowFrequency, double highFrequency,
                           const MusicModelRule &rule = MusicModelRule());
    void loadLightConfigFromProfile();
    void setPreviewEnabled(bool on);
    bool isPreviewEnabled() const { return m_preview; }
    void setLightThreadsRunning(bool on);
    void setLightSynchronous(bool on);
    // Whether the keyboard picture is on screen (the window neither hidden nor minimised). Off
    // screen nothing is previewed, and only the music light, which the keyboard cannot make itself,
    // keeps ticking and streaming; the keyboard shows its own effect meanwhile.
    void setOnScreen(bool shown);
    bool isOnScreen() const { return m_onScreen; }
    LightStreamer *streamer() const { return m_streamer; }
    void setInteractLightsPointXY(int indexX, int indexY);
    void setCustomLightColors(int mode, int flagIndex);
    void setKeyboardLightConfig(const colorInfoData &data);
    void setSideLightConfig(const colorInfoData &data);
    void changeKeyboardLightConfig(const colorInfoData &data);
    void changeSideLightConfig(const colorInfoData &data);
    colorInfoData keyboardLightConfig() const { return m_keyConfig; }
    colorInfoData sideLightConfig() const { return m_sideConfig; }

    // The frame of the latest tick, for the preview and for streaming to the keyboard.
    const lightrender::KeyColours &keyColors() const { return m_keyColors; }
    const lightrender::SideColours &sideColors() const { return m_sideColors; }
    const QList<int> &sideLedList() const { return m_sideLedList; }
    const std::map<int, int> &speedRespondLevels() const { return m_speedRespondLevels; }
    const LightEffectEngine &effects() const { return m_effects; }
    // The music light; it records only while music is the shown key effect.
    const MusicRhythmRenderer &musicRhythm() const { return m_musicRhythm; }
    int keyTickInterval() const { return m_keySteps.interval(); }
    int sideTickInterval() const { return m_sideSteps.interval(); }
    // Whether the frames step the key effect, step the side effect and paint the preview (only
    // while an animated effect is shown).
    bool isKeyTicking() const { return m_keysStepping && m_frameThread->isTicking(); }
    bool isSideTicking() const { return m_sideStepping && m_frameThread->isTicking(); }
    bool isPreviewTicking() const { return m_previewing && m_frameThread->isTicking(); }
    int touchPointX() const { return m_touchX; }
    int touchPointY() const { return m_touchY; }
    LightRgb touchRippleColor() const { return m_touchRipple; }
    int keyDimFactor() const { return m_keyDim.factor(m_keyView.brightness); }

    // Filled directly by the device page: the key grid row-major and the side-light buttons.
    keyboardButCustom *keyGrid[6][22] = {};
    QList<sideLightButtonCustom *> sideButtons;

public slots:
    void onDviceUpdateAllKeyColor(int steps = 1);
    void onDviceUpdateAllSideLightColor(int steps = 1);
    void onDviceUpdateAllKeyColorUI();
    void onDviceUpdateAllSideLightColorUI();

private:
    void applyLightConfig(int target);
    void pushKeyboardConfigToSdk();
    void pushSideConfigToSdk();
    void onFrameTick();
    // What paints the preview of the buttons, if they have one.
    class LightCanvas *previewCanvas() const;
    void onKeyboardFrame();
    void onSideFrame();
    void updateTicking();
    void renderStill();
    bool sideTicks() const;
    bool musicShown() const;
    bool keyTicks() const;
    bool live() const;
    void prepareMusicGrid();
    void showMusicPreview(const QVector<QColor> &colors);
    void sendCustomKeyColors(int slot, int packet, const QByteArray &colourBytes);

    hidStructInfoAll m_record{};
    QString m_modelKey;
    LightModeSupport m_keyboardModes;
    LightModeSupport m_sideModes;
    bool m_hasSideLight = false;
    QPointer<MainHidInterFace> m_hid;
    bool m_keyTickRunning = false;
    bool m_sideTickRunning = false;
    bool m_preview = false;
    bool m_syncWanted = false;
    bool m_onScreen = true;
    colorInfoData m_keyConfig;
    colorInfoData m_sideConfig;
    LightView m_keyView;
    LightView m_sideView;
    LightDimming m_keyDim;
    LightDimming m_sideDim;
    LightEffectEngine m_effects;
    lightrender::MixSource m_mix;
    std::array<LightRgb, lightgrid::kKeys> m_customColours{};
    lightrender::KeyColours m_keyColors;
    lightrender::SideColours m_sideColors;
    QList<int> m_sideLedList;
    std::map<int, int> m_speedRespondLevels;
    int m_touchX = -1;
    int m_touchY = -1;
    LightRgb m_touchRipple{-1, -1, -1};
    updateLightMainThreadUI *m_frameThread;
    LightStepClock m_keySteps = keyStepClock();
    LightStepClock m_sideSteps = sideStepClock();
    bool m_keysStepping = false;
    bool m_sideStepping = false;
    bool m_previewing = false;
    MusicRhythmRenderer m_musicRhythm{DSoundCardAudioCapture::create()};
    LightStreamer *m_streamer;
    lightstream::WirelessInputs wirelessInputs();
};
