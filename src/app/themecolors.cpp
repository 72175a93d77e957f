#include "themecolors.h"

#include <QStringList>

namespace {
using Member = QString ThemeColors::*;
constexpr Member kMembers[ThemeColors::kEntryCount] = {
    &ThemeColors::TextDefaultColor,
    &ThemeColors::TextHoverColor,
    &ThemeColors::TextCheckedColor,
    &ThemeColors::AllBgColor,
    &ThemeColors::AllThemeColor,
    &ThemeColors::AllScrollBgColor,
    &ThemeColors::AllScrollBarColorDef,
    &ThemeColors::AllScrollBarColorHover,
    &ThemeColors::MainWidgetBgColor,
    &ThemeColors::MainWidgetBorderColor,
    &ThemeColors::MainWidgetTitleColorStart,
    &ThemeColors::MainWidgetTitleColorStop,
    &ThemeColors::DeviceBorderColor,
    &ThemeColors::DeviceLeftBgColor,
    &ThemeColors::DeviceRightBgColor,
    &ThemeColors::DeviceListAreaDefaultBgColor,
    &ThemeColors::DeviceSoftkeyboardButColor,
    &ThemeColors::DeviceSoftkeyboardButDefaultTextColor,
    &ThemeColors::DeviceSliderHorizontalVerticalColor,
    &ThemeColors::DeviceSliderEllipseColor,
    &ThemeColors::MacroBorderColor,
    &ThemeColors::MacroLeftBgColor,
    &ThemeColors::MacroCenterBgColor,
    &ThemeColors::MacroRightBgColor,
    &ThemeColors::MacroListItemTextColor,
    &ThemeColors::MacroListItemSelectedColor,
    &ThemeColors::MacroListItemHoverColor,
    &ThemeColors::SettingsTitleColorStart,
    &ThemeColors::SettingsTitleColorStop,
    &ThemeColors::SettingsBgColor,
    &ThemeColors::SettingsBorderColor,
    &ThemeColors::SettingsControlBorderColor,
    &ThemeColors::SettingsControlDefaultColor,
    &ThemeColors::SettingsControlHoverBgColor,
    &ThemeColors::SettingsControlSelectedBgColor,
    &ThemeColors::UpgradeBgColor,
    &ThemeColors::UpgradeBorderColor,
    &ThemeColors::UpgradeItemBorderColor,
    &ThemeColors::UpgradeProgressBarTopColor,
    &ThemeColors::UpgradeProgressBarBottomColor,
    &ThemeColors::TextFont,
};

constexpr const char *kNames[ThemeColors::kEntryCount] = {
    "TextDefaultColor",
    "TextHoverColor",
    "TextCheckedColor",
    "AllBgColor",
    "AllThemeColor",
    "AllScrollBgColor",
    "AllScrollBarColorDef",
    "AllScrollBarColorHover",
    "MainWidgetBgColor",
    "MainWidgetBorderColor",
    "MainWidgetTitleColorStart",
    "MainWidgetTitleColorStop",
    "DeviceBorderColor",
    "DeviceLeftBgColor",
    "DeviceRightBgColor",
    "DeviceListAreaDefaultBgColor",
    "DeviceSoftkeyboardButColor",
    "DeviceSoftkeyboardButDefaultTextColor",
    "DeviceSliderHorizontalVerticalColor",
    "DeviceSliderEllipseColor",
    "MacroBorderColor",
    "MacroLeftBgColor",
    "MacroCenterBgColor",
    "MacroRightBgColor",
    "MacroListItemTextColor",
    "MacroListItemSelectedColor",
    "MacroListItemHoverColor",
    "SettingsTitleColorStart",
    "SettingsTitleColorStop",
    "SettingsBgColor",
    "SettingsBorderColor",
    "SettingsControlBorderColor",
    "SettingsControlDefaultColor",
    "SettingsControlHoverBgColor",
    "SettingsControlSelectedBgColor",
    "UpgradeBgColor",
    "UpgradeBorderColor",
    "UpgradeItemBorderColor",
    "UpgradeProgressBarTopColor",
    "UpgradeProgressBarBottomColor",
    "TextFont",
};
} // namespace

const char *ThemeColors::entryName(int index)
{
    return index >= 0 && index < kEntryCount ? kNames[index] : "";
}

QString &ThemeColors::entry(int index)
{
    Q_ASSERT(index >= 0 && index < kEntryCount);
    return this->*kMembers[index];
}

const QString &ThemeColors::entry(int index) const
{
    Q_ASSERT(index >= 0 && index < kEntryCount);
    return this->*kMembers[index];
}

QColor ThemeColors::toColor(const QString &components)
{
    const QStringList parts = components.split(QLatin1Char(','));
    if (parts.size() != 3 && parts.size() != 4)
        return QColor();
    int v[4] = {0, 0, 0, 255};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        v[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok || v[i] < 0 || v[i] > 255)
            return QColor();
    }
    return QColor(v[0], v[1], v[2], v[3]);
}

QString ThemeColors::css(const QColor &colour)
{
    if (!colour.isValid())
        return QStringLiteral("transparent");
    if (colour.alpha() == 255)
        return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

QString ThemeColors::css(const QString &components)
{
    return css(toColor(components));
}

QString ThemeColors::css(const QString &components, int alpha)
{
    QColor colour = toColor(components);
    if (colour.isValid())
        colour.setAlpha(qBound(0, alpha, 255));
    return css(colour);
}

QString ThemeColors::thinScrollBarSheet(const ThemeColors &t)
{
    return QStringLiteral("QScrollBar:vertical{background: transparent; width: 4px; margin: 3px 0px 3px 0px;}"
                          "QScrollBar::handle:vertical{background: %1; min-height: 20px; border-radius: 2px;}"
                          "QScrollBar::handle:vertical:hover{background: %2;}"
                          "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}"
                          "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: %3; "
                          "border-radius: 3px;}")
        .arg(css(t.AllScrollBarColorDef), css(t.AllScrollBarColorHover), css(t.AllScrollBgColor));
}

namespace musicPalettes {
const std::array<QColor, 11> hueOrderColors = {
    QColor(255, 0, 0), QColor(255, 128, 0), QColor(255, 255, 0), QColor(128, 255, 0),
    QColor(0, 255, 0), QColor(0, 255, 128), QColor(0, 255, 255), QColor(0, 128, 255),
    QColor(0, 0, 255), QColor(128, 0, 255), QColor(255, 0, 255),
};
const std::array<QColor, 11> rgbFirstColors = {
    QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),   QColor(255, 0, 255),
    QColor(255, 128, 0), QColor(255, 255, 0), QColor(128, 255, 0), QColor(0, 255, 128),
    QColor(0, 255, 255), QColor(0, 128, 255), QColor(128, 0, 255),
};
} // namespace musicPalettes
