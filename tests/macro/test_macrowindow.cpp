// The macro editor as the user reaches it: the device page's macro button on a simulated keyboard.
#include "dcatchkeyandmouseitem.h"
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "dmacrolistitem.h"
#include "dmacropage.h"
#include "dmainwidget.h"
#include "macrostorefixture.h"

#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

TEST(MacroEditorWindow, MacroButtonOpensTheEditorOverTheDimmedWindow)
{
    qputenv("TIDELUMEN_SIMULATE", "TL68HE,TL87");
    {
        DMainWidget window;
        window.resize(1300, 820);
        window.show();
        auto *devicePage = window.findChild<DDevicePage *>();
        ASSERT_NE(devicePage, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return devicePage->linkMapCopy().size() == 2; }, 5000));

        char path[256] = {};
        DDataManager::getInstance()->copyMacroXmlPath(path);
        ASSERT_NE(path[0], '\0');
        ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(path, "1", "Reload"));
        ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(path, "2", "Burst"));
        QList<MacroEventRecord> reload = MacroStoreFile::press(1, "key", 21, "R", 0, 45);
        reload += MacroStoreFile::press(2, "mouse", 513, "Left Click", 20, 35);
        ASSERT_TRUE(CQuelmoXML_AddKeyOrMouseEventItem(path, reload, "1"));

        auto *button = devicePage->findChild<QToolButton *>(QStringLiteral("toolButton_MacroDialog"));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);

        QPointer<DMacroPage> editor = window.findChild<DMacroPage *>();
        ASSERT_FALSE(editor.isNull());
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->windowModality(), Qt::WindowModal);
        QWidget *overlay = window.findChild<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly);
        ASSERT_NE(overlay, nullptr);
        EXPECT_TRUE(overlay->isVisible());
        EXPECT_EQ(overlay->geometry(), window.rect());
        EXPECT_EQ(editor->frameGeometry().center(), window.frameGeometry().center())
            << "the editor sits in the middle of the window";

        ASSERT_TRUE(
            QTest::qWaitFor([&] { return editor->findChildren<DMacroListItem *>().size() == 2; }, 2000));
        EXPECT_EQ(editor->currentName(), QStringLiteral("Reload"));
        EXPECT_EQ(editor->findChildren<DCatchKeyAndMouseItem *>().size(), 4);

        QSignalSpy refreshed(devicePage, &DDevicePage::sigMacroListHaveChangedSendToDevice);
        editor->notifyMacroChanged(0);
        ASSERT_EQ(refreshed.size(), 1) << "a changed macro reaches the device page";
        EXPECT_EQ(refreshed.at(0).at(0).toString(), QStringLiteral("1"));

        QTest::keyClick(editor.data(), Qt::Key_Escape);
        EXPECT_FALSE(overlay->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([&] { return editor.isNull(); }, 2000));

        // A second opening builds a new editor over the same overlay.
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(overlay->isVisible());
        EXPECT_EQ(window.findChildren<DMacroPage *>().size(), 1);
        EXPECT_EQ(window.findChildren<QWidget *>(QStringLiteral("widget"), Qt::FindDirectChildrenOnly).size(),
                  1);
    }
    qunsetenv("TIDELUMEN_SIMULATE");
}
