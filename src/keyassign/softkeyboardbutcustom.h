#pragma once

#include <QString>
#include <QToolButton>

// One key of the on-screen keyboard: a flat cap whose look is a text fragment (normal or
// selected) followed by a key fragment. Hovering shows the selected look; a held key keeps it
// after the pointer leaves.
class SoftKeyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit SoftKeyboardButCustom(QWidget *parent = nullptr);

    // Stores both; the displayed text differs for the special keys (see displayText).
    void setKeyDecAndCharacter(int keyDec, const QString &keyCharacter);
    void setButtonSize(int width, int height);
    // 0 normal, 1 selected.
    void setState(int state);
    void setRestoreOnLeave(bool restore) { m_restoreOnLeave = restore; }
    void setThemeColors(const QString &textColour, const QString &selectedColour, const QString &keyColour);

    int keyDec() const { return m_keyDec; }
    QString keyCharacter() const { return m_keyCharacter; }
    bool isSelected() const { return m_selected; }
    bool restoreOnLeave() const { return m_restoreOnLeave; }
    int buttonWidth() const { return m_width; }
    int buttonHeight() const { return m_height; }

    // The text a key shows for its usage and label: translated names for the international keys,
    // "Alt" for both Alt keys, and an escaped ampersand so that "7&" is not taken as a mnemonic.
    static QString displayText(int keyDec, const QString &keyCharacter);
    // The translated name of an international or language key; null for any other key.
    static QString specialKeyName(int keyDec);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void showNormalLook();
    void showSelectedLook();
    void setLook(const QString &sheet);

    int m_keyDec = 0;
    QString m_keyCharacter;
    int m_width = 0;
    int m_height = 0;
    bool m_selected = false;
    bool m_restoreOnLeave = true;
    QString m_normalTextStyle;
    QString m_selectedTextStyle;
    QString m_keyStyle;
};
