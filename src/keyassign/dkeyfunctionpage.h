#pragma once

#include <QWidget>

// What every key-function page of the key-assignment tab offers its host. The host opens a page
// with loadCurrentKeyInfo, cascades language and theme through it, and hears from it through the
// two signals every page shares; it connects all pages in one loop over this class.
class DKeyFunctionPage : public QWidget
{
    Q_OBJECT

public:
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

signals:
    // The key with this code got a new item or lost its item.
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
};
