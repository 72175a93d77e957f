#include "dkeywithapppage.h"

#include "ddatamanager.h"
#include "keypagestyle.h"
#include "ui_dkeywithapppage.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
constexpr int kTypeLaunchApp = 8;

// The desktop folder, or the home folder where there is none.
QString startFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return !desktop.isEmpty() && QFileInfo(desktop).isDir() ? desktop : QDir::homePath();
}
} // namespace

DKeyWithAppPage::DKeyWithAppPage(QWidget *parent)
    : DKeyItemPage(parent), ui(std::make_unique<Ui::DKeyWithAppPage>())
{
    ui->setupUi(this);
    setTexts();
}

DKeyWithAppPage::~DKeyWithAppPage() = default;

void DKeyWithAppPage::setTexts()
{
    ui->label_10->setText(tr("Select App"));
    ui->textEdit_appPath->setPlaceholderText(tr("Please select the path where your app is located"));
    ui->pushButton_selectAppPath->setText(tr("Select application"));
}

void DKeyWithAppPage::retranslate()
{
    setTexts();
}

void DKeyWithAppPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    keypagestyle::styleTitle(ui->label_10, c);
    keypagestyle::styleButton(ui->pushButton_selectAppPath, c);
    ui->textEdit_appPath->setStyleSheet(keypagestyle::fieldSheet("QTextEdit", c));
}

void DKeyWithAppPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    ui->textEdit_appPath->clear();
    KeyOperateInfo info{};
    if (readItem(info) && keyfunctionitem::number(info.type) == kTypeLaunchApp)
        ui->textEdit_appPath->setPlainText(QString::fromUtf8(info.value));
}

void DKeyWithAppPage::on_pushButton_selectAppPath_clicked()
{
    // Linux programs carry no extension: any file may be chosen; the launcher opens what is not
    // a program with its default handler.
    QFileDialog dialog(this, tr("Select App"), startFolder(), QStringLiteral("App(*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString name = dialog.selectedFiles().constFirst();
    if (!QFileInfo(name).isFile())
        return;
    m_appPath = name;
    ui->textEdit_appPath->setPlainText(name);
    saveKeyInfo();
}

void DKeyWithAppPage::saveKeyInfo()
{
    // The file may have gone since it was chosen.
    if (!QFileInfo(m_appPath).isFile())
        return;
    writeItem(kTypeLaunchApp, m_appPath.toUtf8());
}
