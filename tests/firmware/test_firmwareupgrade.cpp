// Firmware writes end to end against the simulated keyboard and its boot loader: the switch report,
// the boot loader's arrival, the upload, retries after faults, and what is left alone.
#include "firmwareupgradebackend.h"
#include "imagefolder.h"
#include "simbootloader.h"
#include "simfixture.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QByteArray kInfo = "TLC68,01,K,TLMN,TL68HE,V1.00.10";

QString versionIn(const QByteArray &image)
{
    const QList<QByteArray> f =
        firmwareimage::infoFields(image, *firmwareimage::layout(ImageFamily::BinLayoutA));
    return QString::fromLatin1(f[firmwareimage::Version]);
}

class Upgrade : public SimulatedDevices
{
protected:
    void SetUp() override
    {
        SimulatedDevices::SetUp();
        image = ImageFolder::binImage(ImageFamily::BinLayoutA, kInfo);
        dongleImage = ImageFolder::binImage(ImageFamily::BinLayoutA, kInfo, 0x20010);
        images.add(QStringLiteral("TL68HE"), ImageFamily::BinLayoutA, QStringLiteral("TL68HE.bin"), image);
        images.add(QStringLiteral("TL68HE"), ImageFamily::BinLayoutA, QStringLiteral("TL68HE_Dongle.bin"),
                   dongleImage);
        backend = std::make_unique<FirmwareUpgradeBackend>(images.check());
        FirmwareUpgradeBackend::Timing timing;
        timing.bootLoaderTimeoutMs = 2500;
        timing.retryDelayMs = 200;
        backend->setTiming(timing);
        sim->setImageVersionReader(versionIn);
        // Boot-loader arrivals reach the back end as the hot-plug monitor would deliver them.
        QPointer<FirmwareUpgradeBackend> target(backend.get());
        sim->setPlugObserver([target, this](const QByteArray &path, uint16_t vid, uint16_t pid,
                                            bool plugged) {
            if (!plugged || vid != SimBootLoader::kDefaultVendorId || pid != SimBootLoader::kDefaultProductId)
                return;
            ++arrivals;
            QMetaObject::invokeMethod(
                qApp,
                [target, path] {
                    if (target)
                        target->ontheHidIntoFirmwareUpgrade(QString::fromLatin1(path));
                },
                Qt::QueuedConnection);
        });
    }

    void TearDown() override
    {
        sim->setPlugObserver(nullptr);
        backend.reset();
        SimulatedDevices::TearDown();
    }

    // What a row does: the switch report to the keyboard, then the request.
    void request(const std::shared_ptr<SimKeyboard> &kb, int linkType = 0)
    {
        const int handle = CQuelmoHid_OpenPath(kb->path().constData());
        ASSERT_NE(handle, 0);
        HidReport r{};
        r[0] = 0x01;
        r[1] = hidproto::out::EnterBootLoader;
        ASSERT_GT(writeReport(handle, r, kb->path()), 0);
        CQuelmoHid_Close(handle);
        backend->onStartHidUpgrade(QString::fromLatin1(kb->path()), QStringLiteral("SN1"),
                                   QStringLiteral("TL68HE"), linkType);
    }

    static bool backAsKeyboard(const std::shared_ptr<SimKeyboard> &kb, const QString &version)
    {
        return QTest::qWaitFor(
            [&] { return kb->isPlugged() && !kb->inBootLoader() && kb->firmwareVersion() == version; }, 3000);
    }

    ImageFolder images;
    QByteArray image;
    QByteArray dongleImage;
    std::unique_ptr<FirmwareUpgradeBackend> backend;
    std::atomic<int> arrivals{0};
};

TEST_F(Upgrade, WritesTheRequestedImageAndTheKeyboardComesBackWithTheNewVersion)
{
    struct Case
    {
        LinkType link;
        const char *version;
        bool dongle;
        int flag;
    } cases[] = {{LinkType::Cable, "V1.00.00", false, 0}, {LinkType::Receiver, "V1.00.00", true, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.flag);
        auto kb = add(QStringLiteral("TL68HE"), c.link);
        std::shared_ptr<SimBootLoader> boot = sim->bootLoader(*kb);
        ASSERT_TRUE(boot);
        QSignalSpy progress(backend.get(), &FirmwareUpgradeBackend::sigUpgradeProgress);
        QSignalSpy ok(backend.get(), &FirmwareUpgradeBackend::sigUpgradeSucceeded);
        QSignalSpy failed(backend.get(), &FirmwareUpgradeBackend::sigUpgradeFailed);
        request(kb, c.link == LinkType::Cable ? 0 : 1);
        EXPECT_TRUE(backend->isBusy());
        ASSERT_TRUE(QTest::qWaitFor([&] { return ok.size() + failed.size() > 0; }, 6000));
        ASSERT_EQ(ok.size(), 1) << (failed.isEmpty() ? "" : failed.first().first().toString().toStdString());
        EXPECT_FALSE(backend->isBusy());
        EXPECT_EQ(boot->switchCount(), 1);
        EXPECT_EQ(boot->startCount(), 1);
        EXPECT_EQ(boot->receivedImage(), c.dongle ? dongleImage : image);
        EXPECT_EQ(boot->receivedFlag(), c.flag);

        // Progress rises strictly and ends with the whole image.
        ASSERT_FALSE(progress.isEmpty());
        int last = -1;
        for (const QList<QVariant> &p : progress) {
            const int done = p.at(1).toInt();
            EXPECT_GT(done, last);
            last = done;
        }
        EXPECT_EQ(progress.last().at(1).toInt(), progress.last().at(0).toInt());

        // The keyboard is back with the image's version, and the check offers it nothing more.
        ASSERT_TRUE(backAsKeyboard(kb, QStringLiteral("V1.00.10")));
        QByteArray newer;
        EXPECT_TRUE(
            images.check().isNewerFirmwareAvailable(deviceRecord("TL68HE", int(c.flag), c.version), &newer));
        EXPECT_FALSE(images.check().isNewerFirmwareAvailable(
            deviceRecord("TL68HE", c.flag, kb->firmwareVersion().toLatin1().constData()), &newer));
    }
}

TEST_F(Upgrade, RecoversFromFaultsByWritingAgainAndGivesUpAfterThreeRetries)
{
    using Ms = SimBootLoader::Ms;
    struct Case
    {
        const char *name;
        SimBootLoader::Faults faults;
        bool succeeds;
        int attempts;
    };
    auto faults = [](auto change) {
        SimBootLoader::Faults f;
        change(f);
        return f;
    };
    const Case cases[] = {
        {"drops off mid-transfer and comes back", faults([](auto &f) { f.dropAtChunk = 300; }), true, 2},
        {"refuses one chunk", faults([](auto &f) { f.refuseAtChunk = 7; }), true, 2},
        {"leaves one chunk unanswered", faults([](auto &f) { f.stallAtChunk = 3; }), true, 2},
        {"refuses the first two starts", faults([](auto &f) { f.failFirstAttempts = 2; }), true, 3},
        {"refuses every start", faults([](auto &f) { f.failFirstAttempts = 100; }), false, 4},
        {"drops off and never comes back", faults([](auto &f) {
             f.dropAtChunk = 10;
             f.comeBackAfterDrop = Ms(-1);
         }),
         false, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto kb = add(QStringLiteral("TL68HE"));
        std::shared_ptr<SimBootLoader> boot = sim->bootLoader(*kb);
        boot->setFaults(c.faults);
        QSignalSpy ok(backend.get(), &FirmwareUpgradeBackend::sigUpgradeSucceeded);
        QSignalSpy failed(backend.get(), &FirmwareUpgradeBackend::sigUpgradeFailed);
        request(kb);
        ASSERT_TRUE(QTest::qWaitFor([&] { return ok.size() + failed.size() > 0; }, 15000));
        QTest::qWait(50);
        EXPECT_EQ(ok.size(), c.succeeds ? 1 : 0);
        EXPECT_EQ(failed.size(), c.succeeds ? 0 : 1);
        EXPECT_EQ(backend->attemptCount(), c.attempts);
        EXPECT_LE(backend->attemptCount(), 1 + FirmwareUpgradeBackend::kMaxRetries);
        if (c.succeeds) {
            EXPECT_EQ(boot->receivedImage(), image);
            EXPECT_TRUE(backAsKeyboard(kb, QStringLiteral("V1.00.10")));
        } else {
            EXPECT_TRUE(boot->receivedImage().isEmpty());
        }
        kb->unplug();
    }
}

TEST_F(Upgrade, ABootLoaderThatNeverAppearsFailsAfterTheTimeOut)
{
    auto kb = add(QStringLiteral("TL68HE"));
    std::shared_ptr<SimBootLoader> boot = sim->bootLoader(*kb);
    boot->setDelays(SimBootLoader::Ms(100), SimBootLoader::Ms(-1));
    QSignalSpy failed(backend.get(), &FirmwareUpgradeBackend::sigUpgradeFailed);
    QElapsedTimer clock;
    clock.start();
    request(kb);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !failed.isEmpty(); }, 6000)) << "the request must not hang";
    EXPECT_GE(clock.elapsed(), 2400);
    EXPECT_FALSE(backend->isBusy());
    EXPECT_EQ(backend->attemptCount(), 0);
    EXPECT_FALSE(kb->isPlugged());
}

TEST_F(Upgrade, BootLoadersNobodyAskedForAreLeftAlone)
{
    auto kb = add(QStringLiteral("TL68HE"));
    std::shared_ptr<SimBootLoader> boot = sim->bootLoader(*kb);
    QSignalSpy ok(backend.get(), &FirmwareUpgradeBackend::sigUpgradeSucceeded);
    QSignalSpy failed(backend.get(), &FirmwareUpgradeBackend::sigUpgradeFailed);

    // Before any request.
    boot->appearUnrequested();
    ASSERT_TRUE(QTest::qWaitFor([&] { return arrivals == 1; }, 2000));
    QTest::qWait(300);
    EXPECT_EQ(boot->startCount(), 0);
    EXPECT_EQ(ok.size() + failed.size(), 0);

    // After an update finished: a second keyboard's boot loader shows up and is not written to.
    auto other = add(QStringLiteral("TL68HE"));
    request(other);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ok.size() == 1; }, 6000));
    const int before = arrivals;
    sim->bootLoader(*kb)->appearUnrequested();
    ASSERT_TRUE(QTest::qWaitFor([&] { return arrivals > before; }, 2000));
    QTest::qWait(300);
    EXPECT_EQ(boot->startCount(), 0);
    EXPECT_EQ(ok.size(), 1);
    EXPECT_EQ(failed.size(), 0);
}

TEST_F(Upgrade, RequestsThatCannotBeWrittenFailAtOnce)
{
    // A table image naming another model, an image whose bytes no longer match the table, a model
    // without images, and a second request while one is pending.
    images.add(QStringLiteral("TL87"), ImageFamily::BinLayoutB, QStringLiteral("TL87.bin"),
               ImageFolder::binImage(ImageFamily::BinLayoutB, "TLC87,01,K,TLMN,TL104,V1.00.10"));
    images.add(QStringLiteral("TL104"), ImageFamily::BinLayoutA, QStringLiteral("TL104.bin"),
               ImageFolder::binImage(ImageFamily::BinLayoutA, "TLC,01,K,TLMN,TL104,V1.00.10"),
               QByteArray("x"));
    FirmwareUpgradeBackend other(images.check());
    QSignalSpy failed(&other, &FirmwareUpgradeBackend::sigUpgradeFailed);
    for (const char *model : {"TL87", "TL104", "NOPE"}) {
        other.onStartHidUpgrade(QString(), QString(), QString::fromLatin1(model), 0);
        EXPECT_FALSE(other.isBusy()) << model;
    }
    EXPECT_EQ(failed.size(), 3);

    other.onStartHidUpgrade(QString(), QString(), QStringLiteral("TL68HE"), 0);
    EXPECT_TRUE(other.isBusy());
    other.onStartHidUpgrade(QString(), QString(), QStringLiteral("TL68HE"), 1);
    EXPECT_EQ(failed.size(), 4);
    EXPECT_TRUE(other.isBusy()) << "the pending request goes on";
}

} // namespace
