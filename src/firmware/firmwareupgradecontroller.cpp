#include "firmwareupgradecontroller.h"

#include "fixedtext.h"

#include <QSet>
#include <QTimer>

#include <utility>

FirmwareUpgradeController::FirmwareUpgradeController(FirmwareCheck check, Sources sources, QObject *parent)
    : QObject(parent), m_check(std::move(check)), m_sources(std::move(sources))
{
}

bool FirmwareUpgradeController::isNewerFirmwareAvailable(hidStructInfoAll record)
{
    QByteArray version;
    if (!m_check.isNewerFirmwareAvailable(record, &version))
        return false;
    m_newVersion = QString::fromLatin1(version);
    return true;
}

bool FirmwareUpgradeController::checkFirmwareUpgrades(bool userInitiated)
{
    m_upgradeable.clear();
    const QMap<QString, hidStructInfoAll> records =
        m_sources.deviceRecords ? m_sources.deviceRecords() : QMap<QString, hidStructInfoAll>();
    const QStringList linked = m_sources.linkedPaths ? m_sources.linkedPaths() : QStringList();
    const QSet<QString> open(linked.cbegin(), linked.cend());
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        // Only a keyboard with an open link can be switched into its boot loader; offering the
        // others would give rows that can never work.
        if (!open.contains(it.key()))
            continue;
        hidStructInfoAll copy = it.value();
        if (!isNewerFirmwareAvailable(copy))
            continue;
        fixedtext::copy(copy.newFirmwareVersion, m_newVersion.toLatin1());
        m_upgradeable.append(copy);
    }
    if (m_upgradeable.isEmpty())
        return false;
    m_userInitiated = userInitiated ? 1 : 0;
    if (userInitiated)
        emit sigOpenUpdateDialog();
    else
        later(kAutomaticDialogDelayMs, [this] { emit sigOpenUpdateDialog(); });
    return true;
}

void FirmwareUpgradeController::onHaveCheckUpgradeFirmwareNUC()
{
    if (m_sources.versionChanged && m_sources.versionChanged())
        later(kAutomaticCheckDelayMs, [this] { ontheHidIntoFirmwareUpgradeWait(); });
}

void FirmwareUpgradeController::ontheHidIntoFirmwareUpgradeWait()
{
    checkFirmwareUpgrades(false);
}

void FirmwareUpgradeController::later(int delayMs, std::function<void()> call)
{
    if (m_sources.schedule)
        m_sources.schedule(delayMs, std::move(call));
    else
        QTimer::singleShot(delayMs, this, std::move(call));
}
