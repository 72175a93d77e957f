#pragma once

#include <QColor>
#include <QString>
#include <array>

// The current theme: 40 colours ("r,g,b" or "r,g,b,a") and the text font family, in theme-file order.
struct ThemeColors
{
    QString TextDefaultColor;
    QString TextHoverColor;
    QString TextCheckedColor;
    QString AllBgColor;
    QString AllThemeColor;
    QString AllScrollBgColor;
    QString AllScrollBarColorDef;
    QString AllScrollBarColorHover;
    QString MainWidgetBgColor;
    QString MainWidgetBorderColor;
    QString MainWidgetTitleColorStart;
    QString MainWidgetTitleColorStop;
    QString DeviceBorderColor;
    QString DeviceLeftBgColor;
    QString DeviceRightBgColor;
    QString DeviceListAreaDefaultBgColor;
    QString DeviceSoftkeyboardButColor;
    QString DeviceSoftkeyboardButDefaultTextColor;
    QString DeviceSliderHorizontalVerticalColor;
    QString DeviceSliderEllipseColor;
    QString MacroBorderColor;
    QString MacroLeftBgColor;
    QString MacroCenterBgColor;
    QString MacroRightBgColor;
    QString MacroListItemTextColor;
    QString MacroListItemSelectedColor;
    QString MacroListItemHoverColor;
    QString SettingsTitleColorStart;
    QString SettingsTitleColorStop;
    QString SettingsBgColor;
    QString SettingsBorderColor;
    QString SettingsControlBorderColor;
    QString SettingsControlDefaultColor;
    QString SettingsControlHoverBgColor;
    QString SettingsControlSelectedBgColor;
    QString UpgradeBgColor;
    QString UpgradeBorderColor;
    QString UpgradeItemBorderColor;
    QString UpgradeProgressBarTopColor;
    QString UpgradeProgressBarBottomColor;
    QString TextFont;

    static constexpr int kEntryCount = 41;
    static constexpr int kColorCount = 40;
    // Theme-file key of entry `index` (0..40).
    static const char *entryName(int index);
    QString &entry(int index);
    const QString &entry(int index) const;

    // Parses "r,g,b[,a]" into a colour; an invalid text gives an invalid colour.
    static QColor toColor(const QString &components);
    // The one way theme colours go into style sheets: "rgb(r,g,b)" for three components,
    // "rgba(r,g,b,a)" for four, "transparent" for anything else (an empty entry of a broken
    // user theme), so a sheet never holds a colour Qt cannot parse. With `alpha` (0 to 255), the
    // colour's own alpha is replaced.
    static QString css(const QString &components);
    static QString css(const QString &components, int alpha);
    static QString css(const QColor &colour);
    // The thin themed vertical scroll bar of the lists and scroll areas (no arrow buttons).
    static QString thinScrollBarSheet(const ThemeColors &t);
};

// The two eleven-colour palettes of the music-rhythm effect.
namespace musicPalettes {
extern const std::array<QColor, 11> hueOrderColors;
extern const std::array<QColor, 11> rgbFirstColors;
} // namespace musicPalettes
