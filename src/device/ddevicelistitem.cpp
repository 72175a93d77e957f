#include "ddevicelistitem.h"

#include "ddatamanager.h"
#include "keyboardmodeldata.h"
#include "picturecache.h"
#include "ui_ddevicelistitem.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>

namespace {

constexpr int kCardWidth = 190;
constexpr int kCardHeight = 140;

QString fieldText(const char *field, std::size_t cap)
{
    return QString::fromLocal8Bit(field, int(qstrnlen(field, uint(cap))));
}

// Models whose card picture needs a box of its own carry "cardBox": {"width", "height"} in the
// model catalogue.
QHash<QString, QSize> loadCardBoxes()
{
    QHash<QString, QSize> boxes;
    QFile file(QStringLiteral(":/images/configDir/models.json"));
    if (!file.open(QIODevice::ReadOnly))
        return boxes;
    const QJsonArray models =
        QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("models")).toArray();
    for (const QJsonValue &v : models) {
        const QJsonObject box = v.toObject().value(QStringLiteral("cardBox")).toObject();
        const int w = box.value(QStringLiteral("width")).toInt();
        const int h = box.value(QStringLiteral("height")).toInt();
        if (w > 0 && h > 0)
            boxes.insert(v.toObject().value(QStringLiteral("key")).toString(), QSize(w, h));
    }
    return boxes;
}

} // namespace

DDeviceListItem::DDeviceListItem(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DDeviceListItem>())
{
    ui->setupUi(this);
    // The names may come from the user's own model catalogue: text, never markup.
    ui->label_ProductName->setTextFormat(Qt::PlainText);
    ui->label_DeviceName->setTextFormat(Qt::PlainText);
    setFixedSize(kCardWidth, kCardHeight);
    m_dim = new QWidget(this, Qt::FramelessWindowHint);
    m_dim->resize(size());
    m_dim->hide();
    applyTheme();
}

DDeviceListItem::~DDeviceListItem() = default;

QSize DDeviceListItem::pictureBox(const QString &modelKey)
{
    static const QHash<QString, QSize> boxes = loadCardBoxes();
    return boxes.value(modelKey, QSize(kCardWidth - 4, kCardHeight - 4));
}

QString DDeviceListItem::picturePath(const QString &modelKey)
{
    return keyboardmodeldata::picturePath(DDataManager::getInstance()->applicationDirPath(),
                                          QStringLiteral("Keyboard_") + modelKey + QStringLiteral(".png"));
}

void DDeviceListItem::prefetchPicture(const QString &modelKey)
{
    picturecache::prefetch(picturePath(modelKey), pictureBox(modelKey));
}

void DDeviceListItem::setDeviceInfo(hidStructInfoAll record)
{
    m_record = record;

    if (fieldText(record.productName, sizeof record.productName).isEmpty()) {
        ui->label_ProductName->hide();
        ui->label_DeviceName->setAlignment(Qt::AlignCenter);
    } else {
        ui->label_ProductName->show();
        ui->label_ProductName->setText(QString::fromUtf8(
            record.productName, int(qstrnlen(record.productName, sizeof record.productName))));
    }

    QString suffix = QStringLiteral("(OffLine)");
    if (record.online == 1)
        suffix = record.linkType == 0 ? QStringLiteral("(USB)") : QStringLiteral("(2.4G)");
    ui->label_DeviceName->setText(fieldText(record.deviceName, sizeof record.deviceName) + suffix);

    const QString model = fieldText(record.modelKey, sizeof record.modelKey);
    const QString picture = picturePath(model);
    keyboardmodeldata::notePicture("device card", picture);
    const QImage image = picturecache::scaled(picture, pictureBox(model));
    ui->label_DeviceImage->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));

    setOnlineState(record.online);
}

void DDeviceListItem::setSelected(bool selected)
{
    m_selected = selected;
    applyBorder();
}

void DDeviceListItem::applyBorder()
{
    // Selected: the border in the theme colour; otherwise the same colour fully transparent.
    ui->frame_DeviceImageBg->setStyleSheet(
        QStringLiteral("QFrame#frame_DeviceImageBg{ border: 1px solid %1; } "
                       "QFrame#frame_DeviceImageBg:hover{ border: 1px solid %2; }")
            .arg(ThemeColors::css(m_borderColor, m_selected ? 255 : 0), ThemeColors::css(m_borderColor)));
}

void DDeviceListItem::setOnlineState(int online)
{
    m_online = online;
    m_record.online = online;
    if (online == 0) {
        m_dim->setObjectName(QStringLiteral("widget"));
        m_dim->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
        m_dim->show();
        // The unselected border, whatever the stored flag says.
        const bool selected = m_selected;
        m_selected = false;
        applyBorder();
        m_selected = selected;
        hide();
    } else {
        m_dim->hide();
        show();
    }
}

void DDeviceListItem::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const ThemeColors c = dm->getThemeColors();
    m_borderColor = c.TextCheckedColor;
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{ background-color: %1;}")
                                 .arg(ThemeColors::css(c.DeviceListAreaDefaultBgColor)));
    ui->label_ProductName->setStyleSheet(
        QStringLiteral("QLabel#label_ProductName{ color: %1;}").arg(ThemeColors::css(c.TextCheckedColor)));
    QFont bold = dm->getFont(0);
    bold.setPointSize(11);
    ui->label_ProductName->setFont(bold);
    ui->label_DeviceName->setStyleSheet(
        QStringLiteral("QLabel#label_DeviceName{ color: %1;}").arg(ThemeColors::css(c.TextDefaultColor)));
    QFont normal = dm->getFont(1);
    normal.setPointSize(12);
    ui->label_DeviceName->setFont(normal);
    applyBorder();
}

void DDeviceListItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    emit sigHidItemMouseClicked(m_record);
}
