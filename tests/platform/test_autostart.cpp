#include "autostart.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

TEST(Autostart, ExecQuotingFollowsTheDesktopEntryRules)
{
    const struct
    {
        const char *path;
        const char *quoted;
    } rows[] = {
        {"/usr/bin/tidelumen", "\"/usr/bin/tidelumen\""},
        {"/opt/my apps/tidelumen", "\"/opt/my apps/tidelumen\""},
        {"/opt/100%/t", "\"/opt/100%%/t\""},
        {"/opt/$HOME/t", "\"/opt/\\\\$HOME/t\""},
        {"/opt/a\"b/t", "\"/opt/a\\\\\"b/t\""},
        {"/opt/a\\b/t", "\"/opt/a\\\\\\\\b/t\""},
    };
    for (const auto &r : rows)
        EXPECT_EQ(autostart::quoteExec(r.path), r.quoted) << r.path;
}

TEST(Autostart, EntryIsWrittenAndRemoved)
{
    ASSERT_TRUE(autostart::setEnabled(false, "Tidelumen"));
    EXPECT_FALSE(autostart::isEnabled());
    QString error;
    ASSERT_TRUE(autostart::setEnabled(true, "Tidelumen", &error)) << error.toStdString();
    EXPECT_TRUE(autostart::isEnabled());
    EXPECT_TRUE(autostart::entryPath().endsWith("/autostart/tidelumen.desktop"));

    QFile f(autostart::entryPath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("Exec=\"" + autostart::executablePath() + "\" --AutoUp\n"));
    EXPECT_TRUE(text.contains("Type=Application\n"));

    ASSERT_TRUE(autostart::setEnabled(false, "Tidelumen"));
    EXPECT_FALSE(QFile::exists(autostart::entryPath()));
}

} // namespace
