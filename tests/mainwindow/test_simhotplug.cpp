// Simulated keyboards plugged in and pulled out while the program runs reach the device page the
// way system device events do: through the hot-plug monitor and the main window.
#include "ddevicekeyboardlink.h"
#include "ddevicepage.h"
#include "devicepageprobe.h"
#include "dmainwidget.h"
#include "hiddevicemanager.h"
#include "modelcatalogue.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(MainWindowSimulatedHotPlug, PlugAndUnplugReachTheDevicePage)
{
    qputenv("TIDELUMEN_SIMULATE", "TL87");
    {
        DMainWidget window;
        auto *page = window.findChild<DDevicePage *>();
        ASSERT_NE(page, nullptr);
        SimulatedBackend *sim = HidDeviceManager::instance().simulatedBackend();
        ASSERT_NE(sim, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return page->linkMapCopy().size() == 1; }, 5000));

        const ModelInfo *model = ModelCatalogue::instance().find(QStringLiteral("TL104"));
        ASSERT_NE(model, nullptr);
        std::shared_ptr<SimKeyboard> added = sim->addKeyboard(*model, LinkType::Cable);
        EXPECT_TRUE(QTest::qWaitFor([&] { return page->linkMapCopy().size() == 2; }, 5000));
        EXPECT_TRUE(page->linkMapCopy().contains(QString::fromLatin1(added->path())));

        QSignalSpy over(page, &DDevicePage::sigIntoOrRemoveHidOver);
        const std::shared_ptr<SimKeyboard> first = sim->keyboards().first();
        const QString shown = QString::fromLatin1(first->path());
        ASSERT_NE(devicepage::currentLink(*page), nullptr);
        EXPECT_EQ(QString::fromUtf8(devicepage::currentLink(*page)->deviceRecord().hidPath), shown);
        first->unplug();
        EXPECT_TRUE(QTest::qWaitFor([&] { return over.size() == 1; }, 5000));
        EXPECT_EQ(page->linkMapCopy().keys(), QStringList{QString::fromLatin1(added->path())});
        ASSERT_NE(devicepage::currentLink(*page), nullptr) << "the remaining keyboard is shown";
        EXPECT_EQ(QString::fromUtf8(devicepage::currentLink(*page)->deviceRecord().hidPath),
                  QString::fromLatin1(added->path()));
        window.grab().save(QStringLiteral(TL_SHOT_DIR "/hotplug-after-unplug.png"));

        // Plugged in again, the keyboard comes back under a new path, with its card and link.
        first->plug();
        EXPECT_TRUE(QTest::qWaitFor([&] { return page->linkMapCopy().size() == 2; }, 5000)) << over.size();
        EXPECT_EQ(page->linkMapCopy().size(), 2);
        EXPECT_TRUE(page->linkMapCopy().contains(QString::fromLatin1(first->path())));
        QTest::qWait(300);
        window.grab().save(QStringLiteral(TL_SHOT_DIR "/hotplug-after-replug.png"));
    }
    qunsetenv("TIDELUMEN_SIMULATE");
}

TEST(MainWindowSimulatedHotPlug, KeyboardsChangingTogetherAllReachTheDevicePage)
{
    qputenv("TIDELUMEN_SIMULATE", "TL87");
    {
        DMainWidget window;
        auto *page = window.findChild<DDevicePage *>();
        ASSERT_NE(page, nullptr);
        SimulatedBackend *sim = HidDeviceManager::instance().simulatedBackend();
        ASSERT_NE(sim, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !page->linkMapCopy().isEmpty(); }, 5000));
        const ModelInfo *model = ModelCatalogue::instance().find(QStringLiteral("TL104"));
        ASSERT_NE(model, nullptr);

        // Changes within a few milliseconds reach the window as one notification of each kind.
        struct Case
        {
            const char *name;
            int unplug;
            int plug;
        };
        const Case cases[] = {
            {"two plugged", 0, 2},
            {"three plugged", 0, 3},
            {"one plugged while another is removed", 1, 1},
            {"two removed while one is plugged", 2, 1},
        };
        std::vector<std::shared_ptr<SimKeyboard>> added;
        for (const Case &c : cases) {
            SCOPED_TRACE(c.name);
            QStringList expected = page->linkMapCopy().keys();
            for (int i = 0; i < c.unplug; ++i) {
                std::shared_ptr<SimKeyboard> kb = added.back();
                added.pop_back();
                expected.removeAll(QString::fromLatin1(kb->path()));
                kb->unplug();
            }
            for (int i = 0; i < c.plug; ++i) {
                added.push_back(sim->addKeyboard(*model, LinkType::Cable));
                expected << QString::fromLatin1(added.back()->path());
            }
            expected.sort();
            EXPECT_TRUE(QTest::qWaitFor([&] { return page->linkMapCopy().keys() == expected; }, 8000))
                << page->linkMapCopy().keys().join(' ').toStdString();
            EXPECT_EQ(page->deviceRecordMapCopy().keys(), expected);
            ASSERT_NE(devicepage::currentLink(*page), nullptr);
        }
    }
    qunsetenv("TIDELUMEN_SIMULATE");
}
