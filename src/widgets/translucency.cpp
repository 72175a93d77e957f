#include "translucency.h"

#include "compositing.h"

#include <QGuiApplication>

namespace translucency {

bool windowsAreComposited()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    return platformCompositing::isCompositingActive();
}

} // namespace translucency
