// The profile menu under a real window manager, driven by real X input: the bubble takes the
// keyboard while it is open and must hand it back, and a click elsewhere must close it.
#include "arrowwidget.h"
#include "dprofilemenutoolwidget.h"
#include "pagefixture.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

// After Qt: Xlib's macros clash with names in Qt headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

class ProfileMenuUnderWindowManager : public PageFixture
{
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server";
        m_display = XOpenDisplay(nullptr);
        ASSERT_NE(m_display, nullptr);
        PageFixture::SetUp();
        ASSERT_TRUE(addKeyboard("TL87"));
        openPage();
        page->move(40, 40);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return combo()->count() > 0; }, 3000));
    }

    void TearDown() override
    {
        PageFixture::TearDown();
        if (m_display)
            XCloseDisplay(m_display);
    }

    QComboBox *combo() const { return page->findChild<QComboBox *>(QStringLiteral("comboBox_profileList")); }
    QLineEdit *nameEdit() const
    {
        return page->findChild<QLineEdit *>(QStringLiteral("lineEdit_profileName"));
    }
    ArrowWidget *bubble() const { return page->findChild<ArrowWidget *>(); }

    // A press and release of the left button at the middle of `widget`, through the X server.
    void click(QWidget *widget)
    {
        const QPoint at = widget->mapToGlobal(widget->rect().center());
        XTestFakeMotionEvent(m_display, -1, at.x(), at.y(), CurrentTime);
        XTestFakeButtonEvent(m_display, 1, True, 20);
        XTestFakeButtonEvent(m_display, 1, False, 20);
        XFlush(m_display);
        QTest::qWait(150);
    }

    void key(const char *keysym)
    {
        const KeyCode code = XKeysymToKeycode(m_display, XStringToKeysym(keysym));
        ASSERT_NE(code, 0) << keysym;
        XTestFakeKeyEvent(m_display, code, True, 10);
        XTestFakeKeyEvent(m_display, code, False, 10);
        XFlush(m_display);
        QTest::qWait(30);
    }

    void type(const char *text)
    {
        for (const char *c = text; *c; ++c)
            key(std::string(1, *c).c_str());
    }

    void openMenu()
    {
        click(page->findChild<QPushButton *>(QStringLiteral("pushButton_ProfileOperate")));
        ASSERT_NE(bubble(), nullptr);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return bubble()->isVisible() && bubble()->isActiveWindow(); }, 3000))
            << "the menu takes activation, so that leaving it closes it";
    }

    void chooseRename()
    {
        click(page->findChild<DProfileMenuToolWidget *>()->findChild<QLabel *>(
            QStringLiteral("label_ModifyNanme")));
        ASSERT_TRUE(QTest::qWaitFor([&] { return nameEdit()->isVisible(); }, 3000));
        EXPECT_FALSE(bubble()->isVisible());
    }

    void saveShot(const char *name)
    {
        const QRect r = page->frameGeometry().adjusted(-10, -10, 10, 10);
        QGuiApplication::primaryScreen()
            ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
            .save(QStringLiteral(TL_SHOT_DIR "/") + QLatin1String(name));
    }

    Display *m_display = nullptr;
};

TEST_F(ProfileMenuUnderWindowManager, TypingReachesTheRenameFieldAndEnterSaves)
{
    openMenu();
    saveShot("profile-menu-open.png");
    chooseRename();
    EXPECT_TRUE(QTest::qWaitFor([&] { return page->isActiveWindow(); }, 3000))
        << "the page has the keyboard back";
    type("gaming");
    saveShot("profile-menu-renaming.png");
    EXPECT_EQ(nameEdit()->text().toStdString(), "gaming") << "the name was selected, typing replaces it";
    key("Return");
    EXPECT_TRUE(QTest::qWaitFor([&] { return combo()->isVisible(); }, 3000));
    EXPECT_EQ(combo()->currentText().toStdString(), "gaming");

    // Escape leaves the editor and keeps the stored name.
    openMenu();
    chooseRename();
    type("other");
    key("Escape");
    EXPECT_TRUE(QTest::qWaitFor([&] { return combo()->isVisible(); }, 3000));
    EXPECT_EQ(combo()->currentText().toStdString(), "gaming");
}

TEST_F(ProfileMenuUnderWindowManager, AClickElsewhereInTheWindowClosesTheMenu)
{
    openMenu();
    click(page->findChild<QLabel *>(QStringLiteral("label")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bubble()->isVisible(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return page->isActiveWindow(); }, 3000));
}

TEST_F(ProfileMenuUnderWindowManager, TheRenameFieldFitsTwelveCharacters)
{
    openMenu();
    chooseRename();
    QLineEdit *edit = nameEdit();
    const QMargins m = edit->textMargins();
    const int room = edit->contentsRect().width() - m.left() - m.right();
    EXPECT_GE(room, edit->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMMM")));
    // ... and the save and cancel buttons beside it do not cover any of it.
    auto *save = page->findChild<QPushButton *>(QStringLiteral("pushButton_Save"));
    ASSERT_NE(save, nullptr);
    EXPECT_LT(edit->geometry().right(), save->geometry().left());
}

} // namespace
