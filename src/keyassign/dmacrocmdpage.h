#pragma once

#include "dkeyitempage.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <memory>

namespace Ui {
class DMacroCmdPage;
}

// The Macro tab: binds the selected key to a macro of the macro store and sets how the keyboard
// plays it. Every choice writes at once; the first key of a profile bound to a macro also brings
// a copy of the macro's events into the profile, which the download sends to the keyboard.
class DMacroCmdPage : public DKeyItemPage
{
    Q_OBJECT

public:
    explicit DMacroCmdPage(QWidget *parent = nullptr);
    ~DMacroCmdPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;

public slots:
    void on_radioButton_playOne_clicked();
    void on_radioButton_playMany_clicked();
    void on_radioButton_playKeyPressRelStop_clicked();
    void on_radioButton_playWhellKeyPress_clicked();
    void on_lineEdit_playMany_textChanged(const QString &text);
    void onComboxActivated(int index);
    void onScrollSheetSet();

private:
    enum PlayMode
    {
        PlayOnce = 1,
        PlayMany = 2,
        PlayToggle = 3,
        PlayWhileHeld = 4,
    };

    void setTexts();
    void choosePlayMode(int mode);
    void savePlaySelection();
    void saveKeyInfo(int repeat, int playMode, int macroId);

    std::unique_ptr<Ui::DMacroCmdPage> ui;
    QByteArray m_macroFile;
    int m_macroId = 0; // 0: the key holds no macro yet
    int m_repeat = 1;  // the last valid repeat count
    int m_playMode = PlayOnce;
    QMap<int, QString> m_macroNames;
    QString m_scrollSheet;
};
