#pragma once

#include <QWidget>

// The performance tab page: Win-lock options, sleep times, prohibit sleep, profile restore. The
// full page comes with the trigger and performance work; this one offers its entry calls and signals.
class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    explicit DPerformancePage(QWidget *parent = nullptr);

    void retranslate();
    void applyTheme();
    void loadPerformanceSettings();
    void setProfileIndex(int index) { m_profileIndex = index; }
    void setProfileXmlPath(const char *path);

signals:
    void sigResetoreCurrentProfile();
    void sigLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);

private:
    char m_profileXmlPath[256] = {};
    int m_profileIndex = 1;
};
