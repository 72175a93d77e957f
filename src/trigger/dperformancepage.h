#pragma once

#include <QWidget>

#include <functional>

struct Ui_DPerformancePage;

// The performance tab: the Win-lock options of the current profile (stored on the click and
// announced), the light and keyboard sleep times with the prohibit-sleep switch (announced on
// Submit; the device page sends and stores them), and the desktop's keyboard settings.
class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    explicit DPerformancePage(QWidget *parent = nullptr);
    ~DPerformancePage() override;

    DPerformancePage(const DPerformancePage &) = delete;
    DPerformancePage &operator=(const DPerformancePage &) = delete;

    void retranslate();
    void applyTheme();
    // Every control from the profile and the data manager; emits and stores nothing.
    void loadPerformanceSettings();
    void setProfileIndex(int index) { m_profileIndex = index; }
    void setProfileXmlPath(const char *path);

    // What the keyboard-properties button starts; returns at once. The desktop's settings tool by default.
    void setKeyboardSettingsOpener(std::function<bool()> opener);

    // Models that offer the prohibit-sleep switch.
    static bool isProhibitSleepModel(const QString &modelName);

signals:
    void sigResetoreCurrentProfile();
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void sigLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);

private slots:
    void on_checkBox_disableALT_TAB_clicked();
    void on_checkBox_disableALT_F4_clicked();
    void on_checkBox_disableSHIFT_TAB_clicked();
    void on_checkBox_disableWindowsKey_clicked();
    void on_pushButton_Restore_clicked();
    void on_pushButton_keyboardProperties_clicked();
    void on_checkBox_ProhibitSleep_clicked();
    void on_pushButton_SubmitSleepTime_clicked();

private:
    void setOwnTexts();
    void saveWinLockOptions();

    Ui_DPerformancePage *ui;
    QByteArray m_profileXmlPath;
    int m_profileIndex = 1;
    std::function<bool()> m_openKeyboardSettings;
};
