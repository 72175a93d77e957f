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
    // `serverName` is the socket path (see serverName()); `keyTaken` tells that another instance
    // holds the lock.
    DAppllication(const QString &serverName, int &argc, char **argv, bool keyTaken);
    ~DAppllication() override;

    static DAppllication *instance();

    bool isRunning() const { return m_running; }
    // Invokable: the settings dialog, below this object in the build, asks for it by name.
    Q_INVOKABLE bool setLanguage(int language);
    QtLinguist *linguist();
    DMainWidget *mainWidget() const { return m_mainWidget; }

    bool notify(QObject *receiver, QEvent *event) override;

    // The single-instance lock file and socket live in the user's own runtime folder, named with
    // the user id and a digest of the settings folder, so two settings stores never meet and no
    // other user can create or hold them.
    static QString instanceTag(uint uid, const QString &appDataPath);
    // The language the user chose, stored in the settings file of `userConfigFolder`; the
    // system's language when none is stored (or stored as -1).
    static int storedLanguage(const QString &userConfigFolder);
    // $XDG_RUNTIME_DIR when it is a folder of ours that no one else may enter; otherwise
    // <temp>/tidelumen-<uid>, made with mode 0700, used only when it is ours and 0700; else
    // <appDataPath>/run likewise. Empty when none is usable.
    static QString runtimeFolder(uint uid, const QString &appDataPath);
    static QString lockFilePath(const QString &folder, const QString &tag);
    static QString serverName(const QString &folder, const QString &tag);

    // Space, Return and Enter presses are swallowed everywhere except in text-editing widgets.
    static bool isSwallowedKeyPress(QObject *receiver, QEvent *event);

public slots:
    void onLoginFinished(bool bok);
    void newLocalConnection();

private:
    void initApp();
    void initLocalConnection(bool keyTaken);
    void probeRunningInstance();
    void startLocalServer();
    void startLogin();

    DLoginWidget *m_loginWidget = nullptr;
    DMainWidget *m_mainWidget = nullptr;
    QtLinguist *m_linguist = nullptr;
    bool m_running = false;
    QLocalServer *m_localServer = nullptr;
    QString m_serverName;
    QPointer<QWidget> m_frontWindow;
    QSettings *m_settings = nullptr;
};
