// The program's own simulation, chosen from TIDELUMEN_SIMULATE the way the program starts, takes a
// Download from the button to the keyboard's acknowledgement of every frame.
#include "cbnotice.h"
#include "dcustomkeyspage.h"
#include "ddevicekeyboardlink.h"
#include "ddevicepage.h"
#include "devicepageprobe.h"
#include "dmainwidget.h"
#include "donboarddownload.h"
#include "hiddevicemanager.h"
#include "simdownloadhandlers.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"
#include "simulatedwindow.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(MainWindowSimulatedDownload, DownloadSucceedsForEverySimulatedModel)
{
    for (const char *model : {"TL68HE", "TL87", "TL104"}) {
        SCOPED_TRACE(model);
        qputenv("TIDELUMEN_SIMULATE", model);
        // No back end yet: the first device call picks one from the environment, as at start-up.
        HidDeviceManager::instance().setBackend(nullptr);
        {
            DMainWidget window;
            DDevicePage *page = nullptr;
            std::shared_ptr<SimOnboardMemory> memory;
            ASSERT_TRUE(waitForSimulatedKeyboard(window, &page, &memory));

            auto *button = page->findChild<DCustomKeysPage *>()->findChild<QAbstractButton *>(
                QStringLiteral("pushButton_Download"));
            ASSERT_NE(button, nullptr);
            button->click();
            auto *download = page->findChild<DOnboardDownload *>();
            ASSERT_NE(download, nullptr);
            QSignalSpy finished(download, &DOnboardDownload::sigDownloadFinished);
            ASSERT_TRUE(finished.wait(30000) || finished.size() == 1);
            EXPECT_TRUE(finished.first().at(0).toBool()) << finished.first().at(1).toString().toStdString();
            EXPECT_EQ(
                page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->text().toStdString(),
                DOnboardDownload::successText().toStdString());
            EXPECT_GT(memory->keyLayerFramesReceived(), 0);
            EXPECT_GT(memory->macroFramesReceived(), 0);
            EXPECT_EQ(memory->acksSent(), memory->macroFramesReceived());
        }
        HidDeviceManager::instance().setBackend(nullptr);
    }
    qunsetenv("TIDELUMEN_SIMULATE");
}
