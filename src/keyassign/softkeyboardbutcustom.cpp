#include "softkeyboardbutcustom.h"

#include "keycatalogue.h"
#include "themecolors.h"

namespace {

QString textStyle(const QString &colour, const QString &border)
{
    return QStringLiteral("color:%1; font: 75 7pt \"Microsoft YaHei\"; border-bottom: %2; border-radius:3px;")
        .arg(colour, border);
}

} // namespace

SoftKeyboardButCustom::SoftKeyboardButCustom(QWidget *parent)
    : QToolButton(parent),
      m_normalTextStyle(textStyle(QStringLiteral("#c3c3c3"), QStringLiteral("0px solid #7F8386"))),
      m_selectedTextStyle(textStyle(QStringLiteral("#FF3135"), QStringLiteral("1px solid #FF3135"))),
      m_keyStyle(QStringLiteral("background-color:#4b4b4b;"))
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::NoFocus);
    showNormalLook();
}

QString SoftKeyboardButCustom::specialKeyName(int keyDec)
{
    return keycatalogue::specialKeyName(keyDec);
}

QString SoftKeyboardButCustom::displayText(int keyDec, const QString &keyCharacter)
{
    const QString special = specialKeyName(keyDec);
    if (!special.isNull())
        return special;
    switch (keyDec) {
    case 226:
    case 230:
        return QStringLiteral("Alt");
    case 36:
        return QStringLiteral("7&&");
    default:
        return keyCharacter;
    }
}

void SoftKeyboardButCustom::setKeyDecAndCharacter(int keyDec, const QString &keyCharacter)
{
    m_keyDec = keyDec;
    m_keyCharacter = keyCharacter;
    setText(displayText(keyDec, keyCharacter));
}

void SoftKeyboardButCustom::setButtonSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void SoftKeyboardButCustom::setState(int state)
{
    if (state == 0) {
        m_selected = false;
        showNormalLook();
    } else if (state == 1) {
        m_selected = true;
        showSelectedLook();
    }
}

void SoftKeyboardButCustom::setThemeColors(const QString &textColour, const QString &selectedColour,
                                           const QString &keyColour)
{
    const QString text = ThemeColors::css(textColour);
    const QString selected = ThemeColors::css(selectedColour);
    m_normalTextStyle = textStyle(text, QStringLiteral("0px solid #7F8386"));
    m_selectedTextStyle = textStyle(selected, QStringLiteral("1px solid ") + selected);
    m_keyStyle = QStringLiteral("background-color:%1;").arg(ThemeColors::css(keyColour));
    if (m_selected)
        showSelectedLook();
    else
        showNormalLook();
}

void SoftKeyboardButCustom::enterEvent(QEvent *event)
{
    showSelectedLook();
    QToolButton::enterEvent(event);
}

void SoftKeyboardButCustom::leaveEvent(QEvent *event)
{
    if (m_restoreOnLeave)
        showNormalLook();
    QToolButton::leaveEvent(event);
}

void SoftKeyboardButCustom::showNormalLook()
{
    setLook(m_normalTextStyle + m_keyStyle);
}

void SoftKeyboardButCustom::showSelectedLook()
{
    setLook(m_selectedTextStyle + m_keyStyle);
}

// A style sheet set again re-polishes the button even when it is the same text; the on-screen
// keyboards have a hundred keys each, themed at construction and again with the window.
void SoftKeyboardButCustom::setLook(const QString &sheet)
{
    if (styleSheet() != sheet)
        setStyleSheet(sheet);
}
