#include "ddevicehidcmdsend.h"
#include "recordinghid.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include <functional>
#include <map>

namespace {

using Bytes = std::map<int, uint8_t>; // every byte the report sets; all others must be 0

struct BuilderCase
{
    const char *name;
    std::function<void(DDeviceHidCmdSend &)> call;
    Bytes bytes;
    const char *failureLine;
};

const uint8_t kRelay[8] = {0x02, 0, 0x04, 0x05, 0, 0, 0, 0x29};

HidReport fullKeyInput()
{
    HidReport in{};
    in[0] = 0x01;
    in[1] = 0x05;
    for (int i = 0; i < 64; ++i) {
        if (i >= 2)
            in[i] = static_cast<uint8_t>(0x80 + i);
    }
    return in;
}

const std::vector<BuilderCase> &builderCases()
{
    static const std::vector<BuilderCase> cases = {
        {"relay",
         [](DDeviceHidCmdSend &b) { b.sendKeyRelayReport(kRelay); },
         {{0, 1}, {1, 0x03}, {5, 9}, {6, 0x02}, {8, 0x04}, {9, 0x05}, {13, 0x29}},
         "USB serial port [Write Key] Failed ..."},
        {"echo full key report",
         [](DDeviceHidCmdSend &b) {
             const HidReport in = fullKeyInput();
             b.echoFullKeyReport(in.data());
         },
         [] {
             Bytes b{{0, 1}, {1, 0x04}, {5, 0x15}};
             for (int i = 6; i <= 18; ++i)
                 b[i] = static_cast<uint8_t>(0x80 + i);
             return b;
         }(),
         "USB serial port [Write Key] Failed ..."},
        {"keyboard light types",
         [](DDeviceHidCmdSend &b) { b.queryKeyboardLightTypes(); },
         {{0, 1}, {1, 0x09}},
         "---------- *** Inquire [Light Mode] Failed *** ----------"},
        {"side light types",
         [](DDeviceHidCmdSend &b) { b.querySideLightTypes(); },
         {{0, 1}, {1, 0x01}},
         "---------- *** Inquire [Side Light Mode] Failed *** ----------"},
        {"keyboard light config",
         [](DDeviceHidCmdSend &b) { b.queryKeyboardLightConfig(); },
         {{0, 1}, {1, 0x06}, {2, 1}},
         "---------- *** Inquire [Keyboard Light Config] Failed *** ----------"},
        {"side light config",
         [](DDeviceHidCmdSend &b) { b.querySideLightConfig(); },
         {{0, 1}, {1, 0x07}, {2, 1}},
         "---------- *** Inquire [Side Light Config] Failed *** ----------"},
        {"reset",
         [](DDeviceHidCmdSend &b) { b.sendResetKeyboard(); },
         {{0, 1}, {1, 0x13}, {5, 1}, {6, 1}},
         "---------- *** [Reset] Failed *** ----------"},
        {"sleep 30/600/1",
         [](DDeviceHidCmdSend &b) { b.sendSleepTimes(30, 600, 1); },
         {{0, 1}, {1, 0x13}, {2, 1}, {5, 1}, {10, 0x1e}, {11, 0x02}, {12, 0x58}, {13, 1}},
         "---------- *** [Set Sleep time] Failed *** ----------"},
        {"sleep 255/300/0",
         [](DDeviceHidCmdSend &b) { b.sendSleepTimes(255, 300, 0); },
         {{0, 1}, {1, 0x13}, {2, 1}, {5, 1}, {10, 0xff}, {11, 0x01}, {12, 0x2c}},
         "---------- *** [Set Sleep time] Failed *** ----------"},
        {"sleep 65535/256/0x101",
         [](DDeviceHidCmdSend &b) { b.sendSleepTimes(65535, 256, 0x101); },
         {{0, 1}, {1, 0x13}, {2, 1}, {5, 1}, {9, 0xff}, {10, 0xff}, {11, 0x01}, {13, 0x01}},
         "---------- *** [Set Sleep time] Failed *** ----------"},
        {"win lock 1,0,1,0",
         [](DDeviceHidCmdSend &b) { b.sendWinLock(1, 0, 1, 0); },
         {{0, 1}, {1, 0x13}, {5, 1}, {13, 1}, {16, 1}},
         "---------- *** [Lock Win] Failed *** ----------"},
        {"win lock 0,1,0,1",
         [](DDeviceHidCmdSend &b) { b.sendWinLock(0, 1, 0, 1); },
         {{0, 1}, {1, 0x13}, {5, 1}, {14, 1}, {15, 1}},
         "---------- *** [Lock Win] Failed *** ----------"},
        {"layout",
         [](DDeviceHidCmdSend &b) { b.queryLayoutInfo(); },
         {{0, 1}, {1, 0x0d}},
         "USB serial port [Check keyboard layout is support custom] Failed ..."},
        {"sleep query",
         [](DDeviceHidCmdSend &b) { b.querySleepTimes(); },
         {{0, 1}, {1, 0x13}, {2, 2}, {5, 1}},
         "---------- *** [Check Sleep time] Failed *** ----------"},
        {"travel max",
         [](DDeviceHidCmdSend &b) { b.queryKeyTravelMax(); },
         {{0, 1}, {1, 0x29}, {5, 0x18}, {6, 4}},
         "USB serial port [Query Keyboard Sensitivity] Failed ..."},
        {"anti-shake",
         [](DDeviceHidCmdSend &b) { b.queryAntiShake(); },
         {{0, 1}, {1, 0x29}, {5, 0x18}, {6, 0x0a}},
         "USB serial port [Query Keyboard Sensitivity] Failed ..."},
        {"report rate",
         [](DDeviceHidCmdSend &b) { b.queryReportRate(); },
         {{0, 1}, {1, 0x29}, {5, 0x18}, {6, 9}},
         "USB serial port [Query Keyboard Sensitivity] Failed ..."},
        {"serial abc",
         [](DDeviceHidCmdSend &b) { b.writeSerialNumber(QStringLiteral("abc")); },
         {{0, 1}, {1, 0x15}, {5, 0x20}, {6, 'a'}, {7, 'b'}, {8, 'c'}},
         "USB serial port [Write SN] Failed ..."},
        {"serial cut at 32", [](DDeviceHidCmdSend &b) { b.writeSerialNumber(QString(40, QLatin1Char('Z'))); },
         [] {
             Bytes b{{0, 1}, {1, 0x15}, {5, 0x20}};
             for (int i = 6; i <= 37; ++i)
                 b[i] = 'Z';
             return b;
         }(),
         "USB serial port [Write SN] Failed ..."},
    };
    return cases;
}

QStringList s_log;
QtMessageHandler s_previous = nullptr;

void captureLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    s_log.append(message);
    if (s_previous)
        s_previous(type, context, message);
}

class LogCapture
{
public:
    LogCapture()
    {
        s_log.clear();
        s_previous = qInstallMessageHandler(captureLog);
    }
    ~LogCapture() { qInstallMessageHandler(s_previous); }
    bool contains(const QString &line) const
    {
        for (const QString &l : s_log) {
            if (l.contains(line))
                return true;
        }
        return false;
    }
};

} // namespace

TEST(HidCmdSend, EveryBuilderSetsExactlyItsBytes)
{
    for (const BuilderCase &c : builderCases()) {
        SCOPED_TRACE(c.name);
        RecordingHid hid;
        DDeviceHidCmdSend builder;
        builder.setHidInterface(&hid);
        c.call(builder);
        ASSERT_EQ(hid.sent.size(), 1);
        const HidReport &r = hid.sent.front();
        for (int i = 0; i < 64; ++i) {
            const auto it = c.bytes.find(i);
            EXPECT_EQ(r[i], it == c.bytes.end() ? 0 : it->second) << "byte " << i;
        }
    }
}

TEST(HidCmdSend, EveryBuilderLogsItsFailureLineWhenTheDeviceIsClosed)
{
    for (const BuilderCase &c : builderCases()) {
        SCOPED_TRACE(c.name);
        RecordingHid closed(false);
        DDeviceHidCmdSend builder;
        builder.setHidInterface(&closed);
        LogCapture log;
        c.call(builder);
        EXPECT_TRUE(log.contains(QString::fromLatin1(c.failureLine)));
    }
    // Without an I/O object the builder fails the same way instead of crashing.
    DDeviceHidCmdSend orphan;
    LogCapture log;
    orphan.queryLayoutInfo();
    EXPECT_TRUE(log.contains(QStringLiteral("[Check keyboard layout is support custom] Failed")));
}

TEST(HidCmdSend, EmptySerialNumberIsReplacedByA32CharacterHexNumber)
{
    RecordingHid hid;
    DDeviceHidCmdSend builder;
    builder.setHidInterface(&hid);
    const QString written = builder.writeSerialNumber(QString());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(written).hasMatch())
        << qPrintable(written);
    ASSERT_EQ(hid.sent.size(), 1);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(hid.sent[0].data() + 6), 32), written.toLatin1());
    EXPECT_NE(builder.writeSerialNumber(QString()), written);

    // The text is returned even when it could not be written.
    RecordingHid closed(false);
    builder.setHidInterface(&closed);
    EXPECT_EQ(builder.writeSerialNumber(QStringLiteral("abc")), QStringLiteral("abc"));
}
