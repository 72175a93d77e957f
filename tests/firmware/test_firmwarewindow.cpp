// The firmware check as the program runs it: the main window with simulated keyboards that report
// V1.00.00, against the embedded images (V1.00.10).
#include "cbnotice.h"
#include "ddevicepage.h"
#include "dfirwareinfoitem.h"
#include "dfirwareinfoshow.h"
#include "dmainwidget.h"
#include "dupdatefirmwaredia.h"
#include "firmwareupgradebackend.h"
#include "firmwareupgradecontroller.h"
#include "hiddevicemanager.h"
#include "simbootloader.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"
#include "updatefirmwareinfoitem.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
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

TEST(FirmwareUpdateInTheProgram, UpdatesASimulatedKeyboardFromTheSettingsCheck)
{
    qputenv("TIDELUMEN_SIMULATE", "TL68HE");
    {
        DMainWidget window;
        window.resize(1280, 760);
        window.show();
        auto *page = window.findChild<DDevicePage *>();
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return page->linkMapCopy().size() == 1; }, 5000));
        SimulatedBackend *sim = HidDeviceManager::instance().simulatedBackend();
        ASSERT_NE(sim, nullptr);
        std::shared_ptr<SimKeyboard> kb = sim->keyboards().first();
        std::shared_ptr<SimBootLoader> boot = sim->bootLoader(*kb);

        // The user's check opens the dialog (unless the automatic one already did).
        window.onFirmwareUpgradeCheck();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.updateDialog() != nullptr; }, 5000));
        QPointer<DUpdateFirmwareDia> dialog = window.updateDialog();
        ASSERT_EQ(dialog->rows().size(), 1);
        UpdateFirmwareInfoItem *row = dialog->rows().first();
        QSignalSpy progress(dialog.data(), &DUpdateFirmwareDia::sigUpgradeProgress);
        // Slow enough for a picture of the running update.
        kb->setReplyDelay(std::chrono::milliseconds(1));
        QTest::mouseClick(row->findChild<QPushButton *>(QStringLiteral("pushButton_Update")), Qt::LeftButton);
        EXPECT_TRUE(window.upgradeBackend()->isBusy());
        // Quitting while the update runs is refused with the warning.
        window.onQuitApp();
        EXPECT_TRUE(window.isVisible());
        auto *refusal = window.findChild<QMessageBox *>(QStringLiteral("firmwareUpdateRunningBox"));
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(refusal->text(), DUpdateFirmwareDia::warningText());
        refusal->close();

        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !progress.isEmpty() && progress.last().first().toInt() >= 30; }, 10000));
        dialog->grab().save(QStringLiteral(TL_SHOT_DIR "/firmware-update-running.png"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return dialog->notice()->text() == QLatin1String("Update successful"); }, 15000));
        EXPECT_EQ(row->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->currentIndex(), 1);
        QList<int> shown;
        for (const QList<QVariant> &p : progress)
            shown << p.first().toInt();
        for (int i = 1; i < shown.size(); ++i)
            EXPECT_GT(shown[i], shown[i - 1]);
        EXPECT_EQ(shown.last(), 100);
        QTest::qWait(200);
        dialog->grab().save(QStringLiteral(TL_SHOT_DIR "/firmware-update-done.png"));

        // The boot loader got the embedded image, and the keyboard is back with its version.
        QFile embedded(QStringLiteral(":/images/UpdateFirmwareFile/TL68HE.bin"));
        ASSERT_TRUE(embedded.open(QIODevice::ReadOnly));
        EXPECT_EQ(boot->receivedImage(), embedded.readAll());
        EXPECT_EQ(boot->switchCount(), 1);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return page->linkMapCopy().contains(QString::fromLatin1(kb->path())) && !kb->inBootLoader();
            },
            5000));
        EXPECT_EQ(kb->firmwareVersion(), QStringLiteral("V1.00.10"));

        dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull());
        QSignalSpy nothing(&window, &DMainWidget::sigNoUpgradeableDevices);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                window.onFirmwareUpgradeCheck();
                return nothing.size() > 0;
            },
            5000));
    }
    qunsetenv("TIDELUMEN_SIMULATE");
}
