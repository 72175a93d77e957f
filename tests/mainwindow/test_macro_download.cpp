// A macro from the editor to the keyboard: recorded in the editor the device page opens (key and
// mouse events through the program's capture, its back end played by the test), bound to a key on
// the key-assignment tab, downloaded, and read back from the simulated keyboard's memory.
#include "cquelmoxml.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "dmacrolistitem.h"
#include "dmacropage.h"
#include "dmainwidget.h"
#include "donboarddownload.h"
#include "fakeinputhook.h"
#include "fixedtext.h"
#include "hiddevicemanager.h"
#include "keyboardbutcustom.h"
#include "simulatedwindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

inline void PrintTo(const SimMacroEvent &e, std::ostream *os)
{
    *os << "{code " << int(e.code) << ", flags " << int(e.flags) << ", delay " << e.delay << "}";
}

namespace {

constexpr int kKeyQ = 0x14;
constexpr uint8_t kDown = 0x10, kMouse = 0x01;

template <typename T> T *named(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The editor's macro rows in list order (rows on their way out are no longer in the layout).
QList<DMacroListItem *> macroRows(DMacroPage *editor)
{
    QList<DMacroListItem *> rows;
    auto *layout = editor->findChild<QVBoxLayout *>(QStringLiteral("verticalLayout_17"));
    for (int i = 0; layout && i < layout->count(); ++i)
        if (auto *row = qobject_cast<DMacroListItem *>(layout->itemAt(i)->widget()))
            rows << row;
    return rows;
}

// The device page's macro button; the editor it opens, with its list read.
DMacroPage *openEditor(DMainWidget &window, DDevicePage *page)
{
    QTest::mouseClick(named<QToolButton>(page, "toolButton_MacroDialog"), Qt::LeftButton);
    auto *editor = window.findChild<DMacroPage *>();
    EXPECT_NE(editor, nullptr);
    return editor;
}

void clickRecord(DMacroPage *editor)
{
    QTest::mouseClick(named<QFrame>(editor, "frame_Record"), Qt::LeftButton);
}

// Key press or release as the capture back end reports it: virtual key, scan code, up flag.
void key(int vk, int scan, bool press)
{
    ASSERT_NE(FakeInputHook::current(), nullptr) << "no capture running";
    FakeInputHook::current()->key(vk, scan, press ? 0 : 0x80);
}

void tap(int vk, int scan)
{
    key(vk, scan, true);
    key(vk, scan, false);
}

// "type code side" of every stored event of a macro.
QStringList storedEvents(const QString &index)
{
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->copyMacroXmlPath(path);
    QList<MacroEventRecord> events;
    EXPECT_TRUE(CQuelmoXML_SelectAllKeyOrMouseEvent(path, index.toLatin1().constData(), &events));
    QStringList out;
    for (const MacroEventRecord &e : qAsConst(events)) {
        out << QStringLiteral("%1 %2 %3")
                   .arg(QString::fromStdString(std::string(fixedtext::view(e.type))),
                        QString::fromStdString(std::string(fixedtext::view(e.keyCode))),
                        QString::fromStdString(std::string(fixedtext::view(e.operateExplain))));
    }
    return out;
}

// Every key of both layers that plays a macro, with the layer code it was found on.
QList<QPair<uint8_t, SimKeyAction>> macroKeys(const SimOnboardMemory &memory)
{
    QList<QPair<uint8_t, SimKeyAction>> keys;
    for (uint8_t layer : {uint8_t(0), uint8_t(2)})
        for (const SimKeyAction &a : memory.decodeLayer(layer))
            if (a.entry[0] == 0x10)
                keys.append({layer, a});
    return keys;
}

bool download(DDevicePage *page, QString *message)
{
    named<QAbstractButton>(page->findChild<DCustomKeysPage *>(), "pushButton_Download")->click();
    auto *download = page->findChild<DOnboardDownload *>();
    if (!download)
        return false;
    QSignalSpy finished(download, &DOnboardDownload::sigDownloadFinished);
    if (!finished.wait(30000) && finished.isEmpty())
        return false;
    *message = finished.first().at(1).toString();
    return finished.first().at(0).toBool();
}

} // namespace

TEST(MainWindowMacroDownload, RecordedBoundAndDownloadedMacroIsWhatTheKeyboardPlays)
{
    FakeInputHook::control() = {};
    InputHook::setFactory([] { return std::make_unique<FakeInputHook>(); });
    qputenv("TIDELUMEN_SIMULATE", "TL87");
    HidDeviceManager::instance().setBackend(nullptr);
    {
        DMainWidget window;
        window.show();
        DDevicePage *page = nullptr;
        std::shared_ptr<SimOnboardMemory> memory;
        ASSERT_TRUE(waitForSimulatedKeyboard(window, &page, &memory));

        // A new macro in the editor, chosen in the list.
        QPointer<DMacroPage> editor = openEditor(window, page);
        ASSERT_FALSE(editor.isNull());
        QStringList before;
        for (DMacroListItem *row : macroRows(editor))
            before << row->index();
        named<QAbstractButton>(editor, "pushButton_Add")->click();
        DMacroListItem *added = nullptr;
        for (DMacroListItem *row : macroRows(editor))
            if (!before.contains(row->index()))
                added = row;
        ASSERT_NE(added, nullptr);
        const QString index = added->index();
        QTest::mouseClick(added, Qt::LeftButton);
        ASSERT_EQ(editor->currentIndex(), index);

        // Every event waits 50 ms. Recorded: Shift+H, I, a left click.
        named<QRadioButton>(editor, "radioButton_DefaultDelay")->click();
        auto *delay = named<QLineEdit>(editor, "lineEdit_DefaultDelayNum");
        delay->clear();
        QTest::keyClicks(delay, QStringLiteral("50"));
        clickRecord(editor);
        ASSERT_TRUE(editor->recording());
        ASSERT_NE(FakeInputHook::current(), nullptr);
        EXPECT_TRUE(FakeInputHook::current()->mouseInstalled());
        key(0xA0, 0x2A, true);
        tap(0x48, 0x23);
        key(0xA0, 0x2A, false);
        tap(0x49, 0x17);
        FakeInputHook::current()->mouse(0x201);
        FakeInputHook::current()->mouse(0x202);
        clickRecord(editor);
        EXPECT_FALSE(editor->recording());
        EXPECT_EQ(FakeInputHook::current(), nullptr) << "the capture ends with the recording";
        const QStringList recorded{"key 225 down", "key 11 down", "key 11 up",      "key 225 up",
                                   "key 12 down",  "key 12 up",   "mouse 513 down", "mouse 514 up"};
        ASSERT_EQ(storedEvents(index), recorded);

        named<QAbstractButton>(editor, "pushButton_Close")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return editor.isNull(); }, 3000));

        // Q plays the macro three times.
        keyboardButCustom *q = DDataManager::getInstance()->keyButtonMap().value(kKeyQ);
        ASSERT_NE(q, nullptr);
        q->click();
        ASSERT_EQ(DDataManager::getInstance()->currentKeyCode(), kKeyQ);
        auto *keys = page->findChild<DCustomKeysPage *>();
        named<QToolButton>(keys, "toolButton_Macro")->click();
        QWidget *macroTab = named<QWidget>(keys, "DMacroCmdPage");
        auto *combo = named<QComboBox>(macroTab, "comboBox_Macro");
        const int entry = combo->findData(index);
        ASSERT_GE(entry, 0);
        combo->setCurrentIndex(entry);
        emit combo->activated(entry);
        named<QRadioButton>(macroTab, "radioButton_playMany")->click();
        auto *repeat = named<QLineEdit>(macroTab, "lineEdit_playMany");
        repeat->clear();
        QTest::keyClicks(repeat, QStringLiteral("3"));

        QString message;
        ASSERT_TRUE(download(page, &message)) << message.toStdString();

        // The keyboard holds the macro for Q on the default layer: each event with the wait before
        // the next one, the last waiting for nothing.
        const QVector<SimMacroEvent> expected{
            {0xE1, kDown, 50}, {0x0B, kDown, 50},          {0x0B, 0, 50},    {0xE1, 0, 50}, {0x0C, kDown, 50},
            {0x0C, 0, 50},     {0x01, kDown | kMouse, 50}, {0x01, kMouse, 0}};
        QList<QPair<uint8_t, SimKeyAction>> bound = macroKeys(*memory);
        ASSERT_EQ(bound.size(), 1);
        EXPECT_EQ(bound[0].first, 0);
        const SimKeyAction &played = bound[0].second;
        EXPECT_EQ(played.entry[1], kKeyQ);
        ASSERT_TRUE(played.hasMacro);
        EXPECT_EQ(played.playMode, 2);
        EXPECT_EQ(played.repeat, 3);
        EXPECT_EQ(played.events, expected);

        // Recording more into the bound macro reaches the keyboard with the next download.
        editor = openEditor(window, page);
        ASSERT_FALSE(editor.isNull());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !macroRows(editor).isEmpty(); }, 3000));
        for (DMacroListItem *row : macroRows(editor))
            if (row->index() == index)
                QTest::mouseClick(row, Qt::LeftButton);
        ASSERT_EQ(editor->currentIndex(), index);
        named<QRadioButton>(editor, "radioButton_NoDelay")->click();
        clickRecord(editor);
        ASSERT_TRUE(editor->recording());
        tap(0x4A, 0x24);
        clickRecord(editor);
        ASSERT_EQ(storedEvents(index), recorded + QStringList({"key 13 down", "key 13 up"}));
        named<QAbstractButton>(editor, "pushButton_Close")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return editor.isNull(); }, 3000));

        memory->clear();
        ASSERT_TRUE(download(page, &message)) << message.toStdString();
        bound = macroKeys(*memory);
        ASSERT_EQ(bound.size(), 1);
        EXPECT_EQ(bound[0].second.entry[1], kKeyQ);
        QVector<SimMacroEvent> longer = expected;
        longer.last().delay = 0;
        longer << SimMacroEvent{0x0D, kDown, 0} << SimMacroEvent{0x0D, 0, 0};
        EXPECT_EQ(bound[0].second.events, longer);
        EXPECT_EQ(bound[0].second.repeat, 3);
    }
    HidDeviceManager::instance().setBackend(nullptr);
    qunsetenv("TIDELUMEN_SIMULATE");
    InputHook::setFactory({});
}
