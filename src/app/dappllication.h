#pragma once

#include <QApplication>
#include <QPointer>

class DLoginWidget;
class DMainWidget;
class QLocalServer;
class QSettings;
class QtLinguist;

// The application object: start-up steps, single-instance hand-over and process-wide event hook.
class DAppllication : public QApplication
{
    Q_OBJECT

public:
    DAppllication(const QString &appId, int &argc, char **argv, bool keyTaken, const QString &instanceTag);
    ~DAppllication() override;

    static DAppllication *instance();

    bool isRunning() const { return m_running; }
    bool setLanguage(int language);
    QtLinguist *linguist();
    DMainWidget *mainWidget() const { return m_mainWidget; }

    bool notify(QObject *receiver, QEvent *event) override;

    // Names of the single-instance segment and socket. Both carry the user id and a digest of the
    // settings folder, so two users (or two separate settings stores) never see each other.
    static QString instanceTag(uint uid, const QString &appDataPath);
    static QString instanceKey(const QString &tag);
    static QString serverName(const QString &executableName, const QString &tag);

    // Space, Return and Enter presses are swallowed everywhere except in text-editing widgets.
    static bool isSwallowedKeyPress(QObject *receiver, QEvent *event);

public slots:
    void onLoginFinished(bool bok);
    void newLocalConnection();

private:
    void initApp();
    void initLocalConnection();
    void probeRunningInstance();
    void startLocalServer();
    void startLogin();

    DLoginWidget *m_loginWidget = nullptr;
    DMainWidget *m_mainWidget = nullptr;
    QtLinguist *m_linguist = nullptr;
    bool m_running = false;
    QLocalServer *m_localServer = nullptr;
    QString m_serverName;
    QString m_instanceTag;
    QPointer<QWidget> m_frontWindow;
    QSettings *m_settings = nullptr;
};
