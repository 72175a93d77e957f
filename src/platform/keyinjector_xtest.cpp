#include "keyinjector.h"

#include <QClipboard>
#include <QDebug>
#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

// Physical keys as X key codes (evdev code + 8): left Ctrl and V.
constexpr unsigned kKeycodeLeftCtrl = 29 + 8;
constexpr unsigned kKeycodeV = 47 + 8;

class XTestKeyInjector : public KeyInjector
{
public:
    XTestKeyInjector()
    {
        m_display = XOpenDisplay(nullptr);
        if (!m_display) {
            qWarning() << "[Key injection] no X server reachable: text keys are unavailable";
            return;
        }
        int event, error, major, minor;
        if (!XTestQueryExtension(m_display, &event, &error, &major, &minor)) {
            qWarning() << "[Key injection] the X server has no XTEST extension: text keys are unavailable";
            XCloseDisplay(m_display);
            m_display = nullptr;
        }
    }
    ~XTestKeyInjector() override
    {
        if (m_display)
            XCloseDisplay(m_display);
    }

    bool isAvailable() const override { return m_display != nullptr; }

    bool pasteText(const QString &text) override
    {
        if (!m_display)
            return false;
        if (QClipboard *clipboard = QGuiApplication::clipboard())
            clipboard->setText(text, QClipboard::Clipboard);
        else
            return false;
        XTestFakeKeyEvent(m_display, kKeycodeLeftCtrl, True, CurrentTime);
        XTestFakeKeyEvent(m_display, kKeycodeV, True, CurrentTime);
        XTestFakeKeyEvent(m_display, kKeycodeV, False, CurrentTime);
        XTestFakeKeyEvent(m_display, kKeycodeLeftCtrl, False, CurrentTime);
        XFlush(m_display);
        return true;
    }

private:
    Display *m_display = nullptr;
};

} // namespace

std::unique_ptr<KeyInjector> KeyInjector::createSystem()
{
    return std::make_unique<XTestKeyInjector>();
}
