#include "keypagestyle.h"

#include "ddatamanager.h"

#include <QLabel>
#include <QPushButton>

namespace keypagestyle {

namespace {

QFont normalFont12()
{
    QFont font = DDataManager::getInstance()->getFont(1);
    font.setPointSize(12);
    return font;
}

} // namespace

QString radioSheet(const ThemeColors &c)
{
    return QStringLiteral("QRadioButton{ color: %1; font: 75 10pt \"%3\"; }"
                          "QRadioButton:unchecked{ color: %1; font: 75 10pt \"%3\"; }"
                          "QRadioButton:checked{ color: %2; font: 75 10pt \"%3\"; }"
                          "QRadioButton::indicator:checked{ background-color: %2; border-radius: 6px;"
                          " border: 2px solid white; }")
        .arg(ThemeColors::css(c.TextDefaultColor), ThemeColors::css(c.TextCheckedColor), c.TextFont);
}

void styleTitle(QLabel *title, const ThemeColors &c)
{
    title->setStyleSheet(QStringLiteral("QLabel#%1{ color: %2; }")
                             .arg(title->objectName(), ThemeColors::css(c.TextDefaultColor)));
    title->setFont(normalFont12());
}

void styleKeyLabel(QLabel *keyLabel, const ThemeColors &c)
{
    keyLabel->setStyleSheet(
        QStringLiteral("QLabel#%1{ color: %2; border: 3px solid %3; border-radius: 8px; }")
            .arg(keyLabel->objectName(), ThemeColors::css(c.TextCheckedColor),
                 ThemeColors::css(c.DeviceBorderColor)));
    keyLabel->setFont(normalFont12());
}

void styleButton(QPushButton *button, const ThemeColors &c)
{
    button->setStyleSheet(
        QStringLiteral(
            "QPushButton{ border: 3px solid %1; background-color: %2; color: %3; border-radius: 8px; }"
            "QPushButton:hover{ background-color: %2; border: 3px solid %4; }"
            "QPushButton:pressed{ color: %4; background-color: %2; border: 3px solid %4; }")
            .arg(ThemeColors::css(c.DeviceBorderColor), ThemeColors::css(c.DeviceRightBgColor),
                 ThemeColors::css(c.TextDefaultColor), ThemeColors::css(c.TextCheckedColor)));
    button->setFont(normalFont12());
}

QString fieldSheet(const char *widgetClass, const ThemeColors &c)
{
    return QStringLiteral("%1{ color: %2; font: 75 10pt \"%5\"; background-color: %3; border: 1px solid %4;"
                          " border-radius: 4px; }"
                          "%1:hover, %1:focus{ border: 1px solid %6; }")
        .arg(QLatin1String(widgetClass), ThemeColors::css(c.TextDefaultColor),
             ThemeColors::css(c.DeviceRightBgColor), ThemeColors::css(c.DeviceBorderColor), c.TextFont,
             ThemeColors::css(c.TextCheckedColor));
}

QString comboSheet(const ThemeColors &c, const QString &selection)
{
    return QStringLiteral(
               "QComboBox{ background-color: %1; padding-left: 5px; border: 1px solid %2;"
               " font: 75 10pt \"%3\"; color: %4; border-radius: 4px; }"
               "QComboBox:hover{ border: 1px solid %5; }"
               "QComboBox QAbstractItemView{ outline: 0px; selection-background-color: %6; }"
               "QComboBox QAbstractItemView::item{ height: 40px; padding-left: 10px; }"
               "QComboBox::drop-down{ width: 20px; padding-right: 3px; background: transparent;"
               " border: none; }"
               "QComboBox::down-arrow{ border-image: url(:/images/publicIco/comboxDef.png); width: 14px;"
               " height: 14px; }"
               "QComboBox::down-arrow:on{ border-image: url(:/images/publicIco/comboxSel.png); }")
        .arg(ThemeColors::css(c.DeviceRightBgColor), ThemeColors::css(c.DeviceBorderColor), c.TextFont,
             ThemeColors::css(c.TextDefaultColor), ThemeColors::css(c.TextCheckedColor), selection);
}

QString scrollBarSheet(const ThemeColors &c)
{
    return QStringLiteral(
               "QScrollBar:vertical{ background: transparent; width: 4px; margin: 3px 0px 3px 0px; }"
               "QScrollBar:horizontal{ background: transparent; height: 4px; margin: 0px; }"
               "QScrollBar::handle:vertical{ background: %1; min-height: 20px; border-radius: 2px; }"
               "QScrollBar::handle:horizontal{ background: %1; min-width: 20px; border-radius: 2px; }"
               "QScrollBar::handle:hover{ background: %2; }"
               "QScrollBar::add-line, QScrollBar::sub-line{ width: 0px; height: 0px; }"
               "QScrollBar::add-page, QScrollBar::sub-page{ background: %3; border-radius: 3px; }")
        .arg(ThemeColors::css(c.AllScrollBarColorDef), ThemeColors::css(c.AllScrollBarColorHover),
             ThemeColors::css(c.AllScrollBgColor));
}

} // namespace keypagestyle
