#pragma once

#include "firmwarecheck.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>
#include <thread>

class QTemporaryDir;

// Writes firmware to one keyboard at a time. A request names the keyboard's model and link; the
// keyboard has been told to switch into its boot loader. The back end waits for a boot loader to
// arrive, writes the requested model's image to it on a worker thread and reports progress and the
// outcome by signals on the GUI thread. Boot loaders that arrive while nothing was requested, or
// while an attempt runs, are left alone. A failed write is tried again (a few times) once the boot
// loader is back; a boot loader that does not come within the time-out ends the request as failed.
//
// Lives on the GUI thread for the whole run; the worker reports to it by queued calls and is joined
// before the next attempt and in the destructor.
class FirmwareUpgradeBackend : public QObject
{
    Q_OBJECT

public:
    struct Timing
    {
        int bootLoaderTimeoutMs = 15000; // after the request, and after each failed attempt
        int retryDelayMs = 1000;         // before a failed attempt is tried again
    };
    static constexpr int kMaxRetries = 3;

    FirmwareUpgradeBackend(FirmwareCheck check, QObject *parent = nullptr);
    ~FirmwareUpgradeBackend() override;

    void setTiming(const Timing &timing) { m_timing = timing; }

    // A request is pending: waiting for the boot loader or writing.
    bool isBusy() const { return m_pending; }
    bool isWriting() const { return m_worker.joinable(); }
    int retryCount() const { return m_retries; }
    int attemptCount() const { return m_attempts; }

public slots:
    // Starts a request for the keyboard of `model` on `linkType` (0 cable, other receiver); the
    // device path and serial number only go to the log. Refused (failure reported) while another
    // request is pending, for a model without an image, or when its image does not verify.
    void onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle);
    // A boot-loader device arrived (from the hot-plug monitor); the path is the monitor's.
    void ontheHidIntoFirmwareUpgrade(QString path = QString());

signals:
    // Bytes written so far of the running attempt; each attempt starts again from 0.
    void sigUpgradeProgress(int total, int done);
    void sigUpgradeSucceeded();
    void sigUpgradeFailed(QString reason);

private:
    // Starts an attempt on a boot loader that came after the request (or the one the last attempt
    // used); false when there is none.
    bool openBootloaderDevice();
    void runHidUpgrade(QString bootLoaderPath, QString imagePath, int maxBytes, int receiverFlag);
    void onAttemptFinished(int result);
    void retryHidUpgrade();
    void finish(bool success, const QString &reason);
    void joinWorker();

    friend void hidUpgradeProgressCallback(int total, int done);

    FirmwareCheck m_check;
    Timing m_timing;
    bool m_pending = false;
    QString m_model;
    int m_linkType = 0;
    FirmwareCheck::ImageToWrite m_image;
    std::unique_ptr<QTemporaryDir> m_scratch;
    QString m_imagePath;
    QStringList m_presentBefore; // boot loaders already there at the request: not ours
    QString m_current;           // the boot loader of the last attempt
    int m_retries = 0;
    int m_attempts = 0;
    QTimer m_bootLoaderTimeout;
    QTimer m_retryTimer;
    std::thread m_worker;
};

// The SDK's progress callback for the running attempt; forwards (total, done) to its back end.
void hidUpgradeProgressCallback(int total, int done);
