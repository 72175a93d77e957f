// The download through the program's own keyboard link: its I/O thread writes the frames, its
// parser turns the 0x19 replies into the acknowledgement signal.
#include "ddevicekeyboardlink.h"
#include "donboarddownload.h"
#include "downloadframes.h"
#include "fixedtext.h"
#include "keyboardlinkdownloadport.h"
#include "linkfixture.h"
#include "mainhidinterface.h"
#include "memoryprofilesource.h"
#include "recordingstore.h"
#include "simdownloadhandlers.h"

#include <QSignalSpy>

using namespace std::chrono_literals;

namespace {

class DownloadOverKeyboardLink : public SimFixture
{
protected:
    void open(const char *model)
    {
        kb = addKeyboard(model);
        ASSERT_TRUE(kb);
        memory = m_backend->onboardMemory(*kb);
        ASSERT_TRUE(memory);
        link = std::make_unique<DDeviceKeyboardLink>();
        link->setProfileStore(&store);
        link->setProfileXmlPath(QStringLiteral("/p/appProfile_Default.xml"));
        link->openDevice(1, recordFor(*kb));
        ASSERT_TRUE(waitFor([&] { return link->isReady(); }));
        download = std::make_unique<DOnboardDownload>(&source);
        download->setTiming({100ms, 5ms});
        port = std::make_unique<KeyboardLinkDownloadPort>(link.get(), download.get());

        snapshot.profileDir = QStringLiteral("/profiles/keyboard");
        snapshot.magnetic = kb->model().magnetic;
        snapshot.keyCodes.fill(0, 132);
        for (int i = 0; i < 90; ++i)
            snapshot.keyCodes[i + i / 15 * 7] = 4 + i;
        source.macros["1"] = {makeEvent("key", 4, true, 0), makeEvent("key", 4, false, 40)};
        source.senior = {SeniorKeyInfoStu{}};
        source.senior[0].index = 2;
        source.senior[0].type = SeniorKeyTGL;
        fixedtext::copy(source.senior[0].K1, "5");
        source.layers["appProfile_Default.xml"].items[4] = makeItem(1, "1", 1, 2);
        source.layers["appProfile_Default.xml"].items[5] = makeItem(40, "2");
        source.layers["appProfile_FN.xml"].items[6] = makeItem(2, "5,4");
    }

    void TearDown() override
    {
        port.reset();
        download.reset();
        link.reset();
        SimFixture::TearDown();
    }

    std::pair<int, bool> runDownload()
    {
        QSignalSpy spy(download.get(), &DOnboardDownload::sigDownloadFinished);
        const auto c = QObject::connect(download.get(), &DOnboardDownload::sigDownloadFinished, [&] {
            framesAtVerdict = memory->keyLayerFramesReceived() + memory->macroFramesReceived() +
                              memory->advancedFramesReceived();
        });
        EXPECT_TRUE(download->start(port.get(), snapshot));
        if (spy.isEmpty())
            spy.wait(20000);
        QObject::disconnect(c);
        QTest::qWait(50);
        return {spy.count(), !spy.isEmpty() && spy.first().at(0).toBool()};
    }

    RecordingStore store;
    MemoryProfileSource source;
    std::shared_ptr<SimKeyboard> kb;
    std::shared_ptr<SimOnboardMemory> memory;
    std::unique_ptr<DDeviceKeyboardLink> link;
    std::unique_ptr<DOnboardDownload> download;
    std::unique_ptr<KeyboardLinkDownloadPort> port;
    DownloadSnapshot snapshot;
    int framesAtVerdict = -1; // frames the keyboard held when the verdict came
};

TEST_F(DownloadOverKeyboardLink, WritesTheProfileIntoTheKeyboard)
{
    open("TL68HE");
    const auto [signalCount, ok] = runDownload();
    EXPECT_EQ(signalCount, 1);
    EXPECT_TRUE(ok);
    // Success is told only once the keyboard holds every frame, the last blank records included.
    EXPECT_EQ(framesAtVerdict, 20 + 50 + 40);
    EXPECT_EQ(memory->advancedFramesReceived(), 40);
    EXPECT_EQ(memory->macroFramesReceived(), 50);
    EXPECT_EQ(memory->keyLayerFramesReceived(), 20);

    const QVector<SimKeyAction> layer0 = memory->decodeLayer(0);
    ASSERT_EQ(layer0.size(), 132);
    EXPECT_EQ(layer0[0].entry, (std::array<uint8_t, 4>{0x10, 4, 0, 0}));
    ASSERT_TRUE(layer0[0].hasMacro);
    EXPECT_EQ(layer0[0].repeat, 2);
    EXPECT_EQ(layer0[0].events, (QVector<SimMacroEvent>{{4, 0x10, 40}, {4, 0x00, 0}}));
    EXPECT_EQ(layer0[1].entry, (std::array<uint8_t, 4>{0x17, 0, 0, 0}));
    ASSERT_TRUE(layer0[1].hasAdvanced);
    EXPECT_EQ(layer0[1].advanced[0], SeniorKeyTGL);
    EXPECT_EQ(layer0[1].advanced[2], 5);
    const QVector<SimKeyAction> layer2 = memory->decodeLayer(2);
    ASSERT_EQ(layer2.size(), 132);
    EXPECT_EQ(layer2[2].entry, (std::array<uint8_t, 4>{0x13, 0xe0, 0xe2, 0x04}));
    EXPECT_EQ(layer2[3].entry, (std::array<uint8_t, 4>{0x00, 7, 0, 0}));
}

TEST_F(DownloadOverKeyboardLink, KeyboardThatNeverAcknowledgesFailsAfterTwoAttempts)
{
    open("TL87");
    memory->setNeverAcknowledge(true);
    const auto [signalCount, ok] = runDownload();
    EXPECT_EQ(signalCount, 1);
    EXPECT_FALSE(ok);
    EXPECT_EQ(download->attemptsMade(), 2);
    EXPECT_EQ(memory->macroFramesReceived(), 8);
}

// The blank records at the end are written without any answer from the keyboard; a keyboard
// that refuses them has not taken the profile.
TEST_F(DownloadOverKeyboardLink, KeyboardRefusingTheLastFramesFails)
{
    open("TL68HE");
    QTimer refuser;
    QObject::connect(&refuser, &QTimer::timeout, [&] {
        if (memory->macroFramesReceived() >= 50)
            kb->setRefuseWrites(true);
    });
    refuser.start(1);
    const auto [signalCount, ok] = runDownload();
    EXPECT_EQ(signalCount, 1);
    EXPECT_FALSE(ok);
    EXPECT_EQ(download->attemptsMade(), 2);
    EXPECT_LT(memory->advancedFramesReceived(), 40);
}

TEST_F(DownloadOverKeyboardLink, LinkClosedMidwayFails)
{
    open("TL87");
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (memory->macroFramesReceived() >= 5)
            link->hidInterface()->closeDevice();
    });
    closer.start(1);
    const auto [signalCount, ok] = runDownload();
    EXPECT_EQ(signalCount, 1);
    EXPECT_FALSE(ok);
    EXPECT_EQ(download->attemptsMade(), 1);
    EXPECT_TRUE(store.calls.filter(QStringLiteral("modify")).isEmpty());
}

} // namespace
