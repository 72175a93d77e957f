#include "ddevicekeyboardlink.h"
#include "fakekeyinjector.h"
#include "fixedtext.h"
#include "hidreport.h"
#include "keyoperateinfo.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <map>

using namespace hidproto;

namespace {

struct Item
{
    const char *type;
    const char *value;
};

// A link without a device that looks key items up in a table and records every lookup.
class PcKeyFunctions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        link = std::make_unique<DDeviceKeyboardLink>();
        hidStructInfoAll record;
        std::memset(&record, 0, sizeof(record));
        fixedtext::copy(record.hidPath, "/tidelumen-sim/absent/hidraw9");
        fixedtext::copy(record.modelKey, "TL87");
        link->openDevice(0, record);
        link->setProfileXmlPath(QStringLiteral("/p/appProfile_Default.xml"));
        link->setProfileIndex(2);
        link->setKeyInjector(injector);
        link->setAppLauncher([this](const QString &path) {
            launched << path;
            return true;
        });
        link->setKeyItemLookup([this](const char *path, const char *index, const char *code,
                                      KeyOperateInfo *info) {
            lookups << QStringLiteral("%1 %2 %3")
                           .arg(QString::fromUtf8(path), QString::fromUtf8(index), QString::fromUtf8(code));
            const auto it = items.find(std::atoi(code));
            if (it == items.end())
                return false;
            fixedtext::copy(info->type, it->second.type);
            fixedtext::copy(info->value, it->second.value);
            return true;
        });
    }

    void press(uint8_t keyCode, bool pressed = true)
    {
        HidReport r = makeReport(in::PcFunctionKey);
        r[9] = keyCode;
        r[10] = pressed ? 1 : 0;
        link->onHidDataArrived(QByteArray(reinterpret_cast<const char *>(r.data()), 64), 64, 0);
    }

    std::unique_ptr<DDeviceKeyboardLink> link;
    std::shared_ptr<FakeKeyInjector> injector = std::make_shared<FakeKeyInjector>();
    std::map<int, Item> items;
    QStringList lookups;
    QStringList launched;
};

TEST_F(PcKeyFunctions, EachTypeDoesItsOwnThingAndNothingElse)
{
    items = {{0x04, {"6", "Grüße, 世界 & <b>bold</b>"}},
             {0x05, {"7", "3"}},
             {0x06, {"8", "/opt/my apps/run.sh"}},
             {0x07, {"5", "-1"}},
             {0x08, {"9", "4"}},  // shortcuts are sent by the keyboard itself
             {0x09, {"42", "x"}}, // unknown type
             {0x0a, {"abc", "/bin/true"}}};
    QSignalSpy switched(link.get(), &DDeviceKeyboardLink::sigCustomEventChangProfile);

    press(0x04);
    press(0x05);
    press(0x06);
    for (uint8_t code : {0x07, 0x08, 0x09, 0x0a, 0x0b /* no item */})
        press(code);

    EXPECT_EQ(injector->pasted, QStringList{QStringLiteral("Grüße, 世界 & <b>bold</b>")});
    ASSERT_EQ(switched.count(), 1);
    EXPECT_EQ(switched.at(0).at(0).toInt(), 3);
    EXPECT_EQ(launched, QStringList{"/opt/my apps/run.sh"});
    // Key codes go to the store as decimal text, with the link's profile and index.
    EXPECT_EQ(lookups.first(), "/p/appProfile_Default.xml 2 4");
    EXPECT_EQ(lookups.size(), 8);
}

TEST_F(PcKeyFunctions, ReleasesNeitherReadTheProfileNorAct)
{
    items = {{0x04, {"6", "text"}}, {0x05, {"7", "3"}}};
    QSignalSpy switched(link.get(), &DDeviceKeyboardLink::sigCustomEventChangProfile);
    press(0x04, false);
    press(0x05, false);
    EXPECT_TRUE(lookups.isEmpty());
    EXPECT_TRUE(injector->pasted.isEmpty());
    EXPECT_EQ(switched.count(), 0);
}

TEST_F(PcKeyFunctions, TextKeyWithoutSyntheticInputDoesNothing)
{
    items = {{0x04, {"6", "text"}}};
    injector->available = false;
    press(0x04);
    EXPECT_TRUE(injector->pasted.isEmpty());
}

// The real launcher with a path a shell would split or expand: exactly that file runs, nothing else.
TEST(PcKeyLaunch, PathWithSpacesSemicolonAndSubstitutionStartsExactlyThatFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("my apps; $(touch injected)"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString marker = dir.filePath(QStringLiteral("ran"));
    const QString script = folder + QStringLiteral("/run me; $(touch injected2) `touch injected3`.sh");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\necho \"$0\" > '%1'\n").arg(marker).toUtf8());
        f.close();
        ASSERT_TRUE(
            f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    }

    DDeviceKeyboardLink link;
    hidStructInfoAll record;
    std::memset(&record, 0, sizeof(record));
    fixedtext::copy(record.hidPath, "/tidelumen-sim/absent/hidraw9");
    link.openDevice(0, record);
    const QByteArray value = script.toUtf8();
    link.setKeyItemLookup([&](const char *, const char *, const char *, KeyOperateInfo *info) {
        fixedtext::copy(info->type, "8");
        fixedtext::copy(info->value, value.constData());
        return true;
    });
    HidReport r = makeReport(in::PcFunctionKey);
    r[9] = 0x3a;
    r[10] = 1;
    link.onHidDataArrived(QByteArray(reinterpret_cast<const char *>(r.data()), 64), 64, 0);

    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile(marker).size() > 0; }, 5000));
    QFile out(marker);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(out.readAll()).trimmed(), script);
    for (const char *name : {"injected", "injected2", "injected3"}) {
        EXPECT_FALSE(QFile::exists(dir.filePath(QString::fromLatin1(name)))) << name;
        EXPECT_FALSE(QFile::exists(folder + QLatin1Char('/') + QString::fromLatin1(name))) << name;
        EXPECT_FALSE(QFile::exists(QDir::current().filePath(QString::fromLatin1(name)))) << name;
    }
}

} // namespace
