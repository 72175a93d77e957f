#include "dfirwareinfoitem.h"
#include "dfirwareinfoshow.h"
#include "fixedtext.h"
#include "simfixture.h"

#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QTest>

#include <cstring>
#include <gtest/gtest.h>

namespace {

struct FakeDevice
{
    const char *path;
    bool answers;
    const char *parts[5];
    const char *version;
    const char *build;
};

HidFirmwareInfoStu record(const FakeDevice &d)
{
    HidFirmwareInfoStu fw{};
    fixedtext::copy(fw.controllerCode, d.parts[0]);
    fixedtext::copy(fw.twoDigitCode, d.parts[1]);
    fixedtext::copy(fw.deviceKindCode, d.parts[2]);
    fixedtext::copy(fw.vendorCode, d.parts[3]);
    fixedtext::copy(fw.modelIdentifier, d.parts[4]);
    fixedtext::copy(fw.firmwareVersion, d.version);
    fixedtext::copy(fw.buildText, d.build);
    return fw;
}

DFirwareInfoShow::Query queryOf(const QVector<FakeDevice> &devices)
{
    return [devices](const char *path, HidDeviceInfoStu *, HidFirmwareInfoStu *fw) {
        for (const FakeDevice &d : devices) {
            if (std::strcmp(d.path, path) == 0 && d.answers) {
                *fw = record(d);
                return true;
            }
        }
        return false;
    };
}

TEST(FirmwareInfoMap, OneEntryPerIdentityInIdentityOrder)
{
    const QVector<FakeDevice> devices = {
        {"/p/1", true, {"TLC87", "02", "KB", "TLMN", "TL87"}, "V1.00.00", "Jan 1"},
        {"/p/2", true, {"TLC68", "01", "KB", "TLMN", "TL68HE"}, "V1.00.00", ""},
        {"/p/3", false, {"AAA", "", "", "", "X"}, "V9", ""},
        {"/p/4", true, {"TLC87", "02", "KB", "TLMN", "TL87"}, "V1.00.10", "Feb 2"},
    };
    const QMap<QString, QString> info =
        DFirwareInfoShow::loadInformationMap(QStringList{QStringLiteral("/p/1"), QStringLiteral("/p/2"),
                                                         QStringLiteral("/p/3"), QStringLiteral("/p/4")},
                                             queryOf(devices));
    EXPECT_EQ(info.keys(),
              (QStringList{QStringLiteral("TLC6801KBTLMN,TL68HE"), QStringLiteral("TLC8702KBTLMN,TL87")}));
    EXPECT_EQ(info.value(QStringLiteral("TLC6801KBTLMN,TL68HE")), QStringLiteral("V1.00.00---"));
    EXPECT_EQ(info.value(QStringLiteral("TLC8702KBTLMN,TL87")), QStringLiteral("V1.00.10---Feb 2"))
        << "of equal identities the device listed later wins";
    EXPECT_TRUE(DFirwareInfoShow::loadInformationMap(QStringList(), queryOf(devices)).isEmpty());
}

TEST(FirmwareInfoMap, TextsStopAtTheirFieldsAndRecordsStartZeroed)
{
    // A device that fills every byte of its fields, without a NUL anywhere.
    const auto query = [](const char *, HidDeviceInfoStu *, HidFirmwareInfoStu *fw) {
        EXPECT_EQ(fw->reserved[0] | fw->buildText[0] | fw->controllerCode[63], 0)
            << "records are zero-filled";
        std::memset(fw, 'A', sizeof *fw);
        std::memset(fw->firmwareVersion, 'V', sizeof fw->firmwareVersion);
        return true;
    };
    const QMap<QString, QString> info =
        DFirwareInfoShow::loadInformationMap(QStringList{QStringLiteral("/p")}, query);
    ASSERT_EQ(info.size(), 1);
    EXPECT_EQ(info.firstKey(),
              QString(4 * 64, QLatin1Char('A')) + QLatin1Char(',') + QString(64, QLatin1Char('A')));
    EXPECT_EQ(info.first(),
              QString(64, QLatin1Char('V')) + QStringLiteral("---") + QString(64, QLatin1Char('A')));
}

TEST(FirmwareInfoItem, ShowsTheIdentityAfterItsFirstDash)
{
    const struct
    {
        const char *identity;
        const char *shown;
    } cases[] = {
        {"TLC6801KBTLMN,TL68HE", "TLC6801KBTLMN,TL68HE"},
        {"-TLC68,TL68HE", "TLC68,TL68HE"},
        {"AB-CD-EF,X", "CD-EF,X"},
        {"", ""},
        {"ends-", ""},
    };
    for (const auto &c : cases) {
        DFirwareInfoItem item;
        item.setInfo(QString::fromUtf8(c.identity), QStringLiteral("V1---"));
        EXPECT_EQ(item.findChild<QLabel *>(QStringLiteral("label_HidInfo"))->text(),
                  QString::fromUtf8(c.shown));
        EXPECT_EQ(item.findChild<QLabel *>(QStringLiteral("label_DataTimeInfo"))->text(),
                  QStringLiteral("V1---"));
    }
}

QStringList rowTexts(const QWidget &dialog)
{
    QStringList texts;
    for (const DFirwareInfoItem *row : dialog.findChildren<DFirwareInfoItem *>()) {
        if (!row->isHidden())
            texts << row->findChild<QLabel *>(QStringLiteral("label_HidInfo"))->text();
    }
    return texts;
}

TEST(FirmwareInfoDialog, FillingReplacesTheRowsAboveTheSpacer)
{
    auto *dialog = new DFirwareInfoShow();
    dialog->fillInfoList(
        {{QStringLiteral("b"), QStringLiteral("2")}, {QStringLiteral("a"), QStringLiteral("1")}});
    dialog->fillInfoList(
        {{QStringLiteral("z"), QStringLiteral("3")}, {QStringLiteral("y"), QStringLiteral("4")}});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(rowTexts(*dialog), (QStringList{QStringLiteral("y"), QStringLiteral("z")}));
    auto *layout = dialog->findChild<QLayout *>(QStringLiteral("verticalLayout_17"));
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->count(), 3);
    EXPECT_NE(layout->itemAt(2)->spacerItem(), nullptr) << "the spacer stays last";
    dialog->clearInfoList();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(rowTexts(*dialog).isEmpty());
    EXPECT_EQ(layout->count(), 1);
    delete dialog;
}

class FirmwareInfoWithKeyboards : public SimulatedDevices
{
};

TEST_F(FirmwareInfoWithKeyboards, ListsTheSimulatedKeyboardsAndIsGoneAfterClosing)
{
    add(QStringLiteral("TL87"));
    add(QStringLiteral("TL68HE"), LinkType::Receiver);
    QPointer<DFirwareInfoShow> dialog = new DFirwareInfoShow();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Firmware Info"));
    EXPECT_EQ(dialog->size(), QSize(350, 370));
    EXPECT_TRUE(dialog->findChild<QWidget *>(QStringLiteral("frame_26"))->isHidden());
    dialog->show();
    EXPECT_TRUE(rowTexts(*dialog).isEmpty()) << "the list fills a moment after opening";
    ASSERT_TRUE(QTest::qWaitFor([&] { return rowTexts(*dialog).size() == 2; }, 3000));
    EXPECT_EQ(rowTexts(*dialog),
              (QStringList{QStringLiteral("TLC6801KBTLMN,TL68HE"), QStringLiteral("TLC8702KBTLMN,TL87")}));
    const DFirwareInfoItem *first = dialog->findChildren<DFirwareInfoItem *>().first();
    EXPECT_EQ(first->findChild<QLabel *>(QStringLiteral("label_DataTimeInfo"))->text(),
              QStringLiteral("V1.00.00---Jan 15 2025,10:30:00"));

    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull()) << "a closed dialog does not stay behind";
}

TEST_F(FirmwareInfoWithKeyboards, NoKeyboardGivesAnEmptyList)
{
    QPointer<DFirwareInfoShow> dialog = new DFirwareInfoShow();
    QTest::qWait(400);
    EXPECT_TRUE(rowTexts(*dialog).isEmpty());
    delete dialog;
}

} // namespace
