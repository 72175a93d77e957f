#include "dupdatefirmwaredia.h"

#include "cbnotice.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "fixedtext.h"
#include "formbuild.h"
#include "textmovewidget.h"
#include "updatefirmwareinfoitem.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

using formbuild::layoutOf;
using formbuild::named;

} // namespace

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget *parent) : QDialog(parent)
{
    buildForm();
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(740, 520);
    if (parent)
        move((parent->width() - width()) / 2, (parent->height() - height()) / 2);

    m_tip->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    m_tip->setBackground(QColor(0, 0, 0, 1));
    m_tip->setForeground(QColor(255, 50, 0, 255));
    setTexts();

    m_notice = new CbNotice(this);
    m_notice->setObjectName(QStringLiteral("updateFirmwareNotice"));
    applyTheme();

    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc, this,
            &DUpdateFirmwareDia::onUpgradeFirmwareSuc);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed, this,
            &DUpdateFirmwareDia::onUpgradeFirmwareFailed);
    connect(this, &DUpdateFirmwareDia::sigUpgradeProgress, this, &DUpdateFirmwareDia::onUpgradeProgress);
    QMetaObject::connectSlotsByName(this);
}

DUpdateFirmwareDia::~DUpdateFirmwareDia() = default;

UpdateFirmwareInfoItem *DUpdateFirmwareDia::activeRow() const
{
    return m_activeRow.data();
}

void DUpdateFirmwareDia::setTexts()
{
    setWindowTitle(tr("DUpdateFirmwareDia"));
    m_titleLabel->setText(tr("Update Firmware"));
    m_tip->setText(warningText());
}

void DUpdateFirmwareDia::changeEvent(QEvent *event)
{
    // The dialog stays open across a language switch in the settings dialog.
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QDialog::changeEvent(event);
}

QString DUpdateFirmwareDia::warningText()
{
    return tr("If the firmware is being updated, do not unplug the device!");
}

void DUpdateFirmwareDia::buildForm()
{
    setObjectName(QStringLiteral("DUpdateFirmwareDia"));
    auto *top = layoutOf<QVBoxLayout>(this, "verticalLayout", 0, 0, 0, 0, 0);
    m_bg = named<QFrame>(this, "frame_Bg");
    m_bg->setFrameShape(QFrame::StyledPanel);
    top->addWidget(m_bg);
    auto *bgLayout = layoutOf<QVBoxLayout>(m_bg, "verticalLayout_2", 0, 0, 0, 0, 0);

    m_title = named<QFrame>(m_bg, "frame_Title");
    m_title->setFixedHeight(45);
    auto *titleLayout = layoutOf<QHBoxLayout>(m_title, "horizontalLayout", 6, 32, 6, 12, 6);
    titleLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    QFrame *logo = named<QFrame>(m_title, "frame_LogoSet");
    logo->setFixedSize(20, 20);
    logo->setStyleSheet(QStringLiteral("QFrame#frame_LogoSet{border-image: url(:/images/quelmoLogo.png);}"));
    titleLayout->addWidget(logo);
    m_titleLabel = named<QLabel>(m_title, "label_Title");
    titleLayout->addWidget(m_titleLabel);
    titleLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_close = named<QPushButton>(m_title, "pushButton_Close");
    m_close->setFixedSize(20, 20);
    m_close->setStyleSheet(QStringLiteral(
        "QPushButton{border-image: url(:/images/mainpage/closeWindowDef.png);}"
        "QPushButton:hover, QPushButton:pressed{border-image: url(:/images/mainpage/closeWindowSel.png);}"));
    titleLayout->addWidget(m_close);
    bgLayout->addWidget(m_title);

    QFrame *body = named<QFrame>(m_bg, "frame_UpdateFirmware");
    body->setFrameShape(QFrame::StyledPanel);
    auto *bodyLayout = layoutOf<QVBoxLayout>(body, "verticalLayout_3", 6, 0, 0, 0, 5);
    m_listWidget = named<QWidget>(body, "widget_4");
    m_listWidget->setMinimumWidth(300);
    auto *listOuter = layoutOf<QVBoxLayout>(m_listWidget, "verticalLayout_16", 0, 0, 0, 0, 0);
    m_scroll = named<QScrollArea>(m_listWidget, "scrollArea_2");
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setLineWidth(0);
    m_scroll->setFocusPolicy(Qt::WheelFocus);
    m_scroll->setAutoFillBackground(false);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidgetResizable(true);
    m_contents = named<QWidget>(nullptr, "scrollAreaWidgetContents_2");
    m_contents->setGeometry(0, 0, 726, 360);
    m_listLayout = layoutOf<QVBoxLayout>(m_contents, "verticalLayout_17", 0, 0, 0, 0, 0);
    m_listLayout->addItem(new QSpacerItem(20, 337, QSizePolicy::Minimum, QSizePolicy::Expanding));
    m_scroll->setWidget(m_contents);
    // The dialog's own background shows through the list.
    m_scroll->viewport()->setAutoFillBackground(false);
    m_contents->setAutoFillBackground(false);
    listOuter->addWidget(m_scroll);
    bodyLayout->addWidget(m_listWidget);

    QFrame *tipFrame = named<QFrame>(body, "frame");
    tipFrame->setFrameShape(QFrame::StyledPanel);
    tipFrame->setMinimumHeight(40);
    auto *tipLayout = layoutOf<QHBoxLayout>(tipFrame, "horizontalLayout_2", 6, 9, 0, 9, 0);
    m_tip = named<TextMoveWidget>(tipFrame, "widget_Tip");
    tipLayout->addWidget(m_tip);
    bodyLayout->addWidget(tipFrame);
    bgLayout->addWidget(body);
}

void DUpdateFirmwareDia::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    m_notice->setFontPixelSize(16);
    m_notice->applyDialogTheme(c);

    m_bg->setStyleSheet(QStringLiteral("QFrame#frame_Bg{background-color: %1; border: 1px solid %2;"
                                       " border-radius: 12px;}")
                            .arg(ThemeColors::css(c.UpgradeBgColor), ThemeColors::css(c.TextCheckedColor)));
    m_title->setStyleSheet(
        QStringLiteral(
            "QFrame#frame_Title{background-color: %1; border: none; border-bottom: 2px solid %2;"
            " border-top-left-radius: 12px; border-top-right-radius: 12px;}"
            "QLabel#label_Title{color: %3; font-weight: 75; font-size: 13pt; font-family: \"%4\";}")
            .arg(ThemeColors::css(c.UpgradeBgColor), ThemeColors::css(c.UpgradeBorderColor),
                 ThemeColors::css(c.TextCheckedColor), c.TextFont));
    m_listWidget->setStyleSheet(
        QStringLiteral("QScrollBar:vertical{background: transparent; width: 3px; margin: 3px 0 3px 0;}"
                       "QScrollBar::handle:vertical{background: rgba(0, 0, 0, 20%); min-height: 20px;"
                       " border-radius: 1px;}"
                       "QScrollBar::handle:vertical:hover{background: rgba(0, 0, 0, 30%);}"
                       "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}"
                       "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: %1;"
                       " border-radius: 3px;}")
            .arg(ThemeColors::css(c.AllScrollBarColorDef)));
    // The list is left unpainted so that the dialog's background shows through it: a nearly
    // transparent fill there would punch a hole into the translucent dialog instead.
}

void DUpdateFirmwareDia::setLinkSource(std::function<QMap<QString, DDeviceKeyboardLink *>()> source)
{
    m_linkSource = std::move(source);
}

void DUpdateFirmwareDia::loadUpgradeItems(QList<hidStructInfoAll> records,
                                          QMap<QString, DDeviceKeyboardLink *> links)
{
    clearRows();
    m_rows.clear();
    if (!m_linkSource)
        m_linkSource = [links] { return links; };
    for (const hidStructInfoAll &record : qAsConst(records)) {
        auto *row = new UpdateFirmwareInfoItem(m_contents);
        const std::string_view pathView = fixedtext::view(record.hidPath);
        const QString path = QString::fromUtf8(pathView.data(), int(pathView.size()));
        DDeviceKeyboardLink *link = links.value(path, nullptr);
        row->setDeviceInfo(record, link ? link->hidInterface() : nullptr,
                           link ? link->currentSN() : QString());
        row->setLinkLookup([this](const QString &hidPath) -> MainHidInterFace * {
            DDeviceKeyboardLink *now = m_linkSource ? m_linkSource().value(hidPath, nullptr) : nullptr;
            return now ? now->hidInterface() : nullptr;
        });
        connect(row, &UpdateFirmwareInfoItem::sigStartUpgradeing, this,
                &DUpdateFirmwareDia::onStartUpgradeing);
        connect(row, &UpdateFirmwareInfoItem::sigSwitchFailed, this, &DUpdateFirmwareDia::onSwitchFailed);
        m_listLayout->insertWidget(m_listLayout->count() - 1, row);
        m_rows.append(row);
    }
}

void DUpdateFirmwareDia::clearRows()
{
    const int n = m_listLayout->count() - 1;
    for (int i = 0; i < n; ++i) {
        QLayoutItem *item = m_listLayout->takeAt(0);
        if (QWidget *w = item->widget())
            w->deleteLater();
        delete item;
    }
}

void DUpdateFirmwareDia::onStartUpgradeing()
{
    m_highestProgress = -1;
    auto *row = qobject_cast<UpdateFirmwareInfoItem *>(sender());
    if (!row)
        return;
    m_activeRow = row;
    m_upgrading = true;
    m_close->setEnabled(false);
    for (UpdateFirmwareInfoItem *r : qAsConst(m_rows))
        r->setUpdateEnabled(r == row);
    emit sigStartHidUpgrade(row->hidPath(), row->hidSn(), row->hidName(), row->hidUsbOrDongle());
}

void DUpdateFirmwareDia::onSwitchFailed()
{
    auto *row = qobject_cast<UpdateFirmwareInfoItem *>(sender());
    if (!row)
        return;
    m_activeRow = row;
    m_upgrading = true;
    reportFailure();
}

void DUpdateFirmwareDia::reportProgress(int total, int done)
{
    if (total <= 0 || !m_upgrading)
        return;
    const int percent = qBound(0, int(float(done) / float(total) * 100.0f), 100);
    if (percent <= m_highestProgress)
        return;
    m_highestProgress = percent;
    emit sigUpgradeProgress(percent);
}

void DUpdateFirmwareDia::reportSuccess()
{
    emit sigUpgradeFirmwareSuc();
}

void DUpdateFirmwareDia::reportFailure()
{
    emit sigUpgradeFirmwareFailed();
}

void DUpdateFirmwareDia::onUpgradeProgress(int ProgressNum)
{
    if (m_activeRow)
        m_activeRow->setProgress(ProgressNum);
}

void DUpdateFirmwareDia::onUpgradeFirmwareSuc()
{
    m_upgrading = false;
    m_close->setEnabled(true);
    if (m_activeRow)
        m_activeRow->showCompletePage();
    for (UpdateFirmwareInfoItem *r : qAsConst(m_rows))
        r->setUpdateEnabled(true);
    m_notice->showNotice(tr("Update successful"), rect().center());
}

void DUpdateFirmwareDia::onUpgradeFirmwareFailed()
{
    m_upgrading = false;
    m_close->setEnabled(true);
    if (m_activeRow) {
        m_activeRow->showUpdatePage();
        m_activeRow->setUpdateEnabled(true);
    }
    m_notice->showNotice(tr("Update failed"), rect().center());
}

void DUpdateFirmwareDia::refuseClose()
{
    m_notice->showNotice(warningText(), rect().center());
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    // The close event goes through reject(), which tells the main window.
    close();
}

void DUpdateFirmwareDia::closeEvent(QCloseEvent *event)
{
    if (m_upgrading) {
        refuseClose();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void DUpdateFirmwareDia::reject()
{
    // Esc closes like the close button, and not at all while an update runs.
    if (m_upgrading) {
        refuseClose();
        return;
    }
    emit sigUpdateFirmwareWindowClose();
    QDialog::reject();
}
