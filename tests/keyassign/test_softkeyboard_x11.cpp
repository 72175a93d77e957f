// The virtual keyboard on a real X server: the pointer's hover look and a picture of the screen.
#include "ddatamanager.h"
#include "dvirtualkeyboardtool.h"
#include "softkeyboardbutcustom.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

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

bool looksSelected(const SoftKeyboardButCustom *b)
{
    return b->styleSheet().contains(QLatin1String("border-bottom: 1px"));
}

TEST(VirtualKeyboardX11, PointerHoverHoldAndScreenPicture)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server";
    DDataManager::getInstance()->loadTheme(0);
    QCursor::setPos(1500, 900);
    DVirtualKeyboardTool tool(1);
    tool.applyTheme();
    tool.setAutoFillBackground(true);
    QPalette p = tool.palette();
    p.setColor(QPalette::Window,
               ThemeColors::toColor(DDataManager::getInstance()->getThemeColors().AllBgColor));
    tool.setPalette(p);
    tool.setWindowFlags(Qt::FramelessWindowHint);
    tool.move(20, 20);
    tool.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tool));
    tool.setCombinationActive(true);

    auto key = [&](int dec) {
        return tool.findChild<SoftKeyboardButCustom *>(QStringLiteral("softKey_%1").arg(dec));
    };
    QSignalSpy clicked(&tool, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB);

    // The pointer over Q shows the selected look; moving away restores it.
    SoftKeyboardButCustom *q = key(20);
    QCursor::setPos(q->mapToGlobal(q->rect().center()));
    EXPECT_TRUE(waitFor([&] { return looksSelected(q); }));
    QCursor::setPos(1500, 900);
    EXPECT_TRUE(waitFor([&] { return !looksSelected(q); }));

    // A held key keeps the look after the pointer has gone.
    SoftKeyboardButCustom *ctrl = key(224);
    QCursor::setPos(ctrl->mapToGlobal(ctrl->rect().center()));
    EXPECT_TRUE(waitFor([&] { return looksSelected(ctrl); }));
    QTest::mouseClick(ctrl, Qt::LeftButton);
    QCursor::setPos(1500, 900);
    QTest::qWait(200);
    EXPECT_TRUE(looksSelected(ctrl));
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 224);

    ASSERT_TRUE(QDir().mkpath(QStringLiteral(TL_SHOT_DIR)));
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1060, 400);
    EXPECT_TRUE(screen.save(QStringLiteral(TL_SHOT_DIR "/virtualkeyboard-x11.png")));
}

} // namespace
