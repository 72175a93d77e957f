#pragma once

#include <QString>
#include <memory>

// Synthetic input for the computer-side key functions: pasting a text into the focused window.
class KeyInjector
{
public:
    virtual ~KeyInjector() = default;

    // False when synthetic input is not possible here (no X server).
    virtual bool isAvailable() const = 0;

    // Puts `text` on the clipboard and presses Ctrl+V by physical key position.
    virtual bool pasteText(const QString &text) = 0;

    // The platform's injector (XTest on X11 and XWayland).
    static std::unique_ptr<KeyInjector> createSystem();
};
