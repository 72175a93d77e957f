#include "autostart.h"
#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "dmainwidget.h"
#include "hotplugmonitor.h"
#include "themecolors.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

QStringList s_log;
QtMessageHandler s_previous = nullptr;
void capture(QtMsgType type, const QMessageLogContext &ctx, const QString &msg)
{
    s_log << msg;
    if (s_previous)
        s_previous(type, ctx, msg);
}

class MainWidgetStart : public testing::Test
{
protected:
    void SetUp() override
    {
        configDir = DDataManager::getInstance()->userConfigPath();
        QDir(configDir).removeRecursively();
        QDir().mkpath(configDir);
        DDataManager::getInstance()->inspectUserSettings();
        autostart::setEnabled(false, "x");
        s_log.clear();
        s_previous = qInstallMessageHandler(capture);
    }
    void TearDown() override { qInstallMessageHandler(s_previous); }
    QString ini() const { return configDir + "/QuelmoConfig.ini"; }
    QString configDir;
};

TEST_F(MainWidgetStart, FirstStartWritesTheStartUpKeysAndTheAutostartEntryOnce)
{
    {
        DMainWidget w;
        QSettings s(ini(), QSettings::IniFormat);
        for (const char *key :
             {"AutoStart/isAutoStart", "MinimizeToTray/isMinimizeToTray", "CloseToTray/isCloseToTray"})
            EXPECT_EQ(s.value(key).toString(), "true") << key;
        EXPECT_TRUE(autostart::isEnabled());
    }
    // The user turned auto start off: a later start keeps it off and writes no entry.
    QSettings(ini(), QSettings::IniFormat).setValue("AutoStart/isAutoStart", false);
    autostart::setEnabled(false, "x");
    DMainWidget again;
    EXPECT_EQ(QSettings(ini(), QSettings::IniFormat).value("AutoStart/isAutoStart").toString(), "false");
    EXPECT_FALSE(autostart::isEnabled());
}

// A damaged settings file is not a first start: start at login stays as its entry says, and the
// window tells where the damaged copy went, once.
TEST_F(MainWidgetStart, DamagedSettingsFileKeepsStartAtLoginAndIsReportedOnce)
{
    for (const bool entry : {false, true}) {
        QDir(configDir).removeRecursively();
        QDir().mkpath(configDir);
        autostart::setEnabled(entry, "x");
        QFile garbage(ini());
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write("\x00\x01garbage\xff");
        garbage.close();
        DDataManager::getInstance()->inspectUserSettings();

        DMainWidget w;
        EXPECT_EQ(autostart::isEnabled(), entry);
        EXPECT_EQ(QSettings(ini(), QSettings::IniFormat).value("AutoStart/isAutoStart").toBool(), entry);
        const QStringList kept = QDir(configDir).entryList({"QuelmoConfig.ini.broken-*"});
        ASSERT_EQ(kept.size(), 1);
        QCoreApplication::processEvents();
        auto *box = w.findChild<QMessageBox *>("settingsFileDamagedBox");
        ASSERT_NE(box, nullptr) << "the user was not told";
        EXPECT_TRUE(box->text().startsWith(
            "The settings file was damaged and has been reset; the damaged copy was kept as"))
            << box->text().toStdString();
        EXPECT_TRUE(box->text().endsWith(kept.first()));
        box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        DMainWidget again;
        QCoreApplication::processEvents();
        EXPECT_EQ(again.findChild<QMessageBox *>("settingsFileDamagedBox"), nullptr) << "reported twice";
    }
}

TEST_F(MainWidgetStart, OnlyTheMissingStoreFileIsCreated)
{
    QFile macro(configDir + "/appMacro.xml");
    ASSERT_TRUE(macro.open(QIODevice::WriteOnly));
    macro.write("keep me");
    macro.close();
    DMainWidget w;
    ASSERT_TRUE(w.isSdkReady());
    QFile check(configDir + "/appMacro.xml");
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), "keep me");
    EXPECT_TRUE(QFile::exists(configDir + "/SeniorKeyConfig.xml"));

    char path[256];
    DDataManager::getInstance()->seniorKeyXmlPath(path);
    EXPECT_EQ(QString::fromLocal8Bit(path), configDir + "/SeniorKeyConfig.xml");
    DDataManager::getInstance()->copyMacroXmlPath(path);
    EXPECT_EQ(QString::fromLocal8Bit(path), configDir + "/appMacro.xml");
}

TEST_F(MainWidgetStart, SupportListAndMissingUpgradeLibrary)
{
    DMainWidget w;
    EXPECT_FALSE(w.supportList().isEmpty());
    EXPECT_FALSE(w.hasUpgradeLibrary());
    EXPECT_TRUE(
        s_log.contains("-------------------- *** [ Load JL dll Failed ] *** -----------------------"));
    EXPECT_EQ(w.title(), "Tidelumen");
    EXPECT_EQ(w.windowTitle(), "Tidelumen");
    EXPECT_FALSE(w.findChild<QLabel *>("label_SdkVer")->isVisibleTo(&w));
    EXPECT_FALSE(w.findChild<QLabel *>("label_SdkVer")->text().isEmpty());
}

// The stored theme is loaded before the device page is built, which themes itself and its tab
// pages as it builds: every part shows the stored theme's colours from the start.
TEST_F(MainWidgetStart, EveryPageStartsInTheStoredTheme)
{
    DDataManager *dm = DDataManager::getInstance();
    for (const int theme : {2, 0}) {
        SCOPED_TRACE(theme);
        QSettings(ini(), QSettings::IniFormat).setValue("Theme/selectThemeIndex", theme);
        DMainWidget w;
        dm->loadTheme(theme); // the colours the window should show, whatever it loaded
        const ThemeColors c = dm->getThemeColors();
        const struct
        {
            const char *frame;
            QString colour;
        } parts[] = {
            {"frame", c.DeviceLeftBgColor},        // the device list
            {"frame_Right", c.DeviceRightBgColor}, // the tab area
            {"frame_Bg01", c.DeviceRightBgColor},  // the key-assignment tab
            {"frame_004", c.DeviceBorderColor},    // the trigger tab
        };
        for (const auto &p : parts) {
            auto *frame = w.findChild<QFrame *>(QLatin1String(p.frame));
            ASSERT_NE(frame, nullptr) << p.frame;
            // Opaque or with the theme's alpha, as each part writes it.
            EXPECT_TRUE(
                frame->styleSheet().contains(ThemeColors::css(p.colour)) ||
                frame->styleSheet().contains(ThemeColors::css(p.colour.section(QLatin1Char(','), 0, 2))))
                << p.frame << ": " << frame->styleSheet().toStdString();
        }
    }
}

TEST(MainWidgetGeometry, MinimumSizeByScreen)
{
    const struct
    {
        QSize screen;
        QSize minimum;
    } rows[] = {{{1920, 1080}, {1280, 715}},
                {{1921, 1080}, {1450, 810}},
                {{1920, 1081}, {1450, 810}},
                {{1366, 768}, {1280, 715}},
                {{2560, 1440}, {1450, 810}}};
    for (const auto &r : rows)
        EXPECT_EQ(DMainWidget::minimumSizeForScreen(r.screen), r.minimum)
            << r.screen.width() << "x" << r.screen.height();
}

TEST(MainWidgetGeometry, ResizeZonesInTheirOrder)
{
    const QRect win(QPoint(100, 100), QPoint(899, 599));
    using D = DMainWidget;
    const struct
    {
        QPoint p;
        D::ResizeDirection d;
    } rows[] = {
        {{100, 100}, D::LEFTTOP},
        {{104, 104}, D::LEFTTOP},
        {{105, 105}, D::NONE},
        {{105, 104}, D::UP},
        {{899, 599}, D::RIGHTBOTTOM},
        {{100, 599}, D::LEFTBOTTOM},
        {{899, 100}, D::RIGHTTOP},
        {{102, 300}, D::LEFT},
        {{897, 300}, D::RIGHT},
        {{500, 101}, D::UP},
        {{500, 598}, D::DOWN},
        {{105, 300}, D::NONE},
        {{99, 300}, D::NONE},
        {{500, 300}, D::NONE},
        // Each side test looks at one coordinate only.
        {{102, 50}, D::LEFT},
    };
    for (const auto &r : rows)
        EXPECT_EQ(D::zoneAt(win, r.p), r.d) << r.p.x() << "," << r.p.y();
}

} // namespace

namespace {

TEST_F(MainWidgetStart, DeviceListFollowsTheKeyboardNames)
{
    DMainWidget w;
    EXPECT_FALSE(w.isDeviceListVisible()) << "the window starts with the device list hidden";
    QMetaObject::invokeMethod(&w, "onReturnHidLikeName", Q_ARG(QString, "TL87"), Q_ARG(QString, "Keyboard"));
    EXPECT_TRUE(w.isDeviceListVisible());
    EXPECT_EQ(w.findChild<QLabel *>("label_ProductName")->text(), "TL87");
    EXPECT_EQ(w.findChild<QLabel *>("label_DeviceName")->text(), "Keyboard");
    QMetaObject::invokeMethod(&w, "onReturnHidLikeName", Q_ARG(QString, "HID"), Q_ARG(QString, "RGB"));
    EXPECT_FALSE(w.isDeviceListVisible());

    // Names from a user's model catalogue are shown as they are written, markup and all.
    const QString product = "<b>TL</b><img src=\"/etc/x.png\">", device = "<a href=\"x\">Kbd</a>";
    QMetaObject::invokeMethod(&w, "onReturnHidLikeName", Q_ARG(QString, product), Q_ARG(QString, device));
    for (const auto &[name, text] :
         {std::pair{"label_ProductName", product}, std::pair{"label_DeviceName", device}}) {
        auto *label = w.findChild<QLabel *>(name);
        EXPECT_EQ(label->text(), text) << name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
    }
}

} // namespace

namespace {

int s_initCalls[3];
int okXml()
{
    ++s_initCalls[0];
    return 0;
}
int failingHid()
{
    ++s_initCalls[1];
    return -1;
}
int okLight()
{
    ++s_initCalls[2];
    return 0;
}

TEST_F(MainWidgetStart, AFailedSdkStartStillCreatesThePageAndNothingElse)
{
    std::fill(std::begin(s_initCalls), std::end(s_initCalls), 0);
    DMainWidget w(nullptr, DMainWidget::SdkInit{&okXml, &failingHid, &okLight});
    EXPECT_EQ(s_initCalls[0], 1);
    EXPECT_EQ(s_initCalls[1], 1);
    EXPECT_EQ(s_initCalls[2], 1) << "the light engine is started even after the device layer failed";
    EXPECT_FALSE(w.isSdkReady());
    EXPECT_NE(w.findChild<DDevicePage *>(), nullptr);
    EXPECT_TRUE(w.supportList().isEmpty());
    EXPECT_FALSE(QFile::exists(configDir + "/appMacro.xml"));
    EXPECT_FALSE(QFile::exists(configDir + "/SeniorKeyConfig.xml"));
    EXPECT_FALSE(
        s_log.contains("-------------------- *** [ Load JL dll Failed ] *** -----------------------"))
        << "the upgrade library is not even looked for";
    char path[256];
    DDataManager::getInstance()->copyMacroXmlPath(path);
    EXPECT_STREQ(path, "");
}

} // namespace

namespace {

// A failed start is told once, and the stores it never opened refuse writes rather than taking
// them to an empty path.
TEST_F(MainWidgetStart, AFailedSdkStartIsShownOnceAndStoresRefuseWrites)
{
    DMainWidget w(nullptr, DMainWidget::SdkInit{&okXml, &failingHid, &okLight});
    w.show();
    QCoreApplication::processEvents();
    const QList<QMessageBox *> boxes = w.findChildren<QMessageBox *>("sdkFailureMessage");
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.first()->isVisible());
    EXPECT_EQ(boxes.first()->text(), "Keyboard service failed to start");
    char macroPath[256];
    DDataManager::getInstance()->copyMacroXmlPath(macroPath);
    EXPECT_FALSE(CQuelmoXML_CreateXMLFile(macroPath));
    EXPECT_FALSE(CQuelmoXML_CreateMacroXmlParentNode(macroPath, "1", "Macro 1"));

    DMainWidget fine;
    fine.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(fine.findChildren<QMessageBox *>().isEmpty());
}

TEST_F(MainWidgetStart, ABootLoaderArrivalReachesTheFirmwareOpener)
{
    DMainWidget w;
    ASSERT_NE(w.hotplugMonitor(), nullptr);
    w.hotplugMonitor()->handleEvent(
        HotplugEvent{"add", "usb", "usb_device", "/devices/u", {{"PRODUCT", "416/3f01/100"}}});
    EXPECT_TRUE(
        QTest::qWaitFor([] { return s_log.contains("[Main window] a keyboard boot loader arrived"); }, 3000));
}

} // namespace
