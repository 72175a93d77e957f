#pragma once

#include "dkeyitempage.h"

#include <QByteArray>
#include <QMap>
#include <QString>

class ArrowWidget;
class DVirtualKeyboardTool;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;

// What the remap and key-combination pages share: a field that opens the virtual keyboard in a
// pop-up and asks the host for key capture exactly while the pop-up is shown, and the Light Press /
// Heavy Press selector that picks the file the key's item lives in. Every chosen key is written at
// once; there is no OK button.
class DKeyCapturePage : public DKeyItemPage
{
    Q_OBJECT

public:
    ~DKeyCapturePage() override;

    void loadCurrentKeyInfo() override;
    // The selector stays hidden whatever is asked: from the first call on, every load reads and
    // writes the light-press item of the current layer.
    void setPressModeSelectorVisible(bool visible) override;
    void clearKeyInfo() override;
    void applyTheme() override;

public slots:
    void onCurIndexChanged_ModeSel(int selIndex);
    void onArrowWidgetHide();
    virtual void onSoftKeyboardClicked_VirtualKB(int keyDec) = 0;
    // Captured keys reach the page through takeCapturedKey instead.
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);

protected:
    // The widgets of the derived page's form that the shared behaviour works on.
    struct Form
    {
        QLabel *title;
        QLineEdit *field;
        QFrame *selector;
        QRadioButton *lightPress;
        QRadioButton *heavyPress;
    };

    // `keyboardMode` is the virtual keyboard's mode: 0 only reports clicks, 1 holds modifiers.
    DKeyCapturePage(int keyboardMode, QWidget *parent);
    // Called once by the derived constructor after its form is set up.
    void attachForm(const Form &form);
    // The texts both pages share, again through the translator.
    void retranslateShared();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    // Shows a stored item of the page's own type; called only for an item that exists.
    virtual bool showStoredItem(const KeyOperateInfo &info) = 0;
    // Forgets what the page shows and collects, before a stored item is read.
    virtual void clearShownItem() = 0;
    virtual void popupShownChanged(bool shown) { Q_UNUSED(shown) }

    // Shows `text` whole: the field's length limit follows the text.
    void showInField(const QString &text);
    DVirtualKeyboardTool *virtualKeyboard() const { return m_virtualKeyboard; }
    ArrowWidget *popup() const { return m_popup; }
    const QMap<int, QString> &keyNameMap() const { return m_keyNameMap; }
    QLineEdit *field() const { return m_form.field; }

private:
    void openPopup();
    void selectPressMode(int selIndex);

    ArrowWidget *m_popup = nullptr;
    DVirtualKeyboardTool *m_virtualKeyboard = nullptr;
    Form m_form{};
    QButtonGroup *m_modeGroup = nullptr;
    QMap<int, QString> m_keyNameMap;
    bool m_selectorInUse = true;
    bool m_itemFound = false;
};
