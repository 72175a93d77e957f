// Recording keyboard and mouse input into the shown macro, and capturing one key into the two
// key fields of the insert and property panels.
#include "dmacropage.h"
#include "ui_dmacropage.h"

#include "cbnotice.h"
#include "cquelmoxml.h"
#include "dcatchkeyandmouseitem.h"
#include "ddatamanager.h"
#include "fixedtext.h"
#include "macroeditorrules.h"
#include "macrofile.h"

#include <QButtonGroup>
#include <QDebug>
#include <QElapsedTimer>
#include <QEvent>
#include <QScrollBar>

namespace {

// A 32-bit millisecond counter like the system tick count; never 0, which means "no event yet".
quint32 tickNow()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    const auto now = static_cast<quint32>(clock.elapsed());
    return now == 0 ? 1 : now;
}

} // namespace

bool DMacroPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_Record) {
        if (event->type() == QEvent::Enter)
            mouseStreamBlocked = true;
        else if (event->type() == QEvent::Leave)
            mouseStreamBlocked = false;
        else if (event->type() == QEvent::MouseButtonRelease)
            toggleRecording();
    } else if (watched == ui->lineEdit_EnterKey || watched == ui->lineEdit_PressKey) {
        if (event->type() == QEvent::FocusIn && !isRecording) {
            mouseStreamBlocked = true;
            setHookRunning(true);
        } else if (event->type() == QEvent::FocusOut && !isRecording) {
            // A field that loses its focus because a recording disabled its panel leaves the
            // hooks to the recording.
            setHookRunning(false);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DMacroPage::setHookRunning(bool start)
{
    const bool running = DDataManager::getInstance()->setMacroRecordHook(start);
    hookRunning = start && running;
}

void DMacroPage::setRecordLook(bool recording)
{
    // The label's and the frame's colours come with the theme; the look changes the icon and text.
    ui->frame_RecordIco->setStyleSheet(
        recording ? QStringLiteral("border-image:url(:/images/macro/recordSel.png);")
                  : QStringLiteral("border-image:url(:/images/macro/recordDef.png);"));
    ui->label->setText(recording ? tr("Stop record") : tr("Start record"));
}

void DMacroPage::setEditingEnabled(bool enabled)
{
    ui->frame_Right->setEnabled(enabled);
    ui->frame_Center->setEnabled(enabled);
    ui->frame_29->setEnabled(enabled);
    ui->frame_34->setEnabled(enabled);
}

void DMacroPage::toggleRecording()
{
    if (!isRecording) {
        if (!currentMacroItem)
            return;
        // The key fields give their focus up first, so their focus-out cannot stop the hooks
        // the recording is about to start.
        if (QWidget *focused = focusWidget())
            if (focused == ui->lineEdit_EnterKey || focused == ui->lineEdit_PressKey)
                focused->clearFocus();
        if (!DDataManager::getInstance()->setMacroRecordHook(true))
            return;
        hookRunning = true;
        ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
        isRecording = true;
        markCounter = nextEventMark();
        // Presses held over from an earlier recording or key capture never pair with this one.
        pressedMarks.clear();
        recordedEvents.clear();
        setRecordLook(true);
        showToast(tr("Start record macro"));
        lastEventTick = 0;
        eventDelay = 0;
        showTotal();
        setEditingEnabled(false);
        return;
    }

    DDataManager::getInstance()->setMacroRecordHook(false);
    hookRunning = false;
    isRecording = false;
    setRecordLook(false);
    const bool saved = saveRecordedEvents();
    showToast(saved ? tr("Stop record macro") : tr("Saving the recorded events failed"));
    recordedEvents.clear();
    setEditingEnabled(true);
    if (saved)
        notifyMacroChanged(0);
}

bool DMacroPage::saveRecordedEvents()
{
    // A key or button still held when the recording stops is released at once: a macro never
    // keeps a press without its release.
    for (auto it = pressedMarks.cbegin(); it != pressedMarks.cend(); ++it) {
        const QByteArray mark = QByteArray::number(it.value());
        for (const MacroEventRecord &r : qAsConst(recordedEvents)) {
            if (fixedtext::view(r.mark) != mark.constData() || fixedtext::view(r.operateExplain) != "down")
                continue;
            MacroEventRecord up = r;
            fixedtext::copy(up.delay, "0");
            fixedtext::copy(up.operateExplain, "up");
            if (fixedtext::view(r.type) == "mouse")
                fixedtext::copy(up.keyCode, QByteArray::number(it.key() + 1));
            recordedEvents.append(up);
            break;
        }
    }
    pressedMarks.clear();
    const bool saved = CQuelmoXML_AddKeyOrMouseEventItem(macroXmlPath, recordedEvents,
                                                         currentMacroIndex.toLatin1().constData());
    if (!saved)
        qWarning() << "[Macro editor] the recorded events of macro" << currentMacroIndex << "were not stored";
    onMacroItemMouseClicked(currentMacroIndex, currentMacroName);
    return saved;
}

void DMacroPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    const macroeditor::RemappedKey key = macroeditor::remapKey(keyCode, scCode, flag, hookFlag);
    if (key.press && keyDownCount >= macroeditor::kMaxKeyPresses) {
        showToast(tr("The record of events has reached the limit"));
        return;
    }
    const int code = vkToHidMap.value(key.code, -1);
    const QString name = keyNameMap.value(code);

    if (isRecording) {
        if (code == -1)
            return; // a key the tables do not know would play as no key at all
        if (key.press) {
            if (!macroeditor::pressFits(shownRowCount(), pressedMarks.size())) {
                showToast(tr("The record of events has reached the limit"));
                return;
            }
            ++keyDownCount;
            recordKeyDown(name, code);
        } else {
            releaseCode = code;
            releaseName = name;
            if (!pressedMarks.contains(code))
                return;
            releaseMark = pressedMarks.take(code);
            recordKeyUp();
        }
        return;
    }

    capturedKeyName = name;
    capturedKeyCode = code;
    QLineEdit *field = ui->lineEdit_EnterKey->hasFocus() ? ui->lineEdit_EnterKey : ui->lineEdit_PressKey;
    field->setMaxLength(std::max(1, static_cast<int>(name.size())));
    field->setText(name);
}

void DMacroPage::onMouseRecviveStream(int nCode, quintptr wParam, quintptr lParam)
{
    Q_UNUSED(nCode)
    Q_UNUSED(lParam)
    // Clicks while a key field captures a key are not part of any recording.
    if (!isRecording || mouseStreamBlocked)
        return;
    const int message = static_cast<int>(wParam);
    const macrofile::MouseButton *button = macrofile::mouseButtonOf(message);
    if (!button)
        return;
    const QString name = QString::fromLatin1(button->name);
    if (message == button->downMessage) {
        if (!macroeditor::pressFits(shownRowCount(), pressedMarks.size())) {
            showToast(tr("The record of events has reached the limit"));
            return;
        }
        recordMouseDown(name, message);
    } else {
        recordMouseUp(name, message);
    }
}

void DMacroPage::takeEventTime(bool firstMayWaitNothing)
{
    const quint32 now = tickNow();
    if (!firstMayWaitNothing || lastEventTick != 0)
        eventDelay =
            static_cast<int>(std::min<quint32>(macroeditor::tickDifference(now, lastEventTick), 0x7fffffff));
    lastEventTick = now;
}

void DMacroPage::recordPress(const QString &type, const QString &codeName, int code)
{
    ++markCounter;
    pressedMarks.insert(code, markCounter);
    takeEventTime(true);
    addRecordedEvent(QString::number(markCounter), eventDelay, type, code, codeName, QStringLiteral("down"));
}

void DMacroPage::recordKeyDown(QString codeName, int keyCode)
{
    recordPress(QStringLiteral("key"), codeName, keyCode);
}

void DMacroPage::recordMouseDown(QString codeName, int message)
{
    recordPress(QStringLiteral("mouse"), codeName, message);
}

void DMacroPage::recordKeyUp()
{
    takeEventTime(false);
    addRecordedEvent(QString::number(releaseMark), eventDelay, QStringLiteral("key"), releaseCode,
                     releaseName, QStringLiteral("up"));
}

void DMacroPage::recordMouseUp(QString codeName, int message)
{
    if (!pressedMarks.contains(message - 1))
        return;
    releaseMark = pressedMarks.take(message - 1);
    takeEventTime(false);
    addRecordedEvent(QString::number(releaseMark), eventDelay, QStringLiteral("mouse"), message, codeName,
                     QStringLiteral("up"));
}

void DMacroPage::addRecordedEvent(QString mark, int delay, QString type, int keyCode, QString codeName,
                                  QString operateExplain)
{
    // A press was let in only with room for its release, so a release always fits here.
    if (operateExplain == QLatin1String("down") && shownRowCount() >= macroeditor::kMaxEventRows) {
        showToast(tr("The record of events has reached the limit"));
        return;
    }
    const int stored =
        macroeditor::storedDelay(delayModeGroup->checkedId(), delay, ui->lineEdit_DefaultDelayNum->text());
    MacroEventRecord record{};
    fixedtext::copy(record.mark, mark.toLatin1());
    fixedtext::copy(record.delay, QByteArray::number(stored));
    fixedtext::copy(record.type, type.toLatin1());
    fixedtext::copy(record.keyCode, QByteArray::number(keyCode));
    fixedtext::copy(record.codeName, codeName.toUtf8());
    fixedtext::copy(record.operateExplain, operateExplain.toLatin1());
    recordedEvents.append(record);
    totalDelay += stored;
    showTotal();
    eventListLayout->insertWidget(eventListLayout->count() - 1,
                                  createEventItem(mark, stored, type, keyCode, codeName, operateExplain));
    QScrollBar *bar = ui->scrollArea_3->verticalScrollBar();
    bar->setValue(bar->maximum() + 40);
}

void DMacroPage::showTotal()
{
    ui->label_TotalTime->setText(QStringLiteral("%1 MS").arg(totalDelay));
}

int DMacroPage::shownRowCount() const
{
    return eventListLayout ? eventListLayout->count() - 1 : 0;
}
