#pragma once

#include <QList>
#include <QWidget>

#include <memory>

namespace Ui {
class DCustomKeysPage;
}

class DKeyFunctionPage;
class QMovie;

// The key-assignment tab page. It hosts the key-function pages in its stack and already offers
// the entry calls and signals the device page relies on.
class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomKeysPage(QWidget *parent = nullptr);
    ~DCustomKeysPage() override;

    void retranslate();
    void applyTheme();
    void resetPage(int layer);
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    void setProfileXmlPath(const char *path);
    const char *profileXmlPath() const { return m_profileXmlPath; }
    void setHeavyPressSelectorsVisible(int layer);
    void showDefaultPage();
    void setInteractLightHook(bool on, int unused);
    void stopDownloadAnimation();
    bool isDownloading() const { return m_downloading; }
    int currentLayer() const { return m_layer; }

public slots:
    void on_pushButton_Download_clicked();
    void onHookRuningStrtusCtrl_MacroRecord(bool isStartHook);
    void onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void onSeniorKeysListItemHaveChanged();

signals:
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);
    void sigTheKeyboardIntoDownloading();
    void sigAutoIntoCustomKeysPage();
    void sigInteractLightsPointXY(int indexX, int indexY);

private:
    // Connects the signals every function page shares and adds it to the cascades.
    void connectFunctionPage(DKeyFunctionPage *page);

    std::unique_ptr<Ui::DCustomKeysPage> ui;
    // In stack order; the host connects and cascades through this list only.
    QList<DKeyFunctionPage *> m_functionPages;
    char m_profileXmlPath[256] = {};
    int m_profileIndex = 1;
    int m_layer = 0;
    bool m_downloading = false;
    QMovie *m_loading = nullptr;
};
