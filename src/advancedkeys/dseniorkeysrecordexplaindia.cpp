#include "dseniorkeysrecordexplaindia.h"

#include "ui_dseniorkeysrecordexplaindia.h"

DSeniorKeysRecordExplainDia::DSeniorKeysRecordExplainDia(int kind, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DSeniorKeysRecordExplainDia>())
{
    ui->setupUi(this);
    if (kind == 1) {
        ui->stackedWidget->setCurrentWidget(ui->page_Explain01);
        ui->label_KeyRecordExplain->setText(explanation(1));
    } else if (kind == 2) {
        ui->stackedWidget->setCurrentWidget(ui->page_Explain02);
        ui->label_DksMtTglExplain->setText(explanation(2));
    }
}

DSeniorKeysRecordExplainDia::~DSeniorKeysRecordExplainDia() = default;

QString DSeniorKeysRecordExplainDia::explanation(int kind)
{
    if (kind == 1) {
        return QObject::tr("When \"Single Key\" is selected, simply click a certain key to complete key "
                           "configuration;") +
               QStringLiteral("\n") +
               QObject::tr(
                   "When \"Key Combination\" is selected, at least one combination key and one other key "
                   "need to be selected to complete the input of the combination key, such as L_Shift+A "
                   "or L_Shift+L_Ctrl+A;");
    }
    if (kind == 2) {
        // The headings name the kinds as the keyboard does; they stay untranslated.
        return QStringLiteral("DKS:\n") +
               QObject::tr(
                   "The key can achieve four functions: 1 to 4 functions can be bound according to four "
                   "different pressing degrees.") +
               QStringLiteral("\nMT:\n") +
               QObject::tr(
                   "The key have two functions: holding down the key is one type, and clicking the key "
                   "is one type.") +
               QStringLiteral("\nTGL:\n") +
               QObject::tr("Click this key to switch continuous triggering on or off.");
    }
    return QString();
}
