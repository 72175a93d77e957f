// A picture of the device page with two cards and an open keyboard's view on the trigger tab,
// written to the build folder for a person to look at.
#include "ddatamanager.h"
#include "ddevicelistitem.h"
#include "ddevicepage.h"
#include "dragshowarea.h"
#include "fixedtext.h"
#include "hiddevicejoinframe.h"

#include <QBoxLayout>
#include <QDir>
#include <QPixmap>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

TEST(DevicePagePicture, CardsAndViewOnTheTriggerTab)
{
    DDataManager *dm = DDataManager::getInstance();
    dm->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR));
    dm->loadTheme(0);
    const QString dir = QStringLiteral(TL_OUTPUT_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(dir));

    DDevicePage page;
    page.resize(1280, 760);
    page.applyTheme();

    QWidget *contents = page.findChild<QWidget *>(QStringLiteral("scrollAreaWidgetContents_2"));
    auto *list = static_cast<QBoxLayout *>(contents->layout());
    const struct
    {
        const char *product, *device, *model;
        int link;
    } cards[] = {{"Tidelumen TL87", "TL87 Keyboard", "TL87", 0}, {"Tidelumen TL68HE", "TL68HE", "TL68HE", 1}};
    for (const auto &c : cards) {
        hidStructInfoAll r{};
        fixedtext::copy(r.productName, c.product);
        fixedtext::copy(r.deviceName, c.device);
        fixedtext::copy(r.modelKey, c.model);
        r.online = 1;
        r.linkType = c.link;
        auto *card = new DDeviceListItem(contents);
        card->setDeviceInfo(r);
        card->setSelected(c.link == 0);
        list->insertWidget(list->count() - 1, card);
    }

    QWidget *host = page.findChild<QWidget *>(QStringLiteral("hidDeviceShowFrame"));
    auto *container = new QWidget(host);
    host->layout()->addWidget(container);
    auto *view = new hidDeviceJoinFrame(container);
    view->buildKeyboardView(QStringLiteral("TL87"));
    container->setFixedSize(view->size());
    auto *drag = new dragShowArea(container);
    drag->setGeometry(view->geometry());
    page.installKeyboardView(view, drag);
    page.findChild<QStackedWidget *>(QStringLiteral("stackedWidget_3"))
        ->setCurrentWidget(page.findChild<QWidget *>(QStringLiteral("page_HaveDevice")));
    page.onCurIndexChangedMainPage(4);
    view->selectKeysInRect(0, 0, 400, 120);

    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    QTest::qWait(250); // the scroll-bar sheet
    EXPECT_TRUE(page.grab().save(dir + QStringLiteral("/devicepage_trigger.png")));
}
