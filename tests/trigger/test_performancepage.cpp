#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "dperformancepage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A performance page on profile 1 of a fresh profile file.
class PerformancePage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("appProfile_Default.xml")).toUtf8();
        ASSERT_TRUE(CQuelmoXML_CreateXMLFile(path.constData()));
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0));
        DDataManager *dm = DDataManager::getInstance();
        dm->setProhibitSleepStatus(0);
        dm->setCurrentModelName(QStringLiteral("TL87"));
        dm->setMagneticKeyboard(false);
        dm->setHidDeviceType(2);
        page.setProfileXmlPath(path.constData());
        page.setProfileIndex(1);
        page.setKeyboardSettingsOpener([this] {
            ++settingsOpened;
            return true;
        });
        page.show();
    }

    template <typename T> T *child(const char *name) { return page.findChild<T *>(QLatin1String(name)); }
    QStringList storedSwitches()
    {
        char s[4][8] = {};
        CQuelmoXML_GetProFileFunctionInfo(path.constData(), "1", s);
        return {s[0], s[1], s[2], s[3]};
    }
    QList<QVariant> submit(const QString &light, const QString &keyboard)
    {
        child<QLineEdit>("lineEdit_LightSleep")->setText(light);
        child<QLineEdit>("lineEdit_KeyboardSleep")->setText(keyboard);
        QSignalSpy spy(&page, &DPerformancePage::sigLightAndKeyboardSleepTime);
        QTest::mouseClick(child<QPushButton>("pushButton_SubmitSleepTime"), Qt::LeftButton);
        return spy.isEmpty() ? QList<QVariant>() : spy.first();
    }

    QTemporaryDir dir;
    QByteArray path;
    DPerformancePage page;
    int settingsOpened = 0;
};

TEST_F(PerformancePage, LoadShowsTheProfileOrItsDefaultsAndEmitsNothing)
{
    QSignalSpy win(&page, &DPerformancePage::sigLockWinKeyAbout);
    QSignalSpy sleep(&page, &DPerformancePage::sigLightAndKeyboardSleepTime);
    page.loadPerformanceSettings();
    for (const char *box : {"checkBox_disableWindowsKey", "checkBox_disableSHIFT_TAB",
                            "checkBox_disableALT_TAB", "checkBox_disableALT_F4"})
        EXPECT_FALSE(child<QCheckBox>(box)->isChecked()) << box;
    EXPECT_EQ(child<QLineEdit>("lineEdit_LightSleep")->text(), QStringLiteral("600"));
    EXPECT_EQ(child<QLineEdit>("lineEdit_KeyboardSleep")->text(), QStringLiteral("30"));

    ASSERT_TRUE(CQuelmoXML_AddProFileFunctionInfo(path.constData(), "1", "2", "0", "0", "0"));
    ASSERT_TRUE(CQuelmoXML_SetProFileIntoSleepTimeInfo(path.constData(), "1", 45, 12));
    page.loadPerformanceSettings();
    EXPECT_TRUE(child<QCheckBox>("checkBox_disableALT_TAB")->isChecked()) << "any non-zero switch is on";
    EXPECT_EQ(child<QLineEdit>("lineEdit_LightSleep")->text(), QStringLiteral("45"));
    EXPECT_EQ(child<QLineEdit>("lineEdit_KeyboardSleep")->text(), QStringLiteral("12"));
    EXPECT_TRUE(win.isEmpty());
    EXPECT_TRUE(sleep.isEmpty());
    EXPECT_EQ(storedSwitches(), (QStringList{"2", "0", "0", "0"}));
}

TEST_F(PerformancePage, WinLockClickStoresInProfileOrderAndAnnouncesInKeyboardOrder)
{
    page.loadPerformanceSettings();
    const struct
    {
        const char *box;
        QStringList stored;   // Alt+Tab, Alt+F4, Shift+Tab, Windows key
        QList<QVariant> sent; // Windows key, Shift+Tab, Alt+Tab, Alt+F4
    } cases[] = {
        {"checkBox_disableWindowsKey", {"0", "0", "0", "1"}, {1, 0, 0, 0}},
        {"checkBox_disableALT_TAB", {"1", "0", "0", "1"}, {1, 0, 1, 0}},
        {"checkBox_disableSHIFT_TAB", {"1", "0", "1", "1"}, {1, 1, 1, 0}},
        {"checkBox_disableALT_F4", {"1", "1", "1", "1"}, {1, 1, 1, 1}},
        {"checkBox_disableWindowsKey", {"1", "1", "1", "0"}, {0, 1, 1, 1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.box);
        QSignalSpy win(&page, &DPerformancePage::sigLockWinKeyAbout);
        QTest::mouseClick(child<QCheckBox>(c.box), Qt::LeftButton);
        EXPECT_EQ(storedSwitches(), c.stored);
        ASSERT_EQ(win.size(), 1);
        EXPECT_EQ(win.first(), c.sent);
    }
}

TEST_F(PerformancePage, SubmitSendsSecondsAndThePohibitSwitchAndCannotBeRepeatedWhileWaiting)
{
    page.loadPerformanceSettings();
    EXPECT_EQ(submit(QStringLiteral("30"), QStringLiteral("10")), (QList<QVariant>{30, 600, 0}));
    EXPECT_EQ(submit(QString(), QStringLiteral("10")), (QList<QVariant>{0, 600, 0}));
    EXPECT_EQ(submit(QStringLiteral("30"), QStringLiteral("3")), (QList<QVariant>{30, 180, 0}));

    // The device page waits for the keyboard inside the emission.
    auto *button = child<QPushButton>("pushButton_SubmitSleepTime");
    bool enabledDuringWait = true;
    QObject::connect(&page, &DPerformancePage::sigLightAndKeyboardSleepTime, &page,
                     [&] { enabledDuringWait = button->isEnabled(); });
    submit(QStringLiteral("30"), QStringLiteral("10"));
    EXPECT_FALSE(enabledDuringWait);
    EXPECT_TRUE(button->isEnabled());
}

TEST_F(PerformancePage, SleepRowsFollowModelAndProhibitState)
{
    const struct
    {
        const char *model;
        bool magnetic;
        int deviceType, prohibit;
        bool prohibitRow, readOnly, sleepColumn;
        int sentProhibit;
    } cases[] = {
        {"TL104", false, 2, 1, true, true, true, 1},   {"TL104", false, 2, 0, true, false, true, 0},
        {"TL87", false, 2, 1, false, false, true, 1}, // hidden row, its box still counts
        {"TL87", false, 5, 0, false, false, false, 0}, {"TL68HE", true, 4, 0, false, false, false, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.model << " prohibit " << c.prohibit << " type " << c.deviceType);
        DDataManager *dm = DDataManager::getInstance();
        dm->setCurrentModelName(QLatin1String(c.model));
        dm->setMagneticKeyboard(c.magnetic);
        dm->setHidDeviceType(c.deviceType);
        dm->setProhibitSleepStatus(c.prohibit);
        page.loadPerformanceSettings();
        EXPECT_EQ(!child<QWidget>("frame_ProhibitSleep")->isHidden(), c.prohibitRow);
        EXPECT_EQ(child<QLineEdit>("lineEdit_KeyboardSleep")->isReadOnly(), c.readOnly);
        EXPECT_EQ(!child<QWidget>("frame_Center")->isHidden(), c.sleepColumn);
        EXPECT_FALSE(child<QWidget>("frame_Left")->isHidden());
        EXPECT_EQ(submit(QStringLiteral("60"), QStringLiteral("10")).value(2).toInt(), c.sentProhibit);
    }
    EXPECT_TRUE(child<QWidget>("pushButton_Restore")->isHidden());
}

TEST_F(PerformancePage, KeyboardPropertiesStartsTheSettingsWithoutWaiting)
{
    QTest::mouseClick(child<QPushButton>("pushButton_keyboardProperties"), Qt::LeftButton);
    EXPECT_EQ(settingsOpened, 1);
}

} // namespace
