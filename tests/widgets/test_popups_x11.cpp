// Pop-ups on a real X server without a compositing manager (as under Xvfb): they must still be
// readable, and they must hide when another window becomes active.
#include "arrowwidget.h"
#include "cbnotice.h"
#include "compositing.h"
#include "ddatamanager.h"
#include "dtooltipexplain.h"
#include "stablefonts.h"

#include <QDir>
#include <QGraphicsEffect>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

// After Qt: Xlib's macros clash with names in Qt headers.
#include <X11/Xlib.h>

namespace {

bool waitFor(const std::function<bool()> &done, int ms = 3000)
{
    for (int waited = 0; waited < ms; waited += 20) {
        if (done())
            return true;
        QTest::qWait(20);
    }
    return done();
}

class X11Popups : public testing::Test
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server";
        DDataManager::getInstance()->loadTheme(0);
        backdrop.setAutoFillBackground(true);
        QPalette p = backdrop.palette();
        p.setColor(QPalette::Window, Qt::white);
        backdrop.setPalette(p);
        backdrop.setWindowFlags(Qt::FramelessWindowHint);
        backdrop.setGeometry(0, 0, 600, 400);
        backdrop.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&backdrop));
    }

    QImage screenArea(const QRect &r) const
    {
        return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
    }

    QWidget backdrop;
};

TEST_F(X11Popups, TipStaysReadableWithoutACompositor)
{
    ArrowWidget popup(1);
    popup.setWidgetSize(250, 70);
    popup.setArrowStartX(30);
    auto *tip = new DToolTipExplain;
    tip->setTipText(QStringLiteral("Restore factory settings"));
    popup.setCenterWidget(tip);
    popup.move(100, 100);
    popup.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
    QTest::qWait(200);

    const QImage shot = screenArea(QRect(80, 80, 300, 120));
    QDir().mkpath(QStringLiteral(TL_SHOT_DIR));
    shot.save(QStringLiteral(TL_SHOT_DIR "/x11-arrow-tooltip.png"));

    const QPoint origin(20, 20); // the pop-up's corner inside the shot
    const QColor fill = popup.fillColor();
    // Inside the box: the fill, whatever the window opacity does.
    const QColor inside = shot.pixelColor(origin + QPoint(22, 20));
    EXPECT_NEAR(inside.red(), fill.red(), 30);
    EXPECT_NEAR(inside.green(), fill.green(), 30);
    EXPECT_NEAR(inside.blue(), fill.blue(), 30);
    if (!platformCompositing::isCompositingActive()) {
        // The shadow band and the sides of the arrow show the window beneath, not black.
        for (const QPoint p : {QPoint(3, 3), QPoint(240, 35), QPoint(20, 66), QPoint(52, 66)})
            EXPECT_EQ(shot.pixelColor(origin + p), QColor(Qt::white)) << p.x() << "," << p.y();
        // The arrow itself is there.
        const QColor arrow = shot.pixelColor(origin + QPoint(37, 60));
        EXPECT_NEAR(arrow.blue(), fill.blue(), 30);
    }
    // The text is drawn in white over the dark fill.
    int light = 0;
    for (int y = 25; y < 50; ++y)
        for (int x = 30; x < 220; ++x)
            light += shot.pixelColor(origin + QPoint(x, y)).lightness() > 200;
    EXPECT_GT(light, 30);
}

TEST_F(X11Popups, ToastOverItsPageIsReadable)
{
    auto *toast = new CbNotice(&backdrop);
    toast->setFontPixelSize(14);
    toast->showNotice(QStringLiteral("Operate successful"), QPoint(300, 200));
    QTest::qWait(200);
    const QImage shot = screenArea(QRect(150, 160, 300, 80));
    shot.save(QStringLiteral(TL_SHOT_DIR "/x11-toast.png"));
    const QColor box = shot.pixelColor(toast->x() - 150 + 10, 40);
    EXPECT_LT(box.lightness(), 160); // the dark box over the white page
    int orange = 0;
    for (int y = 25; y < 55; ++y)
        for (int x = 0; x < 300; ++x) {
            const QColor c = shot.pixelColor(x, y);
            orange += c.red() > 200 && c.green() > 100 && c.green() < 180 && c.blue() < 90;
        }
    EXPECT_GT(orange, 20);
}

TEST_F(X11Popups, FreeStandingToastHasNoBlackCorners)
{
    CbNotice toast(nullptr);
    toast.setFontPixelSize(14);
    toast.showNotice(QStringLiteral("Operate successful"), QPoint(300, 300));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&toast));
    QTest::qWait(200);
    const QRect area = toast.geometry().adjusted(-10, -10, 10, 10);
    const QImage shot = screenArea(area);
    shot.save(QStringLiteral(TL_SHOT_DIR "/x11-toast-window.png"));
    const QPoint origin(10, 10);
    if (!platformCompositing::isCompositingActive()) {
        EXPECT_EQ(shot.pixelColor(origin + QPoint(1, 1)), QColor(Qt::white));
        EXPECT_EQ(shot.pixelColor(origin + QPoint(toast.width() - 2, toast.height() - 2)), QColor(Qt::white));
    }
    EXPECT_LT(shot.pixelColor(origin + QPoint(12, 20)).lightness(), 160);
}

// Stands in for a compositing manager by owning its selection on a connection of its own.
class FakeCompositor
{
public:
    FakeCompositor()
    {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            return;
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 0, 0, 1, 1, 0, 0, 0);
        const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(m_display));
        XSetSelectionOwner(m_display, XInternAtom(m_display, name.constData(), False), m_window, CurrentTime);
        XSync(m_display, False);
    }
    ~FakeCompositor()
    {
        if (!m_display)
            return;
        XDestroyWindow(m_display, m_window); // gives the selection up
        XCloseDisplay(m_display);
    }
    bool running() const { return m_display != nullptr; }

private:
    Display *m_display = nullptr;
    Window m_window = 0;
};

TEST_F(X11Popups, ShadowAndTranslucencyComeBackWithACompositor)
{
    ArrowWidget popup(1);
    popup.setWidgetSize(250, 70);
    popup.move(100, 100);
    ASSERT_FALSE(platformCompositing::isCompositingActive()) << "run under a server without a compositor";
    popup.show();
    EXPECT_FALSE(popup.mask().isEmpty());
    EXPECT_FALSE(popup.graphicsEffect()->isEnabled());
    popup.hide();
    {
        FakeCompositor compositor;
        ASSERT_TRUE(compositor.running());
        EXPECT_TRUE(platformCompositing::isCompositingActive());
        popup.show();
        EXPECT_TRUE(popup.mask().isEmpty());
        EXPECT_TRUE(popup.graphicsEffect()->isEnabled());
        popup.hide();
    }
    EXPECT_FALSE(platformCompositing::isCompositingActive());
    popup.show();
    EXPECT_FALSE(popup.mask().isEmpty());
}

TEST_F(X11Popups, ActivatingAnotherWindowHidesThePopup)
{
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    ArrowWidget popup(0);
    popup.setWidgetSize(160, 130);
    popup.setArrowStartX(73);
    QSignalSpy hidden(&popup, &ArrowWidget::sigArrowWidgetHide);
    popup.move(200, 150);
    popup.show();
    popup.activateWindow();
    ASSERT_TRUE(waitFor([&] { return popup.isActiveWindow(); }));
    EXPECT_EQ(hidden.count(), 0);

    backdrop.activateWindow();
    ASSERT_TRUE(waitFor([&] { return !popup.isVisible(); }));
    QTest::qWait(100);
    EXPECT_EQ(hidden.count(), 1);
}

} // namespace
