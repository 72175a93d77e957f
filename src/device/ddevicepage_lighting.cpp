// Between the lighting page, the light engine and the keyboard view: light-type choices, custom
// colour painting, keyboard-side light changes, and the light defaults of new profiles.
#include "ddevicepage.h"

#include "cquelmoxml.h"
#include "customlightdefaults.h"
#include "customlightitem.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "dlightsconfigpage.h"
#include "dragshowarea.h"
#include "fixedtext.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "keyselectframe.h"
#include "lightdealmain.h"

namespace {

constexpr int kCustomLightType = 10;

bool isInteractiveLightType(int type)
{
    switch (type) {
    case 6:  // Reactive
    case 7:  // Aurora
    case 8:  // Ripple
    case 11: // Cross
    case 12: // Speed Respond
    case 16: // Fireworks
        return true;
    default:
        return false;
    }
}

} // namespace

void DDevicePage::addDefaultLightConfig(int profileIndex)
{
    CustomLightDefaults::addDefaultLightConfig(profileXmlPath.get(), profileIndex,
                                               DDataManager::getInstance()->isLightSynchronize());
}

void DDevicePage::addDefaultCustomLights(int profileIndex)
{
    CustomLightDefaults::addDefaultCustomLights(profileXmlPath.get(), profileIndex, currentRecord.keyCount,
                                                QString::fromUtf8(currentRecord.modelKey));
}

ProfileOperations::Defaults DDevicePage::profileDefaults() const
{
    return {DDataManager::getInstance()->isLightSynchronize(), currentRecord.keyCount,
            QString::fromUtf8(currentRecord.modelKey)};
}

void DDevicePage::importCustomLightDefaults(int profileIndex, int schemeIndex)
{
    CustomLightDefaults::importCustomLightDefaults(profileXmlPath.get(), profileIndex, schemeIndex,
                                                   currentRecord.keyCount,
                                                   QString::fromUtf8(currentRecord.modelKey));
}

void DDevicePage::saveCustomLightScheme()
{
    const int selected = lightsConfigPage->currentCustomLightIndex();
    if (selected < 0)
        return;
    const QByteArray scheme = QByteArray::number(selected);
    const QByteArray index = QByteArray::number(currentProfileIndex);
    // The whole scheme is one write: a write per key froze the window for most of a second.
    QList<CustomLightItem> items;
    for (const auto &row : lightEngine->keyGrid) {
        for (keyboardButCustom *button : row) {
            if (!button)
                continue;
            const QColor c = button->customLightColor();
            if (c.red() == 0 && c.green() == 0 && c.blue() == 0)
                continue;
            CustomLightItem item{};
            fixedtext::copy(item.keyCode, QByteArray::number(button->keyCode()));
            fixedtext::copy(item.codeName, button->text().toLatin1());
            item.indexX = button->indexX();
            item.indexY = button->indexY();
            item.colorR = c.red();
            item.colorG = c.green();
            item.colorB = c.blue();
            item.transparentNum = 128;
            items.append(item);
        }
    }
    if (!CQuelmoXML_ReplaceProFileCustomLightDataInfo(profileXmlPath.get(), index.constData(),
                                                      scheme.constData(), items))
        onEveryPageBackTip(tr("The custom light could not be saved"));
}

void DDevicePage::onInteractLightsPointXY(int indexX, int indexY)
{
    lightEngine->setInteractLightsPointXY(indexX, indexY);
}

void DDevicePage::onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data)
{
    keySelectFrame *keys = DDataManager::getInstance()->keySelectFrame();
    customKeysPage->setInteractLightHook(isInteractiveLightType(data.ledType), 0);
    // A change the keyboard reports while the trigger tab is shown leaves that tab's key selection
    // alone.
    if (currentTabId != 4) {
        if (currentKbLightType == kCustomLightType && lightIndex != kCustomLightType && keyboardView)
            keyboardView->selectKeysInRect(0, 0, 0, 0);
        const bool painting = lightIndex == kCustomLightType;
        if (dragArea)
            dragArea->setActive(painting);
        if (keys)
            keys->setKeysHoverHighlight(painting);
    }
    currentKbLightType = lightIndex;
    lightEngine->setKeyboardLightConfig(data);
}

void DDevicePage::onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data)
{
    Q_UNUSED(lightIndex)
    lightEngine->setSideLightConfig(data);
}

void DDevicePage::onLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data)
{
    Q_UNUSED(lightConfigChangedFrom)
    if (data.hidType == 0)
        lightEngine->changeKeyboardLightConfig(data);
    else if (data.hidType == 1)
        lightEngine->changeSideLightConfig(data);
}

void DDevicePage::onLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data)
{
    Q_UNUSED(lightConfigChangedFrom)
    const QColor colour(data.color1Red, data.color1Green, data.color1Blue, 255);
    if (keyboardView) {
        for (keyboardButCustom *button : keyboardView->dragSelectedKeys()) {
            button->setLightColor(colour);
            button->setCustomLightColor(colour);
        }
    }
    lightEngine->setCustomLightColors(1, customLightIndex);
    saveCustomLightScheme();
    lightsConfigPage->resendCustomLight();
}

void DDevicePage::onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex,
                                               QString strCustomLightName)
{
    Q_UNUSED(strCustomLightName)
    const QColor black(0, 0, 0, 255);
    for (const auto &row : lightEngine->keyGrid) {
        for (keyboardButCustom *button : row) {
            if (button) {
                button->setLightColor(black);
                button->setCustomLightColor(black);
            }
        }
    }
    QList<CustomLightItem> items;
    CQuelmoXML_ProFileCustomLightInfoSelectAll(profileXmlPath.get(),
                                               QByteArray::number(currentProfileIndex).constData(),
                                               strCustomLightIndex.toUtf8().constData(), &items);
    for (const CustomLightItem &item : qAsConst(items)) {
        // Stored positions come from a file: only those inside the key matrix are used.
        if (item.indexX < 0 || item.indexX >= 6 || item.indexY < 0 || item.indexY >= 22)
            continue;
        if (keyboardButCustom *button = lightEngine->keyGrid[item.indexX][item.indexY]) {
            const QColor c(qBound(0, item.colorR, 255), qBound(0, item.colorG, 255),
                           qBound(0, item.colorB, 255), 255);
            button->setLightColor(c);
            button->setCustomLightColor(c);
        }
    }
    customLightIndex = flagIndex;
    lightEngine->setCustomLightColors(0, flagIndex);
}

void DDevicePage::onLightConfigHaveChanged_HidSend(int hidType, int ledType)
{
    lightsConfigPage->updateLightConfigFromHid(hidType, ledType);
    keySelectFrame *keys = DDataManager::getInstance()->keySelectFrame();
    if (hidType == 0) {
        if (currentTabId != 4) {
            if (keyboardView)
                keyboardView->selectKeysInRect(0, 0, 0, 0);
            if (dragArea)
                dragArea->setActive(false);
            if (keys)
                keys->setKeysHoverHighlight(false);
        }
        customKeysPage->setInteractLightHook(isInteractiveLightType(ledType), 0);
    }
    if (currentTabId == 0 && keys)
        keys->setKeysHoverHighlight(true);
}

void DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex)
{
    if (currentTabId != 4) {
        if (keyboardView)
            keyboardView->selectKeysInRect(0, 0, 0, 0);
        if (dragArea)
            dragArea->setActive(true);
        if (keySelectFrame *keys = DDataManager::getInstance()->keySelectFrame())
            keys->setKeysHoverHighlight(true);
    }
    lightsConfigPage->updateCustomLightFromHid(hidType, ledType, usingCustomIndex);
}
