#include "donboarddownload.h"
#include "downloadframes.h"
#include "memoryprofilesource.h"
#include "simdownloadhandlers.h"
#include "simdownloadlink.h"
#include "simfixture.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace downloadframes;
using namespace std::chrono_literals;

namespace {

// The view's 132 positions, row by row: five rows of fifteen letter-range keys, then a short row
// with Fn, Calculator, a code above 255, Mute and the modifiers; the rest empty.
QVector<int> keyCodes()
{
    QVector<int> codes(132, 0);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 15; ++c)
            codes[r * 22 + c] = 4 + r * 15 + c;
    const int lastRow[] = {-10, 215, 800, 127, 224, 225, 226, 227};
    for (int c = 0; c < 8; ++c)
        codes[5 * 22 + c] = lastRow[c];
    return codes;
}

QList<MacroEventRecord> macroOf(int events)
{
    QList<MacroEventRecord> list;
    for (int i = 0; i < events; ++i)
        list.append(makeEvent("key", 4 + i % 26, i % 2 == 0, i == 0 ? 0 : 20 + i));
    return list;
}

SeniorKeyInfoStu record(int index, int type)
{
    SeniorKeyInfoStu r{};
    r.index = index;
    r.type = type;
    fixedtext::copy(r.K1, "4");
    fixedtext::copy(r.K2, "2,5");
    fixedtext::copy(r.K3, "6");
    fixedtext::copy(r.K4, "7");
    for (int i = 0; i < 4; ++i)
        r.stroke[i] = 5 + 5 * i;
    for (int i = 0; i < 16; ++i)
        r.grid[i] = i % 3;
    r.ValueTime = 200;
    return r;
}

// What the keyboard should hold for one macro: each event with the delay of the one after it.
QVector<SimMacroEvent> expectedEvents(const QList<MacroEventRecord> &events)
{
    QVector<SimMacroEvent> out;
    for (int i = 0; i < events.size(); ++i) {
        const MacroEventRecord &e = events[i];
        const bool mouse = QByteArray(e.type).contains("mouse");
        const int code = QByteArray(e.keyCode).toInt();
        SimMacroEvent m;
        m.code = mouse ? (code == 513 || code == 514   ? 1
                          : code == 516 || code == 517 ? 2
                                                       : 4)
                       : uint8_t(code);
        m.flags = uint8_t((QByteArray(e.operateExplain) == "down" ? 0x10 : 0) | (mouse ? 1 : 0));
        m.delay = i + 1 < events.size() ? QByteArray(events[i + 1].delay).toInt() : 0;
        out.append(m);
    }
    return out;
}

class OnboardDownload : public SimulatedDevices
{
protected:
    void open(const char *model)
    {
        kb = add(QString::fromLatin1(model));
        ASSERT_TRUE(kb);
        memory = sim->onboardMemory(*kb);
        ASSERT_TRUE(memory);
        link = std::make_unique<SimDownloadLink>(kb->path());
        ASSERT_TRUE(link->isOpen());
        download = std::make_unique<DOnboardDownload>(&source);
        download->setTiming({60ms, 5ms});
        QObject::connect(link.get(), &SimDownloadLink::sigAck, download.get(),
                         &DOnboardDownload::onRuningOnboard0x19Cmd, Qt::QueuedConnection);
        snapshot.keyCodes = keyCodes();
        snapshot.profileDir = QStringLiteral("/profiles/keyboard");
        snapshot.seniorKeyXmlPath = "/profiles/SeniorKeys.xml";
        snapshot.magnetic = kb->model().magnetic;
    }

    void TearDown() override
    {
        download.reset();
        link.reset();
        SimulatedDevices::TearDown();
    }

    struct Verdict
    {
        bool started = false;
        int signalCount = 0;
        bool ok = false;
        QString message;
    };

    // Starts the download and waits for its verdict, then a little longer to catch a second one.
    Verdict runDownload(const std::function<void()> &whileRunning = {})
    {
        QSignalSpy spy(download.get(), &DOnboardDownload::sigDownloadFinished);
        Verdict v;
        v.started = download->start(link.get(), snapshot);
        if (whileRunning)
            whileRunning();
        if (spy.isEmpty())
            spy.wait(20000);
        QTest::qWait(40);
        v.signalCount = spy.count();
        if (!spy.isEmpty()) {
            v.ok = spy.first().at(0).toBool();
            v.message = spy.first().at(1).toString();
        }
        return v;
    }

    KeyOperateInfo itemFor(const QByteArray &file, int code) const
    {
        KeyOperateInfo none;
        resetKeyOperateInfo(none);
        return source.layers.value(file).items.value(code, none);
    }

    // The onboard memory, decoded, against the profile: key by key on both layers.
    void expectMemoryEqualsProfile()
    {
        const QByteArray files[2] = {"appProfile_Default.xml", "appProfile_FN.xml"};
        for (int layer = 0; layer < 2; ++layer) {
            const QVector<SimKeyAction> actions = memory->decodeLayer(kLayerCodes[layer]);
            ASSERT_EQ(actions.size(), snapshot.keyCodes.size()) << layer;
            for (int i = 0; i < actions.size(); ++i) {
                const int code = snapshot.keyCodes[i];
                const KeyOperateInfo item = itemFor(files[layer], code);
                const SimKeyAction &a = actions[i];
                const QString where = QStringLiteral("layer %1 key %2 code %3").arg(layer).arg(i).arg(code);
                switch (code == 0 ? KeyNeed::Nothing : keyNeed(code, item, snapshot.magnetic)) {
                case KeyNeed::MacroSlot:
                    EXPECT_EQ(a.entry[0], 0x10) << qPrintable(where);
                    EXPECT_EQ(a.entry[1], code >= 255 ? 0xff : uint8_t(code)) << qPrintable(where);
                    ASSERT_TRUE(a.hasMacro) << qPrintable(where);
                    EXPECT_EQ(a.playMode, QByteArray(item.playMode).toInt()) << qPrintable(where);
                    EXPECT_EQ(a.repeat, QByteArray(item.repeat).toInt()) << qPrintable(where);
                    EXPECT_EQ(a.events, expectedEvents(source.macros.value(item.value))) << qPrintable(where);
                    break;
                case KeyNeed::AdvancedKey: {
                    EXPECT_EQ(a.entry[0], 0x17) << qPrintable(where);
                    ASSERT_TRUE(a.hasAdvanced) << qPrintable(where);
                    const int index = QByteArray(item.value).toInt();
                    const auto found =
                        std::find_if(source.senior.begin(), source.senior.end(),
                                     [&](const SeniorKeyInfoStu &r) { return r.index == index; });
                    const HidReport frame =
                        advancedKeyFrame(a.entry[1], found == source.senior.end() ? nullptr : &*found);
                    EXPECT_TRUE(std::equal(a.advanced.begin(), a.advanced.end(), frame.begin() + 6))
                        << qPrintable(where);
                    break;
                }
                case KeyNeed::Nothing:
                    EXPECT_EQ(a.entry, keyEntry(code, item, 0, snapshot.magnetic)) << qPrintable(where);
                    break;
                }
            }
        }
    }

    // The download frames the keyboard received, as "L<layer>.<packet>", "M<slot>.<sub>", "A<index>".
    QStringList wire() const
    {
        QStringList out;
        for (const HidReport &r : kb->received()) {
            if (r[1] == 0x17)
                out << QStringLiteral("L%1.%2").arg(r[2]).arg(r[4]);
            else if (r[1] == 0x18)
                out << QStringLiteral("M%1.%2").arg(r[2]).arg(r[4]);
            else if (r[1] == 0x2a)
                out << QStringLiteral("A%1").arg(r[2]);
        }
        return out;
    }

    void plainProfile()
    {
        auto &d = source.layers["appProfile_Default.xml"].items;
        d[4] = makeItem(0, "5");
        d[5] = makeItem(2, "5,4");
        d[6] = makeItem(3, "12");
        d[7] = makeItem(4, "4");
        d[8] = makeItem(6, "hello");
        d[9] = makeItem(40, "0"); // an advanced key on a keyboard without the store for it
        d[10] = makeItem(19, "300", 3);
        d[800] = makeItem(0, "401");
        auto &fn = source.layers["appProfile_FN.xml"].items;
        source.layers["appProfile_FN.xml"].index = 3;
        fn[4] = makeItem(21, "1");
        fn[11] = makeItem(5, "0");
        fn[-10] = makeItem(34, "1", 1);
    }

    void magneticProfile()
    {
        source.macros["1"] = {makeEvent("key", 4, true, 0), makeEvent("mouse", 513, true, 300),
                              makeEvent("mouse", 514, false, 15), makeEvent("key", 4, false, 70)};
        source.macros["2"] = macroOf(kMacroMaxEvents);
        source.senior = {record(7, SeniorKeyDKS), record(8, SeniorKeyMT)};
        auto &d = source.layers["appProfile_Default.xml"].items;
        d[4] = makeItem(1, "1", 2, 3);
        d[5] = makeItem(1, "2", 1, 1);
        d[6] = makeItem(40, "7");
        d[7] = makeItem(40, "8");
        d[-10] = makeItem(0, "6");
        d[20] = makeItem(9, "5");
        auto &fn = source.layers["appProfile_FN.xml"].items;
        fn[4] = makeItem(1, "1", 4, 9);
        fn[8] = makeItem(40, "9"); // its record was deleted
        fn[30] = makeItem(26, "1", 0);
    }

    MemoryProfileSource source;
    std::shared_ptr<SimKeyboard> kb;
    std::shared_ptr<SimOnboardMemory> memory;
    std::unique_ptr<SimDownloadLink> link;
    std::unique_ptr<DOnboardDownload> download;
    DownloadSnapshot snapshot;
};

TEST_F(OnboardDownload, ProfileWithoutMacrosOnAPlainKeyboard)
{
    open("TL87");
    plainProfile();
    const Verdict v = runDownload();
    EXPECT_TRUE(v.started);
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_TRUE(v.ok);
    EXPECT_EQ(v.message, "Download config successful");
    EXPECT_EQ(download->attemptsMade(), 1);

    // Both layers, then the ten blank slots under stop-and-wait; no advanced keys at all.
    QStringList expected;
    for (int layer : {0, 2})
        for (int p = 0; p < 10; ++p)
            expected << QStringLiteral("L%1.%2").arg(layer).arg(p);
    for (int slot = 0; slot < 10; ++slot)
        for (int sub = 0; sub < 5; ++sub)
            expected << QStringLiteral("M%1.%2").arg(slot).arg(sub);
    EXPECT_EQ(wire(), expected);
    EXPECT_EQ(memory->acksSent(), 50);
    EXPECT_EQ(source.seniorReads, 0);
    expectMemoryEqualsProfile();
}

TEST_F(OnboardDownload, MacrosAndAdvancedKeysOnAMagneticKeyboard)
{
    open("TL68HE");
    magneticProfile();
    const Verdict v = runDownload();
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_TRUE(v.ok);
    EXPECT_EQ(source.seniorReads, 1);

    // A key's macro and advanced frames go before the key-layer frame that carries it; slots and
    // store indexes are given out in the order keys are met; blanks fill the rest at the end.
    QStringList expected;
    for (int slot : {0, 1})
        for (int sub = 0; sub < 5; ++sub)
            expected << QStringLiteral("M%1.%2").arg(slot).arg(sub);
    expected << "A0"
             << "A1";
    for (int p = 0; p < 10; ++p)
        expected << QStringLiteral("L0.%1").arg(p);
    for (int sub = 0; sub < 5; ++sub)
        expected << QStringLiteral("M2.%1").arg(sub);
    expected << "A2";
    for (int p = 0; p < 10; ++p)
        expected << QStringLiteral("L2.%1").arg(p);
    for (int slot = 3; slot < 10; ++slot)
        for (int sub = 0; sub < 5; ++sub)
            expected << QStringLiteral("M%1.%2").arg(slot).arg(sub);
    for (int index = 3; index < 40; ++index)
        expected << QStringLiteral("A%1").arg(index);
    EXPECT_EQ(wire(), expected);
    EXPECT_FALSE(memory->overflowSeen());
    expectMemoryEqualsProfile();

    // The key whose record is gone still names its store index, which holds a blank record.
    HidReport blank;
    ASSERT_TRUE(memory->advancedRecord(2, &blank));
    EXPECT_EQ(blank, advancedKeyFrame(2, nullptr));
}

struct AckCase
{
    const char *name;
    std::function<void(SimKeyboard &, SimOnboardMemory &)> setUp;
    bool ok;
    int attempts;
    int macroFrames; // 0x18 frames the keyboard received, re-sends included
};

class AcknowledgementScenarios : public OnboardDownload, public testing::WithParamInterface<AckCase>
{
};

TEST_P(AcknowledgementScenarios, GiveTheRightVerdict)
{
    const AckCase &c = GetParam();
    open("TL87");
    plainProfile();
    c.setUp(*kb, *memory);
    const Verdict v = runDownload();
    EXPECT_EQ(v.signalCount, 1) << c.name;
    EXPECT_EQ(v.ok, c.ok) << c.name;
    EXPECT_EQ(v.message, c.ok ? "Download config successful" : "Download config failed, Please try again")
        << c.name;
    EXPECT_EQ(download->attemptsMade(), c.attempts) << c.name;
    EXPECT_EQ(memory->macroFramesReceived(), c.macroFrames) << c.name;
    if (c.ok)
        expectMemoryEqualsProfile();
}

INSTANTIATE_TEST_SUITE_P(
    Download, AcknowledgementScenarios,
    testing::Values(
        // Each attempt: the first frame and its three re-sends, then the fourth time-out.
        AckCase{"never acknowledges", [](SimKeyboard &, SimOnboardMemory &m) { m.setNeverAcknowledge(true); },
                false, 2, 8},
        AckCase{"first acknowledgements dropped",
                [](SimKeyboard &, SimOnboardMemory &m) { m.setDropFirstAcks(3); }, true, 1, 53},
        AckCase{"one lost acknowledgement mid-way",
                [](SimKeyboard &, SimOnboardMemory &m) { m.dropAckNumber(20); }, true, 1, 51},
        AckCase{"last acknowledgement lost once",
                [](SimKeyboard &, SimOnboardMemory &m) { m.dropAckNumber(50); }, true, 1, 51},
        AckCase{"last frame never acknowledged",
                [](SimKeyboard &, SimOnboardMemory &m) { m.dropAcksForFrame(9, 4); }, false, 2, 2 * (50 + 3)},
        AckCase{"second attempt succeeds",
                [](SimKeyboard &, SimOnboardMemory &m) {
                    for (int n = 10; n <= 13; ++n)
                        m.dropAckNumber(n);
                },
                true, 2, 13 + 50},
        AckCase{"slow acknowledgements within the time-out",
                [](SimKeyboard &kb, SimOnboardMemory &) { kb.setReplyDelay(8ms); }, true, 1, 50},
        AckCase{"keyboard refuses every write",
                [](SimKeyboard &kb, SimOnboardMemory &) { kb.setRefuseWrites(true); }, false, 1, 0}),
    [](const testing::TestParamInfo<AckCase> &caseInfo) {
        std::string name = caseInfo.param.name;
        std::replace_if(
            name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); },
            '_');
        return name;
    });

TEST_F(OnboardDownload, KeyboardUnpluggedMidwayFailsOnceWithoutRetry)
{
    open("TL68HE");
    magneticProfile();
    QTimer unplugger;
    QObject::connect(&unplugger, &QTimer::timeout, [&] {
        if (memory->macroFramesReceived() >= 12)
            kb->unplug();
    });
    unplugger.start(1);
    const int readsBefore = source.reads;
    const Verdict v = runDownload();
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.message, "Download config failed, Please try again");
    EXPECT_EQ(download->attemptsMade(), 1);
    EXPECT_FALSE(download->isRunning());
    EXPECT_GT(source.reads, readsBefore);
}

TEST_F(OnboardDownload, SecondStartWhileRunningIsIgnored)
{
    open("TL87");
    plainProfile();
    QSignalSpy running(download.get(), &DOnboardDownload::sigRunningChanged);
    bool secondStarted = true;
    const Verdict v = runDownload([&] {
        EXPECT_TRUE(download->isRunning());
        secondStarted = download->start(link.get(), snapshot);
    });
    EXPECT_TRUE(v.started);
    EXPECT_FALSE(secondStarted);
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_TRUE(v.ok);
    EXPECT_EQ(kb->receivedCount(0x17), 20);
    EXPECT_EQ(kb->receivedCount(0x18), 50);
    ASSERT_EQ(running.count(), 2);
    EXPECT_TRUE(running.at(0).at(0).toBool());
    EXPECT_FALSE(running.at(1).at(0).toBool());
}

TEST_F(OnboardDownload, AbortEndsWithTheFailureText)
{
    open("TL87");
    plainProfile();
    const Verdict v = runDownload([&] { download->abort(); });
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_FALSE(v.ok);
    EXPECT_FALSE(download->isRunning());
}

struct RefusalCase
{
    const char *name;
    std::function<void(MemoryProfileSource &)> setUp;
    const char *message; // empty: the plain failure text, both attempts made
};

class RefusedDownloads : public OnboardDownload, public testing::WithParamInterface<RefusalCase>
{
};

// Nothing is written when the profile cannot be carried whole.
TEST_P(RefusedDownloads, SendNothing)
{
    const RefusalCase &c = GetParam();
    open("TL68HE");
    c.setUp(source);
    const Verdict v = runDownload();
    EXPECT_EQ(v.signalCount, 1) << c.name;
    EXPECT_FALSE(v.ok) << c.name;
    EXPECT_EQ(v.message, *c.message ? QString::fromLatin1(c.message) : DOnboardDownload::failureText())
        << c.name;
    EXPECT_EQ(kb->receivedCount(0x17) + kb->receivedCount(0x18) + kb->receivedCount(0x2a), 0) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Download, RefusedDownloads,
    testing::Values(RefusalCase{"eleven macro keys",
                                [](MemoryProfileSource &s) {
                                    s.macros["1"] = macroOf(2);
                                    for (int code = 4; code < 10; ++code)
                                        s.layers["appProfile_Default.xml"].items[code] = makeItem(1, "1");
                                    for (int code = 4; code < 9; ++code)
                                        s.layers["appProfile_FN.xml"].items[code] = makeItem(1, "1");
                                },
                                "Too many macro keys (at most 10)"},
                    RefusalCase{"forty-one advanced keys",
                                [](MemoryProfileSource &s) {
                                    for (int code = 4; code < 45; ++code)
                                        s.layers["appProfile_FN.xml"].items[code] = makeItem(40, "1");
                                },
                                "Too many advanced keys (at most 40)"},
                    RefusalCase{"macro longer than one slot",
                                [](MemoryProfileSource &s) {
                                    s.macros["3"] = macroOf(kMacroMaxEvents + 1);
                                    s.layers["appProfile_FN.xml"].items[60] = makeItem(1, "3");
                                },
                                "A macro has more than 62 events"},
                    RefusalCase{"unreadable advanced-key file",
                                [](MemoryProfileSource &s) {
                                    s.senior = {record(7, SeniorKeyDKS)};
                                    s.layers["appProfile_FN.xml"].items[6] = makeItem(40, "7");
                                    s.unreadable.insert("SeniorKeys.xml");
                                },
                                "Cannot read /profiles/SeniorKeys.xml: nothing was written to the keyboard"},
                    RefusalCase{
                        "unreadable macro copy",
                        [](MemoryProfileSource &s) {
                            s.macros["1"] = macroOf(2);
                            s.layers["appProfile_FN.xml"].items[4] = makeItem(1, "1");
                            s.unreadable.insert("appProfile_FN.xml");
                        },
                        "Cannot read /profiles/keyboard/appProfile_FN.xml: nothing was written to the "
                        "keyboard"},
                    RefusalCase{"layer file without a current profile",
                                [](MemoryProfileSource &s) { s.layers.remove("appProfile_FN.xml"); }, ""}),
    [](const testing::TestParamInfo<RefusalCase> &caseInfo) {
        std::string name = caseInfo.param.name;
        std::replace_if(
            name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); },
            '_');
        return name;
    });

// The same profile written into real store files and read through the SDK's store.
class OnboardDownloadFromStore : public OnboardDownload
{
protected:
    void writeStore()
    {
        ASSERT_TRUE(dir.isValid());
        snapshot.profileDir = dir.path();
        ASSERT_TRUE(writeProfileStore(source, dir.path(), &snapshot.seniorKeyXmlPath, &files));
    }

    QMap<QByteArray, QByteArray> fileContents() const
    {
        QMap<QByteArray, QByteArray> out;
        for (const QByteArray &path : files) {
            QFile f(QFile::decodeName(path));
            out.insert(path, f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
        }
        return out;
    }

    void useStore()
    {
        download = std::make_unique<DOnboardDownload>(DownloadProfileSource::sdk());
        download->setTiming({60ms, 5ms});
        QObject::connect(link.get(), &SimDownloadLink::sigAck, download.get(),
                         &DOnboardDownload::onRuningOnboard0x19Cmd, Qt::QueuedConnection);
    }

    QTemporaryDir dir;
    QList<QByteArray> files;
};

TEST_F(OnboardDownloadFromStore, MemoryEqualsTheStoredProfileOnBothLayers)
{
    open("TL68HE");
    magneticProfile();
    writeStore();
    useStore();
    const auto before = fileContents();
    const Verdict v = runDownload();
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_TRUE(v.ok);
    expectMemoryEqualsProfile();
    EXPECT_EQ(fileContents(), before);
}

TEST_F(OnboardDownloadFromStore, UnpluggedMidwayLeavesTheProfileUntouched)
{
    open("TL68HE");
    magneticProfile();
    writeStore();
    useStore();
    const auto before = fileContents();
    QTimer unplugger;
    QObject::connect(&unplugger, &QTimer::timeout, [&] {
        if (memory->macroFramesReceived() >= 7)
            kb->unplug();
    });
    unplugger.start(1);
    const Verdict v = runDownload();
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(fileContents(), before);
}

// A damaged advanced-key file is not an empty one: writing from it would blank the keyboard's
// advanced keys. A missing one holds no records.
TEST_F(OnboardDownloadFromStore, DamagedAdvancedKeyFileRefusesAndStaysAsItIs)
{
    open("TL68HE");
    magneticProfile();
    writeStore();
    useStore();
    QFile senior(QFile::decodeName(snapshot.seniorKeyXmlPath));
    ASSERT_TRUE(senior.open(QIODevice::WriteOnly | QIODevice::Truncate));
    senior.write("<tidelumen version=\"1\"><seniorKeys><seniorKey index=\"7\"");
    senior.close();
    const auto before = fileContents();
    Verdict v = runDownload();
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.message, DOnboardDownload::unreadableText(senior.fileName()));
    EXPECT_TRUE(v.message.contains(QStringLiteral("SeniorKeyConfig.xml")));
    EXPECT_EQ(kb->receivedCount(0x17) + kb->receivedCount(0x18) + kb->receivedCount(0x2a), 0);
    EXPECT_EQ(fileContents(), before);

    ASSERT_TRUE(senior.remove());
    v = runDownload();
    EXPECT_NE(v.message, DOnboardDownload::unreadableText(senior.fileName()));
    EXPECT_GT(kb->receivedCount(0x17), 0);
}

TEST_F(OnboardDownload, NoKeyViewOrNoLinkIsAFailure)
{
    open("TL87");
    snapshot.keyCodes.clear();
    Verdict v = runDownload();
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_FALSE(v.ok);

    snapshot.keyCodes = keyCodes();
    kb->unplug();
    v = runDownload();
    EXPECT_EQ(v.signalCount, 1);
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(kb->receivedCount(0x17), 0);
}

} // namespace
