#include "updatefirmwareinfoitem.h"

#include "ddatamanager.h"
#include "fixedtext.h"
#include "formbuild.h"
#include "hidreport.h"
#include "mainhidinterface.h"

#include <QDebug>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

template <std::size_t N> QString utf8Field(const char (&text)[N])
{
    const std::string_view v = fixedtext::view(text);
    return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
}

using formbuild::layoutOf;
using formbuild::named;

QFrame *panel(QWidget *parent, const char *name)
{
    QFrame *f = named<QFrame>(parent, name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

} // namespace

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget *parent) : QWidget(parent)
{
    buildForm();
    m_stack->setCurrentIndex(0);
    m_progress->setValue(0);
    m_progressNum->setText(QStringLiteral("0%"));
    m_productCaption->setText(tr("Product name:"));
    m_progressCaption->setText(tr("Update progress:"));
    m_currentCaption->setText(tr("Current version:"));
    m_newCaption->setText(tr("New version:"));
    m_update->setText(tr("Update"));
    m_complete->setText(tr("Complete"));
    applyTheme();
    QMetaObject::connectSlotsByName(this);
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem() = default;

void UpdateFirmwareInfoItem::buildForm()
{
    setObjectName(QStringLiteral("UpdateFirmwareInfoItem"));
    resize(730, 70);
    auto *top = layoutOf<QHBoxLayout>(this, "horizontalLayout", 6, 0, 0, 0, 0);
    m_frame = panel(this, "frame_Bg110");
    m_frame->setFixedHeight(70);
    top->addWidget(m_frame);
    auto *row = layoutOf<QHBoxLayout>(m_frame, "horizontalLayout_2", 0, 9, 0, 9, 0);

    QFrame *left = panel(m_frame, "frame_Left");
    auto *leftLayout = layoutOf<QHBoxLayout>(left, "horizontalLayout_3", 2, 0, 0, 0, 0);
    QFrame *captions = panel(left, "frame");
    auto *captionsLayout = layoutOf<QVBoxLayout>(captions, "verticalLayout", 3, 0, 9, 0, 9);
    m_productCaption = named<QLabel>(captions, "label");
    m_currentCaption = named<QLabel>(captions, "label_2");
    for (QLabel *l : {m_productCaption, m_currentCaption}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        captionsLayout->addWidget(l);
    }
    QFrame *values = panel(left, "frame_2");
    auto *valuesLayout = layoutOf<QVBoxLayout>(values, "verticalLayout_2", 3, 0, 9, 0, 9);
    m_likeName = named<QLabel>(values, "label_HidLikeName");
    m_likeName->setMinimumWidth(165);
    m_oldVersion = named<QLabel>(values, "label_OldVer");
    valuesLayout->addWidget(m_likeName);
    valuesLayout->addWidget(m_oldVersion);
    leftLayout->addWidget(captions);
    leftLayout->addWidget(values);

    QFrame *center = panel(m_frame, "frame_Center");
    center->setMinimumWidth(300);
    auto *centerLayout = layoutOf<QHBoxLayout>(center, "horizontalLayout_4", 2, 0, 0, 0, 0);
    QFrame *centerCaptions = panel(center, "frame_3");
    auto *centerCaptionsLayout = layoutOf<QVBoxLayout>(centerCaptions, "verticalLayout_3", 3, 0, 9, 0, 9);
    m_progressCaption = named<QLabel>(centerCaptions, "label_3");
    m_newCaption = named<QLabel>(centerCaptions, "label_5");
    for (QLabel *l : {m_progressCaption, m_newCaption}) {
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        centerCaptionsLayout->addWidget(l);
    }
    QFrame *centerValues = panel(center, "frame_4");
    auto *centerValuesLayout = layoutOf<QVBoxLayout>(centerValues, "verticalLayout_4", 3, 0, 9, 0, 6);
    QFrame *bar = panel(centerValues, "frame_5");
    auto *barLayout = layoutOf<QHBoxLayout>(bar, "horizontalLayout_5", 3, 0, 0, 0, 0);
    m_progress = named<QProgressBar>(bar, "progressBar");
    m_progress->setFixedHeight(18);
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    m_progressNum = named<QLabel>(bar, "label_ProgressNum");
    m_progressNum->setFixedWidth(50);
    barLayout->addWidget(m_progress);
    barLayout->addWidget(m_progressNum);
    m_newVersion = named<QLabel>(centerValues, "label_NewVer");
    centerValuesLayout->addWidget(bar);
    centerValuesLayout->addWidget(m_newVersion);
    centerLayout->addWidget(centerCaptions);
    centerLayout->addWidget(centerValues);

    QFrame *right = panel(m_frame, "frame_Right");
    auto *rightLayout = layoutOf<QVBoxLayout>(right, "verticalLayout_5", 6, 3, 0, 3, 0);
    m_stack = named<QStackedWidget>(right, "stackedWidget");
    QWidget *page1 = named<QWidget>(m_stack, "page_1");
    auto *page1Layout = layoutOf<QHBoxLayout>(page1, "horizontalLayout_6", 6, 0, 0, 0, 0);
    m_update = named<QPushButton>(page1, "pushButton_Update");
    m_update->setFixedWidth(110);
    m_update->setMinimumHeight(30);
    page1Layout->addWidget(m_update);
    QWidget *page2 = named<QWidget>(m_stack, "page_2");
    auto *page2Layout = layoutOf<QHBoxLayout>(page2, "horizontalLayout_7", 6, 0, 0, 0, 0);
    m_complete = named<QLabel>(page2, "label_SuccessfulTip");
    m_complete->setMinimumWidth(50);
    m_complete->setAlignment(Qt::AlignCenter);
    page2Layout->addWidget(m_complete);
    m_stack->addWidget(page1);
    m_stack->addWidget(page2);
    rightLayout->addWidget(m_stack);

    row->addWidget(left);
    row->addWidget(center);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    row->addWidget(right);

    for (QLabel *l : {m_likeName, m_oldVersion, m_newVersion})
        l->setTextFormat(Qt::PlainText);
}

void UpdateFirmwareInfoItem::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    const QString font = c.TextFont;
    m_frame->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg110{border: none; border-bottom: 2px solid %1;}"
                       "QFrame{border: none; background: transparent;}"
                       "QLabel{color: %2; font-weight: 75; font-size: 12pt; font-family: \"%3\";}")
            .arg(ThemeColors::css(c.UpgradeItemBorderColor), ThemeColors::css(c.TextCheckedColor), font));
    m_progress->setStyleSheet(
        QStringLiteral("QProgressBar{background-color: %1; border: none; border-radius: 6px;}"
                       "QProgressBar::chunk{background-color: %2; border-radius: 6px;}")
            .arg(ThemeColors::css(c.UpgradeProgressBarTopColor),
                 ThemeColors::css(c.UpgradeProgressBarBottomColor)));
    m_update->setStyleSheet(
        QStringLiteral(
            "QPushButton{border-radius: 8px; border: 2px solid %1; background-color: %2; color: %3;"
            " font-weight: 75; font-size: 10pt; font-family: \"%4\";}"
            "QPushButton:hover{background-color: %2; border: 2px solid %5;}"
            "QPushButton:pressed{color: %5; background-color: %2; border: 2px solid %5;}"
            "QPushButton:disabled{color: %6;}")
            .arg(ThemeColors::css(c.DeviceBorderColor), ThemeColors::css(c.UpgradeBgColor),
                 ThemeColors::css(c.TextDefaultColor), font, ThemeColors::css(c.TextCheckedColor),
                 ThemeColors::css(c.TextDefaultColor, 90)));
}

void UpdateFirmwareInfoItem::setDeviceInfo(hidStructInfoAll record, MainHidInterFace *hidInterface,
                                           QString serialNumber)
{
    m_hidInterface = hidInterface;
    m_hidPath = utf8Field(record.hidPath);
    m_hidSn = serialNumber;
    m_hidName = utf8Field(record.modelKey);
    m_hidUsbOrDongle = record.linkType;
    m_likeName->setText(utf8Field(record.productName) + QLatin1Char(' ') + utf8Field(record.deviceName));
    m_oldVersion->setText(utf8Field(record.firmwareVersion));
    m_newVersion->setText(utf8Field(record.newFirmwareVersion));
}

MainHidInterFace *UpdateFirmwareInfoItem::hidInterface() const
{
    return m_hidInterface.data();
}

void UpdateFirmwareInfoItem::setUpdateEnabled(bool enabled)
{
    m_update->setEnabled(enabled);
}

void UpdateFirmwareInfoItem::setProgress(int percent)
{
    m_progress->setValue(percent);
    m_progress->repaint();
    m_progressNum->setText(QString::number(percent) + QLatin1Char('%'));
}

void UpdateFirmwareInfoItem::showCompletePage()
{
    m_stack->setCurrentIndex(1);
    m_started = false;
}

void UpdateFirmwareInfoItem::showUpdatePage()
{
    m_stack->setCurrentIndex(0);
    m_started = false;
}

QByteArray UpdateFirmwareInfoItem::bootLoaderSwitchReport()
{
    QByteArray report(int(hidproto::kReportSize), '\0');
    report[int(hidproto::kIdByte)] = char(hidproto::kReportIdCommand);
    report[int(hidproto::kCmdByte)] = char(hidproto::out::EnterBootLoader);
    return report;
}

void UpdateFirmwareInfoItem::on_pushButton_Update_clicked()
{
    if (m_started)
        return;
    m_started = true;
    // The link as it is now: the one handed in at the start may be gone.
    MainHidInterFace *io = m_lookup ? m_lookup(m_hidPath) : m_hidInterface.data();
    m_hidInterface = io;
    const QByteArray report = bootLoaderSwitchReport();
    if (!io || io->sendCommand(reinterpret_cast<const unsigned char *>(report.constData())) < 0) {
        qDebug() << "USB serial port [Into firmware] Failed ...";
        // The keyboard never heard of the update: nothing will arrive to write to.
        emit sigSwitchFailed();
        return;
    }
    emit sigStartUpgradeing();
}
