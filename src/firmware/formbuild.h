#pragma once

#include <QWidget>

// Small helpers for forms built in code: every widget and layout gets the object name that style
// sheets, tests and slots connected by name look for.
namespace formbuild {

template <class W> W *named(QWidget *parent, const char *name)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

template <class L>
L *layoutOf(QWidget *w, const char *name, int spacing, int left, int top, int right, int bottom)
{
    auto *layout = new L(w);
    layout->setObjectName(QLatin1String(name));
    layout->setSpacing(spacing);
    layout->setContentsMargins(left, top, right, bottom);
    return layout;
}

} // namespace formbuild
