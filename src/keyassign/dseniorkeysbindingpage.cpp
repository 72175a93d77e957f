#include "dseniorkeysbindingpage.h"

#include "ddatamanager.h"
#include "keypagestyle.h"
#include "seniorkeystore.h"
#include "ui_dseniorkeysbindingpage.h"

#include <QMap>
#include <QSignalBlocker>

namespace {
constexpr int kTypeSeniorKey = 40;
} // namespace

DSeniorKeysBindingPage::DSeniorKeysBindingPage(QWidget *parent)
    : DKeyItemPage(parent), ui(std::make_unique<Ui::DSeniorKeysBindingPage>())
{
    ui->setupUi(this);
    connect(ui->comboBox_SeniorKeys, QOverload<int>::of(&QComboBox::activated), this,
            &DSeniorKeysBindingPage::onComboxActivated);
    setTexts();
}

DSeniorKeysBindingPage::~DSeniorKeysBindingPage() = default;

void DSeniorKeysBindingPage::setTexts()
{
    ui->label_2->setText(tr("Senior Keys"));
    // The entry standing for a bound advanced key that is gone carries no index.
    const int missing = ui->comboBox_SeniorKeys->findData(QVariant());
    if (missing >= 0)
        ui->comboBox_SeniorKeys->setItemText(missing, tr("(missing)"));
}

void DSeniorKeysBindingPage::retranslate()
{
    setTexts();
}

void DSeniorKeysBindingPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    ui->label_2->setStyleSheet(QStringLiteral("QLabel#label_2{ color: %1; font: 75 12pt \"%2\"; }")
                                   .arg(ThemeColors::css(c.TextDefaultColor), c.TextFont));
    ui->comboBox_SeniorKeys->setStyleSheet(keypagestyle::comboSheet(c, QStringLiteral("rgb(255, 35, 76)")));
}

void DSeniorKeysBindingPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    QComboBox *combo = ui->comboBox_SeniorKeys;
    const QSignalBlocker blocker(combo);
    combo->clear();

    QList<SeniorKeyInfoStu> list;
    SeniorKeyStore::current().readAll(&list);
    // One entry per index, in ascending order; of two records with one index the later one counts.
    QMap<int, SeniorKeyInfoStu> records;
    for (const SeniorKeyInfoStu &r : qAsConst(list))
        records.insert(r.index, r);
    for (const SeniorKeyInfoStu &r : qAsConst(records)) {
        const QString name = QString::fromUtf8(r.name, int(qstrnlen(r.name, sizeof r.name)));
        combo->addItem(name, QString::number(r.index));
    }
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);

    KeyOperateInfo info{};
    if (!readItem(info))
        return;
    const std::optional<int> bound = keyfunctionitem::number(info.value);
    const int entry = bound ? entryOfId(combo, *bound) : -1;
    if (entry >= 0) {
        combo->setCurrentIndex(entry);
    } else if (keyfunctionitem::number(info.type) == kTypeSeniorKey) {
        // Showing the first record would look like a binding the key does not have.
        combo->insertItem(0, tr("(missing)"), QVariant());
        combo->setCurrentIndex(0);
    }
}

void DSeniorKeysBindingPage::onComboxActivated(int index)
{
    Q_UNUSED(index)
    bool ok = false;
    const int record = ui->comboBox_SeniorKeys->currentData().toString().toInt(&ok);
    if (!ok)
        return; // "(missing)" binds nothing
    m_selectedIndex = record;
    writeItem(kTypeSeniorKey, QByteArray::number(m_selectedIndex));
}
