// Closing to the tray on a real X server with a real window manager: with a tray host the window
// hides and a click on its tray icon brings it back; without one it is minimised, never hidden.
// Also keeps pictures of the chrome in every theme.
#include "ddatamanager.h"
#include "dmainwidget.h"

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// Last: Xlib's macros (None, Bool, Status) would otherwise clash with the headers above.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

Atom atom(Display *d, const char *name)
{
    return XInternAtom(d, name, False);
}

bool hasWindowManager(Display *d)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    const bool found =
        XGetWindowProperty(d, DefaultRootWindow(d), atom(d, "_NET_SUPPORTING_WM_CHECK"), 0, 1, False,
                           AnyPropertyType, &type, &format, &count, &after, &data) == Success &&
        count > 0;
    if (data)
        XFree(data);
    return found;
}

bool hasTrayHost(Display *d)
{
    return XGetSelectionOwner(d, atom(d, "_NET_SYSTEM_TRAY_S0")) != None;
}

class TrayX11 : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_display = XOpenDisplay(nullptr);
        ASSERT_NE(s_display, nullptr);
        if (!hasWindowManager(s_display)) {
            s_wm = new QProcess;
            s_wm->start(QStringLiteral("openbox"), QStringList());
            ASSERT_TRUE(s_wm->waitForStarted(5000)) << "openbox is needed (scripts/deps.sh installs it)";
            ASSERT_TRUE(QTest::qWaitFor([] { return hasWindowManager(s_display); }, 10000));
        }
    }
    static void TearDownTestSuite()
    {
        if (s_wm) {
            s_wm->terminate();
            s_wm->waitForFinished(5000);
            delete s_wm;
            s_wm = nullptr;
        }
        XCloseDisplay(s_display);
    }
    void SetUp() override
    {
        const QString config = DDataManager::getInstance()->userConfigPath();
        QDir(config).removeRecursively();
        QDir().mkpath(config);
    }

    static void click(const QPoint &global)
    {
        XTestFakeMotionEvent(s_display, -1, global.x(), global.y(), CurrentTime);
        XTestFakeButtonEvent(s_display, 1, True, CurrentTime);
        XTestFakeButtonEvent(s_display, 1, False, CurrentTime);
        XFlush(s_display);
    }

    static Display *s_display;
    static QProcess *s_wm;
};

Display *TrayX11::s_display = nullptr;
QProcess *TrayX11::s_wm = nullptr;

TEST_F(TrayX11, WithoutATrayTheCloseButtonMinimises)
{
    ASSERT_FALSE(hasTrayHost(s_display)) << "this case needs a display without a tray";
    DMainWidget w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_FALSE(w.hasTrayIcon());

    // The chrome in every theme, and maximised, for a look.
    const char *names[] = {"black", "light", "blue", "pink", "other"};
    for (int theme = 0; theme < 5; ++theme) {
        w.onChangAppTheme(theme);
        QTest::qWait(100);
        w.grab().save(QStringLiteral(TL_SHOT_DIR "/chrome-%1.png").arg(QLatin1String(names[theme])));
    }
    w.onChangAppTheme(0);
    w.findChild<QPushButton *>("pushButton_Max")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.isMaximized(); }, 5000));
    QTest::qWait(300);
    w.grab().save(QStringLiteral(TL_SHOT_DIR "/chrome-maximised.png"));
    w.findChild<QPushButton *>("pushButton_Max")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.isMaximized(); }, 5000));

    w.findChild<QPushButton *>("pushButton_Close")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.isMinimized(); }, 5000));
    EXPECT_TRUE(w.isVisible()) << "without a tray a hidden window could not be reached";
}

TEST_F(TrayX11, CloseToTrayAndBackThroughTheTrayIcon)
{
    QProcess tray;
    tray.start(QStringLiteral("trayer"), QStringList{"--edge", "top", "--align", "right", "--widthtype",
                                                     "request", "--height", "32", "--SetDockType", "true"});
    ASSERT_TRUE(tray.waitForStarted(5000)) << "trayer is needed (scripts/deps.sh installs it)";
    ASSERT_TRUE(QTest::qWaitFor([] { return hasTrayHost(s_display); }, 10000));
    {
        DMainWidget w;
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        ASSERT_TRUE(w.hasTrayIcon());
        QSystemTrayIcon *icon = w.trayIcon();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !icon->geometry().isEmpty(); }, 10000)) << "never docked";

        w.findChild<QPushButton *>("pushButton_Close")->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w.isVisible(); }, 5000));

        QList<int> activated;
        QObject::connect(
            icon, &QSystemTrayIcon::activated, &w,
            [&activated](QSystemTrayIcon::ActivationReason reason) { activated.append(reason); });
        // The tray maps the icon's window a moment after the icon learns its place, later still on a
        // slow machine: click until the icon answers.
        bool shown = false;
        for (int attempt = 0; attempt < 10 && !shown; ++attempt) {
            click(icon->geometry().center());
            shown = QTest::qWaitFor([&] { return w.isVisible(); }, 1000);
        }
        EXPECT_TRUE(shown) << "activations: " << activated.size();
        EXPECT_FALSE(w.isMinimized());
        ASSERT_GE(activated.size(), 1);
        EXPECT_EQ(activated.first(), int(QSystemTrayIcon::Trigger));
    }
    tray.terminate();
    tray.waitForFinished(5000);
}

} // namespace
