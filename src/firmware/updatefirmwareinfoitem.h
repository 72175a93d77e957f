#pragma once

#include "hidstructinfoall.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class MainHidInterFace;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;

// One keyboard in the firmware update dialog: names, current and new version, the progress of its
// update, and the Update button (or "Complete" once updated). Update switches the keyboard into its
// boot loader and asks the dialog to start the update.
class UpdateFirmwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    // Finds the I/O object of the keyboard's link at the moment of the press; the link is gone once
    // the keyboard has left (unplugged, or in its boot loader after an earlier try).
    using LinkLookup = std::function<MainHidInterFace *(const QString &hidPath)>;

    explicit UpdateFirmwareInfoItem(QWidget *parent = nullptr);
    ~UpdateFirmwareInfoItem() override;

    void setDeviceInfo(hidStructInfoAll record, MainHidInterFace *hidInterface, QString serialNumber);
    void setLinkLookup(LinkLookup lookup) { m_lookup = std::move(lookup); }
    void setUpdateEnabled(bool enabled);
    void setProgress(int percent);
    void showCompletePage();
    void showUpdatePage();

    MainHidInterFace *hidInterface() const;
    QString hidPath() const { return m_hidPath; }
    QString hidSn() const { return m_hidSn; }
    QString hidName() const { return m_hidName; }
    int hidUsbOrDongle() const { return m_hidUsbOrDongle; }
    bool isStarted() const { return m_started; }

    // The switch report: 01 0A followed by 62 zero bytes.
    static QByteArray bootLoaderSwitchReport();

signals:
    // The keyboard was told to switch into its boot loader; the update can start.
    void sigStartUpgradeing();
    // The switch report could not be handed to the keyboard: the update cannot start.
    void sigSwitchFailed();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_pushButton_Update_clicked();

private:
    void buildForm();
    void applyTheme();
    void setTexts();

    QFrame *m_frame = nullptr;
    QLabel *m_likeName = nullptr;
    QLabel *m_oldVersion = nullptr;
    QLabel *m_newVersion = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_progressNum = nullptr;
    QStackedWidget *m_stack = nullptr;
    QPushButton *m_update = nullptr;
    QLabel *m_complete = nullptr;
    QLabel *m_productCaption = nullptr;
    QLabel *m_currentCaption = nullptr;
    QLabel *m_progressCaption = nullptr;
    QLabel *m_newCaption = nullptr;

    QPointer<MainHidInterFace> m_hidInterface;
    LinkLookup m_lookup;
    QString m_hidPath;
    QString m_hidSn;
    QString m_hidName;
    int m_hidUsbOrDongle = 0;
    bool m_started = false;
};
