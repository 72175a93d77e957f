#include "dseniorkeyeventlistitem.h"

#include "ddatamanager.h"
#include "seniorkeyrecord.h"
#include "ui_dseniorkeyeventlistitem.h"

#include <QMouseEvent>

DSeniorKeyEventListItem::DSeniorKeyEventListItem(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DSeniorKeyEventListItem>())
{
    ui->setupUi(this);
    setFixedHeight(45);
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    ui->frame_Center->setStyleSheet(QStringLiteral("QLabel{color:%1;font-weight:75;font-size:8pt;"
                                                   "font-family:\"%2\";border:1px solid %1;"
                                                   "border-radius:6px;}")
                                        .arg(ThemeColors::css(c.TextDefaultColor), c.TextFont));
}

DSeniorKeyEventListItem::~DSeniorKeyEventListItem() = default;

void DSeniorKeyEventListItem::setSeniorKeyInfoStu(SeniorKeyInfoStu record)
{
    m_record = record;
    QLabel *const keys[4] = {ui->label_SeniorKey01, ui->label_SeniorKey02, ui->label_SeniorKey03,
                             ui->label_SeniorKey04};
    const QString texts[4] = {seniorkey::fieldText(record.K1), seniorkey::fieldText(record.K2),
                              seniorkey::fieldText(record.K3), seniorkey::fieldText(record.K4)};
    for (QLabel *label : keys)
        label->show();

    int shown = 0;
    switch (record.type) {
    case SeniorKeyDKS:
        shown = 4;
        break;
    case SeniorKeyMT:
        shown = 2;
        break;
    case SeniorKeyTGL:
        shown = 1;
        break;
    default:
        ui->label_Type->clear();
        return;
    }
    ui->label_Type->setText(seniorkey::fieldText(record.name));
    for (int i = 0; i < 4; ++i) {
        if (i >= shown) {
            keys[i]->hide();
            continue;
        }
        const bool unboundToggle = record.type == SeniorKeyTGL && record.tglFlag != 1;
        keys[i]->setText(unboundToggle ? QString() : seniorkey::boundKeyText(texts[i], m_keyNameMap));
    }
}

void DSeniorKeyEventListItem::setSelectedStyle(bool selected)
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    const QString separators = QStringLiteral("#frame_Left{border:none;border-right:1px solid %1;}"
                                              "#frame_Right{border:none;border-left:1px solid %1;}")
                                   .arg(ThemeColors::css(c.MacroBorderColor));
    if (selected) {
        ui->frame_BgABC01->setStyleSheet(
            QStringLiteral("#frame_BgABC01{background-color:%1;border-radius:6px;border:none;}")
                .arg(ThemeColors::css(c.MacroListItemSelectedColor)) +
            separators);
    } else {
        ui->frame_BgABC01->setStyleSheet(
            QStringLiteral("#frame_BgABC01{background-color:%1;border-radius:6px;border:none;}"
                           "#frame_BgABC01:hover{background-color:%2;}")
                .arg(ThemeColors::css(c.DeviceListAreaDefaultBgColor, 128),
                     ThemeColors::css(c.MacroListItemHoverColor)) +
            separators);
    }
}

void DSeniorKeyEventListItem::on_pushButton_DeleteEvent_clicked()
{
    emit sigDeleteSeniorKeyEventItem(m_record.type, m_record.index);
}

void DSeniorKeyEventListItem::mousePressEvent(QMouseEvent *event)
{
    emit sigSeniorKeyEventItemClick(m_record.index);
    event->accept();
}
