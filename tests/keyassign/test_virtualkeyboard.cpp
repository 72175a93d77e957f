// The virtual-keyboard window: what it loads and publishes, and what its clicks report.
#include "ddatamanager.h"
#include "dsoftkeyboardpage.h"
#include "dvirtualkeyboardtool.h"
#include "softkeyboardbutcustom.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

SoftKeyboardButCustom *key(const QWidget &tool, int dec)
{
    return tool.findChild<SoftKeyboardButCustom *>(QStringLiteral("softKey_%1").arg(dec));
}

// Stands in for a language file: every text comes back marked, so a re-translated text shows.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

TEST(VirtualKeyboard, BuildsTheFormAndLoadsTheUsKeyboard)
{
    DDataManager::getInstance()->setKeyNameMap({});
    DVirtualKeyboardTool tool(0);
    EXPECT_EQ(tool.objectName(), QStringLiteral("DVirtualKeyboardTool"));
    EXPECT_EQ(tool.size(), QSize(1000, 350));
    auto *title = tool.findChild<QLabel *>(QStringLiteral("label"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("Virtual Keyboard"));
    auto *frame = tool.findChild<QWidget *>(QStringLiteral("frame_SoftKeyboard"));
    ASSERT_NE(frame, nullptr);
    auto *page = frame->findChild<DSoftKeyboardPage *>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->parentWidget(), frame);
    EXPECT_EQ(page->mode(), 0);
    EXPECT_EQ(page->findChildren<SoftKeyboardButCustom *>().size(), 112);
    EXPECT_EQ(DDataManager::getInstance()->keyNameMap().size(), 112);
}

class VirtualKeyboardClick : public testing::TestWithParam<int>
{
};

TEST_P(VirtualKeyboardClick, EveryClickReportsTheBareUsageOnce)
{
    for (int mode : {0, 1}) {
        DVirtualKeyboardTool tool(mode);
        tool.setCombinationActive(true);
        tool.show();
        QSignalSpy clicked(&tool, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB);
        SoftKeyboardButCustom *b = key(tool, GetParam());
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
        ASSERT_EQ(clicked.count(), 1) << "mode " << mode;
        EXPECT_EQ(clicked.at(0).size(), 1);
        EXPECT_EQ(clicked.at(0).at(0).toInt(), GetParam());
    }
}

// Fn, Enter, keypad Enter, a letter, a modifier, and two keys with own virtual-key codes.
INSTANTIATE_TEST_SUITE_P(VirtualKeyboard, VirtualKeyboardClick,
                         testing::Values(-10, 40, 88, 4, 224, 145, 137));

TEST(VirtualKeyboard, PassesHoldingOnToItsKeyboard)
{
    DVirtualKeyboardTool tool(1);
    tool.show();
    tool.setCombinationActive(true);
    QTest::mouseClick(key(tool, 224), Qt::LeftButton);
    EXPECT_TRUE(key(tool, 224)->isSelected());
    tool.clearSelection();
    EXPECT_FALSE(key(tool, 224)->isSelected());

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(key(tool, 4), &enter);
    tool.releaseKey(4);
    EXPECT_FALSE(key(tool, 4)->styleSheet().contains(QLatin1String("border-bottom: 1px")));
}

TEST(VirtualKeyboard, RetranslateChangesTheTitleButNotTheKeys)
{
    DVirtualKeyboardTool tool(0);
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    tool.retranslate();
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(tool.findChild<QLabel *>(QStringLiteral("label"))->text(),
              QStringLiteral("<Virtual Keyboard>"));
    EXPECT_EQ(key(tool, 145)->text(), QStringLiteral("Chinese"));
    EXPECT_EQ(key(tool, 145)->keyCharacter(), QStringLiteral("Chinese"));
}

TEST(VirtualKeyboard, SpecialKeysTakeTheLanguageOfLoading)
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    DVirtualKeyboardTool tool(0);
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(key(tool, 144)->text(), QStringLiteral("<Korean/English>"));
    EXPECT_EQ(DDataManager::getInstance()->keyNameMap().value(144), QStringLiteral("<Korean/English>"));
    EXPECT_EQ(DDataManager::getInstance()->keyNameMap().value(4), QStringLiteral("A"));
}

TEST(VirtualKeyboard, TwoPanelsPublishTheSameMaps)
{
    DDataManager *data = DDataManager::getInstance();
    DVirtualKeyboardTool remap(0);
    const QMap<int, QString> names = data->keyNameMap();
    const QMap<int, int> vkToHid = data->vkToHidMap();
    data->setKeyNameMap({});
    data->setVkToHidMap({});
    DVirtualKeyboardTool combination(1);
    EXPECT_EQ(data->keyNameMap(), names);
    EXPECT_EQ(data->vkToHidMap(), vkToHid);
}

TEST(VirtualKeyboard, ApplyThemeColoursTitleLineAndKeys)
{
    DDataManager *data = DDataManager::getInstance();
    data->loadTheme(1);
    const ThemeColors c = data->getThemeColors();
    DVirtualKeyboardTool tool(0);
    tool.applyTheme();
    EXPECT_EQ(tool.findChild<QLabel *>(QStringLiteral("label"))->styleSheet(),
              QStringLiteral("QLabel#label{color:rgb(%1);}").arg(c.TextCheckedColor));
    EXPECT_TRUE(tool.findChild<QWidget *>(QStringLiteral("frame_255"))
                    ->styleSheet()
                    .contains(QStringLiteral("border-bottom:2px solid rgb(%1)").arg(c.DeviceBorderColor)));
    EXPECT_EQ(tool.findChild<QLabel *>(QStringLiteral("label"))->font().pointSize(), 12);
    EXPECT_TRUE(key(tool, 4)->styleSheet().contains(c.DeviceSoftkeyboardButColor));
    data->loadTheme(0);
}

} // namespace
