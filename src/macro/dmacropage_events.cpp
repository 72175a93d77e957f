// Editing the events of the shown macro: selecting, inserting, modifying, deleting, clearing and
// moving. The store is written first; the rows change only once it took the change.
#include "dmacropage.h"
#include "ui_dmacropage.h"

#include "cquelmoxml.h"
#include "dcatchkeyandmouseitem.h"
#include "fixedtext.h"
#include "macroeditorrules.h"
#include "macrofile.h"

#include <QVBoxLayout>

namespace {

MacroEventRecord recordOf(const QString &mark, const QString &delay, const QString &type, int keyCode,
                          const QString &codeName, const QString &operateExplain)
{
    MacroEventRecord r{};
    fixedtext::copy(r.mark, mark.toLatin1());
    fixedtext::copy(r.delay, delay.toLatin1());
    fixedtext::copy(r.type, type.toLatin1());
    fixedtext::copy(r.keyCode, QByteArray::number(keyCode));
    fixedtext::copy(r.codeName, codeName.toUtf8());
    fixedtext::copy(r.operateExplain, operateExplain.toLatin1());
    return r;
}

} // namespace

DCatchKeyAndMouseItem *DMacroPage::rowAt(int position) const
{
    if (!eventListLayout || position < 0 || position >= eventListLayout->count())
        return nullptr;
    QLayoutItem *item = eventListLayout->itemAt(position);
    return item ? qobject_cast<DCatchKeyAndMouseItem *>(item->widget()) : nullptr;
}

DCatchKeyAndMouseItem *DMacroPage::partnerOf(const DCatchKeyAndMouseItem *row) const
{
    for (DCatchKeyAndMouseItem *other : eventItems)
        if (other != row && other->mark() == row->mark() && other->operateExplain() != row->operateExplain())
            return other;
    return nullptr;
}

QList<MacroEventRecord> DMacroPage::shownEvents() const
{
    QList<MacroEventRecord> events;
    for (int i = 0; i < shownRowCount(); ++i)
        if (const DCatchKeyAndMouseItem *row = rowAt(i))
            events.append(recordOf(row->mark(), row->delay(), row->type(), row->keyCode().toInt(),
                                   row->codeName(), row->operateExplain()));
    return events;
}

bool DMacroPage::replaceShownMacroEvents(const QList<MacroEventRecord> &events)
{
    return CQuelmoXML_ReplaceMacroEvents(macroXmlPath, currentMacroIndex.toLatin1().constData(), events);
}

void DMacroPage::onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                        QString operateExplain)
{
    Q_UNUSED(operateExplain) // the row's own side is read from the row
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row)
        return;
    ui->lineEdit_PressKey->clear();
    selectEventRow(row);
    ui->lineEdit_DelayNum->setText(delay);
    if (type == QLatin1String("key")) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
        ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (type == QLatin1String("mouse")) {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
        ui->radioButton_MouseEvent->setChecked(true);
    }
    if (!type.contains(QLatin1String("mouse"))) {
        ui->lineEdit_PressKey->setMaxLength(std::max(1, static_cast<int>(codeName.size())));
        ui->lineEdit_PressKey->setText(codeName);
    } else if (keyCode == QLatin1String("513") || keyCode == QLatin1String("514")) {
        ui->radioButton_1left->setChecked(true);
    } else if (keyCode == QLatin1String("519") || keyCode == QLatin1String("520")) {
        ui->radioButton_2center->setChecked(true);
    } else if (keyCode == QLatin1String("516") || keyCode == QLatin1String("517")) {
        ui->radioButton_3right->setChecked(true);
    }
}

void DMacroPage::selectEventRow(DCatchKeyAndMouseItem *row)
{
    selectedEventItem = row;
    const bool down = row->operateExplain().contains(QLatin1String("down"));
    selectedEventOperate = down ? QStringLiteral("down") : QStringLiteral("up");
    selectedEventSide = down ? 0 : 1;
    selectedEventMark = row->mark();
    selectedEventPosition = eventListLayout->indexOf(row);
    isEventSelected = true;
    for (DCatchKeyAndMouseItem *other : qAsConst(eventItems))
        other->setHighlight(other->mark() == row->mark() && other->operateExplain() != row->operateExplain());
    row->setHighlight(true);
    for (DCatchKeyAndMouseItem *other : qAsConst(eventItems))
        if (other->mark() == row->mark() && other->operateExplain() == row->operateExplain())
            other->setAccentHighlight(true);
}

void DMacroPage::on_radioButton_Key_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
}

void DMacroPage::on_radioButton_Mouse_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Mouse);
}

void DMacroPage::on_radioButton_KeyboardEvent_clicked()
{
    ui->lineEdit_PressKey->clear();
    ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
}

void DMacroPage::on_radioButton_MouseEvent_clicked()
{
    ui->radioButton_1left->setChecked(true);
    ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
}

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    if (!isEventSelected) {
        showToast(tr("Please select a specific location first"));
        return;
    }
    const bool key = ui->radioButton_Key->isChecked();
    if (capturedKeyName.isEmpty() && key) {
        showToast(tr("Please enter a key"));
        return;
    }
    // A pair adds two rows; the list never grows past its cap.
    if (shownRowCount() + 2 > macroeditor::kMaxEventRows) {
        showToast(tr("The record of events has reached the limit"));
        return;
    }
    const macrofile::MouseButton *button = nullptr;
    if (!key) {
        if (!ui->radioButton_Mouse->isChecked())
            return; // the hidden delay kind inserts nothing
        if (ui->radioButton_MouseLeft->isChecked())
            button = macrofile::mouseButtonOf(513);
        else if (ui->radioButton_MouseCenter->isChecked())
            button = macrofile::mouseButtonOf(519);
        else if (ui->radioButton_MouseRight->isChecked())
            button = macrofile::mouseButtonOf(516);
        if (!button)
            return;
    }

    const QString mark = QString::number(nextEventMark());
    const int p = selectedEventPosition + (ui->radioButton_InsertAfter->isChecked() ? 1 : 0);
    const QString type = key ? QStringLiteral("key") : QStringLiteral("mouse");
    const QString name = key ? capturedKeyName : QString::fromLatin1(button->name);
    insertEventItem(mark, 0, type, key ? capturedKeyCode : button->downMessage, name, QStringLiteral("down"),
                    p);
    insertEventItem(mark, 0, type, key ? capturedKeyCode : button->upMessage, name, QStringLiteral("up"),
                    p + 1);
    DCatchKeyAndMouseItem *down = rowAt(p);
    if (!replaceShownMacroEvents(shownEvents())) {
        // The store keeps the macro as it was, and so does the list.
        for (DCatchKeyAndMouseItem *added : {rowAt(p + 1), down})
            removeEventRow(added);
        showToast(tr("Insert failed"));
        return;
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
    // The new press becomes the selected event, so a move right after acts on it in the list and
    // in the store alike.
    selectEventRow(down);
    showToast(tr("Insert successful"));
    notifyMacroChanged(0);
    ++keyDownCount;
}

void DMacroPage::on_pushButton_ModifyMacro_clicked()
{
    if (!isEventSelected) {
        showToast(tr("Please select a specific location first"));
        return;
    }
    DCatchKeyAndMouseItem *row = selectedEventItem;
    if (!row)
        return;
    const QString text = ui->lineEdit_PressKey->text();
    const bool key = ui->radioButton_KeyboardEvent->isChecked();
    if (text.isEmpty() && key) {
        showToast(tr("Please enter a key"));
        return;
    }
    int code = row->keyCode().toInt();
    QString name = row->codeName();
    if (text != row->codeName()) {
        code = capturedKeyCode;
        name = text;
    }
    const macrofile::MouseButton *button = nullptr;
    if (!key) {
        const int pick = ui->radioButton_2center->isChecked()  ? 519
                         : ui->radioButton_3right->isChecked() ? 516
                                                               : 513;
        button = macrofile::mouseButtonOf(pick);
        name = QString::fromLatin1(button->name);
        code = selectedEventSide == 0 ? button->downMessage : button->upMessage;
    }
    if (key && code < 0) {
        showToast(tr("Please enter a key"));
        return;
    }
    const QString type = key ? QStringLiteral("key") : QStringLiteral("mouse");
    // The field admits 0..65535; an empty field stores 0.
    const int delay = ui->lineEdit_DelayNum->text().toInt();
    const QString delayText = QString::number(delay);
    const QByteArray index = currentMacroIndex.toLatin1();
    const QByteArray mark = selectedEventMark.toLatin1();

    DCatchKeyAndMouseItem *partner = partnerOf(row);
    const int partnerSide = selectedEventSide == 0 ? 1 : 0;
    int partnerCode = code;
    if (button)
        partnerCode = partnerSide == 0 ? button->downMessage : button->upMessage;

    if (!CQuelmoXML_UpdateEventItem(
            macroXmlPath, index.constData(), mark.constData(), selectedEventSide,
            recordOf(row->mark(), delayText, type, code, name, row->operateExplain())) ||
        (partner &&
         !CQuelmoXML_UpdateEventItem(macroXmlPath, index.constData(), mark.constData(), partnerSide,
                                     recordOf(partner->mark(), partner->delay(), type, partnerCode, name,
                                              partner->operateExplain())))) {
        showToast(tr("Modify failed"));
        onMacroItemMouseClicked(currentMacroIndex, currentMacroName); // show what the store holds
        return;
    }
    totalDelay = totalDelay - row->delay().toInt() + delay;
    showTotal();
    row->setEventInfo(delay, type, code, name, row->operateExplain());
    if (partner)
        partner->setEventInfo(partner->delay().toInt(), type, partnerCode, name, partner->operateExplain());
    showToast(tr("Modify successful"));
    notifyMacroChanged(0);
}

void DMacroPage::removeEventRow(DCatchKeyAndMouseItem *row)
{
    if (!row)
        return;
    eventItems.removeAll(row);
    eventListLayout->removeWidget(row);
    row->hide();
    row->deleteLater();
    if (row == selectedEventItem)
        selectedEventItem = nullptr;
}

void DMacroPage::onDeleteKeyAndMouseEvent()
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row)
        return;
    const QString mark = row->mark();
    if (!CQuelmoXML_DeleteEventItem(macroXmlPath, currentMacroIndex.toLatin1().constData(),
                                    mark.toLatin1().constData())) {
        showToast(tr("Delete failed"));
        return;
    }
    // The store removed every event of the mark; so does the list.
    int downs = 0;
    const QList<DCatchKeyAndMouseItem *> rows = eventItems;
    for (DCatchKeyAndMouseItem *r : rows) {
        if (r->mark() != mark)
            continue;
        totalDelay -= r->delay().toInt();
        downs += r->operateExplain() == QLatin1String("down") ? 1 : 0;
        removeEventRow(r);
    }
    showTotal();
    if (shownRowCount() == 0)
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    notifyMacroChanged(0);
    isEventSelected = false;
    keyDownCount = std::max(0, keyDownCount - downs);
}

void DMacroPage::on_pushButton_ClearMacroLst_clicked()
{
    if (currentMacroName.isEmpty() && currentMacroIndex.isEmpty()) {
        showToast(tr("Please select a macro first"));
        return;
    }
    // One write empties the macro where it stands, under its index and name.
    if (!replaceShownMacroEvents({})) {
        showToast(tr("Clear record macro failed"));
        return;
    }
    showNoEvents();
    showToast(tr("Clear record macro successful"));
    notifyMacroChanged(0);
    keyDownCount = 0;
}

void DMacroPage::showNoEvents()
{
    clearEventItems();
    eventItems.clear();
    recordedEvents.clear();
    isEventSelected = false;
    selectedEventItem = nullptr;
    totalDelay = 0;
    showTotal();
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
}

void DMacroPage::moveSelectedEvent(int step)
{
    if (!isEventSelected) {
        showToast(tr("Please select a specific location first"));
        return;
    }
    const int p = selectedEventPosition;
    const int q = p + step;
    DCatchKeyAndMouseItem *cur = rowAt(p);
    DCatchKeyAndMouseItem *other = rowAt(q);
    if (!cur || !other || q < 0 || q >= shownRowCount())
        return;
    // An event never passes its own partner.
    if (other->mark() == cur->mark() && other->operateExplain() != cur->operateExplain())
        return;
    const int side = cur->operateExplain() == QLatin1String("down") ? 0 : 1;
    // The store and the list move the same event: the one at the selected position.
    if (!CQuelmoXML_MacroEventItemUpOrDownOperate(macroXmlPath, currentMacroIndex.toLatin1().constData(),
                                                  cur->mark().toLatin1().constData(), step < 0 ? 1 : 0, side))
        return;
    eventListLayout->removeWidget(cur);
    eventListLayout->insertWidget(q, cur);
    selectedEventPosition = q;
    notifyMacroChanged(0);
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    moveSelectedEvent(-1);
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    moveSelectedEvent(1);
}
