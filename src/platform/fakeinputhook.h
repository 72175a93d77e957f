#pragma once

#include "inputhook.h"

// Stand-in back end for tests: events are fed by hand and reach the procedures at once; the
// result of a key procedure (keep the key from its window or not) is handed back to the test.
class FakeInputHook : public InputHook
{
public:
    // Settings the next installs follow, and the one installed back end (null when none).
    struct Control
    {
        bool failKeyboard = false;
        bool failMouse = false;
        long error = GrabFailed + 1;
        int installs = 0;
    };
    static Control &control();
    static FakeInputHook *current();

    ~FakeInputHook() override;

    bool installKeyboard(const KeyProc &proc, bool block) override;
    bool installMouse(const MouseProc &proc) override;
    void remove() override;
    long lastError() const override { return m_error; }

    bool blocking() const { return m_block; }
    bool mouseInstalled() const { return static_cast<bool>(m_mouseProc); }

    // Delivers a key event; returns the key procedure's verdict (true: kept from its window), or
    // false when no keyboard capture runs. The procedure may remove or destroy this back end.
    bool key(int vkCode, int scanCode, int flags);
    void mouse(int message, const MouseHookRecord &record = {});

private:
    KeyProc m_keyProc;
    MouseProc m_mouseProc;
    bool m_block = false;
    long m_error = NoError;
};
