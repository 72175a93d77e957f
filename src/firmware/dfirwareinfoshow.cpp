#include "dfirwareinfoshow.h"

#include "cquelmohid.h"
#include "ddatamanager.h"
#include "dfirwareinfoitem.h"
#include "fixedtext.h"
#include "ui_dfirwareinfoshow.h"

#include <QTimer>

namespace {

constexpr int kLoadDelayMs = 200;

template <std::size_t N> QString utf8Field(const char (&text)[N])
{
    // Bounded by the field: a device that left no NUL cannot make us read past it.
    const std::string_view v = fixedtext::view(text);
    return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
}

} // namespace

DFirwareInfoShow::DFirwareInfoShow(QWidget *parent) : QDialog(parent), ui(new Ui::DFirwareInfoShow)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Firmware Info"));
    setFixedSize(350, 370);
    ui->frame_26->hide();

    const ThemeColors colors = DDataManager::getInstance()->getThemeColors();
    ui->frame_2->setStyleSheet(QStringLiteral("QFrame#frame_2{border: none; border-top: 2px solid %1;}")
                                   .arg(ThemeColors::css(colors.SettingsBorderColor)));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2{background-color: %1;}")
            .arg(ThemeColors::css(colors.SettingsBgColor)));

    QTimer::singleShot(kLoadDelayMs, this, &DFirwareInfoShow::onLoadingFirmwareInfo);
}

DFirwareInfoShow::~DFirwareInfoShow() = default;

QString DFirwareInfoShow::identityText(const HidFirmwareInfoStu &firmware)
{
    return utf8Field(firmware.controllerCode) + utf8Field(firmware.twoDigitCode) +
           utf8Field(firmware.deviceKindCode) + utf8Field(firmware.vendorCode) + QLatin1Char(',') +
           utf8Field(firmware.modelIdentifier);
}

QString DFirwareInfoShow::versionText(const HidFirmwareInfoStu &firmware)
{
    return utf8Field(firmware.firmwareVersion) + QStringLiteral("---") + utf8Field(firmware.buildText);
}

QMap<QString, QString> DFirwareInfoShow::loadInformationMap(const QStringList &paths, const Query &query)
{
    QMap<QString, QString> info;
    for (const QString &path : paths) {
        // Zero-filled, so a query that fills only part of a record leaves no garbage behind.
        HidDeviceInfoStu device{};
        HidFirmwareInfoStu firmware{};
        if (!query(path.toLatin1().constData(), &device, &firmware))
            continue;
        info.insert(identityText(firmware), versionText(firmware));
    }
    return info;
}

void DFirwareInfoShow::onLoadingFirmwareInfo()
{
    QStringList paths;
    CQuelmoHid_GetHidInfoList(&paths);
    fillInfoList(loadInformationMap(paths, &CQuelmoHid_GetHidAndFirmwareInfoStu));
}

void DFirwareInfoShow::fillInfoList(QMap<QString, QString> info)
{
    clearInfoList();
    for (auto it = info.cbegin(); it != info.cend(); ++it) {
        auto *row = new DFirwareInfoItem(ui->scrollAreaWidgetContents_2);
        row->setInfo(it.key(), it.value());
        // Just above the trailing spacer.
        m_listLayout->insertWidget(m_listLayout->count() - 1, row);
    }
}

void DFirwareInfoShow::clearInfoList()
{
    m_listLayout = ui->verticalLayout_17;
    if (!m_listLayout)
        return;
    for (int n = m_listLayout->count() - 1; n > 0; --n) {
        QLayoutItem *item = m_listLayout->takeAt(0);
        if (QWidget *w = item->widget())
            w->deleteLater();
        delete item;
    }
}
