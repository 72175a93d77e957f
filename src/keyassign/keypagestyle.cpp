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

} // namespace keypagestyle
