// The profile row: the profile menu, creating, deleting, renaming, exporting, importing and
// switching profiles, the layer switch, the reset, and the refresh of bound macro copies.
#include "ddevicepage.h"

#include "arrowwidget.h"
#include "cbnotice.h"
#include "cquelmoxml.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "deviceprofilefiles.h"
#include "dprofilemenutoolwidget.h"
#include "fixedtext.h"
#include "profilenodeinfo.h"
#include "ui_ddevicepage.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QThread>

#include <cstring>

namespace {
Q_LOGGING_CATEGORY(lcProfileRow, "tidelumen.device.profilerow")

// The profile row's width as the form gives it, with the profile list shown.
constexpr int kProfileRowMaxWidth = 210;

template <std::size_t N> QString utf8Of(const char (&field)[N])
{
    const std::string_view v = fixedtext::view(field);
    return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
}

ProfileNodeList profilesOf(const char *path)
{
    ProfileNodeList nodes;
    if (path && *path)
        CQuelmoXML_SelectProFileAllNodes(path, &nodes);
    return nodes;
}

bool profileExists(const char *path, int index)
{
    return path && *path &&
           CQuelmoXML_IsExistenceSelectProfileNode(path, QByteArray::number(index).constData());
}
} // namespace

QString DDevicePage::layerFilePath() const
{
    return QFile::decodeName(profileXmlPath.get());
}

void DDevicePage::on_pushButton_ProfileOperate_clicked()
{
    // Built once; every press shows the same menu again.
    if (!profileMenuWidget) {
        profileMenuWidget = new DProfileMenuToolWidget(this);
        profileMenuWidget->setWindowOpacity(1.0);
        connect(profileMenuWidget, &DProfileMenuToolWidget::sigCloseMenuWidow, this,
                &DDevicePage::onCloseMenuWidow);
        connect(profileMenuWidget, &DProfileMenuToolWidget::sigProfileCreate, this,
                &DDevicePage::onProfileCreate);
        connect(profileMenuWidget, &DProfileMenuToolWidget::sigProfileDelete, this,
                &DDevicePage::onProfileDelete);
        connect(profileMenuWidget, &DProfileMenuToolWidget::sigProfileExport, this,
                &DDevicePage::onProfileExport);
        connect(profileMenuWidget, &DProfileMenuToolWidget::sigProfileImport, this,
                &DDevicePage::onProfileImport);
        connect(profileMenuWidget, &DProfileMenuToolWidget::sigProfileModifyName, this,
                &DDevicePage::onProfileModifyName);
        profileMenuPopup = new ArrowWidget(1, this);
        profileMenuPopup->setWidgetSize(160, 180);
        profileMenuPopup->setArrowStartX(120);
        profileMenuPopup->setCenterWidget(profileMenuWidget);
    }
    popup = profileMenuPopup;
    QPushButton *button = ui->pushButton_ProfileOperate;
    const QPoint tip = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6));
    popup->move(tip - QPoint(127, 200));
    popup->show();
    popup->activateWindow();
}

void DDevicePage::onCloseMenuWidow()
{
    if (popup)
        popup->hide();
}

void DDevicePage::onProfileCreate()
{
    const char *path = profileXmlPath.get();
    if (!*path)
        return;
    const ProfileNodeList nodes = profilesOf(path);
    if (static_cast<int>(nodes.size()) >= kMaxProfiles) {
        notice->showNotice(tr("The number of profile has reached the maximum"), noticeAnchor());
        return;
    }
    const int index = (nodes.empty() ? 1 : QByteArray::fromStdString(nodes.back().first).toInt()) + 1;
    const QByteArray indexText = QByteArray::number(index);
    const QByteArray name = QStringLiteral("Profile%1").arg(index).toLatin1();
    if (CQuelmoXML_IsExistenceSelectProfileNode(path, indexText.constData())) {
        notice->showNotice(tr("Create failed, the index node is already existence, please checked"),
                           noticeAnchor());
        return;
    }
    if (!ProfileOperations::create(path, index, name, profileDefaults())) {
        qCWarning(lcProfileRow, "Cannot create profile %d in %s", index, path);
        if (recoverDamagedProfileFiles())
            return;
        notice->showNotice(tr("Create profile failed"), noticeAnchor());
        return;
    }
    refreshProfileListAndKeyMarks();
    notice->showNotice(tr("Create profile successful"), noticeAnchor());
}

void DDevicePage::onProfileDelete()
{
    const char *path = profileXmlPath.get();
    if (!*path)
        return;
    if (profilesOf(path).size() <= 1) {
        notice->showNotice(tr("Need keep at least one profile"), noticeAnchor());
        return;
    }
    int next = 0;
    if (!ProfileOperations::remove(path, currentProfileIndex, &next)) {
        qCWarning(lcProfileRow, "Cannot delete profile %d in %s", currentProfileIndex, path);
        if (recoverDamagedProfileFiles())
            return;
        notice->showNotice(tr("Delete profile failed"), noticeAnchor());
        return;
    }
    currentProfileIndex = next;
    loadCurrentProfile();
    notice->showNotice(tr("Delete profile successful"), noticeAnchor());
}

void DDevicePage::onProfileModifyName()
{
    ProfileNodeInfo info{};
    const char *path = profileXmlPath.get();
    if (!*path ||
        !CQuelmoXML_SelectProfileNodeInfo(path, QByteArray::number(currentProfileIndex).constData(), &info))
        return;
    QLineEdit *edit = ui->lineEdit_profileName;
    if (!edit->findChild<QShortcut *>(QStringLiteral("shortcut_CancelRename"))) {
        // Enter saves and Escape cancels, as in any inline editor.
        connect(edit, &QLineEdit::returnPressed, this, &DDevicePage::on_pushButton_Save_clicked);
        auto *cancel =
            new QShortcut(QKeySequence(Qt::Key_Escape), edit, nullptr, nullptr, Qt::WidgetShortcut);
        cancel->setObjectName(QStringLiteral("shortcut_CancelRename"));
        connect(cancel, &QShortcut::activated, this, &DDevicePage::on_pushButton_Cancel_clicked);
        // Room for a twelve-character name besides the frame and the padding.
        edit->ensurePolished();
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12 + 12);
    }
    // The row widens for the name and its save and cancel buttons, which would otherwise sit on
    // the name's end; it narrows again when the editor closes.
    ui->horizontalLayout_15->invalidate(); // the field's new minimum is not in its sizes yet
    const QMargins row = ui->horizontalLayout_13->contentsMargins();
    const int rowWidth =
        qMax(kProfileRowMaxWidth, ui->horizontalLayout_15->minimumSize().width() + row.left() + row.right());
    ui->frame_4->setMinimumWidth(rowWidth);
    ui->frame_4->setMaximumWidth(rowWidth);
    edit->setText(utf8Of(info.name));
    ui->stackedWidget_2->setCurrentWidget(ui->page_ModifyName);
    edit->selectAll();
    edit->setFocus(Qt::OtherFocusReason);
}

void DDevicePage::on_pushButton_Save_clicked()
{
    const QString name = ui->lineEdit_profileName->text();
    if (name.isEmpty()) {
        notice->showNotice(tr("Profile name can't empty"), noticeAnchor());
        return;
    }
    const char *path = profileXmlPath.get();
    if (!*path || !ProfileOperations::rename(path, currentProfileIndex, name.toUtf8())) {
        // The editor stays open with the text, so nothing typed is lost.
        notice->showNotice(tr("Modify profile info failed"), noticeAnchor());
        return;
    }
    refreshProfileListAndKeyMarks();
    ui->stackedWidget_2->setCurrentWidget(ui->page_ProfileList);
    ui->frame_4->setMinimumWidth(0);
    ui->frame_4->setMaximumWidth(kProfileRowMaxWidth);
    notice->showNotice(tr("Modify profile info successful"), noticeAnchor());
}

void DDevicePage::on_pushButton_Cancel_clicked()
{
    ui->lineEdit_profileName->clear();
    ui->stackedWidget_2->setCurrentWidget(ui->page_ProfileList);
    ui->frame_4->setMinimumWidth(0);
    ui->frame_4->setMaximumWidth(kProfileRowMaxWidth);
}

QString DDevicePage::exportFilePath(const QString &folder, const QString &name)
{
    // Separators and the characters other file systems refuse become "_"; so does a leading dot,
    // which would hide the file.
    static const QString kUnsafe = QStringLiteral("/\\:*?\"<>|");
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name)
        safe += (c.unicode() < 0x20 || c.unicode() == 0x7f || kUnsafe.contains(c)) ? QChar('_') : c;
    safe = safe.trimmed();
    if (safe.startsWith(QLatin1Char('.')))
        safe[0] = QLatin1Char('_');
    if (safe.isEmpty() || folder.isEmpty())
        return QString();
    const QString dir = QDir(folder).absolutePath();
    const QString file = dir + QLatin1Char('/') + safe + QStringLiteral(".xml");
    if (QFileInfo(file).absolutePath() != dir)
        return QString();
    return file;
}

void DDevicePage::onProfileExport()
{
    const QString folder =
        exportFolderChooser
            ? exportFolderChooser()
            : QFileDialog::getExistingDirectory(this, tr("Save directory"), desktopPath,
                                                QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty()) {
        notice->showNotice(tr("Please select save directory first"), noticeAnchor());
        return;
    }
    const char *path = profileXmlPath.get();
    const QByteArray index = QByteArray::number(currentProfileIndex);
    ProfileNodeInfo info{};
    if (!*path || !CQuelmoXML_SelectProfileNodeInfo(path, index.constData(), &info)) {
        notice->showNotice(tr("This index node non-existent"), noticeAnchor());
        return;
    }

    const QString target = exportFilePath(folder, utf8Of(info.name));
    char targetPath[256] = {};
    bool ok = !target.isEmpty() &&
              fixedtext::copyWhole(targetPath, sizeof targetPath, QFile::encodeName(target).toStdString());
    if (ok) {
        const QFileInfo existing(target);
        if (existing.isSymLink() || existing.exists()) {
            // Only an earlier export (a store file of ours) is added to; anything else the user
            // keeps there is left untouched.
            ProfileNodeList nodes;
            ok = !existing.isSymLink() && existing.isFile() &&
                 CQuelmoXML_SelectProFileAllNodes(targetPath, &nodes);
            if (!ok)
                qCWarning(lcProfileRow, "%s exists and is not a profile file; not overwritten",
                          qUtf8Printable(target));
        } else {
            ok = CQuelmoXML_CreateXMLFile(targetPath);
        }
    } else {
        qCWarning(lcProfileRow, "No usable export file for profile \"%s\" in %s", info.name,
                  qUtf8Printable(folder));
    }
    ok = ok && CQuelmoXML_ProFileExport(path, targetPath, index.constData(), 0);
    notice->showNotice(ok ? tr("Export profile successful") : tr("Export profile failed"), noticeAnchor());
}

void DDevicePage::onProfileImport()
{
    const QString file = importFileChooser
                             ? importFileChooser()
                             : QFileDialog::getOpenFileName(this, tr("Open profile file"), desktopPath,
                                                            tr("Profile files(*.xml)"));
    if (file.isEmpty()) {
        notice->showNotice(tr("Please select import file first"), rect().center());
        return;
    }
    const char *path = profileXmlPath.get();
    if (!*path)
        return;
    if (static_cast<int>(profilesOf(path).size()) >= kMaxProfiles) {
        notice->showNotice(tr("The number of profile has reached the maximum"), noticeAnchor());
        return;
    }
    char sourcePath[256] = {};
    bool ok = fixedtext::copyWhole(sourcePath, sizeof sourcePath, QFile::encodeName(file).toStdString());
    if (ok) {
        const ProfileNodeList nodes = profilesOf(sourcePath);
        const std::string sourceIndex = nodes.empty() ? std::string("1") : nodes.back().first;
        ok = ProfileOperations::import(path, sourcePath, sourceIndex.c_str(), profileDefaults());
    }
    if (ok)
        refreshProfileListAndKeyMarks();
    else if (recoverDamagedProfileFiles())
        return;
    else
        qCWarning(lcProfileRow, "Import of %s refused", qUtf8Printable(file));
    notice->showNotice(ok ? tr("Import profile successful") : tr("Import profile failed"), noticeAnchor());
}

void DDevicePage::switchToProfile(int index)
{
    if (refuseWhileDownloading()) {
        if (index != currentProfileIndex)
            refreshProfileListAndKeyMarks();
        return;
    }
    const char *path = profileXmlPath.get();
    // A request for a profile the file does not hold would leave every page without a profile.
    if (!profileExists(path, index)) {
        qCInfo(lcProfileRow, "Profile %d is not in %s; switch ignored", index, path);
        refreshProfileListAndKeyMarks();
        return;
    }
    currentProfileIndex = index;
    CQuelmoXML_ModifyXMLFileProfileIndex(path, index);
    loadCurrentProfile();
}

void DDevicePage::on_comboBox_profileList_currentIndexChanged(QString text)
{
    Q_UNUSED(text)
    const QVariant data = ui->comboBox_profileList->currentData();
    if (data.isValid())
        switchToProfile(data.toInt());
}

void DDevicePage::onCustomEventChangProfile(int changeProfileIndex)
{
    if (!currentLink)
        return;
    switchToProfile(changeProfileIndex);
}

void DDevicePage::onDefaultLayerAndFnLayerSwitch(int pageIndex)
{
    if (pageIndex == currentLayer || refuseWhileDownloading())
        return;
    const QByteArray file = DeviceProfileFiles::layerFile(QByteArray(profileXmlPath.get()), pageIndex);
    if (file.isEmpty() || !fixedtext::copyWhole(profileXmlPath.get(), 256, file.toStdString()))
        return;
    currentLayer = pageIndex;
    loadCurrentProfile();
    DDataManager *dm = DDataManager::getInstance();
    if (dm->isMagneticKeyboard()) {
        customKeysPage->setHeavyPressSelectorsVisible(pageIndex);
        dm->setDefaultLayerSelected(pageIndex == 0);
    }
}

void DDevicePage::on_pushButton_Reset_clicked()
{
    bool yes = false;
    if (resetConfirmation) {
        yes = resetConfirmation();
    } else {
        QMessageBox box(QMessageBox::Question, tr("Tip"), tr("Whether to reset the current profile?"),
                        QMessageBox::NoButton, this);
        QPushButton *yesButton = box.addButton(tr("Yes"), QMessageBox::YesRole);
        box.addButton(tr("No"), QMessageBox::NoRole);
        box.setDefaultButton(yesButton);
        box.setEscapeButton(static_cast<QAbstractButton *>(nullptr));
        box.exec();
        yes = box.clickedButton() == yesButton;
    }
    if (!yes)
        return;
    if (DDataManager::getInstance()->hidDeviceType() == 4) {
        onMagnetsKeyboardDefaultSensitivity();
        QThread::msleep(250);
    }
    onResetoreCurrentProfile();
}

void DDevicePage::onResetoreCurrentProfile()
{
    const char *path = profileXmlPath.get();
    const QByteArray index = QByteArray::number(currentProfileIndex);
    ProfileNodeInfo info{};
    if (!*path || !CQuelmoXML_SelectProfileNodeInfo(path, index.constData(), &info)) {
        notice->showNotice(tr("Operate failed"), noticeAnchor());
        return;
    }
    if (!ProfileOperations::restore(path, currentProfileIndex, profileDefaults())) {
        qCWarning(lcProfileRow, "Cannot restore profile %d in %s", currentProfileIndex, path);
        loadCurrentProfile();
        notice->showNotice(tr("Operate failed"), noticeAnchor());
        return;
    }
    loadCurrentProfile();
    if (currentLink)
        currentLink->resetKeyboard();
    notice->showNotice(tr("Operate successful"), noticeAnchor());
    if (currentLink)
        currentLink->querySleepTimes();
}

bool DDevicePage::keysUseMacro(const QString &macroIndex) const
{
    return DeviceProfileFiles::usesMacroInEitherLayer(profileXmlPath.get(), currentProfileIndex,
                                                      macroIndex.toLatin1());
}

void DDevicePage::onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName)
{
    Q_UNUSED(strMacroName)
    char macroFile[256] = {};
    DDataManager::getInstance()->copyMacroXmlPath(macroFile);
    DeviceProfileFiles::refreshMacroCopies(profileXmlPath.get(), currentProfileIndex,
                                           strMacroIndex.toLatin1(), macroFile);
}
