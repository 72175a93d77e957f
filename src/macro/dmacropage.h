#pragma once

#include "macroeventrecord.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <QMap>
#include <QString>
#include <functional>
#include <memory>

class CbNotice;
class DCatchKeyAndMouseItem;
class DMacroListItem;
class QButtonGroup;
class QVBoxLayout;

namespace Ui {
class DMacroPage;
}

// The macro editor: the stored macros on the left, the selected macro's events in the centre and
// the insert and property panels on the right. It keeps no macro data between operations: every
// list it shows is read back from the macro store.
class DMacroPage : public QDialog
{
    Q_OBJECT

public:
    explicit DMacroPage(QWidget *parent = nullptr);
    ~DMacroPage() override;

    // False when the path does not fit the store's path buffer; the editor then lists nothing.
    bool setMacroXmlPath(const char *path);

    void loadMacroList();
    void clearMacroItems();
    void clearEventItems();
    void insertEventItem(QString mark, int delay, QString type, int keyCode, QString codeName,
                         QString operateExplain, int position);
    int nextEventMark();
    void notifyMacroChanged(int reason);

    // Recording from the keyboard and mouse hooks.
    void toggleRecording();
    void recordKeyDown(QString codeName, int keyCode);
    void recordKeyUp();
    void recordMouseDown(QString codeName, int message);
    void recordMouseUp(QString codeName, int message);
    void addRecordedEvent(QString mark, int delay, QString type, int keyCode, QString codeName,
                          QString operateExplain);
    bool saveRecordedEvents();
    bool recording() const { return isRecording; }

    // Writes the macro's exchange file into a folder; the written path, or empty on failure.
    QString exportMacroTo(const QString &folder, const QString &index, const QString &name);
    // Creates a macro from an exchange file; false, with nothing created, when it is refused.
    bool importMacroFrom(const QString &filePath);

    // Asks whether keys of the shown profile play a macro (by index); deleting such a macro asks
    // the user first.
    void setMacroUseQuery(std::function<bool(const QString &)> query);

    QString currentIndex() const { return currentMacroIndex; }
    QString currentName() const { return currentMacroName; }
    int pressCount() const { return keyDownCount; }
    int totalDelayMs() const { return totalDelay; }

signals:
    void sigMacroPageClose();
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);

public slots:
    void onLoadMacroList();
    void onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void onModifyMacroItemNameIsEmpty();
    void onModifyMacroItemNameSuccess();
    void onScrollSheetSet();
    void reject() override;
    void applyTheme();
    void onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onMouseRecviveStream(int nCode, quintptr wParam, quintptr lParam);
    void onDeleteMacro(QString strMacroIndex, QString strMacroName);
    void onExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                QString operateExplain);
    void onDeleteKeyAndMouseEvent();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_pushButton_Close_clicked();
    void on_pushButton_Add_clicked();
    void on_pushButton_Import_clicked();
    void on_pushButton_InsertMacro_clicked();
    void on_pushButton_ModifyMacro_clicked();
    void on_pushButton_ClearMacroLst_clicked();
    void on_pushButton_MoveUp_clicked();
    void on_pushButton_MoveDown_clicked();
    void on_radioButton_Key_clicked();
    void on_radioButton_Mouse_clicked();
    void on_radioButton_KeyboardEvent_clicked();
    void on_radioButton_MouseEvent_clicked();

private:
    DCatchKeyAndMouseItem *createEventItem(const QString &mark, int delay, const QString &type, int keyCode,
                                           const QString &codeName, const QString &operateExplain);
    void showToast(const QString &text);
    void setHookRunning(bool start);
    void setRecordLook(bool recording);
    void setEditingEnabled(bool enabled);
    int shownRowCount() const;
    DCatchKeyAndMouseItem *rowAt(int position) const;
    DCatchKeyAndMouseItem *partnerOf(const DCatchKeyAndMouseItem *row) const;
    void removeEventRow(DCatchKeyAndMouseItem *row);
    void selectEventRow(DCatchKeyAndMouseItem *row);
    std::function<bool(int)> boundIndexes() const;
    void moveSelectedEvent(int step);
    void showNoEvents();
    void takeEventTime(bool firstMayWaitNothing);
    void recordPress(const QString &type, const QString &codeName, int code);
    QList<MacroEventRecord> shownEvents() const;
    bool replaceShownMacroEvents(const QList<MacroEventRecord> &events);
    void showTotal();

    std::unique_ptr<Ui::DMacroPage> ui;
    QString fileDialogDir;
    char macroXmlPath[256] = {};
    QVBoxLayout *macroListLayout = nullptr;
    QVBoxLayout *eventListLayout = nullptr;
    CbNotice *notice = nullptr;
    QMap<int, QString> keyNameMap;
    QMap<int, int> vkToHidMap;
    QFont pageFont;
    DMacroListItem *currentMacroItem = nullptr;
    QList<DMacroListItem *> macroItems;
    bool isRecording = false;
    int eventDelay = 0;
    quint32 lastEventTick = 0;
    bool mouseStreamBlocked = false;
    int keyDownCount = 0;
    QList<DCatchKeyAndMouseItem *> eventItems;
    int totalDelay = 0;
    QString releaseName;
    int releaseCode = -1;
    int releaseMark = -1;
    int markCounter = 0;
    QMap<int, int> pressedMarks;
    QList<MacroEventRecord> recordedEvents;
    bool selectFirstOnLoad = false;
    bool isEventSelected = false;
    DCatchKeyAndMouseItem *selectedEventItem = nullptr;
    QString selectedEventMark;
    QString selectedEventOperate;
    int selectedEventSide = -1;
    int selectedEventPosition = 0;
    QString capturedKeyName;
    int capturedKeyCode = -1;
    QString currentMacroIndex;
    QString currentMacroName;
    QString scrollBarStyle;
    QButtonGroup *delayModeGroup = nullptr;
    std::function<bool(const QString &)> macroInUse;
    bool hookRunning = false; // this editor started the hooks and has not stopped them
};
