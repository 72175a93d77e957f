#include "qtlinguist.h"

#include "ddatamanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaEnum>
#include <QStandardPaths>

namespace {
Q_LOGGING_CATEGORY(lcTranslation, "tidelumen.app.translation")

// Qt looks this entry up whenever a translator is installed and lays every window out right to
// left when a catalogue translates it as "RTL" (Arabic), left to right for "LTR". Named here so
// that the catalogues keep it; the comment must stay exactly Qt's own, which is part of the key.
struct SourceText
{
    const char *source;
    const char *comment;
};
[[maybe_unused]] const SourceText kLayoutDirectionEntry =
    QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                       "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
                       "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");
} // namespace

QtLinguist::QtLinguist(const QStringList &searchDirs)
    : QObject(nullptr), m_searchDirs(searchDirs.isEmpty() ? defaultSearchDirs() : searchDirs)
{
    const QMetaEnum e = QMetaEnum::fromType<Language>();
    for (int i = 0; i < e.keyCount(); ++i)
        m_languageFiles.insert(e.value(i), QStringLiteral("%1.qm").arg(QLatin1String(e.key(i))));
}

QStringList QtLinguist::defaultSearchDirs()
{
    QStringList dirs{DDataManager::getInstance()->applicationDirPath() + QStringLiteral("/translation")};
    // Installed copies: <prefix>/share/tidelumen/translation beside <prefix>/bin.
    dirs << QDir::cleanPath(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/../share/tidelumen/translation"));
    for (const QString &d :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("tidelumen/translation"), QStandardPaths::LocateDirectory))
        dirs << d;
    dirs.removeDuplicates();
    return dirs;
}

int QtLinguist::languageForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Chinese:
        return locale.country() == QLocale::China ? Zh_SM : Zh_TR;
    case QLocale::Japanese:
        return Japanese;
    case QLocale::Korean:
        return Korean;
    case QLocale::Russian:
        return Russian;
    case QLocale::Arabic:
        return Arabic;
    case QLocale::Spanish:
        return Spanish;
    case QLocale::Portuguese:
        return Portugal;
    case QLocale::German:
        return German;
    case QLocale::Italian:
        return Italian;
    case QLocale::Polish:
        return Polish;
    case QLocale::French:
        return French;
    case QLocale::Ukrainian:
        return Ukrainian;
    case QLocale::Czech:
        return Czech;
    default:
        return English;
    }
}

int QtLinguist::systemLanguage()
{
    return languageForLocale(QLocale::system());
}

bool QtLinguist::loadLanguage(int language)
{
    const auto it = m_languageFiles.constFind(language);
    if (it == m_languageFiles.constEnd())
        return false;
    for (const QString &dir : qAsConst(m_searchDirs)) {
        const QString path = dir + QLatin1Char('/') + *it;
        if (!QFileInfo::exists(path))
            continue;
        if (m_translator.load(path)) {
            QCoreApplication::installTranslator(&m_translator);
            qCInfo(lcTranslation, "Loaded the translation %s", qUtf8Printable(path));
            return true;
        }
        qCWarning(lcTranslation, "The translation %s cannot be read", qUtf8Printable(path));
    }
    qCWarning(lcTranslation, "No readable %s in %s; the texts stay in English", qUtf8Printable(*it),
              qUtf8Printable(m_searchDirs.join(QStringLiteral(", "))));
    // Nothing loaded: an empty translator leaves every text in its English source form.
    m_translator.load(QString());
    return false;
}
