#pragma once

#include <QWidget>

class QLabel;
class QMovie;
class QPushButton;

// The key-assignment tab page. The function pages come with the key-assignment work; this page
// already offers the entry calls and signals the device page relies on.
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
    char m_profileXmlPath[256] = {};
    int m_profileIndex = 1;
    int m_layer = 0;
    bool m_downloading = false;
    QPushButton *m_download = nullptr;
    QLabel *m_loadingLabel = nullptr;
    QLabel *m_keyLabel = nullptr;
    QMovie *m_loading = nullptr;
};
