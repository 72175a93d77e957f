// The main window's own chrome, tray, closing, dialog overlays, theme and language refresh, driven
// through its buttons, slots and mouse events on the offscreen platform (which offers no tray).
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "dmacropage.h"
#include "dmainwidget.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

class MainWindowChrome : public testing::Test
{
protected:
    void SetUp() override
    {
        configDir = DDataManager::getInstance()->userConfigPath();
        QDir(configDir).removeRecursively();
        QDir().mkpath(configDir);
        DDataManager::getInstance()->setBgImageUsing(false);
    }
    void TearDown() override { DDataManager::getInstance()->setBgImageUsing(false); }

    void setCloseToTray(bool on)
    {
        QSettings(configDir + "/QuelmoConfig.ini", QSettings::IniFormat)
            .setValue("CloseToTray/isCloseToTray", on);
    }

    static void mouse(QWidget *w, QEvent::Type type, const QPoint &local, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
    {
        QMouseEvent e(type, local, w->mapToGlobal(local), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // A left-button drag from `from` (window coordinates) by `delta`.
    static void drag(QWidget *w, const QPoint &from, const QPoint &delta)
    {
        mouse(w, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
        mouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        const QPoint global = w->mapToGlobal(from) + delta;
        QMouseEvent move(QEvent::MouseMove, w->mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, w->mapFromGlobal(global), global, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }

    QString configDir;
};

TEST_F(MainWindowChrome, ResizingStopsAtTheMinimumAndOnlyTheTitleDrags)
{
    DMainWidget w;
    w.setGeometry(100, 100, 1400, 800);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_EQ(w.minimumWidth(), 1280);

    // The left edge follows the mouse until the window is at its minimum width; the right edge
    // stays.
    const int right = w.geometry().right();
    drag(&w, QPoint(2, 400), QPoint(60, 0));
    EXPECT_EQ(w.geometry().left(), 160);
    drag(&w, QPoint(2, 400), QPoint(300, 0));
    EXPECT_EQ(w.width(), 1280);
    EXPECT_EQ(w.geometry().right(), right);
    // A corner moves both edges, each stopping on its own.
    drag(&w, QPoint(w.width() - 1, w.height() - 1), QPoint(40, -500));
    EXPECT_EQ(w.size(), QSize(1320, 715));

    const QPoint before = w.pos();
    drag(&w, QPoint(w.width() - 60, 20), QPoint(50, 30)); // the window buttons' area
    EXPECT_EQ(w.pos(), before) << "only the left part of the title bar drags";
    drag(&w, QPoint(400, 20), QPoint(50, 30));
    EXPECT_EQ(w.pos(), before + QPoint(50, 30));

    w.resizeZoneAt(w.geometry().left() + 1, w.geometry().top() + 300);
    ASSERT_EQ(w.cursor().shape(), Qt::SizeHorCursor);
    w.showMaximized();
    ASSERT_TRUE(w.isMaximized());
    const QRect maximised = w.geometry();
    drag(&w, QPoint(400, 20), QPoint(50, 30));
    drag(&w, QPoint(1, 300), QPoint(50, 0));
    EXPECT_EQ(w.geometry(), maximised) << "a maximised window neither moves nor resizes";
    w.resizeZoneAt(w.geometry().left() + 1, w.geometry().top() + 300);
    EXPECT_EQ(w.cursor().shape(), Qt::ArrowCursor) << "no resize cursor on a maximised window";
}

TEST_F(MainWindowChrome, CursorFollowsTheZonesAndMaximiseSwapsItsPicture)
{
    DMainWidget w;
    w.setGeometry(100, 100, 1280, 715);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QRect g = w.geometry();
    const struct
    {
        QPoint p;
        Qt::CursorShape shape;
    } rows[] = {{g.topLeft(), Qt::SizeFDiagCursor},
                {{g.left() + 2, g.center().y()}, Qt::SizeHorCursor},
                {{g.center().x(), g.bottom()}, Qt::SizeVerCursor},
                {g.topRight(), Qt::SizeBDiagCursor},
                {g.center(), Qt::ArrowCursor}};
    for (const auto &r : rows) {
        w.resizeZoneAt(r.p.x(), r.p.y());
        EXPECT_EQ(w.cursor().shape(), r.shape) << r.p.x() << "," << r.p.y();
    }

    auto *max = w.findChild<QPushButton *>("pushButton_Max");
    ASSERT_NE(max, nullptr);
    EXPECT_TRUE(max->property("picture").toString().contains("maxWindowDef.png"));
    max->click();
    EXPECT_TRUE(w.isMaximized());
    EXPECT_TRUE(max->property("picture").toString().contains("intoMaxWindowDef.png"));
    // A double click on the title restores, and the picture follows.
    mouse(&w, QEvent::MouseButtonDblClick, QPoint(400, 20), Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(w.isMaximized());
    EXPECT_TRUE(max->property("picture").toString().contains("/maxWindowDef.png"));
    // Maximised by other means (the tray menu) shows the restore picture too.
    w.findChild<QAction *>("action_Maximize")->trigger();
    EXPECT_TRUE(max->property("picture").toString().contains("intoMaxWindowDef.png"));
    w.findChild<QAction *>("action_Revert")->trigger();
    EXPECT_TRUE(max->property("picture").toString().contains("/maxWindowDef.png"));

    w.findChild<QPushButton *>("pushButton_Min")->click();
    EXPECT_TRUE(w.isMinimized());
}

TEST_F(MainWindowChrome, ListToggleSitsBesideTheListAndTogglesBack)
{
    DMainWidget w;
    w.resize(1280, 715);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto *toggle = w.findChild<QPushButton *>("pushButton_ListToggle");
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(toggle->geometry(), QRect(5, 207, 10, 100)) << "the list starts hidden";
    QMetaObject::invokeMethod(&w, "onReturnHidLikeName", Q_ARG(QString, "TL87"), Q_ARG(QString, "Keyboard"));
    EXPECT_EQ(toggle->x(), 233);
    QMetaObject::invokeMethod(&w, "onReturnHidLikeName", Q_ARG(QString, "HID"), Q_ARG(QString, "RGB"));
    EXPECT_EQ(toggle->x(), 5);
    toggle->click();
    EXPECT_EQ(toggle->x(), 233);
    EXPECT_TRUE(toggle->styleSheet().contains("listCtrlHideDef.png"));
    toggle->click();
    EXPECT_EQ(toggle->x(), 5);
    EXPECT_TRUE(toggle->styleSheet().contains("listCtrlShowDef.png"));
}

TEST_F(MainWindowChrome, WithoutATrayCloseToTrayMinimisesInsteadOfHiding)
{
    DMainWidget w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_FALSE(w.hasTrayIcon()) << "the offscreen platform offers no tray";
    // The first start wrote "close to tray" on.
    w.findChild<QPushButton *>("pushButton_Close")->click();
    EXPECT_TRUE(w.isVisible()) << "a hidden window without a tray could not be reached again";
    EXPECT_TRUE(w.isMinimized());
}

TEST_F(MainWindowChrome, TrayActivationShowsTheWindowOnlyForAClick)
{
    const struct
    {
        QSystemTrayIcon::ActivationReason reason;
        bool shows;
    } rows[] = {{QSystemTrayIcon::Trigger, true},
                {QSystemTrayIcon::DoubleClick, true},
                {QSystemTrayIcon::Context, false},
                {QSystemTrayIcon::MiddleClick, false},
                {QSystemTrayIcon::Unknown, false}};
    DMainWidget w;
    for (const auto &r : rows) {
        w.showMaximized();
        w.findChild<QAction *>("action_Minimize")->trigger();
        ASSERT_FALSE(w.isVisible()) << "the tray menu's minimise hides the window";
        QMetaObject::invokeMethod(&w, "iconActivated", Q_ARG(QSystemTrayIcon::ActivationReason, r.reason));
        EXPECT_EQ(w.isVisible(), r.shows) << r.reason;
        if (r.shows) {
            EXPECT_FALSE(w.isMaximized()) << "a click shows the window at normal size";
        }
    }
}

// The close button (close to tray off) and the tray's quit end the program through its event loop
// with code 0, after its keyboard links are closed and joined; run as the program would be.
TEST_F(MainWindowChrome, CloseAndQuitEndTheProgramInOrderWithCodeZero)
{
    const struct
    {
        const char *action;
        bool closeToTray;
        bool exitLine;
    } rows[] = {{"close", false, true}, {"quit", true, false}, {"quit", false, false}};
    for (const auto &r : rows) {
        QDir(configDir).removeRecursively();
        QDir().mkpath(configDir);
        setCloseToTray(r.closeToTray);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TIDELUMEN_SIMULATE", "TL87");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // Qt's platform plugin keeps a few objects until the process ends; not ours to report.
        if (!env.contains("ASAN_OPTIONS"))
            env.insert("ASAN_OPTIONS", "detect_leaks=0");
        child.setProcessEnvironment(env);
        child.start(QStringLiteral(TL_QUIT_CHILD), {QString::fromLatin1(r.action)});
        ASSERT_TRUE(child.waitForFinished(60000)) << r.action;
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        const QString err = QString::fromUtf8(child.readAllStandardError());
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << r.action << err.toStdString();
        EXPECT_EQ(child.exitCode(), 0) << r.action << err.toStdString();
        EXPECT_TRUE(out.contains("link open: 1")) << out.toStdString();
        EXPECT_TRUE(out.contains("links after quit: 0")) << out.toStdString();
        EXPECT_TRUE(out.contains("io thread running: 0")) << out.toStdString();
        EXPECT_EQ(err.contains("*** App Exit (Normal) ***"), r.exitLine) << r.action;
    }
}

TEST_F(MainWindowChrome, DialogIsCentredWindowModalOverADimmingOverlay)
{
    DMainWidget w;
    w.setGeometry(100, 50, 1280, 715);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_EQ(w.pos(), QPoint(100, 50));
    auto *dialog = new QDialog(&w);
    dialog->setFixedSize(700, 500);
    w.showDialogOverOverlay(dialog);
    EXPECT_EQ(dialog->pos(), QPoint(390, 157));
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    auto *overlay = w.findChild<QWidget *>("widget", Qt::FindDirectChildrenOnly);
    ASSERT_NE(overlay, nullptr);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->geometry(), w.rect());
    w.resize(1400, 800);
    EXPECT_EQ(overlay->geometry(), w.rect()) << "the overlay keeps covering the window";
    // A second dialog over the first keeps the window dimmed until the last one ends.
    auto *second = new QDialog(&w);
    w.showDialogOverOverlay(second);
    second->reject();
    EXPECT_TRUE(overlay->isVisible());
    // A dialog deleted without any close signal does not leave the window dimmed.
    delete dialog;
    EXPECT_FALSE(overlay->isVisible());
}

TEST_F(MainWindowChrome, MacroEditorOverlayGoesHoweverTheEditorCloses)
{
    const struct
    {
        const char *way;
        void (*close)(DMacroPage *);
    } rows[] = {
        {"close button", [](DMacroPage *p) { p->findChild<QPushButton *>("pushButton_Close")->click(); }},
        {"window system close", [](DMacroPage *p) { p->close(); }},
        {"Esc", [](DMacroPage *p) { QTest::keyClick(p, Qt::Key_Escape); }},
        {"deleted", [](DMacroPage *p) { delete p; }},
    };
    DMainWidget w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    auto *devicePage = w.findChild<DDevicePage *>();
    for (const auto &r : rows) {
        emit devicePage->sigShowMacroPage();
        auto *page = w.findChild<DMacroPage *>();
        ASSERT_NE(page, nullptr) << r.way;
        auto *overlay = w.findChild<QWidget *>("widget", Qt::FindDirectChildrenOnly);
        ASSERT_NE(overlay, nullptr);
        EXPECT_TRUE(overlay->isVisible()) << r.way;
        EXPECT_EQ(page->windowModality(), Qt::WindowModal);
        r.close(page);
        EXPECT_FALSE(overlay->isVisible()) << r.way;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(w.findChild<DMacroPage *>(), nullptr) << r.way;
        EXPECT_EQ(w.findChildren<QWidget *>("widget", Qt::FindDirectChildrenOnly).size(), 1) << r.way;
    }
}

TEST_F(MainWindowChrome, ThemeSetsLogoAndLookAndClampsAnUnknownIndex)
{
    const struct
    {
        int index;
        bool bgImage;
        const char *logo;
        const char *title;
        int loaded;
    } rows[] = {
        {2, false, "leftTopLogo_Blue.png", "background-color: rgb(100,149,237)", 2},
        {4, true, "leftTopLogo_Other.png", "/images/bgImageTitle_Other.png", 4},
        {1, false, "leftTopLogo_Light.png", "background-color: rgb(240,240,240)", 1},
        {7, false, "leftTopLogo_Black.png", "background-color: rgb(34,34,58)", 0},
        {-1, true, "leftTopLogo_Black.png", "/images/bgImageTitle_Black.png", 0},
    };
    DMainWidget w;
    for (const auto &r : rows) {
        DDataManager::getInstance()->setBgImageUsing(r.bgImage);
        w.onChangAppTheme(r.index);
        EXPECT_TRUE(w.findChild<QPushButton *>("pushButton")->styleSheet().contains(r.logo)) << r.index;
        const QString title = w.findChild<QFrame *>("frame_Title")->styleSheet().remove(' ');
        EXPECT_TRUE(title.contains(QString(r.title).remove(' '))) << r.index << " " << title.toStdString();
        EXPECT_EQ(DDataManager::getInstance()->themeIndex(), r.loaded);
        if (!r.bgImage) {
            EXPECT_EQ(w.findChild<QLabel *>("label_ProductName")->font().pointSize(), 14);
        }
    }
}

TEST_F(MainWindowChrome, ThemeReachesAnOpenDialog)
{
    DMainWidget w;
    w.show();
    emit w.findChild<DDevicePage *>()->sigShowMacroPage();
    auto *page = w.findChild<DMacroPage *>();
    ASSERT_NE(page, nullptr);
    auto *frame = page->findChild<QFrame *>("frame_Bg");
    ASSERT_NE(frame, nullptr);
    w.onChangAppTheme(0);
    const QString black = frame->styleSheet();
    w.onChangAppTheme(3);
    EXPECT_NE(frame->styleSheet(), black);
    delete page;
}

class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QLatin1String(context) == QLatin1String("DMainWidget") ? QStringLiteral("~") + source
                                                                      : QString();
    }
};

TEST_F(MainWindowChrome, LanguageRefreshKeepsNamesAndRetranslatesTheTrayMenu)
{
    DMainWidget w;
    QMetaObject::invokeMethod(&w, "onReturnHidLikeName", Q_ARG(QString, "TL87"), Q_ARG(QString, "Keyboard"));
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    w.omUpdataAllUI();
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(w.windowTitle(), w.title());
    EXPECT_EQ(w.findChild<QLabel *>("label_AppName")->text(), w.title());
    EXPECT_EQ(w.findChild<QLabel *>("label_ProductName")->text(), "TL87");
    EXPECT_EQ(w.findChild<QLabel *>("label_DeviceName")->text(), "Keyboard");
    const struct
    {
        const char *action;
        const char *text;
    } rows[] = {{"action_Minimize", "~Minimize(&N)"},
                {"action_Maximize", "~Maximize(&X)"},
                {"action_Revert", "~Revert(&R)"},
                {"action_Quit", "~Quit(&Q)"}};
    for (const auto &r : rows)
        EXPECT_EQ(w.findChild<QAction *>(r.action)->text(), r.text);
    w.omUpdataAllUI();
    EXPECT_EQ(w.findChild<QAction *>("action_Quit")->text(), "Quit(&Q)");
}

TEST(MainWindowInstance, ThePointerFollowsTheWindow)
{
    EXPECT_EQ(DMainWidget::instance(), nullptr);
    {
        DMainWidget w;
        EXPECT_EQ(DMainWidget::instance(), &w);
    }
    EXPECT_EQ(DMainWidget::instance(), nullptr);
}

} // namespace
