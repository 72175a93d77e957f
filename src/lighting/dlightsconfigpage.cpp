#include "dlightsconfigpage.h"

#include "fixedtext.h"

DLightsConfigPage::DLightsConfigPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DLightsConfigPage"));
    qRegisterMetaType<colorInfoData>("colorInfoData");
}

void DLightsConfigPage::retranslate() {}

void DLightsConfigPage::applyTheme() {}

void DLightsConfigPage::showKeyboardLightPage()
{
    m_shownTarget = 0;
}

void DLightsConfigPage::setProfileXmlPath(const char *path)
{
    fixedtext::copyWhole(m_profileXmlPath, sizeof m_profileXmlPath, path ? std::string_view(path) : "");
}

void DLightsConfigPage::setSupportedLightModes(const LightModeSupport &keyboard, const LightModeSupport &side)
{
    m_keyboardModes = keyboard;
    m_sideModes = side;
}

void DLightsConfigPage::resendCustomLight()
{
    // The scheme upload comes with the lighting work; without a remembered scheme there is nothing to send.
    if (m_customLightIndex == -1)
        return;
}

void DLightsConfigPage::updateLightConfigFromHid(int hidType, int ledType)
{
    Q_UNUSED(ledType)
    m_shownTarget = hidType == 0 ? 0 : 1;
    m_current.hidType = m_shownTarget;
    emit sigLightConfigHaveChanged(-1, m_current);
}

void DLightsConfigPage::updateCustomLightFromHid(int hidType, int ledType, int usingCustomIndex)
{
    Q_UNUSED(hidType)
    Q_UNUSED(ledType)
    m_customLightIndex = usingCustomIndex;
    m_current.hidType = 0;
    m_current.ledType = 10;
    emit sigLightConfigHaveChanged(-1, m_current);
}
