#pragma once

class QWidget;

// The translucent dark layer that covers a window while one of its dialogs is open. Hidden until
// the caller sizes, raises and shows it.
QWidget *createDimmingOverlay(QWidget *parent);
