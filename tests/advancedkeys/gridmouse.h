#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// Mouse input for painted widgets: moves are sent as events, with the held buttons, so that they
// arrive the same on every platform plugin.
namespace gridmouse {

inline void move(QWidget *w, QPoint pos, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Moves to `pos` and clicks there, as a user does.
inline void click(QWidget *w, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    move(w, pos);
    QTest::mousePress(w, button, Qt::NoModifier, pos);
    QTest::mouseRelease(w, button, Qt::NoModifier, pos);
}

} // namespace gridmouse
