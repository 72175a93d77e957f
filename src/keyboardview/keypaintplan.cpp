#include "keypaintplan.h"

namespace {
const QColor kClear(0, 0, 0, 0);
}

bool isLightViewBlankCode(int keyCode)
{
    switch (keyCode) {
    case 800:
    case 801:
    case 802:
    case 850:
    case 851:
    case 852:
    case 901:
    case 902:
    case 950:
    case 951:
        return true;
    default:
        return false;
    }
}

KeyPaintPlan keyPaintPlan(const KeyLookState &s)
{
    KeyPaintPlan plan;
    if (s.customLightMode) {
        plan.draws.append({s.lightColor, (s.selected || s.hovered) ? s.emphasisBorder : kClear});
        return plan;
    }
    if (s.lightView) {
        if (!s.hoverHighlight) {
            if (!s.specialEnter && isLightViewBlankCode(s.keyCode))
                plan.draws.append({kClear, kClear});
            else
                plan.draws.append({s.lightColor, s.lightColor});
        } else {
            const bool emphasis = s.hovered || s.dragMarked;
            const bool lit = s.lightColor.red() != 0 || s.lightColor.green() != 0 || s.lightColor.blue() != 0;
            if (lit)
                plan.draws.append({s.lightColor, emphasis ? s.emphasisBorder : s.lightColor});
            else
                plan.draws.append({kClear, emphasis ? s.emphasisBorder : kClear});
        }
        return plan;
    }
    if (s.assigned)
        plan.draws.append({s.assignedFill, s.assignedBorder, true});
    if (s.selected) {
        plan.setsWorking = true;
        plan.workingFill = s.hovered ? s.hoverFill : s.selectedFill;
        plan.workingBorder = s.hovered ? s.hoverBorder : s.selectedBorder;
        plan.draws.append({plan.workingFill, plan.workingBorder, s.assigned});
        return plan;
    }
    if (s.hovered && s.hoverHighlight) {
        plan.setsWorking = true;
        plan.workingFill = s.hoverFill;
        plan.workingBorder = s.hoverBorder;
        plan.draws.append({plan.workingFill, plan.workingBorder, s.assigned});
    }
    if (!s.remappable)
        plan.draws.append({QColor(200, 0, 0, 50), QColor(200, 0, 0, 255), s.assigned});
    return plan;
}
