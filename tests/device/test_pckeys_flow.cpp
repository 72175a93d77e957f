// Keys bound on the key-assignment tab to computer-side functions, end to end: the user binds the
// key on the device page of a simulated keyboard, the keyboard reports the key (input 0x20), and
// the text is pasted, the application launched or the profile switched. The test runs under the
// program's own application object, so typed keys pass its event filter as in the program.
#include "dappllication.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "devicepageprobe.h"
#include "fakekeyinjector.h"
#include "hidreport.h"
#include "keyboardbutcustom.h"
#include "pagefixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kKeyA = 0x04;
constexpr int kKeyB = 0x05;
constexpr int kKeyC = 0x06;

class PcKeysFlow : public PageFixture
{
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        ASSERT_NE(DAppllication::instance(), nullptr) << "runs under the program's application object";
        kb = addKeyboard("TL87");
        openPage();
        ASSERT_TRUE(
            waitFor([&] { return devicepage::currentLink(*page) && !page->layerFilePath().isEmpty(); }));
        page->show();
        DDeviceKeyboardLink *link = devicepage::currentLink(*page);
        link->setKeyInjector(injector);
        link->setAppLauncher([this](const QString &path) {
            launched << path;
            return true;
        });
        keys = page->findChild<DCustomKeysPage *>();
        ASSERT_NE(keys, nullptr);
    }

    // A click on the key in the keyboard view, then on the type button.
    void bind(int keyCode, const char *typeButton)
    {
        keyboardButCustom *key = DDataManager::getInstance()->keyButtonMap().value(keyCode);
        ASSERT_NE(key, nullptr) << keyCode;
        key->click();
        ASSERT_EQ(DDataManager::getInstance()->currentKeyCode(), keyCode);
        keys->findChild<QToolButton *>(QLatin1String(typeButton))->click();
    }
    template <class W> W *pageWidget(const char *page, const char *name) const
    {
        auto *w = keys->findChild<QWidget *>(QLatin1String(page))->findChild<W *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The keyboard reports a press of a key whose function the computer carries out.
    void keyboardPresses(int keyCode)
    {
        HidReport r = hidproto::makeReport(hidproto::in::PcFunctionKey);
        r[9] = uint8_t(keyCode);
        r[10] = 1;
        kb->send(r);
    }

    std::shared_ptr<SimKeyboard> kb;
    std::shared_ptr<FakeKeyInjector> injector = std::make_shared<FakeKeyInjector>();
    QStringList launched;
    DCustomKeysPage *keys = nullptr;
};

TEST_F(PcKeysFlow, ATypedTextIsPastedWhenTheKeyboardReportsItsKey)
{
    bind(kKeyA, "toolButton_Text");
    QTextEdit *editor = pageWidget<QTextEdit>("DKeyWithTextPage", "textEdit_keyText");
    // Space and Return reach the editor: the application object keeps them only from other widgets.
    QTest::keyClicks(editor, QStringLiteral("hello world"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("bye"));
    ASSERT_EQ(editor->toPlainText(), QStringLiteral("hello world\nbye"));
    pageWidget<QPushButton>("DKeyWithTextPage", "pushButton_OK")->click();

    keyboardPresses(kKeyA);
    ASSERT_TRUE(waitFor([&] { return !injector->pasted.isEmpty(); }));
    EXPECT_EQ(injector->pasted, QStringList{QStringLiteral("hello world\nbye")});
    EXPECT_TRUE(launched.isEmpty());
}

TEST_F(PcKeysFlow, AChosenApplicationIsLaunchedWhenTheKeyboardReportsItsKey)
{
    QTemporaryDir dir;
    const QString app = dir.path() + QString::fromUtf8("/my t\xC3\xB6ol.sh");
    QFile f(app);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();

    bind(kKeyB, "toolButton_OpenApp");
    QTimer::singleShot(0, page.get(), [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(app);
        static_cast<QDialog *>(dialog)->accept();
    });
    pageWidget<QPushButton>("DKeyWithAppPage", "pushButton_selectAppPath")->click();

    keyboardPresses(kKeyB);
    ASSERT_TRUE(waitFor([&] { return !launched.isEmpty(); }));
    EXPECT_EQ(launched, QStringList{app});
    EXPECT_TRUE(injector->pasted.isEmpty());
}

TEST_F(PcKeysFlow, APickedProfileBecomesCurrentWhenTheKeyboardReportsItsKey)
{
    const QByteArray layer = layerFile();
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(layer.constData(), "2", "Second", 0));
    ASSERT_EQ(DDataManager::getInstance()->profileIndex(), 1);

    // The type button is kept hidden in the window; its tab works like the others.
    bind(kKeyC, "toolButton_SwitchProfile");
    auto *combo = pageWidget<QComboBox>("DChangProfilePage", "comboBox_Profile");
    const int second = combo->findData(QStringLiteral("2"));
    ASSERT_GE(second, 0);
    combo->setCurrentIndex(second);
    emit combo->activated(second);

    keyboardPresses(kKeyC);
    ASSERT_TRUE(waitFor([&] { return DDataManager::getInstance()->profileIndex() == 2; }));
    EXPECT_TRUE(injector->pasted.isEmpty());
    EXPECT_TRUE(launched.isEmpty());
}

} // namespace
