// The program's window on a simulated keyboard, switched from language to language through the
// settings dialog the way a user does it: every visible text must follow the switch, fit its widget
// in the theme font and be drawable, and Arabic must turn the layout right to left and back.
#include "dappllication.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "dmacropage.h"
#include "dmainwidget.h"
#include "dsettingsdia.h"
#include "dupdatefirmwaredia.h"
#include "keyboardbutcustom.h"
#include "qtlinguist.h"
#include "simulatedwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolButton>
#include <QXmlStreamReader>
#include <QtMath>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The texts of one catalogue: every translation, and each source's translation.
struct Catalogue
{
    QSet<QString> translations;
    QSet<QString> sources;
};

Catalogue readCatalogue(const QString &path)
{
    Catalogue c;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return c;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source"))
            c.sources << xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            c.translations << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return c;
}

QString languageKey(int language)
{
    return QLatin1String(QMetaEnum::fromType<QtLinguist::Language>().valueToKey(language));
}

// Texts that must not be seen while `language` is shown: every English source and every other
// language's translation, unless the language itself uses the same text somewhere.
QSet<QString> foreignTexts(int language)
{
    static QHash<int, Catalogue> catalogues;
    if (catalogues.isEmpty()) {
        for (int l = QtLinguist::Zh_SM; l <= QtLinguist::Czech; ++l)
            catalogues.insert(l, readCatalogue(QStringLiteral(TL_CATALOGUE_DIR "/") + languageKey(l) +
                                               QStringLiteral(".ts")));
    }
    QSet<QString> foreign;
    for (auto it = catalogues.cbegin(); it != catalogues.cend(); ++it)
        foreign += it->sources + it->translations;
    foreign -= catalogues.value(language).translations;
    foreign.remove(QString());
    return foreign;
}

// One text a user can see, where it is, and how much room it has.
struct ShownText
{
    QWidget *widget;
    QString what;
    QString text;
    int room = -1;        // width the text may take; -1: only checked for its language
    bool wrapped = false; // word-wrapped label: the height must hold it
    bool rich = false;
};

QString plain(const QString &text)
{
    QString out = text;
    // A single '&' marks the mnemonic and is not drawn.
    out.replace(QLatin1String("&&"), QString(QChar(0x1)));
    out.remove(QLatin1Char('&'));
    out.replace(QChar(0x1), QLatin1Char('&'));
    return out;
}

int iconRoom(const QAbstractButton *b)
{
    return b->icon().isNull() ? 0 : b->iconSize().width() + 4;
}

// Width the style leaves a button's text (after indicator, border, padding and icon).
int buttonRoom(QAbstractButton *b, QStyle::SubElement contents)
{
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    opt.icon = b->icon();
    opt.iconSize = b->iconSize();
    return b->style()->subElementRect(contents, &opt, b).width() - iconRoom(b);
}

QString describe(const QWidget *w)
{
    QStringList path;
    for (const QObject *o = w; o && path.size() < 3; o = o->parent())
        path.prepend(o->objectName().isEmpty() ? QLatin1String(o->metaObject()->className())
                                               : o->objectName());
    return path.join(QLatin1Char('/'));
}

// How much of the widget's width its ancestors cut off (a row wider than its window, say).
int cutWidth(const QWidget *w)
{
    QRect shown = w->rect();
    for (const QWidget *p = w; p->parentWidget() && !p->isWindow(); p = p->parentWidget())
        shown = shown.translated(p->pos()) & p->parentWidget()->rect();
    return w->width() - shown.width();
}

void collect(QWidget *root, QList<ShownText> *out)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : qAsConst(widgets)) {
        if (!w->isVisible() || w->width() <= 0 || w->height() <= 0 || w->window() != root->window())
            continue;
        if (!w->toolTip().isEmpty())
            out->append({w, QStringLiteral("tool tip"), w->toolTip()});
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty())
                continue;
            const QRect r = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                           -label->margin());
            // A marquee's text moves through its box by design.
            if (label->parentWidget()->inherits("TextMoveWidget")) {
                out->append({w, QStringLiteral("moving text"), label->text()});
                continue;
            }
            const bool rich = label->textFormat() == Qt::RichText ||
                              (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
            out->append({w, QStringLiteral("label"), label->text(), r.width() - qMax(0, label->indent()),
                         label->wordWrap(), rich});
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            out->append(
                {w, QStringLiteral("check box"), box->text(), buttonRoom(box, QStyle::SE_CheckBoxContents)});
        } else if (auto *radio = qobject_cast<QRadioButton *>(w)) {
            out->append({w, QStringLiteral("radio button"), radio->text(),
                         buttonRoom(radio, QStyle::SE_RadioButtonContents)});
        } else if (auto *push = qobject_cast<QPushButton *>(w)) {
            out->append(
                {w, QStringLiteral("button"), push->text(), buttonRoom(push, QStyle::SE_PushButtonContents)});
        } else if (auto *tool = qobject_cast<QToolButton *>(w)) {
            if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull())
                continue;
            const int icon = tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon ? iconRoom(tool) : 0;
            out->append(
                {w, QStringLiteral("tool button"), tool->text(), tool->contentsRect().width() - icon});
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                out->append({w, QStringLiteral("tab"), tabs->tabText(i), tabs->tabRect(i).width()});
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            opt.editable = combo->isEditable();
            opt.frame = combo->hasFrame();
            opt.currentText = combo->currentText();
            const QRect r = combo->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                           QStyle::SC_ComboBoxEditField, combo);
            out->append({w, QStringLiteral("list"), combo->currentText(), r.width()});
            for (int i = 0; i < combo->count(); ++i)
                out->append({w, QStringLiteral("list entry"), combo->itemText(i)});
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            out->append({w, QStringLiteral("group"), group->title()});
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            if (edit->text().isEmpty() && !edit->placeholderText().isEmpty())
                out->append({w, QStringLiteral("placeholder"), edit->placeholderText()});
        }
    }
}

// Width and height the text takes in the widget's own font (the theme's, through its style sheet).
QSize textSize(const ShownText &t, int wrapWidth)
{
    const QFont font = t.widget->font();
    if (t.rich) {
        QTextDocument doc;
        doc.setDefaultFont(font);
        doc.setDocumentMargin(0);
        doc.setHtml(t.text);
        if (t.wrapped)
            doc.setTextWidth(wrapWidth);
        return QSize(qCeil(doc.idealWidth()), qCeil(doc.size().height()));
    }
    const QFontMetrics fm(font);
    const int flags = Qt::TextExpandTabs | (t.wrapped ? Qt::TextWordWrap : 0);
    return fm.boundingRect(QRect(0, 0, t.wrapped ? wrapWidth : 100000, 100000), flags, plain(t.text)).size();
}

// Characters the fonts on this system cannot draw (they come out as empty boxes).
QString undrawable(const ShownText &t)
{
    QTextLayout layout(plain(t.text), t.widget->font());
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    QString missing;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        const QVector<quint32> glyphs = run.glyphIndexes();
        if (glyphs.contains(0))
            missing += run.rawFont().familyName() + QLatin1Char(' ');
    }
    return missing;
}

// Every problem with the texts shown in `root`'s window, one line each.
QStringList textProblems(QWidget *root, int language)
{
    const QSet<QString> foreign = foreignTexts(language);
    QList<ShownText> shown;
    collect(root, &shown);
    QStringList problems;
    for (const ShownText &t : qAsConst(shown)) {
        const QString where = QStringLiteral("%1 %2 \"%3\"").arg(t.what, describe(t.widget), t.text);
        if (foreign.contains(t.text) || foreign.contains(plain(t.text)))
            problems << where + QStringLiteral(": not in this language");
        if (t.text.trimmed().isEmpty())
            continue;
        const QString missing = undrawable(t);
        if (!missing.isEmpty())
            problems << where + QStringLiteral(": characters without a glyph (") + missing.trimmed() +
                            QLatin1Char(')');
        if (t.room < 0)
            continue;
        const int cut = cutWidth(t.widget);
        if (cut > 1)
            problems << where + QStringLiteral(": %1 px of it lie outside its window").arg(cut);
        const int room = t.room - cut;
        const QSize need = textSize(t, t.room);
        if (t.wrapped) {
            const int height = t.widget->contentsRect().height();
            if (need.height() > height + 1 || need.width() > room + 1)
                problems << where + QStringLiteral(": needs %1x%2, has %3x%4")
                                        .arg(need.width())
                                        .arg(need.height())
                                        .arg(room)
                                        .arg(height);
        } else if (need.width() > room + 1) {
            problems << where + QStringLiteral(": needs %1 px, has %2").arg(need.width()).arg(room);
        }
    }
    return problems;
}

// Lets the layouts finish: a text that changes its height asks its parents again, one round each.
void settle()
{
    for (int round = 0; round < 10; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

struct LanguageCase
{
    int language;
    const char *entry;
};

void PrintTo(const LanguageCase &c, std::ostream *os)
{
    *os << languageKey(c.language).toStdString();
}

std::string caseName(const testing::TestParamInfo<LanguageCase> &info)
{
    return QStringLiteral("%1_%2").arg(info.index).arg(languageKey(info.param.language)).toStdString();
}

// One window for the whole table, so that each language is reached from the one before it.
class LanguageSwitch : public testing::TestWithParam<LanguageCase>
{
public:
    static void SetUpTestSuite()
    {
        // Where an installed program finds its catalogues; read when the translator is created.
        const QString installed = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                                  QStringLiteral("/tidelumen/translation");
        QDir().mkpath(installed);
        for (const QString &qm : QDir(QStringLiteral(TL_TRANSLATION_DIR)).entryList({QStringLiteral("*.qm")}))
            QFile::copy(QStringLiteral(TL_TRANSLATION_DIR "/") + qm, installed + QLatin1Char('/') + qm);
        QSettings(DDataManager::getInstance()->userConfigFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("Language/selectLanguageIndex"), int(QtLinguist::English));
        qputenv("TIDELUMEN_SIMULATE", "TL68HE");
        s_window = new DMainWidget;
        s_window->show();
        DDevicePage *page = nullptr;
        std::shared_ptr<SimOnboardMemory> memory;
        s_ready = waitForSimulatedKeyboard(*s_window, &page, &memory);
        s_page = page;
        // The keyboard's firmware is older than the one we ship: the update dialog opens by itself
        // and stays open through every language.
        s_ready =
            s_ready && QTest::qWaitFor([] { return s_window->findChild<DUpdateFirmwareDia *>(); }, 10000);
    }
    static void TearDownTestSuite()
    {
        delete s_window;
        s_window = nullptr;
        qunsetenv("TIDELUMEN_SIMULATE");
    }

protected:
    void SetUp() override
    {
        ASSERT_TRUE(s_ready) << "the simulated keyboard or its firmware update offer never appeared";
    }

    // A picture of the window is kept beside the other test pictures when it has a problem, and of
    // the main views always.
    static QStringList problemsIn(QWidget *root, const QString &name, bool picture = true)
    {
        QStringList out;
        for (const QString &p : textProblems(root, GetParam().language))
            out << name + QStringLiteral(": ") + p;
        if (picture || !out.isEmpty())
            root->grab().save(QStringLiteral(TL_SHOT_DIR "/language-%1-%2.png")
                                  .arg(languageKey(GetParam().language), name));
        return out;
    }

    static DMainWidget *s_window;
    static DDevicePage *s_page;
    static bool s_ready;
};

DMainWidget *LanguageSwitch::s_window = nullptr;
DDevicePage *LanguageSwitch::s_page = nullptr;
bool LanguageSwitch::s_ready = false;

TEST_P(LanguageSwitch, EveryTextFollowsAndFits)
{
    const LanguageCase &c = GetParam();
    ASSERT_NE(DAppllication::instance(), nullptr);
    QStringList problems;

    // The settings dialog, opened with the gear, changes the language at once.
    s_window->findChild<QPushButton *>(QStringLiteral("pushButton_Setting"))->click();
    QPointer<DSettingsDia> settings = s_window->findChild<DSettingsDia *>();
    ASSERT_NE(settings, nullptr);
    auto *list = settings->findChild<QComboBox *>(QStringLiteral("comboBox_Language"));
    const int entry = list->findText(QString::fromUtf8(c.entry));
    ASSERT_GE(entry, 0) << c.entry;
    list->setCurrentIndex(entry);
    settle();
    const Qt::LayoutDirection direction =
        c.language == QtLinguist::Arabic ? Qt::RightToLeft : Qt::LeftToRight;
    EXPECT_EQ(QApplication::layoutDirection(), direction);
    EXPECT_EQ(s_window->layoutDirection(), direction);
    EXPECT_EQ(settings->layoutDirection(), direction);
    problems << problemsIn(settings, "settings");
    settings->findChild<QPushButton *>(QStringLiteral("pushButton_About"))->click();
    settle();
    problems << problemsIn(settings, "about");
    settings->findChild<QPushButton *>(QStringLiteral("pushButton_Close"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(settings.isNull());

    // The window on each of its pages.
    for (const char *tab : {"toolButton_CustomKey", "toolButton_LightConfig", "toolButton_Performance",
                            "toolButton_TriggerSetting"}) {
        auto *button = s_page->findChild<QToolButton *>(QLatin1String(tab));
        if (!button || !button->isVisible())
            continue;
        button->click();
        settle();
        problems << problemsIn(s_window, QLatin1String(tab));
    }
    s_page->findChild<QToolButton *>(QStringLiteral("toolButton_CustomKey"))->click();

    // Every function page of the key assignment, for a chosen key.
    const auto keyButtons = DDataManager::getInstance()->keyButtonMap();
    ASSERT_FALSE(keyButtons.isEmpty());
    keyButtons.first()->click();
    auto *keys = s_page->findChild<DCustomKeysPage *>();
    ASSERT_NE(keys, nullptr);
    for (QToolButton *function :
         keys->findChildren<QToolButton *>(QRegularExpression(QStringLiteral("^toolButton_")))) {
        if (!function->isVisible())
            continue;
        function->click();
        settle();
        problems << problemsIn(s_window, function->objectName(), false);
    }
    keys->findChild<QToolButton *>(QStringLiteral("toolButton_Default"))->click();

    // The firmware update offer stays open while the language changes.
    if (auto *update = s_window->findChild<DUpdateFirmwareDia *>()) {
        EXPECT_TRUE(update->isVisible());
        problems << problemsIn(update, "firmware-update");
    }

    // The macro editor, opened afresh in the new language.
    QTest::mouseClick(s_page->findChild<QToolButton *>(QStringLiteral("toolButton_MacroDialog")),
                      Qt::LeftButton);
    QPointer<DMacroPage> macros = s_window->findChild<DMacroPage *>();
    ASSERT_NE(macros, nullptr);
    settle();
    problems << problemsIn(macros, "macro-editor");
    macros->findChild<QAbstractButton *>(QStringLiteral("pushButton_Close"))->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return macros.isNull(); }, 3000));

    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

// In list order, so that each language is reached from a different one (English is stored first).
INSTANTIATE_TEST_SUITE_P(
    Languages, LanguageSwitch,
    testing::Values(
        LanguageCase{QtLinguist::Zh_SM, "简体中文"}, LanguageCase{QtLinguist::English, "English"},
        LanguageCase{QtLinguist::Zh_TR, "繁體中文"}, LanguageCase{QtLinguist::Korean, "한국어"},
        LanguageCase{QtLinguist::Russian, "Русский"}, LanguageCase{QtLinguist::Japanese, "日本語"},
        LanguageCase{QtLinguist::Spanish, "Español"}, LanguageCase{QtLinguist::Portugal, "Português"},
        LanguageCase{QtLinguist::German, "Deutsch"}, LanguageCase{QtLinguist::Italian, "Italiano"},
        LanguageCase{QtLinguist::Polish, "Polski"}, LanguageCase{QtLinguist::French, "Français"},
        LanguageCase{QtLinguist::Arabic, "\u00a0عربي ،"}, LanguageCase{QtLinguist::Ukrainian, "Україна"},
        LanguageCase{QtLinguist::Czech, "Čeština"},
        // and back to left to right
        LanguageCase{QtLinguist::German, "Deutsch"}),
    caseName);

} // namespace
