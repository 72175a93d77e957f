#include "dmacropage.h"
#include "ui_dmacropage.h"

#include "cbnotice.h"
#include "cquelmoxml.h"
#include "dcatchkeyandmouseitem.h"
#include "ddatamanager.h"
#include "dmacrolistitem.h"
#include "fixedtext.h"
#include "keycatalogue.h"
#include "macroeditorrules.h"

#include <QButtonGroup>
#include <QDebug>
#include <QIntValidator>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>
#include <vector>

DMacroPage::DMacroPage(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::DMacroPage>())
{
    ui->setupUi(this);
    ui->pushButton_Import->setToolTip(tr("Import"));
    ui->pushButton_Add->setToolTip(tr("Create"));
    ui->pushButton_ClearMacroLst->setToolTip(tr("Clear"));
    ui->pushButton_MoveUp->setToolTip(tr("Up"));
    ui->pushButton_MoveDown->setToolTip(tr("Down"));
    ui->retranslateUi(this);
    ui->label->setText(tr("Start record"));

    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(1050, 690);
    ui->radioButton_Delay->hide();

    fileDialogDir = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    notice = new CbNotice(this);
    notice->setFontPixelSize(14);

    clearMacroItems();
    clearEventItems();

    // The three delay modes sit in two frames; only this group makes them exclusive.
    delayModeGroup = new QButtonGroup(this);
    delayModeGroup->addButton(ui->radioButton_RecordDelay, 0);
    delayModeGroup->addButton(ui->radioButton_NoDelay, 1);
    delayModeGroup->addButton(ui->radioButton_DefaultDelay, 2);
    ui->radioButton_InsertAfter->setChecked(true);
    ui->radioButton_Key->setChecked(true);
    ui->radioButton_MouseLeft->setChecked(true);

    pageFont = DDataManager::getInstance()->getFont(0);
    pageFont.setPointSize(13);
    ui->label->setFont(pageFont);

    auto *delayValidator = new QIntValidator(0, kMacroMaxDelay, this);
    ui->lineEdit_EnterDelayNum->setValidator(delayValidator);
    ui->lineEdit_DelayNum->setValidator(delayValidator);
    ui->lineEdit_DefaultDelayNum->setValidator(delayValidator);

    ui->radioButton_RecordDelay->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
    ui->frame_Record->setCursor(Qt::PointingHandCursor);
    ui->frame_Record->installEventFilter(this);
    ui->lineEdit_EnterKey->installEventFilter(this);
    ui->lineEdit_PressKey->installEventFilter(this);

    DDataManager *dm = DDataManager::getInstance();
    connect(dm, &DDataManager::sigRecviveStreamEX_MacroKeyboard, this, &DMacroPage::onKeyboardRecviveStream,
            Qt::DirectConnection);
    connect(dm, &DDataManager::sigRecviveStreamEX_MacroMouse, this, &DMacroPage::onMouseRecviveStream,
            Qt::DirectConnection);

    // The maps follow the on-screen keyboard loaded last; before any was shown they come from the
    // default layout's catalogue, so recording never depends on the key-assignment page.
    keyNameMap = dm->keyNameMap();
    vkToHidMap = dm->vkToHidMap();
    if (vkToHidMap.isEmpty() || keyNameMap.isEmpty()) {
        const keycatalogue::KeyMaps maps = keycatalogue::softKeyboardMaps(keycatalogue::kUsLayoutCode);
        vkToHidMap = maps.vkToHid;
        keyNameMap = maps.keyNames;
    }

    applyTheme();
    QTimer::singleShot(200, this, &DMacroPage::onLoadMacroList);
}

DMacroPage::~DMacroPage()
{
    // However the editor goes (its window closed, the program quitting), the hooks it started stop.
    if (hookRunning)
        DDataManager::getInstance()->setMacroRecordHook(false);
}

bool DMacroPage::setMacroXmlPath(const char *path)
{
    if (path && fixedtext::copyWhole(macroXmlPath, sizeof macroXmlPath, path))
        return true;
    qWarning() << "[Macro editor] the macro store path does not fit; no macro can be shown";
    macroXmlPath[0] = '\0';
    return false;
}

void DMacroPage::onLoadMacroList()
{
    // The first load comes a moment after opening; a recording started before it keeps its macro.
    if (isRecording)
        return;
    loadMacroList();
}

void DMacroPage::clearMacroItems()
{
    macroListLayout = ui->verticalLayout_17;
    // The last item is the spacer that keeps the rows at the top.
    while (macroListLayout->count() > 1) {
        QLayoutItem *item = macroListLayout->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
}

void DMacroPage::clearEventItems()
{
    eventListLayout = ui->verticalLayout_20;
    while (eventListLayout->count() > 1) {
        QLayoutItem *item = eventListLayout->takeAt(0);
        if (QWidget *w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
}

void DMacroPage::loadMacroList()
{
    clearMacroItems();
    macroItems.clear();
    currentMacroItem = nullptr;

    std::vector<MacroNode> nodes;
    if (!CQuelmoXML_SelectMacroAllNodes(macroXmlPath, &nodes))
        qWarning() << "[Macro editor] cannot read the macro store" << QString::fromLocal8Bit(macroXmlPath);
    if (nodes.empty())
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);

    for (const MacroNode &node : nodes) {
        const QString index = QString::fromUtf8(node.index.c_str());
        const QString name = QString::fromUtf8(node.name.c_str());
        auto *row = new DMacroListItem(ui->scrollAreaWidgetContents_2);
        connect(row, &DMacroListItem::sigMacroItemMouseClicked, this, &DMacroPage::onMacroItemMouseClicked);
        connect(row, &DMacroListItem::sigModifyMacroItemNameIsEmpty, this,
                &DMacroPage::onModifyMacroItemNameIsEmpty);
        connect(row, &DMacroListItem::sigModifyMacroItemNameSuccess, this,
                &DMacroPage::onModifyMacroItemNameSuccess);
        connect(row, &DMacroListItem::sigExportMacroChildList, this, &DMacroPage::onExportMacroChildList);
        connect(row, &DMacroListItem::sigDeleteMacro, this, &DMacroPage::onDeleteMacro);
        row->setMacroXmlPath(macroXmlPath);
        row->setMacroInfo(index, name);
        macroListLayout->insertWidget(macroListLayout->count() - 1, row);
        if (!currentMacroItem) {
            currentMacroItem = row;
            row->setSelected(true);
            currentMacroIndex = index;
            currentMacroName = name;
        }
        macroItems.append(row);
    }
    if (!nodes.empty())
        onMacroItemMouseClicked(QString::fromUtf8(nodes.front().index.c_str()),
                                QString::fromUtf8(nodes.front().name.c_str()));
}

void DMacroPage::onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName)
{
    if (isRecording)
        return;

    DMacroListItem *clicked = nullptr;
    if (selectFirstOnLoad && !macroItems.isEmpty()) {
        clicked = macroItems.first();
        selectFirstOnLoad = false;
    } else {
        clicked = qobject_cast<DMacroListItem *>(sender());
    }
    if (clicked && clicked != currentMacroItem) {
        eventDelay = 0;
        totalDelay = 0;
        for (DMacroListItem *row : qAsConst(macroItems))
            row->setSelected(row == clicked);
        selectedEventPosition = 0;
        currentMacroItem = clicked;
        recordedEvents.clear();
    }

    isEventSelected = false;
    selectedEventItem = nullptr;
    currentMacroIndex = strMacroIndex;
    currentMacroName = strMacroName;
    keyDownCount = 0;
    lastEventTick = 0;
    eventDelay = 0;
    totalDelay = 0;
    clearEventItems();
    eventItems.clear();
    ui->label_TotalTime->setText(QStringLiteral("0 MS"));

    QList<MacroEventRecord> events;
    const bool read =
        CQuelmoXML_SelectAllKeyOrMouseEvent(macroXmlPath, currentMacroIndex.toLatin1().constData(), &events);
    if (!read)
        qWarning() << "[Macro editor] cannot read the events of macro" << currentMacroIndex;
    if (!read || events.isEmpty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
        return;
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
    keyDownCount = macroeditor::downCount(events);
    for (const MacroEventRecord &record : qAsConst(events)) {
        const macroeditor::MacroEvent e = macroeditor::decodeEvent(record);
        eventListLayout->insertWidget(
            eventListLayout->count() - 1,
            createEventItem(e.mark, e.delay, e.type, e.keyCode, e.codeName, e.operateExplain));
        eventDelay = e.delay;
        totalDelay += e.delay;
    }
    ui->label_TotalTime->setText(QStringLiteral("%1 MS").arg(totalDelay));
    ui->scrollArea_3->verticalScrollBar()->setValue(0);
}

DCatchKeyAndMouseItem *DMacroPage::createEventItem(const QString &mark, int delay, const QString &type,
                                                   int keyCode, const QString &codeName,
                                                   const QString &operateExplain)
{
    auto *row = new DCatchKeyAndMouseItem(mark, ui->scrollAreaWidgetContents_3);
    row->setEventInfo(delay, type, keyCode, codeName, operateExplain);
    connect(row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick, this, &DMacroPage::onKeyOrMouseEventClick);
    connect(row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent, this,
            &DMacroPage::onDeleteKeyAndMouseEvent);
    eventItems.append(row);
    return row;
}

void DMacroPage::insertEventItem(QString mark, int delay, QString type, int keyCode, QString codeName,
                                 QString operateExplain, int position)
{
    eventListLayout->insertWidget(position,
                                  createEventItem(mark, delay, type, keyCode, codeName, operateExplain));
}

int DMacroPage::nextEventMark()
{
    QList<MacroEventRecord> events;
    if (!CQuelmoXML_SelectAllKeyOrMouseEvent(macroXmlPath, currentMacroIndex.toLatin1().constData(), &events))
        qWarning() << "[Macro editor] cannot read the events of macro" << currentMacroIndex;
    return macroeditor::nextMarkAfter(events);
}

void DMacroPage::notifyMacroChanged(int reason)
{
    Q_UNUSED(reason)
    emit sigMacroListHaveChanged(currentMacroIndex, currentMacroName);
}

void DMacroPage::showToast(const QString &text)
{
    notice->showNotice(text, rect().center());
}

void DMacroPage::onModifyMacroItemNameIsEmpty()
{
    showToast(tr("Macro name can't be empty"));
}

void DMacroPage::onModifyMacroItemNameSuccess()
{
    showToast(tr("Modify macro name successful"));
}

void DMacroPage::on_pushButton_Close_clicked()
{
    // A running recording is kept as the record button would keep it.
    if (isRecording)
        toggleRecording();
    DDataManager::getInstance()->setMacroRecordHook(false);
    hookRunning = false;
    emit sigMacroPageClose();
    QDialog::reject(); // closes without a second close event, deleting the dialog
}

void DMacroPage::reject()
{
    on_pushButton_Close_clicked();
}

void DMacroPage::closeEvent(QCloseEvent *event)
{
    qDebug() << "------------------------- *** [DMacroPage] closeEvent *** -------------------------";
    QDialog::closeEvent(event);
}

void DMacroPage::hideEvent(QHideEvent *event)
{
    // Hidden with its main window (to the tray, say): a recording is kept and the hooks stop, so
    // no key stays captured for a window nobody sees.
    if (isRecording)
        toggleRecording();
    if (hookRunning) {
        DDataManager::getInstance()->setMacroRecordHook(false);
        hookRunning = false;
    }
    QDialog::hideEvent(event);
}

void DMacroPage::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const macroeditor::ColumnCaps caps = macroeditor::columnCaps(contentsRect().width());
    ui->frame_Left->setMaximumWidth(caps.left);
    ui->frame_Center->setMaximumWidth(caps.center);
    ui->frame_Right->setMaximumWidth(caps.right);
}

void DMacroPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(scrollBarStyle);
}
