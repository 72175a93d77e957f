#pragma once

#include "inputhook.h"

#include <memory>
#include <thread>

struct _XDisplay;

// Global capture on an X server (also XWayland): XInput2 raw key and button events read on a
// connection and thread of our own, handed to the GUI thread in order. Blocking is a keyboard
// grab on that connection, placed on the focused window so that no focus moves; closing the
// connection (remove, destruction, process death) always ends it.
class X11InputHook : public InputHook
{
public:
    X11InputHook();
    ~X11InputHook() override;

    bool installKeyboard(const KeyProc &proc, bool block) override;
    bool installMouse(const MouseProc &proc) override;
    void remove() override;
    long lastError() const override { return m_error; }

    struct Shared;

private:
    bool fail(long error);
    static void readEvents(_XDisplay *dpy, int opcode, int wakeFd, std::shared_ptr<Shared> shared);

    _XDisplay *m_display = nullptr;
    int m_xiOpcode = 0;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    bool m_grabbed = false;
    long m_error = NoError;
    std::shared_ptr<Shared> m_shared;
    std::thread m_reader;
};
