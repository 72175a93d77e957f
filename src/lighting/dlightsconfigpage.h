#pragma once

#include "colorinfodata.h"
#include "lightmodesupport.h"

#include <QString>
#include <QWidget>

class MainHidInterFace;

// The lighting tab page. The mode pages come with the lighting work; this page already offers the
// entry calls and signals the device page relies on.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    explicit DLightsConfigPage(QWidget *parent = nullptr);

    void retranslate();
    void applyTheme();
    void showKeyboardLightPage();
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    void setProfileXmlPath(const char *path);
    const char *profileXmlPath() const { return m_profileXmlPath; }
    void setHidInterface(MainHidInterFace *hid) { m_hid = hid; }
    MainHidInterFace *hidInterface() const { return m_hid; }
    void setSupportedLightModes(const LightModeSupport &keyboard, const LightModeSupport &side);
    LightModeSupport keyboardModes() const { return m_keyboardModes; }
    LightModeSupport sideModes() const { return m_sideModes; }
    // -1 while no custom-light scheme is selected.
    int currentCustomLightIndex() const { return m_customLightIndex; }
    void resendCustomLight();
    void updateLightConfigFromHid(int hidType, int ledType);
    void updateCustomLightFromHid(int hidType, int ledType, int usingCustomIndex);

    int shownTarget() const { return m_shownTarget; }
    colorInfoData currentRecord() const { return m_current; }

signals:
    void sigSomeMessageTip_LightsConfigPage(QString strTip);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data);
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex,
                                       QString strCustomLightName);

private:
    char m_profileXmlPath[256] = {};
    int m_profileIndex = 1;
    MainHidInterFace *m_hid = nullptr;
    LightModeSupport m_keyboardModes;
    LightModeSupport m_sideModes;
    int m_customLightIndex = -1;
    int m_shownTarget = 0;
    colorInfoData m_current;
};
