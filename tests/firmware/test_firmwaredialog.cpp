// The update dialog and its rows, driven by hand-fed reports and a link that records what it is
// asked to send.
#include "cbnotice.h"
#include "dupdatefirmwaredia.h"
#include "imagefolder.h"
#include "mainhidinterface.h"
#include "updatefirmwareinfoitem.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A link's I/O object that keeps what it is asked to send instead of starting a thread.
class RecordingLink : public MainHidInterFace
{
public:
    RecordingLink() : MainHidInterFace(0, QStringLiteral("TL68HE")) {}
    int sendCommand(const unsigned char *report) override
    {
        if (!open)
            return -1;
        sent.append(QByteArray(reinterpret_cast<const char *>(report), 64));
        return 0;
    }
    bool open = true;
    QList<QByteArray> sent;
};

QPushButton *updateButton(UpdateFirmwareInfoItem *row)
{
    return row->findChild<QPushButton *>(QStringLiteral("pushButton_Update"));
}

int page(UpdateFirmwareInfoItem *row)
{
    return row->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->currentIndex();
}

TEST(UpdateRow, PressSendsOneSwitchReportUntilTheOutcome)
{
    RecordingLink link;
    UpdateFirmwareInfoItem row;
    row.show();
    hidStructInfoAll r = deviceRecord("TL68HE", 1, "V1.00.00", "/sim/7");
    fixedtext::copy(r.deviceName, "");
    fixedtext::copy(r.newFirmwareVersion, "V1.00.10");
    row.setDeviceInfo(r, &link, QStringLiteral("SN7"));
    EXPECT_EQ(row.hidPath(), QStringLiteral("/sim/7"));
    EXPECT_EQ(row.hidName(), QStringLiteral("TL68HE"));
    EXPECT_EQ(row.hidUsbOrDongle(), 1);
    EXPECT_EQ(row.findChild<QLabel *>(QStringLiteral("label_HidLikeName"))->text(),
              QStringLiteral("TL68HE "));
    EXPECT_EQ(row.findChild<QLabel *>(QStringLiteral("label_NewVer"))->text(), QStringLiteral("V1.00.10"));
    EXPECT_EQ(row.findChild<QLabel *>(QStringLiteral("label_ProgressNum"))->text(), QStringLiteral("0%"));

    QSignalSpy started(&row, &UpdateFirmwareInfoItem::sigStartUpgradeing);
    QTest::mouseClick(updateButton(&row), Qt::LeftButton);
    QTest::mouseClick(updateButton(&row), Qt::LeftButton);
    ASSERT_EQ(link.sent.size(), 1);
    QByteArray expected(64, '\0');
    expected[0] = 0x01;
    expected[1] = 0x0A;
    EXPECT_EQ(link.sent.first(), expected);
    EXPECT_EQ(started.size(), 1);

    row.setProgress(37);
    EXPECT_EQ(row.findChild<QProgressBar *>(QStringLiteral("progressBar"))->value(), 37);
    EXPECT_EQ(row.findChild<QLabel *>(QStringLiteral("label_ProgressNum"))->text(), QStringLiteral("37%"));

    // After a failure the row offers Update again.
    row.showUpdatePage();
    QTest::mouseClick(updateButton(&row), Qt::LeftButton);
    EXPECT_EQ(link.sent.size(), 2);
    EXPECT_EQ(started.size(), 2);
    row.showCompletePage();
    EXPECT_EQ(page(&row), 1);
}

TEST(UpdateRow, ASwitchThatCannotBeSentFailsTheRowInsteadOfStartingTheUpdate)
{
    struct Case
    {
        const char *name;
        bool hasLink;
        bool open;
    } cases[] = {{"closed link", true, false}, {"no link", false, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RecordingLink link;
        link.open = c.open;
        UpdateFirmwareInfoItem row;
        row.show();
        row.setDeviceInfo(deviceRecord("TL68HE", 0, "V1.00.00"), c.hasLink ? &link : nullptr, QString());
        QSignalSpy started(&row, &UpdateFirmwareInfoItem::sigStartUpgradeing);
        QSignalSpy failed(&row, &UpdateFirmwareInfoItem::sigSwitchFailed);
        QTest::mouseClick(updateButton(&row), Qt::LeftButton);
        EXPECT_EQ(started.size(), 0);
        EXPECT_EQ(failed.size(), 1);
        EXPECT_TRUE(link.sent.isEmpty());
    }

    // The link is looked up when Update is pressed, not when the row was made.
    RecordingLink gone;
    RecordingLink current;
    UpdateFirmwareInfoItem row;
    row.show();
    row.setDeviceInfo(deviceRecord("TL68HE", 0, "V1.00.00", "/sim/9"), &gone, QString());
    row.setLinkLookup(
        [&](const QString &path) { return path == QLatin1String("/sim/9") ? &current : nullptr; });
    QTest::mouseClick(updateButton(&row), Qt::LeftButton);
    EXPECT_TRUE(gone.sent.isEmpty());
    EXPECT_EQ(current.sent.size(), 1);
}

// Several rows with names on two lines: every row keeps the height its name needs, none is squeezed
// by the list's spacer.
TEST(UpdateDialog, RowsWithTwoLineNamesAreNotSqueezed)
{
    DUpdateFirmwareDia dialog;
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    QList<hidStructInfoAll> records;
    for (const char *path : {"/sim/1", "/sim/2", "/sim/3"}) {
        hidStructInfoAll r = deviceRecord("TL104", 0, "V1.00.00", path);
        fixedtext::copy(r.productName, "Tidelumen TL104");
        fixedtext::copy(r.deviceName, "TL104 Keyboard");
        records.append(r);
    }
    dialog.loadUpgradeItems(records, {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    ASSERT_EQ(dialog.rows().size(), 3);
    for (UpdateFirmwareInfoItem *row : dialog.rows()) {
        const auto *name = row->findChild<QLabel *>(QStringLiteral("label_HidLikeName"));
        ASSERT_NE(name, nullptr);
        ASSERT_TRUE(name->text().contains(QLatin1Char('\n'))) << "the case needs a name on two lines";
        EXPECT_GE(name->height(), name->sizeHint().height()) << name->text().toStdString();
    }
}

TEST(UpdateDialog, ProgressGoesOnOnlyWhenItRises)
{
    DUpdateFirmwareDia dialog;
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    RecordingLink link;
    dialog.loadUpgradeItems({deviceRecord("TL68HE", 0, "V1.00.00", "/sim/1")}, {});
    dialog.show();
    UpdateFirmwareInfoItem *row = dialog.rows().first();
    row->setLinkLookup([&](const QString &) { return &link; });
    QSignalSpy shown(&dialog, &DUpdateFirmwareDia::sigUpgradeProgress);
    QSignalSpy request(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    QTest::mouseClick(updateButton(row), Qt::LeftButton);
    ASSERT_EQ(request.size(), 1);
    EXPECT_EQ(request.first().at(0).toString(), QStringLiteral("/sim/1"));
    EXPECT_EQ(request.first().at(2).toString(), QStringLiteral("TL68HE"));

    const int reports[][2] = {{100, 0}, {100, 0}, {100, 5}, {100, 3}, {100, 5}, {0, 7}, {100, 6}, {100, 250}};
    for (const auto &r : reports)
        dialog.reportProgress(r[0], r[1]);
    QList<int> values;
    for (const QList<QVariant> &s : shown)
        values << s.first().toInt();
    EXPECT_EQ(values, (QList<int>{0, 5, 6, 100}));
    EXPECT_EQ(row->findChild<QProgressBar *>(QStringLiteral("progressBar"))->value(), 100);

    // A new update starts counting again.
    dialog.reportSuccess();
    row->showUpdatePage();
    QTest::mouseClick(updateButton(row), Qt::LeftButton);
    dialog.reportProgress(100, 2);
    EXPECT_EQ(shown.last().first().toInt(), 2);
}

TEST(UpdateDialog, OneUpdateAtATimeAndNoClosingWhileItRuns)
{
    DUpdateFirmwareDia dialog;
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    RecordingLink link;
    QList<hidStructInfoAll> records;
    for (const char *path : {"/sim/1", "/sim/2", "/sim/3"})
        records.append(deviceRecord("TL68HE", 0, "V1.00.00", path));
    dialog.loadUpgradeItems(records, {});
    dialog.show();
    ASSERT_EQ(dialog.rows().size(), 3);
    for (UpdateFirmwareInfoItem *row : dialog.rows())
        row->setLinkLookup([&](const QString &) { return &link; });
    UpdateFirmwareInfoItem *active = dialog.rows().at(1);
    QSignalSpy closed(&dialog, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose);

    struct Outcome
    {
        bool success;
        int activePage;
        bool othersEnabled;
        const char *toast;
    } outcomes[] = {{false, 0, false, "Update failed"}, {true, 1, true, "Update successful"}};
    for (const Outcome &o : outcomes) {
        SCOPED_TRACE(o.toast);
        active->showUpdatePage();
        QTest::mouseClick(updateButton(active), Qt::LeftButton);
        EXPECT_TRUE(dialog.isUpgrading());
        EXPECT_TRUE(updateButton(active)->isEnabled());
        EXPECT_FALSE(updateButton(dialog.rows().at(0))->isEnabled());
        EXPECT_FALSE(updateButton(dialog.rows().at(2))->isEnabled());

        // Closing is refused while writing, with the warning.
        dialog.findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
        dialog.close();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(closed.size(), 0);
        EXPECT_EQ(dialog.notice()->text(), DUpdateFirmwareDia::warningText());

        if (o.success)
            dialog.reportSuccess();
        else
            dialog.reportFailure();
        EXPECT_FALSE(dialog.isUpgrading());
        EXPECT_EQ(page(active), o.activePage);
        EXPECT_EQ(updateButton(dialog.rows().at(0))->isEnabled(), o.othersEnabled);
        EXPECT_EQ(dialog.notice()->text(), QString::fromLatin1(o.toast));
    }

    dialog.findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
    EXPECT_EQ(closed.size(), 1);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(UpdateDialog, ARowWhoseKeyboardCannotBeSwitchedReportsFailureAtOnce)
{
    DUpdateFirmwareDia dialog;
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    dialog.loadUpgradeItems({deviceRecord("TL68HE", 0, "V1.00.00", "/sim/1")}, {});
    dialog.show();
    QSignalSpy request(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    UpdateFirmwareInfoItem *row = dialog.rows().first();
    QTest::mouseClick(updateButton(row), Qt::LeftButton);
    EXPECT_EQ(request.size(), 0);
    EXPECT_FALSE(dialog.isUpgrading());
    EXPECT_EQ(dialog.notice()->text(), QStringLiteral("Update failed"));
    EXPECT_EQ(page(row), 0);
    EXPECT_TRUE(updateButton(row)->isEnabled());
    EXPECT_FALSE(row->isStarted());
}

} // namespace
