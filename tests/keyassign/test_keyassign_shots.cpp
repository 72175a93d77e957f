// Pictures of the on-screen keyboard, the virtual-keyboard window and the all-keys picker in two
// themes, written under the build folder for people to look at; and the CJK check behind the
// Chinese, Japanese and Korean key names.
#include "dallkeysshowpage.h"
#include "ddatamanager.h"
#include "dsoftkeyboardpage.h"
#include "dvirtualkeyboardtool.h"
#include "softkeyboardbutcustom.h"

#include "themeshots.h"
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QRawFont>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The names a Chinese, Japanese or Korean interface gives the language keys.
class CjkKeyNames : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        static const QHash<QByteArray, QString> names = {
            {"Chinese", QStringLiteral("中文")}, {"Korean/English", QStringLiteral("한/영")},
            {"K131", QStringLiteral("無変換")},  {"K132", QStringLiteral("変換")},
            {"K133", QStringLiteral("かな")},    {"K14", QStringLiteral("¥")},
            {"K56", QStringLiteral("ろ")},       {"Virtual Keyboard", QStringLiteral("虚拟键盘")},
        };
        return names.value(QByteArray(sourceText));
    }
    bool isEmpty() const override { return false; }
};

class KeyAssignShots : public ThemeShotTest
{
protected:
    // A window in the colours of the pop-up that hosts these widgets.
    std::unique_ptr<QWidget> host(QWidget *content, const QString &styleSheet = QString()) const
    {
        auto w = std::make_unique<QWidget>();
        w->setObjectName(QStringLiteral("host"));
        w->setStyleSheet(QStringLiteral("QWidget#host{background-color:rgb(%1);}").arg(theme.AllBgColor) +
                         styleSheet);
        w->setAttribute(Qt::WA_StyledBackground);
        auto *layout = new QVBoxLayout(w.get());
        layout->setContentsMargins(10, 10, 10, 10);
        layout->addWidget(content);
        return w;
    }

    void save(QWidget &w, const char *name) const
    {
        saveShot(w, name, ThemeColors::toColor(theme.AllBgColor));
    }
};

TEST_P(KeyAssignShots, SoftKeyboardWithHeldAndHoveredKeys)
{
    auto *page = new DSoftKeyboardPage;
    page->loadKeyboardInfo(QStringLiteral("shots"));
    page->setMode(1);
    page->setCombinationActive(true);
    auto w = host(page);
    w->show();
    for (int dec : {224, 225, 4})
        QTest::mouseClick(page->findChild<SoftKeyboardButCustom *>(QStringLiteral("softKey_%1").arg(dec)),
                          Qt::LeftButton);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(page->findChild<SoftKeyboardButCustom *>(QStringLiteral("softKey_40")),
                                &enter);
    save(*w, "softkeyboard");
}

TEST_P(KeyAssignShots, VirtualKeyboardWindow)
{
    auto *tool = new DVirtualKeyboardTool(0);
    tool->applyTheme();
    auto w = host(tool);
    // The owning page's pop-up gives the panel its designed size.
    w->resize(tool->size() + QSize(20, 20));
    save(*w, "virtualkeyboard");
}

TEST_P(KeyAssignShots, VirtualKeyboardInChinese)
{
    CjkKeyNames translator;
    QCoreApplication::installTranslator(&translator);
    auto *tool = new DVirtualKeyboardTool(0);
    QCoreApplication::removeTranslator(&translator);
    tool->applyTheme();
    auto w = host(tool);
    w->resize(tool->size() + QSize(20, 20));
    save(*w, "virtualkeyboard-cjk");
}

TEST_P(KeyAssignShots, AllKeysPicker)
{
    auto *picker = new DAllKeysShowPage;
    picker->setFixedWidth(432);
    // The picker has no look of its own; this is how a hosting dialog dresses it.
    auto w = host(picker, QStringLiteral("QLabel{color:rgb(%1);}"
                                         "DAllKeysItemKey{color:rgb(%2);background-color:rgb(%3);border:none;"
                                         "border-radius:3px;padding:2px 6px;}"
                                         "DAllKeysItemKey:hover{color:rgb(%4);}")
                              .arg(theme.TextDefaultColor, theme.DeviceSoftkeyboardButDefaultTextColor,
                                   theme.DeviceSoftkeyboardButColor, theme.TextCheckedColor));
    // Tall enough for every wrapped row of tiles at the picker's width.
    w->resize(452, w->heightForWidth(452));
    save(*w, "allkeys");
}

INSTANTIATE_TEST_SUITE_P(Themes, KeyAssignShots,
                         testing::Values(ThemeCase{0, "black"}, ThemeCase{1, "light"}), themeCaseName);

// The key font names a family Debian does not ship; whatever fontconfig puts in its place must
// still draw Chinese, Japanese and Korean key names.
TEST(KeyFont, DrawsChineseJapaneseAndKorean)
{
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(7);
    font.setWeight(QFont::Bold);
    const std::pair<QFontDatabase::WritingSystem, char32_t> samples[] = {
        {QFontDatabase::SimplifiedChinese, U'中'},
        {QFontDatabase::Japanese, U'か'},
        {QFontDatabase::Korean, U'한'},
    };
    for (const auto &[system, character] : samples) {
        const QRawFont raw = QRawFont::fromFont(font, system);
        ASSERT_TRUE(raw.isValid()) << QFontDatabase::writingSystemName(system).toStdString();
        EXPECT_TRUE(raw.supportsCharacter(static_cast<uint>(character)))
            << "no installed font draws " << QFontDatabase::writingSystemName(system).toStdString() << " ("
            << raw.familyName().toStdString() << ")";
    }
}

} // namespace
