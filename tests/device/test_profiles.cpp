// The profile row of the device page: create, delete, rename, export, import, switch, layer
// switch, restore and the refresh of bound macro copies, against simulated keyboards.
#include "arrowwidget.h"
#include "cbnotice.h"
#include "customlightdefaults.h"
#include "dcustomkeyspage.h"
#include "donboarddownload.h"
#include "dprofilemenutoolwidget.h"
#include "hidreport.h"
#include "keyoperateinfo.h"
#include "macroeventrecord.h"
#include "pagefixture.h"
#include "profilenodeinfo.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList indicesOf(const char *path)
{
    ProfileNodeList nodes;
    CQuelmoXML_SelectProFileAllNodes(path, &nodes);
    QStringList out;
    for (const auto &n : nodes)
        out << QString::fromStdString(n.first);
    return out;
}

QString nameOf(const char *path, int index)
{
    ProfileNodeInfo info{};
    if (!CQuelmoXML_SelectProfileNodeInfo(path, QByteArray::number(index).constData(), &info))
        return QString();
    return QString::fromUtf8(info.name);
}

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &file, const QByteArray &data)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

bool bindKey(const char *path, int profile, const char *keyCode, const char *type, const char *value)
{
    return CQuelmoXML_AddProFileMacroWithKeyInfoItem(path, QByteArray::number(profile).constData(), keyCode,
                                                     "K", type, "1", "1", value);
}

QList<MacroEventRecord> events(std::initializer_list<const char *> codes)
{
    QList<MacroEventRecord> out;
    int mark = 0;
    for (const char *code : codes) {
        MacroEventRecord e{};
        fixedtext::copy(e.mark, QByteArray::number(++mark));
        fixedtext::copy(e.delay, "10");
        fixedtext::copy(e.type, "key");
        fixedtext::copy(e.keyCode, code);
        fixedtext::copy(e.codeName, code);
        fixedtext::copy(e.operateExplain, "down");
        out << e;
    }
    return out;
}

QStringList codesOfCopy(const char *path, int profile, const char *macro)
{
    QList<MacroEventRecord> list;
    CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(path, QByteArray::number(profile).constData(), macro,
                                                (QByteArray("Macro") + macro).constData(), &list);
    QStringList out;
    for (const MacroEventRecord &e : list)
        out << QString::fromUtf8(e.keyCode);
    return out;
}

} // namespace

class ProfileTest : public PageFixture
{
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        keyboard = addKeyboard("TL87");
        openPage();
        ASSERT_FALSE(page->layerFilePath().isEmpty()) << "the keyboard's profiles were not loaded";
        path = layerFile();
        ASSERT_EQ(indicesOf(path), QStringList{"1"});
        ASSERT_EQ(DDataManager::getInstance()->profileIndex(), 1);
    }

    // Leaves the layer file with exactly the given indices (Profile1 is the seed), in this order.
    void makeProfiles(const QStringList &indices)
    {
        for (const QString &i : indicesOf(path))
            CQuelmoXML_DeleteProFileSelectedNode(path, i.toLatin1().constData());
        for (const QString &i : indices)
            ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(path, i.toLatin1().constData(),
                                                              ("P" + i).toLatin1().constData(), 0));
        ASSERT_EQ(indicesOf(path), indices);
        CQuelmoXML_ModifyXMLFileProfileIndex(path, indices.first().toInt());
        page->loadCurrentProfile();
    }

    // Profiles 1 and 2, a macro store whose macro 3 plays A and B, and key 41 of profile 1 on both
    // layers bound to it with an older copy ("OLD"). The FN layer's file comes back in `fn`.
    void bindMacroInBothLayers(QByteArray *fn)
    {
        macros = QFile::encodeName(macroFolder.filePath("appMacro.xml"));
        ASSERT_TRUE(CQuelmoXML_CreateXMLFile(macros));
        ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(macros, "3", "Three"));
        ASSERT_TRUE(CQuelmoXML_AddKeyOrMouseEventItem(macros, events({"A", "B"}), "3"));
        ASSERT_TRUE(DDataManager::getInstance()->setMacroXmlPath(macros.constData()));

        makeProfiles({"1", "2"});
        page->onDefaultLayerAndFnLayerSwitch(1);
        *fn = layerFile();
        page->onDefaultLayerAndFnLayerSwitch(0);
        for (const QByteArray &file : {path, *fn}) {
            ASSERT_TRUE(bindKey(file, 1, "41", "1", "3"));
            ASSERT_TRUE(CQuelmoXML_AddProFileBindMacroItem(file, "1", events({"OLD"}), "3", "Macro3"));
        }
    }

    QString toast() const
    {
        return page->findChild<CbNotice *>(QString(), Qt::FindDirectChildrenOnly)->text();
    }
    template <typename T> T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
    QComboBox *combo() const { return child<QComboBox>("comboBox_profileList"); }

    QTemporaryDir macroFolder;
    QByteArray macros;

    std::shared_ptr<SimKeyboard> keyboard;
    QByteArray path;
};

TEST_F(ProfileTest, CreateTakesTheIndexAfterTheLastAndKeepsTheCurrentProfile)
{
    struct Case
    {
        const char *name;
        QStringList before;
        QStringList after;
        QString toast;
    };
    const QStringList ten = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    const std::vector<Case> cases = {
        {"1, 2, 5", {"1", "2", "5"}, {"1", "2", "5", "6"}, "Create profile successful"},
        {"1, 2", {"1", "2"}, {"1", "2", "3"}, "Create profile successful"},
        {"nine", ten.mid(0, 9), ten, "Create profile successful"},
        {"ten", ten, ten, "The number of profile has reached the maximum"},
        {"the next index is taken",
         {"1", "4", "3"},
         {"1", "4", "3"},
         "Create failed, the index node is already existence, please checked"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        makeProfiles(c.before);
        const int current = DDataManager::getInstance()->profileIndex();
        page->onProfileCreate();
        EXPECT_EQ(indicesOf(path), c.after);
        EXPECT_EQ(toast(), c.toast);
        EXPECT_EQ(DDataManager::getInstance()->profileIndex(), current);
        EXPECT_EQ(combo()->currentData().toInt(), current);
        EXPECT_EQ(combo()->count(), c.after.size());
        if (c.after.size() > c.before.size()) {
            const int made = c.after.last().toInt();
            EXPECT_EQ(nameOf(path, made), QStringLiteral("Profile%1").arg(made));
        }
    }
}

TEST_F(ProfileTest, DeleteKeepsOneAndMakesTheFirstRemainingCurrent)
{
    page->onProfileDelete();
    EXPECT_EQ(toast(), "Need keep at least one profile");
    EXPECT_EQ(indicesOf(path), QStringList{"1"});

    makeProfiles({"1", "2", "3"});
    combo()->setCurrentIndex(1); // the user picks profile 2
    ASSERT_EQ(DDataManager::getInstance()->profileIndex(), 2);
    page->onProfileDelete();
    EXPECT_EQ(toast(), "Delete profile successful");
    EXPECT_EQ(indicesOf(path), (QStringList{"1", "3"}));
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 1);
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(path), 1);
    EXPECT_EQ(combo()->currentData().toInt(), 1);
}

TEST_F(ProfileTest, RenameSavesCancelsAndRefusesAnEmptyName)
{
    auto *stack = child<QStackedWidget>("stackedWidget_2");
    auto *edit = child<QLineEdit>("lineEdit_profileName");
    page->onProfileModifyName();
    EXPECT_EQ(stack->currentWidget()->objectName(), "page_ModifyName");
    EXPECT_EQ(edit->text(), "Profile1");

    edit->clear();
    page->on_pushButton_Save_clicked();
    EXPECT_EQ(toast(), "Profile name can't empty");
    EXPECT_EQ(stack->currentWidget()->objectName(), "page_ModifyName");

    edit->setText(QStringLiteral("Arbeit für Äpfel"));
    page->on_pushButton_Cancel_clicked();
    EXPECT_EQ(stack->currentWidget()->objectName(), "page_ProfileList");
    EXPECT_EQ(nameOf(path, 1), "Profile1");
    EXPECT_TRUE(edit->text().isEmpty());

    page->onProfileModifyName();
    edit->setText(QStringLiteral("Arbeit für Äpfel"));
    page->on_pushButton_Save_clicked();
    EXPECT_EQ(toast(), "Modify profile info successful");
    EXPECT_EQ(stack->currentWidget()->objectName(), "page_ProfileList");
    EXPECT_EQ(nameOf(path, 1), QStringLiteral("Arbeit für Äpfel"));
    EXPECT_EQ(combo()->currentText(), QStringLiteral("Arbeit für Äpfel"));
}

TEST(ProfileExportName, NeverLeavesTheFolder)
{
    struct Case
    {
        const char *name;
        const char *file; // empty: refused
    };
    const Case cases[] = {
        {"Work", "Work.xml"},
        {"../../.config/autostart/evil", "_._.._.config_autostart_evil.xml"},
        {"a/b\\c:d", "a_b_c_d.xml"},
        {"..", "_..xml"},
        {"tab\there", "tab_here.xml"},
        {"  ", ""},
        {"", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = DDevicePage::exportFilePath("/tmp/f", QString::fromUtf8(c.name));
        EXPECT_EQ(out, *c.file ? QStringLiteral("/tmp/f/") + c.file : QString());
    }
}

TEST_F(ProfileTest, ExportWritesTheProfileAndLeavesForeignFilesAlone)
{
    QTemporaryDir folder;
    page->setExportFolderChooser([] { return QString(); });
    page->onProfileExport();
    EXPECT_EQ(toast(), "Please select save directory first");

    page->setExportFolderChooser([&] { return folder.path(); });
    CQuelmoXML_ModifyProfileNodeInfo(path, "1", "../Work");
    page->onProfileExport();
    EXPECT_EQ(toast(), "Export profile successful");
    const QString file = folder.filePath("_._Work.xml");
    EXPECT_EQ(indicesOf(QFile::encodeName(file)), QStringList{"1"});
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(folder.path()).dir().filePath("Work.xml")));

    // Exporting again into the same store file works; a foreign file of that name stays as it is.
    page->onProfileExport();
    EXPECT_EQ(toast(), "Export profile successful");
    CQuelmoXML_ModifyProfileNodeInfo(path, "1", "Notes");
    const QString notes = folder.filePath("Notes.xml");
    ASSERT_TRUE(writeFile(notes, "my own notes\n"));
    page->onProfileExport();
    EXPECT_EQ(toast(), "Export profile failed");
    EXPECT_EQ(bytesOf(notes), QByteArray("my own notes\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(ProfileTest, ImportHonoursTheLimitAndRefusesMalformedOrHostileFiles)
{
    QTemporaryDir folder;
    page->setImportFileChooser([] { return QString(); });
    page->onProfileImport();
    EXPECT_EQ(toast(), "Please select import file first");

    // A file of ours whose last profile is index 4: that one is imported.
    const QByteArray good = QFile::encodeName(folder.filePath("good.xml"));
    ASSERT_TRUE(CQuelmoXML_CreateXMLFile(good.constData()));
    CQuelmoXML_CreateProFileXmlParentNode(good.constData(), "2", "Second", 0);
    CQuelmoXML_CreateProFileXmlParentNode(good.constData(), "4", "Fourth", 0);
    page->setImportFileChooser([&] { return QFile::decodeName(good); });
    page->onProfileImport();
    EXPECT_EQ(toast(), "Import profile successful");
    EXPECT_EQ(indicesOf(path), (QStringList{"1", "2"}));
    EXPECT_EQ(nameOf(path, 2), "Fourth");
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 1);
    EXPECT_EQ(combo()->count(), 2);

    const QByteArray billion =
        "<?xml version=\"1.0\"?><!DOCTYPE t [<!ENTITY a \"aaaaaaaaaa\">"
        "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
        "<tidelumen version=\"1\"><Profile index=\"1\"><Name>&b;</Name></Profile></tidelumen>";
    struct Case
    {
        const char *name;
        QByteArray content;
    };
    const std::vector<Case> cases = {
        {"not xml", "\x01\x02 garbage <<<"},
        {"empty", ""},
        {"other root", "<?xml version=\"1.0\"?><html><Profile index=\"1\"/></html>"},
        {"entity expansion", billion},
        {"ours without profiles", "<?xml version=\"1.0\"?><tidelumen version=\"1\"/>"},
        {"truncated", "<?xml version=\"1.0\"?><tidelumen version=\"1\"><Profile index=\"1\"><Na"},
        {"oversized", QByteArray(9 * 1024 * 1024, ' ')},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = folder.filePath(QStringLiteral("hostile.xml"));
        ASSERT_TRUE(writeFile(file, c.content));
        const QByteArray before = bytesOf(page->layerFilePath());
        page->setImportFileChooser([&] { return file; });
        page->onProfileImport();
        EXPECT_EQ(toast(), "Import profile failed");
        EXPECT_EQ(bytesOf(page->layerFilePath()), before);
        EXPECT_EQ(indicesOf(path), (QStringList{"1", "2"}));
        EXPECT_EQ(bytesOf(file), c.content) << "a file chosen for import is never changed";
    }

    makeProfiles({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
    page->setImportFileChooser([&] { return QFile::decodeName(good); });
    page->onProfileImport();
    EXPECT_EQ(toast(), "The number of profile has reached the maximum");
    EXPECT_EQ(indicesOf(path).size(), 10);
}

TEST_F(ProfileTest, ExportedProfileImportsIntoAnotherKeyboard)
{
    auto second = addKeyboard("TL87");
    page.reset();
    openPage();
    const QByteArray first = layerFile();
    CQuelmoXML_ModifyProfileNodeInfo(first, "1", "Travel");
    ASSERT_TRUE(bindKey(first, 1, "41", "3", "5"));

    QTemporaryDir folder;
    page->setExportFolderChooser([&] { return folder.path(); });
    page->onProfileExport();
    ASSERT_EQ(toast(), "Export profile successful");

    page->onHidItemMouseClicked(page->deviceRecordMapCopy().value(QString::fromLatin1(second->path())));
    const QByteArray other = layerFile();
    ASSERT_NE(other, first);
    page->setImportFileChooser([&] { return folder.filePath("Travel.xml"); });
    page->onProfileImport();
    EXPECT_EQ(toast(), "Import profile successful");
    ASSERT_EQ(indicesOf(other), (QStringList{"1", "2"}));
    EXPECT_EQ(nameOf(other, 2), "Travel");
    KeyOperateInfo key{};
    ASSERT_TRUE(CQuelmoXML_SelectProFileKeyOperateInfo(other, "2", "41", &key));
    EXPECT_STREQ(key.type, "3");
    EXPECT_STREQ(key.value, "5");
    EXPECT_EQ(indicesOf(first), QStringList{"1"}) << "the source keyboard keeps its profiles";
}

TEST_F(ProfileTest, SwitchByListAndByKeyboardStoresTheIndex)
{
    makeProfiles({"1", "2", "3"});
    combo()->setCurrentIndex(2);
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 3);
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(path), 3);

    page->onCustomEventChangProfile(2);
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 2);
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(path), 2);
    EXPECT_EQ(combo()->currentData().toInt(), 2);

    // A request for a profile the file does not hold changes nothing.
    page->onCustomEventChangProfile(7);
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 2);
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(path), 2);
}

TEST_F(ProfileTest, LayerSwitchLoadsEachFilesOwnProfile)
{
    const QByteArray defaultFile = path;
    page->onDefaultLayerAndFnLayerSwitch(1);
    EXPECT_TRUE(page->layerFilePath().endsWith("/appProfile_FN.xml"));
    const QByteArray fn = layerFile();
    CQuelmoXML_CreateProFileXmlParentNode(fn, "2", "Fn two", 0);
    page->refreshProfileListAndKeyMarks();
    combo()->setCurrentIndex(1);
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 2);

    page->onDefaultLayerAndFnLayerSwitch(1); // the layer already shown
    EXPECT_EQ(layerFile(), fn);
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 2);

    page->onDefaultLayerAndFnLayerSwitch(0);
    EXPECT_EQ(layerFile(), defaultFile);
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 1);
    page->onProfileCreate(); // works on the shown file only
    EXPECT_EQ(indicesOf(defaultFile), (QStringList{"1", "2"}));
    EXPECT_EQ(indicesOf(fn), (QStringList{"1", "2"}));
    EXPECT_EQ(nameOf(fn, 2), "Fn two");

    page->onDefaultLayerAndFnLayerSwitch(1);
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 2);
}

TEST_F(ProfileTest, RestoreEmptiesTheProfileAndResetsTheKeyboard)
{
    CQuelmoXML_ModifyProfileNodeInfo(path, "1", "Mine");
    ASSERT_TRUE(bindKey(path, 1, "41", "3", "5"));
    page->onDefaultLayerAndFnLayerSwitch(1);
    const QByteArray fn = layerFile();
    ASSERT_TRUE(bindKey(fn, 1, "41", "3", "6"));
    page->onDefaultLayerAndFnLayerSwitch(0);

    int asked = 0;
    page->setResetConfirmation([&] {
        ++asked;
        return false;
    });
    page->on_pushButton_Reset_clicked();
    KeyOperateInfo key{};
    EXPECT_TRUE(CQuelmoXML_SelectProFileKeyOperateInfo(path, "1", "41", &key)) << "No keeps the profile";

    keyboard->clearLog();
    page->setResetConfirmation([&] {
        ++asked;
        return true;
    });
    page->on_pushButton_Reset_clicked();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(toast(), "Operate successful");
    EXPECT_FALSE(CQuelmoXML_SelectProFileKeyOperateInfo(path, "1", "41", &key));
    EXPECT_EQ(indicesOf(path), QStringList{"1"});
    EXPECT_EQ(nameOf(path, 1), "Mine");
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 1);
    EXPECT_TRUE(CQuelmoXML_SelectProFileKeyOperateInfo(fn, "1", "41", &key))
        << "the other layer is untouched";

    ASSERT_TRUE(waitFor([&] { return keyboard->receivedCount(hidproto::out::Settings) >= 2; }));
    QList<int> subs;
    for (const HidReport &r : keyboard->received()) {
        if (r[1] == hidproto::out::Settings)
            subs << r[hidproto::kSubByte];
    }
    EXPECT_EQ(subs.mid(0, 2), (QList<int>{0, 2})) << "reset, then the sleep-time query";
}

TEST_F(ProfileTest, MacroCopiesAreRefreshedInTheCurrentProfileOfBothLayers)
{
    QByteArray fn;
    ASSERT_NO_FATAL_FAILURE(bindMacroInBothLayers(&fn));
    ASSERT_TRUE(bindKey(path, 2, "42", "1", "3"));
    ASSERT_TRUE(CQuelmoXML_AddProFileBindMacroItem(path, "2", events({"OLD"}), "3", "Macro3"));

    emit page->sigMacroListHaveChangedSendToDevice("3", "Three");
    EXPECT_EQ(codesOfCopy(path, 1, "3"), (QStringList{"A", "B"}));
    EXPECT_EQ(codesOfCopy(fn, 1, "3"), (QStringList{"A", "B"}));
    EXPECT_EQ(codesOfCopy(path, 2, "3"), QStringList{"OLD"})
        << "a profile that is not current keeps its copy";

    // A macro no key of the current profile uses changes nothing.
    const QByteArray before = bytesOf(page->layerFilePath());
    ASSERT_TRUE(CQuelmoXML_CreateMacroXmlParentNode(macros, "4", "Four"));
    emit page->sigMacroListHaveChangedSendToDevice("4", "Four");
    EXPECT_EQ(bytesOf(page->layerFilePath()), before);
}

TEST_F(ProfileTest, AFailedMacroCopyRefreshKeepsTheOldCopy)
{
    QByteArray fn;
    ASSERT_NO_FATAL_FAILURE(bindMacroInBothLayers(&fn));

    // The disk fills up after one more file write.
    int writes = 0;
    XmlStore::instance().setWriterForTesting([&writes](QIODevice &device, const QByteArray &data) -> qint64 {
        return ++writes == 1 ? device.write(data) : -1;
    });
    emit page->sigMacroListHaveChangedSendToDevice("3", "Three");
    XmlStore::instance().setWriterForTesting({});

    EXPECT_EQ(codesOfCopy(path, 1, "3"), (QStringList{"A", "B"}));
    EXPECT_EQ(codesOfCopy(fn, 1, "3"), QStringList{"OLD"}) << "a key keeps playing the copy it had";
}

TEST_F(ProfileTest, MenuClosesBeforeTheChosenOperationRuns)
{
    makeProfiles({"1", "2"});
    page->show();
    page->on_pushButton_ProfileOperate_clicked();
    DProfileMenuToolWidget *menu = page->findChild<DProfileMenuToolWidget *>();
    ASSERT_NE(menu, nullptr);
    auto *popup = qobject_cast<ArrowWidget *>(menu->window());
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->size(), QSize(160, 180));

    bool hiddenFirst = false;
    QObject::connect(menu, &DProfileMenuToolWidget::sigProfileDelete, page.get(),
                     [&] { hiddenFirst = !popup->isVisible(); });
    auto *label = menu->findChild<QLabel *>("label_Delete");
    ASSERT_NE(label, nullptr);
    QTest::mouseRelease(label, Qt::RightButton);
    EXPECT_TRUE(hiddenFirst);
    EXPECT_EQ(indicesOf(path), QStringList{"2"});
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 2);

    page->on_pushButton_ProfileOperate_clicked();
    EXPECT_EQ(page->findChild<DProfileMenuToolWidget *>(), menu) << "one menu, shown again";
    EXPECT_EQ(menu->window(), popup);
    EXPECT_TRUE(popup->isVisible());
}

namespace {

TEST_F(ProfileTest, ProfileAndLayerStayPutWhileADownloadRuns)
{
    makeProfiles({"1", "2"});
    ASSERT_TRUE(page->layerFilePath().endsWith("appProfile_Default.xml"));
    page->findChild<DCustomKeysPage *>()->on_pushButton_Download_clicked();
    auto *download = page->findChild<DOnboardDownload *>();
    ASSERT_NE(download, nullptr);
    ASSERT_TRUE(download->isRunning());

    combo()->setCurrentIndex(1);
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 1);
    EXPECT_EQ(combo()->currentIndex(), 0) << "the combo box shows the profile still in use";
    EXPECT_EQ(toast(), DOnboardDownload::busyText());
    page->onDefaultLayerAndFnLayerSwitch(1);
    EXPECT_TRUE(page->layerFilePath().endsWith("appProfile_Default.xml"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return !download->isRunning(); }, 10000));
    combo()->setCurrentIndex(1);
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 2);
    page->onDefaultLayerAndFnLayerSwitch(1);
    EXPECT_TRUE(page->layerFilePath().endsWith("appProfile_FN.xml"));
}

} // namespace

// A damaged profile file: found at start, or found by a write while the program runs. Either way
// it is kept aside, the user is told where, and fresh profiles are usable at once.
TEST_F(ProfileTest, DamagedFileIsKeptAsideReportedAndReplacedAtOnce)
{
    const QString file = page->layerFilePath();
    const QString folder = QFileInfo(file).path();
    for (const bool whileRunning : {false, true}) {
        SCOPED_TRACE(whileRunning ? "damaged while running" : "damaged at start");
        if (!whileRunning)
            page.reset();
        ASSERT_TRUE(writeFile(file, "<tidelumen version=\"1\"><profile index=\"1\">cut off"));
        XmlStore::instance().clearCache();
        if (whileRunning)
            page->onProfileCreate();
        else
            openPage();
        const QStringList backups = QDir(folder).entryList({"appProfile_Default.xml.broken-*"}, QDir::Files);
        ASSERT_FALSE(backups.isEmpty()) << "the damaged copy was not kept";
        auto *box = page->findChild<QMessageBox *>("profileFileDamagedBox");
        ASSERT_NE(box, nullptr) << "the user was not told";
        EXPECT_TRUE(box->text().startsWith(
            "The profile file was damaged and has been reset; the damaged copy was kept as"))
            << box->text().toStdString();
        EXPECT_TRUE(box->text().endsWith(backups.first())) << "the message names the copy";
        box->close();
        flushDeletes();
        EXPECT_EQ(combo()->count(), 1);
        path = layerFile();
        page->onProfileCreate();
        EXPECT_EQ(indicesOf(path), (QStringList{"1", "2"}));
        for (const QString &b : backups)
            QFile::remove(folder + "/" + b);
    }
}

// An older version's interrupted delete left the current profile naming no profile; an
// interrupted create left a profile without its light defaults. The next start repairs both.
TEST_F(ProfileTest, LoadRepairsAMissingCurrentProfileAndMissingDefaults)
{
    page.reset();
    ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(path, "2", "Half built", 0));
    ASSERT_TRUE(CQuelmoXML_ModifyXMLFileProfileIndex(path, 3));
    openPage();
    EXPECT_EQ(DDataManager::getInstance()->profileIndex(), 1);
    XmlStore::instance().clearCache();
    EXPECT_EQ(CQuelmoXML_GetCreateXMLFileProfileIndex(path), 1) << "the fallback is stored";
    for (int target = 0; target < 3; ++target)
        EXPECT_TRUE(CustomLightDefaults::hasDefaultLightItem(path, 2, target)) << target;
    QList<CustomLightNode> schemes;
    CQuelmoXML_SelectProFileCustomLightAllNodes(path, "2", &schemes);
    EXPECT_EQ(schemes.size(), CustomLightDefaults::kSchemeCount);
    page->onProfileDelete();
    EXPECT_EQ(toast(), "Delete profile successful");
}

// A profile folder that cannot be made is said so, rather than shown as an empty list.
TEST_F(ProfileTest, AnUncreatableProfileFolderIsReported)
{
    page.reset();
    const QString modelFolder = QFileInfo(QFileInfo(QString::fromLocal8Bit(path)).path()).path();
    ASSERT_TRUE(QDir(modelFolder).removeRecursively());
    ASSERT_TRUE(writeFile(modelFolder, "a file where the folder belongs"));
    XmlStore::instance().clearCache();
    openPage();
    EXPECT_TRUE(toast().contains("cannot be created")) << toast().toStdString();
    QFile::remove(modelFolder);
}
