#include "stablefonts.h"

#include <QApplication>
#include <QStyleFactory>
#include <gtest/gtest.h>

namespace stablefonts {

void install()
{
    for (const char *family : {"Microsoft YaHei", "Microsoft Yahei"})
        QFont::insertSubstitution(QLatin1String(family), kFamily);
    QApplication::setFont(QFont(kFamily, 10));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

namespace {
class Environment : public testing::Environment
{
    void SetUp() override { install(); }
};
const testing::Environment *const s_environment = testing::AddGlobalTestEnvironment(new Environment);
} // namespace

} // namespace stablefonts
