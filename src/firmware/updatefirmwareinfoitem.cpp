#include "updatefirmwareinfoitem.h"

#include "ddatamanager.h"
#include "fixedtext.h"
#include "formbuild.h"
#include "hidreport.h"
#include "mainhidinterface.h"

#include <QDebug>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
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

// A name wider than this would run into the progress column of a row in most languages.
constexpr int kLikeNameRoom = 200;

} // namespace

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget *parent) : QWidget(parent)
{
    buildForm();
    m_stack->setCurrentIndex(0);
    m_progress->setValue(0);
    m_progressNum->setText(QStringLiteral("0%"));
    setTexts();
    applyTheme();
    QMetaObject::connectSlotsByName(this);
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem() = default;

void UpdateFirmwareInfoItem::setTexts()
{
    m_productCaption->setText(tr("Product name:"));
    m_progressCaption->setText(tr("Update progress:"));
    m_currentCaption->setText(tr("Current version:"));
    m_newCaption->setText(tr("New version:"));
    m_update->setText(tr("Update"));
    m_complete->setText(tr("Complete"));
}

void UpdateFirmwareInfoItem::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QWidget::changeEvent(event);
}

void UpdateFirmwareInfoItem::buildForm()
{
    setObjectName(QStringLiteral("UpdateFirmwareInfoItem"));
    resize(730, 70);
    // A row keeps the height its texts need; the list's spacer takes what is left over.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *top = layoutOf<QHBoxLayout>(this, "horizontalLayout", 6, 0, 0, 0, 0);
    m_frame = panel(this, "frame_Bg110");
    // At least one line for each of the two rows; a name on two lines makes the row taller.
    m_frame->setMinimumHeight(70);
    top->addWidget(m_frame);
    auto *row = layoutOf<QHBoxLayout>(m_frame, "horizontalLayout_2", 10, 9, 0, 9, 0);

    // Captions and values share their rows, so a name on two lines keeps its caption beside it.
    QFrame *left = panel(m_frame, "frame_Left");
    auto *leftLayout = layoutOf<QGridLayout>(left, "gridLayout", 3, 0, 9, 0, 9);
    leftLayout->setHorizontalSpacing(2);
    m_productCaption = named<QLabel>(left, "label");
    m_currentCaption = named<QLabel>(left, "label_2");
    m_likeName = named<QLabel>(left, "label_HidLikeName");
    m_oldVersion = named<QLabel>(left, "label_OldVer");
    for (QLabel *l : {m_productCaption, m_currentCaption})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    leftLayout->addWidget(m_productCaption, 0, 0);
    leftLayout->addWidget(m_likeName, 0, 1);
    leftLayout->addWidget(m_currentCaption, 1, 0);
    leftLayout->addWidget(m_oldVersion, 1, 1);
    leftLayout->setColumnStretch(1, 1);

    QFrame *center = panel(m_frame, "frame_Center");
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
    // The bar gives up its room first when the names and captions need it.
    m_progress->setMinimumWidth(60);
    m_progress->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
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
    m_update->setMinimumWidth(110);
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

    // Room to spare goes to the names first; the spacing keeps a long name off the progress caption.
    row->addWidget(left, 1);
    row->addWidget(center);
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
    // A long name shows its product and device parts on two lines, and the row grows by a line.
    const QString product = utf8Field(record.productName);
    const QString device = utf8Field(record.deviceName);
    m_likeName->ensurePolished();
    const QString oneLine = product + QLatin1Char(' ') + device;
    const bool split = !product.isEmpty() && !device.isEmpty() &&
                       m_likeName->fontMetrics().horizontalAdvance(oneLine) > kLikeNameRoom;
    m_likeName->setText(split ? product + QLatin1Char('\n') + device : oneLine);
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
