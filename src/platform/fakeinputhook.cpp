#include "fakeinputhook.h"

namespace {
FakeInputHook *s_current = nullptr;
}

FakeInputHook::Control &FakeInputHook::control()
{
    static Control c;
    return c;
}

FakeInputHook *FakeInputHook::current()
{
    return s_current;
}

FakeInputHook::~FakeInputHook()
{
    remove();
}

bool FakeInputHook::installKeyboard(const KeyProc &proc, bool block)
{
    if (control().failKeyboard) {
        m_error = control().error;
        return false;
    }
    ++control().installs;
    m_keyProc = proc;
    m_block = block;
    s_current = this;
    return true;
}

bool FakeInputHook::installMouse(const MouseProc &proc)
{
    if (control().failMouse) {
        m_error = control().error;
        return false;
    }
    m_mouseProc = proc;
    return true;
}

void FakeInputHook::remove()
{
    m_keyProc = nullptr;
    m_mouseProc = nullptr;
    if (s_current == this)
        s_current = nullptr;
}

bool FakeInputHook::key(int vkCode, int scanCode, int flags)
{
    if (!m_keyProc)
        return false;
    const KeyProc proc = m_keyProc; // the call may destroy this object
    return proc(InputHookKeyEvent{vkCode, scanCode, flags});
}

void FakeInputHook::mouse(int message, const MouseHookRecord &record)
{
    if (!m_mouseProc)
        return;
    const MouseProc proc = m_mouseProc;
    proc(message, record);
}
