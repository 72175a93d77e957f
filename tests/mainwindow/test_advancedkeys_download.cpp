// Advanced keys from the dialog to the keyboard: made and bound in the dialog the main window opens,
// given to keys of the current layer, downloaded, and read back from the simulated keyboard.
#include "dallkeysitemkey.h"
#include "dallkeysshowpage.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "ddksshowwidget.h"
#include "dmainwidget.h"
#include "donboarddownload.h"
#include "downloadframes.h"
#include "dseniorkeyeventlistitem.h"
#include "dseniorkeyspage.h"
#include "hiddevicemanager.h"
#include "keyfunctionitem.h"
#include "seniorkeystore.h"
#include "simulatedwindow.h"

#include <QAbstractButton>
#include <QLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

void clickTile(DSeniorKeysPage *dialog, int usage)
{
    for (DAllKeysItemKey *tile : dialog->findChildren<DAllKeysItemKey *>()) {
        if (tile->keyDec() == usage) {
            tile->click();
            return;
        }
    }
    ADD_FAILURE() << "no tile for usage " << usage;
}

void clickRow(DSeniorKeysPage *dialog, int index)
{
    for (auto *row : dialog->findChildren<DSeniorKeyEventListItem *>()) {
        if (row->seniorKeyInfoStu().index == index && row->parentWidget()->layout()->indexOf(row) >= 0) {
            QTest::mouseClick(row, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no row " << index;
}

template <typename T> T *named(QWidget *w, const char *name)
{
    T *found = w->findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

TEST(MainWindowAdvancedKeys, MadeInTheDialogBoundToKeysAndDownloadedToATL68HE)
{
    qputenv("TIDELUMEN_SIMULATE", "TL68HE");
    HidDeviceManager::instance().setBackend(nullptr);
    {
        DMainWidget window;
        window.show();
        DDevicePage *page = nullptr;
        std::shared_ptr<SimOnboardMemory> memory;
        ASSERT_TRUE(waitForSimulatedKeyboard(window, &page, &memory));

        // The device page's advanced-keys button opens the dialog over the dimmed window.
        named<QAbstractButton>(page, "toolButton_SeniorKey")->click();
        auto *dialog = window.findChild<DSeniorKeysPage *>();
        ASSERT_NE(dialog, nullptr);
        QWidget *overlay = window.findChild<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly);
        ASSERT_NE(overlay, nullptr);
        EXPECT_TRUE(overlay->isVisible());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return dialog->findChild<DAllKeysShowPage *>() != nullptr; }, 3000));
        QList<SeniorKeyInfoStu> before;
        ASSERT_TRUE(SeniorKeyStore::current().readAll(&before));
        ASSERT_TRUE(before.isEmpty());

        // A DKS key: A on its first slot, acting at the first travel point.
        named<QAbstractButton>(dialog, "pushButton_NewCreate")->click();
        ASSERT_TRUE(dialog->hasSelection());
        clickTile(dialog, 4);
        auto *grid = dialog->findChild<DDksShowWidget *>();
        ASSERT_NE(grid, nullptr);
        const QPoint crossing = grid->crossingCenter(0, 0);
        QMouseEvent hover(QEvent::MouseMove, QPointF(crossing), QPointF(grid->mapToGlobal(crossing)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid, &hover);
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, crossing);

        // A mod-tap key: left Ctrl when held, B when clicked, after 300 ms.
        QTest::mouseClick(named<QRadioButton>(dialog, "radioButton_MT"), Qt::LeftButton);
        named<QAbstractButton>(dialog, "pushButton_NewCreate")->click();
        clickRow(dialog, 2);
        clickTile(dialog, 224);
        named<QToolButton>(dialog, "toolButton_ClickKey")->click();
        clickTile(dialog, 5);
        auto *slider = named<QSlider>(dialog, "horizontalSlider_HoldDuration");
        slider->setSliderDown(true);
        slider->setValue(30);
        slider->setSliderDown(false);

        QSignalSpy listChanged(DDataManager::getInstance(), &DDataManager::sigSeniorKeysListItemHaveChanged);
        named<QAbstractButton>(dialog, "pushButton_Close")->click();
        EXPECT_EQ(listChanged.count(), 1);
        EXPECT_FALSE(overlay->isVisible());

        QList<SeniorKeyInfoStu> records;
        ASSERT_TRUE(SeniorKeyStore::current().readAll(&records));
        ASSERT_EQ(records.size(), 2);
        EXPECT_EQ(records[0].type, SeniorKeyDKS);
        EXPECT_STREQ(records[0].K1, "4");
        EXPECT_EQ(records[0].grid[0], 1);
        EXPECT_EQ(records[1].type, SeniorKeyMT);
        EXPECT_STREQ(records[1].K1, "224");
        EXPECT_STREQ(records[1].K2, "5");
        EXPECT_EQ(records[1].ValueTime, 300);

        // Two keys of the current layer get the records (function type 40, the record's index).
        const keyfunctionitem::Target target = keyfunctionitem::lightPressTarget();
        ASSERT_TRUE(target.isValid());
        ASSERT_TRUE(keyfunctionitem::save(target, 4, QStringLiteral("A"), 40, 0, 0, "1"));
        ASSERT_TRUE(keyfunctionitem::save(target, 5, QStringLiteral("B"), 40, 0, 0, "2"));

        named<QAbstractButton>(page->findChild<DCustomKeysPage *>(), "pushButton_Download")->click();
        auto *download = page->findChild<DOnboardDownload *>();
        ASSERT_NE(download, nullptr);
        QSignalSpy finished(download, &DOnboardDownload::sigDownloadFinished);
        ASSERT_TRUE(finished.wait(30000) || finished.size() == 1);
        EXPECT_TRUE(finished.first().at(0).toBool()) << finished.first().at(1).toString().toStdString();

        // The keyboard holds both records, each as the download packs what the store holds, and
        // the two keys point at them.
        QList<std::array<uint8_t, 58>> bound;
        for (uint8_t layer : {uint8_t(0), uint8_t(2)}) {
            for (const SimKeyAction &key : memory->decodeLayer(layer)) {
                if (key.hasAdvanced)
                    bound << key.advanced;
            }
        }
        ASSERT_EQ(bound.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const HidReport expected = downloadframes::advancedKeyFrame(i, &records[i]);
            std::array<uint8_t, 58> bytes{};
            std::copy(expected.begin() + 6, expected.end(), bytes.begin());
            EXPECT_TRUE(bound.contains(bytes)) << "record " << records[i].index;
        }
        EXPECT_NE(bound[0][0], bound[1][0]) << "one DKS and one mod-tap record";
    }
    HidDeviceManager::instance().setBackend(nullptr);
    qunsetenv("TIDELUMEN_SIMULATE");
}
