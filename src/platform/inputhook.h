#pragma once

#include <QtGlobal>

#include <functional>
#include <memory>

// One key event as a Windows low-level keyboard hook would report it, so that the code above
// keeps working with virtual-key codes, set-1 scan codes and the hook's flag word.
struct InputHookKeyEvent
{
    int vkCode = 0;
    int scanCode = 0;
    int flags = 0;
};

// Our counterpart of the low-level mouse record: root position, message data (wheel delta or
// extra button in the high word), flags and the server time stamp in milliseconds.
struct MouseHookRecord
{
    int x = 0;
    int y = 0;
    quint32 mouseData = 0;
    quint32 flags = 0;
    quint32 time = 0;
};

// System-wide keyboard and mouse capture. Events reach the procedures on the GUI thread, in the
// order they happened. A back end is installed at most once; remove() (or destruction) ends
// every capture and releases anything that keeps keys from other programs.
class InputHook
{
public:
    enum Error : long
    {
        NoError = 0,
        NoServer = 1,      // no X server reachable, or our windows are not on it (native Wayland)
        NoXInput2 = 2,     // the server lacks XInput 2.2
        NoApplication = 3, // events need a running Qt application to reach the GUI thread
        GrabFailed = 10,   // plus the X grab status (AlreadyGrabbed 1, GrabInvalidTime 2, ...)
    };

    // The result of a key procedure tells whether the key should be kept from its window. A back
    // end that can only keep all keys or none (an X keyboard grab) decides at install time.
    using KeyProc = std::function<bool(const InputHookKeyEvent &)>;
    using MouseProc = std::function<void(int message, const MouseHookRecord &)>;
    using Factory = std::function<std::unique_ptr<InputHook>()>;

    virtual ~InputHook() = default;

    // Starts key capture. With `block`, keys are kept from other programs while it runs.
    virtual bool installKeyboard(const KeyProc &proc, bool block) = 0;
    // Adds button and wheel capture (never moves); mouse input is never blocked.
    virtual bool installMouse(const MouseProc &proc) = 0;
    virtual void remove() = 0;
    virtual long lastError() const = 0;

    // The system back end, or what setFactory() put in its place.
    static std::unique_ptr<InputHook> create();
    // Capture limited to this program's own windows, for sessions without an X server.
    static std::unique_ptr<InputHook> createOwnWindows();
    // Replaces the system back end (tests); an empty factory restores it.
    static void setFactory(Factory factory);

private:
    static std::unique_ptr<InputHook> createSystem();
};
