#pragma once

#include "firmwarecheck.h"
#include "hidstructinfoall.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <functional>

// The main window's firmware check: once after start when the application version changed, and on
// the user's request. It compares the listed keyboards with the embedded images and keeps the
// upgradeable ones for the update dialog, which it asks to open.
class FirmwareUpgradeController : public QObject
{
    Q_OBJECT

public:
    // What the check reads of the rest of the program.
    struct Sources
    {
        std::function<QMap<QString, hidStructInfoAll>()> deviceRecords; // by device path
        std::function<QStringList()> linkedPaths; // device paths with an open keyboard link
        std::function<bool()> versionChanged;
        // Runs a call after a delay in milliseconds; a single-shot timer when not given.
        std::function<void(int delayMs, std::function<void()> call)> schedule;
    };

    static constexpr int kAutomaticCheckDelayMs = 2000;
    static constexpr int kAutomaticDialogDelayMs = 1000;

    FirmwareUpgradeController(FirmwareCheck check, Sources sources, QObject *parent = nullptr);

    // Runs the check; true when at least one keyboard can be upgraded (the update dialog is then
    // asked for at once when the user started the check, a moment later otherwise).
    bool checkFirmwareUpgrades(bool userInitiated);
    // Examines one record; on true newVersionText() holds the image's version.
    bool isNewerFirmwareAvailable(hidStructInfoAll record);

    QString newVersionText() const { return m_newVersion; }
    // Copies of the upgradeable records, each with its new firmware version filled in.
    QList<hidStructInfoAll> upgradeableList() const { return m_upgradeable; }
    // 1 when the last check that found something was the user's, else 0.
    int userInitiated() const { return m_userInitiated; }
    const FirmwareCheck &check() const { return m_check; }

signals:
    // The update dialog should open with upgradeableList().
    void sigOpenUpdateDialog();

public slots:
    // The device list finished loading.
    void onHaveCheckUpgradeFirmwareNUC();
    // The delayed automatic check.
    void ontheHidIntoFirmwareUpgradeWait();

private:
    void later(int delayMs, std::function<void()> call);

    FirmwareCheck m_check;
    Sources m_sources;
    QString m_newVersion;
    QList<hidStructInfoAll> m_upgradeable;
    int m_userInitiated = 0;
};
