#pragma once

#include "dkeycommandpage.h"

// A page of options of one item type: each option writes its code as the item's value, with
// repeat and play mode 1; a stored item of that type checks the option of its code, whatever its
// play mode.
class DRadioOptionPage : public DKeyCommandPage
{
    Q_OBJECT

public:
    struct Option
    {
        const char *button;
        const char *label;
        int code;
        Shown shown = Shown::Always;
    };

protected:
    using DKeyCommandPage::DKeyCommandPage;

    template <std::size_t N> void addOptions(int itemType, const Option (&table)[N])
    {
        for (const Option &o : table) {
            const QByteArray code = QByteArray::number(o.code);
            addCommand(o.button, o.label, itemType, 1, code, false, code, o.shown);
        }
    }
};
