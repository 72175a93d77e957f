// The current keyboard's profile files, loading its current profile into every page, and the
// light engine's start and stop.
#include "ddevicepage.h"

#include "devicestatusrules.h"

#include "cbnotice.h"
#include "cquelmoxml.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "deviceprofilefiles.h"
#include "dlightsconfigpage.h"
#include "dperformancepage.h"
#include "fixedtext.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "keyselectframe.h"
#include "lightdealmain.h"
#include "ui_ddevicepage.h"
#include "xmlstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QSignalBlocker>

#include <cstring>

namespace {
Q_LOGGING_CATEGORY(lcProfiles, "tidelumen.device.profiles")

template <std::size_t N> QString utf8Of(const char (&field)[N])
{
    const std::string_view v = fixedtext::view(field);
    return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
}
} // namespace

void DDevicePage::prepareProfileFiles(hidStructInfoAll record, int unused)
{
    Q_UNUSED(unused)
    profileLoaded = false;
    const QString path = utf8Of(record.hidPath);
    DDeviceKeyboardLink *link = currentLink;
    if (link && !link->isReady() && !silentLinks.contains(link)) {
        if (!waitForLinkReady(link, path, kProfileReadyWaitMs) || currentLink != link) {
            qCInfo(lcProfiles, "%s is no longer the current keyboard; profile set-up stopped",
                   qUtf8Printable(path));
            return;
        }
        if (!link->isReady())
            silentLinks.append(link);
    }

    currentSerial = link ? link->currentSN() : QString();
    currentRecord = record;
    // No gauge left over from the keyboard shown before: a cabled-only one reports no battery.
    ui->label_ElectricityNum->setVisible(devicestatus::hasBattery(
        QString::fromLatin1(record.modelKey, int(qstrnlen(record.modelKey, sizeof record.modelKey)))));
    currentLayer = 0;
    lightEngine->setDeviceInfo(record);
    if (link)
        lightEngine->setLightModeSupport(link->keyboardLightModes(), link->sideLightModes());

    if (std::strcmp(record.deviceClass, "keyboard") != 0)
        return;

    DDataManager *dm = DDataManager::getInstance();
    const QString folder =
        DeviceProfileFiles::keyboardFolder(dm->userConfigPath(), utf8Of(record.modelKey), currentSerial);
    if (folder.isEmpty()) {
        // Without its serial number the keyboard's profiles cannot be told from another's.
        qCWarning(lcProfiles, "%s gave no usable serial number; its profiles are not loaded",
                  qUtf8Printable(path));
        profileDir.clear();
        std::memset(profileXmlPath.get(), 0, 256);
        // A keyboard refused for lack of permission has had its own notice.
        if (!link || link->openError() != HidOpenError::PermissionDenied)
            notice->showNotice(QObject::tr("Device not responding, please reconnect"), noticeAnchor());
        return;
    }
    profileDir = folder;

    if (dm->isMagneticKeyboard())
        dm->setMagneticProfileXmlPath(QFile::encodeName(DeviceProfileFiles::filePath(folder, 2)).constData());
    const bool prepared =
        DeviceProfileFiles::prepare(folder, dm->isMagneticKeyboard(), [this](const char *newFile) {
            fixedtext::copy(profileXmlPath.get(), 256, newFile);
            currentProfileIndex = 1;
            addDefaultLightConfig(1);
            addDefaultCustomLights(1);
        });
    if (!prepared && !QFileInfo(DeviceProfileFiles::filePath(folder, 0)).isFile()) {
        notice->showNotice(tr("The profile folder %1 cannot be created; profiles cannot be saved")
                               .arg(QDir::toNativeSeparators(folder)),
                           noticeAnchor());
    }
    reportDamagedProfileFiles();
    // Profiles an older version left half-built get their missing default items.
    for (int file = 0; file < 2; ++file) {
        const QByteArray layer = QFile::encodeName(DeviceProfileFiles::filePath(folder, file));
        if (QFileInfo(QFile::decodeName(layer)).isFile())
            ProfileOperations::completeProfiles(layer.constData(), profileDefaults());
    }

    const QByteArray defaultFile = QFile::encodeName(DeviceProfileFiles::filePath(folder, 0));
    if (!fixedtext::copyWhole(profileXmlPath.get(), 256, std::string_view(defaultFile.constData())))
        return;
    loadCurrentProfile();
    profileLoaded = true;

    if (link && !link->isInitialLightStored()) {
        link->mirrorLightConfig(0);
        if (!link->sideLightModes().isEmpty())
            link->mirrorLightConfig(1);
        link->setInitialLightStored(true);
    }
    if (link)
        link->querySleepTimes();
}

void DDevicePage::onLinkLateReady()
{
    auto *link = qobject_cast<DDeviceKeyboardLink *>(sender());
    // Only a link given up on missed anything; one answering within a wait is handled there.
    if (!link || !silentLinks.removeAll(link))
        return;
    // Another keyboard gets its profiles when it is chosen; the shown one gets them now, once.
    if (link != currentLink || profileLoaded || viewBusy)
        return;
    qCInfo(lcProfiles, "%s answered late; its profiles are set up now",
           qUtf8Printable(utf8Of(currentRecord.hidPath)));
    viewBusy = true;
    prepareProfileFiles(currentRecord, 0);
    if (currentLink == link && profileLoaded) {
        // The engine runs on the defaults it had; the profile's light replaces them.
        stopLightEngineThreads();
        startLightEngine();
    }
    viewBusy = false;
}

bool DDevicePage::reportDamagedProfileFiles()
{
    if (profileDir.isEmpty())
        return false;
    const auto moved = XmlStore::instance().takeMovedAside(profileDir);
    QStringList lines;
    for (const auto &pair : moved)
        lines << tr("The profile file was damaged and has been reset; the damaged copy was kept as %1")
                     .arg(QDir::toNativeSeparators(pair.second));
    if (lines.isEmpty())
        return false;
    // A toast fades before a path this long is read: a box that stays until dismissed, without
    // blocking the window.
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Profiles"), lines.join(QLatin1Char('\n')),
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("profileFileDamagedBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return true;
}

bool DDevicePage::recoverDamagedProfileFiles()
{
    // A write that found the file damaged moved it aside: make the files anew and load them now,
    // rather than leave an empty list until the next start.
    const char *path = profileXmlPath.get();
    if (profileDir.isEmpty() || !*path || QFileInfo(QFile::decodeName(path)).isFile())
        return false;
    prepareProfileFiles(currentRecord, 0);
    return true;
}

void DDevicePage::loadCurrentProfile()
{
    DDataManager *dm = DDataManager::getInstance();
    dm->resetCurrentKey();
    ui->toolButton_CustomKey->setChecked(true);
    onCurIndexChangedMainPage(0);
    if (keyboardView)
        keyboardView->leaveLightView();

    const char *path = profileXmlPath.get();
    if (!*path)
        return;
    currentProfileIndex = CQuelmoXML_GetCreateXMLFileProfileIndex(path);
    if (currentProfileIndex < 0) {
        // No stored current profile: fall back to the first one the file lists, and keep that.
        ProfileNodeList nodes;
        if (CQuelmoXML_SelectProFileAllNodes(path, &nodes) && !nodes.empty()) {
            currentProfileIndex = QByteArray::fromStdString(nodes.front().first).toInt();
            CQuelmoXML_ModifyXMLFileProfileIndex(path, currentProfileIndex);
        }
        qCWarning(lcProfiles, "%s had no current profile; using %d", path, currentProfileIndex);
    }

    if (currentLink) {
        currentLink->setProfileIndex(currentProfileIndex);
        currentLink->setProfileXmlPath(QFile::decodeName(path));
    }
    dm->setProfileIndex(currentProfileIndex);
    dm->setProfileXmlPath(path);

    const QByteArray index = QByteArray::number(currentProfileIndex);
    keyboardLightTypeInUse = CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(path, index.constData(), 0);
    sideLightTypeInUse = CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(path, index.constData(), 1);
    lightRunningStatus = CQuelmoXML_SelectProFileLightTypeRuningStatus(path, index.constData());
    lightSyncStatus = CQuelmoXML_SelectProFileLightSynchronizeStatus(path, index.constData());

    customKeysPage->setProfileIndex(currentProfileIndex);
    customKeysPage->setProfileXmlPath(path);
    lightsConfigPage->setProfileIndex(currentProfileIndex);
    lightsConfigPage->setProfileXmlPath(path);
    lightsConfigPage->setHidInterface(currentHid);
    if (currentLink)
        lightsConfigPage->setSupportedLightModes(currentLink->keyboardLightModes(),
                                                 currentLink->sideLightModes());
    performancePage->setProfileIndex(currentProfileIndex);
    performancePage->setProfileXmlPath(path);
    lightEngine->setHidInterface(currentHid);

    refreshProfileListAndKeyMarks();

    if (dm->isMagneticKeyboard() && currentLayer == 0) {
        char magnetic[256] = {};
        dm->copyMagneticProfileXmlPath(magnetic);
        QStringList codes;
        if (*magnetic)
            CQuelmoXML_ProFileKeyInfoSelectAll(magnetic, "1", &codes);
        const QMap<int, keyboardButCustom *> buttons = dm->keyButtonMap();
        const QColor heavy = DDataManager::heavyPressKeyColor();
        for (const QString &code : qAsConst(codes)) {
            if (keyboardButCustom *button = buttons.value(code.toInt())) {
                button->setAssignedColorTranslucent(heavy);
                button->setAssignedColor(heavy);
                button->setAssignedState(1);
            }
        }
    }
}

void DDevicePage::refreshProfileListAndKeyMarks()
{
    const char *path = profileXmlPath.get();
    ProfileNodeList nodes;
    if (*path)
        CQuelmoXML_SelectProFileAllNodes(path, &nodes);
    {
        const QSignalBlocker blocker(ui->comboBox_profileList);
        ui->comboBox_profileList->clear();
        int current = 0;
        for (const auto &[index, name] : nodes) {
            const int value = QByteArray::fromStdString(index).toInt();
            if (value == currentProfileIndex)
                current = ui->comboBox_profileList->count();
            ui->comboBox_profileList->addItem(QString::fromStdString(name), value);
        }
        ui->comboBox_profileList->setCurrentIndex(nodes.empty() ? -1 : current);
    }

    DDataManager *dm = DDataManager::getInstance();
    const QStringList rgb = dm->getThemeColors().TextCheckedColor.split(QLatin1Char(','));
    QColor colour(0, 0, 0, 255);
    if (rgb.size() == 3)
        colour = QColor(rgb[0].trimmed().toInt(), rgb[1].trimmed().toInt(), rgb[2].trimmed().toInt(), 255);
    const QMap<int, keyboardButCustom *> buttons = dm->keyButtonMap();
    for (keyboardButCustom *button : buttons) {
        button->setAssignedColorTranslucent(colour);
        button->setAssignedColor(colour);
        button->setAssignedState(0);
    }
    QStringList codes;
    if (*path)
        CQuelmoXML_ProFileKeyInfoSelectAll(path, QByteArray::number(currentProfileIndex).constData(), &codes);
    for (const QString &code : qAsConst(codes)) {
        if (keyboardButCustom *button = buttons.value(code.toInt()))
            button->setAssignedState(1);
    }
}

void DDevicePage::startLightEngine()
{
    for (int row = 0; row < 6; ++row)
        std::copy(std::begin(keyButtonGrid[row]), std::end(keyButtonGrid[row]),
                  std::begin(lightEngine->keyGrid[row]));
    keySelectFrame *keys = DDataManager::getInstance()->keySelectFrame();
    lightEngine->sideButtons = keys ? keys->sideLightButtons() : QList<sideLightButtonCustom *>();
    lightEngine->initMusicalRhythm(currentRecord.keyCount, 11, 30.0, 930.0);
    lightEngine->loadLightConfigFromProfile();
    lightEngine->setPreviewEnabled(true);
    lightEngine->setLightThreadsRunning(true);
    lightEngine->setLightSynchronous(true);
}

void DDevicePage::stopLightEngineThreads()
{
    lightEngine->setLightSynchronous(false);
    lightEngine->setPreviewEnabled(false);
    lightEngine->setLightThreadsRunning(false);
}
