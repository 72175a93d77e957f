// The boot-loader upload: what the simulated boot loader accepts and refuses, and how the SDK's
// upload treats images it must not send.
#include "bootloaderprotocol.h"
#include "simbootloader.h"
#include "simfixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

class BootLoader : public SimulatedDevices
{
protected:
    // Switches a keyboard into its boot loader and opens it.
    int openBootLoader(const std::shared_ptr<SimKeyboard> &kb)
    {
        sim->bootLoader(*kb)->setDelays(SimBootLoader::Ms(0), SimBootLoader::Ms(0));
        const int keyboard = CQuelmoHid_OpenPath(kb->path().constData());
        HidReport r{};
        r[0] = 0x01;
        r[1] = hidproto::out::EnterBootLoader;
        EXPECT_GT(writeReport(keyboard, r, kb->path()), 0);
        CQuelmoHid_Close(keyboard);
        QStringList paths;
        QElapsedTimer clock;
        clock.start();
        while (paths.isEmpty() && clock.elapsed() < 2000) {
            QThread::msleep(5);
            CQuelmoHid_GetBootLoaderPaths(&paths);
        }
        EXPECT_EQ(paths.size(), 1);
        return paths.isEmpty() ? 0 : CQuelmoHid_OpenPath(paths.first().toLatin1().constData());
    }

    // One report and its answer's status, or -1 when none came.
    static int exchange(int handle, const HidReport &report)
    {
        if (writeReport(handle, report, QByteArray()) < 0)
            return -1;
        if (CQuelmoHid_WaitForInput(handle, 1000) <= 0)
            return -1;
        unsigned char in[64] = {};
        if (CQuelmoHid_HidReadBuff(handle, in) <= 0 || in[0] != (bootloader::AnswerBit | report[0]))
            return -1;
        return in[1];
    }

    QString writeImage(const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("image.bin"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(BootLoader, RefusesReportsOutOfOrderAndAWrongChecksum)
{
    auto kb = add(QStringLiteral("TL87"));
    const int handle = openBootLoader(kb);
    ASSERT_NE(handle, 0);
    const QByteArray image(100, 'x');
    struct Step
    {
        const char *name;
        HidReport report;
        int status;
    } steps[] = {
        {"data before start", bootloader::dataReport(0, image.constData(), 56), bootloader::BadOffset},
        {"empty image", bootloader::startReport(0, 0), bootloader::TooLarge},
        {"start", bootloader::startReport(100, 1), bootloader::Accepted},
        {"gap", bootloader::dataReport(56, image.constData(), 44), bootloader::BadOffset},
        {"first chunk", bootloader::dataReport(0, image.constData(), 56), bootloader::Accepted},
        {"past the end", bootloader::dataReport(56, image.constData(), 56), bootloader::BadOffset},
        {"early end", bootloader::endReport(bootloader::crc32(image)), bootloader::BadChecksum},
        {"last chunk", bootloader::dataReport(56, image.constData() + 56, 44), bootloader::Accepted},
        {"wrong checksum", bootloader::endReport(bootloader::crc32(image) ^ 1), bootloader::BadChecksum},
        {"end", bootloader::endReport(bootloader::crc32(image)), bootloader::Accepted},
    };
    for (const Step &s : steps)
        EXPECT_EQ(exchange(handle, s.report), s.status) << s.name;
    EXPECT_EQ(sim->bootLoader(*kb)->receivedImage(), image);
    EXPECT_EQ(sim->bootLoader(*kb)->receivedFlag(), 1);
    CQuelmoHid_Close(handle);
}

TEST_F(BootLoader, UploadRefusesImagesItMustNotSendBeforeTalkingToTheDevice)
{
    auto kb = add(QStringLiteral("TL87"));
    const int handle = openBootLoader(kb);
    ASSERT_NE(handle, 0);
    const QString small = writeImage(QByteArray(200, 'a'));
    const QString missing = dir.filePath(QStringLiteral("nothing.bin"));
    struct Case
    {
        const char *name;
        QString path;
        int maxBytes;
        int offset;
    } cases[] = {{"missing file", missing, 1000, 0},
                 {"larger than allowed", small, 199, 0},
                 {"offset past the end", small, 1000, 200},
                 {"negative offset", small, 1000, -1}};
    for (const Case &c : cases) {
        EXPECT_EQ(CQuelmoHid_FirmwareUpgrade(handle, c.path.toLocal8Bit().constData(), c.maxBytes, c.offset,
                                             0, nullptr),
                  FirmwareUpgradeBadImage)
            << c.name;
    }
    EXPECT_EQ(sim->bootLoader(*kb)->startCount(), 0);

    // An offset sends the rest of the image.
    EXPECT_EQ(CQuelmoHid_FirmwareUpgrade(handle, small.toLocal8Bit().constData(), 1000, 150, 0, nullptr),
              FirmwareUpgradeOk);
    EXPECT_EQ(sim->bootLoader(*kb)->receivedImage(), QByteArray(50, 'a'));
    CQuelmoHid_Close(handle);
}

TEST_F(BootLoader, AnUnansweredReportTimesOutAndADroppedDeviceEndsTheUpload)
{
    using Ms = SimBootLoader::Ms;
    struct Case
    {
        const char *name;
        SimBootLoader::Faults faults;
        int result;
    } cases[] = {
        {"stall",
         [] {
             SimBootLoader::Faults f;
             f.stallAtChunk = 1;
             return f;
         }(),
         FirmwareUpgradeTimedOut},
        {"refusal",
         [] {
             SimBootLoader::Faults f;
             f.refuseAtChunk = 1;
             return f;
         }(),
         FirmwareUpgradeRefused},
        {"drop",
         [] {
             SimBootLoader::Faults f;
             f.dropAtChunk = 1;
             f.comeBackAfterDrop = Ms(-1);
             return f;
         }(),
         FirmwareUpgradeWriteFailed},
    };
    const QString image = writeImage(QByteArray(300, 'b'));
    for (const Case &c : cases) {
        auto kb = add(QStringLiteral("TL87"));
        const int handle = openBootLoader(kb);
        ASSERT_NE(handle, 0);
        sim->bootLoader(*kb)->setFaults(c.faults);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(CQuelmoHid_FirmwareUpgrade(handle, image.toLocal8Bit().constData(), 1000, 0, 0, nullptr),
                  c.result)
            << c.name;
        EXPECT_LT(clock.elapsed(), bootloader::kAnswerTimeoutMs + 500) << c.name;
        CQuelmoHid_Close(handle);
        kb->unplug();
    }
}

} // namespace
