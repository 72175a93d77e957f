#include "keyinjector.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(KeyInjectorX11, PastesUnicodeTextIntoTheFocusedWindow)
{
    auto injector = KeyInjector::createSystem();
    ASSERT_TRUE(injector->isAvailable()) << "needs an X server with XTEST";

    QLineEdit edit;
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit, 5000));

    const QString text = QString::fromUtf8("h\xC3\xA9llo w\xC3\xB6rld \xE4\xB8\xAD");
    ASSERT_TRUE(injector->pasteText(text));
    EXPECT_EQ(QApplication::clipboard()->text(), text);
    for (int i = 0; i < 100 && edit.text() != text; ++i)
        QTest::qWait(20);
    EXPECT_EQ(edit.text(), text);
}

} // namespace
