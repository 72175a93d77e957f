// Zoomed to 2.0 in the smallest window, a full-size keyboard can be scrolled to its last key.
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "dmainwidget.h"
#include "hiddevicejoinframe.h"
#include "hiddevicemanager.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

TEST(MainWindowZoom, ALargeKeyboardScrollsAtTheLargestZoom)
{
    qputenv("TIDELUMEN_SIMULATE", "TL104");
    HidDeviceManager::instance().setBackend(nullptr);
    DDataManager *dm = DDataManager::getInstance();
    const QString appDirWas = dm->applicationDirPath();
    dm->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR)); // the keyboard pictures lie there
    {
        DMainWidget window;
        window.resize(window.minimumSize());
        window.show();
        auto *page = window.findChild<DDevicePage *>();
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return page->findChild<hidDeviceJoinFrame *>() != nullptr; }, 5000));
        auto *bigger = page->findChild<QAbstractButton *>(QStringLiteral("pushButton_MoreBig"));
        ASSERT_NE(bigger, nullptr);
        for (int i = 0; i < 12; ++i)
            bigger->click();
        EXPECT_EQ(page->findChild<QLabel *>(QStringLiteral("label_Multiple"))->text().toStdString(), "2.0");
        QTest::qWait(100);

        auto *scroll = page->findChild<QScrollArea *>(QStringLiteral("scrollArea_KeyboardView"));
        ASSERT_NE(scroll, nullptr) << "the keyboard view sits in a scroll area";
        auto *space =
            page->findChild<hidDeviceJoinFrame *>()->findChild<QWidget *>(QStringLiteral("frame_hidSpace"));
        ASSERT_NE(space, nullptr);
        const QSize viewport = scroll->viewport()->size();
        ASSERT_GT(space->width(), viewport.width()) << "the test needs a keyboard wider than the frame";
        // Scrolled to the end, the right edge of the keyboard comes into view.
        scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        QTest::qWait(50);
        const QPoint bottomRight =
            space->mapTo(scroll->viewport(), QPoint(space->width() - 1, space->height() - 1));
        EXPECT_TRUE(scroll->viewport()->rect().contains(bottomRight))
            << bottomRight.x() << "," << bottomRight.y() << " in " << viewport.width() << "x"
            << viewport.height();
        window.grab().save(QStringLiteral(TL_SHOT_DIR "/zoom-2.0-TL104-scrolled.png"));
    }
    dm->setApplicationDirPath(appDirWas);
    HidDeviceManager::instance().setBackend(nullptr);
    qunsetenv("TIDELUMEN_SIMULATE");
}
