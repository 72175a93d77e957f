#pragma once

#include <QWidget>

// What every key-function page of the key-assignment tab offers its host. The host opens a page
// with loadCurrentKeyInfo, cascades language and theme through it, and hears from it through the
// signals every page shares; it connects all pages in one loop over this class.
class DKeyFunctionPage : public QWidget
{
    Q_OBJECT

public:
    // Error index of sigCustomKeyInfoSaveFailed when the profile store refused the write.
    static constexpr int kSaveErrorStore = 1;

    using QWidget::QWidget;
    ~DKeyFunctionPage() override = default;

    // Re-applies the page's translated texts.
    virtual void retranslate() = 0;
    // Re-applies theme colours, fonts and style sheets; pages without themed styling keep this.
    virtual void applyTheme() {}
    // Reads the selected key's item and shows it when its type is the page's own, otherwise the
    // page's neutral state.
    virtual void loadCurrentKeyInfo() = 0;
    // The Light Press / Heavy Press selector; only pages that have one act on it.
    virtual void setPressModeSelectorVisible(bool visible) { Q_UNUSED(visible) }
    // Forgets the page's key; the host calls it when it clears the key selection.
    virtual void clearKeyInfo() {}
    // The HID usage of a key captured while this page had capture running (sigMesgStartOrStopHook);
    // only pages that ask for key capture act on it.
    virtual void takeCapturedKey(int hidUsage) { Q_UNUSED(hidUsage) }

signals:
    // The key with this code got a new item or lost its item.
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    // A write did not happen: operateType is the page's item type (10 for the Default page),
    // errorIndex 0 for a refused input, kSaveErrorStore for a refused store write.
    void sigCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void sigClickedCancel();
    // Start (true) or stop (false) capturing the next pressed key for this page.
    void sigMesgStartOrStopHook(bool isStartHook);
};
