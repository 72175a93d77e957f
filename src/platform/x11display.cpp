#include <QtGlobal>

#include "x11display.h"

#include <memory>

namespace {

struct DisplayCloser
{
    void operator()(Display *d) const { XCloseDisplay(d); }
};

} // namespace

namespace platformX11 {

Display *sharedDisplay()
{
    static std::unique_ptr<Display, DisplayCloser> s_display;
    static bool s_tried = false;
    if (!s_tried) {
        s_tried = true;
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            s_display.reset(XOpenDisplay(nullptr));
    }
    return s_display.get();
}

} // namespace platformX11
