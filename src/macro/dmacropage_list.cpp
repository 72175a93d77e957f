// Whole-macro operations of the macro editor: create, delete, export and import.
#include "dmacropage.h"
#include "ui_dmacropage.h"

#include "cquelmoxml.h"
#include "dcatchkeyandmouseitem.h"
#include "ddatamanager.h"
#include "dmacrolistitem.h"
#include "macrofile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <vector>

void DMacroPage::setMacroUseQuery(std::function<bool(const QString &)> query)
{
    macroInUse = std::move(query);
}

std::function<bool(int)> DMacroPage::boundIndexes() const
{
    if (!macroInUse)
        return {};
    const auto query = macroInUse;
    return [query](int index) { return query(QString::number(index)); };
}

void DMacroPage::on_pushButton_Add_clicked()
{
    std::vector<MacroNode> nodes;
    if (!CQuelmoXML_SelectMacroAllNodes(macroXmlPath, &nodes)) {
        showToast(tr("Add macro failed"));
        return;
    }
    const QByteArray index = QByteArray::number(macrofile::lowestFreeIndex(nodes, boundIndexes()));
    const QByteArray name = QStringLiteral("Macro%1").arg(QString::fromLatin1(index)).toLatin1();
    const bool created =
        CQuelmoXML_CreateMacroXmlParentNode(macroXmlPath, index.constData(), name.constData());
    loadMacroList();
    showToast(created ? tr("Add macro successful") : tr("Add macro failed"));
}

void DMacroPage::onDeleteMacro(QString strMacroIndex, QString strMacroName)
{
    if (isRecording)
        return;
    auto *row = qobject_cast<DMacroListItem *>(sender());
    if (!row)
        return;
    if (macroInUse && macroInUse(strMacroIndex)) {
        const QMessageBox::StandardButton answer = QMessageBox::warning(
            this, tr("Delete macro"),
            tr("Keys of the current profile still play the macro \"%1\". Delete it anyway? Those keys "
               "keep playing the macro as it is now.")
                .arg(strMacroName),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    if (!CQuelmoXML_DeleteMacroNode(macroXmlPath, strMacroIndex.toLatin1().constData())) {
        showToast(tr("Delete macro failed"));
        return;
    }
    macroListLayout->removeWidget(row);
    row->hide();
    row->deleteLater();
    macroItems.removeAll(row);
    if (row == currentMacroItem)
        currentMacroItem = nullptr;
    showToast(tr("Delete macro successful"));

    if (currentMacroIndex != strMacroIndex)
        return;
    currentMacroItem = nullptr;
    std::vector<MacroNode> nodes;
    CQuelmoXML_SelectMacroAllNodes(macroXmlPath, &nodes);
    if (nodes.empty()) {
        currentMacroIndex.clear();
        currentMacroName.clear();
        showNoEvents();
        notifyMacroChanged(0);
        keyDownCount = 0;
        return;
    }
    selectFirstOnLoad = true;
    onMacroItemMouseClicked(QString::fromUtf8(nodes.front().index.c_str()),
                            QString::fromUtf8(nodes.front().name.c_str()));
}

void DMacroPage::onExportMacroChildList(QString strMacroIndex, QString strMacroName)
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Save directory"), fileDialogDir,
                                          QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty()) {
        showToast(tr("Please select save directory first"));
        return;
    }
    exportMacroTo(folder, strMacroIndex, strMacroName);
}

QString DMacroPage::exportMacroTo(const QString &folder, const QString &index, const QString &name)
{
    QList<MacroEventRecord> events;
    if (!CQuelmoXML_SelectAllKeyOrMouseEvent(macroXmlPath, index.toLatin1().constData(), &events)) {
        showToast(tr("Export macro failed"));
        return {};
    }
    const QDir dir(folder);
    const QString path =
        dir.absoluteFilePath(macrofile::exportBaseName(name, index) + QStringLiteral(".xml"));
    // The sanitised name holds no separator; this keeps it so should the rule ever change.
    if (QFileInfo(path).absoluteDir() != QDir(dir.absolutePath())) {
        showToast(tr("Export macro failed"));
        return {};
    }
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(macrofile::write(index, name, events)) >= 0 && file.commit();
    if (!written) {
        qWarning() << "[Macro editor] cannot write" << path << file.errorString();
        showToast(tr("Export macro failed"));
        return {};
    }
    showToast(tr("Export macro successful"));
    return path;
}

void DMacroPage::on_pushButton_Import_clicked()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open macro file"), fileDialogDir, tr("Macro files(*.xml)"));
    if (path.isEmpty())
        return;
    importMacroFrom(path);
}

bool DMacroPage::importMacroFrom(const QString &filePath)
{
    // The whole file is read and checked before anything is created: a refused file leaves the
    // store as it was.
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Error: cannot open file";
        showToast(tr("Import macro failed"));
        return false;
    }
    const QByteArray text = file.read(macrofile::kMaxFileBytes + 1);
    file.close();
    const macrofile::ParseResult parsed = macrofile::parse(text);
    if (!parsed.ok) {
        qDebug() << "error:" << parsed.error;
        showToast(tr("Import macro failed"));
        return false;
    }
    qDebug() << parsed.macroIndex << parsed.macroName;

    std::vector<MacroNode> nodes;
    if (!CQuelmoXML_SelectMacroAllNodes(macroXmlPath, &nodes)) {
        showToast(tr("Import macro failed"));
        return false;
    }
    const int newIndex = macrofile::nextImportIndex(nodes, boundIndexes());
    const QByteArray index = QByteArray::number(newIndex);
    const QByteArray name = macrofile::importedName(filePath, newIndex).toUtf8();
    bool stored = CQuelmoXML_CreateMacroXmlParentNode(macroXmlPath, index.constData(), name.constData());
    if (stored && !CQuelmoXML_AddKeyOrMouseEventItem(macroXmlPath, parsed.events, index.constData())) {
        // No half-imported macro stays behind.
        CQuelmoXML_DeleteMacroNode(macroXmlPath, index.constData());
        stored = false;
    }
    loadMacroList();
    showToast(stored ? tr("Import macro successful") : tr("Import macro failed"));
    return stored;
}
