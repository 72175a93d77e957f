// A key typed on the X server (injected through XTest, as a keyboard would produce it) reaches the
// function page that asked the host page for key capture.
#include "keyassign_fixture.h"
#include "windowshookinterface.h"

#include <QElapsedTimer>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

constexpr unsigned kXKeyA = 30 + 8;
constexpr int kVkA = 'A';
constexpr int kUsageA = 4;

bool waitUntil(const std::function<bool()> &done, int ms = 3000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QTest::qWait(10);
    return done();
}

TEST(CustomKeysPageX11, AnInjectedKeyReachesTheCapturingPage)
{
    Display *dpy = XOpenDisplay(nullptr);
    ASSERT_NE(dpy, nullptr) << "no X server: run under Xvfb";
    DDataManager *dm = DDataManager::getInstance();
    dm->setVkToHidMap({{kVkA, kUsageA}});
    ProfileFolder folder;
    RecordingPage *remap = nullptr;
    auto page = std::make_unique<DCustomKeysPage>(nullptr, [&remap](int tabId, QWidget *parent) {
        auto *p = new RecordingPage(parent);
        if (tabId == DCustomKeysPage::TabRemapKey)
            remap = p;
        return p;
    });
    folder.publishTo(*page);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));

    dm->setCurrentKey(5, QStringLiteral("B"));
    page->onCurIndexChanged_Key(DCustomKeysPage::TabRemapKey);
    remap->startCapture(true);
    ASSERT_EQ(page->hookMode(), WindowsHookInterface::kModeRemapCapture);

    XTestFakeKeyEvent(dpy, kXKeyA, True, CurrentTime);
    XTestFakeKeyEvent(dpy, kXKeyA, False, CurrentTime);
    XSync(dpy, False);
    EXPECT_TRUE(waitUntil([&] { return !remap->captured.empty(); }));
    QTest::qWait(150);
    EXPECT_EQ(remap->captured, std::vector<int>{kUsageA}) << "one press, the release dropped";

    // Leaving the tab ends the capture: the keyboard is free for other programs again.
    page->hide();
    const int status =
        XGrabKeyboard(dpy, DefaultRootWindow(dpy), False, GrabModeAsync, GrabModeAsync, CurrentTime);
    EXPECT_EQ(status, GrabSuccess);
    if (status == GrabSuccess)
        XUngrabKeyboard(dpy, CurrentTime);
    XCloseDisplay(dpy);
    dm->setVkToHidMap({});
}

} // namespace
