#pragma once

#include <QList>
#include <QMetaType>

// The light types a keyboard offers for one target (keys or side light), as the keyboard reported
// them, with its numbers of speed and brightness steps. An empty side-light record means the
// keyboard has no side light.
struct LightModeSupport
{
    QList<int> lightTypes;
    int speedSteps = 0;
    int brightnessSteps = 0;

    bool isEmpty() const { return lightTypes.isEmpty(); }
    bool operator==(const LightModeSupport &o) const
    {
        return lightTypes == o.lightTypes && speedSteps == o.speedSteps &&
               brightnessSteps == o.brightnessSteps;
    }
};

Q_DECLARE_METATYPE(LightModeSupport)
