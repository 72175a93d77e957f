// The macro editor's colours and fonts, taken from the current theme once per opening.
#include "dmacropage.h"
#include "ui_dmacropage.h"

#include "cbnotice.h"
#include "ddatamanager.h"
#include "macroeditorrules.h"

#include <QTimer>

namespace {

QString radioRules(const ThemeColors &t)
{
    return QStringLiteral("QRadioButton{color: %1; font: 75 10pt \"%3\";}"
                          "QRadioButton:unchecked{color: %1; font: 75 10pt \"%3\";}"
                          "QRadioButton:checked{color: %2; font: 75 10pt \"%3\";}"
                          "QRadioButton::indicator:checked{background-color: %2; border-radius: 6px; "
                          "border: 2px solid white;}")
        .arg(ThemeColors::css(t.TextDefaultColor), ThemeColors::css(t.TextCheckedColor), t.TextFont);
}

QString lineEditRules(const ThemeColors &t, const QString &background)
{
    return QStringLiteral("QLineEdit{color: %1; font: 75 8pt \"%2\"; background-color: %3; "
                          "border: 1px solid %4; border-radius: 4px;}"
                          "QLineEdit:hover{border: 1px solid %5;}"
                          "QLineEdit:pressed{border: 1px solid %5;}")
        .arg(ThemeColors::css(t.TextDefaultColor), t.TextFont, ThemeColors::css(background),
             ThemeColors::css(t.MacroBorderColor), ThemeColors::css(t.TextCheckedColor));
}

QString buttonRules(const ThemeColors &t)
{
    return QStringLiteral("QPushButton{border-radius: 8px; border: 2px solid %1; background-color: %2; "
                          "color: %3;}"
                          "QPushButton:hover{background-color: %2; border: 2px solid %4; "
                          "border-radius: 8px;}"
                          "QPushButton:pressed{color: %4; background-color: %2; "
                          "border: 2px solid %4; border-radius: 8px;}")
        .arg(ThemeColors::css(t.MacroBorderColor), ThemeColors::css(t.MacroRightBgColor),
             ThemeColors::css(t.TextDefaultColor), ThemeColors::css(t.TextCheckedColor));
}

QString panel(const char *selector, const QString &background, const ThemeColors &t)
{
    return QStringLiteral("%1{background-color: %2; border: 2px solid %3; border-radius: 12px;}")
        .arg(QLatin1String(selector), ThemeColors::css(background), ThemeColors::css(t.MacroBorderColor));
}

QString textColour(const char *selector, const QString &colour)
{
    return QStringLiteral("%1{color: %2;}").arg(QLatin1String(selector), ThemeColors::css(colour));
}

} // namespace

void DMacroPage::applyTheme()
{
    const ThemeColors t = DDataManager::getInstance()->getThemeColors();
    notice->setBackgroundColor(macroeditor::themeColor(t.AllBgColor, 200));
    notice->setTextColor(macroeditor::themeColor(t.TextCheckedColor, 255));
    QFont toastFont;
    toastFont.setFamily(t.TextFont);
    toastFont.setPixelSize(14);
    notice->setNoticeFont(toastFont);

    // The list areas take the colour of the panel they sit on: a near-transparent fill would
    // replace the panel with the window's transparent background (black without a compositor).
    const QString clear = t.MacroLeftBgColor;
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{border: 1px solid %1; background-color: %2; border-radius: 12px;}")
            .arg(ThemeColors::css(t.TextCheckedColor), ThemeColors::css(t.SettingsTitleColorStart)));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color: %1; border: none; border-bottom: 3px solid %2; "
                       "border-top-left-radius: 12px; border-top-right-radius: 12px;}")
            .arg(ThemeColors::css(t.SettingsTitleColorStart), ThemeColors::css(t.MacroBorderColor)) +
        textColour("QLabel#label_Title", t.TextCheckedColor));
    ui->frame_29->setStyleSheet(
        QStringLiteral("QFrame#frame_29{background-color: %1;}").arg(ThemeColors::css(t.MacroLeftBgColor)));
    ui->scrollArea_2->setStyleSheet(
        QStringLiteral("QScrollArea#scrollArea_2{background-color: %1;}").arg(ThemeColors::css(clear)));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color: %1;}")
            .arg(ThemeColors::css(clear)));
    ui->frame_3->setStyleSheet(QStringLiteral("QFrame#frame_3{border: 2px solid %1; border-radius: 12px;}")
                                   .arg(ThemeColors::css(t.MacroBorderColor)));
    ui->label_MacroGroup->setStyleSheet(textColour("QLabel#label_MacroGroup", t.TextCheckedColor));
    scrollBarStyle = ThemeColors::thinScrollBarSheet(t);
    ui->frame_34->setStyleSheet(panel("QFrame#frame_34", t.MacroLeftBgColor, t));
    ui->frame_24->setStyleSheet(
        QStringLiteral("QFrame#frame_24{background-color: %1;}").arg(ThemeColors::css(t.MacroLeftBgColor)) +
        textColour("QLabel#label_10", t.TextCheckedColor) + radioRules(t) +
        QStringLiteral("QLabel#label_11{color: %1; font: 75 11pt \"%2\";}")
            .arg(ThemeColors::css(t.TextDefaultColor), t.TextFont) +
        lineEditRules(t, t.MacroLeftBgColor));
    ui->label->setStyleSheet(textColour("QLabel#label", t.TextDefaultColor));
    ui->frame_Record->setStyleSheet(
        QStringLiteral("QFrame#frame_Record{border-radius: 8px; border: 2px solid %1;}"
                       "QFrame#frame_Record:hover{border: 2px solid %2;}")
            .arg(ThemeColors::css(t.MacroBorderColor), ThemeColors::css(t.TextCheckedColor)));
    ui->frame_Center->setStyleSheet(QStringLiteral("QFrame#frame_Center{background-color: %1;}")
                                        .arg(ThemeColors::css(t.MacroCenterBgColor)));
    ui->scrollArea_3->setStyleSheet(
        QStringLiteral("QScrollArea#scrollArea_3{background-color: %1;}").arg(ThemeColors::css(clear)));
    ui->scrollAreaWidgetContents_3->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_3{background-color: %1;}")
            .arg(ThemeColors::css(clear)));
    ui->widget_5->setStyleSheet(scrollBarStyle);
    ui->label_12->setStyleSheet(textColour("QLabel#label_12", t.TextCheckedColor));
    ui->label_14->setStyleSheet(textColour("QLabel#label_14", t.TextCheckedColor));
    ui->label_TotalTime->setStyleSheet(
        QStringLiteral("QLabel#label_TotalTime{color: %1; font: 75 11pt \"%2\";}")
            .arg(ThemeColors::css(t.TextDefaultColor), t.TextFont));
    ui->frame_5->setStyleSheet(panel("QFrame#frame_5", t.MacroLeftBgColor, t));
    ui->frame_Right->setStyleSheet(QStringLiteral("QFrame#frame_Right{background-color: %1;}")
                                       .arg(ThemeColors::css(t.MacroCenterBgColor)));
    ui->label_InsertMacro->setStyleSheet(textColour("QLabel#label_InsertMacro", t.TextCheckedColor));
    ui->frame_8->setStyleSheet(panel("QFrame#frame_8", t.MacroLeftBgColor, t));
    const QString rightPanel =
        textColour("QLabel", t.TextDefaultColor) + radioRules(t) + lineEditRules(t, t.MacroRightBgColor);
    ui->frame_6->setStyleSheet(
        QStringLiteral("QFrame#frame_6{background-color: %1;}").arg(ThemeColors::css(t.MacroRightBgColor)) +
        rightPanel);
    ui->pushButton_InsertMacro->setStyleSheet(buttonRules(t));
    ui->pushButton_ModifyMacro->setStyleSheet(buttonRules(t));
    ui->label_Property->setStyleSheet(textColour("QLabel#label_Property", t.TextCheckedColor));
    ui->lineEdit_EnterKey->setStyleSheet(lineEditRules(t, t.MacroRightBgColor));
    ui->lineEdit_PressKey->setStyleSheet(lineEditRules(t, t.MacroRightBgColor));
    ui->frame_13->setStyleSheet(panel("QFrame#frame_13", t.MacroLeftBgColor, t));
    ui->frame_9->setStyleSheet(
        QStringLiteral("QFrame#frame_9{background-color: %1;}").arg(ThemeColors::css(t.MacroRightBgColor)) +
        rightPanel);

    const DDataManager *data = DDataManager::getInstance();
    const auto sized = [](QFont font, int points) {
        font.setPointSize(points);
        return font;
    };
    const QFont bold = data->getFont(0);
    for (QWidget *w :
         {static_cast<QWidget *>(ui->label_Title), static_cast<QWidget *>(ui->label_MacroGroup),
          static_cast<QWidget *>(ui->label_10), static_cast<QWidget *>(ui->label_12),
          static_cast<QWidget *>(ui->label_InsertMacro), static_cast<QWidget *>(ui->label_Property)})
        w->setFont(sized(bold, 12));
    pageFont = sized(bold, 11);
    ui->pushButton_InsertMacro->setFont(pageFont);
    ui->pushButton_ModifyMacro->setFont(pageFont);
    ui->label->setFont(sized(bold, 13));
    ui->label_14->setFont(sized(bold, 18));
    const QFont normal = sized(data->getFont(1), 10);
    for (QLabel *label :
         {ui->label_5, ui->label_6, ui->label_7, ui->label_2, ui->label_4, ui->label_3, ui->label_13})
        label->setFont(normal);

    QTimer::singleShot(200, this, &DMacroPage::onScrollSheetSet);
}
