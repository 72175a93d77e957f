#include "cbnotice.h"
#include "dcustomkeyspage.h"
#include "ddevicepage.h"
#include "donboarddownload.h"

#include <QAbstractButton>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

namespace {

// Without an open keyboard the Download button ends at once with the failure text, never with
// success, and leaves the button usable again.
TEST(DevicePageDownload, WithoutAKeyboardShowsTheFailureAndStopsTheAnimation)
{
    auto page = std::make_unique<DDevicePage>();
    page->resize(1280, 700);
    DCustomKeysPage *keys = page->findChild<DCustomKeysPage *>();
    ASSERT_NE(keys, nullptr);
    auto *button = keys->findChild<QAbstractButton *>(QStringLiteral("pushButton_Download"));
    ASSERT_NE(button, nullptr);
    for (int press = 0; press < 2; ++press) {
        button->click();
        QTest::qWait(20);
        EXPECT_FALSE(keys->isDownloading()) << press;
        ASSERT_NE(page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly), nullptr);
        EXPECT_EQ(page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->text(),
                  DOnboardDownload::failureText())
            << press;
        auto *download = page->findChild<DOnboardDownload *>();
        ASSERT_NE(download, nullptr);
        EXPECT_FALSE(download->isRunning());
    }
}

} // namespace
