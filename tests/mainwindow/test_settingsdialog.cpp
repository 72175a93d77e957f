#include "autostart.h"
#include "cbnotice.h"
#include "ddatamanager.h"
#include "dfirwareinfoshow.h"
#include "dmainwidget.h"
#include "dsettingsdia.h"
#include "qtlinguist.h"
#include "themeshots.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

QString userIni()
{
    return DDataManager::getInstance()->userConfigPath() + QStringLiteral("/QuelmoConfig.ini");
}

class SettingsDialog : public testing::Test
{
protected:
    void SetUp() override
    {
        QFile::remove(userIni());
        autostart::setEnabled(false, "x");
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <typename T> static T *child(QWidget *w, const char *name)
    {
        T *found = w->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString toast(QWidget *w) { return w->findChild<CbNotice *>("settingsNotice")->text(); }
    static QVariant stored(const char *key) { return QSettings(userIni(), QSettings::IniFormat).value(key); }
};

// The language list shows the stored language; values outside the list show the first entry.
TEST_F(SettingsDialog, StoredLanguageSelectsItsEntry)
{
    const struct
    {
        QVariant stored;
        const char *shown;
    } rows[] = {
        {3, "English"},  {4, "日本語"},    {2, "繁體中文"},          {7, "\u00a0عربي ،"},
        {0, "简体中文"}, {16, "简体中文"}, {QVariant(), "简体中文"},
    };
    for (const auto &r : rows) {
        QFile::remove(userIni());
        if (r.stored.isValid())
            QSettings(userIni(), QSettings::IniFormat).setValue("Language/selectLanguageIndex", r.stored);
        DSettingsDia d(nullptr, [](int) { return false; });
        EXPECT_EQ(child<QComboBox>(&d, "comboBox_Language")->currentText(), QString::fromUtf8(r.shown))
            << r.stored.toString().toStdString();
    }
    // Every entry's text leads back to its own stored value.
    for (int position = 0; position < DSettingsDia::languageNames().size(); ++position)
        EXPECT_EQ(DSettingsDia::languageIndexForText(DSettingsDia::languageNames().at(position)),
                  DSettingsDia::languageIndexAt(position))
            << position;
    EXPECT_EQ(DSettingsDia::languageIndexForText("Klingon"), 1);
}

// Choosing a language stores it; only a translation that loads refreshes the texts and the window.
TEST_F(SettingsDialog, ChoosingALanguageStoresItAndRefreshesOnlyWhenItLoads)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TL_TRANSLATION_DIR "/German.qm"), dir.path() + "/German.qm"));
    QtLinguist linguist({dir.path()});
    QList<int> asked;
    DSettingsDia d(nullptr, [&](int language) {
        asked << language;
        return linguist.loadLanguage(language);
    });
    QSignalSpy refresh(&d, &DSettingsDia::sigUpdataAllUI);
    auto *list = child<QComboBox>(&d, "comboBox_Language");
    auto *title = child<QLabel>(&d, "label_Title");

    list->setCurrentText("Deutsch");
    EXPECT_EQ(stored("Language/selectLanguageIndex").toInt(), 10);
    EXPECT_EQ(refresh.count(), 1);
    const QString germanTitle = title->text();

    list->setCurrentText("Polski");
    EXPECT_EQ(stored("Language/selectLanguageIndex").toInt(), 12) << "stored even though it cannot load";
    EXPECT_EQ(refresh.count(), 1) << "a language that does not load refreshes nothing";
    EXPECT_EQ(title->text(), germanTitle);
    EXPECT_EQ(asked, (QList<int>{10, 12}));
    EXPECT_EQ(list->currentText(), "Polski");
    linguist.loadLanguage(3);
}

TEST_F(SettingsDialog, OpensWithTheStoredChoicesWithoutWriting)
{
    {
        QSettings s(userIni(), QSettings::IniFormat);
        s.setValue("AutoStart/isAutoStart", true);
        s.setValue("CloseToTray/isCloseToTray", false);
        s.setValue("Theme/selectThemeIndex", 4);
    }
    const QDateTime before = QFileInfo(userIni()).lastModified();
    DSettingsDia d(nullptr, [](int) { return false; });
    EXPECT_TRUE(child<QCheckBox>(&d, "checkBox_AutoStart")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(&d, "checkBox_Close")->isChecked());
    EXPECT_EQ(child<QComboBox>(&d, "comboBox_Theme")->currentText(), "Dark") << "no user theme offered";
    EXPECT_EQ(child<QComboBox>(&d, "comboBox_Theme")->count(), 4);
    EXPECT_FALSE(autostart::isEnabled()) << "ticking in code writes no entry";
    EXPECT_EQ(QFileInfo(userIni()).lastModified(), before);
    EXPECT_EQ(child<QStackedWidget>(&d, "stackedWidget")->currentWidget()->objectName(), "page_Settings");
}

// The user turns start at login off and on again; the entry follows, with the quoted program.
TEST_F(SettingsDialog, AutoStartOffAndOnThroughTheDialog)
{
    ASSERT_TRUE(autostart::setEnabled(true, "x"));
    QSettings(userIni(), QSettings::IniFormat).setValue("AutoStart/isAutoStart", true);
    DSettingsDia d(nullptr, [](int) { return false; });
    d.show();
    auto *box = child<QCheckBox>(&d, "checkBox_AutoStart");
    ASSERT_TRUE(box->isChecked());

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(QFile::exists(autostart::entryPath()));
    EXPECT_EQ(stored("AutoStart/isAutoStart").toString(), "false");
    EXPECT_EQ(toast(&d), "Set config success");

    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QFile entry(autostart::entryPath());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=") + autostart::quoteExec(autostart::executablePath()) +
                              " --AutoUp\n"))
        << text.toStdString();
    EXPECT_EQ(stored("AutoStart/isAutoStart").toString(), "true");
    EXPECT_EQ(toast(&d), "Set config success");

    auto *close = child<QCheckBox>(&d, "checkBox_Close");
    close->click();
    EXPECT_EQ(stored("CloseToTray/isCloseToTray").toBool(), close->isChecked());
    EXPECT_EQ(toast(&d), "Set config success");
}

// Without write permission even root obeys the file modes while CAP_DAC_OVERRIDE is off.
class WithoutOverride
{
public:
    WithoutOverride()
    {
        if (::geteuid() != 0)
            return;
        header.version = _LINUX_CAPABILITY_VERSION_3;
        if (::syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
        lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        active = ::syscall(SYS_capset, &header, lowered) == 0;
    }
    ~WithoutOverride()
    {
        if (active)
            ::syscall(SYS_capset, &header, saved);
    }
    bool usable() const { return ::geteuid() != 0 || active; }

private:
    __user_cap_header_struct header{};
    __user_cap_data_struct saved[2]{};
    bool active = false;
};

// A setting that cannot be written is reported as such, never as success.
TEST_F(SettingsDialog, AWriteThatFailsShowsTheFailureToast)
{
    const QString settingsFolder = DDataManager::getInstance()->userConfigPath();
    const QString autostartFolder = QFileInfo(autostart::entryPath()).path();
    QDir().mkpath(autostartFolder);
    QSettings(userIni(), QSettings::IniFormat).setValue("Language/selectLanguageIndex", 3);
    const struct
    {
        const char *name;
        QString readOnly;
        const char *box;
        const char *autoStartToast;
    } rows[] = {
        {"read-only settings folder, auto start", settingsFolder, "checkBox_AutoStart", "Set config failed"},
        {"read-only settings folder, close to tray", settingsFolder, "checkBox_Close", "Set config failed"},
        {"read-only autostart folder, auto start", autostartFolder, "checkBox_AutoStart",
         "Set config failed"},
        {"read-only autostart folder, close to tray", autostartFolder, "checkBox_Close",
         "Set config success"},
    };
    for (const auto &r : rows) {
        DSettingsDia d(nullptr, [](int) { return false; });
        const QFile::Permissions before = QFile::permissions(r.readOnly);
        ASSERT_TRUE(QFile::setPermissions(r.readOnly, QFile::ReadOwner | QFile::ExeOwner));
        {
            WithoutOverride guard;
            if (!guard.usable()) {
                QFile::setPermissions(r.readOnly, before);
                GTEST_SKIP() << "cannot drop the file-permission override";
            }
            child<QCheckBox>(&d, r.box)->click();
        }
        QFile::setPermissions(r.readOnly, before);
        EXPECT_EQ(toast(&d), r.autoStartToast) << r.name;
    }
    // Writable again: the next change reports success.
    DSettingsDia d(nullptr, [](int) { return false; });
    child<QCheckBox>(&d, "checkBox_Close")->click();
    EXPECT_EQ(toast(&d), "Set config success");
}

// However the dialog is closed, the window hears of it exactly once and the dialog goes.
TEST_F(SettingsDialog, EveryWayOfClosingSignalsOnce)
{
    const struct
    {
        const char *name;
        std::function<void(DSettingsDia *)> close;
    } rows[] = {
        {"Esc", [](DSettingsDia *d) { QTest::keyClick(d, Qt::Key_Escape); }},
        {"Close button", [](DSettingsDia *d) { d->findChild<QPushButton *>("pushButton_Close")->click(); }},
        {"window system", [](DSettingsDia *d) { d->windowHandle()->close(); }},
    };
    for (const auto &r : rows) {
        QPointer<DSettingsDia> d = new DSettingsDia(nullptr, [](int) { return false; });
        d->show();
        QSignalSpy closed(d.data(), &DSettingsDia::sigSettingsWindowClose);
        r.close(d);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(closed.count(), 1) << r.name;
        EXPECT_TRUE(d.isNull()) << r.name << ": the dialog deletes itself";
        delete d.data();
    }
}

TEST_F(SettingsDialog, PageButtonsSwitchPages)
{
    DSettingsDia d(nullptr, [](int) { return false; });
    auto *pages = child<QStackedWidget>(&d, "stackedWidget");
    child<QPushButton>(&d, "pushButton_About")->click();
    EXPECT_EQ(pages->currentWidget()->objectName(), "page_TipInfo");
    EXPECT_TRUE(child<QPushButton>(&d, "pushButton_About")->isChecked());
    EXPECT_FALSE(child<QPushButton>(&d, "pushButton_General")->isChecked());
    child<QPushButton>(&d, "pushButton_General")->click();
    EXPECT_EQ(pages->currentWidget()->objectName(), "page_Settings");
}

TEST_F(SettingsDialog, AboutPageShowsTheShippedTexts)
{
    DSettingsDia d(nullptr, [](int) { return false; });
    d.show();
    child<QPushButton>(&d, "pushButton_About")->click();
    EXPECT_EQ(child<QLabel>(&d, "label_AppVersion")->text(), "V_2.03.05");
    EXPECT_EQ(child<QLabel>(&d, "label_AppName")->text(), "Tidelumen");
    const QString copyright = child<QLabel>(&d, "label_Copyright")->text();
    EXPECT_TRUE(copyright.contains("developers, all rights")) << "'*' is shown as ','";
    EXPECT_FALSE(copyright.contains('*'));
    EXPECT_FALSE(child<QLabel>(&d, "label_Link")->isVisible()) << "the shipped file hides the link row";
    EXPECT_TRUE(child<QLabel>(&d, "label_Link")->text().contains("Company|Tidelumen|"));
    EXPECT_FALSE(child<QFrame>(&d, "frame_15")->isVisible());
    EXPECT_FALSE(child<QFrame>(&d, "frame_6")->isVisible());
}

// Only a left double-click on the title logo opens the firmware information, each time anew.
TEST_F(SettingsDialog, LogoDoubleClickOpensTheFirmwareInformation)
{
    DSettingsDia d(nullptr, [](int) { return false; });
    d.show();
    auto *logo = child<QFrame>(&d, "frame_LogoSet");
    int opened = 0;
    auto closeWhenOpen = [&] {
        QTimer::singleShot(0, [&] {
            if (auto *info = qobject_cast<DFirwareInfoShow *>(QApplication::activeModalWidget())) {
                ++opened;
                EXPECT_EQ(info->windowTitle(), "Firmware Info");
                info->close();
            }
        });
    };
    closeWhenOpen();
    QTest::mouseClick(logo, Qt::LeftButton);
    QTest::mouseDClick(logo, Qt::RightButton);
    QTest::mouseDClick(child<QLabel>(&d, "label_Title"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, 0);
    for (int round = 1; round <= 2; ++round) {
        closeWhenOpen();
        QTest::mouseDClick(logo, Qt::LeftButton);
        EXPECT_EQ(opened, round);
    }
}

TEST_F(SettingsDialog, FirmwareCheckIsAskedForAndNothingFoundIsShown)
{
    DSettingsDia d(nullptr, [](int) { return false; });
    QSignalSpy asked(&d, &DSettingsDia::sigFirmwareUpgradeCheck);
    child<QPushButton>(&d, "pushButton_UpgradeCheck")->click();
    EXPECT_EQ(asked.count(), 1);
    d.showNoUpgradeableDevices();
    EXPECT_EQ(toast(&d), "No upgradeable devices found");
}

// The gear opens the dialog over the dimmed window; closing it by any way undims the window.
TEST_F(SettingsDialog, TheGearOpensItOverTheWindow)
{
    DMainWidget w;
    w.show();
    for (const bool viaWindowSystem : {false, true}) {
        w.findChild<QPushButton *>("pushButton_Setting")->click();
        QPointer<DSettingsDia> d = w.findChild<DSettingsDia *>();
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->windowModality(), Qt::WindowModal);
        QWidget *overlay = w.findChild<QWidget *>("widget");
        ASSERT_NE(overlay, nullptr);
        EXPECT_TRUE(overlay->isVisible());
        if (viaWindowSystem)
            d->windowHandle()->close();
        else
            QTest::keyClick(d, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(d.isNull());
        EXPECT_FALSE(overlay->isVisible()) << viaWindowSystem;
    }
}

class SettingsDialogTheme : public ThemeShotTest
{
};

TEST_P(SettingsDialogTheme, FollowsTheThemeAndIsPictured)
{
    QFile::remove(userIni());
    DSettingsDia d(nullptr, [](int) { return false; });
    EXPECT_TRUE(
        d.findChild<QFrame *>("frame_16")->styleSheet().contains(ThemeColors::css(theme.TextCheckedColor)));
    // Hover and press clear the control colour, so only the border marks the button.
    const QString hover = ThemeColors::css(theme.SettingsControlHoverBgColor, 0);
    EXPECT_TRUE(d.findChild<QPushButton *>("pushButton_UpgradeCheck")
                    ->styleSheet()
                    .contains(QStringLiteral("QPushButton:hover{background-color:%1;").arg(hover)));
    auto *notice = d.findChild<CbNotice *>("settingsNotice");
    EXPECT_EQ(notice->font().pixelSize(), 14);
    EXPECT_EQ(notice->font().family(), theme.TextFont);

    d.findChild<QCheckBox *>("checkBox_Close")->setChecked(true);
    saveShot(d, "settings-general", QColor(40, 40, 40));
    d.findChild<QPushButton *>("pushButton_About")->click();
    saveShot(d, "settings-about", QColor(40, 40, 40));
}

INSTANTIATE_TEST_SUITE_P(Themes, SettingsDialogTheme,
                         testing::Values(ThemeCase{0, "Black"}, ThemeCase{1, "Light"}), themeCaseName);

} // namespace
