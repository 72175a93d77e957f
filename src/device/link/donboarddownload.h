#pragma once

#include "downloadlink.h"
#include "hidreport.h"
#include "seniorkeyinfostu.h"

#include <QMap>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVector>

#include <chrono>

class DownloadProfileSource;

// Everything the download works from, taken when it starts: later changes to the key view, the
// current keyboard or its profile folder do not reach a running download.
struct DownloadSnapshot
{
    QVector<int> keyCodes; // key-button codes, the view's positions row by row
    QString profileDir;
    QByteArray seniorKeyXmlPath; // local 8-bit encoding
    bool magnetic = false;
};

// Writes the current profile into the keyboard's onboard memory: both key layers, the macros and
// (on magnetic keyboards) the advanced keys, in two attempts at most. Runs on the GUI thread as a
// state machine on a timer, so the interface stays live during the acknowledgement waits and the
// pauses; after every wait it checks that its link is still open and ends with the failure text if
// not. The verdict comes with sigDownloadFinished, once the link has written every frame.
class DOnboardDownload : public QObject
{
    Q_OBJECT

public:
    struct Timing
    {
        std::chrono::milliseconds ackTimeout{100};
        std::chrono::milliseconds phasePause{400};
        // Longest wait for the link to write the frames still queued when an attempt ends.
        std::chrono::milliseconds writeTimeout{3000};
    };

    static constexpr int kMaxResends = 3;
    static constexpr int kAttempts = 2;

    // `source` must outlive the download.
    explicit DOnboardDownload(DownloadProfileSource *source, QObject *parent = nullptr);

    void setTiming(const Timing &timing) { m_timing = timing; }
    const Timing &timing() const { return m_timing; }

    // Starts a download; false, with nothing done, while one runs. The link is only watched: when
    // it goes away or closes, the download ends with the failure text.
    bool start(DownloadLink *link, const DownloadSnapshot &snapshot);
    bool isRunning() const { return m_phase != Phase::Idle; }
    // Ends a running download with the failure text (the keyboard it works for is leaving).
    void abort();

    // Attempts made by the last download (1 or 2).
    int attemptsMade() const { return m_attempt + 1; }
    int keyboardDownloadStatus() const { return m_keyboardDownloadStatus; }

    static QString successText();
    static QString failureText();
    // Shown by whoever refuses a keyboard or profile switch while a download runs.
    static QString busyText();
    // Ends a download that would need a store file it cannot read.
    static QString unreadableText(const QString &file);

public slots:
    void onRuningOnboard0x19Cmd();
    void onRuningOnboard0x18Cmd();
    void onRuningOnboardDownloadStatus(int statusNun);
    void onAllFramesWritten();

signals:
    void sigDownloadFinished(bool ok, const QString &message);
    void sigRunningChanged(bool running);

private:
    struct Step
    {
        enum Kind
        {
            KeyLayer, // never waits
            Macro,    // stop-and-wait
            Advanced, // never waits
            BlankAdvanced,
            Pause,   // fixed pause between phases
            LastAck, // waits for the acknowledgement of the last stop-and-wait frame
        };
        Kind kind;
        HidReport frame;
        const char *banner = nullptr; // logged when the step is reached
    };
    enum class Phase
    {
        Idle,
        Running,
        WaitingAck,
        Pausing,
        Writing, // every frame is queued; waiting until the link has written them
    };

    // Builds the frames of one attempt in wire order; an empty text when they can be sent, else
    // the reason they cannot (refusals end the download, a missing profile index fails an attempt).
    QString planAttempt(bool *refused);
    void startAttempt();
    void run();
    void onTimer();
    bool linkUsable() const;
    int send(const HidReport &frame);
    void waitForWrites();
    void failAttempt();
    void endAttempt();
    void finish(bool ok, const QString &message);

    DownloadProfileSource *const m_source;
    Timing m_timing;
    QTimer m_timer;

    QPointer<DownloadLink> m_link;
    DownloadSnapshot m_snapshot;
    QMap<int, SeniorKeyInfoStu> m_seniorKeyMap;

    QVector<Step> m_steps;
    int m_pos = 0;
    Phase m_phase = Phase::Idle;
    int m_attempt = 0;
    int m_timeouts = 0;

    // Per attempt.
    int m_macroSlotCounter = -1;
    int m_advancedKeyIndex = -1;
    bool m_frameAcked = true;
    bool m_downloadOk = true;
    bool m_sentStopAndWait = false;
    int m_keyboardDownloadStatus = -1;
    HidReport m_lastAckFrame{};
    quint64 m_refusedAtStart = 0;
};
