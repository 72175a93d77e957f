#pragma once

#include "colorinfodata.h"
#include "hidstructinfoall.h"
#include "lightmodesupport.h"

#include <QList>
#include <QObject>
#include <QString>

class MainHidInterFace;
class keyboardButCustom;
class sideLightButtonCustom;

// The light engine: effect ticks, the keyboard picture's colours and light streaming to the
// keyboard. The effect threads come with the lighting work; this engine already offers the calls
// the device page makes and records what it was given.
class lightDealMain : public QObject
{
    Q_OBJECT

public:
    explicit lightDealMain(QObject *parent = nullptr);

    bool isEffectThreadsRunning() const { return m_threadsRunning; }
    bool isStreamingRunning() const { return m_streaming; }
    bool isSideEffectRunning() const { return m_threadsRunning && m_hasSideLight; }

    void setDeviceInfo(const hidStructInfoAll &record);
    QString modelKey() const { return m_modelKey; }
    void setLightModeSupport(const LightModeSupport &keyboard, const LightModeSupport &side);
    void setHidInterface(MainHidInterFace *hid) { m_hid = hid; }
    MainHidInterFace *hidInterface() const { return m_hid; }
    void initMusicalRhythm(int keyCount, int bandCount, double lowFrequency, double highFrequency);
    void loadLightConfigFromProfile();
    void setPreviewEnabled(bool on) { m_preview = on; }
    bool isPreviewEnabled() const { return m_preview; }
    void setLightThreadsRunning(bool on) { m_threadsRunning = on; }
    void setLightSynchronous(bool on) { m_streaming = on; }
    void setInteractLightsPointXY(int x, int y);
    void setCustomLightColors(int mode, int flagIndex);
    void setKeyboardLightConfig(const colorInfoData &data) { m_keyboard = data; }
    void setSideLightConfig(const colorInfoData &data) { m_side = data; }
    void changeKeyboardLightConfig(const colorInfoData &data) { m_keyboard = data; }
    void changeSideLightConfig(const colorInfoData &data) { m_side = data; }
    colorInfoData keyboardLightConfig() const { return m_keyboard; }
    colorInfoData sideLightConfig() const { return m_side; }

    // Filled directly by the device page: the key grid row-major and the side-light buttons.
    keyboardButCustom *keyGrid[6][22] = {};
    QList<sideLightButtonCustom *> sideButtons;

private:
    hidStructInfoAll m_record{};
    QString m_modelKey;
    LightModeSupport m_keyboardModes;
    LightModeSupport m_sideModes;
    bool m_hasSideLight = false;
    MainHidInterFace *m_hid = nullptr;
    bool m_threadsRunning = false;
    bool m_streaming = false;
    bool m_preview = false;
    colorInfoData m_keyboard;
    colorInfoData m_side;
};
