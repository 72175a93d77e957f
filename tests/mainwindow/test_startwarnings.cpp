// Starting the program over simulated keyboards and switching between them prints no warning in
// any theme, with the background image off or on (four-component theme colours).
#include "ddatamanager.h"
#include "ddevicelistitem.h"
#include "ddevicepage.h"
#include "devicepageprobe.h"
#include "dmainwidget.h"
#include "hiddevicemanager.h"
#include "testenv.h"

#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

TEST(MainWindowWarnings, StartAndKeyboardSwitchPrintNoWarningInAnyTheme)
{
    qputenv("TIDELUMEN_SIMULATE", "TL68HE,TL87,TL104");
    DDataManager *dm = DDataManager::getInstance();
    const bool bgWas = dm->isBgImageUsing();
    const QString appDirWas = dm->applicationDirPath();
    dm->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR)); // the keyboard pictures lie there
    for (const bool bgImage : {false, true}) {
        for (int theme = 0; theme < 5; ++theme) {
            SCOPED_TRACE(testing::Message() << "theme " << theme << ", background image " << bgImage);
            QSettings(dm->userConfigPath() + QStringLiteral("/QuelmoConfig.ini"), QSettings::IniFormat)
                .setValue(QStringLiteral("Theme/selectThemeIndex"), theme);
            dm->setBgImageUsing(bgImage);
            HidDeviceManager::instance().setBackend(nullptr);
            testenv::WarningWatch watch;
            {
                DMainWidget window;
                window.show();
                auto *page = window.findChild<DDevicePage *>();
                ASSERT_NE(page, nullptr);
                ASSERT_TRUE(
                    QTest::qWaitFor([&] { return devicepage::cardsInListOrder(*page).size() == 3; }, 5000));
                for (DDeviceListItem *card : devicepage::cardsInListOrder(*page)) {
                    QTest::mouseClick(card, Qt::LeftButton);
                    EXPECT_TRUE(
                        QTest::qWaitFor([&] { return devicepage::currentCard(*page) == card; }, 5000));
                    QTest::qWait(50);
                }
                QTest::qWait(300); // sheets set from timers
            }
            // A machine without udevd (a container, CI) is told about once; that is not a fault.
            QStringList warnings = watch.warnings();
            warnings.erase(std::remove_if(warnings.begin(), warnings.end(),
                                          [](const QString &w) {
                                              return w.startsWith(QLatin1String("[Hot plug] no udev daemon"));
                                          }),
                           warnings.end());
            EXPECT_EQ(warnings, QStringList()) << warnings.join(QLatin1Char('\n')).toStdString();
        }
    }
    dm->setBgImageUsing(bgWas);
    dm->setApplicationDirPath(appDirWas);
    HidDeviceManager::instance().setBackend(nullptr);
    qunsetenv("TIDELUMEN_SIMULATE");
}
