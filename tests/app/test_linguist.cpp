#include "qtlinguist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Linguist, SystemLocaleMapping)
{
    const struct
    {
        QLocale locale;
        int expected;
    } rows[] = {
        {QLocale(QLocale::Chinese, QLocale::China), 1},
        {QLocale(QLocale::Chinese, QLocale::Taiwan), 2},
        {QLocale(QLocale::Chinese, QLocale::HongKong), 2},
        {QLocale(QLocale::Japanese), 4},
        {QLocale(QLocale::Korean), 5},
        {QLocale(QLocale::Russian), 6},
        {QLocale(QLocale::Arabic), 7},
        {QLocale(QLocale::Spanish), 8},
        {QLocale(QLocale::Portuguese), 9},
        {QLocale(QLocale::German), 10},
        {QLocale(QLocale::Italian), 11},
        {QLocale(QLocale::Polish), 12},
        {QLocale(QLocale::French), 13},
        {QLocale(QLocale::Ukrainian), 14},
        {QLocale(QLocale::Czech), 15},
        {QLocale(QLocale::Dutch), 3},
        {QLocale(QLocale::English), 3},
    };
    for (const auto &r : rows)
        EXPECT_EQ(QtLinguist::languageForLocale(r.locale), r.expected) << r.locale.name().toStdString();
}

TEST(Linguist, FileNamesFollowTheEnumerationKeys)
{
    QtLinguist l({QStringLiteral("/nonexistent")});
    EXPECT_EQ(l.fileName(1), "Zh_SM.qm");
    EXPECT_EQ(l.fileName(9), "Portugal.qm");
    EXPECT_EQ(l.fileName(15), "Czech.qm");
    EXPECT_TRUE(l.fileName(0).isEmpty());
    EXPECT_TRUE(l.fileName(16).isEmpty());
}

TEST(Linguist, LoadsFromTheFirstFolderThatHasTheCatalogue)
{
    QtLinguist l({QStringLiteral("/nonexistent"), QStringLiteral(TL_TRANSLATION_DIR)});
    EXPECT_TRUE(l.loadLanguage(15));
    EXPECT_TRUE(l.loadLanguage(3));
}

TEST(Linguist, RefusesUnknownValuesAndMissingFiles)
{
    QTemporaryDir empty;
    QtLinguist l({empty.path()});
    for (int v : {0, -1, 16})
        EXPECT_FALSE(l.loadLanguage(v)) << v;
    EXPECT_FALSE(l.loadLanguage(3)) << "English.qm is absent here";
    EXPECT_EQ(QCoreApplication::translate("DDataManager", "Unknow"), "Unknow");
}

TEST(Linguist, MissingFileDropsThePreviousTranslation)
{
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(TL_TRANSLATION_DIR "/German.qm"), dir.path() + "/German.qm");
    QtLinguist l({dir.path()});
    ASSERT_TRUE(l.loadLanguage(10));
    QFile::remove(dir.path() + "/German.qm");
    EXPECT_FALSE(l.loadLanguage(10));
}

} // namespace
