#pragma once

#include <QObject>
#include <QString>

class MainHidInterFace;

// Turns the keyboard link's requests into output reports and queues them on the link's I/O
// object. Holds nothing but the I/O object and never waits for an answer; a report that cannot be
// queued only leaves its failure line in the debug log.
class DDeviceHidCmdSend : public QObject
{
    Q_OBJECT

public:
    explicit DDeviceHidCmdSend(QObject *parent = nullptr);

    void setHidInterface(MainHidInterFace *hid) { m_hid = hid; }
    MainHidInterFace *hidInterface() const { return m_hid; }

    // Writes `number` (a new random 32-character hexadecimal one when empty) and returns the text
    // used, also when it could not be queued.
    QString writeSerialNumber(const QString &number);
    void sendKeyRelayReport(const unsigned char *relayReport);
    void echoFullKeyReport(const unsigned char *inputReport);
    void queryKeyboardLightTypes();
    void querySideLightTypes();
    void queryKeyboardLightConfig();
    void querySideLightConfig();
    void sendResetKeyboard();
    void sendSleepTimes(int light, int keyboard, int prohibit);
    // Called with (Windows key, Shift+Tab, Alt+Tab, Alt+F4); the keyboard takes Alt+F4 before
    // Alt+Tab, so c and d swap places on the wire.
    void sendWinLock(int a, int b, int c, int d);
    void queryLayoutInfo();
    // The inquiry the I/O object sends first on opening, for a keyboard that missed it.
    void querySerialNumber();
    void querySleepTimes();
    void queryKeyTravelMax();
    void queryAntiShake();
    void queryReportRate();

    static QString newSerialNumber();

private:
    bool queue(const unsigned char *report, const char *failureLine);

    MainHidInterFace *m_hid = nullptr;
};
