#include "dchangprofilepage.h"

#include "cquelmoxml.h"
#include "ui_dchangprofilepage.h"

#include <QSignalBlocker>

namespace {
constexpr int kTypeSwitchProfile = 7;
} // namespace

DChangProfilePage::DChangProfilePage(QWidget *parent)
    : DKeyItemPage(parent), ui(std::make_unique<Ui::DChangProfilePage>())
{
    ui->setupUi(this);
    connect(ui->comboBox_Profile, QOverload<int>::of(&QComboBox::activated), this,
            &DChangProfilePage::onComboxActivated);
    setTexts();
}

DChangProfilePage::~DChangProfilePage() = default;

void DChangProfilePage::setTexts()
{
    ui->label_2->setText(tr("Assign Profile"));
}

void DChangProfilePage::retranslate()
{
    ui->retranslateUi(this);
    setTexts();
}

void DChangProfilePage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    const QSignalBlocker blocker(ui->comboBox_Profile);
    ui->comboBox_Profile->clear();
    m_profileNames.clear();

    ProfileNodeList nodes;
    if (target().isValid())
        CQuelmoXML_SelectProFileAllNodes(target().path.constData(), &nodes);
    for (const auto &[index, name] : nodes) {
        const QString indexText = QString::fromStdString(index);
        ui->comboBox_Profile->addItem(QString::fromStdString(name), indexText);
        m_profileNames.insert(indexText.toInt(), QString::fromStdString(name));
    }
    ui->comboBox_Profile->setCurrentIndex(ui->comboBox_Profile->count() > 0 ? 0 : -1);

    KeyOperateInfo info{};
    if (!readItem(info) || keyfunctionitem::number(info.type) != kTypeSwitchProfile)
        return;
    const std::optional<int> profile = keyfunctionitem::number(info.value);
    if (!profile || !m_profileNames.contains(*profile))
        return;
    // By index, so that of two profiles with one name the bound one is shown.
    const int entry = entryOfId(ui->comboBox_Profile, *profile);
    if (entry >= 0)
        ui->comboBox_Profile->setCurrentIndex(entry);
}

void DChangProfilePage::onComboxActivated(int index)
{
    Q_UNUSED(index)
    saveKeyInfo();
}

void DChangProfilePage::saveKeyInfo()
{
    bool ok = false;
    const int profile = ui->comboBox_Profile->currentData().toString().toInt(&ok);
    if (!ok)
        return;
    writeItem(kTypeSwitchProfile, QByteArray::number(profile));
}
