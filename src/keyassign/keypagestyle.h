#pragma once

#include "themecolors.h"

#include <QString>

class QLabel;
class QPushButton;

// The theme rules the key-function pages share, so that every page's radio buttons, titles, key
// labels and OK/Cancel buttons look alike.
namespace keypagestyle {

// Radio buttons: bold 10 pt in the theme font, the checked one and its indicator in the checked colour.
QString radioSheet(const ThemeColors &c);
// A page title: its own colour rule and the normal theme font at 12 pt.
void styleTitle(QLabel *title, const ThemeColors &c);
// The framed label naming the selected key.
void styleKeyLabel(QLabel *keyLabel, const ThemeColors &c);
// The OK and Cancel buttons of the pages that confirm.
void styleButton(QPushButton *button, const ThemeColors &c);
// A text field of class `widgetClass` (QLineEdit, QTextEdit): bold 10 pt, framed, the checked
// colour on hover and press.
QString fieldSheet(const char *widgetClass, const ThemeColors &c);
// A combo box with its arrow pictures; `selection` is the colour of the open list's selected entry.
QString comboSheet(const ThemeColors &c, const QString &selection);
// Thin scroll bars without arrows, for a page's scroll area.
QString scrollBarSheet(const ThemeColors &c);

} // namespace keypagestyle
