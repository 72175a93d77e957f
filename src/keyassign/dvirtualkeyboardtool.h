#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class DSoftKeyboardPage;

namespace Ui {
class DVirtualKeyboardTool;
}

// A titled panel around one on-screen keyboard, shown as the content of a key page's pop-up.
// Creating it loads the keyboard (and so publishes the key maps); clicks come out as bare HID
// usages.
class DVirtualKeyboardTool : public QWidget
{
    Q_OBJECT

public:
    // Mode 0 only reports clicks; mode 1 lets clicked keys be held while combination is active.
    explicit DVirtualKeyboardTool(int mode, QWidget *parent = nullptr);
    ~DVirtualKeyboardTool() override;

    void retranslate();
    void applyTheme();

    void setCombinationActive(bool on);
    void releaseKey(int keyDec);
    void clearSelection();

public slots:
    void onSoftKeyboardClicked(int keyDec, QString keyCharacter);

signals:
    // keyDec is the HID usage of the clicked key, -10 for Fn.
    void sigSoftKeyboardClicked_VirtualKB(int keyDec);

private:
    std::unique_ptr<Ui::DVirtualKeyboardTool> ui;
    DSoftKeyboardPage *m_softKeyboard = nullptr;
};
