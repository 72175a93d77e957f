#include "dseniorkeyspage.h"

#include "arrowwidget.h"
#include "cbnotice.h"
#include "dallkeysshowpage.h"
#include "ddatamanager.h"
#include "ddksshowwidget.h"
#include "dimmingoverlay.h"
#include "dseniorkeyeventlistitem.h"
#include "dseniorkeysrecordexplaindia.h"
#include "dstrokeconfigview.h"
#include "myslider.h"
#include "seniorkeyrecord.h"
#include "ui_dseniorkeyspage.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QtDebug>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kSlotCount = 7;
constexpr int kHoldKeySlot = 5;
constexpr int kClickKeySlot = 6;
constexpr int kTglKeySlot = 7;

// The arrow of a tip sits this far from the pop-up's left edge, and the pop-up this far left of
// the button's centre, so the arrow's tip lands under the button.
constexpr int kKeyModeArrowX = 353;
constexpr int kKeyModeLeft = 360;
constexpr int kKindArrowX = 193;
constexpr int kKindLeft = 200;

void logLine(const char *what, bool ok)
{
    qDebug().noquote() << QString::fromLatin1(what) +
                              (ok ? QStringLiteral(" Modify successful") : QStringLiteral(" Modify faliled"));
}

} // namespace

DSeniorKeysPage::DSeniorKeysPage(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DSeniorKeysPage>()), m_store(SeniorKeyStore::current())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(930, 590);

    m_notice = new CbNotice(this);
    m_notice->setObjectName(QStringLiteral("notice_SeniorKeys"));
    m_notice->setFontPixelSize(14);

    ui->label_Title->setText(tr("Senior Keys"));
    ui->pushButton_NewCreate->setText(tr("Create"));
    ui->radioButton_SingleKey->setText(tr("Single Key"));
    ui->radioButton_CombinationKeys->setText(tr("Key Combination"));
    ui->label_9->setText(tr("Hold"));
    ui->label_10->setText(tr("Click"));
    ui->label_13->setText(tr("Hold Duration"));
    ui->label_TipInfo->setText(tr("Senior keys is empty"));
    ui->label_MT_Explain->setText(tr(
        "The key have two functions: holding down the key is one type, and clicking the key is one type."));
    ui->label_TGL_Explain->setText(tr("Click this key to switch continuous triggering on or off."));

    m_eventListLayout = ui->verticalLayout_11;
    m_currentKeyButton = ui->toolButton_SeniorKey01;
    const QList<QToolButton *> slotButtons = {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02,
                                              ui->toolButton_SeniorKey03, ui->toolButton_SeniorKey04,
                                              ui->toolButton_HoldKey,     ui->toolButton_ClickKey,
                                              ui->toolButton_TglKey};
    for (QToolButton *button : slotButtons)
        button->setText(QString());
    ui->stackedWidget_2->setCurrentWidget(ui->page_DKS);

    MySlider *slider = ui->horizontalSlider_HoldDuration;
    slider->setMaximum(100);
    slider->setMinimum(15);
    slider->setValue(15);
    slider->setPressTolerance(11, 15);
    slider->setPositionFromZero(false);
    connect(slider, &QSlider::valueChanged, this, &DSeniorKeysPage::onSliderHoldDurationValue);
    connect(slider, &QSlider::sliderReleased, this, &DSeniorKeysPage::onSliderHoldDurationReleased);
    ui->label_HoldDuration->setText(QStringLiteral("150ms"));

    for (QToolButton *button : slotButtons)
        button->installEventFilter(this);
    ui->toolButton_ExplainInfo->installEventFilter(this);
    ui->toolButton_ExplainInfo02->installEventFilter(this);

    m_typeGroup = new QButtonGroup(this);
    m_typeGroup->addButton(ui->radioButton_DKS, SeniorKeyDKS);
    m_typeGroup->addButton(ui->radioButton_MT, SeniorKeyMT);
    m_typeGroup->addButton(ui->radioButton_TGL, SeniorKeyTGL);
    ui->radioButton_DKS->setChecked(true);
    connect(m_typeGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onOperateTypeChanged);

    m_dksKeyGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i)
        m_dksKeyGroup->addButton(slotButtons[i], i + 1);
    ui->toolButton_SeniorKey01->setChecked(true);
    connect(m_dksKeyGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onSksSelKeyChanged);

    m_mtKeyGroup = new QButtonGroup(this);
    m_mtKeyGroup->addButton(ui->toolButton_HoldKey, 1);
    m_mtKeyGroup->addButton(ui->toolButton_ClickKey, 2);
    ui->toolButton_HoldKey->setChecked(true);
    connect(m_mtKeyGroup, &QButtonGroup::idClicked, this, &DSeniorKeysPage::onMtSelKeyChanged);

    // A half-built combination belongs to the mode it was started in.
    connect(ui->radioButton_SingleKey, &QRadioButton::toggled, this, [this] { resetCombination(); });

    applyTheme();

    for (QLabel *label : {ui->label_Stroke01, ui->label_Stroke04}) {
        label->setText(strokeLinkText(QStringLiteral("1.0mm")));
        label->setAlignment(Qt::AlignCenter);
    }
    connect(ui->label_Stroke01, &QLabel::linkActivated, this, &DSeniorKeysPage::onLickActivited_Stroke01);
    connect(ui->label_Stroke04, &QLabel::linkActivated, this, &DSeniorKeysPage::onLickActivited_Stroke04);

    QTimer::singleShot(200, this, &DSeniorKeysPage::onLoadDksPage);
}

DSeniorKeysPage::~DSeniorKeysPage()
{
    // The tips are windows of their own; they go with the dialog.
    for (const QPointer<ArrowWidget> &tip : m_explainTips)
        delete tip.data();
}

void DSeniorKeysPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    const QString font = c.TextFont;
    QColor background = ThemeColors::toColor(c.AllBgColor);
    background.setAlpha(200);
    QColor foreground = ThemeColors::toColor(c.TextCheckedColor);
    foreground.setAlpha(255);
    m_notice->setBackgroundColor(background);
    m_notice->setTextColor(foreground);
    QFont noticeFont(font);
    noticeFont.setPixelSize(14);
    m_notice->setNoticeFont(noticeFont);

    m_linkColor = c.TextCheckedColor;
    m_linkFont = font;

    const QString text = ThemeColors::css(c.TextDefaultColor);
    const QString checked = ThemeColors::css(c.TextCheckedColor);
    const QString border = ThemeColors::css(c.MacroBorderColor);
    const QString right = ThemeColors::css(c.MacroRightBgColor);
    const QString title = ThemeColors::css(c.SettingsTitleColorStart);

    ui->horizontalSlider_HoldDuration->setStyleSheet(
        QStringLiteral(
            "QSlider::groove:horizontal{height:6px;left:0px;right:0px;border:none;border-radius:3px;"
            "background:%1;}"
            "QSlider::handle:horizontal{width:16px;height:16px;margin-top:-5px;margin-bottom:-5px;"
            "margin-left:0px;margin-right:0px;border-image:url(:/images/DKS/slider.png);}"
            "QSlider::sub-page:horizontal{border-radius:3px;background:%2;}")
            .arg(ThemeColors::css(c.DeviceBorderColor), checked));
    const QString slotSheet =
        QStringLiteral("QToolButton{color:%1;font-weight:75;font-size:8pt;font-family:\"%2\";"
                       "border:1px solid %1;border-radius:6px;}"
                       "QToolButton:hover,QToolButton:checked{border:1px solid %3;}"
                       "QToolButton:!checked{border:1px solid %1;}")
            .arg(text, font, checked);
    ui->frame_8->setStyleSheet(slotSheet);
    ui->frame_13->setStyleSheet(slotSheet);
    ui->frame_20->setStyleSheet(slotSheet);
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("#frame_Bg{border:1px solid %1;background-color:%2;border-radius:12px;}")
            .arg(checked, title));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("#frame_Title{background-color:%1;border:none;border-bottom:3px solid %2;"
                       "border-top-left-radius:12px;border-top-right-radius:12px;}"
                       "QLabel#label_Title{color:%3;}")
            .arg(title, border, checked));
    ui->widget_SeniorKeySetting->setStyleSheet(
        QStringLiteral(
            "#widget_SeniorKeySetting{background-color:%1;}"
            "QFrame{border:none;}"
            "QLabel,QRadioButton{color:%2;font-weight:75;font-size:10pt;font-family:\"%3\";}"
            "QRadioButton:checked{color:%4;}"
            "QRadioButton::indicator:checked{background-color:%4;border-radius:6px;"
            "border:2px solid white;}"
            "QLineEdit{color:%2;font-weight:75;font-size:8pt;font-family:\"%3\";background-color:%1;"
            "border:1px solid %5;border-radius:4px;}"
            "QLineEdit:hover,QLineEdit:pressed{border:1px solid %4;}"
            "QPushButton{border-radius:8px;border:2px solid %5;background-color:%1;color:%2;}"
            "QPushButton:hover{border:2px solid %4;}")
            .arg(right, text, font, checked, border));
    // The form's layout frames are panels only to hold the sheets; the ones without a sheet of
    // their own draw no outline.
    for (QFrame *frame : ui->widget_SeniorKeySetting->findChildren<QFrame *>()) {
        if (frame->metaObject() == &QFrame::staticMetaObject && frame->styleSheet().isEmpty())
            frame->setFrameShape(QFrame::NoFrame);
    }
    ui->widget_DksSetting->setStyleSheet(QStringLiteral("QLabel{color:%1;}").arg(text));
    // The list and the picker lie on the dialog's own background.
    for (QWidget *w : {static_cast<QWidget *>(ui->scrollArea_2), ui->scrollAreaWidgetContents_2,
                       static_cast<QWidget *>(ui->scrollArea_3), ui->scrollAreaWidgetContents_3})
        w->setStyleSheet(QStringLiteral("#%1{background-color:transparent;}").arg(w->objectName()));
    ui->frame_Left->setStyleSheet(
        QStringLiteral("#frame_Left{border:none;border-right:2px solid %1;}").arg(border));
    ui->frame_TypeSel->setStyleSheet(
        QStringLiteral("#frame_TypeSel{border:none;border-bottom:2px solid %1;}").arg(border));
    ui->frame_SeniorKeyEventList->setStyleSheet(
        QStringLiteral("#frame_SeniorKeyEventList{border:none;border-top:2px solid %1;}").arg(border));
    ui->frame_11->setStyleSheet(
        QStringLiteral("#frame_11{border:none;border-bottom:2px solid %1;}").arg(border));
    ui->label_TipInfo->setStyleSheet(
        QStringLiteral("color:%1;font-weight:75;font-size:14pt;font-family:\"%2\";").arg(checked, font));

    m_scrollBarStyle = ThemeColors::thinScrollBarSheet(c);

    QFont bold = DDataManager::getInstance()->getFont(0);
    bold.setPointSize(12);
    ui->label_Title->setFont(bold);
    ui->label_EventTotalNum->setFont(bold);
    QFont normal = DDataManager::getInstance()->getFont(1);
    normal.setPointSize(8);
    ui->label_Stroke02->setFont(normal);
    ui->label_Stroke03->setFont(normal);

    QTimer::singleShot(200, this, &DSeniorKeysPage::onScrollSheetSet);
}

void DSeniorKeysPage::onScrollSheetSet()
{
    ui->widget_5->setStyleSheet(m_scrollBarStyle);
    ui->widget_6->setStyleSheet(m_scrollBarStyle);
}

void DSeniorKeysPage::onLoadDksPage()
{
    m_dksShowWidget = new DDksShowWidget(ui->widget_DksDrawPage);
    m_dksShowWidget->setObjectName(QStringLiteral("dksShowWidget"));
    connect(m_dksShowWidget, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS, this,
            &DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS);
    connect(m_dksShowWidget, &DDksShowWidget::sigDksPageMouseMovePointXY, this,
            &DSeniorKeysPage::onDksPageMouseMovePointXY);
    ui->widget_DksDrawPage->layout()->addWidget(m_dksShowWidget);
    m_dksShowWidget->setDrawAreaSize(ui->widget_DksDrawPage->width(), ui->widget_DksDrawPage->height());

    m_keyNameMap.clear();
    m_allKeysShowPage = new DAllKeysShowPage(ui->scrollAreaWidgetContents_3);
    connect(m_allKeysShowPage, &DAllKeysShowPage::sigKeyListClicked, this,
            &DSeniorKeysPage::onKeyListClicked);
    connect(m_allKeysShowPage, &DAllKeysShowPage::sigAllKeysInfoAlreadyLoadedA, this,
            &DSeniorKeysPage::onAllKeysInfoAlreadyLoaded);
    ui->scrollAreaWidgetContents_3->layout()->addWidget(m_allKeysShowPage);
    m_keyNameMap = m_allKeysShowPage->getKeyNameMap();

    loadSeniorKeyEventList();
}

void DSeniorKeysPage::onDksPageMouseMovePointXY(int, int) {}

void DSeniorKeysPage::onAllKeysInfoAlreadyLoaded()
{
    if (m_allKeysShowPage)
        m_keyNameMap = m_allKeysShowPage->getKeyNameMap();
}

void DSeniorKeysPage::clearSeniorKeyEventList()
{
    while (m_eventListLayout->count() > 1) {
        QLayoutItem *item = m_eventListLayout->takeAt(0);
        if (QWidget *w = item->widget())
            w->deleteLater();
        delete item;
    }
    m_selectedItem = nullptr;
}

void DSeniorKeysPage::loadSeniorKeyEventList()
{
    clearSeniorKeyEventList();
    QList<SeniorKeyInfoStu> records;
    if (!m_store.readAll(&records)) {
        qDebug() << "SelectAllInfo faliled";
        m_readFailed = true;
        m_eventItemMap.clear();
        m_currentSeniorKey = SeniorKeyInfoStu{};
        ui->label_EventTotalNum->setText(QStringLiteral("0/40"));
        return;
    }
    m_readFailed = false;
    m_seniorKeyMap.clear();
    m_eventItemMap.clear();
    ui->stackedWidget_Left->setCurrentWidget(records.isEmpty() ? ui->page_EmptyTipAll
                                                               : ui->page_SeniorKesOperate);
    for (const SeniorKeyInfoStu &r : qAsConst(records))
        m_seniorKeyMap.insert(r.index, r);
    for (const SeniorKeyInfoStu &r : qAsConst(m_seniorKeyMap)) {
        auto *row = new DSeniorKeyEventListItem(ui->scrollAreaWidgetContents_2);
        row->setObjectName(QStringLiteral("seniorKeyRow_%1").arg(r.index));
        row->setKeyNameMap(m_keyNameMap);
        row->setSeniorKeyInfoStu(r);
        connect(row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem, this,
                &DSeniorKeysPage::onDeleteSeniorKeyEventItem);
        connect(row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick, this,
                &DSeniorKeysPage::onSeniorKeyEventItemClick);
        m_eventListLayout->insertWidget(m_eventListLayout->count() - 1, row);
        m_eventItemMap.insert(r.index, row);
        if (!m_selectedItem)
            m_selectedItem = row;
    }
    if (m_selectedItem)
        selectSeniorKey(m_eventItemMap.firstKey());
    else
        m_currentSeniorKey = SeniorKeyInfoStu{};
    qDebug() << "SelectAllInfo successful";
    ui->label_EventTotalNum->setText(QStringLiteral("%1/40").arg(m_seniorKeyMap.size()));
}

void DSeniorKeysPage::selectSeniorKey(int index)
{
    for (auto it = m_eventItemMap.cbegin(); it != m_eventItemMap.cend(); ++it)
        it.value()->setSelectedStyle(it.value() == m_selectedItem);
    m_combination.reset();
    m_currentSeniorKey = m_seniorKeyMap.value(index);
    showSeniorKeyInfo();
    m_selectKeyIndex = 1;
    switch (m_currentSeniorKey.type) {
    case SeniorKeyDKS:
        ui->toolButton_SeniorKey01->setChecked(true);
        m_currentKeyButton = ui->toolButton_SeniorKey01;
        ui->stackedWidget_2->setCurrentWidget(ui->page_DKS);
        break;
    case SeniorKeyMT:
        ui->toolButton_HoldKey->setChecked(true);
        m_currentKeyButton = ui->toolButton_HoldKey;
        ui->stackedWidget_2->setCurrentWidget(ui->page_MT);
        break;
    case SeniorKeyTGL:
        ui->toolButton_TglKey->setChecked(true);
        m_currentKeyButton = ui->toolButton_TglKey;
        ui->stackedWidget_2->setCurrentWidget(ui->page_TGL);
        break;
    default:
        break;
    }
}

void DSeniorKeysPage::onSeniorKeyEventItemClick(int bindingIndex)
{
    auto *row = qobject_cast<DSeniorKeyEventListItem *>(sender());
    if (!row || !m_seniorKeyMap.contains(bindingIndex))
        return;
    m_selectedItem = row;
    selectSeniorKey(bindingIndex);
}

QString DSeniorKeysPage::keyDisplayText(const char *field, int capacity) const
{
    return seniorkey::boundKeyText(seniorkey::fieldText(field, capacity), m_keyNameMap);
}

void DSeniorKeysPage::showSeniorKeyInfo()
{
    const SeniorKeyInfoStu &r = m_currentSeniorKey;
    QToolButton *const slotButtons[kSlotCount] = {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02,
                                                  ui->toolButton_SeniorKey03, ui->toolButton_SeniorKey04,
                                                  ui->toolButton_HoldKey,     ui->toolButton_ClickKey,
                                                  ui->toolButton_TglKey};
    for (QToolButton *button : slotButtons)
        button->setText(QString());
    switch (r.type) {
    case SeniorKeyDKS:
        slotButtons[0]->setText(keyDisplayText(r.K1, sizeof r.K1));
        slotButtons[1]->setText(keyDisplayText(r.K2, sizeof r.K2));
        slotButtons[2]->setText(keyDisplayText(r.K3, sizeof r.K3));
        slotButtons[3]->setText(keyDisplayText(r.K4, sizeof r.K4));
        showStrokeLabels();
        if (m_dksShowWidget)
            m_dksShowWidget->setSeniorKeyInfoStu(r);
        break;
    case SeniorKeyMT:
        slotButtons[4]->setText(keyDisplayText(r.K1, sizeof r.K1));
        slotButtons[5]->setText(keyDisplayText(r.K2, sizeof r.K2));
        ui->horizontalSlider_HoldDuration->setValue(r.ValueTime / 10);
        ui->label_HoldDuration->setText(QString::number(r.ValueTime) + QStringLiteral("ms"));
        break;
    case SeniorKeyTGL:
        slotButtons[6]->setText(r.tglFlag == 1 ? keyDisplayText(r.K1, sizeof r.K1) : QString());
        break;
    default:
        break;
    }
}

QString DSeniorKeysPage::strokeLinkText(const QString &text) const
{
    return QStringLiteral("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span>"
                          "<a href=\"Company|%1|\"><span style=\"font-size:8pt; text-decoration:underline; "
                          "color:%2;\">%1</span>")
        .arg(text, ThemeColors::css(m_linkColor), m_linkFont);
}

void DSeniorKeysPage::showStrokeLabels()
{
    QLabel *const labels[4] = {ui->label_Stroke01, ui->label_Stroke02, ui->label_Stroke03,
                               ui->label_Stroke04};
    for (int i = 0; i < 4; ++i)
        labels[i]->setText(DStrokeConfigView::valueText(m_currentSeniorKey.stroke[i]));
    for (QLabel *label : {ui->label_Stroke01, ui->label_Stroke04}) {
        label->setText(strokeLinkText(label->text()));
        label->setAlignment(Qt::AlignCenter);
    }
}

QSet<int> DSeniorKeysPage::boundIndexes()
{
    return SeniorKeyStore::boundIndexes(
        SeniorKeyStore::keyProfileFiles(DDataManager::getInstance()->userConfigPath()));
}

void DSeniorKeysPage::onOperateTypeChanged(int index)
{
    m_createType = index;
}

void DSeniorKeysPage::on_pushButton_NewCreate_clicked()
{
    if (m_seniorKeyMap.size() >= kSeniorKeyMaxCount) {
        m_notice->showNotice(tr("The number of senior keys has reached the maximum"), rect().center());
        return;
    }
    // Numbering from a list the store did not confirm could reuse a number that is taken.
    if (m_readFailed) {
        qWarning() << "[SeniorKeys] create refused: the store could not be read";
        m_notice->showNotice(tr("Operate failed"), rect().center());
        return;
    }
    SeniorKeyInfoStu created{};
    if (!m_store.create(m_createType, m_seniorKeyMap.values(), boundIndexes(), &created)) {
        qDebug() << "Add faliled";
        m_notice->showNotice(tr("Operate failed"), rect().center());
        return;
    }
    m_listChanged = true;
    m_notice->showNotice(tr("Create senior keys successful"), rect().center());
    qDebug() << "Add successful";
    loadSeniorKeyEventList();
}

void DSeniorKeysPage::onDeleteSeniorKeyEventItem(int keyType, int bindingIndex)
{
    if (!boundIndexes().contains(bindingIndex)) {
        deleteSeniorKey(keyType, bindingIndex);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Senior Keys"),
                                tr("Keys are still bound to this senior key. Delete it anyway?"),
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("seniorKeyInUseBox"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, keyType, bindingIndex] {
        if (box->clickedButton() == box->button(QMessageBox::Yes))
            deleteSeniorKey(keyType, bindingIndex);
    });
    box->open();
}

void DSeniorKeysPage::deleteSeniorKey(int keyType, int bindingIndex)
{
    if (!m_store.remove(keyType, bindingIndex)) {
        qDebug() << "Delete faliled";
        m_notice->showNotice(tr("Operate failed"), rect().center());
        return;
    }
    m_listChanged = true;
    m_notice->showNotice(tr("Delete senior keys successful"), rect().center());
    qDebug() << "Delete successful";
    loadSeniorKeyEventList();
}

void DSeniorKeysPage::storeCurrent(const char *logWhat)
{
    const bool ok = m_store.modify(&m_currentSeniorKey);
    logLine(logWhat, ok);
    // A refused change is undone in everything that shows the record: modify() gave back what
    // the store holds.
    m_seniorKeyMap.insert(m_currentSeniorKey.index, m_currentSeniorKey);
    if (m_selectedItem)
        m_selectedItem->setSeniorKeyInfoStu(m_currentSeniorKey);
    if (!ok) {
        showSeniorKeyInfo();
        m_notice->showNotice(tr("Operate failed"), rect().center());
    }
}

void DSeniorKeysPage::onTheSeniorKeyInfoStuNeedUpdate_DKS()
{
    if (!m_selectedItem || !m_dksShowWidget)
        return;
    m_currentSeniorKey = m_dksShowWidget->getSeniorKeyInfoStu();
    storeCurrent("DKS");
}

void DSeniorKeysPage::onSliderHoldDurationValue(int HoldDurationValue)
{
    ui->label_HoldDuration->setText(QString::number(HoldDurationValue * 10) + QStringLiteral("ms"));
}

void DSeniorKeysPage::onSliderHoldDurationReleased()
{
    const int value = ui->horizontalSlider_HoldDuration->value();
    qDebug().noquote() << "-------------------------------- [Mouse Released] sliderCurVal:" << value;
    if (!m_selectedItem || m_currentSeniorKey.type != SeniorKeyMT)
        return;
    m_currentSeniorKey.ValueTime = value * 10;
    storeCurrent("DKS [SingleKey SliderHoldDurationReleased] stu.ValueTime");
}

void DSeniorKeysPage::onLickActivited_Stroke01(QString)
{
    openStrokeConfigView();
}

void DSeniorKeysPage::onLickActivited_Stroke04(QString)
{
    openStrokeConfigView();
}

void DSeniorKeysPage::openStrokeConfigView()
{
    if (!m_selectedItem)
        return;
    if (!m_strokeOverlay)
        m_strokeOverlay = createDimmingOverlay(this);
    m_strokeOverlay->setGeometry(rect());
    m_strokeOverlay->raise();
    m_strokeOverlay->show();

    auto *view = new DStrokeConfigView(this);
    view->setSeniorKeyInfoStu(m_currentSeniorKey);
    connect(view, &DStrokeConfigView::sigTheStrokeConfigViewClose, this,
            &DSeniorKeysPage::onTheStrokeConfigViewClose);
    connect(view, &DStrokeConfigView::sigTheDKSStrokeStuChanged, this,
            &DSeniorKeysPage::onTheDKSStrokeStuChanged);
    // However the pop-up ends, the dialog must not stay dimmed and blocked.
    connect(view, &QObject::destroyed, this, &DSeniorKeysPage::onTheStrokeConfigViewClose);
    view->move(pos() + QPoint((width() - view->width()) / 2, (height() - view->height()) / 2));
    view->setWindowModality(Qt::WindowModal);
    view->show();
}

void DSeniorKeysPage::onTheStrokeConfigViewClose()
{
    if (m_strokeOverlay)
        m_strokeOverlay->hide();
}

void DSeniorKeysPage::onTheDKSStrokeStuChanged()
{
    auto *view = qobject_cast<DStrokeConfigView *>(sender());
    if (!view)
        return;
    m_currentSeniorKey = view->getSeniorKeyInfoStu();
    if (m_dksShowWidget)
        m_dksShowWidget->setSeniorKeyInfoStu(m_currentSeniorKey);
    m_seniorKeyMap.insert(m_currentSeniorKey.index, m_currentSeniorKey);
    showStrokeLabels();
}

QPoint DSeniorKeysPage::explainTipPosition(const QPoint &bottomCentre, int buttonHeight, int leftOffset)
{
    return bottomCentre - QPoint(leftOffset, buttonHeight - 11);
}

void DSeniorKeysPage::showExplainTip(int kind, QToolButton *button)
{
    QPointer<ArrowWidget> &tip = m_explainTips[kind - 1];
    if (!tip) {
        tip = new ArrowWidget(0, nullptr);
        tip->setObjectName(QStringLiteral("seniorKeysExplainTip%1").arg(kind));
        tip->setWidgetSize(395, 320);
        tip->setArrowStartX(kind == 1 ? kKeyModeArrowX : kKindArrowX);
        tip->setCenterWidget(new DSeniorKeysRecordExplainDia(kind, this));
    }
    m_explainTip = tip;
    const QPoint bottomCentre = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
    tip->move(explainTipPosition(bottomCentre, button->height(), kind == 1 ? kKeyModeLeft : kKindLeft));
    tip->show();
}

void DSeniorKeysPage::hideExplainTips()
{
    for (const QPointer<ArrowWidget> &tip : m_explainTips) {
        if (tip)
            tip->hide();
    }
}

bool DSeniorKeysPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        const bool enter = event->type() == QEvent::Enter;
        if (watched == ui->toolButton_ExplainInfo || watched == ui->toolButton_ExplainInfo02) {
            if (enter)
                showExplainTip(watched == ui->toolButton_ExplainInfo ? 1 : 2,
                               static_cast<QToolButton *>(watched));
            else if (m_explainTip)
                m_explainTip->hide();
        } else {
            const QObject *const slotButtons[kSlotCount] = {
                ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02, ui->toolButton_SeniorKey03,
                ui->toolButton_SeniorKey04, ui->toolButton_HoldKey,     ui->toolButton_ClickKey,
                ui->toolButton_TglKey};
            for (int i = 0; i < kSlotCount; ++i) {
                if (watched == slotButtons[i])
                    m_hoverKeyIndex = enter ? i + 1 : -1;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DSeniorKeysPage::onSksSelKeyChanged(int index)
{
    QToolButton *const buttons[4] = {ui->toolButton_SeniorKey01, ui->toolButton_SeniorKey02,
                                     ui->toolButton_SeniorKey03, ui->toolButton_SeniorKey04};
    if (index < 1 || index > 4)
        return;
    resetCombination();
    m_selectKeyIndex = index;
    m_currentKeyButton = buttons[index - 1];
}

void DSeniorKeysPage::onMtSelKeyChanged(int index)
{
    if (index != 1 && index != 2)
        return;
    resetCombination();
    m_selectKeyIndex = index;
    m_currentKeyButton = index == 1 ? ui->toolButton_HoldKey : ui->toolButton_ClickKey;
}

char *DSeniorKeysPage::targetField(int slot)
{
    SeniorKeyInfoStu &r = m_currentSeniorKey;
    char *const dks[4] = {r.K1, r.K2, r.K3, r.K4};
    switch (r.type) {
    case SeniorKeyDKS:
        return slot >= 1 && slot <= 4 ? dks[slot - 1] : nullptr;
    case SeniorKeyMT:
        return slot == 1 ? r.K1 : slot == 2 ? r.K2 : nullptr;
    case SeniorKeyTGL:
        return r.K1;
    default:
        return nullptr;
    }
}

void DSeniorKeysPage::bindText(const QString &text, const char *logWhat)
{
    char *field = targetField(m_selectKeyIndex);
    if (!field)
        return;
    const QByteArray bytes = text.toLatin1();
    std::memset(field, 0, sizeof m_currentSeniorKey.K1);
    std::memcpy(field, bytes.constData(),
                std::min<size_t>(size_t(bytes.size()), sizeof m_currentSeniorKey.K1 - 1));
    if (m_currentSeniorKey.type == SeniorKeyTGL)
        m_currentSeniorKey.tglFlag = 1;
    if (m_currentSeniorKey.type == SeniorKeyDKS && m_dksShowWidget)
        m_dksShowWidget->setSeniorKeyInfoStu(m_currentSeniorKey);
    storeCurrent(logWhat);
}

void DSeniorKeysPage::onKeyListClicked(int keyDec, QString keyCharacter)
{
    if (!m_selectedItem || !m_currentKeyButton)
        return;
    if (ui->radioButton_CombinationKeys->isChecked()) {
        addCombinationKey(keyDec);
        return;
    }
    m_currentKeyButton->setText(keyCharacter);
    bindText(QString::number(keyDec), "DKS [SingleKey] K1K2K3K4");
}

void DSeniorKeysPage::addCombinationKey(int keyDec)
{
    switch (m_combination.add(keyDec, m_keyNameMap)) {
    case SeniorKeyCombination::Step::Ignored:
        break;
    case SeniorKeyCombination::Step::Grown:
        m_currentKeyButton->setText(m_combination.shownText());
        break;
    case SeniorKeyCombination::Step::Completed:
        m_currentKeyButton->setText(m_combination.shownText());
        bindText(m_combination.storedText(), "DKS [CombinationKeys] K1K2K3K4");
        break;
    case SeniorKeyCombination::Step::Abandoned:
        // Nothing was stored, so the slot shows what it holds.
        showSeniorKeyInfo();
        break;
    }
}

void DSeniorKeysPage::resetCombination()
{
    if (!m_combination.isActive())
        return;
    m_combination.reset();
    showSeniorKeyInfo();
}

void DSeniorKeysPage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton || m_hoverKeyIndex == -1 || !m_selectedItem) {
        QDialog::mousePressEvent(event);
        return;
    }
    SeniorKeyInfoStu &r = m_currentSeniorKey;
    char *field = nullptr;
    QToolButton *button = nullptr;
    switch (m_hoverKeyIndex) {
    case 1:
        field = r.K1, button = ui->toolButton_SeniorKey01;
        break;
    case 2:
        field = r.K2, button = ui->toolButton_SeniorKey02;
        break;
    case 3:
        field = r.K3, button = ui->toolButton_SeniorKey03;
        break;
    case 4:
        field = r.K4, button = ui->toolButton_SeniorKey04;
        break;
    case kHoldKeySlot:
        field = r.K1, button = ui->toolButton_HoldKey;
        break;
    case kClickKeySlot:
        field = r.K2, button = ui->toolButton_ClickKey;
        break;
    case kTglKeySlot:
        field = r.K1, button = ui->toolButton_TglKey;
        r.tglFlag = 0;
        break;
    default:
        return;
    }
    resetCombination();
    std::memset(field, 0, sizeof r.K1);
    button->setText(QString());
    if (m_hoverKeyIndex <= 4 && m_dksShowWidget)
        m_dksShowWidget->setSeniorKeyInfoStu(r);
    storeCurrent("DKS [SingleKey Qt::RightButton] K1K2K3K4");
    event->accept();
}

void DSeniorKeysPage::on_pushButton_Close_clicked()
{
    hideExplainTips();
    if (m_listChanged)
        DDataManager::getInstance()->seniorKeysListItemHaveChanged();
    emit sigSeniorKeysPageClose();
    QDialog::reject(); // closes without a second close event, deleting the dialog
}

void DSeniorKeysPage::reject()
{
    on_pushButton_Close_clicked();
}

void DSeniorKeysPage::closeEvent(QCloseEvent *event)
{
    qDebug().noquote()
        << "------------------------- *** [DSeniorKeysPage] closeEvent *** -------------------------";
    hideExplainTips();
    QDialog::closeEvent(event);
}
