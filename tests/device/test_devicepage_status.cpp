#include "batteryitem.h"
#include "cbnotice.h"
#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "ddevicepage.h"
#include "dragshowarea.h"
#include "dsensitivityshowwidget.h"
#include "dtriggersettingpage.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "keyselectframe.h"
#include "linkfixture.h"
#include "recordinghid.h"
#include "simcalibration.h"
#include "simlinkhandlers.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace hidproto;

namespace {

// A device page working for a link to a simulated magnetic keyboard, with that model's view.
class PageOnSimulator : public SimFixture
{
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        DDataManager::getInstance()->loadTheme(0);
        DDataManager::getInstance()->setCalibrationRunning(false);
        // The page lists the attached keyboards 200 ms after it is built; let that happen before
        // the keyboard is plugged, so this fixture's own link stays the only one.
        page = std::make_unique<DDevicePage>();
        page->resize(1280, 700);
        QTest::qWait(300);
        ASSERT_TRUE(dir.isValid());
        profile = dir.filePath(QStringLiteral("appProfile_Default.xml")).toUtf8();
        ASSERT_TRUE(CQuelmoXML_CreateXMLFile(profile.constData()));
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(profile.constData(), "1", "Profile1", 0));
        ASSERT_TRUE(CQuelmoXML_SetProFileIntoSleepTimeInfo(profile.constData(), "1", 30, 5));

        kb = addKeyboard("TL68HE");
        ASSERT_TRUE(kb);
        link = std::make_unique<DDeviceKeyboardLink>();
        link->setProfileXmlPath(QString::fromUtf8(profile));
        link->setProfileIndex(1);
        link->openDevice(1, recordFor(*kb));
        ASSERT_TRUE(waitFor([&] { return link->isReady(); }));

        view = std::make_unique<hidDeviceJoinFrame>();
        view->buildKeyboardView(QStringLiteral("TL68HE"));
        drag = std::make_unique<dragShowArea>();
        page->installKeyboardView(view.get(), drag.get());
        page->connectLinkSignals(link.get());
        page->setCurrentLink(link.get());
        page->setCurrentHid(link->hidInterface());
    }

    void TearDown() override
    {
        page.reset();
        drag.reset();
        view.reset();
        link.reset();
        DDataManager::getInstance()->setCalibrationRunning(false);
        SimFixture::TearDown();
    }

    QString toast() const
    {
        return page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->text();
    }
    template <typename T> T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
    QPair<int, int> storedSleep() const
    {
        int light = -1, minutes = -1;
        CQuelmoXML_GetProFileIntoSleepTimeInfo(profile.constData(), "1", &light, &minutes);
        return {light, minutes};
    }

    QTemporaryDir dir;
    QByteArray profile;
    std::shared_ptr<SimKeyboard> kb;
    std::unique_ptr<DDeviceKeyboardLink> link;
    std::unique_ptr<DDevicePage> page;
    std::unique_ptr<hidDeviceJoinFrame> view;
    std::unique_ptr<dragShowArea> drag;
};

TEST_F(PageOnSimulator, SleepTimesAreCheckedSentAndStoredOnlyWhenAcknowledged)
{
    struct Case
    {
        int light, keyboard;
        bool acknowledge;
        const char *toast;
        bool sent;
        QPair<int, int> stored;
    };
    const Case cases[] = {
        {600,
         300,
         true,
         "The time when the light enters sleep cannot be longer than the keyboard enters sleep",
         false,
         {30, 5}},
        {200, 299, true, "Keyboard enters sleep time is too short", false, {30, 5}},
        {60, 70000, true, "Sleep time set failed", false, {30, 5}}, // does not fit the report
        {60, 600, false, "Sleep time set failed", true, {30, 5}},
        {60, 600, true, "Sleep time has been set", true, {60, 10}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.light << "/" << c.keyboard << " ack " << c.acknowledge);
        kb->update([&](SimKeyboardState &s) {
            s.acknowledgeSleepTimes = c.acknowledge;
            s.keyboardSleepSeconds = 0;
        });
        page->onLightAndKeyboardSleepTime(c.light, c.keyboard, 1);
        EXPECT_EQ(toast(), QString::fromLatin1(c.toast));
        EXPECT_EQ(kb->state().keyboardSleepSeconds != 0, c.sent);
        EXPECT_EQ(storedSleep(), c.stored);
    }
    EXPECT_EQ(DDataManager::getInstance()->prohibitSleepStatus(), 1);

    // Acknowledged, but the profile cannot take it: no success message.
    link->setProfileXmlPath(dir.filePath(QStringLiteral("missing/appProfile_Default.xml")));
    page->onLightAndKeyboardSleepTime(120, 900, 0);
    EXPECT_EQ(kb->state().keyboardSleepSeconds, 900);
    EXPECT_EQ(toast(), QStringLiteral("Sleep time set failed"));
}

TEST_F(PageOnSimulator, SleepWaitStopsWhenTheKeyboardIsSwitchedMeanwhile)
{
    kb->update([](SimKeyboardState &s) { s.acknowledgeSleepTimes = false; });
    page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->showNotice(QStringLiteral("before"));
    QTimer::singleShot(100, page.get(), [this] {
        page->setCurrentLink(nullptr);
        emit link->sigSleepTimeSetSuccessful(); // a late answer of the old keyboard
    });
    page->onLightAndKeyboardSleepTime(60, 600, 0);
    EXPECT_EQ(storedSleep(), (QPair<int, int>{30, 5}));
    EXPECT_EQ(toast(), QStringLiteral("before"));
}

TEST_F(PageOnSimulator, StatusReportsDriveTheBatteryWidgets)
{
    auto *charging = child<QLabel>("label_Charging");
    auto *gauge = child<BatteryItem>("label_ElectricityNum");
    auto *mode = child<QLabel>("label_Mode");
    ASSERT_TRUE(charging && gauge && mode);
    const QString sn = link->currentSN();
    ASSERT_FALSE(sn.isEmpty());

    // Full through the keyboard itself: the gauge shows 100 with its percent text.
    kb->update([](SimKeyboardState &s) {
        s.charging = 2;
        s.battery = 37;
    });
    kb->sendStatus();
    ASSERT_TRUE(waitFor([&] { return gauge->batteryLevel() == 100; }));
    EXPECT_FALSE(charging->isHidden());
    EXPECT_TRUE(gauge->isPercentTextVisible());
    EXPECT_EQ(mode->text(), QStringLiteral("USB"));

    // Charging animates the gauge without its text.
    emit link->sigSendChargingStatusAndElectricity(1, 50, 0, 0, sn);
    EXPECT_FALSE(gauge->isPercentTextVisible());
    EXPECT_FALSE(charging->isHidden());
    ASSERT_TRUE(waitFor([&] { return gauge->batteryLevel() >= 3 && gauge->batteryLevel() < 100; }, 2000));

    // Reports of another keyboard, or of a receiver that lost its keyboard, change nothing.
    emit link->sigSendChargingStatusAndElectricity(0, 20, 1, 0, QStringLiteral("OTHER"));
    emit link->sigSendChargingStatusAndElectricity(0, 20, 1, 1, sn);
    EXPECT_FALSE(gauge->isPercentTextVisible());
    EXPECT_EQ(mode->text(), QStringLiteral("USB"));

    // Not charging: the animation stops at the reported level.
    emit link->sigSendChargingStatusAndElectricity(0, 20, 1, 0, sn);
    EXPECT_TRUE(charging->isHidden());
    EXPECT_TRUE(gauge->isPercentTextVisible());
    EXPECT_EQ(gauge->batteryLevel(), 20);
    EXPECT_EQ(mode->text(), QStringLiteral("2.4G"));
    QTest::qWait(120);
    EXPECT_EQ(gauge->batteryLevel(), 20);
}

TEST_F(PageOnSimulator, WinLockOptionsReachTheKeyboardInItsOrder)
{
    // The tab passes (Windows key, Shift+Tab, Alt+Tab, Alt+F4); the keyboard takes Alt+F4 before Alt+Tab.
    page->onLockWinKeyAbout(1, 0, 1, 0);
    ASSERT_TRUE(waitFor([&] { return kb->state().winLockSwitches[0] == 1; }));
    const auto switches = kb->state().winLockSwitches;
    EXPECT_EQ((std::vector<int>(switches.begin(), switches.end())), (std::vector<int>{1, 0, 0, 1}));
}

TEST_F(PageOnSimulator, ApplyNeedsSelectedKeysAndReportsARefusedQueue)
{
    RecordingHid hid;
    page->setCurrentHid(&hid);
    page->onMagnetsKeysApplyConfig(13, 15, 20, 3, 4);
    EXPECT_EQ(toast(), QStringLiteral("Please select one Key first"));
    EXPECT_TRUE(hid.sent.isEmpty());

    view->selectKeysInRect(0, 0, 5000, 5000);
    const QList<keyboardButCustom *> keys = view->dragSelectedKeys();
    ASSERT_FALSE(keys.isEmpty());
    page->onMagnetsKeysApplyConfig(13, 15, 20, 3, 4);
    ASSERT_EQ(hid.sent.size(), 1);
    const HidReport &r = hid.sent.first();
    EXPECT_EQ(r[1], 0x29);
    EXPECT_EQ(r[6], 0x0D);
    for (const keyboardButCustom *k : keys)
        EXPECT_TRUE(r[7 + k->indexY()] & (1 << k->indexX())) << k->indexX() << "," << k->indexY();
    EXPECT_EQ((std::vector<int>(r.begin() + 29, r.begin() + 33)), (std::vector<int>{0x0F, 0x14, 0x03, 0x04}));
    EXPECT_EQ(toast(), QStringLiteral("Operate successful"));

    RecordingHid closed(false);
    page->setCurrentHid(&closed);
    page->onMagnetsKeysApplyConfig(13, 15, 20, 3, 4);
    EXPECT_EQ(toast(), QStringLiteral("Operate failed"));
    page->onKeyAntiShakeCurrentNum(4);
    EXPECT_EQ(toast(), QStringLiteral("Operate failed"));

    page->setCurrentHid(&hid);
    page->onKeyAntiShakeCurrentNum(6);
    page->onKeyRateOfReturnCurrentNum(2);
    EXPECT_EQ(DDataManager::getInstance()->keyAntiShakeNum(), 6);
    EXPECT_EQ(DDataManager::getInstance()->rateOfReturnNum(), 2);
    EXPECT_EQ(hid.sent.last()[6], 9);
}

TEST_F(PageOnSimulator, SingleKeyCalibrationRunsThenSucceedsOrFails)
{
    QSignalSpy statuses(DDataManager::getInstance(),
                        &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack);

    page->onKeyCalibrationStartRuning();
    EXPECT_EQ(toast(), QStringLiteral("Please switch to key calibration mode first"));
    page->onCalibrationMode(1);
    EXPECT_TRUE(DDataManager::getInstance()->isCalibrationRunning());
    page->onKeyCalibrationStartRuning();
    EXPECT_EQ(toast(), QStringLiteral("Please select one Key first"));

    page->onTheMagneticKeyboardCalibrationPoint(2, 5);
    ASSERT_TRUE(waitFor([&] { return kb->state().selection[5] == 0x04; }));
    struct Case
    {
        uint8_t result;
        const char *tip;
    };
    for (const Case &c : {Case{0, "The key calibration successful"}, Case{2, "The key calibration failed"}}) {
        statuses.clear();
        kb->update([&](SimKeyboardState &s) { s.calibrationResult = c.result; });
        page->onKeyCalibrationStartRuning();
        ASSERT_TRUE(waitFor([&] { return statuses.count() == 2; }));
        EXPECT_EQ(statuses.at(0).at(0).toInt(), 1);
        EXPECT_EQ(statuses.at(1).at(0).toInt(), c.result);
        EXPECT_EQ(toast(), QString::fromLatin1(c.tip));
    }
    kb->send(simlink::keyCalibrationStatus(9));
    ASSERT_TRUE(waitFor([&] { return toast() == QStringLiteral("Unknow"); }));

    // Leaving the mode forgets the key.
    page->onCalibrationMode(0);
    EXPECT_FALSE(DDataManager::getInstance()->isCalibrationRunning());
    EXPECT_EQ(page->calibrationKey(), QPoint(-1, -1));
}

TEST_F(PageOnSimulator, AllKeysCalibrationMarksFollowTheBitmapsAndEveryFinalStatusEndsIt)
{
    // The start goes to a recorder, so that the keyboard's answers are played step by step here.
    RecordingHid hid;
    page->setCurrentHid(&hid);
    const KeyButtonMatrix &matrix = view->keyLayer()->keyButtonMatrix();
    QList<QPair<int, int>> present;
    for (int c = 0; c < 22 && present.size() < 3; ++c)
        for (int r = 0; r < 6 && present.size() < 3; ++r)
            if (matrix[r][c] && (present.isEmpty() || present.last().second != c))
                present.append({r, c});
    ASSERT_EQ(present.size(), 3);
    auto selectedKeys = [&] {
        QList<QPair<int, int>> out;
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 22; ++c)
                if (matrix[r][c] && matrix[r][c]->isSelected())
                    out.append({r, c});
        return out;
    };
    auto bitmapOf = [](const QList<QPair<int, int>> &keys) {
        std::array<uint8_t, kMatrixColumns> b{};
        for (const auto &k : keys)
            b[k.second] |= static_cast<uint8_t>(1u << k.first);
        return b;
    };
    auto sorted = [](QList<QPair<int, int>> l) {
        std::sort(l.begin(), l.end());
        return l;
    };
    QWidget *moveTip = child<QWidget>("widget_MoveTip");
    ASSERT_TRUE(moveTip);

    for (uint8_t final : {uint8_t(0), uint8_t(2), uint8_t(7)}) {
        SCOPED_TRACE(testing::Message() << "final status " << int(final));
        hid.sent.clear();
        page->onAllKeysCalibrationMode(1);
        ASSERT_EQ(hid.sent.size(), 1);
        EXPECT_EQ(hid.sent.first()[6], 8);
        EXPECT_EQ(hid.sent.first()[7], 0);
        EXPECT_TRUE(DDataManager::getInstance()->isCalibrationRunning());
        EXPECT_FALSE(moveTip->isHidden());

        const QList<QPair<int, int>> first = present.mid(0, 2);
        kb->send(simlink::allKeysCalibrationStatus(1, bitmapOf(first)));
        ASSERT_TRUE(waitFor([&] { return selectedKeys().size() == 2; }));
        EXPECT_EQ(selectedKeys(), sorted(first));
        kb->send(simlink::allKeysCalibrationStatus(1, bitmapOf(present)));
        ASSERT_TRUE(waitFor([&] { return selectedKeys().size() == 3; }));
        EXPECT_EQ(selectedKeys(), sorted(present));
        EXPECT_TRUE(DDataManager::getInstance()->isCalibrationRunning());

        kb->send(simlink::allKeysCalibrationStatus(final, bitmapOf(present)));
        ASSERT_TRUE(waitFor([&] { return !DDataManager::getInstance()->isCalibrationRunning(); }));
        EXPECT_TRUE(selectedKeys().isEmpty());
        EXPECT_TRUE(moveTip->isHidden());
        EXPECT_EQ(toast(), final == 0 ? QStringLiteral("The key calibration successful")
                                      : QStringLiteral("The key calibration failed"));
    }

    // Stopping by hand sends the stop and leaves the mode.
    page->onAllKeysCalibrationMode(1);
    hid.sent.clear();
    page->onAllKeysCalibrationMode(0);
    ASSERT_EQ(hid.sent.size(), 1);
    EXPECT_EQ(hid.sent.first()[7], 1);
    EXPECT_FALSE(DDataManager::getInstance()->isCalibrationRunning());
    EXPECT_TRUE(moveTip->isHidden());
}

// The trigger tab against the simulated keyboard: what it applies lands in the keyboard's per-key
// settings, and a clicked key shows what the keyboard holds for it.
class TriggerTabOnSimulator : public PageOnSimulator
{
protected:
    void SetUp() override
    {
        PageOnSimulator::SetUp();
        ASSERT_TRUE(waitFor([] { return DDataManager::getInstance()->keyTravelMax() == 40; }));
        child<QAbstractButton>("toolButton_TriggerSetting")->click();
        trigger = page->findChild<DTriggerSettingPage *>();
        scale = trigger->findChild<DSensitivityShowWidget *>();
        ASSERT_TRUE(scale);
    }
    template <typename T> T *onTab(const char *name) { return trigger->findChild<T *>(QLatin1String(name)); }
    void dragMarkerTo(int count)
    {
        for (int y = 0; y < 200 && scale->markerCount() != count; ++y)
            QTest::mousePress(scale, Qt::LeftButton, Qt::NoModifier, QPoint(scale->width() / 2, y));
        QTest::mouseRelease(scale, Qt::LeftButton);
        ASSERT_EQ(scale->markerCount(), count);
    }
    static std::array<uint8_t, 5> settingsOf(const SimKeyboard &kb, int row, int column)
    {
        return kb.state().keyTriggers[static_cast<std::size_t>(row * 22 + column)];
    }

    DTriggerSettingPage *trigger = nullptr;
    DSensitivityShowWidget *scale = nullptr;
};

TEST_F(TriggerTabOnSimulator, AppliedSelectionLandsInTheKeyboardAndAClickedKeyShowsIt)
{
    view->selectKeysInRect(0, 0, 5000, 5000);
    const QList<keyboardButCustom *> keys = view->dragSelectedKeys();
    ASSERT_GE(keys.size(), 2);
    onTab<QCheckBox>("checkBox_QuickTrigger")->click(); // the toggle puts the marker at mid-travel
    onTab<QCheckBox>("checkBox_SecondarySensitivity")->click();
    dragMarkerTo(12);
    onTab<QSlider>("horizontalSlider_PressJourney")->setValue(3);
    onTab<QSlider>("horizontalSlider_ReleaseJourney")->setValue(5);
    onTab<QAbstractButton>("pushButton_TriggerApply")->click();
    const std::array<uint8_t, 5> applied{13, 12, 12, 3, 5};
    ASSERT_TRUE(
        waitFor([&] { return settingsOf(*kb, keys.last()->indexX(), keys.last()->indexY()) == applied; }));
    for (const keyboardButCustom *k : keys)
        EXPECT_EQ(settingsOf(*kb, k->indexX(), k->indexY()), applied) << k->indexX() << "," << k->indexY();

    // The tab shown again starts from its defaults; a click on a key brings the keyboard's values.
    trigger->loadInitData();
    EXPECT_FALSE(onTab<QCheckBox>("checkBox_QuickTrigger")->isChecked());
    page->onTheDragAreaHaveChanged(1, 1, keys.first()->indexX(), keys.first()->indexY());
    ASSERT_TRUE(waitFor([&] { return onTab<QCheckBox>("checkBox_QuickTrigger")->isChecked(); }));
    EXPECT_EQ(scale->markerCount(), 12);
    EXPECT_EQ(onTab<QLabel>("label_PressJourneySecond4")->text(), QStringLiteral("0.3mm"));
    EXPECT_EQ(onTab<QLabel>("label_ReleaseJourneySecond5")->text(), QStringLiteral("0.5mm"));
}

TEST_F(TriggerTabOnSimulator, QuickClicksShowTheLastClickedKeyOnly)
{
    kb->update([](SimKeyboardState &s) {
        s.keyTriggers[1] = {12, 8, 8, 2, 2};  // row 0, column 1
        s.keyTriggers[2] = {0, 33, 33, 1, 1}; // row 0, column 2
    });
    kb->setReplyDelay(std::chrono::milliseconds(80));
    QSignalSpy shown(DDataManager::getInstance(),
                     &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    page->onTheDragAreaHaveChanged(1, 1, 0, 1);
    page->onTheDragAreaHaveChanged(1, 1, 0, 2);
    ASSERT_TRUE(waitFor([&] { return shown.size() == 1; }));
    QTest::qWait(300);
    EXPECT_EQ(shown.size(), 1) << "the answer for the first key was not shown";
    EXPECT_EQ(scale->markerCount(), 33);
    EXPECT_FALSE(onTab<QCheckBox>("checkBox_QuickTrigger")->isChecked());
}

TEST_F(TriggerTabOnSimulator, CalibrationShowsTheKeysLiveTravel)
{
    onTab<QCheckBox>("checkBox_CalibrationMode")->click();
    ASSERT_TRUE(DDataManager::getInstance()->isCalibrationRunning());
    page->onTheMagneticKeyboardCalibrationPoint(2, 5);
    onTab<QAbstractButton>("pushButton_KeyCalibration")->click();
    ASSERT_TRUE(waitFor([&] { return scale->liveTravel() == 40; })) << "the key reached the bottom";
    EXPECT_TRUE(scale->isLiveTravelShown());
    ASSERT_TRUE(waitFor([&] { return toast() == QStringLiteral("The key calibration successful"); }));
    EXPECT_EQ(scale->liveTravel(), 0) << "and came back up";
}

} // namespace
