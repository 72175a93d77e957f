#include "ownwindowinputhook.h"

#include "wininputmap.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

int xButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::MiddleButton:
        return 2;
    case Qt::RightButton:
        return 3;
    case Qt::BackButton:
        return 8;
    case Qt::ForwardButton:
        return 9;
    default:
        return 0;
    }
}

} // namespace

OwnWindowInputHook::OwnWindowInputHook() = default;

OwnWindowInputHook::~OwnWindowInputHook()
{
    remove();
}

bool OwnWindowInputHook::installKeyboard(const KeyProc &proc, bool block)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        m_error = NoApplication;
        return false;
    }
    m_keyProc = proc;
    m_block = block;
    m_altDown = false;
    if (!m_filtering) {
        QCoreApplication::instance()->installEventFilter(this);
        m_filtering = true;
    }
    return true;
}

bool OwnWindowInputHook::installMouse(const MouseProc &proc)
{
    if (!m_filtering) {
        m_error = NoApplication;
        return false;
    }
    m_mouseProc = proc;
    return true;
}

void OwnWindowInputHook::remove()
{
    if (m_filtering && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_filtering = false;
    m_keyProc = nullptr;
    m_mouseProc = nullptr;
}

bool OwnWindowInputHook::eventFilter(QObject *watched, QEvent *event)
{
    // Input reaches the window first and is then passed on to its widgets; looking at the
    // window alone sees every event exactly once.
    if (!watched->isWindowType())
        return false;

    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *ke = static_cast<QKeyEvent *>(event);
        const bool up = event->type() == QEvent::KeyRelease;
        // Held keys repeat as release/press pairs; the press is a repeat the hook drops, the
        // release must not end the key.
        if (!m_keyProc || (up && ke->isAutoRepeat()))
            return false;
        const auto ev = WinInputMap::keyEvent(static_cast<int>(ke->nativeScanCode()), up, &m_altDown);
        if (!ev)
            return false;
        const bool mayBlock = m_block;
        const KeyProc proc = m_keyProc; // the procedure may remove or destroy this object
        return proc(*ev) && mayBlock;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        if (!m_mouseProc)
            return false;
        const auto *me = static_cast<QMouseEvent *>(event);
        quint32 data = 0;
        const int message = WinInputMap::mouseMessage(xButtonOf(me->button()),
                                                      event->type() != QEvent::MouseButtonRelease, &data);
        if (message == 0)
            return false;
        MouseHookRecord record;
        record.x = me->globalPos().x();
        record.y = me->globalPos().y();
        record.mouseData = data;
        record.time = static_cast<quint32>(me->timestamp());
        const MouseProc proc = m_mouseProc;
        proc(message, record);
        return false;
    }
    case QEvent::Wheel: {
        if (!m_mouseProc)
            return false;
        const auto *we = static_cast<QWheelEvent *>(event);
        const QPoint delta = we->angleDelta();
        int button = 0;
        if (delta.y() != 0)
            button = delta.y() > 0 ? 4 : 5;
        else if (delta.x() != 0)
            button = delta.x() > 0 ? 6 : 7; // Qt, like X, counts leftwards as positive
        quint32 data = 0;
        const int message = WinInputMap::mouseMessage(button, true, &data);
        if (message == 0)
            return false;
        MouseHookRecord record;
        record.x = we->globalPosition().toPoint().x();
        record.y = we->globalPosition().toPoint().y();
        record.mouseData = data;
        record.time = static_cast<quint32>(we->timestamp());
        const MouseProc proc = m_mouseProc;
        proc(message, record);
        return false;
    }
    default:
        return false;
    }
}
