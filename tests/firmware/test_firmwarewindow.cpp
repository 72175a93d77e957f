// The firmware check as the program runs it: the main window with simulated keyboards that report
// V1.00.00, against the embedded images (V1.00.10).
#include "ddevicepage.h"
#include "dfirwareinfoitem.h"
#include "dfirwareinfoshow.h"
#include "dmainwidget.h"
#include "firmwareupgradecontroller.h"
#include "hiddevicemanager.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(FirmwareCheckInTheProgram, OffersTheEmbeddedImagesToTheSimulatedKeyboards)
{
    qputenv("TIDELUMEN_SIMULATE", "TL68HE,TL87");
    {
        DMainWidget window;
        window.resize(1280, 760);
        window.show();
        FirmwareUpgradeController *firmware = window.firmwareController();
        ASSERT_NE(firmware, nullptr);
        EXPECT_FALSE(window.hasUpgradeLibrary()) << "no chip-vendor plugin is installed here";
        QSignalSpy open(firmware, &FirmwareUpgradeController::sigOpenUpdateDialog);
        auto *page = window.findChild<DDevicePage *>();
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return page->linkMapCopy().size() == 2; }, 5000));

        // First start in a fresh home: the version counts as changed, so the automatic check runs
        // after the list has loaded and asks for the update dialog.
        ASSERT_TRUE(QTest::qWaitFor([&] { return open.size() == 1; }, 8000));
        EXPECT_EQ(firmware->userInitiated(), 0);
        EXPECT_EQ(firmware->upgradeableList().size(), 2);

        QSignalSpy nothing(&window, &DMainWidget::sigNoUpgradeableDevices);
        window.onFirmwareUpgradeCheck();
        EXPECT_EQ(open.size(), 2) << "the user's check opens at once";
        EXPECT_EQ(nothing.size(), 0);
        EXPECT_EQ(firmware->userInitiated(), 1);
        const QList<hidStructInfoAll> offered = firmware->upgradeableList();
        ASSERT_EQ(offered.size(), 2);
        QStringList models;
        for (const hidStructInfoAll &r : offered) {
            models << QString::fromUtf8(r.modelKey);
            EXPECT_STREQ(r.firmwareVersion, "V1.00.00");
            EXPECT_STREQ(r.newFirmwareVersion, "V1.00.10");
        }
        models.sort();
        EXPECT_EQ(models, (QStringList{QStringLiteral("TL68HE"), QStringLiteral("TL87")}));

        // The firmware-information dialog lists both keyboards.
        QPointer<DFirwareInfoShow> info = new DFirwareInfoShow(&window);
        info->show();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return info->findChildren<DFirwareInfoItem *>().size() == 2; }, 3000));
        QTest::qWait(100);
        info->grab().save(QStringLiteral(TL_SHOT_DIR "/firmware-info.png"));
        info->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(info.isNull());

        // Updated keyboards (plugged in again with the new firmware) are offered nothing.
        SimulatedBackend *sim = HidDeviceManager::instance().simulatedBackend();
        ASSERT_NE(sim, nullptr);
        for (const std::shared_ptr<SimKeyboard> &kb : sim->keyboards()) {
            kb->setFirmwareVersion(QStringLiteral("V1.00.10"), QString());
            const QString oldPath = QString::fromLatin1(kb->path());
            kb->unplug();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !page->linkMapCopy().contains(oldPath); }, 5000));
            kb->plug();
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return page->linkMapCopy().contains(QString::fromLatin1(kb->path())); }, 5000));
        }
        window.onFirmwareUpgradeCheck();
        EXPECT_EQ(nothing.size(), 1);
        EXPECT_EQ(open.size(), 2);
        EXPECT_TRUE(firmware->upgradeableList().isEmpty());
    }
    qunsetenv("TIDELUMEN_SIMULATE");
}
