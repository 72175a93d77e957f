#pragma once

#include <QPoint>
#include <QString>

// What a page needs from its toast; pages hold this rather than the widget.
class CbNoticeInterface
{
public:
    virtual ~CbNoticeInterface() = default;

    // Shows the current text again at the default centre.
    virtual void reShowNotice() = 0;
    // Shows `text` at the default centre.
    virtual void showNotice(const QString &text) = 0;
    // Shows `text` centred on `center`; a null point means the default centre.
    virtual void showNotice(const QString &text, const QPoint &center) = 0;
};
