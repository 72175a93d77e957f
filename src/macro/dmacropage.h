#pragma once

#include "macroeventrecord.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <QMap>
#include <QString>
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

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_pushButton_Close_clicked();

private:
    DCatchKeyAndMouseItem *createEventItem(const QString &mark, int delay, const QString &type, int keyCode,
                                           const QString &codeName, const QString &operateExplain);
    void showToast(const QString &text);

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
    int keyDownCount = 0;
    QList<DCatchKeyAndMouseItem *> eventItems;
    int totalDelay = 0;
    QList<MacroEventRecord> recordedEvents;
    bool selectFirstOnLoad = false;
    bool isEventSelected = false;
    int selectedEventPosition = 0;
    QString currentMacroIndex;
    QString currentMacroName;
    QString scrollBarStyle;
    QButtonGroup *delayModeGroup = nullptr;
};
