#include "windowshookinterface.h"

#include "ddatamanager.h"
#include "wininputmap.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMap>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Process-wide state of the capture, one set for all objects of the class.
struct HookState
{
    std::unique_ptr<InputHook> keyboardHook; // the running back end, or null
    bool mouseHook = false;
    bool globalCapture = false; // false while only our own windows are captured
    unsigned char pressedKeys[WindowsHookInterface::kMaxPressedKeys] = {};
    int pressedKeyCount = 0;
    QMap<QString, WindowsHookInterface *> hookRegistry;
};

HookState &state()
{
    static HookState s;
    return s;
}

const QString kRegistryKey = QStringLiteral("HOOK");

// Keys that keep working for the rest of the system while keys are blocked.
bool passesWhileBlocking(int vk)
{
    switch (vk) {
    case 0x14: // Caps Lock
    case 0x90: // Num Lock
    case 0x91: // Scroll Lock
    case 0xA2: // left Ctrl
    case 0xA3: // right Ctrl
        return true;
    default:
        return false;
    }
}

// The back end hands its events to the application's event loop: it must be gone before the
// application object is, even if the owner never stopped it.
void removeAtApplicationExit()
{
    if (std::unique_ptr<InputHook> hook = std::move(state().keyboardHook))
        hook->remove();
    state().mouseHook = false;
}

} // namespace

WindowsHookInterface::WindowsHookInterface(QObject *parent) : QObject(parent)
{
    static const bool exitHandlerAdded = [] {
        qAddPostRoutine(removeAtApplicationExit);
        return true;
    }();
    Q_UNUSED(exitHandlerAdded)
    state().hookRegistry.insert(kRegistryKey, this);
}

WindowsHookInterface::~WindowsHookInterface()
{
    // A capture left running would keep the keyboard from every other program.
    HookState &s = state();
    if (s.hookRegistry.value(kRegistryKey) == this) {
        removeHooks();
        s.hookRegistry.remove(kRegistryKey);
    }
}

int WindowsHookInterface::startHook(int mode)
{
    hookMode = mode;
    if (mode != kModeKeepKeys) {
        HookState &s = state();
        std::memset(s.pressedKeys, 0, sizeof(s.pressedKeys));
        s.pressedKeyCount = 0;
    }
    return installHooks();
}

bool WindowsHookInterface::isGlobalCapture() const
{
    const HookState &s = state();
    return s.keyboardHook && s.globalCapture;
}

int WindowsHookInterface::stopHook()
{
    return removeHooks();
}

int WindowsHookInterface::installHooks()
{
    HookState &s = state();
    if (s.keyboardHook || s.mouseHook)
        return 1;

    std::unique_ptr<InputHook> hook = InputHook::create();
    if (!hook->installKeyboard(&WindowsHookInterface::keyboardHookProc, hookMode != kModeInteractLight)) {
        qDebug("Set keyboard Hook error, error code=%ld", hook->lastError());
        if (hook->lastError() != InputHook::NoServer)
            return 0;
        // No X server: capture what our own windows receive. Key capture and macro recording then
        // work while our window has focus; keys pressed in other programs are neither seen nor kept
        // from them, which the log says and isGlobalCapture() tells.
        hook = InputHook::createOwnWindows();
        if (!hook->installKeyboard(&WindowsHookInterface::keyboardHookProc, hookMode != kModeInteractLight))
            return 0;
        qWarning("Key capture limited to this program's own windows");
        if (hookMode == kModeMacroRecord && hook->installMouse(&WindowsHookInterface::mouseHookProc))
            s.mouseHook = true;
        s.keyboardHook = std::move(hook);
        s.globalCapture = false;
        return 1;
    }
    s.keyboardHook = std::move(hook);
    s.globalCapture = true;
    if (hookMode != kModeMacroRecord)
        return 1;
    if (!s.keyboardHook->installMouse(&WindowsHookInterface::mouseHookProc)) {
        qDebug("Set mouse Hook error, error code=%ld", s.keyboardHook->lastError());
        return 0;
    }
    s.mouseHook = true;
    return 1;
}

int WindowsHookInterface::removeHooks()
{
    HookState &s = state();
    // Moved out first: destroying the back end may run while one of its events is delivered.
    std::unique_ptr<InputHook> hook = std::move(s.keyboardHook);
    s.mouseHook = false;
    if (hook)
        hook->remove();
    return 1;
}

bool WindowsHookInterface::keyboardHookProc(const InputHookKeyEvent &event)
{
    HookState &s = state();
    if (!s.keyboardHook)
        return false;
    WindowsHookInterface *hook = s.hookRegistry.value(kRegistryKey);
    const int keyCode = event.vkCode;
    const auto vk = static_cast<unsigned char>(keyCode);
    unsigned char *const end = s.pressedKeys + s.pressedKeyCount;
    unsigned char *const found = std::find(s.pressedKeys, end, vk);

    // Only the up bit decides the direction: a key-down marked as injected is still a key-down.
    int flag = 0;
    if ((event.flags & WinInputMap::kFlagUp) == 0) {
        if (found != end)
            return false; // a repeat of a held key: not reported, not kept from its window
        // A full table takes no more keys; the press is still reported.
        if (s.pressedKeyCount < kMaxPressedKeys)
            s.pressedKeys[s.pressedKeyCount++] = vk;
        flag = 1;
    } else if (found != end) {
        std::copy(found + 1, end, found);
        s.pressedKeys[--s.pressedKeyCount] = 0;
    }

    if (!hook)
        return false;
    // The receivers may stop or restart the capture: the verdict follows the mode of this event.
    const bool block = hook->hookMode != kModeInteractLight && !passesWhileBlocking(keyCode);
    hook->dispatchKeyEvent(keyCode, event.scanCode, flag, event.flags);
    return block;
}

void WindowsHookInterface::mouseHookProc(int message, const MouseHookRecord &record)
{
    HookState &s = state();
    if (message == WinInputMap::kMouseMove || !s.mouseHook)
        return;
    if (WindowsHookInterface *hook = s.hookRegistry.value(kRegistryKey))
        hook->dispatchMouseEvent(0, static_cast<quintptr>(message), reinterpret_cast<quintptr>(&record));
}

void WindowsHookInterface::dispatchKeyEvent(int keyCode, int scCode, int flag, int hookFlag)
{
    if (hookMode == kModeMacroRecord)
        DDataManager::getInstance()->forwardMacroKeyboardEvent(keyCode, scCode, flag, hookFlag);
    else
        emit sigKeyboardRecviveStreamEX_Key(keyCode, scCode, flag, hookFlag);
}

void WindowsHookInterface::dispatchMouseEvent(int nCode, quintptr wParam, quintptr lParam)
{
    if (hookMode == kModeMacroRecord)
        DDataManager::getInstance()->forwardMacroMouseEvent(nCode, wParam, lParam);
}
