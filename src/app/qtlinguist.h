#pragma once

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTranslator>

// Owns the process's one translator and knows the catalogue file of every interface language.
class QtLinguist : public QObject
{
    Q_OBJECT

public:
    enum Language
    {
        Zh_SM = 1,
        Zh_TR,
        English,
        Japanese,
        Korean,
        Russian,
        Arabic,
        Spanish,
        Portugal,
        German,
        Italian,
        Polish,
        French,
        Ukrainian,
        Czech
    };
    Q_ENUM(Language)

    // `searchDirs` are tried in order for "<Language>.qm"; empty means the default folders
    // ("translation" beside the executable, then the installed data folder).
    explicit QtLinguist(const QStringList &searchDirs = {});

    static int systemLanguage();
    static int languageForLocale(const QLocale &locale);
    bool loadLanguage(int language);

    QString fileName(int language) const { return m_languageFiles.value(language); }
    QStringList searchDirs() const { return m_searchDirs; }
    static QStringList defaultSearchDirs();

private:
    QTranslator m_translator;
    QMap<int, QString> m_languageFiles;
    QStringList m_searchDirs;
};
