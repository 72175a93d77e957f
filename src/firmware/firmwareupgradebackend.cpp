#include "firmwareupgradebackend.h"

#include "cquelmohid.h"

#include <QDebug>
#include <QFile>
#include <QPointer>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

// The back end whose worker runs on this thread, and the last percentage it forwarded, so that the
// GUI thread gets one queued call per percent instead of one per report.
thread_local FirmwareUpgradeBackend *t_backend = nullptr;
thread_local int t_lastPercent = -1;

} // namespace

void hidUpgradeProgressCallback(int total, int done)
{
    FirmwareUpgradeBackend *backend = t_backend;
    if (!backend || total <= 0)
        return;
    const int percent = int(float(done) / float(total) * 100.0f);
    if (percent == t_lastPercent)
        return;
    t_lastPercent = percent;
    // The back end outlives its worker (joined before it goes), so the queued call finds it.
    QMetaObject::invokeMethod(
        backend, [backend, total, done] { emit backend->sigUpgradeProgress(total, done); },
        Qt::QueuedConnection);
}

FirmwareUpgradeBackend::FirmwareUpgradeBackend(FirmwareCheck check, QObject *parent)
    : QObject(parent), m_check(std::move(check))
{
    m_bootLoaderTimeout.setSingleShot(true);
    // A coarse timer may fire a little early; the wait for the boot loader is never cut short.
    m_bootLoaderTimeout.setTimerType(Qt::PreciseTimer);
    m_retryTimer.setSingleShot(true);
    connect(&m_bootLoaderTimeout, &QTimer::timeout, this, [this] {
        if (m_pending && !isWriting())
            finish(false, QStringLiteral("no boot loader appeared in time"));
    });
    connect(&m_retryTimer, &QTimer::timeout, this, [this] {
        // An arrival may have started the next attempt already.
        if (m_pending && !isWriting())
            openBootloaderDevice();
    });
}

FirmwareUpgradeBackend::~FirmwareUpgradeBackend()
{
    joinWorker();
}

void FirmwareUpgradeBackend::joinWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

void FirmwareUpgradeBackend::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName,
                                               int hidUsbOrDongle)
{
    if (m_pending) {
        qWarning() << "[Firmware] an update is already running; request for" << strHidName << "refused";
        emit sigUpgradeFailed(QStringLiteral("another update is running"));
        return;
    }
    qInfo().noquote() << "[Firmware] update requested for" << strHidName << "link" << hidUsbOrDongle
                      << strHidPath << strSN;
    m_retries = 0;
    m_attempts = 0;
    FirmwareCheck::ImageToWrite image;
    QString error;
    if (!m_check.imageToWrite(strHidName, hidUsbOrDongle, &image, &error)) {
        finish(false, error);
        return;
    }
    if (!firmwareimage::layout(image.family)) {
        // The chip vendor's library writes these; without it (or without a way to reach the drive
        // it needs) the update cannot run.
        finish(false, QStringLiteral("the chip-vendor update is not available"));
        return;
    }
    // The SDK takes a file: a private scratch folder (mode 0700) that goes with the request.
    auto scratch = std::make_unique<QTemporaryDir>();
    const QString path = scratch->isValid() ? scratch->filePath(image.name) : QString();
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(image.bytes) != image.bytes.size() ||
        !file.commit()) {
        finish(false, QStringLiteral("cannot stage the image"));
        return;
    }
    m_pending = true;
    m_presentBefore.clear();
    CQuelmoHid_GetBootLoaderPaths(&m_presentBefore);
    m_current.clear();
    m_model = strHidName;
    m_linkType = hidUsbOrDongle;
    m_image = image;
    m_scratch = std::move(scratch);
    m_imagePath = path;
    m_bootLoaderTimeout.start(m_timing.bootLoaderTimeoutMs);
}

void FirmwareUpgradeBackend::ontheHidIntoFirmwareUpgrade(QString path)
{
    if (!m_pending) {
        qInfo().noquote() << "[Firmware] a boot loader arrived without an update request; left alone" << path;
        return;
    }
    if (isWriting() || m_retryTimer.isActive()) {
        // The running attempt, or the retry about to start, takes care of it.
        return;
    }
    openBootloaderDevice();
}

bool FirmwareUpgradeBackend::openBootloaderDevice()
{
    QStringList paths;
    CQuelmoHid_GetBootLoaderPaths(&paths);
    QString path;
    for (const QString &p : qAsConst(paths)) {
        if (p == m_current || !m_presentBefore.contains(p)) {
            path = p;
            break;
        }
    }
    if (path.isEmpty())
        return false;
    m_current = path;
    m_bootLoaderTimeout.stop();
    joinWorker();
    ++m_attempts;
    const int flag = m_linkType != 0 ? 1 : 0;
    m_worker =
        std::thread(&FirmwareUpgradeBackend::runHidUpgrade, this, path, m_imagePath, m_image.maxBytes, flag);
    return true;
}

void FirmwareUpgradeBackend::runHidUpgrade(QString bootLoaderPath, QString imagePath, int maxBytes,
                                           int receiverFlag)
{
    int result = FirmwareUpgradeWriteFailed;
    const int handle = CQuelmoHid_OpenPath(bootLoaderPath.toLatin1().constData());
    if (handle != 0) {
        t_backend = this;
        t_lastPercent = -1;
        result = CQuelmoHid_FirmwareUpgrade(handle, QFile::encodeName(imagePath).constData(), maxBytes, 0,
                                            receiverFlag, hidUpgradeProgressCallback);
        t_backend = nullptr;
        CQuelmoHid_Close(handle);
    }
    QMetaObject::invokeMethod(
        this, [this, result] { onAttemptFinished(result); }, Qt::QueuedConnection);
}

void FirmwareUpgradeBackend::onAttemptFinished(int result)
{
    joinWorker();
    if (!m_pending)
        return;
    if (result == FirmwareUpgradeOk) {
        finish(true, QString());
        return;
    }
    qWarning() << "[Firmware] attempt" << m_attempts << "for" << m_model << "failed:" << result;
    retryHidUpgrade();
}

void FirmwareUpgradeBackend::retryHidUpgrade()
{
    if (m_retries >= kMaxRetries) {
        finish(false, QStringLiteral("the write failed %1 times").arg(m_attempts));
        return;
    }
    ++m_retries;
    // The device often re-enumerates after a failure: try again after a pause, then wait for it
    // (up to the time-out) if it is not there.
    m_retryTimer.start(m_timing.retryDelayMs);
    m_bootLoaderTimeout.start(m_timing.retryDelayMs + m_timing.bootLoaderTimeoutMs);
}

void FirmwareUpgradeBackend::finish(bool success, const QString &reason)
{
    m_pending = false;
    m_bootLoaderTimeout.stop();
    m_retryTimer.stop();
    m_scratch.reset();
    m_imagePath.clear();
    if (success) {
        qInfo().noquote() << "[Firmware] update of" << m_model << "succeeded";
        emit sigUpgradeSucceeded();
    } else {
        qWarning().noquote() << "[Firmware] update failed:" << reason;
        emit sigUpgradeFailed(reason);
    }
}
