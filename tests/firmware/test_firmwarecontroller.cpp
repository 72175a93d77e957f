#include "firmwareupgradecontroller.h"
#include "imagefolder.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Two models with newer images, a scheduler that only records, and device records that tests edit.
class Controller : public testing::Test
{
protected:
    void SetUp() override
    {
        folder.add(QStringLiteral("TL68HE"), ImageFamily::BinLayoutA, QStringLiteral("TL68HE.bin"),
                   ImageFolder::binImage(ImageFamily::BinLayoutA, "TLC68,01,KB,TLMN,TL68HE,V1.00.10"));
        folder.add(QStringLiteral("TL87"), ImageFamily::BinLayoutB, QStringLiteral("TL87.bin"),
                   ImageFolder::binImage(ImageFamily::BinLayoutB, "TLC87,02,KB,TLMN,TL87,V1.02.00"));
        records.insert(QStringLiteral("/sim/b"), deviceRecord("TL68HE", 0, "V1.00.00", "/sim/b"));
        records.insert(QStringLiteral("/sim/a"),
                       deviceRecord("TL87", 0, "V1.00.00", "/sim/a", "TLC87", "02"));
        linked = QStringList{QStringLiteral("/sim/a"), QStringLiteral("/sim/b")};

        FirmwareUpgradeController::Sources sources;
        sources.deviceRecords = [this] { return records; };
        sources.linkedPaths = [this] { return linked; };
        sources.versionChanged = [this] { return versionChanged; };
        sources.schedule = [this](int delay, std::function<void()> call) {
            scheduled.append({delay, std::move(call)});
        };
        controller = std::make_unique<FirmwareUpgradeController>(folder.check(), sources);
    }

    // Runs the oldest scheduled call and returns its delay.
    int runNext()
    {
        if (scheduled.isEmpty())
            return -1;
        auto next = scheduled.takeFirst();
        next.second();
        return next.first;
    }

    ImageFolder folder;
    QMap<QString, hidStructInfoAll> records;
    QStringList linked;
    bool versionChanged = true;
    QList<QPair<int, std::function<void()>>> scheduled;
    std::unique_ptr<FirmwareUpgradeController> controller;
};

TEST_F(Controller, AutomaticCheckWaitsForTheListThenOpensTheDialogASecondLater)
{
    QSignalSpy open(controller.get(), &FirmwareUpgradeController::sigOpenUpdateDialog);
    controller->onHaveCheckUpgradeFirmwareNUC();
    ASSERT_EQ(scheduled.size(), 1);
    EXPECT_TRUE(controller->upgradeableList().isEmpty()) << "nothing is checked before the delay";

    EXPECT_EQ(runNext(), FirmwareUpgradeController::kAutomaticCheckDelayMs);
    EXPECT_EQ(controller->upgradeableList().size(), 2);
    EXPECT_EQ(controller->userInitiated(), 0);
    EXPECT_EQ(open.size(), 0);
    ASSERT_EQ(scheduled.size(), 1);
    EXPECT_EQ(runNext(), FirmwareUpgradeController::kAutomaticDialogDelayMs);
    EXPECT_EQ(open.size(), 1);
}

TEST_F(Controller, NoAutomaticCheckWhileTheVersionIsUnchanged)
{
    versionChanged = false;
    controller->onHaveCheckUpgradeFirmwareNUC();
    EXPECT_TRUE(scheduled.isEmpty());
}

TEST_F(Controller, UserCheckOpensAtOnceWithCopiesInPathOrder)
{
    QSignalSpy open(controller.get(), &FirmwareUpgradeController::sigOpenUpdateDialog);
    ASSERT_TRUE(controller->checkFirmwareUpgrades(true));
    EXPECT_EQ(open.size(), 1);
    EXPECT_TRUE(scheduled.isEmpty());
    EXPECT_EQ(controller->userInitiated(), 1);

    const QList<hidStructInfoAll> list = controller->upgradeableList();
    ASSERT_EQ(list.size(), 2);
    EXPECT_STREQ(list[0].hidPath, "/sim/a");
    EXPECT_STREQ(list[0].newFirmwareVersion, "V1.02.00");
    EXPECT_STREQ(list[1].hidPath, "/sim/b");
    EXPECT_STREQ(list[1].newFirmwareVersion, "V1.00.10");
    EXPECT_STREQ(records.value(QStringLiteral("/sim/b")).newFirmwareVersion, "") << "the page's records stay";
}

TEST_F(Controller, KeyboardsWithoutAnOpenLinkAreNotOffered)
{
    linked = QStringList{QStringLiteral("/sim/b")};
    ASSERT_TRUE(controller->checkFirmwareUpgrades(true));
    ASSERT_EQ(controller->upgradeableList().size(), 1);
    EXPECT_STREQ(controller->upgradeableList()[0].hidPath, "/sim/b");

    linked.clear();
    EXPECT_FALSE(controller->checkFirmwareUpgrades(true));
}

TEST_F(Controller, ACheckThatFindsNothingEmptiesTheListAndKeepsTheLastMode)
{
    QSignalSpy open(controller.get(), &FirmwareUpgradeController::sigOpenUpdateDialog);
    ASSERT_TRUE(controller->checkFirmwareUpgrades(true));
    for (auto it = records.begin(); it != records.end(); ++it)
        fixedtext::copy(it->firmwareVersion, "V9.00.00");
    EXPECT_FALSE(controller->checkFirmwareUpgrades(false));
    EXPECT_TRUE(controller->upgradeableList().isEmpty());
    EXPECT_EQ(controller->userInitiated(), 1);
    EXPECT_EQ(open.size(), 1);
    EXPECT_TRUE(scheduled.isEmpty());
}

TEST_F(Controller, ExaminingOneRecordKeepsTheNewVersionText)
{
    EXPECT_TRUE(controller->isNewerFirmwareAvailable(records.value(QStringLiteral("/sim/a"))));
    EXPECT_EQ(controller->newVersionText(), QStringLiteral("V1.02.00"));
    EXPECT_FALSE(controller->isNewerFirmwareAvailable(deviceRecord("TL104", 0, "V1.00.00")));
}

} // namespace
