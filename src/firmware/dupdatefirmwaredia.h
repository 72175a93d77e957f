#pragma once

#include "hidstructinfoall.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>

#include <functional>

class CbNotice;
class DDeviceKeyboardLink;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class TextMoveWidget;
class UpdateFirmwareInfoItem;

// The firmware update dialog: one row per keyboard that can be updated, one update at a time, the
// progress of the running update on its row, and the outcome as a toast. While an update runs the
// dialog cannot be closed, since unplugging or leaving the keyboard half-written is what the
// warning under the list is about.
class DUpdateFirmwareDia : public QDialog
{
    Q_OBJECT

public:
    explicit DUpdateFirmwareDia(QWidget *parent = nullptr);
    ~DUpdateFirmwareDia() override;

    // Builds one row per record; each row finds its keyboard's link through `links` (by device
    // path) when its Update is pressed.
    void loadUpgradeItems(QList<hidStructInfoAll> records, QMap<QString, DDeviceKeyboardLink *> links);
    // Where rows find a keyboard's link at the moment of the press (default: the map given to
    // loadUpgradeItems, as it was then).
    void setLinkSource(std::function<QMap<QString, DDeviceKeyboardLink *>()> source);
    void clearRows();

    // The back end's reports, on the GUI thread. Progress goes on only when it is above the
    // highest percentage of the running update.
    void reportProgress(int total, int done);
    void reportSuccess();
    void reportFailure();

    bool isUpgrading() const { return m_upgrading; }
    QList<UpdateFirmwareInfoItem *> rows() const { return m_rows; }
    UpdateFirmwareInfoItem *activeRow() const;
    CbNotice *notice() const { return m_notice; }
    // The warning shown under the list, and when something tries to close the dialog mid-update.
    static QString warningText();

signals:
    void sigUpdateFirmwareWindowClose();
    void sigStartHidUpgrade(QString strHidPath, QString strSn, QString strHidName, int hidUsbOrDongle);
    void sigUpgradeProgress(int ProgressNum);
    void sigUpgradeFirmwareSuc();
    void sigUpgradeFirmwareFailed();

private slots:
    void onStartUpgradeing();
    void onUpgradeProgress(int ProgressNum);
    void onUpgradeFirmwareSuc();
    void onUpgradeFirmwareFailed();
    void on_pushButton_Close_clicked();
    void onSwitchFailed();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void buildForm();
    void applyTheme();
    void setTexts();
    void refuseClose();

    QFrame *m_bg = nullptr;
    QFrame *m_title = nullptr;
    QLabel *m_titleLabel = nullptr;
    QPushButton *m_close = nullptr;
    QWidget *m_listWidget = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_contents = nullptr;
    QVBoxLayout *m_listLayout = nullptr;
    TextMoveWidget *m_tip = nullptr;

    QPointer<UpdateFirmwareInfoItem> m_activeRow;
    QList<UpdateFirmwareInfoItem *> m_rows;
    CbNotice *m_notice = nullptr;
    int m_highestProgress = -1;
    bool m_upgrading = false;
    std::function<QMap<QString, DDeviceKeyboardLink *>()> m_linkSource;
};
