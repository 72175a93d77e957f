#include "dappllication.h"

#include "ddatamanager.h"
#include "dloginwidget.h"
#include "dmainwidget.h"
#include "qtlinguist.h"

#include <QAbstractSpinBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTextStream>

#include <cerrno>
#include <sys/stat.h>

DAppllication::DAppllication(const QString &serverName, int &argc, char **argv, bool keyTaken)
    : QApplication(argc, argv), m_serverName(serverName)
{
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(12);
    QApplication::setFont(font);

    if (!keyTaken)
        initApp();
    initLocalConnection(keyTaken);
    if (!keyTaken)
        startLogin();
}

DAppllication::~DAppllication()
{
    delete m_mainWidget;
    delete m_loginWidget;
    delete m_linguist;
    delete m_settings;
}

DAppllication *DAppllication::instance()
{
    return qobject_cast<DAppllication *>(QCoreApplication::instance());
}

QString DAppllication::instanceTag(uint uid, const QString &appDataPath)
{
    const QByteArray digest = QCryptographicHash::hash(appDataPath.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("%1-%2").arg(uid).arg(QString::fromLatin1(digest.toHex().left(8)));
}

namespace {

// A folder only this user can enter: a real directory (no link), owned by `uid`, mode 0700.
bool isPrivateFolder(const QByteArray &path, uint uid)
{
    struct stat st;
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == uid &&
           (st.st_mode & 0777) == 0700;
}

} // namespace

QString DAppllication::runtimeFolder(uint uid, const QString &appDataPath)
{
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (xdg.startsWith('/') && isPrivateFolder(xdg, uid))
        return QFile::decodeName(xdg);
    if (!xdg.isEmpty())
        qWarning("[Single instance] XDG_RUNTIME_DIR %s is not a private folder of this user; not used",
                 xdg.constData());
    const QByteArray own = QFile::encodeName(QDir::tempPath() + QStringLiteral("/tidelumen-%1").arg(uid));
    if ((::mkdir(own.constData(), 0700) == 0 || errno == EEXIST) && isPrivateFolder(own, uid))
        return QFile::decodeName(own);
    // Someone else made it first, or made it open to others: never used. The settings folder is
    // the user's own; a folder in it serves instead.
    qWarning("[Single instance] %s is not a private folder of this user; not used", own.constData());
    if (appDataPath.isEmpty() || !QDir().mkpath(appDataPath))
        return QString();
    const QByteArray home = QFile::encodeName(appDataPath + QStringLiteral("/run"));
    if ((::mkdir(home.constData(), 0700) == 0 || errno == EEXIST) && isPrivateFolder(home, uid))
        return QFile::decodeName(home);
    return QString();
}

QString DAppllication::lockFilePath(const QString &folder, const QString &tag)
{
    return folder + QStringLiteral("/tidelumen-") + tag + QStringLiteral(".lock");
}

QString DAppllication::serverName(const QString &folder, const QString &tag)
{
    return folder + QStringLiteral("/tidelumen-") + tag + QStringLiteral(".socket");
}

QtLinguist *DAppllication::linguist()
{
    if (!m_linguist)
        m_linguist = new QtLinguist();
    return m_linguist;
}

bool DAppllication::setLanguage(int language)
{
    return linguist()->loadLanguage(language);
}

int DAppllication::storedLanguage(const QString &userConfigFolder)
{
    if (QFileInfo(userConfigFolder).isDir()) {
        const QSettings settings(userConfigFolder + QStringLiteral("/QuelmoConfig.ini"),
                                 QSettings::IniFormat);
        const int stored = settings.value(QStringLiteral("Language/selectLanguageIndex"), -1).toInt();
        if (stored != -1)
            return stored;
    }
    return QtLinguist::systemLanguage();
}

void DAppllication::initApp()
{
    setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    setApplicationVersion(QStringLiteral("1.0.0.0"));
    setQuitOnLastWindowClosed(true);

    DDataManager *data = DDataManager::getInstance();
    qDebug() << "------------------------- *** App Running *** ------------------------------";

    const QString folder = data->userConfigPath();
    const int language = storedLanguage(folder);
    linguist();

    const QString file = folder + QStringLiteral("/QuelmoConfig.ini");
    m_settings = new QSettings(file, QSettings::IniFormat);
    linguist()->loadLanguage(language);
    m_settings->setValue(QStringLiteral("Language/selectLanguageIndex"), language);
    m_settings->sync();

    QSettings::setDefaultFormat(QSettings::IniFormat);
}

void DAppllication::initLocalConnection(bool keyTaken)
{
    m_running = false;
    m_localServer = nullptr;
    m_frontWindow = nullptr;
    if (m_serverName.isEmpty())
        return;
    if (keyTaken)
        probeRunningInstance();
    else
        startLocalServer();
}

void DAppllication::probeRunningInstance()
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName, QIODevice::ReadWrite);
    if (socket.waitForConnected(500)) {
        m_running = true;
        const QStringList args = arguments();
        QTextStream stream(&socket);
        stream << (args.size() > 1 ? args.last() : QString());
        stream.flush();
        socket.waitForBytesWritten(30000);
    }
}

void DAppllication::startLocalServer()
{
    m_localServer = new QLocalServer(this);
    m_localServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_localServer, &QLocalServer::newConnection, this, &DAppllication::newLocalConnection);
    // We hold the lock: a socket file still there was left by a killed instance.
    QLocalServer::removeServer(m_serverName);
    if (!m_localServer->listen(m_serverName))
        qWarning("[Single instance] cannot listen on %s: %s", qUtf8Printable(m_serverName),
                 qUtf8Printable(m_localServer->errorString()));
}

void DAppllication::startLogin()
{
    m_loginWidget = new DLoginWidget(nullptr);
    connect(m_loginWidget, &DLoginWidget::sigLoginFinished, this, &DAppllication::onLoginFinished,
            Qt::DirectConnection);
    m_loginWidget->autoLogin();
}

void DAppllication::onLoginFinished(bool bok)
{
    if (!bok)
        return;
    m_loginWidget->fadeOut();

    m_mainWidget = new DMainWidget(nullptr);
    m_mainWidget->activateWindow();
    m_mainWidget->show();
    m_frontWindow = m_mainWidget;
    qDebug() << "[Start-up] main window shown";

    QSettings user(DDataManager::getInstance()->userConfigPath() + QStringLiteral("/QuelmoConfig.ini"),
                   QSettings::IniFormat);
    const bool autoStart = user.value(QStringLiteral("AutoStart/isAutoStart"), false).toBool();
    if (autoStart && arguments().join(QLatin1Char(' ')).contains(QLatin1String("AutoUp"))) {
        // Without a tray a hidden window could not be reached: it starts minimised instead.
        m_mainWidget->hideToTray();
        if (m_mainWidget->isVisible())
            qDebug() << "[Start-up] main window minimised (auto start, no tray)";
        else
            qDebug() << "[Start-up] main window hidden (auto start)";
    }
}

void DAppllication::newLocalConnection()
{
    QLocalSocket *socket = m_localServer ? m_localServer->nextPendingConnection() : nullptr;
    if (!socket)
        return;
    socket->waitForReadyRead(1000);
    delete socket;

    if (m_frontWindow) {
        m_frontWindow->raise();
        m_frontWindow->activateWindow();
        m_frontWindow->setWindowState((m_frontWindow->windowState() & ~Qt::WindowMinimized) |
                                      Qt::WindowActive);
        m_frontWindow->show();
        qDebug() << "[Single instance] another launch knocked, main window raised";
    }
}

bool DAppllication::isSwallowedKeyPress(QObject *receiver, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // A typed key reaches the window first, which hands it on to the focused widget; deciding
    // there would keep it from text fields too.
    if (receiver->isWindowType())
        return false;
    // Text fields need these keys to be usable at all.
    if (qobject_cast<QLineEdit *>(receiver) || qobject_cast<QTextEdit *>(receiver) ||
        qobject_cast<QPlainTextEdit *>(receiver) || qobject_cast<QAbstractSpinBox *>(receiver))
        return false;
    return true;
}

bool DAppllication::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::MouseMove && m_mainWidget) {
        const QPoint global = static_cast<QMouseEvent *>(event)->globalPos();
        m_mainWidget->resizeZoneAt(global.x(), global.y());
    } else if (isSwallowedKeyPress(receiver, event)) {
        return false;
    }
    return QApplication::notify(receiver, event);
}
