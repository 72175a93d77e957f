#include "donboarddownload.h"

#include "downloadframes.h"
#include "downloadprofilesource.h"

#include <QDebug>
#include <QDir>
#include <QFile>

using namespace downloadframes;

namespace {

constexpr const char *kLayerFiles[2] = {"/appProfile_Default.xml", "/appProfile_FN.xml"};

QByteArray fieldText(const char *field, std::size_t size)
{
    return QByteArray(field, static_cast<int>(qstrnlen(field, static_cast<uint>(size))));
}

} // namespace

DOnboardDownload::DOnboardDownload(DownloadProfileSource *source, QObject *parent)
    : QObject(parent), m_source(source)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DOnboardDownload::onTimer);
}

QString DOnboardDownload::successText()
{
    return tr("Download config successful");
}

QString DOnboardDownload::failureText()
{
    return tr("Download config failed, Please try again");
}

QString DOnboardDownload::unreadableText(const QString &file)
{
    return tr("Cannot read %1: nothing was written to the keyboard").arg(QDir::toNativeSeparators(file));
}

QString DOnboardDownload::busyText()
{
    return tr("Please wait until the download has finished");
}

bool DOnboardDownload::start(DownloadLink *link, const DownloadSnapshot &snapshot)
{
    if (isRunning())
        return false;
    m_link = link;
    if (link)
        connect(link, &DownloadLink::sigAllWritten, this, &DOnboardDownload::onAllFramesWritten,
                Qt::UniqueConnection);
    m_snapshot = snapshot;
    m_attempt = 0;
    m_keyboardDownloadStatus = -1;
    m_phase = Phase::Running;
    emit sigRunningChanged(true);
    if (!isRunning()) // aborted by a receiver
        return true;

    // No key view means no keyboard to write: never report that as a success.
    if (m_snapshot.keyCodes.isEmpty() || !linkUsable()) {
        finish(false, failureText());
        return true;
    }
    m_seniorKeyMap.clear();
    if (m_snapshot.magnetic) {
        QList<SeniorKeyInfoStu> records;
        // Unreadable is not empty: writing no records would blank the keyboard's advanced keys.
        if (!m_source->seniorKeys(m_snapshot.seniorKeyXmlPath, &records)) {
            finish(false, unreadableText(QFile::decodeName(m_snapshot.seniorKeyXmlPath)));
            return true;
        }
        for (const SeniorKeyInfoStu &r : records)
            m_seniorKeyMap.insert(r.index, r);
    }
    startAttempt();
    return true;
}

void DOnboardDownload::abort()
{
    if (isRunning())
        finish(false, failureText());
}

void DOnboardDownload::onRuningOnboard0x19Cmd()
{
    if (!isRunning())
        return;
    m_frameAcked = true;
    if (m_phase != Phase::WaitingAck)
        return;
    m_timer.stop();
    if (!linkUsable()) {
        finish(false, failureText());
        return;
    }
    m_phase = Phase::Running;
    run();
}

void DOnboardDownload::onRuningOnboard0x18Cmd()
{
    // The keyboard may confirm key-layer frames too; nothing waits for that.
}

void DOnboardDownload::onRuningOnboardDownloadStatus(int statusNun)
{
    // Kept for diagnosis only: keyboards are not known to report a meaningful value here.
    m_keyboardDownloadStatus = statusNun;
}

QString DOnboardDownload::planAttempt(bool *refused)
{
    *refused = false;
    m_steps.clear();
    m_pos = 0;
    const bool magnetic = m_snapshot.magnetic;
    const int n = m_snapshot.keyCodes.size();

    for (int layer = 0; layer < 2; ++layer) {
        const QByteArray path = QFile::encodeName(m_snapshot.profileDir + QLatin1String(kLayerFiles[layer]));
        const int index = m_source->profileIndex(path);
        if (index == -1)
            return QStringLiteral("no current profile in %1").arg(QFile::decodeName(path));
        const QByteArray indexText = QByteArray::number(index);
        std::vector<uint8_t> bytes;
        int packet = 0;
        for (int i = 0; i < n; ++i) {
            const int code = m_snapshot.keyCodes.at(i);
            KeyEntry e{};
            if (code != 0) {
                KeyOperateInfo info;
                resetKeyOperateInfo(info);
                m_source->keyItem(path, indexText, QByteArray::number(code), &info);
                int slotOrIndex = 0;
                switch (keyNeed(code, info, magnetic)) {
                case KeyNeed::MacroSlot: {
                    slotOrIndex = ++m_macroSlotCounter;
                    if (slotOrIndex >= kMacroSlots) {
                        *refused = true;
                        return tr("Too many macro keys (at most %1)").arg(kMacroSlots);
                    }
                    QList<MacroEventRecord> events;
                    if (!m_source->macroEvents(path, indexText, fieldText(info.value, sizeof info.value),
                                               &events)) {
                        *refused = true;
                        return unreadableText(QFile::decodeName(path));
                    }
                    if (events.size() > kMacroMaxEvents) {
                        *refused = true;
                        return tr("A macro has more than %1 events").arg(kMacroMaxEvents);
                    }
                    const MacroFrames frames = macroFrames(slotOrIndex, fieldNumber(info.playMode),
                                                           fieldNumber(info.repeat), events);
                    for (const HidReport &f : frames)
                        m_steps.append({Step::Macro, f});
                    break;
                }
                case KeyNeed::AdvancedKey: {
                    slotOrIndex = ++m_advancedKeyIndex;
                    if (slotOrIndex >= kAdvancedKeyIndexes) {
                        *refused = true;
                        return tr("Too many advanced keys (at most %1)").arg(kAdvancedKeyIndexes);
                    }
                    // A key naming a record that no longer exists writes a blank record.
                    const auto record = m_seniorKeyMap.constFind(fieldNumber(info.value));
                    m_steps.append(
                        {Step::Advanced,
                         advancedKeyFrame(slotOrIndex,
                                          record != m_seniorKeyMap.constEnd() ? &*record : nullptr)});
                    break;
                }
                case KeyNeed::Nothing:
                    break;
                }
                e = keyEntry(code, info, slotOrIndex, magnetic);
            }
            bytes.insert(bytes.end(), e.begin(), e.end());
            if ((i + 1) % kKeysPerFrame == 0 || i + 1 == n) {
                m_steps.append({Step::KeyLayer, keyLayerFrame(kLayerCodes[layer], packet++, bytes)});
                bytes.clear();
            }
        }
    }
    m_steps.append(Step{Step::Pause, HidReport{},
                        "-------------------- ****** Onboard download over [ Default & FN & Magnetic ] layer "
                        "****** --------------------"});
    for (int slot = m_macroSlotCounter + 1; slot < kMacroSlots; ++slot)
        for (const HidReport &f : blankMacroFrames(slot))
            m_steps.append({Step::Macro, f});
    m_steps.append(Step{Step::LastAck, HidReport{},
                        "-------------------------- *** End Onboard Download [ Macro download over ] *** "
                        "--------------------------"});
    if (magnetic) {
        m_steps.append(Step{Step::Pause, HidReport{}});
        for (int index = m_advancedKeyIndex + 1; index < kAdvancedKeyIndexes; ++index)
            m_steps.append({Step::BlankAdvanced, advancedKeyFrame(index, nullptr)});
        m_steps.last().banner =
            "-------------------------- *** End Onboard Download [ SeniorKey download over ] *** "
            "--------------------------";
    }
    return {};
}

void DOnboardDownload::startAttempt()
{
    m_macroSlotCounter = -1;
    m_advancedKeyIndex = -1;
    m_frameAcked = true;
    m_downloadOk = true;
    m_sentStopAndWait = false;
    m_lastAckFrame = HidReport{};
    m_timeouts = 0;
    m_phase = Phase::Running;
    m_refusedAtStart = m_link ? m_link->refusedWrites() : 0;

    bool refused = false;
    const QString problem = planAttempt(&refused);
    if (refused) {
        qDebug() << "[Onboard download] refused:" << problem;
        finish(false, problem);
        return;
    }
    if (!problem.isEmpty()) {
        qDebug() << "[Onboard download]" << problem;
        failAttempt();
        return;
    }
    run();
}

void DOnboardDownload::run()
{
    while (m_phase == Phase::Running && m_pos < m_steps.size()) {
        const Step &step = m_steps.at(m_pos);
        if (step.banner)
            qDebug() << step.banner;
        switch (step.kind) {
        case Step::KeyLayer:
        case Step::Advanced:
        case Step::BlankAdvanced:
            if (send(step.frame) < 0) {
                qDebug() << (step.kind == Step::KeyLayer
                                 ? "USB serial port [Write keyboard Onboard-data] Failed ..."
                             : step.kind == Step::Advanced
                                 ? "USB serial port [Write SeniorKeys-data] Failed ..."
                                 : "USB serial port [Write ADD SeniorKeys-data] Failed ...");
                failAttempt();
                return;
            }
            if (step.kind == Step::Advanced)
                qDebug() << "USB serial port [Write SeniorKeys-data] Successful ...  storeIndex:"
                         << step.frame[2];
            else if (step.kind == Step::BlankAdvanced)
                qDebug() << "USB serial port ADD [Write SeniorKeys-data] Successful ...  ADD storeIndex:"
                         << step.frame[2];
            ++m_pos;
            break;
        case Step::Macro:
            if (!m_frameAcked) {
                m_timeouts = 0;
                m_phase = Phase::WaitingAck;
                m_timer.start(m_timing.ackTimeout);
                return;
            }
            m_lastAckFrame = step.frame;
            m_frameAcked = false;
            m_sentStopAndWait = true;
            if (send(step.frame) < 0)
                qDebug() << "USB serial port [Write keyboard Macro-data list Failed ...";
            ++m_pos;
            break;
        case Step::LastAck:
            ++m_pos;
            // The last macro frame needs its acknowledgement as much as every other one.
            if (m_sentStopAndWait && !m_frameAcked) {
                m_timeouts = 0;
                m_phase = Phase::WaitingAck;
                m_timer.start(m_timing.ackTimeout);
                return;
            }
            break;
        case Step::Pause:
            ++m_pos;
            m_phase = Phase::Pausing;
            m_timer.start(m_timing.phasePause);
            return;
        }
    }
    if (m_phase == Phase::Running)
        waitForWrites();
}

// Queued is not written: the attempt has succeeded only once the link has written every frame
// and the keyboard took them all.
void DOnboardDownload::waitForWrites()
{
    if (!linkUsable()) {
        finish(false, failureText());
        return;
    }
    m_phase = Phase::Writing;
    m_timer.start(m_timing.writeTimeout);
    m_link->requestWrittenNotice();
}

void DOnboardDownload::onAllFramesWritten()
{
    if (m_phase != Phase::Writing)
        return;
    m_timer.stop();
    m_phase = Phase::Running;
    if (linkUsable() && m_link->refusedWrites() != m_refusedAtStart) {
        qDebug() << "[Onboard download] the keyboard refused" << m_link->refusedWrites() - m_refusedAtStart
                 << "report(s)";
        failAttempt();
        return;
    }
    endAttempt();
}

void DOnboardDownload::onTimer()
{
    if (!isRunning())
        return;
    if (!linkUsable()) {
        finish(false, failureText());
        return;
    }
    if (m_phase == Phase::Pausing) {
        m_phase = Phase::Running;
        run();
        return;
    }
    if (m_phase == Phase::Writing) {
        qDebug() << "[Onboard download] the frames were not written in time";
        failAttempt();
        return;
    }
    if (m_phase != Phase::WaitingAck)
        return;
    if (++m_timeouts > kMaxResends) {
        failAttempt();
        return;
    }
    if (send(m_lastAckFrame) < 0)
        qDebug() << "USB serial port [Write keyboard Macro-data list Failed ...";
    m_timer.start(m_timing.ackTimeout);
}

bool DOnboardDownload::linkUsable() const
{
    return m_link && m_link->isOpen();
}

int DOnboardDownload::send(const HidReport &frame)
{
    return m_link ? m_link->sendCommand(frame) : -1;
}

void DOnboardDownload::failAttempt()
{
    // Nothing of a failed attempt is sent after the failure: the next attempt writes it all again.
    m_downloadOk = false;
    m_timer.stop();
    m_phase = Phase::Running;
    endAttempt();
}

void DOnboardDownload::endAttempt()
{
    if (!linkUsable()) {
        finish(false, failureText());
        return;
    }
    if (m_downloadOk) {
        finish(true, successText());
        return;
    }
    if (m_attempt + 1 < kAttempts) {
        ++m_attempt;
        qDebug()
            << "-------------------------- *** Onboard Download [Try again] *** --------------------------";
        startAttempt();
        return;
    }
    finish(false, failureText());
}

void DOnboardDownload::finish(bool ok, const QString &message)
{
    m_timer.stop();
    m_phase = Phase::Idle;
    m_steps.clear();
    m_link.clear();
    qDebug() << "-------------------------- *** Onboard Download at last [ Hid back download status ] *** "
                "--------------------------";
    emit sigRunningChanged(false);
    emit sigDownloadFinished(ok, message);
}
