#pragma once

#include <QColor>
#include <QVarLengthArray>

// Everything the key-cap look depends on.
struct KeyLookState
{
    bool hovered = false;
    bool dragMarked = false;
    bool assigned = false;
    bool selected = false;
    bool remappable = true;
    bool specialEnter = false;
    bool hoverHighlight = true;
    bool lightView = false;
    bool customLightMode = false;
    int keyCode = 0;
    QColor hoverFill{255, 49, 53, 50};
    QColor hoverBorder{255, 49, 53, 255};
    QColor selectedFill{255, 128, 0, 50};
    QColor selectedBorder{255, 128, 0, 255};
    QColor assignedFill{255, 49, 53, 50};
    QColor assignedBorder{255, 49, 53, 255};
    QColor lightColor{0, 0, 0, 0};
    QColor emphasisBorder{255, 49, 53, 255};
};

// One run of the shape painter.
struct KeyDraw
{
    QColor fill;
    QColor border;
    bool transparentBrush = false; // the outline is stroked with a transparent brush set
    bool operator==(const KeyDraw &o) const
    {
        return fill == o.fill && border == o.border && transparentBrush == o.transparentBrush;
    }
};

// At most three draws; kept inline, as a preview frame plans every key's cap anew.
using KeyDraws = QVarLengthArray<KeyDraw, 3>;

struct KeyPaintPlan
{
    KeyDraws draws; // in painting order, later ones over earlier ones
    bool setsWorking = false;
    QColor workingFill;
    QColor workingBorder;
};

// Decides what a key cap draws; the widget only executes the plan.
KeyPaintPlan keyPaintPlan(const KeyLookState &s);

// Keys with these codes stay blank in the lighting look without hover highlight.
bool isLightViewBlankCode(int keyCode);
