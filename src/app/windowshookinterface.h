#pragma once

#include "inputhook.h"

#include <QObject>

// The program's keyboard and mouse capture, started in the mode its current user needs (key
// capture for the remap and key-combination pages, macro recording, interactive light) and
// stopped before every change of mode. Turns every captured event into a signal: its own, or
// during macro recording one of DDataManager's. One object exists; the capture itself is
// process-wide state shared by all objects of the class.
class WindowsHookInterface : public QObject
{
    Q_OBJECT

public:
    static constexpr int kModeMacroRecord = 1;
    static constexpr int kModeRemapCapture = 2;
    static constexpr int kModeCombinationCapture = 3;
    static constexpr int kModeKeepKeys = 4;
    static constexpr int kModeInteractLight = 5;
    static constexpr int kModeIdle = 999;
    static constexpr int kMaxPressedKeys = 128;

    explicit WindowsHookInterface(QObject *parent = nullptr);
    ~WindowsHookInterface() override;

    // 1 when the capture runs, 0 when the keyboard (or in mode 1 the mouse) capture failed.
    int startHook(int mode);
    // Ends every capture and releases the keyboard for other programs; always 1.
    int stopHook();

    int getHookMode() const { return hookMode; }
    // True while keys are captured system-wide; false when only this program's windows are.
    bool isGlobalCapture() const;

signals:
    void sigKeyboardRecviveStream(int nCode, quintptr wParam, quintptr lParam);
    void sigKeyboardRecviveStreamEX_Key(int keyCode, int scCode, int flag, int hookFlag);
    void sigKeyboardRecviveStreamEX(int keyCode, int scCode, int flag, int hookFlag);
    void sigMouseRecviveStream(int nCode, quintptr wParam, quintptr lParam);

private:
    int installHooks();
    int removeHooks();
    static bool keyboardHookProc(const InputHookKeyEvent &event);
    static void mouseHookProc(int message, const MouseHookRecord &record);
    void dispatchKeyEvent(int keyCode, int scCode, int flag, int hookFlag);
    void dispatchMouseEvent(int nCode, quintptr wParam, quintptr lParam);

    int hookMode = kModeIdle;
};
