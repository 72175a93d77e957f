#pragma once

#include "inputhook.h"

#include <QObject>

// Capture limited to this program's own windows: an application-wide event filter that reads
// the physical key from QKeyEvent::nativeScanCode (the X key code on xcb and Wayland alike). Used
// where no X server is reachable, so key capture and macro recording work while one of our
// windows has focus. Keys the procedure keeps are kept from our own widgets.
class OwnWindowInputHook : public QObject, public InputHook
{
    Q_OBJECT

public:
    OwnWindowInputHook();
    ~OwnWindowInputHook() override;

    bool installKeyboard(const KeyProc &proc, bool block) override;
    bool installMouse(const MouseProc &proc) override;
    void remove() override;
    long lastError() const override { return m_error; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyProc m_keyProc;
    MouseProc m_mouseProc;
    bool m_block = false;
    bool m_altDown = false;
    bool m_filtering = false;
    long m_error = NoError;
};
