#include "ddatamanager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

class DataManagerStart : public testing::Test
{
protected:
    void SetUp() override
    {
        appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(appData).removeRecursively();
    }
    QString settingsFile() const { return appData + QStringLiteral("/UserConfig/QuelmoConfig.ini"); }
    QString appData;
};

TEST_F(DataManagerStart, FirstStartWritesDefaultsAndCountsAsVersionChange)
{
    DDataManager dm;
    EXPECT_TRUE(dm.isVersionChanged());
    QSettings s(settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(s.value("Theme/selectThemeIndex").toString(), "0");
    EXPECT_EQ(s.value("ThemeBgImage/BgImageIsUsing").toString(), "false");
    EXPECT_EQ(s.value("oldVersion/VersionInfo").toString(), "V_2.03.05");
    EXPECT_EQ(dm.appVersion(), "V_2.03.05");
    EXPECT_EQ(dm.userConfigPath(), appData + "/UserConfig");
}

TEST_F(DataManagerStart, SecondStartReadsBackAndSeesNoVersionChange)
{
    {
        DDataManager first;
    }
    QSettings(settingsFile(), QSettings::IniFormat).setValue("Theme/selectThemeIndex", 2);
    DDataManager second;
    EXPECT_FALSE(second.isVersionChanged());
    EXPECT_EQ(second.themeIndex(), 2);
    EXPECT_EQ(second.getThemeColors().AllThemeColor, "0,128,255");
}

TEST_F(DataManagerStart, VersionChangeIsSeenOnceAfterAnUpdate)
{
    {
        DDataManager first;
    }
    QSettings(settingsFile(), QSettings::IniFormat).setValue("oldVersion/VersionInfo", "V_1.99.00");
    {
        DDataManager updated;
        EXPECT_TRUE(updated.isVersionChanged());
    }
    DDataManager again;
    EXPECT_FALSE(again.isVersionChanged());
}

TEST_F(DataManagerStart, UserThemeIndexFallsBackToBlackWhenNotAllowed)
{
    QDir().mkpath(appData + "/UserConfig");
    QSettings(settingsFile(), QSettings::IniFormat).setValue("Theme/selectThemeIndex", 4);
    DDataManager dm;
    EXPECT_EQ(dm.themeIndex(), 0);
    EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value("Theme/selectThemeIndex").toInt(), 0);
    EXPECT_EQ(dm.getThemeColors().TextDefaultColor, "205,205,205");
}

// A settings file that is not one of ours is kept aside, never read as settings nor overwritten.
TEST_F(DataManagerStart, DamagedSettingsFileIsMovedAsideOnce)
{
    const struct
    {
        const char *name;
        QByteArray content; // null: a folder in the file's place
        bool damaged;
    } rows[] = {
        {"empty", QByteArray(""), true},
        {"binary", QByteArray("\x00\xff\x13[\x01\n\xfe=\x80", 10), true},
        {"foreign text", QByteArray("hello world\nfoo=bar\n"), true},
        {"a folder", QByteArray(), true},
        {"ours, only the language", QByteArray("[Language]\nselectLanguageIndex=3\n"), false},
    };
    for (const auto &r : rows) {
        QDir(appData).removeRecursively();
        QDir().mkpath(appData + "/UserConfig");
        if (r.content.isNull()) {
            QDir().mkpath(settingsFile());
        } else {
            QFile f(settingsFile());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << r.name;
            f.write(r.content);
        }
        DDataManager dm;
        EXPECT_EQ(dm.settingsWereDamaged(), r.damaged) << r.name;
        const QString backup = dm.takeDamagedSettingsBackup();
        EXPECT_TRUE(dm.takeDamagedSettingsBackup().isEmpty()) << r.name << ": reported twice";
        const QStringList kept = QDir(appData + "/UserConfig").entryList({"QuelmoConfig.ini.broken-*"});
        if (!r.damaged) {
            EXPECT_TRUE(backup.isEmpty()) << r.name;
            EXPECT_TRUE(kept.isEmpty()) << r.name;
            EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value("Language/selectLanguageIndex"),
                      "3")
                << r.name;
            continue;
        }
        ASSERT_EQ(kept.size(), 1) << r.name;
        EXPECT_TRUE(backup.endsWith(kept.first())) << r.name;
        if (!r.content.isNull()) {
            QFile b(backup);
            ASSERT_TRUE(b.open(QIODevice::ReadOnly)) << r.name;
            EXPECT_EQ(b.readAll(), r.content) << r.name;
        }
        // A fresh file with the start-up values took its place.
        EXPECT_TRUE(QFileInfo(settingsFile()).isFile()) << r.name;
        EXPECT_EQ(QSettings(settingsFile(), QSettings::IniFormat).value("Theme/selectThemeIndex").toString(),
                  "0")
            << r.name;
    }
}

TEST(DataManager, InitialStateAndSelectedKey)
{
    DDataManager dm;
    EXPECT_EQ(dm.currentKeyCode(), -1);
    EXPECT_EQ(dm.profileIndex(), 1);
    EXPECT_EQ(dm.hidDeviceType(), 1);
    EXPECT_TRUE(dm.isDeviceListEnabled());
    EXPECT_EQ(DDataManager::softKeyboardLayoutCode("TL87"), 31);
    EXPECT_EQ(DDataManager::softKeyboardLayoutCode(""), 31);
    EXPECT_EQ(DDataManager::heavyPressKeyColor(), QColor(30, 200, 35, 255));

    QSignalSpy spy(&dm, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
    dm.setCurrentKey(4, "A");
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 4);
    EXPECT_EQ(dm.currentKeyName(), "A");
    dm.resetCurrentKey();
    EXPECT_EQ(dm.currentKeyCode(), -1);
    EXPECT_TRUE(dm.currentKeyName().isEmpty());
    EXPECT_EQ(spy.count(), 1);
}

TEST(DataManager, GetInstanceIsASingleton)
{
    EXPECT_EQ(DDataManager::getInstance(), DDataManager::getInstance());
}

TEST(DataManager, PathBuffersRefuseWhatDoesNotFit)
{
    DDataManager dm;
    char out[DDataManager::kPathBufferSize];
    ASSERT_TRUE(dm.setProfileXmlPath("/data/Profile1/appProfile_Default.xml"));
    dm.copyProfileXmlPath(out);
    EXPECT_STREQ(out, "/data/Profile1/appProfile_Default.xml");

    const std::string tooLong(256, 'a');
    EXPECT_FALSE(dm.setProfileXmlPath(tooLong.c_str()));
    dm.copyProfileXmlPath(out);
    EXPECT_STREQ(out, "/data/Profile1/appProfile_Default.xml") << "a refused path leaves the old one";
    const std::string fits(255, 'b');
    EXPECT_TRUE(dm.setMacroXmlPath(fits.c_str()));
    dm.copyMacroXmlPath(out);
    EXPECT_EQ(std::string(out), fits);
}

TEST(DataManagerBus, MacroHookRequestReturnsTheOwnersAnswer)
{
    DDataManager dm;
    bool failInstall = true;
    QObject owner;
    QObject::connect(&dm, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, &owner,
                     [&](bool start) { dm.setMacroRecordHookRunning(start ? !failInstall : true); });
    EXPECT_FALSE(dm.setMacroRecordHook(true));
    failInstall = false;
    EXPECT_TRUE(dm.setMacroRecordHook(true));
    EXPECT_TRUE(dm.setMacroRecordHook(false));
}

TEST(DataManagerBus, BackInfoFormDependsOnTheLastQueryMode)
{
    DDataManager dm;
    QSignalSpy enter(&dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo);
    QSignalSpy clicked(&dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    QSignalSpy query(&dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum);

    struct Step
    {
        int queryMode; // -2: no query before the report
        int expectEnter;
        int expectClicked;
    } steps[] = {{-2, 0, 1}, {0, 1, 1}, {-2, 2, 1}, {1, 2, 2}};
    for (const Step &s : steps) {
        if (s.queryMode != -2)
            dm.queryDynamicDisplaySensitivityNum(s.queryMode, 3, 4);
        dm.backDynamicDisplaySensitivityInfo(1, 20, 15, 3, 4);
        EXPECT_EQ(enter.count(), s.expectEnter);
        EXPECT_EQ(clicked.count(), s.expectClicked);
    }
    EXPECT_EQ(query.count(), 2);
    EXPECT_EQ(dm.sensitivityQueryMode(), 1);
    EXPECT_EQ(clicked.last().at(3).toInt(), 3);
}

} // namespace
