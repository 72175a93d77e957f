#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CbNotice;
class QButtonGroup;
class QSettings;

namespace Ui {
class DSettingsDia;
}

// The settings dialog: interface language, start at login, closing to the tray, the firmware
// check, and the About page. Every choice is written to the user's settings file at once; the
// dialog keeps no other state. It deletes itself when it closes.
class DSettingsDia : public QDialog
{
    Q_OBJECT

public:
    // Loads and installs the translation of a language value; false when it cannot be loaded.
    using LanguageLoader = std::function<bool(int language)>;

    // Without a loader the application object's setLanguage is asked.
    explicit DSettingsDia(QWidget *parent = nullptr, LanguageLoader loadLanguage = {});
    ~DSettingsDia() override;

    // The language entries in list order, and the stored value each stands for.
    static const QStringList &languageNames();
    static int languageIndexAt(int position);
    // The stored language value for an entry's text: the first name, in stored-value order,
    // that the text contains; 1 when none does.
    static int languageIndexForText(const QString &text);

    void showNoUpgradeableDevices();
    void loadAboutInfo();
    void openFirmwareInfoDialog();

public slots:
    void applyTheme();

signals:
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigChangAppTheme(int index);
    void sigFirmwareUpgradeCheck();
    void sigUpdateApp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private slots:
    void onCurIndexChanged(int selIndex);
    void onLickActivited(QString str);
    void on_pushButton_Close_clicked();
    void on_checkBox_AutoStart_clicked();
    void on_checkBox_Close_clicked();
    void on_comboBox_Language_currentIndexChanged(const QString &arg1);
    void on_comboBox_Theme_currentIndexChanged(const QString &arg1);
    void on_pushButton_UpgradeCheck_clicked();
    void on_checkBox_UsingBgImage_clicked();
    void on_pushButton_CheckAppUpdate_clicked();

private:
    void setTexts();
    void fillThemeList();
    void selectCurrentTheme();
    // Writes one key and makes sure it reached the file.
    bool writeSetting(const QString &group, const QString &key, const QVariant &value);
    void showWriteResult(bool written);
    void buildLinkText();
    void emitCloseOnce();

    std::unique_ptr<Ui::DSettingsDia> ui;
    CbNotice *m_notice = nullptr;
    QStringList m_languageNames;
    QString m_linkAddress;
    QString m_companyName;
    QString m_userIniPath;
    std::unique_ptr<QSettings> m_settings;
    int m_themeIndex = 0;
    QButtonGroup *m_pageButtons = nullptr;
    LanguageLoader m_loadLanguage;
    bool m_closeSignalled = false;
};
