#include "dcatchkeyandmouseitem.h"
#include "ui_dcatchkeyandmouseitem.h"

#include "ddatamanager.h"

#include <QMouseEvent>

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(QString mark, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DCatchKeyAndMouseItem>()), m_mark(std::move(mark))
{
    ui->setupUi(this);
    setFixedHeight(46);
    ui->pushButton_Delete->hide();
    ui->label_2->hide();
    ui->label_MarkNum->hide();
    ui->label_MarkNum->setText(m_mark);

    const ThemeColors theme = DDataManager::getInstance()->getThemeColors();
    borderColor = theme.MacroBorderColor;
    selectedColor = theme.MacroListItemSelectedColor;
    backgroundColor = theme.MacroCenterBgColor;
    textColor = theme.MacroListItemTextColor;
    accentColor = theme.TextCheckedColor;
    fontFamily = theme.TextFont;

    // The delay cell paints no background of its own, so the row's look reaches it too.
    ui->frame_2->setStyleSheet(QStringLiteral("QFrame#frame_2{border: none; border-right: 1px solid %1;}")
                                   .arg(ThemeColors::css(borderColor)));
    applyLook(backgroundColor, textColor);
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem() = default;

void DCatchKeyAndMouseItem::applyLook(const QString &background, const QString &labelColor)
{
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{border: none; border-bottom: 1px solid %1; background-color: %2;}")
            .arg(ThemeColors::css(borderColor), ThemeColors::css(background)));
    const QString label = QStringLiteral("QLabel{color: %1; font: 75 10pt \"%2\";}")
                              .arg(ThemeColors::css(labelColor), fontFamily);
    ui->label_DelayTime->setStyleSheet(label);
    ui->label_CatchEventExplain->setStyleSheet(label);
}

void DCatchKeyAndMouseItem::setEventInfo(int delay, QString type, int keyCode, QString codeName,
                                         QString operateExplain)
{
    const bool isKey = type == QLatin1String("key");
    const bool isMouse = type == QLatin1String("mouse");
    const char *kind = isKey ? "keyboardSel" : isMouse ? "mouseSel" : "timeSel";
    ui->pushButton_EventSelect->setStyleSheet(
        QStringLiteral("QPushButton{ border-image:url(:/images/macro/%1.png);}").arg(QLatin1String(kind)));
    if (isKey || isMouse) {
        if (operateExplain == QLatin1String("down"))
            ui->pushButton_EventStatus->setStyleSheet(
                QStringLiteral("QPushButton{ border-image:url(:/images/macro/keyDownSel.png);}"));
        else if (operateExplain == QLatin1String("up"))
            ui->pushButton_EventStatus->setStyleSheet(
                QStringLiteral("QPushButton{ border-image:url(:/images/macro/keyUpDef.png);}"));
    }
    ui->label_DelayTime->setText(QStringLiteral("%1 MS").arg(delay));

    QString text = codeName;
    if (type.contains(QLatin1String("mouse"))) {
        if (codeName.contains(QLatin1String("Left")))
            text = tr("Left Click");
        else if (codeName.contains(QLatin1String("Center")))
            text = tr("Center Click");
        else if (codeName.contains(QLatin1String("Right")))
            text = tr("Right Click");
        else
            text.clear();
    }
    ui->label_CatchEventExplain->setText(text);

    m_delay = QString::number(delay);
    m_keyCode = QString::number(keyCode);
    m_type = type;
    m_codeName = codeName;
    m_operateExplain = operateExplain;
}

void DCatchKeyAndMouseItem::setDelay(int delay)
{
    m_delay = QString::number(delay);
    ui->label_DelayTime->setText(m_delay + QStringLiteral(" MS"));
}

void DCatchKeyAndMouseItem::setHighlight(bool on)
{
    applyLook(on ? selectedColor : backgroundColor, textColor);
}

void DCatchKeyAndMouseItem::setAccentHighlight(bool on)
{
    applyLook(on ? selectedColor : backgroundColor, on ? accentColor : textColor);
}

void DCatchKeyAndMouseItem::enterEvent(QEvent *event)
{
    ui->pushButton_Delete->show();
    QWidget::enterEvent(event);
}

void DCatchKeyAndMouseItem::leaveEvent(QEvent *event)
{
    ui->pushButton_Delete->hide();
    QWidget::leaveEvent(event);
}

void DCatchKeyAndMouseItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit sigKeyOrMouseEventClick(m_delay, m_type, m_keyCode, m_codeName, m_operateExplain);
}

void DCatchKeyAndMouseItem::on_pushButton_Delete_clicked()
{
    emit sigDeleteKeyAndMouseEvent();
}
