#pragma once

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class DCustomKeysPage;
}

class ArrowWidget;
class DKeyFunctionPage;
class DToolTipExplain;
class QButtonGroup;
class QMovie;
class QToolButton;
class WindowsHookInterface;

// The key-assignment tab page: the type buttons, the stack of key-function pages, the selected
// key with its layer buttons and the Download button. It opens the page of the selected key's item,
// recolours keys after writes and owns the keyboard hook that key capture, macro recording and
// interactive light share.
class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    // Tab ids of the type buttons.
    enum Tab
    {
        TabDefault = 0,
        TabMacro = 1,
        TabRemapKey = 2,
        TabMouse = 3,
        TabText = 4,
        TabDisable = 5,
        TabMultimedia = 6,
        TabCombinationKey = 7,
        TabOpenApp = 8,
        TabShortcuts = 9,
        TabSwitchProfile = 10,
        TabKeyConfig = 19,
        TabKeyboardLight = 20,
        TabSideLight = 30,
        TabSeniorKeys = 40,
    };
    // Creates the function page of a tab into its stacked page; tests put recording pages in.
    using PageFactory = std::function<DKeyFunctionPage *(int tabId, QWidget *stackedPage)>;

    explicit DCustomKeysPage(QWidget *parent = nullptr, const PageFactory &pageFactory = {});
    ~DCustomKeysPage() override;

    // The tab that opens for an item of this type, or -1 when no tab shows it.
    static int tabForItemType(int type);

    void retranslate();
    void applyTheme();
    void resetPage(int layer);
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    void setProfileXmlPath(const char *path);
    const char *profileXmlPath() const { return m_profileXmlPath; }
    void setHeavyPressSelectorsVisible(int layer);
    void showDefaultPage();
    void setInteractLightHook(bool on, int origin);
    void controlMacroRecordHook(bool start);
    void stopDownloadAnimation();
    bool isDownloading() const { return m_downloading; }
    // The layer whose button is checked: 0 Default, 1 FN.
    int currentLayer() const;
    // The hook mode last started (999 before any start); kept when the hook stops.
    int hookMode() const { return m_hookMode; }
    bool hasHeavyPressItem(int keyCode) const;
    // The tab's function page, built when it is first asked for; null for an unknown tab.
    DKeyFunctionPage *functionPage(int tabId);
    bool hasLayerItem(int keyCode) const;

public slots:
    void on_pushButton_Download_clicked();
    void onHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void onSeniorKeysListItemHaveChanged();
    void onCurIndexChanged_Key(int selIndex);
    void onCurIndexChanged_Mode(int selIndex);
    void onMesgStartOrStopHook(bool isStartHook);
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);

signals:
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);
    void sigTheKeyboardIntoDownloading();
    void sigAutoIntoCustomKeysPage();
    void sigInteractLightsPointXY(int indexX, int indexY);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct FunctionTab
    {
        int tabId;
        QToolButton *button;
        QWidget *stackedPage;
        DKeyFunctionPage *page; // null until the tab is first opened
    };

    // The tab list in construction order, without pages: a page is built on first use.
    void createFunctionTabs();
    // Connects the signals every function page shares.
    void connectFunctionPage(const FunctionTab &tab);
    const FunctionTab *tab(int tabId) const;
    const FunctionTab *tabOfButton(const QObject *button) const;
    // Makes the tab's page current and loads it, without the key test of a type-button click.
    void openTab(int tabId);
    void setTexts();
    void fitKeyColumn();
    void onInstallEventFilterOpen();
    void showTypeTip(QToolButton *button);
    void onShoudUpdateKeyboard(int keyDec);
    void onKeyboardAlreadyLoad(int keyDec);
    void recolourKey(int keyDec, bool afterReset);
    void onCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void onClickedCancel();
    void startHook(int mode);
    void stopHook();
    // Ends key capture for the remap or key-combination page; other uses keep running.
    void stopKeyCapture();

    std::unique_ptr<Ui::DCustomKeysPage> ui;
    WindowsHookInterface *m_hook = nullptr;
    int m_hookMode = 999;
    bool m_hookRunning = false;
    // In the order of the type buttons; the host connects and cascades through this list only.
    QList<FunctionTab> m_tabs;
    PageFactory m_pageFactory;
    // The layer last given to setHeavyPressSelectorsVisible, -1 before; pages built later follow it.
    int m_pressModeLayer = -1;
    QButtonGroup *m_typeGroup = nullptr;
    QButtonGroup *m_layerGroup = nullptr;
    DKeyFunctionPage *m_currentPage = nullptr;
    bool m_programmaticSelection = false;
    char m_profileXmlPath[256] = {};
    int m_profileIndex = 1;
    bool m_downloading = false;
    QMovie *m_loading = nullptr;
    std::unique_ptr<ArrowWidget> m_typeTip;
    DToolTipExplain *m_typeTipText = nullptr;
};
