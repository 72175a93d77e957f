// A key-function page first opened long after start-up, on the device page of a simulated
// magnetic keyboard: it follows what the page was told before it existed (the press-mode
// selectors the keyboard's opening hid), and a key assigned through it reaches the layer file,
// the keyboard view and, with a Download, the keyboard.
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "devicepageprobe.h"
#include "dkeyfunctionpage.h"
#include "donboarddownload.h"
#include "keyboardbutcustom.h"
#include "keyfunctionitem.h"
#include "pagefixture.h"
#include "simdownloadhandlers.h"
#include "softkeyboardbutcustom.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>

namespace {

constexpr int kUsageA = 0x04;
constexpr int kUsageB = 0x05;

class KeyAssignFlow : public PageFixture
{
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        kb = addKeyboard("TL68HE");
        openPage();
        ASSERT_TRUE(
            waitFor([&] { return devicepage::currentLink(*page) && !page->layerFilePath().isEmpty(); }));
        page->show();
        keys = page->findChild<DCustomKeysPage *>();
        ASSERT_NE(keys, nullptr);
        ASSERT_TRUE(DDataManager::getInstance()->isMagneticKeyboard());
    }

    template <class W> W *named(QObject *parent, const char *name) const
    {
        auto *w = parent->findChild<W *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    std::shared_ptr<SimKeyboard> kb;
    DCustomKeysPage *keys = nullptr;
};

TEST_F(KeyAssignFlow, APageFirstOpenedLaterFollowsTheOpeningAndItsKeyReachesTheKeyboard)
{
    // Built at start, the Default page was told by the opening to leave the selector out.
    auto *defaultPage = named<DKeyFunctionPage>(keys, "DResetDefaultPage");
    ASSERT_NE(defaultPage, nullptr);
    EXPECT_TRUE(named<QFrame>(defaultPage, "frame_Top2")->isHidden());
    EXPECT_EQ(keys->findChild<DKeyFunctionPage *>(QStringLiteral("DChangeKeyPage")), nullptr)
        << "the Remap page is built when its tab is first opened";

    keyboardButCustom *keyA = DDataManager::getInstance()->keyButtonMap().value(kUsageA);
    ASSERT_NE(keyA, nullptr);
    keyA->click();
    ASSERT_EQ(DDataManager::getInstance()->currentKeyCode(), kUsageA);
    named<QToolButton>(keys, "toolButton_RemapKey")->click();
    auto *remap = named<DKeyFunctionPage>(keys, "DChangeKeyPage");
    ASSERT_NE(remap, nullptr);
    ASSERT_TRUE(remap->isVisible());
    EXPECT_TRUE(named<QFrame>(remap, "frame_Top2")->isHidden())
        << "the opening hid the selector before this page existed";

    // A click on the field opens the on-screen keyboard; a click on B remaps A to B.
    auto *field = named<QLineEdit>(remap, "lineEdit_changForKey");
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(field, &focusIn);
    auto *softB = remap->findChild<SoftKeyboardButCustom *>(QStringLiteral("softKey_%1").arg(kUsageB));
    ASSERT_NE(softB, nullptr);
    ASSERT_TRUE(waitFor([&] { return softB->isVisible(); }));
    QTest::mouseClick(softB, Qt::LeftButton);

    KeyOperateInfo info{};
    ASSERT_TRUE(keyfunctionitem::read(
        {layerFile(), QByteArray::number(DDataManager::getInstance()->profileIndex())}, kUsageA, info));
    EXPECT_EQ(keyfunctionitem::number(info.type), 0);
    EXPECT_EQ(QByteArray(info.value), QByteArray::number(kUsageB));
    EXPECT_TRUE(keyA->isAssigned()) << "the host heard the page's write";

    // Download: the keyboard's default layer maps A's place to B.
    std::shared_ptr<SimOnboardMemory> memory = m_backend->onboardMemory(*kb);
    ASSERT_NE(memory, nullptr);
    named<QAbstractButton>(keys, "pushButton_Download")->click();
    auto *download = page->findChild<DOnboardDownload *>();
    ASSERT_NE(download, nullptr);
    QSignalSpy finished(download, &DOnboardDownload::sigDownloadFinished);
    ASSERT_TRUE(finished.wait(30000) || !finished.isEmpty());
    ASSERT_TRUE(finished.first().at(0).toBool()) << finished.first().at(1).toString().toStdString();
    const int place = DDataManager::getInstance()->keyButtonList().indexOf(keyA);
    const QVector<SimKeyAction> layer = memory->decodeLayer(0);
    ASSERT_GE(place, 0);
    ASSERT_LT(place, layer.size());
    EXPECT_EQ(layer[place].entry, (std::array<uint8_t, 4>{0x00, kUsageB, 0, 0}));
}

} // namespace
