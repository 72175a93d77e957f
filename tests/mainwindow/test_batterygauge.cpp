// The battery gauge shows for a keyboard with a battery and not for a cabled-only one, also when
// the user switches between them.
#include "batteryitem.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "ddevicelistitem.h"
#include "ddevicepage.h"
#include "devicepageprobe.h"
#include "dmainwidget.h"
#include "fixedtext.h"
#include "hiddevicemanager.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(MainWindowBatteryGauge, ShownOnlyForKeyboardsWithABattery)
{
    qputenv("TIDELUMEN_SIMULATE", "TL87,TL104");
    HidDeviceManager::instance().setBackend(nullptr);
    {
        DMainWidget window;
        window.show();
        auto *page = window.findChild<DDevicePage *>();
        ASSERT_NE(page, nullptr);
        auto *gauge = page->findChild<BatteryItem *>(QStringLiteral("label_ElectricityNum"));
        ASSERT_NE(gauge, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return page->linkMapCopy().size() == 2; }, 5000));
        for (int round = 0; round < 2; ++round) {
            for (DDeviceListItem *card : devicepage::cardsInListOrder(*page)) {
                if (card->deviceRecord().online != 1)
                    continue;
                const QString model =
                    QString::fromLatin1(fixedtext::view(card->deviceRecord().modelKey).data());
                SCOPED_TRACE(model.toStdString());
                QTest::mouseClick(card, Qt::LeftButton);
                ASSERT_TRUE(QTest::qWaitFor([&] { return devicepage::currentCard(*page) == card; }, 5000));
                // Several status reports come and go meanwhile.
                QTest::qWait(2500);
                EXPECT_EQ(gauge->isVisibleTo(page), model == QLatin1String("TL104"));
            }
        }
    }
    HidDeviceManager::instance().setBackend(nullptr);
    qunsetenv("TIDELUMEN_SIMULATE");
}
