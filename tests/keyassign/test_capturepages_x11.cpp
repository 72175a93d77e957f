// The remap page on a real X server: a key typed on the keyboard (injected through XTest) while
// the page's pop-up is open becomes the selected key's new function.
#include "arrowwidget.h"
#include "dchangekeypage.h"
#include "keyassign_fixture.h"
#include "keyfunctionitem.h"
#include "windowshookinterface.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

constexpr unsigned kXKeyReturn = 28 + 8;
constexpr int kKeyCode = 5;
constexpr int kUsageEnter = 40;

bool waitUntil(const std::function<bool()> &done, int ms = 3000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

QByteArray storedValue()
{
    KeyOperateInfo info{};
    if (!keyfunctionitem::read(keyfunctionitem::lightPressTarget(), kKeyCode, info))
        return {};
    return QByteArray(info.value);
}

TEST(RemapPageX11, AKeyPressedWhileThePopupIsOpenBecomesTheTarget)
{
    Display *dpy = XOpenDisplay(nullptr);
    ASSERT_NE(dpy, nullptr) << "no X server: run under Xvfb";
    resetKeySelection();
    ProfileFolder folder;
    auto host = std::make_unique<DCustomKeysPage>();
    folder.publishTo(*host);
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    host->activateWindow();

    DDataManager::getInstance()->setCurrentKey(kKeyCode, QStringLiteral("B"));
    host->onCurIndexChanged_Key(DCustomKeysPage::TabRemapKey);
    auto *remap = host->findChild<DChangeKeyPage *>(QStringLiteral("DChangeKeyPage"));
    ASSERT_NE(remap, nullptr);
    auto *field = remap->findChild<QLineEdit *>(QStringLiteral("lineEdit_changForKey"));
    auto *popup = remap->findChild<ArrowWidget *>();
    ASSERT_TRUE(waitUntil([&] { return field->isVisible(); }));

    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return popup->isVisible(); })) << "the click opens the pop-up";
    EXPECT_EQ(host->hookMode(), WindowsHookInterface::kModeRemapCapture);

    XTestFakeKeyEvent(dpy, kXKeyReturn, True, CurrentTime);
    XTestFakeKeyEvent(dpy, kXKeyReturn, False, CurrentTime);
    XSync(dpy, False);
    EXPECT_TRUE(waitUntil([] { return storedValue() == QByteArray::number(kUsageEnter); }))
        << "stored: " << storedValue().constData();
    EXPECT_EQ(field->text(), DDataManager::getInstance()->keyNameMap().value(kUsageEnter));
    EXPECT_TRUE(popup->isVisible()) << "the pop-up stays open for the next key";

    // Closing the pop-up frees the keyboard for other programs.
    popup->hide();
    emit popup->sigArrowWidgetHide();
    const int status =
        XGrabKeyboard(dpy, DefaultRootWindow(dpy), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    EXPECT_EQ(status, GrabSuccess);
    if (status == GrabSuccess)
        XUngrabKeyboard(dpy, CurrentTime);
    host.reset();
    XCloseDisplay(dpy);
}

} // namespace
