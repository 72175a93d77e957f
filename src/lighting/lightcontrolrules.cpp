#include "lightcontrolrules.h"

namespace lightcontrolrules {

namespace {
const QString kBrightness = QStringLiteral("frame_Brightness");
const QString kSpeed = QStringLiteral("frame_Speed");
const QString kDirection = QStringLiteral("frame_DirectionMain");
const QString kFullColour = QStringLiteral("frame_23");
const QString kSecondColour = QStringLiteral("frame_25");
const QString kLeft = QStringLiteral("pushButton_Left");
const QString kRight = QStringLiteral("pushButton_Right");
const QString kUp = QStringLiteral("pushButton_Up");
const QString kDown = QStringLiteral("pushButton_Down");
const QString kGather = QStringLiteral("pushButton_Gather");
const QString kDispersion = QStringLiteral("pushButton_Dispersion");
const QString kCw = QStringLiteral("pushButton_CW");
const QString kUnCw = QStringLiteral("pushButton_UnCW");

QStringList keyboardHidden(int type)
{
    QStringList hidden;
    switch (type) {
    case 0:
    case 10:
    case 100:
        hidden = QStringList{kSpeed, kDirection};
        break;
    case 1:
    case 3:
    case 6:
    case 8:
    case 9:
    case 11:
    case 14:
    case 16:
        hidden = QStringList{kDirection};
        break;
    case 2:
        hidden = QStringList{kCw, kUnCw};
        break;
    case 4:
    case 5:
    case 15:
        hidden = QStringList{kLeft, kRight, kUp, kDown, kGather, kDispersion};
        break;
    case 7:
        hidden = QStringList{kLeft, kRight, kUp, kDown, kCw, kUnCw};
        break;
    case 12:
        hidden = QStringList{kSpeed, kLeft, kRight, kGather, kDispersion, kCw, kUnCw};
        break;
    default:
        break;
    }
    if (type == 0 || type == 10)
        hidden << kFullColour << kSecondColour;
    return hidden;
}

QStringList sideHidden(int type)
{
    QStringList hidden;
    switch (type) {
    case 0:
        hidden = QStringList{kSpeed, kDirection};
        break;
    case 1:
    case 3:
    case 4:
        hidden = QStringList{kDirection};
        break;
    case 2:
        hidden = QStringList{kCw, kUnCw, kDirection};
        break;
    case 5:
        hidden = QStringList{kBrightness, kSpeed, kDirection};
        break;
    default:
        break;
    }
    if (type == 0 || type == 5)
        hidden << kFullColour << kSecondColour;
    return hidden;
}
} // namespace

const QStringList &managedControls()
{
    static const QStringList all{kBrightness, kSpeed,      kDirection,   kLeft,       kRight,
                                 kUp,         kDown,       kGather,      kDispersion, kCw,
                                 kUnCw,       kFullColour, kSecondColour};
    return all;
}

QStringList hiddenControls(int hidType, int ledType)
{
    return hidType == 1 ? sideHidden(ledType) : keyboardHidden(ledType);
}

} // namespace lightcontrolrules
