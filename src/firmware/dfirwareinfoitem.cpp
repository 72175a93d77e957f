#include "dfirwareinfoitem.h"

#include "ui_dfirwareinfoitem.h"

DFirwareInfoItem::DFirwareInfoItem(QWidget *parent) : QWidget(parent), ui(new Ui::DFirwareInfoItem)
{
    ui->setupUi(this);
    // Fixed colours: the rows do not follow the theme.
    const QString label = QStringLiteral("color: rgb(180,180,180); font-weight: bold; font-size: 12pt; "
                                         "font-family: \"微软雅黑\";");
    ui->label_HidInfo->setStyleSheet(label);
    ui->label_DataTimeInfo->setStyleSheet(label);
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{border: none; border-bottom: 1px solid rgb(50,50,50);}"));
}

DFirwareInfoItem::~DFirwareInfoItem() = default;

void DFirwareInfoItem::setInfo(QString identity, QString version)
{
    const int dash = identity.indexOf(QLatin1Char('-'));
    ui->label_HidInfo->setText(identity.mid(dash + 1));
    ui->label_DataTimeInfo->setText(version);
}
