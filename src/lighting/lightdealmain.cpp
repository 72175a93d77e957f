#include "lightdealmain.h"

#include <QDebug>

lightDealMain::lightDealMain(QObject *parent) : QObject(parent) {}

void lightDealMain::setDeviceInfo(const hidStructInfoAll &record)
{
    m_record = record;
    m_modelKey =
        QString::fromLocal8Bit(record.modelKey, int(qstrnlen(record.modelKey, sizeof record.modelKey)));
}

void lightDealMain::setLightModeSupport(const LightModeSupport &keyboard, const LightModeSupport &side)
{
    m_keyboardModes = keyboard;
    m_sideModes = side;
    m_hasSideLight = !side.isEmpty();
}

void lightDealMain::initMusicalRhythm(int keyCount, int bandCount, double lowFrequency, double highFrequency)
{
    Q_UNUSED(keyCount)
    Q_UNUSED(bandCount)
    Q_UNUSED(lowFrequency)
    Q_UNUSED(highFrequency)
    qDebug() << "------------- Init [Musical Rhythm] Over ---------------";
}

void lightDealMain::loadLightConfigFromProfile() {}

void lightDealMain::setInteractLightsPointXY(int x, int y)
{
    Q_UNUSED(x)
    Q_UNUSED(y)
}

void lightDealMain::setCustomLightColors(int mode, int flagIndex)
{
    Q_UNUSED(mode)
    Q_UNUSED(flagIndex)
}
