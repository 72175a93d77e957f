#include "colorinfodata.h"
#include "cquelmoxml.h"
#include "customlightreport.h"
#include "dcustomlightlistitem.h"
#include "ddatamanager.h"
#include "dlightsconfigpage.h"
#include "keyboardbutcustom.h"
#include "recordinghid.h"
#include "testenv.h"
#include "xmlstore.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace hidproto;

namespace {

struct Scheme
{
    const char *index;
    const char *name;
    const char *status;
    int slot;
};

// The schemes a new profile gets.
const QList<Scheme> kDefaultSchemes{{"0", "Alphabets", "Using", 0},
                                    {"1", "WASD+Arrows", "Using", 1},
                                    {"2", "Custom 3", "UnUsing", -1},
                                    {"3", "Custom 4", "UnUsing", -1},
                                    {"4", "Custom 5", "UnUsing", -1}};

class CustomLightTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        DDataManager *dm = DDataManager::getInstance();
        dm->loadTheme(0);
        XmlStore::instance().clearCache();
        profile = QFile::encodeName(QDir(testenv::home()).filePath(QStringLiteral("custom-profile.xml")));
        QFile::remove(QFile::decodeName(profile));
        ASSERT_TRUE(CQuelmoXML_CreateXMLFile(profile.constData()));
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(profile.constData(), "1", "Lights", 0));
        ASSERT_TRUE(dm->setProfileXmlPath(profile.constData()));
        dm->setProfileIndex(1);
        hid.sent.clear();
        keys.clear();
        for (int k = 0; k < customlightreport::kKeys; ++k) {
            keys.push_back(std::make_unique<keyboardButCustom>());
            keys.back()->setIndex(k / 22, k % 22);
        }
        QList<keyboardButCustom *> list;
        for (const auto &k : keys)
            list.append(k.get());
        dm->setKeyButtonList(list);
    }
    void TearDown() override
    {
        page.reset();
        DDataManager::getInstance()->setKeyButtonList({});
    }

    void addSchemes(const QList<Scheme> &schemes)
    {
        for (const Scheme &s : schemes)
            ASSERT_TRUE(CQuelmoXML_AddProFileCustomLightNode(profile.constData(), "1", s.index, s.name,
                                                             s.status, s.slot));
    }
    void openPage()
    {
        page = std::make_unique<DLightsConfigPage>();
        page->setProfileIndex(1);
        page->setProfileXmlPath(profile.constData());
        page->setHidInterface(&hid);
        LightModeSupport modes;
        modes.lightTypes = {0, 1, 2, 10};
        modes.speedSteps = modes.brightnessSteps = 4;
        page->setSupportedLightModes(modes, LightModeSupport{});
        page->applyTheme();
        page->resize(1098, 272);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        changed = std::make_unique<QSignalSpy>(page.get(), &DLightsConfigPage::sigCustomLightItemHaveChanged);
        tips =
            std::make_unique<QSignalSpy>(page.get(), &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
    }
    void chooseCustom()
    {
        QTest::mouseClick(page->findChild<QAbstractButton *>(QStringLiteral("toolButton_CustomLed")),
                          Qt::LeftButton);
    }
    // The rows of the list as shown: the earlier load's rows gone, the new ones shown.
    QList<DCustomLightListItem *> rows() const
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<DCustomLightListItem *> out;
        for (DCustomLightListItem *r : page->findChildren<DCustomLightListItem *>())
            if (r->isVisibleTo(page.get()))
                out.append(r);
        return out;
    }
    DCustomLightListItem *row(const QString &index) const
    {
        for (DCustomLightListItem *r : rows())
            if (r->customLightIndex() == index)
                return r;
        ADD_FAILURE() << "no row " << index.toStdString();
        return nullptr;
    }
    static QCheckBox *box(DCustomLightListItem *r)
    {
        return r->findChild<QCheckBox *>(QStringLiteral("checkBox"));
    }
    QVector<HidReport> sent(uint8_t cmd) const
    {
        QVector<HidReport> out;
        for (const HidReport &r : hid.sent)
            if (r[kCmdByte] == cmd)
                out.append(r);
        return out;
    }
    QList<CustomLightNode> storedNodes() const
    {
        QList<CustomLightNode> nodes;
        CQuelmoXML_SelectProFileCustomLightAllNodes(profile.constData(), "1", &nodes);
        return nodes;
    }
    // "index:status:slot" for every stored scheme.
    QStringList storedSlots() const
    {
        QStringList out;
        for (const CustomLightNode &n : storedNodes())
            out << QStringLiteral("%1:%2:%3").arg(n.index, n.usingStatus).arg(n.usingFlagIndex);
        return out;
    }
    QStringList checkedRows() const
    {
        QStringList out;
        for (DCustomLightListItem *r : rows())
            if (box(r)->isChecked())
                out << r->customLightIndex();
        return out;
    }

    QByteArray profile;
    RecordingHid hid;
    std::vector<std::unique_ptr<keyboardButCustom>> keys;
    std::unique_ptr<DLightsConfigPage> page;
    std::unique_ptr<QSignalSpy> changed;
    std::unique_ptr<QSignalSpy> tips;
};

// Loading the list selects the scheme in use whose slot is the one remembered: slot 0 when the user
// chooses Custom, the reported slot when the keyboard switched. Nothing else is announced.
TEST_F(CustomLightTest, LoadingSelectsTheSchemeOfTheRememberedSlot)
{
    struct Case
    {
        const char *what;
        QList<Scheme> schemes;
        int reportedSlot; // -1: the user chooses Custom
        const char *selected;
    };
    const QList<Case> cases{
        {"user chooses Custom", kDefaultSchemes, -1, "0"},
        {"keyboard shows slot 1", kDefaultSchemes, 1, "1"},
        {"no scheme holds slot 0", {{"0", "A", "UnUsing", -1}, {"1", "B", "Using", 1}}, -1, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        addSchemes(c.schemes);
        openPage();
        if (c.reportedSlot < 0)
            chooseCustom();
        else
            page->updateCustomLightFromHid(0, 10, c.reportedSlot);
        EXPECT_TRUE(page->findChild<QWidget *>(QStringLiteral("frame_D"))->isVisible());
        ASSERT_EQ(rows().size(), c.schemes.size());
        if (!c.selected) {
            EXPECT_EQ(changed->count(), 0);
            EXPECT_EQ(page->currentCustomLightIndex(), -1);
        } else {
            ASSERT_EQ(changed->count(), 1);
            EXPECT_EQ(changed->at(0).at(1).toString(), c.selected);
            EXPECT_EQ(page->currentCustomLightIndex(), QString(c.selected).toInt());
            for (DCustomLightListItem *r : rows())
                EXPECT_EQ(r->isSelected(), r->customLightIndex() == c.selected);
        }
        EXPECT_EQ(checkedRows(),
                  (QStringList{c.schemes.size() == 5 ? QStringList{"0", "1"} : QStringList{"1"}}));
        TearDown();
    }
}

// Checking a scheme that is not in use moves it into the remembered slot and releases the scheme
// that held it, in the profile and on screen, then uploads its colours to that slot. A profile
// that does not hold exactly two schemes in use is left alone and the check mark taken back.
TEST_F(CustomLightTest, CheckingASchemeTakesOverTheRememberedSlot)
{
    struct Case
    {
        const char *what;
        QList<Scheme> schemes;
        const char *pressed; // the row pressed before the check box, or none
        const char *checked;
        QStringList stored; // after the check
        int slot;           // uploaded to; -1 none
    };
    const QList<Case> cases{
        {"unused scheme pressed: slot 0",
         kDefaultSchemes,
         "2",
         "3",
         {"0:UnUsing:-1", "1:Using:1", "2:UnUsing:-1", "3:Using:0", "4:UnUsing:-1"},
         0},
        {"scheme in slot 1 pressed",
         kDefaultSchemes,
         "1",
         "4",
         {"0:Using:0", "1:UnUsing:-1", "2:UnUsing:-1", "3:UnUsing:-1", "4:Using:1"},
         1},
        {"three schemes in use",
         {{"0", "A", "Using", 0}, {"1", "B", "Using", 1}, {"2", "C", "Using", 1}, {"3", "D", "UnUsing", -1}},
         "0",
         "3",
         {"0:Using:0", "1:Using:1", "2:Using:1", "3:UnUsing:-1"},
         -1},
        {"one scheme in use",
         {{"0", "A", "Using", 0}, {"1", "B", "UnUsing", -1}},
         nullptr,
         "1",
         {"0:Using:0", "1:UnUsing:-1"},
         -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        addSchemes(c.schemes);
        openPage();
        chooseCustom();
        if (c.pressed)
            QTest::mousePress(row(c.pressed), Qt::LeftButton);
        changed->clear();
        hid.sent.clear();

        QTest::mouseClick(box(row(c.checked)), Qt::LeftButton);

        EXPECT_EQ(storedSlots(), c.stored);
        EXPECT_TRUE(row(c.checked)->isSelected());
        if (c.slot < 0) {
            EXPECT_FALSE(box(row(c.checked))->isChecked()) << "a check the profile does not hold";
            EXPECT_EQ(tips->count(), 1);
            EXPECT_EQ(changed->count(), 0);
            EXPECT_TRUE(hid.sent.isEmpty());
        } else {
            QStringList inUse;
            for (const QString &s : c.stored)
                if (s.contains(QLatin1String(":Using:")))
                    inUse << s.section(QLatin1Char(':'), 0, 0);
            EXPECT_EQ(checkedRows(), inUse);
            ASSERT_EQ(changed->count(), 1);
            EXPECT_EQ(changed->at(0).at(0).toInt(), c.slot);
            EXPECT_EQ(changed->at(0).at(1).toString(), c.checked);
            EXPECT_EQ(changed->at(0).at(2).toString(), "CustomLight");
            const QVector<HidReport> colours = sent(out::CustomColours);
            ASSERT_EQ(colours.size(), 8);
            for (const HidReport &r : colours)
                EXPECT_EQ(r[kSubByte], c.slot);
        }
        TearDown();
    }
}

// Pressing the selected row again announces nothing; pressing another announces it once.
TEST_F(CustomLightTest, PressingARowSelectsItOnce)
{
    addSchemes(kDefaultSchemes);
    openPage();
    chooseCustom();
    changed->clear();
    QTest::mousePress(row("0"), Qt::LeftButton);
    EXPECT_EQ(changed->count(), 0);
    QTest::mousePress(row("3"), Qt::LeftButton);
    ASSERT_EQ(changed->count(), 1);
    EXPECT_EQ(changed->at(0), (QList<QVariant>{-1, "3", "Custom 4"}));
    EXPECT_EQ(page->currentCustomLightIndex(), 3);
    // An unused scheme has no slot to send to.
    hid.sent.clear();
    page->resendCustomLight();
    EXPECT_TRUE(hid.sent.isEmpty());
}

// The upload: eight colour reports over the whole key matrix with the scheme's own colours (not
// the dimmed ones shown), then the light configuration without a time stamp.
TEST_F(CustomLightTest, UploadSendsTheSchemeColoursOfAllKeys)
{
    addSchemes(kDefaultSchemes);
    openPage();
    hid.sent.clear();
    page->resendCustomLight();
    EXPECT_TRUE(hid.sent.isEmpty()) << "no slot remembered yet";

    chooseCustom();
    for (int k = 0; k < customlightreport::kKeys; ++k) {
        keys[k]->setCustomLightColor(QColor(k, 255 - k, (k * 7) % 256));
        keys[k]->setLightColor(QColor(k / 2, 1, 2)); // what the view shows, dimmed
    }
    page->updateCustomLightFromHid(0, 10, 1);
    hid.sent.clear();
    page->resendCustomLight();

    ASSERT_EQ(hid.sent.size(), 9);
    for (int p = 0; p < 8; ++p) {
        SCOPED_TRACE(p);
        const HidReport &r = hid.sent[p];
        EXPECT_EQ(r[kIdByte], 0x01);
        EXPECT_EQ(r[kCmdByte], out::CustomColours);
        EXPECT_EQ(r[kSubByte], 1);
        EXPECT_EQ(r[3], 0);
        EXPECT_EQ(r[kPacketByte], p);
        const int keysInPacket = p < 7 ? 18 : 6;
        EXPECT_EQ(r[kLengthByte], keysInPacket * 3);
        for (int i = 0; i < keysInPacket; ++i) {
            const int k = p * 18 + i;
            EXPECT_EQ(std::make_tuple(r[6 + 3 * i], r[7 + 3 * i], r[8 + 3 * i]),
                      std::make_tuple(k, 255 - k, (k * 7) % 256))
                << "key " << k;
        }
        for (size_t b = 6 + keysInPacket * 3; b < kReportSize; ++b)
            EXPECT_EQ(r[b], 0) << "byte " << b;
    }
    const HidReport &config = hid.sent[8];
    EXPECT_EQ(config[kCmdByte], out::KeyboardLight);
    EXPECT_EQ(config[6], lighttypes::kCustom);
    EXPECT_EQ(config[16], page->currentRecord().fullColorMode);
    EXPECT_EQ(config[62], 0);
    EXPECT_EQ(config[63], 0);
}

// The keyboard's report of the scheme it shows is taken for slots 0 and 1 only; choosing Custom by
// hand goes back to slot 0.
TEST_F(CustomLightTest, KeyboardReportedSlot)
{
    addSchemes(kDefaultSchemes);
    openPage();
    page->updateCustomLightFromHid(0, 10, 1);
    EXPECT_EQ(page->currentCustomLightIndex(), 1);
    for (int bad : {2, -1, 255}) {
        changed->clear();
        hid.sent.clear();
        page->updateCustomLightFromHid(0, 10, bad);
        EXPECT_EQ(changed->count(), 0) << bad;
        EXPECT_TRUE(hid.sent.isEmpty()) << bad;
        EXPECT_EQ(page->currentCustomLightIndex(), 1) << bad;
    }
    page->resendCustomLight();
    ASSERT_FALSE(sent(out::CustomColours).isEmpty());
    EXPECT_EQ(sent(out::CustomColours).first()[kSubByte], 1);

    chooseCustom();
    EXPECT_EQ(page->currentCustomLightIndex(), 0);
}

class CustomLightRowTest : public CustomLightTest
{
protected:
    void SetUp() override
    {
        CustomLightTest::SetUp();
        addSchemes(kDefaultSchemes);
        item = std::make_unique<DCustomLightListItem>();
        item->setCustomLightInfo("2", "Custom 3", "UnUsing", -1);
        item->applyTheme();
        item->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(item.get()));
    }
    void TearDown() override
    {
        item.reset();
        CustomLightTest::TearDown();
    }
    template <typename T> T *child(const char *name)
    {
        return item->findChild<T *>(QString::fromLatin1(name));
    }
    QString stored(const char *index) const
    {
        for (const CustomLightNode &n : storedNodes())
            if (QString::fromLatin1(n.index) == index)
                return QString::fromUtf8(n.name);
        return {};
    }
    void edit(const QString &text)
    {
        QTest::mouseDClick(item.get(), Qt::LeftButton);
        ASSERT_EQ(child<QStackedWidget>("stackedWidget")->currentIndex(), 1);
        EXPECT_EQ(child<QLineEdit>("lineEdit_CustomItemName")->text(), "Custom 3");
        child<QLineEdit>("lineEdit_CustomItemName")->setText(text);
    }
    std::unique_ptr<DCustomLightListItem> item;
};

TEST_F(CustomLightRowTest, NewRowHasNoScheme)
{
    DCustomLightListItem fresh;
    EXPECT_EQ(fresh.customLightIndex(), "-1");
    EXPECT_EQ(fresh.usingFlagIndex(), -1);
    for (const char *status : {"UnUsing", "using", ""}) {
        fresh.setCustomLightInfo("1", "x", status, -1);
        EXPECT_FALSE(fresh.findChild<QCheckBox *>()->isChecked()) << status;
    }
}

// Renaming: Save stores the new name; an empty name, or one the profile refuses, keeps the editor
// open and the old name; Cancel keeps the old name.
TEST_F(CustomLightRowTest, Renaming)
{
    struct Case
    {
        QString text;
        const char *button;
        const char *signal; // the one signal expected, or none
        QString name;       // on the label and in the profile afterwards
        int page;
    };
    const QString tooLong(70, QLatin1Char('n'));
    const QList<Case> cases{
        {"", "pushButton_Save", "empty", "Custom 3", 1},
        {tooLong, "pushButton_Save", "failed", "Custom 3", 1},
        {"Mine", "pushButton_Cancel", nullptr, "Custom 3", 0},
        {"Räume", "pushButton_Save", "success", "Räume", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " " + c.button);
        QSignalSpy empty(item.get(), &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty);
        QSignalSpy failed(item.get(), &DCustomLightListItem::sigModifyCustomLightItemNameFailed);
        QSignalSpy success(item.get(), &DCustomLightListItem::sigModifyCustomLightItemNameSuccess);
        child<QStackedWidget>("stackedWidget")->setCurrentIndex(0);
        item->setCustomLightInfo("2", stored("2"), "UnUsing", -1);
        edit(c.text);
        QTest::mouseClick(child<QPushButton>(c.button), Qt::LeftButton);
        EXPECT_EQ(empty.count(), QString(c.signal) == "empty" ? 1 : 0);
        EXPECT_EQ(failed.count(), QString(c.signal) == "failed" ? 1 : 0);
        EXPECT_EQ(success.count(), QString(c.signal) == "success" ? 1 : 0);
        EXPECT_EQ(child<QStackedWidget>("stackedWidget")->currentIndex(), c.page);
        EXPECT_EQ(child<QLabel>("label_CustomItemName")->text(), c.name);
        EXPECT_EQ(item->customLightName(), c.name);
        EXPECT_EQ(stored("2"), c.name);
    }
}

// Only a click that checks the box is reported; a click on a checked box leaves it checked.
TEST_F(CustomLightRowTest, CheckBoxReportsOnlyChecking)
{
    QSignalSpy using_(item.get(), &DCustomLightListItem::sigCustomLightUsingStatus);
    auto *check = child<QCheckBox>("checkBox");
    QTest::mouseClick(check, Qt::LeftButton);
    ASSERT_EQ(using_.count(), 1);
    EXPECT_TRUE(using_.at(0).at(0).toBool());
    EXPECT_TRUE(check->isChecked());
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(using_.count(), 1);
    EXPECT_TRUE(check->isChecked());
}

} // namespace
