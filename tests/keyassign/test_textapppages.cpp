// The Text and Launch Application tabs through the host page, and the limits of a key's text.
#include "bindingpages_fixture.h"
#include "textlimit.h"

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

namespace {

constexpr int kKeyA = 4;
constexpr int kKeyB = 5;
constexpr char kTextPage[] = "DKeyWithTextPage";
constexpr char kAppPage[] = "DKeyWithAppPage";

bool hasLoneSurrogate(const QString &s)
{
    for (int i = 0; i < s.size(); ++i) {
        if (s.at(i).isHighSurrogate() && (i + 1 == s.size() || !s.at(i + 1).isLowSurrogate()))
            return true;
        if (s.at(i).isLowSurrogate() && (i == 0 || !s.at(i - 1).isHighSurrogate()))
            return true;
    }
    return false;
}

const QString kEuro = QString::fromUtf8("\xE2\x82\xAC");      // 1 unit, 3 bytes
const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // 2 units, 4 bytes

TEST(TextLimit, OverLongInputLosesWhatStandsJustBeforeTheCursor)
{
    const QString a4990(4990, QLatin1Char('a'));
    const QString paste20 = QStringLiteral("0123456789ABCDEFGHIJ");
    const struct
    {
        const char *name;
        QString text;
        int cursor;
        QString expected;
        int expectedCursor;
    } cases[] = {
        {"within both limits", QStringLiteral("abc"), 1, QStringLiteral("abc"), 1},
        {"20 pasted at the end of 4990", a4990 + paste20, 5010, a4990 + paste20.left(10), 5000},
        {"20 pasted in the middle", a4990.left(100) + paste20 + a4990.mid(100), 120,
         a4990.left(100) + paste20.left(10) + a4990.mid(100), 110},
        // 2000 characters of 3 bytes: 6000 bytes; 1706 of them fill 5118 bytes.
        {"under 5000 characters but over 5119 bytes", QString(2000, kEuro.at(0)), 2000,
         QString(1706, kEuro.at(0)), 1706},
        // 4999 + 2 units: the pair that crosses the limit goes whole.
        {"a surrogate pair across the limit", a4990 + QString(9, QLatin1Char('b')) + kEmoji, 5001,
         a4990 + QString(9, QLatin1Char('b')), 4999},
        {"bytes: surrogate pairs go whole",
         QString(1300, QLatin1Char('x')).replace(QLatin1String("x"), kEmoji), 2600,
         QString(1279, QLatin1Char('x')).replace(QLatin1String("x"), kEmoji), 2558},
        {"cursor at the start: the end goes", a4990 + paste20, 0, a4990 + paste20.left(10), 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const textlimit::Fitted f = textlimit::fit(c.text, c.cursor);
        EXPECT_EQ(f.text.size(), c.expected.size());
        EXPECT_EQ(f.text, c.expected);
        EXPECT_EQ(f.cursor, c.expectedCursor);
        EXPECT_LE(f.text.size(), textlimit::kMaxUnits);
        EXPECT_LE(f.text.toUtf8().size(), textlimit::kMaxBytes);
        EXPECT_FALSE(hasLoneSurrogate(f.text));
    }
}

class TextPage : public BindingPages
{
protected:
    QTextEdit *editor() const { return widget<QTextEdit>(kTextPage, "textEdit_keyText"); }
    QPushButton *button(const char *name) const { return widget<QPushButton>(kTextPage, name); }
    // Pastes at the cursor, as Ctrl+V in the editor does.
    void paste(const QString &text) { editor()->insertPlainText(text); }
};

TEST_F(TextPage, PastesBeyondTheLimitsAreCutInTheEditorAndTheRestIsWritten)
{
    open(kKeyA, "toolButton_Text");
    paste(QString(4990, QLatin1Char('a')));
    paste(QStringLiteral("0123456789ABCDEFGHIJ"));
    EXPECT_EQ(editor()->toPlainText(), QString(4990, QLatin1Char('a')) + QStringLiteral("0123456789"));
    EXPECT_EQ(editor()->textCursor().position(), 5000);

    // Text after the cursor stays when a paste in the middle crosses the limit.
    QTextCursor cursor = editor()->textCursor();
    cursor.setPosition(10);
    editor()->setTextCursor(cursor);
    paste(QStringLiteral("XYZ"));
    EXPECT_EQ(editor()->toPlainText().size(), 5000);
    EXPECT_EQ(editor()->toPlainText().mid(10, 3), QString(3, QLatin1Char('a')));
    EXPECT_TRUE(editor()->toPlainText().endsWith(QLatin1String("0123456789")));

    // Non-ASCII text is held to what the stored value can carry, and stored whole.
    editor()->clear();
    paste(QString(1000, kEuro.at(0)) + QString(800, QLatin1Char('x')).replace(QLatin1String("x"), kEmoji));
    const QString shown = editor()->toPlainText();
    EXPECT_LE(shown.toUtf8().size(), textlimit::kMaxBytes);
    EXPECT_GT(shown.toUtf8().size(), textlimit::kMaxBytes - 4);
    EXPECT_FALSE(hasLoneSurrogate(shown));
    button("pushButton_OK")->click();
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_EQ(QString::fromUtf8(info.value), shown);
}

TEST_F(TextPage, OkWritesTheTextAsItIsAndRefusesAnEmptyOne)
{
    const struct
    {
        const char *name;
        QString text;
    } texts[] = {
        {"spaces only", QStringLiteral("   ")},
        {"line breaks", QStringLiteral("first\nsecond\n\nthird")},
        {"markup", QStringLiteral("<b>bold</b> &amp; <i>x</i>")},
        {"non-ASCII", QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                        "e ") +
                          kEmoji},
    };
    for (const auto &t : texts) {
        SCOPED_TRACE(t.name);
        open(kKeyA, "toolButton_Text");
        editor()->setPlainText(t.text);
        PageSignals heard(page(kTextPage));
        button("pushButton_OK")->click();
        ASSERT_EQ(heard.writes(), 1);
        KeyOperateInfo info{};
        ASSERT_TRUE(stored(kKeyA, info));
        EXPECT_STREQ(info.type, "6");
        EXPECT_EQ(QString::fromUtf8(info.value), t.text);

        // Loads back verbatim, with the cursor at the end and the focus in the editor; saved
        // again unchanged.
        open(kKeyB, "toolButton_Default");
        select(kKeyA);
        EXPECT_EQ(editor()->toPlainText(), t.text);
        EXPECT_EQ(editor()->textCursor().position(), t.text.size());
        button("pushButton_OK")->click();
        ASSERT_TRUE(stored(kKeyA, info));
        EXPECT_EQ(QString::fromUtf8(info.value), t.text);
    }

    open(kKeyA, "toolButton_Text");
    editor()->clear();
    PageSignals heard(page(kTextPage));
    QSignalSpy tips(host.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
    button("pushButton_OK")->click();
    ASSERT_EQ(tips.count(), 1);
    EXPECT_EQ(tips.at(0).at(0).toString(), QStringLiteral("Setting failed because the text is empty"));
    ASSERT_EQ(heard.failed.count(), 1);
    EXPECT_EQ(heard.failed.at(0).at(0).toInt(), 6);
    EXPECT_EQ(heard.failed.at(0).at(1).toInt(), 0);
    EXPECT_EQ(heard.writes(), 0);
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_EQ(QString::fromUtf8(info.value), QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                                                               "e ") +
                                                 kEmoji)
        << "the key keeps its previous text";
}

TEST_F(TextPage, CancelGoesBackWithoutWritingAndAnotherTypeLoadsEmpty)
{
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, "A", 6, 1, 1, "kept"));
    select(kKeyA);
    editor()->setPlainText(QStringLiteral("changed"));
    PageSignals heard(page(kTextPage));
    button("pushButton_Cancel")->click();
    EXPECT_EQ(heard.cancelled.count(), 1);
    EXPECT_EQ(host->findChild<QStackedWidget *>()->currentWidget()->objectName(),
              QStringLiteral("page_Default"));
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_STREQ(info.value, "kept");

    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyB, "B", 0, 1, 1, "30"));
    open(kKeyB, "toolButton_Text");
    EXPECT_EQ(editor()->toPlainText(), QString());
}

class AppPage : public BindingPages
{
protected:
    QTextEdit *pathBox() const { return widget<QTextEdit>(kAppPage, "textEdit_appPath"); }
    // Clicks "Select application" and answers the file dialog: picks `file`, or cancels when empty.
    void choose(const QString &file)
    {
        bool answered = false;
        QTimer::singleShot(0, page(kAppPage), [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Select App"));
            answered = true;
            if (file.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(file);
            static_cast<QDialog *>(dialog)->accept();
        });
        widget<QPushButton>(kAppPage, "pushButton_selectAppPath")->click();
        EXPECT_TRUE(answered);
    }
    QString makeFile(const QString &name)
    {
        const QString path = files.path() + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return path;
    }
    QTemporaryDir files;
};

TEST_F(AppPage, TheChosenFileIsWrittenAsUtf8AndLoadsBack)
{
    const QString path = makeFile(QString::fromUtf8("my tools/Spi\xC3\xA9l 1.sh").replace('/', '_'));
    open(kKeyA, "toolButton_OpenApp");
    EXPECT_EQ(pathBox()->toPlainText(), QString());
    PageSignals heard(page(kAppPage));
    choose(path);
    ASSERT_EQ(heard.writes(), 1);
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_STREQ(info.type, "8");
    EXPECT_EQ(QByteArray(info.value), path.toUtf8());
    EXPECT_EQ(pathBox()->toPlainText(), path);

    open(kKeyB, "toolButton_Default");
    select(kKeyA);
    EXPECT_EQ(pathBox()->toPlainText(), path);
    EXPECT_TRUE(pathBox()->isReadOnly());

    // A cancelled dialog keeps the loaded path and writes nothing.
    choose(QString());
    EXPECT_EQ(heard.writes(), 1);
    EXPECT_EQ(pathBox()->toPlainText(), path);
}

TEST_F(AppPage, AnotherTypeLoadsEmptyAndIsReplacedByAChosenFile)
{
    ASSERT_TRUE(keyfunctionitem::save(layer(), kKeyA, "A", 6, 1, 1, "text"));
    open(kKeyA, "toolButton_OpenApp");
    EXPECT_EQ(pathBox()->toPlainText(), QString());
    const QString path = makeFile(QStringLiteral("run"));
    choose(path);
    KeyOperateInfo info{};
    ASSERT_TRUE(stored(kKeyA, info));
    EXPECT_STREQ(info.type, "8");
    EXPECT_EQ(QString::fromUtf8(info.value), path);
}

} // namespace
