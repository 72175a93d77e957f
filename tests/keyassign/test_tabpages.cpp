#include "dcustomkeyspage.h"
#include "ddatamanager.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(CustomKeysPage, DownloadStartsOnceUntilTheAnimationIsStopped)
{
    DCustomKeysPage page;
    QSignalSpy spy(&page, &DCustomKeysPage::sigTheKeyboardIntoDownloading);
    auto *button = page.findChild<QPushButton *>("pushButton_Download");
    auto *loading = page.findChild<QLabel *>("label_Loading");
    ASSERT_TRUE(button && loading);
    page.show();

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(page.isDownloading());
    EXPECT_TRUE(loading->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1) << "a second click while downloading does nothing";

    page.stopDownloadAnimation();
    EXPECT_FALSE(page.isDownloading());
    EXPECT_FALSE(loading->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 2);
}

TEST(CustomKeysPage, ProfilePathIsKeptOnlyWhenItFits)
{
    DCustomKeysPage page;
    page.setProfileXmlPath("/p/Profile1/appProfile_Default.xml");
    EXPECT_STREQ(page.profileXmlPath(), "/p/Profile1/appProfile_Default.xml");
    const std::string tooLong(300, 'x');
    page.setProfileXmlPath(tooLong.c_str());
    EXPECT_STREQ(page.profileXmlPath(), "/p/Profile1/appProfile_Default.xml");
}

TEST(CustomKeysPage, KeyClickAnnouncesTheTabAndResetClearsTheSelection)
{
    DCustomKeysPage page;
    QSignalSpy into(&page, &DCustomKeysPage::sigAutoIntoCustomKeysPage);
    page.onKeyButtonClickedReturnKeyCodeAndKeyChar(4, "A");
    EXPECT_EQ(into.count(), 1);
    DDataManager::getInstance()->setCurrentKey(4, "A");
    page.resetPage(1);
    EXPECT_EQ(page.currentLayer(), 1);
    EXPECT_EQ(DDataManager::getInstance()->currentKeyCode(), -1);
}

} // namespace
